<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja_JP">
<context>
    <name>AppGuard</name>
    <message>
        <source>Password managers, input methods, security and device-management agents, VPNs</source>
        <translation>パスワードマネージャー、入力メソッド、セキュリティおよびデバイス管理エージェント、VPN</translation>
    </message>
</context>
<context>
    <name>AppState</name>
    <message numerus="yes">
        <source>Restored %n file(s)</source>
        <extracomment>Toast after Undo put the files moved from the Space Map back</extracomment>
        <translation>
            <numerusform>%n 個のファイルを復元しました</numerusform>
        </translation>
    </message>
    <message>
        <source>Nothing was cleaned: your settings cannot be read.</source>
        <translation>設定を読み取れないため、何もクリーンアップしていません。</translation>
    </message>
    <message>
        <source>That cleanup log could not be read; nothing was restored.</source>
        <translation>このクリーンアップのログを読み取れなかったため、何も復元されませんでした。</translation>
    </message>
    <message numerus="yes">
        <source>At this rate the disk is full in about %n week(s)</source>
        <extracomment>Forecast on the Overview, from the history of free space</extracomment>
        <translation>
            <numerusform>このペースでは、約 %n 週間でディスクがいっぱいになります</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>At this rate the disk is full in about %n day(s)</source>
        <translation>
            <numerusform>このペースでは、約 %n 日でディスクがいっぱいになります</numerusform>
        </translation>
    </message>
    <message>
        <source>Free space falls by about %1 a day</source>
        <extracomment>%1: a size, e.g. &quot;1.2 GB&quot;</extracomment>
        <translation>空き容量は 1 日あたり約 %1 減っています</translation>
    </message>
    <message>
        <source>Free space rises by about %1 a day</source>
        <extracomment>%1: a size, e.g. &quot;1.2 GB&quot;</extracomment>
        <translation>空き容量は 1 日あたり約 %1 増えています</translation>
    </message>
    <message numerus="yes">
        <source>%Ln file(s) (%1) moved to the Recycle Bin</source>
        <comment>%1: their size</comment>
        <translation>
            <numerusform>%Ln 個のファイル（%1）をごみ箱に移動しました</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln file(s) (%1) moved to the Trash</source>
        <comment>%1: their size</comment>
        <translation>
            <numerusform>%Ln 個のファイル（%1）をゴミ箱に移動しました</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source> · %Ln in use, skipped</source>
        <comment>follows the files moved; the number of files left alone</comment>
        <translation>
            <numerusform> · %Ln 個は使用中のためスキップしました</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source> · %Ln could not be moved to the Recycle Bin</source>
        <comment>follows the files moved</comment>
        <translation>
            <numerusform> · %Ln 個はごみ箱に移動できませんでした</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source> · %Ln could not be moved to the Trash</source>
        <comment>follows the files moved</comment>
        <translation>
            <numerusform> · %Ln 個はゴミ箱に移動できませんでした</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Restored %n item(s) from the Recycle Bin</source>
        <extracomment>Result line after restoring a cleanup; may be followed by the size in brackets</extracomment>
        <translation>
            <numerusform>ごみ箱から %n 個の項目を復元しました</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Restored %n item(s) from the Trash</source>
        <extracomment>Result line after restoring a cleanup; may be followed by the size in brackets</extracomment>
        <translation>
            <numerusform>ゴミ箱から %n 個の項目を復元しました</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln not restored: %1</source>
        <comment>%1: why, e.g. no longer in the bin</comment>
        <translation>
            <numerusform>%Ln 個は復元されませんでした：%1</numerusform>
        </translation>
    </message>
    <message>
        <source>found through the Recycle Bin&apos;s own records (an older log)</source>
        <translation>ごみ箱自体の記録から見つけました（古い形式のログ）</translation>
    </message>
    <message>
        <source>found through the Trash&apos;s own records (an older log)</source>
        <translation>ゴミ箱自体の記録から見つけました（古い形式のログ）</translation>
    </message>
</context>
<context>
    <name>Categories</name>
    <message>
        <source>Scratch files that apps and the system create while working. They are not needed once the app closes.</source>
        <translation>アプリやシステムが動作中に作成する一時ファイルです。アプリを閉じた後は不要です。</translation>
    </message>
    <message>
        <source>Data apps keep to load faster. Apps rebuild these automatically the next time they need them.</source>
        <translation>アプリが読み込みを速くするために保存しているデータです。次に必要になったときにアプリが自動的に再作成します。</translation>
    </message>
    <message>
        <source>Cached images, scripts and pages. Sign-ins, history, bookmarks and passwords are never touched.</source>
        <translation>キャッシュされた画像、スクリプト、ページです。ログイン情報、履歴、ブックマーク、パスワードには一切触れません。</translation>
    </message>
    <message>
        <source>Diagnostic logs and crash reports. Useful only when troubleshooting a recent problem.</source>
        <translation>診断ログとクラッシュレポートです。最近の問題を調べるときにのみ役立ちます。</translation>
    </message>
    <message>
        <source>Preview images of your files. They are regenerated the next time you open a folder.</source>
        <translation>ファイルのプレビュー画像です。次にフォルダーを開いたときに再生成されます。</translation>
    </message>
    <message>
        <source>Package manager caches and build output. Removing them is safe, but the next build or install will be slower.</source>
        <translation>パッケージマネージャーのキャッシュとビルド出力です。削除しても安全ですが、次回のビルドやインストールは遅くなります。</translation>
    </message>
    <message>
        <source>All drives</source>
        <extracomment>Where a category looks: every drive, not one folder</extracomment>
        <translation>すべてのドライブ</translation>
    </message>
    <message>
        <source>Items you have already deleted. Emptying cannot be undone.</source>
        <translation>削除済みの項目です。空にすると元に戻せません。</translation>
    </message>
    <message>
        <source>Temporary files</source>
        <extracomment>Name of a cleanup category</extracomment>
        <translation>一時ファイル</translation>
    </message>
    <message>
        <source>App caches</source>
        <extracomment>Name of a cleanup category</extracomment>
        <translation>アプリのキャッシュ</translation>
    </message>
    <message>
        <source>Cache folders in %LOCALAPPDATA% and %APPDATA%</source>
        <extracomment>Description of a category; %LOCALAPPDATA% and %APPDATA% are Windows folder names, keep them</extracomment>
        <translation>%LOCALAPPDATA% と %APPDATA% 内のキャッシュフォルダー</translation>
    </message>
    <message>
        <source>DirectX shader cache</source>
        <extracomment>Item of the app caches; DirectX is the name of a program</extracomment>
        <translation>DirectX シェーダーキャッシュ</translation>
    </message>
    <message>
        <source>Browser caches</source>
        <extracomment>Name of a cleanup category</extracomment>
        <translation>ブラウザーのキャッシュ</translation>
    </message>
    <message>
        <source>Internet cache</source>
        <extracomment>Item of the browser caches</extracomment>
        <translation>インターネットキャッシュ</translation>
    </message>
    <message>
        <source>Logs &amp; crash reports</source>
        <translation>ログとクラッシュレポート</translation>
    </message>
    <message>
        <source>Thumbnail cache</source>
        <extracomment>Name of a cleanup category: small preview pictures of files</extracomment>
        <translation>サムネイルキャッシュ</translation>
    </message>
    <message>
        <source>Windows Update leftovers</source>
        <extracomment>Name of a cleanup category</extracomment>
        <translation>Windows Update の残りファイル</translation>
    </message>
    <message>
        <source>Files left behind after Windows updates are installed. Safe once the update is complete; Windows downloads them again if it needs them.</source>
        <translation>Windows Update のインストール後に残ったファイルです。更新が完了していれば安全に削除でき、必要な場合は Windows が再ダウンロードします。</translation>
    </message>
    <message>
        <source>Windows Update downloads</source>
        <extracomment>Item of the Windows Update leftovers</extracomment>
        <translation>Windows Update のダウンロード</translation>
    </message>
    <message>
        <source>Delivery Optimization cache</source>
        <extracomment>Item of the Windows Update leftovers; Delivery Optimization is a Windows service</extracomment>
        <translation>配信の最適化キャッシュ</translation>
    </message>
    <message>
        <source>Developer caches</source>
        <extracomment>Name of a cleanup category: caches of programming tools</extracomment>
        <translation>開発者キャッシュ</translation>
    </message>
    <message>
        <source>Recycle Bin</source>
        <extracomment>Name of the cleanup category that empties the Recycle Bin</extracomment>
        <translation>ごみ箱</translation>
    </message>
    <message>
        <source>Package cache</source>
        <extracomment>Name of a cleanup category: downloaded software packages</extracomment>
        <translation>パッケージキャッシュ</translation>
    </message>
    <message>
        <source>Packages the package manager keeps after installing them. Safe to remove; they are downloaded again if they are needed.</source>
        <translation>パッケージマネージャーがインストール後も保持しているパッケージです。安全に削除でき、必要になれば再ダウンロードされます。</translation>
    </message>
    <message>
        <source>DNF package cache</source>
        <extracomment>Item of the package cache; DNF is the name of a program</extracomment>
        <translation>DNF パッケージキャッシュ</translation>
    </message>
    <message>
        <source>Trash</source>
        <extracomment>Name of the cleanup category that empties the Trash</extracomment>
        <translation>ゴミ箱</translation>
    </message>
    <message>
        <source>Safe</source>
        <extracomment>Risk level of a category: cleaning it loses nothing the user needs</extracomment>
        <translation>安全</translation>
    </message>
    <message>
        <source>Review</source>
        <extracomment>Risk level of a category: look at it before cleaning (an adjective, not a command)</extracomment>
        <translation>要確認</translation>
    </message>
    <message>
        <source>Permanent</source>
        <extracomment>Risk level of a category: what goes cannot be restored</extracomment>
        <translation>完全削除</translation>
    </message>
    <message>
        <source>%1 was left out: it leads through a link to %2.</source>
        <extracomment>%1: a folder of the catalogue; %2: where its link leads</extracomment>
        <translation>%1 は対象外にしました。リンクを経由して %2 を指しています。</translation>
    </message>
    <message>
        <source>%1 was left out: it is the home folder or holds it.</source>
        <extracomment>%1: a folder of the catalogue</extracomment>
        <translation>%1 は対象外にしました。ホームフォルダーそのもの、またはホームフォルダーを含むフォルダーです。</translation>
    </message>
    <message>
        <source>%1 was left out: it lies in a protected location.</source>
        <extracomment>%1: a folder of the catalogue</extracomment>
        <translation>%1 は対象外にしました。保護された場所にあります。</translation>
    </message>
    <message>
        <source>%1 was left out: it overlaps %2.</source>
        <extracomment>%1: a folder of the catalogue; %2: the category it overlaps</extracomment>
        <translation>%1 は対象外にしました。%2 と重なっています。</translation>
    </message>
    <message>
        <source>App logs, crash reports</source>
        <translation>アプリのログ、クラッシュレポート</translation>
    </message>
    <message>
        <source>Cache folders in ~/.config, ~/.cache and Flatpak and Snap apps</source>
        <translation>~/.config、~/.cache、Flatpak・Snap アプリ内のキャッシュフォルダー</translation>
    </message>
    <message>
        <source>%1 (PID %2)</source>
        <extracomment>%1: a program&apos;s name; %2: its process number</extracomment>
        <translation>%1（PID %2）</translation>
    </message>
    <message>
        <source>%1 is left out: its name is not valid text.</source>
        <extracomment>%1: a folder</extracomment>
        <translation>%1 は対象外にします。名前が有効なテキストではありません。</translation>
    </message>
    <message>
        <source>npm cache</source>
        <extracomment>Item of the developer caches; npm is the name of a program</extracomment>
        <translation>npm キャッシュ</translation>
    </message>
    <message>
        <source>Yarn cache</source>
        <extracomment>Item of the developer caches; Yarn is the name of a program</extracomment>
        <translation>Yarn キャッシュ</translation>
    </message>
    <message>
        <source>pip cache</source>
        <extracomment>Item of the developer caches; pip is the name of a program</extracomment>
        <translation>pip キャッシュ</translation>
    </message>
    <message>
        <source>NuGet HTTP cache</source>
        <extracomment>Item of the developer caches; NuGet is the name of a program</extracomment>
        <translation>NuGet HTTP キャッシュ</translation>
    </message>
    <message>
        <source>Go build cache</source>
        <extracomment>Item of the developer caches; Go is a programming language</extracomment>
        <translation>Go ビルドキャッシュ</translation>
    </message>
    <message>
        <source>Gradle caches</source>
        <extracomment>Item of the developer caches; Gradle is the name of a program</extracomment>
        <translation>Gradle キャッシュ</translation>
    </message>
    <message>
        <source>Cargo registry cache</source>
        <extracomment>Item of the developer caches; Cargo is the name of a program</extracomment>
        <translation>Cargo レジストリキャッシュ</translation>
    </message>
    <message>
        <source>%1 is left out: another program is working in it.</source>
        <comment>%1: a folder</comment>
        <translation>%1 は対象外にします。別のプログラムがこのフォルダーで作業中です。</translation>
    </message>
    <message>
        <source>%1 is left out: in use by %2.</source>
        <comment>%1: a folder; %2: the programs using it</comment>
        <translation>%1 は対象外にします。%2 が使用中です。</translation>
    </message>
    <message>
        <source>Recycle Bin (all drives)</source>
        <translation>ごみ箱（すべてのドライブ）</translation>
    </message>
    <message>
        <source>Trash (all drives)</source>
        <extracomment>The one item of the Trash category: the Trash of every drive</extracomment>
        <translation>ゴミ箱（すべてのドライブ）</translation>
    </message>
