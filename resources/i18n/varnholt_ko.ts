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
    <message numerus="yes">
        <source>Restored %n file(s)</source>
        <extracomment>Toast after Undo put the files moved from the Space Map back</extracomment>
        <translation>
            <numerusform>파일 %n개를 복원했습니다</numerusform>
        </translation>
    </message>
    <message>
        <source>Nothing was cleaned: your settings cannot be read.</source>
        <translation>설정을 읽을 수 없어 아무것도 정리하지 않았습니다.</translation>
    </message>
    <message>
        <source>That cleanup log could not be read; nothing was restored.</source>
        <translation>정리 로그를 읽을 수 없어 아무것도 복원하지 않았습니다.</translation>
    </message>
    <message numerus="yes">
        <source>At this rate the disk is full in about %n week(s)</source>
        <extracomment>Forecast on the Overview, from the history of free space</extracomment>
        <translation>
            <numerusform>이 속도라면 약 %n주 후에 디스크가 가득 찹니다</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>At this rate the disk is full in about %n day(s)</source>
        <translation>
            <numerusform>이 속도라면 약 %n일 후에 디스크가 가득 찹니다</numerusform>
        </translation>
    </message>
    <message>
        <source>Free space falls by about %1 a day</source>
        <extracomment>%1: a size, e.g. &quot;1.2 GB&quot;</extracomment>
        <translation>여유 공간이 하루에 약 %1씩 줄고 있습니다</translation>
    </message>
    <message>
        <source>Free space rises by about %1 a day</source>
        <extracomment>%1: a size, e.g. &quot;1.2 GB&quot;</extracomment>
        <translation>여유 공간이 하루에 약 %1씩 늘고 있습니다</translation>
    </message>
    <message numerus="yes">
        <source>%Ln file(s) (%1) moved to the Recycle Bin</source>
        <comment>%1: their size</comment>
        <translation>
            <numerusform>파일 %Ln개(%1)를 휴지통으로 이동했습니다</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln file(s) (%1) moved to the Trash</source>
        <comment>%1: their size</comment>
        <translation>
            <numerusform>파일 %Ln개(%1)를 휴지통으로 이동했습니다</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source> · %Ln in use, skipped</source>
        <comment>follows the files moved; the number of files left alone</comment>
        <translation>
            <numerusform> · 사용 중인 %Ln개는 건너뜀</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source> · %Ln could not be moved to the Recycle Bin</source>
        <comment>follows the files moved</comment>
        <translation>
            <numerusform> · %Ln개는 휴지통으로 이동하지 못함</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source> · %Ln could not be moved to the Trash</source>
        <comment>follows the files moved</comment>
        <translation>
            <numerusform> · %Ln개는 휴지통으로 이동하지 못함</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Restored %n item(s) from the Recycle Bin</source>
        <extracomment>Result line after restoring a cleanup; may be followed by the size in brackets</extracomment>
        <translation>
            <numerusform>휴지통에서 항목 %n개를 복원했습니다</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Restored %n item(s) from the Trash</source>
        <extracomment>Result line after restoring a cleanup; may be followed by the size in brackets</extracomment>
        <translation>
            <numerusform>휴지통에서 항목 %n개를 복원했습니다</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln not restored: %1</source>
        <comment>%1: why, e.g. no longer in the bin</comment>
        <translation>
            <numerusform>%Ln개를 복원하지 못함: %1</numerusform>
        </translation>
    </message>
    <message>
        <source>found through the Recycle Bin&apos;s own records (an older log)</source>
        <translation>휴지통 자체 기록으로 찾음(이전 형식의 로그)</translation>
    </message>
    <message>
        <source>found through the Trash&apos;s own records (an older log)</source>
        <translation>휴지통 자체 기록으로 찾음(이전 형식의 로그)</translation>
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
        <extracomment>Where a category looks: every drive, not one folder</extracomment>
        <translation>모든 드라이브</translation>
    </message>
    <message>
        <source>Items you have already deleted. Emptying cannot be undone.</source>
        <translation>이미 삭제한 항목입니다. 비우면 되돌릴 수 없습니다.</translation>
    </message>
    <message>
        <source>Temporary files</source>
        <extracomment>Name of a cleanup category</extracomment>
        <translation>임시 파일</translation>
    </message>
    <message>
        <source>App caches</source>
        <extracomment>Name of a cleanup category</extracomment>
        <translation>앱 캐시</translation>
    </message>
    <message>
        <source>Cache folders in %LOCALAPPDATA% and %APPDATA%</source>
        <extracomment>Description of a category; %LOCALAPPDATA% and %APPDATA% are Windows folder names, keep them</extracomment>
        <translation>%LOCALAPPDATA% 및 %APPDATA%의 캐시 폴더</translation>
    </message>
    <message>
        <source>DirectX shader cache</source>
        <extracomment>Item of the app caches; DirectX is the name of a program</extracomment>
        <translation>DirectX 셰이더 캐시</translation>
    </message>
    <message>
        <source>Browser caches</source>
        <extracomment>Name of a cleanup category</extracomment>
        <translation>브라우저 캐시</translation>
    </message>
    <message>
        <source>Internet cache</source>
        <extracomment>Item of the browser caches</extracomment>
        <translation>인터넷 캐시</translation>
    </message>
    <message>
        <source>Logs &amp; crash reports</source>
        <translation>로그 및 충돌 보고서</translation>
    </message>
    <message>
        <source>Thumbnail cache</source>
        <extracomment>Name of a cleanup category: small preview pictures of files</extracomment>
        <translation>미리 보기 캐시</translation>
    </message>
    <message>
        <source>Windows Update leftovers</source>
        <extracomment>Name of a cleanup category</extracomment>
        <translation>Windows 업데이트 잔여 파일</translation>
    </message>
    <message>
        <source>Files left behind after Windows updates are installed. Safe once the update is complete; Windows downloads them again if it needs them.</source>
        <translation>Windows 업데이트 설치 후 남은 파일입니다. 업데이트가 끝났다면 안전하게 삭제할 수 있으며, 필요하면 Windows가 다시 다운로드합니다.</translation>
    </message>
    <message>
        <source>Windows Update downloads</source>
        <extracomment>Item of the Windows Update leftovers</extracomment>
        <translation>Windows 업데이트 다운로드</translation>
    </message>
    <message>
        <source>Delivery Optimization cache</source>
        <extracomment>Item of the Windows Update leftovers; Delivery Optimization is a Windows service</extracomment>
        <translation>전송 최적화 캐시</translation>
    </message>
    <message>
        <source>Developer caches</source>
        <extracomment>Name of a cleanup category: caches of programming tools</extracomment>
        <translation>개발자 캐시</translation>
    </message>
    <message>
        <source>Recycle Bin</source>
        <extracomment>Name of the cleanup category that empties the Recycle Bin</extracomment>
        <translation>휴지통</translation>
    </message>
    <message>
        <source>Package cache</source>
        <extracomment>Name of a cleanup category: downloaded software packages</extracomment>
        <translation>패키지 캐시</translation>
    </message>
    <message>
        <source>Packages the package manager keeps after installing them. Safe to remove; they are downloaded again if they are needed.</source>
        <translation>패키지 관리자가 설치 후 보관하는 패키지입니다. 삭제해도 안전하며, 필요하면 다시 다운로드됩니다.</translation>
    </message>
    <message>
        <source>DNF package cache</source>
        <extracomment>Item of the package cache; DNF is the name of a program</extracomment>
        <translation>DNF 패키지 캐시</translation>
    </message>
    <message>
        <source>Trash</source>
        <extracomment>Name of the cleanup category that empties the Trash</extracomment>
        <translation>휴지통</translation>
    </message>
    <message>
        <source>Safe</source>
        <extracomment>Risk level of a category: cleaning it loses nothing the user needs</extracomment>
        <translation>안전</translation>
    </message>
    <message>
        <source>Review</source>
        <extracomment>Risk level of a category: look at it before cleaning (an adjective, not a command)</extracomment>
        <translation>검토 필요</translation>
    </message>
    <message>
        <source>Permanent</source>
        <extracomment>Risk level of a category: what goes cannot be restored</extracomment>
        <translation>영구 삭제</translation>
    </message>
    <message>
        <source>%1 was left out: it leads through a link to %2.</source>
        <extracomment>%1: a folder of the catalogue; %2: where its link leads</extracomment>
        <translation>%1은(는) 제외했습니다. 링크를 거쳐 %2을(를) 가리킵니다.</translation>
    </message>
    <message>
        <source>%1 was left out: it is the home folder or holds it.</source>
        <extracomment>%1: a folder of the catalogue</extracomment>
        <translation>%1은(는) 제외했습니다. 홈 폴더이거나 홈 폴더를 포함하는 폴더입니다.</translation>
    </message>
    <message>
        <source>%1 was left out: it lies in a protected location.</source>
        <extracomment>%1: a folder of the catalogue</extracomment>
        <translation>%1은(는) 제외했습니다. 보호된 위치에 있습니다.</translation>
    </message>
    <message>
        <source>%1 was left out: it overlaps %2.</source>
        <extracomment>%1: a folder of the catalogue; %2: the category it overlaps</extracomment>
        <translation>%1은(는) 제외했습니다. %2과(와) 겹칩니다.</translation>
    </message>
    <message>
        <source>App logs, crash reports</source>
        <translation>앱 로그, 충돌 보고서</translation>
    </message>
    <message>
        <source>Cache folders in ~/.config, ~/.cache and Flatpak and Snap apps</source>
        <translation>~/.config, ~/.cache 및 Flatpak·Snap 앱의 캐시 폴더</translation>
    </message>
    <message>
        <source>%1 (PID %2)</source>
        <extracomment>%1: a program&apos;s name; %2: its process number</extracomment>
        <translation>%1(PID %2)</translation>
    </message>
    <message>
        <source>%1 is left out: its name is not valid text.</source>
        <extracomment>%1: a folder</extracomment>
        <translation>%1 항목은 제외됩니다. 이름이 올바른 텍스트가 아닙니다.</translation>
    </message>
    <message>
        <source>npm cache</source>
        <extracomment>Item of the developer caches; npm is the name of a program</extracomment>
        <translation>npm 캐시</translation>
    </message>
    <message>
        <source>Yarn cache</source>
        <extracomment>Item of the developer caches; Yarn is the name of a program</extracomment>
        <translation>Yarn 캐시</translation>
    </message>
    <message>
        <source>pip cache</source>
        <extracomment>Item of the developer caches; pip is the name of a program</extracomment>
        <translation>pip 캐시</translation>
    </message>
    <message>
        <source>NuGet HTTP cache</source>
        <extracomment>Item of the developer caches; NuGet is the name of a program</extracomment>
        <translation>NuGet HTTP 캐시</translation>
    </message>
    <message>
        <source>Go build cache</source>
        <extracomment>Item of the developer caches; Go is a programming language</extracomment>
        <translation>Go 빌드 캐시</translation>
    </message>
    <message>
        <source>Gradle caches</source>
        <extracomment>Item of the developer caches; Gradle is the name of a program</extracomment>
        <translation>Gradle 캐시</translation>
    </message>
    <message>
        <source>Cargo registry cache</source>
        <extracomment>Item of the developer caches; Cargo is the name of a program</extracomment>
        <translation>Cargo 레지스트리 캐시</translation>
    </message>
    <message>
        <source>%1 is left out: another program is working in it.</source>
        <comment>%1: a folder</comment>
        <translation>%1 폴더는 제외됩니다. 다른 프로그램이 사용 중입니다.</translation>
    </message>
    <message>
        <source>%1 is left out: in use by %2.</source>
        <comment>%1: a folder; %2: the programs using it</comment>
        <translation>%1 폴더는 제외됩니다. %2에서 사용 중입니다.</translation>
    </message>
    <message>
        <source>Recycle Bin (all drives)</source>
        <translation>휴지통(모든 드라이브)</translation>
    </message>
    <message>
        <source>Trash (all drives)</source>
        <extracomment>The one item of the Trash category: the Trash of every drive</extracomment>
        <translation>휴지통(모든 드라이브)</translation>
    </message>
</context>
<context>
    <name>Cleaner</name>
    <message>
        <source>delete permanently</source>
        <extracomment>Mode line of the cleanup log: the files are removed for good</extracomment>
        <translation>영구 삭제</translation>
    </message>
