<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>AppGuard</name>
    <message>
        <source>Password managers, input methods, security and device-management agents, VPNs</source>
        <translation>Passwortmanager, Eingabemethoden, Sicherheits- und Geräteverwaltungsagenten, VPNs</translation>
    </message>
</context>
<context>
    <name>AppState</name>
    <message numerus="yes">
        <source>Restored %n file(s)</source>
        <extracomment>Toast after Undo put the files moved from the Space Map back</extracomment>
        <translation>
            <numerusform>%n Datei wiederhergestellt</numerusform>
            <numerusform>%n Dateien wiederhergestellt</numerusform>
        </translation>
    </message>
    <message>
        <source>Nothing was cleaned: your settings cannot be read.</source>
        <translation>Es wurde nichts bereinigt: Ihre Einstellungen können nicht gelesen werden.</translation>
    </message>
    <message>
        <source>That cleanup log could not be read; nothing was restored.</source>
        <translation>Dieses Bereinigungsprotokoll konnte nicht gelesen werden; nichts wurde wiederhergestellt.</translation>
    </message>
    <message numerus="yes">
        <source>At this rate the disk is full in about %n week(s)</source>
        <extracomment>Forecast on the Overview, from the history of free space</extracomment>
        <translation>
            <numerusform>Bei diesem Tempo ist das Laufwerk in etwa %n Woche voll</numerusform>
            <numerusform>Bei diesem Tempo ist das Laufwerk in etwa %n Wochen voll</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>At this rate the disk is full in about %n day(s)</source>
        <translation>
            <numerusform>Bei diesem Tempo ist das Laufwerk in etwa %n Tag voll</numerusform>
            <numerusform>Bei diesem Tempo ist das Laufwerk in etwa %n Tagen voll</numerusform>
        </translation>
    </message>
    <message>
        <source>Free space falls by about %1 a day</source>
        <extracomment>%1: a size, e.g. &quot;1.2 GB&quot;</extracomment>
        <translation>Der freie Speicherplatz sinkt um etwa %1 pro Tag</translation>
    </message>
    <message>
        <source>Free space rises by about %1 a day</source>
        <extracomment>%1: a size, e.g. &quot;1.2 GB&quot;</extracomment>
        <translation>Der freie Speicherplatz steigt um etwa %1 pro Tag</translation>
    </message>
    <message numerus="yes">
        <source>%Ln file(s) (%1) moved to the Recycle Bin</source>
        <comment>%1: their size</comment>
        <translation>
            <numerusform>%Ln Datei (%1) in den Papierkorb verschoben</numerusform>
            <numerusform>%Ln Dateien (%1) in den Papierkorb verschoben</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln file(s) (%1) moved to the Trash</source>
        <comment>%1: their size</comment>
        <translation>
            <numerusform>%Ln Datei (%1) in den Papierkorb verschoben</numerusform>
            <numerusform>%Ln Dateien (%1) in den Papierkorb verschoben</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source> · %Ln in use, skipped</source>
        <comment>follows the files moved; the number of files left alone</comment>
        <translation>
            <numerusform> · %Ln in Verwendung, übersprungen</numerusform>
            <numerusform> · %Ln in Verwendung, übersprungen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source> · %Ln could not be moved to the Recycle Bin</source>
        <comment>follows the files moved</comment>
        <translation>
            <numerusform> · %Ln konnte nicht in den Papierkorb verschoben werden</numerusform>
            <numerusform> · %Ln konnten nicht in den Papierkorb verschoben werden</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source> · %Ln could not be moved to the Trash</source>
        <comment>follows the files moved</comment>
        <translation>
            <numerusform> · %Ln konnte nicht in den Papierkorb verschoben werden</numerusform>
            <numerusform> · %Ln konnten nicht in den Papierkorb verschoben werden</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Restored %n item(s) from the Recycle Bin</source>
        <extracomment>Result line after restoring a cleanup; may be followed by the size in brackets</extracomment>
        <translation>
            <numerusform>%n Element aus dem Papierkorb wiederhergestellt</numerusform>
            <numerusform>%n Elemente aus dem Papierkorb wiederhergestellt</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Restored %n item(s) from the Trash</source>
        <extracomment>Result line after restoring a cleanup; may be followed by the size in brackets</extracomment>
        <translation>
            <numerusform>%n Element aus dem Papierkorb wiederhergestellt</numerusform>
            <numerusform>%n Elemente aus dem Papierkorb wiederhergestellt</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln not restored: %1</source>
        <comment>%1: why, e.g. no longer in the bin</comment>
        <translation>
            <numerusform>%Ln nicht wiederhergestellt: %1</numerusform>
            <numerusform>%Ln nicht wiederhergestellt: %1</numerusform>
        </translation>
    </message>
    <message>
        <source>found through the Recycle Bin&apos;s own records (an older log)</source>
        <translation>über die eigenen Einträge des Papierkorbs gefunden (älteres Protokoll)</translation>
    </message>
    <message>
        <source>found through the Trash&apos;s own records (an older log)</source>
        <translation>über die eigenen Einträge des Papierkorbs gefunden (älteres Protokoll)</translation>
    </message>
</context>
<context>
    <name>Categories</name>
    <message>
        <source>Scratch files that apps and the system create while working. They are not needed once the app closes.</source>
        <translation>Hilfsdateien, die Apps und das System während der Arbeit anlegen. Sie werden nicht mehr gebraucht, sobald die App geschlossen ist.</translation>
    </message>
    <message>
        <source>Data apps keep to load faster. Apps rebuild these automatically the next time they need them.</source>
        <translation>Daten, die Apps für schnelleres Laden aufbewahren. Apps legen sie beim nächsten Bedarf automatisch neu an.</translation>
    </message>
    <message>
        <source>Cached images, scripts and pages. Sign-ins, history, bookmarks and passwords are never touched.</source>
        <translation>Zwischengespeicherte Bilder, Skripte und Seiten. Anmeldungen, Verlauf, Lesezeichen und Passwörter bleiben unangetastet.</translation>
    </message>
    <message>
        <source>Diagnostic logs and crash reports. Useful only when troubleshooting a recent problem.</source>
        <translation>Diagnoseprotokolle und Absturzberichte. Nur bei der Fehlersuche zu einem aktuellen Problem nützlich.</translation>
    </message>
    <message>
        <source>Preview images of your files. They are regenerated the next time you open a folder.</source>
        <translation>Vorschaubilder Ihrer Dateien. Sie werden beim nächsten Öffnen eines Ordners neu erzeugt.</translation>
    </message>
    <message>
        <source>Package manager caches and build output. Removing them is safe, but the next build or install will be slower.</source>
        <translation>Paketmanager-Caches und Build-Ausgaben. Das Entfernen ist sicher, aber der nächste Build oder die nächste Installation dauert länger.</translation>
    </message>
    <message>
        <source>All drives</source>
        <extracomment>Where a category looks: every drive, not one folder</extracomment>
        <translation>Alle Laufwerke</translation>
    </message>
    <message>
        <source>Items you have already deleted. Emptying cannot be undone.</source>
        <translation>Bereits gelöschte Elemente. Das Leeren kann nicht rückgängig gemacht werden.</translation>
    </message>
    <message>
        <source>Temporary files</source>
        <extracomment>Name of a cleanup category</extracomment>
        <translation>Temporäre Dateien</translation>
    </message>
    <message>
        <source>App caches</source>
        <extracomment>Name of a cleanup category</extracomment>
        <translation>App-Caches</translation>
    </message>
    <message>
        <source>Cache folders in %LOCALAPPDATA% and %APPDATA%</source>
        <extracomment>Description of a category; %LOCALAPPDATA% and %APPDATA% are Windows folder names, keep them</extracomment>
        <translation>Cache-Ordner in %LOCALAPPDATA% und %APPDATA%</translation>
    </message>
    <message>
        <source>DirectX shader cache</source>
        <extracomment>Item of the app caches; DirectX is the name of a program</extracomment>
        <translation>DirectX-Shader-Cache</translation>
    </message>
    <message>
        <source>Browser caches</source>
        <extracomment>Name of a cleanup category</extracomment>
        <translation>Browser-Caches</translation>
    </message>
    <message>
        <source>Internet cache</source>
        <extracomment>Item of the browser caches</extracomment>
        <translation>Internet-Cache</translation>
    </message>
    <message>
        <source>Logs &amp; crash reports</source>
        <translation>Protokolle &amp; Absturzberichte</translation>
    </message>
    <message>
        <source>Thumbnail cache</source>
        <extracomment>Name of a cleanup category: small preview pictures of files</extracomment>
        <translation>Miniaturansichten-Cache</translation>
    </message>
    <message>
        <source>Windows Update leftovers</source>
        <extracomment>Name of a cleanup category</extracomment>
        <translation>Windows Update-Reste</translation>
    </message>
    <message>
        <source>Files left behind after Windows updates are installed. Safe once the update is complete; Windows downloads them again if it needs them.</source>
        <translation>Dateien, die nach der Installation von Windows-Updates zurückbleiben. Nach Abschluss des Updates sicher; Windows lädt sie bei Bedarf erneut herunter.</translation>
    </message>
    <message>
        <source>Windows Update downloads</source>
        <extracomment>Item of the Windows Update leftovers</extracomment>
        <translation>Windows Update-Downloads</translation>
    </message>
    <message>
        <source>Delivery Optimization cache</source>
        <extracomment>Item of the Windows Update leftovers; Delivery Optimization is a Windows service</extracomment>
        <translation>Übermittlungsoptimierungs-Cache</translation>
    </message>
    <message>
        <source>Developer caches</source>
        <extracomment>Name of a cleanup category: caches of programming tools</extracomment>
        <translation>Entwickler-Caches</translation>
    </message>
    <message>
        <source>Recycle Bin</source>
        <extracomment>Name of the cleanup category that empties the Recycle Bin</extracomment>
        <translation>Papierkorb</translation>
    </message>
    <message>
        <source>Package cache</source>
        <extracomment>Name of a cleanup category: downloaded software packages</extracomment>
        <translation>Paket-Cache</translation>
    </message>
    <message>
        <source>Packages the package manager keeps after installing them. Safe to remove; they are downloaded again if they are needed.</source>
        <translation>Pakete, die der Paketmanager nach der Installation aufbewahrt. Sicher zu entfernen; sie werden bei Bedarf erneut heruntergeladen.</translation>
    </message>
    <message>
        <source>DNF package cache</source>
        <extracomment>Item of the package cache; DNF is the name of a program</extracomment>
        <translation>DNF-Paket-Cache</translation>
    </message>
    <message>
        <source>Trash</source>
        <extracomment>Name of the cleanup category that empties the Trash</extracomment>
        <translation>Papierkorb</translation>
    </message>
    <message>
        <source>Safe</source>
        <extracomment>Risk level of a category: cleaning it loses nothing the user needs</extracomment>
        <translation>Sicher</translation>
    </message>
    <message>
        <source>Review</source>
        <extracomment>Risk level of a category: look at it before cleaning (an adjective, not a command)</extracomment>
        <translation>Zu prüfen</translation>
    </message>
    <message>
        <source>Permanent</source>
        <extracomment>Risk level of a category: what goes cannot be restored</extracomment>
        <translation>Endgültig</translation>
    </message>
    <message>
        <source>%1 was left out: it leads through a link to %2.</source>
        <extracomment>%1: a folder of the catalogue; %2: where its link leads</extracomment>
        <translation>%1 wurde ausgelassen: Der Ordner führt über eine symbolische Verknüpfung zu %2.</translation>
    </message>
    <message>
        <source>%1 was left out: it is the home folder or holds it.</source>
        <extracomment>%1: a folder of the catalogue</extracomment>
        <translation>%1 wurde ausgelassen: Der Ordner ist der Benutzerordner oder enthält ihn.</translation>
    </message>
    <message>
        <source>%1 was left out: it lies in a protected location.</source>
        <extracomment>%1: a folder of the catalogue</extracomment>
        <translation>%1 wurde ausgelassen: Der Ordner liegt an einem geschützten Ort.</translation>
    </message>
    <message>
        <source>%1 was left out: it overlaps %2.</source>
        <extracomment>%1: a folder of the catalogue; %2: the category it overlaps</extracomment>
        <translation>%1 wurde ausgelassen: Der Ordner überschneidet sich mit %2.</translation>
    </message>
    <message>
        <source>App logs, crash reports</source>
        <translation>App-Protokolle, Absturzberichte</translation>
    </message>
    <message>
        <source>Cache folders in ~/.config, ~/.cache and Flatpak and Snap apps</source>
        <translation>Cache-Ordner in ~/.config, ~/.cache und in Flatpak- und Snap-Apps</translation>
    </message>
    <message>
        <source>%1 (PID %2)</source>
        <extracomment>%1: a program&apos;s name; %2: its process number</extracomment>
        <translation>%1 (PID %2)</translation>
    </message>
    <message>
        <source>%1 is left out: its name is not valid text.</source>
        <extracomment>%1: a folder</extracomment>
        <translation>%1 wird ausgelassen: Der Ordnername ist kein gültiger Text.</translation>
    </message>
    <message>
        <source>npm cache</source>
        <extracomment>Item of the developer caches; npm is the name of a program</extracomment>
        <translation>npm-Cache</translation>
    </message>
    <message>
        <source>Yarn cache</source>
        <extracomment>Item of the developer caches; Yarn is the name of a program</extracomment>
        <translation>Yarn-Cache</translation>
    </message>
    <message>
        <source>pip cache</source>
        <extracomment>Item of the developer caches; pip is the name of a program</extracomment>
        <translation>pip-Cache</translation>
    </message>
    <message>
        <source>NuGet HTTP cache</source>
        <extracomment>Item of the developer caches; NuGet is the name of a program</extracomment>
        <translation>NuGet-HTTP-Cache</translation>
    </message>
    <message>
        <source>Go build cache</source>
        <extracomment>Item of the developer caches; Go is a programming language</extracomment>
        <translation>Go-Build-Cache</translation>
    </message>
    <message>
        <source>Gradle caches</source>
        <extracomment>Item of the developer caches; Gradle is the name of a program</extracomment>
        <translation>Gradle-Caches</translation>
    </message>
    <message>
        <source>Cargo registry cache</source>
        <extracomment>Item of the developer caches; Cargo is the name of a program</extracomment>
        <translation>Cargo-Registry-Cache</translation>
    </message>
    <message>
        <source>%1 is left out: another program is working in it.</source>
        <comment>%1: a folder</comment>
        <translation>%1 wird ausgelassen: Ein anderes Programm arbeitet darin.</translation>
    </message>
    <message>
        <source>%1 is left out: in use by %2.</source>
        <comment>%1: a folder; %2: the programs using it</comment>
        <translation>%1 wird ausgelassen: Der Ordner wird von %2 verwendet.</translation>
    </message>
    <message>
        <source>Recycle Bin (all drives)</source>
        <translation>Papierkorb (alle Laufwerke)</translation>
    </message>
    <message>
        <source>Trash (all drives)</source>
        <extracomment>The one item of the Trash category: the Trash of every drive</extracomment>
        <translation>Papierkorb (alle Laufwerke)</translation>
    </message>
