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
    <message numerus="yes">
        <source>Restored %n file(s)</source>
        <extracomment>Toast after Undo put the files moved from the Space Map back</extracomment>
        <translation>
            <numerusform>Se restauró %n archivo</numerusform>
            <numerusform>Se restauraron %n archivos</numerusform>
        </translation>
    </message>
    <message>
        <source>Nothing was cleaned: your settings cannot be read.</source>
        <translation>No se limpió nada: no se puede leer su configuración.</translation>
    </message>
    <message>
        <source>That cleanup log could not be read; nothing was restored.</source>
        <translation>No se pudo leer ese registro de limpieza; no se restauró nada.</translation>
    </message>
    <message numerus="yes">
        <source>At this rate the disk is full in about %n week(s)</source>
        <extracomment>Forecast on the Overview, from the history of free space</extracomment>
        <translation>
            <numerusform>A este ritmo, el disco se llenará en aproximadamente %n semana</numerusform>
            <numerusform>A este ritmo, el disco se llenará en aproximadamente %n semanas</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>At this rate the disk is full in about %n day(s)</source>
        <translation>
            <numerusform>A este ritmo, el disco se llenará en aproximadamente %n día</numerusform>
            <numerusform>A este ritmo, el disco se llenará en aproximadamente %n días</numerusform>
        </translation>
    </message>
    <message>
        <source>Free space falls by about %1 a day</source>
        <extracomment>%1: a size, e.g. &quot;1.2 GB&quot;</extracomment>
        <translation>El espacio libre baja unos %1 al día</translation>
    </message>
    <message>
        <source>Free space rises by about %1 a day</source>
        <extracomment>%1: a size, e.g. &quot;1.2 GB&quot;</extracomment>
        <translation>El espacio libre sube unos %1 al día</translation>
    </message>
    <message numerus="yes">
        <source>%Ln file(s) (%1) moved to the Recycle Bin</source>
        <comment>%1: their size</comment>
        <translation>
            <numerusform>%Ln archivo (%1) movido a la Papelera de reciclaje</numerusform>
            <numerusform>%Ln archivos (%1) movidos a la Papelera de reciclaje</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln file(s) (%1) moved to the Trash</source>
        <comment>%1: their size</comment>
        <translation>
            <numerusform>%Ln archivo (%1) movido a la Papelera</numerusform>
            <numerusform>%Ln archivos (%1) movidos a la Papelera</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source> · %Ln in use, skipped</source>
        <comment>follows the files moved; the number of files left alone</comment>
        <translation>
            <numerusform> · %Ln en uso, omitido</numerusform>
            <numerusform> · %Ln en uso, omitidos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source> · %Ln could not be moved to the Recycle Bin</source>
        <comment>follows the files moved</comment>
        <translation>
            <numerusform> · %Ln no se pudo mover a la Papelera de reciclaje</numerusform>
            <numerusform> · %Ln no se pudieron mover a la Papelera de reciclaje</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source> · %Ln could not be moved to the Trash</source>
        <comment>follows the files moved</comment>
        <translation>
            <numerusform> · %Ln no se pudo mover a la Papelera</numerusform>
            <numerusform> · %Ln no se pudieron mover a la Papelera</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Restored %n item(s) from the Recycle Bin</source>
        <extracomment>Result line after restoring a cleanup; may be followed by the size in brackets</extracomment>
        <translation>
            <numerusform>Se restauró %n elemento de la Papelera de reciclaje</numerusform>
            <numerusform>Se restauraron %n elementos de la Papelera de reciclaje</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Restored %n item(s) from the Trash</source>
        <extracomment>Result line after restoring a cleanup; may be followed by the size in brackets</extracomment>
        <translation>
            <numerusform>Se restauró %n elemento de la Papelera</numerusform>
            <numerusform>Se restauraron %n elementos de la Papelera</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln not restored: %1</source>
        <comment>%1: why, e.g. no longer in the bin</comment>
        <translation>
            <numerusform>%Ln sin restaurar: %1</numerusform>
            <numerusform>%Ln sin restaurar: %1</numerusform>
        </translation>
    </message>
    <message>
        <source>found through the Recycle Bin&apos;s own records (an older log)</source>
        <translation>elementos localizados mediante las entradas de la propia Papelera de reciclaje (registro antiguo)</translation>
    </message>
    <message>
        <source>found through the Trash&apos;s own records (an older log)</source>
        <translation>elementos localizados mediante las entradas de la propia Papelera (registro antiguo)</translation>
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
        <extracomment>Where a category looks: every drive, not one folder</extracomment>
        <translation>Todas las unidades</translation>
    </message>
    <message>
        <source>Items you have already deleted. Emptying cannot be undone.</source>
        <translation>Elementos que ya ha eliminado. Vaciarla no se puede deshacer.</translation>
    </message>
    <message>
        <source>Temporary files</source>
        <extracomment>Name of a cleanup category</extracomment>
        <translation>Archivos temporales</translation>
    </message>
    <message>
        <source>App caches</source>
        <extracomment>Name of a cleanup category</extracomment>
        <translation>Cachés de aplicaciones</translation>
    </message>
    <message>
        <source>Cache folders in %LOCALAPPDATA% and %APPDATA%</source>
        <extracomment>Description of a category; %LOCALAPPDATA% and %APPDATA% are Windows folder names, keep them</extracomment>
        <translation>Carpetas de caché en %LOCALAPPDATA% y %APPDATA%</translation>
    </message>
    <message>
        <source>DirectX shader cache</source>
        <extracomment>Item of the app caches; DirectX is the name of a program</extracomment>
        <translation>Caché de sombreadores de DirectX</translation>
    </message>
    <message>
        <source>Browser caches</source>
        <extracomment>Name of a cleanup category</extracomment>
        <translation>Cachés del navegador</translation>
    </message>
    <message>
        <source>Internet cache</source>
        <extracomment>Item of the browser caches</extracomment>
        <translation>Caché de Internet</translation>
    </message>
    <message>
        <source>Logs &amp; crash reports</source>
        <translation>Registros e informes de fallos</translation>
    </message>
    <message>
        <source>Thumbnail cache</source>
        <extracomment>Name of a cleanup category: small preview pictures of files</extracomment>
        <translation>Caché de miniaturas</translation>
    </message>
    <message>
        <source>Windows Update leftovers</source>
        <extracomment>Name of a cleanup category</extracomment>
        <translation>Restos de Windows Update</translation>
    </message>
    <message>
        <source>Files left behind after Windows updates are installed. Safe once the update is complete; Windows downloads them again if it needs them.</source>
        <translation>Archivos que quedan tras instalar actualizaciones de Windows. Es seguro eliminarlos una vez completada la actualización; Windows los vuelve a descargar si los necesita.</translation>
    </message>
    <message>
        <source>Windows Update downloads</source>
        <extracomment>Item of the Windows Update leftovers</extracomment>
        <translation>Descargas de Windows Update</translation>
    </message>
    <message>
        <source>Delivery Optimization cache</source>
        <extracomment>Item of the Windows Update leftovers; Delivery Optimization is a Windows service</extracomment>
        <translation>Caché de Optimización de distribución</translation>
    </message>
    <message>
        <source>Developer caches</source>
        <extracomment>Name of a cleanup category: caches of programming tools</extracomment>
        <translation>Cachés de desarrollo</translation>
    </message>
    <message>
        <source>Recycle Bin</source>
        <extracomment>Name of the cleanup category that empties the Recycle Bin</extracomment>
        <translation>Papelera de reciclaje</translation>
    </message>
    <message>
        <source>Package cache</source>
        <extracomment>Name of a cleanup category: downloaded software packages</extracomment>
        <translation>Caché de paquetes</translation>
    </message>
    <message>
        <source>Packages the package manager keeps after installing them. Safe to remove; they are downloaded again if they are needed.</source>
        <translation>Paquetes que el gestor de paquetes conserva tras instalarlos. Es seguro eliminarlos; se vuelven a descargar si hacen falta.</translation>
    </message>
    <message>
        <source>DNF package cache</source>
        <extracomment>Item of the package cache; DNF is the name of a program</extracomment>
        <translation>Caché de paquetes de DNF</translation>
    </message>
    <message>
        <source>Trash</source>
        <extracomment>Name of the cleanup category that empties the Trash</extracomment>
        <translation>Papelera</translation>
    </message>
    <message>
        <source>Safe</source>
        <extracomment>Risk level of a category: cleaning it loses nothing the user needs</extracomment>
        <translation>Seguro</translation>
    </message>
    <message>
        <source>Review</source>
        <extracomment>Risk level of a category: look at it before cleaning (an adjective, not a command)</extracomment>
        <translation>Revisar</translation>
    </message>
    <message>
        <source>Permanent</source>
        <extracomment>Risk level of a category: what goes cannot be restored</extracomment>
        <translation>Permanente</translation>
    </message>
    <message>
        <source>%1 was left out: it leads through a link to %2.</source>
        <extracomment>%1: a folder of the catalogue; %2: where its link leads</extracomment>
        <translation>Se omitió %1: lleva a %2 a través de un enlace.</translation>
    </message>
    <message>
        <source>%1 was left out: it is the home folder or holds it.</source>
        <extracomment>%1: a folder of the catalogue</extracomment>
        <translation>Se omitió %1: es la carpeta personal o la contiene.</translation>
    </message>
    <message>
        <source>%1 was left out: it lies in a protected location.</source>
        <extracomment>%1: a folder of the catalogue</extracomment>
        <translation>Se omitió %1: está en una ubicación protegida.</translation>
    </message>
    <message>
        <source>%1 was left out: it overlaps %2.</source>
        <extracomment>%1: a folder of the catalogue; %2: the category it overlaps</extracomment>
        <translation>Se omitió %1: se superpone con %2.</translation>
    </message>
    <message>
        <source>App logs, crash reports</source>
        <translation>Registros de aplicaciones, informes de fallos</translation>
    </message>
    <message>
        <source>Cache folders in ~/.config, ~/.cache and Flatpak and Snap apps</source>
        <translation>Carpetas de caché en ~/.config, ~/.cache y en aplicaciones Flatpak y Snap</translation>
    </message>
    <message>
        <source>%1 (PID %2)</source>
        <extracomment>%1: a program&apos;s name; %2: its process number</extracomment>
        <translation>%1 (PID %2)</translation>
    </message>
    <message>
        <source>%1 is left out: its name is not valid text.</source>
        <extracomment>%1: a folder</extracomment>
        <translation>%1 se omite: su nombre no es un texto válido.</translation>
    </message>
    <message>
        <source>npm cache</source>
        <extracomment>Item of the developer caches; npm is the name of a program</extracomment>
        <translation>Caché de npm</translation>
    </message>
    <message>
        <source>Yarn cache</source>
        <extracomment>Item of the developer caches; Yarn is the name of a program</extracomment>
        <translation>Caché de Yarn</translation>
    </message>
    <message>
        <source>pip cache</source>
        <extracomment>Item of the developer caches; pip is the name of a program</extracomment>
        <translation>Caché de pip</translation>
    </message>
    <message>
        <source>NuGet HTTP cache</source>
        <extracomment>Item of the developer caches; NuGet is the name of a program</extracomment>
        <translation>Caché HTTP de NuGet</translation>
    </message>
    <message>
        <source>Go build cache</source>
        <extracomment>Item of the developer caches; Go is a programming language</extracomment>
        <translation>Caché de compilación de Go</translation>
    </message>
    <message>
        <source>Gradle caches</source>
        <extracomment>Item of the developer caches; Gradle is the name of a program</extracomment>
        <translation>Cachés de Gradle</translation>
    </message>
    <message>
        <source>Cargo registry cache</source>
        <extracomment>Item of the developer caches; Cargo is the name of a program</extracomment>
        <translation>Caché del registro de Cargo</translation>
    </message>
    <message>
        <source>%1 is left out: another program is working in it.</source>
        <comment>%1: a folder</comment>
        <translation>%1 se omite: otro programa está trabajando en esta carpeta.</translation>
    </message>
    <message>
        <source>%1 is left out: in use by %2.</source>
        <comment>%1: a folder; %2: the programs using it</comment>
        <translation>%1 se omite: en uso por %2.</translation>
    </message>
    <message>
        <source>Recycle Bin (all drives)</source>
        <translation>Papelera de reciclaje (todas las unidades)</translation>
    </message>
    <message>
        <source>Trash (all drives)</source>
        <extracomment>The one item of the Trash category: the Trash of every drive</extracomment>
        <translation>Papelera (todas las unidades)</translation>
    </message>
</context>
<context>
    <name>Cleaner</name>
    <message>
        <source>delete permanently</source>
        <extracomment>Mode line of the cleanup log: the files are removed for good</extracomment>
        <translation>eliminar permanentemente</translation>
    </message>
