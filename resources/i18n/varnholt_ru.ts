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
    <message numerus="yes">
        <source>Restored %n file(s)</source>
        <extracomment>Toast after Undo put the files moved from the Space Map back</extracomment>
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
        <source>At this rate the disk is full in about %n week(s)</source>
        <extracomment>Forecast on the Overview, from the history of free space</extracomment>
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
        <extracomment>%1: a size, e.g. &quot;1.2 GB&quot;</extracomment>
        <translation>Свободное место уменьшается примерно на %1 в день</translation>
    </message>
    <message>
        <source>Free space rises by about %1 a day</source>
        <extracomment>%1: a size, e.g. &quot;1.2 GB&quot;</extracomment>
        <translation>Свободное место увеличивается примерно на %1 в день</translation>
    </message>
    <message numerus="yes">
        <source>%Ln file(s) (%1) moved to the Recycle Bin</source>
        <comment>%1: their size</comment>
        <translation>
            <numerusform>%Ln файл (%1) перемещён в корзину</numerusform>
            <numerusform>%Ln файла (%1) перемещены в корзину</numerusform>
            <numerusform>%Ln файлов (%1) перемещено в корзину</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln file(s) (%1) moved to the Trash</source>
        <comment>%1: their size</comment>
        <translation>
            <numerusform>%Ln файл (%1) перемещён в корзину</numerusform>
            <numerusform>%Ln файла (%1) перемещены в корзину</numerusform>
            <numerusform>%Ln файлов (%1) перемещено в корзину</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source> · %Ln in use, skipped</source>
        <comment>follows the files moved; the number of files left alone</comment>
        <translation>
            <numerusform> · %Ln используется и пропущен</numerusform>
            <numerusform> · %Ln используются и пропущены</numerusform>
            <numerusform> · %Ln используются и пропущены</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source> · %Ln could not be moved to the Recycle Bin</source>
        <comment>follows the files moved</comment>
        <translation>
            <numerusform> · %Ln не удалось переместить в корзину</numerusform>
            <numerusform> · %Ln не удалось переместить в корзину</numerusform>
            <numerusform> · %Ln не удалось переместить в корзину</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source> · %Ln could not be moved to the Trash</source>
        <comment>follows the files moved</comment>
        <translation>
            <numerusform> · %Ln не удалось переместить в корзину</numerusform>
            <numerusform> · %Ln не удалось переместить в корзину</numerusform>
            <numerusform> · %Ln не удалось переместить в корзину</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Restored %n item(s) from the Recycle Bin</source>
        <extracomment>Result line after restoring a cleanup; may be followed by the size in brackets</extracomment>
        <translation>
            <numerusform>Из корзины восстановлен %n объект</numerusform>
            <numerusform>Из корзины восстановлено %n объекта</numerusform>
            <numerusform>Из корзины восстановлено %n объектов</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Restored %n item(s) from the Trash</source>
        <extracomment>Result line after restoring a cleanup; may be followed by the size in brackets</extracomment>
        <translation>
            <numerusform>Из корзины восстановлен %n объект</numerusform>
            <numerusform>Из корзины восстановлено %n объекта</numerusform>
            <numerusform>Из корзины восстановлено %n объектов</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln not restored: %1</source>
        <comment>%1: why, e.g. no longer in the bin</comment>
        <translation>
            <numerusform>%Ln не восстановлен: %1</numerusform>
            <numerusform>%Ln не восстановлены: %1</numerusform>
            <numerusform>%Ln не восстановлено: %1</numerusform>
        </translation>
    </message>
    <message>
        <source>found through the Recycle Bin&apos;s own records (an older log)</source>
        <translation>найдено по собственным записям корзины (журнал старого формата)</translation>
    </message>
    <message>
        <source>found through the Trash&apos;s own records (an older log)</source>
        <translation>найдено по собственным записям корзины (журнал старого формата)</translation>
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
        <extracomment>Where a category looks: every drive, not one folder</extracomment>
        <translation>Все диски</translation>
    </message>
    <message>
        <source>Items you have already deleted. Emptying cannot be undone.</source>
        <translation>Уже удалённые вами объекты. Очистку нельзя отменить.</translation>
    </message>
    <message>
        <source>Temporary files</source>
        <extracomment>Name of a cleanup category</extracomment>
        <translation>Временные файлы</translation>
    </message>
    <message>
        <source>App caches</source>
        <extracomment>Name of a cleanup category</extracomment>
        <translation>Кэши приложений</translation>
    </message>
    <message>
        <source>Cache folders in %LOCALAPPDATA% and %APPDATA%</source>
        <extracomment>Description of a category; %LOCALAPPDATA% and %APPDATA% are Windows folder names, keep them</extracomment>
        <translation>Папки кэша в %LOCALAPPDATA% и %APPDATA%</translation>
    </message>
    <message>
        <source>DirectX shader cache</source>
        <extracomment>Item of the app caches; DirectX is the name of a program</extracomment>
        <translation>Кэш шейдеров DirectX</translation>
    </message>
    <message>
        <source>Browser caches</source>
        <extracomment>Name of a cleanup category</extracomment>
        <translation>Кэши браузеров</translation>
    </message>
    <message>
        <source>Internet cache</source>
        <extracomment>Item of the browser caches</extracomment>
        <translation>Кэш Интернета</translation>
    </message>
    <message>
        <source>Logs &amp; crash reports</source>
        <translation>Журналы и отчёты о сбоях</translation>
    </message>
    <message>
        <source>Thumbnail cache</source>
        <extracomment>Name of a cleanup category: small preview pictures of files</extracomment>
        <translation>Кэш эскизов</translation>
    </message>
    <message>
        <source>Windows Update leftovers</source>
        <extracomment>Name of a cleanup category</extracomment>
        <translation>Остатки Центра обновления Windows</translation>
    </message>
    <message>
        <source>Files left behind after Windows updates are installed. Safe once the update is complete; Windows downloads them again if it needs them.</source>
        <translation>Файлы, оставшиеся после установки обновлений Windows. Их можно удалить после завершения обновления; при необходимости Windows загрузит их снова.</translation>
    </message>
    <message>
        <source>Windows Update downloads</source>
        <extracomment>Item of the Windows Update leftovers</extracomment>
        <translation>Загрузки Центра обновления Windows</translation>
    </message>
    <message>
        <source>Delivery Optimization cache</source>
        <extracomment>Item of the Windows Update leftovers; Delivery Optimization is a Windows service</extracomment>
        <translation>Кэш оптимизации доставки</translation>
    </message>
    <message>
        <source>Developer caches</source>
        <extracomment>Name of a cleanup category: caches of programming tools</extracomment>
        <translation>Кэши разработчика</translation>
    </message>
    <message>
        <source>Recycle Bin</source>
        <extracomment>Name of the cleanup category that empties the Recycle Bin</extracomment>
        <translation>Корзина</translation>
    </message>
    <message>
        <source>Package cache</source>
        <extracomment>Name of a cleanup category: downloaded software packages</extracomment>
        <translation>Кэш пакетов</translation>
    </message>
    <message>
        <source>Packages the package manager keeps after installing them. Safe to remove; they are downloaded again if they are needed.</source>
        <translation>Пакеты, которые менеджер пакетов хранит после установки. Удалять безопасно; при необходимости они будут загружены снова.</translation>
    </message>
    <message>
        <source>DNF package cache</source>
        <extracomment>Item of the package cache; DNF is the name of a program</extracomment>
        <translation>Кэш пакетов DNF</translation>
    </message>
    <message>
        <source>Trash</source>
        <extracomment>Name of the cleanup category that empties the Trash</extracomment>
        <translation>Корзина</translation>
    </message>
    <message>
        <source>Safe</source>
        <extracomment>Risk level of a category: cleaning it loses nothing the user needs</extracomment>
        <translation>Безопасно</translation>
    </message>
    <message>
        <source>Review</source>
        <extracomment>Risk level of a category: look at it before cleaning (an adjective, not a command)</extracomment>
        <translation>Требует проверки</translation>
    </message>
    <message>
        <source>Permanent</source>
        <extracomment>Risk level of a category: what goes cannot be restored</extracomment>
        <translation>Безвозвратно</translation>
    </message>
    <message>
        <source>%1 was left out: it leads through a link to %2.</source>
        <extracomment>%1: a folder of the catalogue; %2: where its link leads</extracomment>
        <translation>Папка %1 пропущена: путь к ней проходит через ссылку на %2.</translation>
    </message>
    <message>
        <source>%1 was left out: it is the home folder or holds it.</source>
        <extracomment>%1: a folder of the catalogue</extracomment>
        <translation>Папка %1 пропущена: это домашняя папка или папка, которая её содержит.</translation>
    </message>
    <message>
        <source>%1 was left out: it lies in a protected location.</source>
        <extracomment>%1: a folder of the catalogue</extracomment>
        <translation>Папка %1 пропущена: она находится в защищённом расположении.</translation>
    </message>
    <message>
        <source>%1 was left out: it overlaps %2.</source>
        <extracomment>%1: a folder of the catalogue; %2: the category it overlaps</extracomment>
        <translation>Папка %1 пропущена: она пересекается с категорией «%2».</translation>
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
        <extracomment>%1: a program&apos;s name; %2: its process number</extracomment>
        <translation>%1 (PID %2)</translation>
    </message>
    <message>
        <source>%1 is left out: its name is not valid text.</source>
        <extracomment>%1: a folder</extracomment>
        <translation>Папка %1 пропущена: её имя содержит недопустимые символы.</translation>
    </message>
    <message>
        <source>npm cache</source>
        <extracomment>Item of the developer caches; npm is the name of a program</extracomment>
        <translation>Кэш npm</translation>
    </message>
    <message>
        <source>Yarn cache</source>
        <extracomment>Item of the developer caches; Yarn is the name of a program</extracomment>
        <translation>Кэш Yarn</translation>
    </message>
    <message>
        <source>pip cache</source>
        <extracomment>Item of the developer caches; pip is the name of a program</extracomment>
        <translation>Кэш pip</translation>
    </message>
    <message>
        <source>NuGet HTTP cache</source>
        <extracomment>Item of the developer caches; NuGet is the name of a program</extracomment>
        <translation>HTTP-кэш NuGet</translation>
    </message>
    <message>
        <source>Go build cache</source>
        <extracomment>Item of the developer caches; Go is a programming language</extracomment>
        <translation>Кэш сборки Go</translation>
    </message>
    <message>
        <source>Gradle caches</source>
        <extracomment>Item of the developer caches; Gradle is the name of a program</extracomment>
        <translation>Кэши Gradle</translation>
    </message>
    <message>
        <source>Cargo registry cache</source>
        <extracomment>Item of the developer caches; Cargo is the name of a program</extracomment>
        <translation>Кэш реестра Cargo</translation>
    </message>
    <message>
        <source>%1 is left out: another program is working in it.</source>
        <comment>%1: a folder</comment>
        <translation>Папка %1 пропущена: с ней работает другая программа.</translation>
    </message>
    <message>
        <source>%1 is left out: in use by %2.</source>
        <comment>%1: a folder; %2: the programs using it</comment>
        <translation>Папка %1 пропущена: она занята (%2).</translation>
    </message>
    <message>
        <source>Recycle Bin (all drives)</source>
        <translation>Корзина (все диски)</translation>
    </message>
    <message>
        <source>Trash (all drives)</source>
        <extracomment>The one item of the Trash category: the Trash of every drive</extracomment>
        <translation>Корзина (все диски)</translation>
    </message>
</context>
<context>
    <name>Cleaner</name>
    <message>
        <source>delete permanently</source>
        <extracomment>Mode line of the cleanup log: the files are removed for good</extracomment>
        <translation>безвозвратное удаление</translation>
    </message>
