<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ko_KR">
<context>
    <name>AppGuard</name>
    <message>
        <source>Password managers, input methods, security and device-management agents, VPNs</source>
        <translation>비밀번호 관리자, 입력기, 보안 및 장치 관리 에이전트, VPN</translation>
    </message>
</context>
<context>
    <name>AppState</name>
    <message>
        <source>1 file</source>
        <translation>파일 1개</translation>
    </message>
    <message>
        <source>%1 files</source>
        <translation>파일 %1개</translation>
    </message>
    <message>
        <source>%1 (%2) moved to the %3</source>
        <translation>%1(%2)을(를) %3(으)로 이동했습니다</translation>
    </message>
    <message>
        <source> · %1 in use, skipped</source>
        <translation> · %1개 사용 중, 건너뜀</translation>
    </message>
    <message numerus="yes">
        <source>Restored %n file(s)</source>
        <translation>
            <numerusform>파일 %n개를 복원했습니다</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Categories</name>
    <message>
        <source>Scratch files that apps and the system create while working. They are not needed once the app closes.</source>
        <translation>앱과 시스템이 작업 중에 만드는 임시 파일입니다. 앱을 닫으면 더 이상 필요하지 않습니다.</translation>
    </message>
    <message>
        <source>Data apps keep to load faster. Apps rebuild these automatically the next time they need them.</source>
        <translation>앱이 더 빨리 로드하기 위해 보관하는 데이터입니다. 다음에 필요할 때 앱이 자동으로 다시 만듭니다.</translation>
    </message>
    <message>
        <source>Cached images, scripts and pages. Sign-ins, history, bookmarks and passwords are never touched.</source>
        <translation>캐시된 이미지, 스크립트 및 페이지입니다. 로그인 정보, 방문 기록, 북마크, 비밀번호는 절대 건드리지 않습니다.</translation>
    </message>
    <message>
        <source>Diagnostic logs and crash reports. Useful only when troubleshooting a recent problem.</source>
        <translation>진단 로그와 충돌 보고서입니다. 최근 문제를 해결할 때만 유용합니다.</translation>
    </message>
    <message>
        <source>Preview images of your files. They are regenerated the next time you open a folder.</source>
        <translation>파일의 미리 보기 이미지입니다. 다음에 폴더를 열 때 다시 생성됩니다.</translation>
    </message>
    <message>
        <source>Package manager caches and build output. Removing them is safe, but the next build or install will be slower.</source>
        <translation>패키지 관리자 캐시와 빌드 출력입니다. 삭제해도 안전하지만 다음 빌드나 설치가 느려집니다.</translation>
    </message>
    <message>
        <source>All drives</source>
        <translation>모든 드라이브</translation>
    </message>
    <message>
        <source>Items you have already deleted. Emptying cannot be undone.</source>
        <translation>이미 삭제한 항목입니다. 비우면 되돌릴 수 없습니다.</translation>
    </message>
    <message>
        <source>Temporary files</source>
        <translation>임시 파일</translation>
    </message>
    <message>
        <source>App caches</source>
        <translation>앱 캐시</translation>
    </message>
    <message>
        <source>Cache folders in %LOCALAPPDATA% and %APPDATA%</source>
        <translation>%LOCALAPPDATA% 및 %APPDATA%의 캐시 폴더</translation>
    </message>
    <message>
        <source>DirectX shader cache</source>
        <translation>DirectX 셰이더 캐시</translation>
    </message>
    <message>
        <source>Browser caches</source>
        <translation>브라우저 캐시</translation>
    </message>
    <message>
        <source>Internet cache</source>
        <translation>인터넷 캐시</translation>
    </message>
    <message>
        <source>Logs &amp; crash reports</source>
        <translation>로그 및 충돌 보고서</translation>
    </message>
    <message>
        <source>Thumbnail cache</source>
        <translation>미리 보기 캐시</translation>
    </message>
    <message>
        <source>Windows Update leftovers</source>
        <translation>Windows 업데이트 잔여 파일</translation>
    </message>
    <message>
        <source>Files left behind after Windows updates are installed. Safe once the update is complete; Windows downloads them again if it needs them.</source>
        <translation>Windows 업데이트 설치 후 남은 파일입니다. 업데이트가 끝났다면 안전하게 삭제할 수 있으며, 필요하면 Windows가 다시 다운로드합니다.</translation>
    </message>
    <message>
        <source>Windows Update downloads</source>
        <translation>Windows 업데이트 다운로드</translation>
    </message>
    <message>
        <source>Delivery Optimization cache</source>
        <translation>배달 최적화 캐시</translation>
    </message>
    <message>
        <source>Developer caches</source>
        <translation>개발자 캐시</translation>
    </message>
    <message>
        <source>Recycle Bin</source>
        <translation>휴지통</translation>
    </message>
    <message>
        <source>Cache folders in ~/.config and ~/.cache</source>
        <translation>~/.config 및 ~/.cache의 캐시 폴더</translation>
    </message>
    <message>
        <source>Xorg logs, crash reports</source>
        <translation>Xorg 로그, 충돌 보고서</translation>
    </message>
    <message>
        <source>Package cache</source>
        <translation>패키지 캐시</translation>
    </message>
    <message>
        <source>Packages the package manager keeps after installing them. Safe to remove; they are downloaded again if they are needed.</source>
        <translation>패키지 관리자가 설치 후 보관하는 패키지입니다. 삭제해도 안전하며, 필요하면 다시 다운로드됩니다.</translation>
    </message>
    <message>
        <source>DNF package cache</source>
        <translation>DNF 패키지 캐시</translation>
    </message>
    <message>
        <source>Trash</source>
        <translation>휴지통</translation>
    </message>
    <message>
        <source>Safe</source>
        <translation>안전</translation>
    </message>
    <message>
        <source>Review</source>
        <translation>검토 필요</translation>
    </message>
    <message>
        <source>Permanent</source>
        <translation>영구 삭제</translation>
    </message>
    <message>
        <source>%1 (all drives)</source>
        <translation>%1(모든 드라이브)</translation>
    </message>