</context>
<context>
    <name>CleanupPage</name>
    <message>
        <source>SAFE TO CLEAN</source>
        <extracomment>Heading over the categories of the Safe risk level</extracomment>
        <translation>LIMPIEZA SEGURA</translation>
    </message>
    <message>
        <source>REVIEW BEFORE CLEANING</source>
        <extracomment>Heading over the categories of the Review risk level</extracomment>
        <translation>REVISAR ANTES DE LIMPIAR</translation>
    </message>
    <message>
        <source>CANNOT BE UNDONE</source>
        <extracomment>Heading over the categories of the Permanent risk level</extracomment>
        <translation>NO SE PUEDE DESHACER</translation>
    </message>
    <message>
        <source>Cleanup</source>
        <extracomment>Title of the Cleanup page</extracomment>
        <translation>Limpieza</translation>
    </message>
    <message>
        <source>Nothing scanned yet</source>
        <extracomment>Heading of the Cleanup page before the first scan</extracomment>
        <translation>Aún no se ha analizado nada</translation>
    </message>
    <message>
        <source>Find caches, temporary files and leftovers.</source>
        <translation>Busque cachés, archivos temporales y restos.</translation>
    </message>
    <message>
        <source>Start Smart Scan</source>
        <extracomment>Button; Smart Scan is the scan of every cleanup category</extracomment>
        <translation>Iniciar Análisis inteligente</translation>
    </message>
    <message>
        <source>Scanning</source>
        <extracomment>Heading of the Cleanup page while the scan runs</extracomment>
        <translation>Analizando</translation>
    </message>
    <message>
        <source>In progress</source>
        <extracomment>Eyebrow over the heading while a scan or cleanup runs</extracomment>
        <translation>En curso</translation>
    </message>
    <message>
        <source>Stop</source>
        <extracomment>Button that stops the running scan</extracomment>
        <translation>Detener</translation>
    </message>
    <message>
        <source>Items checked</source>
        <extracomment>Caption under the number of files looked at so far</extracomment>
        <translation>Elementos analizados</translation>
    </message>
    <message>
        <source>Elapsed</source>
        <extracomment>Caption under the time a scan has run so far</extracomment>
        <translation>Transcurrido</translation>
    </message>
    <message>
        <source>Remaining</source>
        <extracomment>Caption under the estimated time a scan still needs</extracomment>
        <translation>Restante</translation>
    </message>
    <message>
        <source>found</source>
        <extracomment>Caption under the size found so far, inside the scan&apos;s radar</extracomment>
        <translation>encontrados</translation>
    </message>
    <message>
        <source>Cleaning</source>
        <extracomment>Heading of the Cleanup page while the cleanup runs</extracomment>
        <translation>Limpiando</translation>
    </message>
    <message>
        <source>of %1</source>
        <extracomment>Under the size cleaned so far, inside the progress ring; %1: the total size</extracomment>
        <translation>de %1</translation>
    </message>
    <message>
        <source>Cleanup complete</source>
        <extracomment>Heading once a cleanup ended</extracomment>
        <translation>Limpieza completada</translation>
    </message>
    <message>
        <source>Available before</source>
        <extracomment>Caption: free disk space before the cleanup</extracomment>
        <translation>Disponible antes</translation>
    </message>
    <message>
        <source>Available now</source>
        <extracomment>Caption: free disk space after the cleanup</extracomment>
        <translation>Disponible ahora</translation>
    </message>
    <message>
        <source>&lt;b&gt;Some files need administrator rights.&lt;/b&gt; Restart Varnholt as administrator and clean again to remove them.</source>
        <translation>&lt;b&gt;Algunos archivos requieren permisos de administrador.&lt;/b&gt; Reinicie Varnholt como administrador y vuelva a limpiar para eliminarlos.</translation>
    </message>
    <message>
        <source>Restart as admin</source>
        <extracomment>Button: restart Varnholt with administrator rights</extracomment>
        <translation>Reiniciar como admin</translation>
    </message>
    <message>
        <source>View log</source>
        <extracomment>Button: open the cleanup&apos;s log file</extracomment>
        <translation>Ver registro</translation>
    </message>
    <message>
        <source>Done</source>
        <extracomment>Button that closes the cleanup&apos;s result</extracomment>
        <translation>Listo</translation>
    </message>
    <message>
        <source>Items were deleted permanently.</source>
        <translation>Los elementos se eliminaron permanentemente.</translation>
    </message>
    <message>
        <source>For example: %1</source>
        <extracomment>%1: a file&apos;s path</extracomment>
        <translation>Por ejemplo: %1</translation>
    </message>
    <message>
        <source>&lt;b&gt;Left caches of running apps alone:&lt;/b&gt; %1. Quit them and clean again to include them.</source>
        <extracomment>%1: a list of app names</extracomment>
        <translation>&lt;b&gt;No se tocaron las cachés de aplicaciones en ejecución:&lt;/b&gt; %1. Ciérrelas y vuelva a limpiar para incluirlas.</translation>
    </message>
    <message>
        <source>Needs administrator</source>
        <extracomment>In place of a category&apos;s item count: it could only be read with administrator rights</extracomment>
        <translation>Requiere administrador</translation>
    </message>
    <message>
        <source>Select recommended</source>
        <extracomment>Button in the results&apos; header: check the safe categories</extracomment>
        <translation>Seleccionar recomendados</translation>
    </message>
    <message>
        <source>Rescan</source>
        <extracomment>Button in the results&apos; header: scan again</extracomment>
        <translation>Reanalizar</translation>
    </message>
    <message>
        <source>Select all</source>
        <extracomment>Check box: check every category (or every item of one)</extracomment>
        <translation>Seleccionar todo</translation>
    </message>
    <message>
        <source>%1 can be cleaned</source>
        <extracomment>%1: a size, written in larger type</extracomment>
        <translation>%1 se pueden limpiar</translation>
    </message>
    <message>
        <source>Nothing left to clean. Rescan any time.</source>
        <translation>No queda nada por limpiar. Vuelva a analizar cuando quiera.</translation>
    </message>
    <message>
        <source>These files need administrator rights.</source>
        <translation>Estos archivos requieren permisos de administrador.</translation>
    </message>
    <message>
        <source>Some folders need administrator rights.</source>
        <translation>Algunas carpetas requieren permisos de administrador.</translation>
    </message>
    <message>
        <source>%1 is open. Quit it to include its cache.</source>
        <extracomment>%1: an app&apos;s name</extracomment>
        <translation>%1 está abierto. Ciérrelo para incluir su caché.</translation>
    </message>
    <message>
        <source>%1 are open. Quit them to include their caches.</source>
        <extracomment>%1: a list of app names</extracomment>
        <translation>%1 están abiertos. Ciérrelos para incluir sus cachés.</translation>
    </message>
    <message>
        <source>Largest items</source>
        <extracomment>Heading over the biggest items of an opened category</extracomment>
        <translation>Los más grandes</translation>
    </message>
    <message>
        <source>%1 is running</source>
        <extracomment>Beside an item; %1: the app using it</extracomment>
        <translation>%1 está en ejecución</translation>
    </message>
    <message>
        <source>Show %1 more</source>
        <extracomment>Link below a category&apos;s items; %1: how many more are shown</extracomment>
        <translation>Mostrar %1 más</translation>
    </message>
    <message>
        <source>deleted permanently</source>
        <extracomment>Tooltip of the Clean button: what happens to the selection</extracomment>
        <translation>eliminados permanentemente</translation>
    </message>
    <message>
        <source>Clean %1</source>
        <extracomment>The footer&apos;s main button; %1: the selected size</extracomment>
        <translation>Limpiar %1</translation>
    </message>
    <message>
        <source>Large files</source>
        <extracomment>Caption: how many large files were found</extracomment>
        <translation>Archivos grandes</translation>
    </message>
    <message numerus="yes">
        <source>and %Ln more item(s)</source>
        <extracomment>Below the items shown of a category</extracomment>
        <translation>
            <numerusform>y %Ln elemento más</numerusform>
            <numerusform>y %Ln elementos más</numerusform>
        </translation>
    </message>
    <message>
        <source>Check again</source>
        <extracomment>Button beside a note: read the settings file again</extracomment>
        <translation>Comprobar de nuevo</translation>
    </message>
    <message>
        <source>Partly cleaned</source>
        <extracomment>Heading once a cleanup left part of the selection</extracomment>
        <translation>Limpieza parcial</translation>
    </message>
    <message>
        <source>Nothing was cleaned</source>
        <extracomment>Heading once a cleanup removed nothing</extracomment>
        <translation>No se limpió nada</translation>
    </message>
    <message>
        <source>None of the %1 selected could be cleaned.</source>
        <extracomment>%1: a size</extracomment>
        <translation>No se pudo limpiar nada de los %1 seleccionados.</translation>
    </message>
    <message>
        <source>No app could open %1</source>
        <extracomment>%1: a file or folder</extracomment>
        <translation>Ninguna aplicación pudo abrir %1</translation>
    </message>
    <message>
        <source>Scan again to see what can be cleaned.</source>
        <translation>Vuelva a analizar para ver qué se puede limpiar.</translation>
    </message>
    <message>
        <source>Measuring…</source>
        <extracomment>In place of a category&apos;s item count while its size is measured</extracomment>
        <translation>Midiendo…</translation>
    </message>
    <message>
        <source>%1 of it needs administrator rights.</source>
        <extracomment>%1: a size</extracomment>
        <translation>%1 de ello requiere permisos de administrador.</translation>
    </message>
    <message>
        <source>freed</source>
        <comment>what the figure of a finished cleanup is</comment>
        <translation>liberados</translation>
    </message>
    <message>
        <source>of %1 selected · %2</source>
        <extracomment>Under the cleaned size; %1: the selected size; %2: what became of it, e.g. &quot;freed&quot;</extracomment>
        <translation>de %1 seleccionados · %2</translation>
    </message>
    <message>
        <source>Restore all</source>
        <extracomment>Button: put back everything the cleanup moved to the bin</extracomment>
        <translation>Restaurar todo</translation>
    </message>
    <message>
        <source>Restoring…</source>
        <extracomment>The Restore all button while the files go back</extracomment>
        <translation>Restaurando…</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <comment>two programs that hold files</comment>
        <translation>%1 y %2</translation>
    </message>
    <message numerus="yes">
        <source>%1 and %n other program(s)</source>
        <comment>programs that hold files</comment>
        <translation>
            <numerusform>%1 y %n programa más</numerusform>
            <numerusform>%1 y %n programas más</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n file(s) are in use by %1.</source>
        <comment>%1: one or more programs</comment>
        <translation>
            <numerusform>%n archivo está en uso por %1.</numerusform>
            <numerusform>%n archivos están en uso por %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>Try again</source>
        <extracomment>Button: clean again what was skipped</extracomment>
        <translation>Reintentar</translation>
    </message>
    <message>
        <source>Clean the skipped files again, the same way</source>
        <translation>Volver a limpiar los archivos omitidos de la misma manera</translation>
    </message>
    <message numerus="yes">
        <source>&lt;b&gt;%Ln item(s) kept&lt;/b&gt; because something in them changed since the scan. Scan again to see what can go.</source>
        <translation>
            <numerusform>&lt;b&gt;Se conservó %Ln elemento&lt;/b&gt; porque algo en él cambió desde el análisis. Vuelva a analizar para ver qué se puede quitar.</numerusform>
            <numerusform>&lt;b&gt;Se conservaron %Ln elementos&lt;/b&gt; porque algo en ellos cambió desde el análisis. Vuelva a analizar para ver qué se puede quitar.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>&lt;b&gt;%Ln file(s) skipped&lt;/b&gt; because they were in use or protected. Quit the apps using them and rescan to remove them.</source>
        <translation>
            <numerusform>&lt;b&gt;Se omitió %Ln archivo&lt;/b&gt; porque estaba en uso o protegido. Cierre las aplicaciones que lo usan y vuelva a analizar para eliminarlo.</numerusform>
            <numerusform>&lt;b&gt;Se omitieron %Ln archivos&lt;/b&gt; porque estaban en uso o protegidos. Cierre las aplicaciones que los usan y vuelva a analizar para eliminarlos.</numerusform>
        </translation>
    </message>
    <message>
        <source>This cleanup wrote no log; its folder is open instead.</source>
        <translation>Esta limpieza no escribió ningún registro; en su lugar se abrió la carpeta de registros.</translation>
    </message>
    <message>
        <source>Varnholt did not restart: administrator rights were refused or could not be asked for.</source>
        <translation>Varnholt no se reinició: se denegaron los permisos de administrador o no se pudieron solicitar.</translation>
    </message>
    <message>
        <source>Put everything this cleanup moved to the Recycle Bin back where it was</source>
        <translation>Devolver a su lugar todo lo que esta limpieza movió a la Papelera de reciclaje</translation>
    </message>
    <message>
        <source>Put everything this cleanup moved to the Trash back where it was</source>
        <translation>Devolver a su lugar todo lo que esta limpieza movió a la Papelera</translation>
    </message>
    <message>
        <source>freed or moved to the Recycle Bin</source>
        <comment>what the figure of a finished cleanup is</comment>
        <translation>liberados o movidos a la Papelera de reciclaje</translation>
    </message>
    <message>
        <source>freed or moved to the Trash</source>
        <comment>what the figure of a finished cleanup is</comment>
        <translation>liberados o movidos a la Papelera</translation>
    </message>
    <message>
        <source>moved to the Recycle Bin</source>
        <comment>what the figure of a finished cleanup is</comment>
        <translation>movidos a la Papelera de reciclaje</translation>
    </message>
    <message>
        <source>moved to the Trash</source>
        <comment>what the figure of a finished cleanup is</comment>
        <translation>movidos a la Papelera</translation>
    </message>
    <message numerus="yes">
        <source>&lt;b&gt;%Ln item(s) could not be moved to the Recycle Bin&lt;/b&gt; and were left where they are.</source>
        <translation>
            <numerusform>&lt;b&gt;%Ln elemento no se pudo mover a la Papelera de reciclaje&lt;/b&gt; y se dejó donde estaba.</numerusform>
            <numerusform>&lt;b&gt;%Ln elementos no se pudieron mover a la Papelera de reciclaje&lt;/b&gt; y se dejaron donde estaban.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>&lt;b&gt;%Ln item(s) could not be moved to the Trash&lt;/b&gt; and were left where they are.</source>
        <translation>
            <numerusform>&lt;b&gt;%Ln elemento no se pudo mover a la Papelera&lt;/b&gt; y se dejó donde estaba.</numerusform>
            <numerusform>&lt;b&gt;%Ln elementos no se pudieron mover a la Papelera&lt;/b&gt; y se dejaron donde estaban.</numerusform>
        </translation>
    </message>
    <message>
        <source>Some items were moved to the Recycle Bin and the rest deleted permanently. You can still restore what was moved.</source>
        <translation>Algunos elementos se movieron a la Papelera de reciclaje y el resto se eliminó permanentemente. Aún puede restaurar lo que se movió.</translation>
    </message>
    <message>
        <source>Some items were moved to the Trash and the rest deleted permanently. You can still restore what was moved.</source>
        <translation>Algunos elementos se movieron a la Papelera y el resto se eliminó permanentemente. Aún puede restaurar lo que se movió.</translation>
    </message>
    <message>
        <source>Moved to the Recycle Bin. You can still restore anything.</source>
        <translation>Todo se movió a la Papelera de reciclaje. Aún puede restaurarlo.</translation>
    </message>
    <message>
        <source>Moved to the Trash. You can still restore anything.</source>
        <translation>Todo se movió a la Papelera. Aún puede restaurarlo.</translation>
    </message>
    <message>
        <source>The log %1 is gone; its folder is open instead.</source>
        <comment>%1: a path</comment>
        <translation>El registro %1 ya no existe; en su lugar se abrió su carpeta.</translation>
    </message>
    <message>
        <source>The File Explorer could not show %1</source>
        <comment>%1: a path</comment>
        <translation>El Explorador de archivos no pudo mostrar %1</translation>
    </message>
    <message>
        <source>The File Manager could not show %1</source>
        <comment>%1: a path</comment>
        <translation>El gestor de archivos no pudo mostrar %1</translation>
    </message>
    <message numerus="yes">
        <source>%Ln item(s)</source>
        <comment>on a category&apos;s card</comment>
        <translation>
            <numerusform>%Ln elemento</numerusform>
            <numerusform>%Ln elementos</numerusform>
        </translation>
    </message>
    <message>
        <source>Show in File Explorer</source>
        <extracomment>Link beside a category&apos;s largest items; opens File Explorer there</extracomment>
        <translation>Mostrar en el Explorador de archivos</translation>
    </message>
    <message>
        <source>Show in File Manager</source>
        <extracomment>Link beside a category&apos;s largest items; opens the file manager there</extracomment>
        <translation>Mostrar en el gestor de archivos</translation>
    </message>
    <message>
        <source>No Recycle Bin on this drive</source>
        <translation>Esta unidad no tiene Papelera de reciclaje</translation>
    </message>
    <message>
        <source>No Trash on this drive</source>
        <translation>Esta unidad no tiene Papelera</translation>
    </message>
    <message>
        <source>Cannot go to the Recycle Bin</source>
        <translation>No se puede mover a la Papelera de reciclaje</translation>
    </message>
    <message>
        <source>Cannot go to the Trash</source>
        <translation>No se puede mover a la Papelera</translation>
    </message>
    <message>
        <source>moved to the Recycle Bin</source>
        <extracomment>Tooltip of the Clean button: where the selection goes</extracomment>
        <translation>movidos a la Papelera de reciclaje</translation>
    </message>
    <message>
        <source>moved to the Trash</source>
        <extracomment>Tooltip of the Clean button: where the selection goes</extracomment>
        <translation>movidos a la Papelera</translation>
    </message>
    <message>
        <source>&lt;b style=&apos;color:%1&apos;&gt;%2&lt;/b&gt; selected · some need admin</source>
        <comment>%1: style, keep as is; %2: a size</comment>
        <translation>&lt;b style=&apos;color:%1&apos;&gt;%2&lt;/b&gt; seleccionados · algunos requieren permisos de administrador</translation>
    </message>
    <message>
        <source>&lt;b style=&apos;color:%1&apos;&gt;%2&lt;/b&gt; selected</source>
        <comment>%1: style, keep as is; %2: a size</comment>
        <translation>&lt;b style=&apos;color:%1&apos;&gt;%2&lt;/b&gt; seleccionados</translation>
    </message>
    <message>
        <source>Your settings in %1 cannot be read, so your exclusions and your choice between the Recycle Bin and deleting are unknown. Cleaning stays off until the file can be read again.</source>
        <comment>%1: the settings file</comment>
        <translation>No se puede leer su configuración en %1, por lo que se desconocen sus exclusiones y si prefiere la Papelera de reciclaje o la eliminación. La limpieza seguirá desactivada hasta que se pueda volver a leer el archivo.</translation>
    </message>
    <message>
        <source>Your settings in %1 cannot be read, so your exclusions and your choice between the Trash and deleting are unknown. Cleaning stays off until the file can be read again.</source>
        <comment>%1: the settings file</comment>
        <translation>No se puede leer su configuración en %1, por lo que se desconocen sus exclusiones y si prefiere la Papelera o la eliminación. La limpieza seguirá desactivada hasta que se pueda volver a leer el archivo.</translation>
    </message>
    <message numerus="yes">
        <source>&lt;b&gt;%Ln file(s) skipped&lt;/b&gt;. The log says why for each one.</source>
        <translation>
            <numerusform>&lt;b&gt;%Ln archivo omitido&lt;/b&gt;. El registro indica el motivo.</numerusform>
            <numerusform>&lt;b&gt;%Ln archivos omitidos&lt;/b&gt;. El registro indica el motivo de cada uno.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Cli</name>
    <message>
        <source>Cannot read the catalogue file %1: %2</source>
        <extracomment>%1: a file&apos;s path; %2: the system&apos;s reason</extracomment>
        <translation>No se puede leer el archivo de catálogo %1: %2</translation>
    </message>
    <message>
        <source>The catalogue file %1 is not valid JSON: %2</source>
        <extracomment>%1: a file&apos;s path; %2: what the JSON reader says</extracomment>
        <translation>El archivo de catálogo %1 no es un JSON válido: %2</translation>
    </message>
    <message>
        <source>The catalogue file %1 is not usable: %2</source>
        <extracomment>%1: a file&apos;s path; %2: one of the reasons below</extracomment>
        <translation>El archivo de catálogo %1 no se puede usar: %2</translation>
    </message>
    <message>
        <source>a category has no id</source>
        <translation>una categoría no tiene id</translation>
    </message>
    <message>
        <source>the id &quot;%1&quot; appears twice</source>
        <extracomment>%1: a category id</extracomment>
        <translation>el id «%1» aparece dos veces</translation>
    </message>
    <message>
        <source>the risk of &quot;%1&quot; is not Safe, Review or Permanent</source>
        <extracomment>%1: a category id; Safe, Review and Permanent are keys of the file, keep them</extracomment>
        <translation>el riesgo de «%1» no es Safe, Review ni Permanent</translation>
    </message>
    <message>
        <source>a root of &quot;%1&quot; is not an absolute path</source>
        <extracomment>%1: a category id</extracomment>
        <translation>una raíz de «%1» no es una ruta absoluta</translation>
    </message>
    <message>
        <source>it lists no categories</source>
        <translation>no contiene ninguna categoría</translation>
    </message>
    <message>
        <source>Interrupted.</source>
        <extracomment>Printed when Ctrl+C stopped the command</extracomment>
        <translation>Interrumpido.</translation>
    </message>
    <message>
        <source>Category</source>
        <extracomment>Column heading of the scan table</extracomment>
        <translation>Categoría</translation>
    </message>
    <message>
        <source>Risk</source>
        <extracomment>Column heading of the scan table: Safe, Review or Permanent</extracomment>
        <translation>Riesgo</translation>
    </message>
    <message>
        <source>Size</source>
        <extracomment>Column heading</extracomment>
        <translation>Tamaño</translation>
    </message>
    <message>
        <source>Files</source>
        <extracomment>Column heading: a number of files</extracomment>
        <translation>Archivos</translation>
    </message>
    <message>
        <source>Items</source>
        <extracomment>Column heading: a number of items (folders or files)</extracomment>
        <translation>Elementos</translation>
    </message>
    <message>
        <source>(%1 is running)</source>
        <extracomment>After an item of the scan table; %1: an app&apos;s name</extracomment>
        <translation>(%1 está en ejecución)</translation>
    </message>
    <message>
        <source>… %1 more (--json lists all)</source>
        <extracomment>%1: a number of items not printed</extracomment>
        <translation>… y %1 más (--json los muestra todos)</translation>
    </message>
    <message>
        <source>Some folders of %1 could not be read.</source>
        <extracomment>%1: a category</extracomment>
        <translation>No se pudieron leer algunas carpetas de %1.</translation>
    </message>
    <message>
        <source>Keeping %1 as a whole: %2 lies inside it.</source>
        <extracomment>%1: a folder; %2: the file or folder that keeps it</extracomment>
        <translation>Se conserva %1 por completo porque %2 está dentro.</translation>
    </message>
    <message>
        <source>Cleaned: %1</source>
        <extracomment>%1: a list of categories</extracomment>
        <translation>Categorías limpiadas: %1</translation>
    </message>
    <message>
        <source>Left alone because they are running: %1</source>
        <extracomment>%1: a list of app names</extracomment>
        <translation>No se tocaron por estar en ejecución: %1</translation>
    </message>
    <message>
        <source>Some items need administrator rights.</source>
        <translation>Algunos elementos requieren permisos de administrador.</translation>
    </message>
    <message>
        <source>Log: %1</source>
        <extracomment>%1: the path of the log file</extracomment>
        <translation>Registro: %1</translation>
    </message>
    <message>
        <source>The scan did not complete.</source>
        <translation>El análisis no se completó.</translation>
    </message>
    <message>
        <source>The scan did not complete; nothing was cleaned.</source>
        <translation>El análisis no se completó; no se limpió nada.</translation>
    </message>
    <message>
        <source>Nothing to clean in the categories given.</source>
        <translation>No hay nada que limpiar en las categorías indicadas.</translation>
    </message>
    <message>
        <source>Cleaning %1 of %2 · %3</source>
        <extracomment>Progress line; %1: the size cleaned; %2: the total; %3: the category</extracomment>
        <translation>Limpiando %1 de %2 · %3</translation>
    </message>
    <message>
        <source>The search for large files did not complete.</source>
        <translation>La búsqueda de archivos grandes no se completó.</translation>
    </message>
    <message>
        <source>Kind</source>
        <extracomment>Column heading of the large-file table: Video, Archive, …</extracomment>
        <translation>Tipo</translation>
    </message>
    <message>
        <source>Last used</source>
        <extracomment>Column heading of the large-file table: a date</extracomment>
        <translation>Último uso</translation>
    </message>
    <message>
        <source>Path</source>
        <extracomment>Column heading</extracomment>
        <translation>Ruta</translation>
    </message>
    <message numerus="yes">
        <source>%n large file(s)</source>
        <extracomment>Below the large-file table</extracomment>
        <translation>
            <numerusform>%n archivo grande</numerusform>
            <numerusform>%n archivos grandes</numerusform>
        </translation>
    </message>
    <message>
        <source>Cannot read %1.</source>
        <extracomment>%1: a file&apos;s path</extracomment>
        <translation>No se puede leer %1.</translation>
    </message>
    <message>
        <source>Newest</source>
        <extracomment>Column heading of the history table: the latest record</extracomment>
        <translation>Más reciente</translation>
    </message>
    <message>
        <source>Time</source>
        <extracomment>Column heading of the timing table</extracomment>
        <translation>Tiempo</translation>
    </message>
    <message>
        <source>%1 ms</source>
        <extracomment>%1: a number of milliseconds</extracomment>
        <translation>%1 ms</translation>
    </message>
    <message>
        <source>Run &quot;varnholt-cli --help&quot; for the usage.</source>
        <translation>Ejecute «varnholt-cli --help» para ver el uso.</translation>
    </message>
    <message>
        <source>No command given.</source>
        <extracomment>Error when varnholt-cli ran without a command</extracomment>
        <translation>No se indicó ningún comando.</translation>
    </message>
    <message>
        <source>--help takes nothing else.</source>
        <translation>--help no admite más argumentos.</translation>
    </message>
    <message>
        <source>--version takes nothing else.</source>
        <translation>--version no admite más argumentos.</translation>
    </message>
    <message>
        <source>Unexpected argument &quot;%1&quot; for %2.</source>
        <extracomment>%1: what was typed; %2: the command</extracomment>
        <translation>Argumento inesperado «%1» para %2.</translation>
    </message>
    <message>
        <source>measure takes exactly one PATH.</source>
        <translation>measure admite exactamente un PATH.</translation>
    </message>
    <message>
        <source>none</source>
        <extracomment>Stands for an empty list of options</extracomment>
        <translation>ninguna</translation>
    </message>
    <message>
        <source>Unknown option &quot;%1&quot; for %2. Options of %2: %3.</source>
        <extracomment>%1: what was typed; %2: the command; %3: its options</extracomment>
        <translation>Opción desconocida «%1» para %2. Opciones de %2: %3.</translation>
    </message>
    <message>
        <source>%1 needs a value.</source>
        <extracomment>%1: an option, e.g. --threshold-mb</extracomment>
        <translation>%1 requiere un valor.</translation>
    </message>
    <message>
        <source>%1 takes no value.</source>
        <extracomment>%1: an option, e.g. --json</extracomment>
        <translation>%1 no admite ningún valor.</translation>
    </message>
    <message>
        <source>--skip-item needs a path.</source>
        <translation>--skip-item requiere una ruta.</translation>
    </message>
    <message>
        <source>Choose either --delete or --trash, not both.</source>
        <translation>Elija --delete o --trash, no ambos.</translation>
    </message>
    <message>
        <source>--threshold-mb needs a positive number of megabytes (for example 500), not &quot;%1&quot;.</source>
        <extracomment>%1: what was typed</extracomment>
        <translation>--threshold-mb requiere un número positivo de megabytes (por ejemplo, 500), no «%1».</translation>
    </message>
    <message>
        <source>measure needs a PATH.</source>
        <translation>measure requiere un PATH.</translation>
    </message>
    <message>
        <source>clean needs at least one --category ID.</source>
        <translation>clean requiere al menos un --category ID.</translation>
    </message>
    <message>
        <source>clean removes files: add --yes to confirm.</source>
        <translation>clean elimina archivos: añada --yes para confirmar.</translation>
    </message>
    <message>
        <source>Unknown category %1. Categories: %2.</source>
        <extracomment>%1: what was typed; %2: the list of category ids</extracomment>
        <translation>Categoría desconocida: %1. Categorías disponibles: %2.</translation>
    </message>
    <message>
        <source>a flag of &quot;%1&quot; is not true or false</source>
        <extracomment>%1: a category id; true and false are words of the file, keep them</extracomment>
        <translation>un indicador de «%1» no es true ni false</translation>
    </message>
    <message>
        <source>the patterns of a root of &quot;%1&quot; are not a list of names</source>
        <extracomment>%1: a category id</extracomment>
        <translation>los patrones de una raíz de «%1» no son una lista de nombres</translation>
    </message>
    <message>
        <source>the minAgeMs of a root of &quot;%1&quot; is not a whole number of milliseconds from 0 to 100 years</source>
        <extracomment>%1: a category id; minAgeMs is a key of the file, keep it</extracomment>
        <translation>el minAgeMs de una raíz de «%1» no es un número entero de milisegundos entre 0 y 100 años</translation>
    </message>
    <message>
        <source>Warning: cannot read the settings file %1; this run may not use your settings.</source>
        <extracomment>%1: a file&apos;s path</extracomment>
        <translation>Advertencia: no se puede leer el archivo de configuración %1; es posible que esta ejecución no use su configuración.</translation>
    </message>
    <message>
        <source>Cannot read the settings file %1, so your exclusions and your choice between the trash and deleting are unknown. Nothing was cleaned: fix or remove that file first.</source>
        <extracomment>%1: a file&apos;s path</extracomment>
        <translation>No se puede leer el archivo de configuración %1, por lo que se desconocen sus exclusiones y si prefiere la Papelera o la eliminación. No se limpió nada: corrija o elimine primero ese archivo.</translation>
    </message>
    <message>
        <source>Nothing was cleaned.</source>
        <extracomment>Printed when a cleanup removed nothing</extracomment>
        <translation>No se limpió nada.</translation>
    </message>
    <message>
        <source>Action</source>
        <extracomment>Column heading of the --dry-run table: what would happen to the path</extracomment>
        <translation>Acción</translation>
    </message>
    <message>
        <source>Would stay:</source>
        <extracomment>Heading over the paths --dry-run would keep</extracomment>
        <translation>Se conservarían:</translation>
    </message>
    <message numerus="yes">
        <source>Preview only, nothing was removed: %n path(s) would go, %1.</source>
        <extracomment>&quot;would go&quot;: would be removed; %1: their size</extracomment>
        <translation>
            <numerusform>Solo vista previa, no se eliminó nada: se eliminaría %n ruta, %1.</numerusform>
            <numerusform>Solo vista previa, no se eliminó nada: se eliminarían %n rutas, %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>The disk is already full.</source>
        <translation>El disco ya está lleno.</translation>
    </message>
    <message numerus="yes">
        <source>No forecast yet: the records of free space cover %n day(s); a forecast needs at least %1.</source>
        <extracomment>%1: a number of days</extracomment>
        <translation>
            <numerusform>Aún no hay previsión: las mediciones de espacio libre abarcan %n día; una previsión necesita al menos %1.</numerusform>
            <numerusform>Aún no hay previsión: las mediciones de espacio libre abarcan %n días; una previsión necesita al menos %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>No forecast: free space is not falling.</source>
        <translation>Sin previsión: el espacio libre no está bajando.</translation>
    </message>
    <message>
        <source>No forecast: at this rate the disk is not full within a year.</source>
        <translation>Sin previsión: a este ritmo, el disco no se llenará en un año.</translation>
    </message>
    <message numerus="yes">
        <source>%n record(s) of free space since %1</source>
        <extracomment>%1: a date</extracomment>
        <translation>
            <numerusform>%n medición de espacio libre desde el %1</numerusform>
            <numerusform>%n mediciones de espacio libre desde el %1</numerusform>
        </translation>
    </message>
    <message>
        <source>restore takes at most one LOG.</source>
        <translation>restore admite como máximo un LOG.</translation>
    </message>
    <message>
        <source>put back what a cleanup moved to the trash (the latest one without LOG)</source>
        <translation>devuelve a su lugar lo que una limpieza movió a la Papelera (sin LOG, la última)</translation>
    </message>
    <message>
        <source>estimate when the disk is full from its history of free space</source>
        <translation>estima cuándo se llenará el disco a partir del historial de espacio libre</translation>
    </message>
    <message>
        <source>list what clean would remove or move, with sizes; removes nothing</source>
        <translation>lista lo que clean eliminaría o movería, con tamaños; no elimina nada</translation>
    </message>
    <message>
        <source>Unknown command &quot;%1&quot;. Commands: %2.</source>
        <extracomment>%1: what was typed; %2: the list of commands</extracomment>
        <translation>Comando desconocido «%1». Comandos: %2.</translation>
    </message>
    <message numerus="yes">
        <source>In use by %1 (PID %2): %n file(s)</source>
        <extracomment>%1: a program&apos;s name; %2: its process number</extracomment>
        <translation>
            <numerusform>En uso por %1 (PID %2): %n archivo</numerusform>
            <numerusform>En uso por %1 (PID %2): %n archivos</numerusform>
        </translation>
    </message>
    <message>
        <source>Kept because something in them changed since the scan: %1</source>
        <extracomment>%1: a list of paths</extracomment>
        <translation>Conservados porque algo en ellos cambió desde el análisis: %1</translation>
    </message>
    <message>
        <source>As root, the catalogue file %1 is used only when it and every folder above it belong to root and no one else may change them.</source>
        <extracomment>%1: a file&apos;s path</extracomment>
        <translation>Como root, el archivo de catálogo %1 solo se usa si él y cada carpeta por encima pertenecen a root y nadie más puede modificarlos.</translation>
    </message>
    <message>
        <source>As root, Varnholt works in root&apos;s own folders (%1) and ignores %2: another user can change where they lead.</source>
        <extracomment>%1: a list of folders; %2: the environment variables ignored</extracomment>
        <translation>Como root, Varnholt trabaja en las carpetas propias de root (%1) e ignora %2: otro usuario puede cambiar adónde llevan.</translation>
    </message>
    <message numerus="yes">
        <source>… and %n more</source>
        <extracomment>Below the skipped paths printed</extracomment>
        <translation>
            <numerusform>… y %n más</numerusform>
            <numerusform>… y %n más</numerusform>
        </translation>
    </message>
    <message>
        <source>Cannot read the settings file %1, so your exclusions and your choice between the Recycle Bin and deleting are unknown. Nothing was cleaned: fix or remove that file first.</source>
        <extracomment>%1: a file&apos;s path</extracomment>
        <translation>No se puede leer el archivo de configuración %1, por lo que se desconocen sus exclusiones y si prefiere la Papelera de reciclaje o la eliminación. No se limpió nada: corrija o elimine primero ese archivo.</translation>
    </message>
    <message numerus="yes">
        <source>No forecast yet: the free space has been recorded %n time(s) (the Varnholt app records it when it starts); a forecast needs at least %1.</source>
        <extracomment>%1: a number of records</extracomment>
        <translation>
            <numerusform>Aún no hay previsión: el espacio libre se ha medido %n vez (la aplicación Varnholt lo mide al iniciarse); una previsión necesita al menos %1.</numerusform>
            <numerusform>Aún no hay previsión: el espacio libre se ha medido %n veces (la aplicación Varnholt lo mide al iniciarse); una previsión necesita al menos %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>delete permanently, or move to the Recycle Bin</source>
        <translation>elimina permanentemente o mueve a la Papelera de reciclaje</translation>
    </message>
    <message>
        <source>put back what a cleanup moved to the Recycle Bin (the latest one without LOG)</source>
        <translation>devuelve a su lugar lo que una limpieza movió a la Papelera de reciclaje (sin LOG, la última)</translation>
    </message>
    <message>
        <source>delete permanently, or move to the trash</source>
        <translation>elimina permanentemente o mueve a la Papelera</translation>
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
        <translation>Uso:
  varnholt-cli scan [--json] [--exclude PATTERN]...
  varnholt-cli clean --category ID [--category ID]... [--skip-item PATH]...
                     [--delete | --trash] [--exclude PATTERN]... --yes [--json]
  varnholt-cli large [--threshold-mb N] [--exclude PATTERN]... [--json]
  varnholt-cli measure PATH [--json]
  varnholt-cli --help | --version

