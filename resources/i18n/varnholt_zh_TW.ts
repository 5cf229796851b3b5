<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_TW">
<context>
    <name>AppGuard</name>
    <message>
        <source>Password managers, input methods, security and device-management agents, VPNs</source>
        <translation>密碼管理器、輸入法、安全與裝置管理代理程式、VPN</translation>
    </message>
</context>
<context>
    <name>AppState</name>
    <message numerus="yes">
        <source>Restored %n file(s)</source>
        <extracomment>Toast after Undo put the files moved from the Space Map back</extracomment>
        <translation>
            <numerusform>已還原 %n 個檔案</numerusform>
        </translation>
    </message>
    <message>
        <source>Nothing was cleaned: your settings cannot be read.</source>
        <translation>未清理任何項目：無法讀取您的設定。</translation>
    </message>
    <message>
        <source>That cleanup log could not be read; nothing was restored.</source>
        <translation>無法讀取該清理記錄檔，未還原任何內容。</translation>
    </message>
    <message numerus="yes">
        <source>At this rate the disk is full in about %n week(s)</source>
        <extracomment>Forecast on the Overview, from the history of free space</extracomment>
        <translation>
            <numerusform>照此速度，磁碟大約 %n 週後將滿</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>At this rate the disk is full in about %n day(s)</source>
        <translation>
            <numerusform>照此速度，磁碟大約 %n 天後將滿</numerusform>
        </translation>
    </message>
    <message>
        <source>Free space falls by about %1 a day</source>
        <extracomment>%1: a size, e.g. &quot;1.2 GB&quot;</extracomment>
        <translation>可用空間每天減少約 %1</translation>
    </message>
    <message>
        <source>Free space rises by about %1 a day</source>
        <extracomment>%1: a size, e.g. &quot;1.2 GB&quot;</extracomment>
        <translation>可用空間每天增加約 %1</translation>
    </message>
    <message numerus="yes">
        <source>%Ln file(s) (%1) moved to the Recycle Bin</source>
        <comment>%1: their size</comment>
        <translation>
            <numerusform>已將 %Ln 個檔案（%1）移至資源回收筒</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln file(s) (%1) moved to the Trash</source>
        <comment>%1: their size</comment>
        <translation>
            <numerusform>已將 %Ln 個檔案（%1）移至垃圾桶</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source> · %Ln in use, skipped</source>
        <comment>follows the files moved; the number of files left alone</comment>
        <translation>
            <numerusform> · %Ln 個正在使用，已略過</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source> · %Ln could not be moved to the Recycle Bin</source>
        <comment>follows the files moved</comment>
        <translation>
            <numerusform> · %Ln 個無法移至資源回收筒</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source> · %Ln could not be moved to the Trash</source>
        <comment>follows the files moved</comment>
        <translation>
            <numerusform> · %Ln 個無法移至垃圾桶</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Restored %n item(s) from the Recycle Bin</source>
        <extracomment>Result line after restoring a cleanup; may be followed by the size in brackets</extracomment>
        <translation>
            <numerusform>已從資源回收筒還原 %n 個項目</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Restored %n item(s) from the Trash</source>
        <extracomment>Result line after restoring a cleanup; may be followed by the size in brackets</extracomment>
        <translation>
            <numerusform>已從垃圾桶還原 %n 個項目</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln not restored: %1</source>
        <comment>%1: why, e.g. no longer in the bin</comment>
        <translation>
            <numerusform>%Ln 個未還原：%1</numerusform>
        </translation>
    </message>
    <message>
        <source>found through the Recycle Bin&apos;s own records (an older log)</source>
        <translation>透過資源回收筒本身的資料找到（舊版記錄檔）</translation>
    </message>
    <message>
        <source>found through the Trash&apos;s own records (an older log)</source>
        <translation>透過垃圾桶本身的資料找到（舊版記錄檔）</translation>
    </message>
</context>
<context>
    <name>Categories</name>
    <message>
        <source>Scratch files that apps and the system create while working. They are not needed once the app closes.</source>
        <translation>應用程式和系統在運作時建立的暫存檔。應用程式關閉後就不再需要。</translation>
    </message>
    <message>
        <source>Data apps keep to load faster. Apps rebuild these automatically the next time they need them.</source>
        <translation>應用程式為加快載入而保存的資料。下次需要時，應用程式會自動重新建立。</translation>
    </message>
    <message>
        <source>Cached images, scripts and pages. Sign-ins, history, bookmarks and passwords are never touched.</source>
        <translation>快取的圖片、指令碼和網頁。登入資訊、瀏覽記錄、書籤和密碼絕不會被更動。</translation>
    </message>
    <message>
        <source>Diagnostic logs and crash reports. Useful only when troubleshooting a recent problem.</source>
        <translation>診斷記錄檔和當機報告。僅在排解近期問題時有用。</translation>
    </message>
    <message>
        <source>Preview images of your files. They are regenerated the next time you open a folder.</source>
        <translation>檔案的預覽圖。下次開啟資料夾時會重新產生。</translation>
    </message>
    <message>
        <source>Package manager caches and build output. Removing them is safe, but the next build or install will be slower.</source>
        <translation>套件管理器快取和建置輸出。刪除是安全的，但下次建置或安裝會變慢。</translation>
    </message>
    <message>
        <source>All drives</source>
        <extracomment>Where a category looks: every drive, not one folder</extracomment>
        <translation>所有磁碟機</translation>
    </message>
    <message>
        <source>Items you have already deleted. Emptying cannot be undone.</source>
        <translation>您已刪除的項目。清空後無法復原。</translation>
    </message>
    <message>
        <source>Temporary files</source>
        <extracomment>Name of a cleanup category</extracomment>
        <translation>暫存檔案</translation>
    </message>
    <message>
        <source>App caches</source>
        <extracomment>Name of a cleanup category</extracomment>
        <translation>應用程式快取</translation>
    </message>
    <message>
        <source>Cache folders in %LOCALAPPDATA% and %APPDATA%</source>
        <extracomment>Description of a category; %LOCALAPPDATA% and %APPDATA% are Windows folder names, keep them</extracomment>
        <translation>%LOCALAPPDATA% 和 %APPDATA% 中的快取資料夾</translation>
    </message>
    <message>
        <source>DirectX shader cache</source>
        <extracomment>Item of the app caches; DirectX is the name of a program</extracomment>
        <translation>DirectX 著色器快取</translation>
    </message>
    <message>
        <source>Browser caches</source>
        <extracomment>Name of a cleanup category</extracomment>
        <translation>瀏覽器快取</translation>
    </message>
    <message>
        <source>Internet cache</source>
        <extracomment>Item of the browser caches</extracomment>
        <translation>網際網路快取</translation>
    </message>
    <message>
        <source>Logs &amp; crash reports</source>
        <translation>記錄檔與當機報告</translation>
    </message>
    <message>
        <source>Thumbnail cache</source>
        <extracomment>Name of a cleanup category: small preview pictures of files</extracomment>
        <translation>縮圖快取</translation>
    </message>
    <message>
        <source>Windows Update leftovers</source>
        <extracomment>Name of a cleanup category</extracomment>
        <translation>Windows Update 殘留檔案</translation>
    </message>
    <message>
        <source>Files left behind after Windows updates are installed. Safe once the update is complete; Windows downloads them again if it needs them.</source>
        <translation>安裝 Windows 更新後遺留的檔案。更新完成後即可安全刪除；如有需要，Windows 會重新下載。</translation>
    </message>
    <message>
        <source>Windows Update downloads</source>
        <extracomment>Item of the Windows Update leftovers</extracomment>
        <translation>Windows Update 下載檔案</translation>
    </message>
    <message>
        <source>Delivery Optimization cache</source>
        <extracomment>Item of the Windows Update leftovers; Delivery Optimization is a Windows service</extracomment>
        <translation>傳遞最佳化快取</translation>
    </message>
    <message>
        <source>Developer caches</source>
        <extracomment>Name of a cleanup category: caches of programming tools</extracomment>
        <translation>開發人員快取</translation>
    </message>
    <message>
        <source>Recycle Bin</source>
        <extracomment>Name of the cleanup category that empties the Recycle Bin</extracomment>
        <translation>資源回收筒</translation>
    </message>
    <message>
        <source>Package cache</source>
        <extracomment>Name of a cleanup category: downloaded software packages</extracomment>
        <translation>套件快取</translation>
    </message>
    <message>
        <source>Packages the package manager keeps after installing them. Safe to remove; they are downloaded again if they are needed.</source>
        <translation>套件管理器在安裝後保留的套件。可以安全刪除；如有需要會重新下載。</translation>
    </message>
    <message>
        <source>DNF package cache</source>
        <extracomment>Item of the package cache; DNF is the name of a program</extracomment>
        <translation>DNF 套件快取</translation>
    </message>
    <message>
        <source>Trash</source>
        <extracomment>Name of the cleanup category that empties the Trash</extracomment>
        <translation>垃圾桶</translation>
    </message>
    <message>
        <source>Safe</source>
        <extracomment>Risk level of a category: cleaning it loses nothing the user needs</extracomment>
        <translation>安全</translation>
    </message>
    <message>
        <source>Review</source>
        <extracomment>Risk level of a category: look at it before cleaning (an adjective, not a command)</extracomment>
        <translation>需檢查</translation>
    </message>
    <message>
        <source>Permanent</source>
        <extracomment>Risk level of a category: what goes cannot be restored</extracomment>
        <translation>永久刪除</translation>
    </message>
    <message>
        <source>%1 was left out: it leads through a link to %2.</source>
        <extracomment>%1: a folder of the catalogue; %2: where its link leads</extracomment>
        <translation>已略過 %1：它透過連結指向 %2。</translation>
    </message>
    <message>
        <source>%1 was left out: it is the home folder or holds it.</source>
        <extracomment>%1: a folder of the catalogue</extracomment>
        <translation>已略過 %1：它是個人資料夾或包含個人資料夾。</translation>
    </message>
    <message>
        <source>%1 was left out: it lies in a protected location.</source>
        <extracomment>%1: a folder of the catalogue</extracomment>
        <translation>已略過 %1：它位於受保護的位置。</translation>
    </message>
    <message>
        <source>%1 was left out: it overlaps %2.</source>
        <extracomment>%1: a folder of the catalogue; %2: the category it overlaps</extracomment>
        <translation>已略過 %1：它與 %2 重疊。</translation>
    </message>
    <message>
        <source>App logs, crash reports</source>
        <translation>應用程式記錄檔、當機報告</translation>
    </message>
    <message>
        <source>Cache folders in ~/.config, ~/.cache and Flatpak and Snap apps</source>
        <translation>~/.config、~/.cache 以及 Flatpak 和 Snap 應用程式中的快取資料夾</translation>
    </message>
    <message>
        <source>%1 (PID %2)</source>
        <extracomment>%1: a program&apos;s name; %2: its process number</extracomment>
        <translation>%1（PID %2）</translation>
    </message>
    <message>
        <source>%1 is left out: its name is not valid text.</source>
        <extracomment>%1: a folder</extracomment>
        <translation>已略過 %1：其名稱不是有效文字。</translation>
    </message>
    <message>
        <source>npm cache</source>
        <extracomment>Item of the developer caches; npm is the name of a program</extracomment>
        <translation>npm 快取</translation>
    </message>
    <message>
        <source>Yarn cache</source>
        <extracomment>Item of the developer caches; Yarn is the name of a program</extracomment>
        <translation>Yarn 快取</translation>
    </message>
    <message>
        <source>pip cache</source>
        <extracomment>Item of the developer caches; pip is the name of a program</extracomment>
        <translation>pip 快取</translation>
    </message>
    <message>
        <source>NuGet HTTP cache</source>
        <extracomment>Item of the developer caches; NuGet is the name of a program</extracomment>
        <translation>NuGet HTTP 快取</translation>
    </message>
    <message>
        <source>Go build cache</source>
        <extracomment>Item of the developer caches; Go is a programming language</extracomment>
        <translation>Go 建置快取</translation>
    </message>
    <message>
        <source>Gradle caches</source>
        <extracomment>Item of the developer caches; Gradle is the name of a program</extracomment>
        <translation>Gradle 快取</translation>
    </message>
    <message>
        <source>Cargo registry cache</source>
        <extracomment>Item of the developer caches; Cargo is the name of a program</extracomment>
        <translation>Cargo 套件庫快取</translation>
    </message>
    <message>
        <source>%1 is left out: another program is working in it.</source>
        <comment>%1: a folder</comment>
        <translation>已略過 %1：另一個程式正在使用它。</translation>
    </message>
    <message>
        <source>%1 is left out: in use by %2.</source>
        <comment>%1: a folder; %2: the programs using it</comment>
        <translation>已略過 %1：正被 %2 使用。</translation>
    </message>
    <message>
        <source>Recycle Bin (all drives)</source>
        <translation>資源回收筒（所有磁碟機）</translation>
    </message>
    <message>
        <source>Trash (all drives)</source>
        <extracomment>The one item of the Trash category: the Trash of every drive</extracomment>
        <translation>垃圾桶（所有磁碟機）</translation>
    </message>
</context>
<context>
    <name>Cleaner</name>
    <message>
        <source>delete permanently</source>
        <extracomment>Mode line of the cleanup log: the files are removed for good</extracomment>
        <translation>永久刪除</translation>
    </message>
