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
    <message>
        <source>Nothing was cleaned: your settings cannot be read.</source>
        <translation>Nothing was cleaned: your settings cannot be read.</translation>
    </message>
    <message>
        <source>That cleanup log could not be read; nothing was restored.</source>
        <translation>That cleanup log could not be read; nothing was restored.</translation>
    </message>
    <message numerus="yes">
        <source>Restored %n item(s) from the %1</source>
        <translation>
            <numerusform>Restored %n item from the %1</numerusform>
            <numerusform>Restored %n items from the %1</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 not restored: %2</source>
        <translation>%1 not restored: %2</translation>
    </message>
    <message>
        <source>found through the %1&apos;s own records (an older log)</source>
        <translation>found through the %1&apos;s own records (an older log)</translation>
    </message>
    <message numerus="yes">
        <source>At this rate the disk is full in about %n week(s)</source>
        <translation>
            <numerusform>At this rate the disk is full in about %n week</numerusform>
            <numerusform>At this rate the disk is full in about %n weeks</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>At this rate the disk is full in about %n day(s)</source>
        <translation>
            <numerusform>At this rate the disk is full in about %n day</numerusform>
            <numerusform>At this rate the disk is full in about %n days</numerusform>
        </translation>
    </message>
    <message>
        <source>Free space falls by about %1 a day</source>
        <translation>Free space falls by about %1 a day</translation>
    </message>
    <message>
        <source>Free space rises by about %1 a day</source>
        <translation>Free space rises by about %1 a day</translation>
    </message>
    <message>
        <source> · %1 could not be moved to the %2</source>
        <translation> · %1 could not be moved to the %2</translation>
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
    <message>
        <source>%1 was left out: it leads through a link to %2.</source>
        <translation>%1 was left out: it leads through a link to %2.</translation>
    </message>
    <message>
        <source>%1 was left out: it is the home folder or holds it.</source>
        <translation>%1 was left out: it is the home folder or holds it.</translation>
    </message>
    <message>
        <source>%1 was left out: it lies in a protected location.</source>
        <translation>%1 was left out: it lies in a protected location.</translation>
    </message>
    <message>
        <source>%1 was left out: it overlaps %2.</source>
        <translation>%1 was left out: it overlaps %2.</translation>
    </message>
    <message>
        <source>App logs, crash reports</source>
        <translation>App logs, crash reports</translation>
    </message>
    <message>
        <source>Cache folders in ~/.config, ~/.cache and Flatpak and Snap apps</source>
        <translation>Cache folders in ~/.config, ~/.cache and Flatpak and Snap apps</translation>
    </message>
    <message>
        <source>%1 (PID %2)</source>
        <translation>%1 (PID %2)</translation>
    </message>
    <message>
        <source>%1 is left out: another program is working in it.</source>
        <translation>%1 is left out: another program is working in it.</translation>
    </message>
    <message>
        <source>%1 is left out: in use by %2.</source>
        <translation>%1 is left out: in use by %2.</translation>
    </message>
    <message>
        <source>%1 is left out: its name is not valid text.</source>
        <translation>%1 is left out: its name is not valid text.</translation>
    </message>
    <message>
        <source>npm cache</source>
        <translation>npm cache</translation>
    </message>
    <message>
        <source>Yarn cache</source>
        <translation>Yarn cache</translation>
    </message>
    <message>
        <source>pip cache</source>
        <translation>pip cache</translation>
    </message>
    <message>
        <source>NuGet HTTP cache</source>
        <translation>NuGet HTTP cache</translation>
    </message>
    <message>
        <source>Go build cache</source>
        <translation>Go build cache</translation>
    </message>
    <message>
        <source>Gradle caches</source>
        <translation>Gradle caches</translation>
    </message>
    <message>
        <source>Cargo registry cache</source>
        <translation>Cargo registry cache</translation>
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
        <translation>SAFE TO CLEAN</translation>
    </message>
    <message>
        <source>REVIEW BEFORE CLEANING</source>
        <translation>REVIEW BEFORE CLEANING</translation>
    </message>
    <message>
        <source>CANNOT BE UNDONE</source>
        <translation>CANNOT BE UNDONE</translation>
    </message>
    <message>
        <source>Cleanup</source>
        <translation>Cleanup</translation>
    </message>
    <message>
        <source>Nothing scanned yet</source>
        <translation>Nothing scanned yet</translation>
    </message>
    <message>
        <source>Find caches, temporary files and leftovers.</source>
        <translation>Find caches, temporary files and leftovers.</translation>
    </message>
    <message>
        <source>Start Smart Scan</source>
        <translation>Start Smart Scan</translation>
    </message>
    <message>
        <source>Scanning</source>
        <translation>Scanning</translation>
    </message>
    <message>
        <source>In progress</source>
        <translation>In progress</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stop</translation>
    </message>
    <message>
        <source>Items checked</source>
        <translation>Items checked</translation>
    </message>
    <message>
        <source>Elapsed</source>
        <translation>Elapsed</translation>
    </message>
    <message>
        <source>Remaining</source>
        <translation>Remaining</translation>
    </message>
    <message>
        <source>found</source>
        <translation>found</translation>
    </message>
    <message>
        <source>Cleaning</source>
        <translation>Cleaning</translation>
    </message>
    <message>
        <source>of %1</source>
        <translation>of %1</translation>
    </message>
    <message>
        <source>Cleanup complete</source>
        <translation>Cleanup complete</translation>
    </message>
    <message>
        <source>Available before</source>
        <translation>Available before</translation>
    </message>
    <message>
        <source>Available now</source>
        <translation>Available now</translation>
    </message>
    <message>
        <source>&lt;b&gt;Some files need administrator rights.&lt;/b&gt; Restart Varnholt as administrator and clean again to remove them.</source>
        <translation>&lt;b&gt;Some files need administrator rights.&lt;/b&gt; Restart Varnholt as administrator and clean again to remove them.</translation>
    </message>
    <message>
        <source>Restart as admin</source>
        <translation>Restart as admin</translation>
    </message>
    <message>
        <source>View log</source>
        <translation>View log</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Done</translation>
    </message>
    <message>
        <source>Items were deleted permanently.</source>
        <translation>Items were deleted permanently.</translation>
    </message>
    <message>
        <source>For example: %1</source>
        <translation>For example: %1</translation>
    </message>
    <message>
        <source>&lt;b&gt;Left caches of running apps alone:&lt;/b&gt; %1. Quit them and clean again to include them.</source>
        <translation>&lt;b&gt;Left caches of running apps alone:&lt;/b&gt; %1. Quit them and clean again to include them.</translation>
    </message>
    <message>
        <source>Needs administrator</source>
        <translation>Needs administrator</translation>
    </message>
    <message>
        <source>Select recommended</source>
        <translation>Select recommended</translation>
    </message>
    <message>
        <source>Rescan</source>
        <translation>Rescan</translation>
    </message>
    <message>
        <source>Select all</source>
        <translation>Select all</translation>
    </message>
    <message>
        <source>%1 can be cleaned</source>
        <translation>%1 can be cleaned</translation>
    </message>
    <message>
        <source>Nothing left to clean. Rescan any time.</source>
        <translation>Nothing left to clean. Rescan any time.</translation>
    </message>
    <message>
        <source>These files need administrator rights.</source>
        <translation>These files need administrator rights.</translation>
    </message>
    <message>
        <source>Some folders need administrator rights.</source>
        <translation>Some folders need administrator rights.</translation>
    </message>
    <message>
        <source>%1 is open. Quit it to include its cache.</source>
        <translation>%1 is open. Quit it to include its cache.</translation>
    </message>
    <message>
        <source>%1 are open. Quit them to include their caches.</source>
        <translation>%1 are open. Quit them to include their caches.</translation>
    </message>
    <message>
        <source>Largest items</source>
        <translation>Largest items</translation>
    </message>
    <message>
        <source>Show in %1</source>
        <translation>Show in %1</translation>
    </message>
    <message>
        <source>%1 is running</source>
        <translation>%1 is running</translation>
    </message>
    <message>
        <source>Show %1 more</source>
        <translation>Show %1 more</translation>
    </message>
    <message>
        <source>moved to the %1</source>
        <translation>moved to the %1</translation>
    </message>
    <message>
        <source>deleted permanently</source>
        <translation>deleted permanently</translation>
    </message>
    <message>
        <source>&lt;b style=&apos;color:%1&apos;&gt;%2&lt;/b&gt; selected%3</source>
        <translation>&lt;b style=&apos;color:%1&apos;&gt;%2&lt;/b&gt; selected%3</translation>
    </message>
    <message>
        <source> · some need admin</source>
        <translation> · some need admin</translation>
    </message>
    <message>
        <source>Clean %1</source>
        <translation>Clean %1</translation>
    </message>
    <message>
        <source>Large files</source>
        <translation>Large files</translation>
    </message>
    <message numerus="yes">
        <source>%Ln item(s)</source>
        <translation>
            <numerusform>%Ln item</numerusform>
            <numerusform>%Ln items</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>and %Ln more item(s)</source>
        <translation>
            <numerusform>and %Ln more item</numerusform>
            <numerusform>and %Ln more items</numerusform>
        </translation>
    </message>
    <message>
        <source>Check again</source>
        <translation>Check again</translation>
    </message>
    <message>
        <source>Your settings in %1 cannot be read, so your exclusions and your choice between the %2 and deleting are unknown. Cleaning stays off until the file can be read again.</source>
        <translation>Your settings in %1 cannot be read, so your exclusions and your choice between the %2 and deleting are unknown. Cleaning stays off until the file can be read again.</translation>
    </message>
    <message>
        <source>Partly cleaned</source>
        <translation>Partly cleaned</translation>
    </message>
    <message>
        <source>Nothing was cleaned</source>
        <translation>Nothing was cleaned</translation>
    </message>
    <message>
        <source>None of the %1 selected could be cleaned.</source>
        <translation>None of the %1 selected could be cleaned.</translation>
    </message>
    <message>
        <source>No app could open %1</source>
        <translation>No app could open %1</translation>
    </message>
    <message>
        <source>The %1 could not show %2</source>
        <translation>The %1 could not show %2</translation>
    </message>
    <message>
        <source>Scan again to see what can be cleaned.</source>
        <translation>Scan again to see what can be cleaned.</translation>
    </message>
    <message>
        <source>Measuring…</source>
        <translation>Measuring…</translation>
    </message>
    <message>
        <source>%1 of it needs administrator rights.</source>
        <translation>%1 of it needs administrator rights.</translation>
    </message>
    <message>
        <source>freed or moved to the %1</source>
        <comment>what the figure of a finished cleanup is</comment>
        <translation>freed or moved to the %1</translation>
    </message>
    <message>
        <source>moved to the %1</source>
        <comment>what the figure of a finished cleanup is</comment>
        <translation>moved to the %1</translation>
    </message>
    <message>
        <source>freed</source>
        <comment>what the figure of a finished cleanup is</comment>
        <translation>freed</translation>
    </message>
    <message>
        <source>of %1 selected · %2</source>
        <translation>of %1 selected · %2</translation>
    </message>
    <message>
        <source>Restore all</source>
        <translation>Restore all</translation>
    </message>
    <message>
        <source>Put everything this cleanup moved to the %1 back where it was</source>
        <translation>Put everything this cleanup moved to the %1 back where it was</translation>
    </message>
    <message>
        <source>Restoring…</source>
        <translation>Restoring…</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <comment>two programs that hold files</comment>
        <translation>%1 and %2</translation>
    </message>
    <message numerus="yes">
        <source>%1 and %n other program(s)</source>
        <comment>programs that hold files</comment>
        <translation>
            <numerusform>%1 and %n other program</numerusform>
            <numerusform>%1 and %n other programs</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n file(s) are in use by %1.</source>
        <comment>%1: one or more programs</comment>
        <translation>
            <numerusform>%n file is in use by %1.</numerusform>
            <numerusform>%n files are in use by %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>Try again</source>
        <translation>Try again</translation>
    </message>
    <message>
        <source>Clean the skipped files again, the same way</source>
        <translation>Clean the skipped files again, the same way</translation>
    </message>
    <message numerus="yes">
        <source>&lt;b&gt;%Ln item(s) kept&lt;/b&gt; because something in them changed since the scan. Scan again to see what can go.</source>
        <translation>
            <numerusform>&lt;b&gt;%Ln item kept&lt;/b&gt; because something in it changed since the scan. Scan again to see what can go.</numerusform>
            <numerusform>&lt;b&gt;%Ln items kept&lt;/b&gt; because something in them changed since the scan. Scan again to see what can go.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>&lt;b&gt;%Ln file(s) skipped&lt;/b&gt; because they were in use or protected. Quit the apps using them and rescan to remove them.</source>
        <translation>
            <numerusform>&lt;b&gt;%Ln file skipped&lt;/b&gt; because it was in use or protected. Quit the app using it and rescan to remove it.</numerusform>
            <numerusform>&lt;b&gt;%Ln files skipped&lt;/b&gt; because they were in use or protected. Quit the apps using them and rescan to remove them.</numerusform>
        </translation>
    </message>
    <message>
        <source>Some items were moved to the %1 and the rest deleted permanently. You can still restore what was moved.</source>
        <translation>Some items were moved to the %1 and the rest deleted permanently. You can still restore what was moved.</translation>
    </message>
    <message>
        <source>Moved to the %1. You can still restore anything.</source>
        <translation>Moved to the %1. You can still restore anything.</translation>
    </message>
    <message numerus="yes">
        <source>&lt;b&gt;%Ln item(s) could not be moved to the %1&lt;/b&gt; and were left where they are.</source>
        <translation>
            <numerusform>&lt;b&gt;%Ln item could not be moved to the %1&lt;/b&gt; and was left where it is.</numerusform>
            <numerusform>&lt;b&gt;%Ln items could not be moved to the %1&lt;/b&gt; and were left where they are.</numerusform>
        </translation>
    </message>
    <message>
        <source>This cleanup wrote no log; its folder is open instead.</source>
        <translation>This cleanup wrote no log; its folder is open instead.</translation>
    </message>
    <message>
        <source>The log %1 is gone; its folder is open instead.</source>
        <translation>The log %1 is gone; its folder is open instead.</translation>
    </message>
    <message>
        <source>Varnholt did not restart: administrator rights were refused or could not be asked for.</source>
        <translation>Varnholt did not restart: administrator rights were refused or could not be asked for.</translation>
    </message>
    <message>
        <source>No %1 on this drive</source>
        <translation>No %1 on this drive</translation>
    </message>
    <message>
        <source>Cannot go to the %1</source>
        <translation>Cannot go to the %1</translation>
    </message>
