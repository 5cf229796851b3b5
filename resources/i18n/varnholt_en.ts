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
    <message numerus="yes">
        <source>Restored %n file(s)</source>
        <extracomment>Toast after Undo put the files moved from the Space Map back</extracomment>
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
        <source>At this rate the disk is full in about %n week(s)</source>
        <extracomment>Forecast on the Overview, from the history of free space</extracomment>
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
        <extracomment>%1: a size, e.g. &quot;1.2 GB&quot;</extracomment>
        <translation>Free space falls by about %1 a day</translation>
    </message>
    <message>
        <source>Free space rises by about %1 a day</source>
        <extracomment>%1: a size, e.g. &quot;1.2 GB&quot;</extracomment>
        <translation>Free space rises by about %1 a day</translation>
    </message>
    <message numerus="yes">
        <source>%Ln file(s) (%1) moved to the Recycle Bin</source>
        <comment>%1: their size</comment>
        <translation>
            <numerusform>%Ln file (%1) moved to the Recycle Bin</numerusform>
            <numerusform>%Ln files (%1) moved to the Recycle Bin</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln file(s) (%1) moved to the Trash</source>
        <comment>%1: their size</comment>
        <translation>
            <numerusform>%Ln file (%1) moved to the Trash</numerusform>
            <numerusform>%Ln files (%1) moved to the Trash</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source> · %Ln in use, skipped</source>
        <comment>follows the files moved; the number of files left alone</comment>
        <translation>
            <numerusform> · %Ln in use, skipped</numerusform>
            <numerusform> · %Ln in use, skipped</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source> · %Ln could not be moved to the Recycle Bin</source>
        <comment>follows the files moved</comment>
        <translation>
            <numerusform> · %Ln could not be moved to the Recycle Bin</numerusform>
            <numerusform> · %Ln could not be moved to the Recycle Bin</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source> · %Ln could not be moved to the Trash</source>
        <comment>follows the files moved</comment>
        <translation>
            <numerusform> · %Ln could not be moved to the Trash</numerusform>
            <numerusform> · %Ln could not be moved to the Trash</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Restored %n item(s) from the Recycle Bin</source>
        <extracomment>Result line after restoring a cleanup; may be followed by the size in brackets</extracomment>
        <translation>
            <numerusform>Restored %n item from the Recycle Bin</numerusform>
            <numerusform>Restored %n items from the Recycle Bin</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Restored %n item(s) from the Trash</source>
        <extracomment>Result line after restoring a cleanup; may be followed by the size in brackets</extracomment>
        <translation>
            <numerusform>Restored %n item from the Trash</numerusform>
            <numerusform>Restored %n items from the Trash</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln not restored: %1</source>
        <comment>%1: why, e.g. no longer in the bin</comment>
        <translation>
            <numerusform>%Ln not restored: %1</numerusform>
            <numerusform>%Ln not restored: %1</numerusform>
        </translation>
    </message>
    <message>
        <source>found through the Recycle Bin&apos;s own records (an older log)</source>
        <translation>found through the Recycle Bin&apos;s own records (an older log)</translation>
    </message>
    <message>
        <source>found through the Trash&apos;s own records (an older log)</source>
        <translation>found through the Trash&apos;s own records (an older log)</translation>
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
        <extracomment>Where a category looks: every drive, not one folder</extracomment>
        <translation>All drives</translation>
    </message>
    <message>
        <source>Items you have already deleted. Emptying cannot be undone.</source>
        <translation>Items you have already deleted. Emptying cannot be undone.</translation>
    </message>
    <message>
        <source>Temporary files</source>
        <extracomment>Name of a cleanup category</extracomment>
        <translation>Temporary files</translation>
    </message>
    <message>
        <source>App caches</source>
        <extracomment>Name of a cleanup category</extracomment>
        <translation>App caches</translation>
    </message>
    <message>
        <source>Cache folders in %LOCALAPPDATA% and %APPDATA%</source>
        <extracomment>Description of a category; %LOCALAPPDATA% and %APPDATA% are Windows folder names, keep them</extracomment>
        <translation>Cache folders in %LOCALAPPDATA% and %APPDATA%</translation>
    </message>
    <message>
        <source>DirectX shader cache</source>
        <extracomment>Item of the app caches; DirectX is the name of a program</extracomment>
        <translation>DirectX shader cache</translation>
    </message>
    <message>
        <source>Browser caches</source>
        <extracomment>Name of a cleanup category</extracomment>
        <translation>Browser caches</translation>
    </message>
    <message>
        <source>Internet cache</source>
        <extracomment>Item of the browser caches</extracomment>
        <translation>Internet cache</translation>
    </message>
    <message>
        <source>Logs &amp; crash reports</source>
        <translation>Logs &amp; crash reports</translation>
    </message>
    <message>
        <source>Thumbnail cache</source>
        <extracomment>Name of a cleanup category: small preview pictures of files</extracomment>
        <translation>Thumbnail cache</translation>
    </message>
    <message>
        <source>Windows Update leftovers</source>
        <extracomment>Name of a cleanup category</extracomment>
        <translation>Windows Update leftovers</translation>
    </message>
    <message>
        <source>Files left behind after Windows updates are installed. Safe once the update is complete; Windows downloads them again if it needs them.</source>
        <translation>Files left behind after Windows updates are installed. Safe once the update is complete; Windows downloads them again if it needs them.</translation>
    </message>
    <message>
        <source>Windows Update downloads</source>
        <extracomment>Item of the Windows Update leftovers</extracomment>
        <translation>Windows Update downloads</translation>
    </message>
    <message>
        <source>Delivery Optimization cache</source>
        <extracomment>Item of the Windows Update leftovers; Delivery Optimization is a Windows service</extracomment>
        <translation>Delivery Optimization cache</translation>
    </message>
    <message>
        <source>Developer caches</source>
        <extracomment>Name of a cleanup category: caches of programming tools</extracomment>
        <translation>Developer caches</translation>
    </message>
    <message>
        <source>Recycle Bin</source>
        <extracomment>Name of the cleanup category that empties the Recycle Bin</extracomment>
        <translation>Recycle Bin</translation>
    </message>
    <message>
        <source>Package cache</source>
        <extracomment>Name of a cleanup category: downloaded software packages</extracomment>
        <translation>Package cache</translation>
    </message>
    <message>
        <source>Packages the package manager keeps after installing them. Safe to remove; they are downloaded again if they are needed.</source>
        <translation>Packages the package manager keeps after installing them. Safe to remove; they are downloaded again if they are needed.</translation>
    </message>
    <message>
        <source>DNF package cache</source>
        <extracomment>Item of the package cache; DNF is the name of a program</extracomment>
        <translation>DNF package cache</translation>
    </message>
    <message>
        <source>Trash</source>
        <extracomment>Name of the cleanup category that empties the Trash</extracomment>
        <translation>Trash</translation>
    </message>
    <message>
        <source>Safe</source>
        <extracomment>Risk level of a category: cleaning it loses nothing the user needs</extracomment>
        <translation>Safe</translation>
    </message>
    <message>
        <source>Review</source>
        <extracomment>Risk level of a category: look at it before cleaning (an adjective, not a command)</extracomment>
        <translation>Review</translation>
    </message>
    <message>
        <source>Permanent</source>
        <extracomment>Risk level of a category: what goes cannot be restored</extracomment>
        <translation>Permanent</translation>
    </message>
    <message>
        <source>%1 was left out: it leads through a link to %2.</source>
        <extracomment>%1: a folder of the catalogue; %2: where its link leads</extracomment>
        <translation>%1 was left out: it leads through a link to %2.</translation>
    </message>
    <message>
        <source>%1 was left out: it is the home folder or holds it.</source>
        <extracomment>%1: a folder of the catalogue</extracomment>
        <translation>%1 was left out: it is the home folder or holds it.</translation>
    </message>
    <message>
        <source>%1 was left out: it lies in a protected location.</source>
        <extracomment>%1: a folder of the catalogue</extracomment>
        <translation>%1 was left out: it lies in a protected location.</translation>
    </message>
    <message>
        <source>%1 was left out: it overlaps %2.</source>
        <extracomment>%1: a folder of the catalogue; %2: the category it overlaps</extracomment>
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
        <extracomment>%1: a program&apos;s name; %2: its process number</extracomment>
        <translation>%1 (PID %2)</translation>
    </message>
    <message>
        <source>%1 is left out: its name is not valid text.</source>
        <extracomment>%1: a folder</extracomment>
        <translation>%1 is left out: its name is not valid text.</translation>
    </message>
    <message>
        <source>npm cache</source>
        <extracomment>Item of the developer caches; npm is the name of a program</extracomment>
        <translation>npm cache</translation>
    </message>
    <message>
        <source>Yarn cache</source>
        <extracomment>Item of the developer caches; Yarn is the name of a program</extracomment>
        <translation>Yarn cache</translation>
    </message>
    <message>
        <source>pip cache</source>
        <extracomment>Item of the developer caches; pip is the name of a program</extracomment>
        <translation>pip cache</translation>
    </message>
    <message>
        <source>NuGet HTTP cache</source>
        <extracomment>Item of the developer caches; NuGet is the name of a program</extracomment>
        <translation>NuGet HTTP cache</translation>
    </message>
    <message>
        <source>Go build cache</source>
        <extracomment>Item of the developer caches; Go is a programming language</extracomment>
        <translation>Go build cache</translation>
    </message>
    <message>
        <source>Gradle caches</source>
        <extracomment>Item of the developer caches; Gradle is the name of a program</extracomment>
        <translation>Gradle caches</translation>
    </message>
    <message>
        <source>Cargo registry cache</source>
        <extracomment>Item of the developer caches; Cargo is the name of a program</extracomment>
        <translation>Cargo registry cache</translation>
    </message>
    <message>
        <source>%1 is left out: another program is working in it.</source>
        <comment>%1: a folder</comment>
        <translation>%1 is left out: another program is working in it.</translation>
    </message>
    <message>
        <source>%1 is left out: in use by %2.</source>
        <comment>%1: a folder; %2: the programs using it</comment>
        <translation>%1 is left out: in use by %2.</translation>
    </message>
    <message>
        <source>Recycle Bin (all drives)</source>
        <translation>Recycle Bin (all drives)</translation>
    </message>
    <message>
        <source>Trash (all drives)</source>
        <extracomment>The one item of the Trash category: the Trash of every drive</extracomment>
        <translation>Trash (all drives)</translation>
    </message>
</context>
<context>
    <name>Cleaner</name>
    <message>
        <source>delete permanently</source>
        <extracomment>Mode line of the cleanup log: the files are removed for good</extracomment>
        <translation>delete permanently</translation>
    </message>
