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
    <message>
        <source>Nothing was cleaned: your settings cannot be read.</source>
        <translation>No se limpió nada: no se puede leer su configuración.</translation>
    </message>
    <message>
        <source>That cleanup log could not be read; nothing was restored.</source>
        <translation>No se pudo leer ese registro de limpieza; no se restauró nada.</translation>
    </message>
    <message numerus="yes">
        <source>Restored %n item(s) from the %1</source>
        <translation>
            <numerusform>Se restauró %n elemento de la %1</numerusform>
            <numerusform>Se restauraron %n elementos de la %1</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 not restored: %2</source>
        <translation>%1 sin restaurar: %2</translation>
    </message>
    <message>
        <source>found through the %1&apos;s own records (an older log)</source>
        <translation>encontrados mediante los registros propios de la %1 (un registro antiguo)</translation>
    </message>
    <message numerus="yes">
        <source>At this rate the disk is full in about %n week(s)</source>
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
        <translation>El espacio libre baja unos %1 al día</translation>
    </message>
    <message>
        <source>Free space rises by about %1 a day</source>
        <translation>El espacio libre sube unos %1 al día</translation>
    </message>
    <message>
        <source> · %1 could not be moved to the %2</source>
        <translation> · %1 no se pudieron mover a la %2</translation>
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
    <message>
        <source>%1 was left out: it leads through a link to %2.</source>
        <translation>Se omitió %1: lleva a %2 a través de un enlace.</translation>
    </message>
    <message>
        <source>%1 was left out: it is the home folder or holds it.</source>
        <translation>Se omitió %1: es la carpeta personal o la contiene.</translation>
    </message>
    <message>
        <source>%1 was left out: it lies in a protected location.</source>
        <translation>Se omitió %1: está en una ubicación protegida.</translation>
    </message>
    <message>
        <source>%1 was left out: it overlaps %2.</source>
        <translation>Se omitió %1: se superpone con %2.</translation>
    </message>
    <message>
        <source>App logs, crash reports</source>
        <translation>Registros de apps, informes de fallos</translation>
    </message>
    <message>
        <source>Cache folders in ~/.config, ~/.cache and Flatpak and Snap apps</source>
        <translation>Carpetas de caché en ~/.config, ~/.cache y en apps Flatpak y Snap</translation>
    </message>
    <message>
        <source>%1 (PID %2)</source>
        <translation>%1 (PID %2)</translation>
    </message>
    <message>
        <source>%1 is left out: another program is working in it.</source>
        <translation>%1 se omite: otro programa está trabajando en esta carpeta.</translation>
    </message>
    <message>
        <source>%1 is left out: in use by %2.</source>
        <translation>%1 se omite: en uso por %2.</translation>
    </message>
    <message>
        <source>%1 is left out: its name is not valid text.</source>
        <translation>%1 se omite: su nombre no es un texto válido.</translation>
    </message>
    <message>
        <source>npm cache</source>
        <translation>Caché de npm</translation>
    </message>
    <message>
        <source>Yarn cache</source>
        <translation>Caché de Yarn</translation>
    </message>
    <message>
        <source>pip cache</source>
        <translation>Caché de pip</translation>
    </message>
    <message>
        <source>NuGet HTTP cache</source>
        <translation>Caché HTTP de NuGet</translation>
    </message>
    <message>
        <source>Go build cache</source>
        <translation>Caché de compilación de Go</translation>
    </message>
    <message>
        <source>Gradle caches</source>
        <translation>Cachés de Gradle</translation>
    </message>
    <message>
        <source>Cargo registry cache</source>
        <translation>Caché del registro de Cargo</translation>
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
        <translation>LIMPIEZA SEGURA</translation>
    </message>
    <message>
        <source>REVIEW BEFORE CLEANING</source>
        <translation>REVISAR ANTES DE LIMPIAR</translation>
    </message>
    <message>
        <source>CANNOT BE UNDONE</source>
        <translation>NO SE PUEDE DESHACER</translation>
    </message>
    <message>
        <source>Cleanup</source>
        <translation>Limpieza</translation>
    </message>
    <message>
        <source>Nothing scanned yet</source>
        <translation>Aún no se ha analizado nada</translation>
    </message>
    <message>
        <source>Find caches, temporary files and leftovers.</source>
        <translation>Busque cachés, archivos temporales y restos.</translation>
    </message>
    <message>
        <source>Start Smart Scan</source>
        <translation>Iniciar Análisis inteligente</translation>
    </message>
    <message>
        <source>Scanning</source>
        <translation>Analizando</translation>
    </message>
    <message>
        <source>In progress</source>
        <translation>En curso</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Detener</translation>
    </message>
    <message>
        <source>Items checked</source>
        <translation>Elementos analizados</translation>
    </message>
    <message>
        <source>Elapsed</source>
        <translation>Transcurrido</translation>
    </message>
    <message>
        <source>Remaining</source>
        <translation>Restante</translation>
    </message>
    <message>
        <source>found</source>
        <translation>encontrados</translation>
    </message>
    <message>
        <source>Cleaning</source>
        <translation>Limpiando</translation>
    </message>
    <message>
        <source>of %1</source>
        <translation>de %1</translation>
    </message>
    <message>
        <source>Cleanup complete</source>
        <translation>Limpieza completada</translation>
    </message>
    <message>
        <source>Available before</source>
        <translation>Disponible antes</translation>
    </message>
    <message>
        <source>Available now</source>
        <translation>Disponible ahora</translation>
    </message>
    <message>
        <source>&lt;b&gt;Some files need administrator rights.&lt;/b&gt; Restart Varnholt as administrator and clean again to remove them.</source>
        <translation>&lt;b&gt;Algunos archivos requieren permisos de administrador.&lt;/b&gt; Reinicie Varnholt como administrador y vuelva a limpiar para eliminarlos.</translation>
    </message>
    <message>
        <source>Restart as admin</source>
        <translation>Reiniciar como administrador</translation>
    </message>
    <message>
        <source>View log</source>
        <translation>Ver registro</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Listo</translation>
    </message>
    <message>
        <source>Items were deleted permanently.</source>
        <translation>Los elementos se eliminaron permanentemente.</translation>
    </message>
    <message>
        <source>For example: %1</source>
        <translation>Por ejemplo: %1</translation>
    </message>
    <message>
        <source>&lt;b&gt;Left caches of running apps alone:&lt;/b&gt; %1. Quit them and clean again to include them.</source>
        <translation>&lt;b&gt;No se tocaron las cachés de aplicaciones en ejecución:&lt;/b&gt; %1. Ciérrelas y vuelva a limpiar para incluirlas.</translation>
    </message>
    <message>
        <source>Needs administrator</source>
        <translation>Requiere administrador</translation>
    </message>
    <message>
        <source>Select recommended</source>
        <translation>Seleccionar recomendados</translation>
    </message>
    <message>
        <source>Rescan</source>
        <translation>Volver a analizar</translation>
    </message>
    <message>
        <source>Select all</source>
        <translation>Seleccionar todo</translation>
    </message>
    <message>
        <source>%1 can be cleaned</source>
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
        <translation>%1 está abierto. Ciérrelo para incluir su caché.</translation>
    </message>
    <message>
        <source>%1 are open. Quit them to include their caches.</source>
        <translation>%1 están abiertos. Ciérrelos para incluir sus cachés.</translation>
    </message>
    <message>
        <source>Largest items</source>
        <translation>Elementos más grandes</translation>
    </message>
    <message>
        <source>Show in %1</source>
        <translation>Mostrar en el %1</translation>
    </message>
    <message>
        <source>%1 is running</source>
        <translation>%1 está en ejecución</translation>
    </message>
    <message>
        <source>Show %1 more</source>
        <translation>Mostrar %1 más</translation>
    </message>
    <message>
        <source>moved to the %1</source>
        <translation>movidos a la %1</translation>
    </message>
    <message>
        <source>deleted permanently</source>
        <translation>eliminados permanentemente</translation>
    </message>
    <message>
        <source>&lt;b style=&apos;color:%1&apos;&gt;%2&lt;/b&gt; selected%3</source>
        <translation>&lt;b style=&apos;color:%1&apos;&gt;%2&lt;/b&gt; seleccionados%3</translation>
    </message>
    <message>
        <source> · some need admin</source>
        <translation> · algunos requieren permisos de administrador</translation>
    </message>
    <message>
        <source>Clean %1</source>
        <translation>Limpiar %1</translation>
    </message>
    <message>
        <source>Large files</source>
        <translation>Archivos grandes</translation>
    </message>
    <message numerus="yes">
        <source>%Ln item(s)</source>
        <translation>
            <numerusform>%Ln elemento</numerusform>
            <numerusform>%Ln elementos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>and %Ln more item(s)</source>
        <translation>
            <numerusform>y %Ln elemento más</numerusform>
            <numerusform>y %Ln elementos más</numerusform>
        </translation>
    </message>
    <message>
        <source>Check again</source>
        <translation>Comprobar de nuevo</translation>
    </message>
    <message>
        <source>Your settings in %1 cannot be read, so your exclusions and your choice between the %2 and deleting are unknown. Cleaning stays off until the file can be read again.</source>
        <translation>No se puede leer su configuración en %1, por lo que se desconocen sus exclusiones y si prefiere mover los elementos a la %2 o eliminarlos. La limpieza seguirá desactivada hasta que se pueda volver a leer el archivo.</translation>
    </message>
    <message>
        <source>Partly cleaned</source>
        <translation>Limpieza parcial</translation>
    </message>
    <message>
        <source>Nothing was cleaned</source>
        <translation>No se limpió nada</translation>
    </message>
    <message>
        <source>None of the %1 selected could be cleaned.</source>
        <translation>No se pudo limpiar nada de los %1 seleccionados.</translation>
    </message>
    <message>
        <source>No app could open %1</source>
        <translation>Ninguna aplicación pudo abrir %1</translation>
    </message>
    <message>
        <source>The %1 could not show %2</source>
        <translation>El %1 no pudo mostrar %2</translation>
    </message>
    <message>
        <source>Scan again to see what can be cleaned.</source>
        <translation>Vuelva a analizar para ver qué se puede limpiar.</translation>
    </message>
    <message>
        <source>Measuring…</source>
        <translation>Midiendo…</translation>
    </message>
    <message>
        <source>%1 of it needs administrator rights.</source>
        <translation>%1 de ello requiere permisos de administrador.</translation>
    </message>
    <message>
        <source>freed or moved to the %1</source>
        <comment>what the figure of a finished cleanup is</comment>
        <translation>liberado o movido a la %1</translation>
    </message>
    <message>
        <source>moved to the %1</source>
        <comment>what the figure of a finished cleanup is</comment>
        <translation>movido a la %1</translation>
    </message>
    <message>
        <source>freed</source>
        <comment>what the figure of a finished cleanup is</comment>
        <translation>liberado</translation>
    </message>
    <message>
        <source>of %1 selected · %2</source>
        <translation>de %1 seleccionados · %2</translation>
    </message>
    <message>
        <source>Restore all</source>
        <translation>Restaurar todo</translation>
    </message>
    <message>
        <source>Put everything this cleanup moved to the %1 back where it was</source>
        <translation>Devolver a su lugar todo lo que esta limpieza movió a la %1</translation>
    </message>
    <message>
        <source>Restoring…</source>
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
        <source>Some items were moved to the %1 and the rest deleted permanently. You can still restore what was moved.</source>
        <translation>Algunos elementos se movieron a la %1 y el resto se eliminó de forma permanente. Aún puede restaurar lo que se movió.</translation>
    </message>
    <message>
        <source>Moved to the %1. You can still restore anything.</source>
        <translation>Se movió a la %1. Aún puede restaurar cualquier cosa.</translation>
    </message>
    <message numerus="yes">
        <source>&lt;b&gt;%Ln item(s) could not be moved to the %1&lt;/b&gt; and were left where they are.</source>
        <translation>
            <numerusform>&lt;b&gt;No se pudo mover %Ln elemento a la %1&lt;/b&gt; y se dejó donde está.</numerusform>
            <numerusform>&lt;b&gt;No se pudieron mover %Ln elementos a la %1&lt;/b&gt; y se dejaron donde están.</numerusform>
        </translation>
    </message>
    <message>
        <source>This cleanup wrote no log; its folder is open instead.</source>
        <translation>Esta limpieza no escribió ningún registro; en su lugar se abrió la carpeta de registros.</translation>
    </message>
    <message>
        <source>The log %1 is gone; its folder is open instead.</source>
        <translation>El registro %1 ya no existe; en su lugar se abrió su carpeta.</translation>
    </message>
    <message>
        <source>Varnholt did not restart: administrator rights were refused or could not be asked for.</source>
        <translation>Varnholt no se reinició: se denegaron los permisos de administrador o no se pudieron solicitar.</translation>
    </message>
    <message>
        <source>No %1 on this drive</source>
        <translation>No hay %1 en esta unidad</translation>
    </message>
    <message>
        <source>Cannot go to the %1</source>
        <translation>No puede ir a la %1</translation>
    </message>