Comandos:
  scan      mide todas las categorías de limpieza
  clean     vuelve a analizar y limpia solo las categorías indicadas
  large     lista los archivos grandes de la carpeta personal
  measure   tamaño en disco, número de archivos y último cambio de una ruta

Opciones:
  --json              muestra JSON en lugar de una tabla
  --exclude PATTERN   omite las carpetas y archivos que coincidan con PATTERN;
                      sustituye a las exclusiones configuradas (solo esta vez)
  --category ID       categoría que se limpiará (temp, appcache, browser, logs,
                      thumbs, update, dev, trash)
  --skip-item PATH    conserva este elemento de una categoría que se limpia
  --delete, --trash   %1
  --threshold-mb N    tamaño mínimo de un archivo grande, en MB
  --yes               confirma que clean puede eliminar archivos

Se usa la configuración de Varnholt; las opciones solo afectan a esta ejecución.
Código de salida: 0 éxito, 1 fallo (clean: algo no se eliminó), 2 error de uso.
</translation>
    </message>
    <message numerus="yes">
        <source>Scanning %1 · %2 · %Ln file(s) · %3</source>
        <extracomment>Progress line; %1: a category; %2: the size found; %3: a folder</extracomment>
        <translation>
            <numerusform>Analizando %1 · %2 · %Ln archivo · %3</numerusform>
            <numerusform>Analizando %1 · %2 · %Ln archivos · %3</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 found · %Ln file(s) checked · %2 s</source>
        <comment>%1: a size; %2: seconds</comment>
        <translation>
            <numerusform>%1 encontrados · %Ln archivo analizado · %2 s</numerusform>
            <numerusform>%1 encontrados · %Ln archivos analizados · %2 s</numerusform>
        </translation>
    </message>
    <message>
        <source>move to Recycle Bin</source>
        <extracomment>The Action column of --dry-run&apos;s table: to the Recycle Bin</extracomment>
        <translation>mover a la Papelera de reciclaje</translation>
    </message>
    <message>
        <source>move to Trash</source>
        <extracomment>The Action column of --dry-run&apos;s table: to the Trash</extracomment>
        <translation>mover a la Papelera</translation>
    </message>
    <message>
        <source>delete</source>
        <comment>the Action column of --dry-run&apos;s table: the file is deleted for good</comment>
        <translation>eliminar</translation>
    </message>
    <message>
        <source>Moved %1 to the Recycle Bin</source>
        <comment>%1: a size</comment>
        <translation>Movido a la Papelera de reciclaje: %1</translation>
    </message>
    <message>
        <source>Moved %1 to the Trash</source>
        <comment>%1: a size</comment>
        <translation>Movido a la Papelera: %1</translation>
    </message>
    <message>
        <source>freed %1</source>
        <comment>follows what was moved to the bin; %1: a size</comment>
        <translation>espacio liberado: %1</translation>
    </message>
    <message>
        <source>Freed %1</source>
        <comment>%1: a size</comment>
        <translation>Espacio liberado: %1</translation>
    </message>
    <message numerus="yes">
        <source>%n file(s) removed</source>
        <extracomment>Clause of the line that sums up a cleanup</extracomment>
        <translation>
            <numerusform>%n archivo eliminado</numerusform>
            <numerusform>%n archivos eliminados</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln skipped</source>
        <comment>a number of files and folders left alone</comment>
        <translation>
            <numerusform>%Ln omitido</numerusform>
            <numerusform>%Ln omitidos</numerusform>
        </translation>
    </message>
    <message>
        <source> · </source>
        <extracomment>Between the clauses of the line that sums up a cleanup</extracomment>
        <translation> · </translation>
    </message>
    <message>
        <source>Could not be moved to the Recycle Bin, left where they are:</source>
        <translation>No se pudieron mover a la Papelera de reciclaje y se dejaron donde estaban:</translation>
    </message>
    <message>
        <source>Could not be moved to the Trash, left where they are:</source>
        <translation>No se pudieron mover a la Papelera y se dejaron donde estaban:</translation>
    </message>
    <message>
        <source>--skip-item %1 names no item of the categories given.</source>
        <comment>%1: the path given</comment>
        <translation>--skip-item %1 no corresponde a ningún elemento de las categorías indicadas.</translation>
    </message>
    <message numerus="yes">
        <source>%Ln file(s) checked · %1 found (%2) · %3</source>
        <extracomment>Progress line; %1: the number of large files found; %2: their size; %3: a folder</extracomment>
        <translation>
            <numerusform>%Ln archivo analizado · %1 encontrados (%2) · %3</numerusform>
            <numerusform>%Ln archivos analizados · %1 encontrados (%2) · %3</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Recorded the sizes of %n folder(s) in %1 (%2 in all).</source>
        <translation>
            <numerusform>Se registró el tamaño de %n carpeta en %1 (%2 en total).</numerusform>
            <numerusform>Se registraron los tamaños de %n carpetas en %1 (%2 en total).</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n reading(s) of folder sizes kept.</source>
        <translation>
            <numerusform>Se conserva %n medición del tamaño de las carpetas.</numerusform>
            <numerusform>Se conservan %n mediciones del tamaño de las carpetas.</numerusform>
        </translation>
    </message>
    <message>
        <source>The reading of folder sizes did not complete.</source>
        <translation>La medición del tamaño de las carpetas no se completó.</translation>
    </message>
    <message numerus="yes">
        <source>Nothing to compare yet: %n reading(s) of folder sizes so far, and a comparison needs two. The Varnholt app takes one a day while its history of folder sizes is on; &quot;varnholt-cli grew --record&quot; takes one now.</source>
        <translation>
            <numerusform>Aún no hay nada que comparar: hasta ahora hay %n medición del tamaño de las carpetas y una comparación necesita dos. La aplicación Varnholt toma una al día mientras su historial del tamaño de las carpetas esté activado; «varnholt-cli grew --record» toma una ahora.</numerusform>
            <numerusform>Aún no hay nada que comparar: hasta ahora hay %n mediciones del tamaño de las carpetas y una comparación necesita dos. La aplicación Varnholt toma una al día mientras su historial del tamaño de las carpetas esté activado; «varnholt-cli grew --record» toma una ahora.</numerusform>
        </translation>
    </message>
    <message>
        <source>Changes in %1 between %2 and %3:</source>
        <translation>Cambios en %1 entre %2 y %3:</translation>
    </message>
    <message>
        <source>No folder changed by %1 or more.</source>
        <translation>Ninguna carpeta cambió en %1 o más.</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>Cambio</translation>
    </message>
    <message>
        <source>Then</source>
        <translation>Antes</translation>
    </message>
    <message>
        <source>Now</source>
        <translation>Ahora</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>Carpeta</translation>
    </message>
    <message numerus="yes">
        <source>and %n more (--json lists them all)</source>
        <translation>
            <numerusform>y %n más (--json las muestra todas)</numerusform>
            <numerusform>y %n más (--json las muestra todas)</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: clean it with: %2</source>
        <translation>%1: se limpia con: %2</translation>
    </message>
    <message>
        <source>In all: %1 then, %2 now (%3).</source>
        <translation>En total: antes %1, ahora %2 (%3).</translation>
    </message>
    <message>
        <source>--since needs an age such as 7d, 2w or 12h, not &quot;%1&quot;.</source>
        <translation>--since requiere una antigüedad como 7d, 2w o 12h, no «%1».</translation>
    </message>
    <message>
        <source>Choose either --record or --since, not both.</source>
        <translation>Elija --record o --since, no ambos.</translation>
    </message>
    <message>
        <source>the folders that grew or shrank most since an earlier reading</source>
        <translation>las carpetas que más han crecido o disminuido desde una medición anterior</translation>
    </message>
    <message>
        <source>grew: compare with about AGE ago: 7d, 2w, 12h (default 7d)</source>
        <translation>grew: compara con el estado de hace unos AGE: 7d, 2w, 12h (7d de forma predeterminada)</translation>
    </message>
    <message>
        <source>grew: take a reading of the folder sizes now</source>
        <translation>grew: mide ahora el tamaño de las carpetas</translation>
    </message>
    <message>
        <source>No cleanup has moved anything to the Recycle Bin; there is nothing to restore.</source>
        <translation>Ninguna limpieza ha movido nada a la Papelera de reciclaje; no hay nada que restaurar.</translation>
    </message>
    <message>
        <source>No cleanup has moved anything to the Trash; there is nothing to restore.</source>
        <translation>Ninguna limpieza ha movido nada a la Papelera; no hay nada que restaurar.</translation>
    </message>
    <message>
        <source>Skipped (the log gives each reason):</source>
        <extracomment>Heading over paths a cleanup left alone, for reasons of several kinds</extracomment>
        <translation>Omitidos (el registro indica el motivo de cada uno):</translation>
    </message>
    <message>
        <source>That cleanup moved nothing to the Recycle Bin; there is nothing to restore.</source>
        <translation>Esa limpieza no movió nada a la Papelera de reciclaje; no hay nada que restaurar.</translation>
    </message>
    <message>
        <source>That cleanup moved nothing to the Trash; there is nothing to restore.</source>
        <translation>Esa limpieza no movió nada a la Papelera; no hay nada que restaurar.</translation>
    </message>