</context>
<context>
    <name>Cleaner</name>
    <message>
        <source>delete permanently</source>
        <extracomment>Mode line of the cleanup log: the files are removed for good</extracomment>
        <translation>完全に削除</translation>
    </message>
</context>
<context>
    <name>CleanupPage</name>
    <message>
        <source>SAFE TO CLEAN</source>
        <extracomment>Heading over the categories of the Safe risk level</extracomment>
        <translation>安全にクリーンアップ可能</translation>
    </message>
    <message>
        <source>REVIEW BEFORE CLEANING</source>
        <extracomment>Heading over the categories of the Review risk level</extracomment>
        <translation>クリーンアップ前に確認</translation>
    </message>
    <message>
        <source>CANNOT BE UNDONE</source>
        <extracomment>Heading over the categories of the Permanent risk level</extracomment>
        <translation>元に戻せません</translation>
    </message>
    <message>
        <source>Cleanup</source>
        <extracomment>Title of the Cleanup page</extracomment>
        <translation>クリーンアップ</translation>
    </message>
    <message>
        <source>Nothing scanned yet</source>
        <extracomment>Heading of the Cleanup page before the first scan</extracomment>
        <translation>まだスキャンしていません</translation>
    </message>
    <message>
        <source>Find caches, temporary files and leftovers.</source>
        <translation>キャッシュ、一時ファイル、残りファイルを見つけます。</translation>
    </message>
    <message>
        <source>Start Smart Scan</source>
        <extracomment>Button; Smart Scan is the scan of every cleanup category</extracomment>
        <translation>スマートスキャンを開始</translation>
    </message>
    <message>
        <source>Scanning</source>
        <extracomment>Heading of the Cleanup page while the scan runs</extracomment>
        <translation>スキャン中</translation>
    </message>
    <message>
        <source>In progress</source>
        <extracomment>Eyebrow over the heading while a scan or cleanup runs</extracomment>
        <translation>実行中</translation>
    </message>
    <message>
        <source>Stop</source>
        <extracomment>Button that stops the running scan</extracomment>
        <translation>停止</translation>
    </message>
    <message>
        <source>Items checked</source>
        <extracomment>Caption under the number of files looked at so far</extracomment>
        <translation>スキャンした項目</translation>
    </message>
    <message>
        <source>Elapsed</source>
        <extracomment>Caption under the time a scan has run so far</extracomment>
        <translation>経過時間</translation>
    </message>
    <message>
        <source>Remaining</source>
        <extracomment>Caption under the estimated time a scan still needs</extracomment>
        <translation>残り時間</translation>
    </message>
    <message>
        <source>found</source>
        <extracomment>Caption under the size found so far, inside the scan&apos;s radar</extracomment>
        <translation>検出</translation>
    </message>
    <message>
        <source>Cleaning</source>
        <extracomment>Heading of the Cleanup page while the cleanup runs</extracomment>
        <translation>クリーンアップ中</translation>
    </message>
    <message>
        <source>of %1</source>
        <extracomment>Under the size cleaned so far, inside the progress ring; %1: the total size</extracomment>
        <translation>%1 中</translation>
    </message>
    <message>
        <source>Cleanup complete</source>
        <extracomment>Heading once a cleanup ended</extracomment>
        <translation>クリーンアップ完了</translation>
    </message>
    <message>
        <source>Available before</source>
        <extracomment>Caption: free disk space before the cleanup</extracomment>
        <translation>クリーンアップ前の空き容量</translation>
    </message>
    <message>
        <source>Available now</source>
        <extracomment>Caption: free disk space after the cleanup</extracomment>
        <translation>現在の空き容量</translation>
    </message>
    <message>
        <source>&lt;b&gt;Some files need administrator rights.&lt;/b&gt; Restart Varnholt as administrator and clean again to remove them.</source>
        <translation>&lt;b&gt;一部のファイルには管理者権限が必要です。&lt;/b&gt;Varnholt を管理者として再起動し、もう一度クリーンアップすると削除できます。</translation>
    </message>
    <message>
        <source>Restart as admin</source>
        <extracomment>Button: restart Varnholt with administrator rights</extracomment>
        <translation>管理者として再起動</translation>
    </message>
    <message>
        <source>View log</source>
        <extracomment>Button: open the cleanup&apos;s log file</extracomment>
        <translation>ログを表示</translation>
    </message>
    <message>
        <source>Done</source>
        <extracomment>Button that closes the cleanup&apos;s result</extracomment>
        <translation>完了</translation>
    </message>
    <message>
        <source>Items were deleted permanently.</source>
        <translation>項目は完全に削除されました。</translation>
    </message>
    <message>
        <source>For example: %1</source>
        <extracomment>%1: a file&apos;s path</extracomment>
        <translation>例：%1</translation>
    </message>
    <message>
        <source>&lt;b&gt;Left caches of running apps alone:&lt;/b&gt; %1. Quit them and clean again to include them.</source>
        <extracomment>%1: a list of app names</extracomment>
        <translation>&lt;b&gt;実行中のアプリのキャッシュは削除しませんでした：&lt;/b&gt;%1。これらのアプリを終了してもう一度クリーンアップすると、対象に含まれます。</translation>
    </message>
    <message>
        <source>Needs administrator</source>
        <extracomment>In place of a category&apos;s item count: it could only be read with administrator rights</extracomment>
        <translation>管理者権限が必要</translation>
    </message>
    <message>
        <source>Select recommended</source>
        <extracomment>Button in the results&apos; header: check the safe categories</extracomment>
        <translation>推奨項目を選択</translation>
    </message>
    <message>
        <source>Rescan</source>
        <extracomment>Button in the results&apos; header: scan again</extracomment>
        <translation>再スキャン</translation>
    </message>
    <message>
        <source>Select all</source>
        <extracomment>Check box: check every category (or every item of one)</extracomment>
        <translation>すべて選択</translation>
    </message>
    <message>
        <source>%1 can be cleaned</source>
        <extracomment>%1: a size, written in larger type</extracomment>
        <translation>%1 をクリーンアップできます</translation>
    </message>
    <message>
        <source>Nothing left to clean. Rescan any time.</source>
        <translation>クリーンアップする項目はありません。いつでも再スキャンできます。</translation>
    </message>
    <message>
        <source>These files need administrator rights.</source>
        <translation>これらのファイルには管理者権限が必要です。</translation>
    </message>
    <message>
        <source>Some folders need administrator rights.</source>
        <translation>一部のフォルダーには管理者権限が必要です。</translation>
    </message>
    <message>
        <source>%1 is open. Quit it to include its cache.</source>
        <extracomment>%1: an app&apos;s name</extracomment>
        <translation>%1 が実行中です。終了すると、そのキャッシュも対象に含まれます。</translation>
    </message>
    <message>
        <source>%1 are open. Quit them to include their caches.</source>
        <extracomment>%1: a list of app names</extracomment>
        <translation>%1 が実行中です。これらを終了すると、キャッシュも対象に含まれます。</translation>
    </message>
    <message>
        <source>Largest items</source>
        <extracomment>Heading over the biggest items of an opened category</extracomment>
        <translation>サイズの大きい項目</translation>
    </message>
    <message>
        <source>%1 is running</source>
        <extracomment>Beside an item; %1: the app using it</extracomment>
        <translation>%1 が実行中</translation>
    </message>
    <message>
        <source>Show %1 more</source>
        <extracomment>Link below a category&apos;s items; %1: how many more are shown</extracomment>
        <translation>さらに %1 件を表示</translation>
    </message>
    <message>
        <source>deleted permanently</source>
        <extracomment>Tooltip of the Clean button: what happens to the selection</extracomment>
        <translation>完全に削除されます</translation>
    </message>
    <message>
        <source>Clean %1</source>
        <extracomment>The footer&apos;s main button; %1: the selected size</extracomment>
        <translation>%1 をクリーンアップ</translation>
    </message>
    <message>
        <source>Large files</source>
        <extracomment>Caption: how many large files were found</extracomment>
        <translation>大きなファイル</translation>
    </message>
    <message numerus="yes">
        <source>and %Ln more item(s)</source>
        <extracomment>Below the items shown of a category</extracomment>
        <translation>
            <numerusform>ほか %Ln 件</numerusform>
        </translation>
    </message>
    <message>
        <source>Check again</source>
        <extracomment>Button beside a note: read the settings file again</extracomment>
        <translation>再確認</translation>
    </message>
    <message>
        <source>Partly cleaned</source>
        <extracomment>Heading once a cleanup left part of the selection</extracomment>
        <translation>一部のみクリーンアップ</translation>
    </message>
    <message>
        <source>Nothing was cleaned</source>
        <extracomment>Heading once a cleanup removed nothing</extracomment>
        <translation>何もクリーンアップされませんでした</translation>
    </message>
    <message>
        <source>None of the %1 selected could be cleaned.</source>
        <extracomment>%1: a size</extracomment>
        <translation>選択した %1 はどれもクリーンアップできませんでした。</translation>
    </message>
    <message>
        <source>No app could open %1</source>
        <extracomment>%1: a file or folder</extracomment>
        <translation>%1 を開けるアプリがありません</translation>
    </message>
    <message>
        <source>Scan again to see what can be cleaned.</source>
        <translation>もう一度スキャンすると、クリーンアップできる項目が表示されます。</translation>
    </message>
    <message>
        <source>Measuring…</source>
        <extracomment>In place of a category&apos;s item count while its size is measured</extracomment>
        <translation>計測中…</translation>
    </message>
    <message>
        <source>%1 of it needs administrator rights.</source>
        <extracomment>%1: a size</extracomment>
        <translation>そのうち %1 には管理者権限が必要です。</translation>
    </message>
    <message>
        <source>freed</source>
        <comment>what the figure of a finished cleanup is</comment>
        <translation>解放済み</translation>
    </message>
    <message>
        <source>of %1 selected · %2</source>
        <extracomment>Under the cleaned size; %1: the selected size; %2: what became of it, e.g. &quot;freed&quot;</extracomment>
        <translation>選択した %1 中 · %2</translation>
    </message>
    <message>
        <source>Restore all</source>
        <extracomment>Button: put back everything the cleanup moved to the bin</extracomment>
        <translation>すべて復元</translation>
    </message>
    <message>
        <source>Restoring…</source>
        <extracomment>The Restore all button while the files go back</extracomment>
        <translation>復元しています…</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <comment>two programs that hold files</comment>
        <translation>%1 と %2</translation>
    </message>
    <message numerus="yes">
        <source>%1 and %n other program(s)</source>
        <comment>programs that hold files</comment>
        <translation>
            <numerusform>%1 ほか %n 個のプログラム</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n file(s) are in use by %1.</source>
        <comment>%1: one or more programs</comment>
        <translation>
            <numerusform>%n 個のファイルが %1 で使用中です。</numerusform>
        </translation>
    </message>
    <message>
        <source>Try again</source>
        <extracomment>Button: clean again what was skipped</extracomment>
        <translation>再試行</translation>
    </message>
    <message>
        <source>Clean the skipped files again, the same way</source>
        <translation>スキップしたファイルを同じ方法でもう一度クリーンアップします</translation>
    </message>
    <message numerus="yes">
        <source>&lt;b&gt;%Ln item(s) kept&lt;/b&gt; because something in them changed since the scan. Scan again to see what can go.</source>
        <translation>
            <numerusform>スキャン後に内容が変更されたため、&lt;b&gt;%Ln 個の項目を残しました&lt;/b&gt;。もう一度スキャンして、削除できるものを確認してください。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>&lt;b&gt;%Ln file(s) skipped&lt;/b&gt; because they were in use or protected. Quit the apps using them and rescan to remove them.</source>
        <translation>
            <numerusform>使用中または保護されていたため、&lt;b&gt;%Ln 個のファイルをスキップしました&lt;/b&gt;。使用しているアプリを終了し、再スキャンしてから削除してください。</numerusform>
        </translation>
    </message>
    <message>
        <source>This cleanup wrote no log; its folder is open instead.</source>
        <translation>このクリーンアップではログが書き込まれなかったため、代わりにログのフォルダーを開きました。</translation>
    </message>
    <message>
        <source>Varnholt did not restart: administrator rights were refused or could not be asked for.</source>
        <translation>Varnholt は再起動しませんでした。管理者権限が拒否されたか、要求できませんでした。</translation>
    </message>
    <message>
        <source>Put everything this cleanup moved to the Recycle Bin back where it was</source>
        <translation>このクリーンアップでごみ箱に移動したものをすべて元の場所に戻します</translation>
    </message>
    <message>
        <source>Put everything this cleanup moved to the Trash back where it was</source>
        <translation>このクリーンアップでゴミ箱に移動したものをすべて元の場所に戻します</translation>
    </message>
    <message>
        <source>freed or moved to the Recycle Bin</source>
        <comment>what the figure of a finished cleanup is</comment>
        <translation>解放済み、またはごみ箱に移動済み</translation>
    </message>
    <message>
        <source>freed or moved to the Trash</source>
        <comment>what the figure of a finished cleanup is</comment>
        <translation>解放済み、またはゴミ箱に移動済み</translation>
    </message>
    <message>
        <source>moved to the Recycle Bin</source>
        <comment>what the figure of a finished cleanup is</comment>
        <translation>ごみ箱に移動済み</translation>
    </message>
    <message>
        <source>moved to the Trash</source>
        <comment>what the figure of a finished cleanup is</comment>
        <translation>ゴミ箱に移動済み</translation>
    </message>
    <message numerus="yes">
        <source>&lt;b&gt;%Ln item(s) could not be moved to the Recycle Bin&lt;/b&gt; and were left where they are.</source>
        <translation>
            <numerusform>&lt;b&gt;%Ln 個の項目をごみ箱に移動できませんでした&lt;/b&gt;。これらは元の場所に残っています。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>&lt;b&gt;%Ln item(s) could not be moved to the Trash&lt;/b&gt; and were left where they are.</source>
        <translation>
            <numerusform>&lt;b&gt;%Ln 個の項目をゴミ箱に移動できませんでした&lt;/b&gt;。これらは元の場所に残っています。</numerusform>
        </translation>
    </message>
    <message>
        <source>Some items were moved to the Recycle Bin and the rest deleted permanently. You can still restore what was moved.</source>
        <translation>一部の項目をごみ箱に移動し、残りは完全に削除しました。移動した項目は今でも復元できます。</translation>
    </message>
    <message>
        <source>Some items were moved to the Trash and the rest deleted permanently. You can still restore what was moved.</source>
        <translation>一部の項目をゴミ箱に移動し、残りは完全に削除しました。移動した項目は今でも復元できます。</translation>
    </message>
    <message>
        <source>Moved to the Recycle Bin. You can still restore anything.</source>
        <translation>ごみ箱に移動しました。どの項目も今でも復元できます。</translation>
    </message>
    <message>
        <source>Moved to the Trash. You can still restore anything.</source>
        <translation>ゴミ箱に移動しました。どの項目も今でも復元できます。</translation>
    </message>
    <message>
        <source>The log %1 is gone; its folder is open instead.</source>
        <comment>%1: a path</comment>
        <translation>ログ %1 が見つからないため、代わりにそのフォルダーを開きました。</translation>
    </message>
    <message>
        <source>The File Explorer could not show %1</source>
        <comment>%1: a path</comment>
        <translation>エクスプローラーで %1 を表示できませんでした</translation>
    </message>
    <message>
        <source>The File Manager could not show %1</source>
        <comment>%1: a path</comment>
        <translation>ファイルマネージャーで %1 を表示できませんでした</translation>
    </message>
    <message numerus="yes">
        <source>%Ln item(s)</source>
        <comment>on a category&apos;s card</comment>
        <translation>
            <numerusform>%Ln 件</numerusform>
        </translation>
    </message>
    <message>
        <source>Show in File Explorer</source>
        <extracomment>Link beside a category&apos;s largest items; opens File Explorer there</extracomment>
        <translation>エクスプローラーで表示</translation>
    </message>
    <message>
        <source>Show in File Manager</source>
        <extracomment>Link beside a category&apos;s largest items; opens the file manager there</extracomment>
        <translation>ファイルマネージャーで表示</translation>
    </message>
    <message>
        <source>No Recycle Bin on this drive</source>
        <translation>このドライブにはごみ箱がありません</translation>
    </message>
    <message>
        <source>No Trash on this drive</source>
        <translation>このドライブにはゴミ箱がありません</translation>
    </message>
    <message>
        <source>Cannot go to the Recycle Bin</source>
        <translation>ごみ箱に移動できません</translation>
    </message>
    <message>
        <source>Cannot go to the Trash</source>
        <translation>ゴミ箱に移動できません</translation>
    </message>
    <message>
        <source>moved to the Recycle Bin</source>
        <extracomment>Tooltip of the Clean button: where the selection goes</extracomment>
        <translation>ごみ箱に移動されます</translation>
    </message>
    <message>
        <source>moved to the Trash</source>
        <extracomment>Tooltip of the Clean button: where the selection goes</extracomment>
        <translation>ゴミ箱に移動されます</translation>
    </message>
    <message>
        <source>&lt;b style=&apos;color:%1&apos;&gt;%2&lt;/b&gt; selected · some need admin</source>
        <comment>%1: style, keep as is; %2: a size</comment>
        <translation>&lt;b style=&apos;color:%1&apos;&gt;%2&lt;/b&gt; を選択中 · 一部に管理者権限が必要</translation>
    </message>
    <message>
        <source>&lt;b style=&apos;color:%1&apos;&gt;%2&lt;/b&gt; selected</source>
        <comment>%1: style, keep as is; %2: a size</comment>
        <translation>&lt;b style=&apos;color:%1&apos;&gt;%2&lt;/b&gt; を選択中</translation>
    </message>
    <message>
        <source>Your settings in %1 cannot be read, so your exclusions and your choice between the Recycle Bin and deleting are unknown. Cleaning stays off until the file can be read again.</source>
        <comment>%1: the settings file</comment>
        <translation>%1 の設定を読み取れないため、除外の指定と、ごみ箱に移動するか削除するかの選択が不明です。ファイルを再び読み取れるようになるまで、クリーンアップは無効のままです。</translation>
    </message>
    <message>
        <source>Your settings in %1 cannot be read, so your exclusions and your choice between the Trash and deleting are unknown. Cleaning stays off until the file can be read again.</source>
        <comment>%1: the settings file</comment>
        <translation>%1 の設定を読み取れないため、除外の指定と、ゴミ箱に移動するか削除するかの選択が不明です。ファイルを再び読み取れるようになるまで、クリーンアップは無効のままです。</translation>
    </message>
    <message numerus="yes">
        <source>&lt;b&gt;%Ln file(s) skipped&lt;/b&gt;. The log says why for each one.</source>
        <translation>
            <numerusform>&lt;b&gt;%Ln 個のファイルをスキップしました&lt;/b&gt;。それぞれの理由はログに記録されています。</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Cli</name>
    <message>
        <source>Cannot read the catalogue file %1: %2</source>
        <extracomment>%1: a file&apos;s path; %2: the system&apos;s reason</extracomment>
        <translation>カタログファイル %1 を読み取れません：%2</translation>
    </message>
    <message>
        <source>The catalogue file %1 is not valid JSON: %2</source>
        <extracomment>%1: a file&apos;s path; %2: what the JSON reader says</extracomment>
        <translation>カタログファイル %1 は有効な JSON ではありません：%2</translation>
    </message>
    <message>
        <source>The catalogue file %1 is not usable: %2</source>
        <extracomment>%1: a file&apos;s path; %2: one of the reasons below</extracomment>
        <translation>カタログファイル %1 は使用できません：%2</translation>
    </message>
    <message>
        <source>a category has no id</source>
        <translation>id のないカテゴリがあります</translation>
    </message>
    <message>
        <source>the id &quot;%1&quot; appears twice</source>
        <extracomment>%1: a category id</extracomment>
        <translation>id「%1」が重複しています</translation>
    </message>
    <message>
        <source>the risk of &quot;%1&quot; is not Safe, Review or Permanent</source>
        <extracomment>%1: a category id; Safe, Review and Permanent are keys of the file, keep them</extracomment>
        <translation>「%1」のリスクが Safe、Review、Permanent のいずれでもありません</translation>
    </message>
    <message>
        <source>a root of &quot;%1&quot; is not an absolute path</source>
        <extracomment>%1: a category id</extracomment>
        <translation>「%1」のルートに絶対パスでないものがあります</translation>
    </message>
    <message>
        <source>it lists no categories</source>
        <translation>カテゴリが 1 つも記載されていません</translation>
    </message>
    <message>
        <source>Interrupted.</source>
        <extracomment>Printed when Ctrl+C stopped the command</extracomment>
        <translation>中断しました。</translation>
    </message>
    <message>
        <source>Category</source>
        <extracomment>Column heading of the scan table</extracomment>
        <translation>カテゴリ</translation>
    </message>
    <message>
        <source>Risk</source>
        <extracomment>Column heading of the scan table: Safe, Review or Permanent</extracomment>
        <translation>リスク</translation>
    </message>
    <message>
        <source>Size</source>
        <extracomment>Column heading</extracomment>
        <translation>サイズ</translation>
    </message>
    <message>
        <source>Files</source>
        <extracomment>Column heading: a number of files</extracomment>
        <translation>ファイル数</translation>
    </message>
    <message>
        <source>Items</source>
        <extracomment>Column heading: a number of items (folders or files)</extracomment>
        <translation>項目数</translation>
    </message>
    <message>
        <source>(%1 is running)</source>
        <extracomment>After an item of the scan table; %1: an app&apos;s name</extracomment>
        <translation>（%1 が実行中）</translation>
    </message>
    <message>
        <source>… %1 more (--json lists all)</source>
        <extracomment>%1: a number of items not printed</extracomment>
        <translation>… ほか %1 件（--json ですべて表示）</translation>
    </message>
    <message>
        <source>Some folders of %1 could not be read.</source>
        <extracomment>%1: a category</extracomment>
        <translation>「%1」の一部のフォルダーを読み取れませんでした。</translation>
    </message>
    <message>
        <source>Keeping %1 as a whole: %2 lies inside it.</source>
        <extracomment>%1: a folder; %2: the file or folder that keeps it</extracomment>
        <translation>%1 全体を残します：%2 はその中にあります。</translation>
    </message>
    <message>
        <source>Cleaned: %1</source>
        <extracomment>%1: a list of categories</extracomment>
        <translation>クリーンアップ済み：%1</translation>
    </message>
    <message>
        <source>Left alone because they are running: %1</source>
        <extracomment>%1: a list of app names</extracomment>
        <translation>実行中のためキャッシュを残したアプリ：%1</translation>
    </message>
    <message>
        <source>Some items need administrator rights.</source>
        <translation>一部の項目には管理者権限が必要です。</translation>
    </message>
    <message>
        <source>Log: %1</source>
        <extracomment>%1: the path of the log file</extracomment>
        <translation>ログ：%1</translation>
    </message>
    <message>
        <source>The scan did not complete.</source>
        <translation>スキャンが完了しませんでした。</translation>
    </message>
    <message>
        <source>The scan did not complete; nothing was cleaned.</source>
        <translation>スキャンが完了しなかったため、何もクリーンアップしていません。</translation>
    </message>
    <message>
        <source>Nothing to clean in the categories given.</source>
        <translation>指定されたカテゴリにクリーンアップする項目はありません。</translation>
    </message>
    <message>
        <source>Cleaning %1 of %2 · %3</source>
        <extracomment>Progress line; %1: the size cleaned; %2: the total; %3: the category</extracomment>
        <translation>クリーンアップ中 %1 / %2 · %3</translation>
    </message>
    <message>
        <source>The search for large files did not complete.</source>
        <translation>大きなファイルの検索が完了しませんでした。</translation>
    </message>
    <message>
        <source>Kind</source>
        <extracomment>Column heading of the large-file table: Video, Archive, …</extracomment>
        <translation>種類</translation>
    </message>
    <message>
        <source>Last used</source>
        <extracomment>Column heading of the large-file table: a date</extracomment>
        <translation>最終使用日</translation>
    </message>
    <message>
        <source>Path</source>
        <extracomment>Column heading</extracomment>
        <translation>パス</translation>
    </message>
    <message numerus="yes">
        <source>%n large file(s)</source>
        <extracomment>Below the large-file table</extracomment>
        <translation>
            <numerusform>%n 個の大きなファイル</numerusform>
        </translation>
    </message>
    <message>
        <source>Cannot read %1.</source>
        <extracomment>%1: a file&apos;s path</extracomment>
        <translation>%1 を読み取れません。</translation>
    </message>
    <message>
        <source>Newest</source>
        <extracomment>Column heading of the history table: the latest record</extracomment>
        <translation>最終更新</translation>
    </message>
    <message>
        <source>Time</source>
        <extracomment>Column heading of the timing table</extracomment>
        <translation>所要時間</translation>
    </message>
    <message>
        <source>%1 ms</source>
        <extracomment>%1: a number of milliseconds</extracomment>
        <translation>%1 ミリ秒</translation>
    </message>
    <message>
        <source>Run &quot;varnholt-cli --help&quot; for the usage.</source>
        <translation>使い方は「varnholt-cli --help」で確認できます。</translation>
    </message>
    <message>
        <source>No command given.</source>
        <extracomment>Error when varnholt-cli ran without a command</extracomment>
        <translation>コマンドが指定されていません。</translation>
    </message>
    <message>
        <source>--help takes nothing else.</source>
        <translation>--help にはほかの引数を指定できません。</translation>
    </message>
    <message>
        <source>--version takes nothing else.</source>
        <translation>--version にはほかの引数を指定できません。</translation>
    </message>
    <message>
        <source>Unexpected argument &quot;%1&quot; for %2.</source>
        <extracomment>%1: what was typed; %2: the command</extracomment>
        <translation>%2 コマンドでは引数「%1」を使用できません。</translation>
    </message>
    <message>
        <source>measure takes exactly one PATH.</source>
        <translation>measure に指定できる PATH は 1 つだけです。</translation>
    </message>
    <message>
        <source>none</source>
        <extracomment>Stands for an empty list of options</extracomment>
        <translation>なし</translation>
    </message>
    <message>
        <source>Unknown option &quot;%1&quot; for %2. Options of %2: %3.</source>
        <extracomment>%1: what was typed; %2: the command; %3: its options</extracomment>
        <translation>%2 コマンドに不明なオプション「%1」が指定されました。%2 のオプション：%3。</translation>
    </message>
    <message>
        <source>%1 needs a value.</source>
        <extracomment>%1: an option, e.g. --threshold-mb</extracomment>
        <translation>%1 には値が必要です。</translation>
    </message>
    <message>
        <source>%1 takes no value.</source>
        <extracomment>%1: an option, e.g. --json</extracomment>
        <translation>%1 には値を指定できません。</translation>
    </message>
    <message>
        <source>--skip-item needs a path.</source>
        <translation>--skip-item にはパスが必要です。</translation>
    </message>
    <message>
        <source>Choose either --delete or --trash, not both.</source>
        <translation>--delete と --trash はどちらか一方だけを指定してください。</translation>
    </message>
    <message>
        <source>--threshold-mb needs a positive number of megabytes (for example 500), not &quot;%1&quot;.</source>
        <extracomment>%1: what was typed</extracomment>
        <translation>--threshold-mb には「%1」ではなく、MB 単位の正の数（例：500）を指定してください。</translation>
    </message>
    <message>
        <source>measure needs a PATH.</source>
        <translation>measure には PATH が必要です。</translation>
    </message>
    <message>
        <source>clean needs at least one --category ID.</source>
        <translation>clean には --category ID を 1 つ以上指定してください。</translation>
    </message>
    <message>
        <source>clean removes files: add --yes to confirm.</source>
        <translation>clean はファイルを削除します。確認のため --yes を付けてください。</translation>
    </message>
    <message>
        <source>Unknown category %1. Categories: %2.</source>
        <extracomment>%1: what was typed; %2: the list of category ids</extracomment>
        <translation>%1 は不明なカテゴリです。使用できるカテゴリ：%2。</translation>
    </message>
    <message>
        <source>a flag of &quot;%1&quot; is not true or false</source>
        <extracomment>%1: a category id; true and false are words of the file, keep them</extracomment>
        <translation>「%1」のフラグが true でも false でもありません</translation>
    </message>
    <message>
        <source>the patterns of a root of &quot;%1&quot; are not a list of names</source>
        <extracomment>%1: a category id</extracomment>
        <translation>「%1」のルートのパターンが名前のリストではありません</translation>
    </message>
    <message>
        <source>the minAgeMs of a root of &quot;%1&quot; is not a whole number of milliseconds from 0 to 100 years</source>
        <extracomment>%1: a category id; minAgeMs is a key of the file, keep it</extracomment>
        <translation>「%1」のルートの minAgeMs が 0 から 100 年までの整数のミリ秒ではありません</translation>
    </message>
    <message>
        <source>Warning: cannot read the settings file %1; this run may not use your settings.</source>
        <extracomment>%1: a file&apos;s path</extracomment>
        <translation>警告：設定ファイル %1 を読み取れません。今回の実行ではお使いの設定が反映されない可能性があります。</translation>
    </message>
    <message>
        <source>Cannot read the settings file %1, so your exclusions and your choice between the trash and deleting are unknown. Nothing was cleaned: fix or remove that file first.</source>
        <extracomment>%1: a file&apos;s path</extracomment>
        <translation>設定ファイル %1 を読み取れないため、除外の指定と、ゴミ箱に移動するか削除するかの選択が不明です。何もクリーンアップしていません。先にこのファイルを修正するか削除してください。</translation>
    </message>
    <message>
        <source>Nothing was cleaned.</source>
        <extracomment>Printed when a cleanup removed nothing</extracomment>
        <translation>何もクリーンアップしていません。</translation>
    </message>
    <message>
        <source>Action</source>
        <extracomment>Column heading of the --dry-run table: what would happen to the path</extracomment>
        <translation>操作</translation>
    </message>
    <message>
        <source>Would stay:</source>
        <extracomment>Heading over the paths --dry-run would keep</extracomment>
        <translation>残る項目：</translation>
    </message>
    <message numerus="yes">
        <source>Preview only, nothing was removed: %n path(s) would go, %1.</source>
        <extracomment>&quot;would go&quot;: would be removed; %1: their size</extracomment>
        <translation>
            <numerusform>プレビューのみで、何も削除していません：%n 個のパス（%1）が対象です。</numerusform>
        </translation>
    </message>
    <message>
        <source>The disk is already full.</source>
        <translation>ディスクはすでにいっぱいです。</translation>
    </message>
    <message numerus="yes">
        <source>No forecast yet: the records of free space cover %n day(s); a forecast needs at least %1.</source>
        <extracomment>%1: a number of days</extracomment>
        <translation>
            <numerusform>まだ予測できません：空き容量の記録は %n 日分です。予測には少なくとも %1 日分必要です。</numerusform>
        </translation>
    </message>
    <message>
        <source>No forecast: free space is not falling.</source>
        <translation>予測なし：空き容量は減っていません。</translation>
    </message>
    <message>
        <source>No forecast: at this rate the disk is not full within a year.</source>
        <translation>予測なし：このペースでは 1 年以内にディスクがいっぱいになることはありません。</translation>
    </message>
    <message numerus="yes">
        <source>%n record(s) of free space since %1</source>
        <extracomment>%1: a date</extracomment>
        <translation>
            <numerusform>%1 以降の空き容量の記録：%n 件</numerusform>
        </translation>
    </message>
    <message>
        <source>restore takes at most one LOG.</source>
        <translation>restore に指定できる LOG は 1 つまでです。</translation>
    </message>
    <message>
        <source>put back what a cleanup moved to the trash (the latest one without LOG)</source>
        <translation>クリーンアップでゴミ箱に移動したものを元に戻す（LOG を省くと最新のもの）</translation>
    </message>
    <message>
        <source>estimate when the disk is full from its history of free space</source>
        <translation>空き容量の履歴から、ディスクがいっぱいになる時期を予測する</translation>
    </message>
    <message>
        <source>list what clean would remove or move, with sizes; removes nothing</source>
        <translation>clean が削除または移動するものをサイズ付きで表示（何も削除しない）</translation>
    </message>
    <message>
        <source>Unknown command &quot;%1&quot;. Commands: %2.</source>
        <extracomment>%1: what was typed; %2: the list of commands</extracomment>
        <translation>不明なコマンド「%1」です。使用できるコマンド：%2。</translation>
    </message>
    <message numerus="yes">
        <source>In use by %1 (PID %2): %n file(s)</source>
        <extracomment>%1: a program&apos;s name; %2: its process number</extracomment>
        <translation>
            <numerusform>%1（PID %2）が使用中：%n 個のファイル</numerusform>
        </translation>
    </message>
    <message>
        <source>Kept because something in them changed since the scan: %1</source>
        <extracomment>%1: a list of paths</extracomment>
        <translation>スキャン後に内容が変更されたため残した項目：%1</translation>
    </message>
    <message>
        <source>As root, the catalogue file %1 is used only when it and every folder above it belong to root and no one else may change them.</source>
        <extracomment>%1: a file&apos;s path</extracomment>
        <translation>root として実行する場合、カタログファイル %1 は、そのファイルと上位のすべてのフォルダーが root の所有で、ほかの誰も変更できないときにだけ使用されます。</translation>
    </message>
    <message>
        <source>As root, Varnholt works in root&apos;s own folders (%1) and ignores %2: another user can change where they lead.</source>
        <extracomment>%1: a list of folders; %2: the environment variables ignored</extracomment>
        <translation>root として実行する場合、Varnholt は root 自身のフォルダー（%1）で動作し、%2 は無視します。ほかのユーザーがその行き先を変更できるためです。</translation>
    </message>
    <message numerus="yes">
        <source>… and %n more</source>
        <extracomment>Below the skipped paths printed</extracomment>
        <translation>
            <numerusform>… ほか %n 件</numerusform>
        </translation>
    </message>
    <message>
        <source>Cannot read the settings file %1, so your exclusions and your choice between the Recycle Bin and deleting are unknown. Nothing was cleaned: fix or remove that file first.</source>
        <extracomment>%1: a file&apos;s path</extracomment>
        <translation>設定ファイル %1 を読み取れないため、除外の指定と、ごみ箱に移動するか削除するかの選択が不明です。何もクリーンアップしていません。先にこのファイルを修正するか削除してください。</translation>
    </message>
    <message numerus="yes">
        <source>No forecast yet: the free space has been recorded %n time(s) (the Varnholt app records it when it starts); a forecast needs at least %1.</source>
        <extracomment>%1: a number of records</extracomment>
        <translation>
            <numerusform>まだ予測できません：空き容量の記録は %n 回です（Varnholt アプリが起動時に記録します）。予測には少なくとも %1 回必要です。</numerusform>
        </translation>
    </message>
    <message>
        <source>delete permanently, or move to the Recycle Bin</source>
        <translation>完全に削除するか、ごみ箱に移動</translation>
    </message>
    <message>
        <source>put back what a cleanup moved to the Recycle Bin (the latest one without LOG)</source>
        <translation>クリーンアップでごみ箱に移動したものを元に戻す（LOG を省くと最新のもの）</translation>
    </message>
    <message>
        <source>delete permanently, or move to the trash</source>
        <translation>完全に削除するか、ゴミ箱に移動</translation>
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
        <translation>使い方:
  varnholt-cli scan [--json] [--exclude PATTERN]...
  varnholt-cli clean --category ID [--category ID]... [--skip-item PATH]...
                     [--delete | --trash] [--exclude PATTERN]... --yes [--json]
  varnholt-cli large [--threshold-mb N] [--exclude PATTERN]... [--json]
  varnholt-cli measure PATH [--json]
  varnholt-cli --help | --version