</context>
<context>
    <name>Cleaner</name>
    <message>
        <source>delete permanently</source>
        <extracomment>Mode line of the cleanup log: the files are removed for good</extracomment>
        <translation>endgültig löschen</translation>
    </message>
</context>
<context>
    <name>CleanupPage</name>
    <message>
        <source>SAFE TO CLEAN</source>
        <extracomment>Heading over the categories of the Safe risk level</extracomment>
        <translation>SICHER ENTFERNBAR</translation>
    </message>
    <message>
        <source>REVIEW BEFORE CLEANING</source>
        <extracomment>Heading over the categories of the Review risk level</extracomment>
        <translation>VOR DEM BEREINIGEN PRÜFEN</translation>
    </message>
    <message>
        <source>CANNOT BE UNDONE</source>
        <extracomment>Heading over the categories of the Permanent risk level</extracomment>
        <translation>UNWIDERRUFLICH</translation>
    </message>
    <message>
        <source>Cleanup</source>
        <extracomment>Title of the Cleanup page</extracomment>
        <translation>Bereinigung</translation>
    </message>
    <message>
        <source>Nothing scanned yet</source>
        <extracomment>Heading of the Cleanup page before the first scan</extracomment>
        <translation>Noch nichts gescannt</translation>
    </message>
    <message>
        <source>Find caches, temporary files and leftovers.</source>
        <translation>Finden Sie Caches, temporäre Dateien und Überreste.</translation>
    </message>
    <message>
        <source>Start Smart Scan</source>
        <extracomment>Button; Smart Scan is the scan of every cleanup category</extracomment>
        <translation>Smart Scan starten</translation>
    </message>
    <message>
        <source>Scanning</source>
        <extracomment>Heading of the Cleanup page while the scan runs</extracomment>
        <translation>Wird gescannt</translation>
    </message>
    <message>
        <source>In progress</source>
        <extracomment>Eyebrow over the heading while a scan or cleanup runs</extracomment>
        <translation>In Bearbeitung</translation>
    </message>
    <message>
        <source>Stop</source>
        <extracomment>Button that stops the running scan</extracomment>
        <translation>Stopp</translation>
    </message>
    <message>
        <source>Items checked</source>
        <extracomment>Caption under the number of files looked at so far</extracomment>
        <translation>Geprüfte Elemente</translation>
    </message>
    <message>
        <source>Elapsed</source>
        <extracomment>Caption under the time a scan has run so far</extracomment>
        <translation>Vergangen</translation>
    </message>
    <message>
        <source>Remaining</source>
        <extracomment>Caption under the estimated time a scan still needs</extracomment>
        <translation>Verbleibend</translation>
    </message>
    <message>
        <source>found</source>
        <extracomment>Caption under the size found so far, inside the scan&apos;s radar</extracomment>
        <translation>gefunden</translation>
    </message>
    <message>
        <source>Cleaning</source>
        <extracomment>Heading of the Cleanup page while the cleanup runs</extracomment>
        <translation>Wird bereinigt</translation>
    </message>
    <message>
        <source>of %1</source>
        <extracomment>Under the size cleaned so far, inside the progress ring; %1: the total size</extracomment>
        <translation>von %1</translation>
    </message>
    <message>
        <source>Cleanup complete</source>
        <extracomment>Heading once a cleanup ended</extracomment>
        <translation>Bereinigung abgeschlossen</translation>
    </message>
    <message>
        <source>Available before</source>
        <extracomment>Caption: free disk space before the cleanup</extracomment>
        <translation>Vorher verfügbar</translation>
    </message>
    <message>
        <source>Available now</source>
        <extracomment>Caption: free disk space after the cleanup</extracomment>
        <translation>Jetzt verfügbar</translation>
    </message>
    <message>
        <source>&lt;b&gt;Some files need administrator rights.&lt;/b&gt; Restart Varnholt as administrator and clean again to remove them.</source>
        <translation>&lt;b&gt;Einige Dateien erfordern Administratorrechte.&lt;/b&gt; Starten Sie Varnholt als Administrator neu und bereinigen Sie erneut, um sie zu entfernen.</translation>
    </message>
    <message>
        <source>Restart as admin</source>
        <extracomment>Button: restart Varnholt with administrator rights</extracomment>
        <translation>Als Admin neu starten</translation>
    </message>
    <message>
        <source>View log</source>
        <extracomment>Button: open the cleanup&apos;s log file</extracomment>
        <translation>Protokoll</translation>
    </message>
    <message>
        <source>Done</source>
        <extracomment>Button that closes the cleanup&apos;s result</extracomment>
        <translation>Fertig</translation>
    </message>
    <message>
        <source>Items were deleted permanently.</source>
        <translation>Die Elemente wurden endgültig gelöscht.</translation>
    </message>
    <message>
        <source>For example: %1</source>
        <extracomment>%1: a file&apos;s path</extracomment>
        <translation>Zum Beispiel: %1</translation>
    </message>
    <message>
        <source>&lt;b&gt;Left caches of running apps alone:&lt;/b&gt; %1. Quit them and clean again to include them.</source>
        <extracomment>%1: a list of app names</extracomment>
        <translation>&lt;b&gt;Caches laufender Apps wurden nicht angetastet:&lt;/b&gt; %1. Beenden Sie diese Apps und bereinigen Sie erneut, um ihre Caches einzubeziehen.</translation>
    </message>
    <message>
        <source>Needs administrator</source>
        <extracomment>In place of a category&apos;s item count: it could only be read with administrator rights</extracomment>
        <translation>Administratorrechte nötig</translation>
    </message>
    <message>
        <source>Select recommended</source>
        <extracomment>Button in the results&apos; header: check the safe categories</extracomment>
        <translation>Empfohlene auswählen</translation>
    </message>
    <message>
        <source>Rescan</source>
        <extracomment>Button in the results&apos; header: scan again</extracomment>
        <translation>Neu scannen</translation>
    </message>
    <message>
        <source>Select all</source>
        <extracomment>Check box: check every category (or every item of one)</extracomment>
        <translation>Alle auswählen</translation>
    </message>
    <message>
        <source>%1 can be cleaned</source>
        <extracomment>%1: a size, written in larger type</extracomment>
        <translation>%1 können bereinigt werden</translation>
    </message>
    <message>
        <source>Nothing left to clean. Rescan any time.</source>
        <translation>Nichts mehr zu bereinigen. Sie können jederzeit erneut scannen.</translation>
    </message>
    <message>
        <source>These files need administrator rights.</source>
        <translation>Diese Dateien erfordern Administratorrechte.</translation>
    </message>
    <message>
        <source>Some folders need administrator rights.</source>
        <translation>Einige Ordner erfordern Administratorrechte.</translation>
    </message>
    <message>
        <source>%1 is open. Quit it to include its cache.</source>
        <extracomment>%1: an app&apos;s name</extracomment>
        <translation>%1 ist geöffnet. Beenden Sie die App, um ihren Cache einzubeziehen.</translation>
    </message>
    <message>
        <source>%1 are open. Quit them to include their caches.</source>
        <extracomment>%1: a list of app names</extracomment>
        <translation>%1 sind geöffnet. Beenden Sie diese Apps, um ihre Caches einzubeziehen.</translation>
    </message>
    <message>
        <source>Largest items</source>
        <extracomment>Heading over the biggest items of an opened category</extracomment>
        <translation>Die größten</translation>
    </message>
    <message>
        <source>%1 is running</source>
        <extracomment>Beside an item; %1: the app using it</extracomment>
        <translation>%1 läuft</translation>
    </message>
    <message>
        <source>Show %1 more</source>
        <extracomment>Link below a category&apos;s items; %1: how many more are shown</extracomment>
        <translation>%1 weitere zeigen</translation>
    </message>
    <message>
        <source>deleted permanently</source>
        <extracomment>Tooltip of the Clean button: what happens to the selection</extracomment>
        <translation>Elemente werden endgültig gelöscht</translation>
    </message>
    <message>
        <source>Clean %1</source>
        <extracomment>The footer&apos;s main button; %1: the selected size</extracomment>
        <translation>%1 bereinigen</translation>
    </message>
    <message>
        <source>Large files</source>
        <extracomment>Caption: how many large files were found</extracomment>
        <translation>Große Dateien</translation>
    </message>
    <message numerus="yes">
        <source>and %Ln more item(s)</source>
        <extracomment>Below the items shown of a category</extracomment>
        <translation>
            <numerusform>und %Ln weiteres Element</numerusform>
            <numerusform>und %Ln weitere Elemente</numerusform>
        </translation>
    </message>
    <message>
        <source>Check again</source>
        <extracomment>Button beside a note: read the settings file again</extracomment>
        <translation>Erneut prüfen</translation>
    </message>
    <message>
        <source>Partly cleaned</source>
        <extracomment>Heading once a cleanup left part of the selection</extracomment>
        <translation>Teilweise bereinigt</translation>
    </message>
    <message>
        <source>Nothing was cleaned</source>
        <extracomment>Heading once a cleanup removed nothing</extracomment>
        <translation>Nichts wurde bereinigt</translation>
    </message>
    <message>
        <source>None of the %1 selected could be cleaned.</source>
        <extracomment>%1: a size</extracomment>
        <translation>Von den ausgewählten %1 konnte nichts bereinigt werden.</translation>
    </message>
    <message>
        <source>No app could open %1</source>
        <extracomment>%1: a file or folder</extracomment>
        <translation>Keine App konnte %1 öffnen</translation>
    </message>
    <message>
        <source>Scan again to see what can be cleaned.</source>
        <translation>Scannen Sie erneut, um zu sehen, was bereinigt werden kann.</translation>
    </message>
    <message>
        <source>Measuring…</source>
        <extracomment>In place of a category&apos;s item count while its size is measured</extracomment>
        <translation>Wird gemessen…</translation>
    </message>
    <message>
        <source>%1 of it needs administrator rights.</source>
        <extracomment>%1: a size</extracomment>
        <translation>Für %1 davon sind Administratorrechte nötig.</translation>
    </message>
    <message>
        <source>freed</source>
        <comment>what the figure of a finished cleanup is</comment>
        <translation>freigegeben</translation>
    </message>
    <message>
        <source>of %1 selected · %2</source>
        <extracomment>Under the cleaned size; %1: the selected size; %2: what became of it, e.g. &quot;freed&quot;</extracomment>
        <translation>von %1 ausgewählt · %2</translation>
    </message>
    <message>
        <source>Restore all</source>
        <extracomment>Button: put back everything the cleanup moved to the bin</extracomment>
        <translation>Alles wiederherstellen</translation>
    </message>
    <message>
        <source>Restoring…</source>
        <extracomment>The Restore all button while the files go back</extracomment>
        <translation>Wird wiederhergestellt…</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <comment>two programs that hold files</comment>
        <translation>%1 und %2</translation>
    </message>
    <message numerus="yes">
        <source>%1 and %n other program(s)</source>
        <comment>programs that hold files</comment>
        <translation>
            <numerusform>%1 und %n weiteres Programm</numerusform>
            <numerusform>%1 und %n weitere Programme</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n file(s) are in use by %1.</source>
        <comment>%1: one or more programs</comment>
        <translation>
            <numerusform>%n Datei wird von %1 verwendet.</numerusform>
            <numerusform>%n Dateien werden von %1 verwendet.</numerusform>
        </translation>
    </message>
    <message>
        <source>Try again</source>
        <extracomment>Button: clean again what was skipped</extracomment>
        <translation>Wiederholen</translation>
    </message>
    <message>
        <source>Clean the skipped files again, the same way</source>
        <translation>Die übersprungenen Dateien auf dieselbe Weise erneut bereinigen</translation>
    </message>
    <message numerus="yes">
        <source>&lt;b&gt;%Ln item(s) kept&lt;/b&gt; because something in them changed since the scan. Scan again to see what can go.</source>
        <translation>
            <numerusform>&lt;b&gt;%Ln Element behalten&lt;/b&gt;, weil sich darin seit dem Scan etwas geändert hat. Scannen Sie erneut, um zu sehen, was entfernt werden kann.</numerusform>
            <numerusform>&lt;b&gt;%Ln Elemente behalten&lt;/b&gt;, weil sich darin seit dem Scan etwas geändert hat. Scannen Sie erneut, um zu sehen, was entfernt werden kann.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>&lt;b&gt;%Ln file(s) skipped&lt;/b&gt; because they were in use or protected. Quit the apps using them and rescan to remove them.</source>
        <translation>
            <numerusform>&lt;b&gt;%Ln Datei übersprungen&lt;/b&gt;, weil sie in Verwendung oder geschützt war. Beenden Sie die App, die sie verwendet, und scannen Sie erneut, um sie zu entfernen.</numerusform>
            <numerusform>&lt;b&gt;%Ln Dateien übersprungen&lt;/b&gt;, weil sie in Verwendung oder geschützt waren. Beenden Sie die Apps, die sie verwenden, und scannen Sie erneut, um sie zu entfernen.</numerusform>
        </translation>
    </message>
    <message>
        <source>This cleanup wrote no log; its folder is open instead.</source>
        <translation>Diese Bereinigung hat kein Protokoll geschrieben; stattdessen ist der Protokollordner geöffnet.</translation>
    </message>
    <message>
        <source>Varnholt did not restart: administrator rights were refused or could not be asked for.</source>
        <translation>Varnholt wurde nicht neu gestartet: Administratorrechte wurden verweigert oder konnten nicht angefordert werden.</translation>
    </message>
    <message>
        <source>Put everything this cleanup moved to the Recycle Bin back where it was</source>
        <translation>Alles, was diese Bereinigung in den Papierkorb verschoben hat, an seinen Platz zurücklegen</translation>
    </message>
    <message>
        <source>Put everything this cleanup moved to the Trash back where it was</source>
        <translation>Alles, was diese Bereinigung in den Papierkorb verschoben hat, an seinen Platz zurücklegen</translation>
    </message>
    <message>
        <source>freed or moved to the Recycle Bin</source>
        <comment>what the figure of a finished cleanup is</comment>
        <translation>freigegeben oder in den Papierkorb verschoben</translation>
    </message>
    <message>
        <source>freed or moved to the Trash</source>
        <comment>what the figure of a finished cleanup is</comment>
        <translation>freigegeben oder in den Papierkorb verschoben</translation>
    </message>
    <message>
        <source>moved to the Recycle Bin</source>
        <comment>what the figure of a finished cleanup is</comment>
        <translation>in den Papierkorb verschoben</translation>
    </message>
    <message>
        <source>moved to the Trash</source>
        <comment>what the figure of a finished cleanup is</comment>
        <translation>in den Papierkorb verschoben</translation>
    </message>
    <message numerus="yes">
        <source>&lt;b&gt;%Ln item(s) could not be moved to the Recycle Bin&lt;/b&gt; and were left where they are.</source>
        <translation>
            <numerusform>&lt;b&gt;%Ln Element konnte nicht in den Papierkorb verschoben werden&lt;/b&gt; und bleibt, wo es ist.</numerusform>
            <numerusform>&lt;b&gt;%Ln Elemente konnten nicht in den Papierkorb verschoben werden&lt;/b&gt; und bleiben, wo sie sind.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>&lt;b&gt;%Ln item(s) could not be moved to the Trash&lt;/b&gt; and were left where they are.</source>
        <translation>
            <numerusform>&lt;b&gt;%Ln Element konnte nicht in den Papierkorb verschoben werden&lt;/b&gt; und bleibt, wo es ist.</numerusform>
            <numerusform>&lt;b&gt;%Ln Elemente konnten nicht in den Papierkorb verschoben werden&lt;/b&gt; und bleiben, wo sie sind.</numerusform>
        </translation>
    </message>
    <message>
        <source>Some items were moved to the Recycle Bin and the rest deleted permanently. You can still restore what was moved.</source>
        <translation>Einige Elemente wurden in den Papierkorb verschoben, die übrigen endgültig gelöscht. Was verschoben wurde, können Sie noch wiederherstellen.</translation>
    </message>
    <message>
        <source>Some items were moved to the Trash and the rest deleted permanently. You can still restore what was moved.</source>
        <translation>Einige Elemente wurden in den Papierkorb verschoben, die übrigen endgültig gelöscht. Was verschoben wurde, können Sie noch wiederherstellen.</translation>
    </message>
    <message>
        <source>Moved to the Recycle Bin. You can still restore anything.</source>
        <translation>In den Papierkorb verschoben. Sie können noch alles wiederherstellen.</translation>
    </message>
    <message>
        <source>Moved to the Trash. You can still restore anything.</source>
        <translation>In den Papierkorb verschoben. Sie können noch alles wiederherstellen.</translation>
    </message>
    <message>
        <source>The log %1 is gone; its folder is open instead.</source>
        <comment>%1: a path</comment>
        <translation>Das Protokoll %1 ist nicht mehr vorhanden; stattdessen ist sein Ordner geöffnet.</translation>
    </message>
    <message>
        <source>The File Explorer could not show %1</source>
        <comment>%1: a path</comment>
        <translation>Der Datei-Explorer konnte %1 nicht anzeigen</translation>
    </message>
    <message>
        <source>The File Manager could not show %1</source>
        <comment>%1: a path</comment>
        <translation>Der Dateimanager konnte %1 nicht anzeigen</translation>
    </message>
    <message numerus="yes">
        <source>%Ln item(s)</source>
        <comment>on a category&apos;s card</comment>
        <translation>
            <numerusform>%Ln Element</numerusform>
            <numerusform>%Ln Elemente</numerusform>
        </translation>
    </message>
    <message>
        <source>Show in File Explorer</source>
        <extracomment>Link beside a category&apos;s largest items; opens File Explorer there</extracomment>
        <translation>Im Datei-Explorer anzeigen</translation>
    </message>
    <message>
        <source>Show in File Manager</source>
        <extracomment>Link beside a category&apos;s largest items; opens the file manager there</extracomment>
        <translation>Im Dateimanager anzeigen</translation>
    </message>
    <message>
        <source>No Recycle Bin on this drive</source>
        <translation>Kein Papierkorb auf diesem Laufwerk</translation>
    </message>
    <message>
        <source>No Trash on this drive</source>
        <translation>Kein Papierkorb auf diesem Laufwerk</translation>
    </message>
    <message>
        <source>Cannot go to the Recycle Bin</source>
        <translation>Nicht in den Papierkorb verschiebbar</translation>
    </message>
    <message>
        <source>Cannot go to the Trash</source>
        <translation>Nicht in den Papierkorb verschiebbar</translation>
    </message>
    <message>
        <source>moved to the Recycle Bin</source>
        <extracomment>Tooltip of the Clean button: where the selection goes</extracomment>
        <translation>Elemente werden in den Papierkorb verschoben</translation>
    </message>
    <message>
        <source>moved to the Trash</source>
        <extracomment>Tooltip of the Clean button: where the selection goes</extracomment>
        <translation>Elemente werden in den Papierkorb verschoben</translation>
    </message>
    <message>
        <source>&lt;b style=&apos;color:%1&apos;&gt;%2&lt;/b&gt; selected · some need admin</source>
        <comment>%1: style, keep as is; %2: a size</comment>
        <translation>&lt;b style=&apos;color:%1&apos;&gt;%2&lt;/b&gt; ausgewählt · teils Administratorrechte nötig</translation>
    </message>
    <message>
        <source>&lt;b style=&apos;color:%1&apos;&gt;%2&lt;/b&gt; selected</source>
        <comment>%1: style, keep as is; %2: a size</comment>
        <translation>&lt;b style=&apos;color:%1&apos;&gt;%2&lt;/b&gt; ausgewählt</translation>
    </message>
    <message>
        <source>Your settings in %1 cannot be read, so your exclusions and your choice between the Recycle Bin and deleting are unknown. Cleaning stays off until the file can be read again.</source>
        <comment>%1: the settings file</comment>
        <translation>Ihre Einstellungen in %1 können nicht gelesen werden. Daher ist unbekannt, was Sie ausgeschlossen haben und ob Elemente in den Papierkorb verschoben oder gelöscht werden sollen. Die Bereinigung bleibt gesperrt, bis die Datei wieder gelesen werden kann.</translation>
    </message>
    <message>
        <source>Your settings in %1 cannot be read, so your exclusions and your choice between the Trash and deleting are unknown. Cleaning stays off until the file can be read again.</source>
        <comment>%1: the settings file</comment>
        <translation>Ihre Einstellungen in %1 können nicht gelesen werden. Daher ist unbekannt, was Sie ausgeschlossen haben und ob Elemente in den Papierkorb verschoben oder gelöscht werden sollen. Die Bereinigung bleibt gesperrt, bis die Datei wieder gelesen werden kann.</translation>
    </message>
    <message numerus="yes">
        <source>&lt;b&gt;%Ln file(s) skipped&lt;/b&gt;. The log says why for each one.</source>
        <translation>
            <numerusform>&lt;b&gt;%Ln Datei übersprungen&lt;/b&gt;. Das Protokoll nennt den Grund.</numerusform>
            <numerusform>&lt;b&gt;%Ln Dateien übersprungen&lt;/b&gt;. Das Protokoll nennt jeweils den Grund.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Cli</name>
    <message>
        <source>Cannot read the catalogue file %1: %2</source>
        <extracomment>%1: a file&apos;s path; %2: the system&apos;s reason</extracomment>
        <translation>Die Katalogdatei %1 kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>The catalogue file %1 is not valid JSON: %2</source>
        <extracomment>%1: a file&apos;s path; %2: what the JSON reader says</extracomment>
        <translation>Die Katalogdatei %1 enthält kein gültiges JSON: %2</translation>
    </message>
    <message>
        <source>The catalogue file %1 is not usable: %2</source>
        <extracomment>%1: a file&apos;s path; %2: one of the reasons below</extracomment>
        <translation>Die Katalogdatei %1 ist nicht verwendbar: %2</translation>
    </message>
    <message>
        <source>a category has no id</source>
        <translation>eine Kategorie hat keine ID</translation>
    </message>
    <message>
        <source>the id &quot;%1&quot; appears twice</source>
        <extracomment>%1: a category id</extracomment>
        <translation>die ID „%1“ kommt zweimal vor</translation>
    </message>
    <message>
        <source>the risk of &quot;%1&quot; is not Safe, Review or Permanent</source>
        <extracomment>%1: a category id; Safe, Review and Permanent are keys of the file, keep them</extracomment>
        <translation>das Risiko von „%1“ ist weder Safe noch Review noch Permanent</translation>
    </message>
    <message>
        <source>a root of &quot;%1&quot; is not an absolute path</source>
        <extracomment>%1: a category id</extracomment>
        <translation>ein Stammordner von „%1“ ist kein absoluter Pfad</translation>
    </message>
    <message>
        <source>it lists no categories</source>
        <translation>sie enthält keine Kategorien</translation>
    </message>
    <message>
        <source>Interrupted.</source>
        <extracomment>Printed when Ctrl+C stopped the command</extracomment>
        <translation>Abgebrochen.</translation>
    </message>
    <message>
        <source>Category</source>
        <extracomment>Column heading of the scan table</extracomment>
        <translation>Kategorie</translation>
    </message>
    <message>
        <source>Risk</source>
        <extracomment>Column heading of the scan table: Safe, Review or Permanent</extracomment>
        <translation>Risiko</translation>
    </message>
    <message>
        <source>Size</source>
        <extracomment>Column heading</extracomment>
        <translation>Größe</translation>
    </message>
    <message>
        <source>Files</source>
        <extracomment>Column heading: a number of files</extracomment>
        <translation>Dateien</translation>
    </message>
    <message>
        <source>Items</source>
        <extracomment>Column heading: a number of items (folders or files)</extracomment>
        <translation>Elemente</translation>
    </message>
    <message>
        <source>(%1 is running)</source>
        <extracomment>After an item of the scan table; %1: an app&apos;s name</extracomment>
        <translation>(%1 läuft)</translation>
    </message>
    <message>
        <source>… %1 more (--json lists all)</source>
        <extracomment>%1: a number of items not printed</extracomment>
        <translation>… noch %1 (--json zeigt alle)</translation>
    </message>
    <message>
        <source>Some folders of %1 could not be read.</source>
        <extracomment>%1: a category</extracomment>
        <translation>Einige Ordner von „%1“ konnten nicht gelesen werden.</translation>
    </message>
    <message>
        <source>Keeping %1 as a whole: %2 lies inside it.</source>
        <extracomment>%1: a folder; %2: the file or folder that keeps it</extracomment>
        <translation>%1 bleibt vollständig erhalten: %2 liegt darin.</translation>
    </message>
    <message>
        <source>Cleaned: %1</source>
        <extracomment>%1: a list of categories</extracomment>
        <translation>Bereinigt: %1</translation>
    </message>
    <message>
        <source>Left alone because they are running: %1</source>
        <extracomment>%1: a list of app names</extracomment>
        <translation>Laufende Apps wurden nicht angetastet: %1</translation>
    </message>
    <message>
        <source>Some items need administrator rights.</source>
        <translation>Einige Elemente erfordern Administratorrechte.</translation>
    </message>
    <message>
        <source>Log: %1</source>
        <extracomment>%1: the path of the log file</extracomment>
        <translation>Protokoll: %1</translation>
    </message>
    <message>
        <source>The scan did not complete.</source>
        <translation>Der Scan wurde nicht abgeschlossen.</translation>
    </message>
    <message>
        <source>The scan did not complete; nothing was cleaned.</source>
        <translation>Der Scan wurde nicht abgeschlossen; es wurde nichts bereinigt.</translation>
    </message>
    <message>
        <source>Nothing to clean in the categories given.</source>
        <translation>In den angegebenen Kategorien gibt es nichts zu bereinigen.</translation>
    </message>
    <message>
        <source>Cleaning %1 of %2 · %3</source>
        <extracomment>Progress line; %1: the size cleaned; %2: the total; %3: the category</extracomment>
        <translation>Bereinigung: %1 von %2 · %3</translation>
    </message>
    <message>
        <source>The search for large files did not complete.</source>
        <translation>Die Suche nach großen Dateien wurde nicht abgeschlossen.</translation>
    </message>
    <message>
        <source>Kind</source>
        <extracomment>Column heading of the large-file table: Video, Archive, …</extracomment>
        <translation>Typ</translation>
    </message>
    <message>
        <source>Last used</source>
        <extracomment>Column heading of the large-file table: a date</extracomment>
        <translation>Letzte Nutzung</translation>
    </message>
    <message>
        <source>Path</source>
        <extracomment>Column heading</extracomment>
        <translation>Pfad</translation>
    </message>
    <message numerus="yes">
        <source>%n large file(s)</source>
        <extracomment>Below the large-file table</extracomment>
        <translation>
            <numerusform>%n große Datei</numerusform>
            <numerusform>%n große Dateien</numerusform>
        </translation>
    </message>
    <message>
        <source>Cannot read %1.</source>
        <extracomment>%1: a file&apos;s path</extracomment>
        <translation>%1 kann nicht gelesen werden.</translation>
    </message>
    <message>
        <source>Newest</source>
        <extracomment>Column heading of the history table: the latest record</extracomment>
        <translation>Letzte Änderung</translation>
    </message>
    <message>
        <source>Time</source>
        <extracomment>Column heading of the timing table</extracomment>
        <translation>Dauer</translation>
    </message>
    <message>
        <source>%1 ms</source>
        <extracomment>%1: a number of milliseconds</extracomment>
        <translation>%1 ms</translation>
    </message>
    <message>
        <source>Run &quot;varnholt-cli --help&quot; for the usage.</source>
        <translation>Hinweise zur Verwendung erhalten Sie mit „varnholt-cli --help“.</translation>
    </message>
    <message>
        <source>No command given.</source>
        <extracomment>Error when varnholt-cli ran without a command</extracomment>
        <translation>Kein Befehl angegeben.</translation>
    </message>
    <message>
        <source>--help takes nothing else.</source>
        <translation>--help erwartet keine weiteren Argumente.</translation>
    </message>
    <message>
        <source>--version takes nothing else.</source>
        <translation>--version erwartet keine weiteren Argumente.</translation>
    </message>
    <message>
        <source>Unexpected argument &quot;%1&quot; for %2.</source>
        <extracomment>%1: what was typed; %2: the command</extracomment>
        <translation>Unerwartetes Argument „%1“ für %2.</translation>
    </message>
    <message>
        <source>measure takes exactly one PATH.</source>
        <translation>Der Befehl measure erwartet genau einen PATH.</translation>
    </message>
    <message>
        <source>none</source>
        <extracomment>Stands for an empty list of options</extracomment>
        <translation>keine</translation>
    </message>
    <message>
        <source>Unknown option &quot;%1&quot; for %2. Options of %2: %3.</source>
        <extracomment>%1: what was typed; %2: the command; %3: its options</extracomment>
        <translation>Unbekannte Option „%1“ für %2. Optionen von %2: %3.</translation>
    </message>
    <message>
        <source>%1 needs a value.</source>
        <extracomment>%1: an option, e.g. --threshold-mb</extracomment>
        <translation>%1 erwartet einen Wert.</translation>
    </message>
    <message>
        <source>%1 takes no value.</source>
        <extracomment>%1: an option, e.g. --json</extracomment>
        <translation>%1 erwartet keinen Wert.</translation>
    </message>
    <message>
        <source>--skip-item needs a path.</source>
        <translation>--skip-item erwartet einen Pfad.</translation>
    </message>
    <message>
        <source>Choose either --delete or --trash, not both.</source>
        <translation>Wählen Sie entweder --delete oder --trash, nicht beides.</translation>
    </message>
    <message>
        <source>--threshold-mb needs a positive number of megabytes (for example 500), not &quot;%1&quot;.</source>
        <extracomment>%1: what was typed</extracomment>
        <translation>--threshold-mb erwartet eine positive Anzahl Megabyte (zum Beispiel 500), nicht „%1“.</translation>
    </message>
    <message>
        <source>measure needs a PATH.</source>
        <translation>Der Befehl measure erwartet einen PATH.</translation>
    </message>
    <message>
        <source>clean needs at least one --category ID.</source>
        <translation>Der Befehl clean erwartet mindestens einmal --category ID.</translation>
    </message>
    <message>
        <source>clean removes files: add --yes to confirm.</source>
        <translation>Der Befehl clean entfernt Dateien: Bestätigen Sie mit --yes.</translation>
    </message>
    <message>
        <source>Unknown category %1. Categories: %2.</source>
        <extracomment>%1: what was typed; %2: the list of category ids</extracomment>
        <translation>Unbekannte Kategorie: %1. Verfügbare Kategorien: %2.</translation>
    </message>
    <message>
        <source>a flag of &quot;%1&quot; is not true or false</source>
        <extracomment>%1: a category id; true and false are words of the file, keep them</extracomment>
        <translation>ein Schalter von „%1“ ist weder true noch false</translation>
    </message>
    <message>
        <source>the patterns of a root of &quot;%1&quot; are not a list of names</source>
        <extracomment>%1: a category id</extracomment>
        <translation>die Muster eines Stammordners von „%1“ sind keine Liste von Namen</translation>
    </message>
    <message>
        <source>the minAgeMs of a root of &quot;%1&quot; is not a whole number of milliseconds from 0 to 100 years</source>
        <extracomment>%1: a category id; minAgeMs is a key of the file, keep it</extracomment>
        <translation>minAgeMs eines Stammordners von „%1“ ist keine ganze Zahl von Millisekunden zwischen 0 und 100 Jahren</translation>
    </message>
    <message>
        <source>Warning: cannot read the settings file %1; this run may not use your settings.</source>
        <extracomment>%1: a file&apos;s path</extracomment>
        <translation>Warnung: Die Einstellungsdatei %1 kann nicht gelesen werden; dieser Lauf verwendet möglicherweise nicht Ihre Einstellungen.</translation>
    </message>
    <message>
        <source>Cannot read the settings file %1, so your exclusions and your choice between the trash and deleting are unknown. Nothing was cleaned: fix or remove that file first.</source>
        <extracomment>%1: a file&apos;s path</extracomment>
        <translation>Die Einstellungsdatei %1 kann nicht gelesen werden. Daher sind Ihre Ausschlüsse und Ihre Wahl zwischen Papierkorb und Löschen unbekannt. Es wurde nichts bereinigt: Reparieren oder entfernen Sie zuerst diese Datei.</translation>
    </message>
    <message>
        <source>Nothing was cleaned.</source>
        <extracomment>Printed when a cleanup removed nothing</extracomment>
        <translation>Es wurde nichts bereinigt.</translation>
    </message>
    <message>
        <source>Action</source>
        <extracomment>Column heading of the --dry-run table: what would happen to the path</extracomment>
        <translation>Aktion</translation>
    </message>
    <message>
        <source>Would stay:</source>
        <extracomment>Heading over the paths --dry-run would keep</extracomment>
        <translation>Bliebe erhalten:</translation>
    </message>
    <message numerus="yes">
        <source>Preview only, nothing was removed: %n path(s) would go, %1.</source>
        <extracomment>&quot;would go&quot;: would be removed; %1: their size</extracomment>
        <translation>
            <numerusform>Nur Vorschau, nichts wurde entfernt: %n Pfad würde entfernt, %1.</numerusform>
            <numerusform>Nur Vorschau, nichts wurde entfernt: %n Pfade würden entfernt, %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>The disk is already full.</source>
        <translation>Das Laufwerk ist bereits voll.</translation>
    </message>
    <message numerus="yes">
        <source>No forecast yet: the records of free space cover %n day(s); a forecast needs at least %1.</source>
        <extracomment>%1: a number of days</extracomment>
        <translation>
            <numerusform>Noch keine Prognose: Die Aufzeichnungen des freien Speicherplatzes umfassen %n Tag; eine Prognose braucht mindestens %1.</numerusform>
            <numerusform>Noch keine Prognose: Die Aufzeichnungen des freien Speicherplatzes umfassen %n Tage; eine Prognose braucht mindestens %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>No forecast: free space is not falling.</source>
        <translation>Keine Prognose: Der freie Speicherplatz sinkt nicht.</translation>
    </message>
    <message>
        <source>No forecast: at this rate the disk is not full within a year.</source>
        <translation>Keine Prognose: Bei diesem Tempo ist das Laufwerk innerhalb eines Jahres nicht voll.</translation>
    </message>
    <message numerus="yes">
        <source>%n record(s) of free space since %1</source>
        <extracomment>%1: a date</extracomment>
        <translation>
            <numerusform>%n Aufzeichnung des freien Speicherplatzes seit %1</numerusform>
            <numerusform>%n Aufzeichnungen des freien Speicherplatzes seit %1</numerusform>
        </translation>
    </message>
    <message>
        <source>restore takes at most one LOG.</source>
        <translation>restore erwartet höchstens ein LOG.</translation>
    </message>
    <message>
        <source>put back what a cleanup moved to the trash (the latest one without LOG)</source>
        <translation>legt zurück, was eine Bereinigung in den Papierkorb verschoben hat (ohne LOG die letzte)</translation>
    </message>
    <message>
        <source>estimate when the disk is full from its history of free space</source>
        <translation>schätzt anhand des Verlaufs des freien Speicherplatzes, wann das Laufwerk voll ist</translation>
    </message>
    <message>
        <source>list what clean would remove or move, with sizes; removes nothing</source>
        <translation>listet, was clean entfernen oder verschieben würde, mit Größen; entfernt nichts</translation>
    </message>
    <message>
        <source>Unknown command &quot;%1&quot;. Commands: %2.</source>
        <extracomment>%1: what was typed; %2: the list of commands</extracomment>
        <translation>Unbekannter Befehl „%1“. Befehle: %2.</translation>
    </message>
    <message numerus="yes">
        <source>In use by %1 (PID %2): %n file(s)</source>
        <extracomment>%1: a program&apos;s name; %2: its process number</extracomment>
        <translation>
            <numerusform>Von %1 verwendet (PID %2): %n Datei</numerusform>
            <numerusform>Von %1 verwendet (PID %2): %n Dateien</numerusform>
        </translation>
    </message>
    <message>
        <source>Kept because something in them changed since the scan: %1</source>
        <extracomment>%1: a list of paths</extracomment>
        <translation>Behalten, weil sich darin seit dem Scan etwas geändert hat: %1</translation>
    </message>
    <message>
        <source>As root, the catalogue file %1 is used only when it and every folder above it belong to root and no one else may change them.</source>
        <extracomment>%1: a file&apos;s path</extracomment>
        <translation>Als root wird die Katalogdatei %1 nur verwendet, wenn sie und jeder Ordner darüber root gehören und niemand sonst sie ändern darf.</translation>
    </message>
    <message>
        <source>As root, Varnholt works in root&apos;s own folders (%1) and ignores %2: another user can change where they lead.</source>
        <extracomment>%1: a list of folders; %2: the environment variables ignored</extracomment>
        <translation>Als root arbeitet Varnholt in den eigenen Ordnern von root (%1) und übergeht %2: Ein anderer Benutzer kann ändern, wohin diese führen.</translation>
    </message>
    <message numerus="yes">
        <source>… and %n more</source>
        <extracomment>Below the skipped paths printed</extracomment>
        <translation>
            <numerusform>… und %n weiterer</numerusform>
            <numerusform>… und %n weitere</numerusform>
        </translation>
    </message>
    <message>
        <source>Cannot read the settings file %1, so your exclusions and your choice between the Recycle Bin and deleting are unknown. Nothing was cleaned: fix or remove that file first.</source>
        <extracomment>%1: a file&apos;s path</extracomment>
        <translation>Die Einstellungsdatei %1 kann nicht gelesen werden. Daher sind Ihre Ausschlüsse und Ihre Wahl zwischen Papierkorb und Löschen unbekannt. Es wurde nichts bereinigt: Reparieren oder entfernen Sie zuerst diese Datei.</translation>
    </message>
    <message numerus="yes">
        <source>No forecast yet: the free space has been recorded %n time(s) (the Varnholt app records it when it starts); a forecast needs at least %1.</source>
        <extracomment>%1: a number of records</extracomment>
        <translation>
            <numerusform>Noch keine Prognose: Der freie Speicherplatz wurde %n-mal erfasst (die Varnholt-App erfasst ihn bei jedem Start); eine Prognose braucht mindestens %1.</numerusform>
            <numerusform>Noch keine Prognose: Der freie Speicherplatz wurde %n-mal erfasst (die Varnholt-App erfasst ihn bei jedem Start); eine Prognose braucht mindestens %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>delete permanently, or move to the Recycle Bin</source>
        <translation>löscht endgültig oder verschiebt in den Papierkorb</translation>
    </message>
    <message>
        <source>put back what a cleanup moved to the Recycle Bin (the latest one without LOG)</source>
        <translation>legt zurück, was eine Bereinigung in den Papierkorb verschoben hat (ohne LOG die letzte)</translation>
    </message>
    <message>
        <source>delete permanently, or move to the trash</source>
        <translation>löscht endgültig oder verschiebt in den Papierkorb</translation>
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
        <translation>Verwendung:
  varnholt-cli scan [--json] [--exclude PATTERN]...
  varnholt-cli clean --category ID [--category ID]... [--skip-item PATH]...
                     [--delete | --trash] [--exclude PATTERN]... --yes [--json]
  varnholt-cli large [--threshold-mb N] [--exclude PATTERN]... [--json]
  varnholt-cli measure PATH [--json]
  varnholt-cli --help | --version