</context>
<context>
    <name>CleanupPage</name>
    <message>
        <source>SAFE TO CLEAN</source>
        <extracomment>Heading over the categories of the Safe risk level</extracomment>
        <translation>БЕЗОПАСНАЯ ОЧИСТКА</translation>
    </message>
    <message>
        <source>REVIEW BEFORE CLEANING</source>
        <extracomment>Heading over the categories of the Review risk level</extracomment>
        <translation>ПРОВЕРЬТЕ ПЕРЕД ОЧИСТКОЙ</translation>
    </message>
    <message>
        <source>CANNOT BE UNDONE</source>
        <extracomment>Heading over the categories of the Permanent risk level</extracomment>
        <translation>НЕЛЬЗЯ ОТМЕНИТЬ</translation>
    </message>
    <message>
        <source>Cleanup</source>
        <extracomment>Title of the Cleanup page</extracomment>
        <translation>Очистка</translation>
    </message>
    <message>
        <source>Nothing scanned yet</source>
        <extracomment>Heading of the Cleanup page before the first scan</extracomment>
        <translation>Сканирование ещё не проводилось</translation>
    </message>
    <message>
        <source>Find caches, temporary files and leftovers.</source>
        <translation>Поиск кэшей, временных файлов и прочих остатков.</translation>
    </message>
    <message>
        <source>Start Smart Scan</source>
        <extracomment>Button; Smart Scan is the scan of every cleanup category</extracomment>
        <translation>Запустить умное сканирование</translation>
    </message>
    <message>
        <source>Scanning</source>
        <extracomment>Heading of the Cleanup page while the scan runs</extracomment>
        <translation>Сканирование</translation>
    </message>
    <message>
        <source>In progress</source>
        <extracomment>Eyebrow over the heading while a scan or cleanup runs</extracomment>
        <translation>Выполняется</translation>
    </message>
    <message>
        <source>Stop</source>
        <extracomment>Button that stops the running scan</extracomment>
        <translation>Остановить</translation>
    </message>
    <message>
        <source>Items checked</source>
        <extracomment>Caption under the number of files looked at so far</extracomment>
        <translation>Проверено</translation>
    </message>
    <message>
        <source>Elapsed</source>
        <extracomment>Caption under the time a scan has run so far</extracomment>
        <translation>Прошло</translation>
    </message>
    <message>
        <source>Remaining</source>
        <extracomment>Caption under the estimated time a scan still needs</extracomment>
        <translation>Осталось</translation>
    </message>
    <message>
        <source>found</source>
        <extracomment>Caption under the size found so far, inside the scan&apos;s radar</extracomment>
        <translation>найдено</translation>
    </message>
    <message>
        <source>Cleaning</source>
        <extracomment>Heading of the Cleanup page while the cleanup runs</extracomment>
        <translation>Очистка</translation>
    </message>
    <message>
        <source>of %1</source>
        <extracomment>Under the size cleaned so far, inside the progress ring; %1: the total size</extracomment>
        <translation>из %1</translation>
    </message>
    <message>
        <source>Cleanup complete</source>
        <extracomment>Heading once a cleanup ended</extracomment>
        <translation>Очистка завершена</translation>
    </message>
    <message>
        <source>Available before</source>
        <extracomment>Caption: free disk space before the cleanup</extracomment>
        <translation>Было свободно</translation>
    </message>
    <message>
        <source>Available now</source>
        <extracomment>Caption: free disk space after the cleanup</extracomment>
        <translation>Свободно сейчас</translation>
    </message>
    <message>
        <source>&lt;b&gt;Some files need administrator rights.&lt;/b&gt; Restart Varnholt as administrator and clean again to remove them.</source>
        <translation>&lt;b&gt;Для некоторых файлов нужны права администратора.&lt;/b&gt; Перезапустите Varnholt от имени администратора и повторите очистку, чтобы удалить их.</translation>
    </message>
    <message>
        <source>Restart as admin</source>
        <extracomment>Button: restart Varnholt with administrator rights</extracomment>
        <translation>Перезапустить от админа</translation>
    </message>
    <message>
        <source>View log</source>
        <extracomment>Button: open the cleanup&apos;s log file</extracomment>
        <translation>Открыть журнал</translation>
    </message>
    <message>
        <source>Done</source>
        <extracomment>Button that closes the cleanup&apos;s result</extracomment>
        <translation>Готово</translation>
    </message>
    <message>
        <source>Items were deleted permanently.</source>
        <translation>Объекты удалены безвозвратно.</translation>
    </message>
    <message>
        <source>For example: %1</source>
        <extracomment>%1: a file&apos;s path</extracomment>
        <translation>Например: %1</translation>
    </message>
    <message>
        <source>&lt;b&gt;Left caches of running apps alone:&lt;/b&gt; %1. Quit them and clean again to include them.</source>
        <extracomment>%1: a list of app names</extracomment>
        <translation>&lt;b&gt;Кэши запущенных приложений не затронуты:&lt;/b&gt; %1. Закройте эти приложения и запустите очистку снова, чтобы включить и их.</translation>
    </message>
    <message>
        <source>Needs administrator</source>
        <extracomment>In place of a category&apos;s item count: it could only be read with administrator rights</extracomment>
        <translation>Нужны права администратора</translation>
    </message>
    <message>
        <source>Select recommended</source>
        <extracomment>Button in the results&apos; header: check the safe categories</extracomment>
        <translation>Выбрать рекомендуемое</translation>
    </message>
    <message>
        <source>Rescan</source>
        <extracomment>Button in the results&apos; header: scan again</extracomment>
        <translation>Обновить</translation>
    </message>
    <message>
        <source>Select all</source>
        <extracomment>Check box: check every category (or every item of one)</extracomment>
        <translation>Выбрать все</translation>
    </message>
    <message>
        <source>%1 can be cleaned</source>
        <extracomment>%1: a size, written in larger type</extracomment>
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
        <extracomment>%1: an app&apos;s name</extracomment>
        <translation>Приложение %1 открыто. Закройте его, чтобы очистить и его кэш.</translation>
    </message>
    <message>
        <source>%1 are open. Quit them to include their caches.</source>
        <extracomment>%1: a list of app names</extracomment>
        <translation>Приложения %1 открыты. Закройте их, чтобы очистить и их кэши.</translation>
    </message>
    <message>
        <source>Largest items</source>
        <extracomment>Heading over the biggest items of an opened category</extracomment>
        <translation>Самые крупные</translation>
    </message>
    <message>
        <source>%1 is running</source>
        <extracomment>Beside an item; %1: the app using it</extracomment>
        <translation>Приложение %1 запущено</translation>
    </message>
    <message>
        <source>Show %1 more</source>
        <extracomment>Link below a category&apos;s items; %1: how many more are shown</extracomment>
        <translation>Показать ещё %1</translation>
    </message>
    <message>
        <source>deleted permanently</source>
        <extracomment>Tooltip of the Clean button: what happens to the selection</extracomment>
        <translation>Файлы будут удалены безвозвратно</translation>
    </message>
    <message>
        <source>Clean %1</source>
        <extracomment>The footer&apos;s main button; %1: the selected size</extracomment>
        <translation>Очистить %1</translation>
    </message>
    <message>
        <source>Large files</source>
        <extracomment>Caption: how many large files were found</extracomment>
        <translation>Большие файлы</translation>
    </message>
    <message numerus="yes">
        <source>and %Ln more item(s)</source>
        <extracomment>Below the items shown of a category</extracomment>
        <translation>
            <numerusform>и ещё %Ln объект</numerusform>
            <numerusform>и ещё %Ln объекта</numerusform>
            <numerusform>и ещё %Ln объектов</numerusform>
        </translation>
    </message>
    <message>
        <source>Check again</source>
        <extracomment>Button beside a note: read the settings file again</extracomment>
        <translation>Проверить снова</translation>
    </message>
    <message>
        <source>Partly cleaned</source>
        <extracomment>Heading once a cleanup left part of the selection</extracomment>
        <translation>Очищено частично</translation>
    </message>
    <message>
        <source>Nothing was cleaned</source>
        <extracomment>Heading once a cleanup removed nothing</extracomment>
        <translation>Ничего не очищено</translation>
    </message>
    <message>
        <source>None of the %1 selected could be cleaned.</source>
        <extracomment>%1: a size</extracomment>
        <translation>Из выбранных %1 ничего не удалось очистить.</translation>
    </message>
    <message>
        <source>No app could open %1</source>
        <extracomment>%1: a file or folder</extracomment>
        <translation>Не удалось открыть %1: нет подходящего приложения</translation>
    </message>
    <message>
        <source>Scan again to see what can be cleaned.</source>
        <translation>Запустите сканирование снова, чтобы увидеть, что можно очистить.</translation>
    </message>
    <message>
        <source>Measuring…</source>
        <extracomment>In place of a category&apos;s item count while its size is measured</extracomment>
        <translation>Подсчёт…</translation>
    </message>
    <message>
        <source>%1 of it needs administrator rights.</source>
        <extracomment>%1: a size</extracomment>
        <translation>Для %1 из них нужны права администратора.</translation>
    </message>
    <message>
        <source>freed</source>
        <comment>what the figure of a finished cleanup is</comment>
        <translation>освобождено</translation>
    </message>
    <message>
        <source>of %1 selected · %2</source>
        <extracomment>Under the cleaned size; %1: the selected size; %2: what became of it, e.g. &quot;freed&quot;</extracomment>
        <translation>из выбранных %1 · %2</translation>
    </message>
    <message>
        <source>Restore all</source>
        <extracomment>Button: put back everything the cleanup moved to the bin</extracomment>
        <translation>Восстановить всё</translation>
    </message>
    <message>
        <source>Restoring…</source>
        <extracomment>The Restore all button while the files go back</extracomment>
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
        <extracomment>Button: clean again what was skipped</extracomment>
        <translation>Повторить</translation>
    </message>
    <message>
        <source>Clean the skipped files again, the same way</source>
        <translation>Снова очистить пропущенные файлы тем же способом</translation>
    </message>
    <message numerus="yes">
        <source>&lt;b&gt;%Ln item(s) kept&lt;/b&gt; because something in them changed since the scan. Scan again to see what can go.</source>
        <translation>
            <numerusform>&lt;b&gt;%Ln объект оставлен&lt;/b&gt;, так как в нём что-то изменилось после сканирования. Запустите сканирование снова, чтобы увидеть, что можно удалить.</numerusform>
            <numerusform>&lt;b&gt;%Ln объекта оставлены&lt;/b&gt;, так как в них что-то изменилось после сканирования. Запустите сканирование снова, чтобы увидеть, что можно удалить.</numerusform>
            <numerusform>&lt;b&gt;%Ln объектов оставлено&lt;/b&gt;, так как в них что-то изменилось после сканирования. Запустите сканирование снова, чтобы увидеть, что можно удалить.</numerusform>
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
        <source>This cleanup wrote no log; its folder is open instead.</source>
        <translation>Эта очистка не записала журнал; вместо него открыта папка журналов.</translation>
    </message>
    <message>
        <source>Varnholt did not restart: administrator rights were refused or could not be asked for.</source>
        <translation>Varnholt не перезапущен: права администратора не предоставлены или их не удалось запросить.</translation>
    </message>
    <message>
        <source>Put everything this cleanup moved to the Recycle Bin back where it was</source>
        <translation>Вернуть на место всё, что эта очистка переместила в корзину</translation>
    </message>
    <message>
        <source>Put everything this cleanup moved to the Trash back where it was</source>
        <translation>Вернуть на место всё, что эта очистка переместила в корзину</translation>
    </message>
    <message>
        <source>freed or moved to the Recycle Bin</source>
        <comment>what the figure of a finished cleanup is</comment>
        <translation>освобождено или перемещено в корзину</translation>
    </message>
    <message>
        <source>freed or moved to the Trash</source>
        <comment>what the figure of a finished cleanup is</comment>
        <translation>освобождено или перемещено в корзину</translation>
    </message>
    <message>
        <source>moved to the Recycle Bin</source>
        <comment>what the figure of a finished cleanup is</comment>
        <translation>перемещено в корзину</translation>
    </message>
    <message>
        <source>moved to the Trash</source>
        <comment>what the figure of a finished cleanup is</comment>
        <translation>перемещено в корзину</translation>
    </message>
    <message numerus="yes">
        <source>&lt;b&gt;%Ln item(s) could not be moved to the Recycle Bin&lt;/b&gt; and were left where they are.</source>
        <translation>
            <numerusform>&lt;b&gt;%Ln объект не удалось переместить в корзину&lt;/b&gt;, он оставлен на месте.</numerusform>
            <numerusform>&lt;b&gt;%Ln объекта не удалось переместить в корзину&lt;/b&gt;, они оставлены на месте.</numerusform>
            <numerusform>&lt;b&gt;%Ln объектов не удалось переместить в корзину&lt;/b&gt;, они оставлены на месте.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>&lt;b&gt;%Ln item(s) could not be moved to the Trash&lt;/b&gt; and were left where they are.</source>
        <translation>
            <numerusform>&lt;b&gt;%Ln объект не удалось переместить в корзину&lt;/b&gt;, он оставлен на месте.</numerusform>
            <numerusform>&lt;b&gt;%Ln объекта не удалось переместить в корзину&lt;/b&gt;, они оставлены на месте.</numerusform>
            <numerusform>&lt;b&gt;%Ln объектов не удалось переместить в корзину&lt;/b&gt;, они оставлены на месте.</numerusform>
        </translation>
    </message>
    <message>
        <source>Some items were moved to the Recycle Bin and the rest deleted permanently. You can still restore what was moved.</source>
        <translation>Часть объектов перемещена в корзину, остальные удалены безвозвратно. Перемещённое ещё можно восстановить.</translation>
    </message>
    <message>
        <source>Some items were moved to the Trash and the rest deleted permanently. You can still restore what was moved.</source>
        <translation>Часть объектов перемещена в корзину, остальные удалены безвозвратно. Перемещённое ещё можно восстановить.</translation>
    </message>
    <message>
        <source>Moved to the Recycle Bin. You can still restore anything.</source>
        <translation>Перемещено в корзину. Восстановить можно всё.</translation>
    </message>
    <message>
        <source>Moved to the Trash. You can still restore anything.</source>
        <translation>Перемещено в корзину. Восстановить можно всё.</translation>
    </message>
    <message>
        <source>The log %1 is gone; its folder is open instead.</source>
        <comment>%1: a path</comment>
        <translation>Журнал %1 больше не существует; вместо него открыта его папка.</translation>
    </message>
    <message>
        <source>The File Explorer could not show %1</source>
        <comment>%1: a path</comment>
        <translation>Проводнику не удалось показать %1</translation>
    </message>
    <message>
        <source>The File Manager could not show %1</source>
        <comment>%1: a path</comment>
        <translation>Файловому менеджеру не удалось показать %1</translation>
    </message>
    <message numerus="yes">
        <source>%Ln item(s)</source>
        <comment>on a category&apos;s card</comment>
        <translation>
            <numerusform>%Ln объект</numerusform>
            <numerusform>%Ln объекта</numerusform>
            <numerusform>%Ln объектов</numerusform>
        </translation>
    </message>
    <message>
        <source>Show in File Explorer</source>
        <extracomment>Link beside a category&apos;s largest items; opens File Explorer there</extracomment>
        <translation>Показать в проводнике</translation>
    </message>
    <message>
        <source>Show in File Manager</source>
        <extracomment>Link beside a category&apos;s largest items; opens the file manager there</extracomment>
        <translation>Показать в папке</translation>
    </message>
    <message>
        <source>No Recycle Bin on this drive</source>
        <translation>На этом диске нет корзины</translation>
    </message>
    <message>
        <source>No Trash on this drive</source>
        <translation>На этом диске нет корзины</translation>
    </message>
    <message>
        <source>Cannot go to the Recycle Bin</source>
        <translation>Нельзя переместить в корзину</translation>
    </message>
    <message>
        <source>Cannot go to the Trash</source>
        <translation>Нельзя переместить в корзину</translation>
    </message>
    <message>
        <source>moved to the Recycle Bin</source>
        <extracomment>Tooltip of the Clean button: where the selection goes</extracomment>
        <translation>Файлы будут перемещены в корзину</translation>
    </message>
    <message>
        <source>moved to the Trash</source>
        <extracomment>Tooltip of the Clean button: where the selection goes</extracomment>
        <translation>Файлы будут перемещены в корзину</translation>
    </message>
    <message>
        <source>&lt;b style=&apos;color:%1&apos;&gt;%2&lt;/b&gt; selected · some need admin</source>
        <comment>%1: style, keep as is; %2: a size</comment>
        <translation>Выбрано &lt;b style=&apos;color:%1&apos;&gt;%2&lt;/b&gt; · для части нужны права администратора</translation>
    </message>
    <message>
        <source>&lt;b style=&apos;color:%1&apos;&gt;%2&lt;/b&gt; selected</source>
        <comment>%1: style, keep as is; %2: a size</comment>
        <translation>Выбрано &lt;b style=&apos;color:%1&apos;&gt;%2&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Your settings in %1 cannot be read, so your exclusions and your choice between the Recycle Bin and deleting are unknown. Cleaning stays off until the file can be read again.</source>
        <comment>%1: the settings file</comment>
        <translation>Не удаётся прочитать ваши настройки в %1, поэтому неизвестно, что вы исключили и следует ли перемещать файлы в корзину или удалять их. Очистка останется недоступной, пока файл снова не удастся прочитать.</translation>
    </message>
    <message>
        <source>Your settings in %1 cannot be read, so your exclusions and your choice between the Trash and deleting are unknown. Cleaning stays off until the file can be read again.</source>
        <comment>%1: the settings file</comment>
        <translation>Не удаётся прочитать ваши настройки в %1, поэтому неизвестно, что вы исключили и следует ли перемещать файлы в корзину или удалять их. Очистка останется недоступной, пока файл снова не удастся прочитать.</translation>
    </message>
    <message numerus="yes">
        <source>&lt;b&gt;%Ln file(s) skipped&lt;/b&gt;. The log says why for each one.</source>
        <translation>
            <numerusform>&lt;b&gt;%Ln файл пропущен&lt;/b&gt;. Причина указана в журнале.</numerusform>
            <numerusform>&lt;b&gt;%Ln файла пропущены&lt;/b&gt;. Причина каждого пропуска указана в журнале.</numerusform>
            <numerusform>&lt;b&gt;%Ln файлов пропущено&lt;/b&gt;. Причина каждого пропуска указана в журнале.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Cli</name>
    <message>
        <source>Cannot read the catalogue file %1: %2</source>
        <extracomment>%1: a file&apos;s path; %2: the system&apos;s reason</extracomment>
        <translation>Не удаётся прочитать файл каталога %1: %2</translation>
    </message>
    <message>
        <source>The catalogue file %1 is not valid JSON: %2</source>
        <extracomment>%1: a file&apos;s path; %2: what the JSON reader says</extracomment>
        <translation>Файл каталога %1 содержит некорректный JSON: %2</translation>
    </message>
    <message>
        <source>The catalogue file %1 is not usable: %2</source>
        <extracomment>%1: a file&apos;s path; %2: one of the reasons below</extracomment>
        <translation>Файл каталога %1 нельзя использовать: %2</translation>
    </message>
    <message>
        <source>a category has no id</source>
        <translation>у одной из категорий нет ID</translation>
    </message>
    <message>
        <source>the id &quot;%1&quot; appears twice</source>
        <extracomment>%1: a category id</extracomment>
        <translation>ID «%1» встречается дважды</translation>
    </message>
    <message>
        <source>the risk of &quot;%1&quot; is not Safe, Review or Permanent</source>
        <extracomment>%1: a category id; Safe, Review and Permanent are keys of the file, keep them</extracomment>
        <translation>для «%1» указан риск, отличный от Safe, Review и Permanent</translation>
    </message>
    <message>
        <source>a root of &quot;%1&quot; is not an absolute path</source>
        <extracomment>%1: a category id</extracomment>
        <translation>у категории «%1» корневая папка задана не абсолютным путём</translation>
    </message>
    <message>
        <source>it lists no categories</source>
        <translation>в нём нет ни одной категории</translation>
    </message>
    <message>
        <source>Interrupted.</source>
        <extracomment>Printed when Ctrl+C stopped the command</extracomment>
        <translation>Прервано.</translation>
    </message>
    <message>
        <source>Category</source>
        <extracomment>Column heading of the scan table</extracomment>
        <translation>Категория</translation>
    </message>
    <message>
        <source>Risk</source>
        <extracomment>Column heading of the scan table: Safe, Review or Permanent</extracomment>
        <translation>Риск</translation>
    </message>
    <message>
        <source>Size</source>
        <extracomment>Column heading</extracomment>
        <translation>Размер</translation>
    </message>
    <message>
        <source>Files</source>
        <extracomment>Column heading: a number of files</extracomment>
        <translation>Файлы</translation>
    </message>
    <message>
        <source>Items</source>
        <extracomment>Column heading: a number of items (folders or files)</extracomment>
        <translation>Объекты</translation>
    </message>
    <message>
        <source>(%1 is running)</source>
        <extracomment>After an item of the scan table; %1: an app&apos;s name</extracomment>
        <translation>(приложение %1 запущено)</translation>
    </message>
    <message>
        <source>… %1 more (--json lists all)</source>
        <extracomment>%1: a number of items not printed</extracomment>
        <translation>… ещё %1 (--json выводит все)</translation>
    </message>
    <message>
        <source>Some folders of %1 could not be read.</source>
        <extracomment>%1: a category</extracomment>
        <translation>Не удалось прочитать некоторые папки категории «%1».</translation>
    </message>
    <message>
        <source>Keeping %1 as a whole: %2 lies inside it.</source>
        <extracomment>%1: a folder; %2: the file or folder that keeps it</extracomment>
        <translation>%1 сохраняется целиком: внутри находится %2.</translation>
    </message>
    <message>
        <source>Cleaned: %1</source>
        <extracomment>%1: a list of categories</extracomment>
        <translation>Очищено: %1</translation>
    </message>
    <message>
        <source>Left alone because they are running: %1</source>
        <extracomment>%1: a list of app names</extracomment>
        <translation>Запущенные приложения не затронуты: %1</translation>
    </message>
    <message>
        <source>Some items need administrator rights.</source>
        <translation>Для некоторых объектов нужны права администратора.</translation>
    </message>
    <message>
        <source>Log: %1</source>
        <extracomment>%1: the path of the log file</extracomment>
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
        <extracomment>Progress line; %1: the size cleaned; %2: the total; %3: the category</extracomment>
        <translation>Очистка: %1 из %2 · %3</translation>
    </message>
    <message>
        <source>The search for large files did not complete.</source>
        <translation>Поиск больших файлов не завершён.</translation>
    </message>
    <message>
        <source>Kind</source>
        <extracomment>Column heading of the large-file table: Video, Archive, …</extracomment>
        <translation>Тип</translation>
    </message>
    <message>
        <source>Last used</source>
        <extracomment>Column heading of the large-file table: a date</extracomment>
        <translation>Использовался</translation>
    </message>
    <message>
        <source>Path</source>
        <extracomment>Column heading</extracomment>
        <translation>Путь</translation>
    </message>
    <message numerus="yes">
        <source>%n large file(s)</source>
        <extracomment>Below the large-file table</extracomment>
        <translation>
            <numerusform>%n большой файл</numerusform>
            <numerusform>%n больших файла</numerusform>
            <numerusform>%n больших файлов</numerusform>
        </translation>
    </message>
    <message>
        <source>Cannot read %1.</source>
        <extracomment>%1: a file&apos;s path</extracomment>
        <translation>Не удаётся прочитать %1.</translation>
    </message>
    <message>
        <source>Newest</source>
        <extracomment>Column heading of the history table: the latest record</extracomment>
        <translation>Изменено</translation>
    </message>
    <message>
        <source>Time</source>
        <extracomment>Column heading of the timing table</extracomment>
        <translation>Время</translation>
    </message>
    <message>
        <source>%1 ms</source>
        <extracomment>%1: a number of milliseconds</extracomment>
        <translation>%1 мс</translation>
    </message>
    <message>
        <source>Run &quot;varnholt-cli --help&quot; for the usage.</source>
        <translation>Для справки по использованию запустите «varnholt-cli --help».</translation>
    </message>
    <message>
        <source>No command given.</source>
        <extracomment>Error when varnholt-cli ran without a command</extracomment>
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
        <extracomment>%1: what was typed; %2: the command</extracomment>
        <translation>Неожиданный аргумент «%1» для команды %2.</translation>
    </message>
    <message>
        <source>measure takes exactly one PATH.</source>
        <translation>Команда measure принимает ровно один PATH.</translation>
    </message>
    <message>
        <source>none</source>
        <extracomment>Stands for an empty list of options</extracomment>
        <translation>нет</translation>
    </message>
    <message>
        <source>Unknown option &quot;%1&quot; for %2. Options of %2: %3.</source>
        <extracomment>%1: what was typed; %2: the command; %3: its options</extracomment>
        <translation>Неизвестный параметр «%1» для команды %2. Параметры команды %2: %3.</translation>
    </message>
    <message>
        <source>%1 needs a value.</source>
        <extracomment>%1: an option, e.g. --threshold-mb</extracomment>
        <translation>Для %1 требуется значение.</translation>
    </message>
    <message>
        <source>%1 takes no value.</source>
        <extracomment>%1: an option, e.g. --json</extracomment>
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
        <extracomment>%1: what was typed</extracomment>
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
        <extracomment>%1: what was typed; %2: the list of category ids</extracomment>
        <translation>Неизвестная категория: %1. Доступные категории: %2.</translation>
    </message>
    <message>
        <source>a flag of &quot;%1&quot; is not true or false</source>
        <extracomment>%1: a category id; true and false are words of the file, keep them</extracomment>
        <translation>у категории «%1» указан флаг, отличный от true и false</translation>
    </message>
    <message>
        <source>the patterns of a root of &quot;%1&quot; are not a list of names</source>
        <extracomment>%1: a category id</extracomment>
        <translation>у категории «%1» шаблоны корневой папки заданы не списком имён</translation>
    </message>
    <message>
        <source>the minAgeMs of a root of &quot;%1&quot; is not a whole number of milliseconds from 0 to 100 years</source>
        <extracomment>%1: a category id; minAgeMs is a key of the file, keep it</extracomment>
        <translation>у категории «%1» значение minAgeMs корневой папки не является целым числом миллисекунд от 0 до 100 лет</translation>
    </message>
    <message>
        <source>Warning: cannot read the settings file %1; this run may not use your settings.</source>
        <extracomment>%1: a file&apos;s path</extracomment>
        <translation>Предупреждение: не удаётся прочитать файл настроек %1; в этом запуске ваши настройки могут не учитываться.</translation>
    </message>
    <message>
        <source>Cannot read the settings file %1, so your exclusions and your choice between the trash and deleting are unknown. Nothing was cleaned: fix or remove that file first.</source>
        <extracomment>%1: a file&apos;s path</extracomment>
        <translation>Не удаётся прочитать файл настроек %1, поэтому ваши исключения и выбор между корзиной и удалением неизвестны. Ничего не очищено: сначала исправьте или удалите этот файл.</translation>
    </message>
    <message>
        <source>Nothing was cleaned.</source>
        <extracomment>Printed when a cleanup removed nothing</extracomment>
        <translation>Ничего не очищено.</translation>
    </message>
    <message>
        <source>Action</source>
        <extracomment>Column heading of the --dry-run table: what would happen to the path</extracomment>
        <translation>Действие</translation>
    </message>
    <message>
        <source>Would stay:</source>
        <extracomment>Heading over the paths --dry-run would keep</extracomment>
        <translation>Остались бы:</translation>
    </message>
    <message numerus="yes">
        <source>Preview only, nothing was removed: %n path(s) would go, %1.</source>
        <extracomment>&quot;would go&quot;: would be removed; %1: their size</extracomment>
        <translation>
            <numerusform>Только предпросмотр, ничего не удалено: был бы удалён %n путь (%1).</numerusform>
            <numerusform>Только предпросмотр, ничего не удалено: были бы удалены %n пути (%1).</numerusform>
            <numerusform>Только предпросмотр, ничего не удалено: были бы удалены %n путей (%1).</numerusform>
        </translation>
    </message>
    <message>
        <source>The disk is already full.</source>
        <translation>Диск уже заполнен.</translation>
    </message>
    <message numerus="yes">
        <source>No forecast yet: the records of free space cover %n day(s); a forecast needs at least %1.</source>
        <extracomment>%1: a number of days</extracomment>
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
        <extracomment>%1: a date</extracomment>
        <translation>
            <numerusform>%n запись свободного места с %1</numerusform>
            <numerusform>%n записи свободного места с %1</numerusform>
            <numerusform>%n записей свободного места с %1</numerusform>
        </translation>
    </message>
    <message>
        <source>restore takes at most one LOG.</source>
        <translation>Команда restore принимает не более одного LOG.</translation>
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
        <translation>показать, что clean удалил бы или переместил, с размерами; ничего не удаляет</translation>
    </message>
    <message>
        <source>Unknown command &quot;%1&quot;. Commands: %2.</source>
        <extracomment>%1: what was typed; %2: the list of commands</extracomment>
        <translation>Неизвестная команда «%1». Команды: %2.</translation>
    </message>
    <message numerus="yes">
        <source>In use by %1 (PID %2): %n file(s)</source>
        <extracomment>%1: a program&apos;s name; %2: its process number</extracomment>
        <translation>
            <numerusform>Используется %1 (PID %2): %n файл</numerusform>
            <numerusform>Используется %1 (PID %2): %n файла</numerusform>
            <numerusform>Используется %1 (PID %2): %n файлов</numerusform>
        </translation>
    </message>
    <message>
        <source>Kept because something in them changed since the scan: %1</source>
        <extracomment>%1: a list of paths</extracomment>
        <translation>Оставлены, так как в них что-то изменилось после сканирования: %1</translation>
    </message>
    <message>
        <source>As root, the catalogue file %1 is used only when it and every folder above it belong to root and no one else may change them.</source>
        <extracomment>%1: a file&apos;s path</extracomment>
        <translation>При запуске от root файл каталога %1 используется, только если он и все папки над ним принадлежат root и никто другой не может их изменить.</translation>
    </message>
    <message>
        <source>As root, Varnholt works in root&apos;s own folders (%1) and ignores %2: another user can change where they lead.</source>
        <extracomment>%1: a list of folders; %2: the environment variables ignored</extracomment>
        <translation>При запуске от имени root Varnholt работает в собственных папках root (%1) и не учитывает %2: другой пользователь может изменить, куда они ведут.</translation>
    </message>
    <message numerus="yes">
        <source>… and %n more</source>
        <extracomment>Below the skipped paths printed</extracomment>
        <translation>
            <numerusform>… и ещё %n</numerusform>
            <numerusform>… и ещё %n</numerusform>
            <numerusform>… и ещё %n</numerusform>
        </translation>
    </message>
    <message>
        <source>Cannot read the settings file %1, so your exclusions and your choice between the Recycle Bin and deleting are unknown. Nothing was cleaned: fix or remove that file first.</source>
        <extracomment>%1: a file&apos;s path</extracomment>
        <translation>Не удаётся прочитать файл настроек %1, поэтому ваши исключения и выбор между корзиной и удалением неизвестны. Ничего не очищено: сначала исправьте или удалите этот файл.</translation>
    </message>
    <message numerus="yes">
        <source>No forecast yet: the free space has been recorded %n time(s) (the Varnholt app records it when it starts); a forecast needs at least %1.</source>
        <extracomment>%1: a number of records</extracomment>
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
    <message numerus="yes">
        <source>Scanning %1 · %2 · %Ln file(s) · %3</source>
        <extracomment>Progress line; %1: a category; %2: the size found; %3: a folder</extracomment>
        <translation>
            <numerusform>Сканирование: %1 · %2 · %Ln файл · %3</numerusform>
            <numerusform>Сканирование: %1 · %2 · %Ln файла · %3</numerusform>
            <numerusform>Сканирование: %1 · %2 · %Ln файлов · %3</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 found · %Ln file(s) checked · %2 s</source>
        <comment>%1: a size; %2: seconds</comment>
        <translation>
            <numerusform>Найдено: %1 · проверен %Ln файл · %2 с</numerusform>
            <numerusform>Найдено: %1 · проверено %Ln файла · %2 с</numerusform>
            <numerusform>Найдено: %1 · проверено %Ln файлов · %2 с</numerusform>
        </translation>
    </message>
    <message>
        <source>move to Recycle Bin</source>
        <extracomment>The Action column of --dry-run&apos;s table: to the Recycle Bin</extracomment>
        <translation>переместить в корзину</translation>
    </message>
    <message>
        <source>move to Trash</source>
        <extracomment>The Action column of --dry-run&apos;s table: to the Trash</extracomment>
        <translation>переместить в корзину</translation>
    </message>
    <message>
        <source>delete</source>
        <comment>the Action column of --dry-run&apos;s table: the file is deleted for good</comment>
        <translation>удалить</translation>
    </message>
    <message>
        <source>Moved %1 to the Recycle Bin</source>
        <comment>%1: a size</comment>
        <translation>Перемещено в корзину: %1</translation>
    </message>
    <message>
        <source>Moved %1 to the Trash</source>
        <comment>%1: a size</comment>
        <translation>Перемещено в корзину: %1</translation>
    </message>
    <message>
        <source>freed %1</source>
        <comment>follows what was moved to the bin; %1: a size</comment>
        <translation>освобождено: %1</translation>
    </message>
    <message>
        <source>Freed %1</source>
        <comment>%1: a size</comment>
        <translation>Освобождено: %1</translation>
    </message>
    <message numerus="yes">
        <source>%n file(s) removed</source>
        <extracomment>Clause of the line that sums up a cleanup</extracomment>
        <translation>
            <numerusform>удалён %n файл</numerusform>
            <numerusform>удалено %n файла</numerusform>
            <numerusform>удалено %n файлов</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln skipped</source>
        <comment>a number of files and folders left alone</comment>
        <translation>
            <numerusform>пропущено: %Ln</numerusform>
            <numerusform>пропущено: %Ln</numerusform>
            <numerusform>пропущено: %Ln</numerusform>
        </translation>
    </message>
    <message>
        <source> · </source>
        <extracomment>Between the clauses of the line that sums up a cleanup</extracomment>
        <translation> · </translation>
    </message>
    <message>
        <source>Could not be moved to the Recycle Bin, left where they are:</source>
        <translation>Не удалось переместить в корзину, оставлены на месте:</translation>
    </message>
    <message>
        <source>Could not be moved to the Trash, left where they are:</source>
        <translation>Не удалось переместить в корзину, оставлены на месте:</translation>
    </message>
    <message>
        <source>--skip-item %1 names no item of the categories given.</source>
        <comment>%1: the path given</comment>
        <translation>--skip-item %1 не соответствует ни одному объекту указанных категорий.</translation>
    </message>
    <message numerus="yes">
        <source>%Ln file(s) checked · %1 found (%2) · %3</source>
        <extracomment>Progress line; %1: the number of large files found; %2: their size; %3: a folder</extracomment>
        <translation>
            <numerusform>Проверен %Ln файл · найдено: %1 (%2) · %3</numerusform>
            <numerusform>Проверено %Ln файла · найдено: %1 (%2) · %3</numerusform>
            <numerusform>Проверено %Ln файлов · найдено: %1 (%2) · %3</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Recorded the sizes of %n folder(s) in %1 (%2 in all).</source>
        <translation>
            <numerusform>Записан размер %n папки в %1 (всего %2).</numerusform>
            <numerusform>Записаны размеры %n папок в %1 (всего %2).</numerusform>
            <numerusform>Записаны размеры %n папок в %1 (всего %2).</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n reading(s) of folder sizes kept.</source>
        <translation>
            <numerusform>Хранится %n замер размеров папок.</numerusform>
            <numerusform>Хранятся %n замера размеров папок.</numerusform>
            <numerusform>Хранятся %n замеров размеров папок.</numerusform>
        </translation>
    </message>
    <message>
        <source>The reading of folder sizes did not complete.</source>
        <translation>Замер размеров папок не завершён.</translation>
    </message>
    <message numerus="yes">
        <source>Nothing to compare yet: %n reading(s) of folder sizes so far, and a comparison needs two. The Varnholt app takes one a day while its history of folder sizes is on; &quot;varnholt-cli grew --record&quot; takes one now.</source>
        <translation>
            <numerusform>Пока нечего сравнивать: сделан %n замер размеров папок, а для сравнения нужно два. Приложение Varnholt делает замер раз в день, пока включена история размеров папок; «varnholt-cli grew --record» делает его сейчас.</numerusform>
            <numerusform>Пока нечего сравнивать: сделано %n замера размеров папок, а для сравнения нужно два. Приложение Varnholt делает замер раз в день, пока включена история размеров папок; «varnholt-cli grew --record» делает его сейчас.</numerusform>
            <numerusform>Пока нечего сравнивать: сделано %n замеров размеров папок, а для сравнения нужно два. Приложение Varnholt делает замер раз в день, пока включена история размеров папок; «varnholt-cli grew --record» делает его сейчас.</numerusform>
        </translation>
    </message>
    <message>
        <source>Changes in %1 between %2 and %3:</source>
        <translation>Изменения в %1 с %2 по %3:</translation>
    </message>
    <message>
        <source>No folder changed by %1 or more.</source>
        <translation>Ни одна папка не изменилась на %1 или больше.</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>Изменение</translation>
    </message>
    <message>
        <source>Then</source>
        <translation>Было</translation>
    </message>
    <message>
        <source>Now</source>
        <translation>Стало</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>Папка</translation>
    </message>
    <message numerus="yes">
        <source>and %n more (--json lists them all)</source>
        <translation>
            <numerusform>и ещё %n (--json выводит все)</numerusform>
            <numerusform>и ещё %n (--json выводит все)</numerusform>
            <numerusform>и ещё %n (--json выводит все)</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: clean it with: %2</source>
        <translation>%1: очистить командой: %2</translation>
    </message>
    <message>
        <source>In all: %1 then, %2 now (%3).</source>
        <translation>Всего: было %1, стало %2 (%3).</translation>
    </message>
    <message>
        <source>--since needs an age such as 7d, 2w or 12h, not &quot;%1&quot;.</source>
        <translation>Для --since требуется срок вида 7d, 2w или 12h, а не «%1».</translation>
    </message>
    <message>
        <source>Choose either --record or --since, not both.</source>
        <translation>Укажите либо --record, либо --since, но не оба сразу.</translation>
    </message>
    <message>
        <source>the folders that grew or shrank most since an earlier reading</source>
        <translation>папки, которые больше всего выросли или уменьшились с предыдущего замера</translation>
    </message>
    <message>
        <source>grew: compare with about AGE ago: 7d, 2w, 12h (default 7d)</source>
        <translation>grew: сравнить с состоянием примерно AGE назад: 7d, 2w, 12h (по умолчанию 7d)</translation>
    </message>
    <message>
        <source>grew: take a reading of the folder sizes now</source>
        <translation>grew: замерить размеры папок сейчас</translation>
    </message>
    <message>
        <source>No cleanup has moved anything to the Recycle Bin; there is nothing to restore.</source>
        <translation>Ни одна очистка ничего не перемещала в корзину; восстанавливать нечего.</translation>
    </message>
    <message>
        <source>No cleanup has moved anything to the Trash; there is nothing to restore.</source>
        <translation>Ни одна очистка ничего не перемещала в корзину; восстанавливать нечего.</translation>
    </message>
    <message>
        <source>Skipped (the log gives each reason):</source>
        <extracomment>Heading over paths a cleanup left alone, for reasons of several kinds</extracomment>
        <translation>Пропущено (причина для каждого указана в журнале):</translation>
    </message>
    <message>
        <source>That cleanup moved nothing to the Recycle Bin; there is nothing to restore.</source>
        <translation>Эта очистка ничего не перемещала в корзину; восстанавливать нечего.</translation>
    </message>
    <message>
        <source>That cleanup moved nothing to the Trash; there is nothing to restore.</source>
        <translation>Эта очистка ничего не перемещала в корзину; восстанавливать нечего.</translation>
    </message>
