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
        <source>Cache folders in ~/.config and ~/.cache</source>
        <translation>Cache-Ordner in ~/.config und ~/.cache</translation>
    </message>
    <message>
        <source>Xorg logs, crash reports</source>
        <translation>Xorg-Protokolle, Absturzberichte</translation>
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
        <translation>%1 ist fast voll. Führen Sie den Smart Scan aus, um Speicherplatz freizugeben.</translation>
    </message>
    <message>
        <source>Varnholt was updated to version %1.</source>
        <translation>Varnholt wurde auf Version %1 aktualisiert.</translation>
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