</context>
<context>
    <name>CleanupPage</name>
    <message>
        <source>SAFE TO CLEAN</source>
        <extracomment>Heading over the categories of the Safe risk level</extracomment>
        <translation>SAFE TO CLEAN</translation>
    </message>
    <message>
        <source>REVIEW BEFORE CLEANING</source>
        <extracomment>Heading over the categories of the Review risk level</extracomment>
        <translation>REVIEW BEFORE CLEANING</translation>
    </message>
    <message>
        <source>CANNOT BE UNDONE</source>
        <extracomment>Heading over the categories of the Permanent risk level</extracomment>
        <translation>CANNOT BE UNDONE</translation>
    </message>
    <message>
        <source>Cleanup</source>
        <extracomment>Title of the Cleanup page</extracomment>
        <translation>Cleanup</translation>
    </message>
    <message>
        <source>Nothing scanned yet</source>
        <extracomment>Heading of the Cleanup page before the first scan</extracomment>
        <translation>Nothing scanned yet</translation>
    </message>
    <message>
        <source>Find caches, temporary files and leftovers.</source>
        <translation>Find caches, temporary files and leftovers.</translation>
    </message>
    <message>
        <source>Start Smart Scan</source>
        <extracomment>Button; Smart Scan is the scan of every cleanup category</extracomment>
        <translation>Start Smart Scan</translation>
    </message>
    <message>
        <source>Scanning</source>
        <extracomment>Heading of the Cleanup page while the scan runs</extracomment>
        <translation>Scanning</translation>
    </message>
    <message>
        <source>In progress</source>
        <extracomment>Eyebrow over the heading while a scan or cleanup runs</extracomment>
        <translation>In progress</translation>
    </message>
    <message>
        <source>Stop</source>
        <extracomment>Button that stops the running scan</extracomment>
        <translation>Stop</translation>
    </message>
    <message>
        <source>Items checked</source>
        <extracomment>Caption under the number of files looked at so far</extracomment>
        <translation>Items checked</translation>
    </message>
    <message>
        <source>Elapsed</source>
        <extracomment>Caption under the time a scan has run so far</extracomment>
        <translation>Elapsed</translation>
    </message>
    <message>
        <source>Remaining</source>
        <extracomment>Caption under the estimated time a scan still needs</extracomment>
        <translation>Remaining</translation>
    </message>
    <message>
        <source>found</source>
        <extracomment>Caption under the size found so far, inside the scan&apos;s radar</extracomment>
        <translation>found</translation>
    </message>
    <message>
        <source>Cleaning</source>
        <extracomment>Heading of the Cleanup page while the cleanup runs</extracomment>
        <translation>Cleaning</translation>
    </message>
    <message>
        <source>of %1</source>
        <extracomment>Under the size cleaned so far, inside the progress ring; %1: the total size</extracomment>
        <translation>of %1</translation>
    </message>
    <message>
        <source>Cleanup complete</source>
        <extracomment>Heading once a cleanup ended</extracomment>
        <translation>Cleanup complete</translation>
    </message>
    <message>
        <source>Available before</source>
        <extracomment>Caption: free disk space before the cleanup</extracomment>
        <translation>Available before</translation>
    </message>
    <message>
        <source>Available now</source>
        <extracomment>Caption: free disk space after the cleanup</extracomment>
        <translation>Available now</translation>
    </message>
    <message>
        <source>&lt;b&gt;Some files need administrator rights.&lt;/b&gt; Restart Varnholt as administrator and clean again to remove them.</source>
        <translation>&lt;b&gt;Some files need administrator rights.&lt;/b&gt; Restart Varnholt as administrator and clean again to remove them.</translation>
    </message>
    <message>
        <source>Restart as admin</source>
        <extracomment>Button: restart Varnholt with administrator rights</extracomment>
        <translation>Restart as admin</translation>
    </message>
    <message>
        <source>View log</source>
        <extracomment>Button: open the cleanup&apos;s log file</extracomment>
        <translation>View log</translation>
    </message>
    <message>
        <source>Done</source>
        <extracomment>Button that closes the cleanup&apos;s result</extracomment>
        <translation>Done</translation>
    </message>
    <message>
        <source>Items were deleted permanently.</source>
        <translation>Items were deleted permanently.</translation>
    </message>
    <message>
        <source>For example: %1</source>
        <extracomment>%1: a file&apos;s path</extracomment>
        <translation>For example: %1</translation>
    </message>
    <message>
        <source>&lt;b&gt;Left caches of running apps alone:&lt;/b&gt; %1. Quit them and clean again to include them.</source>
        <extracomment>%1: a list of app names</extracomment>
        <translation>&lt;b&gt;Left caches of running apps alone:&lt;/b&gt; %1. Quit them and clean again to include them.</translation>
    </message>
    <message>
        <source>Needs administrator</source>
        <extracomment>In place of a category&apos;s item count: it could only be read with administrator rights</extracomment>
        <translation>Needs administrator</translation>
    </message>
    <message>
        <source>Select recommended</source>
        <extracomment>Button in the results&apos; header: check the safe categories</extracomment>
        <translation>Select recommended</translation>
    </message>
    <message>
        <source>Rescan</source>
        <extracomment>Button in the results&apos; header: scan again</extracomment>
        <translation>Rescan</translation>
    </message>
    <message>
        <source>Select all</source>
        <extracomment>Check box: check every category (or every item of one)</extracomment>
        <translation>Select all</translation>
    </message>
    <message>
        <source>%1 can be cleaned</source>
        <extracomment>%1: a size, written in larger type</extracomment>
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
        <extracomment>%1: an app&apos;s name</extracomment>
        <translation>%1 is open. Quit it to include its cache.</translation>
    </message>
    <message>
        <source>%1 are open. Quit them to include their caches.</source>
        <extracomment>%1: a list of app names</extracomment>
        <translation>%1 are open. Quit them to include their caches.</translation>
    </message>
    <message>
        <source>Largest items</source>
        <extracomment>Heading over the biggest items of an opened category</extracomment>
        <translation>Largest items</translation>
    </message>
    <message>
        <source>%1 is running</source>
        <extracomment>Beside an item; %1: the app using it</extracomment>
        <translation>%1 is running</translation>
    </message>
    <message>
        <source>Show %1 more</source>
        <extracomment>Link below a category&apos;s items; %1: how many more are shown</extracomment>
        <translation>Show %1 more</translation>
    </message>
    <message>
        <source>deleted permanently</source>
        <extracomment>Tooltip of the Clean button: what happens to the selection</extracomment>
        <translation>deleted permanently</translation>
    </message>
    <message>
        <source>Clean %1</source>
        <extracomment>The footer&apos;s main button; %1: the selected size</extracomment>
        <translation>Clean %1</translation>
    </message>
    <message>
        <source>Large files</source>
        <extracomment>Caption: how many large files were found</extracomment>
        <translation>Large files</translation>
    </message>
    <message numerus="yes">
        <source>and %Ln more item(s)</source>
        <extracomment>Below the items shown of a category</extracomment>
        <translation>
            <numerusform>and %Ln more item</numerusform>
            <numerusform>and %Ln more items</numerusform>
        </translation>
    </message>
    <message>
        <source>Check again</source>
        <extracomment>Button beside a note: read the settings file again</extracomment>
        <translation>Check again</translation>
    </message>
    <message>
        <source>Partly cleaned</source>
        <extracomment>Heading once a cleanup left part of the selection</extracomment>
        <translation>Partly cleaned</translation>
    </message>
    <message>
        <source>Nothing was cleaned</source>
        <extracomment>Heading once a cleanup removed nothing</extracomment>
        <translation>Nothing was cleaned</translation>
    </message>
    <message>
        <source>None of the %1 selected could be cleaned.</source>
        <extracomment>%1: a size</extracomment>
        <translation>None of the %1 selected could be cleaned.</translation>
    </message>
    <message>
        <source>No app could open %1</source>
        <extracomment>%1: a file or folder</extracomment>
        <translation>No app could open %1</translation>
    </message>
    <message>
        <source>Scan again to see what can be cleaned.</source>
        <translation>Scan again to see what can be cleaned.</translation>
    </message>
    <message>
        <source>Measuring…</source>
        <extracomment>In place of a category&apos;s item count while its size is measured</extracomment>
        <translation>Measuring…</translation>
    </message>
    <message>
        <source>%1 of it needs administrator rights.</source>
        <extracomment>%1: a size</extracomment>
        <translation>%1 of it needs administrator rights.</translation>
    </message>
    <message>
        <source>freed</source>
        <comment>what the figure of a finished cleanup is</comment>
        <translation>freed</translation>
    </message>
    <message>
        <source>of %1 selected · %2</source>
        <extracomment>Under the cleaned size; %1: the selected size; %2: what became of it, e.g. &quot;freed&quot;</extracomment>
        <translation>of %1 selected · %2</translation>
    </message>
    <message>
        <source>Restore all</source>
        <extracomment>Button: put back everything the cleanup moved to the bin</extracomment>
        <translation>Restore all</translation>
    </message>
    <message>
        <source>Restoring…</source>
        <extracomment>The Restore all button while the files go back</extracomment>
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
        <extracomment>Button: clean again what was skipped</extracomment>
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
        <source>This cleanup wrote no log; its folder is open instead.</source>
        <translation>This cleanup wrote no log; its folder is open instead.</translation>
    </message>
    <message>
        <source>Varnholt did not restart: administrator rights were refused or could not be asked for.</source>
        <translation>Varnholt did not restart: administrator rights were refused or could not be asked for.</translation>
    </message>
    <message>
        <source>Put everything this cleanup moved to the Recycle Bin back where it was</source>
        <translation>Put everything this cleanup moved to the Recycle Bin back where it was</translation>
    </message>
    <message>
        <source>Put everything this cleanup moved to the Trash back where it was</source>
        <translation>Put everything this cleanup moved to the Trash back where it was</translation>
    </message>
    <message>
        <source>freed or moved to the Recycle Bin</source>
        <comment>what the figure of a finished cleanup is</comment>
        <translation>freed or moved to the Recycle Bin</translation>
    </message>
    <message>
        <source>freed or moved to the Trash</source>
        <comment>what the figure of a finished cleanup is</comment>
        <translation>freed or moved to the Trash</translation>
    </message>
    <message>
        <source>moved to the Recycle Bin</source>
        <comment>what the figure of a finished cleanup is</comment>
        <translation>moved to the Recycle Bin</translation>
    </message>
    <message>
        <source>moved to the Trash</source>
        <comment>what the figure of a finished cleanup is</comment>
        <translation>moved to the Trash</translation>
    </message>
    <message numerus="yes">
        <source>&lt;b&gt;%Ln item(s) could not be moved to the Recycle Bin&lt;/b&gt; and were left where they are.</source>
        <translation>
            <numerusform>&lt;b&gt;%Ln item could not be moved to the Recycle Bin&lt;/b&gt; and was left where it is.</numerusform>
            <numerusform>&lt;b&gt;%Ln items could not be moved to the Recycle Bin&lt;/b&gt; and were left where they are.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>&lt;b&gt;%Ln item(s) could not be moved to the Trash&lt;/b&gt; and were left where they are.</source>
        <translation>
            <numerusform>&lt;b&gt;%Ln item could not be moved to the Trash&lt;/b&gt; and was left where it is.</numerusform>
            <numerusform>&lt;b&gt;%Ln items could not be moved to the Trash&lt;/b&gt; and were left where they are.</numerusform>
        </translation>
    </message>
    <message>
        <source>Some items were moved to the Recycle Bin and the rest deleted permanently. You can still restore what was moved.</source>
        <translation>Some items were moved to the Recycle Bin and the rest deleted permanently. You can still restore what was moved.</translation>
    </message>
    <message>
        <source>Some items were moved to the Trash and the rest deleted permanently. You can still restore what was moved.</source>
        <translation>Some items were moved to the Trash and the rest deleted permanently. You can still restore what was moved.</translation>
    </message>
    <message>
        <source>Moved to the Recycle Bin. You can still restore anything.</source>
        <translation>Moved to the Recycle Bin. You can still restore anything.</translation>
    </message>
    <message>
        <source>Moved to the Trash. You can still restore anything.</source>
        <translation>Moved to the Trash. You can still restore anything.</translation>
    </message>
    <message>
        <source>The log %1 is gone; its folder is open instead.</source>
        <comment>%1: a path</comment>
        <translation>The log %1 is gone; its folder is open instead.</translation>
    </message>
    <message>
        <source>The File Explorer could not show %1</source>
        <comment>%1: a path</comment>
        <translation>The File Explorer could not show %1</translation>
    </message>
    <message>
        <source>The File Manager could not show %1</source>
        <comment>%1: a path</comment>
        <translation>The File Manager could not show %1</translation>
    </message>
    <message numerus="yes">
        <source>%Ln item(s)</source>
        <comment>on a category&apos;s card</comment>
        <translation>
            <numerusform>%Ln item</numerusform>
            <numerusform>%Ln items</numerusform>
        </translation>
    </message>
    <message>
        <source>Show in File Explorer</source>
        <extracomment>Link beside a category&apos;s largest items; opens File Explorer there</extracomment>
        <translation>Show in File Explorer</translation>
    </message>
    <message>
        <source>Show in File Manager</source>
        <extracomment>Link beside a category&apos;s largest items; opens the file manager there</extracomment>
        <translation>Show in File Manager</translation>
    </message>
    <message>
        <source>No Recycle Bin on this drive</source>
        <translation>No Recycle Bin on this drive</translation>
    </message>
    <message>
        <source>No Trash on this drive</source>
        <translation>No Trash on this drive</translation>
    </message>
    <message>
        <source>Cannot go to the Recycle Bin</source>
        <translation>Cannot go to the Recycle Bin</translation>
    </message>
    <message>
        <source>Cannot go to the Trash</source>
        <translation>Cannot go to the Trash</translation>
    </message>
    <message>
        <source>moved to the Recycle Bin</source>
        <extracomment>Tooltip of the Clean button: where the selection goes</extracomment>
        <translation>moved to the Recycle Bin</translation>
    </message>
    <message>
        <source>moved to the Trash</source>
        <extracomment>Tooltip of the Clean button: where the selection goes</extracomment>
        <translation>moved to the Trash</translation>
    </message>
    <message>
        <source>&lt;b style=&apos;color:%1&apos;&gt;%2&lt;/b&gt; selected · some need admin</source>
        <comment>%1: style, keep as is; %2: a size</comment>
        <translation>&lt;b style=&apos;color:%1&apos;&gt;%2&lt;/b&gt; selected · some need admin</translation>
    </message>
    <message>
        <source>&lt;b style=&apos;color:%1&apos;&gt;%2&lt;/b&gt; selected</source>
        <comment>%1: style, keep as is; %2: a size</comment>
        <translation>&lt;b style=&apos;color:%1&apos;&gt;%2&lt;/b&gt; selected</translation>
    </message>
    <message>
        <source>Your settings in %1 cannot be read, so your exclusions and your choice between the Recycle Bin and deleting are unknown. Cleaning stays off until the file can be read again.</source>
        <comment>%1: the settings file</comment>
        <translation>Your settings in %1 cannot be read, so your exclusions and your choice between the Recycle Bin and deleting are unknown. Cleaning stays off until the file can be read again.</translation>
    </message>
    <message>
        <source>Your settings in %1 cannot be read, so your exclusions and your choice between the Trash and deleting are unknown. Cleaning stays off until the file can be read again.</source>
        <comment>%1: the settings file</comment>
        <translation>Your settings in %1 cannot be read, so your exclusions and your choice between the Trash and deleting are unknown. Cleaning stays off until the file can be read again.</translation>
    </message>
    <message numerus="yes">
        <source>&lt;b&gt;%Ln file(s) skipped&lt;/b&gt;. The log says why for each one.</source>
        <translation>
            <numerusform>&lt;b&gt;%Ln file skipped&lt;/b&gt;. The log says why.</numerusform>
            <numerusform>&lt;b&gt;%Ln files skipped&lt;/b&gt;. The log says why for each one.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Cli</name>
    <message>
        <source>Cannot read the catalogue file %1: %2</source>
        <extracomment>%1: a file&apos;s path; %2: the system&apos;s reason</extracomment>
        <translation>Cannot read the catalogue file %1: %2</translation>
    </message>
    <message>
        <source>The catalogue file %1 is not valid JSON: %2</source>
        <extracomment>%1: a file&apos;s path; %2: what the JSON reader says</extracomment>
        <translation>The catalogue file %1 is not valid JSON: %2</translation>
    </message>
    <message>
        <source>The catalogue file %1 is not usable: %2</source>
        <extracomment>%1: a file&apos;s path; %2: one of the reasons below</extracomment>
        <translation>The catalogue file %1 is not usable: %2</translation>
    </message>
    <message>
        <source>a category has no id</source>
        <translation>a category has no id</translation>
    </message>
    <message>
        <source>the id &quot;%1&quot; appears twice</source>
        <extracomment>%1: a category id</extracomment>
        <translation>the id &quot;%1&quot; appears twice</translation>
    </message>
    <message>
        <source>the risk of &quot;%1&quot; is not Safe, Review or Permanent</source>
        <extracomment>%1: a category id; Safe, Review and Permanent are keys of the file, keep them</extracomment>
        <translation>the risk of &quot;%1&quot; is not Safe, Review or Permanent</translation>
    </message>
    <message>
        <source>a root of &quot;%1&quot; is not an absolute path</source>
        <extracomment>%1: a category id</extracomment>
        <translation>a root of &quot;%1&quot; is not an absolute path</translation>
    </message>
    <message>
        <source>it lists no categories</source>
        <translation>it lists no categories</translation>
    </message>
    <message>
        <source>Interrupted.</source>
        <extracomment>Printed when Ctrl+C stopped the command</extracomment>
        <translation>Interrupted.</translation>
    </message>
    <message>
        <source>Category</source>
        <extracomment>Column heading of the scan table</extracomment>
        <translation>Category</translation>
    </message>
    <message>
        <source>Risk</source>
        <extracomment>Column heading of the scan table: Safe, Review or Permanent</extracomment>
        <translation>Risk</translation>
    </message>
    <message>
        <source>Size</source>
        <extracomment>Column heading</extracomment>
        <translation>Size</translation>
    </message>
    <message>
        <source>Files</source>
        <extracomment>Column heading: a number of files</extracomment>
        <translation>Files</translation>
    </message>
    <message>
        <source>Items</source>
        <extracomment>Column heading: a number of items (folders or files)</extracomment>
        <translation>Items</translation>
    </message>
    <message>
        <source>(%1 is running)</source>
        <extracomment>After an item of the scan table; %1: an app&apos;s name</extracomment>
        <translation>(%1 is running)</translation>
    </message>
    <message>
        <source>… %1 more (--json lists all)</source>
        <extracomment>%1: a number of items not printed</extracomment>
        <translation>… %1 more (--json lists all)</translation>
    </message>
    <message>
        <source>Some folders of %1 could not be read.</source>
        <extracomment>%1: a category</extracomment>
        <translation>Some folders of %1 could not be read.</translation>
    </message>
    <message>
        <source>Keeping %1 as a whole: %2 lies inside it.</source>
        <extracomment>%1: a folder; %2: the file or folder that keeps it</extracomment>
        <translation>Keeping %1 as a whole: %2 lies inside it.</translation>
    </message>
    <message>
        <source>Cleaned: %1</source>
        <extracomment>%1: a list of categories</extracomment>
        <translation>Cleaned: %1</translation>
    </message>
    <message>
        <source>Left alone because they are running: %1</source>
        <extracomment>%1: a list of app names</extracomment>
        <translation>Left alone because they are running: %1</translation>
    </message>
    <message>
        <source>Some items need administrator rights.</source>
        <translation>Some items need administrator rights.</translation>
    </message>
    <message>
        <source>Log: %1</source>
        <extracomment>%1: the path of the log file</extracomment>
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
        <extracomment>Progress line; %1: the size cleaned; %2: the total; %3: the category</extracomment>
        <translation>Cleaning %1 of %2 · %3</translation>
    </message>
    <message>
        <source>The search for large files did not complete.</source>
        <translation>The search for large files did not complete.</translation>
    </message>
    <message>
        <source>Kind</source>
        <extracomment>Column heading of the large-file table: Video, Archive, …</extracomment>
        <translation>Kind</translation>
    </message>
    <message>
        <source>Last used</source>
        <extracomment>Column heading of the large-file table: a date</extracomment>
        <translation>Last used</translation>
    </message>
    <message>
        <source>Path</source>
        <extracomment>Column heading</extracomment>
        <translation>Path</translation>
    </message>
    <message numerus="yes">
        <source>%n large file(s)</source>
        <extracomment>Below the large-file table</extracomment>
        <translation>
            <numerusform>%n large file</numerusform>
            <numerusform>%n large files</numerusform>
        </translation>
    </message>
    <message>
        <source>Cannot read %1.</source>
        <extracomment>%1: a file&apos;s path</extracomment>
        <translation>Cannot read %1.</translation>
    </message>
    <message>
        <source>Newest</source>
        <extracomment>Column heading of the history table: the latest record</extracomment>
        <translation>Newest</translation>
    </message>
    <message>
        <source>Time</source>
        <extracomment>Column heading of the timing table</extracomment>
        <translation>Time</translation>
    </message>
    <message>
        <source>%1 ms</source>
        <extracomment>%1: a number of milliseconds</extracomment>
        <translation>%1 ms</translation>
    </message>
    <message>
        <source>Run &quot;varnholt-cli --help&quot; for the usage.</source>
        <translation>Run &quot;varnholt-cli --help&quot; for the usage.</translation>
    </message>
    <message>
        <source>No command given.</source>
        <extracomment>Error when varnholt-cli ran without a command</extracomment>
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
        <extracomment>%1: what was typed; %2: the command</extracomment>
        <translation>Unexpected argument &quot;%1&quot; for %2.</translation>
    </message>
    <message>
        <source>measure takes exactly one PATH.</source>
        <translation>measure takes exactly one PATH.</translation>
    </message>
    <message>
        <source>none</source>
        <extracomment>Stands for an empty list of options</extracomment>
        <translation>none</translation>
    </message>
    <message>
        <source>Unknown option &quot;%1&quot; for %2. Options of %2: %3.</source>
        <extracomment>%1: what was typed; %2: the command; %3: its options</extracomment>
        <translation>Unknown option &quot;%1&quot; for %2. Options of %2: %3.</translation>
    </message>
    <message>
        <source>%1 needs a value.</source>
        <extracomment>%1: an option, e.g. --threshold-mb</extracomment>
        <translation>%1 needs a value.</translation>
    </message>
    <message>
        <source>%1 takes no value.</source>
        <extracomment>%1: an option, e.g. --json</extracomment>
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
        <extracomment>%1: what was typed</extracomment>
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
        <extracomment>%1: what was typed; %2: the list of category ids</extracomment>
        <translation>Unknown category %1. Categories: %2.</translation>
    </message>
    <message>
        <source>a flag of &quot;%1&quot; is not true or false</source>
        <extracomment>%1: a category id; true and false are words of the file, keep them</extracomment>
        <translation>a flag of &quot;%1&quot; is not true or false</translation>
    </message>
    <message>
        <source>the patterns of a root of &quot;%1&quot; are not a list of names</source>
        <extracomment>%1: a category id</extracomment>
        <translation>the patterns of a root of &quot;%1&quot; are not a list of names</translation>
    </message>
    <message>
        <source>the minAgeMs of a root of &quot;%1&quot; is not a whole number of milliseconds from 0 to 100 years</source>
        <extracomment>%1: a category id; minAgeMs is a key of the file, keep it</extracomment>
        <translation>the minAgeMs of a root of &quot;%1&quot; is not a whole number of milliseconds from 0 to 100 years</translation>
    </message>
    <message>
        <source>Warning: cannot read the settings file %1; this run may not use your settings.</source>
        <extracomment>%1: a file&apos;s path</extracomment>
        <translation>Warning: cannot read the settings file %1; this run may not use your settings.</translation>
    </message>
    <message>
        <source>Cannot read the settings file %1, so your exclusions and your choice between the trash and deleting are unknown. Nothing was cleaned: fix or remove that file first.</source>
        <extracomment>%1: a file&apos;s path</extracomment>
        <translation>Cannot read the settings file %1, so your exclusions and your choice between the trash and deleting are unknown. Nothing was cleaned: fix or remove that file first.</translation>
    </message>
    <message>
        <source>Nothing was cleaned.</source>
        <extracomment>Printed when a cleanup removed nothing</extracomment>
        <translation>Nothing was cleaned.</translation>
    </message>
    <message>
        <source>Action</source>
        <extracomment>Column heading of the --dry-run table: what would happen to the path</extracomment>
        <translation>Action</translation>
    </message>
    <message>
        <source>Would stay:</source>
        <extracomment>Heading over the paths --dry-run would keep</extracomment>
        <translation>Would stay:</translation>
    </message>
    <message numerus="yes">
        <source>Preview only, nothing was removed: %n path(s) would go, %1.</source>
        <extracomment>&quot;would go&quot;: would be removed; %1: their size</extracomment>
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
        <extracomment>%1: a number of days</extracomment>
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
        <extracomment>%1: a date</extracomment>
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
        <extracomment>%1: what was typed; %2: the list of commands</extracomment>
        <translation>Unknown command &quot;%1&quot;. Commands: %2.</translation>
    </message>
    <message numerus="yes">
        <source>In use by %1 (PID %2): %n file(s)</source>
        <extracomment>%1: a program&apos;s name; %2: its process number</extracomment>
        <translation>
            <numerusform>In use by %1 (PID %2): %n file</numerusform>
            <numerusform>In use by %1 (PID %2): %n files</numerusform>
        </translation>
    </message>
    <message>
        <source>Kept because something in them changed since the scan: %1</source>
        <extracomment>%1: a list of paths</extracomment>
        <translation>Kept because something in them changed since the scan: %1</translation>
    </message>
    <message>
        <source>As root, the catalogue file %1 is used only when it and every folder above it belong to root and no one else may change them.</source>
        <extracomment>%1: a file&apos;s path</extracomment>
        <translation>As root, the catalogue file %1 is used only when it and every folder above it belong to root and no one else may change them.</translation>
    </message>
    <message>
        <source>As root, Varnholt works in root&apos;s own folders (%1) and ignores %2: another user can change where they lead.</source>
        <extracomment>%1: a list of folders; %2: the environment variables ignored</extracomment>
        <translation>As root, Varnholt works in root&apos;s own folders (%1) and ignores %2: another user can change where they lead.</translation>
    </message>
    <message numerus="yes">
        <source>… and %n more</source>
        <extracomment>Below the skipped paths printed</extracomment>
        <translation>
            <numerusform>… and %n more</numerusform>
            <numerusform>… and %n more</numerusform>
        </translation>
    </message>
    <message>
        <source>Cannot read the settings file %1, so your exclusions and your choice between the Recycle Bin and deleting are unknown. Nothing was cleaned: fix or remove that file first.</source>
        <extracomment>%1: a file&apos;s path</extracomment>
        <translation>Cannot read the settings file %1, so your exclusions and your choice between the Recycle Bin and deleting are unknown. Nothing was cleaned: fix or remove that file first.</translation>
    </message>
    <message numerus="yes">
        <source>No forecast yet: the free space has been recorded %n time(s) (the Varnholt app records it when it starts); a forecast needs at least %1.</source>
        <extracomment>%1: a number of records</extracomment>
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
    <message numerus="yes">
        <source>Scanning %1 · %2 · %Ln file(s) · %3</source>
        <extracomment>Progress line; %1: a category; %2: the size found; %3: a folder</extracomment>
        <translation>
            <numerusform>Scanning %1 · %2 · %Ln file · %3</numerusform>
            <numerusform>Scanning %1 · %2 · %Ln files · %3</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 found · %Ln file(s) checked · %2 s</source>
        <comment>%1: a size; %2: seconds</comment>
        <translation>
            <numerusform>%1 found · %Ln file checked · %2 s</numerusform>
            <numerusform>%1 found · %Ln files checked · %2 s</numerusform>
        </translation>
    </message>
    <message>
        <source>move to Recycle Bin</source>
        <extracomment>The Action column of --dry-run&apos;s table: to the Recycle Bin</extracomment>
        <translation>move to Recycle Bin</translation>
    </message>
    <message>
        <source>move to Trash</source>
        <extracomment>The Action column of --dry-run&apos;s table: to the Trash</extracomment>
        <translation>move to Trash</translation>
    </message>
    <message>
        <source>delete</source>
        <comment>the Action column of --dry-run&apos;s table: the file is deleted for good</comment>
        <translation>delete</translation>
    </message>
    <message>
        <source>Moved %1 to the Recycle Bin</source>
        <comment>%1: a size</comment>
        <translation>Moved %1 to the Recycle Bin</translation>
    </message>
    <message>
        <source>Moved %1 to the Trash</source>
        <comment>%1: a size</comment>
        <translation>Moved %1 to the Trash</translation>
    </message>
    <message>
        <source>freed %1</source>
        <comment>follows what was moved to the bin; %1: a size</comment>
        <translation>freed %1</translation>
    </message>
    <message>
        <source>Freed %1</source>
        <comment>%1: a size</comment>
        <translation>Freed %1</translation>
    </message>
    <message numerus="yes">
        <source>%n file(s) removed</source>
        <extracomment>Clause of the line that sums up a cleanup</extracomment>
        <translation>
            <numerusform>%n file removed</numerusform>
            <numerusform>%n files removed</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln skipped</source>
        <comment>a number of files and folders left alone</comment>
        <translation>
            <numerusform>%Ln skipped</numerusform>
            <numerusform>%Ln skipped</numerusform>
        </translation>
    </message>
    <message>
        <source> · </source>
        <extracomment>Between the clauses of the line that sums up a cleanup</extracomment>
        <translation> · </translation>
    </message>
    <message>
        <source>Could not be moved to the Recycle Bin, left where they are:</source>
        <translation>Could not be moved to the Recycle Bin, left where they are:</translation>
    </message>
    <message>
        <source>Could not be moved to the Trash, left where they are:</source>
        <translation>Could not be moved to the Trash, left where they are:</translation>
    </message>
    <message>
        <source>--skip-item %1 names no item of the categories given.</source>
        <comment>%1: the path given</comment>
        <translation>--skip-item %1 names no item of the categories given.</translation>
    </message>
    <message numerus="yes">
        <source>%Ln file(s) checked · %1 found (%2) · %3</source>
        <extracomment>Progress line; %1: the number of large files found; %2: their size; %3: a folder</extracomment>
        <translation>
            <numerusform>%Ln file checked · %1 found (%2) · %3</numerusform>
            <numerusform>%Ln files checked · %1 found (%2) · %3</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Recorded the sizes of %n folder(s) in %1 (%2 in all).</source>
        <translation>
            <numerusform>Recorded the size of %n folder in %1 (%2 in all).</numerusform>
            <numerusform>Recorded the sizes of %n folders in %1 (%2 in all).</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n reading(s) of folder sizes kept.</source>
        <translation>
            <numerusform>%n reading of folder sizes kept.</numerusform>
            <numerusform>%n readings of folder sizes kept.</numerusform>
        </translation>
    </message>
    <message>
        <source>The reading of folder sizes did not complete.</source>
        <translation>The reading of folder sizes did not complete.</translation>
    </message>
    <message numerus="yes">
        <source>Nothing to compare yet: %n reading(s) of folder sizes so far, and a comparison needs two. The Varnholt app takes one a day while its history of folder sizes is on; &quot;varnholt-cli grew --record&quot; takes one now.</source>
        <translation>
            <numerusform>Nothing to compare yet: %n reading of folder sizes so far, and a comparison needs two. The Varnholt app takes one a day while its history of folder sizes is on; &quot;varnholt-cli grew --record&quot; takes one now.</numerusform>
            <numerusform>Nothing to compare yet: %n readings of folder sizes so far, and a comparison needs two. The Varnholt app takes one a day while its history of folder sizes is on; &quot;varnholt-cli grew --record&quot; takes one now.</numerusform>
        </translation>
    </message>
    <message>
        <source>Changes in %1 between %2 and %3:</source>
        <translation>Changes in %1 between %2 and %3:</translation>
    </message>
    <message>
        <source>No folder changed by %1 or more.</source>
        <translation>No folder changed by %1 or more.</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>Change</translation>
    </message>
    <message>
        <source>Then</source>
        <translation>Then</translation>
    </message>
    <message>
        <source>Now</source>
        <translation>Now</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>Folder</translation>
    </message>
    <message numerus="yes">
        <source>and %n more (--json lists them all)</source>
        <translation>
            <numerusform>and %n more (--json lists them all)</numerusform>
            <numerusform>and %n more (--json lists them all)</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: clean it with: %2</source>
        <translation>%1: clean it with: %2</translation>
    </message>
    <message>
        <source>In all: %1 then, %2 now (%3).</source>
        <translation>In all: %1 then, %2 now (%3).</translation>
    </message>
    <message>
        <source>--since needs an age such as 7d, 2w or 12h, not &quot;%1&quot;.</source>
        <translation>--since needs an age such as 7d, 2w or 12h, not &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>Choose either --record or --since, not both.</source>
        <translation>Choose either --record or --since, not both.</translation>
    </message>
    <message>
        <source>the folders that grew or shrank most since an earlier reading</source>
        <translation>the folders that grew or shrank most since an earlier reading</translation>
    </message>
    <message>
        <source>grew: compare with about AGE ago: 7d, 2w, 12h (default 7d)</source>
        <translation>grew: compare with about AGE ago: 7d, 2w, 12h (default 7d)</translation>
    </message>
    <message>
        <source>grew: take a reading of the folder sizes now</source>
        <translation>grew: take a reading of the folder sizes now</translation>
    </message>
    <message>
        <source>No cleanup has moved anything to the Recycle Bin; there is nothing to restore.</source>
        <translation>No cleanup has moved anything to the Recycle Bin; there is nothing to restore.</translation>
    </message>
    <message>
        <source>No cleanup has moved anything to the Trash; there is nothing to restore.</source>
        <translation>No cleanup has moved anything to the Trash; there is nothing to restore.</translation>
    </message>
    <message>
        <source>Skipped (the log gives each reason):</source>
        <extracomment>Heading over paths a cleanup left alone, for reasons of several kinds</extracomment>
        <translation>Skipped (the log gives each reason):</translation>
    </message>
    <message>
        <source>That cleanup moved nothing to the Recycle Bin; there is nothing to restore.</source>
        <translation>That cleanup moved nothing to the Recycle Bin; there is nothing to restore.</translation>
    </message>
    <message>
        <source>That cleanup moved nothing to the Trash; there is nothing to restore.</source>
        <translation>That cleanup moved nothing to the Trash; there is nothing to restore.</translation>
    </message>