</context>
<context>
    <name>LargeFileKind</name>
    <message>
        <source>Disk image</source>
        <extracomment>Kind of large file (the Space Map&apos;s Kind column)</extracomment>
        <translation>Образ диска</translation>
    </message>
    <message>
        <source>Partial download</source>
        <extracomment>Kind of large file (the Space Map&apos;s Kind column)</extracomment>
        <translation>Незавершённая загрузка</translation>
    </message>
    <message>
        <source>Video</source>
        <extracomment>Kind of large file (the Space Map&apos;s Kind column)</extracomment>
        <translation>Видео</translation>
    </message>
    <message>
        <source>Archive</source>
        <extracomment>Kind of large file (the Space Map&apos;s Kind column)</extracomment>
        <translation>Архив</translation>
    </message>
    <message>
        <source>Installer</source>
        <extracomment>Kind of large file (the Space Map&apos;s Kind column)</extracomment>
        <translation>Установщик</translation>
    </message>
    <message>
        <source>Audio</source>
        <extracomment>Kind of large file (the Space Map&apos;s Kind column)</extracomment>
        <translation>Аудио</translation>
    </message>
    <message>
        <source>Image</source>
        <extracomment>Kind of large file (the Space Map&apos;s Kind column)</extracomment>
        <translation>Изображение</translation>
    </message>
    <message>
        <source>Document</source>
        <extracomment>Kind of large file (the Space Map&apos;s Kind column)</extracomment>
        <translation>Документ</translation>
    </message>
    <message>
        <source>Backup</source>
        <extracomment>Kind of large file (the Space Map&apos;s Kind column)</extracomment>
        <translation>Резервная копия</translation>
    </message>
    <message>
        <source>File</source>
        <extracomment>Kind of large file (the Space Map&apos;s Kind column)</extracomment>
        <translation>Файл</translation>
    </message>
