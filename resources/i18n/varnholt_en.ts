<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>AppGuard</name>
    <message>
        <source>Password managers, input methods, security and device-management agents, VPNs</source>
        <translation>Password managers, input methods, security and device-management agents, VPNs</translation>
    </message>
</context>
<context>
    <name>AppState</name>
    <message>
        <source>1 file</source>
        <translation>1 file</translation>
    </message>
    <message>
        <source>%1 files</source>
        <translation>%1 files</translation>
    </message>
    <message>
        <source>%1 (%2) moved to the %3</source>
        <translation>%1 (%2) moved to the %3</translation>
    </message>
    <message>
        <source> · %1 in use, skipped</source>
        <translation> · %1 in use, skipped</translation>
    </message>
    <message numerus="yes">
        <source>Restored %n file(s)</source>
        <translation>
            <numerusform>Restored %n file</numerusform>
            <numerusform>Restored %n files</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Categories</name>
    <message>
        <source>Scratch files that apps and the system create while working. They are not needed once the app closes.</source>
        <translation>Scratch files that apps and the system create while working. They are not needed once the app closes.</translation>
    </message>
    <message>
        <source>Data apps keep to load faster. Apps rebuild these automatically the next time they need them.</source>
        <translation>Data apps keep to load faster. Apps rebuild these automatically the next time they need them.</translation>
    </message>
    <message>
        <source>Cached images, scripts and pages. Sign-ins, history, bookmarks and passwords are never touched.</source>
        <translation>Cached images, scripts and pages. Sign-ins, history, bookmarks and passwords are never touched.</translation>
    </message>
    <message>
        <source>Diagnostic logs and crash reports. Useful only when troubleshooting a recent problem.</source>
        <translation>Diagnostic logs and crash reports. Useful only when troubleshooting a recent problem.</translation>
    </message>
    <message>
        <source>Preview images of your files. They are regenerated the next time you open a folder.</source>
        <translation>Preview images of your files. They are regenerated the next time you open a folder.</translation>
    </message>
    <message>
        <source>Package manager caches and build output. Removing them is safe, but the next build or install will be slower.</source>
        <translation>Package manager caches and build output. Removing them is safe, but the next build or install will be slower.</translation>
    </message>
    <message>
        <source>All drives</source>
        <translation>All drives</translation>
    </message>
    <message>
        <source>Items you have already deleted. Emptying cannot be undone.</source>
        <translation>Items you have already deleted. Emptying cannot be undone.</translation>
    </message>
    <message>
        <source>Temporary files</source>
        <translation>Temporary files</translation>
    </message>
    <message>
        <source>App caches</source>
        <translation>App caches</translation>
    </message>
    <message>
        <source>Cache folders in %LOCALAPPDATA% and %APPDATA%</source>
        <translation>Cache folders in %LOCALAPPDATA% and %APPDATA%</translation>
    </message>
    <message>
        <source>DirectX shader cache</source>
        <translation>DirectX shader cache</translation>
    </message>
    <message>
        <source>Browser caches</source>
        <translation>Browser caches</translation>
    </message>
    <message>
        <source>Internet cache</source>
        <translation>Internet cache</translation>
    </message>
    <message>
        <source>Logs &amp; crash reports</source>
        <translation>Logs &amp; crash reports</translation>
    </message>
    <message>
        <source>Thumbnail cache</source>
        <translation>Thumbnail cache</translation>
    </message>
    <message>
        <source>Windows Update leftovers</source>
        <translation>Windows Update leftovers</translation>
    </message>
    <message>
        <source>Files left behind after Windows updates are installed. Safe once the update is complete; Windows downloads them again if it needs them.</source>
        <translation>Files left behind after Windows updates are installed. Safe once the update is complete; Windows downloads them again if it needs them.</translation>
    </message>
    <message>
        <source>Windows Update downloads</source>
        <translation>Windows Update downloads</translation>
    </message>
    <message>
        <source>Delivery Optimization cache</source>
        <translation>Delivery Optimization cache</translation>
    </message>
    <message>
        <source>Developer caches</source>
        <translation>Developer caches</translation>
    </message>
    <message>
        <source>Recycle Bin</source>
        <translation>Recycle Bin</translation>
    </message>
    <message>
        <source>Cache folders in ~/.config and ~/.cache</source>
        <translation>Cache folders in ~/.config and ~/.cache</translation>
    </message>
    <message>
        <source>Xorg logs, crash reports</source>
        <translation>Xorg logs, crash reports</translation>
    </message>
    <message>
        <source>Package cache</source>
        <translation>Package cache</translation>
    </message>
    <message>
        <source>Packages the package manager keeps after installing them. Safe to remove; they are downloaded again if they are needed.</source>
        <translation>Packages the package manager keeps after installing them. Safe to remove; they are downloaded again if they are needed.</translation>
    </message>
    <message>
        <source>DNF package cache</source>
        <translation>DNF package cache</translation>
    </message>
    <message>
        <source>Trash</source>
        <translation>Trash</translation>
    </message>
    <message>
        <source>Safe</source>
        <translation>Safe</translation>
    </message>
    <message>
        <source>Review</source>
        <translation>Review</translation>
    </message>
    <message>
        <source>Permanent</source>
        <translation>Permanent</translation>
    </message>
    <message>
        <source>%1 (all drives)</source>
        <translation>%1 (all drives)</translation>
    </message>