</context>
<context>
    <name>Cli</name>
    <message>
        <source>Cannot read the catalogue file %1: %2</source>
        <translation>Cannot read the catalogue file %1: %2</translation>
    </message>
    <message>
        <source>The catalogue file %1 is not valid JSON: %2</source>
        <translation>The catalogue file %1 is not valid JSON: %2</translation>
    </message>
    <message>
        <source>The catalogue file %1 is not usable: %2</source>
        <translation>The catalogue file %1 is not usable: %2</translation>
    </message>
    <message>
        <source>a category has no id</source>
        <translation>a category has no id</translation>
    </message>
    <message>
        <source>the id &quot;%1&quot; appears twice</source>
        <translation>the id &quot;%1&quot; appears twice</translation>
    </message>
    <message>
        <source>the risk of &quot;%1&quot; is not Safe, Review or Permanent</source>
        <translation>the risk of &quot;%1&quot; is not Safe, Review or Permanent</translation>
    </message>
    <message>
        <source>a root of &quot;%1&quot; is not an absolute path</source>
        <translation>a root of &quot;%1&quot; is not an absolute path</translation>
    </message>
    <message>
        <source>it lists no categories</source>
        <translation>it lists no categories</translation>
    </message>
    <message>
        <source>Interrupted.</source>
        <translation>Interrupted.</translation>
    </message>
    <message>
        <source>Scanning %1 · %2 · %3 files · %4</source>
        <translation>Scanning %1 · %2 · %3 files · %4</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>Category</translation>
    </message>
    <message>
        <source>Risk</source>
        <translation>Risk</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Size</translation>
    </message>
    <message>
        <source>Files</source>
        <translation>Files</translation>
    </message>
    <message>
        <source>Items</source>
        <translation>Items</translation>
    </message>
    <message>
        <source>(%1 is running)</source>
        <translation>(%1 is running)</translation>
    </message>
    <message>
        <source>… %1 more (--json lists all)</source>
        <translation>… %1 more (--json lists all)</translation>
    </message>
    <message>
        <source>%1 found · %2 files checked · %3 s</source>
        <translation>%1 found · %2 files checked · %3 s</translation>
    </message>
    <message>
        <source>Some folders of %1 could not be read.</source>
        <translation>Some folders of %1 could not be read.</translation>
    </message>
    <message>
        <source>Keeping %1 as a whole: %2 lies inside it.</source>
        <translation>Keeping %1 as a whole: %2 lies inside it.</translation>
    </message>
    <message>
        <source>Freed %1 · %2 removed · %3 skipped</source>
        <translation>Freed %1 · %2 removed · %3 skipped</translation>
    </message>
    <message numerus="yes">
        <source>%n file(s)</source>
        <translation>
            <numerusform>%n file</numerusform>
            <numerusform>%n files</numerusform>
        </translation>
    </message>
    <message>
        <source>Cleaned: %1</source>
        <translation>Cleaned: %1</translation>
    </message>
    <message>
        <source>Skipped (in use or access denied):</source>
        <translation>Skipped (in use or access denied):</translation>
    </message>
    <message>
        <source>Left alone because they are running: %1</source>
        <translation>Left alone because they are running: %1</translation>
    </message>
    <message>
        <source>Some items need administrator rights.</source>
        <translation>Some items need administrator rights.</translation>
    </message>
    <message>
        <source>Log: %1</source>
        <translation>Log: %1</translation>
    </message>
    <message>
        <source>The scan did not complete.</source>
        <translation>The scan did not complete.</translation>
    </message>
    <message>
        <source>The scan did not complete; nothing was cleaned.</source>
        <translation>The scan did not complete; nothing was cleaned.</translation>
    </message>
    <message>
        <source>Nothing to clean in the categories given.</source>
        <translation>Nothing to clean in the categories given.</translation>
    </message>
    <message>
        <source>Cleaning %1 of %2 · %3</source>
        <translation>Cleaning %1 of %2 · %3</translation>
    </message>
    <message>
        <source>%1 files checked · %2 found (%3) · %4</source>
        <translation>%1 files checked · %2 found (%3) · %4</translation>
    </message>
    <message>
        <source>The search for large files did not complete.</source>
        <translation>The search for large files did not complete.</translation>
    </message>
    <message>
        <source>Kind</source>
        <translation>Kind</translation>
    </message>
    <message>
        <source>Last used</source>
        <translation>Last used</translation>
    </message>
    <message>
        <source>Path</source>
        <translation>Path</translation>
    </message>
    <message numerus="yes">
        <source>%n large file(s)</source>
        <translation>
            <numerusform>%n large file</numerusform>
            <numerusform>%n large files</numerusform>
        </translation>
    </message>
    <message>
        <source>Cannot read %1.</source>
        <translation>Cannot read %1.</translation>
    </message>
    <message>
        <source>Newest</source>
        <translation>Newest</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Time</translation>
    </message>
    <message>
        <source>%1 ms</source>
        <translation>%1 ms</translation>
    </message>
    <message>
        <source>Run &quot;varnholt-cli --help&quot; for the usage.</source>
        <translation>Run &quot;varnholt-cli --help&quot; for the usage.</translation>
    </message>
    <message>
        <source>No command given.</source>
        <translation>No command given.</translation>
    </message>
    <message>
        <source>--help takes nothing else.</source>
        <translation>--help takes nothing else.</translation>
    </message>
    <message>
        <source>--version takes nothing else.</source>
        <translation>--version takes nothing else.</translation>
    </message>
    <message>
        <source>Unexpected argument &quot;%1&quot; for %2.</source>
        <translation>Unexpected argument &quot;%1&quot; for %2.</translation>
    </message>
    <message>
        <source>measure takes exactly one PATH.</source>
        <translation>measure takes exactly one PATH.</translation>
    </message>
    <message>
        <source>none</source>
        <translation>none</translation>
    </message>
    <message>
        <source>Unknown option &quot;%1&quot; for %2. Options of %2: %3.</source>
        <translation>Unknown option &quot;%1&quot; for %2. Options of %2: %3.</translation>
    </message>
    <message>
        <source>%1 needs a value.</source>
        <translation>%1 needs a value.</translation>
    </message>
    <message>
        <source>%1 takes no value.</source>
        <translation>%1 takes no value.</translation>
    </message>
    <message>
        <source>--skip-item needs a path.</source>
        <translation>--skip-item needs a path.</translation>
    </message>
    <message>
        <source>Choose either --delete or --trash, not both.</source>
        <translation>Choose either --delete or --trash, not both.</translation>
    </message>
    <message>
        <source>--threshold-mb needs a positive number of megabytes (for example 500), not &quot;%1&quot;.</source>
        <translation>--threshold-mb needs a positive number of megabytes (for example 500), not &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>measure needs a PATH.</source>
        <translation>measure needs a PATH.</translation>
    </message>
    <message>
        <source>clean needs at least one --category ID.</source>
        <translation>clean needs at least one --category ID.</translation>
    </message>
    <message>
        <source>clean removes files: add --yes to confirm.</source>
        <translation>clean removes files: add --yes to confirm.</translation>
    </message>
    <message>
        <source>Unknown category %1. Categories: %2.</source>
        <translation>Unknown category %1. Categories: %2.</translation>
    </message>
    <message>
        <source>a flag of &quot;%1&quot; is not true or false</source>
        <translation>a flag of &quot;%1&quot; is not true or false</translation>
    </message>
    <message>
        <source>the patterns of a root of &quot;%1&quot; are not a list of names</source>
        <translation>the patterns of a root of &quot;%1&quot; are not a list of names</translation>
    </message>
    <message>
        <source>the minAgeMs of a root of &quot;%1&quot; is not a whole number of milliseconds from 0 to 100 years</source>
        <translation>the minAgeMs of a root of &quot;%1&quot; is not a whole number of milliseconds from 0 to 100 years</translation>
    </message>
    <message>
        <source>Warning: cannot read the settings file %1; this run may not use your settings.</source>
        <translation>Warning: cannot read the settings file %1; this run may not use your settings.</translation>
    </message>
    <message>
        <source>Cannot read the settings file %1, so your exclusions and your choice between the trash and deleting are unknown. Nothing was cleaned: fix or remove that file first.</source>
        <translation>Cannot read the settings file %1, so your exclusions and your choice between the trash and deleting are unknown. Nothing was cleaned: fix or remove that file first.</translation>
    </message>
    <message>
        <source>--skip-item %1 names no item of the categories given.</source>
        <translation>--skip-item %1 names no item of the categories given.</translation>
    </message>
    <message>
        <source>Nothing was cleaned.</source>
        <translation>Nothing was cleaned.</translation>
    </message>
    <message>
        <source>Moved %1 to the %2 · freed %3 · %4 removed · %5 skipped</source>
        <translation>Moved %1 to the %2 · freed %3 · %4 removed · %5 skipped</translation>
    </message>
    <message>
        <source>Action</source>
        <translation>Action</translation>
    </message>
    <message>
        <source>move to %1</source>
        <translation>move to %1</translation>
    </message>
    <message>
        <source>delete</source>
        <translation>delete</translation>
    </message>
    <message>
        <source>Would stay:</source>
        <translation>Would stay:</translation>
    </message>
    <message numerus="yes">
        <source>Preview only, nothing was removed: %n path(s) would go, %1.</source>
        <translation>
            <numerusform>Preview only, nothing was removed: %n path would go, %1.</numerusform>
            <numerusform>Preview only, nothing was removed: %n paths would go, %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>The disk is already full.</source>
        <translation>The disk is already full.</translation>
    </message>
    <message numerus="yes">
        <source>No forecast yet: the records of free space cover %n day(s); a forecast needs at least %1.</source>
        <translation>
            <numerusform>No forecast yet: the records of free space cover %n day; a forecast needs at least %1.</numerusform>
            <numerusform>No forecast yet: the records of free space cover %n days; a forecast needs at least %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>No forecast: free space is not falling.</source>
        <translation>No forecast: free space is not falling.</translation>
    </message>
    <message>
        <source>No forecast: at this rate the disk is not full within a year.</source>
        <translation>No forecast: at this rate the disk is not full within a year.</translation>
    </message>
    <message numerus="yes">
        <source>%n record(s) of free space since %1</source>
        <translation>
            <numerusform>%n record of free space since %1</numerusform>
            <numerusform>%n records of free space since %1</numerusform>
        </translation>
    </message>
    <message>
        <source>restore takes at most one LOG.</source>
        <translation>restore takes at most one LOG.</translation>
    </message>
    <message>
        <source>put back what a cleanup moved to the trash (the latest one without LOG)</source>
        <translation>put back what a cleanup moved to the trash (the latest one without LOG)</translation>
    </message>
    <message>
        <source>estimate when the disk is full from its history of free space</source>
        <translation>estimate when the disk is full from its history of free space</translation>
    </message>
    <message>
        <source>list what clean would remove or move, with sizes; removes nothing</source>
        <translation>list what clean would remove or move, with sizes; removes nothing</translation>
    </message>
    <message>
        <source>Unknown command &quot;%1&quot;. Commands: %2.</source>
        <translation>Unknown command &quot;%1&quot;. Commands: %2.</translation>
    </message>
    <message numerus="yes">
        <source>In use by %1 (PID %2): %n file(s)</source>
        <translation>
            <numerusform>In use by %1 (PID %2): %n file</numerusform>
            <numerusform>In use by %1 (PID %2): %n files</numerusform>
        </translation>
    </message>
    <message>
        <source>Kept because something in them changed since the scan: %1</source>
        <translation>Kept because something in them changed since the scan: %1</translation>
    </message>
    <message>
        <source>No cleanup has moved anything to the %1; there is nothing to restore.</source>
        <translation>No cleanup has moved anything to the %1; there is nothing to restore.</translation>
    </message>
    <message>
        <source>As root, the catalogue file %1 is used only when it and every folder above it belong to root and no one else may change them.</source>
        <translation>As root, the catalogue file %1 is used only when it and every folder above it belong to root and no one else may change them.</translation>
    </message>
    <message>
        <source>As root, Varnholt works in root&apos;s own folders (%1) and ignores %2: another user can change where they lead.</source>
        <translation>As root, Varnholt works in root&apos;s own folders (%1) and ignores %2: another user can change where they lead.</translation>
    </message>
    <message>
        <source>Could not be moved to the %1, left where they are:</source>
        <translation>Could not be moved to the %1, left where they are:</translation>
    </message>
    <message numerus="yes">
        <source>… and %n more</source>
        <translation>
            <numerusform>… and %n more</numerusform>
            <numerusform>… and %n more</numerusform>
        </translation>
    </message>
    <message>
        <source>Cannot read the settings file %1, so your exclusions and your choice between the Recycle Bin and deleting are unknown. Nothing was cleaned: fix or remove that file first.</source>
        <translation>Cannot read the settings file %1, so your exclusions and your choice between the Recycle Bin and deleting are unknown. Nothing was cleaned: fix or remove that file first.</translation>
    </message>
    <message numerus="yes">
        <source>No forecast yet: the free space has been recorded %n time(s) (the Varnholt app records it when it starts); a forecast needs at least %1.</source>
        <translation>
            <numerusform>No forecast yet: the free space has been recorded %n time (the Varnholt app records it when it starts); a forecast needs at least %1.</numerusform>
            <numerusform>No forecast yet: the free space has been recorded %n times (the Varnholt app records it when it starts); a forecast needs at least %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>delete permanently, or move to the Recycle Bin</source>
        <translation>delete permanently, or move to the Recycle Bin</translation>
    </message>
    <message>
        <source>put back what a cleanup moved to the Recycle Bin (the latest one without LOG)</source>
        <translation>put back what a cleanup moved to the Recycle Bin (the latest one without LOG)</translation>
    </message>
    <message>
        <source>delete permanently, or move to the trash</source>
        <translation>delete permanently, or move to the trash</translation>
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
        <translation>Usage:
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
</translation>
    </message>
