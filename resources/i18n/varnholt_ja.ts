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
    <message>
        <source>1 file</source>
        <translation>1 個のファイル</translation>
    </message>
    <message>
        <source>%1 files</source>
        <translation>%1 個のファイル</translation>
    </message>
    <message>
        <source>%1 (%2) moved to the %3</source>
        <translation>%1（%2）を%3に移動しました</translation>
    </message>
    <message>
        <source> · %1 in use, skipped</source>
        <translation> · %1 件は使用中のためスキップ</translation>
    </message>
    <message numerus="yes">
        <source>Restored %n file(s)</source>
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
        <source>Restored %n item(s) from the %1</source>
        <translation>
            <numerusform>%1から%n個の項目を復元しました</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 not restored: %2</source>
        <translation>%1 件は復元されませんでした: %2</translation>
    </message>
    <message>
        <source>found through the %1&apos;s own records (an older log)</source>
        <translation>%1自身の記録から見つけました（古い形式のログ）</translation>
    </message>
    <message numerus="yes">
        <source>At this rate the disk is full in about %n week(s)</source>
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
        <translation>空き容量は 1 日あたり約 %1 減っています</translation>
    </message>
    <message>
        <source>Free space rises by about %1 a day</source>
        <translation>空き容量は 1 日あたり約 %1 増えています</translation>
    </message>
    <message>
        <source> · %1 could not be moved to the %2</source>
        <translation> · %1 件は%2に移動できませんでした</translation>
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
        <translation>すべてのドライブ</translation>
    </message>
    <message>
        <source>Items you have already deleted. Emptying cannot be undone.</source>
        <translation>削除済みの項目です。空にすると元に戻せません。</translation>
    </message>
    <message>
        <source>Temporary files</source>
        <translation>一時ファイル</translation>
    </message>
    <message>
        <source>App caches</source>
        <translation>アプリのキャッシュ</translation>
    </message>
    <message>
        <source>Cache folders in %LOCALAPPDATA% and %APPDATA%</source>
        <translation>%LOCALAPPDATA% と %APPDATA% 内のキャッシュフォルダー</translation>
    </message>
    <message>
        <source>DirectX shader cache</source>
        <translation>DirectX シェーダーキャッシュ</translation>
    </message>
    <message>
        <source>Browser caches</source>
        <translation>ブラウザーのキャッシュ</translation>
    </message>
    <message>
        <source>Internet cache</source>
        <translation>インターネット キャッシュ</translation>
    </message>
    <message>
        <source>Logs &amp; crash reports</source>
        <translation>ログとクラッシュレポート</translation>
    </message>
    <message>
        <source>Thumbnail cache</source>
        <translation>サムネイルキャッシュ</translation>
    </message>
    <message>
        <source>Windows Update leftovers</source>
        <translation>Windows Update の残りファイル</translation>
    </message>
    <message>
        <source>Files left behind after Windows updates are installed. Safe once the update is complete; Windows downloads them again if it needs them.</source>
        <translation>Windows Update のインストール後に残ったファイルです。更新が完了していれば安全に削除でき、必要な場合は Windows が再ダウンロードします。</translation>
    </message>
    <message>
        <source>Windows Update downloads</source>
        <translation>Windows Update のダウンロード</translation>
    </message>
    <message>
        <source>Delivery Optimization cache</source>
        <translation>配信の最適化キャッシュ</translation>
    </message>
    <message>
        <source>Developer caches</source>
        <translation>開発者キャッシュ</translation>
    </message>
    <message>
        <source>Recycle Bin</source>
        <translation>ごみ箱</translation>
    </message>
    <message>
        <source>Package cache</source>
        <translation>パッケージキャッシュ</translation>
    </message>
    <message>
        <source>Packages the package manager keeps after installing them. Safe to remove; they are downloaded again if they are needed.</source>
        <translation>パッケージマネージャーがインストール後も保持しているパッケージです。安全に削除でき、必要になれば再ダウンロードされます。</translation>
    </message>
    <message>
        <source>DNF package cache</source>
        <translation>DNF パッケージキャッシュ</translation>
    </message>
    <message>
        <source>Trash</source>
        <translation>ゴミ箱</translation>
    </message>
    <message>
        <source>Safe</source>
        <translation>安全</translation>
    </message>
    <message>
        <source>Review</source>
        <translation>要確認</translation>
    </message>
    <message>
        <source>Permanent</source>
        <translation>完全削除</translation>
    </message>
    <message>
        <source>%1 (all drives)</source>
        <translation>%1（すべてのドライブ）</translation>
    </message>
    <message>
        <source>%1 was left out: it leads through a link to %2.</source>
        <translation>%1 は対象外にしました。リンクを経由して %2 を指しています。</translation>
    </message>
    <message>
        <source>%1 was left out: it is the home folder or holds it.</source>
        <translation>%1 は対象外にしました。ホームフォルダーそのもの、またはホームフォルダーを含むフォルダーです。</translation>
    </message>
    <message>
        <source>%1 was left out: it lies in a protected location.</source>
        <translation>%1 は対象外にしました。保護された場所にあります。</translation>
    </message>
    <message>
        <source>%1 was left out: it overlaps %2.</source>
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
        <translation>%1（PID %2）</translation>
    </message>
    <message>
        <source>%1 is left out: another program is working in it.</source>
        <translation>%1 は除外されます：別のプログラムが使用中です。</translation>
    </message>
    <message>
        <source>%1 is left out: in use by %2.</source>
        <translation>%1 は除外されます：%2 が使用中です。</translation>
    </message>
    <message>
        <source>%1 is left out: its name is not valid text.</source>
        <translation>%1 は除外されます：名前が有効なテキストではありません。</translation>
    </message>
    <message>
        <source>npm cache</source>
        <translation>npm キャッシュ</translation>
    </message>
    <message>
        <source>Yarn cache</source>
        <translation>Yarn キャッシュ</translation>
    </message>
    <message>
        <source>pip cache</source>
        <translation>pip キャッシュ</translation>
    </message>
    <message>
        <source>NuGet HTTP cache</source>
        <translation>NuGet HTTP キャッシュ</translation>
    </message>
    <message>
        <source>Go build cache</source>
        <translation>Go ビルド キャッシュ</translation>
    </message>
    <message>
        <source>Gradle caches</source>
        <translation>Gradle キャッシュ</translation>
    </message>
    <message>
        <source>Cargo registry cache</source>
        <translation>Cargo レジストリ キャッシュ</translation>
    </message>
