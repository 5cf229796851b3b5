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
    <message>
        <source>Nothing was cleaned: your settings cannot be read.</source>
        <translation>설정을 읽을 수 없어 아무것도 정리하지 않았습니다.</translation>
    </message>
    <message>
        <source>That cleanup log could not be read; nothing was restored.</source>
        <translation>정리 로그를 읽을 수 없어 아무것도 복원하지 않았습니다.</translation>
    </message>
    <message numerus="yes">
        <source>Restored %n item(s) from the %1</source>
        <translation>
            <numerusform>%1에서 항목 %n개를 복원했습니다</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 not restored: %2</source>
        <translation>%1개 복원 안 됨: %2</translation>
    </message>
    <message>
        <source>found through the %1&apos;s own records (an older log)</source>
        <translation>%1 자체 기록으로 찾음(이전 형식의 로그)</translation>
    </message>
    <message numerus="yes">
        <source>At this rate the disk is full in about %n week(s)</source>
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
        <translation>여유 공간이 하루에 약 %1씩 줄고 있습니다</translation>
    </message>
    <message>
        <source>Free space rises by about %1 a day</source>
        <translation>여유 공간이 하루에 약 %1씩 늘고 있습니다</translation>
    </message>
    <message>
        <source> · %1 could not be moved to the %2</source>
        <translation> · %1개는 %2(으)로 옮길 수 없음</translation>
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
    <message>
        <source>%1 was left out: it leads through a link to %2.</source>
        <translation>%1은(는) 제외했습니다. 링크를 거쳐 %2을(를) 가리킵니다.</translation>
    </message>
    <message>
        <source>%1 was left out: it is the home folder or holds it.</source>
        <translation>%1은(는) 제외했습니다. 홈 폴더이거나 홈 폴더를 포함하는 폴더입니다.</translation>
    </message>
    <message>
        <source>%1 was left out: it lies in a protected location.</source>
        <translation>%1은(는) 제외했습니다. 보호된 위치에 있습니다.</translation>
    </message>
    <message>
        <source>%1 was left out: it overlaps %2.</source>
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
        <translation>%1(PID %2)</translation>
    </message>
    <message>
        <source>%1 is left out: another program is working in it.</source>
        <translation>%1 폴더는 제외됩니다. 다른 프로그램이 사용 중입니다.</translation>
    </message>
    <message>
        <source>%1 is left out: in use by %2.</source>
        <translation>%1 폴더는 제외됩니다. 사용 중인 프로그램: %2</translation>
    </message>
    <message>
        <source>%1 is left out: its name is not valid text.</source>
        <translation>%1 항목은 제외됩니다. 이름이 올바른 텍스트가 아닙니다.</translation>
    </message>
    <message>
        <source>npm cache</source>
        <translation>npm 캐시</translation>
    </message>
    <message>
        <source>Yarn cache</source>
        <translation>Yarn 캐시</translation>
    </message>
    <message>
        <source>pip cache</source>
        <translation>pip 캐시</translation>
    </message>
    <message>
        <source>NuGet HTTP cache</source>
        <translation>NuGet HTTP 캐시</translation>
    </message>
    <message>
        <source>Go build cache</source>
        <translation>Go 빌드 캐시</translation>
    </message>
    <message>
        <source>Gradle caches</source>
        <translation>Gradle 캐시</translation>
    </message>
    <message>
        <source>Cargo registry cache</source>
        <translation>Cargo 레지스트리 캐시</translation>
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
        <translation>안전하게 정리 가능</translation>
    </message>
    <message>
        <source>REVIEW BEFORE CLEANING</source>
        <translation>정리 전 검토 필요</translation>
    </message>
    <message>
        <source>CANNOT BE UNDONE</source>
        <translation>되돌릴 수 없음</translation>
    </message>
    <message>
        <source>Cleanup</source>
        <translation>정리</translation>
    </message>
    <message>
        <source>Nothing scanned yet</source>
        <translation>아직 검사하지 않았습니다</translation>
    </message>
    <message>
        <source>Find caches, temporary files and leftovers.</source>
        <translation>캐시, 임시 파일, 잔여 파일을 찾습니다.</translation>
    </message>
    <message>
        <source>Start Smart Scan</source>
        <translation>스마트 검사 시작</translation>
    </message>
    <message>
        <source>Scanning</source>
        <translation>검사 중</translation>
    </message>
    <message>
        <source>In progress</source>
        <translation>진행 중</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>중지</translation>
    </message>
    <message>
        <source>Items checked</source>
        <translation>검사한 항목</translation>
    </message>
    <message>
        <source>Elapsed</source>
        <translation>경과 시간</translation>
    </message>
    <message>
        <source>Remaining</source>
        <translation>남은 시간</translation>
    </message>
    <message>
        <source>found</source>
        <translation>발견</translation>
    </message>
    <message>
        <source>Cleaning</source>
        <translation>정리 중</translation>
    </message>
    <message>
        <source>of %1</source>
        <translation>%1 중</translation>
    </message>
    <message>
        <source>Cleanup complete</source>
        <translation>정리 완료</translation>
    </message>
    <message>
        <source>Available before</source>
        <translation>정리 전 사용 가능 공간</translation>
    </message>
    <message>
        <source>Available now</source>
        <translation>현재 사용 가능 공간</translation>
    </message>
    <message>
        <source>&lt;b&gt;Some files need administrator rights.&lt;/b&gt; Restart Varnholt as administrator and clean again to remove them.</source>
        <translation>&lt;b&gt;일부 파일에는 관리자 권한이 필요합니다.&lt;/b&gt; Varnholt를 관리자 권한으로 다시 시작한 후 다시 정리하면 삭제할 수 있습니다.</translation>
    </message>
    <message>
        <source>Restart as admin</source>
        <translation>관리자 권한으로 다시 시작</translation>
    </message>
    <message>
        <source>View log</source>
        <translation>로그 보기</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>완료</translation>
    </message>
    <message>
        <source>Items were deleted permanently.</source>
        <translation>항목이 영구적으로 삭제되었습니다.</translation>
    </message>
    <message>
        <source>For example: %1</source>
        <translation>예: %1</translation>
    </message>
    <message>
        <source>&lt;b&gt;Left caches of running apps alone:&lt;/b&gt; %1. Quit them and clean again to include them.</source>
        <translation>&lt;b&gt;실행 중인 앱의 캐시는 건드리지 않았습니다:&lt;/b&gt; %1. 이 앱을 종료하고 다시 정리하면 포함됩니다.</translation>
    </message>
    <message>
        <source>Needs administrator</source>
        <translation>관리자 권한 필요</translation>
    </message>
    <message>
        <source>Select recommended</source>
        <translation>권장 항목 선택</translation>
    </message>
    <message>
        <source>Rescan</source>
        <translation>다시 검사</translation>
    </message>
    <message>
        <source>Select all</source>
        <translation>모두 선택</translation>
    </message>
    <message>
        <source>%1 can be cleaned</source>
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
        <translation>%1 앱이 실행 중입니다. 캐시를 포함하려면 앱을 종료하세요.</translation>
    </message>
    <message>
        <source>%1 are open. Quit them to include their caches.</source>
        <translation>%1 앱이 실행 중입니다. 캐시를 포함하려면 이 앱들을 종료하세요.</translation>
    </message>
    <message>
        <source>Largest items</source>
        <translation>가장 큰 항목</translation>
    </message>
    <message>
        <source>Show in %1</source>
        <translation>%1에서 보기</translation>
    </message>
    <message>
        <source>%1 is running</source>
        <translation>%1 실행 중</translation>
    </message>
    <message>
        <source>Show %1 more</source>
        <translation>%1개 더 보기</translation>
    </message>
    <message>
        <source>moved to the %1</source>
        <translation>%1으로 이동됩니다</translation>
    </message>
    <message>
        <source>deleted permanently</source>
        <translation>영구적으로 삭제됩니다</translation>
    </message>
    <message>
        <source>&lt;b style=&apos;color:%1&apos;&gt;%2&lt;/b&gt; selected%3</source>
        <translation>&lt;b style=&apos;color:%1&apos;&gt;%2&lt;/b&gt; 선택됨%3</translation>
    </message>
    <message>
        <source> · some need admin</source>
        <translation> · 일부는 관리자 권한 필요</translation>
    </message>
    <message>
        <source>Clean %1</source>
        <translation>%1 정리</translation>
    </message>
    <message>
        <source>Large files</source>
        <translation>대용량 파일</translation>
    </message>
    <message numerus="yes">
        <source>%Ln item(s)</source>
        <translation>
            <numerusform>항목 %Ln개</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>and %Ln more item(s)</source>
        <translation>
            <numerusform>외 항목 %Ln개</numerusform>
        </translation>
    </message>
    <message>
        <source>Check again</source>
        <translation>다시 확인</translation>
    </message>
    <message>
        <source>Your settings in %1 cannot be read, so your exclusions and your choice between the %2 and deleting are unknown. Cleaning stays off until the file can be read again.</source>
        <translation>%1의 설정을 읽을 수 없어 제외 항목과, %2(으)로 이동할지 삭제할지에 대한 선택을 알 수 없습니다. 파일을 다시 읽을 수 있을 때까지 정리는 꺼진 상태로 유지됩니다.</translation>
    </message>
    <message>
        <source>Partly cleaned</source>
        <translation>일부만 정리됨</translation>
    </message>
    <message>
        <source>Nothing was cleaned</source>
        <translation>정리된 항목이 없습니다</translation>
    </message>
    <message>
        <source>None of the %1 selected could be cleaned.</source>
        <translation>선택한 %1 중 아무것도 정리할 수 없었습니다.</translation>
    </message>
    <message>
        <source>No app could open %1</source>
        <translation>%1을(를) 열 수 있는 앱이 없습니다</translation>
    </message>
    <message>
        <source>The %1 could not show %2</source>
        <translation>%1에서 %2을(를) 표시할 수 없습니다</translation>
    </message>
    <message>
        <source>Scan again to see what can be cleaned.</source>
        <translation>다시 검사하면 정리할 수 있는 항목을 확인할 수 있습니다.</translation>
    </message>
    <message>
        <source>Measuring…</source>
        <translation>측정 중…</translation>
    </message>
    <message>
        <source>%1 of it needs administrator rights.</source>
        <translation>그중 %1에는 관리자 권한이 필요합니다.</translation>
    </message>
    <message>
        <source>freed or moved to the %1</source>
        <comment>what the figure of a finished cleanup is</comment>
        <translation>확보했거나 %1(으)로 이동함</translation>
    </message>
    <message>
        <source>moved to the %1</source>
        <comment>what the figure of a finished cleanup is</comment>
        <translation>%1(으)로 이동함</translation>
    </message>
    <message>
        <source>freed</source>
        <comment>what the figure of a finished cleanup is</comment>
        <translation>확보함</translation>
    </message>
    <message>
        <source>of %1 selected · %2</source>
        <translation>선택한 %1 중 · %2</translation>
    </message>
    <message>
        <source>Restore all</source>
        <translation>모두 복원</translation>
    </message>
    <message>
        <source>Put everything this cleanup moved to the %1 back where it was</source>
        <translation>이번 정리로 %1(으)로 옮긴 항목을 모두 원래 위치로 되돌립니다</translation>
    </message>
    <message>
        <source>Restoring…</source>
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
        <translation>다시 시도</translation>
    </message>
    <message>
        <source>Clean the skipped files again, the same way</source>
        <translation>건너뛴 파일을 같은 방식으로 다시 정리합니다</translation>
    </message>
    <message numerus="yes">
        <source>&lt;b&gt;%Ln item(s) kept&lt;/b&gt; because something in them changed since the scan. Scan again to see what can go.</source>
        <translation>
            <numerusform>스캔 후 내용이 바뀌어 &lt;b&gt;항목 %Ln개를 그대로 두었습니다&lt;/b&gt;. 다시 스캔하여 정리할 수 있는 항목을 확인하세요.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>&lt;b&gt;%Ln file(s) skipped&lt;/b&gt; because they were in use or protected. Quit the apps using them and rescan to remove them.</source>
        <translation>
            <numerusform>사용 중이거나 보호된 &lt;b&gt;파일 %Ln개를 건너뛰었습니다&lt;/b&gt;. 이 파일을 사용하는 앱을 종료하고 다시 검사하여 제거하세요.</numerusform>
        </translation>
    </message>
    <message>
        <source>Some items were moved to the %1 and the rest deleted permanently. You can still restore what was moved.</source>
        <translation>일부 항목은 %1(으)로 옮기고 나머지는 영구적으로 삭제했습니다. 옮긴 항목은 아직 복원할 수 있습니다.</translation>
    </message>
    <message>
        <source>Moved to the %1. You can still restore anything.</source>
        <translation>%1(으)로 옮겼습니다. 아직 무엇이든 복원할 수 있습니다.</translation>
    </message>
    <message numerus="yes">
        <source>&lt;b&gt;%Ln item(s) could not be moved to the %1&lt;/b&gt; and were left where they are.</source>
        <translation>
            <numerusform>&lt;b&gt;항목 %Ln개를 %1(으)로 옮길 수 없어&lt;/b&gt; 원래 위치에 그대로 두었습니다.</numerusform>
        </translation>
    </message>
    <message>
        <source>This cleanup wrote no log; its folder is open instead.</source>
        <translation>이 정리에서는 로그가 기록되지 않아 대신 로그 폴더를 열었습니다.</translation>
    </message>
    <message>
        <source>The log %1 is gone; its folder is open instead.</source>
        <translation>로그 %1이(가) 없어 대신 해당 폴더를 열었습니다.</translation>
    </message>
    <message>
        <source>Varnholt did not restart: administrator rights were refused or could not be asked for.</source>
        <translation>Varnholt를 다시 시작하지 않았습니다. 관리자 권한이 거부되었거나 요청할 수 없었습니다.</translation>
    </message>
    <message>
        <source>No %1 on this drive</source>
        <translation>이 드라이브에는 %1이(가) 없음</translation>
    </message>
    <message>
        <source>Cannot go to the %1</source>
        <translation>%1(으)로 옮길 수 없음</translation>
    </message>