</context>
<context>
    <name>LargeFilesPage</name>
    <message>
        <source>Space Map</source>
        <translation>Space Map</translation>
    </message>
    <message>
        <source>Rescan</source>
        <translation>Rescan</translation>
    </message>
    <message>
        <source>Find what&apos;s taking up space</source>
        <translation>Find what&apos;s taking up space</translation>
    </message>
    <message>
        <source>Big files in your home folder. You decide what goes.</source>
        <translation>Big files in your home folder. You decide what goes.</translation>
    </message>
    <message>
        <source>Find large files</source>
        <translation>Find large files</translation>
    </message>
    <message>
        <source>Largest so far</source>
        <translation>Largest so far</translation>
    </message>
    <message>
        <source>Looking for large files…</source>
        <translation>Looking for large files…</translation>
    </message>
    <message>
        <source>All</source>
        <translation>All</translation>
    </message>
    <message>
        <source>Unused %1+ months</source>
        <translation>Unused %1+ months</translation>
    </message>
    <message>
        <source>Downloads</source>
        <translation>Downloads</translation>
    </message>
    <message>
        <source>Search files</source>
        <translation>Search files</translation>
    </message>
    <message>
        <source>Show in %1</source>
        <translation>Show in %1</translation>
    </message>
    <message>
        <source>Move to %1</source>
        <translation>Move to %1</translation>
    </message>
    <message>
        <source>Home folder · over %1</source>
        <translation>Home folder · over %1</translation>
    </message>
    <message numerus="yes">
        <source>&lt;b style=&apos;color:%1&apos;&gt;%2&lt;/b&gt; selected of %3 · %Ln file(s)</source>
        <translation>
            <numerusform>&lt;b style=&apos;color:%1&apos;&gt;%2&lt;/b&gt; selected of %3 · %Ln file</numerusform>
            <numerusform>&lt;b style=&apos;color:%1&apos;&gt;%2&lt;/b&gt; selected of %3 · %Ln files</numerusform>
        </translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stop</translation>
    </message>
    <message>
        <source>Clear search</source>
        <translation>Clear search</translation>
    </message>
    <message>
        <source>No files match “%1”.</source>
        <translation>No files match “%1”.</translation>
    </message>
    <message>
        <source>No files in this view.</source>
        <translation>No files in this view.</translation>
    </message>
    <message>
        <source>No files over %1 in your home folder.</source>
        <translation>No files over %1 in your home folder.</translation>
    </message>
    <message>
        <source>The %1 could not show %2</source>
        <translation>The %1 could not show %2</translation>
    </message>
    <message>
        <source>Files to show</source>
        <translation>Files to show</translation>
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
    <message numerus="yes">
        <source>%1 is filling up: at this rate it is full in about %n day(s). Run Smart Scan to free up space.</source>
        <translation>
            <numerusform>%1 is filling up: at this rate it is full in about %n day. Run Smart Scan to free up space.</numerusform>
            <numerusform>%1 is filling up: at this rate it is full in about %n days. Run Smart Scan to free up space.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>MenuBar</name>
    <message>
        <source>Varnholt Website</source>
        <translation>Varnholt Website</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Settings</translation>
    </message>
    <message>
        <source>Check for Updates</source>
        <translation>Check for Updates</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>Guide</source>
        <translation>Guide</translation>
    </message>
    <message>
        <source>FAQ</source>
        <translation>FAQ</translation>
    </message>
    <message>
        <source>Open Log Folder</source>
        <translation>Open Log Folder</translation>
    </message>
    <message>
        <source>About Varnholt</source>
        <translation>About Varnholt</translation>
    </message>
    <message>
        <source>Quit Varnholt</source>
        <translation>Quit Varnholt</translation>
    </message>
    <message>
        <source>The log folder %1 could not be created.</source>
        <translation>The log folder %1 could not be created.</translation>
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
        <translation>Finds the space your computer can spare.</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Undo</translation>
    </message>
    <message>
        <source>Keep Varnholt running?</source>
        <translation>Keep Varnholt running?</translation>
    </message>
    <message>
        <source>Varnholt can stay in the system tray when you close the window, so scheduled scans and low space alerts keep working. You can open it again from the tray icon.</source>
        <translation>Varnholt can stay in the system tray when you close the window, so scheduled scans and low space alerts keep working. You can open it again from the tray icon.</translation>
    </message>
    <message>
        <source>Remember my choice</source>
        <translation>Remember my choice</translation>
    </message>
    <message>
        <source>You can change this in Settings.</source>
        <translation>You can change this in Settings.</translation>
    </message>
    <message>
        <source>Keep in tray</source>
        <translation>Keep in tray</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Quit</translation>
    </message>
    <message>
        <source>Clean %1?</source>
        <translation>Clean %1?</translation>
    </message>
    <message>
        <source>Permanent delete is on. These files can&apos;t be recovered.</source>
        <translation>Permanent delete is on. These files can&apos;t be recovered.</translation>
    </message>
    <message>
        <source>Emptying the %1 can&apos;t be undone. Everything else goes to the %1.</source>
        <translation>Emptying the %1 can&apos;t be undone. Everything else goes to the %1.</translation>
    </message>
    <message>
        <source>Everything will be moved to the %1, so you can restore it later.</source>
        <translation>Everything will be moved to the %1, so you can restore it later.</translation>
    </message>
    <message>
        <source>Clean and delete</source>
        <translation>Clean and delete</translation>
    </message>
    <message>
        <source>Clean</source>
        <translation>Clean</translation>
    </message>
    <message>
        <source>What&apos;s new</source>
        <translation>What&apos;s new</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>Retry</translation>
    </message>
    <message>
        <source>Update now</source>
        <translation>Update now</translation>
    </message>
    <message>
        <source>Varnholt is up to date</source>
        <translation>Varnholt is up to date</translation>
    </message>
    <message>
        <source>Version %1 is the latest version.</source>
        <translation>Version %1 is the latest version.</translation>
    </message>
    <message>
        <source>An update is available</source>
        <translation>An update is available</translation>
    </message>
    <message>
        <source>Version %1 is available. You have %2.</source>
        <translation>Version %1 is available. You have %2.</translation>
    </message>
    <message>
        <source>Could not check for updates</source>
        <translation>Could not check for updates</translation>
    </message>
    <message>
        <source>Check your internet connection and try again.</source>
        <translation>Check your internet connection and try again.</translation>
    </message>
    <message>
        <source>Downloading the update…</source>
        <translation>Downloading the update…</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 of %2</translation>
    </message>
    <message>
        <source>Installing the update…</source>
        <translation>Installing the update…</translation>
    </message>
    <message>
        <source>Varnholt closes and starts again when the update is installed.</source>
        <translation>Varnholt closes and starts again when the update is installed.</translation>
    </message>
    <message>
        <source>Checking for updates…</source>
        <translation>Checking for updates…</translation>
    </message>
    <message>
        <source>Version %1 is installed.</source>
        <translation>Version %1 is installed.</translation>
    </message>
    <message>
        <source>Later</source>
        <translation>Later</translation>
    </message>
    <message>
        <source>Some of it needs administrator rights: without them those files are skipped.</source>
        <translation>Some of it needs administrator rights: without them those files are skipped.</translation>
    </message>
    <message>
        <source>Everything that will go</source>
        <translation>Everything that will go</translation>
    </message>
    <message>
        <source>Working out the list…</source>
        <translation>Working out the list…</translation>
    </message>
    <message>
        <source>The list cannot be worked out now.</source>
        <translation>The list cannot be worked out now.</translation>
    </message>
    <message>
        <source>Nothing in the selection would be removed.</source>
        <translation>Nothing in the selection would be removed.</translation>
    </message>
    <message numerus="yes">
        <source>%n path(s) · %1</source>
        <translation>
            <numerusform>%n path · %1</numerusform>
            <numerusform>%n paths · %1</numerusform>
        </translation>
    </message>
    <message>
        <source>These cannot be moved to the %1</source>
        <translation>These cannot be moved to the %1</translation>
    </message>
    <message numerus="yes">
        <source>and %n more</source>
        <translation>
            <numerusform>and %n more</numerusform>
            <numerusform>and %n more</numerusform>
        </translation>
    </message>
    <message>
        <source>Leave them</source>
        <translation>Leave them</translation>
    </message>
    <message>
        <source>Delete them permanently</source>
        <translation>Delete them permanently</translation>
    </message>
    <message>
        <source>None of it can go to the %1: delete it permanently, or nothing is cleaned.</source>
        <translation>None of it can go to the %1: delete it permanently, or nothing is cleaned.</translation>
    </message>
    <message>
        <source>All of it is deleted permanently and can&apos;t be recovered.</source>
        <translation>All of it is deleted permanently and can&apos;t be recovered.</translation>
    </message>
    <message>
        <source>Emptying the %1 and deleting what cannot go there can&apos;t be undone. Everything else goes to the %1.</source>
        <translation>Emptying the %1 and deleting what cannot go there can&apos;t be undone. Everything else goes to the %1.</translation>
    </message>
    <message>
        <source>What cannot go to the %1 is deleted permanently. Everything else is moved there, so you can restore it later.</source>
        <translation>What cannot go to the %1 is deleted permanently. Everything else is moved there, so you can restore it later.</translation>
    </message>
    <message>
        <source>The check could not start. Try again in a moment.</source>
        <translation>The check could not start. Try again in a moment.</translation>
    </message>
    <message>
        <source>The check failed again.</source>
        <translation>The check failed again.</translation>
    </message>
