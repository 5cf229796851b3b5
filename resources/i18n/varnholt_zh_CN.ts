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
    <message>
        <source>Nothing was cleaned: your settings cannot be read.</source>
        <translation>未清理任何内容：无法读取您的设置。</translation>
    </message>
    <message>
        <source>That cleanup log could not be read; nothing was restored.</source>
        <translation>无法读取该清理日志，未恢复任何内容。</translation>
    </message>
    <message numerus="yes">
        <source>Restored %n item(s) from the %1</source>
        <translation>
            <numerusform>已从%1恢复 %n 个项目</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 not restored: %2</source>
        <translation>%1 个未恢复：%2</translation>
    </message>
    <message>
        <source>found through the %1&apos;s own records (an older log)</source>
        <translation>通过%1自身的记录找到（旧版日志）</translation>
    </message>
    <message numerus="yes">
        <source>At this rate the disk is full in about %n week(s)</source>
        <translation>
            <numerusform>按此速度，磁盘大约 %n 周后将满</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>At this rate the disk is full in about %n day(s)</source>
        <translation>
            <numerusform>按此速度，磁盘大约 %n 天后将满</numerusform>
        </translation>
    </message>
    <message>
        <source>Free space falls by about %1 a day</source>
        <translation>可用空间每天减少约 %1</translation>
    </message>
    <message>
        <source>Free space rises by about %1 a day</source>
        <translation>可用空间每天增加约 %1</translation>
    </message>
    <message>
        <source> · %1 could not be moved to the %2</source>
        <translation> · %1 个无法移至%2</translation>
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
        <translation>回收站</translation>
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
    <message>
        <source>%1 was left out: it leads through a link to %2.</source>
        <translation>已跳过 %1：它通过链接指向 %2。</translation>
    </message>
    <message>
        <source>%1 was left out: it is the home folder or holds it.</source>
        <translation>已跳过 %1：它是主文件夹或包含主文件夹。</translation>
    </message>
    <message>
        <source>%1 was left out: it lies in a protected location.</source>
        <translation>已跳过 %1：它位于受保护的位置。</translation>
    </message>
    <message>
        <source>%1 was left out: it overlaps %2.</source>
        <translation>已跳过 %1：它与 %2 重叠。</translation>
    </message>
    <message>
        <source>App logs, crash reports</source>
        <translation>应用日志、崩溃报告</translation>
    </message>
    <message>
        <source>Cache folders in ~/.config, ~/.cache and Flatpak and Snap apps</source>
        <translation>~/.config、~/.cache 以及 Flatpak 和 Snap 应用中的缓存文件夹</translation>
    </message>
    <message>
        <source>%1 (PID %2)</source>
        <translation>%1（PID %2）</translation>
    </message>
    <message>
        <source>%1 is left out: another program is working in it.</source>
        <translation>已跳过 %1：另一个程序正在其中工作。</translation>
    </message>
    <message>
        <source>%1 is left out: in use by %2.</source>
        <translation>已跳过 %1：正被 %2 使用。</translation>
    </message>
    <message>
        <source>%1 is left out: its name is not valid text.</source>
        <translation>已跳过 %1：其名称不是有效文本。</translation>
    </message>
    <message>
        <source>npm cache</source>
        <translation>npm 缓存</translation>
    </message>
    <message>
        <source>Yarn cache</source>
        <translation>Yarn 缓存</translation>
    </message>
    <message>
        <source>pip cache</source>
        <translation>pip 缓存</translation>
    </message>
    <message>
        <source>NuGet HTTP cache</source>
        <translation>NuGet HTTP 缓存</translation>
    </message>
    <message>
        <source>Go build cache</source>
        <translation>Go 构建缓存</translation>
    </message>
    <message>
        <source>Gradle caches</source>
        <translation>Gradle 缓存</translation>
    </message>
    <message>
        <source>Cargo registry cache</source>
        <translation>Cargo 注册表缓存</translation>
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
        <translation>可安全清理</translation>
    </message>
    <message>
        <source>REVIEW BEFORE CLEANING</source>
        <translation>清理前请检查</translation>
    </message>
    <message>
        <source>CANNOT BE UNDONE</source>
        <translation>无法撤消</translation>
    </message>
    <message>
        <source>Cleanup</source>
        <translation>清理</translation>
    </message>
    <message>
        <source>Nothing scanned yet</source>
        <translation>尚未扫描</translation>
    </message>
    <message>
        <source>Find caches, temporary files and leftovers.</source>
        <translation>查找缓存、临时文件和残留文件。</translation>
    </message>
    <message>
        <source>Start Smart Scan</source>
        <translation>开始智能扫描</translation>
    </message>
    <message>
        <source>Scanning</source>
        <translation>正在扫描</translation>
    </message>
    <message>
        <source>In progress</source>
        <translation>进行中</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>停止</translation>
    </message>
    <message>
        <source>Items checked</source>
        <translation>已检查项目</translation>
    </message>
    <message>
        <source>Elapsed</source>
        <translation>已用时间</translation>
    </message>
    <message>
        <source>Remaining</source>
        <translation>剩余时间</translation>
    </message>
    <message>
        <source>found</source>
        <translation>已找到</translation>
    </message>
    <message>
        <source>Cleaning</source>
        <translation>正在清理</translation>
    </message>
    <message>
        <source>of %1</source>
        <translation>共 %1</translation>
    </message>
    <message>
        <source>Cleanup complete</source>
        <translation>清理完成</translation>
    </message>
    <message>
        <source>Available before</source>
        <translation>清理前可用</translation>
    </message>
    <message>
        <source>Available now</source>
        <translation>当前可用</translation>
    </message>
    <message>
        <source>&lt;b&gt;Some files need administrator rights.&lt;/b&gt; Restart Varnholt as administrator and clean again to remove them.</source>
        <translation>&lt;b&gt;部分文件需要管理员权限。&lt;/b&gt;请以管理员身份重启 Varnholt 并再次清理，以删除这些文件。</translation>
    </message>
    <message>
        <source>Restart as admin</source>
        <translation>以管理员身份重启</translation>
    </message>
    <message>
        <source>View log</source>
        <translation>查看日志</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>完成</translation>
    </message>
    <message>
        <source>Items were deleted permanently.</source>
        <translation>项目已被永久删除。</translation>
    </message>
    <message>
        <source>For example: %1</source>
        <translation>例如：%1</translation>
    </message>
    <message>
        <source>&lt;b&gt;Left caches of running apps alone:&lt;/b&gt; %1. Quit them and clean again to include them.</source>
        <translation>&lt;b&gt;未清理正在运行的应用的缓存：&lt;/b&gt;%1。请退出这些应用并再次清理，即可一并清理。</translation>
    </message>
    <message>
        <source>Needs administrator</source>
        <translation>需要管理员权限</translation>
    </message>
    <message>
        <source>Select recommended</source>
        <translation>选择推荐项</translation>
    </message>
    <message>
        <source>Rescan</source>
        <translation>重新扫描</translation>
    </message>
    <message>
        <source>Select all</source>
        <translation>全选</translation>
    </message>
    <message>
        <source>%1 can be cleaned</source>
        <translation>%1 可清理</translation>
    </message>
    <message>
        <source>Nothing left to clean. Rescan any time.</source>
        <translation>已没有可清理的内容。您可以随时重新扫描。</translation>
    </message>
    <message>
        <source>These files need administrator rights.</source>
        <translation>这些文件需要管理员权限。</translation>
    </message>
    <message>
        <source>Some folders need administrator rights.</source>
        <translation>部分文件夹需要管理员权限。</translation>
    </message>
    <message>
        <source>%1 is open. Quit it to include its cache.</source>
        <translation>%1 已打开。退出该应用后即可一并清理其缓存。</translation>
    </message>
    <message>
        <source>%1 are open. Quit them to include their caches.</source>
        <translation>%1 已打开。退出这些应用后即可一并清理其缓存。</translation>
    </message>
    <message>
        <source>Largest items</source>
        <translation>最大的项目</translation>
    </message>
    <message>
        <source>Show in %1</source>
        <translation>在%1中显示</translation>
    </message>
    <message>
        <source>%1 is running</source>
        <translation>%1 正在运行</translation>
    </message>
    <message>
        <source>Show %1 more</source>
        <translation>再显示 %1 个</translation>
    </message>
    <message>
        <source>moved to the %1</source>
        <translation>将移至%1</translation>
    </message>
    <message>
        <source>deleted permanently</source>
        <translation>将永久删除</translation>
    </message>
    <message>
        <source>&lt;b style=&apos;color:%1&apos;&gt;%2&lt;/b&gt; selected%3</source>
        <translation>已选择 &lt;b style=&apos;color:%1&apos;&gt;%2&lt;/b&gt;%3</translation>
    </message>
    <message>
        <source> · some need admin</source>
        <translation> · 部分需要管理员权限</translation>
    </message>
    <message>
        <source>Clean %1</source>
        <translation>清理 %1</translation>
    </message>
    <message>
        <source>Large files</source>
        <translation>大文件</translation>
    </message>
    <message numerus="yes">
        <source>%Ln item(s)</source>
        <translation>
            <numerusform>%Ln 个项目</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>and %Ln more item(s)</source>
        <translation>
            <numerusform>另有 %Ln 个项目</numerusform>
        </translation>
    </message>
    <message>
        <source>Check again</source>
        <translation>重新检查</translation>
    </message>
    <message>
        <source>Your settings in %1 cannot be read, so your exclusions and your choice between the %2 and deleting are unknown. Cleaning stays off until the file can be read again.</source>
        <translation>无法读取 %1 中的设置，因此不清楚您的排除项，也不清楚应移至%2还是直接删除。在能再次读取该文件之前，清理将保持停用。</translation>
    </message>
    <message>
        <source>Partly cleaned</source>
        <translation>部分已清理</translation>
    </message>
    <message>
        <source>Nothing was cleaned</source>
        <translation>未清理任何内容</translation>
    </message>
    <message>
        <source>None of the %1 selected could be cleaned.</source>
        <translation>所选的 %1 均无法清理。</translation>
    </message>
    <message>
        <source>No app could open %1</source>
        <translation>没有应用能打开 %1</translation>
    </message>
    <message>
        <source>The %1 could not show %2</source>
        <translation>%1无法显示 %2</translation>
    </message>
    <message>
        <source>Scan again to see what can be cleaned.</source>
        <translation>重新扫描即可查看可清理的内容。</translation>
    </message>
    <message>
        <source>Measuring…</source>
        <translation>正在计算…</translation>
    </message>
    <message>
        <source>%1 of it needs administrator rights.</source>
        <translation>其中 %1 需要管理员权限。</translation>
    </message>
    <message>
        <source>freed or moved to the %1</source>
        <comment>what the figure of a finished cleanup is</comment>
        <translation>已释放或移至%1</translation>
    </message>
    <message>
        <source>moved to the %1</source>
        <comment>what the figure of a finished cleanup is</comment>
        <translation>已移至%1</translation>
    </message>
    <message>
        <source>freed</source>
        <comment>what the figure of a finished cleanup is</comment>
        <translation>已释放</translation>
    </message>
    <message>
        <source>of %1 selected · %2</source>
        <translation>共选择 %1 · %2</translation>
    </message>
    <message>
        <source>Restore all</source>
        <translation>全部恢复</translation>
    </message>
    <message>
        <source>Put everything this cleanup moved to the %1 back where it was</source>
        <translation>将本次清理移到%1的所有内容放回原处</translation>
    </message>
    <message>
        <source>Restoring…</source>
        <translation>正在恢复…</translation>
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
            <numerusform>%1 及其他 %n 个程序</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n file(s) are in use by %1.</source>
        <comment>%1: one or more programs</comment>
        <translation>
            <numerusform>%n 个文件正被 %1 使用。</numerusform>
        </translation>
    </message>
    <message>
        <source>Try again</source>
        <translation>重试</translation>
    </message>
    <message>
        <source>Clean the skipped files again, the same way</source>
        <translation>以相同方式再次清理跳过的文件</translation>
    </message>
    <message numerus="yes">
        <source>&lt;b&gt;%Ln item(s) kept&lt;/b&gt; because something in them changed since the scan. Scan again to see what can go.</source>
        <translation>
            <numerusform>&lt;b&gt;已保留 %Ln 个项目&lt;/b&gt;，因为扫描后其中的内容有变化。请重新扫描，查看可以清理的内容。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>&lt;b&gt;%Ln file(s) skipped&lt;/b&gt; because they were in use or protected. Quit the apps using them and rescan to remove them.</source>
        <translation>
            <numerusform>&lt;b&gt;已跳过 %Ln 个文件&lt;/b&gt;，因为它们正在使用中或受保护。请退出正在使用这些文件的应用，然后重新扫描以删除它们。</numerusform>
        </translation>
    </message>
    <message>
        <source>Some items were moved to the %1 and the rest deleted permanently. You can still restore what was moved.</source>
        <translation>部分项目已移到%1，其余已永久删除。移走的项目仍可还原。</translation>
    </message>
    <message>
        <source>Moved to the %1. You can still restore anything.</source>
        <translation>已移到%1。仍可还原任何项目。</translation>
    </message>
    <message numerus="yes">
        <source>&lt;b&gt;%Ln item(s) could not be moved to the %1&lt;/b&gt; and were left where they are.</source>
        <translation>
            <numerusform>&lt;b&gt;%Ln 个项目无法移至%1&lt;/b&gt;，已保留在原处。</numerusform>
        </translation>
    </message>
    <message>
        <source>This cleanup wrote no log; its folder is open instead.</source>
        <translation>本次清理未写入日志，已改为打开日志文件夹。</translation>
    </message>
    <message>
        <source>The log %1 is gone; its folder is open instead.</source>
        <translation>日志 %1 已不存在，已改为打开其所在文件夹。</translation>
    </message>
    <message>
        <source>Varnholt did not restart: administrator rights were refused or could not be asked for.</source>
        <translation>Varnholt 未重启：管理员权限被拒绝或无法请求。</translation>
    </message>
    <message>
        <source>No %1 on this drive</source>
        <translation>此驱动器上没有%1</translation>
    </message>
    <message>
        <source>Cannot go to the %1</source>
        <translation>无法移至%1</translation>
    </message>
