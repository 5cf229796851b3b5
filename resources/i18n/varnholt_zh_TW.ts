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
    <message>
        <source>1 file</source>
        <translation>1 個檔案</translation>
    </message>
    <message>
        <source>%1 files</source>
        <translation>%1 個檔案</translation>
    </message>
    <message>
        <source>%1 (%2) moved to the %3</source>
        <translation>%1（%2）已移至%3</translation>
    </message>
    <message>
        <source> · %1 in use, skipped</source>
        <translation> · %1 個正在使用，已略過</translation>
    </message>
    <message numerus="yes">
        <source>Restored %n file(s)</source>
        <translation>
            <numerusform>已還原 %n 個檔案</numerusform>
        </translation>
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
        <translation>診斷記錄和當機報告。僅在排解近期問題時有用。</translation>
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
        <translation>所有磁碟機</translation>
    </message>
    <message>
        <source>Items you have already deleted. Emptying cannot be undone.</source>
        <translation>您已刪除的項目。清空後無法復原。</translation>
    </message>
    <message>
        <source>Temporary files</source>
        <translation>暫存檔案</translation>
    </message>
    <message>
        <source>App caches</source>
        <translation>應用程式快取</translation>
    </message>
    <message>
        <source>Cache folders in %LOCALAPPDATA% and %APPDATA%</source>
        <translation>%LOCALAPPDATA% 和 %APPDATA% 中的快取資料夾</translation>
    </message>
    <message>
        <source>DirectX shader cache</source>
        <translation>DirectX 著色器快取</translation>
    </message>
    <message>
        <source>Browser caches</source>
        <translation>瀏覽器快取</translation>
    </message>
    <message>
        <source>Internet cache</source>
        <translation>網際網路快取</translation>
    </message>
    <message>
        <source>Logs &amp; crash reports</source>
        <translation>記錄與當機報告</translation>
    </message>
    <message>
        <source>Thumbnail cache</source>
        <translation>縮圖快取</translation>
    </message>
    <message>
        <source>Windows Update leftovers</source>
        <translation>Windows Update 殘留檔案</translation>
    </message>
    <message>
        <source>Files left behind after Windows updates are installed. Safe once the update is complete; Windows downloads them again if it needs them.</source>
        <translation>安裝 Windows 更新後遺留的檔案。更新完成後即可安全刪除；如有需要，Windows 會重新下載。</translation>
    </message>
    <message>
        <source>Windows Update downloads</source>
        <translation>Windows Update 下載檔案</translation>
    </message>
    <message>
        <source>Delivery Optimization cache</source>
        <translation>傳遞最佳化快取</translation>
    </message>
    <message>
        <source>Developer caches</source>
        <translation>開發人員快取</translation>
    </message>
    <message>
        <source>Recycle Bin</source>
        <translation>資源回收筒</translation>
    </message>
    <message>
        <source>Cache folders in ~/.config and ~/.cache</source>
        <translation>~/.config 和 ~/.cache 中的快取資料夾</translation>
    </message>
    <message>
        <source>Xorg logs, crash reports</source>
        <translation>Xorg 記錄、當機報告</translation>
    </message>
    <message>
        <source>Package cache</source>
        <translation>套件快取</translation>
    </message>
    <message>
        <source>Packages the package manager keeps after installing them. Safe to remove; they are downloaded again if they are needed.</source>
        <translation>套件管理器在安裝後保留的套件。可以安全刪除；如有需要會重新下載。</translation>
    </message>
    <message>
        <source>DNF package cache</source>
        <translation>DNF 套件快取</translation>
    </message>
    <message>
        <source>Trash</source>
        <translation>垃圾桶</translation>
    </message>
    <message>
        <source>Safe</source>
        <translation>安全</translation>
    </message>
    <message>
        <source>Review</source>
        <translation>需檢查</translation>
    </message>
    <message>
        <source>Permanent</source>
        <translation>永久刪除</translation>
    </message>
    <message>
        <source>%1 (all drives)</source>
        <translation>%1（所有磁碟機）</translation>
    </message>
</context>
<context>
    <name>Cleaner</name>
    <message>
        <source>delete permanently</source>
        <translation>永久刪除</translation>
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
        <translation>%1 幾乎已滿。執行智慧掃描以釋放空間。</translation>
    </message>
    <message>
        <source>Varnholt was updated to version %1.</source>
        <translation>Varnholt 已更新至版本 %1。</translation>
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
        <translation>本機磁碟</translation>
    </message>
    <message>
        <source>Trash</source>
        <translation>垃圾桶</translation>
    </message>
    <message>
        <source>File Manager</source>
        <translation>檔案管理員</translation>
    </message>
    <message>
        <source>Recycle Bin</source>
        <translation>資源回收筒</translation>
    </message>
    <message>
        <source>File Explorer</source>
        <translation>檔案總管</translation>
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
        <translation>無法讀取更新資訊。</translation>
    </message>
    <message>
        <source>The update is not on Varnholt&apos;s server.</source>
        <translation>此更新不在 Varnholt 的伺服器上。</translation>
    </message>
    <message>
        <source>Could not save the update: %1</source>
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
        <translation>今天</translation>
    </message>
    <message>
        <source>Yesterday</source>
        <translation>昨天</translation>
    </message>
    <message numerus="yes">
        <source>%n day(s) ago</source>
        <translation>
            <numerusform>%n 天前</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n week(s) ago</source>
        <translation>
            <numerusform>%n 週前</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n month(s) ago</source>
        <translation>
            <numerusform>%n 個月前</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n year(s) ago</source>
        <translation>
            <numerusform>%n 年前</numerusform>
        </translation>
    </message>
</context>
</TS>