</context>
<context>
    <name>CleanupPage</name>
    <message>
        <source>SAFE TO CLEAN</source>
        <extracomment>Heading over the categories of the Safe risk level</extracomment>
        <translation>可安全清理</translation>
    </message>
    <message>
        <source>REVIEW BEFORE CLEANING</source>
        <extracomment>Heading over the categories of the Review risk level</extracomment>
        <translation>清理前請檢查</translation>
    </message>
    <message>
        <source>CANNOT BE UNDONE</source>
        <extracomment>Heading over the categories of the Permanent risk level</extracomment>
        <translation>無法復原</translation>
    </message>
    <message>
        <source>Cleanup</source>
        <extracomment>Title of the Cleanup page</extracomment>
        <translation>清理</translation>
    </message>
    <message>
        <source>Nothing scanned yet</source>
        <extracomment>Heading of the Cleanup page before the first scan</extracomment>
        <translation>尚未掃描</translation>
    </message>
    <message>
        <source>Find caches, temporary files and leftovers.</source>
        <translation>尋找快取、暫存檔案和殘留檔案。</translation>
    </message>
    <message>
        <source>Start Smart Scan</source>
        <extracomment>Button; Smart Scan is the scan of every cleanup category</extracomment>
        <translation>開始智慧掃描</translation>
    </message>
    <message>
        <source>Scanning</source>
        <extracomment>Heading of the Cleanup page while the scan runs</extracomment>
        <translation>正在掃描</translation>
    </message>
    <message>
        <source>In progress</source>
        <extracomment>Eyebrow over the heading while a scan or cleanup runs</extracomment>
        <translation>進行中</translation>
    </message>
    <message>
        <source>Stop</source>
        <extracomment>Button that stops the running scan</extracomment>
        <translation>停止</translation>
    </message>
    <message>
        <source>Items checked</source>
        <extracomment>Caption under the number of files looked at so far</extracomment>
        <translation>已檢查項目</translation>
    </message>
    <message>
        <source>Elapsed</source>
        <extracomment>Caption under the time a scan has run so far</extracomment>
        <translation>經過時間</translation>
    </message>
    <message>
        <source>Remaining</source>
        <extracomment>Caption under the estimated time a scan still needs</extracomment>
        <translation>剩餘時間</translation>
    </message>
    <message>
        <source>found</source>
        <extracomment>Caption under the size found so far, inside the scan&apos;s radar</extracomment>
        <translation>已找到</translation>
    </message>
    <message>
        <source>Cleaning</source>
        <extracomment>Heading of the Cleanup page while the cleanup runs</extracomment>
        <translation>正在清理</translation>
    </message>
    <message>
        <source>of %1</source>
        <extracomment>Under the size cleaned so far, inside the progress ring; %1: the total size</extracomment>
        <translation>共 %1</translation>
    </message>
    <message>
        <source>Cleanup complete</source>
        <extracomment>Heading once a cleanup ended</extracomment>
        <translation>清理完成</translation>
    </message>
    <message>
        <source>Available before</source>
        <extracomment>Caption: free disk space before the cleanup</extracomment>
        <translation>清理前可用</translation>
    </message>
    <message>
        <source>Available now</source>
        <extracomment>Caption: free disk space after the cleanup</extracomment>
        <translation>目前可用</translation>
    </message>
    <message>
        <source>&lt;b&gt;Some files need administrator rights.&lt;/b&gt; Restart Varnholt as administrator and clean again to remove them.</source>
        <translation>&lt;b&gt;部分檔案需要系統管理員權限。&lt;/b&gt;請以系統管理員身分重新啟動 Varnholt 並再次清理，以刪除這些檔案。</translation>
    </message>
    <message>
        <source>Restart as admin</source>
        <extracomment>Button: restart Varnholt with administrator rights</extracomment>
        <translation>以系統管理員身分重啟</translation>
    </message>
    <message>
        <source>View log</source>
        <extracomment>Button: open the cleanup&apos;s log file</extracomment>
        <translation>檢視記錄檔</translation>
    </message>
    <message>
        <source>Done</source>
        <extracomment>Button that closes the cleanup&apos;s result</extracomment>
        <translation>完成</translation>
    </message>
    <message>
        <source>Items were deleted permanently.</source>
        <translation>項目已永久刪除。</translation>
    </message>
    <message>
        <source>For example: %1</source>
        <extracomment>%1: a file&apos;s path</extracomment>
        <translation>例如：%1</translation>
    </message>
    <message>
        <source>&lt;b&gt;Left caches of running apps alone:&lt;/b&gt; %1. Quit them and clean again to include them.</source>
        <extracomment>%1: a list of app names</extracomment>
        <translation>&lt;b&gt;未清理執行中應用程式的快取：&lt;/b&gt;%1。請結束這些應用程式並再次清理，即可一併清理。</translation>
    </message>
    <message>
        <source>Needs administrator</source>
        <extracomment>In place of a category&apos;s item count: it could only be read with administrator rights</extracomment>
        <translation>需要系統管理員權限</translation>
    </message>
    <message>
        <source>Select recommended</source>
        <extracomment>Button in the results&apos; header: check the safe categories</extracomment>
        <translation>選取建議項目</translation>
    </message>
    <message>
        <source>Rescan</source>
        <extracomment>Button in the results&apos; header: scan again</extracomment>
        <translation>重新掃描</translation>
    </message>
    <message>
        <source>Select all</source>
        <extracomment>Check box: check every category (or every item of one)</extracomment>
        <translation>全選</translation>
    </message>
    <message>
        <source>%1 can be cleaned</source>
        <extracomment>%1: a size, written in larger type</extracomment>
        <translation>%1 可清理</translation>
    </message>
    <message>
        <source>Nothing left to clean. Rescan any time.</source>
        <translation>已沒有可清理的項目。您可以隨時重新掃描。</translation>
    </message>
    <message>
        <source>These files need administrator rights.</source>
        <translation>這些檔案需要系統管理員權限。</translation>
    </message>
    <message>
        <source>Some folders need administrator rights.</source>
        <translation>部分資料夾需要系統管理員權限。</translation>
    </message>
    <message>
        <source>%1 is open. Quit it to include its cache.</source>
        <extracomment>%1: an app&apos;s name</extracomment>
        <translation>%1 已開啟。結束該應用程式後即可一併清理其快取。</translation>
    </message>
    <message>
        <source>%1 are open. Quit them to include their caches.</source>
        <extracomment>%1: a list of app names</extracomment>
        <translation>%1 已開啟。結束這些應用程式後即可一併清理其快取。</translation>
    </message>
    <message>
        <source>Largest items</source>
        <extracomment>Heading over the biggest items of an opened category</extracomment>
        <translation>最大的項目</translation>
    </message>
    <message>
        <source>%1 is running</source>
        <extracomment>Beside an item; %1: the app using it</extracomment>
        <translation>%1 正在執行</translation>
    </message>
    <message>
        <source>Show %1 more</source>
        <extracomment>Link below a category&apos;s items; %1: how many more are shown</extracomment>
        <translation>再顯示 %1 個</translation>
    </message>
    <message>
        <source>deleted permanently</source>
        <extracomment>Tooltip of the Clean button: what happens to the selection</extracomment>
        <translation>將永久刪除</translation>
    </message>
    <message>
        <source>Clean %1</source>
        <extracomment>The footer&apos;s main button; %1: the selected size</extracomment>
        <translation>清理 %1</translation>
    </message>
    <message>
        <source>Large files</source>
        <extracomment>Caption: how many large files were found</extracomment>
        <translation>大型檔案</translation>
    </message>
    <message numerus="yes">
        <source>and %Ln more item(s)</source>
        <extracomment>Below the items shown of a category</extracomment>
        <translation>
            <numerusform>另有 %Ln 個項目</numerusform>
        </translation>
    </message>
    <message>
        <source>Check again</source>
        <extracomment>Button beside a note: read the settings file again</extracomment>
        <translation>重新檢查</translation>
    </message>
    <message>
        <source>Partly cleaned</source>
        <extracomment>Heading once a cleanup left part of the selection</extracomment>
        <translation>已清理部分項目</translation>
    </message>
    <message>
        <source>Nothing was cleaned</source>
        <extracomment>Heading once a cleanup removed nothing</extracomment>
        <translation>未清理任何項目</translation>
    </message>
    <message>
        <source>None of the %1 selected could be cleaned.</source>
        <extracomment>%1: a size</extracomment>
        <translation>所選的 %1 皆無法清理。</translation>
    </message>
    <message>
        <source>No app could open %1</source>
        <extracomment>%1: a file or folder</extracomment>
        <translation>沒有應用程式能開啟 %1</translation>
    </message>
    <message>
        <source>Scan again to see what can be cleaned.</source>
        <translation>重新掃描即可查看可清理的項目。</translation>
    </message>
    <message>
        <source>Measuring…</source>
        <extracomment>In place of a category&apos;s item count while its size is measured</extracomment>
        <translation>正在計算…</translation>
    </message>
    <message>
        <source>%1 of it needs administrator rights.</source>
        <extracomment>%1: a size</extracomment>
        <translation>其中 %1 需要系統管理員權限。</translation>
    </message>
    <message>
        <source>freed</source>
        <comment>what the figure of a finished cleanup is</comment>
        <translation>已釋放</translation>
    </message>
    <message>
        <source>of %1 selected · %2</source>
        <extracomment>Under the cleaned size; %1: the selected size; %2: what became of it, e.g. &quot;freed&quot;</extracomment>
        <translation>共選取 %1 · %2</translation>
    </message>
    <message>
        <source>Restore all</source>
        <extracomment>Button: put back everything the cleanup moved to the bin</extracomment>
        <translation>全部還原</translation>
    </message>
    <message>
        <source>Restoring…</source>
        <extracomment>The Restore all button while the files go back</extracomment>
        <translation>正在還原…</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <comment>two programs that hold files</comment>
        <translation>%1 和 %2</translation>
    </message>
    <message numerus="yes">
        <source>%1 and %n other program(s)</source>
        <comment>programs that hold files</comment>
        <translation>
            <numerusform>%1 及其他 %n 個程式</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n file(s) are in use by %1.</source>
        <comment>%1: one or more programs</comment>
        <translation>
            <numerusform>%n 個檔案正被 %1 使用。</numerusform>
        </translation>
    </message>
    <message>
        <source>Try again</source>
        <extracomment>Button: clean again what was skipped</extracomment>
        <translation>重試</translation>
    </message>
    <message>
        <source>Clean the skipped files again, the same way</source>
        <translation>以相同方式再次清理略過的檔案</translation>
    </message>
    <message numerus="yes">
        <source>&lt;b&gt;%Ln item(s) kept&lt;/b&gt; because something in them changed since the scan. Scan again to see what can go.</source>
        <translation>
            <numerusform>&lt;b&gt;已保留 %Ln 個項目&lt;/b&gt;，因為掃描後其中的內容有變更。請重新掃描，查看可以清理的內容。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>&lt;b&gt;%Ln file(s) skipped&lt;/b&gt; because they were in use or protected. Quit the apps using them and rescan to remove them.</source>
        <translation>
            <numerusform>&lt;b&gt;已略過 %Ln 個檔案&lt;/b&gt;，因為它們正在使用中或受到保護。請結束正在使用這些檔案的應用程式，然後重新掃描以移除它們。</numerusform>
        </translation>
    </message>
    <message>
        <source>This cleanup wrote no log; its folder is open instead.</source>
        <translation>本次清理未寫入記錄檔，已改為開啟記錄檔資料夾。</translation>
    </message>
    <message>
        <source>Varnholt did not restart: administrator rights were refused or could not be asked for.</source>
        <translation>Varnholt 未重新啟動：系統管理員權限遭拒或無法要求。</translation>
    </message>
    <message>
        <source>Put everything this cleanup moved to the Recycle Bin back where it was</source>
        <translation>將本次清理移至資源回收筒的所有內容放回原處</translation>
    </message>
    <message>
        <source>Put everything this cleanup moved to the Trash back where it was</source>
        <translation>將本次清理移至垃圾桶的所有內容放回原處</translation>
    </message>
    <message>
        <source>freed or moved to the Recycle Bin</source>
        <comment>what the figure of a finished cleanup is</comment>
        <translation>已釋放或移至資源回收筒</translation>
    </message>
    <message>
        <source>freed or moved to the Trash</source>
        <comment>what the figure of a finished cleanup is</comment>
        <translation>已釋放或移至垃圾桶</translation>
    </message>
    <message>
        <source>moved to the Recycle Bin</source>
        <comment>what the figure of a finished cleanup is</comment>
        <translation>已移至資源回收筒</translation>
    </message>
    <message>
        <source>moved to the Trash</source>
        <comment>what the figure of a finished cleanup is</comment>
        <translation>已移至垃圾桶</translation>
    </message>
    <message numerus="yes">
        <source>&lt;b&gt;%Ln item(s) could not be moved to the Recycle Bin&lt;/b&gt; and were left where they are.</source>
        <translation>
            <numerusform>&lt;b&gt;%Ln 個項目無法移至資源回收筒&lt;/b&gt;，已保留在原處。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>&lt;b&gt;%Ln item(s) could not be moved to the Trash&lt;/b&gt; and were left where they are.</source>
        <translation>
            <numerusform>&lt;b&gt;%Ln 個項目無法移至垃圾桶&lt;/b&gt;，已保留在原處。</numerusform>
        </translation>
    </message>
    <message>
        <source>Some items were moved to the Recycle Bin and the rest deleted permanently. You can still restore what was moved.</source>
        <translation>部分項目已移至資源回收筒，其餘已永久刪除。移走的項目仍可還原。</translation>
    </message>
    <message>
        <source>Some items were moved to the Trash and the rest deleted permanently. You can still restore what was moved.</source>
        <translation>部分項目已移至垃圾桶，其餘已永久刪除。移走的項目仍可還原。</translation>
    </message>
    <message>
        <source>Moved to the Recycle Bin. You can still restore anything.</source>
        <translation>已移至資源回收筒。所有內容仍可還原。</translation>
    </message>
    <message>
        <source>Moved to the Trash. You can still restore anything.</source>
        <translation>已移至垃圾桶。所有內容仍可還原。</translation>
    </message>
    <message>
        <source>The log %1 is gone; its folder is open instead.</source>
        <comment>%1: a path</comment>
        <translation>記錄檔 %1 已不存在，已改為開啟其所在資料夾。</translation>
    </message>
    <message>
        <source>The File Explorer could not show %1</source>
        <comment>%1: a path</comment>
        <translation>檔案總管無法顯示 %1</translation>
    </message>
    <message>
        <source>The File Manager could not show %1</source>
        <comment>%1: a path</comment>
        <translation>檔案管理員無法顯示 %1</translation>
    </message>
    <message numerus="yes">
        <source>%Ln item(s)</source>
        <comment>on a category&apos;s card</comment>
        <translation>
            <numerusform>%Ln 個項目</numerusform>
        </translation>
    </message>
    <message>
        <source>Show in File Explorer</source>
        <extracomment>Link beside a category&apos;s largest items; opens File Explorer there</extracomment>
        <translation>在檔案總管中顯示</translation>
    </message>
    <message>
        <source>Show in File Manager</source>
        <extracomment>Link beside a category&apos;s largest items; opens the file manager there</extracomment>
        <translation>在檔案管理員中顯示</translation>
    </message>
    <message>
        <source>No Recycle Bin on this drive</source>
        <translation>此磁碟機上沒有資源回收筒</translation>
    </message>
    <message>
        <source>No Trash on this drive</source>
        <translation>此磁碟機上沒有垃圾桶</translation>
    </message>
    <message>
        <source>Cannot go to the Recycle Bin</source>
        <translation>無法移至資源回收筒</translation>
    </message>
    <message>
        <source>Cannot go to the Trash</source>
        <translation>無法移至垃圾桶</translation>
    </message>
    <message>
        <source>moved to the Recycle Bin</source>
        <extracomment>Tooltip of the Clean button: where the selection goes</extracomment>
        <translation>將移至資源回收筒</translation>
    </message>
    <message>
        <source>moved to the Trash</source>
        <extracomment>Tooltip of the Clean button: where the selection goes</extracomment>
        <translation>將移至垃圾桶</translation>
    </message>
    <message>
        <source>&lt;b style=&apos;color:%1&apos;&gt;%2&lt;/b&gt; selected · some need admin</source>
        <comment>%1: style, keep as is; %2: a size</comment>
        <translation>已選取 &lt;b style=&apos;color:%1&apos;&gt;%2&lt;/b&gt; · 部分需要系統管理員權限</translation>
    </message>
    <message>
        <source>&lt;b style=&apos;color:%1&apos;&gt;%2&lt;/b&gt; selected</source>
        <comment>%1: style, keep as is; %2: a size</comment>
        <translation>已選取 &lt;b style=&apos;color:%1&apos;&gt;%2&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Your settings in %1 cannot be read, so your exclusions and your choice between the Recycle Bin and deleting are unknown. Cleaning stays off until the file can be read again.</source>
        <comment>%1: the settings file</comment>
        <translation>無法讀取 %1 中的設定，因此不清楚您的排除項目，也不清楚應移至資源回收筒還是直接刪除。在能再次讀取該檔案之前，清理功能將保持關閉。</translation>
    </message>
    <message>
        <source>Your settings in %1 cannot be read, so your exclusions and your choice between the Trash and deleting are unknown. Cleaning stays off until the file can be read again.</source>
        <comment>%1: the settings file</comment>
        <translation>無法讀取 %1 中的設定，因此不清楚您的排除項目，也不清楚應移至垃圾桶還是直接刪除。在能再次讀取該檔案之前，清理功能將保持關閉。</translation>
    </message>
    <message numerus="yes">
        <source>&lt;b&gt;%Ln file(s) skipped&lt;/b&gt;. The log says why for each one.</source>
        <translation>
            <numerusform>&lt;b&gt;已略過 %Ln 個檔案&lt;/b&gt;。各項原因請見記錄檔。</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Cli</name>
    <message>
        <source>Cannot read the catalogue file %1: %2</source>
        <extracomment>%1: a file&apos;s path; %2: the system&apos;s reason</extracomment>
        <translation>無法讀取類別清單檔案 %1：%2</translation>
    </message>
    <message>
        <source>The catalogue file %1 is not valid JSON: %2</source>
        <extracomment>%1: a file&apos;s path; %2: what the JSON reader says</extracomment>
        <translation>類別清單檔案 %1 不是有效的 JSON：%2</translation>
    </message>
    <message>
        <source>The catalogue file %1 is not usable: %2</source>
        <extracomment>%1: a file&apos;s path; %2: one of the reasons below</extracomment>
        <translation>無法使用類別清單檔案 %1：%2</translation>
    </message>
    <message>
        <source>a category has no id</source>
        <translation>有類別缺少 id</translation>
    </message>
    <message>
        <source>the id &quot;%1&quot; appears twice</source>
        <extracomment>%1: a category id</extracomment>
        <translation>id「%1」出現了兩次</translation>
    </message>
    <message>
        <source>the risk of &quot;%1&quot; is not Safe, Review or Permanent</source>
        <extracomment>%1: a category id; Safe, Review and Permanent are keys of the file, keep them</extracomment>
        <translation>「%1」的風險等級不是 Safe、Review 或 Permanent</translation>
    </message>
    <message>
        <source>a root of &quot;%1&quot; is not an absolute path</source>
        <extracomment>%1: a category id</extracomment>
        <translation>「%1」的某個根路徑不是絕對路徑</translation>
    </message>
    <message>
        <source>it lists no categories</source>
        <translation>其中未列出任何類別</translation>
    </message>
    <message>
        <source>Interrupted.</source>
        <extracomment>Printed when Ctrl+C stopped the command</extracomment>
        <translation>已中斷。</translation>
    </message>
    <message>
        <source>Category</source>
        <extracomment>Column heading of the scan table</extracomment>
        <translation>類別</translation>
    </message>
    <message>
        <source>Risk</source>
        <extracomment>Column heading of the scan table: Safe, Review or Permanent</extracomment>
        <translation>風險</translation>
    </message>
    <message>
        <source>Size</source>
        <extracomment>Column heading</extracomment>
        <translation>大小</translation>
    </message>
    <message>
        <source>Files</source>
        <extracomment>Column heading: a number of files</extracomment>
        <translation>檔案數</translation>
    </message>
    <message>
        <source>Items</source>
        <extracomment>Column heading: a number of items (folders or files)</extracomment>
        <translation>項目數</translation>
    </message>
    <message>
        <source>(%1 is running)</source>
        <extracomment>After an item of the scan table; %1: an app&apos;s name</extracomment>
        <translation>（%1 正在執行）</translation>
    </message>
    <message>
        <source>… %1 more (--json lists all)</source>
        <extracomment>%1: a number of items not printed</extracomment>
        <translation>… 另有 %1 項（使用 --json 可列出全部）</translation>
    </message>
    <message>
        <source>Some folders of %1 could not be read.</source>
        <extracomment>%1: a category</extracomment>
        <translation>無法讀取「%1」中的部分資料夾。</translation>
    </message>
    <message>
        <source>Keeping %1 as a whole: %2 lies inside it.</source>
        <extracomment>%1: a folder; %2: the file or folder that keeps it</extracomment>
        <translation>將完整保留 %1：%2 位於其中。</translation>
    </message>
    <message>
        <source>Cleaned: %1</source>
        <extracomment>%1: a list of categories</extracomment>
        <translation>已清理：%1</translation>
    </message>
    <message>
        <source>Left alone because they are running: %1</source>
        <extracomment>%1: a list of app names</extracomment>
        <translation>以下應用程式正在執行，其快取未清理：%1</translation>
    </message>
    <message>
        <source>Some items need administrator rights.</source>
        <translation>部分項目需要系統管理員權限。</translation>
    </message>
    <message>
        <source>Log: %1</source>
        <extracomment>%1: the path of the log file</extracomment>
        <translation>記錄檔：%1</translation>
    </message>
    <message>
        <source>The scan did not complete.</source>
        <translation>掃描未完成。</translation>
    </message>
    <message>
        <source>The scan did not complete; nothing was cleaned.</source>
        <translation>掃描未完成，未清理任何項目。</translation>
    </message>
    <message>
        <source>Nothing to clean in the categories given.</source>
        <translation>指定的類別中沒有可清理的項目。</translation>
    </message>
    <message>
        <source>Cleaning %1 of %2 · %3</source>
        <extracomment>Progress line; %1: the size cleaned; %2: the total; %3: the category</extracomment>
        <translation>正在清理 %1 / %2 · %3</translation>
    </message>
    <message>
        <source>The search for large files did not complete.</source>
        <translation>大型檔案搜尋未完成。</translation>
    </message>
    <message>
        <source>Kind</source>
        <extracomment>Column heading of the large-file table: Video, Archive, …</extracomment>
        <translation>類型</translation>
    </message>
    <message>
        <source>Last used</source>
        <extracomment>Column heading of the large-file table: a date</extracomment>
        <translation>上次使用</translation>
    </message>
    <message>
        <source>Path</source>
        <extracomment>Column heading</extracomment>
        <translation>路徑</translation>
    </message>
    <message numerus="yes">
        <source>%n large file(s)</source>
        <extracomment>Below the large-file table</extracomment>
        <translation>
            <numerusform>%n 個大型檔案</numerusform>
        </translation>
    </message>
    <message>
        <source>Cannot read %1.</source>
        <extracomment>%1: a file&apos;s path</extracomment>
        <translation>無法讀取 %1。</translation>
    </message>
    <message>
        <source>Newest</source>
        <extracomment>Column heading of the history table: the latest record</extracomment>
        <translation>最新記錄</translation>
    </message>
    <message>
        <source>Time</source>
        <extracomment>Column heading of the timing table</extracomment>
        <translation>耗時</translation>
    </message>
    <message>
        <source>%1 ms</source>
        <extracomment>%1: a number of milliseconds</extracomment>
        <translation>%1 毫秒</translation>
    </message>
    <message>
        <source>Run &quot;varnholt-cli --help&quot; for the usage.</source>
        <translation>執行「varnholt-cli --help」以檢視用法。</translation>
    </message>
    <message>
        <source>No command given.</source>
        <extracomment>Error when varnholt-cli ran without a command</extracomment>
        <translation>未指定命令。</translation>
    </message>
    <message>
        <source>--help takes nothing else.</source>
        <translation>--help 不能與其他引數一起使用。</translation>
    </message>
    <message>
        <source>--version takes nothing else.</source>
        <translation>--version 不能與其他引數一起使用。</translation>
    </message>
    <message>
        <source>Unexpected argument &quot;%1&quot; for %2.</source>
        <extracomment>%1: what was typed; %2: the command</extracomment>
        <translation>%2 命令不接受引數「%1」。</translation>
    </message>
    <message>
        <source>measure takes exactly one PATH.</source>
        <translation>measure 只接受一個 PATH。</translation>
    </message>
    <message>
        <source>none</source>
        <extracomment>Stands for an empty list of options</extracomment>
        <translation>無</translation>
    </message>
    <message>
        <source>Unknown option &quot;%1&quot; for %2. Options of %2: %3.</source>
        <extracomment>%1: what was typed; %2: the command; %3: its options</extracomment>
        <translation>未知的選項「%1」（命令 %2）。%2 的可用選項：%3。</translation>
    </message>
    <message>
        <source>%1 needs a value.</source>
        <extracomment>%1: an option, e.g. --threshold-mb</extracomment>
        <translation>%1 需要一個值。</translation>
    </message>
    <message>
        <source>%1 takes no value.</source>
        <extracomment>%1: an option, e.g. --json</extracomment>
        <translation>%1 不接受值。</translation>
    </message>
    <message>
        <source>--skip-item needs a path.</source>
        <translation>--skip-item 需要一個路徑。</translation>
    </message>
    <message>
        <source>Choose either --delete or --trash, not both.</source>
        <translation>--delete 與 --trash 只能擇一使用。</translation>
    </message>
    <message>
        <source>--threshold-mb needs a positive number of megabytes (for example 500), not &quot;%1&quot;.</source>
        <extracomment>%1: what was typed</extracomment>
        <translation>--threshold-mb 需要以 MB 為單位的正數（例如 500），而非「%1」。</translation>
    </message>
    <message>
        <source>measure needs a PATH.</source>
        <translation>measure 需要一個 PATH。</translation>
    </message>
    <message>
        <source>clean needs at least one --category ID.</source>
        <translation>clean 至少需要一個 --category ID。</translation>
    </message>
    <message>
        <source>clean removes files: add --yes to confirm.</source>
        <translation>clean 會刪除檔案：請加上 --yes 以確認。</translation>
    </message>
    <message>
        <source>Unknown category %1. Categories: %2.</source>
        <extracomment>%1: what was typed; %2: the list of category ids</extracomment>
        <translation>未知的類別：%1。可用類別：%2。</translation>
    </message>
    <message>
        <source>a flag of &quot;%1&quot; is not true or false</source>
        <extracomment>%1: a category id; true and false are words of the file, keep them</extracomment>
        <translation>「%1」的某個旗標不是 true 或 false</translation>
    </message>
    <message>
        <source>the patterns of a root of &quot;%1&quot; are not a list of names</source>
        <extracomment>%1: a category id</extracomment>
        <translation>「%1」的某個根路徑的模式不是名稱清單</translation>
    </message>
    <message>
        <source>the minAgeMs of a root of &quot;%1&quot; is not a whole number of milliseconds from 0 to 100 years</source>
        <extracomment>%1: a category id; minAgeMs is a key of the file, keep it</extracomment>
        <translation>「%1」的某個根路徑的 minAgeMs 不是 0 到 100 年之間的整數毫秒數</translation>
    </message>
    <message>
        <source>Warning: cannot read the settings file %1; this run may not use your settings.</source>
        <extracomment>%1: a file&apos;s path</extracomment>
        <translation>警告：無法讀取設定檔 %1；本次執行可能不會使用您的設定。</translation>
    </message>
    <message>
        <source>Cannot read the settings file %1, so your exclusions and your choice between the trash and deleting are unknown. Nothing was cleaned: fix or remove that file first.</source>
        <extracomment>%1: a file&apos;s path</extracomment>
        <translation>無法讀取設定檔 %1，因此無法得知您的排除項目，也無法得知應移至垃圾桶還是直接刪除。未清理任何項目：請先修正或移除該檔案。</translation>
    </message>
    <message>
        <source>Nothing was cleaned.</source>
        <extracomment>Printed when a cleanup removed nothing</extracomment>
        <translation>未清理任何項目。</translation>
    </message>
    <message>
        <source>Action</source>
        <extracomment>Column heading of the --dry-run table: what would happen to the path</extracomment>
        <translation>動作</translation>
    </message>
    <message>
        <source>Would stay:</source>
        <extracomment>Heading over the paths --dry-run would keep</extracomment>
        <translation>將保留：</translation>
    </message>
    <message numerus="yes">
        <source>Preview only, nothing was removed: %n path(s) would go, %1.</source>
        <extracomment>&quot;would go&quot;: would be removed; %1: their size</extracomment>
        <translation>
            <numerusform>僅為預覽，未刪除任何內容：將移除 %n 個路徑，共 %1。</numerusform>
        </translation>
    </message>
    <message>
        <source>The disk is already full.</source>
        <translation>磁碟已滿。</translation>
    </message>
    <message numerus="yes">
        <source>No forecast yet: the records of free space cover %n day(s); a forecast needs at least %1.</source>
        <extracomment>%1: a number of days</extracomment>
        <translation>
            <numerusform>暫無預測：可用空間記錄僅涵蓋 %n 天；預測至少需要 %1 天。</numerusform>
        </translation>
    </message>
    <message>
        <source>No forecast: free space is not falling.</source>
        <translation>無預測：可用空間沒有減少。</translation>
    </message>
    <message>
        <source>No forecast: at this rate the disk is not full within a year.</source>
        <translation>無預測：照此速度，磁碟一年內不會滿。</translation>
    </message>
    <message numerus="yes">
        <source>%n record(s) of free space since %1</source>
        <extracomment>%1: a date</extracomment>
        <translation>
            <numerusform>自 %1 起共 %n 筆可用空間記錄</numerusform>
        </translation>
    </message>
    <message>
        <source>restore takes at most one LOG.</source>
        <translation>restore 最多接受一個 LOG。</translation>
    </message>
    <message>
        <source>put back what a cleanup moved to the trash (the latest one without LOG)</source>
        <translation>將某次清理移到垃圾桶的內容放回原處（未指定 LOG 時為最近一次）</translation>
    </message>
    <message>
        <source>estimate when the disk is full from its history of free space</source>
        <translation>根據可用空間歷史估算磁碟何時會滿</translation>
    </message>
    <message>
        <source>list what clean would remove or move, with sizes; removes nothing</source>
        <translation>列出 clean 將刪除或移動的內容及大小；不刪除任何內容</translation>
    </message>
    <message>
        <source>Unknown command &quot;%1&quot;. Commands: %2.</source>
        <extracomment>%1: what was typed; %2: the list of commands</extracomment>
        <translation>未知的命令「%1」。可用命令：%2。</translation>
    </message>
    <message numerus="yes">
        <source>In use by %1 (PID %2): %n file(s)</source>
        <extracomment>%1: a program&apos;s name; %2: its process number</extracomment>
        <translation>
            <numerusform>正被 %1（PID %2）使用：%n 個檔案</numerusform>
        </translation>
    </message>
    <message>
        <source>Kept because something in them changed since the scan: %1</source>
        <extracomment>%1: a list of paths</extracomment>
        <translation>因掃描後內容有變更而保留：%1</translation>
    </message>
    <message>
        <source>As root, the catalogue file %1 is used only when it and every folder above it belong to root and no one else may change them.</source>
        <extracomment>%1: a file&apos;s path</extracomment>
        <translation>以 root 身分執行時，只有當類別清單檔案 %1 及其上方的每個資料夾都屬於 root 且其他人無法變更時，才會使用該檔案。</translation>
    </message>
    <message>
        <source>As root, Varnholt works in root&apos;s own folders (%1) and ignores %2: another user can change where they lead.</source>
        <extracomment>%1: a list of folders; %2: the environment variables ignored</extracomment>
        <translation>以 root 身分執行時，Varnholt 只使用 root 自己的資料夾（%1），並忽略 %2：其他使用者可以變更它們指向的位置。</translation>
    </message>
    <message numerus="yes">
        <source>… and %n more</source>
        <extracomment>Below the skipped paths printed</extracomment>
        <translation>
            <numerusform>… 另有 %n 項</numerusform>
        </translation>
    </message>
    <message>
        <source>Cannot read the settings file %1, so your exclusions and your choice between the Recycle Bin and deleting are unknown. Nothing was cleaned: fix or remove that file first.</source>
        <extracomment>%1: a file&apos;s path</extracomment>
        <translation>無法讀取設定檔 %1，因此無法得知您的排除項目，也無法得知應移至資源回收筒還是直接刪除。未清理任何項目：請先修正或移除該檔案。</translation>
    </message>
    <message numerus="yes">
        <source>No forecast yet: the free space has been recorded %n time(s) (the Varnholt app records it when it starts); a forecast needs at least %1.</source>
        <extracomment>%1: a number of records</extracomment>
        <translation>
            <numerusform>暫無預測：可用空間已記錄 %n 次（Varnholt 應用程式在啟動時記錄）；預測至少需要 %1 次。</numerusform>
        </translation>
    </message>
    <message>
        <source>delete permanently, or move to the Recycle Bin</source>
        <translation>永久刪除，或移至資源回收筒</translation>
    </message>
    <message>
        <source>put back what a cleanup moved to the Recycle Bin (the latest one without LOG)</source>
        <translation>將某次清理移到資源回收筒的內容放回原處（未指定 LOG 時為最近一次）</translation>
    </message>
    <message>
        <source>delete permanently, or move to the trash</source>
        <translation>永久刪除，或移至垃圾桶</translation>
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
        <translation>用法：
  varnholt-cli scan [--json] [--exclude PATTERN]...
  varnholt-cli clean --category ID [--category ID]... [--skip-item PATH]...
                     [--delete | --trash] [--exclude PATTERN]... --yes [--json]
  varnholt-cli large [--threshold-mb N] [--exclude PATTERN]... [--json]
  varnholt-cli measure PATH [--json]
  varnholt-cli --help | --version

