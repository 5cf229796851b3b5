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
        <translation>%1 (%2) перемещено в %3</translation>
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
        <source>Cache folders in ~/.config and ~/.cache</source>
        <translation>Папки кэша в ~/.config и ~/.cache</translation>
    </message>
    <message>
        <source>Xorg logs, crash reports</source>
        <translation>Журналы Xorg, отчёты о сбоях</translation>
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
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>REVIEW BEFORE CLEANING</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CANNOT BE UNDONE</source>
        <translation type="unfinished"></translation>
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
</context>
<context>
    <name>MenuBar</name>
    <message>
        <source>Varnholt Website</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Overlay</name>
    <message>
        <source>Version %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Finds the space your computer can spare.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Undo</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>OverviewPage</name>
    <message>
        <source>Scanned %1</source>
        <translation type="unfinished"></translation>
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
    <name>Sidebar</name>
    <message>
        <source>%1 available of %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Smart Scan</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cleanup</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Space Map</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Settings</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TitleBar</name>
    <message>
        <source>Menu</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Tray</name>
    <message>
        <source>Varnholt is still running</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>It stays in the system tray so scheduled scans and alerts keep working. Right-click the icon to quit.</source>
        <translation type="unfinished"></translation>
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