</context>
<context>
    <name>CleanupPage</name>
    <message>
        <source>SAFE TO CLEAN</source>
        <extracomment>Heading over the categories of the Safe risk level</extracomment>
        <translation>안전하게 정리 가능</translation>
    </message>
    <message>
        <source>REVIEW BEFORE CLEANING</source>
        <extracomment>Heading over the categories of the Review risk level</extracomment>
        <translation>정리 전 검토 필요</translation>
    </message>
    <message>
        <source>CANNOT BE UNDONE</source>
        <extracomment>Heading over the categories of the Permanent risk level</extracomment>
        <translation>되돌릴 수 없음</translation>
    </message>
    <message>
        <source>Cleanup</source>
        <extracomment>Title of the Cleanup page</extracomment>
        <translation>정리</translation>
    </message>
    <message>
        <source>Nothing scanned yet</source>
        <extracomment>Heading of the Cleanup page before the first scan</extracomment>
        <translation>아직 검사하지 않았습니다</translation>
    </message>
    <message>
        <source>Find caches, temporary files and leftovers.</source>
        <translation>캐시, 임시 파일, 잔여 파일을 찾습니다.</translation>
    </message>
    <message>
        <source>Start Smart Scan</source>
        <extracomment>Button; Smart Scan is the scan of every cleanup category</extracomment>
        <translation>스마트 검사 시작</translation>
    </message>
    <message>
        <source>Scanning</source>
        <extracomment>Heading of the Cleanup page while the scan runs</extracomment>
        <translation>검사 중</translation>
    </message>
    <message>
        <source>In progress</source>
        <extracomment>Eyebrow over the heading while a scan or cleanup runs</extracomment>
        <translation>진행 중</translation>
    </message>
    <message>
        <source>Stop</source>
        <extracomment>Button that stops the running scan</extracomment>
        <translation>중지</translation>
    </message>
    <message>
        <source>Items checked</source>
        <extracomment>Caption under the number of files looked at so far</extracomment>
        <translation>검사한 항목</translation>
    </message>
    <message>
        <source>Elapsed</source>
        <extracomment>Caption under the time a scan has run so far</extracomment>
        <translation>경과 시간</translation>
    </message>
    <message>
        <source>Remaining</source>
        <extracomment>Caption under the estimated time a scan still needs</extracomment>
        <translation>남은 시간</translation>
    </message>
    <message>
        <source>found</source>
        <extracomment>Caption under the size found so far, inside the scan&apos;s radar</extracomment>
        <translation>발견</translation>
    </message>
    <message>
        <source>Cleaning</source>
        <extracomment>Heading of the Cleanup page while the cleanup runs</extracomment>
        <translation>정리 중</translation>
    </message>
    <message>
        <source>of %1</source>
        <extracomment>Under the size cleaned so far, inside the progress ring; %1: the total size</extracomment>
        <translation>%1 중</translation>
    </message>
    <message>
        <source>Cleanup complete</source>
        <extracomment>Heading once a cleanup ended</extracomment>
        <translation>정리 완료</translation>
    </message>
    <message>
        <source>Available before</source>
        <extracomment>Caption: free disk space before the cleanup</extracomment>
        <translation>정리 전 사용 가능 공간</translation>
    </message>
    <message>
        <source>Available now</source>
        <extracomment>Caption: free disk space after the cleanup</extracomment>
        <translation>현재 사용 가능 공간</translation>
    </message>
    <message>
        <source>&lt;b&gt;Some files need administrator rights.&lt;/b&gt; Restart Varnholt as administrator and clean again to remove them.</source>
        <translation>&lt;b&gt;일부 파일에는 관리자 권한이 필요합니다.&lt;/b&gt; Varnholt를 관리자 권한으로 다시 시작한 후 다시 정리하면 삭제할 수 있습니다.</translation>
    </message>
    <message>
        <source>Restart as admin</source>
        <extracomment>Button: restart Varnholt with administrator rights</extracomment>
        <translation>관리자 권한으로 다시 시작</translation>
    </message>
    <message>
        <source>View log</source>
        <extracomment>Button: open the cleanup&apos;s log file</extracomment>
        <translation>로그 보기</translation>
    </message>
    <message>
        <source>Done</source>
        <extracomment>Button that closes the cleanup&apos;s result</extracomment>
        <translation>완료</translation>
    </message>
    <message>
        <source>Items were deleted permanently.</source>
        <translation>항목이 영구적으로 삭제되었습니다.</translation>
    </message>
    <message>
        <source>For example: %1</source>
        <extracomment>%1: a file&apos;s path</extracomment>
        <translation>예: %1</translation>
    </message>
    <message>
        <source>&lt;b&gt;Left caches of running apps alone:&lt;/b&gt; %1. Quit them and clean again to include them.</source>
        <extracomment>%1: a list of app names</extracomment>
        <translation>&lt;b&gt;실행 중인 앱의 캐시는 건드리지 않았습니다:&lt;/b&gt; %1. 이 앱을 종료하고 다시 정리하면 포함됩니다.</translation>
    </message>
    <message>
        <source>Needs administrator</source>
        <extracomment>In place of a category&apos;s item count: it could only be read with administrator rights</extracomment>
        <translation>관리자 권한 필요</translation>
    </message>
    <message>
        <source>Select recommended</source>
        <extracomment>Button in the results&apos; header: check the safe categories</extracomment>
        <translation>권장 항목 선택</translation>
    </message>
    <message>
        <source>Rescan</source>
        <extracomment>Button in the results&apos; header: scan again</extracomment>
        <translation>다시 검사</translation>
    </message>
    <message>
        <source>Select all</source>
        <extracomment>Check box: check every category (or every item of one)</extracomment>
        <translation>모두 선택</translation>
    </message>
    <message>
        <source>%1 can be cleaned</source>
        <extracomment>%1: a size, written in larger type</extracomment>
        <translation>%1 정리 가능</translation>
    </message>
    <message>
        <source>Nothing left to clean. Rescan any time.</source>
        <translation>정리할 항목이 없습니다. 언제든지 다시 검사할 수 있습니다.</translation>
    </message>
    <message>
        <source>These files need administrator rights.</source>
        <translation>이 파일에는 관리자 권한이 필요합니다.</translation>
    </message>
    <message>
        <source>Some folders need administrator rights.</source>
        <translation>일부 폴더에는 관리자 권한이 필요합니다.</translation>
    </message>
    <message>
        <source>%1 is open. Quit it to include its cache.</source>
        <extracomment>%1: an app&apos;s name</extracomment>
        <translation>%1 앱이 실행 중입니다. 캐시를 포함하려면 앱을 종료하세요.</translation>
    </message>
    <message>
        <source>%1 are open. Quit them to include their caches.</source>
        <extracomment>%1: a list of app names</extracomment>
        <translation>%1 앱이 실행 중입니다. 캐시를 포함하려면 이 앱들을 종료하세요.</translation>
    </message>
    <message>
        <source>Largest items</source>
        <extracomment>Heading over the biggest items of an opened category</extracomment>
        <translation>가장 큰 항목</translation>
    </message>
    <message>
        <source>%1 is running</source>
        <extracomment>Beside an item; %1: the app using it</extracomment>
        <translation>%1 실행 중</translation>
    </message>
    <message>
        <source>Show %1 more</source>
        <extracomment>Link below a category&apos;s items; %1: how many more are shown</extracomment>
        <translation>%1개 더 보기</translation>
    </message>
    <message>
        <source>deleted permanently</source>
        <extracomment>Tooltip of the Clean button: what happens to the selection</extracomment>
        <translation>영구적으로 삭제됩니다</translation>
    </message>
    <message>
        <source>Clean %1</source>
        <extracomment>The footer&apos;s main button; %1: the selected size</extracomment>
        <translation>%1 정리</translation>
    </message>
    <message>
        <source>Large files</source>
        <extracomment>Caption: how many large files were found</extracomment>
        <translation>대용량 파일</translation>
    </message>
    <message numerus="yes">
        <source>and %Ln more item(s)</source>
        <extracomment>Below the items shown of a category</extracomment>
        <translation>
            <numerusform>외 항목 %Ln개</numerusform>
        </translation>
    </message>
    <message>
        <source>Check again</source>
        <extracomment>Button beside a note: read the settings file again</extracomment>
        <translation>다시 확인</translation>
    </message>
    <message>
        <source>Partly cleaned</source>
        <extracomment>Heading once a cleanup left part of the selection</extracomment>
        <translation>일부만 정리됨</translation>
    </message>
    <message>
        <source>Nothing was cleaned</source>
        <extracomment>Heading once a cleanup removed nothing</extracomment>
        <translation>정리된 항목이 없습니다</translation>
    </message>
    <message>
        <source>None of the %1 selected could be cleaned.</source>
        <extracomment>%1: a size</extracomment>
        <translation>선택한 %1 중 아무것도 정리할 수 없었습니다.</translation>
    </message>
    <message>
        <source>No app could open %1</source>
        <extracomment>%1: a file or folder</extracomment>
        <translation>%1을(를) 열 수 있는 앱이 없습니다</translation>
    </message>
    <message>
        <source>Scan again to see what can be cleaned.</source>
        <translation>다시 검사하면 정리할 수 있는 항목을 확인할 수 있습니다.</translation>
    </message>
    <message>
        <source>Measuring…</source>
        <extracomment>In place of a category&apos;s item count while its size is measured</extracomment>
        <translation>측정 중…</translation>
    </message>
    <message>
        <source>%1 of it needs administrator rights.</source>
        <extracomment>%1: a size</extracomment>
        <translation>그중 %1에는 관리자 권한이 필요합니다.</translation>
    </message>
    <message>
        <source>freed</source>
        <comment>what the figure of a finished cleanup is</comment>
        <translation>확보함</translation>
    </message>
    <message>
        <source>of %1 selected · %2</source>
        <extracomment>Under the cleaned size; %1: the selected size; %2: what became of it, e.g. &quot;freed&quot;</extracomment>
        <translation>선택한 %1 중 · %2</translation>
    </message>
    <message>
        <source>Restore all</source>
        <extracomment>Button: put back everything the cleanup moved to the bin</extracomment>
        <translation>모두 복원</translation>
    </message>
    <message>
        <source>Restoring…</source>
        <extracomment>The Restore all button while the files go back</extracomment>
        <translation>복원하는 중…</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <comment>two programs that hold files</comment>
        <translation>%1 및 %2</translation>
    </message>
    <message numerus="yes">
        <source>%1 and %n other program(s)</source>
        <comment>programs that hold files</comment>
        <translation>
            <numerusform>%1 외 %n개 프로그램</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n file(s) are in use by %1.</source>
        <comment>%1: one or more programs</comment>
        <translation>
            <numerusform>%n개 파일을 %1에서 사용 중입니다.</numerusform>
        </translation>
    </message>
    <message>
        <source>Try again</source>
        <extracomment>Button: clean again what was skipped</extracomment>
        <translation>다시 시도</translation>
    </message>
    <message>
        <source>Clean the skipped files again, the same way</source>
        <translation>건너뛴 파일을 같은 방식으로 다시 정리합니다</translation>
    </message>
    <message numerus="yes">
        <source>&lt;b&gt;%Ln item(s) kept&lt;/b&gt; because something in them changed since the scan. Scan again to see what can go.</source>
        <translation>
            <numerusform>검사 후 내용이 바뀌어 &lt;b&gt;항목 %Ln개를 그대로 두었습니다&lt;/b&gt;. 다시 검사하여 정리할 수 있는 항목을 확인하세요.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>&lt;b&gt;%Ln file(s) skipped&lt;/b&gt; because they were in use or protected. Quit the apps using them and rescan to remove them.</source>
        <translation>
            <numerusform>사용 중이거나 보호된 &lt;b&gt;파일 %Ln개를 건너뛰었습니다&lt;/b&gt;. 이 파일을 사용하는 앱을 종료하고 다시 검사하여 제거하세요.</numerusform>
        </translation>
    </message>
    <message>
        <source>This cleanup wrote no log; its folder is open instead.</source>
        <translation>이 정리에서는 로그가 기록되지 않아 대신 로그 폴더를 열었습니다.</translation>
    </message>
    <message>
        <source>Varnholt did not restart: administrator rights were refused or could not be asked for.</source>
        <translation>Varnholt를 다시 시작하지 않았습니다. 관리자 권한이 거부되었거나 요청할 수 없었습니다.</translation>
    </message>
    <message>
        <source>Put everything this cleanup moved to the Recycle Bin back where it was</source>
        <translation>이번 정리에서 휴지통으로 이동한 항목을 모두 원래 위치로 되돌립니다</translation>
    </message>
    <message>
        <source>Put everything this cleanup moved to the Trash back where it was</source>
        <translation>이번 정리에서 휴지통으로 이동한 항목을 모두 원래 위치로 되돌립니다</translation>
    </message>
    <message>
        <source>freed or moved to the Recycle Bin</source>
        <comment>what the figure of a finished cleanup is</comment>
        <translation>확보했거나 휴지통으로 이동함</translation>
    </message>
    <message>
        <source>freed or moved to the Trash</source>
        <comment>what the figure of a finished cleanup is</comment>
        <translation>확보했거나 휴지통으로 이동함</translation>
    </message>
    <message>
        <source>moved to the Recycle Bin</source>
        <comment>what the figure of a finished cleanup is</comment>
        <translation>휴지통으로 이동함</translation>
    </message>
    <message>
        <source>moved to the Trash</source>
        <comment>what the figure of a finished cleanup is</comment>
        <translation>휴지통으로 이동함</translation>
    </message>
    <message numerus="yes">
        <source>&lt;b&gt;%Ln item(s) could not be moved to the Recycle Bin&lt;/b&gt; and were left where they are.</source>
        <translation>
            <numerusform>&lt;b&gt;항목 %Ln개를 휴지통으로 이동할 수 없어&lt;/b&gt; 원래 위치에 그대로 두었습니다.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>&lt;b&gt;%Ln item(s) could not be moved to the Trash&lt;/b&gt; and were left where they are.</source>
        <translation>
            <numerusform>&lt;b&gt;항목 %Ln개를 휴지통으로 이동할 수 없어&lt;/b&gt; 원래 위치에 그대로 두었습니다.</numerusform>
        </translation>
    </message>
    <message>
        <source>Some items were moved to the Recycle Bin and the rest deleted permanently. You can still restore what was moved.</source>
        <translation>일부 항목은 휴지통으로 이동하고 나머지는 영구 삭제했습니다. 이동한 항목은 아직 복원할 수 있습니다.</translation>
    </message>
    <message>
        <source>Some items were moved to the Trash and the rest deleted permanently. You can still restore what was moved.</source>
        <translation>일부 항목은 휴지통으로 이동하고 나머지는 영구 삭제했습니다. 이동한 항목은 아직 복원할 수 있습니다.</translation>
    </message>
    <message>
        <source>Moved to the Recycle Bin. You can still restore anything.</source>
        <translation>휴지통으로 이동했습니다. 모든 항목을 아직 복원할 수 있습니다.</translation>
    </message>
    <message>
        <source>Moved to the Trash. You can still restore anything.</source>
        <translation>휴지통으로 이동했습니다. 모든 항목을 아직 복원할 수 있습니다.</translation>
    </message>
    <message>
        <source>The log %1 is gone; its folder is open instead.</source>
        <comment>%1: a path</comment>
        <translation>로그 %1이(가) 없어 대신 해당 폴더를 열었습니다.</translation>
    </message>
    <message>
        <source>The File Explorer could not show %1</source>
        <comment>%1: a path</comment>
        <translation>파일 탐색기에서 다음 경로를 표시할 수 없습니다: %1</translation>
    </message>
    <message>
        <source>The File Manager could not show %1</source>
        <comment>%1: a path</comment>
        <translation>파일 관리자에서 다음 경로를 표시할 수 없습니다: %1</translation>
    </message>
    <message numerus="yes">
        <source>%Ln item(s)</source>
        <comment>on a category&apos;s card</comment>
        <translation>
            <numerusform>항목 %Ln개</numerusform>
        </translation>
    </message>
    <message>
        <source>Show in File Explorer</source>
        <extracomment>Link beside a category&apos;s largest items; opens File Explorer there</extracomment>
        <translation>파일 탐색기에서 보기</translation>
    </message>
    <message>
        <source>Show in File Manager</source>
        <extracomment>Link beside a category&apos;s largest items; opens the file manager there</extracomment>
        <translation>파일 관리자에서 보기</translation>
    </message>
    <message>
        <source>No Recycle Bin on this drive</source>
        <translation>이 드라이브에는 휴지통이 없습니다</translation>
    </message>
    <message>
        <source>No Trash on this drive</source>
        <translation>이 드라이브에는 휴지통이 없습니다</translation>
    </message>
    <message>
        <source>Cannot go to the Recycle Bin</source>
        <translation>휴지통으로 이동할 수 없음</translation>
    </message>
    <message>
        <source>Cannot go to the Trash</source>
        <translation>휴지통으로 이동할 수 없음</translation>
    </message>
    <message>
        <source>moved to the Recycle Bin</source>
        <extracomment>Tooltip of the Clean button: where the selection goes</extracomment>
        <translation>휴지통으로 이동됩니다</translation>
    </message>
    <message>
        <source>moved to the Trash</source>
        <extracomment>Tooltip of the Clean button: where the selection goes</extracomment>
        <translation>휴지통으로 이동됩니다</translation>
    </message>
    <message>
        <source>&lt;b style=&apos;color:%1&apos;&gt;%2&lt;/b&gt; selected · some need admin</source>
        <comment>%1: style, keep as is; %2: a size</comment>
        <translation>&lt;b style=&apos;color:%1&apos;&gt;%2&lt;/b&gt; 선택됨 · 일부는 관리자 권한 필요</translation>
    </message>
    <message>
        <source>&lt;b style=&apos;color:%1&apos;&gt;%2&lt;/b&gt; selected</source>
        <comment>%1: style, keep as is; %2: a size</comment>
        <translation>&lt;b style=&apos;color:%1&apos;&gt;%2&lt;/b&gt; 선택됨</translation>
    </message>
    <message>
        <source>Your settings in %1 cannot be read, so your exclusions and your choice between the Recycle Bin and deleting are unknown. Cleaning stays off until the file can be read again.</source>
        <comment>%1: the settings file</comment>
        <translation>%1의 설정을 읽을 수 없어 제외 항목과, 휴지통으로 이동할지 삭제할지에 대한 선택을 알 수 없습니다. 파일을 다시 읽을 수 있을 때까지 정리는 꺼진 상태로 유지됩니다.</translation>
    </message>
    <message>
        <source>Your settings in %1 cannot be read, so your exclusions and your choice between the Trash and deleting are unknown. Cleaning stays off until the file can be read again.</source>
        <comment>%1: the settings file</comment>
        <translation>%1의 설정을 읽을 수 없어 제외 항목과, 휴지통으로 이동할지 삭제할지에 대한 선택을 알 수 없습니다. 파일을 다시 읽을 수 있을 때까지 정리는 꺼진 상태로 유지됩니다.</translation>
    </message>
    <message numerus="yes">
        <source>&lt;b&gt;%Ln file(s) skipped&lt;/b&gt;. The log says why for each one.</source>
        <translation>
            <numerusform>&lt;b&gt;파일 %Ln개를 건너뛰었습니다&lt;/b&gt;. 각 이유는 로그에 기록되어 있습니다.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Cli</name>
    <message>
        <source>Cannot read the catalogue file %1: %2</source>
        <extracomment>%1: a file&apos;s path; %2: the system&apos;s reason</extracomment>
        <translation>카탈로그 파일 %1을(를) 읽을 수 없습니다: %2</translation>
    </message>
    <message>
        <source>The catalogue file %1 is not valid JSON: %2</source>
        <extracomment>%1: a file&apos;s path; %2: what the JSON reader says</extracomment>
        <translation>카탈로그 파일 %1은(는) 올바른 JSON이 아닙니다: %2</translation>
    </message>
    <message>
        <source>The catalogue file %1 is not usable: %2</source>
        <extracomment>%1: a file&apos;s path; %2: one of the reasons below</extracomment>
        <translation>카탈로그 파일 %1을(를) 사용할 수 없습니다: %2</translation>
    </message>
    <message>
        <source>a category has no id</source>
        <translation>id가 없는 범주가 있습니다</translation>
    </message>
    <message>
        <source>the id &quot;%1&quot; appears twice</source>
        <extracomment>%1: a category id</extracomment>
        <translation>id &quot;%1&quot;이(가) 중복됩니다</translation>
    </message>
    <message>
        <source>the risk of &quot;%1&quot; is not Safe, Review or Permanent</source>
        <extracomment>%1: a category id; Safe, Review and Permanent are keys of the file, keep them</extracomment>
        <translation>&quot;%1&quot;의 위험도가 Safe, Review, Permanent 중 하나가 아닙니다</translation>
    </message>
    <message>
        <source>a root of &quot;%1&quot; is not an absolute path</source>
        <extracomment>%1: a category id</extracomment>
        <translation>&quot;%1&quot;의 루트 중 절대 경로가 아닌 것이 있습니다</translation>
    </message>
    <message>
        <source>it lists no categories</source>
        <translation>범주가 하나도 없습니다</translation>
    </message>
    <message>
        <source>Interrupted.</source>
        <extracomment>Printed when Ctrl+C stopped the command</extracomment>
        <translation>중단되었습니다.</translation>
    </message>
    <message>
        <source>Category</source>
        <extracomment>Column heading of the scan table</extracomment>
        <translation>범주</translation>
    </message>
    <message>
        <source>Risk</source>
        <extracomment>Column heading of the scan table: Safe, Review or Permanent</extracomment>
        <translation>위험도</translation>
    </message>
    <message>
        <source>Size</source>
        <extracomment>Column heading</extracomment>
        <translation>크기</translation>
    </message>
    <message>
        <source>Files</source>
        <extracomment>Column heading: a number of files</extracomment>
        <translation>파일 수</translation>
    </message>
    <message>
        <source>Items</source>
        <extracomment>Column heading: a number of items (folders or files)</extracomment>
        <translation>항목 수</translation>
    </message>
    <message>
        <source>(%1 is running)</source>
        <extracomment>After an item of the scan table; %1: an app&apos;s name</extracomment>
        <translation>(%1 실행 중)</translation>
    </message>
    <message>
        <source>… %1 more (--json lists all)</source>
        <extracomment>%1: a number of items not printed</extracomment>
        <translation>… 외 %1개(전체 목록은 --json)</translation>
    </message>
    <message>
        <source>Some folders of %1 could not be read.</source>
        <extracomment>%1: a category</extracomment>
        <translation>%1의 일부 폴더를 읽을 수 없습니다.</translation>
    </message>
    <message>
        <source>Keeping %1 as a whole: %2 lies inside it.</source>
        <extracomment>%1: a folder; %2: the file or folder that keeps it</extracomment>
        <translation>%1 안에 %2이(가) 있으므로 이 항목 전체를 유지합니다.</translation>
    </message>
    <message>
        <source>Cleaned: %1</source>
        <extracomment>%1: a list of categories</extracomment>
        <translation>정리한 범주: %1</translation>
    </message>
    <message>
        <source>Left alone because they are running: %1</source>
        <extracomment>%1: a list of app names</extracomment>
        <translation>실행 중이어서 건드리지 않은 앱: %1</translation>
    </message>
    <message>
        <source>Some items need administrator rights.</source>
        <translation>일부 항목에는 관리자 권한이 필요합니다.</translation>
    </message>
    <message>
        <source>Log: %1</source>
        <extracomment>%1: the path of the log file</extracomment>
        <translation>로그: %1</translation>
    </message>
    <message>
        <source>The scan did not complete.</source>
        <translation>검사를 완료하지 못했습니다.</translation>
    </message>
    <message>
        <source>The scan did not complete; nothing was cleaned.</source>
        <translation>검사를 완료하지 못해 아무것도 정리하지 않았습니다.</translation>
    </message>
    <message>
        <source>Nothing to clean in the categories given.</source>
        <translation>지정한 범주에 정리할 항목이 없습니다.</translation>
    </message>
    <message>
        <source>Cleaning %1 of %2 · %3</source>
        <extracomment>Progress line; %1: the size cleaned; %2: the total; %3: the category</extracomment>
        <translation>정리 중 %1 / %2 · %3</translation>
    </message>
    <message>
        <source>The search for large files did not complete.</source>
        <translation>대용량 파일 검색을 완료하지 못했습니다.</translation>
    </message>
    <message>
        <source>Kind</source>
        <extracomment>Column heading of the large-file table: Video, Archive, …</extracomment>
        <translation>종류</translation>
    </message>
    <message>
        <source>Last used</source>
        <extracomment>Column heading of the large-file table: a date</extracomment>
        <translation>마지막 사용</translation>
    </message>
    <message>
        <source>Path</source>
        <extracomment>Column heading</extracomment>
        <translation>경로</translation>
    </message>
    <message numerus="yes">
        <source>%n large file(s)</source>
        <extracomment>Below the large-file table</extracomment>
        <translation>
            <numerusform>대용량 파일 %n개</numerusform>
        </translation>
    </message>
    <message>
        <source>Cannot read %1.</source>
        <extracomment>%1: a file&apos;s path</extracomment>
        <translation>%1을(를) 읽을 수 없습니다.</translation>
    </message>
    <message>
        <source>Newest</source>
        <extracomment>Column heading of the history table: the latest record</extracomment>
        <translation>최근 변경</translation>
    </message>
    <message>
        <source>Time</source>
        <extracomment>Column heading of the timing table</extracomment>
        <translation>소요 시간</translation>
    </message>
    <message>
        <source>%1 ms</source>
        <extracomment>%1: a number of milliseconds</extracomment>
        <translation>%1 ms</translation>
    </message>
    <message>
        <source>Run &quot;varnholt-cli --help&quot; for the usage.</source>
        <translation>사용법을 보려면 &quot;varnholt-cli --help&quot;를 실행하세요.</translation>
    </message>
    <message>
        <source>No command given.</source>
        <extracomment>Error when varnholt-cli ran without a command</extracomment>
        <translation>명령을 지정하지 않았습니다.</translation>
    </message>
    <message>
        <source>--help takes nothing else.</source>
        <translation>--help는 다른 인수와 함께 사용할 수 없습니다.</translation>
    </message>
    <message>
        <source>--version takes nothing else.</source>
        <translation>--version은 다른 인수와 함께 사용할 수 없습니다.</translation>
    </message>
    <message>
        <source>Unexpected argument &quot;%1&quot; for %2.</source>
        <extracomment>%1: what was typed; %2: the command</extracomment>
        <translation>%2에 사용할 수 없는 인수 &quot;%1&quot;이(가) 있습니다.</translation>
    </message>
    <message>
        <source>measure takes exactly one PATH.</source>
        <translation>measure에는 PATH를 하나만 지정해야 합니다.</translation>
    </message>
    <message>
        <source>none</source>
        <extracomment>Stands for an empty list of options</extracomment>
        <translation>없음</translation>
    </message>
    <message>
        <source>Unknown option &quot;%1&quot; for %2. Options of %2: %3.</source>
        <extracomment>%1: what was typed; %2: the command; %3: its options</extracomment>
        <translation>&quot;%1&quot;은(는) %2에서 쓸 수 없는 옵션입니다. %2의 옵션: %3.</translation>
    </message>
    <message>
        <source>%1 needs a value.</source>
        <extracomment>%1: an option, e.g. --threshold-mb</extracomment>
        <translation>%1에는 값이 필요합니다.</translation>
    </message>
    <message>
        <source>%1 takes no value.</source>
        <extracomment>%1: an option, e.g. --json</extracomment>
        <translation>%1에는 값을 지정할 수 없습니다.</translation>
    </message>
    <message>
        <source>--skip-item needs a path.</source>
        <translation>--skip-item에는 경로가 필요합니다.</translation>
    </message>
    <message>
        <source>Choose either --delete or --trash, not both.</source>
        <translation>--delete와 --trash 중 하나만 선택하세요.</translation>
    </message>
    <message>
        <source>--threshold-mb needs a positive number of megabytes (for example 500), not &quot;%1&quot;.</source>
        <extracomment>%1: what was typed</extracomment>
        <translation>--threshold-mb에는 &quot;%1&quot;이(가) 아니라 0보다 큰 메가바이트 수(예: 500)를 지정해야 합니다.</translation>
    </message>
    <message>
        <source>measure needs a PATH.</source>
        <translation>measure에는 PATH가 필요합니다.</translation>
    </message>
    <message>
        <source>clean needs at least one --category ID.</source>
        <translation>clean에는 --category ID가 하나 이상 필요합니다.</translation>
    </message>
    <message>
        <source>clean removes files: add --yes to confirm.</source>
        <translation>clean은 파일을 삭제합니다. 확인하려면 --yes를 추가하세요.</translation>
    </message>
    <message>
        <source>Unknown category %1. Categories: %2.</source>
        <extracomment>%1: what was typed; %2: the list of category ids</extracomment>
        <translation>알 수 없는 범주: %1. 사용 가능한 범주: %2.</translation>
    </message>
    <message>
        <source>a flag of &quot;%1&quot; is not true or false</source>
        <extracomment>%1: a category id; true and false are words of the file, keep them</extracomment>
        <translation>&quot;%1&quot;의 플래그가 true 또는 false가 아닙니다</translation>
    </message>
    <message>
        <source>the patterns of a root of &quot;%1&quot; are not a list of names</source>
        <extracomment>%1: a category id</extracomment>
        <translation>&quot;%1&quot;의 루트 패턴이 이름 목록이 아닙니다</translation>
    </message>
    <message>
        <source>the minAgeMs of a root of &quot;%1&quot; is not a whole number of milliseconds from 0 to 100 years</source>
        <extracomment>%1: a category id; minAgeMs is a key of the file, keep it</extracomment>
        <translation>&quot;%1&quot;의 루트 minAgeMs가 0에서 100년 사이의 정수 밀리초가 아닙니다</translation>
    </message>
    <message>
        <source>Warning: cannot read the settings file %1; this run may not use your settings.</source>
        <extracomment>%1: a file&apos;s path</extracomment>
        <translation>경고: 설정 파일 %1을(를) 읽을 수 없습니다. 이번 실행에는 사용자의 설정이 적용되지 않을 수 있습니다.</translation>
    </message>
    <message>
        <source>Cannot read the settings file %1, so your exclusions and your choice between the trash and deleting are unknown. Nothing was cleaned: fix or remove that file first.</source>
        <extracomment>%1: a file&apos;s path</extracomment>
        <translation>설정 파일 %1을(를) 읽을 수 없어 제외 항목과, 휴지통으로 이동할지 삭제할지에 대한 선택을 알 수 없습니다. 아무것도 정리하지 않았습니다. 먼저 이 파일을 고치거나 삭제하세요.</translation>
    </message>
    <message>
        <source>Nothing was cleaned.</source>
        <extracomment>Printed when a cleanup removed nothing</extracomment>
        <translation>아무것도 정리하지 않았습니다.</translation>
    </message>
    <message>
        <source>Action</source>
        <extracomment>Column heading of the --dry-run table: what would happen to the path</extracomment>
        <translation>작업</translation>
    </message>
    <message>
        <source>Would stay:</source>
        <extracomment>Heading over the paths --dry-run would keep</extracomment>
        <translation>남는 항목:</translation>
    </message>
    <message numerus="yes">
        <source>Preview only, nothing was removed: %n path(s) would go, %1.</source>
        <extracomment>&quot;would go&quot;: would be removed; %1: their size</extracomment>
        <translation>
            <numerusform>미리 보기일 뿐 아무것도 삭제하지 않았습니다: 경로 %n개, %1이(가) 대상입니다.</numerusform>
        </translation>
    </message>
    <message>
        <source>The disk is already full.</source>
        <translation>디스크가 이미 가득 찼습니다.</translation>
    </message>
    <message numerus="yes">
        <source>No forecast yet: the records of free space cover %n day(s); a forecast needs at least %1.</source>
        <extracomment>%1: a number of days</extracomment>
        <translation>
            <numerusform>아직 예측할 수 없습니다: 여유 공간 기록이 %n일 분량입니다. 예측하려면 최소 %1일 분량이 필요합니다.</numerusform>
        </translation>
    </message>
    <message>
        <source>No forecast: free space is not falling.</source>
        <translation>예측 없음: 여유 공간이 줄고 있지 않습니다.</translation>
    </message>
    <message>
        <source>No forecast: at this rate the disk is not full within a year.</source>
        <translation>예측 없음: 이 속도라면 1년 안에 디스크가 가득 차지 않습니다.</translation>
    </message>
    <message numerus="yes">
        <source>%n record(s) of free space since %1</source>
        <extracomment>%1: a date</extracomment>
        <translation>
            <numerusform>%1 이후 여유 공간 기록 %n건</numerusform>
        </translation>
    </message>
    <message>
        <source>restore takes at most one LOG.</source>
        <translation>restore에는 LOG를 하나까지만 줄 수 있습니다.</translation>
    </message>
    <message>
        <source>put back what a cleanup moved to the trash (the latest one without LOG)</source>
        <translation>정리로 휴지통에 옮긴 항목을 되돌림(LOG가 없으면 가장 최근 정리)</translation>
    </message>
    <message>
        <source>estimate when the disk is full from its history of free space</source>
        <translation>여유 공간 기록으로 디스크가 가득 차는 시점을 예측</translation>
    </message>
    <message>
        <source>list what clean would remove or move, with sizes; removes nothing</source>
        <translation>clean이 삭제하거나 옮길 항목을 크기와 함께 표시(아무것도 삭제하지 않음)</translation>
    </message>
    <message>
        <source>Unknown command &quot;%1&quot;. Commands: %2.</source>
        <extracomment>%1: what was typed; %2: the list of commands</extracomment>
        <translation>알 수 없는 명령 &quot;%1&quot;입니다. 명령: %2.</translation>
    </message>
    <message numerus="yes">
        <source>In use by %1 (PID %2): %n file(s)</source>
        <extracomment>%1: a program&apos;s name; %2: its process number</extracomment>
        <translation>
            <numerusform>%1(PID %2)에서 사용 중: 파일 %n개</numerusform>
        </translation>
    </message>
    <message>
        <source>Kept because something in them changed since the scan: %1</source>
        <extracomment>%1: a list of paths</extracomment>
        <translation>검사 후 내용이 바뀌어 그대로 둔 항목: %1</translation>
    </message>
    <message>
        <source>As root, the catalogue file %1 is used only when it and every folder above it belong to root and no one else may change them.</source>
        <extracomment>%1: a file&apos;s path</extracomment>
        <translation>root로 실행하면 카탈로그 파일 %1은(는) 그 파일과 상위의 모든 폴더를 root가 소유하고 다른 누구도 변경할 수 없을 때만 사용됩니다.</translation>
    </message>
    <message>
        <source>As root, Varnholt works in root&apos;s own folders (%1) and ignores %2: another user can change where they lead.</source>
        <extracomment>%1: a list of folders; %2: the environment variables ignored</extracomment>
        <translation>root로 실행하면 Varnholt는 root 자신의 폴더(%1)에서 작업하며 %2 설정은 무시합니다. 다른 사용자가 그 위치를 바꿀 수 있기 때문입니다.</translation>
    </message>
    <message numerus="yes">
        <source>… and %n more</source>
        <extracomment>Below the skipped paths printed</extracomment>
        <translation>
            <numerusform>… 외 %n개</numerusform>
        </translation>
    </message>
    <message>
        <source>Cannot read the settings file %1, so your exclusions and your choice between the Recycle Bin and deleting are unknown. Nothing was cleaned: fix or remove that file first.</source>
        <extracomment>%1: a file&apos;s path</extracomment>
        <translation>설정 파일 %1을(를) 읽을 수 없어 제외 항목과, 휴지통으로 이동할지 삭제할지에 대한 선택을 알 수 없습니다. 아무것도 정리하지 않았습니다. 먼저 이 파일을 고치거나 삭제하세요.</translation>
    </message>
    <message numerus="yes">
        <source>No forecast yet: the free space has been recorded %n time(s) (the Varnholt app records it when it starts); a forecast needs at least %1.</source>
        <extracomment>%1: a number of records</extracomment>
        <translation>
            <numerusform>아직 예측할 수 없습니다: 여유 공간이 %n번 기록되었습니다(Varnholt 앱이 시작할 때 기록). 예측하려면 최소 %1번이 필요합니다.</numerusform>
        </translation>
    </message>
    <message>
        <source>delete permanently, or move to the Recycle Bin</source>
        <translation>영구 삭제하거나 휴지통으로 이동합니다</translation>
    </message>
    <message>
        <source>put back what a cleanup moved to the Recycle Bin (the latest one without LOG)</source>
        <translation>정리로 휴지통에 옮긴 항목을 되돌림(LOG가 없으면 가장 최근 정리)</translation>
    </message>
    <message>
        <source>delete permanently, or move to the trash</source>
        <translation>영구 삭제하거나 휴지통으로 이동합니다</translation>
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
        <translation>사용법:
  varnholt-cli scan [--json] [--exclude PATTERN]...
  varnholt-cli clean --category ID [--category ID]... [--skip-item PATH]...
                     [--delete | --trash] [--exclude PATTERN]... --yes [--json]
  varnholt-cli large [--threshold-mb N] [--exclude PATTERN]... [--json]
  varnholt-cli measure PATH [--json]
  varnholt-cli --help | --version