命令：
  scan      測量所有清理類別的大小
  clean     重新掃描，然後只清理指定的類別
  large     列出個人資料夾中的大型檔案
  measure   顯示某個路徑的磁碟使用量、檔案數和最近修改時間

選項：
  --json              輸出 JSON 而非表格
  --exclude PATTERN   略過符合 PATTERN 的資料夾和檔案；指定此選項後，
                      本次執行將以這些模式取代設定中的排除項目
  --category ID       要清理的類別（temp、appcache、browser、logs、thumbs、
                      update、dev、trash）
  --skip-item PATH    保留所清理類別中的此項目
  --delete, --trash   %1
  --threshold-mb N    大型檔案的最小大小，以 MB 為單位
  --yes               確認允許 clean 刪除檔案

預設值取自 Varnholt 的設定；選項僅對本次執行有效。
結束狀態：0 完成，1 失敗（clean：有選取的內容未能刪除），2 用法錯誤。
</translation>
    </message>
    <message numerus="yes">
        <source>Scanning %1 · %2 · %Ln file(s) · %3</source>
        <extracomment>Progress line; %1: a category; %2: the size found; %3: a folder</extracomment>
        <translation>
            <numerusform>正在掃描 %1 · %2 · %Ln 個檔案 · %3</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 found · %Ln file(s) checked · %2 s</source>
        <comment>%1: a size; %2: seconds</comment>
        <translation>
            <numerusform>已找到 %1 · 已檢查 %Ln 個檔案 · %2 秒</numerusform>
        </translation>
    </message>
    <message>
        <source>move to Recycle Bin</source>
        <extracomment>The Action column of --dry-run&apos;s table: to the Recycle Bin</extracomment>
        <translation>移至資源回收筒</translation>
    </message>
    <message>
        <source>move to Trash</source>
        <extracomment>The Action column of --dry-run&apos;s table: to the Trash</extracomment>
        <translation>移至垃圾桶</translation>
    </message>
    <message>
        <source>delete</source>
        <comment>the Action column of --dry-run&apos;s table: the file is deleted for good</comment>
        <translation>刪除</translation>
    </message>
    <message>
        <source>Moved %1 to the Recycle Bin</source>
        <comment>%1: a size</comment>
        <translation>已將 %1 移至資源回收筒</translation>
    </message>
    <message>
        <source>Moved %1 to the Trash</source>
        <comment>%1: a size</comment>
        <translation>已將 %1 移至垃圾桶</translation>
    </message>
    <message>
        <source>freed %1</source>
        <comment>follows what was moved to the bin; %1: a size</comment>
        <translation>已釋放 %1</translation>
    </message>
    <message>
        <source>Freed %1</source>
        <comment>%1: a size</comment>
        <translation>已釋放 %1</translation>
    </message>
    <message numerus="yes">
        <source>%n file(s) removed</source>
        <extracomment>Clause of the line that sums up a cleanup</extracomment>
        <translation>
            <numerusform>已刪除 %n 個檔案</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln skipped</source>
        <comment>a number of files and folders left alone</comment>
        <translation>
            <numerusform>已略過 %Ln 項</numerusform>
        </translation>
    </message>
    <message>
        <source> · </source>
        <extracomment>Between the clauses of the line that sums up a cleanup</extracomment>
        <translation> · </translation>
    </message>
    <message>
        <source>Could not be moved to the Recycle Bin, left where they are:</source>
        <translation>無法移至資源回收筒，已保留在原處：</translation>
    </message>
    <message>
        <source>Could not be moved to the Trash, left where they are:</source>
        <translation>無法移至垃圾桶，已保留在原處：</translation>
    </message>
    <message>
        <source>--skip-item %1 names no item of the categories given.</source>
        <comment>%1: the path given</comment>
        <translation>--skip-item %1 不對應所指定類別中的任何項目。</translation>
    </message>
    <message numerus="yes">
        <source>%Ln file(s) checked · %1 found (%2) · %3</source>
        <extracomment>Progress line; %1: the number of large files found; %2: their size; %3: a folder</extracomment>
        <translation>
            <numerusform>已檢查 %Ln 個檔案 · 找到 %1 個（%2） · %3</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Recorded the sizes of %n folder(s) in %1 (%2 in all).</source>
        <translation>
            <numerusform>已記錄 %1 中 %n 個資料夾的大小（共 %2）。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n reading(s) of folder sizes kept.</source>
        <translation>
            <numerusform>已保存 %n 次資料夾大小記錄。</numerusform>
        </translation>
    </message>
    <message>
        <source>The reading of folder sizes did not complete.</source>
        <translation>資料夾大小記錄未完成。</translation>
    </message>
    <message numerus="yes">
        <source>Nothing to compare yet: %n reading(s) of folder sizes so far, and a comparison needs two. The Varnholt app takes one a day while its history of folder sizes is on; &quot;varnholt-cli grew --record&quot; takes one now.</source>
        <translation>
            <numerusform>還沒有可比較的內容：目前有 %n 次資料夾大小記錄，比較需要兩次。資料夾大小歷史開啟時，Varnholt 應用程式每天記錄一次；「varnholt-cli grew --record」可立即記錄一次。</numerusform>
        </translation>
    </message>
    <message>
        <source>Changes in %1 between %2 and %3:</source>
        <translation>%1 在 %2 到 %3 之間的變化：</translation>
    </message>
    <message>
        <source>No folder changed by %1 or more.</source>
        <translation>沒有資料夾的變化達到 %1 或以上。</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>變化</translation>
    </message>
    <message>
        <source>Then</source>
        <translation>之前</translation>
    </message>
    <message>
        <source>Now</source>
        <translation>現在</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>資料夾</translation>
    </message>
    <message numerus="yes">
        <source>and %n more (--json lists them all)</source>
        <translation>
            <numerusform>以及另外 %n 個（--json 會全部列出）</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: clean it with: %2</source>
        <translation>%1：用以下指令清理：%2</translation>
    </message>
    <message>
        <source>In all: %1 then, %2 now (%3).</source>
        <translation>總計：之前 %1，現在 %2（%3）。</translation>
    </message>
    <message>
        <source>--since needs an age such as 7d, 2w or 12h, not &quot;%1&quot;.</source>
        <translation>--since 需要類似 7d、2w 或 12h 的時間長度，而非「%1」。</translation>
    </message>
    <message>
        <source>Choose either --record or --since, not both.</source>
        <translation>--record 與 --since 只能擇一使用。</translation>
    </message>
    <message>
        <source>the folders that grew or shrank most since an earlier reading</source>
        <translation>自較早的一次記錄以來增加或減少最多的資料夾</translation>
    </message>
    <message>
        <source>grew: compare with about AGE ago: 7d, 2w, 12h (default 7d)</source>
        <translation>grew：與大約 AGE 之前比較：7d、2w、12h（預設 7d）</translation>
    </message>
    <message>
        <source>grew: take a reading of the folder sizes now</source>
        <translation>grew：立即記錄資料夾大小</translation>
    </message>
    <message>
        <source>No cleanup has moved anything to the Recycle Bin; there is nothing to restore.</source>
        <translation>還沒有任何清理將內容移至資源回收筒，沒有可還原的內容。</translation>
    </message>
    <message>
        <source>No cleanup has moved anything to the Trash; there is nothing to restore.</source>
        <translation>還沒有任何清理將內容移至垃圾桶，沒有可還原的內容。</translation>
    </message>
    <message>
        <source>Skipped (the log gives each reason):</source>
        <extracomment>Heading over paths a cleanup left alone, for reasons of several kinds</extracomment>
        <translation>已略過（各項原因請見記錄檔）：</translation>
    </message>
    <message>
        <source>That cleanup moved nothing to the Recycle Bin; there is nothing to restore.</source>
        <translation>該次清理沒有將任何內容移至資源回收筒，沒有可還原的內容。</translation>
    </message>
    <message>
        <source>That cleanup moved nothing to the Trash; there is nothing to restore.</source>
        <translation>該次清理沒有將任何內容移至垃圾桶，沒有可還原的內容。</translation>
    </message>