コマンド:
  scan      すべてのクリーンアップ対象カテゴリのサイズを測定
  clean     スキャンをやり直し、指定したカテゴリだけをクリーンアップ
  large     ホームフォルダー内の大きなファイルを一覧表示
  measure   1 つのパスのディスク使用量、ファイル数、最終更新日時を表示

オプション:
  --json              表の代わりに JSON を出力
  --exclude PATTERN   PATTERN に一致するフォルダーとファイルを除外。指定すると、
                      この実行では設定の除外項目の代わりにこれらのパターンを使用
  --category ID       クリーンアップするカテゴリ（temp、appcache、browser、
                      logs、thumbs、update、dev、trash）
  --skip-item PATH    クリーンアップするカテゴリのうち、この項目を残す
  --delete, --trash   %1
  --threshold-mb N    大きなファイルとみなす最小サイズ（MB 単位）
  --yes               clean によるファイルの削除を承認

既定値は Varnholt の設定に従います。オプションはこの実行にのみ適用されます。
終了ステータス: 0 完了、1 失敗（clean: 選択した項目が残った）、2 使い方の誤り。
</translation>
    </message>
    <message numerus="yes">
        <source>Scanning %1 · %2 · %Ln file(s) · %3</source>
        <extracomment>Progress line; %1: a category; %2: the size found; %3: a folder</extracomment>
        <translation>
            <numerusform>%1 をスキャン中 · %2 · %Ln 個のファイル · %3</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 found · %Ln file(s) checked · %2 s</source>
        <comment>%1: a size; %2: seconds</comment>
        <translation>
            <numerusform>%1 を検出 · %Ln 個のファイルを確認 · %2 秒</numerusform>
        </translation>
    </message>
    <message>
        <source>move to Recycle Bin</source>
        <extracomment>The Action column of --dry-run&apos;s table: to the Recycle Bin</extracomment>
        <translation>ごみ箱に移動</translation>
    </message>
    <message>
        <source>move to Trash</source>
        <extracomment>The Action column of --dry-run&apos;s table: to the Trash</extracomment>
        <translation>ゴミ箱に移動</translation>
    </message>
    <message>
        <source>delete</source>
        <comment>the Action column of --dry-run&apos;s table: the file is deleted for good</comment>
        <translation>削除</translation>
    </message>
    <message>
        <source>Moved %1 to the Recycle Bin</source>
        <comment>%1: a size</comment>
        <translation>%1 をごみ箱に移動</translation>
    </message>
    <message>
        <source>Moved %1 to the Trash</source>
        <comment>%1: a size</comment>
        <translation>%1 をゴミ箱に移動</translation>
    </message>
    <message>
        <source>freed %1</source>
        <comment>follows what was moved to the bin; %1: a size</comment>
        <translation>%1 を解放</translation>
    </message>
    <message>
        <source>Freed %1</source>
        <comment>%1: a size</comment>
        <translation>%1 を解放</translation>
    </message>
    <message numerus="yes">
        <source>%n file(s) removed</source>
        <extracomment>Clause of the line that sums up a cleanup</extracomment>
        <translation>
            <numerusform>%n 個のファイルを削除</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln skipped</source>
        <comment>a number of files and folders left alone</comment>
        <translation>
            <numerusform>%Ln 件をスキップ</numerusform>
        </translation>
    </message>
    <message>
        <source> · </source>
        <extracomment>Between the clauses of the line that sums up a cleanup</extracomment>
        <translation> · </translation>
    </message>
    <message>
        <source>Could not be moved to the Recycle Bin, left where they are:</source>
        <translation>ごみ箱に移動できず、元の場所に残したもの：</translation>
    </message>
    <message>
        <source>Could not be moved to the Trash, left where they are:</source>
        <translation>ゴミ箱に移動できず、元の場所に残したもの：</translation>
    </message>
    <message>
        <source>--skip-item %1 names no item of the categories given.</source>
        <comment>%1: the path given</comment>
        <translation>--skip-item %1 は、指定したカテゴリのどの項目とも一致しません。</translation>
    </message>
    <message numerus="yes">
        <source>%Ln file(s) checked · %1 found (%2) · %3</source>
        <extracomment>Progress line; %1: the number of large files found; %2: their size; %3: a folder</extracomment>
        <translation>
            <numerusform>%Ln 個のファイルを確認 · %1 件を検出（%2） · %3</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Recorded the sizes of %n folder(s) in %1 (%2 in all).</source>
        <translation>
            <numerusform>%1 内の %n 個のフォルダーのサイズを記録しました（合計 %2）。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n reading(s) of folder sizes kept.</source>
        <translation>
            <numerusform>フォルダーサイズの記録を %n 件保存しています。</numerusform>
        </translation>
    </message>
    <message>
        <source>The reading of folder sizes did not complete.</source>
        <translation>フォルダーサイズの記録が完了しませんでした。</translation>
    </message>
    <message numerus="yes">
        <source>Nothing to compare yet: %n reading(s) of folder sizes so far, and a comparison needs two. The Varnholt app takes one a day while its history of folder sizes is on; &quot;varnholt-cli grew --record&quot; takes one now.</source>
        <translation>
            <numerusform>まだ比較できません：これまでのフォルダーサイズの記録は %n 件で、比較には 2 件必要です。Varnholt アプリはフォルダーサイズの履歴がオンの間、1 日 1 回記録します。「varnholt-cli grew --record」で今すぐ記録できます。</numerusform>
        </translation>
    </message>
    <message>
        <source>Changes in %1 between %2 and %3:</source>
        <translation>%2 から %3 までの %1 の変化：</translation>
    </message>
    <message>
        <source>No folder changed by %1 or more.</source>
        <translation>%1 以上変化したフォルダーはありません。</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>変化</translation>
    </message>
    <message>
        <source>Then</source>
        <translation>以前</translation>
    </message>
    <message>
        <source>Now</source>
        <translation>現在</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>フォルダー</translation>
    </message>
    <message numerus="yes">
        <source>and %n more (--json lists them all)</source>
        <translation>
            <numerusform>ほか %n 件（--json ですべて表示）</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: clean it with: %2</source>
        <translation>%1：次のコマンドでクリーンアップ：%2</translation>
    </message>
    <message>
        <source>In all: %1 then, %2 now (%3).</source>
        <translation>合計：以前 %1、現在 %2（%3）。</translation>
    </message>
    <message>
        <source>--since needs an age such as 7d, 2w or 12h, not &quot;%1&quot;.</source>
        <translation>--since には「%1」ではなく、7d、2w、12h のような期間を指定してください。</translation>
    </message>
    <message>
        <source>Choose either --record or --since, not both.</source>
        <translation>--record と --since はどちらか一方だけを指定してください。</translation>
    </message>
    <message>
        <source>the folders that grew or shrank most since an earlier reading</source>
        <translation>以前の記録から最も増えた、または減ったフォルダー</translation>
    </message>
    <message>
        <source>grew: compare with about AGE ago: 7d, 2w, 12h (default 7d)</source>
        <translation>grew: 約 AGE 前と比較（7d、2w、12h。既定は 7d）</translation>
    </message>
    <message>
        <source>grew: take a reading of the folder sizes now</source>
        <translation>grew: 今すぐフォルダーのサイズを記録</translation>
    </message>
    <message>
        <source>No cleanup has moved anything to the Recycle Bin; there is nothing to restore.</source>
        <translation>クリーンアップでごみ箱に移動したものはないため、復元するものはありません。</translation>
    </message>
    <message>
        <source>No cleanup has moved anything to the Trash; there is nothing to restore.</source>
        <translation>クリーンアップでゴミ箱に移動したものはないため、復元するものはありません。</translation>
    </message>
    <message>
        <source>Skipped (the log gives each reason):</source>
        <extracomment>Heading over paths a cleanup left alone, for reasons of several kinds</extracomment>
        <translation>スキップした項目（それぞれの理由はログに記録されています）：</translation>
    </message>
    <message>
        <source>That cleanup moved nothing to the Recycle Bin; there is nothing to restore.</source>
        <translation>このクリーンアップでごみ箱に移動したものはないため、復元するものはありません。</translation>
    </message>
    <message>
        <source>That cleanup moved nothing to the Trash; there is nothing to restore.</source>
        <translation>このクリーンアップでゴミ箱に移動したものはないため、復元するものはありません。</translation>
    </message>