</context>
<context>
    <name>Cli</name>
    <message>
        <source>Cannot read the catalogue file %1: %2</source>
        <translation>카탈로그 파일 %1을(를) 읽을 수 없습니다: %2</translation>
    </message>
    <message>
        <source>The catalogue file %1 is not valid JSON: %2</source>
        <translation>카탈로그 파일 %1은(는) 올바른 JSON이 아닙니다: %2</translation>
    </message>
    <message>
        <source>The catalogue file %1 is not usable: %2</source>
        <translation>카탈로그 파일 %1을(를) 사용할 수 없습니다: %2</translation>
    </message>
    <message>
        <source>a category has no id</source>
        <translation>id가 없는 범주가 있습니다</translation>
    </message>
    <message>
        <source>the id &quot;%1&quot; appears twice</source>
        <translation>id &quot;%1&quot;이(가) 중복됩니다</translation>
    </message>
    <message>
        <source>the risk of &quot;%1&quot; is not Safe, Review or Permanent</source>
        <translation>&quot;%1&quot;의 위험도가 Safe, Review, Permanent 중 하나가 아닙니다</translation>
    </message>
    <message>
        <source>a root of &quot;%1&quot; is not an absolute path</source>
        <translation>&quot;%1&quot;의 루트 중 절대 경로가 아닌 것이 있습니다</translation>
    </message>
    <message>
        <source>it lists no categories</source>
        <translation>범주가 하나도 없습니다</translation>
    </message>
    <message>
        <source>Interrupted.</source>
        <translation>중단되었습니다.</translation>
    </message>
    <message>
        <source>Scanning %1 · %2 · %3 files · %4</source>
        <translation>%1 검사 중 · %2 · 파일 %3개 · %4</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>범주</translation>
    </message>
    <message>
        <source>Risk</source>
        <translation>위험도</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>크기</translation>
    </message>
    <message>
        <source>Files</source>
        <translation>파일 수</translation>
    </message>
    <message>
        <source>Items</source>
        <translation>항목 수</translation>
    </message>
    <message>
        <source>(%1 is running)</source>
        <translation>(%1 실행 중)</translation>
    </message>
    <message>
        <source>… %1 more (--json lists all)</source>
        <translation>… 외 %1개(전체 목록은 --json)</translation>
    </message>
    <message>
        <source>%1 found · %2 files checked · %3 s</source>
        <translation>%1 발견 · 파일 %2개 검사 · %3초</translation>
    </message>
    <message>
        <source>Some folders of %1 could not be read.</source>
        <translation>%1의 일부 폴더를 읽을 수 없습니다.</translation>
    </message>
    <message>
        <source>Keeping %1 as a whole: %2 lies inside it.</source>
        <translation>%1 안에 %2이(가) 있으므로 이 항목 전체를 유지합니다.</translation>
    </message>
    <message>
        <source>Freed %1 · %2 removed · %3 skipped</source>
        <translation>%1 확보 · %2 제거 · %3개 건너뜀</translation>
    </message>
    <message numerus="yes">
        <source>%n file(s)</source>
        <translation>
            <numerusform>파일 %n개</numerusform>
        </translation>
    </message>
    <message>
        <source>Cleaned: %1</source>
        <translation>정리한 범주: %1</translation>
    </message>
    <message>
        <source>Skipped (in use or access denied):</source>
        <translation>건너뜀(사용 중이거나 액세스 거부됨):</translation>
    </message>
    <message>
        <source>Left alone because they are running: %1</source>
        <translation>실행 중이어서 건드리지 않은 앱: %1</translation>
    </message>
    <message>
        <source>Some items need administrator rights.</source>
        <translation>일부 항목에는 관리자 권한이 필요합니다.</translation>
    </message>
    <message>
        <source>Log: %1</source>
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
        <translation>정리 중 %1 / %2 · %3</translation>
    </message>
    <message>
        <source>%1 files checked · %2 found (%3) · %4</source>
        <translation>파일 %1개 검사 · %2개 발견(%3) · %4</translation>
    </message>
    <message>
        <source>The search for large files did not complete.</source>
        <translation>대용량 파일 검색을 완료하지 못했습니다.</translation>
    </message>
    <message>
        <source>Kind</source>
        <translation>종류</translation>
    </message>
    <message>
        <source>Last used</source>
        <translation>마지막 사용</translation>
    </message>
    <message>
        <source>Path</source>
        <translation>경로</translation>
    </message>
    <message numerus="yes">
        <source>%n large file(s)</source>
        <translation>
            <numerusform>대용량 파일 %n개</numerusform>
        </translation>
    </message>
    <message>
        <source>Cannot read %1.</source>
        <translation>%1을(를) 읽을 수 없습니다.</translation>
    </message>
    <message>
        <source>Newest</source>
        <translation>최근 변경</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>소요 시간</translation>
    </message>
    <message>
        <source>%1 ms</source>
        <translation>%1 ms</translation>
    </message>
    <message>
        <source>Run &quot;varnholt-cli --help&quot; for the usage.</source>
        <translation>사용법을 보려면 &quot;varnholt-cli --help&quot;를 실행하세요.</translation>
    </message>
    <message>
        <source>No command given.</source>
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
        <translation>%2에 사용할 수 없는 인수 &quot;%1&quot;이(가) 있습니다.</translation>
    </message>
    <message>
        <source>measure takes exactly one PATH.</source>
        <translation>measure에는 PATH를 하나만 지정해야 합니다.</translation>
    </message>
    <message>
        <source>none</source>
        <translation>없음</translation>
    </message>
    <message>
        <source>Unknown option &quot;%1&quot; for %2. Options of %2: %3.</source>
        <translation>&quot;%1&quot;은(는) %2에서 쓸 수 없는 옵션입니다. %2의 옵션: %3.</translation>
    </message>
    <message>
        <source>%1 needs a value.</source>
        <translation>%1에는 값이 필요합니다.</translation>
    </message>
    <message>
        <source>%1 takes no value.</source>
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
        <translation>알 수 없는 범주: %1. 사용 가능한 범주: %2.</translation>
    </message>
    <message>
        <source>a flag of &quot;%1&quot; is not true or false</source>
        <translation>&quot;%1&quot;의 플래그가 true 또는 false가 아닙니다</translation>
    </message>
    <message>
        <source>the patterns of a root of &quot;%1&quot; are not a list of names</source>
        <translation>&quot;%1&quot;의 루트 패턴이 이름 목록이 아닙니다</translation>
    </message>
    <message>
        <source>the minAgeMs of a root of &quot;%1&quot; is not a whole number of milliseconds from 0 to 100 years</source>
        <translation>&quot;%1&quot;의 루트 minAgeMs가 0에서 100년 사이의 정수 밀리초가 아닙니다</translation>
    </message>
    <message>
        <source>Warning: cannot read the settings file %1; this run may not use your settings.</source>
        <translation>경고: 설정 파일 %1을(를) 읽을 수 없습니다. 이번 실행에는 사용자의 설정이 적용되지 않을 수 있습니다.</translation>
    </message>
    <message>
        <source>Cannot read the settings file %1, so your exclusions and your choice between the trash and deleting are unknown. Nothing was cleaned: fix or remove that file first.</source>
        <translation>설정 파일 %1을(를) 읽을 수 없어 제외 항목과, 휴지통으로 이동할지 삭제할지에 대한 선택을 알 수 없습니다. 아무것도 정리하지 않았습니다. 먼저 이 파일을 고치거나 삭제하세요.</translation>
    </message>
    <message>
        <source>--skip-item %1 names no item of the categories given.</source>
        <translation>--skip-item %1은(는) 지정한 범주의 어떤 항목과도 일치하지 않습니다.</translation>
    </message>
    <message>
        <source>Nothing was cleaned.</source>
        <translation>아무것도 정리하지 않았습니다.</translation>
    </message>
    <message>
        <source>Moved %1 to the %2 · freed %3 · %4 removed · %5 skipped</source>
        <translation>%1을(를) %2(으)로 이동 · %3 확보 · %4 제거 · %5개 건너뜀</translation>
    </message>
    <message>
        <source>Action</source>
        <translation>작업</translation>
    </message>
    <message>
        <source>move to %1</source>
        <translation>%1(으)로 이동</translation>
    </message>
    <message>
        <source>delete</source>
        <translation>삭제</translation>
    </message>
    <message>
        <source>Would stay:</source>
        <translation>남는 항목:</translation>
    </message>
    <message numerus="yes">
        <source>Preview only, nothing was removed: %n path(s) would go, %1.</source>
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
        <translation>알 수 없는 명령 &quot;%1&quot;입니다. 명령: %2.</translation>
    </message>
    <message numerus="yes">
        <source>In use by %1 (PID %2): %n file(s)</source>
        <translation>
            <numerusform>%1(PID %2)에서 사용 중: 파일 %n개</numerusform>
        </translation>
    </message>
    <message>
        <source>Kept because something in them changed since the scan: %1</source>
        <translation>스캔 후 내용이 바뀌어 그대로 둔 항목: %1</translation>
    </message>
    <message>
        <source>No cleanup has moved anything to the %1; there is nothing to restore.</source>
        <translation>%1(으)로 항목을 옮긴 정리가 없습니다. 복원할 항목이 없습니다.</translation>
    </message>
    <message>
        <source>As root, the catalogue file %1 is used only when it and every folder above it belong to root and no one else may change them.</source>
        <translation>root로 실행하면 카탈로그 파일 %1은(는) 그 파일과 상위의 모든 폴더를 root가 소유하고 다른 누구도 변경할 수 없을 때만 사용됩니다.</translation>
    </message>
    <message>
        <source>As root, Varnholt works in root&apos;s own folders (%1) and ignores %2: another user can change where they lead.</source>
        <translation>root로 실행하면 Varnholt는 root 자신의 폴더(%1)에서 작업하며 %2 설정은 무시합니다. 다른 사용자가 그 위치를 바꿀 수 있기 때문입니다.</translation>
    </message>
    <message>
        <source>Could not be moved to the %1, left where they are:</source>
        <translation>%1(으)로 옮길 수 없어 그대로 둔 항목:</translation>
    </message>
    <message numerus="yes">
        <source>… and %n more</source>
        <translation>
            <numerusform>… 외 %n개</numerusform>
        </translation>
    </message>
    <message>
        <source>Cannot read the settings file %1, so your exclusions and your choice between the Recycle Bin and deleting are unknown. Nothing was cleaned: fix or remove that file first.</source>
        <translation>설정 파일 %1을(를) 읽을 수 없어 제외 항목과, 휴지통으로 이동할지 삭제할지에 대한 선택을 알 수 없습니다. 아무것도 정리하지 않았습니다. 먼저 이 파일을 고치거나 삭제하세요.</translation>
    </message>
    <message numerus="yes">
        <source>No forecast yet: the free space has been recorded %n time(s) (the Varnholt app records it when it starts); a forecast needs at least %1.</source>
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
</context>
<context>
    <name>LargeFilesPage</name>
    <message>
        <source>Space Map</source>
        <translation>공간 맵</translation>
    </message>
    <message>
        <source>Rescan</source>
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
        <translation>대용량 파일 찾기</translation>
    </message>
    <message>
        <source>Largest so far</source>
        <translation>지금까지 가장 큰 파일</translation>
    </message>
    <message>
        <source>Looking for large files…</source>
        <translation>대용량 파일을 찾는 중…</translation>
    </message>
    <message>
        <source>All</source>
        <translation>전체</translation>
    </message>
    <message>
        <source>Unused %1+ months</source>
        <translation>%1개월 이상 미사용</translation>
    </message>
    <message>
        <source>Downloads</source>
        <translation>다운로드</translation>
    </message>
    <message>
        <source>Search files</source>
        <translation>파일 검색</translation>
    </message>
    <message>
        <source>Show in %1</source>
        <translation>%1에서 보기</translation>
    </message>
    <message>
        <source>Move to %1</source>
        <translation>%1으로 이동</translation>
    </message>
    <message>
        <source>Home folder · over %1</source>
        <translation>홈 폴더 · %1 초과</translation>
    </message>
    <message numerus="yes">
        <source>&lt;b style=&apos;color:%1&apos;&gt;%2&lt;/b&gt; selected of %3 · %Ln file(s)</source>
        <translation>
            <numerusform>%3 중 &lt;b style=&apos;color:%1&apos;&gt;%2&lt;/b&gt; 선택됨 · 파일 %Ln개</numerusform>
        </translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>중지</translation>
    </message>
    <message>
        <source>Clear search</source>
        <translation>검색어 지우기</translation>
    </message>
    <message>
        <source>No files match “%1”.</source>
        <translation>‘%1’과(와) 일치하는 파일이 없습니다.</translation>
    </message>
    <message>
        <source>No files in this view.</source>
        <translation>이 보기에는 파일이 없습니다.</translation>
    </message>
    <message>
        <source>No files over %1 in your home folder.</source>
        <translation>홈 폴더에 %1을(를) 초과하는 파일이 없습니다.</translation>
    </message>
    <message>
        <source>The %1 could not show %2</source>
        <translation>%1에서 %2을(를) 표시할 수 없습니다</translation>
    </message>
    <message>
        <source>Files to show</source>
        <translation>표시할 파일</translation>
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
    <message numerus="yes">
        <source>%1 is filling up: at this rate it is full in about %n day(s). Run Smart Scan to free up space.</source>
        <translation>
            <numerusform>%1이(가) 채워지고 있습니다. 이 속도라면 약 %n일 후에 가득 찹니다. 스마트 검사를 실행하여 공간을 확보하세요.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>MenuBar</name>
    <message>
        <source>Varnholt Website</source>
        <translation>Varnholt 웹사이트</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>설정</translation>
    </message>
    <message>
        <source>Check for Updates</source>
        <translation>업데이트 확인</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>도움말</translation>
    </message>
    <message>
        <source>Guide</source>
        <translation>가이드</translation>
    </message>
    <message>
        <source>FAQ</source>
        <translation>자주 묻는 질문</translation>
    </message>
    <message>
        <source>Open Log Folder</source>
        <translation>로그 폴더 열기</translation>
    </message>
    <message>
        <source>About Varnholt</source>
        <translation>Varnholt 정보</translation>
    </message>
    <message>
        <source>Quit Varnholt</source>
        <translation>Varnholt 종료</translation>
    </message>
    <message>
        <source>The log folder %1 could not be created.</source>
        <translation>로그 폴더 %1을(를) 만들 수 없습니다.</translation>
    </message>
