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
    <message>
        <source>1 file</source>
        <translation>1 Datei</translation>
    </message>
    <message>
        <source>%1 files</source>
        <translation>%1 Dateien</translation>
    </message>
    <message>
        <source>%1 (%2) moved to the %3</source>
        <translation>%1 (%2) in den %3 verschoben</translation>
    </message>
    <message>
        <source> · %1 in use, skipped</source>
        <translation> · %1 in Verwendung, übersprungen</translation>
    </message>
    <message numerus="yes">
        <source>Restored %n file(s)</source>
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
        <source>Restored %n item(s) from the %1</source>
        <translation>
            <numerusform>%n Element aus dem %1 wiederhergestellt</numerusform>
            <numerusform>%n Elemente aus dem %1 wiederhergestellt</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 not restored: %2</source>
        <translation>%1 nicht wiederhergestellt: %2</translation>
    </message>
    <message>
        <source>found through the %1&apos;s own records (an older log)</source>
        <translation>über die Einträge des %1 selbst gefunden (älteres Protokoll)</translation>
    </message>
    <message numerus="yes">
        <source>At this rate the disk is full in about %n week(s)</source>
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
        <translation>Der freie Speicherplatz sinkt um etwa %1 pro Tag</translation>
    </message>
    <message>
        <source>Free space rises by about %1 a day</source>
        <translation>Der freie Speicherplatz steigt um etwa %1 pro Tag</translation>
    </message>
    <message>
        <source> · %1 could not be moved to the %2</source>
        <translation> · %1 konnten nicht in den %2 verschoben werden</translation>
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
        <translation>Alle Laufwerke</translation>
    </message>
    <message>
        <source>Items you have already deleted. Emptying cannot be undone.</source>
        <translation>Bereits gelöschte Elemente. Das Leeren kann nicht rückgängig gemacht werden.</translation>
    </message>
    <message>
        <source>Temporary files</source>
        <translation>Temporäre Dateien</translation>
    </message>
    <message>
        <source>App caches</source>
        <translation>App-Caches</translation>
    </message>
    <message>
        <source>Cache folders in %LOCALAPPDATA% and %APPDATA%</source>
        <translation>Cache-Ordner in %LOCALAPPDATA% und %APPDATA%</translation>
    </message>
    <message>
        <source>DirectX shader cache</source>
        <translation>DirectX-Shader-Cache</translation>
    </message>
    <message>
        <source>Browser caches</source>
        <translation>Browser-Caches</translation>
    </message>
    <message>
        <source>Internet cache</source>
        <translation>Internet-Cache</translation>
    </message>
    <message>
        <source>Logs &amp; crash reports</source>
        <translation>Protokolle &amp; Absturzberichte</translation>
    </message>
    <message>
        <source>Thumbnail cache</source>
        <translation>Miniaturansichten-Cache</translation>
    </message>
    <message>
        <source>Windows Update leftovers</source>
        <translation>Windows Update-Reste</translation>
    </message>
    <message>
        <source>Files left behind after Windows updates are installed. Safe once the update is complete; Windows downloads them again if it needs them.</source>
        <translation>Dateien, die nach der Installation von Windows-Updates zurückbleiben. Nach Abschluss des Updates sicher; Windows lädt sie bei Bedarf erneut herunter.</translation>
    </message>
    <message>
        <source>Windows Update downloads</source>
        <translation>Windows Update-Downloads</translation>
    </message>
    <message>
        <source>Delivery Optimization cache</source>
        <translation>Übermittlungsoptimierungs-Cache</translation>
    </message>
    <message>
        <source>Developer caches</source>
        <translation>Entwickler-Caches</translation>
    </message>
    <message>
        <source>Recycle Bin</source>
        <translation>Papierkorb</translation>
    </message>
    <message>
        <source>Package cache</source>
        <translation>Paket-Cache</translation>
    </message>
    <message>
        <source>Packages the package manager keeps after installing them. Safe to remove; they are downloaded again if they are needed.</source>
        <translation>Pakete, die der Paketmanager nach der Installation aufbewahrt. Sicher zu entfernen; sie werden bei Bedarf erneut heruntergeladen.</translation>
    </message>
    <message>
        <source>DNF package cache</source>
        <translation>DNF-Paket-Cache</translation>
    </message>
    <message>
        <source>Trash</source>
        <translation>Papierkorb</translation>
    </message>
    <message>
        <source>Safe</source>
        <translation>Sicher</translation>
    </message>
    <message>
        <source>Review</source>
        <translation>Prüfen</translation>
    </message>
    <message>
        <source>Permanent</source>
        <translation>Endgültig</translation>
    </message>
    <message>
        <source>%1 (all drives)</source>
        <translation>%1 (alle Laufwerke)</translation>
    </message>
    <message>
        <source>%1 was left out: it leads through a link to %2.</source>
        <translation>%1 wurde ausgelassen: Der Ordner führt über eine symbolische Verknüpfung zu %2.</translation>
    </message>
    <message>
        <source>%1 was left out: it is the home folder or holds it.</source>
        <translation>%1 wurde ausgelassen: Der Ordner ist der Benutzerordner oder enthält ihn.</translation>
    </message>
    <message>
        <source>%1 was left out: it lies in a protected location.</source>
        <translation>%1 wurde ausgelassen: Der Ordner liegt an einem geschützten Ort.</translation>
    </message>
    <message>
        <source>%1 was left out: it overlaps %2.</source>
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
        <translation>%1 (PID %2)</translation>
    </message>
    <message>
        <source>%1 is left out: another program is working in it.</source>
        <translation>%1 wird ausgelassen: Ein anderes Programm arbeitet darin.</translation>
    </message>
    <message>
        <source>%1 is left out: in use by %2.</source>
        <translation>%1 wird ausgelassen: in Verwendung durch %2.</translation>
    </message>
    <message>
        <source>%1 is left out: its name is not valid text.</source>
        <translation>%1 wird ausgelassen: Sein Name ist kein gültiger Text.</translation>
    </message>
    <message>
        <source>npm cache</source>
        <translation>npm-Cache</translation>
    </message>
    <message>
        <source>Yarn cache</source>
        <translation>Yarn-Cache</translation>
    </message>
    <message>
        <source>pip cache</source>
        <translation>pip-Cache</translation>
    </message>
    <message>
        <source>NuGet HTTP cache</source>
        <translation>NuGet-HTTP-Cache</translation>
    </message>
    <message>
        <source>Go build cache</source>
        <translation>Go-Build-Cache</translation>
    </message>
    <message>
        <source>Gradle caches</source>
        <translation>Gradle-Caches</translation>
    </message>
    <message>
        <source>Cargo registry cache</source>
        <translation>Cargo-Registry-Cache</translation>
    </message>
</context>
<context>
    <name>Cleaner</name>
    <message>
        <source>delete permanently</source>
        <translation>endgültig löschen</translation>
    </message>