</context>
<context>
    <name>LargeFileKind</name>
    <message>
        <source>Disk image</source>
        <extracomment>Kind of large file (the Space Map&apos;s Kind column)</extracomment>
        <translation>ディスクイメージ</translation>
    </message>
    <message>
        <source>Partial download</source>
        <extracomment>Kind of large file (the Space Map&apos;s Kind column)</extracomment>
        <translation>未完了のダウンロード</translation>
    </message>
    <message>
        <source>Video</source>
        <extracomment>Kind of large file (the Space Map&apos;s Kind column)</extracomment>
        <translation>ビデオ</translation>
    </message>
    <message>
        <source>Archive</source>
        <extracomment>Kind of large file (the Space Map&apos;s Kind column)</extracomment>
        <translation>アーカイブ</translation>
    </message>
    <message>
        <source>Installer</source>
        <extracomment>Kind of large file (the Space Map&apos;s Kind column)</extracomment>
        <translation>インストーラー</translation>
    </message>
    <message>
        <source>Audio</source>
        <extracomment>Kind of large file (the Space Map&apos;s Kind column)</extracomment>
        <translation>オーディオ</translation>
    </message>
    <message>
        <source>Image</source>
        <extracomment>Kind of large file (the Space Map&apos;s Kind column)</extracomment>
        <translation>画像</translation>
    </message>
    <message>
        <source>Document</source>
        <extracomment>Kind of large file (the Space Map&apos;s Kind column)</extracomment>
        <translation>ドキュメント</translation>
    </message>
    <message>
        <source>Backup</source>
        <extracomment>Kind of large file (the Space Map&apos;s Kind column)</extracomment>
        <translation>バックアップ</translation>
    </message>
    <message>
        <source>File</source>
        <extracomment>Kind of large file (the Space Map&apos;s Kind column)</extracomment>
        <translation>ファイル</translation>
    </message>