</context>
<context>
    <name>Cli</name>
    <message>
        <source>Cannot read the catalogue file %1: %2</source>
        <translation>无法读取类别清单文件 %1：%2</translation>
    </message>
    <message>
        <source>The catalogue file %1 is not valid JSON: %2</source>
        <translation>类别清单文件 %1 不是有效的 JSON：%2</translation>
    </message>
    <message>
        <source>The catalogue file %1 is not usable: %2</source>
        <translation>无法使用类别清单文件 %1：%2</translation>
    </message>
    <message>
        <source>a category has no id</source>
        <translation>有类别缺少 id</translation>
    </message>
    <message>
        <source>the id &quot;%1&quot; appears twice</source>
        <translation>id“%1”出现了两次</translation>
    </message>
    <message>
        <source>the risk of &quot;%1&quot; is not Safe, Review or Permanent</source>
        <translation>“%1”的风险等级不是 Safe、Review 或 Permanent</translation>
    </message>
    <message>
        <source>a root of &quot;%1&quot; is not an absolute path</source>
        <translation>“%1”的某个根路径不是绝对路径</translation>
    </message>
    <message>
        <source>it lists no categories</source>
        <translation>其中没有列出任何类别</translation>
    </message>
    <message>
        <source>Interrupted.</source>
        <translation>已中断。</translation>
    </message>
    <message>
        <source>Scanning %1 · %2 · %3 files · %4</source>
        <translation>正在扫描 %1 · %2 · %3 个文件 · %4</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>类别</translation>
    </message>
    <message>
        <source>Risk</source>
        <translation>风险</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>大小</translation>
    </message>
    <message>
        <source>Files</source>
        <translation>文件数</translation>
    </message>
    <message>
        <source>Items</source>
        <translation>项目数</translation>
    </message>
    <message>
        <source>(%1 is running)</source>
        <translation>（%1 正在运行）</translation>
    </message>
    <message>
        <source>… %1 more (--json lists all)</source>
        <translation>… 另有 %1 项（使用 --json 可列出全部）</translation>
    </message>
    <message>
        <source>%1 found · %2 files checked · %3 s</source>
        <translation>已找到 %1 · 已检查 %2 个文件 · %3 秒</translation>
    </message>
    <message>
        <source>Some folders of %1 could not be read.</source>
        <translation>无法读取“%1”中的部分文件夹。</translation>
    </message>
    <message>
        <source>Keeping %1 as a whole: %2 lies inside it.</source>
        <translation>将完整保留 %1：%2 位于其中。</translation>
    </message>
    <message>
        <source>Freed %1 · %2 removed · %3 skipped</source>
        <translation>已释放 %1 · 已移除 %2 · 已跳过 %3 个</translation>
    </message>
    <message numerus="yes">
        <source>%n file(s)</source>
        <translation>
            <numerusform>%n 个文件</numerusform>
        </translation>
    </message>
    <message>
        <source>Cleaned: %1</source>
        <translation>已清理：%1</translation>
    </message>
    <message>
        <source>Skipped (in use or access denied):</source>
        <translation>已跳过（正在使用或拒绝访问）：</translation>
    </message>
    <message>
        <source>Left alone because they are running: %1</source>
        <translation>以下应用正在运行，其缓存未清理：%1</translation>
    </message>
    <message>
        <source>Some items need administrator rights.</source>
        <translation>部分项目需要管理员权限。</translation>
    </message>
    <message>
        <source>Log: %1</source>
        <translation>日志：%1</translation>
    </message>
    <message>
        <source>The scan did not complete.</source>
        <translation>扫描未完成。</translation>
    </message>
    <message>
        <source>The scan did not complete; nothing was cleaned.</source>
        <translation>扫描未完成，未清理任何内容。</translation>
    </message>
    <message>
        <source>Nothing to clean in the categories given.</source>
        <translation>指定的类别中没有可清理的内容。</translation>
    </message>
    <message>
        <source>Cleaning %1 of %2 · %3</source>
        <translation>正在清理 %1 / %2 · %3</translation>
    </message>
    <message>
        <source>%1 files checked · %2 found (%3) · %4</source>
        <translation>已检查 %1 个文件 · 找到 %2 个（%3） · %4</translation>
    </message>
    <message>
        <source>The search for large files did not complete.</source>
        <translation>大文件查找未完成。</translation>
    </message>
    <message>
        <source>Kind</source>
        <translation>类型</translation>
    </message>
    <message>
        <source>Last used</source>
        <translation>上次使用</translation>
    </message>
    <message>
        <source>Path</source>
        <translation>路径</translation>
    </message>
    <message numerus="yes">
        <source>%n large file(s)</source>
        <translation>
            <numerusform>%n 个大文件</numerusform>
        </translation>
    </message>
    <message>
        <source>Cannot read %1.</source>
        <translation>无法读取 %1。</translation>
    </message>
    <message>
        <source>Newest</source>
        <translation>最近修改</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>耗时</translation>
    </message>
    <message>
        <source>%1 ms</source>
        <translation>%1 毫秒</translation>
    </message>
    <message>
        <source>Run &quot;varnholt-cli --help&quot; for the usage.</source>
        <translation>运行“varnholt-cli --help”查看用法。</translation>
    </message>
    <message>
        <source>No command given.</source>
        <translation>未指定命令。</translation>
    </message>
    <message>
        <source>--help takes nothing else.</source>
        <translation>--help 不能与其他参数一起使用。</translation>
    </message>
    <message>
        <source>--version takes nothing else.</source>
        <translation>--version 不能与其他参数一起使用。</translation>
    </message>
    <message>
        <source>Unexpected argument &quot;%1&quot; for %2.</source>
        <translation>%2 命令不接受参数“%1”。</translation>
    </message>
    <message>
        <source>measure takes exactly one PATH.</source>
        <translation>measure 只接受一个 PATH。</translation>
    </message>
    <message>
        <source>none</source>
        <translation>无</translation>
    </message>
    <message>
        <source>Unknown option &quot;%1&quot; for %2. Options of %2: %3.</source>
        <translation>未知选项“%1”（命令 %2）。%2 的可用选项：%3。</translation>
    </message>
    <message>
        <source>%1 needs a value.</source>
        <translation>%1 需要一个值。</translation>
    </message>
    <message>
        <source>%1 takes no value.</source>
        <translation>%1 不接受值。</translation>
    </message>
    <message>
        <source>--skip-item needs a path.</source>
        <translation>--skip-item 需要一个路径。</translation>
    </message>
    <message>
        <source>Choose either --delete or --trash, not both.</source>
        <translation>--delete 和 --trash 只能选择其一。</translation>
    </message>
    <message>
        <source>--threshold-mb needs a positive number of megabytes (for example 500), not &quot;%1&quot;.</source>
        <translation>--threshold-mb 需要一个以 MB 为单位的正数（例如 500），而不是“%1”。</translation>
    </message>
    <message>
        <source>measure needs a PATH.</source>
        <translation>measure 需要一个 PATH。</translation>
    </message>
    <message>
        <source>clean needs at least one --category ID.</source>
        <translation>clean 至少需要一个 --category ID。</translation>
    </message>
    <message>
        <source>clean removes files: add --yes to confirm.</source>
        <translation>clean 会删除文件：请添加 --yes 以确认。</translation>
    </message>
    <message>
        <source>Unknown category %1. Categories: %2.</source>
        <translation>未知类别：%1。可用类别：%2。</translation>
    </message>
    <message>
        <source>a flag of &quot;%1&quot; is not true or false</source>
        <translation>“%1”的某个标志不是 true 或 false</translation>
    </message>
    <message>
        <source>the patterns of a root of &quot;%1&quot; are not a list of names</source>
        <translation>“%1”的某个根路径的模式不是名称列表</translation>
    </message>
    <message>
        <source>the minAgeMs of a root of &quot;%1&quot; is not a whole number of milliseconds from 0 to 100 years</source>
        <translation>“%1”的某个根路径的 minAgeMs 不是 0 到 100 年之间的整数毫秒数</translation>
    </message>
    <message>
        <source>Warning: cannot read the settings file %1; this run may not use your settings.</source>
        <translation>警告：无法读取设置文件 %1；本次运行可能不会使用您的设置。</translation>
    </message>
    <message>
        <source>Cannot read the settings file %1, so your exclusions and your choice between the trash and deleting are unknown. Nothing was cleaned: fix or remove that file first.</source>
        <translation>无法读取设置文件 %1，因此不清楚您的排除项，也不清楚应移至回收站还是直接删除。未清理任何内容：请先修复或删除该文件。</translation>
    </message>
    <message>
        <source>--skip-item %1 names no item of the categories given.</source>
        <translation>--skip-item %1 不对应所给类别中的任何项目。</translation>
    </message>
    <message>
        <source>Nothing was cleaned.</source>
        <translation>未清理任何内容。</translation>
    </message>
    <message>
        <source>Moved %1 to the %2 · freed %3 · %4 removed · %5 skipped</source>
        <translation>已将 %1 移至%2 · 已释放 %3 · 已移除 %4 · 已跳过 %5 个</translation>
    </message>
    <message>
        <source>Action</source>
        <translation>操作</translation>
    </message>
    <message>
        <source>move to %1</source>
        <translation>移到%1</translation>
    </message>
    <message>
        <source>delete</source>
        <translation>删除</translation>
    </message>
    <message>
        <source>Would stay:</source>
        <translation>将保留：</translation>
    </message>
    <message numerus="yes">
        <source>Preview only, nothing was removed: %n path(s) would go, %1.</source>
        <translation>
            <numerusform>仅为预览，未删除任何内容：将移除 %n 个路径，共 %1。</numerusform>
        </translation>
    </message>
    <message>
        <source>The disk is already full.</source>
        <translation>磁盘已满。</translation>
    </message>
    <message numerus="yes">
        <source>No forecast yet: the records of free space cover %n day(s); a forecast needs at least %1.</source>
        <translation>
            <numerusform>暂无预测：可用空间记录仅涵盖 %n 天；预测至少需要 %1 天。</numerusform>
        </translation>
    </message>
    <message>
        <source>No forecast: free space is not falling.</source>
        <translation>无预测：可用空间没有减少。</translation>
    </message>
    <message>
        <source>No forecast: at this rate the disk is not full within a year.</source>
        <translation>无预测：按此速度，磁盘一年内不会满。</translation>
    </message>
    <message numerus="yes">
        <source>%n record(s) of free space since %1</source>
        <translation>
            <numerusform>自 %1 起共 %n 条可用空间记录</numerusform>
        </translation>
    </message>
    <message>
        <source>restore takes at most one LOG.</source>
        <translation>restore 最多接受一个 LOG。</translation>
    </message>
    <message>
        <source>put back what a cleanup moved to the trash (the latest one without LOG)</source>
        <translation>将某次清理移到回收站的内容放回原处（不指定 LOG 时为最近一次）</translation>
    </message>
    <message>
        <source>estimate when the disk is full from its history of free space</source>
        <translation>根据可用空间历史估算磁盘何时会满</translation>
    </message>
    <message>
        <source>list what clean would remove or move, with sizes; removes nothing</source>
        <translation>列出 clean 将删除或移动的内容及大小；不删除任何内容</translation>
    </message>
    <message>
        <source>Unknown command &quot;%1&quot;. Commands: %2.</source>
        <translation>未知命令“%1”。可用命令：%2。</translation>
    </message>
    <message numerus="yes">
        <source>In use by %1 (PID %2): %n file(s)</source>
        <translation>
            <numerusform>正被 %1 (PID %2) 使用：%n 个文件</numerusform>
        </translation>
    </message>
    <message>
        <source>Kept because something in them changed since the scan: %1</source>
        <translation>因扫描后内容有变化而保留：%1</translation>
    </message>
    <message>
        <source>No cleanup has moved anything to the %1; there is nothing to restore.</source>
        <translation>没有任何清理将内容移到%1；没有可恢复的内容。</translation>
    </message>
    <message>
        <source>As root, the catalogue file %1 is used only when it and every folder above it belong to root and no one else may change them.</source>
        <translation>以 root 身份运行时，只有当目录文件 %1 及其上方的每个文件夹都属于 root 且其他人无法更改时，才会使用它。</translation>
    </message>
    <message>
        <source>As root, Varnholt works in root&apos;s own folders (%1) and ignores %2: another user can change where they lead.</source>
        <translation>以 root 身份运行时，Varnholt 只使用 root 自己的文件夹（%1），并忽略 %2：其他用户可以更改它们指向的位置。</translation>
    </message>
    <message>
        <source>Could not be moved to the %1, left where they are:</source>
        <translation>无法移至%1，已保留在原处：</translation>
    </message>
    <message numerus="yes">
        <source>… and %n more</source>
        <translation>
            <numerusform>… 另有 %n 项</numerusform>
        </translation>
    </message>
    <message>
        <source>Cannot read the settings file %1, so your exclusions and your choice between the Recycle Bin and deleting are unknown. Nothing was cleaned: fix or remove that file first.</source>
        <translation>无法读取设置文件 %1，因此不清楚您的排除项，也不清楚应移至回收站还是直接删除。未清理任何内容：请先修复或删除该文件。</translation>
    </message>
    <message numerus="yes">
        <source>No forecast yet: the free space has been recorded %n time(s) (the Varnholt app records it when it starts); a forecast needs at least %1.</source>
        <translation>
            <numerusform>暂无预测：可用空间已记录 %n 次（Varnholt 应用在启动时记录）；预测至少需要 %1 次。</numerusform>
        </translation>
    </message>
    <message>
        <source>delete permanently, or move to the Recycle Bin</source>
        <translation>永久删除，或移至回收站</translation>
    </message>
    <message>
        <source>put back what a cleanup moved to the Recycle Bin (the latest one without LOG)</source>
        <translation>将某次清理移到回收站的内容放回原处（不指定 LOG 时为最近一次）</translation>
    </message>
    <message>
        <source>delete permanently, or move to the trash</source>
        <translation>永久删除，或移至回收站</translation>
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
  scan      测量所有清理类别的大小
  clean     重新扫描，然后只清理指定的类别
  large     列出主文件夹中的大文件
  measure   显示某个路径的磁盘占用、文件数和最近修改时间