</context>
<context>
    <name>Cli</name>
    <message>
        <source>Cannot read the catalogue file %1: %2</source>
        <translation>No se puede leer el archivo de catálogo %1: %2</translation>
    </message>
    <message>
        <source>The catalogue file %1 is not valid JSON: %2</source>
        <translation>El archivo de catálogo %1 no es un JSON válido: %2</translation>
    </message>
    <message>
        <source>The catalogue file %1 is not usable: %2</source>
        <translation>El archivo de catálogo %1 no se puede usar: %2</translation>
    </message>
    <message>
        <source>a category has no id</source>
        <translation>una categoría no tiene id</translation>
    </message>
    <message>
        <source>the id &quot;%1&quot; appears twice</source>
        <translation>el id «%1» aparece dos veces</translation>
    </message>
    <message>
        <source>the risk of &quot;%1&quot; is not Safe, Review or Permanent</source>
        <translation>el riesgo de «%1» no es Safe, Review ni Permanent</translation>
    </message>
    <message>
        <source>a root of &quot;%1&quot; is not an absolute path</source>
        <translation>una raíz de «%1» no es una ruta absoluta</translation>
    </message>
    <message>
        <source>it lists no categories</source>
        <translation>no contiene ninguna categoría</translation>
    </message>
    <message>
        <source>Interrupted.</source>
        <translation>Interrumpido.</translation>
    </message>
    <message>
        <source>Scanning %1 · %2 · %3 files · %4</source>
        <translation>Analizando %1 · %2 · archivos: %3 · %4</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>Categoría</translation>
    </message>
    <message>
        <source>Risk</source>
        <translation>Riesgo</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Tamaño</translation>
    </message>
    <message>
        <source>Files</source>
        <translation>Archivos</translation>
    </message>
    <message>
        <source>Items</source>
        <translation>Elementos</translation>
    </message>
    <message>
        <source>(%1 is running)</source>
        <translation>(%1 está en ejecución)</translation>
    </message>
    <message>
        <source>… %1 more (--json lists all)</source>
        <translation>… y %1 más (--json los muestra todos)</translation>
    </message>
    <message>
        <source>%1 found · %2 files checked · %3 s</source>
        <translation>Total encontrado: %1 · archivos analizados: %2 · %3 s</translation>
    </message>
    <message>
        <source>Some folders of %1 could not be read.</source>
        <translation>No se pudieron leer algunas carpetas de %1.</translation>
    </message>
    <message>
        <source>Keeping %1 as a whole: %2 lies inside it.</source>
        <translation>Se conserva %1 por completo porque %2 está dentro.</translation>
    </message>
    <message>
        <source>Freed %1 · %2 removed · %3 skipped</source>
        <translation>Liberado: %1 · eliminados: %2 · omitidos: %3</translation>
    </message>
    <message numerus="yes">
        <source>%n file(s)</source>
        <translation>
            <numerusform>%n archivo</numerusform>
            <numerusform>%n archivos</numerusform>
        </translation>
    </message>
    <message>
        <source>Cleaned: %1</source>
        <translation>Categorías limpiadas: %1</translation>
    </message>
    <message>
        <source>Skipped (in use or access denied):</source>
        <translation>Omitidos (en uso o acceso denegado):</translation>
    </message>
    <message>
        <source>Left alone because they are running: %1</source>
        <translation>No se tocaron por estar en ejecución: %1</translation>
    </message>
    <message>
        <source>Some items need administrator rights.</source>
        <translation>Algunos elementos requieren permisos de administrador.</translation>
    </message>
    <message>
        <source>Log: %1</source>
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
        <translation>Limpiando %1 de %2 · %3</translation>
    </message>
    <message>
        <source>%1 files checked · %2 found (%3) · %4</source>
        <translation>Archivos analizados: %1 · encontrados: %2 (%3) · %4</translation>
    </message>
    <message>
        <source>The search for large files did not complete.</source>
        <translation>La búsqueda de archivos grandes no se completó.</translation>
    </message>
    <message>
        <source>Kind</source>
        <translation>Tipo</translation>
    </message>
    <message>
        <source>Last used</source>
        <translation>Último uso</translation>
    </message>
    <message>
        <source>Path</source>
        <translation>Ruta</translation>
    </message>
    <message numerus="yes">
        <source>%n large file(s)</source>
        <translation>
            <numerusform>%n archivo grande</numerusform>
            <numerusform>%n archivos grandes</numerusform>
        </translation>
    </message>
    <message>
        <source>Cannot read %1.</source>
        <translation>No se puede leer %1.</translation>
    </message>
    <message>
        <source>Newest</source>
        <translation>Último cambio</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Tiempo</translation>
    </message>
    <message>
        <source>%1 ms</source>
        <translation>%1 ms</translation>
    </message>
    <message>
        <source>Run &quot;varnholt-cli --help&quot; for the usage.</source>
        <translation>Ejecute «varnholt-cli --help» para ver el uso.</translation>
    </message>
    <message>
        <source>No command given.</source>
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
        <translation>Argumento inesperado «%1» para %2.</translation>
    </message>
    <message>
        <source>measure takes exactly one PATH.</source>
        <translation>measure admite exactamente un PATH.</translation>
    </message>
    <message>
        <source>none</source>
        <translation>ninguna</translation>
    </message>
    <message>
        <source>Unknown option &quot;%1&quot; for %2. Options of %2: %3.</source>
        <translation>Opción desconocida «%1» para %2. Opciones de %2: %3.</translation>
    </message>
    <message>
        <source>%1 needs a value.</source>
        <translation>%1 requiere un valor.</translation>
    </message>
    <message>
        <source>%1 takes no value.</source>
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
        <translation>Categoría desconocida: %1. Categorías disponibles: %2.</translation>
    </message>
    <message>
        <source>a flag of &quot;%1&quot; is not true or false</source>
        <translation>un indicador de «%1» no es true ni false</translation>
    </message>
    <message>
        <source>the patterns of a root of &quot;%1&quot; are not a list of names</source>
        <translation>los patrones de una raíz de «%1» no son una lista de nombres</translation>
    </message>
    <message>
        <source>the minAgeMs of a root of &quot;%1&quot; is not a whole number of milliseconds from 0 to 100 years</source>
        <translation>el minAgeMs de una raíz de «%1» no es un número entero de milisegundos entre 0 y 100 años</translation>
    </message>
    <message>
        <source>Warning: cannot read the settings file %1; this run may not use your settings.</source>
        <translation>Advertencia: no se puede leer el archivo de configuración %1; es posible que esta ejecución no use su configuración.</translation>
    </message>
    <message>
        <source>Cannot read the settings file %1, so your exclusions and your choice between the trash and deleting are unknown. Nothing was cleaned: fix or remove that file first.</source>
        <translation>No se puede leer el archivo de configuración %1, por lo que se desconocen sus exclusiones y si prefiere la papelera o la eliminación. No se limpió nada: corrija o elimine primero ese archivo.</translation>
    </message>
    <message>
        <source>--skip-item %1 names no item of the categories given.</source>
        <translation>--skip-item %1 no corresponde a ningún elemento de las categorías indicadas.</translation>
    </message>
    <message>
        <source>Nothing was cleaned.</source>
        <translation>No se limpió nada.</translation>
    </message>
    <message>
        <source>Moved %1 to the %2 · freed %3 · %4 removed · %5 skipped</source>
        <translation>Movido a la %2: %1 · liberado: %3 · eliminados: %4 · omitidos: %5</translation>
    </message>
    <message>
        <source>Action</source>
        <translation>Acción</translation>
    </message>
    <message>
        <source>move to %1</source>
        <translation>mover a %1</translation>
    </message>
    <message>
        <source>delete</source>
        <translation>eliminar</translation>
    </message>
    <message>
        <source>Would stay:</source>
        <translation>Se conservaría:</translation>
    </message>
    <message numerus="yes">
        <source>Preview only, nothing was removed: %n path(s) would go, %1.</source>
        <translation>
            <numerusform>Solo vista previa, no se eliminó nada: se iría %n ruta, %1.</numerusform>
            <numerusform>Solo vista previa, no se eliminó nada: se irían %n rutas, %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>The disk is already full.</source>
        <translation>El disco ya está lleno.</translation>
    </message>
    <message numerus="yes">
        <source>No forecast yet: the records of free space cover %n day(s); a forecast needs at least %1.</source>
        <translation>
            <numerusform>Aún no hay previsión: los registros de espacio libre abarcan %n día; una previsión necesita al menos %1.</numerusform>
            <numerusform>Aún no hay previsión: los registros de espacio libre abarcan %n días; una previsión necesita al menos %1.</numerusform>
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
        <translation>
            <numerusform>%n registro de espacio libre desde el %1</numerusform>
            <numerusform>%n registros de espacio libre desde el %1</numerusform>
        </translation>
    </message>
    <message>
        <source>restore takes at most one LOG.</source>
        <translation>restore admite como máximo un LOG.</translation>
    </message>
    <message>
        <source>put back what a cleanup moved to the trash (the latest one without LOG)</source>
        <translation>devuelve lo que una limpieza movió a la papelera (sin LOG, la última)</translation>
    </message>
    <message>
        <source>estimate when the disk is full from its history of free space</source>
        <translation>estimar cuándo se llenará el disco a partir del historial de espacio libre</translation>
    </message>
    <message>
        <source>list what clean would remove or move, with sizes; removes nothing</source>
        <translation>lista lo que clean eliminaría o movería, con tamaños; no elimina nada</translation>
    </message>
    <message>
        <source>Unknown command &quot;%1&quot;. Commands: %2.</source>
        <translation>Comando desconocido «%1». Comandos: %2.</translation>
    </message>
    <message numerus="yes">
        <source>In use by %1 (PID %2): %n file(s)</source>
        <translation>
            <numerusform>En uso por %1 (PID %2): %n archivo</numerusform>
            <numerusform>En uso por %1 (PID %2): %n archivos</numerusform>
        </translation>
    </message>
    <message>
        <source>Kept because something in them changed since the scan: %1</source>
        <translation>Conservados porque algo en ellos cambió desde el análisis: %1</translation>
    </message>
    <message>
        <source>No cleanup has moved anything to the %1; there is nothing to restore.</source>
        <translation>Ninguna limpieza ha movido nada a la %1; no hay nada que restaurar.</translation>
    </message>
    <message>
        <source>As root, the catalogue file %1 is used only when it and every folder above it belong to root and no one else may change them.</source>
        <translation>Como root, el archivo de catálogo %1 solo se usa si él y cada carpeta por encima pertenecen a root y nadie más puede modificarlos.</translation>
    </message>
    <message>
        <source>As root, Varnholt works in root&apos;s own folders (%1) and ignores %2: another user can change where they lead.</source>
        <translation>Como root, Varnholt trabaja en las carpetas propias de root (%1) e ignora %2: otro usuario puede cambiar adónde llevan.</translation>
    </message>
    <message>
        <source>Could not be moved to the %1, left where they are:</source>
        <translation>No se pudieron mover a la %1; se quedan donde están:</translation>
    </message>
    <message numerus="yes">
        <source>… and %n more</source>
        <translation>
            <numerusform>… y %n más</numerusform>
            <numerusform>… y %n más</numerusform>
        </translation>
    </message>
    <message>
        <source>Cannot read the settings file %1, so your exclusions and your choice between the Recycle Bin and deleting are unknown. Nothing was cleaned: fix or remove that file first.</source>
        <translation>No se puede leer el archivo de configuración %1, por lo que se desconocen sus exclusiones y si prefiere la Papelera de reciclaje o la eliminación. No se limpió nada: corrija o elimine primero ese archivo.</translation>
    </message>
    <message numerus="yes">
        <source>No forecast yet: the free space has been recorded %n time(s) (the Varnholt app records it when it starts); a forecast needs at least %1.</source>
        <translation>
            <numerusform>Aún no hay previsión: el espacio libre se ha registrado %n vez (la aplicación Varnholt lo registra al iniciarse); una previsión necesita al menos %1.</numerusform>
            <numerusform>Aún no hay previsión: el espacio libre se ha registrado %n veces (la aplicación Varnholt lo registra al iniciarse); una previsión necesita al menos %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>delete permanently, or move to the Recycle Bin</source>
        <translation>elimina permanentemente o mueve a la Papelera de reciclaje</translation>
    </message>
    <message>
        <source>put back what a cleanup moved to the Recycle Bin (the latest one without LOG)</source>
        <translation>devuelve lo que una limpieza movió a la Papelera de reciclaje (sin LOG, la última)</translation>
    </message>
    <message>
        <source>delete permanently, or move to the trash</source>
        <translation>elimina permanentemente o mueve a la papelera</translation>
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
</context>
<context>
    <name>LargeFilesPage</name>
    <message>
        <source>Space Map</source>
        <translation>Mapa de espacio</translation>
    </message>
    <message>
        <source>Rescan</source>
        <translation>Volver a analizar</translation>
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
        <translation>Buscar archivos grandes</translation>
    </message>
    <message>
        <source>Largest so far</source>
        <translation>Los más grandes hasta ahora</translation>
    </message>
    <message>
        <source>Looking for large files…</source>
        <translation>Buscando archivos grandes…</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Todos</translation>
    </message>
    <message>
        <source>Unused %1+ months</source>
        <translation>Sin usar en %1+ meses</translation>
    </message>
    <message>
        <source>Downloads</source>
        <translation>Descargas</translation>
    </message>
    <message>
        <source>Search files</source>
        <translation>Buscar archivos</translation>
    </message>
    <message>
        <source>Show in %1</source>
        <translation>Mostrar en el %1</translation>
    </message>
    <message>
        <source>Move to %1</source>
        <translation>Mover a la %1</translation>
    </message>
    <message>
        <source>Home folder · over %1</source>
        <translation>Carpeta personal · más de %1</translation>
    </message>
    <message numerus="yes">
        <source>&lt;b style=&apos;color:%1&apos;&gt;%2&lt;/b&gt; selected of %3 · %Ln file(s)</source>
        <translation>
            <numerusform>&lt;b style=&apos;color:%1&apos;&gt;%2&lt;/b&gt; seleccionados de %3 · %Ln archivo</numerusform>
            <numerusform>&lt;b style=&apos;color:%1&apos;&gt;%2&lt;/b&gt; seleccionados de %3 · %Ln archivos</numerusform>
        </translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Detener</translation>
    </message>
    <message>
        <source>Clear search</source>
        <translation>Borrar la búsqueda</translation>
    </message>
    <message>
        <source>No files match “%1”.</source>
        <translation>Ningún archivo coincide con «%1».</translation>
    </message>
    <message>
        <source>No files in this view.</source>
        <translation>No hay archivos en esta vista.</translation>
    </message>
    <message>
        <source>No files over %1 in your home folder.</source>
        <translation>No hay archivos de más de %1 en su carpeta personal.</translation>
    </message>
    <message>
        <source>The %1 could not show %2</source>
        <translation>El %1 no pudo mostrar %2</translation>
    </message>
    <message>
        <source>Files to show</source>
        <translation>Archivos que mostrar</translation>
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
    <message numerus="yes">
        <source>%1 is filling up: at this rate it is full in about %n day(s). Run Smart Scan to free up space.</source>
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
        <translation>Sitio web de Varnholt</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Configuración</translation>
    </message>
    <message>
        <source>Check for Updates</source>
        <translation>Buscar actualizaciones</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ayuda</translation>
    </message>
    <message>
        <source>Guide</source>
        <translation>Guía</translation>
    </message>
    <message>
        <source>FAQ</source>
        <translation>Preguntas frecuentes</translation>
    </message>
    <message>
        <source>Open Log Folder</source>
        <translation>Abrir carpeta de registros</translation>
    </message>
    <message>
        <source>About Varnholt</source>
        <translation>Acerca de Varnholt</translation>
    </message>
    <message>
        <source>Quit Varnholt</source>
        <translation>Salir de Varnholt</translation>
    </message>
    <message>
        <source>The log folder %1 could not be created.</source>
        <translation>No se pudo crear la carpeta de registros %1.</translation>
    </message>