</context>
<context>
    <name>LargeFilesPage</name>
    <message>
        <source>Space Map</source>
        <extracomment>Title of the page that maps where disk space goes (not a geographic map)</extracomment>
        <translation>スペースマップ</translation>
    </message>
    <message>
        <source>Rescan</source>
        <extracomment>Button in the Space Map&apos;s header: look for large files again</extracomment>
        <translation>再スキャン</translation>
    </message>
    <message>
        <source>Find what&apos;s taking up space</source>
        <translation>容量を占めているファイルを見つけましょう</translation>
    </message>
    <message>
        <source>Big files in your home folder. You decide what goes.</source>
        <translation>ホームフォルダーにある大きなファイルです。削除するファイルはご自身で選べます。</translation>
    </message>
    <message>
        <source>Find large files</source>
        <extracomment>Heading while the search for large files runs</extracomment>
        <translation>大きなファイルを検索</translation>
    </message>
    <message>
        <source>Largest so far</source>
        <extracomment>Heading over the biggest files found while the search runs</extracomment>
        <translation>現時点で最大のファイル</translation>
    </message>
    <message>
        <source>Looking for large files…</source>
        <translation>大きなファイルを検索しています…</translation>
    </message>
    <message>
        <source>All</source>
        <extracomment>Filter of the large-file list: every file</extracomment>
        <translation>すべて</translation>
    </message>
    <message>
        <source>Unused %1+ months</source>
        <extracomment>Filter of the large-file list; %1: a number of months</extracomment>
        <translation>%1 か月以上未使用</translation>
    </message>
    <message>
        <source>Downloads</source>
        <extracomment>Filter of the large-file list: files in the Downloads folder</extracomment>
        <translation>ダウンロード</translation>
    </message>
    <message>
        <source>Search files</source>
        <extracomment>Placeholder of the search field</extracomment>
        <translation>ファイルを検索</translation>
    </message>
    <message>
        <source>Home folder · over %1</source>
        <extracomment>Eyebrow of the Space Map: where it looks and above which size; %1: a size</extracomment>
        <translation>ホームフォルダー · %1 超</translation>
    </message>
    <message numerus="yes">
        <source>&lt;b style=&apos;color:%1&apos;&gt;%2&lt;/b&gt; selected of %3 · %Ln file(s)</source>
        <extracomment>The footer&apos;s summary; %1: style, keep as is; %2: the checked size; %3: the total size</extracomment>
        <translation>
            <numerusform>%3 中 &lt;b style=&apos;color:%1&apos;&gt;%2&lt;/b&gt; を選択中 · %Ln 個のファイル</numerusform>
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
        <translation>「%1」に一致するファイルはありません。</translation>
    </message>
    <message>
        <source>No files in this view.</source>
        <translation>この表示にはファイルがありません。</translation>
    </message>
    <message>
        <source>No files over %1 in your home folder.</source>
        <extracomment>%1: a size</extracomment>
        <translation>ホームフォルダーに %1 を超えるファイルはありません。</translation>
    </message>
    <message>
        <source>Files to show</source>
        <extracomment>Accessible name of the row of filters</extracomment>
        <translation>表示するファイル</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>上へ</translation>
    </message>
    <message>
        <source>Change since</source>
        <translation>比較する時点</translation>
    </message>
    <message>
        <source>Folders by change</source>
        <translation>変化別のフォルダー</translation>
    </message>
    <message>
        <source>Folders</source>
        <translation>フォルダー</translation>
    </message>
    <message>
        <source>The history of folder sizes is off. Turn it on in Settings to see what grew.</source>
        <translation>フォルダーサイズの履歴はオフになっています。増えたものを見るには、「設定」でオンにしてください。</translation>
    </message>
    <message>
        <source>Varnholt notes how big your folders are once a day. The first comparison is ready after two readings.</source>
        <translation>Varnholt は 1 日に 1 回、フォルダーのサイズを記録します。2 回記録すると、最初の比較ができます。</translation>
    </message>
    <message>
        <source>Name</source>
        <extracomment>Column title of the Space Map&apos;s list (shown upper-cased): the file&apos;s name</extracomment>
        <translation>名前</translation>
    </message>
    <message>
        <source>Kind</source>
        <extracomment>Column title (shown upper-cased): Video, Archive, …</extracomment>
        <translation>種類</translation>
    </message>
    <message>
        <source>Last opened</source>
        <extracomment>Column title (shown upper-cased) over relative dates such as &quot;3 months ago&quot;</extracomment>
        <translation>最後に開いた日</translation>
    </message>
    <message>
        <source>Size</source>
        <extracomment>Column title (shown upper-cased): the file&apos;s size</extracomment>
        <translation>サイズ</translation>
    </message>
    <message>
        <source>Grew</source>
        <extracomment>View of the Space Map: the folders coloured by how much they grew since an earlier reading</extracomment>
        <translation>増加</translation>
    </message>
    <message>
        <source>Clear search</source>
        <comment>button in the search field that empties it</comment>
        <translation>検索をクリア</translation>
    </message>
    <message>
        <source>Show in File Explorer</source>
        <extracomment>Button in the Space Map&apos;s footer; opens File Explorer at the checked file</extracomment>
        <translation>エクスプローラーで表示</translation>
    </message>
    <message>
        <source>Show in File Manager</source>
        <extracomment>Button in the Space Map&apos;s footer; opens the file manager at the checked file</extracomment>
        <translation>ファイルマネージャーで表示</translation>
    </message>
    <message>
        <source>Move to Recycle Bin</source>
        <extracomment>Button in the Space Map&apos;s footer; moves the checked files to the Recycle Bin</extracomment>
        <translation>ごみ箱に移動</translation>
    </message>
    <message>
        <source>Move to Trash</source>
        <extracomment>Button in the Space Map&apos;s footer; moves the checked files to the Trash</extracomment>
        <translation>ゴミ箱に移動</translation>
    </message>
    <message>
        <source>The File Explorer could not show %1</source>
        <comment>%1: a path</comment>
        <translation>エクスプローラーで %1 を表示できませんでした</translation>
    </message>
    <message>
        <source>The File Manager could not show %1</source>
        <comment>%1: a path</comment>
        <translation>ファイルマネージャーで %1 を表示できませんでした</translation>
    </message>
</context>
<context>
    <name>Main</name>
    <message>
        <source>%1 is almost full. Run Smart Scan to free up space.</source>
        <extracomment>Notification; %1: a drive</extracomment>
        <translation>%1 の空き容量がほとんどありません。スマートスキャンを実行して空き容量を増やしてください。</translation>
    </message>
    <message>
        <source>Varnholt was updated to version %1.</source>
        <extracomment>%1: a version number</extracomment>
        <translation>Varnholt はバージョン %1 に更新されました。</translation>
    </message>
    <message numerus="yes">
        <source>%1 is filling up: at this rate it is full in about %n day(s). Run Smart Scan to free up space.</source>
        <extracomment>Notification; %1: a drive</extracomment>
        <translation>
            <numerusform>%1 の空き容量が減り続けています。このペースでは約 %n 日でいっぱいになります。スマートスキャンを実行して空き容量を増やしてください。</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>MenuBar</name>
    <message>
        <source>Varnholt Website</source>
        <extracomment>Link in the About dialog</extracomment>
        <translation>Varnholt の Web サイト</translation>
    </message>
    <message>
        <source>Settings</source>
        <extracomment>Entry of the app menu: open the Settings page</extracomment>
        <translation>設定</translation>
    </message>
    <message>
        <source>Check for Updates</source>
        <extracomment>Entry of the app menu</extracomment>
        <translation>更新を確認</translation>
    </message>
    <message>
        <source>Help</source>
        <extracomment>Submenu of the app menu</extracomment>
        <translation>ヘルプ</translation>
    </message>
    <message>
        <source>Guide</source>
        <extracomment>Entry of the Help menu: the user guide on the website</extracomment>
        <translation>ガイド</translation>
    </message>
    <message>
        <source>FAQ</source>
        <extracomment>Entry of the Help menu: frequently asked questions</extracomment>
        <translation>よくある質問</translation>
    </message>
    <message>
        <source>Open Log Folder</source>
        <extracomment>Entry of the app menu</extracomment>
        <translation>ログフォルダーを開く</translation>
    </message>
    <message>
        <source>About Varnholt</source>
        <extracomment>Entry of the app menu</extracomment>
        <translation>Varnholt について</translation>
    </message>
    <message>
        <source>Quit Varnholt</source>
        <extracomment>Entry of the app menu</extracomment>
        <translation>Varnholt を終了</translation>
    </message>
    <message>
        <source>The log folder %1 could not be created.</source>
        <extracomment>%1: a folder</extracomment>
        <translation>ログフォルダー %1 を作成できませんでした。</translation>
    </message>
