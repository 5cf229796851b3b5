<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU">
<context>
    <name>AppGuard</name>
    <message>
        <source>Password managers, input methods, security and device-management agents, VPNs</source>
        <translation>Менеджеры паролей, методы ввода, агенты безопасности и управления устройствами, VPN</translation>
    </message>
</context>
<context>
    <name>AppState</name>
    <message>
        <source>1 file</source>
        <translation>1 файл</translation>
    </message>
    <message>
        <source>%1 files</source>
        <translation>Файлов: %1</translation>
    </message>
    <message>
        <source>%1 (%2) moved to the %3</source>
        <translation>%1 (%2) — перемещено в папку «%3»</translation>
    </message>
    <message>
        <source> · %1 in use, skipped</source>
        <translation> · %1 используются, пропущены</translation>
    </message>
    <message numerus="yes">
        <source>Restored %n file(s)</source>
        <translation>
            <numerusform>Восстановлен %n файл</numerusform>
            <numerusform>Восстановлено %n файла</numerusform>
            <numerusform>Восстановлено %n файлов</numerusform>
        </translation>
    </message>
    <message>
        <source>Nothing was cleaned: your settings cannot be read.</source>
        <translation>Ничего не очищено: не удаётся прочитать ваши настройки.</translation>
    </message>
    <message>
        <source>That cleanup log could not be read; nothing was restored.</source>
        <translation>Не удалось прочитать журнал этой очистки; ничего не восстановлено.</translation>
    </message>
    <message numerus="yes">
        <source>Restored %n item(s) from the %1</source>
        <translation>
            <numerusform>Из папки «%1» восстановлен %n объект</numerusform>
            <numerusform>Из папки «%1» восстановлено %n объекта</numerusform>
            <numerusform>Из папки «%1» восстановлено %n объектов</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 not restored: %2</source>
        <translation>не восстановлено: %1 — %2</translation>
    </message>
    <message>
        <source>found through the %1&apos;s own records (an older log)</source>
        <translation>найдено по записям самой папки «%1» (журнал старого формата)</translation>
    </message>
    <message numerus="yes">
        <source>At this rate the disk is full in about %n week(s)</source>
        <translation>
            <numerusform>При таком темпе диск заполнится примерно через %n неделю</numerusform>
            <numerusform>При таком темпе диск заполнится примерно через %n недели</numerusform>
            <numerusform>При таком темпе диск заполнится примерно через %n недель</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>At this rate the disk is full in about %n day(s)</source>
        <translation>
            <numerusform>При таком темпе диск заполнится примерно через %n день</numerusform>
            <numerusform>При таком темпе диск заполнится примерно через %n дня</numerusform>
            <numerusform>При таком темпе диск заполнится примерно через %n дней</numerusform>
        </translation>
    </message>
    <message>
        <source>Free space falls by about %1 a day</source>
        <translation>Свободное место уменьшается примерно на %1 в день</translation>
    </message>
    <message>
        <source>Free space rises by about %1 a day</source>
        <translation>Свободное место увеличивается примерно на %1 в день</translation>
    </message>
    <message>
        <source> · %1 could not be moved to the %2</source>
        <translation> · %1 не удалось переместить в корзину (%2)</translation>
    </message>
</context>
<context>
    <name>Categories</name>
    <message>
        <source>Scratch files that apps and the system create while working. They are not needed once the app closes.</source>
        <translation>Временные файлы, которые приложения и система создают во время работы. После закрытия приложения они не нужны.</translation>
    </message>
    <message>
        <source>Data apps keep to load faster. Apps rebuild these automatically the next time they need them.</source>
        <translation>Данные, которые приложения хранят для ускорения загрузки. Приложения автоматически создадут их заново, когда они понадобятся.</translation>
    </message>
    <message>
        <source>Cached images, scripts and pages. Sign-ins, history, bookmarks and passwords are never touched.</source>
        <translation>Кэшированные изображения, скрипты и страницы. Данные входа, история, закладки и пароли никогда не затрагиваются.</translation>
    </message>
    <message>
        <source>Diagnostic logs and crash reports. Useful only when troubleshooting a recent problem.</source>
        <translation>Диагностические журналы и отчёты о сбоях. Полезны только при разборе недавней проблемы.</translation>
    </message>
    <message>
        <source>Preview images of your files. They are regenerated the next time you open a folder.</source>
        <translation>Эскизы ваших файлов. Они будут созданы заново при следующем открытии папки.</translation>
    </message>
    <message>
        <source>Package manager caches and build output. Removing them is safe, but the next build or install will be slower.</source>
        <translation>Кэши менеджеров пакетов и результаты сборки. Удалять их безопасно, но следующая сборка или установка пройдёт медленнее.</translation>
    </message>
    <message>
        <source>All drives</source>
        <translation>Все диски</translation>
    </message>
    <message>
        <source>Items you have already deleted. Emptying cannot be undone.</source>
        <translation>Уже удалённые вами объекты. Очистку нельзя отменить.</translation>
    </message>
    <message>
        <source>Temporary files</source>
        <translation>Временные файлы</translation>
    </message>
    <message>
        <source>App caches</source>
        <translation>Кэши приложений</translation>
    </message>
    <message>
        <source>Cache folders in %LOCALAPPDATA% and %APPDATA%</source>
        <translation>Папки кэша в %LOCALAPPDATA% и %APPDATA%</translation>
    </message>
    <message>
        <source>DirectX shader cache</source>
        <translation>Кэш шейдеров DirectX</translation>
    </message>
    <message>
        <source>Browser caches</source>
        <translation>Кэши браузеров</translation>
    </message>
    <message>
        <source>Internet cache</source>
        <translation>Кэш Интернета</translation>
    </message>
    <message>
        <source>Logs &amp; crash reports</source>
        <translation>Журналы и отчёты о сбоях</translation>
    </message>
    <message>
        <source>Thumbnail cache</source>
        <translation>Кэш эскизов</translation>
    </message>
    <message>
        <source>Windows Update leftovers</source>
        <translation>Остатки Центра обновления Windows</translation>
    </message>
    <message>
        <source>Files left behind after Windows updates are installed. Safe once the update is complete; Windows downloads them again if it needs them.</source>
        <translation>Файлы, оставшиеся после установки обновлений Windows. Их можно удалить после завершения обновления; при необходимости Windows загрузит их снова.</translation>
    </message>
    <message>
        <source>Windows Update downloads</source>
        <translation>Загрузки Центра обновления Windows</translation>
    </message>
    <message>
        <source>Delivery Optimization cache</source>
        <translation>Кэш оптимизации доставки</translation>
    </message>
    <message>
        <source>Developer caches</source>
        <translation>Кэши разработчика</translation>
    </message>
    <message>
        <source>Recycle Bin</source>
        <translation>Корзина</translation>
    </message>
    <message>
        <source>Package cache</source>
        <translation>Кэш пакетов</translation>
    </message>
    <message>
        <source>Packages the package manager keeps after installing them. Safe to remove; they are downloaded again if they are needed.</source>
        <translation>Пакеты, которые менеджер пакетов хранит после установки. Удалять безопасно; при необходимости они будут загружены снова.</translation>
    </message>
    <message>
        <source>DNF package cache</source>
        <translation>Кэш пакетов DNF</translation>
    </message>
    <message>
        <source>Trash</source>
        <translation>Корзина</translation>
    </message>
    <message>
        <source>Safe</source>
        <translation>Безопасно</translation>
    </message>
    <message>
        <source>Review</source>
        <translation>Проверить</translation>
    </message>
    <message>
        <source>Permanent</source>
        <translation>Безвозвратно</translation>
    </message>
    <message>
        <source>%1 (all drives)</source>
        <translation>%1 (все диски)</translation>
    </message>
    <message>
        <source>%1 was left out: it leads through a link to %2.</source>
        <translation>Папка %1 пропущена: путь к ней проходит через ссылку на %2.</translation>
    </message>
    <message>
        <source>%1 was left out: it is the home folder or holds it.</source>
        <translation>Папка %1 пропущена: это домашняя папка или папка, которая её содержит.</translation>
    </message>
    <message>
        <source>%1 was left out: it lies in a protected location.</source>
        <translation>Папка %1 пропущена: она находится в защищённом расположении.</translation>
    </message>
    <message>
        <source>%1 was left out: it overlaps %2.</source>
        <translation>Папка %1 пропущена: она пересекается с %2.</translation>
    </message>
    <message>
        <source>App logs, crash reports</source>
        <translation>Журналы приложений, отчёты о сбоях</translation>
    </message>
    <message>
        <source>Cache folders in ~/.config, ~/.cache and Flatpak and Snap apps</source>
        <translation>Папки кэша в ~/.config, ~/.cache и в приложениях Flatpak и Snap</translation>
    </message>
    <message>
        <source>%1 (PID %2)</source>
        <translation>%1 (PID %2)</translation>
    </message>
    <message>
        <source>%1 is left out: another program is working in it.</source>
        <translation>%1 пропущена: с ней работает другая программа.</translation>
    </message>
    <message>
        <source>%1 is left out: in use by %2.</source>
        <translation>%1 пропущена: используется программой %2.</translation>
    </message>
    <message>
        <source>%1 is left out: its name is not valid text.</source>
        <translation>%1 пропущен: имя не является допустимым текстом.</translation>
    </message>
    <message>
        <source>npm cache</source>
        <translation>Кэш npm</translation>
    </message>
    <message>
        <source>Yarn cache</source>
        <translation>Кэш Yarn</translation>
    </message>
    <message>
        <source>pip cache</source>
        <translation>Кэш pip</translation>
    </message>
    <message>
        <source>NuGet HTTP cache</source>
        <translation>HTTP-кэш NuGet</translation>
    </message>
    <message>
        <source>Go build cache</source>
        <translation>Кэш сборки Go</translation>
    </message>
    <message>
        <source>Gradle caches</source>
        <translation>Кэши Gradle</translation>
    </message>
    <message>
        <source>Cargo registry cache</source>
        <translation>Кэш реестра Cargo</translation>
    </message>