</context>
<context>
    <name>Overlay</name>
    <message>
        <source>Version %1</source>
        <translation>Versión %1</translation>
    </message>
    <message>
        <source>Finds the space your computer can spare.</source>
        <translation>Encuentra el espacio del que su equipo puede prescindir.</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Deshacer</translation>
    </message>
    <message>
        <source>Keep Varnholt running?</source>
        <translation>¿Mantener Varnholt en ejecución?</translation>
    </message>
    <message>
        <source>Varnholt can stay in the system tray when you close the window, so scheduled scans and low space alerts keep working. You can open it again from the tray icon.</source>
        <translation>Varnholt puede permanecer en la bandeja del sistema al cerrar la ventana, para que los análisis programados y las alertas de poco espacio sigan funcionando. Puede volver a abrirlo desde el icono de la bandeja.</translation>
    </message>
    <message>
        <source>Remember my choice</source>
        <translation>Recordar mi elección</translation>
    </message>
    <message>
        <source>You can change this in Settings.</source>
        <translation>Puede cambiarlo en Configuración.</translation>
    </message>
    <message>
        <source>Keep in tray</source>
        <translation>Mantener en la bandeja</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>Clean %1?</source>
        <translation>¿Limpiar %1?</translation>
    </message>
    <message>
        <source>Permanent delete is on. These files can&apos;t be recovered.</source>
        <translation>La eliminación permanente está activada. Estos archivos no se podrán recuperar.</translation>
    </message>
    <message>
        <source>Emptying the %1 can&apos;t be undone. Everything else goes to the %1.</source>
        <translation>Vaciar la %1 no se puede deshacer. Todo lo demás irá a la %1.</translation>
    </message>
    <message>
        <source>Everything will be moved to the %1, so you can restore it later.</source>
        <translation>Todo se moverá a la %1, así que podrá restaurarlo más tarde.</translation>
    </message>
    <message>
        <source>Clean and delete</source>
        <translation>Limpiar y eliminar</translation>
    </message>
    <message>
        <source>Clean</source>
        <translation>Limpiar</translation>
    </message>
    <message>
        <source>What&apos;s new</source>
        <translation>Novedades</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>Reintentar</translation>
    </message>
    <message>
        <source>Update now</source>
        <translation>Actualizar ahora</translation>
    </message>
    <message>
        <source>Varnholt is up to date</source>
        <translation>Varnholt está actualizado</translation>
    </message>
    <message>
        <source>Version %1 is the latest version.</source>
        <translation>La versión %1 es la más reciente.</translation>
    </message>
    <message>
        <source>An update is available</source>
        <translation>Hay una actualización disponible</translation>
    </message>
    <message>
        <source>Version %1 is available. You have %2.</source>
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
        <translation>Descargando la actualización…</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 de %2</translation>
    </message>
    <message>
        <source>Installing the update…</source>
        <translation>Instalando la actualización…</translation>
    </message>
    <message>
        <source>Varnholt closes and starts again when the update is installed.</source>
        <translation>Varnholt se cerrará y se volverá a abrir cuando se instale la actualización.</translation>
    </message>
    <message>
        <source>Checking for updates…</source>
        <translation>Buscando actualizaciones…</translation>
    </message>
    <message>
        <source>Version %1 is installed.</source>
        <translation>La versión %1 está instalada.</translation>
    </message>
    <message>
        <source>Later</source>
        <translation>Más tarde</translation>
    </message>
    <message>
        <source>Some of it needs administrator rights: without them those files are skipped.</source>
        <translation>Una parte requiere permisos de administrador: sin ellos, esos archivos se omiten.</translation>
    </message>
    <message>
        <source>Everything that will go</source>
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
        <source>%n path(s) · %1</source>
        <translation>
            <numerusform>%n ruta · %1</numerusform>
            <numerusform>%n rutas · %1</numerusform>
        </translation>
    </message>
    <message>
        <source>These cannot be moved to the %1</source>
        <translation>Estos no se pueden mover a la %1</translation>
    </message>
    <message numerus="yes">
        <source>and %n more</source>
        <translation>
            <numerusform>y %n más</numerusform>
            <numerusform>y %n más</numerusform>
        </translation>
    </message>
    <message>
        <source>Leave them</source>
        <translation>Dejarlos</translation>
    </message>
    <message>
        <source>Delete them permanently</source>
        <translation>Eliminarlos permanentemente</translation>
    </message>
    <message>
        <source>None of it can go to the %1: delete it permanently, or nothing is cleaned.</source>
        <translation>Nada de esto puede ir a la %1: elimínelo permanentemente o no se limpiará nada.</translation>
    </message>
    <message>
        <source>All of it is deleted permanently and can&apos;t be recovered.</source>
        <translation>Todo se eliminará permanentemente y no se podrá recuperar.</translation>
    </message>
    <message>
        <source>Emptying the %1 and deleting what cannot go there can&apos;t be undone. Everything else goes to the %1.</source>
        <translation>Vaciar la %1 y eliminar lo que no puede ir allí no se puede deshacer. Todo lo demás irá a la %1.</translation>
    </message>
    <message>
        <source>What cannot go to the %1 is deleted permanently. Everything else is moved there, so you can restore it later.</source>
        <translation>Lo que no puede ir a la %1 se eliminará permanentemente. Todo lo demás se moverá allí, así que podrá restaurarlo más tarde.</translation>
    </message>
    <message>
        <source>The check could not start. Try again in a moment.</source>
        <translation>No se pudo iniciar la búsqueda. Inténtelo de nuevo en un momento.</translation>
    </message>
    <message>
        <source>The check failed again.</source>
        <translation>La búsqueda volvió a fallar.</translation>
    </message>