</context>
<context>
    <name>LargeFilesPage</name>
    <message>
        <source>Space Map</source>
        <extracomment>Title of the page that maps where disk space goes (not a geographic map)</extracomment>
        <translation>Карта диска</translation>
    </message>
    <message>
        <source>Rescan</source>
        <extracomment>Button in the Space Map&apos;s header: look for large files again</extracomment>
        <translation>Обновить</translation>
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
        <extracomment>Heading while the search for large files runs</extracomment>
        <translation>Найти большие файлы</translation>
    </message>
    <message>
        <source>Largest so far</source>
        <extracomment>Heading over the biggest files found while the search runs</extracomment>
        <translation>Крупнейшие найденные</translation>
    </message>
    <message>
        <source>Looking for large files…</source>
        <translation>Поиск больших файлов…</translation>
    </message>
    <message>
        <source>All</source>
        <extracomment>Filter of the large-file list: every file</extracomment>
        <translation>Все</translation>
    </message>
    <message>
        <source>Unused %1+ months</source>
        <extracomment>Filter of the large-file list; %1: a number of months</extracomment>
        <translation>Не использовались %1+ мес.</translation>
    </message>
    <message>
        <source>Downloads</source>
        <extracomment>Filter of the large-file list: files in the Downloads folder</extracomment>
        <translation>Загрузки</translation>
    </message>
    <message>
        <source>Search files</source>
        <extracomment>Placeholder of the search field</extracomment>
        <translation>Поиск файлов</translation>
    </message>
    <message>
        <source>Home folder · over %1</source>
        <extracomment>Eyebrow of the Space Map: where it looks and above which size; %1: a size</extracomment>
        <translation>Домашняя папка · свыше %1</translation>
    </message>
    <message numerus="yes">
        <source>&lt;b style=&apos;color:%1&apos;&gt;%2&lt;/b&gt; selected of %3 · %Ln file(s)</source>
        <extracomment>The footer&apos;s summary; %1: style, keep as is; %2: the checked size; %3: the total size</extracomment>
        <translation>
            <numerusform>Выбрано &lt;b style=&apos;color:%1&apos;&gt;%2&lt;/b&gt; из %3 · %Ln файл</numerusform>
            <numerusform>Выбрано &lt;b style=&apos;color:%1&apos;&gt;%2&lt;/b&gt; из %3 · %Ln файла</numerusform>
            <numerusform>Выбрано &lt;b style=&apos;color:%1&apos;&gt;%2&lt;/b&gt; из %3 · %Ln файлов</numerusform>
        </translation>
    </message>
    <message>
        <source>Stop</source>
        <extracomment>Button in the Space Map&apos;s header: stop the search for large files</extracomment>
        <translation>Остановить</translation>
    </message>
    <message>
        <source>No files match “%1”.</source>
        <extracomment>%1: what was typed in the search field</extracomment>
        <translation>Нет файлов, соответствующих «%1».</translation>
    </message>
    <message>
        <source>No files in this view.</source>
        <translation>В этом представлении нет файлов.</translation>
    </message>
    <message>
        <source>No files over %1 in your home folder.</source>
        <extracomment>%1: a size</extracomment>
        <translation>В домашней папке нет файлов крупнее %1.</translation>
    </message>
    <message>
        <source>Files to show</source>
        <extracomment>Accessible name of the row of filters</extracomment>
        <translation>Какие файлы показывать</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>Вверх</translation>
    </message>
    <message>
        <source>Change since</source>
        <translation>Сравнить с</translation>
    </message>
    <message>
        <source>Folders by change</source>
        <translation>Папки по изменению</translation>
    </message>
    <message>
        <source>Folders</source>
        <translation>Папки</translation>
    </message>
    <message>
        <source>The history of folder sizes is off. Turn it on in Settings to see what grew.</source>
        <translation>История размеров папок выключена. Включите её в настройках, чтобы видеть, что выросло.</translation>
    </message>
    <message>
        <source>Varnholt notes how big your folders are once a day. The first comparison is ready after two readings.</source>
        <translation>Varnholt раз в день записывает размеры ваших папок. Первое сравнение будет готово после двух замеров.</translation>
    </message>
    <message>
        <source>Name</source>
        <extracomment>Column title of the Space Map&apos;s list (shown upper-cased): the file&apos;s name</extracomment>
        <translation>Имя</translation>
    </message>
    <message>
        <source>Kind</source>
        <extracomment>Column title (shown upper-cased): Video, Archive, …</extracomment>
        <translation>Тип</translation>
    </message>
    <message>
        <source>Last opened</source>
        <extracomment>Column title (shown upper-cased) over relative dates such as &quot;3 months ago&quot;</extracomment>
        <translation>Открывался</translation>
    </message>
    <message>
        <source>Size</source>
        <extracomment>Column title (shown upper-cased): the file&apos;s size</extracomment>
        <translation>Размер</translation>
    </message>
    <message>
        <source>Grew</source>
        <extracomment>View of the Space Map: the folders coloured by how much they grew since an earlier reading</extracomment>
        <translation>Рост</translation>
    </message>
    <message>
        <source>Clear search</source>
        <comment>button in the search field that empties it</comment>
        <translation>Очистить поиск</translation>
    </message>
    <message>
        <source>Show in File Explorer</source>
        <extracomment>Button in the Space Map&apos;s footer; opens File Explorer at the checked file</extracomment>
        <translation>Показать в проводнике</translation>
    </message>
    <message>
        <source>Show in File Manager</source>
        <extracomment>Button in the Space Map&apos;s footer; opens the file manager at the checked file</extracomment>
        <translation>Показать в папке</translation>
    </message>
    <message>
        <source>Move to Recycle Bin</source>
        <extracomment>Button in the Space Map&apos;s footer; moves the checked files to the Recycle Bin</extracomment>
        <translation>Переместить в корзину</translation>
    </message>
    <message>
        <source>Move to Trash</source>
        <extracomment>Button in the Space Map&apos;s footer; moves the checked files to the Trash</extracomment>
        <translation>Переместить в корзину</translation>
    </message>
    <message>
        <source>The File Explorer could not show %1</source>
        <comment>%1: a path</comment>
        <translation>Проводнику не удалось показать %1</translation>
    </message>
    <message>
        <source>The File Manager could not show %1</source>
        <comment>%1: a path</comment>
        <translation>Файловому менеджеру не удалось показать %1</translation>
    </message>