</context>
<context>
    <name>Cleaner</name>
    <message>
        <source>delete permanently</source>
        <translation>удалить безвозвратно</translation>
    </message>
</context>
<context>
    <name>CleanupPage</name>
    <message>
        <source>SAFE TO CLEAN</source>
        <translation>БЕЗОПАСНАЯ ОЧИСТКА</translation>
    </message>
    <message>
        <source>REVIEW BEFORE CLEANING</source>
        <translation>ПРОВЕРЬТЕ ПЕРЕД ОЧИСТКОЙ</translation>
    </message>
    <message>
        <source>CANNOT BE UNDONE</source>
        <translation>НЕЛЬЗЯ ОТМЕНИТЬ</translation>
    </message>
    <message>
        <source>Cleanup</source>
        <translation>Очистка</translation>
    </message>
    <message>
        <source>Nothing scanned yet</source>
        <translation>Сканирование ещё не проводилось</translation>
    </message>
    <message>
        <source>Find caches, temporary files and leftovers.</source>
        <translation>Поиск кэшей, временных файлов и прочих остатков.</translation>
    </message>
    <message>
        <source>Start Smart Scan</source>
        <translation>Запустить умное сканирование</translation>
    </message>
    <message>
        <source>Scanning</source>
        <translation>Сканирование</translation>
    </message>
    <message>
        <source>In progress</source>
        <translation>Выполняется</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Остановить</translation>
    </message>
    <message>
        <source>Items checked</source>
        <translation>Проверено</translation>
    </message>
    <message>
        <source>Elapsed</source>
        <translation>Прошло</translation>
    </message>
    <message>
        <source>Remaining</source>
        <translation>Осталось</translation>
    </message>
    <message>
        <source>found</source>
        <translation>найдено</translation>
    </message>
    <message>
        <source>Cleaning</source>
        <translation>Очистка</translation>
    </message>
    <message>
        <source>of %1</source>
        <translation>из %1</translation>
    </message>
    <message>
        <source>Cleanup complete</source>
        <translation>Очистка завершена</translation>
    </message>
    <message>
        <source>Available before</source>
        <translation>Было свободно</translation>
    </message>
    <message>
        <source>Available now</source>
        <translation>Свободно сейчас</translation>
    </message>
    <message>
        <source>&lt;b&gt;Some files need administrator rights.&lt;/b&gt; Restart Varnholt as administrator and clean again to remove them.</source>
        <translation>&lt;b&gt;Для некоторых файлов нужны права администратора.&lt;/b&gt; Перезапустите Varnholt от имени администратора и повторите очистку, чтобы удалить их.</translation>
    </message>
    <message>
        <source>Restart as admin</source>
        <translation>Перезапустить как администратор</translation>
    </message>
    <message>
        <source>View log</source>
        <translation>Открыть журнал</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Готово</translation>
    </message>
    <message>
        <source>Items were deleted permanently.</source>
        <translation>Объекты удалены безвозвратно.</translation>
    </message>
    <message>
        <source>For example: %1</source>
        <translation>Например: %1</translation>
    </message>
    <message>
        <source>&lt;b&gt;Left caches of running apps alone:&lt;/b&gt; %1. Quit them and clean again to include them.</source>
        <translation>&lt;b&gt;Кэши запущенных приложений не затронуты:&lt;/b&gt; %1. Закройте эти приложения и запустите очистку снова, чтобы включить и их.</translation>
    </message>
    <message>
        <source>Needs administrator</source>
        <translation>Нужны права администратора</translation>
    </message>
    <message>
        <source>Select recommended</source>
        <translation>Выбрать рекомендуемое</translation>
    </message>
    <message>
        <source>Rescan</source>
        <translation>Пересканировать</translation>
    </message>
    <message>
        <source>Select all</source>
        <translation>Выбрать все</translation>
    </message>
    <message>
        <source>%1 can be cleaned</source>
        <translation>%1 можно очистить</translation>
    </message>
    <message>
        <source>Nothing left to clean. Rescan any time.</source>
        <translation>Очищать больше нечего. Повторить сканирование можно в любое время.</translation>
    </message>
    <message>
        <source>These files need administrator rights.</source>
        <translation>Для этих файлов нужны права администратора.</translation>
    </message>
    <message>
        <source>Some folders need administrator rights.</source>
        <translation>Для некоторых папок нужны права администратора.</translation>
    </message>
    <message>
        <source>%1 is open. Quit it to include its cache.</source>
        <translation>Приложение %1 открыто. Закройте его, чтобы очистить и его кэш.</translation>
    </message>
    <message>
        <source>%1 are open. Quit them to include their caches.</source>
        <translation>Приложения %1 открыты. Закройте их, чтобы очистить и их кэши.</translation>
    </message>
    <message>
        <source>Largest items</source>
        <translation>Крупнейшие объекты</translation>
    </message>
    <message>
        <source>Show in %1</source>
        <translation>Открыть %1</translation>
    </message>
    <message>
        <source>%1 is running</source>
        <translation>Приложение %1 запущено</translation>
    </message>
    <message>
        <source>Show %1 more</source>
        <translation>Показать ещё %1</translation>
    </message>
    <message>
        <source>moved to the %1</source>
        <translation>Файлы будут перемещены в папку «%1»</translation>
    </message>
    <message>
        <source>deleted permanently</source>
        <translation>Файлы будут удалены безвозвратно</translation>
    </message>
    <message>
        <source>&lt;b style=&apos;color:%1&apos;&gt;%2&lt;/b&gt; selected%3</source>
        <translation>Выбрано &lt;b style=&apos;color:%1&apos;&gt;%2&lt;/b&gt;%3</translation>
    </message>
    <message>
        <source> · some need admin</source>
        <translation> · некоторым нужны права администратора</translation>
    </message>
    <message>
        <source>Clean %1</source>
        <translation>Очистить %1</translation>
    </message>
    <message>
        <source>Large files</source>
        <translation>Большие файлы</translation>
    </message>
    <message numerus="yes">
        <source>%Ln item(s)</source>
        <translation>
            <numerusform>%Ln объект</numerusform>
            <numerusform>%Ln объекта</numerusform>
            <numerusform>%Ln объектов</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>and %Ln more item(s)</source>
        <translation>
            <numerusform>и ещё %Ln объект</numerusform>
            <numerusform>и ещё %Ln объекта</numerusform>
            <numerusform>и ещё %Ln объектов</numerusform>
        </translation>
    </message>
    <message>
        <source>Check again</source>
        <translation>Проверить снова</translation>
    </message>
    <message>
        <source>Your settings in %1 cannot be read, so your exclusions and your choice between the %2 and deleting are unknown. Cleaning stays off until the file can be read again.</source>
        <translation>Не удаётся прочитать ваши настройки в %1, поэтому неизвестно, что вы исключили и следует ли перемещать файлы в папку «%2» или удалять их. Очистка останется недоступной, пока файл снова не удастся прочитать.</translation>
    </message>
    <message>
        <source>Partly cleaned</source>
        <translation>Очищено частично</translation>
    </message>
    <message>
        <source>Nothing was cleaned</source>
        <translation>Ничего не очищено</translation>
    </message>
    <message>
        <source>None of the %1 selected could be cleaned.</source>
        <translation>Из выбранных %1 ничего не удалось очистить.</translation>
    </message>
    <message>
        <source>No app could open %1</source>
        <translation>Не удалось открыть %1: нет подходящего приложения</translation>
    </message>
    <message>
        <source>The %1 could not show %2</source>
        <translation>%1 не может показать %2</translation>
    </message>
    <message>
        <source>Scan again to see what can be cleaned.</source>
        <translation>Запустите сканирование снова, чтобы увидеть, что можно очистить.</translation>
    </message>
    <message>
        <source>Measuring…</source>
        <translation>Подсчёт…</translation>
    </message>
    <message>
        <source>%1 of it needs administrator rights.</source>
        <translation>Для %1 из них нужны права администратора.</translation>
    </message>
    <message>
        <source>freed or moved to the %1</source>
        <comment>what the figure of a finished cleanup is</comment>
        <translation>освобождено или перемещено в папку «%1»</translation>
    </message>
    <message>
        <source>moved to the %1</source>
        <comment>what the figure of a finished cleanup is</comment>
        <translation>перемещено в папку «%1»</translation>
    </message>
    <message>
        <source>freed</source>
        <comment>what the figure of a finished cleanup is</comment>
        <translation>освобождено</translation>
    </message>
    <message>
        <source>of %1 selected · %2</source>
        <translation>из выбранных %1 · %2</translation>
    </message>
    <message>
        <source>Restore all</source>
        <translation>Восстановить всё</translation>
    </message>
    <message>
        <source>Put everything this cleanup moved to the %1 back where it was</source>
        <translation>Вернуть на место всё, что эта очистка переместила в папку «%1»</translation>
    </message>
    <message>
        <source>Restoring…</source>
        <translation>Восстановление…</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <comment>two programs that hold files</comment>
        <translation>%1 и %2</translation>
    </message>
    <message numerus="yes">
        <source>%1 and %n other program(s)</source>
        <comment>programs that hold files</comment>
        <translation>
            <numerusform>%1 и ещё %n программа</numerusform>
            <numerusform>%1 и ещё %n программы</numerusform>
            <numerusform>%1 и ещё %n программ</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n file(s) are in use by %1.</source>
        <comment>%1: one or more programs</comment>
        <translation>
            <numerusform>%n файл занят: %1.</numerusform>
            <numerusform>%n файла заняты: %1.</numerusform>
            <numerusform>%n файлов занято: %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>Try again</source>
        <translation>Повторить</translation>
    </message>
    <message>
        <source>Clean the skipped files again, the same way</source>
        <translation>Снова очистить пропущенные файлы тем же способом</translation>
    </message>
    <message numerus="yes">
        <source>&lt;b&gt;%Ln item(s) kept&lt;/b&gt; because something in them changed since the scan. Scan again to see what can go.</source>
        <translation>
            <numerusform>&lt;b&gt;%Ln элемент оставлен&lt;/b&gt;, так как в нём что-то изменилось после сканирования. Выполните сканирование снова, чтобы увидеть, что можно удалить.</numerusform>
            <numerusform>&lt;b&gt;%Ln элемента оставлены&lt;/b&gt;, так как в них что-то изменилось после сканирования. Выполните сканирование снова, чтобы увидеть, что можно удалить.</numerusform>
            <numerusform>&lt;b&gt;%Ln элементов оставлено&lt;/b&gt;, так как в них что-то изменилось после сканирования. Выполните сканирование снова, чтобы увидеть, что можно удалить.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>&lt;b&gt;%Ln file(s) skipped&lt;/b&gt; because they were in use or protected. Quit the apps using them and rescan to remove them.</source>
        <translation>
            <numerusform>&lt;b&gt;%Ln файл пропущен&lt;/b&gt;, так как использовался или был защищён. Закройте использующие его приложения и повторите сканирование, чтобы удалить его.</numerusform>
            <numerusform>&lt;b&gt;%Ln файла пропущены&lt;/b&gt;, так как использовались или были защищены. Закройте использующие их приложения и повторите сканирование, чтобы удалить их.</numerusform>
            <numerusform>&lt;b&gt;%Ln файлов пропущено&lt;/b&gt;, так как использовались или были защищены. Закройте использующие их приложения и повторите сканирование, чтобы удалить их.</numerusform>
        </translation>
    </message>
    <message>
        <source>Some items were moved to the %1 and the rest deleted permanently. You can still restore what was moved.</source>
        <translation>Часть элементов перемещена в корзину (%1), остальные удалены безвозвратно. Перемещённое ещё можно восстановить.</translation>
    </message>
    <message>
        <source>Moved to the %1. You can still restore anything.</source>
        <translation>Перемещено в корзину (%1). Всё ещё можно восстановить.</translation>
    </message>
    <message numerus="yes">
        <source>&lt;b&gt;%Ln item(s) could not be moved to the %1&lt;/b&gt; and were left where they are.</source>
        <translation>
            <numerusform>&lt;b&gt;%Ln элемент не удалось переместить в корзину (%1)&lt;/b&gt;, он оставлен на месте.</numerusform>
            <numerusform>&lt;b&gt;%Ln элемента не удалось переместить в корзину (%1)&lt;/b&gt;, они оставлены на месте.</numerusform>
            <numerusform>&lt;b&gt;%Ln элементов не удалось переместить в корзину (%1)&lt;/b&gt;, они оставлены на месте.</numerusform>
        </translation>
    </message>
    <message>
        <source>This cleanup wrote no log; its folder is open instead.</source>
        <translation>Эта очистка не записала журнал; вместо него открыта папка журналов.</translation>
    </message>
    <message>
        <source>The log %1 is gone; its folder is open instead.</source>
        <translation>Журнал %1 больше не существует; вместо него открыта его папка.</translation>
    </message>
    <message>
        <source>Varnholt did not restart: administrator rights were refused or could not be asked for.</source>
        <translation>Varnholt не перезапущен: права администратора не предоставлены или их не удалось запросить.</translation>
    </message>
    <message>
        <source>No %1 on this drive</source>
        <translation>На этом диске нет корзины (%1)</translation>
    </message>
    <message>
        <source>Cannot go to the %1</source>
        <translation>Нельзя переместить в корзину (%1)</translation>
    </message>