</context>
<context>
    <name>Cleaner</name>
    <message>
        <source>delete permanently</source>
        <translation>完全に削除</translation>
    </message>
</context>
<context>
    <name>CleanupPage</name>
    <message>
        <source>SAFE TO CLEAN</source>
        <translation>安全にクリーンアップ可能</translation>
    </message>
    <message>
        <source>REVIEW BEFORE CLEANING</source>
        <translation>クリーンアップ前に確認</translation>
    </message>
    <message>
        <source>CANNOT BE UNDONE</source>
        <translation>元に戻せません</translation>
    </message>
    <message>
        <source>Cleanup</source>
        <translation>クリーンアップ</translation>
    </message>
    <message>
        <source>Nothing scanned yet</source>
        <translation>まだスキャンしていません</translation>
    </message>
    <message>
        <source>Find caches, temporary files and leftovers.</source>
        <translation>キャッシュ、一時ファイル、残りファイルを見つけます。</translation>
    </message>
    <message>
        <source>Start Smart Scan</source>
        <translation>スマートスキャンを開始</translation>
    </message>
    <message>
        <source>Scanning</source>
        <translation>スキャン中</translation>
    </message>
    <message>
        <source>In progress</source>
        <translation>実行中</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>停止</translation>
    </message>
    <message>
        <source>Items checked</source>
        <translation>スキャンした項目</translation>
    </message>
    <message>
        <source>Elapsed</source>
        <translation>経過時間</translation>
    </message>
    <message>
        <source>Remaining</source>
        <translation>残り時間</translation>
    </message>
    <message>
        <source>found</source>
        <translation>検出</translation>
    </message>
    <message>
        <source>Cleaning</source>
        <translation>クリーンアップ中</translation>
    </message>
    <message>
        <source>of %1</source>
        <translation>%1 中</translation>
    </message>
    <message>
        <source>Cleanup complete</source>
        <translation>クリーンアップ完了</translation>
    </message>
    <message>
        <source>Available before</source>
        <translation>クリーンアップ前の空き容量</translation>
    </message>
    <message>
        <source>Available now</source>
        <translation>現在の空き容量</translation>
    </message>
    <message>
        <source>&lt;b&gt;Some files need administrator rights.&lt;/b&gt; Restart Varnholt as administrator and clean again to remove them.</source>
        <translation>&lt;b&gt;一部のファイルには管理者権限が必要です。&lt;/b&gt;Varnholt を管理者として再起動し、もう一度クリーンアップすると削除できます。</translation>
    </message>
    <message>
        <source>Restart as admin</source>
        <translation>管理者として再起動</translation>
    </message>
    <message>
        <source>View log</source>
        <translation>ログを表示</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>完了</translation>
    </message>
    <message>
        <source>Items were deleted permanently.</source>
        <translation>項目は完全に削除されました。</translation>
    </message>
    <message>
        <source>For example: %1</source>
        <translation>例: %1</translation>
    </message>
    <message>
        <source>&lt;b&gt;Left caches of running apps alone:&lt;/b&gt; %1. Quit them and clean again to include them.</source>
        <translation>&lt;b&gt;実行中のアプリのキャッシュは削除しませんでした:&lt;/b&gt; %1。これらのアプリを終了してもう一度クリーンアップすると、対象に含まれます。</translation>
    </message>
    <message>
        <source>Needs administrator</source>
        <translation>管理者権限が必要</translation>
    </message>
    <message>
        <source>Select recommended</source>
        <translation>推奨項目を選択</translation>
    </message>
    <message>
        <source>Rescan</source>
        <translation>再スキャン</translation>
    </message>
    <message>
        <source>Select all</source>
        <translation>すべて選択</translation>
    </message>
    <message>
        <source>%1 can be cleaned</source>
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
        <translation>%1 が実行中です。終了すると、そのキャッシュも対象に含まれます。</translation>
    </message>
    <message>
        <source>%1 are open. Quit them to include their caches.</source>
        <translation>%1 が実行中です。これらを終了すると、キャッシュも対象に含まれます。</translation>
    </message>
    <message>
        <source>Largest items</source>
        <translation>サイズの大きい項目</translation>
    </message>
    <message>
        <source>Show in %1</source>
        <translation>%1で表示</translation>
    </message>
    <message>
        <source>%1 is running</source>
        <translation>%1 が実行中</translation>
    </message>
    <message>
        <source>Show %1 more</source>
        <translation>さらに %1 件を表示</translation>
    </message>
    <message>
        <source>moved to the %1</source>
        <translation>%1に移動されます</translation>
    </message>
    <message>
        <source>deleted permanently</source>
        <translation>完全に削除されます</translation>
    </message>
    <message>
        <source>&lt;b style=&apos;color:%1&apos;&gt;%2&lt;/b&gt; selected%3</source>
        <translation>&lt;b style=&apos;color:%1&apos;&gt;%2&lt;/b&gt; を選択中%3</translation>
    </message>
    <message>
        <source> · some need admin</source>
        <translation> · 一部は管理者権限が必要</translation>
    </message>
    <message>
        <source>Clean %1</source>
        <translation>%1 をクリーンアップ</translation>
    </message>
    <message>
        <source>Large files</source>
        <translation>大きなファイル</translation>
    </message>
    <message numerus="yes">
        <source>%Ln item(s)</source>
        <translation>
            <numerusform>%Ln 件</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>and %Ln more item(s)</source>
        <translation>
            <numerusform>ほか %Ln 件</numerusform>
        </translation>
    </message>
    <message>
        <source>Check again</source>
        <translation>再確認</translation>
    </message>
    <message>
        <source>Your settings in %1 cannot be read, so your exclusions and your choice between the %2 and deleting are unknown. Cleaning stays off until the file can be read again.</source>
        <translation>%1 の設定を読み取れないため、除外の指定と、%2に移動するか削除するかの選択が不明です。ファイルを再び読み取れるようになるまで、クリーンアップは無効のままです。</translation>
    </message>
    <message>
        <source>Partly cleaned</source>
        <translation>一部のみクリーンアップ</translation>
    </message>
    <message>
        <source>Nothing was cleaned</source>
        <translation>何もクリーンアップされませんでした</translation>
    </message>
    <message>
        <source>None of the %1 selected could be cleaned.</source>
        <translation>選択した %1 はどれもクリーンアップできませんでした。</translation>
    </message>
    <message>
        <source>No app could open %1</source>
        <translation>%1 を開けるアプリがありません</translation>
    </message>
    <message>
        <source>The %1 could not show %2</source>
        <translation>%1で %2 を表示できませんでした</translation>
    </message>
    <message>
        <source>Scan again to see what can be cleaned.</source>
        <translation>もう一度スキャンすると、クリーンアップできる項目が表示されます。</translation>
    </message>
    <message>
        <source>Measuring…</source>
        <translation>計測中…</translation>
    </message>
    <message>
        <source>%1 of it needs administrator rights.</source>
        <translation>そのうち %1 には管理者権限が必要です。</translation>
    </message>
    <message>
        <source>freed or moved to the %1</source>
        <comment>what the figure of a finished cleanup is</comment>
        <translation>解放または%1に移動</translation>
    </message>
    <message>
        <source>moved to the %1</source>
        <comment>what the figure of a finished cleanup is</comment>
        <translation>%1に移動済み</translation>
    </message>
    <message>
        <source>freed</source>
        <comment>what the figure of a finished cleanup is</comment>
        <translation>解放済み</translation>
    </message>
    <message>
        <source>of %1 selected · %2</source>
        <translation>選択した %1 のうち · %2</translation>
    </message>
    <message>
        <source>Restore all</source>
        <translation>すべて復元</translation>
    </message>
    <message>
        <source>Put everything this cleanup moved to the %1 back where it was</source>
        <translation>このクリーンアップで%1に移動したものをすべて元の場所に戻します</translation>
    </message>
    <message>
        <source>Restoring…</source>
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
        <source>Some items were moved to the %1 and the rest deleted permanently. You can still restore what was moved.</source>
        <translation>一部の項目は%1に移動し、残りは完全に削除しました。移動した項目はまだ元に戻せます。</translation>
    </message>
    <message>
        <source>Moved to the %1. You can still restore anything.</source>
        <translation>%1に移動しました。どれでもまだ元に戻せます。</translation>
    </message>
    <message numerus="yes">
        <source>&lt;b&gt;%Ln item(s) could not be moved to the %1&lt;/b&gt; and were left where they are.</source>
        <translation>
            <numerusform>&lt;b&gt;%Ln 個の項目を%1に移動できませんでした&lt;/b&gt;。元の場所に残しています。</numerusform>
        </translation>
    </message>
    <message>
        <source>This cleanup wrote no log; its folder is open instead.</source>
        <translation>このクリーンアップではログが書き込まれなかったため、代わりにログのフォルダーを開きました。</translation>
    </message>
    <message>
        <source>The log %1 is gone; its folder is open instead.</source>
        <translation>ログ %1 が見つからないため、代わりにそのフォルダーを開きました。</translation>
    </message>
    <message>
        <source>Varnholt did not restart: administrator rights were refused or could not be asked for.</source>
        <translation>Varnholt は再起動しませんでした。管理者権限が拒否されたか、要求できませんでした。</translation>
    </message>
    <message>
        <source>No %1 on this drive</source>
        <translation>このドライブには%1がありません</translation>
    </message>
    <message>
        <source>Cannot go to the %1</source>
        <translation>%1に移動できません</translation>
    </message>