</context>
<context>
    <name>LargeFileKind</name>
    <message>
        <source>Disk image</source>
        <extracomment>Kind of large file (the Space Map&apos;s Kind column)</extracomment>
        <translation>Disk image</translation>
    </message>
    <message>
        <source>Partial download</source>
        <extracomment>Kind of large file (the Space Map&apos;s Kind column)</extracomment>
        <translation>Partial download</translation>
    </message>
    <message>
        <source>Video</source>
        <extracomment>Kind of large file (the Space Map&apos;s Kind column)</extracomment>
        <translation>Video</translation>
    </message>
    <message>
        <source>Archive</source>
        <extracomment>Kind of large file (the Space Map&apos;s Kind column)</extracomment>
        <translation>Archive</translation>
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
        <translation>Image</translation>
    </message>
    <message>
        <source>Document</source>
        <extracomment>Kind of large file (the Space Map&apos;s Kind column)</extracomment>
        <translation>Document</translation>
    </message>
    <message>
        <source>Backup</source>
        <extracomment>Kind of large file (the Space Map&apos;s Kind column)</extracomment>
        <translation>Backup</translation>
    </message>
    <message>
        <source>File</source>
        <extracomment>Kind of large file (the Space Map&apos;s Kind column)</extracomment>
        <translation>File</translation>
    </message>