</context>
<context>
    <name>LargeFileKind</name>
    <message>
        <source>Disk image</source>
        <extracomment>Kind of large file (the Space Map&apos;s Kind column)</extracomment>
        <translation>Imagen de disco</translation>
    </message>
    <message>
        <source>Partial download</source>
        <extracomment>Kind of large file (the Space Map&apos;s Kind column)</extracomment>
        <translation>Descarga parcial</translation>
    </message>
    <message>
        <source>Video</source>
        <extracomment>Kind of large file (the Space Map&apos;s Kind column)</extracomment>
        <translation>Vídeo</translation>
    </message>
    <message>
        <source>Archive</source>
        <extracomment>Kind of large file (the Space Map&apos;s Kind column)</extracomment>
        <translation>Archivo comprimido</translation>
    </message>
    <message>
        <source>Installer</source>
        <extracomment>Kind of large file (the Space Map&apos;s Kind column)</extracomment>
        <translation>Instalador</translation>
    </message>
    <message>
        <source>Audio</source>
        <extracomment>Kind of large file (the Space Map&apos;s Kind column)</extracomment>
        <translation>Audio</translation>
    </message>
    <message>
        <source>Image</source>
        <extracomment>Kind of large file (the Space Map&apos;s Kind column)</extracomment>
        <translation>Imagen</translation>
    </message>
    <message>
        <source>Document</source>
        <extracomment>Kind of large file (the Space Map&apos;s Kind column)</extracomment>
        <translation>Documento</translation>
    </message>
    <message>
        <source>Backup</source>
        <extracomment>Kind of large file (the Space Map&apos;s Kind column)</extracomment>
        <translation>Copia de seguridad</translation>
    </message>
    <message>
        <source>File</source>
        <extracomment>Kind of large file (the Space Map&apos;s Kind column)</extracomment>
        <translation>Archivo</translation>
    </message>