Befehle:
  scan      misst alle Bereinigungskategorien
  clean     scannt neu und bereinigt dann genau die angegebenen Kategorien
  large     listet große Dateien im Benutzerordner auf
  measure   Größe auf Datenträger, Dateianzahl und letzte Änderung eines Pfads

Optionen:
  --json              gibt JSON statt einer Tabelle aus
  --exclude PATTERN   lässt Ordner und Dateien aus, die PATTERN entsprechen; falls
                      angegeben, ersetzen diese Muster für diesen Lauf die
                      Ausschlüsse aus den Einstellungen
  --category ID       eine zu bereinigende Kategorie (temp, appcache, browser, logs,
                      thumbs, update, dev, trash)
  --skip-item PATH    behält dieses Element einer bereinigten Kategorie
  --delete, --trash   %1
  --threshold-mb N    Mindestgröße einer großen Datei, in MB
  --yes               bestätigt, dass clean Dateien entfernen darf

Vorgaben stammen aus den Varnholt-Einstellungen; Optionen gelten nur für diesen Lauf.
Exit-Status: 0 fertig, 1 Fehler (clean: Ausgewähltes blieb übrig), 2 Aufruffehler.
</translation>
    </message>
    <message numerus="yes">
        <source>Scanning %1 · %2 · %Ln file(s) · %3</source>
        <extracomment>Progress line; %1: a category; %2: the size found; %3: a folder</extracomment>
        <translation>
            <numerusform>Scan: %1 · %2 · %Ln Datei · %3</numerusform>
            <numerusform>Scan: %1 · %2 · %Ln Dateien · %3</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 found · %Ln file(s) checked · %2 s</source>
        <comment>%1: a size; %2: seconds</comment>
        <translation>
            <numerusform>%1 gefunden · %Ln Datei geprüft · %2 s</numerusform>
            <numerusform>%1 gefunden · %Ln Dateien geprüft · %2 s</numerusform>
        </translation>
    </message>
    <message>
        <source>move to Recycle Bin</source>
        <extracomment>The Action column of --dry-run&apos;s table: to the Recycle Bin</extracomment>
        <translation>in den Papierkorb verschieben</translation>
    </message>
    <message>
        <source>move to Trash</source>
        <extracomment>The Action column of --dry-run&apos;s table: to the Trash</extracomment>
        <translation>in den Papierkorb verschieben</translation>
    </message>
    <message>
        <source>delete</source>
        <comment>the Action column of --dry-run&apos;s table: the file is deleted for good</comment>
        <translation>löschen</translation>
    </message>
    <message>
        <source>Moved %1 to the Recycle Bin</source>
        <comment>%1: a size</comment>
        <translation>%1 in den Papierkorb verschoben</translation>
    </message>
    <message>
        <source>Moved %1 to the Trash</source>
        <comment>%1: a size</comment>
        <translation>%1 in den Papierkorb verschoben</translation>
    </message>
    <message>
        <source>freed %1</source>
        <comment>follows what was moved to the bin; %1: a size</comment>
        <translation>%1 freigegeben</translation>
    </message>
    <message>
        <source>Freed %1</source>
        <comment>%1: a size</comment>
        <translation>%1 freigegeben</translation>
    </message>
    <message numerus="yes">
        <source>%n file(s) removed</source>
        <extracomment>Clause of the line that sums up a cleanup</extracomment>
        <translation>
            <numerusform>%n Datei entfernt</numerusform>
            <numerusform>%n Dateien entfernt</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln skipped</source>
        <comment>a number of files and folders left alone</comment>
        <translation>
            <numerusform>%Ln übersprungen</numerusform>
            <numerusform>%Ln übersprungen</numerusform>
        </translation>
    </message>
    <message>
        <source> · </source>
        <extracomment>Between the clauses of the line that sums up a cleanup</extracomment>
        <translation> · </translation>
    </message>
    <message>
        <source>Could not be moved to the Recycle Bin, left where they are:</source>
        <translation>Konnten nicht in den Papierkorb verschoben werden und bleiben, wo sie sind:</translation>
    </message>
    <message>
        <source>Could not be moved to the Trash, left where they are:</source>
        <translation>Konnten nicht in den Papierkorb verschoben werden und bleiben, wo sie sind:</translation>
    </message>
    <message>
        <source>--skip-item %1 names no item of the categories given.</source>
        <comment>%1: the path given</comment>
        <translation>--skip-item %1 bezeichnet kein Element der angegebenen Kategorien.</translation>
    </message>
    <message numerus="yes">
        <source>%Ln file(s) checked · %1 found (%2) · %3</source>
        <extracomment>Progress line; %1: the number of large files found; %2: their size; %3: a folder</extracomment>
        <translation>
            <numerusform>%Ln Datei geprüft · %1 gefunden (%2) · %3</numerusform>
            <numerusform>%Ln Dateien geprüft · %1 gefunden (%2) · %3</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Recorded the sizes of %n folder(s) in %1 (%2 in all).</source>
        <translation>
            <numerusform>Größe von %n Ordner in %1 erfasst (insgesamt %2).</numerusform>
            <numerusform>Größen von %n Ordnern in %1 erfasst (insgesamt %2).</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n reading(s) of folder sizes kept.</source>
        <translation>
            <numerusform>%n Messung der Ordnergrößen gespeichert.</numerusform>
            <numerusform>%n Messungen der Ordnergrößen gespeichert.</numerusform>
        </translation>
    </message>
    <message>
        <source>The reading of folder sizes did not complete.</source>
        <translation>Die Messung der Ordnergrößen wurde nicht abgeschlossen.</translation>
    </message>
    <message numerus="yes">
        <source>Nothing to compare yet: %n reading(s) of folder sizes so far, and a comparison needs two. The Varnholt app takes one a day while its history of folder sizes is on; &quot;varnholt-cli grew --record&quot; takes one now.</source>
        <translation>
            <numerusform>Noch nichts zu vergleichen: bisher %n Messung der Ordnergrößen, ein Vergleich braucht zwei. Die Varnholt-App misst einmal am Tag, solange ihr Verlauf der Ordnergrößen eingeschaltet ist; „varnholt-cli grew --record“ misst sofort.</numerusform>
            <numerusform>Noch nichts zu vergleichen: bisher %n Messungen der Ordnergrößen, ein Vergleich braucht zwei. Die Varnholt-App misst einmal am Tag, solange ihr Verlauf der Ordnergrößen eingeschaltet ist; „varnholt-cli grew --record“ misst sofort.</numerusform>
        </translation>
    </message>
    <message>
        <source>Changes in %1 between %2 and %3:</source>
        <translation>Änderungen in %1 zwischen %2 und %3:</translation>
    </message>
    <message>
        <source>No folder changed by %1 or more.</source>
        <translation>Kein Ordner hat sich um %1 oder mehr verändert.</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>Änderung</translation>
    </message>
    <message>
        <source>Then</source>
        <translation>Damals</translation>
    </message>
    <message>
        <source>Now</source>
        <translation>Jetzt</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>Ordner</translation>
    </message>
    <message numerus="yes">
        <source>and %n more (--json lists them all)</source>
        <translation>
            <numerusform>und %n weiterer (--json listet alle auf)</numerusform>
            <numerusform>und %n weitere (--json listet alle auf)</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: clean it with: %2</source>
        <translation>%1: bereinigen mit: %2</translation>
    </message>
    <message>
        <source>In all: %1 then, %2 now (%3).</source>
        <translation>Insgesamt: damals %1, jetzt %2 (%3).</translation>
    </message>
    <message>
        <source>--since needs an age such as 7d, 2w or 12h, not &quot;%1&quot;.</source>
        <translation>--since erwartet eine Zeitspanne wie 7d, 2w oder 12h, nicht „%1“.</translation>
    </message>
    <message>
        <source>Choose either --record or --since, not both.</source>
        <translation>Wählen Sie entweder --record oder --since, nicht beides.</translation>
    </message>
    <message>
        <source>the folders that grew or shrank most since an earlier reading</source>
        <translation>die Ordner, die seit einer früheren Messung am stärksten gewachsen oder geschrumpft sind</translation>
    </message>
    <message>
        <source>grew: compare with about AGE ago: 7d, 2w, 12h (default 7d)</source>
        <translation>grew: mit dem Stand von vor etwa AGE vergleichen: 7d, 2w, 12h (Standard 7d)</translation>
    </message>
    <message>
        <source>grew: take a reading of the folder sizes now</source>
        <translation>grew: jetzt die Ordnergrößen messen</translation>
    </message>
    <message>
        <source>No cleanup has moved anything to the Recycle Bin; there is nothing to restore.</source>
        <translation>Keine Bereinigung hat etwas in den Papierkorb verschoben; es gibt nichts wiederherzustellen.</translation>
    </message>
    <message>
        <source>No cleanup has moved anything to the Trash; there is nothing to restore.</source>
        <translation>Keine Bereinigung hat etwas in den Papierkorb verschoben; es gibt nichts wiederherzustellen.</translation>
    </message>
    <message>
        <source>Skipped (the log gives each reason):</source>
        <extracomment>Heading over paths a cleanup left alone, for reasons of several kinds</extracomment>
        <translation>Übersprungen (die Gründe stehen im Protokoll):</translation>
    </message>
    <message>
        <source>That cleanup moved nothing to the Recycle Bin; there is nothing to restore.</source>
        <translation>Diese Bereinigung hat nichts in den Papierkorb verschoben; es gibt nichts wiederherzustellen.</translation>
    </message>
    <message>
        <source>That cleanup moved nothing to the Trash; there is nothing to restore.</source>
        <translation>Diese Bereinigung hat nichts in den Papierkorb verschoben; es gibt nichts wiederherzustellen.</translation>
    </message>