选项：
  --json              输出 JSON 而不是表格
  --exclude PATTERN   跳过与 PATTERN 匹配的文件夹和文件；指定此选项后，
                      本次运行将以这些模式取代设置中的排除项
  --category ID       要清理的类别（temp、appcache、browser、logs、thumbs、
                      update、dev、trash）
  --skip-item PATH    保留所清理类别中的此项目
  --delete, --trash   %1
  --threshold-mb N    大文件的最小大小，以 MB 为单位
  --yes               确认允许 clean 删除文件

默认值取自 Varnholt 的设置；选项仅对本次运行有效。
退出状态：0 完成，1 失败（clean：有选中的内容未能删除），2 用法错误。
</translation>
    </message>
</context>
<context>
    <name>LargeFilesPage</name>
    <message>
        <source>Space Map</source>
        <translation>空间地图</translation>
    </message>
    <message>
        <source>Rescan</source>
        <translation>重新扫描</translation>
    </message>
    <message>
        <source>Find what&apos;s taking up space</source>
        <translation>找出占用空间的文件</translation>
    </message>
    <message>
        <source>Big files in your home folder. You decide what goes.</source>
        <translation>主文件夹中的大文件。删除哪些由您决定。</translation>
    </message>
    <message>
        <source>Find large files</source>
        <translation>查找大文件</translation>
    </message>
    <message>
        <source>Largest so far</source>
        <translation>目前最大的文件</translation>
    </message>
    <message>
        <source>Looking for large files…</source>
        <translation>正在查找大文件…</translation>
    </message>
    <message>
        <source>All</source>
        <translation>全部</translation>
    </message>
    <message>
        <source>Unused %1+ months</source>
        <translation>未使用 %1 个月以上</translation>
    </message>
    <message>
        <source>Downloads</source>
        <translation>下载</translation>
    </message>
    <message>
        <source>Search files</source>
        <translation>搜索文件</translation>
    </message>
    <message>
        <source>Show in %1</source>
        <translation>在%1中显示</translation>
    </message>
    <message>
        <source>Move to %1</source>
        <translation>移至%1</translation>
    </message>
    <message>
        <source>Home folder · over %1</source>
        <translation>主文件夹 · 大于 %1</translation>
    </message>
    <message numerus="yes">
        <source>&lt;b style=&apos;color:%1&apos;&gt;%2&lt;/b&gt; selected of %3 · %Ln file(s)</source>
        <translation>
            <numerusform>已选择 &lt;b style=&apos;color:%1&apos;&gt;%2&lt;/b&gt;，共 %3 · %Ln 个文件</numerusform>
        </translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>停止</translation>
    </message>
    <message>
        <source>Clear search</source>
        <translation>清除搜索</translation>
    </message>
    <message>
        <source>No files match “%1”.</source>
        <translation>没有与“%1”匹配的文件。</translation>
    </message>
    <message>
        <source>No files in this view.</source>
        <translation>此视图中没有文件。</translation>
    </message>
    <message>
        <source>No files over %1 in your home folder.</source>
        <translation>主文件夹中没有大于 %1 的文件。</translation>
    </message>
    <message>
        <source>The %1 could not show %2</source>
        <translation>%1无法显示 %2</translation>
    </message>
    <message>
        <source>Files to show</source>
        <translation>要显示的文件</translation>
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
    <message numerus="yes">
        <source>%1 is filling up: at this rate it is full in about %n day(s). Run Smart Scan to free up space.</source>
        <translation>
            <numerusform>%1 正在被填满：按此速度，大约 %n 天后将满。运行智能扫描以释放空间。</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>MenuBar</name>
    <message>
        <source>Varnholt Website</source>
        <translation>Varnholt 官网</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>设置</translation>
    </message>
    <message>
        <source>Check for Updates</source>
        <translation>检查更新</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>帮助</translation>
    </message>
    <message>
        <source>Guide</source>
        <translation>使用指南</translation>
    </message>
    <message>
        <source>FAQ</source>
        <translation>常见问题</translation>
    </message>
    <message>
        <source>Open Log Folder</source>
        <translation>打开日志文件夹</translation>
    </message>
    <message>
        <source>About Varnholt</source>
        <translation>关于 Varnholt</translation>
    </message>
    <message>
        <source>Quit Varnholt</source>
        <translation>退出 Varnholt</translation>
    </message>
    <message>
        <source>The log folder %1 could not be created.</source>
        <translation>无法创建日志文件夹 %1。</translation>
    </message>