</context>
<context>
    <name>Cli</name>
    <message>
        <source>Cannot read the catalogue file %1: %2</source>
        <translation>Не удаётся прочитать файл каталога %1: %2</translation>
    </message>
    <message>
        <source>The catalogue file %1 is not valid JSON: %2</source>
        <translation>Файл каталога %1 содержит некорректный JSON: %2</translation>
    </message>
    <message>
        <source>The catalogue file %1 is not usable: %2</source>
        <translation>Файл каталога %1 нельзя использовать: %2</translation>
    </message>
    <message>
        <source>a category has no id</source>
        <translation>у одной из категорий нет ID</translation>
    </message>
    <message>
        <source>the id &quot;%1&quot; appears twice</source>
        <translation>ID «%1» встречается дважды</translation>
    </message>
    <message>
        <source>the risk of &quot;%1&quot; is not Safe, Review or Permanent</source>
        <translation>для «%1» указан риск, отличный от Safe, Review и Permanent</translation>
    </message>
    <message>
        <source>a root of &quot;%1&quot; is not an absolute path</source>
        <translation>у категории «%1» корневая папка задана не абсолютным путём</translation>
    </message>
    <message>
        <source>it lists no categories</source>
        <translation>в нём нет ни одной категории</translation>
    </message>
    <message>
        <source>Interrupted.</source>
        <translation>Прервано.</translation>
    </message>
    <message>
        <source>Scanning %1 · %2 · %3 files · %4</source>
        <translation>Сканирование: %1 · %2 · файлов: %3 · %4</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>Категория</translation>
    </message>
    <message>
        <source>Risk</source>
        <translation>Риск</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Размер</translation>
    </message>
    <message>
        <source>Files</source>
        <translation>Файлы</translation>
    </message>
    <message>
        <source>Items</source>
        <translation>Объекты</translation>
    </message>
    <message>
        <source>(%1 is running)</source>
        <translation>(приложение %1 запущено)</translation>
    </message>
    <message>
        <source>… %1 more (--json lists all)</source>
        <translation>… ещё %1 (--json выводит все)</translation>
    </message>
    <message>
        <source>%1 found · %2 files checked · %3 s</source>
        <translation>Найдено: %1 · проверено файлов: %2 · %3 с</translation>
    </message>
    <message>
        <source>Some folders of %1 could not be read.</source>
        <translation>Не удалось прочитать некоторые папки категории «%1».</translation>
    </message>
    <message>
        <source>Keeping %1 as a whole: %2 lies inside it.</source>
        <translation>%1 сохраняется целиком: внутри находится %2.</translation>
    </message>
    <message>
        <source>Freed %1 · %2 removed · %3 skipped</source>
        <translation>Освобождено: %1 · удалено: %2 · пропущено: %3</translation>
    </message>
    <message numerus="yes">
        <source>%n file(s)</source>
        <translation>
            <numerusform>%n файл</numerusform>
            <numerusform>%n файла</numerusform>
            <numerusform>%n файлов</numerusform>
        </translation>
    </message>
    <message>
        <source>Cleaned: %1</source>
        <translation>Очищено: %1</translation>
    </message>
    <message>
        <source>Skipped (in use or access denied):</source>
        <translation>Пропущено (используется или нет доступа):</translation>
    </message>
    <message>
        <source>Left alone because they are running: %1</source>
        <translation>Запущенные приложения не затронуты: %1</translation>
    </message>
    <message>
        <source>Some items need administrator rights.</source>
        <translation>Для некоторых объектов нужны права администратора.</translation>
    </message>
    <message>
        <source>Log: %1</source>
        <translation>Журнал: %1</translation>
    </message>
    <message>
        <source>The scan did not complete.</source>
        <translation>Сканирование не завершено.</translation>
    </message>
    <message>
        <source>The scan did not complete; nothing was cleaned.</source>
        <translation>Сканирование не завершено; ничего не очищено.</translation>
    </message>
    <message>
        <source>Nothing to clean in the categories given.</source>
        <translation>В указанных категориях нечего очищать.</translation>
    </message>
    <message>
        <source>Cleaning %1 of %2 · %3</source>
        <translation>Очистка: %1 из %2 · %3</translation>
    </message>
    <message>
        <source>%1 files checked · %2 found (%3) · %4</source>
        <translation>Проверено файлов: %1 · найдено: %2 (%3) · %4</translation>
    </message>
    <message>
        <source>The search for large files did not complete.</source>
        <translation>Поиск больших файлов не завершён.</translation>
    </message>
    <message>
        <source>Kind</source>
        <translation>Тип</translation>
    </message>
    <message>
        <source>Last used</source>
        <translation>Использовался</translation>
    </message>
    <message>
        <source>Path</source>
        <translation>Путь</translation>
    </message>
    <message numerus="yes">
        <source>%n large file(s)</source>
        <translation>
            <numerusform>%n большой файл</numerusform>
            <numerusform>%n больших файла</numerusform>
            <numerusform>%n больших файлов</numerusform>
        </translation>
    </message>
    <message>
        <source>Cannot read %1.</source>
        <translation>Не удаётся прочитать %1.</translation>
    </message>
    <message>
        <source>Newest</source>
        <translation>Изменено</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Время</translation>
    </message>
    <message>
        <source>%1 ms</source>
        <translation>%1 мс</translation>
    </message>
    <message>
        <source>Run &quot;varnholt-cli --help&quot; for the usage.</source>
        <translation>Для справки по использованию запустите «varnholt-cli --help».</translation>
    </message>
    <message>
        <source>No command given.</source>
        <translation>Команда не указана.</translation>
    </message>
    <message>
        <source>--help takes nothing else.</source>
        <translation>--help не принимает других аргументов.</translation>
    </message>
    <message>
        <source>--version takes nothing else.</source>
        <translation>--version не принимает других аргументов.</translation>
    </message>
    <message>
        <source>Unexpected argument &quot;%1&quot; for %2.</source>
        <translation>Неожиданный аргумент «%1» для команды %2.</translation>
    </message>
    <message>
        <source>measure takes exactly one PATH.</source>
        <translation>Команда measure принимает ровно один PATH.</translation>
    </message>
    <message>
        <source>none</source>
        <translation>нет</translation>
    </message>
    <message>
        <source>Unknown option &quot;%1&quot; for %2. Options of %2: %3.</source>
        <translation>Неизвестный параметр «%1» для команды %2. Параметры команды %2: %3.</translation>
    </message>
    <message>
        <source>%1 needs a value.</source>
        <translation>Для %1 требуется значение.</translation>
    </message>
    <message>
        <source>%1 takes no value.</source>
        <translation>%1 не принимает значения.</translation>
    </message>
    <message>
        <source>--skip-item needs a path.</source>
        <translation>Для --skip-item требуется путь.</translation>
    </message>
    <message>
        <source>Choose either --delete or --trash, not both.</source>
        <translation>Укажите либо --delete, либо --trash, но не оба сразу.</translation>
    </message>
    <message>
        <source>--threshold-mb needs a positive number of megabytes (for example 500), not &quot;%1&quot;.</source>
        <translation>Для --threshold-mb требуется положительное число мегабайт (например, 500), а не «%1».</translation>
    </message>
    <message>
        <source>measure needs a PATH.</source>
        <translation>Для команды measure требуется PATH.</translation>
    </message>
    <message>
        <source>clean needs at least one --category ID.</source>
        <translation>Для команды clean требуется хотя бы один параметр --category ID.</translation>
    </message>
    <message>
        <source>clean removes files: add --yes to confirm.</source>
        <translation>Команда clean удаляет файлы: для подтверждения добавьте --yes.</translation>
    </message>
    <message>
        <source>Unknown category %1. Categories: %2.</source>
        <translation>Неизвестная категория: %1. Доступные категории: %2.</translation>
    </message>
    <message>
        <source>a flag of &quot;%1&quot; is not true or false</source>
        <translation>у категории «%1» указан флаг, отличный от true и false</translation>
    </message>
    <message>
        <source>the patterns of a root of &quot;%1&quot; are not a list of names</source>
        <translation>у категории «%1» шаблоны корневой папки заданы не списком имён</translation>
    </message>
    <message>
        <source>the minAgeMs of a root of &quot;%1&quot; is not a whole number of milliseconds from 0 to 100 years</source>
        <translation>у категории «%1» значение minAgeMs корневой папки не является целым числом миллисекунд от 0 до 100 лет</translation>
    </message>
    <message>
        <source>Warning: cannot read the settings file %1; this run may not use your settings.</source>
        <translation>Предупреждение: не удаётся прочитать файл настроек %1; в этом запуске ваши настройки могут не учитываться.</translation>
    </message>
    <message>
        <source>Cannot read the settings file %1, so your exclusions and your choice between the trash and deleting are unknown. Nothing was cleaned: fix or remove that file first.</source>
        <translation>Не удаётся прочитать файл настроек %1, поэтому ваши исключения и выбор между корзиной и удалением неизвестны. Ничего не очищено: сначала исправьте или удалите этот файл.</translation>
    </message>
    <message>
        <source>--skip-item %1 names no item of the categories given.</source>
        <translation>--skip-item %1 не соответствует ни одному элементу указанных категорий.</translation>
    </message>
    <message>
        <source>Nothing was cleaned.</source>
        <translation>Ничего не очищено.</translation>
    </message>
    <message>
        <source>Moved %1 to the %2 · freed %3 · %4 removed · %5 skipped</source>
        <translation>Перемещено в папку «%2»: %1 · освобождено: %3 · удалено: %4 · пропущено: %5</translation>
    </message>
    <message>
        <source>Action</source>
        <translation>Действие</translation>
    </message>
    <message>
        <source>move to %1</source>
        <translation>переместить в «%1»</translation>
    </message>
    <message>
        <source>delete</source>
        <translation>удалить</translation>
    </message>
    <message>
        <source>Would stay:</source>
        <translation>Останется:</translation>
    </message>
    <message numerus="yes">
        <source>Preview only, nothing was removed: %n path(s) would go, %1.</source>
        <translation>
            <numerusform>Только предпросмотр, ничего не удалено: ушёл бы %n путь, %1.</numerusform>
            <numerusform>Только предпросмотр, ничего не удалено: ушли бы %n пути, %1.</numerusform>
            <numerusform>Только предпросмотр, ничего не удалено: ушли бы %n путей, %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>The disk is already full.</source>
        <translation>Диск уже заполнен.</translation>
    </message>
    <message numerus="yes">
        <source>No forecast yet: the records of free space cover %n day(s); a forecast needs at least %1.</source>
        <translation>
            <numerusform>Прогноза пока нет: записи свободного места охватывают %n день; для прогноза нужно не меньше %1.</numerusform>
            <numerusform>Прогноза пока нет: записи свободного места охватывают %n дня; для прогноза нужно не меньше %1.</numerusform>
            <numerusform>Прогноза пока нет: записи свободного места охватывают %n дней; для прогноза нужно не меньше %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>No forecast: free space is not falling.</source>
        <translation>Прогноза нет: свободное место не уменьшается.</translation>
    </message>
    <message>
        <source>No forecast: at this rate the disk is not full within a year.</source>
        <translation>Прогноза нет: при таком темпе диск не заполнится в течение года.</translation>
    </message>
    <message numerus="yes">
        <source>%n record(s) of free space since %1</source>
        <translation>
            <numerusform>%n запись свободного места с %1</numerusform>
            <numerusform>%n записи свободного места с %1</numerusform>
            <numerusform>%n записей свободного места с %1</numerusform>
        </translation>
    </message>
    <message>
        <source>restore takes at most one LOG.</source>
        <translation>restore принимает не более одного LOG.</translation>
    </message>
    <message>
        <source>put back what a cleanup moved to the trash (the latest one without LOG)</source>
        <translation>вернуть то, что очистка переместила в корзину (без LOG — последняя)</translation>
    </message>
    <message>
        <source>estimate when the disk is full from its history of free space</source>
        <translation>оценить, когда диск заполнится, по истории свободного места</translation>
    </message>
    <message>
        <source>list what clean would remove or move, with sizes; removes nothing</source>
        <translation>показывает, что clean удалил бы или переместил, с размерами; ничего не удаляет</translation>
    </message>
    <message>
        <source>Unknown command &quot;%1&quot;. Commands: %2.</source>
        <translation>Неизвестная команда «%1». Команды: %2.</translation>
    </message>
    <message numerus="yes">
        <source>In use by %1 (PID %2): %n file(s)</source>
        <translation>
            <numerusform>Используется %1 (PID %2): %n файл</numerusform>
            <numerusform>Используется %1 (PID %2): %n файла</numerusform>
            <numerusform>Используется %1 (PID %2): %n файлов</numerusform>
        </translation>
    </message>
    <message>
        <source>Kept because something in them changed since the scan: %1</source>
        <translation>Оставлены, так как в них что-то изменилось после сканирования: %1</translation>
    </message>
    <message>
        <source>No cleanup has moved anything to the %1; there is nothing to restore.</source>
        <translation>Ни одна очистка ничего не переместила в %1; восстанавливать нечего.</translation>
    </message>
    <message>
        <source>As root, the catalogue file %1 is used only when it and every folder above it belong to root and no one else may change them.</source>
        <translation>При запуске от root файл каталога %1 используется, только если он и все папки над ним принадлежат root и никто другой не может их изменить.</translation>
    </message>
    <message>
        <source>As root, Varnholt works in root&apos;s own folders (%1) and ignores %2: another user can change where they lead.</source>
        <translation>При запуске от имени root Varnholt работает в собственных папках root (%1) и не учитывает %2: другой пользователь может изменить, куда они ведут.</translation>
    </message>
    <message>
        <source>Could not be moved to the %1, left where they are:</source>
        <translation>Не удалось переместить в корзину (%1), оставлены на месте:</translation>
    </message>
    <message numerus="yes">
        <source>… and %n more</source>
        <translation>
            <numerusform>… и ещё %n</numerusform>
            <numerusform>… и ещё %n</numerusform>
            <numerusform>… и ещё %n</numerusform>
        </translation>
    </message>
    <message>
        <source>Cannot read the settings file %1, so your exclusions and your choice between the Recycle Bin and deleting are unknown. Nothing was cleaned: fix or remove that file first.</source>
        <translation>Не удаётся прочитать файл настроек %1, поэтому ваши исключения и выбор между корзиной и удалением неизвестны. Ничего не очищено: сначала исправьте или удалите этот файл.</translation>
    </message>
    <message numerus="yes">
        <source>No forecast yet: the free space has been recorded %n time(s) (the Varnholt app records it when it starts); a forecast needs at least %1.</source>
        <translation>
            <numerusform>Прогноза пока нет: свободное место записано %n раз (приложение Varnholt записывает его при запуске); для прогноза нужно не меньше %1.</numerusform>
            <numerusform>Прогноза пока нет: свободное место записано %n раза (приложение Varnholt записывает его при запуске); для прогноза нужно не меньше %1.</numerusform>
            <numerusform>Прогноза пока нет: свободное место записано %n раз (приложение Varnholt записывает его при запуске); для прогноза нужно не меньше %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>delete permanently, or move to the Recycle Bin</source>
        <translation>удалить безвозвратно или переместить в корзину</translation>
    </message>
    <message>
        <source>put back what a cleanup moved to the Recycle Bin (the latest one without LOG)</source>
        <translation>вернуть то, что очистка переместила в корзину (без LOG — последняя)</translation>
    </message>
    <message>
        <source>delete permanently, or move to the trash</source>
        <translation>удалить безвозвратно или переместить в корзину</translation>
    </message>
    <message>
        <source>Usage:
  varnholt-cli scan [--json] [--exclude PATTERN]...
  varnholt-cli clean --category ID [--category ID]... [--skip-item PATH]...
                     [--delete | --trash] [--exclude PATTERN]... --yes [--json]
  varnholt-cli large [--threshold-mb N] [--exclude PATTERN]... [--json]
  varnholt-cli measure PATH [--json]
  varnholt-cli --help | --version