</context>
<context>
    <name>Overlay</name>
    <message>
        <source>Version %1</source>
        <extracomment>%1: a version number</extracomment>
        <translation>バージョン %1</translation>
    </message>
    <message>
        <source>Finds the space your computer can spare.</source>
        <translation>コンピューターで空けられる容量を見つけます。</translation>
    </message>
    <message>
        <source>Close</source>
        <extracomment>Button that closes a dialog</extracomment>
        <translation>閉じる</translation>
    </message>
    <message>
        <source>Cancel</source>
        <extracomment>Button that closes a dialog without doing anything</extracomment>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>Undo</source>
        <extracomment>Button in a notification: take the last action back</extracomment>
        <translation>元に戻す</translation>
    </message>
    <message>
        <source>Keep Varnholt running?</source>
        <extracomment>Title of the dialog shown when the window is closed</extracomment>
        <translation>Varnholt の実行を続けますか？</translation>
    </message>
    <message>
        <source>Remember my choice</source>
        <extracomment>Check box of the close dialog</extracomment>
        <translation>選択を記憶する</translation>
    </message>
    <message>
        <source>You can change this in Settings.</source>
        <translation>この設定は「設定」でいつでも変更できます。</translation>
    </message>
    <message>
        <source>Keep in tray</source>
        <extracomment>Button of the close dialog: hide the window, keep the tray icon</extracomment>
        <translation>通知領域に常駐</translation>
    </message>
    <message>
        <source>Quit</source>
        <extracomment>Button of the close dialog: end the program</extracomment>
        <translation>終了</translation>
    </message>
    <message>
        <source>Clean %1?</source>
        <extracomment>Title of the confirmation; %1: a size</extracomment>
        <translation>%1 をクリーンアップしますか？</translation>
    </message>
    <message>
        <source>Permanent delete is on. These files can&apos;t be recovered.</source>
        <translation>完全削除がオンになっています。これらのファイルは復元できません。</translation>
    </message>
    <message>
        <source>What&apos;s new</source>
        <extracomment>Heading over the release notes of an update</extracomment>
        <translation>更新内容</translation>
    </message>
    <message>
        <source>Retry</source>
        <extracomment>Button of the update dialog after a failure</extracomment>
        <translation>再試行</translation>
    </message>
    <message>
        <source>Update now</source>
        <extracomment>Button of the update dialog</extracomment>
        <translation>今すぐ更新</translation>
    </message>
    <message>
        <source>Varnholt is up to date</source>
        <translation>Varnholt は最新です</translation>
    </message>
    <message>
        <source>Version %1 is the latest version.</source>
        <extracomment>%1: a version number</extracomment>
        <translation>バージョン %1 が最新バージョンです。</translation>
    </message>
    <message>
        <source>An update is available</source>
        <translation>利用可能な更新があります</translation>
    </message>
    <message>
        <source>Version %1 is available. You have %2.</source>
        <extracomment>%1, %2: version numbers</extracomment>
        <translation>バージョン %1 を利用できます。現在のバージョンは %2 です。</translation>
    </message>
    <message>
        <source>Could not check for updates</source>
        <translation>更新を確認できませんでした</translation>
    </message>
    <message>
        <source>Check your internet connection and try again.</source>
        <translation>インターネット接続を確認して、もう一度お試しください。</translation>
    </message>
    <message>
        <source>Downloading the update…</source>
        <extracomment>Status of the update dialog</extracomment>
        <translation>更新をダウンロードしています…</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <extracomment>Download progress; %1, %2: sizes</extracomment>
        <translation>%1 / %2</translation>
    </message>
    <message>
        <source>Installing the update…</source>
        <extracomment>Status of the update dialog</extracomment>
        <translation>更新をインストールしています…</translation>
    </message>
    <message>
        <source>Varnholt closes and starts again when the update is installed.</source>
        <translation>更新がインストールされると、Varnholt はいったん終了して再起動します。</translation>
    </message>
    <message>
        <source>Checking for updates…</source>
        <extracomment>Status of the update dialog</extracomment>
        <translation>更新を確認しています…</translation>
    </message>
    <message>
        <source>Version %1 is installed.</source>
        <extracomment>%1: a version number</extracomment>
        <translation>バージョン %1 がインストールされています。</translation>
    </message>
    <message>
        <source>Later</source>
        <extracomment>Button of the update dialog: do not update now</extracomment>
        <translation>後で</translation>
    </message>
    <message>
        <source>Some of it needs administrator rights: without them those files are skipped.</source>
        <translation>一部には管理者権限が必要です。権限がない場合、それらのファイルはスキップされます。</translation>
    </message>
    <message>
        <source>Everything that will go</source>
        <extracomment>Link of the confirmation that lists every path the cleanup removes (&quot;go&quot;: be removed, not leave)</extracomment>
        <translation>削除されるものすべて</translation>
    </message>
    <message>
        <source>Working out the list…</source>
        <translation>リストを作成中…</translation>
    </message>
    <message>
        <source>The list cannot be worked out now.</source>
        <translation>現在リストを作成できません。</translation>
    </message>
    <message>
        <source>Nothing in the selection would be removed.</source>
        <translation>選択した項目から削除されるものはありません。</translation>
    </message>
    <message numerus="yes">
        <source>and %n more</source>
        <extracomment>Below the paths listed in the confirmation</extracomment>
        <translation>
            <numerusform>ほか %n 件</numerusform>
        </translation>
    </message>
    <message>
        <source>Leave them</source>
        <extracomment>Choice for what cannot go to the bin: keep those files</extracomment>
        <translation>そのままにする</translation>
    </message>
    <message>
        <source>Delete them permanently</source>
        <extracomment>Choice for what cannot go to the bin</extracomment>
        <translation>完全に削除する</translation>
    </message>
    <message>
        <source>All of it is deleted permanently and can&apos;t be recovered.</source>
        <translation>すべて完全に削除され、復元できません。</translation>
    </message>
    <message>
        <source>The check could not start. Try again in a moment.</source>
        <translation>確認を開始できませんでした。しばらくしてからもう一度お試しください。</translation>
    </message>
    <message>
        <source>The check failed again.</source>
        <translation>再度確認に失敗しました。</translation>
    </message>
    <message>
        <source>These cannot be moved to the Recycle Bin</source>
        <translation>これらはごみ箱に移動できません</translation>
    </message>
    <message>
        <source>These cannot be moved to the Trash</source>
        <translation>これらはゴミ箱に移動できません</translation>
    </message>
    <message>
        <source>None of it can go to the Recycle Bin: delete it permanently, or nothing is cleaned.</source>
        <translation>どれもごみ箱に移動できません。完全に削除しない限り、何もクリーンアップされません。</translation>
    </message>
    <message>
        <source>None of it can go to the Trash: delete it permanently, or nothing is cleaned.</source>
        <translation>どれもゴミ箱に移動できません。完全に削除しない限り、何もクリーンアップされません。</translation>
    </message>
    <message>
        <source>Emptying the Recycle Bin and deleting what cannot go there can&apos;t be undone. Everything else goes to the Recycle Bin.</source>
        <translation>ごみ箱を空にすることと、ごみ箱に移動できない項目の削除は元に戻せません。その他はすべてごみ箱に移動されます。</translation>
    </message>
    <message>
        <source>Emptying the Trash and deleting what cannot go there can&apos;t be undone. Everything else goes to the Trash.</source>
        <translation>ゴミ箱を空にすることと、ゴミ箱に移動できない項目の削除は元に戻せません。その他はすべてゴミ箱に移動されます。</translation>
    </message>
    <message>
        <source>What cannot go to the Recycle Bin is deleted permanently. Everything else is moved there, so you can restore it later.</source>
        <translation>ごみ箱に移動できない項目は完全に削除されます。その他はすべてごみ箱に移動されるため、後で復元できます。</translation>
    </message>
    <message>
        <source>What cannot go to the Trash is deleted permanently. Everything else is moved there, so you can restore it later.</source>
        <translation>ゴミ箱に移動できない項目は完全に削除されます。その他はすべてゴミ箱に移動されるため、後で復元できます。</translation>
    </message>
    <message>
        <source>Emptying the Recycle Bin can&apos;t be undone. Everything else goes to the Recycle Bin.</source>
        <translation>ごみ箱を空にすると元に戻せません。その他はすべてごみ箱に移動されます。</translation>
    </message>
    <message>
        <source>Emptying the Trash can&apos;t be undone. Everything else goes to the Trash.</source>
        <translation>ゴミ箱を空にすると元に戻せません。その他はすべてゴミ箱に移動されます。</translation>
    </message>
    <message>
        <source>Everything will be moved to the Recycle Bin, so you can restore it later.</source>
        <translation>すべてごみ箱に移動されるため、後で復元できます。</translation>
    </message>
    <message>
        <source>Everything will be moved to the Trash, so you can restore it later.</source>
        <translation>すべてゴミ箱に移動されるため、後で復元できます。</translation>
    </message>
    <message>
        <source>Clean and delete</source>
        <comment>button: clean, part of it for good</comment>
        <translation>クリーンアップして削除</translation>
    </message>
    <message>
        <source>Clean</source>
        <comment>button: start the cleanup</comment>
        <translation>クリーンアップ</translation>
    </message>
    <message numerus="yes">
        <source>%n path(s) · %1</source>
        <comment>%1: their size</comment>
        <translation>
            <numerusform>%n 個のパス · %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Varnholt can stay in the system tray when you close the window. You can open it again from the tray icon.</source>
        <extracomment>Scheduled scans and alerts run when Varnholt starts, not while it waits in the tray</extracomment>
        <translation>ウィンドウを閉じても Varnholt を通知領域に常駐させておけます。通知領域のアイコンからいつでも再び開けます。</translation>
    </message>
</context>
<context>
    <name>OverviewPage</name>
    <message>
        <source>Scanned %1</source>
        <extracomment>Chip; %1: when, e.g. &quot;2 days ago&quot;</extracomment>
        <translation>最終スキャン：%1</translation>
    </message>
    <message>
        <source>Smart Scan</source>
        <extracomment>Button in the Overview&apos;s header: scan every cleanup category</extracomment>
        <translation>スマートスキャン</translation>
    </message>
    <message>
        <source>Overview</source>
        <extracomment>Title of the Overview page</extracomment>
        <translation>概要</translation>
    </message>
    <message>
        <source>Rescan</source>
        <extracomment>Button in the Overview&apos;s header: scan again</extracomment>
        <translation>再スキャン</translation>
    </message>
    <message>
        <source>See all</source>
        <extracomment>Link beside the top recommendations: open the Cleanup page</extracomment>
        <translation>すべて表示</translation>
    </message>
    <message>
        <source>Disk health</source>
        <extracomment>Heading of an Overview card</extracomment>
        <translation>ディスクの状態</translation>
    </message>
    <message>
        <source>System files protected</source>
        <extracomment>Line of the disk health card</extracomment>
        <translation>システムファイルは保護されています</translation>
    </message>
    <message>
        <source>%1 ready to clean</source>
        <extracomment>%1: a size</extracomment>
        <translation>%1 をクリーンアップできます</translation>
    </message>
    <message>
        <source>Your startup disk is almost full</source>
        <translation>起動ディスクがほぼいっぱいです</translation>
    </message>
    <message>
        <source>Keep your disk in shape</source>
        <translation>ディスクを快適に保ちましょう</translation>
    </message>
    <message>
        <source>free of %1</source>
        <extracomment>Under the free size in the disk ring; %1: the disk&apos;s size</extracomment>
        <translation>%1 中の空き</translation>
    </message>
    <message>
        <source>Freed this month</source>
        <extracomment>Caption of an Overview card under a size</extracomment>
        <translation>今月の解放容量</translation>
    </message>
    <message>
        <source>Last scan</source>
        <extracomment>Caption of an Overview card under a relative date</extracomment>
        <translation>前回のスキャン</translation>
    </message>
    <message>
        <source>Scheduled scan</source>
        <extracomment>Caption of an Overview card</extracomment>
        <translation>定期スキャン</translation>
    </message>
    <message>
        <source>Top recommendations</source>
        <extracomment>Heading over the biggest safe categories</extracomment>
        <translation>おすすめの項目</translation>
    </message>
    <message>
        <source>What Smart Scan looks at</source>
        <translation>スマートスキャンの対象</translation>
    </message>
    <message>
        <source>Apps, documents &amp; system</source>
        <translation>アプリ、ドキュメント、システム</translation>
    </message>
    <message>
        <source>Reclaimable</source>
        <extracomment>Legend of the disk bar: space a cleanup can free</extracomment>
        <translation>解放可能</translation>
    </message>
    <message>
        <source>Available</source>
        <extracomment>Legend of the disk bar: free space</extracomment>
        <translation>空き容量</translation>
    </message>
    <message>
        <source>Space freed in the last six months</source>
        <translation>過去 6 か月に解放した容量</translation>
    </message>
    <message>
        <source>Scan again to see what can be cleaned</source>
        <translation>もう一度スキャンして、クリーンアップできる項目を確認</translation>
    </message>
    <message>
        <source>Free space history</source>
        <extracomment>Heading of an Overview card</extracomment>
        <translation>空き容量の履歴</translation>
    </message>
    <message numerus="yes">
        <source>From %1 to %2 free over %n day(s)</source>
        <extracomment>%1, %2: sizes</extracomment>
        <translation>
            <numerusform>%n 日間で空き容量が %1 から %2 に変わりました</numerusform>
        </translation>
    </message>
    <message>
        <source>Show it in the Space Map</source>
        <translation>スペースマップで表示</translation>
    </message>
    <message>
        <source>What grew</source>
        <translation>増えたもの</translation>
    </message>
    <message>
        <source>Varnholt notes how big your folders are once a day. The first comparison is ready once two readings lie a week apart.</source>
        <translation>Varnholt は 1 日に 1 回、フォルダーのサイズを記録します。1 週間離れた 2 回の記録がそろうと、最初の比較ができます。</translation>
    </message>
    <message>
        <source>Growing fastest this week</source>
        <translation>今週いちばん増えたフォルダー</translation>
    </message>
    <message numerus="yes">
        <source>Growing fastest in the last %n day(s)</source>
        <translation>
            <numerusform>過去 %n 日間でいちばん増えたフォルダー</numerusform>
        </translation>
    </message>
    <message>
        <source>No folder grew by more than %1.</source>
        <translation>%1 を超えて増えたフォルダーはありません。</translation>
    </message>
    <message>
        <source>Clean %1</source>
        <translation>%1 をクリーンアップ</translation>
    </message>
    <message>
        <source>%1 is the folder of this cleanup category</source>
        <translation>%1 はこのクリーンアップ項目のフォルダーです</translation>
    </message>
    <message>
        <source>Review</source>
        <comment>button in the disk ring: open the scan results</comment>
        <translation>確認</translation>
    </message>
    <message>
        <source>Scan</source>
        <comment>button in the disk ring: start a scan</comment>
        <translation>スキャン</translation>
    </message>
    <message>
        <source>Never scanned</source>
        <comment>chip and card caption</comment>
        <translation>未スキャン</translation>
    </message>
    <message>
        <source>Off</source>
        <comment>scheduled scan</comment>
        <translation>オフ</translation>
    </message>
    <message>
        <source>Weekly</source>
        <comment>scheduled scan</comment>
        <translation>毎週</translation>
    </message>
    <message>
        <source>Monthly</source>
        <comment>scheduled scan</comment>
        <translation>毎月</translation>
    </message>