</context>
<context>
    <name>LargeFileKind</name>
    <message>
        <source>Disk image</source>
        <extracomment>Kind of large file (the Space Map&apos;s Kind column)</extracomment>
        <translation>Datenträgerabbild</translation>
    </message>
    <message>
        <source>Partial download</source>
        <extracomment>Kind of large file (the Space Map&apos;s Kind column)</extracomment>
        <translation>Unvollständiger Download</translation>
    </message>
    <message>
        <source>Video</source>
        <extracomment>Kind of large file (the Space Map&apos;s Kind column)</extracomment>
        <translation>Video</translation>
    </message>
    <message>
        <source>Archive</source>
        <extracomment>Kind of large file (the Space Map&apos;s Kind column)</extracomment>
        <translation>Archiv</translation>
    </message>
    <message>
        <source>Installer</source>
        <extracomment>Kind of large file (the Space Map&apos;s Kind column)</extracomment>
        <translation>Installer</translation>
    </message>
    <message>
        <source>Audio</source>
        <extracomment>Kind of large file (the Space Map&apos;s Kind column)</extracomment>
        <translation>Audio</translation>
    </message>
    <message>
        <source>Image</source>
        <extracomment>Kind of large file (the Space Map&apos;s Kind column)</extracomment>
        <translation>Bild</translation>
    </message>
    <message>
        <source>Document</source>
        <extracomment>Kind of large file (the Space Map&apos;s Kind column)</extracomment>
        <translation>Dokument</translation>
    </message>
    <message>
        <source>Backup</source>
        <extracomment>Kind of large file (the Space Map&apos;s Kind column)</extracomment>
        <translation>Sicherung</translation>
    </message>
    <message>
        <source>File</source>
        <extracomment>Kind of large file (the Space Map&apos;s Kind column)</extracomment>
        <translation>Datei</translation>
    </message>