</context>
<context>
    <name>LargeFilesPage</name>
    <message>
        <source>Space Map</source>
        <extracomment>Title of the page that maps where disk space goes (not a geographic map)</extracomment>
        <translation>Space Map</translation>
    </message>
    <message>
        <source>Rescan</source>
        <extracomment>Button in the Space Map&apos;s header: look for large files again</extracomment>
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
        <extracomment>Heading while the search for large files runs</extracomment>
        <translation>Find large files</translation>
    </message>
    <message>
        <source>Largest so far</source>
        <extracomment>Heading over the biggest files found while the search runs</extracomment>
        <translation>Largest so far</translation>
    </message>
    <message>
        <source>Looking for large files…</source>
        <translation>Looking for large files…</translation>
    </message>
    <message>
        <source>All</source>
        <extracomment>Filter of the large-file list: every file</extracomment>
        <translation>All</translation>
    </message>
    <message>
        <source>Unused %1+ months</source>
        <extracomment>Filter of the large-file list; %1: a number of months</extracomment>
        <translation>Unused %1+ months</translation>
    </message>
    <message>
        <source>Downloads</source>
        <extracomment>Filter of the large-file list: files in the Downloads folder</extracomment>
        <translation>Downloads</translation>
    </message>
    <message>
        <source>Search files</source>
        <extracomment>Placeholder of the search field</extracomment>
        <translation>Search files</translation>
    </message>
    <message>
        <source>Home folder · over %1</source>
        <extracomment>Eyebrow of the Space Map: where it looks and above which size; %1: a size</extracomment>
        <translation>Home folder · over %1</translation>
    </message>
    <message numerus="yes">
        <source>&lt;b style=&apos;color:%1&apos;&gt;%2&lt;/b&gt; selected of %3 · %Ln file(s)</source>
        <extracomment>The footer&apos;s summary; %1: style, keep as is; %2: the checked size; %3: the total size</extracomment>
        <translation>
            <numerusform>&lt;b style=&apos;color:%1&apos;&gt;%2&lt;/b&gt; selected of %3 · %Ln file</numerusform>
            <numerusform>&lt;b style=&apos;color:%1&apos;&gt;%2&lt;/b&gt; selected of %3 · %Ln files</numerusform>
        </translation>
    </message>
    <message>
        <source>Stop</source>
        <extracomment>Button in the Space Map&apos;s header: stop the search for large files</extracomment>
        <translation>Stop</translation>
    </message>
    <message>
        <source>No files match “%1”.</source>
        <extracomment>%1: what was typed in the search field</extracomment>
        <translation>No files match “%1”.</translation>
    </message>
    <message>
        <source>No files in this view.</source>
        <translation>No files in this view.</translation>
    </message>
    <message>
        <source>No files over %1 in your home folder.</source>
        <extracomment>%1: a size</extracomment>
        <translation>No files over %1 in your home folder.</translation>
    </message>
    <message>
        <source>Files to show</source>
        <extracomment>Accessible name of the row of filters</extracomment>
        <translation>Files to show</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>Up</translation>
    </message>
    <message>
        <source>Change since</source>
        <translation>Change since</translation>
    </message>
    <message>
        <source>Folders by change</source>
        <translation>Folders by change</translation>
    </message>
    <message>
        <source>Folders</source>
        <translation>Folders</translation>
    </message>
    <message>
        <source>The history of folder sizes is off. Turn it on in Settings to see what grew.</source>
        <translation>The history of folder sizes is off. Turn it on in Settings to see what grew.</translation>
    </message>
    <message>
        <source>Varnholt notes how big your folders are once a day. The first comparison is ready after two readings.</source>
        <translation>Varnholt notes how big your folders are once a day. The first comparison is ready after two readings.</translation>
    </message>
    <message>
        <source>Name</source>
        <extracomment>Column title of the Space Map&apos;s list (shown upper-cased): the file&apos;s name</extracomment>
        <translation>Name</translation>
    </message>
    <message>
        <source>Kind</source>
        <extracomment>Column title (shown upper-cased): Video, Archive, …</extracomment>
        <translation>Kind</translation>
    </message>
    <message>
        <source>Last opened</source>
        <extracomment>Column title (shown upper-cased) over relative dates such as &quot;3 months ago&quot;</extracomment>
        <translation>Last opened</translation>
    </message>
    <message>
        <source>Size</source>
        <extracomment>Column title (shown upper-cased): the file&apos;s size</extracomment>
        <translation>Size</translation>
    </message>
    <message>
        <source>Grew</source>
        <extracomment>View of the Space Map: the folders coloured by how much they grew since an earlier reading</extracomment>
        <translation>Grew</translation>
    </message>
    <message>
        <source>Clear search</source>
        <comment>button in the search field that empties it</comment>
        <translation>Clear search</translation>
    </message>
    <message>
        <source>Show in File Explorer</source>
        <extracomment>Button in the Space Map&apos;s footer; opens File Explorer at the checked file</extracomment>
        <translation>Show in File Explorer</translation>
    </message>
    <message>
        <source>Show in File Manager</source>
        <extracomment>Button in the Space Map&apos;s footer; opens the file manager at the checked file</extracomment>
        <translation>Show in File Manager</translation>
    </message>
    <message>
        <source>Move to Recycle Bin</source>
        <extracomment>Button in the Space Map&apos;s footer; moves the checked files to the Recycle Bin</extracomment>
        <translation>Move to Recycle Bin</translation>
    </message>
    <message>
        <source>Move to Trash</source>
        <extracomment>Button in the Space Map&apos;s footer; moves the checked files to the Trash</extracomment>
        <translation>Move to Trash</translation>
    </message>
    <message>
        <source>The File Explorer could not show %1</source>
        <comment>%1: a path</comment>
        <translation>The File Explorer could not show %1</translation>
    </message>
    <message>
        <source>The File Manager could not show %1</source>
        <comment>%1: a path</comment>
        <translation>The File Manager could not show %1</translation>
    </message>