</context>
<context>
    <name>Main</name>
    <message>
        <source>%1 is almost full. Run Smart Scan to free up space.</source>
        <extracomment>Notification; %1: a drive</extracomment>
        <translation>%1 почти заполнен. Запустите умное сканирование, чтобы освободить место.</translation>
    </message>
    <message>
        <source>Varnholt was updated to version %1.</source>
        <extracomment>%1: a version number</extracomment>
        <translation>Varnholt обновлён до версии %1.</translation>
    </message>
    <message numerus="yes">
        <source>%1 is filling up: at this rate it is full in about %n day(s). Run Smart Scan to free up space.</source>
        <extracomment>Notification; %1: a drive</extracomment>
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
        <extracomment>Link in the About dialog</extracomment>
        <translation>Сайт Varnholt</translation>
    </message>
    <message>
        <source>Settings</source>
        <extracomment>Entry of the app menu: open the Settings page</extracomment>
        <translation>Настройки</translation>
    </message>
    <message>
        <source>Check for Updates</source>
        <extracomment>Entry of the app menu</extracomment>
        <translation>Проверить обновления</translation>
    </message>
    <message>
        <source>Help</source>
        <extracomment>Submenu of the app menu</extracomment>
        <translation>Справка</translation>
    </message>
    <message>
        <source>Guide</source>
        <extracomment>Entry of the Help menu: the user guide on the website</extracomment>
        <translation>Руководство</translation>
    </message>
    <message>
        <source>FAQ</source>
        <extracomment>Entry of the Help menu: frequently asked questions</extracomment>
        <translation>Частые вопросы</translation>
    </message>
    <message>
        <source>Open Log Folder</source>
        <extracomment>Entry of the app menu</extracomment>
        <translation>Открыть папку журналов</translation>
    </message>
    <message>
        <source>About Varnholt</source>
        <extracomment>Entry of the app menu</extracomment>
        <translation>О программе Varnholt</translation>
    </message>
    <message>
        <source>Quit Varnholt</source>
        <extracomment>Entry of the app menu</extracomment>
        <translation>Выйти из Varnholt</translation>
    </message>
    <message>
        <source>The log folder %1 could not be created.</source>
        <extracomment>%1: a folder</extracomment>
        <translation>Не удалось создать папку журналов %1.</translation>
    </message>