</context>
<context>
    <name>Cleaner</name>
    <message>
        <source>delete permanently</source>
        <translation>delete permanently</translation>
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
        <translation>%1 is almost full. Run Smart Scan to free up space.</translation>
    </message>
    <message>
        <source>Varnholt was updated to version %1.</source>
        <translation>Varnholt was updated to version %1.</translation>
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
        <translation>Local Disk</translation>
    </message>
    <message>
        <source>Trash</source>
        <translation>Trash</translation>
    </message>
    <message>
        <source>File Manager</source>
        <translation>File Manager</translation>
    </message>
    <message>
        <source>Recycle Bin</source>
        <translation>Recycle Bin</translation>
    </message>
    <message>
        <source>File Explorer</source>
        <translation>File Explorer</translation>
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
        <translation>The update information could not be read.</translation>
    </message>
    <message>
        <source>The update is not on Varnholt&apos;s server.</source>
        <translation>The update is not on Varnholt&apos;s server.</translation>
    </message>
    <message>
        <source>Could not save the update: %1</source>
        <translation>Could not save the update: %1</translation>
    </message>
    <message>
        <source>The update has an unexpected size.</source>
        <translation>The update has an unexpected size.</translation>
    </message>
    <message>
        <source>Could not start the installer.</source>
        <translation>Could not start the installer.</translation>
    </message>
    <message>
        <source>The update could not be downloaded: %1</source>
        <translation>The update could not be downloaded: %1</translation>
    </message>
    <message>
        <source>Could not read the update.</source>
        <translation>Could not read the update.</translation>
    </message>
    <message>
        <source>The update does not match the published checksum.</source>
        <translation>The update does not match the published checksum.</translation>
    </message>
    <message>
        <source>The update is not signed by %1.</source>
        <translation>The update is not signed by %1.</translation>
    </message>
    <message>
        <source>The update was downloaded. Install it with your package manager.</source>
        <translation>The update was downloaded. Install it with your package manager.</translation>
    </message>
    <message>
        <source>The update was not installed, because Windows did not get permission to install it.</source>
        <translation>The update was not installed, because Windows did not get permission to install it.</translation>
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
        <translation>Today</translation>
    </message>
    <message>
        <source>Yesterday</source>
        <translation>Yesterday</translation>
    </message>
    <message numerus="yes">
        <source>%n day(s) ago</source>
        <translation>
            <numerusform>%n day ago</numerusform>
            <numerusform>%n days ago</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n week(s) ago</source>
        <translation>
            <numerusform>%n week ago</numerusform>
            <numerusform>%n weeks ago</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n month(s) ago</source>
        <translation>
            <numerusform>%n month ago</numerusform>
            <numerusform>%n months ago</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n year(s) ago</source>
        <translation>
            <numerusform>%n year ago</numerusform>
            <numerusform>%n years ago</numerusform>
        </translation>
    </message>
</context>
</TS>