명령:
  scan      모든 정리 범주의 크기를 측정합니다
  clean     새로 검사한 후 지정한 범주만 정리합니다
  large     홈 폴더의 대용량 파일을 나열합니다
  measure   한 경로의 디스크 사용 크기, 파일 수, 최근 변경 시각

옵션:
  --json              표 대신 JSON으로 출력합니다
  --exclude PATTERN   PATTERN과 일치하는 폴더와 파일을 제외합니다. 이번
                      실행에서는 설정의 제외 항목 대신 이 패턴을 씁니다
  --category ID       정리할 범주(temp, appcache, browser, logs, thumbs,
                      update, dev, trash)
  --skip-item PATH    정리하는 범주에서 이 항목은 남겨 둡니다
  --delete, --trash   %1
  --threshold-mb N    대용량 파일의 최소 크기(MB)
  --yes               clean이 파일을 삭제해도 됨을 확인합니다

기본값은 Varnholt 설정을 따르며, 옵션은 이번 실행에만 적용됩니다.
종료 코드: 0 완료, 1 실패(clean: 선택한 항목이 남음), 2 사용법 오류.
</translation>
    </message>
    <message numerus="yes">
        <source>Scanning %1 · %2 · %Ln file(s) · %3</source>
        <extracomment>Progress line; %1: a category; %2: the size found; %3: a folder</extracomment>
        <translation>
            <numerusform>%1 검사 중 · %2 · 파일 %Ln개 · %3</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 found · %Ln file(s) checked · %2 s</source>
        <comment>%1: a size; %2: seconds</comment>
        <translation>
            <numerusform>%1 발견 · 파일 %Ln개 검사 · %2초</numerusform>
        </translation>
    </message>
    <message>
        <source>move to Recycle Bin</source>
        <extracomment>The Action column of --dry-run&apos;s table: to the Recycle Bin</extracomment>
        <translation>휴지통으로 이동</translation>
    </message>
    <message>
        <source>move to Trash</source>
        <extracomment>The Action column of --dry-run&apos;s table: to the Trash</extracomment>
        <translation>휴지통으로 이동</translation>
    </message>
    <message>
        <source>delete</source>
        <comment>the Action column of --dry-run&apos;s table: the file is deleted for good</comment>
        <translation>삭제</translation>
    </message>
    <message>
        <source>Moved %1 to the Recycle Bin</source>
        <comment>%1: a size</comment>
        <translation>휴지통으로 %1 이동</translation>
    </message>
    <message>
        <source>Moved %1 to the Trash</source>
        <comment>%1: a size</comment>
        <translation>휴지통으로 %1 이동</translation>
    </message>
    <message>
        <source>freed %1</source>
        <comment>follows what was moved to the bin; %1: a size</comment>
        <translation>%1 확보</translation>
    </message>
    <message>
        <source>Freed %1</source>
        <comment>%1: a size</comment>
        <translation>%1 확보</translation>
    </message>
    <message numerus="yes">
        <source>%n file(s) removed</source>
        <extracomment>Clause of the line that sums up a cleanup</extracomment>
        <translation>
            <numerusform>파일 %n개 제거</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln skipped</source>
        <comment>a number of files and folders left alone</comment>
        <translation>
            <numerusform>%Ln개 건너뜀</numerusform>
        </translation>
    </message>
    <message>
        <source> · </source>
        <extracomment>Between the clauses of the line that sums up a cleanup</extracomment>
        <translation> · </translation>
    </message>
    <message>
        <source>Could not be moved to the Recycle Bin, left where they are:</source>
        <translation>휴지통으로 이동할 수 없어 그대로 둔 항목:</translation>
    </message>
    <message>
        <source>Could not be moved to the Trash, left where they are:</source>
        <translation>휴지통으로 이동할 수 없어 그대로 둔 항목:</translation>
    </message>
    <message>
        <source>--skip-item %1 names no item of the categories given.</source>
        <comment>%1: the path given</comment>
        <translation>--skip-item %1은(는) 지정한 범주의 어떤 항목과도 일치하지 않습니다.</translation>
    </message>
    <message numerus="yes">
        <source>%Ln file(s) checked · %1 found (%2) · %3</source>
        <extracomment>Progress line; %1: the number of large files found; %2: their size; %3: a folder</extracomment>
        <translation>
            <numerusform>파일 %Ln개 검사 · %1개 발견(%2) · %3</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Recorded the sizes of %n folder(s) in %1 (%2 in all).</source>
        <translation>
            <numerusform>%1의 폴더 %n개 크기를 기록했습니다(총 %2).</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n reading(s) of folder sizes kept.</source>
        <translation>
            <numerusform>폴더 크기 기록 %n개를 보관하고 있습니다.</numerusform>
        </translation>
    </message>
    <message>
        <source>The reading of folder sizes did not complete.</source>
        <translation>폴더 크기 기록을 완료하지 못했습니다.</translation>
    </message>
    <message numerus="yes">
        <source>Nothing to compare yet: %n reading(s) of folder sizes so far, and a comparison needs two. The Varnholt app takes one a day while its history of folder sizes is on; &quot;varnholt-cli grew --record&quot; takes one now.</source>
        <translation>
            <numerusform>아직 비교할 수 없습니다: 지금까지 폴더 크기 기록이 %n개이며, 비교하려면 2개가 필요합니다. Varnholt 앱은 폴더 크기 기록이 켜져 있는 동안 하루에 한 번 기록합니다. &quot;varnholt-cli grew --record&quot;로 지금 기록할 수 있습니다.</numerusform>
        </translation>
    </message>
    <message>
        <source>Changes in %1 between %2 and %3:</source>
        <translation>%2부터 %3까지 %1의 변화:</translation>
    </message>
    <message>
        <source>No folder changed by %1 or more.</source>
        <translation>%1 이상 바뀐 폴더가 없습니다.</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>변화</translation>
    </message>
    <message>
        <source>Then</source>
        <translation>이전</translation>
    </message>
    <message>
        <source>Now</source>
        <translation>현재</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>폴더</translation>
    </message>
    <message numerus="yes">
        <source>and %n more (--json lists them all)</source>
        <translation>
            <numerusform>외 %n개(--json으로 모두 표시)</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: clean it with: %2</source>
        <translation>%1: 다음 명령으로 정리: %2</translation>
    </message>
    <message>
        <source>In all: %1 then, %2 now (%3).</source>
        <translation>합계: 이전 %1, 현재 %2(%3).</translation>
    </message>
    <message>
        <source>--since needs an age such as 7d, 2w or 12h, not &quot;%1&quot;.</source>
        <translation>--since에는 &quot;%1&quot;이(가) 아니라 7d, 2w, 12h 같은 기간을 지정해야 합니다.</translation>
    </message>
    <message>
        <source>Choose either --record or --since, not both.</source>
        <translation>--record와 --since 중 하나만 선택하세요.</translation>
    </message>
    <message>
        <source>the folders that grew or shrank most since an earlier reading</source>
        <translation>이전 기록 이후 가장 많이 늘거나 줄어든 폴더</translation>
    </message>
    <message>
        <source>grew: compare with about AGE ago: 7d, 2w, 12h (default 7d)</source>
        <translation>grew: 약 AGE 전과 비교(7d, 2w, 12h, 기본값 7d)</translation>
    </message>
    <message>
        <source>grew: take a reading of the folder sizes now</source>
        <translation>grew: 지금 폴더 크기를 기록</translation>
    </message>
    <message>
        <source>No cleanup has moved anything to the Recycle Bin; there is nothing to restore.</source>
        <translation>정리에서 휴지통으로 이동한 항목이 없으므로 복원할 것이 없습니다.</translation>
    </message>
    <message>
        <source>No cleanup has moved anything to the Trash; there is nothing to restore.</source>
        <translation>정리에서 휴지통으로 이동한 항목이 없으므로 복원할 것이 없습니다.</translation>
    </message>
    <message>
        <source>Skipped (the log gives each reason):</source>
        <extracomment>Heading over paths a cleanup left alone, for reasons of several kinds</extracomment>
        <translation>건너뜀(각 이유는 로그에 기록됨):</translation>
    </message>
    <message>
        <source>That cleanup moved nothing to the Recycle Bin; there is nothing to restore.</source>
        <translation>이 정리에서 휴지통으로 이동한 항목이 없으므로 복원할 것이 없습니다.</translation>
    </message>
    <message>
        <source>That cleanup moved nothing to the Trash; there is nothing to restore.</source>
        <translation>이 정리에서 휴지통으로 이동한 항목이 없으므로 복원할 것이 없습니다.</translation>
    </message>