</context>
<context>
    <name>OverviewPage</name>
    <message>
        <source>Scanned %1</source>
        <translation>Analizado %1</translation>
    </message>
    <message>
        <source>Smart Scan</source>
        <translation>Análisis inteligente</translation>
    </message>
    <message>
        <source>Overview</source>
        <translation>Resumen</translation>
    </message>
    <message>
        <source>Rescan</source>
        <translation>Volver a analizar</translation>
    </message>
    <message>
        <source>See all</source>
        <translation>Ver todo</translation>
    </message>
    <message>
        <source>Disk health</source>
        <translation>Estado del disco</translation>
    </message>
    <message>
        <source>System files protected</source>
        <translation>Archivos del sistema protegidos</translation>
    </message>
    <message>
        <source>%1 ready to clean</source>
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
        <translation>libres de %1</translation>
    </message>
    <message>
        <source>Review</source>
        <translation>Revisar</translation>
    </message>
    <message>
        <source>Scan</source>
        <translation>Analizar</translation>
    </message>
    <message>
        <source>Never scanned</source>
        <translation>Sin analizar</translation>
    </message>
    <message>
        <source>Freed this month</source>
        <translation>Liberado este mes</translation>
    </message>
    <message>
        <source>Last scan</source>
        <translation>Último análisis</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Desactivado</translation>
    </message>
    <message>
        <source>Weekly</source>
        <translation>Semanal</translation>
    </message>
    <message>
        <source>Monthly</source>
        <translation>Mensual</translation>
    </message>
    <message>
        <source>Scheduled scan</source>
        <translation>Análisis programado</translation>
    </message>
    <message>
        <source>Top recommendations</source>
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
        <translation>Recuperable</translation>
    </message>
    <message>
        <source>Available</source>
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
        <translation>Historial del espacio libre</translation>
    </message>
    <message numerus="yes">
        <source>From %1 to %2 free over %n day(s)</source>
        <translation>
            <numerusform>De %1 a %2 libres en %n día</numerusform>
            <numerusform>De %1 a %2 libres en %n días</numerusform>
        </translation>
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
    <name>Restore</name>
    <message>
        <source>no longer in the trash</source>
        <translation>ya no está en la papelera</translation>
    </message>
    <message>
        <source>its place is taken</source>
        <translation>su lugar está ocupado</translation>
    </message>
    <message>
        <source>the log does not name a trash entry</source>
        <translation>el registro no indica un elemento de la papelera</translation>
    </message>
    <message>
        <source>more than one trash entry matches</source>
        <translation>coincide más de un elemento de la papelera</translation>
    </message>
    <message>
        <source>could not be moved back</source>
        <translation>no se pudo devolver a su lugar</translation>
    </message>
    <message>
        <source>no longer in the Recycle Bin</source>
        <translation>ya no está en la Papelera de reciclaje</translation>
    </message>
    <message>
        <source>the log does not name a Recycle Bin entry</source>
        <translation>el registro no indica un elemento de la Papelera de reciclaje</translation>
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
        <translation>Configuración</translation>
    </message>
    <message>
        <source>Choose a folder to exclude</source>
        <translation>Elija una carpeta para excluir</translation>
    </message>
    <message>
        <source>Cleaning</source>
        <translation>Limpieza</translation>
    </message>
    <message>
        <source>Move items to the %1</source>
        <translation>Mover elementos a la %1</translation>
    </message>
    <message>
        <source>Recommended. Turn off to delete files permanently.</source>
        <translation>Recomendado. Desactívelo para eliminar los archivos permanentemente.</translation>
    </message>
    <message>
        <source>Large file size</source>
        <translation>Tamaño de archivo grande</translation>
    </message>
    <message>
        <source>100 MB</source>
        <translation>100 MB</translation>
    </message>
    <message>
        <source>250 MB</source>
        <translation>250 MB</translation>
    </message>
    <message>
        <source>500 MB</source>
        <translation>500 MB</translation>
    </message>
    <message>
        <source>1 GB</source>
        <translation>1 GB</translation>
    </message>
    <message>
        <source>Consider files old after</source>
        <translation>Considerar antiguos los archivos tras</translation>
    </message>
    <message>
        <source>3 months</source>
        <translation>3 meses</translation>
    </message>
    <message>
        <source>6 months</source>
        <translation>6 meses</translation>
    </message>
    <message>
        <source>12 months</source>
        <translation>12 meses</translation>
    </message>
    <message>
        <source>24 months</source>
        <translation>24 meses</translation>
    </message>
    <message>
        <source>Automation</source>
        <translation>Automatización</translation>
    </message>
    <message>
        <source>Scheduled scan</source>
        <translation>Análisis programado</translation>
    </message>
    <message>
        <source>Scans when Varnholt starts if the last scan is older than this. Never cleans on its own.</source>
        <translation>Analiza al iniciar Varnholt si el último análisis es anterior a este plazo. Nunca limpia por sí solo.</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Desactivado</translation>
    </message>
    <message>
        <source>Weekly</source>
        <translation>Semanal</translation>
    </message>
    <message>
        <source>Monthly</source>
        <translation>Mensual</translation>
    </message>
    <message>
        <source>Low space alerts</source>
        <translation>Alertas de poco espacio</translation>
    </message>
    <message>
        <source>Warn when free space drops below 10%.</source>
        <translation>Avisar cuando el espacio libre baje del 10 %.</translation>
    </message>
    <message>
        <source>Open at login</source>
        <translation>Abrir al iniciar sesión</translation>
    </message>
    <message>
        <source>Start with Windows</source>
        <translation>Iniciar con Windows</translation>
    </message>
    <message>
        <source>Start at login</source>
        <translation>Ejecutar al iniciar sesión</translation>
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
        <source>Closing the window keeps Varnholt running there, so scheduled scans and low space alerts keep working.</source>
        <translation>Al cerrar la ventana, Varnholt sigue ejecutándose allí, para que los análisis programados y las alertas de poco espacio sigan funcionando.</translation>
    </message>
    <message>
        <source>Ask every time</source>
        <translation>Preguntar siempre</translation>
    </message>
    <message>
        <source>Keep running in the tray</source>
        <translation>Mantener en la bandeja</translation>
    </message>
    <message>
        <source>Quit Varnholt</source>
        <translation>Salir de Varnholt</translation>
    </message>
    <message>
        <source>When closing the window</source>
        <translation>Al cerrar la ventana</translation>
    </message>
    <message>
        <source>In the tray, Varnholt keeps running so scheduled scans and low space alerts keep working.</source>
        <translation>En la bandeja, Varnholt sigue ejecutándose para que los análisis programados y las alertas de poco espacio sigan funcionando.</translation>
    </message>
    <message>
        <source>Appearance</source>
        <translation>Apariencia</translation>
    </message>
    <message>
        <source>Theme</source>
        <translation>Tema</translation>
    </message>
    <message>
        <source>Follow the system, or always use light or dark.</source>
        <translation>Seguir el sistema o usar siempre el modo claro u oscuro.</translation>
    </message>
    <message>
        <source>System</source>
        <translation>Sistema</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>Claro</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>Oscuro</translation>
    </message>
    <message>
        <source>System default (%1)</source>
        <translation>Predeterminado del sistema (%1)</translation>
    </message>
    <message>
        <source>Restart now</source>
        <translation>Reiniciar ahora</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Idioma</translation>
    </message>
    <message>
        <source>Varnholt restarts to switch languages.</source>
        <translation>Varnholt se reinicia para cambiar de idioma.</translation>
    </message>
    <message>
        <source>Exclusions</source>
        <translation>Exclusiones</translation>
    </message>
    <message>
        <source>Add folder</source>
        <translation>Añadir carpeta</translation>
    </message>
    <message>
        <source>Never touch these</source>
        <translation>No tocar nunca</translation>
    </message>
    <message>
        <source>Folders and patterns Varnholt always skips.</source>
        <translation>Carpetas y patrones que Varnholt siempre omite.</translation>
    </message>
    <message>
        <source>Protected system locations</source>
        <translation>Ubicaciones protegidas del sistema</translation>
    </message>
    <message>
        <source> — always skipped.</source>
        <translation> — siempre se omiten.</translation>
    </message>
    <message>
        <source>Locked</source>
        <translation>Bloqueado</translation>
    </message>
    <message>
        <source>Protected apps</source>
        <translation>Aplicaciones protegidas</translation>
    </message>
    <message>
        <source> — their data is never cleaned. Caches of running apps and open files are skipped too.</source>
        <translation> — sus datos nunca se limpian. También se omiten las cachés de las aplicaciones en ejecución y los archivos abiertos.</translation>
    </message>
    <message>
        <source>Permissions &amp; about</source>
        <translation>Permisos e información</translation>
    </message>
    <message>
        <source>Full Disk Access</source>
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
        <translation>Acceso de administrador</translation>
    </message>
    <message>
        <source>Granted</source>
        <translation>Concedido</translation>
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
        <translation>Reiniciar como administrador</translation>
    </message>
    <message>
        <source>Check for updates</source>
        <translation>Buscar actualizaciones</translation>
    </message>
    <message>
        <source>Open logs</source>
        <translation>Abrir registros</translation>
    </message>
    <message>
        <source>Every cleanup writes a log you can review. Varnholt checks for updates when it starts.</source>
        <translation>Cada limpieza genera un registro que puede revisar. Varnholt busca actualizaciones al iniciarse.</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Quitar</translation>
    </message>
    <message>
        <source>Files bigger than this appear in the Space Map.</source>
        <translation>Los archivos de mayor tamaño aparecen en el Mapa de espacio.</translation>
    </message>
    <message>
        <source>Recent cleanups</source>
        <translation>Limpiezas recientes</translation>
    </message>
    <message>
        <source>No cleanups yet</source>
        <translation>Aún no hay limpiezas</translation>
    </message>
    <message>
        <source>Every cleanup writes a log you can review.</source>
        <translation>Cada limpieza escribe un registro que puedes revisar.</translation>
    </message>
    <message>
        <source>%1 moved to the %2</source>
        <translation>%1 movidos a la %2</translation>
    </message>
    <message>
        <source>%1 deleted permanently</source>
        <translation>%1 eliminados de forma permanente</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Restaurar</translation>
    </message>
    <message>
        <source>Put back what this cleanup moved to the %1. Nothing that is in its place now is replaced.</source>
        <translation>Devuelve lo que esta limpieza movió a la %1. No se reemplaza nada de lo que ocupe ahora su lugar.</translation>
    </message>
    <message>
        <source>Used by the “Unused” filter.</source>
        <translation>Lo usa el filtro «Sin usar».</translation>
    </message>
    <message>
        <source>%1 in all: the %2 emptied, items deleted permanently or moved to it</source>
        <translation>%1 en total: %2 vaciada, elementos eliminados de forma permanente o movidos a ella</translation>
    </message>
    <message>
        <source>%1 moved to the %2 or deleted permanently</source>
        <translation>%1 movido a la %2 o eliminado de forma permanente</translation>
    </message>
    <message>
        <source>%1 in all: the %2 emptied, then items moved to it</source>
        <translation>%1 en total: %2 vaciada y después elementos movidos a ella</translation>
    </message>
    <message>
        <source>%1 freed: items deleted permanently and the %2 emptied</source>
        <translation>%1 liberado: elementos eliminados de forma permanente y %2 vaciada</translation>
    </message>
    <message>
        <source>The %1 was emptied: %2 freed</source>
        <translation>Se vació la %1: %2 liberado</translation>
    </message>
    <message>
        <source>Nothing was cleaned</source>
        <translation>No se limpió nada</translation>
    </message>
    <message>
        <source>Check again</source>
        <translation>Comprobar de nuevo</translation>
    </message>
    <message>
        <source>Your settings in %1 cannot be read, so what they hold is unknown. The options kept there stay locked until the file can be read again.</source>
        <translation>No se puede leer su configuración en %1, por lo que se desconoce su contenido. Las opciones guardadas allí seguirán bloqueadas hasta que se pueda volver a leer el archivo.</translation>
    </message>
    <message>
        <source>Varnholt could not start again. Close it and open it yourself to switch languages.</source>
        <translation>Varnholt no pudo volver a iniciarse. Ciérrelo y ábralo usted mismo para cambiar de idioma.</translation>
    </message>