Commands:
  scan      measure every cleanup category
  clean     scan afresh, then clean exactly the categories given
  large     list large files in the home folder
  measure   size on disk, file count and newest change of one path

Options:
  --json              print JSON instead of a table
  --exclude PATTERN   leave out folders and files matching PATTERN; when given, these
                      patterns replace the exclusions of the settings for this run
  --category ID       a category to clean (temp, appcache, browser, logs, thumbs,
                      update, dev, trash)
  --skip-item PATH    keep this item of a cleaned category
  --delete, --trash   %1
  --threshold-mb N    smallest size of a large file, in MB
  --yes               confirm that clean may remove files

Defaults come from the settings of Varnholt; options apply to this run only.
Exit status: 0 done, 1 failed (clean: something selected stayed), 2 usage error.
</source>
        <extracomment>%1 says what --delete and --trash do, in the words of the system</extracomment>
        <translation>Использование:
  varnholt-cli scan [--json] [--exclude PATTERN]...
  varnholt-cli clean --category ID [--category ID]... [--skip-item PATH]...
                     [--delete | --trash] [--exclude PATTERN]... --yes [--json]
  varnholt-cli large [--threshold-mb N] [--exclude PATTERN]... [--json]
  varnholt-cli measure PATH [--json]
  varnholt-cli --help | --version