</context>
<context>
    <name>LargeFileKind</name>
    <message>
        <source>Disk image</source>
        <extracomment>Kind of large file (the Space Map&apos;s Kind column)</extracomment>
        <translation>디스크 이미지</translation>
    </message>
    <message>
        <source>Partial download</source>
        <extracomment>Kind of large file (the Space Map&apos;s Kind column)</extracomment>
        <translation>미완료 다운로드</translation>
    </message>
    <message>
        <source>Video</source>
        <extracomment>Kind of large file (the Space Map&apos;s Kind column)</extracomment>
        <translation>동영상</translation>
    </message>
    <message>
        <source>Archive</source>
        <extracomment>Kind of large file (the Space Map&apos;s Kind column)</extracomment>
        <translation>압축 파일</translation>
    </message>
    <message>
        <source>Installer</source>
        <extracomment>Kind of large file (the Space Map&apos;s Kind column)</extracomment>
        <translation>설치 프로그램</translation>
    </message>
    <message>
        <source>Audio</source>
        <extracomment>Kind of large file (the Space Map&apos;s Kind column)</extracomment>
        <translation>오디오</translation>
    </message>
    <message>
        <source>Image</source>
        <extracomment>Kind of large file (the Space Map&apos;s Kind column)</extracomment>
        <translation>이미지</translation>
    </message>
    <message>
        <source>Document</source>
        <extracomment>Kind of large file (the Space Map&apos;s Kind column)</extracomment>
        <translation>문서</translation>
    </message>
    <message>
        <source>Backup</source>
        <extracomment>Kind of large file (the Space Map&apos;s Kind column)</extracomment>
        <translation>백업</translation>
    </message>
    <message>
        <source>File</source>
        <extracomment>Kind of large file (the Space Map&apos;s Kind column)</extracomment>
        <translation>파일</translation>
    </message>