</context>
<context>
    <name>Platform</name>
    <message>
        <source>Local Disk</source>
        <extracomment>Name of a drive without a label</extracomment>
        <translation>ローカルディスク</translation>
    </message>
    <message>
        <source>Trash</source>
        <extracomment>The bin of Linux desktops, standing alone (a list entry, a log line)</extracomment>
        <translation>ゴミ箱</translation>
    </message>
    <message>
        <source>File Manager</source>
        <extracomment>The file manager of Linux desktops, standing alone</extracomment>
        <translation>ファイルマネージャー</translation>
    </message>
    <message>
        <source>Recycle Bin</source>
        <extracomment>The Windows bin, standing alone (a list entry, a log line)</extracomment>
        <translation>ごみ箱</translation>
    </message>
    <message>
        <source>File Explorer</source>
        <extracomment>The Windows file manager, standing alone</extracomment>
        <translation>エクスプローラー</translation>
    </message>
</context>
<context>
    <name>Restore</name>
    <message>
        <source>no longer in the trash</source>
        <translation>ゴミ箱にもうありません</translation>
    </message>
    <message>
        <source>its place is taken</source>
        <translation>元の場所がすでに使われています</translation>
    </message>
    <message>
        <source>the log does not name a trash entry</source>
        <translation>ログがゴミ箱内の項目を指していません</translation>
    </message>
    <message>
        <source>more than one trash entry matches</source>
        <translation>一致するゴミ箱内の項目が複数あります</translation>
    </message>
    <message>
        <source>could not be moved back</source>
        <translation>元に戻せませんでした</translation>
    </message>
    <message>
        <source>no longer in the Recycle Bin</source>
        <translation>ごみ箱にもうありません</translation>
    </message>
    <message>
        <source>the log does not name a Recycle Bin entry</source>
        <translation>ログがごみ箱内の項目を指していません</translation>
    </message>
    <message>
        <source>more than one Recycle Bin entry matches</source>
        <translation>一致するごみ箱内の項目が複数あります</translation>
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
        <translation>除外するフォルダーを選択</translation>
    </message>
    <message>
        <source>Cleaning</source>
        <extracomment>Heading of a Settings section</extracomment>
        <translation>クリーンアップ</translation>
    </message>
    <message>
        <source>Recommended. Turn off to delete files permanently.</source>
        <translation>推奨設定です。オフにすると、ファイルは完全に削除されます。</translation>
    </message>
    <message>
        <source>Large file size</source>
        <extracomment>Setting: from which size a file counts as large</extracomment>
        <translation>大きなファイルの基準</translation>
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
        <translation>古いファイルとみなす期間</translation>
    </message>
    <message>
        <source>3 months</source>
        <extracomment>Choice: after how long unused a file counts as old</extracomment>
        <translation>3 か月</translation>
    </message>
    <message>
        <source>6 months</source>
        <extracomment>Choice: after how long unused a file counts as old</extracomment>
        <translation>6 か月</translation>
    </message>
    <message>
        <source>12 months</source>
        <extracomment>Choice: after how long unused a file counts as old</extracomment>
        <translation>12 か月</translation>
    </message>
    <message>
        <source>24 months</source>
        <extracomment>Choice: after how long unused a file counts as old</extracomment>
        <translation>24 か月</translation>
    </message>
    <message>
        <source>Automation</source>
        <extracomment>Heading of a Settings section</extracomment>
        <translation>自動化</translation>
    </message>
    <message>
        <source>Scheduled scan</source>
        <extracomment>Setting: how often Varnholt scans by itself</extracomment>
        <translation>定期スキャン</translation>
    </message>
    <message>
        <source>Scans when Varnholt starts if the last scan is older than this. Never cleans on its own.</source>
        <translation>前回のスキャンからこの期間が過ぎていると、Varnholt の起動時にスキャンします。自動でクリーンアップすることはありません。</translation>
    </message>
    <message>
        <source>Low space alerts</source>
        <extracomment>Setting: notify when the disk is nearly full</extracomment>
        <translation>空き容量不足の通知</translation>
    </message>
    <message>
        <source>Warn when free space drops below 10%.</source>
        <extracomment>The % sign is part of &quot;10%&quot;, not a placeholder</extracomment>
        <translation>空き容量が 10% を下回ると警告します。</translation>
    </message>
    <message>
        <source>Starts Varnholt in the background so scheduled scans can run.</source>
        <translation>定期スキャンを実行できるよう、Varnholt をバックグラウンドで起動します。</translation>
    </message>
    <message>
        <source>Show Varnholt in the menu bar</source>
        <translation>メニューバーに Varnholt を表示</translation>
    </message>
    <message>
        <source>Ask every time</source>
        <extracomment>Choice of what closing the window does</extracomment>
        <translation>毎回確認する</translation>
    </message>
    <message>
        <source>Keep running in the tray</source>
        <translation>通知領域で実行を続ける</translation>
    </message>
    <message>
        <source>Quit Varnholt</source>
        <extracomment>Choice of what closing the window does</extracomment>
        <translation>Varnholt を終了</translation>
    </message>
    <message>
        <source>When closing the window</source>
        <translation>ウィンドウを閉じたとき</translation>
    </message>
    <message>
        <source>Appearance</source>
        <extracomment>Heading of a Settings section</extracomment>
        <translation>外観</translation>
    </message>
    <message>
        <source>Theme</source>
        <extracomment>Setting: light or dark colours</extracomment>
        <translation>テーマ</translation>
    </message>
    <message>
        <source>Follow the system, or always use light or dark.</source>
        <translation>システムの設定に合わせるか、常にライトまたはダークを使用します。</translation>
    </message>
    <message>
        <source>System default (%1)</source>
        <extracomment>Choice of the language; %1: the system&apos;s language</extracomment>
        <translation>システムの既定（%1）</translation>
    </message>
    <message>
        <source>Restart now</source>
        <extracomment>Button: restart to show the new language</extracomment>
        <translation>今すぐ再起動</translation>
    </message>
    <message>
        <source>Language</source>
        <extracomment>Setting: the language of the interface</extracomment>
        <translation>言語</translation>
    </message>
    <message>
        <source>Varnholt restarts to switch languages.</source>
        <translation>言語を切り替えると Varnholt が再起動します。</translation>
    </message>
    <message>
        <source>Exclusions</source>
        <extracomment>Heading of a Settings section: folders never cleaned</extracomment>
        <translation>除外</translation>
    </message>
    <message>
        <source>Add folder</source>
        <extracomment>Button: add a folder to the exclusions</extracomment>
        <translation>フォルダーを追加</translation>
    </message>
    <message>
        <source>Never touch these</source>
        <extracomment>Description of the exclusions</extracomment>
        <translation>常に除外する項目</translation>
    </message>
    <message>
        <source>Folders and patterns Varnholt always skips.</source>
        <translation>Varnholt が常にスキップするフォルダーとパターンです。</translation>
    </message>
    <message>
        <source>Protected system locations</source>
        <extracomment>Row of the exclusions: folders Varnholt never cleans</extracomment>
        <translation>保護されたシステムの場所</translation>
    </message>
    <message>
        <source>Locked</source>
        <extracomment>Badge beside the protected system locations: they cannot be changed</extracomment>
        <translation>ロック済み</translation>
    </message>
    <message>
        <source>Protected apps</source>
        <extracomment>Row of the exclusions: apps whose data Varnholt never cleans</extracomment>
        <translation>保護されたアプリ</translation>
    </message>
    <message>
        <source> — their data is never cleaned. Caches of running apps and open files are skipped too.</source>
        <translation> — これらのデータはクリーンアップされません。実行中のアプリのキャッシュと開いているファイルもスキップされます。</translation>
    </message>
    <message>
        <source>Permissions &amp; about</source>
        <extracomment>Heading of a Settings section</extracomment>
        <translation>アクセス許可と情報</translation>
    </message>
    <message>
        <source>Full Disk Access</source>
        <extracomment>A macOS permission</extracomment>
        <translation>フルディスクアクセス</translation>
    </message>
    <message>
        <source>Varnholt is running as administrator and can clean Windows Update files.</source>
        <translation>Varnholt は管理者として実行されているため、Windows Update のファイルをクリーンアップできます。</translation>
    </message>
    <message>
        <source>Varnholt is running as administrator and can clean the package cache.</source>
        <translation>Varnholt は管理者として実行されているため、パッケージキャッシュをクリーンアップできます。</translation>
    </message>
    <message>
        <source>Administrator access</source>
        <extracomment>Row: whether Varnholt runs with administrator rights</extracomment>
        <translation>管理者権限</translation>
    </message>
    <message>
        <source>Granted</source>
        <extracomment>Badge: administrator rights are held</extracomment>
        <translation>許可済み</translation>
    </message>
    <message>
        <source>Only needed to clean Windows Update leftovers.</source>
        <translation>Windows Update の残りファイルをクリーンアップする場合にのみ必要です。</translation>
    </message>
    <message>
        <source>Only needed to clean the package cache.</source>
        <translation>パッケージキャッシュをクリーンアップする場合にのみ必要です。</translation>
    </message>
    <message>
        <source>Restart as admin</source>
        <extracomment>Button: restart Varnholt with administrator rights</extracomment>
        <translation>管理者として再起動</translation>
    </message>
    <message>
        <source>Check for updates</source>
        <extracomment>Button</extracomment>
        <translation>更新を確認</translation>
    </message>
    <message>
        <source>Open logs</source>
        <extracomment>Button: open the folder of the cleanup logs</extracomment>
        <translation>ログを開く</translation>
    </message>
    <message>
        <source>Every cleanup writes a log you can review. Varnholt checks for updates when it starts.</source>
        <translation>クリーンアップのたびに、後で確認できるログが記録されます。Varnholt は起動時に更新を確認します。</translation>
    </message>
    <message>
        <source>Remove</source>
        <extracomment>Button beside an excluded folder: take it off the list</extracomment>
        <translation>削除</translation>
    </message>
    <message>
        <source>Files bigger than this appear in the Space Map.</source>
        <translation>このサイズを超えるファイルがスペースマップに表示されます。</translation>
    </message>
    <message>
        <source>Recent cleanups</source>
        <extracomment>Heading of a Settings section</extracomment>
        <translation>最近のクリーンアップ</translation>
    </message>
    <message>
        <source>No cleanups yet</source>
        <extracomment>In place of the list of recent cleanups</extracomment>
        <translation>まだクリーンアップはありません</translation>
    </message>
    <message>
        <source>Every cleanup writes a log you can review.</source>
        <translation>クリーンアップのたびに確認用のログが書き出されます。</translation>
    </message>
    <message>
        <source>Restore</source>
        <extracomment>Button beside a past cleanup: put back what it moved to the bin</extracomment>
        <translation>復元</translation>
    </message>
    <message>
        <source>Used by the “Unused” filter.</source>
        <translation>「未使用」フィルターで使われます。</translation>
    </message>
    <message>
        <source>Nothing was cleaned</source>
        <extracomment>What a past cleanup did</extracomment>
        <translation>何もクリーンアップされませんでした</translation>
    </message>
    <message>
        <source>Check again</source>
        <extracomment>Button beside a note: read the settings file again</extracomment>
        <translation>再確認</translation>
    </message>
    <message>
        <source>Your settings in %1 cannot be read, so what they hold is unknown. The options kept there stay locked until the file can be read again.</source>
        <extracomment>%1: a file&apos;s path</extracomment>
        <translation>%1 の設定を読み取れないため、その内容は不明です。ファイルを再び読み取れるようになるまで、そこに保存されているオプションはロックされたままです。</translation>
    </message>
    <message>
        <source>Varnholt could not start again. Close it and open it yourself to switch languages.</source>
        <translation>Varnholt を再起動できませんでした。言語を切り替えるには、Varnholt を閉じてからもう一度開いてください。</translation>
    </message>
    <message>
        <source>Move items to the Recycle Bin</source>
        <translation>項目をごみ箱に移動する</translation>
    </message>
    <message>
        <source>Move items to the Trash</source>
        <translation>項目をゴミ箱に移動する</translation>
    </message>
    <message>
        <source>Off</source>
        <comment>scheduled scan</comment>
        <translation>オフ</translation>
    </message>
    <message>
        <source>Weekly</source>
        <comment>scheduled scan</comment>
        <translation>毎週</translation>
    </message>
    <message>
        <source>Monthly</source>
        <comment>scheduled scan</comment>
        <translation>毎月</translation>
    </message>
    <message>
        <source>Keep a history of folder sizes</source>
        <translation>フォルダーサイズの履歴を残す</translation>
    </message>
    <message>
        <source>Once a day, Varnholt notes how big your folders are so it can show what grew. Nothing leaves this computer.</source>
        <translation>Varnholt は 1 日に 1 回フォルダーのサイズを記録し、何が増えたかを表示します。データがこのコンピューターの外に送られることはありません。</translation>
    </message>
    <message>
        <source>Open at login</source>
        <comment>setting: start Varnholt at login</comment>
        <translation>ログイン時に開く</translation>
    </message>
    <message>
        <source>Start with Windows</source>
        <comment>setting: start Varnholt at login</comment>
        <translation>Windows の起動時に開始</translation>
    </message>
    <message>
        <source>Start at login</source>
        <comment>setting: start Varnholt at login</comment>
        <translation>ログイン時に開始</translation>
    </message>
    <message>
        <source>System</source>
        <comment>theme that follows the system&apos;s light or dark mode</comment>
        <translation>システム</translation>
    </message>
    <message>
        <source>Light</source>
        <comment>theme</comment>
        <translation>ライト</translation>
    </message>
    <message>
        <source>Dark</source>
        <comment>theme</comment>
        <translation>ダーク</translation>
    </message>
    <message>
        <source>C:\Windows\System32, WinSxS, Program Files, drive roots — always skipped.</source>
        <extracomment>The folder names stay as the system writes them</extracomment>
        <translation>C:\Windows\System32、WinSxS、Program Files、ドライブのルート — 常にスキップされます。</translation>
    </message>
    <message>
        <source>/usr, /etc, /boot, /var/lib, system folders — always skipped.</source>
        <extracomment>The folder names stay as the system writes them</extracomment>
        <translation>/usr、/etc、/boot、/var/lib、システムフォルダー — 常にスキップされます。</translation>
    </message>
    <message>
        <source>%1 in all: the Recycle Bin emptied, items deleted permanently or moved to it</source>
        <comment>%1: a size</comment>
        <translation>合計 %1：ごみ箱を空にし、項目を完全に削除またはごみ箱に移動</translation>
    </message>
    <message>
        <source>%1 in all: the Trash emptied, items deleted permanently or moved to it</source>
        <comment>%1: a size</comment>
        <translation>合計 %1：ゴミ箱を空にし、項目を完全に削除またはゴミ箱に移動</translation>
    </message>
    <message>
        <source>%1 moved to the Recycle Bin or deleted permanently</source>
        <comment>%1: a size</comment>
        <translation>%1 をごみ箱に移動または完全に削除</translation>
    </message>
    <message>
        <source>%1 moved to the Trash or deleted permanently</source>
        <comment>%1: a size</comment>
        <translation>%1 をゴミ箱に移動または完全に削除</translation>
    </message>
    <message>
        <source>%1 in all: the Recycle Bin emptied, then items moved to it</source>
        <comment>%1: a size</comment>
        <translation>合計 %1：ごみ箱を空にしてから、項目をごみ箱に移動</translation>
    </message>
    <message>
        <source>%1 in all: the Trash emptied, then items moved to it</source>
        <comment>%1: a size</comment>
        <translation>合計 %1：ゴミ箱を空にしてから、項目をゴミ箱に移動</translation>
    </message>
    <message>
        <source>%1 moved to the Recycle Bin</source>
        <comment>%1: a size</comment>
        <translation>%1 をごみ箱に移動</translation>
    </message>
    <message>
        <source>%1 moved to the Trash</source>
        <comment>%1: a size</comment>
        <translation>%1 をゴミ箱に移動</translation>
    </message>
    <message>
        <source>%1 freed: items deleted permanently and the Recycle Bin emptied</source>
        <comment>%1: a size</comment>
        <translation>%1 を解放：項目を完全に削除し、ごみ箱を空にしました</translation>
    </message>
    <message>
        <source>%1 freed: items deleted permanently and the Trash emptied</source>
        <comment>%1: a size</comment>
        <translation>%1 を解放：項目を完全に削除し、ゴミ箱を空にしました</translation>
    </message>
    <message>
        <source>%1 deleted permanently</source>
        <comment>%1: a size</comment>
        <translation>%1 を完全に削除</translation>
    </message>
    <message>
        <source>The Recycle Bin was emptied: %1 freed</source>
        <comment>%1: a size</comment>
        <translation>ごみ箱を空にしました：%1 を解放</translation>
    </message>
    <message>
        <source>The Trash was emptied: %1 freed</source>
        <comment>%1: a size</comment>
        <translation>ゴミ箱を空にしました：%1 を解放</translation>
    </message>
    <message>
        <source>Put back what this cleanup moved to the Recycle Bin. Nothing that is in its place now is replaced.</source>
        <translation>このクリーンアップでごみ箱に移動したものを元に戻します。現在その場所にあるものは置き換えません。</translation>
    </message>
    <message>
        <source>Put back what this cleanup moved to the Trash. Nothing that is in its place now is replaced.</source>
        <translation>このクリーンアップでゴミ箱に移動したものを元に戻します。現在その場所にあるものは置き換えません。</translation>
    </message>
    <message>
        <source>Forget history</source>
        <translation>履歴を消去</translation>
    </message>
    <message>
        <source>Forget the history of folder sizes?</source>
        <translation>フォルダーサイズの履歴を消去しますか？</translation>
    </message>
    <message>
        <source>Every reading Varnholt took of your folder sizes is removed. What grew shows again once new readings have been taken.</source>
        <translation>Varnholt が記録したフォルダーサイズはすべて削除されます。新しい記録がそろうと、増えたものが再び表示されます。</translation>
    </message>
    <message>
        <source>The history of folder sizes is forgotten</source>
        <translation>フォルダーサイズの履歴を消去しました</translation>
    </message>
    <message>
        <source>Some readings of folder sizes could not be removed</source>
        <translation>一部のフォルダーサイズの記録を削除できませんでした</translation>
    </message>
    <message>
        <source>Closing the window keeps Varnholt running there.</source>
        <extracomment>Scheduled scans and alerts run when Varnholt starts, not while it waits in the menu bar</extracomment>
        <translation>ウィンドウを閉じても Varnholt はメニューバーで実行を続けます。</translation>
    </message>
    <message>
        <source>In the tray, Varnholt keeps running until you quit it.</source>
        <extracomment>Scheduled scans and alerts run when Varnholt starts, not while it waits in the tray</extracomment>
        <translation>通知領域に常駐している間、終了するまで Varnholt は実行を続けます。</translation>
    </message>