</context>
<context>
    <name>Overlay</name>
    <message>
        <source>Version %1</source>
        <extracomment>%1: a version number</extracomment>
        <translation>Версия %1</translation>
    </message>
    <message>
        <source>Finds the space your computer can spare.</source>
        <translation>Находит место, которое можно освободить на вашем компьютере.</translation>
    </message>
    <message>
        <source>Close</source>
        <extracomment>Button that closes a dialog</extracomment>
        <translation>Закрыть</translation>
    </message>
    <message>
        <source>Cancel</source>
        <extracomment>Button that closes a dialog without doing anything</extracomment>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>Undo</source>
        <extracomment>Button in a notification: take the last action back</extracomment>
        <translation>Отменить</translation>
    </message>
    <message>
        <source>Keep Varnholt running?</source>
        <extracomment>Title of the dialog shown when the window is closed</extracomment>
        <translation>Оставить Varnholt запущенным?</translation>
    </message>
    <message>
        <source>Remember my choice</source>
        <extracomment>Check box of the close dialog</extracomment>
        <translation>Запомнить мой выбор</translation>
    </message>
    <message>
        <source>You can change this in Settings.</source>
        <translation>Это можно изменить в настройках.</translation>
    </message>
    <message>
        <source>Keep in tray</source>
        <extracomment>Button of the close dialog: hide the window, keep the tray icon</extracomment>
        <translation>Работать в фоне</translation>
    </message>
    <message>
        <source>Quit</source>
        <extracomment>Button of the close dialog: end the program</extracomment>
        <translation>Выйти</translation>
    </message>
    <message>
        <source>Clean %1?</source>
        <extracomment>Title of the confirmation; %1: a size</extracomment>
        <translation>Очистить %1?</translation>
    </message>
    <message>
        <source>Permanent delete is on. These files can&apos;t be recovered.</source>
        <translation>Включено безвозвратное удаление. Эти файлы нельзя будет восстановить.</translation>
    </message>
    <message>
        <source>What&apos;s new</source>
        <extracomment>Heading over the release notes of an update</extracomment>
        <translation>Что нового</translation>
    </message>
    <message>
        <source>Retry</source>
        <extracomment>Button of the update dialog after a failure</extracomment>
        <translation>Повторить</translation>
    </message>
    <message>
        <source>Update now</source>
        <extracomment>Button of the update dialog</extracomment>
        <translation>Обновить сейчас</translation>
    </message>
    <message>
        <source>Varnholt is up to date</source>
        <translation>У вас последняя версия Varnholt</translation>
    </message>
    <message>
        <source>Version %1 is the latest version.</source>
        <extracomment>%1: a version number</extracomment>
        <translation>Версия %1 — последняя.</translation>
    </message>
    <message>
        <source>An update is available</source>
        <translation>Доступно обновление</translation>
    </message>
    <message>
        <source>Version %1 is available. You have %2.</source>
        <extracomment>%1, %2: version numbers</extracomment>
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
        <extracomment>Status of the update dialog</extracomment>
        <translation>Загрузка обновления…</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <extracomment>Download progress; %1, %2: sizes</extracomment>
        <translation>%1 из %2</translation>
    </message>
    <message>
        <source>Installing the update…</source>
        <extracomment>Status of the update dialog</extracomment>
        <translation>Установка обновления…</translation>
    </message>
    <message>
        <source>Varnholt closes and starts again when the update is installed.</source>
        <translation>После установки обновления Varnholt закроется и запустится снова.</translation>
    </message>
    <message>
        <source>Checking for updates…</source>
        <extracomment>Status of the update dialog</extracomment>
        <translation>Проверка обновлений…</translation>
    </message>
    <message>
        <source>Version %1 is installed.</source>
        <extracomment>%1: a version number</extracomment>
        <translation>Установлена версия %1.</translation>
    </message>
    <message>
        <source>Later</source>
        <extracomment>Button of the update dialog: do not update now</extracomment>
        <translation>Позже</translation>
    </message>
    <message>
        <source>Some of it needs administrator rights: without them those files are skipped.</source>
        <translation>Для части файлов нужны права администратора: без них эти файлы будут пропущены.</translation>
    </message>
    <message>
        <source>Everything that will go</source>
        <extracomment>Link of the confirmation that lists every path the cleanup removes (&quot;go&quot;: be removed, not leave)</extracomment>
        <translation>Всё, что будет удалено</translation>
    </message>
    <message>
        <source>Working out the list…</source>
        <translation>Составление списка…</translation>
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
        <source>and %n more</source>
        <extracomment>Below the paths listed in the confirmation</extracomment>
        <translation>
            <numerusform>и ещё %n</numerusform>
            <numerusform>и ещё %n</numerusform>
            <numerusform>и ещё %n</numerusform>
        </translation>
    </message>
    <message>
        <source>Leave them</source>
        <extracomment>Choice for what cannot go to the bin: keep those files</extracomment>
        <translation>Оставить</translation>
    </message>
    <message>
        <source>Delete them permanently</source>
        <extracomment>Choice for what cannot go to the bin</extracomment>
        <translation>Удалить безвозвратно</translation>
    </message>
    <message>
        <source>All of it is deleted permanently and can&apos;t be recovered.</source>
        <translation>Всё будет удалено безвозвратно, восстановить это будет нельзя.</translation>
    </message>
    <message>
        <source>The check could not start. Try again in a moment.</source>
        <translation>Не удалось начать проверку. Повторите попытку чуть позже.</translation>
    </message>
    <message>
        <source>The check failed again.</source>
        <translation>Проверка снова не удалась.</translation>
    </message>
    <message>
        <source>These cannot be moved to the Recycle Bin</source>
        <translation>Эти объекты нельзя переместить в корзину</translation>
    </message>
    <message>
        <source>These cannot be moved to the Trash</source>
        <translation>Эти объекты нельзя переместить в корзину</translation>
    </message>
    <message>
        <source>None of it can go to the Recycle Bin: delete it permanently, or nothing is cleaned.</source>
        <translation>Ничего из этого нельзя переместить в корзину: удалите это безвозвратно, иначе ничего не будет очищено.</translation>
    </message>
    <message>
        <source>None of it can go to the Trash: delete it permanently, or nothing is cleaned.</source>
        <translation>Ничего из этого нельзя переместить в корзину: удалите это безвозвратно, иначе ничего не будет очищено.</translation>
    </message>
    <message>
        <source>Emptying the Recycle Bin and deleting what cannot go there can&apos;t be undone. Everything else goes to the Recycle Bin.</source>
        <translation>Очистку корзины и удаление того, что нельзя в неё переместить, отменить невозможно. Всё остальное будет перемещено в корзину.</translation>
    </message>
    <message>
        <source>Emptying the Trash and deleting what cannot go there can&apos;t be undone. Everything else goes to the Trash.</source>
        <translation>Очистку корзины и удаление того, что нельзя в неё переместить, отменить невозможно. Всё остальное будет перемещено в корзину.</translation>
    </message>
    <message>
        <source>What cannot go to the Recycle Bin is deleted permanently. Everything else is moved there, so you can restore it later.</source>
        <translation>То, что нельзя переместить в корзину, будет удалено безвозвратно. Всё остальное будет перемещено туда, и позже это можно будет восстановить.</translation>
    </message>
    <message>
        <source>What cannot go to the Trash is deleted permanently. Everything else is moved there, so you can restore it later.</source>
        <translation>То, что нельзя переместить в корзину, будет удалено безвозвратно. Всё остальное будет перемещено туда, и позже это можно будет восстановить.</translation>
    </message>
    <message>
        <source>Emptying the Recycle Bin can&apos;t be undone. Everything else goes to the Recycle Bin.</source>
        <translation>Очистку корзины нельзя отменить. Всё остальное будет перемещено в корзину.</translation>
    </message>
    <message>
        <source>Emptying the Trash can&apos;t be undone. Everything else goes to the Trash.</source>
        <translation>Очистку корзины нельзя отменить. Всё остальное будет перемещено в корзину.</translation>
    </message>
    <message>
        <source>Everything will be moved to the Recycle Bin, so you can restore it later.</source>
        <translation>Всё будет перемещено в корзину, и позже это можно будет восстановить.</translation>
    </message>
    <message>
        <source>Everything will be moved to the Trash, so you can restore it later.</source>
        <translation>Всё будет перемещено в корзину, и позже это можно будет восстановить.</translation>
    </message>
    <message>
        <source>Clean and delete</source>
        <comment>button: clean, part of it for good</comment>
        <translation>Очистить и удалить</translation>
    </message>
    <message>
        <source>Clean</source>
        <comment>button: start the cleanup</comment>
        <translation>Очистить</translation>
    </message>
    <message numerus="yes">
        <source>%n path(s) · %1</source>
        <comment>%1: their size</comment>
        <translation>
            <numerusform>%n путь · %1</numerusform>
            <numerusform>%n пути · %1</numerusform>
            <numerusform>%n путей · %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Varnholt can stay in the system tray when you close the window. You can open it again from the tray icon.</source>
        <extracomment>Scheduled scans and alerts run when Varnholt starts, not while it waits in the tray</extracomment>
        <translation>Varnholt может оставаться в области уведомлений после закрытия окна. Открыть программу снова можно через её значок в области уведомлений.</translation>
    </message>
</context>
<context>
    <name>OverviewPage</name>
    <message>
        <source>Scanned %1</source>
        <extracomment>Chip; %1: when, e.g. &quot;2 days ago&quot;</extracomment>
        <translation>Просканировано %1</translation>
    </message>
    <message>
        <source>Smart Scan</source>
        <extracomment>Button in the Overview&apos;s header: scan every cleanup category</extracomment>
        <translation>Умное сканирование</translation>
    </message>
    <message>
        <source>Overview</source>
        <extracomment>Title of the Overview page</extracomment>
        <translation>Обзор</translation>
    </message>
    <message>
        <source>Rescan</source>
        <extracomment>Button in the Overview&apos;s header: scan again</extracomment>
        <translation>Обновить</translation>
    </message>
    <message>
        <source>See all</source>
        <extracomment>Link beside the top recommendations: open the Cleanup page</extracomment>
        <translation>Показать все</translation>
    </message>
    <message>
        <source>Disk health</source>
        <extracomment>Heading of an Overview card</extracomment>
        <translation>Состояние диска</translation>
    </message>
    <message>
        <source>System files protected</source>
        <extracomment>Line of the disk health card</extracomment>
        <translation>Системные файлы защищены</translation>
    </message>
    <message>
        <source>%1 ready to clean</source>
        <extracomment>%1: a size</extracomment>
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
        <extracomment>Under the free size in the disk ring; %1: the disk&apos;s size</extracomment>
        <translation>свободно из %1</translation>
    </message>
    <message>
        <source>Freed this month</source>
        <extracomment>Caption of an Overview card under a size</extracomment>
        <translation>Освобождено в этом месяце</translation>
    </message>
    <message>
        <source>Last scan</source>
        <extracomment>Caption of an Overview card under a relative date</extracomment>
        <translation>Последнее сканирование</translation>
    </message>
    <message>
        <source>Scheduled scan</source>
        <extracomment>Caption of an Overview card</extracomment>
        <translation>Расписание</translation>
    </message>
    <message>
        <source>Top recommendations</source>
        <extracomment>Heading over the biggest safe categories</extracomment>
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
        <extracomment>Legend of the disk bar: space a cleanup can free</extracomment>
        <translation>Можно освободить</translation>
    </message>
    <message>
        <source>Available</source>
        <extracomment>Legend of the disk bar: free space</extracomment>
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
        <extracomment>Heading of an Overview card</extracomment>
        <translation>История свободного места</translation>
    </message>
    <message numerus="yes">
        <source>From %1 to %2 free over %n day(s)</source>
        <extracomment>%1, %2: sizes</extracomment>
        <translation>
            <numerusform>Свободно: с %1 до %2 за %n день</numerusform>
            <numerusform>Свободно: с %1 до %2 за %n дня</numerusform>
            <numerusform>Свободно: с %1 до %2 за %n дней</numerusform>
        </translation>
    </message>
    <message>
        <source>Show it in the Space Map</source>
        <translation>Показать на карте диска</translation>
    </message>
    <message>
        <source>What grew</source>
        <translation>Что выросло</translation>
    </message>
    <message>
        <source>Varnholt notes how big your folders are once a day. The first comparison is ready once two readings lie a week apart.</source>
        <translation>Varnholt раз в день записывает размеры ваших папок. Первое сравнение будет готово, когда появятся два замера с разницей в неделю.</translation>
    </message>
    <message>
        <source>Growing fastest this week</source>
        <translation>Быстрее всего росли на этой неделе</translation>
    </message>
    <message numerus="yes">
        <source>Growing fastest in the last %n day(s)</source>
        <translation>
            <numerusform>Быстрее всего росли за последний %n день</numerusform>
            <numerusform>Быстрее всего росли за последние %n дня</numerusform>
            <numerusform>Быстрее всего росли за последние %n дней</numerusform>
        </translation>
    </message>
    <message>
        <source>No folder grew by more than %1.</source>
        <translation>Ни одна папка не выросла больше чем на %1.</translation>
    </message>
    <message>
        <source>Clean %1</source>
        <translation>Очистить «%1»</translation>
    </message>
    <message>
        <source>%1 is the folder of this cleanup category</source>
        <translation>%1 — папка этой категории очистки</translation>
    </message>
    <message>
        <source>Review</source>
        <comment>button in the disk ring: open the scan results</comment>
        <translation>Просмотреть</translation>
    </message>
    <message>
        <source>Scan</source>
        <comment>button in the disk ring: start a scan</comment>
        <translation>Сканировать</translation>
    </message>
    <message>
        <source>Never scanned</source>
        <comment>chip and card caption</comment>
        <translation>Сканирования не было</translation>
    </message>
    <message>
        <source>Off</source>
        <comment>scheduled scan</comment>
        <translation>Выключено</translation>
    </message>
    <message>
        <source>Weekly</source>
        <comment>scheduled scan</comment>
        <translation>Еженедельно</translation>
    </message>
    <message>
        <source>Monthly</source>
        <comment>scheduled scan</comment>
        <translation>Ежемесячно</translation>
    </message>