</context>
<context>
    <name>CleanupPage</name>
    <message>
        <source>SAFE TO CLEAN</source>
        <translation>SICHER ENTFERNBAR</translation>
    </message>
    <message>
        <source>REVIEW BEFORE CLEANING</source>
        <translation>VOR DEM BEREINIGEN PRÜFEN</translation>
    </message>
    <message>
        <source>CANNOT BE UNDONE</source>
        <translation>UNWIDERRUFLICH</translation>
    </message>
    <message>
        <source>Cleanup</source>
        <translation>Bereinigung</translation>
    </message>
    <message>
        <source>Nothing scanned yet</source>
        <translation>Noch nichts gescannt</translation>
    </message>
    <message>
        <source>Find caches, temporary files and leftovers.</source>
        <translation>Finden Sie Caches, temporäre Dateien und Überreste.</translation>
    </message>
    <message>
        <source>Start Smart Scan</source>
        <translation>Smart Scan starten</translation>
    </message>
    <message>
        <source>Scanning</source>
        <translation>Wird gescannt</translation>
    </message>
    <message>
        <source>In progress</source>
        <translation>In Bearbeitung</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stopp</translation>
    </message>
    <message>
        <source>Items checked</source>
        <translation>Geprüfte Elemente</translation>
    </message>
    <message>
        <source>Elapsed</source>
        <translation>Verstrichen</translation>
    </message>
    <message>
        <source>Remaining</source>
        <translation>Verbleibend</translation>
    </message>
    <message>
        <source>found</source>
        <translation>gefunden</translation>
    </message>
    <message>
        <source>Cleaning</source>
        <translation>Wird bereinigt</translation>
    </message>
    <message>
        <source>of %1</source>
        <translation>von %1</translation>
    </message>
    <message>
        <source>Cleanup complete</source>
        <translation>Bereinigung abgeschlossen</translation>
    </message>
    <message>
        <source>Available before</source>
        <translation>Vorher verfügbar</translation>
    </message>
    <message>
        <source>Available now</source>
        <translation>Jetzt verfügbar</translation>
    </message>
    <message>
        <source>&lt;b&gt;Some files need administrator rights.&lt;/b&gt; Restart Varnholt as administrator and clean again to remove them.</source>
        <translation>&lt;b&gt;Einige Dateien erfordern Administratorrechte.&lt;/b&gt; Starten Sie Varnholt als Administrator neu und bereinigen Sie erneut, um sie zu entfernen.</translation>
    </message>
    <message>
        <source>Restart as admin</source>
        <translation>Als Admin neu starten</translation>
    </message>
    <message>
        <source>View log</source>
        <translation>Protokoll anzeigen</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Fertig</translation>
    </message>
    <message>
        <source>Items were deleted permanently.</source>
        <translation>Die Elemente wurden endgültig gelöscht.</translation>
    </message>
    <message>
        <source>For example: %1</source>
        <translation>Zum Beispiel: %1</translation>
    </message>
    <message>
        <source>&lt;b&gt;Left caches of running apps alone:&lt;/b&gt; %1. Quit them and clean again to include them.</source>
        <translation>&lt;b&gt;Caches laufender Apps wurden nicht angetastet:&lt;/b&gt; %1. Beenden Sie diese Apps und bereinigen Sie erneut, um ihre Caches einzubeziehen.</translation>
    </message>
    <message>
        <source>Needs administrator</source>
        <translation>Administratorrechte nötig</translation>
    </message>
    <message>
        <source>Select recommended</source>
        <translation>Empfohlene auswählen</translation>
    </message>
    <message>
        <source>Rescan</source>
        <translation>Erneut scannen</translation>
    </message>
    <message>
        <source>Select all</source>
        <translation>Alle auswählen</translation>
    </message>
    <message>
        <source>%1 can be cleaned</source>
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
        <translation>%1 ist geöffnet. Beenden Sie die App, um ihren Cache einzubeziehen.</translation>
    </message>
    <message>
        <source>%1 are open. Quit them to include their caches.</source>
        <translation>%1 sind geöffnet. Beenden Sie diese Apps, um ihre Caches einzubeziehen.</translation>
    </message>
    <message>
        <source>Largest items</source>
        <translation>Größte Elemente</translation>
    </message>
    <message>
        <source>Show in %1</source>
        <translation>Im %1 anzeigen</translation>
    </message>
    <message>
        <source>%1 is running</source>
        <translation>%1 läuft</translation>
    </message>
    <message>
        <source>Show %1 more</source>
        <translation>Weitere anzeigen (%1)</translation>
    </message>
    <message>
        <source>moved to the %1</source>
        <translation>Elemente werden in den %1 verschoben</translation>
    </message>
    <message>
        <source>deleted permanently</source>
        <translation>Elemente werden endgültig gelöscht</translation>
    </message>
    <message>
        <source>&lt;b style=&apos;color:%1&apos;&gt;%2&lt;/b&gt; selected%3</source>
        <translation>&lt;b style=&apos;color:%1&apos;&gt;%2&lt;/b&gt; ausgewählt%3</translation>
    </message>
    <message>
        <source> · some need admin</source>
        <translation> · teils Administratorrechte nötig</translation>
    </message>
    <message>
        <source>Clean %1</source>
        <translation>%1 bereinigen</translation>
    </message>
    <message>
        <source>Large files</source>
        <translation>Große Dateien</translation>
    </message>
    <message numerus="yes">
        <source>%Ln item(s)</source>
        <translation>
            <numerusform>%Ln Element</numerusform>
            <numerusform>%Ln Elemente</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>and %Ln more item(s)</source>
        <translation>
            <numerusform>und %Ln weiteres Element</numerusform>
            <numerusform>und %Ln weitere Elemente</numerusform>
        </translation>
    </message>
    <message>
        <source>Check again</source>
        <translation>Erneut prüfen</translation>
    </message>
    <message>
        <source>Your settings in %1 cannot be read, so your exclusions and your choice between the %2 and deleting are unknown. Cleaning stays off until the file can be read again.</source>
        <translation>Ihre Einstellungen in %1 können nicht gelesen werden. Daher ist unbekannt, was Sie ausgeschlossen haben und ob Elemente in den %2 verschoben oder gelöscht werden sollen. Die Bereinigung bleibt gesperrt, bis die Datei wieder gelesen werden kann.</translation>
    </message>
    <message>
        <source>Partly cleaned</source>
        <translation>Teilweise bereinigt</translation>
    </message>
    <message>
        <source>Nothing was cleaned</source>
        <translation>Nichts wurde bereinigt</translation>
    </message>
    <message>
        <source>None of the %1 selected could be cleaned.</source>
        <translation>Von den ausgewählten %1 konnte nichts bereinigt werden.</translation>
    </message>
    <message>
        <source>No app could open %1</source>
        <translation>Keine App konnte %1 öffnen</translation>
    </message>
    <message>
        <source>The %1 could not show %2</source>
        <translation>Der %1 konnte %2 nicht anzeigen</translation>
    </message>
    <message>
        <source>Scan again to see what can be cleaned.</source>
        <translation>Scannen Sie erneut, um zu sehen, was bereinigt werden kann.</translation>
    </message>
    <message>
        <source>Measuring…</source>
        <translation>Wird gemessen…</translation>
    </message>
    <message>
        <source>%1 of it needs administrator rights.</source>
        <translation>%1 davon erfordert Administratorrechte.</translation>
    </message>
    <message>
        <source>freed or moved to the %1</source>
        <comment>what the figure of a finished cleanup is</comment>
        <translation>freigegeben oder in den %1 verschoben</translation>
    </message>
    <message>
        <source>moved to the %1</source>
        <comment>what the figure of a finished cleanup is</comment>
        <translation>in den %1 verschoben</translation>
    </message>
    <message>
        <source>freed</source>
        <comment>what the figure of a finished cleanup is</comment>
        <translation>freigegeben</translation>
    </message>
    <message>
        <source>of %1 selected · %2</source>
        <translation>von %1 ausgewählt · %2</translation>
    </message>
    <message>
        <source>Restore all</source>
        <translation>Alles wiederherstellen</translation>
    </message>
    <message>
        <source>Put everything this cleanup moved to the %1 back where it was</source>
        <translation>Alles, was diese Bereinigung in den %1 verschoben hat, an seinen Platz zurücklegen</translation>
    </message>
    <message>
        <source>Restoring…</source>
        <translation>Wird wiederhergestellt …</translation>
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
        <translation>Erneut versuchen</translation>
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
        <source>Some items were moved to the %1 and the rest deleted permanently. You can still restore what was moved.</source>
        <translation>Einige Elemente wurden in den %1 verschoben, die übrigen endgültig gelöscht. Was verschoben wurde, können Sie noch wiederherstellen.</translation>
    </message>
    <message>
        <source>Moved to the %1. You can still restore anything.</source>
        <translation>In den %1 verschoben. Sie können alles noch wiederherstellen.</translation>
    </message>
    <message numerus="yes">
        <source>&lt;b&gt;%Ln item(s) could not be moved to the %1&lt;/b&gt; and were left where they are.</source>
        <translation>
            <numerusform>&lt;b&gt;%Ln Element konnte nicht in den %1 verschoben werden&lt;/b&gt; und bleibt, wo es ist.</numerusform>
            <numerusform>&lt;b&gt;%Ln Elemente konnten nicht in den %1 verschoben werden&lt;/b&gt; und bleiben, wo sie sind.</numerusform>
        </translation>
    </message>
    <message>
        <source>This cleanup wrote no log; its folder is open instead.</source>
        <translation>Diese Bereinigung hat kein Protokoll geschrieben; stattdessen ist der Protokollordner geöffnet.</translation>
    </message>
    <message>
        <source>The log %1 is gone; its folder is open instead.</source>
        <translation>Das Protokoll %1 ist nicht mehr vorhanden; stattdessen ist sein Ordner geöffnet.</translation>
    </message>
    <message>
        <source>Varnholt did not restart: administrator rights were refused or could not be asked for.</source>
        <translation>Varnholt wurde nicht neu gestartet: Administratorrechte wurden verweigert oder konnten nicht angefordert werden.</translation>
    </message>
    <message>
        <source>No %1 on this drive</source>
        <translation>Kein %1 auf diesem Laufwerk</translation>
    </message>
    <message>
        <source>Cannot go to the %1</source>
        <translation>Kann nicht in den %1</translation>
    </message>