Команды:
  scan      измерить все категории очистки
  clean     заново просканировать и очистить только указанные категории
  large     показать большие файлы в домашней папке
  measure   размер на диске, число файлов и время последнего изменения для пути

Параметры:
  --json              выводить JSON вместо таблицы
  --exclude PATTERN   пропускать папки и файлы, соответствующие PATTERN; если
                      шаблоны заданы, они заменяют исключения из настроек
                      на время этого запуска
  --category ID       очищаемая категория (temp, appcache, browser, logs, thumbs,
                      update, dev, trash)
  --skip-item PATH    оставить этот объект очищаемой категории
  --delete, --trash   %1
  --threshold-mb N    минимальный размер большого файла, в МБ
  --yes               подтвердить, что clean может удалять файлы

По умолчанию — настройки Varnholt; параметры действуют только на этот запуск.
Код выхода: 0 готово, 1 сбой (clean: удалено не всё выбранное), 2 ошибка вызова.
</translation>
    </message>
</context>
<context>
    <name>LargeFilesPage</name>
    <message>
        <source>Space Map</source>
        <translation>Карта диска</translation>
    </message>
    <message>
        <source>Rescan</source>
        <translation>Пересканировать</translation>
    </message>
    <message>
        <source>Find what&apos;s taking up space</source>
        <translation>Узнайте, что занимает место</translation>
    </message>
    <message>
        <source>Big files in your home folder. You decide what goes.</source>
        <translation>Большие файлы в вашей домашней папке. Вы сами решаете, что удалить.</translation>
    </message>
    <message>
        <source>Find large files</source>
        <translation>Найти большие файлы</translation>
    </message>
    <message>
        <source>Largest so far</source>
        <translation>Крупнейшие найденные</translation>
    </message>
    <message>
        <source>Looking for large files…</source>
        <translation>Поиск больших файлов…</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Все</translation>
    </message>
    <message>
        <source>Unused %1+ months</source>
        <translation>Не использовались %1+ мес.</translation>
    </message>
    <message>
        <source>Downloads</source>
        <translation>Загрузки</translation>
    </message>
    <message>
        <source>Search files</source>
        <translation>Поиск файлов</translation>
    </message>
    <message>
        <source>Show in %1</source>
        <translation>Открыть %1</translation>
    </message>
    <message>
        <source>Move to %1</source>
        <translation>Переместить в папку «%1»</translation>
    </message>
    <message>
        <source>Home folder · over %1</source>
        <translation>Домашняя папка · свыше %1</translation>
    </message>
    <message numerus="yes">
        <source>&lt;b style=&apos;color:%1&apos;&gt;%2&lt;/b&gt; selected of %3 · %Ln file(s)</source>
        <translation>
            <numerusform>Выбрано &lt;b style=&apos;color:%1&apos;&gt;%2&lt;/b&gt; из %3 · %Ln файл</numerusform>
            <numerusform>Выбрано &lt;b style=&apos;color:%1&apos;&gt;%2&lt;/b&gt; из %3 · %Ln файла</numerusform>
            <numerusform>Выбрано &lt;b style=&apos;color:%1&apos;&gt;%2&lt;/b&gt; из %3 · %Ln файлов</numerusform>
        </translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Остановить</translation>
    </message>
    <message>
        <source>Clear search</source>
        <translation>Очистить поиск</translation>
    </message>
    <message>
        <source>No files match “%1”.</source>
        <translation>Нет файлов, соответствующих «%1».</translation>
    </message>
    <message>
        <source>No files in this view.</source>
        <translation>В этом представлении нет файлов.</translation>
    </message>
    <message>
        <source>No files over %1 in your home folder.</source>
        <translation>В домашней папке нет файлов крупнее %1.</translation>
    </message>
    <message>
        <source>The %1 could not show %2</source>
        <translation>%1 не может показать %2</translation>
    </message>
    <message>
        <source>Files to show</source>
        <translation>Какие файлы показывать</translation>
    </message>
</context>
<context>
    <name>Main</name>
    <message>
        <source>%1 is almost full. Run Smart Scan to free up space.</source>
        <translation>%1 почти заполнен. Запустите умное сканирование, чтобы освободить место.</translation>
    </message>
    <message>
        <source>Varnholt was updated to version %1.</source>
        <translation>Varnholt обновлён до версии %1.</translation>
    </message>
    <message numerus="yes">
        <source>%1 is filling up: at this rate it is full in about %n day(s). Run Smart Scan to free up space.</source>
        <translation>
            <numerusform>%1 заполняется: при таком темпе он заполнится примерно через %n день. Запустите умное сканирование, чтобы освободить место.</numerusform>
            <numerusform>%1 заполняется: при таком темпе он заполнится примерно через %n дня. Запустите умное сканирование, чтобы освободить место.</numerusform>
            <numerusform>%1 заполняется: при таком темпе он заполнится примерно через %n дней. Запустите умное сканирование, чтобы освободить место.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>MenuBar</name>
    <message>
        <source>Varnholt Website</source>
        <translation>Сайт Varnholt</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Настройки</translation>
    </message>
    <message>
        <source>Check for Updates</source>
        <translation>Проверить обновления</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Справка</translation>
    </message>
    <message>
        <source>Guide</source>
        <translation>Руководство</translation>
    </message>
    <message>
        <source>FAQ</source>
        <translation>Частые вопросы</translation>
    </message>
    <message>
        <source>Open Log Folder</source>
        <translation>Открыть папку журналов</translation>
    </message>
    <message>
        <source>About Varnholt</source>
        <translation>О программе Varnholt</translation>
    </message>
    <message>
        <source>Quit Varnholt</source>
        <translation>Выйти из Varnholt</translation>
    </message>
    <message>
        <source>The log folder %1 could not be created.</source>
        <translation>Не удалось создать папку журналов %1.</translation>
    </message>