</context>
<context>
    <name>LargeFilesPage</name>
    <message>
        <source>Space Map</source>
        <extracomment>Title of the page that maps where disk space goes (not a geographic map)</extracomment>
        <translation>Speicherbelegung</translation>
    </message>
    <message>
        <source>Rescan</source>
        <extracomment>Button in the Space Map&apos;s header: look for large files again</extracomment>
        <translation>Neu scannen</translation>
    </message>
    <message>
        <source>Find what&apos;s taking up space</source>
        <translation>Finden Sie heraus, was Platz belegt</translation>
    </message>
    <message>
        <source>Big files in your home folder. You decide what goes.</source>
        <translation>Große Dateien in Ihrem Benutzerordner. Sie entscheiden, was entfernt wird.</translation>
    </message>
    <message>
        <source>Find large files</source>
        <extracomment>Heading while the search for large files runs</extracomment>
        <translation>Große Dateien suchen</translation>
    </message>
    <message>
        <source>Largest so far</source>
        <extracomment>Heading over the biggest files found while the search runs</extracomment>
        <translation>Bisher am größten</translation>
    </message>
    <message>
        <source>Looking for large files…</source>
        <translation>Suche nach großen Dateien…</translation>
    </message>
    <message>
        <source>All</source>
        <extracomment>Filter of the large-file list: every file</extracomment>
        <translation>Alle</translation>
    </message>
    <message>
        <source>Unused %1+ months</source>
        <extracomment>Filter of the large-file list; %1: a number of months</extracomment>
        <translation>Ungenutzt seit %1+ Monaten</translation>
    </message>
    <message>
        <source>Downloads</source>
        <extracomment>Filter of the large-file list: files in the Downloads folder</extracomment>
        <translation>Downloads</translation>
    </message>
    <message>
        <source>Search files</source>
        <extracomment>Placeholder of the search field</extracomment>
        <translation>Dateien durchsuchen</translation>
    </message>
    <message>
        <source>Home folder · over %1</source>
        <extracomment>Eyebrow of the Space Map: where it looks and above which size; %1: a size</extracomment>
        <translation>Benutzerordner · über %1</translation>
    </message>
    <message numerus="yes">
        <source>&lt;b style=&apos;color:%1&apos;&gt;%2&lt;/b&gt; selected of %3 · %Ln file(s)</source>
        <extracomment>The footer&apos;s summary; %1: style, keep as is; %2: the checked size; %3: the total size</extracomment>
        <translation>
            <numerusform>&lt;b style=&apos;color:%1&apos;&gt;%2&lt;/b&gt; von %3 ausgewählt · %Ln Datei</numerusform>
            <numerusform>&lt;b style=&apos;color:%1&apos;&gt;%2&lt;/b&gt; von %3 ausgewählt · %Ln Dateien</numerusform>
        </translation>
    </message>
    <message>
        <source>Stop</source>
        <extracomment>Button in the Space Map&apos;s header: stop the search for large files</extracomment>
        <translation>Stopp</translation>
    </message>
    <message>
        <source>No files match “%1”.</source>
        <extracomment>%1: what was typed in the search field</extracomment>
        <translation>Keine Dateien passen zu „%1“.</translation>
    </message>
    <message>
        <source>No files in this view.</source>
        <translation>Keine Dateien in dieser Ansicht.</translation>
    </message>
    <message>
        <source>No files over %1 in your home folder.</source>
        <extracomment>%1: a size</extracomment>
        <translation>Keine Dateien über %1 in Ihrem Benutzerordner.</translation>
    </message>
    <message>
        <source>Files to show</source>
        <extracomment>Accessible name of the row of filters</extracomment>
        <translation>Angezeigte Dateien</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>Nach oben</translation>
    </message>
    <message>
        <source>Change since</source>
        <translation>Änderung seit</translation>
    </message>
    <message>
        <source>Folders by change</source>
        <translation>Ordner nach Änderung</translation>
    </message>
    <message>
        <source>Folders</source>
        <translation>Ordner</translation>
    </message>
    <message>
        <source>The history of folder sizes is off. Turn it on in Settings to see what grew.</source>
        <translation>Der Verlauf der Ordnergrößen ist ausgeschaltet. Schalten Sie ihn in den Einstellungen ein, um zu sehen, was gewachsen ist.</translation>
    </message>
    <message>
        <source>Varnholt notes how big your folders are once a day. The first comparison is ready after two readings.</source>
        <translation>Varnholt notiert einmal am Tag, wie groß Ihre Ordner sind. Der erste Vergleich ist nach zwei Messungen fertig.</translation>
    </message>
    <message>
        <source>Name</source>
        <extracomment>Column title of the Space Map&apos;s list (shown upper-cased): the file&apos;s name</extracomment>
        <translation>Name</translation>
    </message>
    <message>
        <source>Kind</source>
        <extracomment>Column title (shown upper-cased): Video, Archive, …</extracomment>
        <translation>Typ</translation>
    </message>
    <message>
        <source>Last opened</source>
        <extracomment>Column title (shown upper-cased) over relative dates such as &quot;3 months ago&quot;</extracomment>
        <translation>Zuletzt geöffnet</translation>
    </message>
    <message>
        <source>Size</source>
        <extracomment>Column title (shown upper-cased): the file&apos;s size</extracomment>
        <translation>Größe</translation>
    </message>
    <message>
        <source>Grew</source>
        <extracomment>View of the Space Map: the folders coloured by how much they grew since an earlier reading</extracomment>
        <translation>Zuwachs</translation>
    </message>
    <message>
        <source>Clear search</source>
        <comment>button in the search field that empties it</comment>
        <translation>Suche löschen</translation>
    </message>
    <message>
        <source>Show in File Explorer</source>
        <extracomment>Button in the Space Map&apos;s footer; opens File Explorer at the checked file</extracomment>
        <translation>Im Datei-Explorer anzeigen</translation>
    </message>
    <message>
        <source>Show in File Manager</source>
        <extracomment>Button in the Space Map&apos;s footer; opens the file manager at the checked file</extracomment>
        <translation>Im Dateimanager anzeigen</translation>
    </message>
    <message>
        <source>Move to Recycle Bin</source>
        <extracomment>Button in the Space Map&apos;s footer; moves the checked files to the Recycle Bin</extracomment>
        <translation>In den Papierkorb</translation>
    </message>
    <message>
        <source>Move to Trash</source>
        <extracomment>Button in the Space Map&apos;s footer; moves the checked files to the Trash</extracomment>
        <translation>In den Papierkorb</translation>
    </message>
    <message>
        <source>The File Explorer could not show %1</source>
        <comment>%1: a path</comment>
        <translation>Der Datei-Explorer konnte %1 nicht anzeigen</translation>
    </message>
    <message>
        <source>The File Manager could not show %1</source>
        <comment>%1: a path</comment>
        <translation>Der Dateimanager konnte %1 nicht anzeigen</translation>
    </message>
</context>
<context>
    <name>Main</name>
    <message>
        <source>%1 is almost full. Run Smart Scan to free up space.</source>
        <extracomment>Notification; %1: a drive</extracomment>
        <translation>%1 ist fast voll. Führen Sie den Smart Scan aus, um Speicherplatz freizugeben.</translation>
    </message>
    <message>
        <source>Varnholt was updated to version %1.</source>
        <extracomment>%1: a version number</extracomment>
        <translation>Varnholt wurde auf Version %1 aktualisiert.</translation>
    </message>
    <message numerus="yes">
        <source>%1 is filling up: at this rate it is full in about %n day(s). Run Smart Scan to free up space.</source>
        <extracomment>Notification; %1: a drive</extracomment>
        <translation>
            <numerusform>%1 füllt sich: Bei diesem Tempo ist das Laufwerk in etwa %n Tag voll. Führen Sie den Smart Scan aus, um Speicherplatz freizugeben.</numerusform>
            <numerusform>%1 füllt sich: Bei diesem Tempo ist das Laufwerk in etwa %n Tagen voll. Führen Sie den Smart Scan aus, um Speicherplatz freizugeben.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>MenuBar</name>
    <message>
        <source>Varnholt Website</source>
        <extracomment>Link in the About dialog</extracomment>
        <translation>Varnholt-Website</translation>
    </message>
    <message>
        <source>Settings</source>
        <extracomment>Entry of the app menu: open the Settings page</extracomment>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>Check for Updates</source>
        <extracomment>Entry of the app menu</extracomment>
        <translation>Nach Updates suchen</translation>
    </message>
    <message>
        <source>Help</source>
        <extracomment>Submenu of the app menu</extracomment>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>Guide</source>
        <extracomment>Entry of the Help menu: the user guide on the website</extracomment>
        <translation>Anleitung</translation>
    </message>
    <message>
        <source>FAQ</source>
        <extracomment>Entry of the Help menu: frequently asked questions</extracomment>
        <translation>FAQ</translation>
    </message>
    <message>
        <source>Open Log Folder</source>
        <extracomment>Entry of the app menu</extracomment>
        <translation>Protokollordner öffnen</translation>
    </message>
    <message>
        <source>About Varnholt</source>
        <extracomment>Entry of the app menu</extracomment>
        <translation>Über Varnholt</translation>
    </message>
    <message>
        <source>Quit Varnholt</source>
        <extracomment>Entry of the app menu</extracomment>
        <translation>Varnholt beenden</translation>
    </message>
    <message>
        <source>The log folder %1 could not be created.</source>
        <extracomment>%1: a folder</extracomment>
        <translation>Der Protokollordner %1 konnte nicht erstellt werden.</translation>
    </message>