</context>
<context>
    <name>Cli</name>
    <message>
        <source>Cannot read the catalogue file %1: %2</source>
        <translation>カタログファイル %1 を読み取れません: %2</translation>
    </message>
    <message>
        <source>The catalogue file %1 is not valid JSON: %2</source>
        <translation>カタログファイル %1 は有効な JSON ではありません: %2</translation>
    </message>
    <message>
        <source>The catalogue file %1 is not usable: %2</source>
        <translation>カタログファイル %1 は使用できません: %2</translation>
    </message>
    <message>
        <source>a category has no id</source>
        <translation>id のないカテゴリがあります</translation>
    </message>
    <message>
        <source>the id &quot;%1&quot; appears twice</source>
        <translation>id「%1」が重複しています</translation>
    </message>
    <message>
        <source>the risk of &quot;%1&quot; is not Safe, Review or Permanent</source>
        <translation>「%1」のリスクが Safe、Review、Permanent のいずれでもありません</translation>
    </message>
    <message>
        <source>a root of &quot;%1&quot; is not an absolute path</source>
        <translation>「%1」のルートに絶対パスでないものがあります</translation>
    </message>
    <message>
        <source>it lists no categories</source>
        <translation>カテゴリが 1 つも記載されていません</translation>
    </message>
    <message>
        <source>Interrupted.</source>
        <translation>中断しました。</translation>
    </message>
    <message>
        <source>Scanning %1 · %2 · %3 files · %4</source>
        <translation>%1 をスキャン中 · %2 · %3 個のファイル · %4</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>カテゴリ</translation>
    </message>
    <message>
        <source>Risk</source>
        <translation>リスク</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>サイズ</translation>
    </message>
    <message>
        <source>Files</source>
        <translation>ファイル数</translation>
    </message>
    <message>
        <source>Items</source>
        <translation>項目数</translation>
    </message>
    <message>
        <source>(%1 is running)</source>
        <translation>（%1 が実行中）</translation>
    </message>
    <message>
        <source>… %1 more (--json lists all)</source>
        <translation>… ほか %1 件（--json ですべて表示）</translation>
    </message>
    <message>
        <source>%1 found · %2 files checked · %3 s</source>
        <translation>%1 を検出 · %2 個のファイルを確認 · %3 秒</translation>
    </message>
    <message>
        <source>Some folders of %1 could not be read.</source>
        <translation>「%1」の一部のフォルダーを読み取れませんでした。</translation>
    </message>
    <message>
        <source>Keeping %1 as a whole: %2 lies inside it.</source>
        <translation>%1 全体を残します: %2 はその中にあります。</translation>
    </message>
    <message>
        <source>Freed %1 · %2 removed · %3 skipped</source>
        <translation>%1 を解放 · %2を削除 · %3 件をスキップ</translation>
    </message>
    <message numerus="yes">
        <source>%n file(s)</source>
        <translation>
            <numerusform>%n 個のファイル</numerusform>
        </translation>
    </message>
    <message>
        <source>Cleaned: %1</source>
        <translation>クリーンアップ済み: %1</translation>
    </message>
    <message>
        <source>Skipped (in use or access denied):</source>
        <translation>スキップしたファイル（使用中またはアクセス拒否）:</translation>
    </message>
    <message>
        <source>Left alone because they are running: %1</source>
        <translation>実行中のためキャッシュを残したアプリ: %1</translation>
    </message>
    <message>
        <source>Some items need administrator rights.</source>
        <translation>一部の項目には管理者権限が必要です。</translation>
    </message>
    <message>
        <source>Log: %1</source>
        <translation>ログ: %1</translation>
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
        <translation>クリーンアップ中 %1 / %2 · %3</translation>
    </message>
    <message>
        <source>%1 files checked · %2 found (%3) · %4</source>
        <translation>%1 個のファイルを確認 · %2 件を検出（%3） · %4</translation>
    </message>
    <message>
        <source>The search for large files did not complete.</source>
        <translation>大きなファイルの検索が完了しませんでした。</translation>
    </message>
    <message>
        <source>Kind</source>
        <translation>種類</translation>
    </message>
    <message>
        <source>Last used</source>
        <translation>最終使用日</translation>
    </message>
    <message>
        <source>Path</source>
        <translation>パス</translation>
    </message>
    <message numerus="yes">
        <source>%n large file(s)</source>
        <translation>
            <numerusform>%n 個の大きなファイル</numerusform>
        </translation>
    </message>
    <message>
        <source>Cannot read %1.</source>
        <translation>%1 を読み取れません。</translation>
    </message>
    <message>
        <source>Newest</source>
        <translation>最終更新</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>所要時間</translation>
    </message>
    <message>
        <source>%1 ms</source>
        <translation>%1 ミリ秒</translation>
    </message>
    <message>
        <source>Run &quot;varnholt-cli --help&quot; for the usage.</source>
        <translation>使い方は「varnholt-cli --help」で確認できます。</translation>
    </message>
    <message>
        <source>No command given.</source>
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
        <translation>%2 コマンドでは引数「%1」を使用できません。</translation>
    </message>
    <message>
        <source>measure takes exactly one PATH.</source>
        <translation>measure に指定できる PATH は 1 つだけです。</translation>
    </message>
    <message>
        <source>none</source>
        <translation>なし</translation>
    </message>
    <message>
        <source>Unknown option &quot;%1&quot; for %2. Options of %2: %3.</source>
        <translation>%2 コマンドに不明なオプション「%1」が指定されました。%2 のオプション: %3。</translation>
    </message>
    <message>
        <source>%1 needs a value.</source>
        <translation>%1 には値が必要です。</translation>
    </message>
    <message>
        <source>%1 takes no value.</source>
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
        <translation>--threshold-mb には「%1」ではなく、MB 単位の正の数（例: 500）を指定してください。</translation>
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
        <translation>%1 は不明なカテゴリです。使用できるカテゴリ: %2。</translation>
    </message>
    <message>
        <source>a flag of &quot;%1&quot; is not true or false</source>
        <translation>「%1」のフラグが true でも false でもありません</translation>
    </message>
    <message>
        <source>the patterns of a root of &quot;%1&quot; are not a list of names</source>
        <translation>「%1」のルートのパターンが名前のリストではありません</translation>
    </message>
    <message>
        <source>the minAgeMs of a root of &quot;%1&quot; is not a whole number of milliseconds from 0 to 100 years</source>
        <translation>「%1」のルートの minAgeMs が 0 から 100 年までの整数のミリ秒ではありません</translation>
    </message>
    <message>
        <source>Warning: cannot read the settings file %1; this run may not use your settings.</source>
        <translation>警告: 設定ファイル %1 を読み取れません。今回の実行ではお使いの設定が反映されない可能性があります。</translation>
    </message>
    <message>
        <source>Cannot read the settings file %1, so your exclusions and your choice between the trash and deleting are unknown. Nothing was cleaned: fix or remove that file first.</source>
        <translation>設定ファイル %1 を読み取れないため、除外の指定と、ゴミ箱に移動するか削除するかの選択が不明です。何もクリーンアップしていません。先にこのファイルを修正するか削除してください。</translation>
    </message>
    <message>
        <source>--skip-item %1 names no item of the categories given.</source>
        <translation>--skip-item %1 は指定したカテゴリのどの項目にも当たりません。</translation>
    </message>
    <message>
        <source>Nothing was cleaned.</source>
        <translation>何もクリーンアップしていません。</translation>
    </message>
    <message>
        <source>Moved %1 to the %2 · freed %3 · %4 removed · %5 skipped</source>
        <translation>%1 を%2に移動 · %3 を解放 · %4を削除 · %5 件をスキップ</translation>
    </message>
    <message>
        <source>Action</source>
        <translation>操作</translation>
    </message>
    <message>
        <source>move to %1</source>
        <translation>%1 に移動</translation>
    </message>
    <message>
        <source>delete</source>
        <translation>削除</translation>
    </message>
    <message>
        <source>Would stay:</source>
        <translation>残る項目:</translation>
    </message>
    <message numerus="yes">
        <source>Preview only, nothing was removed: %n path(s) would go, %1.</source>
        <translation>
            <numerusform>プレビューのみで、何も削除していません: %n 個のパス（%1）が対象です。</numerusform>
        </translation>
    </message>
    <message>
        <source>The disk is already full.</source>
        <translation>ディスクはすでにいっぱいです。</translation>
    </message>
    <message numerus="yes">
        <source>No forecast yet: the records of free space cover %n day(s); a forecast needs at least %1.</source>
        <translation>
            <numerusform>まだ予測できません: 空き容量の記録は %n 日分です。予測には少なくとも %1 日分必要です。</numerusform>
        </translation>
    </message>
    <message>
        <source>No forecast: free space is not falling.</source>
        <translation>予測なし: 空き容量は減っていません。</translation>
    </message>
    <message>
        <source>No forecast: at this rate the disk is not full within a year.</source>
        <translation>予測なし: このペースでは 1 年以内にディスクがいっぱいになることはありません。</translation>
    </message>
    <message numerus="yes">
        <source>%n record(s) of free space since %1</source>
        <translation>
            <numerusform>%1 以降の空き容量の記録: %n 件</numerusform>
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
        <translation>不明なコマンド「%1」です。使用できるコマンド: %2。</translation>
    </message>
    <message numerus="yes">
        <source>In use by %1 (PID %2): %n file(s)</source>
        <translation>
            <numerusform>%1 (PID %2) が使用中: %n 個のファイル</numerusform>
        </translation>
    </message>
    <message>
        <source>Kept because something in them changed since the scan: %1</source>
        <translation>スキャン後に内容が変更されたため残した項目：%1</translation>
    </message>
    <message>
        <source>No cleanup has moved anything to the %1; there is nothing to restore.</source>
        <translation>%1 に何かを移動したクリーンアップはありません。復元するものはありません。</translation>
    </message>
    <message>
        <source>As root, the catalogue file %1 is used only when it and every folder above it belong to root and no one else may change them.</source>
        <translation>root として実行する場合、カタログ ファイル %1 は、そのファイルと上位のすべてのフォルダーが root の所有で、ほかの誰も変更できないときにだけ使用されます。</translation>
    </message>
    <message>
        <source>As root, Varnholt works in root&apos;s own folders (%1) and ignores %2: another user can change where they lead.</source>
        <translation>root として実行する場合、Varnholt は root 自身のフォルダー（%1）で動作し、%2 は無視します。ほかのユーザーがその行き先を変更できるためです。</translation>
    </message>
    <message>
        <source>Could not be moved to the %1, left where they are:</source>
        <translation>%1に移動できず、元の場所に残したもの:</translation>
    </message>
    <message numerus="yes">
        <source>… and %n more</source>
        <translation>
            <numerusform>… ほか %n 件</numerusform>
        </translation>
    </message>
    <message>
        <source>Cannot read the settings file %1, so your exclusions and your choice between the Recycle Bin and deleting are unknown. Nothing was cleaned: fix or remove that file first.</source>
        <translation>設定ファイル %1 を読み取れないため、除外の指定と、ごみ箱に移動するか削除するかの選択が不明です。何もクリーンアップしていません。先にこのファイルを修正するか削除してください。</translation>
    </message>
    <message numerus="yes">
        <source>No forecast yet: the free space has been recorded %n time(s) (the Varnholt app records it when it starts); a forecast needs at least %1.</source>
        <translation>
            <numerusform>まだ予測できません: 空き容量の記録は %n 回です (Varnholt アプリが起動時に記録します)。予測には少なくとも %1 回必要です。</numerusform>
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
</context>
<context>
    <name>LargeFilesPage</name>
    <message>
        <source>Space Map</source>
        <translation>スペースマップ</translation>
    </message>
    <message>
        <source>Rescan</source>
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
        <translation>大きなファイルを検索</translation>
    </message>
    <message>
        <source>Largest so far</source>
        <translation>現時点で最大のファイル</translation>
    </message>
    <message>
        <source>Looking for large files…</source>
        <translation>大きなファイルを検索しています…</translation>
    </message>
    <message>
        <source>All</source>
        <translation>すべて</translation>
    </message>
    <message>
        <source>Unused %1+ months</source>
        <translation>%1 か月以上未使用</translation>
    </message>
    <message>
        <source>Downloads</source>
        <translation>ダウンロード</translation>
    </message>
    <message>
        <source>Search files</source>
        <translation>ファイルを検索</translation>
    </message>
    <message>
        <source>Show in %1</source>
        <translation>%1で表示</translation>
    </message>
    <message>
        <source>Move to %1</source>
        <translation>%1に移動</translation>
    </message>
    <message>
        <source>Home folder · over %1</source>
        <translation>ホームフォルダー · %1 超</translation>
    </message>
    <message numerus="yes">
        <source>&lt;b style=&apos;color:%1&apos;&gt;%2&lt;/b&gt; selected of %3 · %Ln file(s)</source>
        <translation>
            <numerusform>%3 中 &lt;b style=&apos;color:%1&apos;&gt;%2&lt;/b&gt; を選択中 · %Ln 個のファイル</numerusform>
        </translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>停止</translation>
    </message>
    <message>
        <source>Clear search</source>
        <translation>検索をクリア</translation>
    </message>
    <message>
        <source>No files match “%1”.</source>
        <translation>「%1」に一致するファイルはありません。</translation>
    </message>
    <message>
        <source>No files in this view.</source>
        <translation>この表示にはファイルがありません。</translation>
    </message>
    <message>
        <source>No files over %1 in your home folder.</source>
        <translation>ホームフォルダーに %1 を超えるファイルはありません。</translation>
    </message>
    <message>
        <source>The %1 could not show %2</source>
        <translation>%1で %2 を表示できませんでした</translation>
    </message>
    <message>
        <source>Files to show</source>
        <translation>表示するファイル</translation>
    </message>