</context>
<context>
    <name>Overlay</name>
    <message>
        <source>Version %1</source>
        <translation>버전 %1</translation>
    </message>
    <message>
        <source>Finds the space your computer can spare.</source>
        <translation>컴퓨터에서 확보할 수 있는 공간을 찾아 줍니다.</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>닫기</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>취소</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>실행 취소</translation>
    </message>
    <message>
        <source>Keep Varnholt running?</source>
        <translation>Varnholt를 계속 실행할까요?</translation>
    </message>
    <message>
        <source>Varnholt can stay in the system tray when you close the window, so scheduled scans and low space alerts keep working. You can open it again from the tray icon.</source>
        <translation>창을 닫아도 Varnholt를 시스템 트레이에 두면 예약 검사와 공간 부족 알림이 계속 작동합니다. 트레이 아이콘에서 다시 열 수 있습니다.</translation>
    </message>
    <message>
        <source>Remember my choice</source>
        <translation>선택 기억하기</translation>
    </message>
    <message>
        <source>You can change this in Settings.</source>
        <translation>설정에서 변경할 수 있습니다.</translation>
    </message>
    <message>
        <source>Keep in tray</source>
        <translation>트레이에 유지</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>종료</translation>
    </message>
    <message>
        <source>Clean %1?</source>
        <translation>%1를 정리할까요?</translation>
    </message>
    <message>
        <source>Permanent delete is on. These files can&apos;t be recovered.</source>
        <translation>영구 삭제가 켜져 있습니다. 이 파일은 복구할 수 없습니다.</translation>
    </message>
    <message>
        <source>Emptying the %1 can&apos;t be undone. Everything else goes to the %1.</source>
        <translation>%1을 비우면 되돌릴 수 없습니다. 나머지 항목은 모두 %1으로 이동합니다.</translation>
    </message>
    <message>
        <source>Everything will be moved to the %1, so you can restore it later.</source>
        <translation>모든 항목이 %1으로 이동되므로 나중에 복원할 수 있습니다.</translation>
    </message>
    <message>
        <source>Clean and delete</source>
        <translation>정리 및 삭제</translation>
    </message>
    <message>
        <source>Clean</source>
        <translation>정리</translation>
    </message>
    <message>
        <source>What&apos;s new</source>
        <translation>새로운 기능</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>다시 시도</translation>
    </message>
    <message>
        <source>Update now</source>
        <translation>지금 업데이트</translation>
    </message>
    <message>
        <source>Varnholt is up to date</source>
        <translation>Varnholt가 최신 버전입니다</translation>
    </message>
    <message>
        <source>Version %1 is the latest version.</source>
        <translation>%1 버전이 최신 버전입니다.</translation>
    </message>
    <message>
        <source>An update is available</source>
        <translation>업데이트가 있습니다</translation>
    </message>
    <message>
        <source>Version %1 is available. You have %2.</source>
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
        <translation>업데이트를 다운로드하는 중…</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 / %2</translation>
    </message>
    <message>
        <source>Installing the update…</source>
        <translation>업데이트를 설치하는 중…</translation>
    </message>
    <message>
        <source>Varnholt closes and starts again when the update is installed.</source>
        <translation>업데이트가 설치되면 Varnholt가 종료된 후 다시 시작됩니다.</translation>
    </message>
    <message>
        <source>Checking for updates…</source>
        <translation>업데이트를 확인하는 중…</translation>
    </message>
    <message>
        <source>Version %1 is installed.</source>
        <translation>%1 버전이 설치되어 있습니다.</translation>
    </message>
    <message>
        <source>Later</source>
        <translation>나중에</translation>
    </message>
    <message>
        <source>Some of it needs administrator rights: without them those files are skipped.</source>
        <translation>일부 항목에는 관리자 권한이 필요합니다. 권한이 없으면 해당 파일은 건너뜁니다.</translation>
    </message>
    <message>
        <source>Everything that will go</source>
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
        <source>%n path(s) · %1</source>
        <translation>
            <numerusform>경로 %n개 · %1</numerusform>
        </translation>
    </message>
    <message>
        <source>These cannot be moved to the %1</source>
        <translation>다음 항목은 %1(으)로 옮길 수 없습니다</translation>
    </message>
    <message numerus="yes">
        <source>and %n more</source>
        <translation>
            <numerusform>외 %n개</numerusform>
        </translation>
    </message>
    <message>
        <source>Leave them</source>
        <translation>그대로 두기</translation>
    </message>
    <message>
        <source>Delete them permanently</source>
        <translation>영구 삭제</translation>
    </message>
    <message>
        <source>None of it can go to the %1: delete it permanently, or nothing is cleaned.</source>
        <translation>어느 것도 %1(으)로 옮길 수 없습니다. 영구 삭제하지 않으면 아무것도 정리되지 않습니다.</translation>
    </message>
    <message>
        <source>All of it is deleted permanently and can&apos;t be recovered.</source>
        <translation>모두 영구 삭제되며 복구할 수 없습니다.</translation>
    </message>
    <message>
        <source>Emptying the %1 and deleting what cannot go there can&apos;t be undone. Everything else goes to the %1.</source>
        <translation>%1을(를) 비우는 것과 그곳으로 옮길 수 없는 항목의 삭제는 되돌릴 수 없습니다. 나머지 항목은 모두 %1(으)로 옮겨집니다.</translation>
    </message>
    <message>
        <source>What cannot go to the %1 is deleted permanently. Everything else is moved there, so you can restore it later.</source>
        <translation>%1(으)로 옮길 수 없는 항목은 영구 삭제됩니다. 나머지는 모두 그곳으로 옮겨지므로 나중에 복원할 수 있습니다.</translation>
    </message>
    <message>
        <source>The check could not start. Try again in a moment.</source>
        <translation>확인을 시작할 수 없습니다. 잠시 후 다시 시도하세요.</translation>
    </message>
    <message>
        <source>The check failed again.</source>
        <translation>확인에 다시 실패했습니다.</translation>
    </message>