</context>
<context>
    <name>LargeFileKind</name>
    <message>
        <source>Disk image</source>
        <extracomment>Kind of large file (the Space Map&apos;s Kind column)</extracomment>
        <translation>磁碟映像</translation>
    </message>
    <message>
        <source>Partial download</source>
        <extracomment>Kind of large file (the Space Map&apos;s Kind column)</extracomment>
        <translation>未完成的下載</translation>
    </message>
    <message>
        <source>Video</source>
        <extracomment>Kind of large file (the Space Map&apos;s Kind column)</extracomment>
        <translation>影片</translation>
    </message>
    <message>
        <source>Archive</source>
        <extracomment>Kind of large file (the Space Map&apos;s Kind column)</extracomment>
        <translation>壓縮檔</translation>
    </message>
    <message>
        <source>Installer</source>
        <extracomment>Kind of large file (the Space Map&apos;s Kind column)</extracomment>
        <translation>安裝程式</translation>
    </message>
    <message>
        <source>Audio</source>
        <extracomment>Kind of large file (the Space Map&apos;s Kind column)</extracomment>
        <translation>音訊</translation>
    </message>
    <message>
        <source>Image</source>
        <extracomment>Kind of large file (the Space Map&apos;s Kind column)</extracomment>
        <translation>圖片</translation>
    </message>
    <message>
        <source>Document</source>
        <extracomment>Kind of large file (the Space Map&apos;s Kind column)</extracomment>
        <translation>文件</translation>
    </message>
    <message>
        <source>Backup</source>
        <extracomment>Kind of large file (the Space Map&apos;s Kind column)</extracomment>
        <translation>備份</translation>
    </message>
    <message>
        <source>File</source>
        <extracomment>Kind of large file (the Space Map&apos;s Kind column)</extracomment>
        <translation>檔案</translation>
    </message>