</context>
<context>
    <name>Overlay</name>
    <message>
        <source>Version %1</source>
        <translation>版本 %1</translation>
    </message>
    <message>
        <source>Finds the space your computer can spare.</source>
        <translation>找出电脑中可以腾出的空间。</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>撤消</translation>
    </message>
    <message>
        <source>Keep Varnholt running?</source>
        <translation>要让 Varnholt 继续运行吗？</translation>
    </message>
    <message>
        <source>Varnholt can stay in the system tray when you close the window, so scheduled scans and low space alerts keep working. You can open it again from the tray icon.</source>
        <translation>关闭窗口后，Varnholt 可以留在系统托盘中，让定期扫描和空间不足提醒继续工作。您可以通过托盘图标再次打开它。</translation>
    </message>
    <message>
        <source>Remember my choice</source>
        <translation>记住我的选择</translation>
    </message>
    <message>
        <source>You can change this in Settings.</source>
        <translation>您可以在“设置”中更改此选项。</translation>
    </message>
    <message>
        <source>Keep in tray</source>
        <translation>留在托盘</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>退出</translation>
    </message>
    <message>
        <source>Clean %1?</source>
        <translation>要清理 %1 吗？</translation>
    </message>
    <message>
        <source>Permanent delete is on. These files can&apos;t be recovered.</source>
        <translation>永久删除已开启。这些文件将无法恢复。</translation>
    </message>
    <message>
        <source>Emptying the %1 can&apos;t be undone. Everything else goes to the %1.</source>
        <translation>清空%1后无法撤消。其他所有项目都将移至%1。</translation>
    </message>
    <message>
        <source>Everything will be moved to the %1, so you can restore it later.</source>
        <translation>所有项目都将移至%1，您以后仍可恢复。</translation>
    </message>
    <message>
        <source>Clean and delete</source>
        <translation>清理并删除</translation>
    </message>
    <message>
        <source>Clean</source>
        <translation>清理</translation>
    </message>
    <message>
        <source>What&apos;s new</source>
        <translation>更新内容</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>重试</translation>
    </message>
    <message>
        <source>Update now</source>
        <translation>立即更新</translation>
    </message>
    <message>
        <source>Varnholt is up to date</source>
        <translation>Varnholt 已是最新版本</translation>
    </message>
    <message>
        <source>Version %1 is the latest version.</source>
        <translation>版本 %1 是最新版本。</translation>
    </message>
    <message>
        <source>An update is available</source>
        <translation>有可用的更新</translation>
    </message>
    <message>
        <source>Version %1 is available. You have %2.</source>
        <translation>版本 %1 现已推出。您当前的版本是 %2。</translation>
    </message>
    <message>
        <source>Could not check for updates</source>
        <translation>无法检查更新</translation>
    </message>
    <message>
        <source>Check your internet connection and try again.</source>
        <translation>请检查网络连接，然后重试。</translation>
    </message>
    <message>
        <source>Downloading the update…</source>
        <translation>正在下载更新…</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 / %2</translation>
    </message>
    <message>
        <source>Installing the update…</source>
        <translation>正在安装更新…</translation>
    </message>
    <message>
        <source>Varnholt closes and starts again when the update is installed.</source>
        <translation>更新安装完成后，Varnholt 将关闭并重新启动。</translation>
    </message>
    <message>
        <source>Checking for updates…</source>
        <translation>正在检查更新…</translation>
    </message>
    <message>
        <source>Version %1 is installed.</source>
        <translation>已安装版本 %1。</translation>
    </message>
    <message>
        <source>Later</source>
        <translation>稍后</translation>
    </message>
    <message>
        <source>Some of it needs administrator rights: without them those files are skipped.</source>
        <translation>其中部分内容需要管理员权限：没有权限时将跳过这些文件。</translation>
    </message>
    <message>
        <source>Everything that will go</source>
        <translation>将移除的全部内容</translation>
    </message>
    <message>
        <source>Working out the list…</source>
        <translation>正在生成列表…</translation>
    </message>
    <message>
        <source>The list cannot be worked out now.</source>
        <translation>目前无法生成列表。</translation>
    </message>
    <message>
        <source>Nothing in the selection would be removed.</source>
        <translation>所选内容中没有要移除的项目。</translation>
    </message>
    <message numerus="yes">
        <source>%n path(s) · %1</source>
        <translation>
            <numerusform>%n 个路径 · %1</numerusform>
        </translation>
    </message>
    <message>
        <source>These cannot be moved to the %1</source>
        <translation>以下项目无法移至%1</translation>
    </message>
    <message numerus="yes">
        <source>and %n more</source>
        <translation>
            <numerusform>还有 %n 项</numerusform>
        </translation>
    </message>
    <message>
        <source>Leave them</source>
        <translation>保留原处</translation>
    </message>
    <message>
        <source>Delete them permanently</source>
        <translation>永久删除</translation>
    </message>
    <message>
        <source>None of it can go to the %1: delete it permanently, or nothing is cleaned.</source>
        <translation>这些都无法移至%1：请永久删除，否则不会清理任何内容。</translation>
    </message>
    <message>
        <source>All of it is deleted permanently and can&apos;t be recovered.</source>
        <translation>全部将被永久删除，无法恢复。</translation>
    </message>
    <message>
        <source>Emptying the %1 and deleting what cannot go there can&apos;t be undone. Everything else goes to the %1.</source>
        <translation>清空%1以及删除无法移入其中的项目后均无法撤消。其他所有项目都将移至%1。</translation>
    </message>
    <message>
        <source>What cannot go to the %1 is deleted permanently. Everything else is moved there, so you can restore it later.</source>
        <translation>无法移至%1的项目将被永久删除。其他所有项目都将移至该处，您以后仍可恢复。</translation>
    </message>
    <message>
        <source>The check could not start. Try again in a moment.</source>
        <translation>无法开始检查。请稍后再试。</translation>
    </message>
    <message>
        <source>The check failed again.</source>
        <translation>检查再次失败。</translation>
    </message>