</context>
<context>
    <name>Overlay</name>
    <message>
        <source>Version %1</source>
        <extracomment>%1: a version number</extracomment>
        <translation>Version %1</translation>
    </message>
    <message>
        <source>Finds the space your computer can spare.</source>
        <translation>Findet den Speicherplatz, den Ihr Computer entbehren kann.</translation>
    </message>
    <message>
        <source>Close</source>
        <extracomment>Button that closes a dialog</extracomment>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <extracomment>Button that closes a dialog without doing anything</extracomment>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Undo</source>
        <extracomment>Button in a notification: take the last action back</extracomment>
        <translation>Rückgängig</translation>
    </message>
    <message>
        <source>Keep Varnholt running?</source>
        <extracomment>Title of the dialog shown when the window is closed</extracomment>
        <translation>Varnholt weiterlaufen lassen?</translation>
    </message>
    <message>
        <source>Remember my choice</source>
        <extracomment>Check box of the close dialog</extracomment>
        <translation>Auswahl merken</translation>
    </message>
    <message>
        <source>You can change this in Settings.</source>
        <translation>Sie können dies in den Einstellungen ändern.</translation>
    </message>
    <message>
        <source>Keep in tray</source>
        <extracomment>Button of the close dialog: hide the window, keep the tray icon</extracomment>
        <translation>Im Infobereich lassen</translation>
    </message>
    <message>
        <source>Quit</source>
        <extracomment>Button of the close dialog: end the program</extracomment>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Clean %1?</source>
        <extracomment>Title of the confirmation; %1: a size</extracomment>
        <translation>%1 bereinigen?</translation>
    </message>
    <message>
        <source>Permanent delete is on. These files can&apos;t be recovered.</source>
        <translation>Endgültiges Löschen ist aktiviert. Diese Dateien können nicht wiederhergestellt werden.</translation>
    </message>
    <message>
        <source>What&apos;s new</source>
        <extracomment>Heading over the release notes of an update</extracomment>
        <translation>Neuerungen</translation>
    </message>
    <message>
        <source>Retry</source>
        <extracomment>Button of the update dialog after a failure</extracomment>
        <translation>Wiederholen</translation>
    </message>
    <message>
        <source>Update now</source>
        <extracomment>Button of the update dialog</extracomment>
        <translation>Jetzt aktualisieren</translation>
    </message>
    <message>
        <source>Varnholt is up to date</source>
        <translation>Varnholt ist auf dem neuesten Stand</translation>
    </message>
    <message>
        <source>Version %1 is the latest version.</source>
        <extracomment>%1: a version number</extracomment>
        <translation>Version %1 ist die neueste Version.</translation>
    </message>
    <message>
        <source>An update is available</source>
        <translation>Ein Update ist verfügbar</translation>
    </message>
    <message>
        <source>Version %1 is available. You have %2.</source>
        <extracomment>%1, %2: version numbers</extracomment>
        <translation>Version %1 ist verfügbar. Installiert ist %2.</translation>
    </message>
    <message>
        <source>Could not check for updates</source>
        <translation>Suche nach Updates fehlgeschlagen</translation>
    </message>
    <message>
        <source>Check your internet connection and try again.</source>
        <translation>Überprüfen Sie Ihre Internetverbindung und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>Downloading the update…</source>
        <extracomment>Status of the update dialog</extracomment>
        <translation>Update wird heruntergeladen…</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <extracomment>Download progress; %1, %2: sizes</extracomment>
        <translation>%1 von %2</translation>
    </message>
    <message>
        <source>Installing the update…</source>
        <extracomment>Status of the update dialog</extracomment>
        <translation>Update wird installiert…</translation>
    </message>
    <message>
        <source>Varnholt closes and starts again when the update is installed.</source>
        <translation>Varnholt wird beendet und nach der Installation des Updates neu gestartet.</translation>
    </message>
    <message>
        <source>Checking for updates…</source>
        <extracomment>Status of the update dialog</extracomment>
        <translation>Suche nach Updates…</translation>
    </message>
    <message>
        <source>Version %1 is installed.</source>
        <extracomment>%1: a version number</extracomment>
        <translation>Version %1 ist installiert.</translation>
    </message>
    <message>
        <source>Later</source>
        <extracomment>Button of the update dialog: do not update now</extracomment>
        <translation>Später</translation>
    </message>
    <message>
        <source>Some of it needs administrator rights: without them those files are skipped.</source>
        <translation>Ein Teil davon erfordert Administratorrechte: Ohne sie werden diese Dateien übersprungen.</translation>
    </message>
    <message>
        <source>Everything that will go</source>
        <extracomment>Link of the confirmation that lists every path the cleanup removes (&quot;go&quot;: be removed, not leave)</extracomment>
        <translation>Alles, was entfernt wird</translation>
    </message>
    <message>
        <source>Working out the list…</source>
        <translation>Liste wird ermittelt…</translation>
    </message>
    <message>
        <source>The list cannot be worked out now.</source>
        <translation>Die Liste kann gerade nicht ermittelt werden.</translation>
    </message>
    <message>
        <source>Nothing in the selection would be removed.</source>
        <translation>Von der Auswahl würde nichts entfernt.</translation>
    </message>
    <message numerus="yes">
        <source>and %n more</source>
        <extracomment>Below the paths listed in the confirmation</extracomment>
        <translation>
            <numerusform>und %n weiteres</numerusform>
            <numerusform>und %n weitere</numerusform>
        </translation>
    </message>
    <message>
        <source>Leave them</source>
        <extracomment>Choice for what cannot go to the bin: keep those files</extracomment>
        <translation>Belassen</translation>
    </message>
    <message>
        <source>Delete them permanently</source>
        <extracomment>Choice for what cannot go to the bin</extracomment>
        <translation>Endgültig löschen</translation>
    </message>
    <message>
        <source>All of it is deleted permanently and can&apos;t be recovered.</source>
        <translation>Alles wird endgültig gelöscht und kann nicht wiederhergestellt werden.</translation>
    </message>
    <message>
        <source>The check could not start. Try again in a moment.</source>
        <translation>Die Suche nach Updates konnte nicht gestartet werden. Versuchen Sie es gleich noch einmal.</translation>
    </message>
    <message>
        <source>The check failed again.</source>
        <translation>Die Suche nach Updates ist erneut fehlgeschlagen.</translation>
    </message>
    <message>
        <source>These cannot be moved to the Recycle Bin</source>
        <translation>Diese Elemente können nicht in den Papierkorb verschoben werden</translation>
    </message>
    <message>
        <source>These cannot be moved to the Trash</source>
        <translation>Diese Elemente können nicht in den Papierkorb verschoben werden</translation>
    </message>
    <message>
        <source>None of it can go to the Recycle Bin: delete it permanently, or nothing is cleaned.</source>
        <translation>Nichts davon kann in den Papierkorb verschoben werden: Löschen Sie es endgültig, sonst wird nichts bereinigt.</translation>
    </message>
    <message>
        <source>None of it can go to the Trash: delete it permanently, or nothing is cleaned.</source>
        <translation>Nichts davon kann in den Papierkorb verschoben werden: Löschen Sie es endgültig, sonst wird nichts bereinigt.</translation>
    </message>
    <message>
        <source>Emptying the Recycle Bin and deleting what cannot go there can&apos;t be undone. Everything else goes to the Recycle Bin.</source>
        <translation>Der Papierkorb wird unwiderruflich geleert, und was nicht hineinkann, wird endgültig gelöscht. Alles andere wird in den Papierkorb verschoben.</translation>
    </message>
    <message>
        <source>Emptying the Trash and deleting what cannot go there can&apos;t be undone. Everything else goes to the Trash.</source>
        <translation>Der Papierkorb wird unwiderruflich geleert, und was nicht hineinkann, wird endgültig gelöscht. Alles andere wird in den Papierkorb verschoben.</translation>
    </message>
    <message>
        <source>What cannot go to the Recycle Bin is deleted permanently. Everything else is moved there, so you can restore it later.</source>
        <translation>Was nicht in den Papierkorb kann, wird endgültig gelöscht. Alles andere wird dorthin verschoben, sodass Sie es später wiederherstellen können.</translation>
    </message>
    <message>
        <source>What cannot go to the Trash is deleted permanently. Everything else is moved there, so you can restore it later.</source>
        <translation>Was nicht in den Papierkorb kann, wird endgültig gelöscht. Alles andere wird dorthin verschoben, sodass Sie es später wiederherstellen können.</translation>
    </message>
    <message>
        <source>Emptying the Recycle Bin can&apos;t be undone. Everything else goes to the Recycle Bin.</source>
        <translation>Der Papierkorb wird unwiderruflich geleert. Alles andere wird in den Papierkorb verschoben.</translation>
    </message>
    <message>
        <source>Emptying the Trash can&apos;t be undone. Everything else goes to the Trash.</source>
        <translation>Der Papierkorb wird unwiderruflich geleert. Alles andere wird in den Papierkorb verschoben.</translation>
    </message>
    <message>
        <source>Everything will be moved to the Recycle Bin, so you can restore it later.</source>
        <translation>Alles wird in den Papierkorb verschoben, sodass Sie es später wiederherstellen können.</translation>
    </message>
    <message>
        <source>Everything will be moved to the Trash, so you can restore it later.</source>
        <translation>Alles wird in den Papierkorb verschoben, sodass Sie es später wiederherstellen können.</translation>
    </message>
    <message>
        <source>Clean and delete</source>
        <comment>button: clean, part of it for good</comment>
        <translation>Bereinigen und löschen</translation>
    </message>
    <message>
        <source>Clean</source>
        <comment>button: start the cleanup</comment>
        <translation>Bereinigen</translation>
    </message>
    <message numerus="yes">
        <source>%n path(s) · %1</source>
        <comment>%1: their size</comment>
        <translation>
            <numerusform>%n Pfad · %1</numerusform>
            <numerusform>%n Pfade · %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Varnholt can stay in the system tray when you close the window. You can open it again from the tray icon.</source>
        <extracomment>Scheduled scans and alerts run when Varnholt starts, not while it waits in the tray</extracomment>
        <translation>Varnholt kann beim Schließen des Fensters im Infobereich bleiben. Über das Symbol im Infobereich können Sie Varnholt wieder öffnen.</translation>
    </message>
</context>
<context>
    <name>OverviewPage</name>
    <message>
        <source>Scanned %1</source>
        <extracomment>Chip; %1: when, e.g. &quot;2 days ago&quot;</extracomment>
        <translation>Gescannt: %1</translation>
    </message>
    <message>
        <source>Smart Scan</source>
        <extracomment>Button in the Overview&apos;s header: scan every cleanup category</extracomment>
        <translation>Smart Scan</translation>
    </message>
    <message>
        <source>Overview</source>
        <extracomment>Title of the Overview page</extracomment>
        <translation>Übersicht</translation>
    </message>
    <message>
        <source>Rescan</source>
        <extracomment>Button in the Overview&apos;s header: scan again</extracomment>
        <translation>Neu scannen</translation>
    </message>
    <message>
        <source>See all</source>
        <extracomment>Link beside the top recommendations: open the Cleanup page</extracomment>
        <translation>Alle anzeigen</translation>
    </message>
    <message>
        <source>Disk health</source>
        <extracomment>Heading of an Overview card</extracomment>
        <translation>Laufwerkszustand</translation>
    </message>
    <message>
        <source>System files protected</source>
        <extracomment>Line of the disk health card</extracomment>
        <translation>Systemdateien geschützt</translation>
    </message>
    <message>
        <source>%1 ready to clean</source>
        <extracomment>%1: a size</extracomment>
        <translation>%1 bereit zum Bereinigen</translation>
    </message>
    <message>
        <source>Your startup disk is almost full</source>
        <translation>Ihr Systemlaufwerk ist fast voll</translation>
    </message>
    <message>
        <source>Keep your disk in shape</source>
        <translation>Halten Sie Ihr Laufwerk in Form</translation>
    </message>
    <message>
        <source>free of %1</source>
        <extracomment>Under the free size in the disk ring; %1: the disk&apos;s size</extracomment>
        <translation>von %1 frei</translation>
    </message>
    <message>
        <source>Freed this month</source>
        <extracomment>Caption of an Overview card under a size</extracomment>
        <translation>Diesen Monat freigegeben</translation>
    </message>
    <message>
        <source>Last scan</source>
        <extracomment>Caption of an Overview card under a relative date</extracomment>
        <translation>Letzter Scan</translation>
    </message>
    <message>
        <source>Scheduled scan</source>
        <extracomment>Caption of an Overview card</extracomment>
        <translation>Geplanter Scan</translation>
    </message>
    <message>
        <source>Top recommendations</source>
        <extracomment>Heading over the biggest safe categories</extracomment>
        <translation>Top-Empfehlungen</translation>
    </message>
    <message>
        <source>What Smart Scan looks at</source>
        <translation>Was der Smart Scan prüft</translation>
    </message>
    <message>
        <source>Apps, documents &amp; system</source>
        <translation>Apps, Dokumente &amp; System</translation>
    </message>
    <message>
        <source>Reclaimable</source>
        <extracomment>Legend of the disk bar: space a cleanup can free</extracomment>
        <translation>Freigebbar</translation>
    </message>
    <message>
        <source>Available</source>
        <extracomment>Legend of the disk bar: free space</extracomment>
        <translation>Verfügbar</translation>
    </message>
    <message>
        <source>Space freed in the last six months</source>
        <translation>In den letzten sechs Monaten freigegebener Speicherplatz</translation>
    </message>
    <message>
        <source>Scan again to see what can be cleaned</source>
        <translation>Erneut scannen, um zu sehen, was bereinigt werden kann</translation>
    </message>
    <message>
        <source>Free space history</source>
        <extracomment>Heading of an Overview card</extracomment>
        <translation>Speicherplatzverlauf</translation>
    </message>
    <message numerus="yes">
        <source>From %1 to %2 free over %n day(s)</source>
        <extracomment>%1, %2: sizes</extracomment>
        <translation>
            <numerusform>Frei: von %1 auf %2 in %n Tag</numerusform>
            <numerusform>Frei: von %1 auf %2 in %n Tagen</numerusform>
        </translation>
    </message>
    <message>
        <source>Show it in the Space Map</source>
        <translation>In der Speicherbelegung anzeigen</translation>
    </message>
    <message>
        <source>What grew</source>
        <translation>Zuwachs</translation>
    </message>
    <message>
        <source>Varnholt notes how big your folders are once a day. The first comparison is ready once two readings lie a week apart.</source>
        <translation>Varnholt notiert einmal am Tag, wie groß Ihre Ordner sind. Der erste Vergleich ist fertig, sobald zwei Messungen eine Woche auseinanderliegen.</translation>
    </message>
    <message>
        <source>Growing fastest this week</source>
        <translation>Diese Woche am stärksten gewachsen</translation>
    </message>
    <message numerus="yes">
        <source>Growing fastest in the last %n day(s)</source>
        <translation>
            <numerusform>Innerhalb von %n Tag am stärksten gewachsen</numerusform>
            <numerusform>In den letzten %n Tagen am stärksten gewachsen</numerusform>
        </translation>
    </message>
    <message>
        <source>No folder grew by more than %1.</source>
        <translation>Kein Ordner ist um mehr als %1 gewachsen.</translation>
    </message>
    <message>
        <source>Clean %1</source>
        <translation>%1 bereinigen</translation>
    </message>
    <message>
        <source>%1 is the folder of this cleanup category</source>
        <translation>%1 ist der Ordner dieser Bereinigungskategorie</translation>
    </message>
    <message>
        <source>Review</source>
        <comment>button in the disk ring: open the scan results</comment>
        <translation>Prüfen</translation>
    </message>
    <message>
        <source>Scan</source>
        <comment>button in the disk ring: start a scan</comment>
        <translation>Scannen</translation>
    </message>
    <message>
        <source>Never scanned</source>
        <comment>chip and card caption</comment>
        <translation>Noch nie gescannt</translation>
    </message>
    <message>
        <source>Off</source>
        <comment>scheduled scan</comment>
        <translation>Aus</translation>
    </message>
    <message>
        <source>Weekly</source>
        <comment>scheduled scan</comment>
        <translation>Wöchentlich</translation>
    </message>
    <message>
        <source>Monthly</source>
        <comment>scheduled scan</comment>
        <translation>Monatlich</translation>
    </message>