</context>
<context>
    <name>Main</name>
    <message>
        <source>%1 is almost full. Run Smart Scan to free up space.</source>
        <extracomment>Notification; %1: a drive</extracomment>
        <translation>%1 is almost full. Run Smart Scan to free up space.</translation>
    </message>
    <message>
        <source>Varnholt was updated to version %1.</source>
        <extracomment>%1: a version number</extracomment>
        <translation>Varnholt was updated to version %1.</translation>
    </message>
    <message numerus="yes">
        <source>%1 is filling up: at this rate it is full in about %n day(s). Run Smart Scan to free up space.</source>
        <extracomment>Notification; %1: a drive</extracomment>
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
        <extracomment>Link in the About dialog</extracomment>
        <translation>Varnholt Website</translation>
    </message>
    <message>
        <source>Settings</source>
        <extracomment>Entry of the app menu: open the Settings page</extracomment>
        <translation>Settings</translation>
    </message>
    <message>
        <source>Check for Updates</source>
        <extracomment>Entry of the app menu</extracomment>
        <translation>Check for Updates</translation>
    </message>
    <message>
        <source>Help</source>
        <extracomment>Submenu of the app menu</extracomment>
        <translation>Help</translation>
    </message>
    <message>
        <source>Guide</source>
        <extracomment>Entry of the Help menu: the user guide on the website</extracomment>
        <translation>Guide</translation>
    </message>
    <message>
        <source>FAQ</source>
        <extracomment>Entry of the Help menu: frequently asked questions</extracomment>
        <translation>FAQ</translation>
    </message>
    <message>
        <source>Open Log Folder</source>
        <extracomment>Entry of the app menu</extracomment>
        <translation>Open Log Folder</translation>
    </message>
    <message>
        <source>About Varnholt</source>
        <extracomment>Entry of the app menu</extracomment>
        <translation>About Varnholt</translation>
    </message>
    <message>
        <source>Quit Varnholt</source>
        <extracomment>Entry of the app menu</extracomment>
        <translation>Quit Varnholt</translation>
    </message>
    <message>
        <source>The log folder %1 could not be created.</source>
        <extracomment>%1: a folder</extracomment>
        <translation>The log folder %1 could not be created.</translation>
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
        <translation>Finds the space your computer can spare.</translation>
    </message>
    <message>
        <source>Close</source>
        <extracomment>Button that closes a dialog</extracomment>
        <translation>Close</translation>
    </message>
    <message>
        <source>Cancel</source>
        <extracomment>Button that closes a dialog without doing anything</extracomment>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Undo</source>
        <extracomment>Button in a notification: take the last action back</extracomment>
        <translation>Undo</translation>
    </message>
    <message>
        <source>Keep Varnholt running?</source>
        <extracomment>Title of the dialog shown when the window is closed</extracomment>
        <translation>Keep Varnholt running?</translation>
    </message>
    <message>
        <source>Remember my choice</source>
        <extracomment>Check box of the close dialog</extracomment>
        <translation>Remember my choice</translation>
    </message>
    <message>
        <source>You can change this in Settings.</source>
        <translation>You can change this in Settings.</translation>
    </message>
    <message>
        <source>Keep in tray</source>
        <extracomment>Button of the close dialog: hide the window, keep the tray icon</extracomment>
        <translation>Keep in tray</translation>
    </message>
    <message>
        <source>Quit</source>
        <extracomment>Button of the close dialog: end the program</extracomment>
        <translation>Quit</translation>
    </message>
    <message>
        <source>Clean %1?</source>
        <extracomment>Title of the confirmation; %1: a size</extracomment>
        <translation>Clean %1?</translation>
    </message>
    <message>
        <source>Permanent delete is on. These files can&apos;t be recovered.</source>
        <translation>Permanent delete is on. These files can&apos;t be recovered.</translation>
    </message>
    <message>
        <source>What&apos;s new</source>
        <extracomment>Heading over the release notes of an update</extracomment>
        <translation>What&apos;s new</translation>
    </message>
    <message>
        <source>Retry</source>
        <extracomment>Button of the update dialog after a failure</extracomment>
        <translation>Retry</translation>
    </message>
    <message>
        <source>Update now</source>
        <extracomment>Button of the update dialog</extracomment>
        <translation>Update now</translation>
    </message>
    <message>
        <source>Varnholt is up to date</source>
        <translation>Varnholt is up to date</translation>
    </message>
    <message>
        <source>Version %1 is the latest version.</source>
        <extracomment>%1: a version number</extracomment>
        <translation>Version %1 is the latest version.</translation>
    </message>
    <message>
        <source>An update is available</source>
        <translation>An update is available</translation>
    </message>
    <message>
        <source>Version %1 is available. You have %2.</source>
        <extracomment>%1, %2: version numbers</extracomment>
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
        <extracomment>Status of the update dialog</extracomment>
        <translation>Downloading the update…</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <extracomment>Download progress; %1, %2: sizes</extracomment>
        <translation>%1 of %2</translation>
    </message>
    <message>
        <source>Installing the update…</source>
        <extracomment>Status of the update dialog</extracomment>
        <translation>Installing the update…</translation>
    </message>
    <message>
        <source>Varnholt closes and starts again when the update is installed.</source>
        <translation>Varnholt closes and starts again when the update is installed.</translation>
    </message>
    <message>
        <source>Checking for updates…</source>
        <extracomment>Status of the update dialog</extracomment>
        <translation>Checking for updates…</translation>
    </message>
    <message>
        <source>Version %1 is installed.</source>
        <extracomment>%1: a version number</extracomment>
        <translation>Version %1 is installed.</translation>
    </message>
    <message>
        <source>Later</source>
        <extracomment>Button of the update dialog: do not update now</extracomment>
        <translation>Later</translation>
    </message>
    <message>
        <source>Some of it needs administrator rights: without them those files are skipped.</source>
        <translation>Some of it needs administrator rights: without them those files are skipped.</translation>
    </message>
    <message>
        <source>Everything that will go</source>
        <extracomment>Link of the confirmation that lists every path the cleanup removes (&quot;go&quot;: be removed, not leave)</extracomment>
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
        <source>and %n more</source>
        <extracomment>Below the paths listed in the confirmation</extracomment>
        <translation>
            <numerusform>and %n more</numerusform>
            <numerusform>and %n more</numerusform>
        </translation>
    </message>
    <message>
        <source>Leave them</source>
        <extracomment>Choice for what cannot go to the bin: keep those files</extracomment>
        <translation>Leave them</translation>
    </message>
    <message>
        <source>Delete them permanently</source>
        <extracomment>Choice for what cannot go to the bin</extracomment>
        <translation>Delete them permanently</translation>
    </message>
    <message>
        <source>All of it is deleted permanently and can&apos;t be recovered.</source>
        <translation>All of it is deleted permanently and can&apos;t be recovered.</translation>
    </message>
    <message>
        <source>The check could not start. Try again in a moment.</source>
        <translation>The check could not start. Try again in a moment.</translation>
    </message>
    <message>
        <source>The check failed again.</source>
        <translation>The check failed again.</translation>
    </message>
    <message>
        <source>These cannot be moved to the Recycle Bin</source>
        <translation>These cannot be moved to the Recycle Bin</translation>
    </message>
    <message>
        <source>These cannot be moved to the Trash</source>
        <translation>These cannot be moved to the Trash</translation>
    </message>
    <message>
        <source>None of it can go to the Recycle Bin: delete it permanently, or nothing is cleaned.</source>
        <translation>None of it can go to the Recycle Bin: delete it permanently, or nothing is cleaned.</translation>
    </message>
    <message>
        <source>None of it can go to the Trash: delete it permanently, or nothing is cleaned.</source>
        <translation>None of it can go to the Trash: delete it permanently, or nothing is cleaned.</translation>
    </message>
    <message>
        <source>Emptying the Recycle Bin and deleting what cannot go there can&apos;t be undone. Everything else goes to the Recycle Bin.</source>
        <translation>Emptying the Recycle Bin and deleting what cannot go there can&apos;t be undone. Everything else goes to the Recycle Bin.</translation>
    </message>
    <message>
        <source>Emptying the Trash and deleting what cannot go there can&apos;t be undone. Everything else goes to the Trash.</source>
        <translation>Emptying the Trash and deleting what cannot go there can&apos;t be undone. Everything else goes to the Trash.</translation>
    </message>
    <message>
        <source>What cannot go to the Recycle Bin is deleted permanently. Everything else is moved there, so you can restore it later.</source>
        <translation>What cannot go to the Recycle Bin is deleted permanently. Everything else is moved there, so you can restore it later.</translation>
    </message>
    <message>
        <source>What cannot go to the Trash is deleted permanently. Everything else is moved there, so you can restore it later.</source>
        <translation>What cannot go to the Trash is deleted permanently. Everything else is moved there, so you can restore it later.</translation>
    </message>
    <message>
        <source>Emptying the Recycle Bin can&apos;t be undone. Everything else goes to the Recycle Bin.</source>
        <translation>Emptying the Recycle Bin can&apos;t be undone. Everything else goes to the Recycle Bin.</translation>
    </message>
    <message>
        <source>Emptying the Trash can&apos;t be undone. Everything else goes to the Trash.</source>
        <translation>Emptying the Trash can&apos;t be undone. Everything else goes to the Trash.</translation>
    </message>
    <message>
        <source>Everything will be moved to the Recycle Bin, so you can restore it later.</source>
        <translation>Everything will be moved to the Recycle Bin, so you can restore it later.</translation>
    </message>
    <message>
        <source>Everything will be moved to the Trash, so you can restore it later.</source>
        <translation>Everything will be moved to the Trash, so you can restore it later.</translation>
    </message>
    <message>
        <source>Clean and delete</source>
        <comment>button: clean, part of it for good</comment>
        <translation>Clean and delete</translation>
    </message>
    <message>
        <source>Clean</source>
        <comment>button: start the cleanup</comment>
        <translation>Clean</translation>
    </message>
    <message numerus="yes">
        <source>%n path(s) · %1</source>
        <comment>%1: their size</comment>
        <translation>
            <numerusform>%n path · %1</numerusform>
            <numerusform>%n paths · %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Varnholt can stay in the system tray when you close the window. You can open it again from the tray icon.</source>
        <extracomment>Scheduled scans and alerts run when Varnholt starts, not while it waits in the tray</extracomment>
        <translation>Varnholt can stay in the system tray when you close the window. You can open it again from the tray icon.</translation>
    </message>