</context>
<context>
    <name>Cli</name>
    <message>
        <source>Cannot read the catalogue file %1: %2</source>
        <translation>Die Katalogdatei %1 kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>The catalogue file %1 is not valid JSON: %2</source>
        <translation>Die Katalogdatei %1 enthält kein gültiges JSON: %2</translation>
    </message>
    <message>
        <source>The catalogue file %1 is not usable: %2</source>
        <translation>Die Katalogdatei %1 ist nicht verwendbar: %2</translation>
    </message>
    <message>
        <source>a category has no id</source>
        <translation>eine Kategorie hat keine ID</translation>
    </message>
    <message>
        <source>the id &quot;%1&quot; appears twice</source>
        <translation>die ID „%1“ kommt zweimal vor</translation>
    </message>
    <message>
        <source>the risk of &quot;%1&quot; is not Safe, Review or Permanent</source>
        <translation>das Risiko von „%1“ ist weder Safe noch Review noch Permanent</translation>
    </message>
    <message>
        <source>a root of &quot;%1&quot; is not an absolute path</source>
        <translation>ein Stammordner von „%1“ ist kein absoluter Pfad</translation>
    </message>
    <message>
        <source>it lists no categories</source>
        <translation>sie enthält keine Kategorien</translation>
    </message>
    <message>
        <source>Interrupted.</source>
        <translation>Abgebrochen.</translation>
    </message>
    <message>
        <source>Scanning %1 · %2 · %3 files · %4</source>
        <translation>Scan: %1 · %2 · Dateien: %3 · %4</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>Kategorie</translation>
    </message>
    <message>
        <source>Risk</source>
        <translation>Risiko</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Größe</translation>
    </message>
    <message>
        <source>Files</source>
        <translation>Dateien</translation>
    </message>
    <message>
        <source>Items</source>
        <translation>Elemente</translation>
    </message>
    <message>
        <source>(%1 is running)</source>
        <translation>(%1 läuft)</translation>
    </message>
    <message>
        <source>… %1 more (--json lists all)</source>
        <translation>… noch %1 (--json zeigt alle)</translation>
    </message>
    <message>
        <source>%1 found · %2 files checked · %3 s</source>
        <translation>%1 gefunden · Dateien geprüft: %2 · %3 s</translation>
    </message>
    <message>
        <source>Some folders of %1 could not be read.</source>
        <translation>Einige Ordner von „%1“ konnten nicht gelesen werden.</translation>
    </message>
    <message>
        <source>Keeping %1 as a whole: %2 lies inside it.</source>
        <translation>%1 bleibt vollständig erhalten: %2 liegt darin.</translation>
    </message>
    <message>
        <source>Freed %1 · %2 removed · %3 skipped</source>
        <translation>%1 freigegeben · %2 entfernt · %3 übersprungen</translation>
    </message>
    <message numerus="yes">
        <source>%n file(s)</source>
        <translation>
            <numerusform>%n Datei</numerusform>
            <numerusform>%n Dateien</numerusform>
        </translation>
    </message>
    <message>
        <source>Cleaned: %1</source>
        <translation>Bereinigt: %1</translation>
    </message>
    <message>
        <source>Skipped (in use or access denied):</source>
        <translation>Übersprungen (in Verwendung oder Zugriff verweigert):</translation>
    </message>
    <message>
        <source>Left alone because they are running: %1</source>
        <translation>Laufende Apps wurden nicht angetastet: %1</translation>
    </message>
    <message>
        <source>Some items need administrator rights.</source>
        <translation>Einige Elemente erfordern Administratorrechte.</translation>
    </message>
    <message>
        <source>Log: %1</source>
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
        <translation>Bereinigung: %1 von %2 · %3</translation>
    </message>
    <message>
        <source>%1 files checked · %2 found (%3) · %4</source>
        <translation>Dateien geprüft: %1 · gefunden: %2 (%3) · %4</translation>
    </message>
    <message>
        <source>The search for large files did not complete.</source>
        <translation>Die Suche nach großen Dateien wurde nicht abgeschlossen.</translation>
    </message>
    <message>
        <source>Kind</source>
        <translation>Typ</translation>
    </message>
    <message>
        <source>Last used</source>
        <translation>Letzte Nutzung</translation>
    </message>
    <message>
        <source>Path</source>
        <translation>Pfad</translation>
    </message>
    <message numerus="yes">
        <source>%n large file(s)</source>
        <translation>
            <numerusform>%n große Datei</numerusform>
            <numerusform>%n große Dateien</numerusform>
        </translation>
    </message>
    <message>
        <source>Cannot read %1.</source>
        <translation>%1 kann nicht gelesen werden.</translation>
    </message>
    <message>
        <source>Newest</source>
        <translation>Letzte Änderung</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Dauer</translation>
    </message>
    <message>
        <source>%1 ms</source>
        <translation>%1 ms</translation>
    </message>
    <message>
        <source>Run &quot;varnholt-cli --help&quot; for the usage.</source>
        <translation>Hinweise zur Verwendung erhalten Sie mit „varnholt-cli --help“.</translation>
    </message>
    <message>
        <source>No command given.</source>
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
        <translation>Unerwartetes Argument „%1“ für %2.</translation>
    </message>
    <message>
        <source>measure takes exactly one PATH.</source>
        <translation>Der Befehl measure erwartet genau einen PATH.</translation>
    </message>
    <message>
        <source>none</source>
        <translation>keine</translation>
    </message>
    <message>
        <source>Unknown option &quot;%1&quot; for %2. Options of %2: %3.</source>
        <translation>Unbekannte Option „%1“ für %2. Optionen von %2: %3.</translation>
    </message>
    <message>
        <source>%1 needs a value.</source>
        <translation>%1 erwartet einen Wert.</translation>
    </message>
    <message>
        <source>%1 takes no value.</source>
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
        <translation>Unbekannte Kategorie: %1. Verfügbare Kategorien: %2.</translation>
    </message>
    <message>
        <source>a flag of &quot;%1&quot; is not true or false</source>
        <translation>ein Schalter von „%1“ ist weder true noch false</translation>
    </message>
    <message>
        <source>the patterns of a root of &quot;%1&quot; are not a list of names</source>
        <translation>die Muster eines Stammordners von „%1“ sind keine Liste von Namen</translation>
    </message>
    <message>
        <source>the minAgeMs of a root of &quot;%1&quot; is not a whole number of milliseconds from 0 to 100 years</source>
        <translation>minAgeMs eines Stammordners von „%1“ ist keine ganze Zahl von Millisekunden zwischen 0 und 100 Jahren</translation>
    </message>
    <message>
        <source>Warning: cannot read the settings file %1; this run may not use your settings.</source>
        <translation>Warnung: Die Einstellungsdatei %1 kann nicht gelesen werden; dieser Lauf verwendet möglicherweise nicht Ihre Einstellungen.</translation>
    </message>
    <message>
        <source>Cannot read the settings file %1, so your exclusions and your choice between the trash and deleting are unknown. Nothing was cleaned: fix or remove that file first.</source>
        <translation>Die Einstellungsdatei %1 kann nicht gelesen werden. Daher sind Ihre Ausschlüsse und Ihre Wahl zwischen Papierkorb und Löschen unbekannt. Es wurde nichts bereinigt: Reparieren oder entfernen Sie zuerst diese Datei.</translation>
    </message>
    <message>
        <source>--skip-item %1 names no item of the categories given.</source>
        <translation>--skip-item %1 bezeichnet kein Element der angegebenen Kategorien.</translation>
    </message>
    <message>
        <source>Nothing was cleaned.</source>
        <translation>Es wurde nichts bereinigt.</translation>
    </message>
    <message>
        <source>Moved %1 to the %2 · freed %3 · %4 removed · %5 skipped</source>
        <translation>%1 in den %2 verschoben · %3 freigegeben · %4 entfernt · %5 übersprungen</translation>
    </message>
    <message>
        <source>Action</source>
        <translation>Aktion</translation>
    </message>
    <message>
        <source>move to %1</source>
        <translation>verschieben: %1</translation>
    </message>
    <message>
        <source>delete</source>
        <translation>löschen</translation>
    </message>
    <message>
        <source>Would stay:</source>
        <translation>Bliebe erhalten:</translation>
    </message>
    <message numerus="yes">
        <source>Preview only, nothing was removed: %n path(s) would go, %1.</source>
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
        <translation>
            <numerusform>%n Aufzeichnung des freien Speicherplatzes seit %1</numerusform>
            <numerusform>%n Aufzeichnungen des freien Speicherplatzes seit %1</numerusform>
        </translation>
    </message>
    <message>
        <source>restore takes at most one LOG.</source>
        <translation>restore nimmt höchstens ein LOG.</translation>
    </message>
    <message>
        <source>put back what a cleanup moved to the trash (the latest one without LOG)</source>
        <translation>legt zurück, was eine Bereinigung in den Papierkorb verschoben hat (ohne LOG die letzte)</translation>
    </message>
    <message>
        <source>estimate when the disk is full from its history of free space</source>
        <translation>anhand des Verlaufs des freien Speicherplatzes abschätzen, wann das Laufwerk voll ist</translation>
    </message>
    <message>
        <source>list what clean would remove or move, with sizes; removes nothing</source>
        <translation>listet, was clean entfernen oder verschieben würde, mit Größen; entfernt nichts</translation>
    </message>
    <message>
        <source>Unknown command &quot;%1&quot;. Commands: %2.</source>
        <translation>Unbekannter Befehl „%1“. Befehle: %2.</translation>
    </message>
    <message numerus="yes">
        <source>In use by %1 (PID %2): %n file(s)</source>
        <translation>
            <numerusform>Von %1 verwendet (PID %2): %n Datei</numerusform>
            <numerusform>Von %1 verwendet (PID %2): %n Dateien</numerusform>
        </translation>
    </message>
    <message>
        <source>Kept because something in them changed since the scan: %1</source>
        <translation>Behalten, weil sich darin seit dem Scan etwas geändert hat: %1</translation>
    </message>
    <message>
        <source>No cleanup has moved anything to the %1; there is nothing to restore.</source>
        <translation>Keine Bereinigung hat etwas in den %1 verschoben; es gibt nichts wiederherzustellen.</translation>
    </message>
    <message>
        <source>As root, the catalogue file %1 is used only when it and every folder above it belong to root and no one else may change them.</source>
        <translation>Als root wird die Katalogdatei %1 nur verwendet, wenn sie und jeder Ordner darüber root gehören und niemand sonst sie ändern darf.</translation>
    </message>
    <message>
        <source>As root, Varnholt works in root&apos;s own folders (%1) and ignores %2: another user can change where they lead.</source>
        <translation>Als root arbeitet Varnholt in den eigenen Ordnern von root (%1) und übergeht %2: Ein anderer Benutzer kann ändern, wohin diese führen.</translation>
    </message>
    <message>
        <source>Could not be moved to the %1, left where they are:</source>
        <translation>Nicht in den %1 verschiebbar, bleiben, wo sie sind:</translation>
    </message>
    <message numerus="yes">
        <source>… and %n more</source>
        <translation>
            <numerusform>… und %n weiterer</numerusform>
            <numerusform>… und %n weitere</numerusform>
        </translation>
    </message>
    <message>
        <source>Cannot read the settings file %1, so your exclusions and your choice between the Recycle Bin and deleting are unknown. Nothing was cleaned: fix or remove that file first.</source>
        <translation>Die Einstellungsdatei %1 kann nicht gelesen werden. Daher sind Ihre Ausschlüsse und Ihre Wahl zwischen Papierkorb und Löschen unbekannt. Es wurde nichts bereinigt: Reparieren oder entfernen Sie zuerst diese Datei.</translation>
    </message>
    <message numerus="yes">
        <source>No forecast yet: the free space has been recorded %n time(s) (the Varnholt app records it when it starts); a forecast needs at least %1.</source>
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
</context>
<context>
    <name>LargeFilesPage</name>
    <message>
        <source>Space Map</source>
        <translation>Speicherbelegung</translation>
    </message>
    <message>
        <source>Rescan</source>
        <translation>Erneut scannen</translation>
    </message>
    <message>
        <source>Find what&apos;s taking up space</source>
        <translation>Finden Sie heraus, was Platz belegt</translation>
    </message>
    <message>
        <source>Big files in your home folder. You decide what goes.</source>
        <translation>Große Dateien in Ihrem Benutzerordner. Sie entscheiden, was weg kann.</translation>
    </message>
    <message>
        <source>Find large files</source>
        <translation>Große Dateien suchen</translation>
    </message>
    <message>
        <source>Largest so far</source>
        <translation>Bisher am größten</translation>
    </message>
    <message>
        <source>Looking for large files…</source>
        <translation>Suche nach großen Dateien…</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Alle</translation>
    </message>
    <message>
        <source>Unused %1+ months</source>
        <translation>Ungenutzt seit %1+ Monaten</translation>
    </message>
    <message>
        <source>Downloads</source>
        <translation>Downloads</translation>
    </message>
    <message>
        <source>Search files</source>
        <translation>Dateien durchsuchen</translation>
    </message>
    <message>
        <source>Show in %1</source>
        <translation>Im %1 anzeigen</translation>
    </message>
    <message>
        <source>Move to %1</source>
        <translation>In den %1 verschieben</translation>
    </message>
    <message>
        <source>Home folder · over %1</source>
        <translation>Benutzerordner · über %1</translation>
    </message>
    <message numerus="yes">
        <source>&lt;b style=&apos;color:%1&apos;&gt;%2&lt;/b&gt; selected of %3 · %Ln file(s)</source>
        <translation>
            <numerusform>&lt;b style=&apos;color:%1&apos;&gt;%2&lt;/b&gt; von %3 ausgewählt · %Ln Datei</numerusform>
            <numerusform>&lt;b style=&apos;color:%1&apos;&gt;%2&lt;/b&gt; von %3 ausgewählt · %Ln Dateien</numerusform>
        </translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stopp</translation>
    </message>
    <message>
        <source>Clear search</source>
        <translation>Suche löschen</translation>
    </message>
    <message>
        <source>No files match “%1”.</source>
        <translation>Keine Dateien passen zu „%1“.</translation>
    </message>
    <message>
        <source>No files in this view.</source>
        <translation>Keine Dateien in dieser Ansicht.</translation>
    </message>
    <message>
        <source>No files over %1 in your home folder.</source>
        <translation>Keine Dateien über %1 in Ihrem Benutzerordner.</translation>
    </message>
    <message>
        <source>The %1 could not show %2</source>
        <translation>Der %1 konnte %2 nicht anzeigen</translation>
    </message>
    <message>
        <source>Files to show</source>
        <translation>Angezeigte Dateien</translation>
    </message>