</context>
<context>
    <name>Sidebar</name>
    <message>
        <source>%1 available of %2</source>
        <translation>%1 disponibles de %2</translation>
    </message>
    <message>
        <source>Smart Scan</source>
        <translation>Análisis inteligente</translation>
    </message>
    <message>
        <source>Cleanup</source>
        <translation>Limpieza</translation>
    </message>
    <message>
        <source>Space Map</source>
        <translation>Mapa de espacio</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Configuración</translation>
    </message>
    <message>
        <source>%1 free</source>
        <translation>%1 libres</translation>
    </message>
    <message>
        <source>Clean</source>
        <translation>Limpiar</translation>
    </message>
    <message>
        <source>Expand sidebar</source>
        <translation>Expandir barra lateral</translation>
    </message>
    <message>
        <source>Collapse sidebar</source>
        <translation>Contraer barra lateral</translation>
    </message>
</context>
<context>
    <name>TitleBar</name>
    <message>
        <source>Menu</source>
        <translation>Menú</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>Minimizar</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Restaurar</translation>
    </message>
    <message>
        <source>Maximize</source>
        <translation>Maximizar</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
</context>
<context>
    <name>Tray</name>
    <message>
        <source>Varnholt is still running</source>
        <translation>Varnholt sigue en ejecución</translation>
    </message>
    <message>
        <source>It stays in the system tray so scheduled scans and alerts keep working. Right-click the icon to quit.</source>
        <translation>Permanece en la bandeja del sistema para que los análisis programados y las alertas sigan funcionando. Haga clic con el botón derecho en el icono para salir.</translation>
    </message>
    <message>
        <source>Open Varnholt</source>
        <translation>Abrir Varnholt</translation>
    </message>
    <message>
        <source>Smart Scan</source>
        <translation>Análisis inteligente</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Configuración</translation>
    </message>
    <message>
        <source>Check for Updates</source>
        <translation>Buscar actualizaciones</translation>
    </message>
    <message>
        <source>Quit Varnholt</source>
        <translation>Salir de Varnholt</translation>
    </message>
    <message>
        <source>%1 · %2 free</source>
        <translation>%1 · %2 libres</translation>
    </message>
    <message>
        <source>Space Map</source>
        <translation>Mapa de espacio</translation>
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
    <message>
        <source>The connection to the update server timed out.</source>
        <translation>Se agotó el tiempo de espera de la conexión con el servidor de actualizaciones.</translation>
    </message>
    <message>
        <source>The update is not the published version %1.</source>
        <translation>La actualización no es la versión publicada %1.</translation>
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