</context>
<context>
    <name>Sidebar</name>
    <message>
        <source>%1 available of %2</source>
        <extracomment>%1: the free size; %2: the disk&apos;s size</extracomment>
        <translation>空き容量 %1 / %2</translation>
    </message>
    <message>
        <source>Smart Scan</source>
        <extracomment>Sidebar entry: the Overview page with its scan of every cleanup category</extracomment>
        <translation>スマートスキャン</translation>
    </message>
    <message>
        <source>Cleanup</source>
        <extracomment>Sidebar entry: the page of the scan&apos;s results and the cleanup</extracomment>
        <translation>クリーンアップ</translation>
    </message>
    <message>
        <source>Space Map</source>
        <extracomment>Sidebar entry: the page that maps where disk space goes (not a geographic map)</extracomment>
        <translation>スペースマップ</translation>
    </message>
    <message>
        <source>Settings</source>
        <extracomment>Sidebar entry</extracomment>
        <translation>設定</translation>
    </message>
    <message>
        <source>%1 free</source>
        <extracomment>The collapsed sidebar&apos;s drive line; %1: a size</extracomment>
        <translation>空き %1</translation>
    </message>
    <message>
        <source>Clean</source>
        <extracomment>Heading over the sidebar&apos;s pages (a section title, not a command)</extracomment>
        <translation>整理</translation>
    </message>
    <message>
        <source>Expand sidebar</source>
        <comment>tooltip: widen the sidebar</comment>
        <translation>サイドバーを展開</translation>
    </message>
    <message>
        <source>Collapse sidebar</source>
        <comment>tooltip: narrow the sidebar to icons</comment>
        <translation>サイドバーを折りたたむ</translation>
    </message>
</context>
<context>
    <name>TitleBar</name>
    <message>
        <source>Menu</source>
        <extracomment>Tooltip of the title bar&apos;s button that opens the app menu</extracomment>
        <translation>メニュー</translation>
    </message>
    <message>
        <source>Minimize</source>
        <extracomment>Tooltip of a window button</extracomment>
        <translation>最小化</translation>
    </message>
    <message>
        <source>Close</source>
        <extracomment>Tooltip of a window button</extracomment>
        <translation>閉じる</translation>
    </message>
    <message>
        <source>Restore</source>
        <comment>window button: unmaximize</comment>
        <translation>元のサイズに戻す</translation>
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
        <translation>Varnholt は引き続き実行中です</translation>
    </message>
    <message>
        <source>Open Varnholt</source>
        <extracomment>Entry of the tray menu</extracomment>
        <translation>Varnholt を開く</translation>
    </message>
    <message>
        <source>Smart Scan</source>
        <extracomment>Entry of the tray menu: scan every cleanup category</extracomment>
        <translation>スマートスキャン</translation>
    </message>
    <message>
        <source>Settings</source>
        <extracomment>Entry of the tray menu</extracomment>
        <translation>設定</translation>
    </message>
    <message>
        <source>Check for Updates</source>
        <extracomment>Entry of the tray menu</extracomment>
        <translation>更新を確認</translation>
    </message>
    <message>
        <source>Quit Varnholt</source>
        <extracomment>Entry of the tray menu</extracomment>
        <translation>Varnholt を終了</translation>
    </message>
    <message>
        <source>%1 · %2 free</source>
        <extracomment>Tray tooltip; %1: a drive; %2: a size</extracomment>
        <translation>%1 · 空き %2</translation>
    </message>
    <message>
        <source>Space Map</source>
        <extracomment>Entry of the tray menu: open the page that maps where disk space goes</extracomment>
        <translation>スペースマップ</translation>
    </message>
    <message>
        <source>It stays in the system tray. Right-click the icon to quit.</source>
        <extracomment>Balloon shown once the window first hides in the tray</extracomment>
        <translation>通知領域に常駐しています。終了するにはアイコンを右クリックしてください。</translation>
    </message>
</context>
<context>
    <name>Updater</name>
    <message>
        <source>The update information could not be read.</source>
        <translation>更新情報を読み取れませんでした。</translation>
    </message>
    <message>
        <source>The update is not on Varnholt&apos;s server.</source>
        <translation>この更新は Varnholt のサーバー上にありません。</translation>
    </message>
    <message>
        <source>Could not save the update: %1</source>
        <extracomment>%1: the system&apos;s reason</extracomment>
        <translation>更新を保存できませんでした：%1</translation>
    </message>
    <message>
        <source>The update has an unexpected size.</source>
        <translation>更新のサイズが想定と異なります。</translation>
    </message>
    <message>
        <source>Could not start the installer.</source>
        <translation>インストーラーを起動できませんでした。</translation>
    </message>
    <message>
        <source>The update could not be downloaded: %1</source>
        <extracomment>%1: the network&apos;s reason</extracomment>
        <translation>更新をダウンロードできませんでした：%1</translation>
    </message>
    <message>
        <source>Could not read the update.</source>
        <translation>更新を読み取れませんでした。</translation>
    </message>
    <message>
        <source>The update does not match the published checksum.</source>
        <translation>更新が公開されているチェックサムと一致しません。</translation>
    </message>
    <message>
        <source>The update is not signed by %1.</source>
        <extracomment>%1: the publisher&apos;s name</extracomment>
        <translation>この更新は %1 によって署名されていません。</translation>
    </message>
    <message>
        <source>The update was downloaded. Install it with your package manager.</source>
        <translation>更新をダウンロードしました。パッケージマネージャーでインストールしてください。</translation>
    </message>
    <message>
        <source>The update was not installed, because Windows did not get permission to install it.</source>
        <translation>Windows がインストールの許可を得られなかったため、更新はインストールされませんでした。</translation>
    </message>
    <message>
        <source>The connection to the update server timed out.</source>
        <translation>更新サーバーへの接続がタイムアウトしました。</translation>
    </message>
    <message>
        <source>The update is not the published version %1.</source>
        <extracomment>%1: a version number</extracomment>
        <translation>この更新は公開されているバージョン %1 ではありません。</translation>
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
        <translation>今日</translation>
    </message>
    <message>
        <source>Yesterday</source>
        <extracomment>A relative date</extracomment>
        <translation>昨日</translation>
    </message>
    <message numerus="yes">
        <source>%n day(s) ago</source>
        <extracomment>A relative date</extracomment>
        <translation>
            <numerusform>%n 日前</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n week(s) ago</source>
        <extracomment>A relative date</extracomment>
        <translation>
            <numerusform>%n 週間前</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n month(s) ago</source>
        <extracomment>A relative date</extracomment>
        <translation>
            <numerusform>%n か月前</numerusform>
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