</context>
<context>
    <name>Overlay</name>
    <message>
        <source>Version %1</source>
        <translation>Версия %1</translation>
    </message>
    <message>
        <source>Finds the space your computer can spare.</source>
        <translation>Находит место, которое можно освободить на вашем компьютере.</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Закрыть</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Отменить</translation>
    </message>
    <message>
        <source>Keep Varnholt running?</source>
        <translation>Оставить Varnholt запущенным?</translation>
    </message>
    <message>
        <source>Varnholt can stay in the system tray when you close the window, so scheduled scans and low space alerts keep working. You can open it again from the tray icon.</source>
        <translation>Varnholt может оставаться в системном трее после закрытия окна, чтобы сканирование по расписанию и оповещения о нехватке места продолжали работать. Открыть программу снова можно через значок в трее.</translation>
    </message>
    <message>
        <source>Remember my choice</source>
        <translation>Запомнить мой выбор</translation>
    </message>
    <message>
        <source>You can change this in Settings.</source>
        <translation>Это можно изменить в настройках.</translation>
    </message>
    <message>
        <source>Keep in tray</source>
        <translation>Свернуть в трей</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Выйти</translation>
    </message>
    <message>
        <source>Clean %1?</source>
        <translation>Очистить %1?</translation>
    </message>
    <message>
        <source>Permanent delete is on. These files can&apos;t be recovered.</source>
        <translation>Включено безвозвратное удаление. Эти файлы нельзя будет восстановить.</translation>
    </message>
    <message>
        <source>Emptying the %1 can&apos;t be undone. Everything else goes to the %1.</source>
        <translation>Очистку папки «%1» нельзя отменить. Всё остальное будет перемещено в папку «%1».</translation>
    </message>
    <message>
        <source>Everything will be moved to the %1, so you can restore it later.</source>
        <translation>Всё будет перемещено в папку «%1» — при необходимости файлы можно будет восстановить.</translation>
    </message>
    <message>
        <source>Clean and delete</source>
        <translation>Очистить и удалить</translation>
    </message>
    <message>
        <source>Clean</source>
        <translation>Очистить</translation>
    </message>
    <message>
        <source>What&apos;s new</source>
        <translation>Что нового</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>Повторить</translation>
    </message>
    <message>
        <source>Update now</source>
        <translation>Обновить сейчас</translation>
    </message>
    <message>
        <source>Varnholt is up to date</source>
        <translation>У вас последняя версия Varnholt</translation>
    </message>
    <message>
        <source>Version %1 is the latest version.</source>
        <translation>Версия %1 — последняя.</translation>
    </message>
    <message>
        <source>An update is available</source>
        <translation>Доступно обновление</translation>
    </message>
    <message>
        <source>Version %1 is available. You have %2.</source>
        <translation>Доступна версия %1. У вас установлена версия %2.</translation>
    </message>
    <message>
        <source>Could not check for updates</source>
        <translation>Не удалось проверить обновления</translation>
    </message>
    <message>
        <source>Check your internet connection and try again.</source>
        <translation>Проверьте подключение к Интернету и повторите попытку.</translation>
    </message>
    <message>
        <source>Downloading the update…</source>
        <translation>Загрузка обновления…</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 из %2</translation>
    </message>
    <message>
        <source>Installing the update…</source>
        <translation>Установка обновления…</translation>
    </message>
    <message>
        <source>Varnholt closes and starts again when the update is installed.</source>
        <translation>После установки обновления Varnholt закроется и запустится снова.</translation>
    </message>
    <message>
        <source>Checking for updates…</source>
        <translation>Проверка обновлений…</translation>
    </message>
    <message>
        <source>Version %1 is installed.</source>
        <translation>Установлена версия %1.</translation>
    </message>
    <message>
        <source>Later</source>
        <translation>Позже</translation>
    </message>
    <message>
        <source>Some of it needs administrator rights: without them those files are skipped.</source>
        <translation>Для части файлов нужны права администратора: без них эти файлы будут пропущены.</translation>
    </message>
    <message>
        <source>Everything that will go</source>
        <translation>Всё, что будет удалено</translation>
    </message>
    <message>
        <source>Working out the list…</source>
        <translation>Составляем список…</translation>
    </message>
    <message>
        <source>The list cannot be worked out now.</source>
        <translation>Сейчас не удаётся составить список.</translation>
    </message>
    <message>
        <source>Nothing in the selection would be removed.</source>
        <translation>Из выбранного ничего не будет удалено.</translation>
    </message>
    <message numerus="yes">
        <source>%n path(s) · %1</source>
        <translation>
            <numerusform>%n путь · %1</numerusform>
            <numerusform>%n пути · %1</numerusform>
            <numerusform>%n путей · %1</numerusform>
        </translation>
    </message>
    <message>
        <source>These cannot be moved to the %1</source>
        <translation>Эти элементы нельзя переместить в корзину (%1)</translation>
    </message>
    <message numerus="yes">
        <source>and %n more</source>
        <translation>
            <numerusform>и ещё %n</numerusform>
            <numerusform>и ещё %n</numerusform>
            <numerusform>и ещё %n</numerusform>
        </translation>
    </message>
    <message>
        <source>Leave them</source>
        <translation>Оставить</translation>
    </message>
    <message>
        <source>Delete them permanently</source>
        <translation>Удалить безвозвратно</translation>
    </message>
    <message>
        <source>None of it can go to the %1: delete it permanently, or nothing is cleaned.</source>
        <translation>Ничего из этого нельзя переместить в корзину (%1): удалите безвозвратно, иначе ничего не будет очищено.</translation>
    </message>
    <message>
        <source>All of it is deleted permanently and can&apos;t be recovered.</source>
        <translation>Всё будет удалено безвозвратно, восстановить это будет нельзя.</translation>
    </message>
    <message>
        <source>Emptying the %1 and deleting what cannot go there can&apos;t be undone. Everything else goes to the %1.</source>
        <translation>Очистку корзины (%1) и удаление того, что нельзя в неё переместить, нельзя отменить. Всё остальное будет перемещено в корзину (%1).</translation>
    </message>
    <message>
        <source>What cannot go to the %1 is deleted permanently. Everything else is moved there, so you can restore it later.</source>
        <translation>То, что нельзя переместить в корзину (%1), будет удалено безвозвратно. Всё остальное будет перемещено туда, и это можно будет восстановить.</translation>
    </message>
    <message>
        <source>The check could not start. Try again in a moment.</source>
        <translation>Не удалось начать проверку. Повторите попытку чуть позже.</translation>
    </message>
    <message>
        <source>The check failed again.</source>
        <translation>Проверка снова не удалась.</translation>
    </message>
</context>
<context>
    <name>OverviewPage</name>
    <message>
        <source>Scanned %1</source>
        <translation>Просканировано %1</translation>
    </message>
    <message>
        <source>Smart Scan</source>
        <translation>Умное сканирование</translation>
    </message>
    <message>
        <source>Overview</source>
        <translation>Обзор</translation>
    </message>
    <message>
        <source>Rescan</source>
        <translation>Пересканировать</translation>
    </message>
    <message>
        <source>See all</source>
        <translation>Показать все</translation>
    </message>
    <message>
        <source>Disk health</source>
        <translation>Состояние диска</translation>
    </message>
    <message>
        <source>System files protected</source>
        <translation>Системные файлы защищены</translation>
    </message>
    <message>
        <source>%1 ready to clean</source>
        <translation>%1 готово к очистке</translation>
    </message>
    <message>
        <source>Your startup disk is almost full</source>
        <translation>Системный диск почти заполнен</translation>
    </message>
    <message>
        <source>Keep your disk in shape</source>
        <translation>Поддерживайте порядок на диске</translation>
    </message>
    <message>
        <source>free of %1</source>
        <translation>свободно из %1</translation>
    </message>
    <message>
        <source>Review</source>
        <translation>Просмотреть</translation>
    </message>
    <message>
        <source>Scan</source>
        <translation>Сканировать</translation>
    </message>
    <message>
        <source>Never scanned</source>
        <translation>Сканирования не было</translation>
    </message>
    <message>
        <source>Freed this month</source>
        <translation>Освобождено в этом месяце</translation>
    </message>
    <message>
        <source>Last scan</source>
        <translation>Последнее сканирование</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Выключено</translation>
    </message>
    <message>
        <source>Weekly</source>
        <translation>Еженедельно</translation>
    </message>
    <message>
        <source>Monthly</source>
        <translation>Ежемесячно</translation>
    </message>
    <message>
        <source>Scheduled scan</source>
        <translation>Сканирование по расписанию</translation>
    </message>
    <message>
        <source>Top recommendations</source>
        <translation>Главные рекомендации</translation>
    </message>
    <message>
        <source>What Smart Scan looks at</source>
        <translation>Что проверяет умное сканирование</translation>
    </message>
    <message>
        <source>Apps, documents &amp; system</source>
        <translation>Приложения, документы и система</translation>
    </message>
    <message>
        <source>Reclaimable</source>
        <translation>Можно освободить</translation>
    </message>
    <message>
        <source>Available</source>
        <translation>Свободно</translation>
    </message>
    <message>
        <source>Space freed in the last six months</source>
        <translation>Освобождено за последние шесть месяцев</translation>
    </message>
    <message>
        <source>Scan again to see what can be cleaned</source>
        <translation>Запустите сканирование снова, чтобы увидеть, что можно очистить</translation>
    </message>
    <message>
        <source>Free space history</source>
        <translation>История свободного места</translation>
    </message>
    <message numerus="yes">
        <source>From %1 to %2 free over %n day(s)</source>
        <translation>
            <numerusform>Свободно: с %1 до %2 за %n день</numerusform>
            <numerusform>Свободно: с %1 до %2 за %n дня</numerusform>
            <numerusform>Свободно: с %1 до %2 за %n дней</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Platform</name>
    <message>
        <source>Local Disk</source>
        <translation>Локальный диск</translation>
    </message>
    <message>
        <source>Trash</source>
        <translation>Корзина</translation>
    </message>
    <message>
        <source>File Manager</source>
        <translation>Файловый менеджер</translation>
    </message>
    <message>
        <source>Recycle Bin</source>
        <translation>Корзина</translation>
    </message>
    <message>
        <source>File Explorer</source>
        <translation>Проводник</translation>
    </message>