</context>
<context>
    <name>LargeFilesPage</name>
    <message>
        <source>Space Map</source>
        <extracomment>Title of the page that maps where disk space goes (not a geographic map)</extracomment>
        <translation>空間分佈圖</translation>
    </message>
    <message>
        <source>Rescan</source>
        <extracomment>Button in the Space Map&apos;s header: look for large files again</extracomment>
        <translation>重新掃描</translation>
    </message>
    <message>
        <source>Find what&apos;s taking up space</source>
        <translation>找出佔用空間的檔案</translation>
    </message>
    <message>
        <source>Big files in your home folder. You decide what goes.</source>
        <translation>個人資料夾中的大型檔案。移除哪些由您決定。</translation>
    </message>
    <message>
        <source>Find large files</source>
        <extracomment>Heading while the search for large files runs</extracomment>
        <translation>尋找大型檔案</translation>
    </message>
    <message>
        <source>Largest so far</source>
        <extracomment>Heading over the biggest files found while the search runs</extracomment>
        <translation>目前最大的檔案</translation>
    </message>
    <message>
        <source>Looking for large files…</source>
        <translation>正在尋找大型檔案…</translation>
    </message>
    <message>
        <source>All</source>
        <extracomment>Filter of the large-file list: every file</extracomment>
        <translation>全部</translation>
    </message>
    <message>
        <source>Unused %1+ months</source>
        <extracomment>Filter of the large-file list; %1: a number of months</extracomment>
        <translation>未使用 %1 個月以上</translation>
    </message>
    <message>
        <source>Downloads</source>
        <extracomment>Filter of the large-file list: files in the Downloads folder</extracomment>
        <translation>下載</translation>
    </message>
    <message>
        <source>Search files</source>
        <extracomment>Placeholder of the search field</extracomment>
        <translation>搜尋檔案</translation>
    </message>
    <message>
        <source>Home folder · over %1</source>
        <extracomment>Eyebrow of the Space Map: where it looks and above which size; %1: a size</extracomment>
        <translation>個人資料夾 · 大於 %1</translation>
    </message>
    <message numerus="yes">
        <source>&lt;b style=&apos;color:%1&apos;&gt;%2&lt;/b&gt; selected of %3 · %Ln file(s)</source>
        <extracomment>The footer&apos;s summary; %1: style, keep as is; %2: the checked size; %3: the total size</extracomment>
        <translation>
            <numerusform>已選取 &lt;b style=&apos;color:%1&apos;&gt;%2&lt;/b&gt;，共 %3 · %Ln 個檔案</numerusform>
        </translation>
    </message>
    <message>
        <source>Stop</source>
        <extracomment>Button in the Space Map&apos;s header: stop the search for large files</extracomment>
        <translation>停止</translation>
    </message>
    <message>
        <source>No files match “%1”.</source>
        <extracomment>%1: what was typed in the search field</extracomment>
        <translation>沒有與「%1」相符的檔案。</translation>
    </message>
    <message>
        <source>No files in this view.</source>
        <translation>此檢視中沒有檔案。</translation>
    </message>
    <message>
        <source>No files over %1 in your home folder.</source>
        <extracomment>%1: a size</extracomment>
        <translation>個人資料夾中沒有大於 %1 的檔案。</translation>
    </message>
    <message>
        <source>Files to show</source>
        <extracomment>Accessible name of the row of filters</extracomment>
        <translation>要顯示的檔案</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>上一層</translation>
    </message>
    <message>
        <source>Change since</source>
        <translation>變化起點</translation>
    </message>
    <message>
        <source>Folders by change</source>
        <translation>依變化顯示的資料夾</translation>
    </message>
    <message>
        <source>Folders</source>
        <translation>資料夾</translation>
    </message>
    <message>
        <source>The history of folder sizes is off. Turn it on in Settings to see what grew.</source>
        <translation>資料夾大小歷史已關閉。在「設定」中開啟後即可查看成長情況。</translation>
    </message>
    <message>
        <source>Varnholt notes how big your folders are once a day. The first comparison is ready after two readings.</source>
        <translation>Varnholt 每天記錄一次資料夾的大小。記錄兩次後即可看到第一次比較。</translation>
    </message>
    <message>
        <source>Name</source>
        <extracomment>Column title of the Space Map&apos;s list (shown upper-cased): the file&apos;s name</extracomment>
        <translation>名稱</translation>
    </message>
    <message>
        <source>Kind</source>
        <extracomment>Column title (shown upper-cased): Video, Archive, …</extracomment>
        <translation>類型</translation>
    </message>
    <message>
        <source>Last opened</source>
        <extracomment>Column title (shown upper-cased) over relative dates such as &quot;3 months ago&quot;</extracomment>
        <translation>上次開啟</translation>
    </message>
    <message>
        <source>Size</source>
        <extracomment>Column title (shown upper-cased): the file&apos;s size</extracomment>
        <translation>大小</translation>
    </message>
    <message>
        <source>Grew</source>
        <extracomment>View of the Space Map: the folders coloured by how much they grew since an earlier reading</extracomment>
        <translation>成長</translation>
    </message>
    <message>
        <source>Clear search</source>
        <comment>button in the search field that empties it</comment>
        <translation>清除搜尋</translation>
    </message>
    <message>
        <source>Show in File Explorer</source>
        <extracomment>Button in the Space Map&apos;s footer; opens File Explorer at the checked file</extracomment>
        <translation>在檔案總管中顯示</translation>
    </message>
    <message>
        <source>Show in File Manager</source>
        <extracomment>Button in the Space Map&apos;s footer; opens the file manager at the checked file</extracomment>
        <translation>在檔案管理員中顯示</translation>
    </message>
    <message>
        <source>Move to Recycle Bin</source>
        <extracomment>Button in the Space Map&apos;s footer; moves the checked files to the Recycle Bin</extracomment>
        <translation>移至資源回收筒</translation>
    </message>
    <message>
        <source>Move to Trash</source>
        <extracomment>Button in the Space Map&apos;s footer; moves the checked files to the Trash</extracomment>
        <translation>移至垃圾桶</translation>
    </message>
    <message>
        <source>The File Explorer could not show %1</source>
        <comment>%1: a path</comment>
        <translation>檔案總管無法顯示 %1</translation>
    </message>
    <message>
        <source>The File Manager could not show %1</source>
        <comment>%1: a path</comment>
        <translation>檔案管理員無法顯示 %1</translation>
    </message>
</context>
<context>
    <name>Main</name>
    <message>
        <source>%1 is almost full. Run Smart Scan to free up space.</source>
        <extracomment>Notification; %1: a drive</extracomment>
        <translation>%1 幾乎已滿。執行智慧掃描以釋放空間。</translation>
    </message>
    <message>
        <source>Varnholt was updated to version %1.</source>
        <extracomment>%1: a version number</extracomment>
        <translation>Varnholt 已更新至版本 %1。</translation>
    </message>
    <message numerus="yes">
        <source>%1 is filling up: at this rate it is full in about %n day(s). Run Smart Scan to free up space.</source>
        <extracomment>Notification; %1: a drive</extracomment>
        <translation>
            <numerusform>%1 的可用空間正在減少：照此速度，大約 %n 天後將滿。執行智慧掃描以釋放空間。</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>MenuBar</name>
    <message>
        <source>Varnholt Website</source>
        <extracomment>Link in the About dialog</extracomment>
        <translation>Varnholt 網站</translation>
    </message>
    <message>
        <source>Settings</source>
        <extracomment>Entry of the app menu: open the Settings page</extracomment>
        <translation>設定</translation>
    </message>
    <message>
        <source>Check for Updates</source>
        <extracomment>Entry of the app menu</extracomment>
        <translation>檢查更新</translation>
    </message>
    <message>
        <source>Help</source>
        <extracomment>Submenu of the app menu</extracomment>
        <translation>說明</translation>
    </message>
    <message>
        <source>Guide</source>
        <extracomment>Entry of the Help menu: the user guide on the website</extracomment>
        <translation>使用指南</translation>
    </message>
    <message>
        <source>FAQ</source>
        <extracomment>Entry of the Help menu: frequently asked questions</extracomment>
        <translation>常見問題</translation>
    </message>
    <message>
        <source>Open Log Folder</source>
        <extracomment>Entry of the app menu</extracomment>
        <translation>開啟記錄檔資料夾</translation>
    </message>
    <message>
        <source>About Varnholt</source>
        <extracomment>Entry of the app menu</extracomment>
        <translation>關於 Varnholt</translation>
    </message>
    <message>
        <source>Quit Varnholt</source>
        <extracomment>Entry of the app menu</extracomment>
        <translation>結束 Varnholt</translation>
    </message>
    <message>
        <source>The log folder %1 could not be created.</source>
        <extracomment>%1: a folder</extracomment>
        <translation>無法建立記錄檔資料夾 %1。</translation>
    </message>
