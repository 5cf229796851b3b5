<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>AppGuard</name>
    <message>
        <source>Password managers, input methods, security and device-management agents, VPNs</source>
        <translation>Gestores de contraseñas, métodos de entrada, agentes de seguridad y de gestión de dispositivos, VPN</translation>
    </message>
</context>
<context>
    <name>AppState</name>
    <message>
        <source>1 file</source>
        <translation>1 archivo</translation>
    </message>
    <message>
        <source>%1 files</source>
        <translation>%1 archivos</translation>
    </message>
    <message>
        <source>%1 (%2) moved to the %3</source>
        <translation>%1 (%2) se movieron a la %3</translation>
    </message>
    <message>
        <source> · %1 in use, skipped</source>
        <translation> · %1 en uso, omitidos</translation>
    </message>
    <message numerus="yes">
        <source>Restored %n file(s)</source>
        <translation>
            <numerusform>Se restauró %n archivo</numerusform>
            <numerusform>Se restauraron %n archivos</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Categories</name>
    <message>
        <source>Scratch files that apps and the system create while working. They are not needed once the app closes.</source>
        <translation>Archivos provisionales que las aplicaciones y el sistema crean mientras trabajan. No se necesitan una vez cerrada la aplicación.</translation>
    </message>
    <message>
        <source>Data apps keep to load faster. Apps rebuild these automatically the next time they need them.</source>
        <translation>Datos que las aplicaciones guardan para cargar más rápido. Las aplicaciones los regeneran automáticamente la próxima vez que los necesitan.</translation>
    </message>
    <message>
        <source>Cached images, scripts and pages. Sign-ins, history, bookmarks and passwords are never touched.</source>
        <translation>Imágenes, scripts y páginas en caché. Los inicios de sesión, el historial, los marcadores y las contraseñas nunca se tocan.</translation>
    </message>
    <message>
        <source>Diagnostic logs and crash reports. Useful only when troubleshooting a recent problem.</source>
        <translation>Registros de diagnóstico e informes de fallos. Solo son útiles para investigar un problema reciente.</translation>
    </message>
    <message>
        <source>Preview images of your files. They are regenerated the next time you open a folder.</source>
        <translation>Imágenes de vista previa de sus archivos. Se regeneran la próxima vez que abra una carpeta.</translation>
    </message>
    <message>
        <source>Package manager caches and build output. Removing them is safe, but the next build or install will be slower.</source>
        <translation>Cachés de gestores de paquetes y resultados de compilación. Eliminarlos es seguro, pero la próxima compilación o instalación será más lenta.</translation>
    </message>
    <message>
        <source>All drives</source>
        <translation>Todas las unidades</translation>
    </message>
    <message>
        <source>Items you have already deleted. Emptying cannot be undone.</source>
        <translation>Elementos que ya ha eliminado. Vaciarla no se puede deshacer.</translation>
    </message>
    <message>
        <source>Temporary files</source>
        <translation>Archivos temporales</translation>
    </message>
    <message>
        <source>App caches</source>
        <translation>Cachés de aplicaciones</translation>
    </message>
    <message>
        <source>Cache folders in %LOCALAPPDATA% and %APPDATA%</source>
        <translation>Carpetas de caché en %LOCALAPPDATA% y %APPDATA%</translation>
    </message>
    <message>
        <source>DirectX shader cache</source>
        <translation>Caché de sombreadores de DirectX</translation>
    </message>
    <message>
        <source>Browser caches</source>
        <translation>Cachés del navegador</translation>
    </message>
    <message>
        <source>Internet cache</source>
        <translation>Caché de Internet</translation>
    </message>
    <message>
        <source>Logs &amp; crash reports</source>
        <translation>Registros e informes de fallos</translation>
    </message>
    <message>
        <source>Thumbnail cache</source>
        <translation>Caché de miniaturas</translation>
    </message>
    <message>
        <source>Windows Update leftovers</source>
        <translation>Restos de Windows Update</translation>
    </message>
    <message>
        <source>Files left behind after Windows updates are installed. Safe once the update is complete; Windows downloads them again if it needs them.</source>
        <translation>Archivos que quedan tras instalar actualizaciones de Windows. Es seguro eliminarlos una vez completada la actualización; Windows los vuelve a descargar si los necesita.</translation>
    </message>
    <message>
        <source>Windows Update downloads</source>
        <translation>Descargas de Windows Update</translation>
    </message>
    <message>
        <source>Delivery Optimization cache</source>
        <translation>Caché de Optimización de distribución</translation>
    </message>
    <message>
        <source>Developer caches</source>
        <translation>Cachés de desarrollo</translation>
    </message>
    <message>
        <source>Recycle Bin</source>
        <translation>Papelera de reciclaje</translation>
    </message>
    <message>
        <source>Cache folders in ~/.config and ~/.cache</source>
        <translation>Carpetas de caché en ~/.config y ~/.cache</translation>
    </message>
    <message>
        <source>Xorg logs, crash reports</source>
        <translation>Registros de Xorg, informes de fallos</translation>
    </message>
    <message>
        <source>Package cache</source>
        <translation>Caché de paquetes</translation>
    </message>
    <message>
        <source>Packages the package manager keeps after installing them. Safe to remove; they are downloaded again if they are needed.</source>
        <translation>Paquetes que el gestor de paquetes conserva tras instalarlos. Es seguro eliminarlos; se vuelven a descargar si hacen falta.</translation>
    </message>
    <message>
        <source>DNF package cache</source>
        <translation>Caché de paquetes de DNF</translation>
    </message>
    <message>
        <source>Trash</source>
        <translation>Papelera</translation>
    </message>
    <message>
        <source>Safe</source>
        <translation>Seguro</translation>
    </message>
    <message>
        <source>Review</source>
        <translation>Revisar</translation>
    </message>
    <message>
        <source>Permanent</source>
        <translation>Permanente</translation>
    </message>
    <message>
        <source>%1 (all drives)</source>
        <translation>%1 (todas las unidades)</translation>
    </message>