</context>
<context>
    <name>Restore</name>
    <message>
        <source>no longer in the trash</source>
        <translation>больше нет в корзине</translation>
    </message>
    <message>
        <source>its place is taken</source>
        <translation>его место уже занято</translation>
    </message>
    <message>
        <source>the log does not name a trash entry</source>
        <translation>журнал не указывает на объект в корзине</translation>
    </message>
    <message>
        <source>more than one trash entry matches</source>
        <translation>подходит больше одного объекта в корзине</translation>
    </message>
    <message>
        <source>could not be moved back</source>
        <translation>не удалось вернуть на место</translation>
    </message>
    <message>
        <source>no longer in the Recycle Bin</source>
        <translation>больше нет в корзине</translation>
    </message>
    <message>
        <source>the log does not name a Recycle Bin entry</source>
        <translation>журнал не указывает на объект в корзине</translation>
    </message>
    <message>
        <source>more than one Recycle Bin entry matches</source>
        <translation>подходит больше одного объекта в корзине</translation>
    </message>
</context>
<context>
    <name>SettingsPage</name>
    <message>
        <source>Settings</source>
        <translation>Настройки</translation>
    </message>
    <message>
        <source>Choose a folder to exclude</source>
        <translation>Выберите папку для исключения</translation>
    </message>
    <message>
        <source>Cleaning</source>
        <translation>Очистка</translation>
    </message>
    <message>
        <source>Move items to the %1</source>
        <translation>Перемещать файлы в папку «%1»</translation>
    </message>
    <message>
        <source>Recommended. Turn off to delete files permanently.</source>
        <translation>Рекомендуется. Выключите, чтобы удалять файлы безвозвратно.</translation>
    </message>
    <message>
        <source>Large file size</source>
        <translation>Размер больших файлов</translation>
    </message>
    <message>
        <source>100 MB</source>
        <translation>100 МБ</translation>
    </message>
    <message>
        <source>250 MB</source>
        <translation>250 МБ</translation>
    </message>
    <message>
        <source>500 MB</source>
        <translation>500 МБ</translation>
    </message>
    <message>
        <source>1 GB</source>
        <translation>1 ГБ</translation>
    </message>
    <message>
        <source>Consider files old after</source>
        <translation>Считать файлы старыми через</translation>
    </message>
    <message>
        <source>3 months</source>
        <translation>3 месяца</translation>
    </message>
    <message>
        <source>6 months</source>
        <translation>6 месяцев</translation>
    </message>
    <message>
        <source>12 months</source>
        <translation>12 месяцев</translation>
    </message>
    <message>
        <source>24 months</source>
        <translation>24 месяца</translation>
    </message>
    <message>
        <source>Automation</source>
        <translation>Автоматизация</translation>
    </message>
    <message>
        <source>Scheduled scan</source>
        <translation>Сканирование по расписанию</translation>
    </message>
    <message>
        <source>Scans when Varnholt starts if the last scan is older than this. Never cleans on its own.</source>
        <translation>При запуске Varnholt выполняет сканирование, если с последнего прошло больше выбранного срока. Очистка без вашего участия не выполняется.</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Выключено</translation>
    </message>
    <message>
        <source>Weekly</source>
        <translation>Еженедельно</translation>
    </message>
    <message>
        <source>Monthly</source>
        <translation>Ежемесячно</translation>
    </message>
    <message>
        <source>Low space alerts</source>
        <translation>Оповещения о нехватке места</translation>
    </message>
    <message>
        <source>Warn when free space drops below 10%.</source>
        <translation>Предупреждать, когда свободного места остаётся меньше 10%.</translation>
    </message>
    <message>
        <source>Open at login</source>
        <translation>Открывать при входе в систему</translation>
    </message>
    <message>
        <source>Start with Windows</source>
        <translation>Запускать вместе с Windows</translation>
    </message>
    <message>
        <source>Start at login</source>
        <translation>Запускать при входе в систему</translation>
    </message>
    <message>
        <source>Starts Varnholt in the background so scheduled scans can run.</source>
        <translation>Varnholt запускается в фоновом режиме, чтобы выполнять сканирование по расписанию.</translation>
    </message>
    <message>
        <source>Show Varnholt in the menu bar</source>
        <translation>Показывать Varnholt в строке меню</translation>
    </message>
    <message>
        <source>Closing the window keeps Varnholt running there, so scheduled scans and low space alerts keep working.</source>
        <translation>После закрытия окна Varnholt остаётся в строке меню, и сканирование по расписанию и оповещения о нехватке места продолжают работать.</translation>
    </message>
    <message>
        <source>Ask every time</source>
        <translation>Всегда спрашивать</translation>
    </message>
    <message>
        <source>Keep running in the tray</source>
        <translation>Сворачивать в трей</translation>
    </message>
    <message>
        <source>Quit Varnholt</source>
        <translation>Выходить из Varnholt</translation>
    </message>
    <message>
        <source>When closing the window</source>
        <translation>При закрытии окна</translation>
    </message>
    <message>
        <source>In the tray, Varnholt keeps running so scheduled scans and low space alerts keep working.</source>
        <translation>В трее Varnholt продолжает работать, поэтому сканирование по расписанию и оповещения о нехватке места не прерываются.</translation>
    </message>
    <message>
        <source>Appearance</source>
        <translation>Внешний вид</translation>
    </message>
    <message>
        <source>Theme</source>
        <translation>Тема</translation>
    </message>
    <message>
        <source>Follow the system, or always use light or dark.</source>
        <translation>Использовать тему системы или всегда светлую либо тёмную.</translation>
    </message>
    <message>
        <source>System</source>
        <translation>Системная</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>Светлая</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>Тёмная</translation>
    </message>
    <message>
        <source>System default (%1)</source>
        <translation>Как в системе (%1)</translation>
    </message>
    <message>
        <source>Restart now</source>
        <translation>Перезапустить</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Язык</translation>
    </message>
    <message>
        <source>Varnholt restarts to switch languages.</source>
        <translation>Для смены языка Varnholt перезапустится.</translation>
    </message>
    <message>
        <source>Exclusions</source>
        <translation>Исключения</translation>
    </message>
    <message>
        <source>Add folder</source>
        <translation>Добавить папку</translation>
    </message>
    <message>
        <source>Never touch these</source>
        <translation>Никогда не трогать</translation>
    </message>
    <message>
        <source>Folders and patterns Varnholt always skips.</source>
        <translation>Папки и шаблоны, которые Varnholt всегда пропускает.</translation>
    </message>
    <message>
        <source>Protected system locations</source>
        <translation>Защищённые системные расположения</translation>
    </message>
    <message>
        <source> — always skipped.</source>
        <translation> — всегда пропускаются.</translation>
    </message>
    <message>
        <source>Locked</source>
        <translation>Заблокировано</translation>
    </message>
    <message>
        <source>Protected apps</source>
        <translation>Защищённые приложения</translation>
    </message>
    <message>
        <source> — their data is never cleaned. Caches of running apps and open files are skipped too.</source>
        <translation> — их данные никогда не очищаются. Кэши запущенных приложений и открытые файлы тоже пропускаются.</translation>
    </message>
    <message>
        <source>Permissions &amp; about</source>
        <translation>Разрешения и сведения</translation>
    </message>
    <message>
        <source>Full Disk Access</source>
        <translation>Полный доступ к диску</translation>
    </message>
    <message>
        <source>Varnholt is running as administrator and can clean Windows Update files.</source>
        <translation>Varnholt запущен от имени администратора и может очищать файлы Центра обновления Windows.</translation>
    </message>
    <message>
        <source>Varnholt is running as administrator and can clean the package cache.</source>
        <translation>Varnholt запущен от имени администратора и может очищать кэш пакетов.</translation>
    </message>
    <message>
        <source>Administrator access</source>
        <translation>Права администратора</translation>
    </message>
    <message>
        <source>Granted</source>
        <translation>Предоставлены</translation>
    </message>
    <message>
        <source>Only needed to clean Windows Update leftovers.</source>
        <translation>Нужны только для очистки остатков Центра обновления Windows.</translation>
    </message>
    <message>
        <source>Only needed to clean the package cache.</source>
        <translation>Нужны только для очистки кэша пакетов.</translation>
    </message>
    <message>
        <source>Restart as admin</source>
        <translation>Перезапустить как администратор</translation>
    </message>
    <message>
        <source>Check for updates</source>
        <translation>Проверить обновления</translation>
    </message>
    <message>
        <source>Open logs</source>
        <translation>Открыть журналы</translation>
    </message>
    <message>
        <source>Every cleanup writes a log you can review. Varnholt checks for updates when it starts.</source>
        <translation>Каждая очистка записывается в журнал, который можно просмотреть. Varnholt проверяет наличие обновлений при запуске.</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Удалить</translation>
    </message>
    <message>
        <source>Files bigger than this appear in the Space Map.</source>
        <translation>Файлы крупнее этого размера показываются на странице «Карта диска».</translation>
    </message>
    <message>
        <source>Recent cleanups</source>
        <translation>Недавние очистки</translation>
    </message>
    <message>
        <source>No cleanups yet</source>
        <translation>Очисток пока не было</translation>
    </message>
    <message>
        <source>Every cleanup writes a log you can review.</source>
        <translation>Каждая очистка записывает журнал, который можно просмотреть.</translation>
    </message>
    <message>
        <source>%1 moved to the %2</source>
        <translation>%1 перемещено в папку «%2»</translation>
    </message>
    <message>
        <source>%1 deleted permanently</source>
        <translation>%1 удалено безвозвратно</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Восстановить</translation>
    </message>
    <message>
        <source>Put back what this cleanup moved to the %1. Nothing that is in its place now is replaced.</source>
        <translation>Возвращает то, что эта очистка переместила в папку «%1». То, что сейчас находится на их месте, не заменяется.</translation>
    </message>
    <message>
        <source>Used by the “Unused” filter.</source>
        <translation>Используется фильтром «Неиспользуемые».</translation>
    </message>
    <message>
        <source>%1 in all: the %2 emptied, items deleted permanently or moved to it</source>
        <translation>Всего %1: корзина (%2) очищена, элементы удалены безвозвратно или перемещены в неё</translation>
    </message>
    <message>
        <source>%1 moved to the %2 or deleted permanently</source>
        <translation>%1 перемещено в корзину (%2) или удалено безвозвратно</translation>
    </message>
    <message>
        <source>%1 in all: the %2 emptied, then items moved to it</source>
        <translation>Всего %1: корзина (%2) очищена, затем в неё перемещены элементы</translation>
    </message>
    <message>
        <source>%1 freed: items deleted permanently and the %2 emptied</source>
        <translation>Освобождено %1: элементы удалены безвозвратно, корзина (%2) очищена</translation>
    </message>
    <message>
        <source>The %1 was emptied: %2 freed</source>
        <translation>Корзина (%1) очищена: освобождено %2</translation>
    </message>
    <message>
        <source>Nothing was cleaned</source>
        <translation>Ничего не очищено</translation>
    </message>
    <message>
        <source>Check again</source>
        <translation>Проверить снова</translation>
    </message>
    <message>
        <source>Your settings in %1 cannot be read, so what they hold is unknown. The options kept there stay locked until the file can be read again.</source>
        <translation>Не удаётся прочитать ваши настройки в %1, поэтому их содержимое неизвестно. Параметры, которые хранятся там, останутся заблокированными, пока файл снова не удастся прочитать.</translation>
    </message>
    <message>
        <source>Varnholt could not start again. Close it and open it yourself to switch languages.</source>
        <translation>Не удалось перезапустить Varnholt. Чтобы сменить язык, закройте его и откройте снова.</translation>
    </message>