</context>
<context>
    <name>OverviewPage</name>
    <message>
        <source>Scanned %1</source>
        <translation>Scanned %1</translation>
    </message>
    <message>
        <source>Smart Scan</source>
        <translation>Smart Scan</translation>
    </message>
    <message>
        <source>Overview</source>
        <translation>Overview</translation>
    </message>
    <message>
        <source>Rescan</source>
        <translation>Rescan</translation>
    </message>
    <message>
        <source>See all</source>
        <translation>See all</translation>
    </message>
    <message>
        <source>Disk health</source>
        <translation>Disk health</translation>
    </message>
    <message>
        <source>System files protected</source>
        <translation>System files protected</translation>
    </message>
    <message>
        <source>%1 ready to clean</source>
        <translation>%1 ready to clean</translation>
    </message>
    <message>
        <source>Your startup disk is almost full</source>
        <translation>Your startup disk is almost full</translation>
    </message>
    <message>
        <source>Keep your disk in shape</source>
        <translation>Keep your disk in shape</translation>
    </message>
    <message>
        <source>free of %1</source>
        <translation>free of %1</translation>
    </message>
    <message>
        <source>Review</source>
        <translation>Review</translation>
    </message>
    <message>
        <source>Scan</source>
        <translation>Scan</translation>
    </message>
    <message>
        <source>Never scanned</source>
        <translation>Never scanned</translation>
    </message>
    <message>
        <source>Freed this month</source>
        <translation>Freed this month</translation>
    </message>
    <message>
        <source>Last scan</source>
        <translation>Last scan</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Off</translation>
    </message>
    <message>
        <source>Weekly</source>
        <translation>Weekly</translation>
    </message>
    <message>
        <source>Monthly</source>
        <translation>Monthly</translation>
    </message>
    <message>
        <source>Scheduled scan</source>
        <translation>Scheduled scan</translation>
    </message>
    <message>
        <source>Top recommendations</source>
        <translation>Top recommendations</translation>
    </message>
    <message>
        <source>What Smart Scan looks at</source>
        <translation>What Smart Scan looks at</translation>
    </message>
    <message>
        <source>Apps, documents &amp; system</source>
        <translation>Apps, documents &amp; system</translation>
    </message>
    <message>
        <source>Reclaimable</source>
        <translation>Reclaimable</translation>
    </message>
    <message>
        <source>Available</source>
        <translation>Available</translation>
    </message>
    <message>
        <source>Space freed in the last six months</source>
        <translation>Space freed in the last six months</translation>
    </message>
    <message>
        <source>Scan again to see what can be cleaned</source>
        <translation>Scan again to see what can be cleaned</translation>
    </message>
    <message>
        <source>Free space history</source>
        <translation>Free space history</translation>
    </message>
    <message numerus="yes">
        <source>From %1 to %2 free over %n day(s)</source>
        <translation>
            <numerusform>From %1 to %2 free over %n day</numerusform>
            <numerusform>From %1 to %2 free over %n days</numerusform>
        </translation>
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
    <name>Restore</name>
    <message>
        <source>no longer in the trash</source>
        <translation>no longer in the trash</translation>
    </message>
    <message>
        <source>its place is taken</source>
        <translation>its place is taken</translation>
    </message>
    <message>
        <source>the log does not name a trash entry</source>
        <translation>the log does not name a trash entry</translation>
    </message>
    <message>
        <source>more than one trash entry matches</source>
        <translation>more than one trash entry matches</translation>
    </message>
    <message>
        <source>could not be moved back</source>
        <translation>could not be moved back</translation>
    </message>
    <message>
        <source>no longer in the Recycle Bin</source>
        <translation>no longer in the Recycle Bin</translation>
    </message>
    <message>
        <source>the log does not name a Recycle Bin entry</source>
        <translation>the log does not name a Recycle Bin entry</translation>
    </message>
    <message>
        <source>more than one Recycle Bin entry matches</source>
        <translation>more than one Recycle Bin entry matches</translation>
    </message>