</context>
<context>
    <name>LargeFilesPage</name>
    <message>
        <source>Space Map</source>
        <extracomment>Title of the page that maps where disk space goes (not a geographic map)</extracomment>
        <translation>Mapa de espacio</translation>
    </message>
    <message>
        <source>Rescan</source>
        <extracomment>Button in the Space Map&apos;s header: look for large files again</extracomment>
        <translation>Reanalizar</translation>
    </message>
    <message>
        <source>Find what&apos;s taking up space</source>
        <translation>Descubra qué ocupa espacio</translation>
    </message>
    <message>
        <source>Big files in your home folder. You decide what goes.</source>
        <translation>Archivos grandes de su carpeta personal. Usted decide qué se elimina.</translation>
    </message>
    <message>
        <source>Find large files</source>
        <extracomment>Heading while the search for large files runs</extracomment>
        <translation>Buscar archivos grandes</translation>
    </message>
    <message>
        <source>Largest so far</source>
        <extracomment>Heading over the biggest files found while the search runs</extracomment>
        <translation>Los más grandes hasta ahora</translation>
    </message>
    <message>
        <source>Looking for large files…</source>
        <translation>Buscando archivos grandes…</translation>
    </message>
    <message>
        <source>All</source>
        <extracomment>Filter of the large-file list: every file</extracomment>
        <translation>Todos</translation>
    </message>
    <message>
        <source>Unused %1+ months</source>
        <extracomment>Filter of the large-file list; %1: a number of months</extracomment>
        <translation>Sin usar en %1+ meses</translation>
    </message>
    <message>
        <source>Downloads</source>
        <extracomment>Filter of the large-file list: files in the Downloads folder</extracomment>
        <translation>Descargas</translation>
    </message>
    <message>
        <source>Search files</source>
        <extracomment>Placeholder of the search field</extracomment>
        <translation>Buscar archivos</translation>
    </message>
    <message>
        <source>Home folder · over %1</source>
        <extracomment>Eyebrow of the Space Map: where it looks and above which size; %1: a size</extracomment>
        <translation>Carpeta personal · más de %1</translation>
    </message>
    <message numerus="yes">
        <source>&lt;b style=&apos;color:%1&apos;&gt;%2&lt;/b&gt; selected of %3 · %Ln file(s)</source>
        <extracomment>The footer&apos;s summary; %1: style, keep as is; %2: the checked size; %3: the total size</extracomment>
        <translation>
            <numerusform>&lt;b style=&apos;color:%1&apos;&gt;%2&lt;/b&gt; seleccionados de %3 · %Ln archivo</numerusform>
            <numerusform>&lt;b style=&apos;color:%1&apos;&gt;%2&lt;/b&gt; seleccionados de %3 · %Ln archivos</numerusform>
        </translation>
    </message>
    <message>
        <source>Stop</source>
        <extracomment>Button in the Space Map&apos;s header: stop the search for large files</extracomment>
        <translation>Detener</translation>
    </message>
    <message>
        <source>No files match “%1”.</source>
        <extracomment>%1: what was typed in the search field</extracomment>
        <translation>Ningún archivo coincide con «%1».</translation>
    </message>
    <message>
        <source>No files in this view.</source>
        <translation>No hay archivos en esta vista.</translation>
    </message>
    <message>
        <source>No files over %1 in your home folder.</source>
        <extracomment>%1: a size</extracomment>
        <translation>No hay archivos de más de %1 en su carpeta personal.</translation>
    </message>
    <message>
        <source>Files to show</source>
        <extracomment>Accessible name of the row of filters</extracomment>
        <translation>Archivos que mostrar</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>Subir</translation>
    </message>
    <message>
        <source>Change since</source>
        <translation>Cambio desde</translation>
    </message>
    <message>
        <source>Folders by change</source>
        <translation>Carpetas por cambio</translation>
    </message>
    <message>
        <source>Folders</source>
        <translation>Carpetas</translation>
    </message>
    <message>
        <source>The history of folder sizes is off. Turn it on in Settings to see what grew.</source>
        <translation>El historial de tamaños de carpetas está desactivado. Actívelo en Configuración para ver qué ha crecido.</translation>
    </message>
    <message>
        <source>Varnholt notes how big your folders are once a day. The first comparison is ready after two readings.</source>
        <translation>Varnholt anota una vez al día el tamaño de sus carpetas. La primera comparación estará lista tras dos mediciones.</translation>
    </message>
    <message>
        <source>Name</source>
        <extracomment>Column title of the Space Map&apos;s list (shown upper-cased): the file&apos;s name</extracomment>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Kind</source>
        <extracomment>Column title (shown upper-cased): Video, Archive, …</extracomment>
        <translation>Tipo</translation>
    </message>
    <message>
        <source>Last opened</source>
        <extracomment>Column title (shown upper-cased) over relative dates such as &quot;3 months ago&quot;</extracomment>
        <translation>Última apertura</translation>
    </message>
    <message>
        <source>Size</source>
        <extracomment>Column title (shown upper-cased): the file&apos;s size</extracomment>
        <translation>Tamaño</translation>
    </message>
    <message>
        <source>Grew</source>
        <extracomment>View of the Space Map: the folders coloured by how much they grew since an earlier reading</extracomment>
        <translation>Crecimiento</translation>
    </message>
    <message>
        <source>Clear search</source>
        <comment>button in the search field that empties it</comment>
        <translation>Borrar la búsqueda</translation>
    </message>
    <message>
        <source>Show in File Explorer</source>
        <extracomment>Button in the Space Map&apos;s footer; opens File Explorer at the checked file</extracomment>
        <translation>Mostrar en el Explorador</translation>
    </message>
    <message>
        <source>Show in File Manager</source>
        <extracomment>Button in the Space Map&apos;s footer; opens the file manager at the checked file</extracomment>
        <translation>Mostrar en la carpeta</translation>
    </message>
    <message>
        <source>Move to Recycle Bin</source>
        <extracomment>Button in the Space Map&apos;s footer; moves the checked files to the Recycle Bin</extracomment>
        <translation>Mover a la Papelera de reciclaje</translation>
    </message>
    <message>
        <source>Move to Trash</source>
        <extracomment>Button in the Space Map&apos;s footer; moves the checked files to the Trash</extracomment>
        <translation>Mover a la Papelera</translation>
    </message>
    <message>
        <source>The File Explorer could not show %1</source>
        <comment>%1: a path</comment>
        <translation>El Explorador de archivos no pudo mostrar %1</translation>
    </message>
    <message>
        <source>The File Manager could not show %1</source>
        <comment>%1: a path</comment>
        <translation>El gestor de archivos no pudo mostrar %1</translation>
    </message>
</context>
<context>
    <name>Main</name>
    <message>
        <source>%1 is almost full. Run Smart Scan to free up space.</source>
        <extracomment>Notification; %1: a drive</extracomment>
        <translation>%1 está casi lleno. Ejecute el Análisis inteligente para liberar espacio.</translation>
    </message>
    <message>
        <source>Varnholt was updated to version %1.</source>
        <extracomment>%1: a version number</extracomment>
        <translation>Varnholt se actualizó a la versión %1.</translation>
    </message>
    <message numerus="yes">
        <source>%1 is filling up: at this rate it is full in about %n day(s). Run Smart Scan to free up space.</source>
        <extracomment>Notification; %1: a drive</extracomment>
        <translation>
            <numerusform>%1 se está llenando: a este ritmo estará lleno en aproximadamente %n día. Ejecute el Análisis inteligente para liberar espacio.</numerusform>
            <numerusform>%1 se está llenando: a este ritmo estará lleno en aproximadamente %n días. Ejecute el Análisis inteligente para liberar espacio.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>MenuBar</name>
    <message>
        <source>Varnholt Website</source>
        <extracomment>Link in the About dialog</extracomment>
        <translation>Sitio web de Varnholt</translation>
    </message>
    <message>
        <source>Settings</source>
        <extracomment>Entry of the app menu: open the Settings page</extracomment>
        <translation>Configuración</translation>
    </message>
    <message>
        <source>Check for Updates</source>
        <extracomment>Entry of the app menu</extracomment>
        <translation>Buscar actualizaciones</translation>
    </message>
    <message>
        <source>Help</source>
        <extracomment>Submenu of the app menu</extracomment>
        <translation>Ayuda</translation>
    </message>
    <message>
        <source>Guide</source>
        <extracomment>Entry of the Help menu: the user guide on the website</extracomment>
        <translation>Guía</translation>
    </message>
    <message>
        <source>FAQ</source>
        <extracomment>Entry of the Help menu: frequently asked questions</extracomment>
        <translation>Preguntas frecuentes</translation>
    </message>
    <message>
        <source>Open Log Folder</source>
        <extracomment>Entry of the app menu</extracomment>
        <translation>Abrir carpeta de registros</translation>
    </message>
    <message>
        <source>About Varnholt</source>
        <extracomment>Entry of the app menu</extracomment>
        <translation>Acerca de Varnholt</translation>
    </message>
    <message>
        <source>Quit Varnholt</source>
        <extracomment>Entry of the app menu</extracomment>
        <translation>Salir de Varnholt</translation>
    </message>
    <message>
        <source>The log folder %1 could not be created.</source>
        <extracomment>%1: a folder</extracomment>
        <translation>No se pudo crear la carpeta de registros %1.</translation>
    </message>