</context>
<context>
    <name>Main</name>
    <message>
        <source>%1 is almost full. Run Smart Scan to free up space.</source>
        <translation>%1 の空き容量がほとんどありません。スマートスキャンを実行して空き容量を増やしてください。</translation>
    </message>
    <message>
        <source>Varnholt was updated to version %1.</source>
        <translation>Varnholt はバージョン %1 に更新されました。</translation>
    </message>
    <message numerus="yes">
        <source>%1 is filling up: at this rate it is full in about %n day(s). Run Smart Scan to free up space.</source>
        <translation>
            <numerusform>%1 の空き容量が減り続けています。このペースでは約 %n 日でいっぱいになります。スマートスキャンを実行して空き容量を増やしてください。</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>MenuBar</name>
    <message>
        <source>Varnholt Website</source>
        <translation>Varnholt の Web サイト</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>設定</translation>
    </message>
    <message>
        <source>Check for Updates</source>
        <translation>更新を確認</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>ヘルプ</translation>
    </message>
    <message>
        <source>Guide</source>
        <translation>ガイド</translation>
    </message>
    <message>
        <source>FAQ</source>
        <translation>よくある質問</translation>
    </message>
    <message>
        <source>Open Log Folder</source>
        <translation>ログフォルダーを開く</translation>
    </message>
    <message>
        <source>About Varnholt</source>
        <translation>Varnholt について</translation>
    </message>
    <message>
        <source>Quit Varnholt</source>
        <translation>Varnholt を終了</translation>
    </message>
    <message>
        <source>The log folder %1 could not be created.</source>
        <translation>ログフォルダー %1 を作成できませんでした。</translation>
    </message>