</context>
<context>
    <name>OverviewPage</name>
    <message>
        <source>Scanned %1</source>
        <extracomment>Chip; %1: when, e.g. &quot;2 days ago&quot;</extracomment>
        <translation>Scanned %1</translation>
    </message>
    <message>
        <source>Smart Scan</source>
        <extracomment>Button in the Overview&apos;s header: scan every cleanup category</extracomment>
        <translation>Smart Scan</translation>
    </message>
    <message>
        <source>Overview</source>
        <extracomment>Title of the Overview page</extracomment>
        <translation>Overview</translation>
    </message>
    <message>
        <source>Rescan</source>
        <extracomment>Button in the Overview&apos;s header: scan again</extracomment>
        <translation>Rescan</translation>
    </message>
    <message>
        <source>See all</source>
        <extracomment>Link beside the top recommendations: open the Cleanup page</extracomment>
        <translation>See all</translation>
    </message>
    <message>
        <source>Disk health</source>
        <extracomment>Heading of an Overview card</extracomment>
        <translation>Disk health</translation>
    </message>
    <message>
        <source>System files protected</source>
        <extracomment>Line of the disk health card</extracomment>
        <translation>System files protected</translation>
    </message>
    <message>
        <source>%1 ready to clean</source>
        <extracomment>%1: a size</extracomment>
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
        <extracomment>Under the free size in the disk ring; %1: the disk&apos;s size</extracomment>
        <translation>free of %1</translation>
    </message>
    <message>
        <source>Freed this month</source>
        <extracomment>Caption of an Overview card under a size</extracomment>
        <translation>Freed this month</translation>
    </message>
    <message>
        <source>Last scan</source>
        <extracomment>Caption of an Overview card under a relative date</extracomment>
        <translation>Last scan</translation>
    </message>
    <message>
        <source>Scheduled scan</source>
        <extracomment>Caption of an Overview card</extracomment>
        <translation>Scheduled scan</translation>
    </message>
    <message>
        <source>Top recommendations</source>
        <extracomment>Heading over the biggest safe categories</extracomment>
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
        <extracomment>Legend of the disk bar: space a cleanup can free</extracomment>
        <translation>Reclaimable</translation>
    </message>
    <message>
        <source>Available</source>
        <extracomment>Legend of the disk bar: free space</extracomment>
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
        <extracomment>Heading of an Overview card</extracomment>
        <translation>Free space history</translation>
    </message>
    <message numerus="yes">
        <source>From %1 to %2 free over %n day(s)</source>
        <extracomment>%1, %2: sizes</extracomment>
        <translation>
            <numerusform>From %1 to %2 free over %n day</numerusform>
            <numerusform>From %1 to %2 free over %n days</numerusform>
        </translation>
    </message>
    <message>
        <source>Show it in the Space Map</source>
        <translation>Show it in the Space Map</translation>
    </message>
    <message>
        <source>What grew</source>
        <translation>What grew</translation>
    </message>
    <message>
        <source>Varnholt notes how big your folders are once a day. The first comparison is ready once two readings lie a week apart.</source>
        <translation>Varnholt notes how big your folders are once a day. The first comparison is ready once two readings lie a week apart.</translation>
    </message>
    <message>
        <source>Growing fastest this week</source>
        <translation>Growing fastest this week</translation>
    </message>
    <message numerus="yes">
        <source>Growing fastest in the last %n day(s)</source>
        <translation>
            <numerusform>Growing fastest in the last %n day</numerusform>
            <numerusform>Growing fastest in the last %n days</numerusform>
        </translation>
    </message>
    <message>
        <source>No folder grew by more than %1.</source>
        <translation>No folder grew by more than %1.</translation>
    </message>
    <message>
        <source>Clean %1</source>
        <translation>Clean %1</translation>
    </message>
    <message>
        <source>%1 is the folder of this cleanup category</source>
        <translation>%1 is the folder of this cleanup category</translation>
    </message>
    <message>
        <source>Review</source>
        <comment>button in the disk ring: open the scan results</comment>
        <translation>Review</translation>
    </message>
    <message>
        <source>Scan</source>
        <comment>button in the disk ring: start a scan</comment>
        <translation>Scan</translation>
    </message>
    <message>
        <source>Never scanned</source>
        <comment>chip and card caption</comment>
        <translation>Never scanned</translation>
    </message>
    <message>
        <source>Off</source>
        <comment>scheduled scan</comment>
        <translation>Off</translation>
    </message>
    <message>
        <source>Weekly</source>
        <comment>scheduled scan</comment>
        <translation>Weekly</translation>
    </message>
    <message>
        <source>Monthly</source>
        <comment>scheduled scan</comment>
        <translation>Monthly</translation>
    </message>
