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
        <source>Cache folders in ~/.config and ~/.cache</source>
        <translation>~/.config と ~/.cache 内のキャッシュフォルダー</translation>
    </message>
    <message>
        <source>Xorg logs, crash reports</source>
        <translation>Xorg ログ、クラッシュレポート</translation>
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
        <translation>%1 の空き容量がほとんどありません。スマートスキャンを実行して空き容量を増やしてください。</translation>
    </message>
    <message>
        <source>Varnholt was updated to version %1.</source>
        <translation>Varnholt はバージョン %1 に更新されました。</translation>
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