</context>
<context>
    <name>Main</name>
    <message>
        <source>%1 is almost full. Run Smart Scan to free up space.</source>
        <translation>%1 ist fast voll. Führen Sie den Smart Scan aus, um Speicherplatz freizugeben.</translation>
    </message>
    <message>
        <source>Varnholt was updated to version %1.</source>
        <translation>Varnholt wurde auf Version %1 aktualisiert.</translation>
    </message>
    <message numerus="yes">
        <source>%1 is filling up: at this rate it is full in about %n day(s). Run Smart Scan to free up space.</source>
        <translation>
            <numerusform>%1 füllt sich: Bei diesem Tempo ist es in etwa %n Tag voll. Führen Sie den Smart Scan aus, um Speicherplatz freizugeben.</numerusform>
            <numerusform>%1 füllt sich: Bei diesem Tempo ist es in etwa %n Tagen voll. Führen Sie den Smart Scan aus, um Speicherplatz freizugeben.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>MenuBar</name>
    <message>
        <source>Varnholt Website</source>
        <translation>Varnholt-Website</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>Check for Updates</source>
        <translation>Nach Updates suchen</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>Guide</source>
        <translation>Anleitung</translation>
    </message>
    <message>
        <source>FAQ</source>
        <translation>FAQ</translation>
    </message>
    <message>
        <source>Open Log Folder</source>
        <translation>Protokollordner öffnen</translation>
    </message>
    <message>
        <source>About Varnholt</source>
        <translation>Über Varnholt</translation>
    </message>
    <message>
        <source>Quit Varnholt</source>
        <translation>Varnholt beenden</translation>
    </message>
    <message>
        <source>The log folder %1 could not be created.</source>
        <translation>Der Protokollordner %1 konnte nicht erstellt werden.</translation>
    </message>