</context>
<context>
    <name>Platform</name>
    <message>
        <source>Local Disk</source>
        <extracomment>Name of a drive without a label</extracomment>
        <translation>Lokaler Datenträger</translation>
    </message>
    <message>
        <source>Trash</source>
        <extracomment>The bin of Linux desktops, standing alone (a list entry, a log line)</extracomment>
        <translation>Papierkorb</translation>
    </message>
    <message>
        <source>File Manager</source>
        <extracomment>The file manager of Linux desktops, standing alone</extracomment>
        <translation>Dateimanager</translation>
    </message>
    <message>
        <source>Recycle Bin</source>
        <extracomment>The Windows bin, standing alone (a list entry, a log line)</extracomment>
        <translation>Papierkorb</translation>
    </message>
    <message>
        <source>File Explorer</source>
        <extracomment>The Windows file manager, standing alone</extracomment>
        <translation>Datei-Explorer</translation>
    </message>
</context>
<context>
    <name>Restore</name>
    <message>
        <source>no longer in the trash</source>
        <translation>nicht mehr im Papierkorb</translation>
    </message>
    <message>
        <source>its place is taken</source>
        <translation>der Platz ist wieder belegt</translation>
    </message>
    <message>
        <source>the log does not name a trash entry</source>
        <translation>das Protokoll nennt keinen Eintrag im Papierkorb</translation>
    </message>
    <message>
        <source>more than one trash entry matches</source>
        <translation>mehrere Einträge im Papierkorb passen</translation>
    </message>
    <message>
        <source>could not be moved back</source>
        <translation>konnte nicht zurückverschoben werden</translation>
    </message>
    <message>
        <source>no longer in the Recycle Bin</source>
        <translation>nicht mehr im Papierkorb</translation>
    </message>
    <message>
        <source>the log does not name a Recycle Bin entry</source>
        <translation>das Protokoll nennt keinen Eintrag im Papierkorb</translation>
    </message>
    <message>
        <source>more than one Recycle Bin entry matches</source>
        <translation>mehrere Einträge im Papierkorb passen</translation>
    </message>
</context>
<context>
    <name>SettingsPage</name>
    <message>
        <source>Settings</source>
        <extracomment>Title of the Settings page</extracomment>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>Choose a folder to exclude</source>
        <translation>Auszuschließenden Ordner auswählen</translation>
    </message>
    <message>
        <source>Cleaning</source>
        <extracomment>Heading of a Settings section</extracomment>
        <translation>Bereinigung</translation>
    </message>
    <message>
        <source>Recommended. Turn off to delete files permanently.</source>
        <translation>Empfohlen. Deaktivieren, um Dateien endgültig zu löschen.</translation>
    </message>
    <message>
        <source>Large file size</source>
        <extracomment>Setting: from which size a file counts as large</extracomment>
        <translation>Große Dateien ab</translation>
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
        <translation>Dateien gelten als alt nach</translation>
    </message>
    <message>
        <source>3 months</source>
        <extracomment>Choice: after how long unused a file counts as old</extracomment>
        <translation>3 Monate</translation>
    </message>
    <message>
        <source>6 months</source>
        <extracomment>Choice: after how long unused a file counts as old</extracomment>
        <translation>6 Monate</translation>
    </message>
    <message>
        <source>12 months</source>
        <extracomment>Choice: after how long unused a file counts as old</extracomment>
        <translation>12 Monate</translation>
    </message>
    <message>
        <source>24 months</source>
        <extracomment>Choice: after how long unused a file counts as old</extracomment>
        <translation>24 Monate</translation>
    </message>
    <message>
        <source>Automation</source>
        <extracomment>Heading of a Settings section</extracomment>
        <translation>Automatisierung</translation>
    </message>
    <message>
        <source>Scheduled scan</source>
        <extracomment>Setting: how often Varnholt scans by itself</extracomment>
        <translation>Geplanter Scan</translation>
    </message>
    <message>
        <source>Scans when Varnholt starts if the last scan is older than this. Never cleans on its own.</source>
        <translation>Scannt beim Start von Varnholt, wenn der letzte Scan älter als dieser Zeitraum ist. Bereinigt nie selbstständig.</translation>
    </message>
    <message>
        <source>Low space alerts</source>
        <extracomment>Setting: notify when the disk is nearly full</extracomment>
        <translation>Warnung bei Platzmangel</translation>
    </message>
    <message>
        <source>Warn when free space drops below 10%.</source>
        <extracomment>The % sign is part of &quot;10%&quot;, not a placeholder</extracomment>
        <translation>Warnen, wenn der freie Speicherplatz unter 10&#xa0;% fällt.</translation>
    </message>
    <message>
        <source>Starts Varnholt in the background so scheduled scans can run.</source>
        <translation>Startet Varnholt im Hintergrund, damit geplante Scans ausgeführt werden können.</translation>
    </message>
    <message>
        <source>Show Varnholt in the menu bar</source>
        <translation>Varnholt in der Menüleiste anzeigen</translation>
    </message>
    <message>
        <source>Ask every time</source>
        <extracomment>Choice of what closing the window does</extracomment>
        <translation>Jedes Mal fragen</translation>
    </message>
    <message>
        <source>Keep running in the tray</source>
        <translation>Im Infobereich bleiben</translation>
    </message>
    <message>
        <source>Quit Varnholt</source>
        <extracomment>Choice of what closing the window does</extracomment>
        <translation>Varnholt beenden</translation>
    </message>
    <message>
        <source>When closing the window</source>
        <translation>Beim Schließen des Fensters</translation>
    </message>
    <message>
        <source>Appearance</source>
        <extracomment>Heading of a Settings section</extracomment>
        <translation>Darstellung</translation>
    </message>
    <message>
        <source>Theme</source>
        <extracomment>Setting: light or dark colours</extracomment>
        <translation>Design</translation>
    </message>
    <message>
        <source>Follow the system, or always use light or dark.</source>
        <translation>Dem System folgen oder immer hell bzw. dunkel darstellen.</translation>
    </message>
    <message>
        <source>System default (%1)</source>
        <extracomment>Choice of the language; %1: the system&apos;s language</extracomment>
        <translation>Systemstandard (%1)</translation>
    </message>
    <message>
        <source>Restart now</source>
        <extracomment>Button: restart to show the new language</extracomment>
        <translation>Jetzt neu starten</translation>
    </message>
    <message>
        <source>Language</source>
        <extracomment>Setting: the language of the interface</extracomment>
        <translation>Sprache</translation>
    </message>
    <message>
        <source>Varnholt restarts to switch languages.</source>
        <translation>Zum Wechseln der Sprache wird Varnholt neu gestartet.</translation>
    </message>
    <message>
        <source>Exclusions</source>
        <extracomment>Heading of a Settings section: folders never cleaned</extracomment>
        <translation>Ausschlüsse</translation>
    </message>
    <message>
        <source>Add folder</source>
        <extracomment>Button: add a folder to the exclusions</extracomment>
        <translation>Ordner hinzufügen</translation>
    </message>
    <message>
        <source>Never touch these</source>
        <extracomment>Description of the exclusions</extracomment>
        <translation>Nie antasten</translation>
    </message>
    <message>
        <source>Folders and patterns Varnholt always skips.</source>
        <translation>Ordner und Muster, die Varnholt immer überspringt.</translation>
    </message>
    <message>
        <source>Protected system locations</source>
        <extracomment>Row of the exclusions: folders Varnholt never cleans</extracomment>
        <translation>Geschützte Systembereiche</translation>
    </message>
    <message>
        <source>Locked</source>
        <extracomment>Badge beside the protected system locations: they cannot be changed</extracomment>
        <translation>Gesperrt</translation>
    </message>
    <message>
        <source>Protected apps</source>
        <extracomment>Row of the exclusions: apps whose data Varnholt never cleans</extracomment>
        <translation>Geschützte Apps</translation>
    </message>
    <message>
        <source> — their data is never cleaned. Caches of running apps and open files are skipped too.</source>
        <translation> — ihre Daten werden nie bereinigt. Caches laufender Apps und geöffnete Dateien werden ebenfalls übersprungen.</translation>
    </message>
    <message>
        <source>Permissions &amp; about</source>
        <extracomment>Heading of a Settings section</extracomment>
        <translation>Berechtigungen &amp; Info</translation>
    </message>
    <message>
        <source>Full Disk Access</source>
        <extracomment>A macOS permission</extracomment>
        <translation>Festplattenvollzugriff</translation>
    </message>
    <message>
        <source>Varnholt is running as administrator and can clean Windows Update files.</source>
        <translation>Varnholt läuft als Administrator und kann Windows Update-Dateien bereinigen.</translation>
    </message>
    <message>
        <source>Varnholt is running as administrator and can clean the package cache.</source>
        <translation>Varnholt läuft als Administrator und kann den Paket-Cache bereinigen.</translation>
    </message>
    <message>
        <source>Administrator access</source>
        <extracomment>Row: whether Varnholt runs with administrator rights</extracomment>
        <translation>Administratorrechte</translation>
    </message>
    <message>
        <source>Granted</source>
        <extracomment>Badge: administrator rights are held</extracomment>
        <translation>Gewährt</translation>
    </message>
    <message>
        <source>Only needed to clean Windows Update leftovers.</source>
        <translation>Nur zum Bereinigen von Windows Update-Resten nötig.</translation>
    </message>
    <message>
        <source>Only needed to clean the package cache.</source>
        <translation>Nur zum Bereinigen des Paket-Caches nötig.</translation>
    </message>
    <message>
        <source>Restart as admin</source>
        <extracomment>Button: restart Varnholt with administrator rights</extracomment>
        <translation>Als Admin neu starten</translation>
    </message>
    <message>
        <source>Check for updates</source>
        <extracomment>Button</extracomment>
        <translation>Nach Updates suchen</translation>
    </message>
    <message>
        <source>Open logs</source>
        <extracomment>Button: open the folder of the cleanup logs</extracomment>
        <translation>Protokolle öffnen</translation>
    </message>
    <message>
        <source>Every cleanup writes a log you can review. Varnholt checks for updates when it starts.</source>
        <translation>Jede Bereinigung schreibt ein Protokoll, das Sie einsehen können. Varnholt sucht beim Start nach Updates.</translation>
    </message>
    <message>
        <source>Remove</source>
        <extracomment>Button beside an excluded folder: take it off the list</extracomment>
        <translation>Entfernen</translation>
    </message>
    <message>
        <source>Files bigger than this appear in the Space Map.</source>
        <translation>Größere Dateien werden in der Speicherbelegung angezeigt.</translation>
    </message>
    <message>
        <source>Recent cleanups</source>
        <extracomment>Heading of a Settings section</extracomment>
        <translation>Letzte Bereinigungen</translation>
    </message>
    <message>
        <source>No cleanups yet</source>
        <extracomment>In place of the list of recent cleanups</extracomment>
        <translation>Noch keine Bereinigungen</translation>
    </message>
    <message>
        <source>Every cleanup writes a log you can review.</source>
        <translation>Jede Bereinigung schreibt ein Protokoll, das Sie einsehen können.</translation>
    </message>
    <message>
        <source>Restore</source>
        <extracomment>Button beside a past cleanup: put back what it moved to the bin</extracomment>
        <translation>Wiederherstellen</translation>
    </message>
    <message>
        <source>Used by the “Unused” filter.</source>
        <translation>Wird vom Filter „Ungenutzt“ verwendet.</translation>
    </message>
    <message>
        <source>Nothing was cleaned</source>
        <extracomment>What a past cleanup did</extracomment>
        <translation>Nichts wurde bereinigt</translation>
    </message>
    <message>
        <source>Check again</source>
        <extracomment>Button beside a note: read the settings file again</extracomment>
        <translation>Erneut prüfen</translation>
    </message>
    <message>
        <source>Your settings in %1 cannot be read, so what they hold is unknown. The options kept there stay locked until the file can be read again.</source>
        <extracomment>%1: a file&apos;s path</extracomment>
        <translation>Ihre Einstellungen in %1 können nicht gelesen werden, daher ist ihr Inhalt unbekannt. Die dort gespeicherten Optionen bleiben gesperrt, bis die Datei wieder gelesen werden kann.</translation>
    </message>
    <message>
        <source>Varnholt could not start again. Close it and open it yourself to switch languages.</source>
        <translation>Varnholt konnte nicht neu gestartet werden. Schließen und öffnen Sie Varnholt selbst, um die Sprache zu wechseln.</translation>
    </message>
    <message>
        <source>Move items to the Recycle Bin</source>
        <translation>Elemente in den Papierkorb verschieben</translation>
    </message>
    <message>
        <source>Move items to the Trash</source>
        <translation>Elemente in den Papierkorb verschieben</translation>
    </message>
    <message>
        <source>Off</source>
        <comment>scheduled scan</comment>
        <translation>Aus</translation>
    </message>
    <message>
        <source>Weekly</source>
        <comment>scheduled scan</comment>
        <translation>Wöchentlich</translation>
    </message>
    <message>
        <source>Monthly</source>
        <comment>scheduled scan</comment>
        <translation>Monatlich</translation>
    </message>
    <message>
        <source>Keep a history of folder sizes</source>
        <translation>Verlauf der Ordnergrößen führen</translation>
    </message>
    <message>
        <source>Once a day, Varnholt notes how big your folders are so it can show what grew. Nothing leaves this computer.</source>
        <translation>Einmal am Tag notiert Varnholt, wie groß Ihre Ordner sind, um zeigen zu können, was gewachsen ist. Nichts davon verlässt diesen Computer.</translation>
    </message>
    <message>
        <source>Open at login</source>
        <comment>setting: start Varnholt at login</comment>
        <translation>Beim Anmelden öffnen</translation>
    </message>
    <message>
        <source>Start with Windows</source>
        <comment>setting: start Varnholt at login</comment>
        <translation>Mit Windows starten</translation>
    </message>
    <message>
        <source>Start at login</source>
        <comment>setting: start Varnholt at login</comment>
        <translation>Bei Anmeldung starten</translation>
    </message>
    <message>
        <source>System</source>
        <comment>theme that follows the system&apos;s light or dark mode</comment>
        <translation>System</translation>
    </message>
    <message>
        <source>Light</source>
        <comment>theme</comment>
        <translation>Hell</translation>
    </message>
    <message>
        <source>Dark</source>
        <comment>theme</comment>
        <translation>Dunkel</translation>
    </message>
    <message>
        <source>C:\Windows\System32, WinSxS, Program Files, drive roots — always skipped.</source>
        <extracomment>The folder names stay as the system writes them</extracomment>
        <translation>C:\Windows\System32, WinSxS, Program Files, Stammverzeichnisse der Laufwerke — werden immer übersprungen.</translation>
    </message>
    <message>
        <source>/usr, /etc, /boot, /var/lib, system folders — always skipped.</source>
        <extracomment>The folder names stay as the system writes them</extracomment>
        <translation>/usr, /etc, /boot, /var/lib, Systemordner — werden immer übersprungen.</translation>
    </message>
    <message>
        <source>%1 in all: the Recycle Bin emptied, items deleted permanently or moved to it</source>
        <comment>%1: a size</comment>
        <translation>%1 insgesamt: Papierkorb geleert, Elemente endgültig gelöscht oder dorthin verschoben</translation>
    </message>
    <message>
        <source>%1 in all: the Trash emptied, items deleted permanently or moved to it</source>
        <comment>%1: a size</comment>
        <translation>%1 insgesamt: Papierkorb geleert, Elemente endgültig gelöscht oder dorthin verschoben</translation>
    </message>
    <message>
        <source>%1 moved to the Recycle Bin or deleted permanently</source>
        <comment>%1: a size</comment>
        <translation>%1 in den Papierkorb verschoben oder endgültig gelöscht</translation>
    </message>
    <message>
        <source>%1 moved to the Trash or deleted permanently</source>
        <comment>%1: a size</comment>
        <translation>%1 in den Papierkorb verschoben oder endgültig gelöscht</translation>
    </message>
    <message>
        <source>%1 in all: the Recycle Bin emptied, then items moved to it</source>
        <comment>%1: a size</comment>
        <translation>%1 insgesamt: Papierkorb geleert, dann Elemente dorthin verschoben</translation>
    </message>
    <message>
        <source>%1 in all: the Trash emptied, then items moved to it</source>
        <comment>%1: a size</comment>
        <translation>%1 insgesamt: Papierkorb geleert, dann Elemente dorthin verschoben</translation>
    </message>
    <message>
        <source>%1 moved to the Recycle Bin</source>
        <comment>%1: a size</comment>
        <translation>%1 in den Papierkorb verschoben</translation>
    </message>
    <message>
        <source>%1 moved to the Trash</source>
        <comment>%1: a size</comment>
        <translation>%1 in den Papierkorb verschoben</translation>
    </message>
    <message>
        <source>%1 freed: items deleted permanently and the Recycle Bin emptied</source>
        <comment>%1: a size</comment>
        <translation>%1 freigegeben: Elemente endgültig gelöscht und Papierkorb geleert</translation>
    </message>
    <message>
        <source>%1 freed: items deleted permanently and the Trash emptied</source>
        <comment>%1: a size</comment>
        <translation>%1 freigegeben: Elemente endgültig gelöscht und Papierkorb geleert</translation>
    </message>
    <message>
        <source>%1 deleted permanently</source>
        <comment>%1: a size</comment>
        <translation>%1 endgültig gelöscht</translation>
    </message>
    <message>
        <source>The Recycle Bin was emptied: %1 freed</source>
        <comment>%1: a size</comment>
        <translation>Der Papierkorb wurde geleert: %1 freigegeben</translation>
    </message>
    <message>
        <source>The Trash was emptied: %1 freed</source>
        <comment>%1: a size</comment>
        <translation>Der Papierkorb wurde geleert: %1 freigegeben</translation>
    </message>
    <message>
        <source>Put back what this cleanup moved to the Recycle Bin. Nothing that is in its place now is replaced.</source>
        <translation>Legt zurück, was diese Bereinigung in den Papierkorb verschoben hat. Was jetzt an seiner Stelle liegt, wird nicht ersetzt.</translation>
    </message>
    <message>
        <source>Put back what this cleanup moved to the Trash. Nothing that is in its place now is replaced.</source>
        <translation>Legt zurück, was diese Bereinigung in den Papierkorb verschoben hat. Was jetzt an seiner Stelle liegt, wird nicht ersetzt.</translation>
    </message>
    <message>
        <source>Forget history</source>
        <translation>Verlauf löschen</translation>
    </message>
    <message>
        <source>Forget the history of folder sizes?</source>
        <translation>Verlauf der Ordnergrößen löschen?</translation>
    </message>
    <message>
        <source>Every reading Varnholt took of your folder sizes is removed. What grew shows again once new readings have been taken.</source>
        <translation>Alle Messungen Ihrer Ordnergrößen, die Varnholt vorgenommen hat, werden entfernt. Was gewachsen ist, wird wieder angezeigt, sobald neue Messungen vorliegen.</translation>
    </message>
    <message>
        <source>The history of folder sizes is forgotten</source>
        <translation>Der Verlauf der Ordnergrößen wurde gelöscht</translation>
    </message>
    <message>
        <source>Some readings of folder sizes could not be removed</source>
        <translation>Einige Messungen der Ordnergrößen konnten nicht entfernt werden</translation>
    </message>
    <message>
        <source>Closing the window keeps Varnholt running there.</source>
        <extracomment>Scheduled scans and alerts run when Varnholt starts, not while it waits in the menu bar</extracomment>
        <translation>Nach dem Schließen des Fensters läuft Varnholt dort weiter.</translation>
    </message>
    <message>
        <source>In the tray, Varnholt keeps running until you quit it.</source>
        <extracomment>Scheduled scans and alerts run when Varnholt starts, not while it waits in the tray</extracomment>
        <translation>Im Infobereich läuft Varnholt weiter, bis Sie es beenden.</translation>
    </message>