</context>
<context>
    <name>Overlay</name>
    <message>
        <source>Version %1</source>
        <extracomment>%1: a version number</extracomment>
        <translation>Versión %1</translation>
    </message>
    <message>
        <source>Finds the space your computer can spare.</source>
        <translation>Encuentra el espacio del que su equipo puede prescindir.</translation>
    </message>
    <message>
        <source>Close</source>
        <extracomment>Button that closes a dialog</extracomment>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <extracomment>Button that closes a dialog without doing anything</extracomment>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Undo</source>
        <extracomment>Button in a notification: take the last action back</extracomment>
        <translation>Deshacer</translation>
    </message>
    <message>
        <source>Keep Varnholt running?</source>
        <extracomment>Title of the dialog shown when the window is closed</extracomment>
        <translation>¿Mantener Varnholt en ejecución?</translation>
    </message>
    <message>
        <source>Remember my choice</source>
        <extracomment>Check box of the close dialog</extracomment>
        <translation>Recordar mi elección</translation>
    </message>
    <message>
        <source>You can change this in Settings.</source>
        <translation>Puede cambiarlo en Configuración.</translation>
    </message>
    <message>
        <source>Keep in tray</source>
        <extracomment>Button of the close dialog: hide the window, keep the tray icon</extracomment>
        <translation>Seguir en segundo plano</translation>
    </message>
    <message>
        <source>Quit</source>
        <extracomment>Button of the close dialog: end the program</extracomment>
        <translation>Salir</translation>
    </message>
    <message>
        <source>Clean %1?</source>
        <extracomment>Title of the confirmation; %1: a size</extracomment>
        <translation>¿Limpiar %1?</translation>
    </message>
    <message>
        <source>Permanent delete is on. These files can&apos;t be recovered.</source>
        <translation>La eliminación permanente está activada. Estos archivos no se podrán recuperar.</translation>
    </message>
    <message>
        <source>What&apos;s new</source>
        <extracomment>Heading over the release notes of an update</extracomment>
        <translation>Novedades</translation>
    </message>
    <message>
        <source>Retry</source>
        <extracomment>Button of the update dialog after a failure</extracomment>
        <translation>Reintentar</translation>
    </message>
    <message>
        <source>Update now</source>
        <extracomment>Button of the update dialog</extracomment>
        <translation>Actualizar ahora</translation>
    </message>
    <message>
        <source>Varnholt is up to date</source>
        <translation>Varnholt está actualizado</translation>
    </message>
    <message>
        <source>Version %1 is the latest version.</source>
        <extracomment>%1: a version number</extracomment>
        <translation>La versión %1 es la más reciente.</translation>
    </message>
    <message>
        <source>An update is available</source>
        <translation>Hay una actualización disponible</translation>
    </message>
    <message>
        <source>Version %1 is available. You have %2.</source>
        <extracomment>%1, %2: version numbers</extracomment>
        <translation>La versión %1 está disponible. Usted tiene la %2.</translation>
    </message>
    <message>
        <source>Could not check for updates</source>
        <translation>No se pudieron buscar actualizaciones</translation>
    </message>
    <message>
        <source>Check your internet connection and try again.</source>
        <translation>Compruebe su conexión a Internet e inténtelo de nuevo.</translation>
    </message>
    <message>
        <source>Downloading the update…</source>
        <extracomment>Status of the update dialog</extracomment>
        <translation>Descargando la actualización…</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <extracomment>Download progress; %1, %2: sizes</extracomment>
        <translation>%1 de %2</translation>
    </message>
    <message>
        <source>Installing the update…</source>
        <extracomment>Status of the update dialog</extracomment>
        <translation>Instalando la actualización…</translation>
    </message>
    <message>
        <source>Varnholt closes and starts again when the update is installed.</source>
        <translation>Varnholt se cerrará y se volverá a abrir cuando se instale la actualización.</translation>
    </message>
    <message>
        <source>Checking for updates…</source>
        <extracomment>Status of the update dialog</extracomment>
        <translation>Buscando actualizaciones…</translation>
    </message>
    <message>
        <source>Version %1 is installed.</source>
        <extracomment>%1: a version number</extracomment>
        <translation>La versión %1 está instalada.</translation>
    </message>
    <message>
        <source>Later</source>
        <extracomment>Button of the update dialog: do not update now</extracomment>
        <translation>Más tarde</translation>
    </message>
    <message>
        <source>Some of it needs administrator rights: without them those files are skipped.</source>
        <translation>Una parte requiere permisos de administrador: sin ellos, esos archivos se omiten.</translation>
    </message>
    <message>
        <source>Everything that will go</source>
        <extracomment>Link of the confirmation that lists every path the cleanup removes (&quot;go&quot;: be removed, not leave)</extracomment>
        <translation>Todo lo que se eliminará</translation>
    </message>
    <message>
        <source>Working out the list…</source>
        <translation>Preparando la lista…</translation>
    </message>
    <message>
        <source>The list cannot be worked out now.</source>
        <translation>Ahora no se puede preparar la lista.</translation>
    </message>
    <message>
        <source>Nothing in the selection would be removed.</source>
        <translation>No se eliminaría nada de la selección.</translation>
    </message>
    <message numerus="yes">
        <source>and %n more</source>
        <extracomment>Below the paths listed in the confirmation</extracomment>
        <translation>
            <numerusform>y %n más</numerusform>
            <numerusform>y %n más</numerusform>
        </translation>
    </message>
    <message>
        <source>Leave them</source>
        <extracomment>Choice for what cannot go to the bin: keep those files</extracomment>
        <translation>Dejarlos</translation>
    </message>
    <message>
        <source>Delete them permanently</source>
        <extracomment>Choice for what cannot go to the bin</extracomment>
        <translation>Eliminarlos permanentemente</translation>
    </message>
    <message>
        <source>All of it is deleted permanently and can&apos;t be recovered.</source>
        <translation>Todo se eliminará permanentemente y no se podrá recuperar.</translation>
    </message>
    <message>
        <source>The check could not start. Try again in a moment.</source>
        <translation>No se pudo iniciar la comprobación. Inténtelo de nuevo en un momento.</translation>
    </message>
    <message>
        <source>The check failed again.</source>
        <translation>La comprobación volvió a fallar.</translation>
    </message>
    <message>
        <source>These cannot be moved to the Recycle Bin</source>
        <translation>Estos elementos no se pueden mover a la Papelera de reciclaje</translation>
    </message>
    <message>
        <source>These cannot be moved to the Trash</source>
        <translation>Estos elementos no se pueden mover a la Papelera</translation>
    </message>
    <message>
        <source>None of it can go to the Recycle Bin: delete it permanently, or nothing is cleaned.</source>
        <translation>Nada de esto se puede mover a la Papelera de reciclaje: elimínelo permanentemente o no se limpiará nada.</translation>
    </message>
    <message>
        <source>None of it can go to the Trash: delete it permanently, or nothing is cleaned.</source>
        <translation>Nada de esto se puede mover a la Papelera: elimínelo permanentemente o no se limpiará nada.</translation>
    </message>
    <message>
        <source>Emptying the Recycle Bin and deleting what cannot go there can&apos;t be undone. Everything else goes to the Recycle Bin.</source>
        <translation>El vaciado de la Papelera de reciclaje y la eliminación de lo que no se puede mover a ella son irreversibles. Todo lo demás se mueve a la Papelera de reciclaje.</translation>
    </message>
    <message>
        <source>Emptying the Trash and deleting what cannot go there can&apos;t be undone. Everything else goes to the Trash.</source>
        <translation>El vaciado de la Papelera y la eliminación de lo que no se puede mover a ella son irreversibles. Todo lo demás se mueve a la Papelera.</translation>
    </message>
    <message>
        <source>What cannot go to the Recycle Bin is deleted permanently. Everything else is moved there, so you can restore it later.</source>
        <translation>Lo que no se puede mover a la Papelera de reciclaje se elimina permanentemente. Todo lo demás se mueve allí, para que pueda restaurarlo más tarde.</translation>
    </message>
    <message>
        <source>What cannot go to the Trash is deleted permanently. Everything else is moved there, so you can restore it later.</source>
        <translation>Lo que no se puede mover a la Papelera se elimina permanentemente. Todo lo demás se mueve allí, para que pueda restaurarlo más tarde.</translation>
    </message>
    <message>
        <source>Emptying the Recycle Bin can&apos;t be undone. Everything else goes to the Recycle Bin.</source>
        <translation>El vaciado de la Papelera de reciclaje es irreversible. Todo lo demás se mueve a la Papelera de reciclaje.</translation>
    </message>
    <message>
        <source>Emptying the Trash can&apos;t be undone. Everything else goes to the Trash.</source>
        <translation>El vaciado de la Papelera es irreversible. Todo lo demás se mueve a la Papelera.</translation>
    </message>
    <message>
        <source>Everything will be moved to the Recycle Bin, so you can restore it later.</source>
        <translation>Todo se moverá a la Papelera de reciclaje, para que pueda restaurarlo más tarde.</translation>
    </message>
    <message>
        <source>Everything will be moved to the Trash, so you can restore it later.</source>
        <translation>Todo se moverá a la Papelera, para que pueda restaurarlo más tarde.</translation>
    </message>
    <message>
        <source>Clean and delete</source>
        <comment>button: clean, part of it for good</comment>
        <translation>Limpiar y eliminar</translation>
    </message>
    <message>
        <source>Clean</source>
        <comment>button: start the cleanup</comment>
        <translation>Limpiar</translation>
    </message>
    <message numerus="yes">
        <source>%n path(s) · %1</source>
        <comment>%1: their size</comment>
        <translation>
            <numerusform>%n ruta · %1</numerusform>
            <numerusform>%n rutas · %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Varnholt can stay in the system tray when you close the window. You can open it again from the tray icon.</source>
        <extracomment>Scheduled scans and alerts run when Varnholt starts, not while it waits in the tray</extracomment>
        <translation>Varnholt puede permanecer en el área de notificación al cerrar la ventana. Puede volver a abrirlo desde su icono en el área de notificación.</translation>
    </message>
</context>
<context>
    <name>OverviewPage</name>
    <message>
        <source>Scanned %1</source>
        <extracomment>Chip; %1: when, e.g. &quot;2 days ago&quot;</extracomment>
        <translation>Analizado %1</translation>
    </message>
    <message>
        <source>Smart Scan</source>
        <extracomment>Button in the Overview&apos;s header: scan every cleanup category</extracomment>
        <translation>Análisis inteligente</translation>
    </message>
    <message>
        <source>Overview</source>
        <extracomment>Title of the Overview page</extracomment>
        <translation>Resumen</translation>
    </message>
    <message>
        <source>Rescan</source>
        <extracomment>Button in the Overview&apos;s header: scan again</extracomment>
        <translation>Reanalizar</translation>
    </message>
    <message>
        <source>See all</source>
        <extracomment>Link beside the top recommendations: open the Cleanup page</extracomment>
        <translation>Ver todo</translation>
    </message>
    <message>
        <source>Disk health</source>
        <extracomment>Heading of an Overview card</extracomment>
        <translation>Estado del disco</translation>
    </message>
    <message>
        <source>System files protected</source>
        <extracomment>Line of the disk health card</extracomment>
        <translation>Archivos del sistema protegidos</translation>
    </message>
    <message>
        <source>%1 ready to clean</source>
        <extracomment>%1: a size</extracomment>
        <translation>%1 listos para limpiar</translation>
    </message>
    <message>
        <source>Your startup disk is almost full</source>
        <translation>El disco de arranque está casi lleno</translation>
    </message>
    <message>
        <source>Keep your disk in shape</source>
        <translation>Mantenga su disco en forma</translation>
    </message>
    <message>
        <source>free of %1</source>
        <extracomment>Under the free size in the disk ring; %1: the disk&apos;s size</extracomment>
        <translation>libres de %1</translation>
    </message>
    <message>
        <source>Freed this month</source>
        <extracomment>Caption of an Overview card under a size</extracomment>
        <translation>Liberado este mes</translation>
    </message>
    <message>
        <source>Last scan</source>
        <extracomment>Caption of an Overview card under a relative date</extracomment>
        <translation>Último análisis</translation>
    </message>
    <message>
        <source>Scheduled scan</source>
        <extracomment>Caption of an Overview card</extracomment>
        <translation>Análisis programado</translation>
    </message>
    <message>
        <source>Top recommendations</source>
        <extracomment>Heading over the biggest safe categories</extracomment>
        <translation>Principales recomendaciones</translation>
    </message>
    <message>
        <source>What Smart Scan looks at</source>
        <translation>Qué revisa el Análisis inteligente</translation>
    </message>
    <message>
        <source>Apps, documents &amp; system</source>
        <translation>Aplicaciones, documentos y sistema</translation>
    </message>
    <message>
        <source>Reclaimable</source>
        <extracomment>Legend of the disk bar: space a cleanup can free</extracomment>
        <translation>Recuperable</translation>
    </message>
    <message>
        <source>Available</source>
        <extracomment>Legend of the disk bar: free space</extracomment>
        <translation>Disponible</translation>
    </message>
    <message>
        <source>Space freed in the last six months</source>
        <translation>Espacio liberado en los últimos seis meses</translation>
    </message>
    <message>
        <source>Scan again to see what can be cleaned</source>
        <translation>Vuelva a analizar para ver qué se puede limpiar</translation>
    </message>
    <message>
        <source>Free space history</source>
        <extracomment>Heading of an Overview card</extracomment>
        <translation>Historial del espacio libre</translation>
    </message>
    <message numerus="yes">
        <source>From %1 to %2 free over %n day(s)</source>
        <extracomment>%1, %2: sizes</extracomment>
        <translation>
            <numerusform>De %1 a %2 libres en %n día</numerusform>
            <numerusform>De %1 a %2 libres en %n días</numerusform>
        </translation>
    </message>
    <message>
        <source>Show it in the Space Map</source>
        <translation>Mostrar en el Mapa de espacio</translation>
    </message>
    <message>
        <source>What grew</source>
        <translation>Qué ha crecido</translation>
    </message>
    <message>
        <source>Varnholt notes how big your folders are once a day. The first comparison is ready once two readings lie a week apart.</source>
        <translation>Varnholt anota una vez al día el tamaño de sus carpetas. La primera comparación estará lista cuando haya dos mediciones con una semana de diferencia.</translation>
    </message>
    <message>
        <source>Growing fastest this week</source>
        <translation>Lo que más ha crecido esta semana</translation>
    </message>
    <message numerus="yes">
        <source>Growing fastest in the last %n day(s)</source>
        <translation>
            <numerusform>Lo que más ha crecido en %n día</numerusform>
            <numerusform>Lo que más ha crecido en los últimos %n días</numerusform>
        </translation>
    </message>
    <message>
        <source>No folder grew by more than %1.</source>
        <translation>Ninguna carpeta ha crecido más de %1.</translation>
    </message>
    <message>
        <source>Clean %1</source>
        <translation>Limpiar %1</translation>
    </message>
    <message>
        <source>%1 is the folder of this cleanup category</source>
        <translation>%1 es la carpeta de esta categoría de limpieza</translation>
    </message>
    <message>
        <source>Review</source>
        <comment>button in the disk ring: open the scan results</comment>
        <translation>Revisar</translation>
    </message>
    <message>
        <source>Scan</source>
        <comment>button in the disk ring: start a scan</comment>
        <translation>Analizar</translation>
    </message>
    <message>
        <source>Never scanned</source>
        <comment>chip and card caption</comment>
        <translation>Sin analizar</translation>
    </message>
    <message>
        <source>Off</source>
        <comment>scheduled scan</comment>
        <translation>Desactivado</translation>
    </message>
    <message>
        <source>Weekly</source>
        <comment>scheduled scan</comment>
        <translation>Semanal</translation>
    </message>
    <message>
        <source>Monthly</source>
        <comment>scheduled scan</comment>
        <translation>Mensual</translation>
    </message>
