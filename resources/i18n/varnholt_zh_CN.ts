<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>AppGuard</name>
    <message>
        <source>Password managers, input methods, security and device-management agents, VPNs</source>
        <translation>密码管理器、输入法、安全与设备管理代理、VPN</translation>
    </message>
</context>
<context>
    <name>AppState</name>
    <message>
        <source>1 file</source>
        <translation>1 个文件</translation>
    </message>
    <message>
        <source>%1 files</source>
        <translation>%1 个文件</translation>
    </message>
    <message>
        <source>%1 (%2) moved to the %3</source>
        <translation>%1（%2）已移至%3</translation>
    </message>
    <message>
        <source> · %1 in use, skipped</source>
        <translation> · %1 个正在使用，已跳过</translation>
    </message>
    <message numerus="yes">
        <source>Restored %n file(s)</source>
        <translation>
            <numerusform>已恢复 %n 个文件</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Categories</name>
    <message>
        <source>Scratch files that apps and the system create while working. They are not needed once the app closes.</source>
        <translation>应用和系统在运行时创建的临时文件。应用关闭后便不再需要。</translation>
    </message>
    <message>
        <source>Data apps keep to load faster. Apps rebuild these automatically the next time they need them.</source>
        <translation>应用为加快加载而保存的数据。下次需要时，应用会自动重新生成。</translation>
    </message>
    <message>
        <source>Cached images, scripts and pages. Sign-ins, history, bookmarks and passwords are never touched.</source>
        <translation>缓存的图片、脚本和网页。登录信息、历史记录、书签和密码绝不会被改动。</translation>
    </message>
    <message>
        <source>Diagnostic logs and crash reports. Useful only when troubleshooting a recent problem.</source>
        <translation>诊断日志和崩溃报告。仅在排查近期问题时有用。</translation>
    </message>
    <message>
        <source>Preview images of your files. They are regenerated the next time you open a folder.</source>
        <translation>文件的预览图。下次打开文件夹时会重新生成。</translation>
    </message>
    <message>
        <source>Package manager caches and build output. Removing them is safe, but the next build or install will be slower.</source>
        <translation>包管理器缓存和构建输出。删除是安全的，但下次构建或安装会变慢。</translation>
    </message>
    <message>
        <source>All drives</source>
        <translation>所有驱动器</translation>
    </message>
    <message>
        <source>Items you have already deleted. Emptying cannot be undone.</source>
        <translation>您已删除的项目。清空后无法撤消。</translation>
    </message>
    <message>
        <source>Temporary files</source>
        <translation>临时文件</translation>
    </message>
    <message>
        <source>App caches</source>
        <translation>应用缓存</translation>
    </message>
    <message>
        <source>Cache folders in %LOCALAPPDATA% and %APPDATA%</source>
        <translation>%LOCALAPPDATA% 和 %APPDATA% 中的缓存文件夹</translation>
    </message>
    <message>
        <source>DirectX shader cache</source>
        <translation>DirectX 着色器缓存</translation>
    </message>
    <message>
        <source>Browser caches</source>
        <translation>浏览器缓存</translation>
    </message>
    <message>
        <source>Internet cache</source>
        <translation>Internet 缓存</translation>
    </message>
    <message>
        <source>Logs &amp; crash reports</source>
        <translation>日志和崩溃报告</translation>
    </message>
    <message>
        <source>Thumbnail cache</source>
        <translation>缩略图缓存</translation>
    </message>
    <message>
        <source>Windows Update leftovers</source>
        <translation>Windows 更新残留文件</translation>
    </message>
    <message>
        <source>Files left behind after Windows updates are installed. Safe once the update is complete; Windows downloads them again if it needs them.</source>
        <translation>安装 Windows 更新后遗留的文件。更新完成后可以安全删除；如有需要，Windows 会重新下载。</translation>
    </message>
    <message>
        <source>Windows Update downloads</source>
        <translation>Windows 更新下载</translation>
    </message>
    <message>
        <source>Delivery Optimization cache</source>
        <translation>传递优化缓存</translation>
    </message>
    <message>
        <source>Developer caches</source>
        <translation>开发者缓存</translation>
    </message>
    <message>
        <source>Recycle Bin</source>
        <translation>回收站</translation>
    </message>
    <message>
        <source>Cache folders in ~/.config and ~/.cache</source>
        <translation>~/.config 和 ~/.cache 中的缓存文件夹</translation>
    </message>
    <message>
        <source>Xorg logs, crash reports</source>
        <translation>Xorg 日志、崩溃报告</translation>
    </message>
    <message>
        <source>Package cache</source>
        <translation>软件包缓存</translation>
    </message>
    <message>
        <source>Packages the package manager keeps after installing them. Safe to remove; they are downloaded again if they are needed.</source>
        <translation>包管理器在安装后保留的软件包。可以安全删除；如有需要会重新下载。</translation>
    </message>
    <message>
        <source>DNF package cache</source>
        <translation>DNF 软件包缓存</translation>
    </message>
    <message>
        <source>Trash</source>
        <translation>废纸篓</translation>
    </message>
    <message>
        <source>Safe</source>
        <translation>安全</translation>
    </message>
    <message>
        <source>Review</source>
        <translation>需检查</translation>
    </message>
    <message>
        <source>Permanent</source>
        <translation>永久删除</translation>
    </message>
    <message>
        <source>%1 (all drives)</source>
        <translation>%1（所有驱动器）</translation>
    </message>