</context>
<context>
    <name>Overlay</name>
    <message>
        <source>Version %1</source>
        <translation>Version %1</translation>
    </message>
    <message>
        <source>Finds the space your computer can spare.</source>
        <translation>Findet den Speicherplatz, den Ihr Computer entbehren kann.</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Rückgängig</translation>
    </message>
    <message>
        <source>Keep Varnholt running?</source>
        <translation>Varnholt weiter ausführen?</translation>
    </message>
    <message>
        <source>Varnholt can stay in the system tray when you close the window, so scheduled scans and low space alerts keep working. You can open it again from the tray icon.</source>
        <translation>Varnholt kann beim Schließen des Fensters im Infobereich bleiben, damit geplante Scans und Warnungen bei wenig Speicherplatz weiter funktionieren. Über das Symbol im Infobereich können Sie Varnholt wieder öffnen.</translation>
    </message>
    <message>
        <source>Remember my choice</source>
        <translation>Auswahl merken</translation>
    </message>
    <message>
        <source>You can change this in Settings.</source>
        <translation>Sie können dies in den Einstellungen ändern.</translation>
    </message>
    <message>
        <source>Keep in tray</source>
        <translation>Im Infobereich lassen</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Clean %1?</source>
        <translation>%1 bereinigen?</translation>
    </message>
    <message>
        <source>Permanent delete is on. These files can&apos;t be recovered.</source>
        <translation>Endgültiges Löschen ist aktiviert. Diese Dateien können nicht wiederhergestellt werden.</translation>
    </message>
    <message>
        <source>Emptying the %1 can&apos;t be undone. Everything else goes to the %1.</source>
        <translation>Der %1 wird unwiderruflich geleert. Alles andere wird in den %1 verschoben.</translation>
    </message>
    <message>
        <source>Everything will be moved to the %1, so you can restore it later.</source>
        <translation>Alles wird in den %1 verschoben, sodass Sie es später wiederherstellen können.</translation>
    </message>
    <message>
        <source>Clean and delete</source>
        <translation>Bereinigen und löschen</translation>
    </message>
    <message>
        <source>Clean</source>
        <translation>Bereinigen</translation>
    </message>
    <message>
        <source>What&apos;s new</source>
        <translation>Neuerungen</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>Wiederholen</translation>
    </message>
    <message>
        <source>Update now</source>
        <translation>Jetzt aktualisieren</translation>
    </message>
    <message>
        <source>Varnholt is up to date</source>
        <translation>Varnholt ist auf dem neuesten Stand</translation>
    </message>
    <message>
        <source>Version %1 is the latest version.</source>
        <translation>Version %1 ist die neueste Version.</translation>
    </message>
    <message>
        <source>An update is available</source>
        <translation>Ein Update ist verfügbar</translation>
    </message>
    <message>
        <source>Version %1 is available. You have %2.</source>
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
        <translation>Update wird heruntergeladen…</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 von %2</translation>
    </message>
    <message>
        <source>Installing the update…</source>
        <translation>Update wird installiert…</translation>
    </message>
    <message>
        <source>Varnholt closes and starts again when the update is installed.</source>
        <translation>Varnholt wird beendet und nach der Installation des Updates neu gestartet.</translation>
    </message>
    <message>
        <source>Checking for updates…</source>
        <translation>Suche nach Updates…</translation>
    </message>
    <message>
        <source>Version %1 is installed.</source>
        <translation>Version %1 ist installiert.</translation>
    </message>
    <message>
        <source>Later</source>
        <translation>Später</translation>
    </message>
    <message>
        <source>Some of it needs administrator rights: without them those files are skipped.</source>
        <translation>Ein Teil davon erfordert Administratorrechte: Ohne sie werden diese Dateien übersprungen.</translation>
    </message>
    <message>
        <source>Everything that will go</source>
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
        <source>%n path(s) · %1</source>
        <translation>
            <numerusform>%n Pfad · %1</numerusform>
            <numerusform>%n Pfade · %1</numerusform>
        </translation>
    </message>
    <message>
        <source>These cannot be moved to the %1</source>
        <translation>Diese können nicht in den %1 verschoben werden</translation>
    </message>
    <message numerus="yes">
        <source>and %n more</source>
        <translation>
            <numerusform>und %n weiteres</numerusform>
            <numerusform>und %n weitere</numerusform>
        </translation>
    </message>
    <message>
        <source>Leave them</source>
        <translation>Belassen</translation>
    </message>
    <message>
        <source>Delete them permanently</source>
        <translation>Endgültig löschen</translation>
    </message>
    <message>
        <source>None of it can go to the %1: delete it permanently, or nothing is cleaned.</source>
        <translation>Nichts davon kann in den %1: Löschen Sie es endgültig, sonst wird nichts bereinigt.</translation>
    </message>
    <message>
        <source>All of it is deleted permanently and can&apos;t be recovered.</source>
        <translation>Alles wird endgültig gelöscht und kann nicht wiederhergestellt werden.</translation>
    </message>
    <message>
        <source>Emptying the %1 and deleting what cannot go there can&apos;t be undone. Everything else goes to the %1.</source>
        <translation>Der %1 wird unwiderruflich geleert, und was nicht hinein kann, wird endgültig gelöscht. Alles andere wird in den %1 verschoben.</translation>
    </message>
    <message>
        <source>What cannot go to the %1 is deleted permanently. Everything else is moved there, so you can restore it later.</source>
        <translation>Was nicht in den %1 kann, wird endgültig gelöscht. Alles andere wird dorthin verschoben, sodass Sie es später wiederherstellen können.</translation>
    </message>
    <message>
        <source>The check could not start. Try again in a moment.</source>
        <translation>Die Suche konnte nicht starten. Versuchen Sie es gleich noch einmal.</translation>
    </message>
    <message>
        <source>The check failed again.</source>
        <translation>Die Suche ist erneut fehlgeschlagen.</translation>
    </message>