</context>
<context>
    <name>OverviewPage</name>
    <message>
        <source>Scanned %1</source>
        <translation>上次扫描：%1</translation>
    </message>
    <message>
        <source>Smart Scan</source>
        <translation>智能扫描</translation>
    </message>
    <message>
        <source>Overview</source>
        <translation>概览</translation>
    </message>
    <message>
        <source>Rescan</source>
        <translation>重新扫描</translation>
    </message>
    <message>
        <source>See all</source>
        <translation>查看全部</translation>
    </message>
    <message>
        <source>Disk health</source>
        <translation>磁盘健康</translation>
    </message>
    <message>
        <source>System files protected</source>
        <translation>系统文件受保护</translation>
    </message>
    <message>
        <source>%1 ready to clean</source>
        <translation>%1 可供清理</translation>
    </message>
    <message>
        <source>Your startup disk is almost full</source>
        <translation>您的启动磁盘快满了</translation>
    </message>
    <message>
        <source>Keep your disk in shape</source>
        <translation>让磁盘保持良好状态</translation>
    </message>
    <message>
        <source>free of %1</source>
        <translation>可用，共 %1</translation>
    </message>
    <message>
        <source>Review</source>
        <translation>查看</translation>
    </message>
    <message>
        <source>Scan</source>
        <translation>扫描</translation>
    </message>
    <message>
        <source>Never scanned</source>
        <translation>从未扫描</translation>
    </message>
    <message>
        <source>Freed this month</source>
        <translation>本月已释放</translation>
    </message>
    <message>
        <source>Last scan</source>
        <translation>上次扫描</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>关闭</translation>
    </message>
    <message>
        <source>Weekly</source>
        <translation>每周</translation>
    </message>
    <message>
        <source>Monthly</source>
        <translation>每月</translation>
    </message>
    <message>
        <source>Scheduled scan</source>
        <translation>定期扫描</translation>
    </message>
    <message>
        <source>Top recommendations</source>
        <translation>首要建议</translation>
    </message>
    <message>
        <source>What Smart Scan looks at</source>
        <translation>智能扫描的检查范围</translation>
    </message>
    <message>
        <source>Apps, documents &amp; system</source>
        <translation>应用、文档和系统</translation>
    </message>
    <message>
        <source>Reclaimable</source>
        <translation>可释放</translation>
    </message>
    <message>
        <source>Available</source>
        <translation>可用</translation>
    </message>
    <message>
        <source>Space freed in the last six months</source>
        <translation>过去六个月释放的空间</translation>
    </message>
    <message>
        <source>Scan again to see what can be cleaned</source>
        <translation>重新扫描以查看可清理的内容</translation>
    </message>
    <message>
        <source>Free space history</source>
        <translation>可用空间历史</translation>
    </message>
    <message numerus="yes">
        <source>From %1 to %2 free over %n day(s)</source>
        <translation>
            <numerusform>%n 天内可用空间从 %1 变为 %2</numerusform>
        </translation>
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
    <name>Restore</name>
    <message>
        <source>no longer in the trash</source>
        <translation>已不在回收站中</translation>
    </message>
    <message>
        <source>its place is taken</source>
        <translation>原位置已被占用</translation>
    </message>
    <message>
        <source>the log does not name a trash entry</source>
        <translation>日志未指向回收站中的项目</translation>
    </message>
    <message>
        <source>more than one trash entry matches</source>
        <translation>回收站中有多个项目匹配</translation>
    </message>
    <message>
        <source>could not be moved back</source>
        <translation>无法移回原处</translation>
    </message>
    <message>
        <source>no longer in the Recycle Bin</source>
        <translation>已不在回收站中</translation>
    </message>
    <message>
        <source>the log does not name a Recycle Bin entry</source>
        <translation>日志未指向回收站中的项目</translation>
    </message>
    <message>
        <source>more than one Recycle Bin entry matches</source>
        <translation>回收站中有多个项目匹配</translation>
    </message>