</context>
<context>
    <name>Overlay</name>
    <message>
        <source>Version %1</source>
        <translation>バージョン %1</translation>
    </message>
    <message>
        <source>Finds the space your computer can spare.</source>
        <translation>コンピューターの不要な容量を見つけ出します。</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>閉じる</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>元に戻す</translation>
    </message>
    <message>
        <source>Keep Varnholt running?</source>
        <translation>Varnholt の実行を続けますか？</translation>
    </message>
    <message>
        <source>Varnholt can stay in the system tray when you close the window, so scheduled scans and low space alerts keep working. You can open it again from the tray icon.</source>
        <translation>ウィンドウを閉じても Varnholt をシステムトレイに常駐させておくと、定期スキャンと空き容量不足の通知が引き続き動作します。トレイアイコンからいつでも再び開けます。</translation>
    </message>
    <message>
        <source>Remember my choice</source>
        <translation>選択を記憶する</translation>
    </message>
    <message>
        <source>You can change this in Settings.</source>
        <translation>この設定は「設定」でいつでも変更できます。</translation>
    </message>
    <message>
        <source>Keep in tray</source>
        <translation>トレイに常駐</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>終了</translation>
    </message>
    <message>
        <source>Clean %1?</source>
        <translation>%1 をクリーンアップしますか？</translation>
    </message>
    <message>
        <source>Permanent delete is on. These files can&apos;t be recovered.</source>
        <translation>完全削除がオンになっています。これらのファイルは復元できません。</translation>
    </message>
    <message>
        <source>Emptying the %1 can&apos;t be undone. Everything else goes to the %1.</source>
        <translation>%1を空にすると元に戻せません。その他の項目はすべて%1に移動されます。</translation>
    </message>
    <message>
        <source>Everything will be moved to the %1, so you can restore it later.</source>
        <translation>すべて%1に移動されるため、後で復元できます。</translation>
    </message>
    <message>
        <source>Clean and delete</source>
        <translation>クリーンアップして削除</translation>
    </message>
    <message>
        <source>Clean</source>
        <translation>クリーンアップ</translation>
    </message>
    <message>
        <source>What&apos;s new</source>
        <translation>更新内容</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>再試行</translation>
    </message>
    <message>
        <source>Update now</source>
        <translation>今すぐ更新</translation>
    </message>
    <message>
        <source>Varnholt is up to date</source>
        <translation>Varnholt は最新です</translation>
    </message>
    <message>
        <source>Version %1 is the latest version.</source>
        <translation>バージョン %1 が最新バージョンです。</translation>
    </message>
    <message>
        <source>An update is available</source>
        <translation>利用可能な更新があります</translation>
    </message>
    <message>
        <source>Version %1 is available. You have %2.</source>
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
        <translation>更新をダウンロードしています…</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 / %2</translation>
    </message>
    <message>
        <source>Installing the update…</source>
        <translation>更新をインストールしています…</translation>
    </message>
    <message>
        <source>Varnholt closes and starts again when the update is installed.</source>
        <translation>更新がインストールされると、Varnholt はいったん終了して再起動します。</translation>
    </message>
    <message>
        <source>Checking for updates…</source>
        <translation>更新を確認しています…</translation>
    </message>
    <message>
        <source>Version %1 is installed.</source>
        <translation>バージョン %1 がインストールされています。</translation>
    </message>
    <message>
        <source>Later</source>
        <translation>後で</translation>
    </message>
    <message>
        <source>Some of it needs administrator rights: without them those files are skipped.</source>
        <translation>一部には管理者権限が必要です。権限がない場合、それらのファイルはスキップされます。</translation>
    </message>
    <message>
        <source>Everything that will go</source>
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
        <source>%n path(s) · %1</source>
        <translation>
            <numerusform>%n 個のパス · %1</numerusform>
        </translation>
    </message>
    <message>
        <source>These cannot be moved to the %1</source>
        <translation>これらは%1に移動できません</translation>
    </message>
    <message numerus="yes">
        <source>and %n more</source>
        <translation>
            <numerusform>ほか %n 件</numerusform>
        </translation>
    </message>
    <message>
        <source>Leave them</source>
        <translation>そのままにする</translation>
    </message>
    <message>
        <source>Delete them permanently</source>
        <translation>完全に削除する</translation>
    </message>
    <message>
        <source>None of it can go to the %1: delete it permanently, or nothing is cleaned.</source>
        <translation>どれも%1に移動できません。完全に削除しない限り、何もクリーンアップされません。</translation>
    </message>
    <message>
        <source>All of it is deleted permanently and can&apos;t be recovered.</source>
        <translation>すべて完全に削除され、復元できません。</translation>
    </message>
    <message>
        <source>Emptying the %1 and deleting what cannot go there can&apos;t be undone. Everything else goes to the %1.</source>
        <translation>%1を空にすることと、そこに移動できない項目の削除は元に戻せません。その他の項目はすべて%1に移動されます。</translation>
    </message>
    <message>
        <source>What cannot go to the %1 is deleted permanently. Everything else is moved there, so you can restore it later.</source>
        <translation>%1に移動できない項目は完全に削除されます。その他はすべてそこに移動されるため、後で復元できます。</translation>
    </message>
    <message>
        <source>The check could not start. Try again in a moment.</source>
        <translation>確認を開始できませんでした。しばらくしてからもう一度お試しください。</translation>
    </message>
    <message>
        <source>The check failed again.</source>
        <translation>再度確認に失敗しました。</translation>
    </message>