</context>
<context>
    <name>Overlay</name>
    <message>
        <source>Version %1</source>
        <extracomment>%1: a version number</extracomment>
        <translation>版本 %1</translation>
    </message>
    <message>
        <source>Finds the space your computer can spare.</source>
        <translation>找出電腦中可以釋出的空間。</translation>
    </message>
    <message>
        <source>Close</source>
        <extracomment>Button that closes a dialog</extracomment>
        <translation>關閉</translation>
    </message>
    <message>
        <source>Cancel</source>
        <extracomment>Button that closes a dialog without doing anything</extracomment>
        <translation>取消</translation>
    </message>
    <message>
        <source>Undo</source>
        <extracomment>Button in a notification: take the last action back</extracomment>
        <translation>復原</translation>
    </message>
    <message>
        <source>Keep Varnholt running?</source>
        <extracomment>Title of the dialog shown when the window is closed</extracomment>
        <translation>要讓 Varnholt 繼續執行嗎？</translation>
    </message>
    <message>
        <source>Remember my choice</source>
        <extracomment>Check box of the close dialog</extracomment>
        <translation>記住我的選擇</translation>
    </message>
    <message>
        <source>You can change this in Settings.</source>
        <translation>您可以在「設定」中變更此選項。</translation>
    </message>
    <message>
        <source>Keep in tray</source>
        <extracomment>Button of the close dialog: hide the window, keep the tray icon</extracomment>
        <translation>留在通知區域</translation>
    </message>
    <message>
        <source>Quit</source>
        <extracomment>Button of the close dialog: end the program</extracomment>
        <translation>結束</translation>
    </message>
    <message>
        <source>Clean %1?</source>
        <extracomment>Title of the confirmation; %1: a size</extracomment>
        <translation>要清理 %1 嗎？</translation>
    </message>
    <message>
        <source>Permanent delete is on. These files can&apos;t be recovered.</source>
        <translation>永久刪除已開啟。這些檔案將無法復原。</translation>
    </message>
    <message>
        <source>What&apos;s new</source>
        <extracomment>Heading over the release notes of an update</extracomment>
        <translation>更新內容</translation>
    </message>
    <message>
        <source>Retry</source>
        <extracomment>Button of the update dialog after a failure</extracomment>
        <translation>重試</translation>
    </message>
    <message>
        <source>Update now</source>
        <extracomment>Button of the update dialog</extracomment>
        <translation>立即更新</translation>
    </message>
    <message>
        <source>Varnholt is up to date</source>
        <translation>Varnholt 已是最新版本</translation>
    </message>
    <message>
        <source>Version %1 is the latest version.</source>
        <extracomment>%1: a version number</extracomment>
        <translation>版本 %1 是最新版本。</translation>
    </message>
    <message>
        <source>An update is available</source>
        <translation>有可用的更新</translation>
    </message>
    <message>
        <source>Version %1 is available. You have %2.</source>
        <extracomment>%1, %2: version numbers</extracomment>
        <translation>版本 %1 現已推出。您目前的版本是 %2。</translation>
    </message>
    <message>
        <source>Could not check for updates</source>
        <translation>無法檢查更新</translation>
    </message>
    <message>
        <source>Check your internet connection and try again.</source>
        <translation>請檢查網際網路連線，然後再試一次。</translation>
    </message>
    <message>
        <source>Downloading the update…</source>
        <extracomment>Status of the update dialog</extracomment>
        <translation>正在下載更新…</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <extracomment>Download progress; %1, %2: sizes</extracomment>
        <translation>%1 / %2</translation>
    </message>
    <message>
        <source>Installing the update…</source>
        <extracomment>Status of the update dialog</extracomment>
        <translation>正在安裝更新…</translation>
    </message>
    <message>
        <source>Varnholt closes and starts again when the update is installed.</source>
        <translation>更新安裝完成後，Varnholt 將關閉並重新啟動。</translation>
    </message>
    <message>
        <source>Checking for updates…</source>
        <extracomment>Status of the update dialog</extracomment>
        <translation>正在檢查更新…</translation>
    </message>
    <message>
        <source>Version %1 is installed.</source>
        <extracomment>%1: a version number</extracomment>
        <translation>已安裝版本 %1。</translation>
    </message>
    <message>
        <source>Later</source>
        <extracomment>Button of the update dialog: do not update now</extracomment>
        <translation>稍後</translation>
    </message>
    <message>
        <source>Some of it needs administrator rights: without them those files are skipped.</source>
        <translation>其中部分項目需要系統管理員權限：沒有權限時將略過這些檔案。</translation>
    </message>
    <message>
        <source>Everything that will go</source>
        <extracomment>Link of the confirmation that lists every path the cleanup removes (&quot;go&quot;: be removed, not leave)</extracomment>
        <translation>將移除的全部內容</translation>
    </message>
    <message>
        <source>Working out the list…</source>
        <translation>正在產生清單…</translation>
    </message>
    <message>
        <source>The list cannot be worked out now.</source>
        <translation>目前無法產生清單。</translation>
    </message>
    <message>
        <source>Nothing in the selection would be removed.</source>
        <translation>所選內容中沒有要移除的項目。</translation>
    </message>
    <message numerus="yes">
        <source>and %n more</source>
        <extracomment>Below the paths listed in the confirmation</extracomment>
        <translation>
            <numerusform>還有 %n 項</numerusform>
        </translation>
    </message>
    <message>
        <source>Leave them</source>
        <extracomment>Choice for what cannot go to the bin: keep those files</extracomment>
        <translation>保留原處</translation>
    </message>
    <message>
        <source>Delete them permanently</source>
        <extracomment>Choice for what cannot go to the bin</extracomment>
        <translation>永久刪除</translation>
    </message>
    <message>
        <source>All of it is deleted permanently and can&apos;t be recovered.</source>
        <translation>全部將被永久刪除，無法復原。</translation>
    </message>
    <message>
        <source>The check could not start. Try again in a moment.</source>
        <translation>無法開始檢查。請稍後再試。</translation>
    </message>
    <message>
        <source>The check failed again.</source>
        <translation>檢查再次失敗。</translation>
    </message>
    <message>
        <source>These cannot be moved to the Recycle Bin</source>
        <translation>以下內容無法移至資源回收筒</translation>
    </message>
    <message>
        <source>These cannot be moved to the Trash</source>
        <translation>以下內容無法移至垃圾桶</translation>
    </message>
    <message>
        <source>None of it can go to the Recycle Bin: delete it permanently, or nothing is cleaned.</source>
        <translation>這些內容都無法移至資源回收筒：請永久刪除，否則不會清理任何項目。</translation>
    </message>
    <message>
        <source>None of it can go to the Trash: delete it permanently, or nothing is cleaned.</source>
        <translation>這些內容都無法移至垃圾桶：請永久刪除，否則不會清理任何項目。</translation>
    </message>
    <message>
        <source>Emptying the Recycle Bin and deleting what cannot go there can&apos;t be undone. Everything else goes to the Recycle Bin.</source>
        <translation>清空資源回收筒和刪除無法移入資源回收筒的內容均無法復原。其餘內容都會移至資源回收筒。</translation>
    </message>
    <message>
        <source>Emptying the Trash and deleting what cannot go there can&apos;t be undone. Everything else goes to the Trash.</source>
        <translation>清空垃圾桶和刪除無法移入垃圾桶的內容均無法復原。其餘內容都會移至垃圾桶。</translation>
    </message>
    <message>
        <source>What cannot go to the Recycle Bin is deleted permanently. Everything else is moved there, so you can restore it later.</source>
        <translation>無法移至資源回收筒的內容將永久刪除。其餘內容都會移至資源回收筒，之後仍可還原。</translation>
    </message>
    <message>
        <source>What cannot go to the Trash is deleted permanently. Everything else is moved there, so you can restore it later.</source>
        <translation>無法移至垃圾桶的內容將永久刪除。其餘內容都會移至垃圾桶，之後仍可還原。</translation>
    </message>
    <message>
        <source>Emptying the Recycle Bin can&apos;t be undone. Everything else goes to the Recycle Bin.</source>
        <translation>清空資源回收筒後將無法復原。其餘內容都會移至資源回收筒。</translation>
    </message>
    <message>
        <source>Emptying the Trash can&apos;t be undone. Everything else goes to the Trash.</source>
        <translation>清空垃圾桶後將無法復原。其餘內容都會移至垃圾桶。</translation>
    </message>
    <message>
        <source>Everything will be moved to the Recycle Bin, so you can restore it later.</source>
        <translation>所有內容都會移至資源回收筒，之後仍可還原。</translation>
    </message>
    <message>
        <source>Everything will be moved to the Trash, so you can restore it later.</source>
        <translation>所有內容都會移至垃圾桶，之後仍可還原。</translation>
    </message>
    <message>
        <source>Clean and delete</source>
        <comment>button: clean, part of it for good</comment>
        <translation>清理並刪除</translation>
    </message>
    <message>
        <source>Clean</source>
        <comment>button: start the cleanup</comment>
        <translation>清理</translation>
    </message>
    <message numerus="yes">
        <source>%n path(s) · %1</source>
        <comment>%1: their size</comment>
        <translation>
            <numerusform>%n 個路徑 · %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Varnholt can stay in the system tray when you close the window. You can open it again from the tray icon.</source>
        <extracomment>Scheduled scans and alerts run when Varnholt starts, not while it waits in the tray</extracomment>
        <translation>關閉視窗後，Varnholt 可以留在通知區域中。您可以從通知區域中的圖示再次開啟它。</translation>
    </message>
</context>
<context>
    <name>OverviewPage</name>
    <message>
        <source>Scanned %1</source>
        <extracomment>Chip; %1: when, e.g. &quot;2 days ago&quot;</extracomment>
        <translation>上次掃描：%1</translation>
    </message>
    <message>
        <source>Smart Scan</source>
        <extracomment>Button in the Overview&apos;s header: scan every cleanup category</extracomment>
        <translation>智慧掃描</translation>
    </message>
    <message>
        <source>Overview</source>
        <extracomment>Title of the Overview page</extracomment>
        <translation>總覽</translation>
    </message>
    <message>
        <source>Rescan</source>
        <extracomment>Button in the Overview&apos;s header: scan again</extracomment>
        <translation>重新掃描</translation>
    </message>
    <message>
        <source>See all</source>
        <extracomment>Link beside the top recommendations: open the Cleanup page</extracomment>
        <translation>檢視全部</translation>
    </message>
    <message>
        <source>Disk health</source>
        <extracomment>Heading of an Overview card</extracomment>
        <translation>磁碟健康狀況</translation>
    </message>
    <message>
        <source>System files protected</source>
        <extracomment>Line of the disk health card</extracomment>
        <translation>系統檔案受保護</translation>
    </message>
    <message>
        <source>%1 ready to clean</source>
        <extracomment>%1: a size</extracomment>
        <translation>%1 可供清理</translation>
    </message>
    <message>
        <source>Your startup disk is almost full</source>
        <translation>您的啟動磁碟快滿了</translation>
    </message>
    <message>
        <source>Keep your disk in shape</source>
        <translation>讓磁碟保持良好狀態</translation>
    </message>
    <message>
        <source>free of %1</source>
        <extracomment>Under the free size in the disk ring; %1: the disk&apos;s size</extracomment>
        <translation>可用，共 %1</translation>
    </message>
    <message>
        <source>Freed this month</source>
        <extracomment>Caption of an Overview card under a size</extracomment>
        <translation>本月已釋放</translation>
    </message>
    <message>
        <source>Last scan</source>
        <extracomment>Caption of an Overview card under a relative date</extracomment>
        <translation>上次掃描</translation>
    </message>
    <message>
        <source>Scheduled scan</source>
        <extracomment>Caption of an Overview card</extracomment>
        <translation>定期掃描</translation>
    </message>
    <message>
        <source>Top recommendations</source>
        <extracomment>Heading over the biggest safe categories</extracomment>
        <translation>首要建議</translation>
    </message>
    <message>
        <source>What Smart Scan looks at</source>
        <translation>智慧掃描的檢查範圍</translation>
    </message>
    <message>
        <source>Apps, documents &amp; system</source>
        <translation>應用程式、文件和系統</translation>
    </message>
    <message>
        <source>Reclaimable</source>
        <extracomment>Legend of the disk bar: space a cleanup can free</extracomment>
        <translation>可釋放</translation>
    </message>
    <message>
        <source>Available</source>
        <extracomment>Legend of the disk bar: free space</extracomment>
        <translation>可用</translation>
    </message>
    <message>
        <source>Space freed in the last six months</source>
        <translation>過去六個月釋放的空間</translation>
    </message>
    <message>
        <source>Scan again to see what can be cleaned</source>
        <translation>重新掃描以查看可清理的項目</translation>
    </message>
    <message>
        <source>Free space history</source>
        <extracomment>Heading of an Overview card</extracomment>
        <translation>可用空間歷史</translation>
    </message>
    <message numerus="yes">
        <source>From %1 to %2 free over %n day(s)</source>
        <extracomment>%1, %2: sizes</extracomment>
        <translation>
            <numerusform>%n 天內可用空間從 %1 變為 %2</numerusform>
        </translation>
    </message>
    <message>
        <source>Show it in the Space Map</source>
        <translation>在空間分佈圖中顯示</translation>
    </message>
    <message>
        <source>What grew</source>
        <translation>成長情況</translation>
    </message>
    <message>
        <source>Varnholt notes how big your folders are once a day. The first comparison is ready once two readings lie a week apart.</source>
        <translation>Varnholt 每天記錄一次資料夾的大小。有兩次相隔一週的記錄後，即可看到第一次比較。</translation>
    </message>
    <message>
        <source>Growing fastest this week</source>
        <translation>本週成長最快</translation>
    </message>
    <message numerus="yes">
        <source>Growing fastest in the last %n day(s)</source>
        <translation>
            <numerusform>最近 %n 天成長最快</numerusform>
        </translation>
    </message>
    <message>
        <source>No folder grew by more than %1.</source>
        <translation>沒有資料夾成長超過 %1。</translation>
    </message>
    <message>
        <source>Clean %1</source>
        <translation>清理「%1」</translation>
    </message>
    <message>
        <source>%1 is the folder of this cleanup category</source>
        <translation>%1 是此清理類別的資料夾</translation>
    </message>
    <message>
        <source>Review</source>
        <comment>button in the disk ring: open the scan results</comment>
        <translation>檢視</translation>
    </message>
    <message>
        <source>Scan</source>
        <comment>button in the disk ring: start a scan</comment>
        <translation>掃描</translation>
    </message>
    <message>
        <source>Never scanned</source>
        <comment>chip and card caption</comment>
        <translation>從未掃描</translation>
    </message>
    <message>
        <source>Off</source>
        <comment>scheduled scan</comment>
        <translation>關閉</translation>
    </message>
    <message>
        <source>Weekly</source>
        <comment>scheduled scan</comment>
        <translation>每週</translation>
    </message>
    <message>
        <source>Monthly</source>
        <comment>scheduled scan</comment>
        <translation>每月</translation>
    </message>