</context>
<context>
    <name>SettingsPage</name>
    <message>
        <source>Settings</source>
        <translation>设置</translation>
    </message>
    <message>
        <source>Choose a folder to exclude</source>
        <translation>选择要排除的文件夹</translation>
    </message>
    <message>
        <source>Cleaning</source>
        <translation>清理</translation>
    </message>
    <message>
        <source>Move items to the %1</source>
        <translation>将项目移至%1</translation>
    </message>
    <message>
        <source>Recommended. Turn off to delete files permanently.</source>
        <translation>建议开启。关闭后将永久删除文件。</translation>
    </message>
    <message>
        <source>Large file size</source>
        <translation>大文件标准</translation>
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
        <translation>多久未使用视为旧文件</translation>
    </message>
    <message>
        <source>3 months</source>
        <translation>3 个月</translation>
    </message>
    <message>
        <source>6 months</source>
        <translation>6 个月</translation>
    </message>
    <message>
        <source>12 months</source>
        <translation>12 个月</translation>
    </message>
    <message>
        <source>24 months</source>
        <translation>24 个月</translation>
    </message>
    <message>
        <source>Automation</source>
        <translation>自动化</translation>
    </message>
    <message>
        <source>Scheduled scan</source>
        <translation>定期扫描</translation>
    </message>
    <message>
        <source>Scans when Varnholt starts if the last scan is older than this. Never cleans on its own.</source>
        <translation>如果上次扫描早于此间隔，Varnholt 会在启动时扫描。绝不会自动清理。</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>关闭</translation>
    </message>
    <message>
        <source>Weekly</source>
        <translation>每周</translation>
    </message>
    <message>
        <source>Monthly</source>
        <translation>每月</translation>
    </message>
    <message>
        <source>Low space alerts</source>
        <translation>空间不足提醒</translation>
    </message>
    <message>
        <source>Warn when free space drops below 10%.</source>
        <translation>可用空间低于 10% 时发出警告。</translation>
    </message>
    <message>
        <source>Open at login</source>
        <translation>登录时打开</translation>
    </message>
    <message>
        <source>Start with Windows</source>
        <translation>随 Windows 启动</translation>
    </message>
    <message>
        <source>Start at login</source>
        <translation>登录时启动</translation>
    </message>
    <message>
        <source>Starts Varnholt in the background so scheduled scans can run.</source>
        <translation>在后台启动 Varnholt，以便执行定期扫描。</translation>
    </message>
    <message>
        <source>Show Varnholt in the menu bar</source>
        <translation>在菜单栏中显示 Varnholt</translation>
    </message>
    <message>
        <source>Closing the window keeps Varnholt running there, so scheduled scans and low space alerts keep working.</source>
        <translation>关闭窗口后，Varnholt 会继续在菜单栏中运行，让定期扫描和空间不足提醒继续工作。</translation>
    </message>
    <message>
        <source>Ask every time</source>
        <translation>每次询问</translation>
    </message>
    <message>
        <source>Keep running in the tray</source>
        <translation>在托盘中继续运行</translation>
    </message>
    <message>
        <source>Quit Varnholt</source>
        <translation>退出 Varnholt</translation>
    </message>
    <message>
        <source>When closing the window</source>
        <translation>关闭窗口时</translation>
    </message>
    <message>
        <source>In the tray, Varnholt keeps running so scheduled scans and low space alerts keep working.</source>
        <translation>留在托盘中时，Varnholt 会继续运行，让定期扫描和空间不足提醒继续工作。</translation>
    </message>
    <message>
        <source>Appearance</source>
        <translation>外观</translation>
    </message>
    <message>
        <source>Theme</source>
        <translation>主题</translation>
    </message>
    <message>
        <source>Follow the system, or always use light or dark.</source>
        <translation>跟随系统，或始终使用浅色或深色。</translation>
    </message>
    <message>
        <source>System</source>
        <translation>跟随系统</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>浅色</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>深色</translation>
    </message>
    <message>
        <source>System default (%1)</source>
        <translation>系统默认（%1）</translation>
    </message>
    <message>
        <source>Restart now</source>
        <translation>立即重启</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>语言</translation>
    </message>
    <message>
        <source>Varnholt restarts to switch languages.</source>
        <translation>切换语言需要重启 Varnholt。</translation>
    </message>
    <message>
        <source>Exclusions</source>
        <translation>排除项</translation>
    </message>
    <message>
        <source>Add folder</source>
        <translation>添加文件夹</translation>
    </message>
    <message>
        <source>Never touch these</source>
        <translation>始终排除</translation>
    </message>
    <message>
        <source>Folders and patterns Varnholt always skips.</source>
        <translation>Varnholt 始终跳过的文件夹和匹配模式。</translation>
    </message>
    <message>
        <source>Protected system locations</source>
        <translation>受保护的系统位置</translation>
    </message>
    <message>
        <source> — always skipped.</source>
        <translation> — 始终跳过。</translation>
    </message>
    <message>
        <source>Locked</source>
        <translation>已锁定</translation>
    </message>
    <message>
        <source>Protected apps</source>
        <translation>受保护的应用</translation>
    </message>
    <message>
        <source> — their data is never cleaned. Caches of running apps and open files are skipped too.</source>
        <translation> — 其数据绝不会被清理。正在运行的应用的缓存和已打开的文件也会被跳过。</translation>
    </message>
    <message>
        <source>Permissions &amp; about</source>
        <translation>权限与关于</translation>
    </message>
    <message>
        <source>Full Disk Access</source>
        <translation>完全磁盘访问权限</translation>
    </message>
    <message>
        <source>Varnholt is running as administrator and can clean Windows Update files.</source>
        <translation>Varnholt 正以管理员身份运行，可以清理 Windows 更新文件。</translation>
    </message>
    <message>
        <source>Varnholt is running as administrator and can clean the package cache.</source>
        <translation>Varnholt 正以管理员身份运行，可以清理软件包缓存。</translation>
    </message>
    <message>
        <source>Administrator access</source>
        <translation>管理员权限</translation>
    </message>
    <message>
        <source>Granted</source>
        <translation>已授予</translation>
    </message>
    <message>
        <source>Only needed to clean Windows Update leftovers.</source>
        <translation>仅在清理 Windows 更新残留文件时需要。</translation>
    </message>
    <message>
        <source>Only needed to clean the package cache.</source>
        <translation>仅在清理软件包缓存时需要。</translation>
    </message>
    <message>
        <source>Restart as admin</source>
        <translation>以管理员身份重启</translation>
    </message>
    <message>
        <source>Check for updates</source>
        <translation>检查更新</translation>
    </message>
    <message>
        <source>Open logs</source>
        <translation>打开日志</translation>
    </message>
    <message>
        <source>Every cleanup writes a log you can review. Varnholt checks for updates when it starts.</source>
        <translation>每次清理都会写入一份可供查看的日志。Varnholt 会在启动时检查更新。</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>移除</translation>
    </message>
    <message>
        <source>Files bigger than this appear in the Space Map.</source>
        <translation>大于此大小的文件会显示在“空间地图”中。</translation>
    </message>
    <message>
        <source>Recent cleanups</source>
        <translation>最近的清理</translation>
    </message>
    <message>
        <source>No cleanups yet</source>
        <translation>尚无清理记录</translation>
    </message>
    <message>
        <source>Every cleanup writes a log you can review.</source>
        <translation>每次清理都会写入一份可供查看的日志。</translation>
    </message>
    <message>
        <source>%1 moved to the %2</source>
        <translation>已将 %1 移至%2</translation>
    </message>
    <message>
        <source>%1 deleted permanently</source>
        <translation>已永久删除 %1</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>恢复</translation>
    </message>
    <message>
        <source>Put back what this cleanup moved to the %1. Nothing that is in its place now is replaced.</source>
        <translation>将本次清理移到%1的内容放回原处。不会替换目前位于原位置的任何内容。</translation>
    </message>
    <message>
        <source>Used by the “Unused” filter.</source>
        <translation>用于“未使用”筛选器。</translation>
    </message>
    <message>
        <source>%1 in all: the %2 emptied, items deleted permanently or moved to it</source>
        <translation>共 %1：已清空%2，项目已永久删除或移到其中</translation>
    </message>
    <message>
        <source>%1 moved to the %2 or deleted permanently</source>
        <translation>%1 已移到%2或永久删除</translation>
    </message>
    <message>
        <source>%1 in all: the %2 emptied, then items moved to it</source>
        <translation>共 %1：先清空%2，再将项目移入</translation>
    </message>
    <message>
        <source>%1 freed: items deleted permanently and the %2 emptied</source>
        <translation>已释放 %1：项目已永久删除，%2已清空</translation>
    </message>
    <message>
        <source>The %1 was emptied: %2 freed</source>
        <translation>已清空%1：释放 %2</translation>
    </message>
    <message>
        <source>Nothing was cleaned</source>
        <translation>未清理任何内容</translation>
    </message>
    <message>
        <source>Check again</source>
        <translation>重新检查</translation>
    </message>
    <message>
        <source>Your settings in %1 cannot be read, so what they hold is unknown. The options kept there stay locked until the file can be read again.</source>
        <translation>无法读取 %1 中的设置，因此不清楚其内容。在能再次读取该文件之前，保存在其中的选项将保持锁定。</translation>
    </message>
    <message>
        <source>Varnholt could not start again. Close it and open it yourself to switch languages.</source>
        <translation>无法重新启动 Varnholt。请手动关闭并重新打开它以切换语言。</translation>
    </message>