</context>
<context>
    <name>OverviewPage</name>
    <message>
        <source>Scanned %1</source>
        <translation>Gescannt: %1</translation>
    </message>
    <message>
        <source>Smart Scan</source>
        <translation>Smart Scan</translation>
    </message>
    <message>
        <source>Overview</source>
        <translation>Übersicht</translation>
    </message>
    <message>
        <source>Rescan</source>
        <translation>Erneut scannen</translation>
    </message>
    <message>
        <source>See all</source>
        <translation>Alle anzeigen</translation>
    </message>
    <message>
        <source>Disk health</source>
        <translation>Datenträgerzustand</translation>
    </message>
    <message>
        <source>System files protected</source>
        <translation>Systemdateien geschützt</translation>
    </message>
    <message>
        <source>%1 ready to clean</source>
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
        <translation>von %1 frei</translation>
    </message>
    <message>
        <source>Review</source>
        <translation>Prüfen</translation>
    </message>
    <message>
        <source>Scan</source>
        <translation>Scannen</translation>
    </message>
    <message>
        <source>Never scanned</source>
        <translation>Noch nie gescannt</translation>
    </message>
    <message>
        <source>Freed this month</source>
        <translation>Diesen Monat freigegeben</translation>
    </message>
    <message>
        <source>Last scan</source>
        <translation>Letzter Scan</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Aus</translation>
    </message>
    <message>
        <source>Weekly</source>
        <translation>Wöchentlich</translation>
    </message>
    <message>
        <source>Monthly</source>
        <translation>Monatlich</translation>
    </message>
    <message>
        <source>Scheduled scan</source>
        <translation>Geplanter Scan</translation>
    </message>
    <message>
        <source>Top recommendations</source>
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
        <translation>Freigebbar</translation>
    </message>
    <message>
        <source>Available</source>
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
        <translation>Verlauf des freien Speicherplatzes</translation>
    </message>
    <message numerus="yes">
        <source>From %1 to %2 free over %n day(s)</source>
        <translation>
            <numerusform>Von %1 auf %2 frei in %n Tag</numerusform>
            <numerusform>Von %1 auf %2 frei in %n Tagen</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Platform</name>
    <message>
        <source>Local Disk</source>
        <translation>Lokaler Datenträger</translation>
    </message>
    <message>
        <source>Trash</source>
        <translation>Papierkorb</translation>
    </message>
    <message>
        <source>File Manager</source>
        <translation>Dateimanager</translation>
    </message>
    <message>
        <source>Recycle Bin</source>
        <translation>Papierkorb</translation>
    </message>
    <message>
        <source>File Explorer</source>
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
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>Choose a folder to exclude</source>
        <translation>Auszuschließenden Ordner auswählen</translation>
    </message>
    <message>
        <source>Cleaning</source>
        <translation>Bereinigung</translation>
    </message>
    <message>
        <source>Move items to the %1</source>
        <translation>Elemente in den %1 verschieben</translation>
    </message>
    <message>
        <source>Recommended. Turn off to delete files permanently.</source>
        <translation>Empfohlen. Deaktivieren, um Dateien endgültig zu löschen.</translation>
    </message>
    <message>
        <source>Large file size</source>
        <translation>Große Dateien ab</translation>
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
        <translation>Mindestalter alter Dateien</translation>
    </message>
    <message>
        <source>3 months</source>
        <translation>3 Monate</translation>
    </message>
    <message>
        <source>6 months</source>
        <translation>6 Monate</translation>
    </message>
    <message>
        <source>12 months</source>
        <translation>12 Monate</translation>
    </message>
    <message>
        <source>24 months</source>
        <translation>24 Monate</translation>
    </message>
    <message>
        <source>Automation</source>
        <translation>Automatisierung</translation>
    </message>
    <message>
        <source>Scheduled scan</source>
        <translation>Geplanter Scan</translation>
    </message>
    <message>
        <source>Scans when Varnholt starts if the last scan is older than this. Never cleans on its own.</source>
        <translation>Scannt beim Start von Varnholt, wenn der letzte Scan älter als dieser Zeitraum ist. Bereinigt nie selbstständig.</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Aus</translation>
    </message>
    <message>
        <source>Weekly</source>
        <translation>Wöchentlich</translation>
    </message>
    <message>
        <source>Monthly</source>
        <translation>Monatlich</translation>
    </message>
    <message>
        <source>Low space alerts</source>
        <translation>Warnung bei wenig Speicherplatz</translation>
    </message>
    <message>
        <source>Warn when free space drops below 10%.</source>
        <translation>Warnen, wenn der freie Speicherplatz unter 10&#xa0;% fällt.</translation>
    </message>
    <message>
        <source>Open at login</source>
        <translation>Beim Anmelden öffnen</translation>
    </message>
    <message>
        <source>Start with Windows</source>
        <translation>Mit Windows starten</translation>
    </message>
    <message>
        <source>Start at login</source>
        <translation>Bei Anmeldung starten</translation>
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
        <source>Closing the window keeps Varnholt running there, so scheduled scans and low space alerts keep working.</source>
        <translation>Nach dem Schließen des Fensters läuft Varnholt dort weiter, damit geplante Scans und Warnungen bei wenig Speicherplatz weiter funktionieren.</translation>
    </message>
    <message>
        <source>Ask every time</source>
        <translation>Jedes Mal fragen</translation>
    </message>
    <message>
        <source>Keep running in the tray</source>
        <translation>Im Infobereich bleiben</translation>
    </message>
    <message>
        <source>Quit Varnholt</source>
        <translation>Varnholt beenden</translation>
    </message>
    <message>
        <source>When closing the window</source>
        <translation>Beim Schließen des Fensters</translation>
    </message>
    <message>
        <source>In the tray, Varnholt keeps running so scheduled scans and low space alerts keep working.</source>
        <translation>Im Infobereich läuft Varnholt weiter, damit geplante Scans und Warnungen bei wenig Speicherplatz weiter funktionieren.</translation>
    </message>
    <message>
        <source>Appearance</source>
        <translation>Darstellung</translation>
    </message>
    <message>
        <source>Theme</source>
        <translation>Design</translation>
    </message>
    <message>
        <source>Follow the system, or always use light or dark.</source>
        <translation>Dem System folgen oder immer hell bzw. dunkel darstellen.</translation>
    </message>
    <message>
        <source>System</source>
        <translation>System</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>Hell</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>Dunkel</translation>
    </message>
    <message>
        <source>System default (%1)</source>
        <translation>Systemstandard (%1)</translation>
    </message>
    <message>
        <source>Restart now</source>
        <translation>Jetzt neu starten</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Sprache</translation>
    </message>
    <message>
        <source>Varnholt restarts to switch languages.</source>
        <translation>Zum Wechseln der Sprache wird Varnholt neu gestartet.</translation>
    </message>
    <message>
        <source>Exclusions</source>
        <translation>Ausschlüsse</translation>
    </message>
    <message>
        <source>Add folder</source>
        <translation>Ordner hinzufügen</translation>
    </message>
    <message>
        <source>Never touch these</source>
        <translation>Nie antasten</translation>
    </message>
    <message>
        <source>Folders and patterns Varnholt always skips.</source>
        <translation>Ordner und Muster, die Varnholt immer überspringt.</translation>
    </message>
    <message>
        <source>Protected system locations</source>
        <translation>Geschützte Systembereiche</translation>
    </message>
    <message>
        <source> — always skipped.</source>
        <translation> — werden immer übersprungen.</translation>
    </message>
    <message>
        <source>Locked</source>
        <translation>Gesperrt</translation>
    </message>
    <message>
        <source>Protected apps</source>
        <translation>Geschützte Apps</translation>
    </message>
    <message>
        <source> — their data is never cleaned. Caches of running apps and open files are skipped too.</source>
        <translation> — ihre Daten werden nie bereinigt. Caches laufender Apps und geöffnete Dateien werden ebenfalls übersprungen.</translation>
    </message>
    <message>
        <source>Permissions &amp; about</source>
        <translation>Berechtigungen &amp; Info</translation>
    </message>
    <message>
        <source>Full Disk Access</source>
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
        <translation>Administratorzugriff</translation>
    </message>
    <message>
        <source>Granted</source>
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
        <translation>Als Admin neu starten</translation>
    </message>
    <message>
        <source>Check for updates</source>
        <translation>Nach Updates suchen</translation>
    </message>
    <message>
        <source>Open logs</source>
        <translation>Protokolle öffnen</translation>
    </message>
    <message>
        <source>Every cleanup writes a log you can review. Varnholt checks for updates when it starts.</source>
        <translation>Jede Bereinigung schreibt ein Protokoll, das Sie einsehen können. Varnholt sucht beim Start nach Updates.</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Entfernen</translation>
    </message>
    <message>
        <source>Files bigger than this appear in the Space Map.</source>
        <translation>Größere Dateien werden in der Speicherbelegung angezeigt.</translation>
    </message>
    <message>
        <source>Recent cleanups</source>
        <translation>Letzte Bereinigungen</translation>
    </message>
    <message>
        <source>No cleanups yet</source>
        <translation>Noch keine Bereinigungen</translation>
    </message>
    <message>
        <source>Every cleanup writes a log you can review.</source>
        <translation>Jede Bereinigung schreibt ein Protokoll, das Sie ansehen können.</translation>
    </message>
    <message>
        <source>%1 moved to the %2</source>
        <translation>%1 in den %2 verschoben</translation>
    </message>
    <message>
        <source>%1 deleted permanently</source>
        <translation>%1 endgültig gelöscht</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Wiederherstellen</translation>
    </message>
    <message>
        <source>Put back what this cleanup moved to the %1. Nothing that is in its place now is replaced.</source>
        <translation>Legt zurück, was diese Bereinigung in den %1 verschoben hat. Was jetzt an seiner Stelle liegt, wird nicht ersetzt.</translation>
    </message>
    <message>
        <source>Used by the “Unused” filter.</source>
        <translation>Wird vom Filter „Ungenutzt“ verwendet.</translation>
    </message>
    <message>
        <source>%1 in all: the %2 emptied, items deleted permanently or moved to it</source>
        <translation>%1 insgesamt: %2 geleert, Elemente endgültig gelöscht oder dorthin verschoben</translation>
    </message>
    <message>
        <source>%1 moved to the %2 or deleted permanently</source>
        <translation>%1 in den %2 verschoben oder endgültig gelöscht</translation>
    </message>
    <message>
        <source>%1 in all: the %2 emptied, then items moved to it</source>
        <translation>%1 insgesamt: %2 geleert, dann Elemente dorthin verschoben</translation>
    </message>
    <message>
        <source>%1 freed: items deleted permanently and the %2 emptied</source>
        <translation>%1 freigegeben: Elemente endgültig gelöscht und %2 geleert</translation>
    </message>
    <message>
        <source>The %1 was emptied: %2 freed</source>
        <translation>%1 wurde geleert: %2 freigegeben</translation>
    </message>
    <message>
        <source>Nothing was cleaned</source>
        <translation>Nichts wurde bereinigt</translation>
    </message>
    <message>
        <source>Check again</source>
        <translation>Erneut prüfen</translation>
    </message>
    <message>
        <source>Your settings in %1 cannot be read, so what they hold is unknown. The options kept there stay locked until the file can be read again.</source>
        <translation>Ihre Einstellungen in %1 können nicht gelesen werden, daher ist ihr Inhalt unbekannt. Die dort gespeicherten Optionen bleiben gesperrt, bis die Datei wieder gelesen werden kann.</translation>
    </message>
    <message>
        <source>Varnholt could not start again. Close it and open it yourself to switch languages.</source>
        <translation>Varnholt konnte nicht neu gestartet werden. Schließen und öffnen Sie Varnholt selbst, um die Sprache zu wechseln.</translation>
    </message>