</context>
<context>
    <name>Platform</name>
    <message>
        <source>Local Disk</source>
        <extracomment>Name of a drive without a label</extracomment>
        <translation>本機磁碟</translation>
    </message>
    <message>
        <source>Trash</source>
        <extracomment>The bin of Linux desktops, standing alone (a list entry, a log line)</extracomment>
        <translation>垃圾桶</translation>
    </message>
    <message>
        <source>File Manager</source>
        <extracomment>The file manager of Linux desktops, standing alone</extracomment>
        <translation>檔案管理員</translation>
    </message>
    <message>
        <source>Recycle Bin</source>
        <extracomment>The Windows bin, standing alone (a list entry, a log line)</extracomment>
        <translation>資源回收筒</translation>
    </message>
    <message>
        <source>File Explorer</source>
        <extracomment>The Windows file manager, standing alone</extracomment>
        <translation>檔案總管</translation>
    </message>
</context>
<context>
    <name>Restore</name>
    <message>
        <source>no longer in the trash</source>
        <translation>已不在垃圾桶中</translation>
    </message>
    <message>
        <source>its place is taken</source>
        <translation>原位置已被占用</translation>
    </message>
    <message>
        <source>the log does not name a trash entry</source>
        <translation>記錄檔未指向垃圾桶中的項目</translation>
    </message>
    <message>
        <source>more than one trash entry matches</source>
        <translation>垃圾桶中有多個項目相符</translation>
    </message>
    <message>
        <source>could not be moved back</source>
        <translation>無法移回原處</translation>
    </message>
    <message>
        <source>no longer in the Recycle Bin</source>
        <translation>已不在資源回收筒中</translation>
    </message>
    <message>
        <source>the log does not name a Recycle Bin entry</source>
        <translation>記錄檔未指向資源回收筒中的項目</translation>
    </message>
    <message>
        <source>more than one Recycle Bin entry matches</source>
        <translation>資源回收筒中有多個項目相符</translation>
    </message>
</context>
<context>
    <name>SettingsPage</name>
    <message>
        <source>Settings</source>
        <extracomment>Title of the Settings page</extracomment>
        <translation>設定</translation>
    </message>
    <message>
        <source>Choose a folder to exclude</source>
        <translation>選擇要排除的資料夾</translation>
    </message>
    <message>
        <source>Cleaning</source>
        <extracomment>Heading of a Settings section</extracomment>
        <translation>清理</translation>
    </message>
    <message>
        <source>Recommended. Turn off to delete files permanently.</source>
        <translation>建議開啟。關閉後將永久刪除檔案。</translation>
    </message>
    <message>
        <source>Large file size</source>
        <extracomment>Setting: from which size a file counts as large</extracomment>
        <translation>大型檔案標準</translation>
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
        <translation>多久未使用視為舊檔案</translation>
    </message>
    <message>
        <source>3 months</source>
        <extracomment>Choice: after how long unused a file counts as old</extracomment>
        <translation>3 個月</translation>
    </message>
    <message>
        <source>6 months</source>
        <extracomment>Choice: after how long unused a file counts as old</extracomment>
        <translation>6 個月</translation>
    </message>
    <message>
        <source>12 months</source>
        <extracomment>Choice: after how long unused a file counts as old</extracomment>
        <translation>12 個月</translation>
    </message>
    <message>
        <source>24 months</source>
        <extracomment>Choice: after how long unused a file counts as old</extracomment>
        <translation>24 個月</translation>
    </message>
    <message>
        <source>Automation</source>
        <extracomment>Heading of a Settings section</extracomment>
        <translation>自動化</translation>
    </message>
    <message>
        <source>Scheduled scan</source>
        <extracomment>Setting: how often Varnholt scans by itself</extracomment>
        <translation>定期掃描</translation>
    </message>
    <message>
        <source>Scans when Varnholt starts if the last scan is older than this. Never cleans on its own.</source>
        <translation>如果上次掃描早於此間隔，Varnholt 會在啟動時掃描。絕不會自動清理。</translation>
    </message>
    <message>
        <source>Low space alerts</source>
        <extracomment>Setting: notify when the disk is nearly full</extracomment>
        <translation>空間不足警示</translation>
    </message>
    <message>
        <source>Warn when free space drops below 10%.</source>
        <extracomment>The % sign is part of &quot;10%&quot;, not a placeholder</extracomment>
        <translation>可用空間低於 10% 時發出警告。</translation>
    </message>
    <message>
        <source>Starts Varnholt in the background so scheduled scans can run.</source>
        <translation>在背景啟動 Varnholt，以便執行定期掃描。</translation>
    </message>
    <message>
        <source>Show Varnholt in the menu bar</source>
        <translation>在選單列中顯示 Varnholt</translation>
    </message>
    <message>
        <source>Ask every time</source>
        <extracomment>Choice of what closing the window does</extracomment>
        <translation>每次詢問</translation>
    </message>
    <message>
        <source>Keep running in the tray</source>
        <translation>在通知區域中繼續執行</translation>
    </message>
    <message>
        <source>Quit Varnholt</source>
        <extracomment>Choice of what closing the window does</extracomment>
        <translation>結束 Varnholt</translation>
    </message>
    <message>
        <source>When closing the window</source>
        <translation>關閉視窗時</translation>
    </message>
    <message>
        <source>Appearance</source>
        <extracomment>Heading of a Settings section</extracomment>
        <translation>外觀</translation>
    </message>
    <message>
        <source>Theme</source>
        <extracomment>Setting: light or dark colours</extracomment>
        <translation>主題</translation>
    </message>
    <message>
        <source>Follow the system, or always use light or dark.</source>
        <translation>跟隨系統，或一律使用淺色或深色。</translation>
    </message>
    <message>
        <source>System default (%1)</source>
        <extracomment>Choice of the language; %1: the system&apos;s language</extracomment>
        <translation>系統預設（%1）</translation>
    </message>
    <message>
        <source>Restart now</source>
        <extracomment>Button: restart to show the new language</extracomment>
        <translation>立即重新啟動</translation>
    </message>
    <message>
        <source>Language</source>
        <extracomment>Setting: the language of the interface</extracomment>
        <translation>語言</translation>
    </message>
    <message>
        <source>Varnholt restarts to switch languages.</source>
        <translation>切換語言需要重新啟動 Varnholt。</translation>
    </message>
    <message>
        <source>Exclusions</source>
        <extracomment>Heading of a Settings section: folders never cleaned</extracomment>
        <translation>排除項目</translation>
    </message>
    <message>
        <source>Add folder</source>
        <extracomment>Button: add a folder to the exclusions</extracomment>
        <translation>新增資料夾</translation>
    </message>
    <message>
        <source>Never touch these</source>
        <extracomment>Description of the exclusions</extracomment>
        <translation>一律排除</translation>
    </message>
    <message>
        <source>Folders and patterns Varnholt always skips.</source>
        <translation>Varnholt 一律略過的資料夾和比對模式。</translation>
    </message>
    <message>
        <source>Protected system locations</source>
        <extracomment>Row of the exclusions: folders Varnholt never cleans</extracomment>
        <translation>受保護的系統位置</translation>
    </message>
    <message>
        <source>Locked</source>
        <extracomment>Badge beside the protected system locations: they cannot be changed</extracomment>
        <translation>已鎖定</translation>
    </message>
    <message>
        <source>Protected apps</source>
        <extracomment>Row of the exclusions: apps whose data Varnholt never cleans</extracomment>
        <translation>受保護的應用程式</translation>
    </message>
    <message>
        <source> — their data is never cleaned. Caches of running apps and open files are skipped too.</source>
        <translation>——其資料絕不會被清理。執行中應用程式的快取和已開啟的檔案也會被略過。</translation>
    </message>
    <message>
        <source>Permissions &amp; about</source>
        <extracomment>Heading of a Settings section</extracomment>
        <translation>權限與關於</translation>
    </message>
    <message>
        <source>Full Disk Access</source>
        <extracomment>A macOS permission</extracomment>
        <translation>完整磁碟取用權限</translation>
    </message>
    <message>
        <source>Varnholt is running as administrator and can clean Windows Update files.</source>
        <translation>Varnholt 正以系統管理員身分執行，可以清理 Windows Update 檔案。</translation>
    </message>
    <message>
        <source>Varnholt is running as administrator and can clean the package cache.</source>
        <translation>Varnholt 正以系統管理員身分執行，可以清理套件快取。</translation>
    </message>
    <message>
        <source>Administrator access</source>
        <extracomment>Row: whether Varnholt runs with administrator rights</extracomment>
        <translation>系統管理員權限</translation>
    </message>
    <message>
        <source>Granted</source>
        <extracomment>Badge: administrator rights are held</extracomment>
        <translation>已授與</translation>
    </message>
    <message>
        <source>Only needed to clean Windows Update leftovers.</source>
        <translation>僅在清理 Windows Update 殘留檔案時需要。</translation>
    </message>
    <message>
        <source>Only needed to clean the package cache.</source>
        <translation>僅在清理套件快取時需要。</translation>
    </message>
    <message>
        <source>Restart as admin</source>
        <extracomment>Button: restart Varnholt with administrator rights</extracomment>
        <translation>以系統管理員身分重啟</translation>
    </message>
    <message>
        <source>Check for updates</source>
        <extracomment>Button</extracomment>
        <translation>檢查更新</translation>
    </message>
    <message>
        <source>Open logs</source>
        <extracomment>Button: open the folder of the cleanup logs</extracomment>
        <translation>開啟記錄檔</translation>
    </message>
    <message>
        <source>Every cleanup writes a log you can review. Varnholt checks for updates when it starts.</source>
        <translation>每次清理都會寫入一份可供檢閱的記錄檔。Varnholt 會在啟動時檢查更新。</translation>
    </message>
    <message>
        <source>Remove</source>
        <extracomment>Button beside an excluded folder: take it off the list</extracomment>
        <translation>移除</translation>
    </message>
    <message>
        <source>Files bigger than this appear in the Space Map.</source>
        <translation>大於此大小的檔案會顯示在「空間分佈圖」中。</translation>
    </message>
    <message>
        <source>Recent cleanups</source>
        <extracomment>Heading of a Settings section</extracomment>
        <translation>最近的清理</translation>
    </message>
    <message>
        <source>No cleanups yet</source>
        <extracomment>In place of the list of recent cleanups</extracomment>
        <translation>尚未進行任何清理</translation>
    </message>
    <message>
        <source>Every cleanup writes a log you can review.</source>
        <translation>每次清理都會寫入一份可供檢閱的記錄檔。</translation>
    </message>
    <message>
        <source>Restore</source>
        <extracomment>Button beside a past cleanup: put back what it moved to the bin</extracomment>
        <translation>還原</translation>
    </message>
    <message>
        <source>Used by the “Unused” filter.</source>
        <translation>用於「未使用」篩選器。</translation>
    </message>
    <message>
        <source>Nothing was cleaned</source>
        <extracomment>What a past cleanup did</extracomment>
        <translation>未清理任何項目</translation>
    </message>
    <message>
        <source>Check again</source>
        <extracomment>Button beside a note: read the settings file again</extracomment>
        <translation>重新檢查</translation>
    </message>
    <message>
        <source>Your settings in %1 cannot be read, so what they hold is unknown. The options kept there stay locked until the file can be read again.</source>
        <extracomment>%1: a file&apos;s path</extracomment>
        <translation>無法讀取 %1 中的設定，因此無法得知其內容。在能再次讀取該檔案之前，儲存在其中的選項將保持鎖定。</translation>
    </message>
    <message>
        <source>Varnholt could not start again. Close it and open it yourself to switch languages.</source>
        <translation>無法重新啟動 Varnholt。請手動關閉並重新開啟它以切換語言。</translation>
    </message>
    <message>
        <source>Move items to the Recycle Bin</source>
        <translation>將項目移至資源回收筒</translation>
    </message>
    <message>
        <source>Move items to the Trash</source>
        <translation>將項目移至垃圾桶</translation>
    </message>
    <message>
        <source>Off</source>
        <comment>scheduled scan</comment>
        <translation>關閉</translation>
    </message>
    <message>
        <source>Weekly</source>
        <comment>scheduled scan</comment>
        <translation>每週</translation>
    </message>
    <message>
        <source>Monthly</source>
        <comment>scheduled scan</comment>
        <translation>每月</translation>
    </message>
    <message>
        <source>Keep a history of folder sizes</source>
        <translation>保留資料夾大小歷史</translation>
    </message>
    <message>
        <source>Once a day, Varnholt notes how big your folders are so it can show what grew. Nothing leaves this computer.</source>
        <translation>Varnholt 每天記錄一次資料夾的大小，以便顯示哪些資料夾有所成長。任何資料都不會離開這台電腦。</translation>
    </message>
    <message>
        <source>Open at login</source>
        <comment>setting: start Varnholt at login</comment>
        <translation>登入時開啟</translation>
    </message>
    <message>
        <source>Start with Windows</source>
        <comment>setting: start Varnholt at login</comment>
        <translation>隨 Windows 啟動</translation>
    </message>
    <message>
        <source>Start at login</source>
        <comment>setting: start Varnholt at login</comment>
        <translation>登入時啟動</translation>
    </message>
    <message>
        <source>System</source>
        <comment>theme that follows the system&apos;s light or dark mode</comment>
        <translation>跟隨系統</translation>
    </message>
    <message>
        <source>Light</source>
        <comment>theme</comment>
        <translation>淺色</translation>
    </message>
    <message>
        <source>Dark</source>
        <comment>theme</comment>
        <translation>深色</translation>
    </message>
    <message>
        <source>C:\Windows\System32, WinSxS, Program Files, drive roots — always skipped.</source>
        <extracomment>The folder names stay as the system writes them</extracomment>
        <translation>C:\Windows\System32、WinSxS、Program Files、磁碟機根目錄——一律略過。</translation>
    </message>
    <message>
        <source>/usr, /etc, /boot, /var/lib, system folders — always skipped.</source>
        <extracomment>The folder names stay as the system writes them</extracomment>
        <translation>/usr、/etc、/boot、/var/lib、系統資料夾——一律略過。</translation>
    </message>
    <message>
        <source>%1 in all: the Recycle Bin emptied, items deleted permanently or moved to it</source>
        <comment>%1: a size</comment>
        <translation>共 %1：已清空資源回收筒，項目已永久刪除或移至資源回收筒</translation>
    </message>
    <message>
        <source>%1 in all: the Trash emptied, items deleted permanently or moved to it</source>
        <comment>%1: a size</comment>
        <translation>共 %1：已清空垃圾桶，項目已永久刪除或移至垃圾桶</translation>
    </message>
    <message>
        <source>%1 moved to the Recycle Bin or deleted permanently</source>
        <comment>%1: a size</comment>
        <translation>已將 %1 移至資源回收筒或永久刪除</translation>
    </message>
    <message>
        <source>%1 moved to the Trash or deleted permanently</source>
        <comment>%1: a size</comment>
        <translation>已將 %1 移至垃圾桶或永久刪除</translation>
    </message>
    <message>
        <source>%1 in all: the Recycle Bin emptied, then items moved to it</source>
        <comment>%1: a size</comment>
        <translation>共 %1：已清空資源回收筒，然後將項目移至資源回收筒</translation>
    </message>
    <message>
        <source>%1 in all: the Trash emptied, then items moved to it</source>
        <comment>%1: a size</comment>
        <translation>共 %1：已清空垃圾桶，然後將項目移至垃圾桶</translation>
    </message>
    <message>
        <source>%1 moved to the Recycle Bin</source>
        <comment>%1: a size</comment>
        <translation>已將 %1 移至資源回收筒</translation>
    </message>
    <message>
        <source>%1 moved to the Trash</source>
        <comment>%1: a size</comment>
        <translation>已將 %1 移至垃圾桶</translation>
    </message>
    <message>
        <source>%1 freed: items deleted permanently and the Recycle Bin emptied</source>
        <comment>%1: a size</comment>
        <translation>已釋放 %1：項目已永久刪除，資源回收筒已清空</translation>
    </message>
    <message>
        <source>%1 freed: items deleted permanently and the Trash emptied</source>
        <comment>%1: a size</comment>
        <translation>已釋放 %1：項目已永久刪除，垃圾桶已清空</translation>
    </message>
    <message>
        <source>%1 deleted permanently</source>
        <comment>%1: a size</comment>
        <translation>已永久刪除 %1</translation>
    </message>
    <message>
        <source>The Recycle Bin was emptied: %1 freed</source>
        <comment>%1: a size</comment>
        <translation>資源回收筒已清空：釋放了 %1</translation>
    </message>
    <message>
        <source>The Trash was emptied: %1 freed</source>
        <comment>%1: a size</comment>
        <translation>垃圾桶已清空：釋放了 %1</translation>
    </message>
    <message>
        <source>Put back what this cleanup moved to the Recycle Bin. Nothing that is in its place now is replaced.</source>
        <translation>將本次清理移至資源回收筒的內容放回原處。不會取代目前位於原位置的任何內容。</translation>
    </message>
    <message>
        <source>Put back what this cleanup moved to the Trash. Nothing that is in its place now is replaced.</source>
        <translation>將本次清理移至垃圾桶的內容放回原處。不會取代目前位於原位置的任何內容。</translation>
    </message>
    <message>
        <source>Forget history</source>
        <translation>清除歷史</translation>
    </message>
    <message>
        <source>Forget the history of folder sizes?</source>
        <translation>要清除資料夾大小歷史嗎？</translation>
    </message>
    <message>
        <source>Every reading Varnholt took of your folder sizes is removed. What grew shows again once new readings have been taken.</source>
        <translation>Varnholt 記錄的所有資料夾大小都將被刪除。有了新的記錄後，會再次顯示成長情況。</translation>
    </message>
    <message>
        <source>The history of folder sizes is forgotten</source>
        <translation>已清除資料夾大小歷史</translation>
    </message>
    <message>
        <source>Some readings of folder sizes could not be removed</source>
        <translation>部分資料夾大小記錄無法刪除</translation>
    </message>
    <message>
        <source>Closing the window keeps Varnholt running there.</source>
        <extracomment>Scheduled scans and alerts run when Varnholt starts, not while it waits in the menu bar</extracomment>
        <translation>關閉視窗後，Varnholt 會繼續在選單列中執行。</translation>
    </message>
    <message>
        <source>In the tray, Varnholt keeps running until you quit it.</source>
        <extracomment>Scheduled scans and alerts run when Varnholt starts, not while it waits in the tray</extracomment>
        <translation>留在通知區域中時，Varnholt 會持續執行，直到您結束它。</translation>
    </message>