</context>
<context>
    <name>Cleaner</name>
    <message>
        <source>delete permanently</source>
        <translation>永久删除</translation>
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
        <translation>%1 几乎已满。运行智能扫描以释放空间。</translation>
    </message>
    <message>
        <source>Varnholt was updated to version %1.</source>
        <translation>Varnholt 已更新到版本 %1。</translation>
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
        <translation>本地磁盘</translation>
    </message>
    <message>
        <source>Trash</source>
        <translation>回收站</translation>
    </message>
    <message>
        <source>File Manager</source>
        <translation>文件管理器</translation>
    </message>
    <message>
        <source>Recycle Bin</source>
        <translation>回收站</translation>
    </message>
    <message>
        <source>File Explorer</source>
        <translation>文件资源管理器</translation>
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
        <translation>无法读取更新信息。</translation>
    </message>
    <message>
        <source>The update is not on Varnholt&apos;s server.</source>
        <translation>该更新不在 Varnholt 的服务器上。</translation>
    </message>
    <message>
        <source>Could not save the update: %1</source>
        <translation>无法保存更新：%1</translation>
    </message>
    <message>
        <source>The update has an unexpected size.</source>
        <translation>更新的大小与预期不符。</translation>
    </message>
    <message>
        <source>Could not start the installer.</source>
        <translation>无法启动安装程序。</translation>
    </message>
    <message>
        <source>The update could not be downloaded: %1</source>
        <translation>无法下载更新：%1</translation>
    </message>
    <message>
        <source>Could not read the update.</source>
        <translation>无法读取更新。</translation>
    </message>
    <message>
        <source>The update does not match the published checksum.</source>
        <translation>更新与发布的校验和不符。</translation>
    </message>
    <message>
        <source>The update is not signed by %1.</source>
        <translation>该更新未由 %1 签名。</translation>
    </message>
    <message>
        <source>The update was downloaded. Install it with your package manager.</source>
        <translation>更新已下载。请使用包管理器安装。</translation>
    </message>
    <message>
        <source>The update was not installed, because Windows did not get permission to install it.</source>
        <translation>更新未安装，因为 Windows 未获得安装权限。</translation>
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
            <numerusform>%n 周前</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n month(s) ago</source>
        <translation>
            <numerusform>%n 个月前</numerusform>
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