</context>
<context>
    <name>OverviewPage</name>
    <message>
        <source>Scanned %1</source>
        <translation>마지막 검사: %1</translation>
    </message>
    <message>
        <source>Smart Scan</source>
        <translation>스마트 검사</translation>
    </message>
    <message>
        <source>Overview</source>
        <translation>개요</translation>
    </message>
    <message>
        <source>Rescan</source>
        <translation>다시 검사</translation>
    </message>
    <message>
        <source>See all</source>
        <translation>모두 보기</translation>
    </message>
    <message>
        <source>Disk health</source>
        <translation>디스크 상태</translation>
    </message>
    <message>
        <source>System files protected</source>
        <translation>시스템 파일 보호됨</translation>
    </message>
    <message>
        <source>%1 ready to clean</source>
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
        <translation>%1 중 사용 가능</translation>
    </message>
    <message>
        <source>Review</source>
        <translation>검토</translation>
    </message>
    <message>
        <source>Scan</source>
        <translation>검사</translation>
    </message>
    <message>
        <source>Never scanned</source>
        <translation>검사한 적 없음</translation>
    </message>
    <message>
        <source>Freed this month</source>
        <translation>이번 달 확보한 공간</translation>
    </message>
    <message>
        <source>Last scan</source>
        <translation>마지막 검사</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>사용 안 함</translation>
    </message>
    <message>
        <source>Weekly</source>
        <translation>매주</translation>
    </message>
    <message>
        <source>Monthly</source>
        <translation>매월</translation>
    </message>
    <message>
        <source>Scheduled scan</source>
        <translation>예약 검사</translation>
    </message>
    <message>
        <source>Top recommendations</source>
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
        <translation>확보 가능</translation>
    </message>
    <message>
        <source>Available</source>
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
        <translation>여유 공간 기록</translation>
    </message>
    <message numerus="yes">
        <source>From %1 to %2 free over %n day(s)</source>
        <translation>
            <numerusform>%n일 동안 여유 공간이 %1에서 %2(으)로</numerusform>
        </translation>
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
        <translation>설정</translation>
    </message>
    <message>
        <source>Choose a folder to exclude</source>
        <translation>제외할 폴더 선택</translation>
    </message>
    <message>
        <source>Cleaning</source>
        <translation>정리</translation>
    </message>
    <message>
        <source>Move items to the %1</source>
        <translation>항목을 %1으로 이동</translation>
    </message>
    <message>
        <source>Recommended. Turn off to delete files permanently.</source>
        <translation>권장 설정입니다. 끄면 파일이 영구적으로 삭제됩니다.</translation>
    </message>
    <message>
        <source>Large file size</source>
        <translation>대용량 파일 기준</translation>
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
        <translation>오래된 파일 기준</translation>
    </message>
    <message>
        <source>3 months</source>
        <translation>3개월</translation>
    </message>
    <message>
        <source>6 months</source>
        <translation>6개월</translation>
    </message>
    <message>
        <source>12 months</source>
        <translation>12개월</translation>
    </message>
    <message>
        <source>24 months</source>
        <translation>24개월</translation>
    </message>
    <message>
        <source>Automation</source>
        <translation>자동화</translation>
    </message>
    <message>
        <source>Scheduled scan</source>
        <translation>예약 검사</translation>
    </message>
    <message>
        <source>Scans when Varnholt starts if the last scan is older than this. Never cleans on its own.</source>
        <translation>마지막 검사 후 이 기간이 지났으면 Varnholt를 시작할 때 검사합니다. 자동으로 정리하지는 않습니다.</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>사용 안 함</translation>
    </message>
    <message>
        <source>Weekly</source>
        <translation>매주</translation>
    </message>
    <message>
        <source>Monthly</source>
        <translation>매월</translation>
    </message>
    <message>
        <source>Low space alerts</source>
        <translation>공간 부족 알림</translation>
    </message>
    <message>
        <source>Warn when free space drops below 10%.</source>
        <translation>여유 공간이 10% 미만으로 떨어지면 경고합니다.</translation>
    </message>
    <message>
        <source>Open at login</source>
        <translation>로그인 시 열기</translation>
    </message>
    <message>
        <source>Start with Windows</source>
        <translation>Windows 시작 시 실행</translation>
    </message>
    <message>
        <source>Start at login</source>
        <translation>로그인 시 실행</translation>
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
        <source>Closing the window keeps Varnholt running there, so scheduled scans and low space alerts keep working.</source>
        <translation>창을 닫아도 Varnholt가 메뉴 막대에서 계속 실행되므로 예약 검사와 공간 부족 알림이 계속 작동합니다.</translation>
    </message>
    <message>
        <source>Ask every time</source>
        <translation>항상 묻기</translation>
    </message>
    <message>
        <source>Keep running in the tray</source>
        <translation>트레이에서 계속 실행</translation>
    </message>
    <message>
        <source>Quit Varnholt</source>
        <translation>Varnholt 종료</translation>
    </message>
    <message>
        <source>When closing the window</source>
        <translation>창을 닫을 때</translation>
    </message>
    <message>
        <source>In the tray, Varnholt keeps running so scheduled scans and low space alerts keep working.</source>
        <translation>트레이에 있는 동안 Varnholt가 계속 실행되므로 예약 검사와 공간 부족 알림이 계속 작동합니다.</translation>
    </message>
    <message>
        <source>Appearance</source>
        <translation>모양</translation>
    </message>
    <message>
        <source>Theme</source>
        <translation>테마</translation>
    </message>
    <message>
        <source>Follow the system, or always use light or dark.</source>
        <translation>시스템 설정을 따르거나 항상 밝게 또는 어둡게 표시합니다.</translation>
    </message>
    <message>
        <source>System</source>
        <translation>시스템</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>밝게</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>어둡게</translation>
    </message>
    <message>
        <source>System default (%1)</source>
        <translation>시스템 기본값(%1)</translation>
    </message>
    <message>
        <source>Restart now</source>
        <translation>지금 다시 시작</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>언어</translation>
    </message>
    <message>
        <source>Varnholt restarts to switch languages.</source>
        <translation>언어를 변경하면 Varnholt가 다시 시작됩니다.</translation>
    </message>
    <message>
        <source>Exclusions</source>
        <translation>제외 항목</translation>
    </message>
    <message>
        <source>Add folder</source>
        <translation>폴더 추가</translation>
    </message>
    <message>
        <source>Never touch these</source>
        <translation>항상 제외할 항목</translation>
    </message>
    <message>
        <source>Folders and patterns Varnholt always skips.</source>
        <translation>Varnholt가 항상 건너뛰는 폴더와 패턴입니다.</translation>
    </message>
    <message>
        <source>Protected system locations</source>
        <translation>보호된 시스템 위치</translation>
    </message>
    <message>
        <source> — always skipped.</source>
        <translation> — 항상 건너뜁니다.</translation>
    </message>
    <message>
        <source>Locked</source>
        <translation>잠김</translation>
    </message>
    <message>
        <source>Protected apps</source>
        <translation>보호된 앱</translation>
    </message>
    <message>
        <source> — their data is never cleaned. Caches of running apps and open files are skipped too.</source>
        <translation> — 이러한 앱의 데이터는 정리하지 않습니다. 실행 중인 앱의 캐시와 열려 있는 파일도 건너뜁니다.</translation>
    </message>
    <message>
        <source>Permissions &amp; about</source>
        <translation>권한 및 정보</translation>
    </message>
    <message>
        <source>Full Disk Access</source>
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
        <translation>관리자 권한</translation>
    </message>
    <message>
        <source>Granted</source>
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
        <translation>관리자 권한으로 다시 시작</translation>
    </message>
    <message>
        <source>Check for updates</source>
        <translation>업데이트 확인</translation>
    </message>
    <message>
        <source>Open logs</source>
        <translation>로그 열기</translation>
    </message>
    <message>
        <source>Every cleanup writes a log you can review. Varnholt checks for updates when it starts.</source>
        <translation>정리할 때마다 나중에 검토할 수 있는 로그가 기록됩니다. Varnholt는 시작할 때 업데이트를 확인합니다.</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>제거</translation>
    </message>
    <message>
        <source>Files bigger than this appear in the Space Map.</source>
        <translation>이 크기보다 큰 파일이 공간 맵에 표시됩니다.</translation>
    </message>
    <message>
        <source>Recent cleanups</source>
        <translation>최근 정리</translation>
    </message>
    <message>
        <source>No cleanups yet</source>
        <translation>아직 정리 기록이 없습니다</translation>
    </message>
    <message>
        <source>Every cleanup writes a log you can review.</source>
        <translation>정리할 때마다 확인할 수 있는 로그가 기록됩니다.</translation>
    </message>
    <message>
        <source>%1 moved to the %2</source>
        <translation>%1을(를) %2(으)로 이동</translation>
    </message>
    <message>
        <source>%1 deleted permanently</source>
        <translation>%1 영구 삭제</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>복원</translation>
    </message>
    <message>
        <source>Put back what this cleanup moved to the %1. Nothing that is in its place now is replaced.</source>
        <translation>이번 정리로 %1(으)로 옮긴 항목을 되돌립니다. 지금 그 위치에 있는 항목은 바꾸지 않습니다.</translation>
    </message>
    <message>
        <source>Used by the “Unused” filter.</source>
        <translation>‘사용 안 함’ 필터에 사용됩니다.</translation>
    </message>
    <message>
        <source>%1 in all: the %2 emptied, items deleted permanently or moved to it</source>
        <translation>합계 %1: %2 비움, 항목을 영구 삭제하거나 그곳으로 이동</translation>
    </message>
    <message>
        <source>%1 moved to the %2 or deleted permanently</source>
        <translation>%1을(를) %2(으)로 옮기거나 영구 삭제</translation>
    </message>
    <message>
        <source>%1 in all: the %2 emptied, then items moved to it</source>
        <translation>합계 %1: %2을(를) 비운 뒤 항목을 이동</translation>
    </message>
    <message>
        <source>%1 freed: items deleted permanently and the %2 emptied</source>
        <translation>%1 확보: 항목을 영구 삭제하고 %2을(를) 비움</translation>
    </message>
    <message>
        <source>The %1 was emptied: %2 freed</source>
        <translation>%1을(를) 비웠습니다: %2 확보</translation>
    </message>
    <message>
        <source>Nothing was cleaned</source>
        <translation>정리된 항목이 없습니다</translation>
    </message>
    <message>
        <source>Check again</source>
        <translation>다시 확인</translation>
    </message>
    <message>
        <source>Your settings in %1 cannot be read, so what they hold is unknown. The options kept there stay locked until the file can be read again.</source>
        <translation>%1의 설정을 읽을 수 없어 그 내용을 알 수 없습니다. 파일을 다시 읽을 수 있을 때까지 거기에 저장된 옵션은 잠긴 상태로 유지됩니다.</translation>
    </message>
    <message>
        <source>Varnholt could not start again. Close it and open it yourself to switch languages.</source>
        <translation>Varnholt를 다시 시작할 수 없습니다. 언어를 변경하려면 Varnholt를 닫았다가 직접 다시 여세요.</translation>
    </message>