</context>
<context>
    <name>OverviewPage</name>
    <message>
        <source>Scanned %1</source>
        <translation>最終スキャン: %1</translation>
    </message>
    <message>
        <source>Smart Scan</source>
        <translation>スマートスキャン</translation>
    </message>
    <message>
        <source>Overview</source>
        <translation>概要</translation>
    </message>
    <message>
        <source>Rescan</source>
        <translation>再スキャン</translation>
    </message>
    <message>
        <source>See all</source>
        <translation>すべて表示</translation>
    </message>
    <message>
        <source>Disk health</source>
        <translation>ディスクの状態</translation>
    </message>
    <message>
        <source>System files protected</source>
        <translation>システムファイルは保護されています</translation>
    </message>
    <message>
        <source>%1 ready to clean</source>
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
        <translation>%1 中の空き</translation>
    </message>
    <message>
        <source>Review</source>
        <translation>確認</translation>
    </message>
    <message>
        <source>Scan</source>
        <translation>スキャン</translation>
    </message>
    <message>
        <source>Never scanned</source>
        <translation>未スキャン</translation>
    </message>
    <message>
        <source>Freed this month</source>
        <translation>今月の解放容量</translation>
    </message>
    <message>
        <source>Last scan</source>
        <translation>前回のスキャン</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>オフ</translation>
    </message>
    <message>
        <source>Weekly</source>
        <translation>毎週</translation>
    </message>
    <message>
        <source>Monthly</source>
        <translation>毎月</translation>
    </message>
    <message>
        <source>Scheduled scan</source>
        <translation>定期スキャン</translation>
    </message>
    <message>
        <source>Top recommendations</source>
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
        <translation>解放可能</translation>
    </message>
    <message>
        <source>Available</source>
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
        <translation>空き容量の履歴</translation>
    </message>
    <message numerus="yes">
        <source>From %1 to %2 free over %n day(s)</source>
        <translation>
            <numerusform>%n 日間で空き容量が %1 から %2 に</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Platform</name>
    <message>
        <source>Local Disk</source>
        <translation>ローカルディスク</translation>
    </message>
    <message>
        <source>Trash</source>
        <translation>ゴミ箱</translation>
    </message>
    <message>
        <source>File Manager</source>
        <translation>ファイルマネージャー</translation>
    </message>
    <message>
        <source>Recycle Bin</source>
        <translation>ごみ箱</translation>
    </message>
    <message>
        <source>File Explorer</source>
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
        <translation>設定</translation>
    </message>
    <message>
        <source>Choose a folder to exclude</source>
        <translation>除外するフォルダーを選択</translation>
    </message>
    <message>
        <source>Cleaning</source>
        <translation>クリーンアップ</translation>
    </message>
    <message>
        <source>Move items to the %1</source>
        <translation>項目を%1に移動</translation>
    </message>
    <message>
        <source>Recommended. Turn off to delete files permanently.</source>
        <translation>推奨設定です。オフにすると、ファイルは完全に削除されます。</translation>
    </message>
    <message>
        <source>Large file size</source>
        <translation>大きなファイルの基準</translation>
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
        <translation>古いファイルとみなす期間</translation>
    </message>
    <message>
        <source>3 months</source>
        <translation>3 か月</translation>
    </message>
    <message>
        <source>6 months</source>
        <translation>6 か月</translation>
    </message>
    <message>
        <source>12 months</source>
        <translation>12 か月</translation>
    </message>
    <message>
        <source>24 months</source>
        <translation>24 か月</translation>
    </message>
    <message>
        <source>Automation</source>
        <translation>自動化</translation>
    </message>
    <message>
        <source>Scheduled scan</source>
        <translation>定期スキャン</translation>
    </message>
    <message>
        <source>Scans when Varnholt starts if the last scan is older than this. Never cleans on its own.</source>
        <translation>前回のスキャンからこの期間が過ぎていると、Varnholt の起動時にスキャンします。自動でクリーンアップすることはありません。</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>オフ</translation>
    </message>
    <message>
        <source>Weekly</source>
        <translation>毎週</translation>
    </message>
    <message>
        <source>Monthly</source>
        <translation>毎月</translation>
    </message>
    <message>
        <source>Low space alerts</source>
        <translation>空き容量不足の通知</translation>
    </message>
    <message>
        <source>Warn when free space drops below 10%.</source>
        <translation>空き容量が 10% を下回ると警告します。</translation>
    </message>
    <message>
        <source>Open at login</source>
        <translation>ログイン時に開く</translation>
    </message>
    <message>
        <source>Start with Windows</source>
        <translation>Windows の起動時に開始</translation>
    </message>
    <message>
        <source>Start at login</source>
        <translation>ログイン時に開始</translation>
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
        <source>Closing the window keeps Varnholt running there, so scheduled scans and low space alerts keep working.</source>
        <translation>ウィンドウを閉じても Varnholt はメニューバーで実行を続けるため、定期スキャンと空き容量不足の通知が引き続き動作します。</translation>
    </message>
    <message>
        <source>Ask every time</source>
        <translation>毎回確認する</translation>
    </message>
    <message>
        <source>Keep running in the tray</source>
        <translation>トレイで実行を続ける</translation>
    </message>
    <message>
        <source>Quit Varnholt</source>
        <translation>Varnholt を終了</translation>
    </message>
    <message>
        <source>When closing the window</source>
        <translation>ウィンドウを閉じたとき</translation>
    </message>
    <message>
        <source>In the tray, Varnholt keeps running so scheduled scans and low space alerts keep working.</source>
        <translation>トレイに常駐している間も Varnholt は実行を続けるため、定期スキャンと空き容量不足の通知が引き続き動作します。</translation>
    </message>
    <message>
        <source>Appearance</source>
        <translation>外観</translation>
    </message>
    <message>
        <source>Theme</source>
        <translation>テーマ</translation>
    </message>
    <message>
        <source>Follow the system, or always use light or dark.</source>
        <translation>システムの設定に合わせるか、常にライトまたはダークを使用します。</translation>
    </message>
    <message>
        <source>System</source>
        <translation>システム</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>ライト</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>ダーク</translation>
    </message>
    <message>
        <source>System default (%1)</source>
        <translation>システムの既定（%1）</translation>
    </message>
    <message>
        <source>Restart now</source>
        <translation>今すぐ再起動</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>言語</translation>
    </message>
    <message>
        <source>Varnholt restarts to switch languages.</source>
        <translation>言語を切り替えると Varnholt が再起動します。</translation>
    </message>
    <message>
        <source>Exclusions</source>
        <translation>除外</translation>
    </message>
    <message>
        <source>Add folder</source>
        <translation>フォルダーを追加</translation>
    </message>
    <message>
        <source>Never touch these</source>
        <translation>常に除外する項目</translation>
    </message>
    <message>
        <source>Folders and patterns Varnholt always skips.</source>
        <translation>Varnholt が常にスキップするフォルダーとパターンです。</translation>
    </message>
    <message>
        <source>Protected system locations</source>
        <translation>保護されたシステムの場所</translation>
    </message>
    <message>
        <source> — always skipped.</source>
        <translation> — 常にスキップされます。</translation>
    </message>
    <message>
        <source>Locked</source>
        <translation>ロック済み</translation>
    </message>
    <message>
        <source>Protected apps</source>
        <translation>保護されたアプリ</translation>
    </message>
    <message>
        <source> — their data is never cleaned. Caches of running apps and open files are skipped too.</source>
        <translation> — これらのデータはクリーンアップされません。実行中のアプリのキャッシュと開いているファイルもスキップされます。</translation>
    </message>
    <message>
        <source>Permissions &amp; about</source>
        <translation>アクセス許可と情報</translation>
    </message>
    <message>
        <source>Full Disk Access</source>
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
        <translation>管理者アクセス</translation>
    </message>
    <message>
        <source>Granted</source>
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
        <translation>管理者として再起動</translation>
    </message>
    <message>
        <source>Check for updates</source>
        <translation>更新を確認</translation>
    </message>
    <message>
        <source>Open logs</source>
        <translation>ログを開く</translation>
    </message>
    <message>
        <source>Every cleanup writes a log you can review. Varnholt checks for updates when it starts.</source>
        <translation>クリーンアップのたびに、後で確認できるログが記録されます。Varnholt は起動時に更新を確認します。</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>削除</translation>
    </message>
    <message>
        <source>Files bigger than this appear in the Space Map.</source>
        <translation>このサイズを超えるファイルがスペースマップに表示されます。</translation>
    </message>
    <message>
        <source>Recent cleanups</source>
        <translation>最近のクリーンアップ</translation>
    </message>
    <message>
        <source>No cleanups yet</source>
        <translation>まだクリーンアップはありません</translation>
    </message>
    <message>
        <source>Every cleanup writes a log you can review.</source>
        <translation>クリーンアップのたびに確認用のログが書き出されます。</translation>
    </message>
    <message>
        <source>%1 moved to the %2</source>
        <translation>%1 を%2に移動</translation>
    </message>
    <message>
        <source>%1 deleted permanently</source>
        <translation>%1 を完全に削除</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>復元</translation>
    </message>
    <message>
        <source>Put back what this cleanup moved to the %1. Nothing that is in its place now is replaced.</source>
        <translation>このクリーンアップで%1に移動したものを元に戻します。現在その場所にあるものは置き換えません。</translation>
    </message>
    <message>
        <source>Used by the “Unused” filter.</source>
        <translation>「未使用」フィルターで使われます。</translation>
    </message>
    <message>
        <source>%1 in all: the %2 emptied, items deleted permanently or moved to it</source>
        <translation>合計 %1: %2を空にし、項目を完全に削除するかそこへ移動</translation>
    </message>
    <message>
        <source>%1 moved to the %2 or deleted permanently</source>
        <translation>%1 を%2に移動または完全に削除</translation>
    </message>
    <message>
        <source>%1 in all: the %2 emptied, then items moved to it</source>
        <translation>合計 %1: %2を空にしてから項目を移動</translation>
    </message>
    <message>
        <source>%1 freed: items deleted permanently and the %2 emptied</source>
        <translation>%1 を解放: 項目を完全に削除し、%2を空にしました</translation>
    </message>
    <message>
        <source>The %1 was emptied: %2 freed</source>
        <translation>%1を空にしました: %2 を解放</translation>
    </message>
    <message>
        <source>Nothing was cleaned</source>
        <translation>何もクリーンアップされませんでした</translation>
    </message>
    <message>
        <source>Check again</source>
        <translation>再確認</translation>
    </message>
    <message>
        <source>Your settings in %1 cannot be read, so what they hold is unknown. The options kept there stay locked until the file can be read again.</source>
        <translation>%1 の設定を読み取れないため、その内容は不明です。ファイルを再び読み取れるようになるまで、そこに保存されているオプションはロックされたままです。</translation>
    </message>
    <message>
        <source>Varnholt could not start again. Close it and open it yourself to switch languages.</source>
        <translation>Varnholt を再起動できませんでした。言語を切り替えるには、Varnholt を閉じてからもう一度開いてください。</translation>
    </message>