</context>
<context>
    <name>Cleaner</name>
    <message>
        <source>delete permanently</source>
        <translation>영구 삭제</translation>
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
        <translation>%1이(가) 거의 가득 찼습니다. 스마트 검사를 실행하여 공간을 확보하세요.</translation>
    </message>
    <message>
        <source>Varnholt was updated to version %1.</source>
        <translation>Varnholt가 버전 %1(으)로 업데이트되었습니다.</translation>
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
        <translation>로컬 디스크</translation>
    </message>
    <message>
        <source>Trash</source>
        <translation>휴지통</translation>
    </message>
    <message>
        <source>File Manager</source>
        <translation>파일 관리자</translation>
    </message>
    <message>
        <source>Recycle Bin</source>
        <translation>휴지통</translation>
    </message>
    <message>
        <source>File Explorer</source>
        <translation>파일 탐색기</translation>
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
        <translation>업데이트 정보를 읽을 수 없습니다.</translation>
    </message>
    <message>
        <source>The update is not on Varnholt&apos;s server.</source>
        <translation>이 업데이트는 Varnholt 서버에 있지 않습니다.</translation>
    </message>
    <message>
        <source>Could not save the update: %1</source>
        <translation>업데이트를 저장할 수 없습니다: %1</translation>
    </message>
    <message>
        <source>The update has an unexpected size.</source>
        <translation>업데이트 크기가 예상과 다릅니다.</translation>
    </message>
    <message>
        <source>Could not start the installer.</source>
        <translation>설치 프로그램을 시작할 수 없습니다.</translation>
    </message>
    <message>
        <source>The update could not be downloaded: %1</source>
        <translation>업데이트를 다운로드할 수 없습니다: %1</translation>
    </message>
    <message>
        <source>Could not read the update.</source>
        <translation>업데이트를 읽을 수 없습니다.</translation>
    </message>
    <message>
        <source>The update does not match the published checksum.</source>
        <translation>업데이트가 게시된 체크섬과 일치하지 않습니다.</translation>
    </message>
    <message>
        <source>The update is not signed by %1.</source>
        <translation>이 업데이트는 %1의 서명이 없습니다.</translation>
    </message>
    <message>
        <source>The update was downloaded. Install it with your package manager.</source>
        <translation>업데이트를 다운로드했습니다. 패키지 관리자로 설치하세요.</translation>
    </message>
    <message>
        <source>The update was not installed, because Windows did not get permission to install it.</source>
        <translation>Windows가 설치 권한을 얻지 못해 업데이트가 설치되지 않았습니다.</translation>
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
        <translation>오늘</translation>
    </message>
    <message>
        <source>Yesterday</source>
        <translation>어제</translation>
    </message>
    <message numerus="yes">
        <source>%n day(s) ago</source>
        <translation>
            <numerusform>%n일 전</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n week(s) ago</source>
        <translation>
            <numerusform>%n주 전</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n month(s) ago</source>
        <translation>
            <numerusform>%n개월 전</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n year(s) ago</source>
        <translation>
            <numerusform>%n년 전</numerusform>
        </translation>
    </message>
</context>
</TS>