</context>
<context>
    <name>Platform</name>
    <message>
        <source>Local Disk</source>
        <extracomment>Name of a drive without a label</extracomment>
        <translation>Локальный диск</translation>
    </message>
    <message>
        <source>Trash</source>
        <extracomment>The bin of Linux desktops, standing alone (a list entry, a log line)</extracomment>
        <translation>Корзина</translation>
    </message>
    <message>
        <source>File Manager</source>
        <extracomment>The file manager of Linux desktops, standing alone</extracomment>
        <translation>Файловый менеджер</translation>
    </message>
    <message>
        <source>Recycle Bin</source>
        <extracomment>The Windows bin, standing alone (a list entry, a log line)</extracomment>
        <translation>Корзина</translation>
    </message>
    <message>
        <source>File Explorer</source>
        <extracomment>The Windows file manager, standing alone</extracomment>
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
        <extracomment>Title of the Settings page</extracomment>
        <translation>Настройки</translation>
    </message>
    <message>
        <source>Choose a folder to exclude</source>
        <translation>Выберите папку для исключения</translation>
    </message>
    <message>
        <source>Cleaning</source>
        <extracomment>Heading of a Settings section</extracomment>
        <translation>Очистка</translation>
    </message>
    <message>
        <source>Recommended. Turn off to delete files permanently.</source>
        <translation>Рекомендуется. Выключите, чтобы удалять файлы безвозвратно.</translation>
    </message>
    <message>
        <source>Large file size</source>
        <extracomment>Setting: from which size a file counts as large</extracomment>
        <translation>Размер больших файлов</translation>
    </message>
    <message>
        <source>100 MB</source>
        <extracomment>Choice of the large-file size</extracomment>
        <translation>100 МБ</translation>
    </message>
    <message>
        <source>250 MB</source>
        <extracomment>Choice of the large-file size</extracomment>
        <translation>250 МБ</translation>
    </message>
    <message>
        <source>500 MB</source>
        <extracomment>Choice of the large-file size</extracomment>
        <translation>500 МБ</translation>
    </message>
    <message>
        <source>1 GB</source>
        <extracomment>Choice of the large-file size</extracomment>
        <translation>1 ГБ</translation>
    </message>
    <message>
        <source>Consider files old after</source>
        <translation>Считать файлы старыми через</translation>
    </message>
    <message>
        <source>3 months</source>
        <extracomment>Choice: after how long unused a file counts as old</extracomment>
        <translation>3 месяца</translation>
    </message>
    <message>
        <source>6 months</source>
        <extracomment>Choice: after how long unused a file counts as old</extracomment>
        <translation>6 месяцев</translation>
    </message>
    <message>
        <source>12 months</source>
        <extracomment>Choice: after how long unused a file counts as old</extracomment>
        <translation>12 месяцев</translation>
    </message>
    <message>
        <source>24 months</source>
        <extracomment>Choice: after how long unused a file counts as old</extracomment>
        <translation>24 месяца</translation>
    </message>
    <message>
        <source>Automation</source>
        <extracomment>Heading of a Settings section</extracomment>
        <translation>Автоматизация</translation>
    </message>
    <message>
        <source>Scheduled scan</source>
        <extracomment>Setting: how often Varnholt scans by itself</extracomment>
        <translation>Сканирование по расписанию</translation>
    </message>
    <message>
        <source>Scans when Varnholt starts if the last scan is older than this. Never cleans on its own.</source>
        <translation>При запуске Varnholt выполняет сканирование, если с последнего прошло больше выбранного срока. Очистка без вашего участия не выполняется.</translation>
    </message>
    <message>
        <source>Low space alerts</source>
        <extracomment>Setting: notify when the disk is nearly full</extracomment>
        <translation>Оповещения о нехватке места</translation>
    </message>
    <message>
        <source>Warn when free space drops below 10%.</source>
        <extracomment>The % sign is part of &quot;10%&quot;, not a placeholder</extracomment>
        <translation>Предупреждать, когда свободного места остаётся меньше 10%.</translation>
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
        <source>Ask every time</source>
        <extracomment>Choice of what closing the window does</extracomment>
        <translation>Всегда спрашивать</translation>
    </message>
    <message>
        <source>Keep running in the tray</source>
        <translation>Работать в фоне</translation>
    </message>
    <message>
        <source>Quit Varnholt</source>
        <extracomment>Choice of what closing the window does</extracomment>
        <translation>Выходить из Varnholt</translation>
    </message>
    <message>
        <source>When closing the window</source>
        <translation>При закрытии окна</translation>
    </message>
    <message>
        <source>Appearance</source>
        <extracomment>Heading of a Settings section</extracomment>
        <translation>Внешний вид</translation>
    </message>
    <message>
        <source>Theme</source>
        <extracomment>Setting: light or dark colours</extracomment>
        <translation>Тема</translation>
    </message>
    <message>
        <source>Follow the system, or always use light or dark.</source>
        <translation>Использовать тему системы или всегда светлую либо тёмную.</translation>
    </message>
    <message>
        <source>System default (%1)</source>
        <extracomment>Choice of the language; %1: the system&apos;s language</extracomment>
        <translation>Как в системе (%1)</translation>
    </message>
    <message>
        <source>Restart now</source>
        <extracomment>Button: restart to show the new language</extracomment>
        <translation>Перезапустить</translation>
    </message>
    <message>
        <source>Language</source>
        <extracomment>Setting: the language of the interface</extracomment>
        <translation>Язык</translation>
    </message>
    <message>
        <source>Varnholt restarts to switch languages.</source>
        <translation>Для смены языка Varnholt перезапустится.</translation>
    </message>
    <message>
        <source>Exclusions</source>
        <extracomment>Heading of a Settings section: folders never cleaned</extracomment>
        <translation>Исключения</translation>
    </message>
    <message>
        <source>Add folder</source>
        <extracomment>Button: add a folder to the exclusions</extracomment>
        <translation>Добавить папку</translation>
    </message>
    <message>
        <source>Never touch these</source>
        <extracomment>Description of the exclusions</extracomment>
        <translation>Никогда не трогать</translation>
    </message>
    <message>
        <source>Folders and patterns Varnholt always skips.</source>
        <translation>Папки и шаблоны, которые Varnholt всегда пропускает.</translation>
    </message>
    <message>
        <source>Protected system locations</source>
        <extracomment>Row of the exclusions: folders Varnholt never cleans</extracomment>
        <translation>Защищённые системные расположения</translation>
    </message>
    <message>
        <source>Locked</source>
        <extracomment>Badge beside the protected system locations: they cannot be changed</extracomment>
        <translation>Заблокировано</translation>
    </message>
    <message>
        <source>Protected apps</source>
        <extracomment>Row of the exclusions: apps whose data Varnholt never cleans</extracomment>
        <translation>Защищённые приложения</translation>
    </message>
    <message>
        <source> — their data is never cleaned. Caches of running apps and open files are skipped too.</source>
        <translation> — их данные никогда не очищаются. Кэши запущенных приложений и открытые файлы тоже пропускаются.</translation>
    </message>
    <message>
        <source>Permissions &amp; about</source>
        <extracomment>Heading of a Settings section</extracomment>
        <translation>Разрешения и сведения</translation>
    </message>
    <message>
        <source>Full Disk Access</source>
        <extracomment>A macOS permission</extracomment>
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
        <extracomment>Row: whether Varnholt runs with administrator rights</extracomment>
        <translation>Права администратора</translation>
    </message>
    <message>
        <source>Granted</source>
        <extracomment>Badge: administrator rights are held</extracomment>
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
        <extracomment>Button: restart Varnholt with administrator rights</extracomment>
        <translation>Перезапустить от админа</translation>
    </message>
    <message>
        <source>Check for updates</source>
        <extracomment>Button</extracomment>
        <translation>Проверить обновления</translation>
    </message>
    <message>
        <source>Open logs</source>
        <extracomment>Button: open the folder of the cleanup logs</extracomment>
        <translation>Открыть журналы</translation>
    </message>
    <message>
        <source>Every cleanup writes a log you can review. Varnholt checks for updates when it starts.</source>
        <translation>Каждая очистка ведёт журнал, который можно просмотреть. Varnholt проверяет наличие обновлений при запуске.</translation>
    </message>
    <message>
        <source>Remove</source>
        <extracomment>Button beside an excluded folder: take it off the list</extracomment>
        <translation>Удалить</translation>
    </message>
    <message>
        <source>Files bigger than this appear in the Space Map.</source>
        <translation>Файлы крупнее этого размера показываются на странице «Карта диска».</translation>
    </message>
    <message>
        <source>Recent cleanups</source>
        <extracomment>Heading of a Settings section</extracomment>
        <translation>Недавние очистки</translation>
    </message>
    <message>
        <source>No cleanups yet</source>
        <extracomment>In place of the list of recent cleanups</extracomment>
        <translation>Очисток пока не было</translation>
    </message>
    <message>
        <source>Every cleanup writes a log you can review.</source>
        <translation>Каждая очистка ведёт журнал, который можно просмотреть.</translation>
    </message>
    <message>
        <source>Restore</source>
        <extracomment>Button beside a past cleanup: put back what it moved to the bin</extracomment>
        <translation>Восстановить</translation>
    </message>
    <message>
        <source>Used by the “Unused” filter.</source>
        <translation>Используется фильтром «Не использовались».</translation>
    </message>
    <message>
        <source>Nothing was cleaned</source>
        <extracomment>What a past cleanup did</extracomment>
        <translation>Ничего не очищено</translation>
    </message>
    <message>
        <source>Check again</source>
        <extracomment>Button beside a note: read the settings file again</extracomment>
        <translation>Проверить снова</translation>
    </message>
    <message>
        <source>Your settings in %1 cannot be read, so what they hold is unknown. The options kept there stay locked until the file can be read again.</source>
        <extracomment>%1: a file&apos;s path</extracomment>
        <translation>Не удаётся прочитать ваши настройки в %1, поэтому их содержимое неизвестно. Параметры, которые хранятся там, останутся заблокированными, пока файл снова не удастся прочитать.</translation>
    </message>
    <message>
        <source>Varnholt could not start again. Close it and open it yourself to switch languages.</source>
        <translation>Не удалось перезапустить Varnholt. Чтобы сменить язык, закройте его и откройте снова.</translation>
    </message>
    <message>
        <source>Move items to the Recycle Bin</source>
        <translation>Перемещать файлы в корзину</translation>
    </message>
    <message>
        <source>Move items to the Trash</source>
        <translation>Перемещать файлы в корзину</translation>
    </message>
    <message>
        <source>Off</source>
        <comment>scheduled scan</comment>
        <translation>Выключено</translation>
    </message>
    <message>
        <source>Weekly</source>
        <comment>scheduled scan</comment>
        <translation>Еженедельно</translation>
    </message>
    <message>
        <source>Monthly</source>
        <comment>scheduled scan</comment>
        <translation>Ежемесячно</translation>
    </message>
    <message>
        <source>Keep a history of folder sizes</source>
        <translation>Вести историю размеров папок</translation>
    </message>
    <message>
        <source>Once a day, Varnholt notes how big your folders are so it can show what grew. Nothing leaves this computer.</source>
        <translation>Раз в день Varnholt записывает размеры ваших папок, чтобы показывать, что выросло. Никакие данные не покидают этот компьютер.</translation>
    </message>
    <message>
        <source>Open at login</source>
        <comment>setting: start Varnholt at login</comment>
        <translation>Открывать при входе в систему</translation>
    </message>
    <message>
        <source>Start with Windows</source>
        <comment>setting: start Varnholt at login</comment>
        <translation>Запускать вместе с Windows</translation>
    </message>
    <message>
        <source>Start at login</source>
        <comment>setting: start Varnholt at login</comment>
        <translation>Запускать при входе в систему</translation>
    </message>
    <message>
        <source>System</source>
        <comment>theme that follows the system&apos;s light or dark mode</comment>
        <translation>Системная</translation>
    </message>
    <message>
        <source>Light</source>
        <comment>theme</comment>
        <translation>Светлая</translation>
    </message>
    <message>
        <source>Dark</source>
        <comment>theme</comment>
        <translation>Тёмная</translation>
    </message>
    <message>
        <source>C:\Windows\System32, WinSxS, Program Files, drive roots — always skipped.</source>
        <extracomment>The folder names stay as the system writes them</extracomment>
        <translation>C:\Windows\System32, WinSxS, Program Files, корневые папки дисков — всегда пропускаются.</translation>
    </message>
    <message>
        <source>/usr, /etc, /boot, /var/lib, system folders — always skipped.</source>
        <extracomment>The folder names stay as the system writes them</extracomment>
        <translation>/usr, /etc, /boot, /var/lib, системные папки — всегда пропускаются.</translation>
    </message>
    <message>
        <source>%1 in all: the Recycle Bin emptied, items deleted permanently or moved to it</source>
        <comment>%1: a size</comment>
        <translation>Всего %1: корзина очищена, объекты удалены безвозвратно или перемещены в неё</translation>
    </message>
    <message>
        <source>%1 in all: the Trash emptied, items deleted permanently or moved to it</source>
        <comment>%1: a size</comment>
        <translation>Всего %1: корзина очищена, объекты удалены безвозвратно или перемещены в неё</translation>
    </message>
    <message>
        <source>%1 moved to the Recycle Bin or deleted permanently</source>
        <comment>%1: a size</comment>
        <translation>%1 перемещено в корзину или удалено безвозвратно</translation>
    </message>
    <message>
        <source>%1 moved to the Trash or deleted permanently</source>
        <comment>%1: a size</comment>
        <translation>%1 перемещено в корзину или удалено безвозвратно</translation>
    </message>
    <message>
        <source>%1 in all: the Recycle Bin emptied, then items moved to it</source>
        <comment>%1: a size</comment>
        <translation>Всего %1: корзина очищена, затем в неё перемещены объекты</translation>
    </message>
    <message>
        <source>%1 in all: the Trash emptied, then items moved to it</source>
        <comment>%1: a size</comment>
        <translation>Всего %1: корзина очищена, затем в неё перемещены объекты</translation>
    </message>
    <message>
        <source>%1 moved to the Recycle Bin</source>
        <comment>%1: a size</comment>
        <translation>%1 перемещено в корзину</translation>
    </message>
    <message>
        <source>%1 moved to the Trash</source>
        <comment>%1: a size</comment>
        <translation>%1 перемещено в корзину</translation>
    </message>
    <message>
        <source>%1 freed: items deleted permanently and the Recycle Bin emptied</source>
        <comment>%1: a size</comment>
        <translation>Освобождено %1: объекты удалены безвозвратно, корзина очищена</translation>
    </message>
    <message>
        <source>%1 freed: items deleted permanently and the Trash emptied</source>
        <comment>%1: a size</comment>
        <translation>Освобождено %1: объекты удалены безвозвратно, корзина очищена</translation>
    </message>
    <message>
        <source>%1 deleted permanently</source>
        <comment>%1: a size</comment>
        <translation>%1 удалено безвозвратно</translation>
    </message>
    <message>
        <source>The Recycle Bin was emptied: %1 freed</source>
        <comment>%1: a size</comment>
        <translation>Корзина очищена: освобождено %1</translation>
    </message>
    <message>
        <source>The Trash was emptied: %1 freed</source>
        <comment>%1: a size</comment>
        <translation>Корзина очищена: освобождено %1</translation>
    </message>
    <message>
        <source>Put back what this cleanup moved to the Recycle Bin. Nothing that is in its place now is replaced.</source>
        <translation>Возвращает на место то, что эта очистка переместила в корзину. То, что сейчас находится на этих местах, не заменяется.</translation>
    </message>
    <message>
        <source>Put back what this cleanup moved to the Trash. Nothing that is in its place now is replaced.</source>
        <translation>Возвращает на место то, что эта очистка переместила в корзину. То, что сейчас находится на этих местах, не заменяется.</translation>
    </message>
    <message>
        <source>Forget history</source>
        <translation>Удалить историю</translation>
    </message>
    <message>
        <source>Forget the history of folder sizes?</source>
        <translation>Удалить историю размеров папок?</translation>
    </message>
    <message>
        <source>Every reading Varnholt took of your folder sizes is removed. What grew shows again once new readings have been taken.</source>
        <translation>Все замеры размеров ваших папок, сделанные Varnholt, будут удалены. Рост папок снова будет виден после новых замеров.</translation>
    </message>
    <message>
        <source>The history of folder sizes is forgotten</source>
        <translation>История размеров папок удалена</translation>
    </message>
    <message>
        <source>Some readings of folder sizes could not be removed</source>
        <translation>Некоторые замеры размеров папок не удалось удалить</translation>
    </message>
    <message>
        <source>Closing the window keeps Varnholt running there.</source>
        <extracomment>Scheduled scans and alerts run when Varnholt starts, not while it waits in the menu bar</extracomment>
        <translation>После закрытия окна Varnholt продолжает работать в строке меню.</translation>
    </message>
    <message>
        <source>In the tray, Varnholt keeps running until you quit it.</source>
        <extracomment>Scheduled scans and alerts run when Varnholt starts, not while it waits in the tray</extracomment>
        <translation>В области уведомлений Varnholt продолжает работать, пока вы его не закроете.</translation>
    </message>