</context>
<context>
    <name>Sidebar</name>
    <message>
        <source>%1 available of %2</source>
        <translation>%1 可用，共 %2</translation>
    </message>
    <message>
        <source>Smart Scan</source>
        <translation>智能扫描</translation>
    </message>
    <message>
        <source>Cleanup</source>
        <translation>清理</translation>
    </message>
    <message>
        <source>Space Map</source>
        <translation>空间地图</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>设置</translation>
    </message>
    <message>
        <source>%1 free</source>
        <translation>%1 可用</translation>
    </message>
    <message>
        <source>Clean</source>
        <translation>清理工具</translation>
    </message>
    <message>
        <source>Expand sidebar</source>
        <translation>展开侧边栏</translation>
    </message>
    <message>
        <source>Collapse sidebar</source>
        <translation>收起侧边栏</translation>
    </message>
</context>
<context>
    <name>TitleBar</name>
    <message>
        <source>Menu</source>
        <translation>菜单</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>最小化</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>向下还原</translation>
    </message>
    <message>
        <source>Maximize</source>
        <translation>最大化</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
</context>
<context>
    <name>Tray</name>
    <message>
        <source>Varnholt is still running</source>
        <translation>Varnholt 仍在运行</translation>
    </message>
    <message>
        <source>It stays in the system tray so scheduled scans and alerts keep working. Right-click the icon to quit.</source>
        <translation>它会留在系统托盘中，让定期扫描和提醒继续工作。右键单击图标即可退出。</translation>
    </message>
    <message>
        <source>Open Varnholt</source>
        <translation>打开 Varnholt</translation>
    </message>
    <message>
        <source>Smart Scan</source>
        <translation>智能扫描</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>设置</translation>
    </message>
    <message>
        <source>Check for Updates</source>
        <translation>检查更新</translation>
    </message>
    <message>
        <source>Quit Varnholt</source>
        <translation>退出 Varnholt</translation>
    </message>
    <message>
        <source>%1 · %2 free</source>
        <translation>%1 · %2 可用</translation>
    </message>
    <message>
        <source>Space Map</source>
        <translation>空间地图</translation>
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
    <message>
        <source>The connection to the update server timed out.</source>
        <translation>连接更新服务器超时。</translation>
    </message>
    <message>
        <source>The update is not the published version %1.</source>
        <translation>该更新不是已发布的版本 %1。</translation>
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