</context>
<context>
    <name>LargeFilesPage</name>
    <message>
        <source>Space Map</source>
        <extracomment>Title of the page that maps where disk space goes (not a geographic map)</extracomment>
        <translation>공간 맵</translation>
    </message>
    <message>
        <source>Rescan</source>
        <extracomment>Button in the Space Map&apos;s header: look for large files again</extracomment>
        <translation>다시 검사</translation>
    </message>
    <message>
        <source>Find what&apos;s taking up space</source>
        <translation>공간을 차지하는 파일 찾기</translation>
    </message>
    <message>
        <source>Big files in your home folder. You decide what goes.</source>
        <translation>홈 폴더에 있는 큰 파일을 보여 줍니다. 무엇을 지울지는 직접 결정합니다.</translation>
    </message>
    <message>
        <source>Find large files</source>
        <extracomment>Heading while the search for large files runs</extracomment>
        <translation>대용량 파일 찾기</translation>
    </message>
    <message>
        <source>Largest so far</source>
        <extracomment>Heading over the biggest files found while the search runs</extracomment>
        <translation>지금까지 가장 큰 파일</translation>
    </message>
    <message>
        <source>Looking for large files…</source>
        <translation>대용량 파일을 찾는 중…</translation>
    </message>
    <message>
        <source>All</source>
        <extracomment>Filter of the large-file list: every file</extracomment>
        <translation>전체</translation>
    </message>
    <message>
        <source>Unused %1+ months</source>
        <extracomment>Filter of the large-file list; %1: a number of months</extracomment>
        <translation>%1개월 이상 미사용</translation>
    </message>
    <message>
        <source>Downloads</source>
        <extracomment>Filter of the large-file list: files in the Downloads folder</extracomment>
        <translation>다운로드</translation>
    </message>
    <message>
        <source>Search files</source>
        <extracomment>Placeholder of the search field</extracomment>
        <translation>파일 검색</translation>
    </message>
    <message>
        <source>Home folder · over %1</source>
        <extracomment>Eyebrow of the Space Map: where it looks and above which size; %1: a size</extracomment>
        <translation>홈 폴더 · %1 초과</translation>
    </message>
    <message numerus="yes">
        <source>&lt;b style=&apos;color:%1&apos;&gt;%2&lt;/b&gt; selected of %3 · %Ln file(s)</source>
        <extracomment>The footer&apos;s summary; %1: style, keep as is; %2: the checked size; %3: the total size</extracomment>
        <translation>
            <numerusform>%3 중 &lt;b style=&apos;color:%1&apos;&gt;%2&lt;/b&gt; 선택됨 · 파일 %Ln개</numerusform>
        </translation>
    </message>
    <message>
        <source>Stop</source>
        <extracomment>Button in the Space Map&apos;s header: stop the search for large files</extracomment>
        <translation>중지</translation>
    </message>
    <message>
        <source>No files match “%1”.</source>
        <extracomment>%1: what was typed in the search field</extracomment>
        <translation>‘%1’과(와) 일치하는 파일이 없습니다.</translation>
    </message>
    <message>
        <source>No files in this view.</source>
        <translation>이 보기에는 파일이 없습니다.</translation>
    </message>
    <message>
        <source>No files over %1 in your home folder.</source>
        <extracomment>%1: a size</extracomment>
        <translation>홈 폴더에 %1을(를) 초과하는 파일이 없습니다.</translation>
    </message>
    <message>
        <source>Files to show</source>
        <extracomment>Accessible name of the row of filters</extracomment>
        <translation>표시할 파일</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>위로</translation>
    </message>
    <message>
        <source>Change since</source>
        <translation>비교 시점</translation>
    </message>
    <message>
        <source>Folders by change</source>
        <translation>변화별 폴더</translation>
    </message>
    <message>
        <source>Folders</source>
        <translation>폴더</translation>
    </message>
    <message>
        <source>The history of folder sizes is off. Turn it on in Settings to see what grew.</source>
        <translation>폴더 크기 기록이 꺼져 있습니다. 늘어난 항목을 보려면 설정에서 켜세요.</translation>
    </message>
    <message>
        <source>Varnholt notes how big your folders are once a day. The first comparison is ready after two readings.</source>
        <translation>Varnholt는 하루에 한 번 폴더 크기를 기록합니다. 기록이 두 번 쌓이면 첫 비교를 볼 수 있습니다.</translation>
    </message>
    <message>
        <source>Name</source>
        <extracomment>Column title of the Space Map&apos;s list (shown upper-cased): the file&apos;s name</extracomment>
        <translation>이름</translation>
    </message>
    <message>
        <source>Kind</source>
        <extracomment>Column title (shown upper-cased): Video, Archive, …</extracomment>
        <translation>종류</translation>
    </message>
    <message>
        <source>Last opened</source>
        <extracomment>Column title (shown upper-cased) over relative dates such as &quot;3 months ago&quot;</extracomment>
        <translation>마지막으로 연 날짜</translation>
    </message>
    <message>
        <source>Size</source>
        <extracomment>Column title (shown upper-cased): the file&apos;s size</extracomment>
        <translation>크기</translation>
    </message>
    <message>
        <source>Grew</source>
        <extracomment>View of the Space Map: the folders coloured by how much they grew since an earlier reading</extracomment>
        <translation>늘어난 폴더</translation>
    </message>
    <message>
        <source>Clear search</source>
        <comment>button in the search field that empties it</comment>
        <translation>검색어 지우기</translation>
    </message>
    <message>
        <source>Show in File Explorer</source>
        <extracomment>Button in the Space Map&apos;s footer; opens File Explorer at the checked file</extracomment>
        <translation>파일 탐색기에서 보기</translation>
    </message>
    <message>
        <source>Show in File Manager</source>
        <extracomment>Button in the Space Map&apos;s footer; opens the file manager at the checked file</extracomment>
        <translation>파일 관리자에서 보기</translation>
    </message>
    <message>
        <source>Move to Recycle Bin</source>
        <extracomment>Button in the Space Map&apos;s footer; moves the checked files to the Recycle Bin</extracomment>
        <translation>휴지통으로 이동</translation>
    </message>
    <message>
        <source>Move to Trash</source>
        <extracomment>Button in the Space Map&apos;s footer; moves the checked files to the Trash</extracomment>
        <translation>휴지통으로 이동</translation>
    </message>
    <message>
        <source>The File Explorer could not show %1</source>
        <comment>%1: a path</comment>
        <translation>파일 탐색기에서 다음 경로를 표시할 수 없습니다: %1</translation>
    </message>
    <message>
        <source>The File Manager could not show %1</source>
        <comment>%1: a path</comment>
        <translation>파일 관리자에서 다음 경로를 표시할 수 없습니다: %1</translation>
    </message>
</context>
<context>
    <name>Main</name>
    <message>
        <source>%1 is almost full. Run Smart Scan to free up space.</source>
        <extracomment>Notification; %1: a drive</extracomment>
        <translation>%1이(가) 거의 가득 찼습니다. 스마트 검사를 실행하여 공간을 확보하세요.</translation>
    </message>
    <message>
        <source>Varnholt was updated to version %1.</source>
        <extracomment>%1: a version number</extracomment>
        <translation>Varnholt가 %1 버전으로 업데이트되었습니다.</translation>
    </message>
    <message numerus="yes">
        <source>%1 is filling up: at this rate it is full in about %n day(s). Run Smart Scan to free up space.</source>
        <extracomment>Notification; %1: a drive</extracomment>
        <translation>
            <numerusform>%1이(가) 채워지고 있습니다. 이 속도라면 약 %n일 후에 가득 찹니다. 스마트 검사를 실행하여 공간을 확보하세요.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>MenuBar</name>
    <message>
        <source>Varnholt Website</source>
        <extracomment>Link in the About dialog</extracomment>
        <translation>Varnholt 웹사이트</translation>
    </message>
    <message>
        <source>Settings</source>
        <extracomment>Entry of the app menu: open the Settings page</extracomment>
        <translation>설정</translation>
    </message>
    <message>
        <source>Check for Updates</source>
        <extracomment>Entry of the app menu</extracomment>
        <translation>업데이트 확인</translation>
    </message>
    <message>
        <source>Help</source>
        <extracomment>Submenu of the app menu</extracomment>
        <translation>도움말</translation>
    </message>
    <message>
        <source>Guide</source>
        <extracomment>Entry of the Help menu: the user guide on the website</extracomment>
        <translation>가이드</translation>
    </message>
    <message>
        <source>FAQ</source>
        <extracomment>Entry of the Help menu: frequently asked questions</extracomment>
        <translation>자주 묻는 질문</translation>
    </message>
    <message>
        <source>Open Log Folder</source>
        <extracomment>Entry of the app menu</extracomment>
        <translation>로그 폴더 열기</translation>
    </message>
    <message>
        <source>About Varnholt</source>
        <extracomment>Entry of the app menu</extracomment>
        <translation>Varnholt 정보</translation>
    </message>
    <message>
        <source>Quit Varnholt</source>
        <extracomment>Entry of the app menu</extracomment>
        <translation>Varnholt 종료</translation>
    </message>
    <message>
        <source>The log folder %1 could not be created.</source>
        <extracomment>%1: a folder</extracomment>
        <translation>로그 폴더 %1을(를) 만들 수 없습니다.</translation>
    </message>