</context>
<context>
    <name>Platform</name>
    <message>
        <source>Local Disk</source>
        <extracomment>Name of a drive without a label</extracomment>
        <translation>Disco local</translation>
    </message>
    <message>
        <source>Trash</source>
        <extracomment>The bin of Linux desktops, standing alone (a list entry, a log line)</extracomment>
        <translation>Papelera</translation>
    </message>
    <message>
        <source>File Manager</source>
        <extracomment>The file manager of Linux desktops, standing alone</extracomment>
        <translation>Gestor de archivos</translation>
    </message>
    <message>
        <source>Recycle Bin</source>
        <extracomment>The Windows bin, standing alone (a list entry, a log line)</extracomment>
        <translation>Papelera de reciclaje</translation>
    </message>
    <message>
        <source>File Explorer</source>
        <extracomment>The Windows file manager, standing alone</extracomment>
        <translation>Explorador de archivos</translation>
    </message>
</context>
<context>
    <name>Restore</name>
    <message>
        <source>no longer in the trash</source>
        <translation>no encontrado en la Papelera</translation>
    </message>
    <message>
        <source>its place is taken</source>
        <translation>su lugar está ocupado</translation>
    </message>
    <message>
        <source>the log does not name a trash entry</source>
        <translation>el registro no indica ningún elemento de la Papelera</translation>
    </message>
    <message>
        <source>more than one trash entry matches</source>
        <translation>coincide más de un elemento de la Papelera</translation>
    </message>
    <message>
        <source>could not be moved back</source>
        <translation>error al devolver a su lugar</translation>
    </message>
    <message>
        <source>no longer in the Recycle Bin</source>
        <translation>no encontrado en la Papelera de reciclaje</translation>
    </message>
    <message>
        <source>the log does not name a Recycle Bin entry</source>
        <translation>el registro no indica ningún elemento de la Papelera de reciclaje</translation>
    </message>
    <message>
        <source>more than one Recycle Bin entry matches</source>
        <translation>coincide más de un elemento de la Papelera de reciclaje</translation>
    </message>
</context>
<context>
    <name>SettingsPage</name>
    <message>
        <source>Settings</source>
        <extracomment>Title of the Settings page</extracomment>
        <translation>Configuración</translation>
    </message>
    <message>
        <source>Choose a folder to exclude</source>
        <translation>Elija una carpeta para excluir</translation>
    </message>
    <message>
        <source>Cleaning</source>
        <extracomment>Heading of a Settings section</extracomment>
        <translation>Limpieza</translation>
    </message>
    <message>
        <source>Recommended. Turn off to delete files permanently.</source>
        <translation>Recomendado. Desactívelo para eliminar los archivos permanentemente.</translation>
    </message>
    <message>
        <source>Large file size</source>
        <extracomment>Setting: from which size a file counts as large</extracomment>
        <translation>Tamaño de archivo grande</translation>
    </message>
    <message>
        <source>100 MB</source>
        <extracomment>Choice of the large-file size</extracomment>
        <translation>100 MB</translation>
    </message>
    <message>
        <source>250 MB</source>
        <extracomment>Choice of the large-file size</extracomment>
        <translation>250 MB</translation>
    </message>
    <message>
        <source>500 MB</source>
        <extracomment>Choice of the large-file size</extracomment>
        <translation>500 MB</translation>
    </message>
    <message>
        <source>1 GB</source>
        <extracomment>Choice of the large-file size</extracomment>
        <translation>1 GB</translation>
    </message>
    <message>
        <source>Consider files old after</source>
        <translation>Considerar antiguos los archivos tras</translation>
    </message>
    <message>
        <source>3 months</source>
        <extracomment>Choice: after how long unused a file counts as old</extracomment>
        <translation>3 meses</translation>
    </message>
    <message>
        <source>6 months</source>
        <extracomment>Choice: after how long unused a file counts as old</extracomment>
        <translation>6 meses</translation>
    </message>
    <message>
        <source>12 months</source>
        <extracomment>Choice: after how long unused a file counts as old</extracomment>
        <translation>12 meses</translation>
    </message>
    <message>
        <source>24 months</source>
        <extracomment>Choice: after how long unused a file counts as old</extracomment>
        <translation>24 meses</translation>
    </message>
    <message>
        <source>Automation</source>
        <extracomment>Heading of a Settings section</extracomment>
        <translation>Automatización</translation>
    </message>
    <message>
        <source>Scheduled scan</source>
        <extracomment>Setting: how often Varnholt scans by itself</extracomment>
        <translation>Análisis programado</translation>
    </message>
    <message>
        <source>Scans when Varnholt starts if the last scan is older than this. Never cleans on its own.</source>
        <translation>Analiza al iniciar Varnholt si el último análisis es anterior a este plazo. Nunca limpia por sí solo.</translation>
    </message>
    <message>
        <source>Low space alerts</source>
        <extracomment>Setting: notify when the disk is nearly full</extracomment>
        <translation>Alertas de poco espacio</translation>
    </message>
    <message>
        <source>Warn when free space drops below 10%.</source>
        <extracomment>The % sign is part of &quot;10%&quot;, not a placeholder</extracomment>
        <translation>Avisar cuando el espacio libre baje del 10 %.</translation>
    </message>
    <message>
        <source>Starts Varnholt in the background so scheduled scans can run.</source>
        <translation>Inicia Varnholt en segundo plano para que puedan ejecutarse los análisis programados.</translation>
    </message>
    <message>
        <source>Show Varnholt in the menu bar</source>
        <translation>Mostrar Varnholt en la barra de menús</translation>
    </message>
    <message>
        <source>Ask every time</source>
        <extracomment>Choice of what closing the window does</extracomment>
        <translation>Preguntar siempre</translation>
    </message>
    <message>
        <source>Keep running in the tray</source>
        <translation>Seguir en el área de notificación</translation>
    </message>
    <message>
        <source>Quit Varnholt</source>
        <extracomment>Choice of what closing the window does</extracomment>
        <translation>Salir de Varnholt</translation>
    </message>
    <message>
        <source>When closing the window</source>
        <translation>Al cerrar la ventana</translation>
    </message>
    <message>
        <source>Appearance</source>
        <extracomment>Heading of a Settings section</extracomment>
        <translation>Apariencia</translation>
    </message>
    <message>
        <source>Theme</source>
        <extracomment>Setting: light or dark colours</extracomment>
        <translation>Tema</translation>
    </message>
    <message>
        <source>Follow the system, or always use light or dark.</source>
        <translation>Seguir el sistema o usar siempre el modo claro u oscuro.</translation>
    </message>
    <message>
        <source>System default (%1)</source>
        <extracomment>Choice of the language; %1: the system&apos;s language</extracomment>
        <translation>Predeterminado del sistema (%1)</translation>
    </message>
    <message>
        <source>Restart now</source>
        <extracomment>Button: restart to show the new language</extracomment>
        <translation>Reiniciar ahora</translation>
    </message>
    <message>
        <source>Language</source>
        <extracomment>Setting: the language of the interface</extracomment>
        <translation>Idioma</translation>
    </message>
    <message>
        <source>Varnholt restarts to switch languages.</source>
        <translation>Varnholt se reinicia para cambiar de idioma.</translation>
    </message>
    <message>
        <source>Exclusions</source>
        <extracomment>Heading of a Settings section: folders never cleaned</extracomment>
        <translation>Exclusiones</translation>
    </message>
    <message>
        <source>Add folder</source>
        <extracomment>Button: add a folder to the exclusions</extracomment>
        <translation>Añadir carpeta</translation>
    </message>
    <message>
        <source>Never touch these</source>
        <extracomment>Description of the exclusions</extracomment>
        <translation>No tocar nunca</translation>
    </message>
    <message>
        <source>Folders and patterns Varnholt always skips.</source>
        <translation>Carpetas y patrones que Varnholt siempre omite.</translation>
    </message>
    <message>
        <source>Protected system locations</source>
        <extracomment>Row of the exclusions: folders Varnholt never cleans</extracomment>
        <translation>Ubicaciones protegidas del sistema</translation>
    </message>
    <message>
        <source>Locked</source>
        <extracomment>Badge beside the protected system locations: they cannot be changed</extracomment>
        <translation>Bloqueado</translation>
    </message>
    <message>
        <source>Protected apps</source>
        <extracomment>Row of the exclusions: apps whose data Varnholt never cleans</extracomment>
        <translation>Aplicaciones protegidas</translation>
    </message>
    <message>
        <source> — their data is never cleaned. Caches of running apps and open files are skipped too.</source>
        <translation> — sus datos nunca se limpian. También se omiten las cachés de las aplicaciones en ejecución y los archivos abiertos.</translation>
    </message>
    <message>
        <source>Permissions &amp; about</source>
        <extracomment>Heading of a Settings section</extracomment>
        <translation>Permisos e información</translation>
    </message>
    <message>
        <source>Full Disk Access</source>
        <extracomment>A macOS permission</extracomment>
        <translation>Acceso total al disco</translation>
    </message>
    <message>
        <source>Varnholt is running as administrator and can clean Windows Update files.</source>
        <translation>Varnholt se está ejecutando como administrador y puede limpiar los archivos de Windows Update.</translation>
    </message>
    <message>
        <source>Varnholt is running as administrator and can clean the package cache.</source>
        <translation>Varnholt se está ejecutando como administrador y puede limpiar la caché de paquetes.</translation>
    </message>
    <message>
        <source>Administrator access</source>
        <extracomment>Row: whether Varnholt runs with administrator rights</extracomment>
        <translation>Permisos de administrador</translation>
    </message>
    <message>
        <source>Granted</source>
        <extracomment>Badge: administrator rights are held</extracomment>
        <translation>Concedidos</translation>
    </message>
    <message>
        <source>Only needed to clean Windows Update leftovers.</source>
        <translation>Solo es necesario para limpiar los restos de Windows Update.</translation>
    </message>
    <message>
        <source>Only needed to clean the package cache.</source>
        <translation>Solo es necesario para limpiar la caché de paquetes.</translation>
    </message>
    <message>
        <source>Restart as admin</source>
        <extracomment>Button: restart Varnholt with administrator rights</extracomment>
        <translation>Reiniciar como admin</translation>
    </message>
    <message>
        <source>Check for updates</source>
        <extracomment>Button</extracomment>
        <translation>Buscar actualizaciones</translation>
    </message>
    <message>
        <source>Open logs</source>
        <extracomment>Button: open the folder of the cleanup logs</extracomment>
        <translation>Abrir registros</translation>
    </message>
    <message>
        <source>Every cleanup writes a log you can review. Varnholt checks for updates when it starts.</source>
        <translation>Cada limpieza genera un registro que puede revisar. Varnholt busca actualizaciones al iniciarse.</translation>
    </message>
    <message>
        <source>Remove</source>
        <extracomment>Button beside an excluded folder: take it off the list</extracomment>
        <translation>Quitar</translation>
    </message>
    <message>
        <source>Files bigger than this appear in the Space Map.</source>
        <translation>Los archivos de mayor tamaño aparecen en el Mapa de espacio.</translation>
    </message>
    <message>
        <source>Recent cleanups</source>
        <extracomment>Heading of a Settings section</extracomment>
        <translation>Limpiezas recientes</translation>
    </message>
    <message>
        <source>No cleanups yet</source>
        <extracomment>In place of the list of recent cleanups</extracomment>
        <translation>Aún no hay limpiezas</translation>
    </message>
    <message>
        <source>Every cleanup writes a log you can review.</source>
        <translation>Cada limpieza genera un registro que puede revisar.</translation>
    </message>
    <message>
        <source>Restore</source>
        <extracomment>Button beside a past cleanup: put back what it moved to the bin</extracomment>
        <translation>Restaurar</translation>
    </message>
    <message>
        <source>Used by the “Unused” filter.</source>
        <translation>Lo usa el filtro «Sin usar».</translation>
    </message>
    <message>
        <source>Nothing was cleaned</source>
        <extracomment>What a past cleanup did</extracomment>
        <translation>No se limpió nada</translation>
    </message>
    <message>
        <source>Check again</source>
        <extracomment>Button beside a note: read the settings file again</extracomment>
        <translation>Comprobar de nuevo</translation>
    </message>
    <message>
        <source>Your settings in %1 cannot be read, so what they hold is unknown. The options kept there stay locked until the file can be read again.</source>
        <extracomment>%1: a file&apos;s path</extracomment>
        <translation>No se puede leer su configuración en %1, por lo que se desconoce su contenido. Las opciones guardadas allí seguirán bloqueadas hasta que se pueda volver a leer el archivo.</translation>
    </message>
    <message>
        <source>Varnholt could not start again. Close it and open it yourself to switch languages.</source>
        <translation>Varnholt no pudo volver a iniciarse. Ciérrelo y ábralo usted mismo para cambiar de idioma.</translation>
    </message>
    <message>
        <source>Move items to the Recycle Bin</source>
        <translation>Mover los elementos a la Papelera de reciclaje</translation>
    </message>
    <message>
        <source>Move items to the Trash</source>
        <translation>Mover los elementos a la Papelera</translation>
    </message>
    <message>
        <source>Off</source>
        <comment>scheduled scan</comment>
        <translation>Desactivado</translation>
    </message>
    <message>
        <source>Weekly</source>
        <comment>scheduled scan</comment>
        <translation>Semanal</translation>
    </message>
    <message>
        <source>Monthly</source>
        <comment>scheduled scan</comment>
        <translation>Mensual</translation>
    </message>
    <message>
        <source>Keep a history of folder sizes</source>
        <translation>Guardar un historial de tamaños de carpetas</translation>
    </message>
    <message>
        <source>Once a day, Varnholt notes how big your folders are so it can show what grew. Nothing leaves this computer.</source>
        <translation>Una vez al día, Varnholt anota el tamaño de sus carpetas para poder mostrar qué ha crecido. Nada sale de este equipo.</translation>
    </message>
    <message>
        <source>Open at login</source>
        <comment>setting: start Varnholt at login</comment>
        <translation>Abrir al iniciar sesión</translation>
    </message>
    <message>
        <source>Start with Windows</source>
        <comment>setting: start Varnholt at login</comment>
        <translation>Iniciar con Windows</translation>
    </message>
    <message>
        <source>Start at login</source>
        <comment>setting: start Varnholt at login</comment>
        <translation>Ejecutar al iniciar sesión</translation>
    </message>
    <message>
        <source>System</source>
        <comment>theme that follows the system&apos;s light or dark mode</comment>
        <translation>Sistema</translation>
    </message>
    <message>
        <source>Light</source>
        <comment>theme</comment>
        <translation>Claro</translation>
    </message>
    <message>
        <source>Dark</source>
        <comment>theme</comment>
        <translation>Oscuro</translation>
    </message>
    <message>
        <source>C:\Windows\System32, WinSxS, Program Files, drive roots — always skipped.</source>
        <extracomment>The folder names stay as the system writes them</extracomment>
        <translation>C:\Windows\System32, WinSxS, Program Files, raíces de las unidades: se omiten siempre.</translation>
    </message>
    <message>
        <source>/usr, /etc, /boot, /var/lib, system folders — always skipped.</source>
        <extracomment>The folder names stay as the system writes them</extracomment>
        <translation>/usr, /etc, /boot, /var/lib, carpetas del sistema: se omiten siempre.</translation>
    </message>
    <message>
        <source>%1 in all: the Recycle Bin emptied, items deleted permanently or moved to it</source>
        <comment>%1: a size</comment>
        <translation>%1 en total: Papelera de reciclaje vaciada y elementos eliminados permanentemente o movidos a ella</translation>
    </message>
    <message>
        <source>%1 in all: the Trash emptied, items deleted permanently or moved to it</source>
        <comment>%1: a size</comment>
        <translation>%1 en total: Papelera vaciada y elementos eliminados permanentemente o movidos a ella</translation>
    </message>
    <message>
        <source>%1 moved to the Recycle Bin or deleted permanently</source>
        <comment>%1: a size</comment>
        <translation>%1 movidos a la Papelera de reciclaje o eliminados permanentemente</translation>
    </message>
    <message>
        <source>%1 moved to the Trash or deleted permanently</source>
        <comment>%1: a size</comment>
        <translation>%1 movidos a la Papelera o eliminados permanentemente</translation>
    </message>
    <message>
        <source>%1 in all: the Recycle Bin emptied, then items moved to it</source>
        <comment>%1: a size</comment>
        <translation>%1 en total: Papelera de reciclaje vaciada y después elementos movidos a ella</translation>
    </message>
    <message>
        <source>%1 in all: the Trash emptied, then items moved to it</source>
        <comment>%1: a size</comment>
        <translation>%1 en total: Papelera vaciada y después elementos movidos a ella</translation>
    </message>
    <message>
        <source>%1 moved to the Recycle Bin</source>
        <comment>%1: a size</comment>
        <translation>%1 movidos a la Papelera de reciclaje</translation>
    </message>
    <message>
        <source>%1 moved to the Trash</source>
        <comment>%1: a size</comment>
        <translation>%1 movidos a la Papelera</translation>
    </message>
    <message>
        <source>%1 freed: items deleted permanently and the Recycle Bin emptied</source>
        <comment>%1: a size</comment>
        <translation>%1 liberados: elementos eliminados permanentemente y Papelera de reciclaje vaciada</translation>
    </message>
    <message>
        <source>%1 freed: items deleted permanently and the Trash emptied</source>
        <comment>%1: a size</comment>
        <translation>%1 liberados: elementos eliminados permanentemente y Papelera vaciada</translation>
    </message>
    <message>
        <source>%1 deleted permanently</source>
        <comment>%1: a size</comment>
        <translation>%1 eliminados de forma permanente</translation>
    </message>
    <message>
        <source>The Recycle Bin was emptied: %1 freed</source>
        <comment>%1: a size</comment>
        <translation>Se vació la Papelera de reciclaje: %1 liberados</translation>
    </message>
    <message>
        <source>The Trash was emptied: %1 freed</source>
        <comment>%1: a size</comment>
        <translation>Se vació la Papelera: %1 liberados</translation>
    </message>
    <message>
        <source>Put back what this cleanup moved to the Recycle Bin. Nothing that is in its place now is replaced.</source>
        <translation>Devolver a su lugar lo que esta limpieza movió a la Papelera de reciclaje. No se reemplaza nada de lo que ocupe ahora ese lugar.</translation>
    </message>
    <message>
        <source>Put back what this cleanup moved to the Trash. Nothing that is in its place now is replaced.</source>
        <translation>Devolver a su lugar lo que esta limpieza movió a la Papelera. No se reemplaza nada de lo que ocupe ahora ese lugar.</translation>
    </message>
    <message>
        <source>Forget history</source>
        <translation>Borrar el historial</translation>
    </message>
    <message>
        <source>Forget the history of folder sizes?</source>
        <translation>¿Borrar el historial de tamaños de carpetas?</translation>
    </message>
    <message>
        <source>Every reading Varnholt took of your folder sizes is removed. What grew shows again once new readings have been taken.</source>
        <translation>Se eliminarán todas las mediciones del tamaño de sus carpetas que ha hecho Varnholt. Lo que ha crecido volverá a mostrarse cuando haya nuevas mediciones.</translation>
    </message>
    <message>
        <source>The history of folder sizes is forgotten</source>
        <translation>Se borró el historial de tamaños de carpetas</translation>
    </message>
    <message>
        <source>Some readings of folder sizes could not be removed</source>
        <translation>No se pudieron eliminar algunas mediciones de tamaños de carpetas</translation>
    </message>
    <message>
        <source>Closing the window keeps Varnholt running there.</source>
        <extracomment>Scheduled scans and alerts run when Varnholt starts, not while it waits in the menu bar</extracomment>
        <translation>Al cerrar la ventana, Varnholt sigue ejecutándose allí.</translation>
    </message>
    <message>
        <source>In the tray, Varnholt keeps running until you quit it.</source>
        <extracomment>Scheduled scans and alerts run when Varnholt starts, not while it waits in the tray</extracomment>
        <translation>En el área de notificación, Varnholt sigue ejecutándose hasta que lo cierre.</translation>
    </message>