</context>
<context>
    <name>Sidebar</name>
    <message>
        <source>%1 available of %2</source>
        <extracomment>%1: the free size; %2: the disk&apos;s size</extracomment>
        <translation>%1 von %2 verfügbar</translation>
    </message>
    <message>
        <source>Smart Scan</source>
        <extracomment>Sidebar entry: the Overview page with its scan of every cleanup category</extracomment>
        <translation>Smart Scan</translation>
    </message>
    <message>
        <source>Cleanup</source>
        <extracomment>Sidebar entry: the page of the scan&apos;s results and the cleanup</extracomment>
        <translation>Bereinigung</translation>
    </message>
    <message>
        <source>Space Map</source>
        <extracomment>Sidebar entry: the page that maps where disk space goes (not a geographic map)</extracomment>
        <translation>Speicherbelegung</translation>
    </message>
    <message>
        <source>Settings</source>
        <extracomment>Sidebar entry</extracomment>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>%1 free</source>
        <extracomment>The collapsed sidebar&apos;s drive line; %1: a size</extracomment>
        <translation>%1 frei</translation>
    </message>
    <message>
        <source>Clean</source>
        <extracomment>Heading over the sidebar&apos;s pages (a section title, not a command)</extracomment>
        <translation>Bereinigen</translation>
    </message>
    <message>
        <source>Expand sidebar</source>
        <comment>tooltip: widen the sidebar</comment>
        <translation>Seitenleiste ausklappen</translation>
    </message>
    <message>
        <source>Collapse sidebar</source>
        <comment>tooltip: narrow the sidebar to icons</comment>
        <translation>Seitenleiste einklappen</translation>
    </message>
</context>
<context>
    <name>TitleBar</name>
    <message>
        <source>Menu</source>
        <extracomment>Tooltip of the title bar&apos;s button that opens the app menu</extracomment>
        <translation>Menü</translation>
    </message>
    <message>
        <source>Minimize</source>
        <extracomment>Tooltip of a window button</extracomment>
        <translation>Minimieren</translation>
    </message>
    <message>
        <source>Close</source>
        <extracomment>Tooltip of a window button</extracomment>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Restore</source>
        <comment>window button: unmaximize</comment>
        <translation>Wiederherstellen</translation>
    </message>
    <message>
        <source>Maximize</source>
        <comment>window button</comment>
        <translation>Maximieren</translation>
    </message>
</context>
<context>
    <name>Tray</name>
    <message>
        <source>Varnholt is still running</source>
        <translation>Varnholt läuft weiter</translation>
    </message>
    <message>
        <source>Open Varnholt</source>
        <extracomment>Entry of the tray menu</extracomment>
        <translation>Varnholt öffnen</translation>
    </message>
    <message>
        <source>Smart Scan</source>
        <extracomment>Entry of the tray menu: scan every cleanup category</extracomment>
        <translation>Smart Scan</translation>
    </message>
    <message>
        <source>Settings</source>
        <extracomment>Entry of the tray menu</extracomment>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>Check for Updates</source>
        <extracomment>Entry of the tray menu</extracomment>
        <translation>Nach Updates suchen</translation>
    </message>
    <message>
        <source>Quit Varnholt</source>
        <extracomment>Entry of the tray menu</extracomment>
        <translation>Varnholt beenden</translation>
    </message>
    <message>
        <source>%1 · %2 free</source>
        <extracomment>Tray tooltip; %1: a drive; %2: a size</extracomment>
        <translation>%1 · %2 frei</translation>
    </message>
    <message>
        <source>Space Map</source>
        <extracomment>Entry of the tray menu: open the page that maps where disk space goes</extracomment>
        <translation>Speicherbelegung</translation>
    </message>
    <message>
        <source>It stays in the system tray. Right-click the icon to quit.</source>
        <extracomment>Balloon shown once the window first hides in the tray</extracomment>
        <translation>Varnholt bleibt im Infobereich. Zum Beenden klicken Sie mit der rechten Maustaste auf das Symbol.</translation>
    </message>
</context>
<context>
    <name>Updater</name>
    <message>
        <source>The update information could not be read.</source>
        <translation>Die Update-Informationen konnten nicht gelesen werden.</translation>
    </message>
    <message>
        <source>The update is not on Varnholt&apos;s server.</source>
        <translation>Das Update liegt nicht auf dem Server von Varnholt.</translation>
    </message>
    <message>
        <source>Could not save the update: %1</source>
        <extracomment>%1: the system&apos;s reason</extracomment>
        <translation>Das Update konnte nicht gespeichert werden: %1</translation>
    </message>
    <message>
        <source>The update has an unexpected size.</source>
        <translation>Das Update hat eine unerwartete Größe.</translation>
    </message>
    <message>
        <source>Could not start the installer.</source>
        <translation>Das Installationsprogramm konnte nicht gestartet werden.</translation>
    </message>
    <message>
        <source>The update could not be downloaded: %1</source>
        <extracomment>%1: the network&apos;s reason</extracomment>
        <translation>Das Update konnte nicht heruntergeladen werden: %1</translation>
    </message>
    <message>
        <source>Could not read the update.</source>
        <translation>Das Update konnte nicht gelesen werden.</translation>
    </message>
    <message>
        <source>The update does not match the published checksum.</source>
        <translation>Das Update stimmt nicht mit der veröffentlichten Prüfsumme überein.</translation>
    </message>
    <message>
        <source>The update is not signed by %1.</source>
        <extracomment>%1: the publisher&apos;s name</extracomment>
        <translation>Das Update ist nicht von %1 signiert.</translation>
    </message>
    <message>
        <source>The update was downloaded. Install it with your package manager.</source>
        <translation>Das Update wurde heruntergeladen. Installieren Sie es mit Ihrem Paketmanager.</translation>
    </message>
    <message>
        <source>The update was not installed, because Windows did not get permission to install it.</source>
        <translation>Das Update wurde nicht installiert, weil Windows keine Berechtigung zur Installation erhalten hat.</translation>
    </message>
    <message>
        <source>The connection to the update server timed out.</source>
        <translation>Die Verbindung zum Update-Server hat das Zeitlimit überschritten.</translation>
    </message>
    <message>
        <source>The update is not the published version %1.</source>
        <extracomment>%1: a version number</extracomment>
        <translation>Das Update ist nicht die veröffentlichte Version %1.</translation>
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
        <translation>Heute</translation>
    </message>
    <message>
        <source>Yesterday</source>
        <extracomment>A relative date</extracomment>
        <translation>Gestern</translation>
    </message>
    <message numerus="yes">
        <source>%n day(s) ago</source>
        <extracomment>A relative date</extracomment>
        <translation>
            <numerusform>vor %n Tag</numerusform>
            <numerusform>vor %n Tagen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n week(s) ago</source>
        <extracomment>A relative date</extracomment>
        <translation>
            <numerusform>vor %n Woche</numerusform>
            <numerusform>vor %n Wochen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n month(s) ago</source>
        <extracomment>A relative date</extracomment>
        <translation>
            <numerusform>vor %n Monat</numerusform>
            <numerusform>vor %n Monaten</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n year(s) ago</source>
        <extracomment>A relative date</extracomment>
        <translation>
            <numerusform>vor %n Jahr</numerusform>
            <numerusform>vor %n Jahren</numerusform>
        </translation>
    </message>
</context>
</TS>