</context>
<context>
    <name>Platform</name>
    <message>
        <source>Local Disk</source>
        <extracomment>Name of a drive without a label</extracomment>
        <translation>Local Disk</translation>
    </message>
    <message>
        <source>Trash</source>
        <extracomment>The bin of Linux desktops, standing alone (a list entry, a log line)</extracomment>
        <translation>Trash</translation>
    </message>
    <message>
        <source>File Manager</source>
        <extracomment>The file manager of Linux desktops, standing alone</extracomment>
        <translation>File Manager</translation>
    </message>
    <message>
        <source>Recycle Bin</source>
        <extracomment>The Windows bin, standing alone (a list entry, a log line)</extracomment>
        <translation>Recycle Bin</translation>
    </message>
    <message>
        <source>File Explorer</source>
        <extracomment>The Windows file manager, standing alone</extracomment>
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
        <extracomment>Title of the Settings page</extracomment>
        <translation>Settings</translation>
    </message>
    <message>
        <source>Choose a folder to exclude</source>
        <translation>Choose a folder to exclude</translation>
    </message>
    <message>
        <source>Cleaning</source>
        <extracomment>Heading of a Settings section</extracomment>
        <translation>Cleaning</translation>
    </message>
    <message>
        <source>Recommended. Turn off to delete files permanently.</source>
        <translation>Recommended. Turn off to delete files permanently.</translation>
    </message>
    <message>
        <source>Large file size</source>
        <extracomment>Setting: from which size a file counts as large</extracomment>
        <translation>Large file size</translation>
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
        <translation>Consider files old after</translation>
    </message>
    <message>
        <source>3 months</source>
        <extracomment>Choice: after how long unused a file counts as old</extracomment>
        <translation>3 months</translation>
    </message>
    <message>
        <source>6 months</source>
        <extracomment>Choice: after how long unused a file counts as old</extracomment>
        <translation>6 months</translation>
    </message>
    <message>
        <source>12 months</source>
        <extracomment>Choice: after how long unused a file counts as old</extracomment>
        <translation>12 months</translation>
    </message>
    <message>
        <source>24 months</source>
        <extracomment>Choice: after how long unused a file counts as old</extracomment>
        <translation>24 months</translation>
    </message>
    <message>
        <source>Automation</source>
        <extracomment>Heading of a Settings section</extracomment>
        <translation>Automation</translation>
    </message>
    <message>
        <source>Scheduled scan</source>
        <extracomment>Setting: how often Varnholt scans by itself</extracomment>
        <translation>Scheduled scan</translation>
    </message>
    <message>
        <source>Scans when Varnholt starts if the last scan is older than this. Never cleans on its own.</source>
        <translation>Scans when Varnholt starts if the last scan is older than this. Never cleans on its own.</translation>
    </message>
    <message>
        <source>Low space alerts</source>
        <extracomment>Setting: notify when the disk is nearly full</extracomment>
        <translation>Low space alerts</translation>
    </message>
    <message>
        <source>Warn when free space drops below 10%.</source>
        <extracomment>The % sign is part of &quot;10%&quot;, not a placeholder</extracomment>
        <translation>Warn when free space drops below 10%.</translation>
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
        <source>Ask every time</source>
        <extracomment>Choice of what closing the window does</extracomment>
        <translation>Ask every time</translation>
    </message>
    <message>
        <source>Keep running in the tray</source>
        <translation>Keep running in the tray</translation>
    </message>
    <message>
        <source>Quit Varnholt</source>
        <extracomment>Choice of what closing the window does</extracomment>
        <translation>Quit Varnholt</translation>
    </message>
    <message>
        <source>When closing the window</source>
        <translation>When closing the window</translation>
    </message>
    <message>
        <source>Appearance</source>
        <extracomment>Heading of a Settings section</extracomment>
        <translation>Appearance</translation>
    </message>
    <message>
        <source>Theme</source>
        <extracomment>Setting: light or dark colours</extracomment>
        <translation>Theme</translation>
    </message>
    <message>
        <source>Follow the system, or always use light or dark.</source>
        <translation>Follow the system, or always use light or dark.</translation>
    </message>
    <message>
        <source>System default (%1)</source>
        <extracomment>Choice of the language; %1: the system&apos;s language</extracomment>
        <translation>System default (%1)</translation>
    </message>
    <message>
        <source>Restart now</source>
        <extracomment>Button: restart to show the new language</extracomment>
        <translation>Restart now</translation>
    </message>
    <message>
        <source>Language</source>
        <extracomment>Setting: the language of the interface</extracomment>
        <translation>Language</translation>
    </message>
    <message>
        <source>Varnholt restarts to switch languages.</source>
        <translation>Varnholt restarts to switch languages.</translation>
    </message>
    <message>
        <source>Exclusions</source>
        <extracomment>Heading of a Settings section: folders never cleaned</extracomment>
        <translation>Exclusions</translation>
    </message>
    <message>
        <source>Add folder</source>
        <extracomment>Button: add a folder to the exclusions</extracomment>
        <translation>Add folder</translation>
    </message>
    <message>
        <source>Never touch these</source>
        <extracomment>Description of the exclusions</extracomment>
        <translation>Never touch these</translation>
    </message>
    <message>
        <source>Folders and patterns Varnholt always skips.</source>
        <translation>Folders and patterns Varnholt always skips.</translation>
    </message>
    <message>
        <source>Protected system locations</source>
        <extracomment>Row of the exclusions: folders Varnholt never cleans</extracomment>
        <translation>Protected system locations</translation>
    </message>
    <message>
        <source>Locked</source>
        <extracomment>Badge beside the protected system locations: they cannot be changed</extracomment>
        <translation>Locked</translation>
    </message>
    <message>
        <source>Protected apps</source>
        <extracomment>Row of the exclusions: apps whose data Varnholt never cleans</extracomment>
        <translation>Protected apps</translation>
    </message>
    <message>
        <source> — their data is never cleaned. Caches of running apps and open files are skipped too.</source>
        <translation> — their data is never cleaned. Caches of running apps and open files are skipped too.</translation>
    </message>
    <message>
        <source>Permissions &amp; about</source>
        <extracomment>Heading of a Settings section</extracomment>
        <translation>Permissions &amp; about</translation>
    </message>
    <message>
        <source>Full Disk Access</source>
        <extracomment>A macOS permission</extracomment>
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
        <extracomment>Row: whether Varnholt runs with administrator rights</extracomment>
        <translation>Administrator access</translation>
    </message>
    <message>
        <source>Granted</source>
        <extracomment>Badge: administrator rights are held</extracomment>
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
        <extracomment>Button: restart Varnholt with administrator rights</extracomment>
        <translation>Restart as admin</translation>
    </message>
    <message>
        <source>Check for updates</source>
        <extracomment>Button</extracomment>
        <translation>Check for updates</translation>
    </message>
    <message>
        <source>Open logs</source>
        <extracomment>Button: open the folder of the cleanup logs</extracomment>
        <translation>Open logs</translation>
    </message>
    <message>
        <source>Every cleanup writes a log you can review. Varnholt checks for updates when it starts.</source>
        <translation>Every cleanup writes a log you can review. Varnholt checks for updates when it starts.</translation>
    </message>
    <message>
        <source>Remove</source>
        <extracomment>Button beside an excluded folder: take it off the list</extracomment>
        <translation>Remove</translation>
    </message>
    <message>
        <source>Files bigger than this appear in the Space Map.</source>
        <translation>Files bigger than this appear in the Space Map.</translation>
    </message>
    <message>
        <source>Recent cleanups</source>
        <extracomment>Heading of a Settings section</extracomment>
        <translation>Recent cleanups</translation>
    </message>
    <message>
        <source>No cleanups yet</source>
        <extracomment>In place of the list of recent cleanups</extracomment>
        <translation>No cleanups yet</translation>
    </message>
    <message>
        <source>Every cleanup writes a log you can review.</source>
        <translation>Every cleanup writes a log you can review.</translation>
    </message>
    <message>
        <source>Restore</source>
        <extracomment>Button beside a past cleanup: put back what it moved to the bin</extracomment>
        <translation>Restore</translation>
    </message>
    <message>
        <source>Used by the “Unused” filter.</source>
        <translation>Used by the “Unused” filter.</translation>
    </message>
    <message>
        <source>Nothing was cleaned</source>
        <extracomment>What a past cleanup did</extracomment>
        <translation>Nothing was cleaned</translation>
    </message>
    <message>
        <source>Check again</source>
        <extracomment>Button beside a note: read the settings file again</extracomment>
        <translation>Check again</translation>
    </message>
    <message>
        <source>Your settings in %1 cannot be read, so what they hold is unknown. The options kept there stay locked until the file can be read again.</source>
        <extracomment>%1: a file&apos;s path</extracomment>
        <translation>Your settings in %1 cannot be read, so what they hold is unknown. The options kept there stay locked until the file can be read again.</translation>
    </message>
    <message>
        <source>Varnholt could not start again. Close it and open it yourself to switch languages.</source>
        <translation>Varnholt could not start again. Close it and open it yourself to switch languages.</translation>
    </message>
    <message>
        <source>Move items to the Recycle Bin</source>
        <translation>Move items to the Recycle Bin</translation>
    </message>
    <message>
        <source>Move items to the Trash</source>
        <translation>Move items to the Trash</translation>
    </message>
    <message>
        <source>Off</source>
        <comment>scheduled scan</comment>
        <translation>Off</translation>
    </message>
    <message>
        <source>Weekly</source>
        <comment>scheduled scan</comment>
        <translation>Weekly</translation>
    </message>
    <message>
        <source>Monthly</source>
        <comment>scheduled scan</comment>
        <translation>Monthly</translation>
    </message>
    <message>
        <source>Keep a history of folder sizes</source>
        <translation>Keep a history of folder sizes</translation>
    </message>
    <message>
        <source>Once a day, Varnholt notes how big your folders are so it can show what grew. Nothing leaves this computer.</source>
        <translation>Once a day, Varnholt notes how big your folders are so it can show what grew. Nothing leaves this computer.</translation>
    </message>
    <message>
        <source>Open at login</source>
        <comment>setting: start Varnholt at login</comment>
        <translation>Open at login</translation>
    </message>
    <message>
        <source>Start with Windows</source>
        <comment>setting: start Varnholt at login</comment>
        <translation>Start with Windows</translation>
    </message>
    <message>
        <source>Start at login</source>
        <comment>setting: start Varnholt at login</comment>
        <translation>Start at login</translation>
    </message>
    <message>
        <source>System</source>
        <comment>theme that follows the system&apos;s light or dark mode</comment>
        <translation>System</translation>
    </message>
    <message>
        <source>Light</source>
        <comment>theme</comment>
        <translation>Light</translation>
    </message>
    <message>
        <source>Dark</source>
        <comment>theme</comment>
        <translation>Dark</translation>
    </message>
    <message>
        <source>C:\Windows\System32, WinSxS, Program Files, drive roots — always skipped.</source>
        <extracomment>The folder names stay as the system writes them</extracomment>
        <translation>C:\Windows\System32, WinSxS, Program Files, drive roots — always skipped.</translation>
    </message>
    <message>
        <source>/usr, /etc, /boot, /var/lib, system folders — always skipped.</source>
        <extracomment>The folder names stay as the system writes them</extracomment>
        <translation>/usr, /etc, /boot, /var/lib, system folders — always skipped.</translation>
    </message>
    <message>
        <source>%1 in all: the Recycle Bin emptied, items deleted permanently or moved to it</source>
        <comment>%1: a size</comment>
        <translation>%1 in all: the Recycle Bin emptied, items deleted permanently or moved to it</translation>
    </message>
    <message>
        <source>%1 in all: the Trash emptied, items deleted permanently or moved to it</source>
        <comment>%1: a size</comment>
        <translation>%1 in all: the Trash emptied, items deleted permanently or moved to it</translation>
    </message>
    <message>
        <source>%1 moved to the Recycle Bin or deleted permanently</source>
        <comment>%1: a size</comment>
        <translation>%1 moved to the Recycle Bin or deleted permanently</translation>
    </message>
    <message>
        <source>%1 moved to the Trash or deleted permanently</source>
        <comment>%1: a size</comment>
        <translation>%1 moved to the Trash or deleted permanently</translation>
    </message>
    <message>
        <source>%1 in all: the Recycle Bin emptied, then items moved to it</source>
        <comment>%1: a size</comment>
        <translation>%1 in all: the Recycle Bin emptied, then items moved to it</translation>
    </message>
    <message>
        <source>%1 in all: the Trash emptied, then items moved to it</source>
        <comment>%1: a size</comment>
        <translation>%1 in all: the Trash emptied, then items moved to it</translation>
    </message>
    <message>
        <source>%1 moved to the Recycle Bin</source>
        <comment>%1: a size</comment>
        <translation>%1 moved to the Recycle Bin</translation>
    </message>
    <message>
        <source>%1 moved to the Trash</source>
        <comment>%1: a size</comment>
        <translation>%1 moved to the Trash</translation>
    </message>
    <message>
        <source>%1 freed: items deleted permanently and the Recycle Bin emptied</source>
        <comment>%1: a size</comment>
        <translation>%1 freed: items deleted permanently and the Recycle Bin emptied</translation>
    </message>
    <message>
        <source>%1 freed: items deleted permanently and the Trash emptied</source>
        <comment>%1: a size</comment>
        <translation>%1 freed: items deleted permanently and the Trash emptied</translation>
    </message>
    <message>
        <source>%1 deleted permanently</source>
        <comment>%1: a size</comment>
        <translation>%1 deleted permanently</translation>
    </message>
    <message>
        <source>The Recycle Bin was emptied: %1 freed</source>
        <comment>%1: a size</comment>
        <translation>The Recycle Bin was emptied: %1 freed</translation>
    </message>
    <message>
        <source>The Trash was emptied: %1 freed</source>
        <comment>%1: a size</comment>
        <translation>The Trash was emptied: %1 freed</translation>
    </message>
    <message>
        <source>Put back what this cleanup moved to the Recycle Bin. Nothing that is in its place now is replaced.</source>
        <translation>Put back what this cleanup moved to the Recycle Bin. Nothing that is in its place now is replaced.</translation>
    </message>
    <message>
        <source>Put back what this cleanup moved to the Trash. Nothing that is in its place now is replaced.</source>
        <translation>Put back what this cleanup moved to the Trash. Nothing that is in its place now is replaced.</translation>
    </message>
    <message>
        <source>Forget history</source>
        <translation>Forget history</translation>
    </message>
    <message>
        <source>Forget the history of folder sizes?</source>
        <translation>Forget the history of folder sizes?</translation>
    </message>
    <message>
        <source>Every reading Varnholt took of your folder sizes is removed. What grew shows again once new readings have been taken.</source>
        <translation>Every reading Varnholt took of your folder sizes is removed. What grew shows again once new readings have been taken.</translation>
    </message>
    <message>
        <source>The history of folder sizes is forgotten</source>
        <translation>The history of folder sizes is forgotten</translation>
    </message>
    <message>
        <source>Some readings of folder sizes could not be removed</source>
        <translation>Some readings of folder sizes could not be removed</translation>
    </message>
    <message>
        <source>Closing the window keeps Varnholt running there.</source>
        <extracomment>Scheduled scans and alerts run when Varnholt starts, not while it waits in the menu bar</extracomment>
        <translation>Closing the window keeps Varnholt running there.</translation>
    </message>
    <message>
        <source>In the tray, Varnholt keeps running until you quit it.</source>
        <extracomment>Scheduled scans and alerts run when Varnholt starts, not while it waits in the tray</extracomment>
        <translation>In the tray, Varnholt keeps running until you quit it.</translation>
    </message>