</context>
<context>
    <name>Sidebar</name>
    <message>
        <source>%1 available of %2</source>
        <translation>空き容量 %1 / %2</translation>
    </message>
    <message>
        <source>Smart Scan</source>
        <translation>スマートスキャン</translation>
    </message>
    <message>
        <source>Cleanup</source>
        <translation>クリーンアップ</translation>
    </message>
    <message>
        <source>Space Map</source>
        <translation>スペースマップ</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>設定</translation>
    </message>
    <message>
        <source>%1 free</source>
        <translation>空き %1</translation>
    </message>
    <message>
        <source>Clean</source>
        <translation>クリーンアップ</translation>
    </message>
    <message>
        <source>Expand sidebar</source>
        <translation>サイドバーを展開</translation>
    </message>
    <message>
        <source>Collapse sidebar</source>
        <translation>サイドバーを折りたたむ</translation>
    </message>
</context>
<context>
    <name>TitleBar</name>
    <message>
        <source>Menu</source>
        <translation>メニュー</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>最小化</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>元のサイズに戻す</translation>
    </message>
    <message>
        <source>Maximize</source>
        <translation>最大化</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>閉じる</translation>
    </message>
</context>
<context>
    <name>Tray</name>
    <message>
        <source>Varnholt is still running</source>
        <translation>Varnholt は実行中です</translation>
    </message>
    <message>
        <source>It stays in the system tray so scheduled scans and alerts keep working. Right-click the icon to quit.</source>
        <translation>定期スキャンと通知が引き続き動作するよう、システムトレイに常駐しています。終了するにはアイコンを右クリックしてください。</translation>
    </message>
    <message>
        <source>Open Varnholt</source>
        <translation>Varnholt を開く</translation>
    </message>
    <message>
        <source>Smart Scan</source>
        <translation>スマートスキャン</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>設定</translation>
    </message>
    <message>
        <source>Check for Updates</source>
        <translation>更新を確認</translation>
    </message>
    <message>
        <source>Quit Varnholt</source>
        <translation>Varnholt を終了</translation>
    </message>
    <message>
        <source>%1 · %2 free</source>
        <translation>%1 · 空き %2</translation>
    </message>
    <message>
        <source>Space Map</source>
        <translation>スペースマップ</translation>
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
        <translation>更新を保存できませんでした: %1</translation>
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
        <translation>更新をダウンロードできませんでした: %1</translation>
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
        <translation>この更新は公開されているバージョン %1 ではありません。</translation>
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
        <translation>今日</translation>
    </message>
    <message>
        <source>Yesterday</source>
        <translation>昨日</translation>
    </message>
    <message numerus="yes">
        <source>%n day(s) ago</source>
        <translation>
            <numerusform>%n 日前</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n week(s) ago</source>
        <translation>
            <numerusform>%n 週間前</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n month(s) ago</source>
        <translation>
            <numerusform>%n か月前</numerusform>
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