</context>
<context>
    <name>Overlay</name>
    <message>
        <source>Version %1</source>
        <extracomment>%1: a version number</extracomment>
        <translation>버전 %1</translation>
    </message>
    <message>
        <source>Finds the space your computer can spare.</source>
        <translation>컴퓨터에서 확보할 수 있는 공간을 찾아 줍니다.</translation>
    </message>
    <message>
        <source>Close</source>
        <extracomment>Button that closes a dialog</extracomment>
        <translation>닫기</translation>
    </message>
    <message>
        <source>Cancel</source>
        <extracomment>Button that closes a dialog without doing anything</extracomment>
        <translation>취소</translation>
    </message>
    <message>
        <source>Undo</source>
        <extracomment>Button in a notification: take the last action back</extracomment>
        <translation>실행 취소</translation>
    </message>
    <message>
        <source>Keep Varnholt running?</source>
        <extracomment>Title of the dialog shown when the window is closed</extracomment>
        <translation>Varnholt를 계속 실행하시겠습니까?</translation>
    </message>
    <message>
        <source>Remember my choice</source>
        <extracomment>Check box of the close dialog</extracomment>
        <translation>선택 기억하기</translation>
    </message>
    <message>
        <source>You can change this in Settings.</source>
        <translation>설정에서 변경할 수 있습니다.</translation>
    </message>
    <message>
        <source>Keep in tray</source>
        <extracomment>Button of the close dialog: hide the window, keep the tray icon</extracomment>
        <translation>알림 영역에 유지</translation>
    </message>
    <message>
        <source>Quit</source>
        <extracomment>Button of the close dialog: end the program</extracomment>
        <translation>종료</translation>
    </message>
    <message>
        <source>Clean %1?</source>
        <extracomment>Title of the confirmation; %1: a size</extracomment>
        <translation>%1를 정리하시겠습니까?</translation>
    </message>
    <message>
        <source>Permanent delete is on. These files can&apos;t be recovered.</source>
        <translation>영구 삭제가 켜져 있습니다. 이 파일은 복구할 수 없습니다.</translation>
    </message>
    <message>
        <source>What&apos;s new</source>
        <extracomment>Heading over the release notes of an update</extracomment>
        <translation>새로운 기능</translation>
    </message>
    <message>
        <source>Retry</source>
        <extracomment>Button of the update dialog after a failure</extracomment>
        <translation>다시 시도</translation>
    </message>
    <message>
        <source>Update now</source>
        <extracomment>Button of the update dialog</extracomment>
        <translation>지금 업데이트</translation>
    </message>
    <message>
        <source>Varnholt is up to date</source>
        <translation>Varnholt가 최신 버전입니다</translation>
    </message>
    <message>
        <source>Version %1 is the latest version.</source>
        <extracomment>%1: a version number</extracomment>
        <translation>%1 버전이 최신 버전입니다.</translation>
    </message>
    <message>
        <source>An update is available</source>
        <translation>업데이트가 있습니다</translation>
    </message>
    <message>
        <source>Version %1 is available. You have %2.</source>
        <extracomment>%1, %2: version numbers</extracomment>
        <translation>%1 버전을 사용할 수 있습니다. 현재 버전은 %2입니다.</translation>
    </message>
    <message>
        <source>Could not check for updates</source>
        <translation>업데이트를 확인할 수 없습니다</translation>
    </message>
    <message>
        <source>Check your internet connection and try again.</source>
        <translation>인터넷 연결을 확인한 후 다시 시도하세요.</translation>
    </message>
    <message>
        <source>Downloading the update…</source>
        <extracomment>Status of the update dialog</extracomment>
        <translation>업데이트를 다운로드하는 중…</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <extracomment>Download progress; %1, %2: sizes</extracomment>
        <translation>%1 / %2</translation>
    </message>
    <message>
        <source>Installing the update…</source>
        <extracomment>Status of the update dialog</extracomment>
        <translation>업데이트를 설치하는 중…</translation>
    </message>
    <message>
        <source>Varnholt closes and starts again when the update is installed.</source>
        <translation>업데이트가 설치되면 Varnholt가 종료된 후 다시 시작됩니다.</translation>
    </message>
    <message>
        <source>Checking for updates…</source>
        <extracomment>Status of the update dialog</extracomment>
        <translation>업데이트를 확인하는 중…</translation>
    </message>
    <message>
        <source>Version %1 is installed.</source>
        <extracomment>%1: a version number</extracomment>
        <translation>%1 버전이 설치되어 있습니다.</translation>
    </message>
    <message>
        <source>Later</source>
        <extracomment>Button of the update dialog: do not update now</extracomment>
        <translation>나중에</translation>
    </message>
    <message>
        <source>Some of it needs administrator rights: without them those files are skipped.</source>
        <translation>일부 항목에는 관리자 권한이 필요합니다. 권한이 없으면 해당 파일은 건너뜁니다.</translation>
    </message>
    <message>
        <source>Everything that will go</source>
        <extracomment>Link of the confirmation that lists every path the cleanup removes (&quot;go&quot;: be removed, not leave)</extracomment>
        <translation>삭제될 모든 항목</translation>
    </message>
    <message>
        <source>Working out the list…</source>
        <translation>목록을 만드는 중…</translation>
    </message>
    <message>
        <source>The list cannot be worked out now.</source>
        <translation>지금은 목록을 만들 수 없습니다.</translation>
    </message>
    <message>
        <source>Nothing in the selection would be removed.</source>
        <translation>선택한 항목에서 삭제될 것이 없습니다.</translation>
    </message>
    <message numerus="yes">
        <source>and %n more</source>
        <extracomment>Below the paths listed in the confirmation</extracomment>
        <translation>
            <numerusform>외 %n개</numerusform>
        </translation>
    </message>
    <message>
        <source>Leave them</source>
        <extracomment>Choice for what cannot go to the bin: keep those files</extracomment>
        <translation>그대로 두기</translation>
    </message>
    <message>
        <source>Delete them permanently</source>
        <extracomment>Choice for what cannot go to the bin</extracomment>
        <translation>영구 삭제</translation>
    </message>
    <message>
        <source>All of it is deleted permanently and can&apos;t be recovered.</source>
        <translation>모두 영구 삭제되며 복구할 수 없습니다.</translation>
    </message>
    <message>
        <source>The check could not start. Try again in a moment.</source>
        <translation>확인을 시작할 수 없습니다. 잠시 후 다시 시도하세요.</translation>
    </message>
    <message>
        <source>The check failed again.</source>
        <translation>확인에 다시 실패했습니다.</translation>
    </message>
    <message>
        <source>These cannot be moved to the Recycle Bin</source>
        <translation>다음 항목은 휴지통으로 이동할 수 없습니다</translation>
    </message>
    <message>
        <source>These cannot be moved to the Trash</source>
        <translation>다음 항목은 휴지통으로 이동할 수 없습니다</translation>
    </message>
    <message>
        <source>None of it can go to the Recycle Bin: delete it permanently, or nothing is cleaned.</source>
        <translation>어느 항목도 휴지통으로 이동할 수 없습니다. 영구 삭제하지 않으면 아무것도 정리되지 않습니다.</translation>
    </message>
    <message>
        <source>None of it can go to the Trash: delete it permanently, or nothing is cleaned.</source>
        <translation>어느 항목도 휴지통으로 이동할 수 없습니다. 영구 삭제하지 않으면 아무것도 정리되지 않습니다.</translation>
    </message>
    <message>
        <source>Emptying the Recycle Bin and deleting what cannot go there can&apos;t be undone. Everything else goes to the Recycle Bin.</source>
        <translation>휴지통 비우기와 휴지통으로 이동할 수 없는 항목의 삭제는 되돌릴 수 없습니다. 나머지는 모두 휴지통으로 이동됩니다.</translation>
    </message>
    <message>
        <source>Emptying the Trash and deleting what cannot go there can&apos;t be undone. Everything else goes to the Trash.</source>
        <translation>휴지통 비우기와 휴지통으로 이동할 수 없는 항목의 삭제는 되돌릴 수 없습니다. 나머지는 모두 휴지통으로 이동됩니다.</translation>
    </message>
    <message>
        <source>What cannot go to the Recycle Bin is deleted permanently. Everything else is moved there, so you can restore it later.</source>
        <translation>휴지통으로 이동할 수 없는 항목은 영구 삭제됩니다. 나머지는 모두 휴지통으로 이동되므로 나중에 복원할 수 있습니다.</translation>
    </message>
    <message>
        <source>What cannot go to the Trash is deleted permanently. Everything else is moved there, so you can restore it later.</source>
        <translation>휴지통으로 이동할 수 없는 항목은 영구 삭제됩니다. 나머지는 모두 휴지통으로 이동되므로 나중에 복원할 수 있습니다.</translation>
    </message>
    <message>
        <source>Emptying the Recycle Bin can&apos;t be undone. Everything else goes to the Recycle Bin.</source>
        <translation>휴지통 비우기는 되돌릴 수 없습니다. 나머지는 모두 휴지통으로 이동됩니다.</translation>
    </message>
    <message>
        <source>Emptying the Trash can&apos;t be undone. Everything else goes to the Trash.</source>
        <translation>휴지통 비우기는 되돌릴 수 없습니다. 나머지는 모두 휴지통으로 이동됩니다.</translation>
    </message>
    <message>
        <source>Everything will be moved to the Recycle Bin, so you can restore it later.</source>
        <translation>모든 항목이 휴지통으로 이동되므로 나중에 복원할 수 있습니다.</translation>
    </message>
    <message>
        <source>Everything will be moved to the Trash, so you can restore it later.</source>
        <translation>모든 항목이 휴지통으로 이동되므로 나중에 복원할 수 있습니다.</translation>
    </message>
    <message>
        <source>Clean and delete</source>
        <comment>button: clean, part of it for good</comment>
        <translation>정리 및 삭제</translation>
    </message>
    <message>
        <source>Clean</source>
        <comment>button: start the cleanup</comment>
        <translation>정리</translation>
    </message>
    <message numerus="yes">
        <source>%n path(s) · %1</source>
        <comment>%1: their size</comment>
        <translation>
            <numerusform>경로 %n개 · %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Varnholt can stay in the system tray when you close the window. You can open it again from the tray icon.</source>
        <extracomment>Scheduled scans and alerts run when Varnholt starts, not while it waits in the tray</extracomment>
        <translation>창을 닫아도 Varnholt를 알림 영역에 둘 수 있습니다. 알림 영역 아이콘에서 다시 열 수 있습니다.</translation>
    </message>
</context>
<context>
    <name>OverviewPage</name>
    <message>
        <source>Scanned %1</source>
        <extracomment>Chip; %1: when, e.g. &quot;2 days ago&quot;</extracomment>
        <translation>마지막 검사: %1</translation>
    </message>
    <message>
        <source>Smart Scan</source>
        <extracomment>Button in the Overview&apos;s header: scan every cleanup category</extracomment>
        <translation>스마트 검사</translation>
    </message>
    <message>
        <source>Overview</source>
        <extracomment>Title of the Overview page</extracomment>
        <translation>개요</translation>
    </message>
    <message>
        <source>Rescan</source>
        <extracomment>Button in the Overview&apos;s header: scan again</extracomment>
        <translation>다시 검사</translation>
    </message>
    <message>
        <source>See all</source>
        <extracomment>Link beside the top recommendations: open the Cleanup page</extracomment>
        <translation>모두 보기</translation>
    </message>
    <message>
        <source>Disk health</source>
        <extracomment>Heading of an Overview card</extracomment>
        <translation>디스크 상태</translation>
    </message>
    <message>
        <source>System files protected</source>
        <extracomment>Line of the disk health card</extracomment>
        <translation>시스템 파일 보호됨</translation>
    </message>
    <message>
        <source>%1 ready to clean</source>
        <extracomment>%1: a size</extracomment>
        <translation>%1 정리 가능</translation>
    </message>
    <message>
        <source>Your startup disk is almost full</source>
        <translation>시스템 디스크가 거의 가득 찼습니다</translation>
    </message>
    <message>
        <source>Keep your disk in shape</source>
        <translation>디스크를 최상의 상태로 유지하세요</translation>
    </message>
    <message>
        <source>free of %1</source>
        <extracomment>Under the free size in the disk ring; %1: the disk&apos;s size</extracomment>
        <translation>%1 중 사용 가능</translation>
    </message>
    <message>
        <source>Freed this month</source>
        <extracomment>Caption of an Overview card under a size</extracomment>
        <translation>이번 달 확보한 공간</translation>
    </message>
    <message>
        <source>Last scan</source>
        <extracomment>Caption of an Overview card under a relative date</extracomment>
        <translation>마지막 검사</translation>
    </message>
    <message>
        <source>Scheduled scan</source>
        <extracomment>Caption of an Overview card</extracomment>
        <translation>예약 검사</translation>
    </message>
    <message>
        <source>Top recommendations</source>
        <extracomment>Heading over the biggest safe categories</extracomment>
        <translation>주요 추천 항목</translation>
    </message>
    <message>
        <source>What Smart Scan looks at</source>
        <translation>스마트 검사 대상</translation>
    </message>
    <message>
        <source>Apps, documents &amp; system</source>
        <translation>앱, 문서 및 시스템</translation>
    </message>
    <message>
        <source>Reclaimable</source>
        <extracomment>Legend of the disk bar: space a cleanup can free</extracomment>
        <translation>확보 가능</translation>
    </message>
    <message>
        <source>Available</source>
        <extracomment>Legend of the disk bar: free space</extracomment>
        <translation>사용 가능</translation>
    </message>
    <message>
        <source>Space freed in the last six months</source>
        <translation>지난 6개월 동안 확보한 공간</translation>
    </message>
    <message>
        <source>Scan again to see what can be cleaned</source>
        <translation>다시 검사하여 정리할 수 있는 항목 확인</translation>
    </message>
    <message>
        <source>Free space history</source>
        <extracomment>Heading of an Overview card</extracomment>
        <translation>여유 공간 기록</translation>
    </message>
    <message numerus="yes">
        <source>From %1 to %2 free over %n day(s)</source>
        <extracomment>%1, %2: sizes</extracomment>
        <translation>
            <numerusform>%n일 동안 여유 공간이 %1에서 %2까지 변했습니다</numerusform>
        </translation>
    </message>
    <message>
        <source>Show it in the Space Map</source>
        <translation>공간 맵에서 보기</translation>
    </message>
    <message>
        <source>What grew</source>
        <translation>늘어난 항목</translation>
    </message>
    <message>
        <source>Varnholt notes how big your folders are once a day. The first comparison is ready once two readings lie a week apart.</source>
        <translation>Varnholt는 하루에 한 번 폴더 크기를 기록합니다. 일주일 간격의 기록이 두 개 생기면 첫 비교를 볼 수 있습니다.</translation>
    </message>
    <message>
        <source>Growing fastest this week</source>
        <translation>이번 주 가장 많이 늘어난 폴더</translation>
    </message>
    <message numerus="yes">
        <source>Growing fastest in the last %n day(s)</source>
        <translation>
            <numerusform>지난 %n일 동안 가장 많이 늘어난 폴더</numerusform>
        </translation>
    </message>
    <message>
        <source>No folder grew by more than %1.</source>
        <translation>%1보다 많이 늘어난 폴더가 없습니다.</translation>
    </message>
    <message>
        <source>Clean %1</source>
        <translation>%1 정리</translation>
    </message>
    <message>
        <source>%1 is the folder of this cleanup category</source>
        <translation>이 정리 범주의 폴더는 %1입니다</translation>
    </message>
    <message>
        <source>Review</source>
        <comment>button in the disk ring: open the scan results</comment>
        <translation>검토</translation>
    </message>
    <message>
        <source>Scan</source>
        <comment>button in the disk ring: start a scan</comment>
        <translation>검사</translation>
    </message>
    <message>
        <source>Never scanned</source>
        <comment>chip and card caption</comment>
        <translation>검사한 적 없음</translation>
    </message>
    <message>
        <source>Off</source>
        <comment>scheduled scan</comment>
        <translation>사용 안 함</translation>
    </message>
    <message>
        <source>Weekly</source>
        <comment>scheduled scan</comment>
        <translation>매주</translation>
    </message>
    <message>
        <source>Monthly</source>
        <comment>scheduled scan</comment>
        <translation>매월</translation>
    </message>