</context>
<context>
    <name>Sidebar</name>
    <message>
        <source>%1 available of %2</source>
        <extracomment>%1: the free size; %2: the disk&apos;s size</extracomment>
        <translation>%1 available of %2</translation>
    </message>
    <message>
        <source>Smart Scan</source>
        <extracomment>Sidebar entry: the Overview page with its scan of every cleanup category</extracomment>
        <translation>Smart Scan</translation>
    </message>
    <message>
        <source>Cleanup</source>
        <extracomment>Sidebar entry: the page of the scan&apos;s results and the cleanup</extracomment>
        <translation>Cleanup</translation>
    </message>
    <message>
        <source>Space Map</source>
        <extracomment>Sidebar entry: the page that maps where disk space goes (not a geographic map)</extracomment>
        <translation>Space Map</translation>
    </message>
    <message>
        <source>Settings</source>
        <extracomment>Sidebar entry</extracomment>
        <translation>Settings</translation>
    </message>
    <message>
        <source>%1 free</source>
        <extracomment>The collapsed sidebar&apos;s drive line; %1: a size</extracomment>
        <translation>%1 free</translation>
    </message>
    <message>
        <source>Clean</source>
        <extracomment>Heading over the sidebar&apos;s pages (a section title, not a command)</extracomment>
        <translation>Clean</translation>
    </message>
    <message>
        <source>Expand sidebar</source>
        <comment>tooltip: widen the sidebar</comment>
        <translation>Expand sidebar</translation>
    </message>
    <message>
        <source>Collapse sidebar</source>
        <comment>tooltip: narrow the sidebar to icons</comment>
        <translation>Collapse sidebar</translation>
    </message>
</context>
<context>
    <name>TitleBar</name>
    <message>
        <source>Menu</source>
        <extracomment>Tooltip of the title bar&apos;s button that opens the app menu</extracomment>
        <translation>Menu</translation>
    </message>
    <message>
        <source>Minimize</source>
        <extracomment>Tooltip of a window button</extracomment>
        <translation>Minimize</translation>
    </message>
    <message>
        <source>Close</source>
        <extracomment>Tooltip of a window button</extracomment>
        <translation>Close</translation>
    </message>
    <message>
        <source>Restore</source>
        <comment>window button: unmaximize</comment>
        <translation>Restore</translation>
    </message>
    <message>
        <source>Maximize</source>
        <comment>window button</comment>
        <translation>Maximize</translation>
    </message>
</context>
<context>
    <name>Tray</name>
    <message>
        <source>Varnholt is still running</source>
        <translation>Varnholt is still running</translation>
    </message>
    <message>
        <source>Open Varnholt</source>
        <extracomment>Entry of the tray menu</extracomment>
        <translation>Open Varnholt</translation>
    </message>
    <message>
        <source>Smart Scan</source>
        <extracomment>Entry of the tray menu: scan every cleanup category</extracomment>
        <translation>Smart Scan</translation>
    </message>
    <message>
        <source>Settings</source>
        <extracomment>Entry of the tray menu</extracomment>
        <translation>Settings</translation>
    </message>
    <message>
        <source>Check for Updates</source>
        <extracomment>Entry of the tray menu</extracomment>
        <translation>Check for Updates</translation>
    </message>
    <message>
        <source>Quit Varnholt</source>
        <extracomment>Entry of the tray menu</extracomment>
        <translation>Quit Varnholt</translation>
    </message>
    <message>
        <source>%1 · %2 free</source>
        <extracomment>Tray tooltip; %1: a drive; %2: a size</extracomment>
        <translation>%1 · %2 free</translation>
    </message>
    <message>
        <source>Space Map</source>
        <extracomment>Entry of the tray menu: open the page that maps where disk space goes</extracomment>
        <translation>Space Map</translation>
    </message>
    <message>
        <source>It stays in the system tray. Right-click the icon to quit.</source>
        <extracomment>Balloon shown once the window first hides in the tray</extracomment>
        <translation>It stays in the system tray. Right-click the icon to quit.</translation>
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
        <extracomment>%1: the system&apos;s reason</extracomment>
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
        <extracomment>%1: the network&apos;s reason</extracomment>
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
        <extracomment>%1: the publisher&apos;s name</extracomment>
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
        <extracomment>%1: a version number</extracomment>
        <translation>The update is not the published version %1.</translation>
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
        <translation>Today</translation>
    </message>
    <message>
        <source>Yesterday</source>
        <extracomment>A relative date</extracomment>
        <translation>Yesterday</translation>
    </message>
    <message numerus="yes">
        <source>%n day(s) ago</source>
        <extracomment>A relative date</extracomment>
        <translation>
            <numerusform>%n day ago</numerusform>
            <numerusform>%n days ago</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n week(s) ago</source>
        <extracomment>A relative date</extracomment>
        <translation>
            <numerusform>%n week ago</numerusform>
            <numerusform>%n weeks ago</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n month(s) ago</source>
        <extracomment>A relative date</extracomment>
        <translation>
            <numerusform>%n month ago</numerusform>
            <numerusform>%n months ago</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n year(s) ago</source>
        <extracomment>A relative date</extracomment>
        <translation>
            <numerusform>%n year ago</numerusform>
            <numerusform>%n years ago</numerusform>
        </translation>
    </message>
</context>
</TS>