</context>
<context>
    <name>Sidebar</name>
    <message>
        <source>%1 available of %2</source>
        <translation>Свободно %1 из %2</translation>
    </message>
    <message>
        <source>Smart Scan</source>
        <translation>Умное сканирование</translation>
    </message>
    <message>
        <source>Cleanup</source>
        <translation>Очистка</translation>
    </message>
    <message>
        <source>Space Map</source>
        <translation>Карта диска</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Настройки</translation>
    </message>
    <message>
        <source>%1 free</source>
        <translation>%1 свободно</translation>
    </message>
    <message>
        <source>Clean</source>
        <translation>Очистка</translation>
    </message>
    <message>
        <source>Expand sidebar</source>
        <translation>Развернуть боковую панель</translation>
    </message>
    <message>
        <source>Collapse sidebar</source>
        <translation>Свернуть боковую панель</translation>
    </message>
</context>
<context>
    <name>TitleBar</name>
    <message>
        <source>Menu</source>
        <translation>Меню</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>Свернуть</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Восстановить</translation>
    </message>
    <message>
        <source>Maximize</source>
        <translation>Развернуть</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Закрыть</translation>
    </message>
</context>
<context>
    <name>Tray</name>
    <message>
        <source>Varnholt is still running</source>
        <translation>Varnholt продолжает работать</translation>
    </message>
    <message>
        <source>It stays in the system tray so scheduled scans and alerts keep working. Right-click the icon to quit.</source>
        <translation>Программа остаётся в системном трее, чтобы сканирование по расписанию и оповещения продолжали работать. Чтобы выйти, щёлкните значок правой кнопкой мыши.</translation>
    </message>
    <message>
        <source>Open Varnholt</source>
        <translation>Открыть Varnholt</translation>
    </message>
    <message>
        <source>Smart Scan</source>
        <translation>Умное сканирование</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Настройки</translation>
    </message>
    <message>
        <source>Check for Updates</source>
        <translation>Проверить обновления</translation>
    </message>
    <message>
        <source>Quit Varnholt</source>
        <translation>Выйти из Varnholt</translation>
    </message>
    <message>
        <source>%1 · %2 free</source>
        <translation>%1 · свободно %2</translation>
    </message>
    <message>
        <source>Space Map</source>
        <translation>Карта диска</translation>
    </message>
</context>
<context>
    <name>Updater</name>
    <message>
        <source>The update information could not be read.</source>
        <translation>Не удалось прочитать сведения об обновлении.</translation>
    </message>
    <message>
        <source>The update is not on Varnholt&apos;s server.</source>
        <translation>Обновление находится не на сервере Varnholt.</translation>
    </message>
    <message>
        <source>Could not save the update: %1</source>
        <translation>Не удалось сохранить обновление: %1</translation>
    </message>
    <message>
        <source>The update has an unexpected size.</source>
        <translation>Обновление имеет неожиданный размер.</translation>
    </message>
    <message>
        <source>Could not start the installer.</source>
        <translation>Не удалось запустить установщик.</translation>
    </message>
    <message>
        <source>The update could not be downloaded: %1</source>
        <translation>Не удалось загрузить обновление: %1</translation>
    </message>
    <message>
        <source>Could not read the update.</source>
        <translation>Не удалось прочитать обновление.</translation>
    </message>
    <message>
        <source>The update does not match the published checksum.</source>
        <translation>Обновление не совпадает с опубликованной контрольной суммой.</translation>
    </message>
    <message>
        <source>The update is not signed by %1.</source>
        <translation>Обновление не подписано %1.</translation>
    </message>
    <message>
        <source>The update was downloaded. Install it with your package manager.</source>
        <translation>Обновление загружено. Установите его с помощью менеджера пакетов.</translation>
    </message>
    <message>
        <source>The update was not installed, because Windows did not get permission to install it.</source>
        <translation>Обновление не установлено: Windows не получила разрешения на установку.</translation>
    </message>
    <message>
        <source>The connection to the update server timed out.</source>
        <translation>Истекло время ожидания подключения к серверу обновлений.</translation>
    </message>
    <message>
        <source>The update is not the published version %1.</source>
        <translation>Обновление не является опубликованной версией %1.</translation>
    </message>
</context>
<context>
    <name>fmt</name>
    <message>
        <source>%1 %2</source>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>TB</source>
        <translation>ТБ</translation>
    </message>
    <message>
        <source>GB</source>
        <translation>ГБ</translation>
    </message>
    <message>
        <source>MB</source>
        <translation>МБ</translation>
    </message>
    <message>
        <source>KB</source>
        <translation>КБ</translation>
    </message>
    <message>
        <source>Today</source>
        <translation>Сегодня</translation>
    </message>
    <message>
        <source>Yesterday</source>
        <translation>Вчера</translation>
    </message>
    <message numerus="yes">
        <source>%n day(s) ago</source>
        <translation>
            <numerusform>%n день назад</numerusform>
            <numerusform>%n дня назад</numerusform>
            <numerusform>%n дней назад</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n week(s) ago</source>
        <translation>
            <numerusform>%n неделю назад</numerusform>
            <numerusform>%n недели назад</numerusform>
            <numerusform>%n недель назад</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n month(s) ago</source>
        <translation>
            <numerusform>%n месяц назад</numerusform>
            <numerusform>%n месяца назад</numerusform>
            <numerusform>%n месяцев назад</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n year(s) ago</source>
        <translation>
            <numerusform>%n год назад</numerusform>
            <numerusform>%n года назад</numerusform>
            <numerusform>%n лет назад</numerusform>
        </translation>
    </message>
</context>
</TS>