</context>
<context>
    <name>Platform</name>
    <message>
        <source>Local Disk</source>
        <extracomment>Name of a drive without a label</extracomment>
        <translation>로컬 디스크</translation>
    </message>
    <message>
        <source>Trash</source>
        <extracomment>The bin of Linux desktops, standing alone (a list entry, a log line)</extracomment>
        <translation>휴지통</translation>
    </message>
    <message>
        <source>File Manager</source>
        <extracomment>The file manager of Linux desktops, standing alone</extracomment>
        <translation>파일 관리자</translation>
    </message>
    <message>
        <source>Recycle Bin</source>
        <extracomment>The Windows bin, standing alone (a list entry, a log line)</extracomment>
        <translation>휴지통</translation>
    </message>
    <message>
        <source>File Explorer</source>
        <extracomment>The Windows file manager, standing alone</extracomment>
        <translation>파일 탐색기</translation>
    </message>
</context>
<context>
    <name>Restore</name>
    <message>
        <source>no longer in the trash</source>
        <translation>더 이상 휴지통에 없음</translation>
    </message>
    <message>
        <source>its place is taken</source>
        <translation>원래 위치가 이미 사용 중</translation>
    </message>
    <message>
        <source>the log does not name a trash entry</source>
        <translation>로그가 휴지통 항목을 가리키지 않음</translation>
    </message>
    <message>
        <source>more than one trash entry matches</source>
        <translation>일치하는 휴지통 항목이 여러 개임</translation>
    </message>
    <message>
        <source>could not be moved back</source>
        <translation>되돌려 놓지 못함</translation>
    </message>
    <message>
        <source>no longer in the Recycle Bin</source>
        <translation>더 이상 휴지통에 없음</translation>
    </message>
    <message>
        <source>the log does not name a Recycle Bin entry</source>
        <translation>로그가 휴지통 항목을 가리키지 않음</translation>
    </message>
    <message>
        <source>more than one Recycle Bin entry matches</source>
        <translation>일치하는 휴지통 항목이 여러 개임</translation>
    </message>
</context>
<context>
    <name>SettingsPage</name>
    <message>
        <source>Settings</source>
        <extracomment>Title of the Settings page</extracomment>
        <translation>설정</translation>
    </message>
    <message>
        <source>Choose a folder to exclude</source>
        <translation>제외할 폴더 선택</translation>
    </message>
    <message>
        <source>Cleaning</source>
        <extracomment>Heading of a Settings section</extracomment>
        <translation>정리</translation>
    </message>
    <message>
        <source>Recommended. Turn off to delete files permanently.</source>
        <translation>권장 설정입니다. 끄면 파일이 영구적으로 삭제됩니다.</translation>
    </message>
    <message>
        <source>Large file size</source>
        <extracomment>Setting: from which size a file counts as large</extracomment>
        <translation>대용량 파일 기준</translation>
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
        <translation>오래된 파일 기준</translation>
    </message>
    <message>
        <source>3 months</source>
        <extracomment>Choice: after how long unused a file counts as old</extracomment>
        <translation>3개월</translation>
    </message>
    <message>
        <source>6 months</source>
        <extracomment>Choice: after how long unused a file counts as old</extracomment>
        <translation>6개월</translation>
    </message>
    <message>
        <source>12 months</source>
        <extracomment>Choice: after how long unused a file counts as old</extracomment>
        <translation>12개월</translation>
    </message>
    <message>
        <source>24 months</source>
        <extracomment>Choice: after how long unused a file counts as old</extracomment>
        <translation>24개월</translation>
    </message>
    <message>
        <source>Automation</source>
        <extracomment>Heading of a Settings section</extracomment>
        <translation>자동화</translation>
    </message>
    <message>
        <source>Scheduled scan</source>
        <extracomment>Setting: how often Varnholt scans by itself</extracomment>
        <translation>예약 검사</translation>
    </message>
    <message>
        <source>Scans when Varnholt starts if the last scan is older than this. Never cleans on its own.</source>
        <translation>마지막 검사 후 이 기간이 지났으면 Varnholt를 시작할 때 검사합니다. 자동으로 정리하지는 않습니다.</translation>
    </message>
    <message>
        <source>Low space alerts</source>
        <extracomment>Setting: notify when the disk is nearly full</extracomment>
        <translation>공간 부족 알림</translation>
    </message>
    <message>
        <source>Warn when free space drops below 10%.</source>
        <extracomment>The % sign is part of &quot;10%&quot;, not a placeholder</extracomment>
        <translation>여유 공간이 10% 미만으로 떨어지면 경고합니다.</translation>
    </message>
    <message>
        <source>Starts Varnholt in the background so scheduled scans can run.</source>
        <translation>예약 검사를 실행할 수 있도록 Varnholt를 백그라운드에서 시작합니다.</translation>
    </message>
    <message>
        <source>Show Varnholt in the menu bar</source>
        <translation>메뉴 막대에 Varnholt 표시</translation>
    </message>
    <message>
        <source>Ask every time</source>
        <extracomment>Choice of what closing the window does</extracomment>
        <translation>항상 묻기</translation>
    </message>
    <message>
        <source>Keep running in the tray</source>
        <translation>알림 영역에서 계속 실행</translation>
    </message>
    <message>
        <source>Quit Varnholt</source>
        <extracomment>Choice of what closing the window does</extracomment>
        <translation>Varnholt 종료</translation>
    </message>
    <message>
        <source>When closing the window</source>
        <translation>창을 닫을 때</translation>
    </message>
    <message>
        <source>Appearance</source>
        <extracomment>Heading of a Settings section</extracomment>
        <translation>모양</translation>
    </message>
    <message>
        <source>Theme</source>
        <extracomment>Setting: light or dark colours</extracomment>
        <translation>테마</translation>
    </message>
    <message>
        <source>Follow the system, or always use light or dark.</source>
        <translation>시스템 설정을 따르거나 항상 밝게 또는 어둡게 표시합니다.</translation>
    </message>
    <message>
        <source>System default (%1)</source>
        <extracomment>Choice of the language; %1: the system&apos;s language</extracomment>
        <translation>시스템 기본값(%1)</translation>
    </message>
    <message>
        <source>Restart now</source>
        <extracomment>Button: restart to show the new language</extracomment>
        <translation>지금 다시 시작</translation>
    </message>
    <message>
        <source>Language</source>
        <extracomment>Setting: the language of the interface</extracomment>
        <translation>언어</translation>
    </message>
    <message>
        <source>Varnholt restarts to switch languages.</source>
        <translation>언어를 변경하면 Varnholt가 다시 시작됩니다.</translation>
    </message>
    <message>
        <source>Exclusions</source>
        <extracomment>Heading of a Settings section: folders never cleaned</extracomment>
        <translation>제외 항목</translation>
    </message>
    <message>
        <source>Add folder</source>
        <extracomment>Button: add a folder to the exclusions</extracomment>
        <translation>폴더 추가</translation>
    </message>
    <message>
        <source>Never touch these</source>
        <extracomment>Description of the exclusions</extracomment>
        <translation>항상 제외할 항목</translation>
    </message>
    <message>
        <source>Folders and patterns Varnholt always skips.</source>
        <translation>Varnholt가 항상 건너뛰는 폴더와 패턴입니다.</translation>
    </message>
    <message>
        <source>Protected system locations</source>
        <extracomment>Row of the exclusions: folders Varnholt never cleans</extracomment>
        <translation>보호된 시스템 위치</translation>
    </message>
    <message>
        <source>Locked</source>
        <extracomment>Badge beside the protected system locations: they cannot be changed</extracomment>
        <translation>잠김</translation>
    </message>
    <message>
        <source>Protected apps</source>
        <extracomment>Row of the exclusions: apps whose data Varnholt never cleans</extracomment>
        <translation>보호된 앱</translation>
    </message>
    <message>
        <source> — their data is never cleaned. Caches of running apps and open files are skipped too.</source>
        <translation> — 이러한 앱의 데이터는 정리하지 않습니다. 실행 중인 앱의 캐시와 열려 있는 파일도 건너뜁니다.</translation>
    </message>
    <message>
        <source>Permissions &amp; about</source>
        <extracomment>Heading of a Settings section</extracomment>
        <translation>권한 및 정보</translation>
    </message>
    <message>
        <source>Full Disk Access</source>
        <extracomment>A macOS permission</extracomment>
        <translation>전체 디스크 접근 권한</translation>
    </message>
    <message>
        <source>Varnholt is running as administrator and can clean Windows Update files.</source>
        <translation>Varnholt가 관리자 권한으로 실행 중이므로 Windows 업데이트 파일을 정리할 수 있습니다.</translation>
    </message>
    <message>
        <source>Varnholt is running as administrator and can clean the package cache.</source>
        <translation>Varnholt가 관리자 권한으로 실행 중이므로 패키지 캐시를 정리할 수 있습니다.</translation>
    </message>
    <message>
        <source>Administrator access</source>
        <extracomment>Row: whether Varnholt runs with administrator rights</extracomment>
        <translation>관리자 권한</translation>
    </message>
    <message>
        <source>Granted</source>
        <extracomment>Badge: administrator rights are held</extracomment>
        <translation>허용됨</translation>
    </message>
    <message>
        <source>Only needed to clean Windows Update leftovers.</source>
        <translation>Windows 업데이트 잔여 파일을 정리할 때만 필요합니다.</translation>
    </message>
    <message>
        <source>Only needed to clean the package cache.</source>
        <translation>패키지 캐시를 정리할 때만 필요합니다.</translation>
    </message>
    <message>
        <source>Restart as admin</source>
        <extracomment>Button: restart Varnholt with administrator rights</extracomment>
        <translation>관리자 권한으로 다시 시작</translation>
    </message>
    <message>
        <source>Check for updates</source>
        <extracomment>Button</extracomment>
        <translation>업데이트 확인</translation>
    </message>
    <message>
        <source>Open logs</source>
        <extracomment>Button: open the folder of the cleanup logs</extracomment>
        <translation>로그 열기</translation>
    </message>
    <message>
        <source>Every cleanup writes a log you can review. Varnholt checks for updates when it starts.</source>
        <translation>정리할 때마다 나중에 검토할 수 있는 로그가 기록됩니다. Varnholt는 시작할 때 업데이트를 확인합니다.</translation>
    </message>
    <message>
        <source>Remove</source>
        <extracomment>Button beside an excluded folder: take it off the list</extracomment>
        <translation>제거</translation>
    </message>
    <message>
        <source>Files bigger than this appear in the Space Map.</source>
        <translation>이 크기보다 큰 파일이 공간 맵에 표시됩니다.</translation>
    </message>
    <message>
        <source>Recent cleanups</source>
        <extracomment>Heading of a Settings section</extracomment>
        <translation>최근 정리</translation>
    </message>
    <message>
        <source>No cleanups yet</source>
        <extracomment>In place of the list of recent cleanups</extracomment>
        <translation>아직 정리 기록이 없습니다</translation>
    </message>
    <message>
        <source>Every cleanup writes a log you can review.</source>
        <translation>정리할 때마다 확인할 수 있는 로그가 기록됩니다.</translation>
    </message>
    <message>
        <source>Restore</source>
        <extracomment>Button beside a past cleanup: put back what it moved to the bin</extracomment>
        <translation>복원</translation>
    </message>
    <message>
        <source>Used by the “Unused” filter.</source>
        <translation>‘미사용’ 필터에 사용됩니다.</translation>
    </message>
    <message>
        <source>Nothing was cleaned</source>
        <extracomment>What a past cleanup did</extracomment>
        <translation>정리된 항목이 없습니다</translation>
    </message>
    <message>
        <source>Check again</source>
        <extracomment>Button beside a note: read the settings file again</extracomment>
        <translation>다시 확인</translation>
    </message>
    <message>
        <source>Your settings in %1 cannot be read, so what they hold is unknown. The options kept there stay locked until the file can be read again.</source>
        <extracomment>%1: a file&apos;s path</extracomment>
        <translation>%1의 설정을 읽을 수 없어 그 내용을 알 수 없습니다. 파일을 다시 읽을 수 있을 때까지 거기에 저장된 옵션은 잠긴 상태로 유지됩니다.</translation>
    </message>
    <message>
        <source>Varnholt could not start again. Close it and open it yourself to switch languages.</source>
        <translation>Varnholt를 다시 시작할 수 없습니다. 언어를 변경하려면 Varnholt를 닫았다가 직접 다시 여세요.</translation>
    </message>
    <message>
        <source>Move items to the Recycle Bin</source>
        <translation>항목을 휴지통으로 이동</translation>
    </message>
    <message>
        <source>Move items to the Trash</source>
        <translation>항목을 휴지통으로 이동</translation>
    </message>
    <message>
        <source>Off</source>
        <comment>scheduled scan</comment>
        <translation>사용 안 함</translation>
    </message>
    <message>
        <source>Weekly</source>
        <comment>scheduled scan</comment>
        <translation>매주</translation>
    </message>
    <message>
        <source>Monthly</source>
        <comment>scheduled scan</comment>
        <translation>매월</translation>
    </message>
    <message>
        <source>Keep a history of folder sizes</source>
        <translation>폴더 크기 기록 보관</translation>
    </message>
    <message>
        <source>Once a day, Varnholt notes how big your folders are so it can show what grew. Nothing leaves this computer.</source>
        <translation>Varnholt는 하루에 한 번 폴더 크기를 기록해 무엇이 늘어났는지 보여 줍니다. 어떤 정보도 이 컴퓨터 밖으로 나가지 않습니다.</translation>
    </message>
    <message>
        <source>Open at login</source>
        <comment>setting: start Varnholt at login</comment>
        <translation>로그인 시 열기</translation>
    </message>
    <message>
        <source>Start with Windows</source>
        <comment>setting: start Varnholt at login</comment>
        <translation>Windows 시작 시 실행</translation>
    </message>
    <message>
        <source>Start at login</source>
        <comment>setting: start Varnholt at login</comment>
        <translation>로그인 시 실행</translation>
    </message>
    <message>
        <source>System</source>
        <comment>theme that follows the system&apos;s light or dark mode</comment>
        <translation>시스템</translation>
    </message>
    <message>
        <source>Light</source>
        <comment>theme</comment>
        <translation>밝게</translation>
    </message>
    <message>
        <source>Dark</source>
        <comment>theme</comment>
        <translation>어둡게</translation>
    </message>
    <message>
        <source>C:\Windows\System32, WinSxS, Program Files, drive roots — always skipped.</source>
        <extracomment>The folder names stay as the system writes them</extracomment>
        <translation>C:\Windows\System32, WinSxS, Program Files, 드라이브 루트 — 항상 건너뜁니다.</translation>
    </message>
    <message>
        <source>/usr, /etc, /boot, /var/lib, system folders — always skipped.</source>
        <extracomment>The folder names stay as the system writes them</extracomment>
        <translation>/usr, /etc, /boot, /var/lib, 시스템 폴더 — 항상 건너뜁니다.</translation>
    </message>
    <message>
        <source>%1 in all: the Recycle Bin emptied, items deleted permanently or moved to it</source>
        <comment>%1: a size</comment>
        <translation>총 %1: 휴지통을 비우고 항목을 영구 삭제하거나 휴지통으로 이동함</translation>
    </message>
    <message>
        <source>%1 in all: the Trash emptied, items deleted permanently or moved to it</source>
        <comment>%1: a size</comment>
        <translation>총 %1: 휴지통을 비우고 항목을 영구 삭제하거나 휴지통으로 이동함</translation>
    </message>
    <message>
        <source>%1 moved to the Recycle Bin or deleted permanently</source>
        <comment>%1: a size</comment>
        <translation>%1 휴지통으로 이동 또는 영구 삭제</translation>
    </message>
    <message>
        <source>%1 moved to the Trash or deleted permanently</source>
        <comment>%1: a size</comment>
        <translation>%1 휴지통으로 이동 또는 영구 삭제</translation>
    </message>
    <message>
        <source>%1 in all: the Recycle Bin emptied, then items moved to it</source>
        <comment>%1: a size</comment>
        <translation>총 %1: 휴지통을 비운 후 항목을 휴지통으로 이동함</translation>
    </message>
    <message>
        <source>%1 in all: the Trash emptied, then items moved to it</source>
        <comment>%1: a size</comment>
        <translation>총 %1: 휴지통을 비운 후 항목을 휴지통으로 이동함</translation>
    </message>
    <message>
        <source>%1 moved to the Recycle Bin</source>
        <comment>%1: a size</comment>
        <translation>%1 휴지통으로 이동</translation>
    </message>
    <message>
        <source>%1 moved to the Trash</source>
        <comment>%1: a size</comment>
        <translation>%1 휴지통으로 이동</translation>
    </message>
    <message>
        <source>%1 freed: items deleted permanently and the Recycle Bin emptied</source>
        <comment>%1: a size</comment>
        <translation>%1 확보: 항목을 영구 삭제하고 휴지통을 비움</translation>
    </message>
    <message>
        <source>%1 freed: items deleted permanently and the Trash emptied</source>
        <comment>%1: a size</comment>
        <translation>%1 확보: 항목을 영구 삭제하고 휴지통을 비움</translation>
    </message>
    <message>
        <source>%1 deleted permanently</source>
        <comment>%1: a size</comment>
        <translation>%1 영구 삭제</translation>
    </message>
    <message>
        <source>The Recycle Bin was emptied: %1 freed</source>
        <comment>%1: a size</comment>
        <translation>휴지통을 비웠습니다: %1 확보</translation>
    </message>
    <message>
        <source>The Trash was emptied: %1 freed</source>
        <comment>%1: a size</comment>
        <translation>휴지통을 비웠습니다: %1 확보</translation>
    </message>
    <message>
        <source>Put back what this cleanup moved to the Recycle Bin. Nothing that is in its place now is replaced.</source>
        <translation>이번 정리에서 휴지통으로 이동한 항목을 되돌립니다. 지금 원래 위치에 있는 항목은 바꾸지 않습니다.</translation>
    </message>
    <message>
        <source>Put back what this cleanup moved to the Trash. Nothing that is in its place now is replaced.</source>
        <translation>이번 정리에서 휴지통으로 이동한 항목을 되돌립니다. 지금 원래 위치에 있는 항목은 바꾸지 않습니다.</translation>
    </message>
    <message>
        <source>Forget history</source>
        <translation>기록 삭제</translation>
    </message>
    <message>
        <source>Forget the history of folder sizes?</source>
        <translation>폴더 크기 기록을 삭제하시겠습니까?</translation>
    </message>
    <message>
        <source>Every reading Varnholt took of your folder sizes is removed. What grew shows again once new readings have been taken.</source>
        <translation>Varnholt가 기록한 폴더 크기가 모두 삭제됩니다. 새 기록이 쌓이면 늘어난 항목이 다시 표시됩니다.</translation>
    </message>
    <message>
        <source>The history of folder sizes is forgotten</source>
        <translation>폴더 크기 기록을 삭제했습니다</translation>
    </message>
    <message>
        <source>Some readings of folder sizes could not be removed</source>
        <translation>일부 폴더 크기 기록을 삭제하지 못했습니다</translation>
    </message>
    <message>
        <source>Closing the window keeps Varnholt running there.</source>
        <extracomment>Scheduled scans and alerts run when Varnholt starts, not while it waits in the menu bar</extracomment>
        <translation>창을 닫아도 Varnholt가 메뉴 막대에서 계속 실행됩니다.</translation>
    </message>
    <message>
        <source>In the tray, Varnholt keeps running until you quit it.</source>
        <extracomment>Scheduled scans and alerts run when Varnholt starts, not while it waits in the tray</extracomment>
        <translation>알림 영역에 있는 동안 Varnholt는 종료할 때까지 계속 실행됩니다.</translation>
    </message>