</context>
<context>
    <name>Sidebar</name>
    <message>
        <source>%1 available of %2</source>
        <extracomment>%1: the free size; %2: the disk&apos;s size</extracomment>
        <translation>Свободно %1 из %2</translation>
    </message>
    <message>
        <source>Smart Scan</source>
        <extracomment>Sidebar entry: the Overview page with its scan of every cleanup category</extracomment>
        <translation>Умное сканирование</translation>
    </message>
    <message>
        <source>Cleanup</source>
        <extracomment>Sidebar entry: the page of the scan&apos;s results and the cleanup</extracomment>
        <translation>Очистка</translation>
    </message>
    <message>
        <source>Space Map</source>
        <extracomment>Sidebar entry: the page that maps where disk space goes (not a geographic map)</extracomment>
        <translation>Карта диска</translation>
    </message>
    <message>
        <source>Settings</source>
        <extracomment>Sidebar entry</extracomment>
        <translation>Настройки</translation>
    </message>
    <message>
        <source>%1 free</source>
        <extracomment>The collapsed sidebar&apos;s drive line; %1: a size</extracomment>
        <translation>%1 свободно</translation>
    </message>
    <message>
        <source>Clean</source>
        <extracomment>Heading over the sidebar&apos;s pages (a section title, not a command)</extracomment>
        <translation>Уборка</translation>
    </message>
    <message>
        <source>Expand sidebar</source>
        <comment>tooltip: widen the sidebar</comment>
        <translation>Развернуть боковую панель</translation>
    </message>
    <message>
        <source>Collapse sidebar</source>
        <comment>tooltip: narrow the sidebar to icons</comment>
        <translation>Свернуть боковую панель</translation>
    </message>
</context>
<context>
    <name>TitleBar</name>
    <message>
        <source>Menu</source>
        <extracomment>Tooltip of the title bar&apos;s button that opens the app menu</extracomment>
        <translation>Меню</translation>
    </message>
    <message>
        <source>Minimize</source>
        <extracomment>Tooltip of a window button</extracomment>
        <translation>Свернуть</translation>
    </message>
    <message>
        <source>Close</source>
        <extracomment>Tooltip of a window button</extracomment>
        <translation>Закрыть</translation>
    </message>
    <message>
        <source>Restore</source>
        <comment>window button: unmaximize</comment>
        <translation>Восстановить</translation>
    </message>
    <message>
        <source>Maximize</source>
        <comment>window button</comment>
        <translation>Развернуть</translation>
    </message>
</context>
<context>
    <name>Tray</name>
    <message>
        <source>Varnholt is still running</source>
        <translation>Varnholt продолжает работать</translation>
    </message>
    <message>
        <source>Open Varnholt</source>
        <extracomment>Entry of the tray menu</extracomment>
        <translation>Открыть Varnholt</translation>
    </message>
    <message>
        <source>Smart Scan</source>
        <extracomment>Entry of the tray menu: scan every cleanup category</extracomment>
        <translation>Умное сканирование</translation>
    </message>
    <message>
        <source>Settings</source>
        <extracomment>Entry of the tray menu</extracomment>
        <translation>Настройки</translation>
    </message>
    <message>
        <source>Check for Updates</source>
        <extracomment>Entry of the tray menu</extracomment>
        <translation>Проверить обновления</translation>
    </message>
    <message>
        <source>Quit Varnholt</source>
        <extracomment>Entry of the tray menu</extracomment>
        <translation>Выйти из Varnholt</translation>
    </message>
    <message>
        <source>%1 · %2 free</source>
        <extracomment>Tray tooltip; %1: a drive; %2: a size</extracomment>
        <translation>%1 · свободно %2</translation>
    </message>
    <message>
        <source>Space Map</source>
        <extracomment>Entry of the tray menu: open the page that maps where disk space goes</extracomment>
        <translation>Карта диска</translation>
    </message>
    <message>
        <source>It stays in the system tray. Right-click the icon to quit.</source>
        <extracomment>Balloon shown once the window first hides in the tray</extracomment>
        <translation>Программа остаётся в области уведомлений. Чтобы выйти, щёлкните её значок правой кнопкой мыши.</translation>
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
        <extracomment>%1: the system&apos;s reason</extracomment>
        <translation>Не удалось сохранить обновление: %1</translation>
    </message>
    <message>
        <source>The update has an unexpected size.</source>
        <translation>Размер обновления не соответствует ожидаемому.</translation>
    </message>
    <message>
        <source>Could not start the installer.</source>
        <translation>Не удалось запустить установщик.</translation>
    </message>
    <message>
        <source>The update could not be downloaded: %1</source>
        <extracomment>%1: the network&apos;s reason</extracomment>
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
        <extracomment>%1: the publisher&apos;s name</extracomment>
        <translation>Обновление не подписано издателем %1.</translation>
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
        <extracomment>%1: a version number</extracomment>
        <translation>Обновление не является опубликованной версией %1.</translation>
    </message>
</context>
<context>
    <name>fmt</name>
    <message>
        <source>%1 %2</source>
        <extracomment>A size; %1: the number; %2: the unit (KB, MB, …)</extracomment>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>TB</source>
        <extracomment>Unit of size: terabyte</extracomment>
        <translation>ТБ</translation>
    </message>
    <message>
        <source>GB</source>
        <extracomment>Unit of size: gigabyte</extracomment>
        <translation>ГБ</translation>
    </message>
    <message>
        <source>MB</source>
        <extracomment>Unit of size: megabyte</extracomment>
        <translation>МБ</translation>
    </message>
    <message>
        <source>KB</source>
        <extracomment>Unit of size: kilobyte</extracomment>
        <translation>КБ</translation>
    </message>
    <message>
        <source>Today</source>
        <extracomment>A relative date, also in the Opened column of the Space Map</extracomment>
        <translation>Сегодня</translation>
    </message>
    <message>
        <source>Yesterday</source>
        <extracomment>A relative date</extracomment>
        <translation>Вчера</translation>
    </message>
    <message numerus="yes">
        <source>%n day(s) ago</source>
        <extracomment>A relative date</extracomment>
        <translation>
            <numerusform>%n день назад</numerusform>
            <numerusform>%n дня назад</numerusform>
            <numerusform>%n дней назад</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n week(s) ago</source>
        <extracomment>A relative date</extracomment>
        <translation>
            <numerusform>%n неделю назад</numerusform>
            <numerusform>%n недели назад</numerusform>
            <numerusform>%n недель назад</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n month(s) ago</source>
        <extracomment>A relative date</extracomment>
        <translation>
            <numerusform>%n месяц назад</numerusform>
            <numerusform>%n месяца назад</numerusform>
            <numerusform>%n месяцев назад</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n year(s) ago</source>
        <extracomment>A relative date</extracomment>
        <translation>
            <numerusform>%n год назад</numerusform>
            <numerusform>%n года назад</numerusform>
            <numerusform>%n лет назад</numerusform>
        </translation>
    </message>
</context>
</TS>