</context>
<context>
    <name>SettingsPage</name>
    <message>
        <source>Settings</source>
        <translation>Settings</translation>
    </message>
    <message>
        <source>Choose a folder to exclude</source>
        <translation>Choose a folder to exclude</translation>
    </message>
    <message>
        <source>Cleaning</source>
        <translation>Cleaning</translation>
    </message>
    <message>
        <source>Move items to the %1</source>
        <translation>Move items to the %1</translation>
    </message>
    <message>
        <source>Recommended. Turn off to delete files permanently.</source>
        <translation>Recommended. Turn off to delete files permanently.</translation>
    </message>
    <message>
        <source>Large file size</source>
        <translation>Large file size</translation>
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
        <translation>Consider files old after</translation>
    </message>
    <message>
        <source>3 months</source>
        <translation>3 months</translation>
    </message>
    <message>
        <source>6 months</source>
        <translation>6 months</translation>
    </message>
    <message>
        <source>12 months</source>
        <translation>12 months</translation>
    </message>
    <message>
        <source>24 months</source>
        <translation>24 months</translation>
    </message>
    <message>
        <source>Automation</source>
        <translation>Automation</translation>
    </message>
    <message>
        <source>Scheduled scan</source>
        <translation>Scheduled scan</translation>
    </message>
    <message>
        <source>Scans when Varnholt starts if the last scan is older than this. Never cleans on its own.</source>
        <translation>Scans when Varnholt starts if the last scan is older than this. Never cleans on its own.</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Off</translation>
    </message>
    <message>
        <source>Weekly</source>
        <translation>Weekly</translation>
    </message>
    <message>
        <source>Monthly</source>
        <translation>Monthly</translation>
    </message>
    <message>
        <source>Low space alerts</source>
        <translation>Low space alerts</translation>
    </message>
    <message>
        <source>Warn when free space drops below 10%.</source>
        <translation>Warn when free space drops below 10%.</translation>
    </message>
    <message>
        <source>Open at login</source>
        <translation>Open at login</translation>
    </message>
    <message>
        <source>Start with Windows</source>
        <translation>Start with Windows</translation>
    </message>
    <message>
        <source>Start at login</source>
        <translation>Start at login</translation>
    </message>
    <message>
        <source>Starts Varnholt in the background so scheduled scans can run.</source>
        <translation>Starts Varnholt in the background so scheduled scans can run.</translation>
    </message>
    <message>
        <source>Show Varnholt in the menu bar</source>
        <translation>Show Varnholt in the menu bar</translation>
    </message>
    <message>
        <source>Closing the window keeps Varnholt running there, so scheduled scans and low space alerts keep working.</source>
        <translation>Closing the window keeps Varnholt running there, so scheduled scans and low space alerts keep working.</translation>
    </message>
    <message>
        <source>Ask every time</source>
        <translation>Ask every time</translation>
    </message>
    <message>
        <source>Keep running in the tray</source>
        <translation>Keep running in the tray</translation>
    </message>
    <message>
        <source>Quit Varnholt</source>
        <translation>Quit Varnholt</translation>
    </message>
    <message>
        <source>When closing the window</source>
        <translation>When closing the window</translation>
    </message>
    <message>
        <source>In the tray, Varnholt keeps running so scheduled scans and low space alerts keep working.</source>
        <translation>In the tray, Varnholt keeps running so scheduled scans and low space alerts keep working.</translation>
    </message>
    <message>
        <source>Appearance</source>
        <translation>Appearance</translation>
    </message>
    <message>
        <source>Theme</source>
        <translation>Theme</translation>
    </message>
    <message>
        <source>Follow the system, or always use light or dark.</source>
        <translation>Follow the system, or always use light or dark.</translation>
    </message>
    <message>
        <source>System</source>
        <translation>System</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>Light</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>Dark</translation>
    </message>
    <message>
        <source>System default (%1)</source>
        <translation>System default (%1)</translation>
    </message>
    <message>
        <source>Restart now</source>
        <translation>Restart now</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Language</translation>
    </message>
    <message>
        <source>Varnholt restarts to switch languages.</source>
        <translation>Varnholt restarts to switch languages.</translation>
    </message>
    <message>
        <source>Exclusions</source>
        <translation>Exclusions</translation>
    </message>
    <message>
        <source>Add folder</source>
        <translation>Add folder</translation>
    </message>
    <message>
        <source>Never touch these</source>
        <translation>Never touch these</translation>
    </message>
    <message>
        <source>Folders and patterns Varnholt always skips.</source>
        <translation>Folders and patterns Varnholt always skips.</translation>
    </message>
    <message>
        <source>Protected system locations</source>
        <translation>Protected system locations</translation>
    </message>
    <message>
        <source> — always skipped.</source>
        <translation> — always skipped.</translation>
    </message>
    <message>
        <source>Locked</source>
        <translation>Locked</translation>
    </message>
    <message>
        <source>Protected apps</source>
        <translation>Protected apps</translation>
    </message>
    <message>
        <source> — their data is never cleaned. Caches of running apps and open files are skipped too.</source>
        <translation> — their data is never cleaned. Caches of running apps and open files are skipped too.</translation>
    </message>
    <message>
        <source>Permissions &amp; about</source>
        <translation>Permissions &amp; about</translation>
    </message>
    <message>
        <source>Full Disk Access</source>
        <translation>Full Disk Access</translation>
    </message>
    <message>
        <source>Varnholt is running as administrator and can clean Windows Update files.</source>
        <translation>Varnholt is running as administrator and can clean Windows Update files.</translation>
    </message>
    <message>
        <source>Varnholt is running as administrator and can clean the package cache.</source>
        <translation>Varnholt is running as administrator and can clean the package cache.</translation>
    </message>
    <message>
        <source>Administrator access</source>
        <translation>Administrator access</translation>
    </message>
    <message>
        <source>Granted</source>
        <translation>Granted</translation>
    </message>
    <message>
        <source>Only needed to clean Windows Update leftovers.</source>
        <translation>Only needed to clean Windows Update leftovers.</translation>
    </message>
    <message>
        <source>Only needed to clean the package cache.</source>
        <translation>Only needed to clean the package cache.</translation>
    </message>
    <message>
        <source>Restart as admin</source>
        <translation>Restart as admin</translation>
    </message>
    <message>
        <source>Check for updates</source>
        <translation>Check for updates</translation>
    </message>
    <message>
        <source>Open logs</source>
        <translation>Open logs</translation>
    </message>
    <message>
        <source>Every cleanup writes a log you can review. Varnholt checks for updates when it starts.</source>
        <translation>Every cleanup writes a log you can review. Varnholt checks for updates when it starts.</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Remove</translation>
    </message>
    <message>
        <source>Files bigger than this appear in the Space Map.</source>
        <translation>Files bigger than this appear in the Space Map.</translation>
    </message>
    <message>
        <source>Recent cleanups</source>
        <translation>Recent cleanups</translation>
    </message>
    <message>
        <source>No cleanups yet</source>
        <translation>No cleanups yet</translation>
    </message>
    <message>
        <source>Every cleanup writes a log you can review.</source>
        <translation>Every cleanup writes a log you can review.</translation>
    </message>
    <message>
        <source>%1 moved to the %2</source>
        <translation>%1 moved to the %2</translation>
    </message>
    <message>
        <source>%1 deleted permanently</source>
        <translation>%1 deleted permanently</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Restore</translation>
    </message>
    <message>
        <source>Put back what this cleanup moved to the %1. Nothing that is in its place now is replaced.</source>
        <translation>Put back what this cleanup moved to the %1. Nothing that is in its place now is replaced.</translation>
    </message>
    <message>
        <source>Used by the “Unused” filter.</source>
        <translation>Used by the “Unused” filter.</translation>
    </message>
    <message>
        <source>%1 in all: the %2 emptied, items deleted permanently or moved to it</source>
        <translation>%1 in all: the %2 emptied, items deleted permanently or moved to it</translation>
    </message>
    <message>
        <source>%1 moved to the %2 or deleted permanently</source>
        <translation>%1 moved to the %2 or deleted permanently</translation>
    </message>
    <message>
        <source>%1 in all: the %2 emptied, then items moved to it</source>
        <translation>%1 in all: the %2 emptied, then items moved to it</translation>
    </message>
    <message>
        <source>%1 freed: items deleted permanently and the %2 emptied</source>
        <translation>%1 freed: items deleted permanently and the %2 emptied</translation>
    </message>
    <message>
        <source>The %1 was emptied: %2 freed</source>
        <translation>The %1 was emptied: %2 freed</translation>
    </message>
    <message>
        <source>Nothing was cleaned</source>
        <translation>Nothing was cleaned</translation>
    </message>
    <message>
        <source>Check again</source>
        <translation>Check again</translation>
    </message>
    <message>
        <source>Your settings in %1 cannot be read, so what they hold is unknown. The options kept there stay locked until the file can be read again.</source>
        <translation>Your settings in %1 cannot be read, so what they hold is unknown. The options kept there stay locked until the file can be read again.</translation>
    </message>
    <message>
        <source>Varnholt could not start again. Close it and open it yourself to switch languages.</source>
        <translation>Varnholt could not start again. Close it and open it yourself to switch languages.</translation>
    </message>