</context>
<context>
    <name>Sidebar</name>
    <message>
        <source>%1 available of %2</source>
        <extracomment>%1: the free size; %2: the disk&apos;s size</extracomment>
        <translation>%2 중 %1 사용 가능</translation>
    </message>
    <message>
        <source>Smart Scan</source>
        <extracomment>Sidebar entry: the Overview page with its scan of every cleanup category</extracomment>
        <translation>스마트 검사</translation>
    </message>
    <message>
        <source>Cleanup</source>
        <extracomment>Sidebar entry: the page of the scan&apos;s results and the cleanup</extracomment>
        <translation>정리</translation>
    </message>
    <message>
        <source>Space Map</source>
        <extracomment>Sidebar entry: the page that maps where disk space goes (not a geographic map)</extracomment>
        <translation>공간 맵</translation>
    </message>
    <message>
        <source>Settings</source>
        <extracomment>Sidebar entry</extracomment>
        <translation>설정</translation>
    </message>
    <message>
        <source>%1 free</source>
        <extracomment>The collapsed sidebar&apos;s drive line; %1: a size</extracomment>
        <translation>%1 사용 가능</translation>
    </message>
    <message>
        <source>Clean</source>
        <extracomment>Heading over the sidebar&apos;s pages (a section title, not a command)</extracomment>
        <translation>청소</translation>
    </message>
    <message>
        <source>Expand sidebar</source>
        <comment>tooltip: widen the sidebar</comment>
        <translation>사이드바 펼치기</translation>
    </message>
    <message>
        <source>Collapse sidebar</source>
        <comment>tooltip: narrow the sidebar to icons</comment>
        <translation>사이드바 접기</translation>
    </message>
</context>
<context>
    <name>TitleBar</name>
    <message>
        <source>Menu</source>
        <extracomment>Tooltip of the title bar&apos;s button that opens the app menu</extracomment>
        <translation>메뉴</translation>
    </message>
    <message>
        <source>Minimize</source>
        <extracomment>Tooltip of a window button</extracomment>
        <translation>최소화</translation>
    </message>
    <message>
        <source>Close</source>
        <extracomment>Tooltip of a window button</extracomment>
        <translation>닫기</translation>
    </message>
    <message>
        <source>Restore</source>
        <comment>window button: unmaximize</comment>
        <translation>이전 크기로 복원</translation>
    </message>
    <message>
        <source>Maximize</source>
        <comment>window button</comment>
        <translation>최대화</translation>
    </message>
</context>
<context>
    <name>Tray</name>
    <message>
        <source>Varnholt is still running</source>
        <translation>Varnholt가 계속 실행 중입니다</translation>
    </message>
    <message>
        <source>Open Varnholt</source>
        <extracomment>Entry of the tray menu</extracomment>
        <translation>Varnholt 열기</translation>
    </message>
    <message>
        <source>Smart Scan</source>
        <extracomment>Entry of the tray menu: scan every cleanup category</extracomment>
        <translation>스마트 검사</translation>
    </message>
    <message>
        <source>Settings</source>
        <extracomment>Entry of the tray menu</extracomment>
        <translation>설정</translation>
    </message>
    <message>
        <source>Check for Updates</source>
        <extracomment>Entry of the tray menu</extracomment>
        <translation>업데이트 확인</translation>
    </message>
    <message>
        <source>Quit Varnholt</source>
        <extracomment>Entry of the tray menu</extracomment>
        <translation>Varnholt 종료</translation>
    </message>
    <message>
        <source>%1 · %2 free</source>
        <extracomment>Tray tooltip; %1: a drive; %2: a size</extracomment>
        <translation>%1 · %2 사용 가능</translation>
    </message>
    <message>
        <source>Space Map</source>
        <extracomment>Entry of the tray menu: open the page that maps where disk space goes</extracomment>
        <translation>공간 맵</translation>
    </message>
    <message>
        <source>It stays in the system tray. Right-click the icon to quit.</source>
        <extracomment>Balloon shown once the window first hides in the tray</extracomment>
        <translation>알림 영역에 남아 있습니다. 종료하려면 아이콘을 마우스 오른쪽 단추로 클릭하세요.</translation>
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
        <extracomment>%1: the system&apos;s reason</extracomment>
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
        <extracomment>%1: the network&apos;s reason</extracomment>
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
        <extracomment>%1: the publisher&apos;s name</extracomment>
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
    <message>
        <source>The connection to the update server timed out.</source>
        <translation>업데이트 서버 연결 시간이 초과되었습니다.</translation>
    </message>
    <message>
        <source>The update is not the published version %1.</source>
        <extracomment>%1: a version number</extracomment>
        <translation>이 업데이트는 게시된 버전 %1이(가) 아닙니다.</translation>
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
        <translation>오늘</translation>
    </message>
    <message>
        <source>Yesterday</source>
        <extracomment>A relative date</extracomment>
        <translation>어제</translation>
    </message>
    <message numerus="yes">
        <source>%n day(s) ago</source>
        <extracomment>A relative date</extracomment>
        <translation>
            <numerusform>%n일 전</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n week(s) ago</source>
        <extracomment>A relative date</extracomment>
        <translation>
            <numerusform>%n주 전</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n month(s) ago</source>
        <extracomment>A relative date</extracomment>
        <translation>
            <numerusform>%n개월 전</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n year(s) ago</source>
        <extracomment>A relative date</extracomment>
        <translation>
            <numerusform>%n년 전</numerusform>
        </translation>
    </message>
</context>
</TS>