</context>
<context>
    <name>Sidebar</name>
    <message>
        <source>%1 available of %2</source>
        <translation>%1 von %2 verfügbar</translation>
    </message>
    <message>
        <source>Smart Scan</source>
        <translation>Smart Scan</translation>
    </message>
    <message>
        <source>Cleanup</source>
        <translation>Bereinigung</translation>
    </message>
    <message>
        <source>Space Map</source>
        <translation>Speicherbelegung</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>%1 free</source>
        <translation>%1 frei</translation>
    </message>
    <message>
        <source>Clean</source>
        <translation>Bereinigen</translation>
    </message>
    <message>
        <source>Expand sidebar</source>
        <translation>Seitenleiste ausklappen</translation>
    </message>
    <message>
        <source>Collapse sidebar</source>
        <translation>Seitenleiste einklappen</translation>
    </message>
</context>
<context>
    <name>TitleBar</name>
    <message>
        <source>Menu</source>
        <translation>Menü</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>Minimieren</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Wiederherstellen</translation>
    </message>
    <message>
        <source>Maximize</source>
        <translation>Maximieren</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
</context>
<context>
    <name>Tray</name>
    <message>
        <source>Varnholt is still running</source>
        <translation>Varnholt läuft weiter</translation>
    </message>
    <message>
        <source>It stays in the system tray so scheduled scans and alerts keep working. Right-click the icon to quit.</source>
        <translation>Varnholt bleibt im Infobereich, damit geplante Scans und Warnungen weiter funktionieren. Zum Beenden klicken Sie mit der rechten Maustaste auf das Symbol.</translation>
    </message>
    <message>
        <source>Open Varnholt</source>
        <translation>Varnholt öffnen</translation>
    </message>
    <message>
        <source>Smart Scan</source>
        <translation>Smart Scan</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>Check for Updates</source>
        <translation>Nach Updates suchen</translation>
    </message>
    <message>
        <source>Quit Varnholt</source>
        <translation>Varnholt beenden</translation>
    </message>
    <message>
        <source>%1 · %2 free</source>
        <translation>%1 · %2 frei</translation>
    </message>
    <message>
        <source>Space Map</source>
        <translation>Speicherbelegung</translation>
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
        <translation>Das Update ist nicht die veröffentlichte Version %1.</translation>
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
        <translation>Heute</translation>
    </message>
    <message>
        <source>Yesterday</source>
        <translation>Gestern</translation>
    </message>
    <message numerus="yes">
        <source>%n day(s) ago</source>
        <translation>
            <numerusform>vor %n Tag</numerusform>
            <numerusform>vor %n Tagen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n week(s) ago</source>
        <translation>
            <numerusform>vor %n Woche</numerusform>
            <numerusform>vor %n Wochen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n month(s) ago</source>
        <translation>
            <numerusform>vor %n Monat</numerusform>
            <numerusform>vor %n Monaten</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n year(s) ago</source>
        <translation>
            <numerusform>vor %n Jahr</numerusform>
            <numerusform>vor %n Jahren</numerusform>
        </translation>
    </message>
</context>
</TS>