</context>
<context>
    <name>Sidebar</name>
    <message>
        <source>%1 available of %2</source>
        <translation>%1 available of %2</translation>
    </message>
    <message>
        <source>Smart Scan</source>
        <translation>Smart Scan</translation>
    </message>
    <message>
        <source>Cleanup</source>
        <translation>Cleanup</translation>
    </message>
    <message>
        <source>Space Map</source>
        <translation>Space Map</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Settings</translation>
    </message>
    <message>
        <source>%1 free</source>
        <translation>%1 free</translation>
    </message>
    <message>
        <source>Clean</source>
        <translation>Clean</translation>
    </message>
    <message>
        <source>Expand sidebar</source>
        <translation>Expand sidebar</translation>
    </message>
    <message>
        <source>Collapse sidebar</source>
        <translation>Collapse sidebar</translation>
    </message>
</context>
<context>
    <name>TitleBar</name>
    <message>
        <source>Menu</source>
        <translation>Menu</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>Minimize</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Restore</translation>
    </message>
    <message>
        <source>Maximize</source>
        <translation>Maximize</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Close</translation>
    </message>
</context>
<context>
    <name>Tray</name>
    <message>
        <source>Varnholt is still running</source>
        <translation>Varnholt is still running</translation>
    </message>
    <message>
        <source>It stays in the system tray so scheduled scans and alerts keep working. Right-click the icon to quit.</source>
        <translation>It stays in the system tray so scheduled scans and alerts keep working. Right-click the icon to quit.</translation>
    </message>
    <message>
        <source>Open Varnholt</source>
        <translation>Open Varnholt</translation>
    </message>
    <message>
        <source>Smart Scan</source>
        <translation>Smart Scan</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Settings</translation>
    </message>
    <message>
        <source>Check for Updates</source>
        <translation>Check for Updates</translation>
    </message>
    <message>
        <source>Quit Varnholt</source>
        <translation>Quit Varnholt</translation>
    </message>
    <message>
        <source>%1 · %2 free</source>
        <translation>%1 · %2 free</translation>
    </message>
    <message>
        <source>Space Map</source>
        <translation>Space Map</translation>
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
    <message>
        <source>The connection to the update server timed out.</source>
        <translation>The connection to the update server timed out.</translation>
    </message>
    <message>
        <source>The update is not the published version %1.</source>
        <translation>The update is not the published version %1.</translation>
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