</context>
<context>
    <name>Cleaner</name>
    <message>
        <source>delete permanently</source>
        <translation>eliminar permanentemente</translation>
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
        <translation>%1 está casi lleno. Ejecute el Análisis inteligente para liberar espacio.</translation>
    </message>
    <message>
        <source>Varnholt was updated to version %1.</source>
        <translation>Varnholt se actualizó a la versión %1.</translation>
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
        <translation>Disco local</translation>
    </message>
    <message>
        <source>Trash</source>
        <translation>Papelera</translation>
    </message>
    <message>
        <source>File Manager</source>
        <translation>Gestor de archivos</translation>
    </message>
    <message>
        <source>Recycle Bin</source>
        <translation>Papelera de reciclaje</translation>
    </message>
    <message>
        <source>File Explorer</source>
        <translation>Explorador de archivos</translation>
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
        <translation>No se pudo leer la información de la actualización.</translation>
    </message>
    <message>
        <source>The update is not on Varnholt&apos;s server.</source>
        <translation>La actualización no está en el servidor de Varnholt.</translation>
    </message>
    <message>
        <source>Could not save the update: %1</source>
        <translation>No se pudo guardar la actualización: %1</translation>
    </message>
    <message>
        <source>The update has an unexpected size.</source>
        <translation>La actualización tiene un tamaño inesperado.</translation>
    </message>
    <message>
        <source>Could not start the installer.</source>
        <translation>No se pudo iniciar el instalador.</translation>
    </message>
    <message>
        <source>The update could not be downloaded: %1</source>
        <translation>No se pudo descargar la actualización: %1</translation>
    </message>
    <message>
        <source>Could not read the update.</source>
        <translation>No se pudo leer la actualización.</translation>
    </message>
    <message>
        <source>The update does not match the published checksum.</source>
        <translation>La actualización no coincide con la suma de comprobación publicada.</translation>
    </message>
    <message>
        <source>The update is not signed by %1.</source>
        <translation>La actualización no está firmada por %1.</translation>
    </message>
    <message>
        <source>The update was downloaded. Install it with your package manager.</source>
        <translation>Se descargó la actualización. Instálela con su gestor de paquetes.</translation>
    </message>
    <message>
        <source>The update was not installed, because Windows did not get permission to install it.</source>
        <translation>La actualización no se instaló porque Windows no obtuvo permiso para instalarla.</translation>
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
        <translation>TB</translation>
    </message>
    <message>
        <source>GB</source>
        <translation>GB</translation>
    </message>
    <message>
        <source>MB</source>
        <translation>MB</translation>
    </message>
    <message>
        <source>KB</source>
        <translation>KB</translation>
    </message>
    <message>
        <source>Today</source>
        <translation>Hoy</translation>
    </message>
    <message>
        <source>Yesterday</source>
        <translation>Ayer</translation>
    </message>
    <message numerus="yes">
        <source>%n day(s) ago</source>
        <translation>
            <numerusform>hace %n día</numerusform>
            <numerusform>hace %n días</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n week(s) ago</source>
        <translation>
            <numerusform>hace %n semana</numerusform>
            <numerusform>hace %n semanas</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n month(s) ago</source>
        <translation>
            <numerusform>hace %n mes</numerusform>
            <numerusform>hace %n meses</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n year(s) ago</source>
        <translation>
            <numerusform>hace %n año</numerusform>
            <numerusform>hace %n años</numerusform>
        </translation>
    </message>
</context>
</TS>