</context>
<context>
    <name>Sidebar</name>
    <message>
        <source>%1 available of %2</source>
        <translation>%2 중 %1 사용 가능</translation>
    </message>
    <message>
        <source>Smart Scan</source>
        <translation>스마트 검사</translation>
    </message>
    <message>
        <source>Cleanup</source>
        <translation>정리</translation>
    </message>
    <message>
        <source>Space Map</source>
        <translation>공간 맵</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>설정</translation>
    </message>
    <message>
        <source>%1 free</source>
        <translation>%1 사용 가능</translation>
    </message>
    <message>
        <source>Clean</source>
        <translation>정리</translation>
    </message>
    <message>
        <source>Expand sidebar</source>
        <translation>사이드바 펼치기</translation>
    </message>
    <message>
        <source>Collapse sidebar</source>
        <translation>사이드바 접기</translation>
    </message>
</context>
<context>
    <name>TitleBar</name>
    <message>
        <source>Menu</source>
        <translation>메뉴</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>최소화</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>이전 크기로 복원</translation>
    </message>
    <message>
        <source>Maximize</source>
        <translation>최대화</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>닫기</translation>
    </message>
</context>
<context>
    <name>Tray</name>
    <message>
        <source>Varnholt is still running</source>
        <translation>Varnholt가 계속 실행 중입니다</translation>
    </message>
    <message>
        <source>It stays in the system tray so scheduled scans and alerts keep working. Right-click the icon to quit.</source>
        <translation>예약 검사와 알림이 계속 작동하도록 시스템 트레이에 남아 있습니다. 종료하려면 아이콘을 마우스 오른쪽 단추로 클릭하세요.</translation>
    </message>
    <message>
        <source>Open Varnholt</source>
        <translation>Varnholt 열기</translation>
    </message>
    <message>
        <source>Smart Scan</source>
        <translation>스마트 검사</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>설정</translation>
    </message>
    <message>
        <source>Check for Updates</source>
        <translation>업데이트 확인</translation>
    </message>
    <message>
        <source>Quit Varnholt</source>
        <translation>Varnholt 종료</translation>
    </message>
    <message>
        <source>%1 · %2 free</source>
        <translation>%1 · %2 사용 가능</translation>
    </message>
    <message>
        <source>Space Map</source>
        <translation>공간 맵</translation>
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
    <message>
        <source>The connection to the update server timed out.</source>
        <translation>업데이트 서버 연결 시간이 초과되었습니다.</translation>
    </message>
    <message>
        <source>The update is not the published version %1.</source>
        <translation>이 업데이트는 게시된 버전 %1이(가) 아닙니다.</translation>
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