</context>
<context>
    <name>Sidebar</name>
    <message>
        <source>%1 available of %2</source>
        <extracomment>%1: the free size; %2: the disk&apos;s size</extracomment>
        <translation>%1 disponibles de %2</translation>
    </message>
    <message>
        <source>Smart Scan</source>
        <extracomment>Sidebar entry: the Overview page with its scan of every cleanup category</extracomment>
        <translation>Análisis inteligente</translation>
    </message>
    <message>
        <source>Cleanup</source>
        <extracomment>Sidebar entry: the page of the scan&apos;s results and the cleanup</extracomment>
        <translation>Limpieza</translation>
    </message>
    <message>
        <source>Space Map</source>
        <extracomment>Sidebar entry: the page that maps where disk space goes (not a geographic map)</extracomment>
        <translation>Mapa de espacio</translation>
    </message>
    <message>
        <source>Settings</source>
        <extracomment>Sidebar entry</extracomment>
        <translation>Configuración</translation>
    </message>
    <message>
        <source>%1 free</source>
        <extracomment>The collapsed sidebar&apos;s drive line; %1: a size</extracomment>
        <translation>%1 libres</translation>
    </message>
    <message>
        <source>Clean</source>
        <extracomment>Heading over the sidebar&apos;s pages (a section title, not a command)</extracomment>
        <translation>Mantenimiento</translation>
    </message>
    <message>
        <source>Expand sidebar</source>
        <comment>tooltip: widen the sidebar</comment>
        <translation>Expandir barra lateral</translation>
    </message>
    <message>
        <source>Collapse sidebar</source>
        <comment>tooltip: narrow the sidebar to icons</comment>
        <translation>Contraer barra lateral</translation>
    </message>
</context>
<context>
    <name>TitleBar</name>
    <message>
        <source>Menu</source>
        <extracomment>Tooltip of the title bar&apos;s button that opens the app menu</extracomment>
        <translation>Menú</translation>
    </message>
    <message>
        <source>Minimize</source>
        <extracomment>Tooltip of a window button</extracomment>
        <translation>Minimizar</translation>
    </message>
    <message>
        <source>Close</source>
        <extracomment>Tooltip of a window button</extracomment>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Restore</source>
        <comment>window button: unmaximize</comment>
        <translation>Restaurar</translation>
    </message>
    <message>
        <source>Maximize</source>
        <comment>window button</comment>
        <translation>Maximizar</translation>
    </message>
</context>
<context>
    <name>Tray</name>
    <message>
        <source>Varnholt is still running</source>
        <translation>Varnholt sigue en ejecución</translation>
    </message>
    <message>
        <source>Open Varnholt</source>
        <extracomment>Entry of the tray menu</extracomment>
        <translation>Abrir Varnholt</translation>
    </message>
    <message>
        <source>Smart Scan</source>
        <extracomment>Entry of the tray menu: scan every cleanup category</extracomment>
        <translation>Análisis inteligente</translation>
    </message>
    <message>
        <source>Settings</source>
        <extracomment>Entry of the tray menu</extracomment>
        <translation>Configuración</translation>
    </message>
    <message>
        <source>Check for Updates</source>
        <extracomment>Entry of the tray menu</extracomment>
        <translation>Buscar actualizaciones</translation>
    </message>
    <message>
        <source>Quit Varnholt</source>
        <extracomment>Entry of the tray menu</extracomment>
        <translation>Salir de Varnholt</translation>
    </message>
    <message>
        <source>%1 · %2 free</source>
        <extracomment>Tray tooltip; %1: a drive; %2: a size</extracomment>
        <translation>%1 · %2 libres</translation>
    </message>
    <message>
        <source>Space Map</source>
        <extracomment>Entry of the tray menu: open the page that maps where disk space goes</extracomment>
        <translation>Mapa de espacio</translation>
    </message>
    <message>
        <source>It stays in the system tray. Right-click the icon to quit.</source>
        <extracomment>Balloon shown once the window first hides in the tray</extracomment>
        <translation>Permanece en el área de notificación. Haga clic con el botón derecho en el icono para salir.</translation>
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
        <extracomment>%1: the system&apos;s reason</extracomment>
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
        <extracomment>%1: the network&apos;s reason</extracomment>
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
        <extracomment>%1: the publisher&apos;s name</extracomment>
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
    <message>
        <source>The connection to the update server timed out.</source>
        <translation>Se agotó el tiempo de espera de la conexión con el servidor de actualizaciones.</translation>
    </message>
    <message>
        <source>The update is not the published version %1.</source>
        <extracomment>%1: a version number</extracomment>
        <translation>La actualización no es la versión publicada %1.</translation>
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
        <translation>TB</translation>
    </message>
    <message>
        <source>GB</source>
        <extracomment>Unit of size: gigabyte</extracomment>
        <translation>GB</translation>
    </message>
    <message>
        <source>MB</source>
        <extracomment>Unit of size: megabyte</extracomment>
        <translation>MB</translation>
    </message>
    <message>
        <source>KB</source>
        <extracomment>Unit of size: kilobyte</extracomment>
        <translation>KB</translation>
    </message>
    <message>
        <source>Today</source>
        <extracomment>A relative date, also in the Opened column of the Space Map</extracomment>
        <translation>Hoy</translation>
    </message>
    <message>
        <source>Yesterday</source>
        <extracomment>A relative date</extracomment>
        <translation>Ayer</translation>
    </message>
    <message numerus="yes">
        <source>%n day(s) ago</source>
        <extracomment>A relative date</extracomment>
        <translation>
            <numerusform>hace %n día</numerusform>
            <numerusform>hace %n días</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n week(s) ago</source>
        <extracomment>A relative date</extracomment>
        <translation>
            <numerusform>hace %n semana</numerusform>
            <numerusform>hace %n semanas</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n month(s) ago</source>
        <extracomment>A relative date</extracomment>
        <translation>
            <numerusform>hace %n mes</numerusform>
            <numerusform>hace %n meses</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n year(s) ago</source>
        <extracomment>A relative date</extracomment>
        <translation>
            <numerusform>hace %n año</numerusform>
            <numerusform>hace %n años</numerusform>
        </translation>
    </message>
</context>
</TS>