</context>
<context>
    <name>Sidebar</name>
    <message>
        <source>%1 available of %2</source>
        <extracomment>%1: the free size; %2: the disk&apos;s size</extracomment>
        <translation>%1 可用，共 %2</translation>
    </message>
    <message>
        <source>Smart Scan</source>
        <extracomment>Sidebar entry: the Overview page with its scan of every cleanup category</extracomment>
        <translation>智慧掃描</translation>
    </message>
    <message>
        <source>Cleanup</source>
        <extracomment>Sidebar entry: the page of the scan&apos;s results and the cleanup</extracomment>
        <translation>清理</translation>
    </message>
    <message>
        <source>Space Map</source>
        <extracomment>Sidebar entry: the page that maps where disk space goes (not a geographic map)</extracomment>
        <translation>空間分佈圖</translation>
    </message>
    <message>
        <source>Settings</source>
        <extracomment>Sidebar entry</extracomment>
        <translation>設定</translation>
    </message>
    <message>
        <source>%1 free</source>
        <extracomment>The collapsed sidebar&apos;s drive line; %1: a size</extracomment>
        <translation>%1 可用</translation>
    </message>
    <message>
        <source>Clean</source>
        <extracomment>Heading over the sidebar&apos;s pages (a section title, not a command)</extracomment>
        <translation>清理工具</translation>
    </message>
    <message>
        <source>Expand sidebar</source>
        <comment>tooltip: widen the sidebar</comment>
        <translation>展開側邊欄</translation>
    </message>
    <message>
        <source>Collapse sidebar</source>
        <comment>tooltip: narrow the sidebar to icons</comment>
        <translation>收合側邊欄</translation>
    </message>
</context>
<context>
    <name>TitleBar</name>
    <message>
        <source>Menu</source>
        <extracomment>Tooltip of the title bar&apos;s button that opens the app menu</extracomment>
        <translation>選單</translation>
    </message>
    <message>
        <source>Minimize</source>
        <extracomment>Tooltip of a window button</extracomment>
        <translation>最小化</translation>
    </message>
    <message>
        <source>Close</source>
        <extracomment>Tooltip of a window button</extracomment>
        <translation>關閉</translation>
    </message>
    <message>
        <source>Restore</source>
        <comment>window button: unmaximize</comment>
        <translation>還原</translation>
    </message>
    <message>
        <source>Maximize</source>
        <comment>window button</comment>
        <translation>最大化</translation>
    </message>
</context>
<context>
    <name>Tray</name>
    <message>
        <source>Varnholt is still running</source>
        <translation>Varnholt 仍在執行</translation>
    </message>
    <message>
        <source>Open Varnholt</source>
        <extracomment>Entry of the tray menu</extracomment>
        <translation>開啟 Varnholt</translation>
    </message>
    <message>
        <source>Smart Scan</source>
        <extracomment>Entry of the tray menu: scan every cleanup category</extracomment>
        <translation>智慧掃描</translation>
    </message>
    <message>
        <source>Settings</source>
        <extracomment>Entry of the tray menu</extracomment>
        <translation>設定</translation>
    </message>
    <message>
        <source>Check for Updates</source>
        <extracomment>Entry of the tray menu</extracomment>
        <translation>檢查更新</translation>
    </message>
    <message>
        <source>Quit Varnholt</source>
        <extracomment>Entry of the tray menu</extracomment>
        <translation>結束 Varnholt</translation>
    </message>
    <message>
        <source>%1 · %2 free</source>
        <extracomment>Tray tooltip; %1: a drive; %2: a size</extracomment>
        <translation>%1 · %2 可用</translation>
    </message>
    <message>
        <source>Space Map</source>
        <extracomment>Entry of the tray menu: open the page that maps where disk space goes</extracomment>
        <translation>空間分佈圖</translation>
    </message>
    <message>
        <source>It stays in the system tray. Right-click the icon to quit.</source>
        <extracomment>Balloon shown once the window first hides in the tray</extracomment>
        <translation>它會留在通知區域中。在圖示上按一下滑鼠右鍵即可結束。</translation>
    </message>
</context>
<context>
    <name>Updater</name>
    <message>
        <source>The update information could not be read.</source>
        <translation>無法讀取更新資訊。</translation>
    </message>
    <message>
        <source>The update is not on Varnholt&apos;s server.</source>
        <translation>此更新不在 Varnholt 的伺服器上。</translation>
    </message>
    <message>
        <source>Could not save the update: %1</source>
        <extracomment>%1: the system&apos;s reason</extracomment>
        <translation>無法儲存更新：%1</translation>
    </message>
    <message>
        <source>The update has an unexpected size.</source>
        <translation>更新的大小與預期不符。</translation>
    </message>
    <message>
        <source>Could not start the installer.</source>
        <translation>無法啟動安裝程式。</translation>
    </message>
    <message>
        <source>The update could not be downloaded: %1</source>
        <extracomment>%1: the network&apos;s reason</extracomment>
        <translation>無法下載更新：%1</translation>
    </message>
    <message>
        <source>Could not read the update.</source>
        <translation>無法讀取更新。</translation>
    </message>
    <message>
        <source>The update does not match the published checksum.</source>
        <translation>更新與公布的檢查碼不符。</translation>
    </message>
    <message>
        <source>The update is not signed by %1.</source>
        <extracomment>%1: the publisher&apos;s name</extracomment>
        <translation>此更新未由 %1 簽署。</translation>
    </message>
    <message>
        <source>The update was downloaded. Install it with your package manager.</source>
        <translation>更新已下載。請使用套件管理器安裝。</translation>
    </message>
    <message>
        <source>The update was not installed, because Windows did not get permission to install it.</source>
        <translation>更新未安裝，因為 Windows 未取得安裝權限。</translation>
    </message>
    <message>
        <source>The connection to the update server timed out.</source>
        <translation>連線至更新伺服器逾時。</translation>
    </message>
    <message>
        <source>The update is not the published version %1.</source>
        <extracomment>%1: a version number</extracomment>
        <translation>此更新不是已公布的版本 %1。</translation>
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
        <translation>今天</translation>
    </message>
    <message>
        <source>Yesterday</source>
        <extracomment>A relative date</extracomment>
        <translation>昨天</translation>
    </message>
    <message numerus="yes">
        <source>%n day(s) ago</source>
        <extracomment>A relative date</extracomment>
        <translation>
            <numerusform>%n 天前</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n week(s) ago</source>
        <extracomment>A relative date</extracomment>
        <translation>
            <numerusform>%n 週前</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n month(s) ago</source>
        <extracomment>A relative date</extracomment>
        <translation>
            <numerusform>%n 個月前</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n year(s) ago</source>
        <extracomment>A relative date</extracomment>
        <translation>
            <numerusform>%n 年前</numerusform>
        </translation>
    </message>
</context>
</TS>
