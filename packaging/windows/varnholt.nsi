; The Windows installer of Varnholt: a per-user install into
; %LOCALAPPDATA%\Programs\Varnholt that never asks for elevation.
;
; scripts/windows-package.sh stages the files and compiles this with:
;   VERSION         1.2.3
;   OUTFILE         the setup program to write
;   FILES_NSH       File commands for every staged file (with SetOutPath)
;   UNFILES_NSH     Delete and RMDir commands undoing exactly those
;   ESTIMATED_KB    the staged size in KiB, shown in "Apps & features"
;   ICON_FILE       optional: the icon of the setup program and uninstaller
;
; Switches besides NSIS's own /S and /D=: /SILENT and /VERYSILENT install
; silently; /CLOSEAPPLICATIONS closes a running Varnholt without asking;
; /update=1 starts the installed program with --updated afterwards. The
; program's updater passes "/SILENT /SP- /SUPPRESSMSGBOXES /NORESTART
; /CLOSEAPPLICATIONS /update=1"; switches not named here are ignored.
;
; A running copy of the installed program is only ever asked to close (a
; registered message, then taskkill without /F); one that stays open stops
; the install or uninstall instead.

!ifndef VERSION | OUTFILE | FILES_NSH | UNFILES_NSH | ESTIMATED_KB
  !error "VERSION, OUTFILE, FILES_NSH, UNFILES_NSH and ESTIMATED_KB must be defined (scripts/windows-package.sh)"
!endif

Unicode true
Target amd64-unicode
SetCompressor /SOLID lzma
ManifestDPIAware true
ManifestSupportedOS all
RequestExecutionLevel user

!define PRODUCT "Varnholt"
!define PUBLISHER "Quorvane Technology Limited"
!define UNINSTALLER "Uninstall Varnholt.exe"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Varnholt"
!define RUN_KEY "Software\Microsoft\Windows\CurrentVersion\Run"
!define APPROVED_KEY "Software\Microsoft\Windows\CurrentVersion\Explorer\StartupApproved\Run"
; The value name the program writes for "Start with Windows".
!define RUN_VALUE "Varnholt"
!define SHORTCUT "$SMPROGRAMS\Varnholt.lnk"
; The registered window message asking a running copy to quit for an
; install or uninstall.
!define QUIT_MESSAGE "Varnholt.QuitForInstall"
; How long a running copy gets to close, in half seconds.
!define CLOSE_WAIT_STEPS 30

Name "${PRODUCT}"
OutFile "${OUTFILE}"
InstallDir "$LOCALAPPDATA\Programs\Varnholt"
InstallDirRegKey HKCU "${UNINSTALL_KEY}" "InstallLocation"
BrandingText "${PRODUCT} ${VERSION}"
ShowInstDetails nevershow
ShowUninstDetails nevershow
AllowSkipFiles off

VIProductVersion "${VERSION}.0"
VIFileVersion "${VERSION}.0"
VIAddVersionKey /LANG=1033 "ProductName" "${PRODUCT}"
VIAddVersionKey /LANG=1033 "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=1033 "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=1033 "FileDescription" "${PRODUCT} Setup"
VIAddVersionKey /LANG=1033 "CompanyName" "${PUBLISHER}"
VIAddVersionKey /LANG=1033 "LegalCopyright" "© ${PUBLISHER}"
VIAddVersionKey /LANG=1033 "OriginalFilename" "varnholt-${VERSION}-win64-setup.exe"

!include "MUI2.nsh"
!include "LogicLib.nsh"
!include "FileFunc.nsh"

!ifdef ICON_FILE
  !define MUI_ICON "${ICON_FILE}"
  !define MUI_UNICON "${ICON_FILE}"
!endif
!define MUI_ABORTWARNING
!define MUI_FINISHPAGE_RUN "$INSTDIR\varnholt.exe"
!define MUI_FINISHPAGE_NOREBOOTSUPPORT

!insertmacro MUI_PAGE_WELCOME
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH

!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES

; The program's ten interface languages; Windows' own language picks one,
; English otherwise.
!insertmacro MUI_LANGUAGE "English"
!insertmacro MUI_LANGUAGE "German"
!insertmacro MUI_LANGUAGE "Spanish"
!insertmacro MUI_LANGUAGE "French"
!insertmacro MUI_LANGUAGE "Japanese"
!insertmacro MUI_LANGUAGE "Korean"
!insertmacro MUI_LANGUAGE "PortugueseBR"
!insertmacro MUI_LANGUAGE "Russian"
!insertmacro MUI_LANGUAGE "SimpChinese"
!insertmacro MUI_LANGUAGE "TradChinese"

LangString StillRunning ${LANG_ENGLISH} "Varnholt is still running. Close it, then choose Retry."
LangString StillRunning ${LANG_GERMAN} "Varnholt läuft noch. Beenden Sie das Programm und wählen Sie dann „Wiederholen“."
LangString StillRunning ${LANG_SPANISH} "Varnholt sigue en ejecución. Ciérrelo y elija Reintentar."
LangString StillRunning ${LANG_FRENCH} "Varnholt est toujours en cours d’exécution. Fermez-le, puis choisissez Réessayer."
LangString StillRunning ${LANG_JAPANESE} "Varnholt はまだ実行中です。終了してから［再試行］を選んでください。"
LangString StillRunning ${LANG_KOREAN} "Varnholt가 아직 실행 중입니다. 종료한 다음 [다시 시도]를 선택하세요."
LangString StillRunning ${LANG_PORTUGUESEBR} "O Varnholt ainda está em execução. Feche-o e escolha Repetir."
LangString StillRunning ${LANG_RUSSIAN} "Varnholt всё ещё работает. Закройте программу и нажмите «Повторить»."
LangString StillRunning ${LANG_SIMPCHINESE} "Varnholt 仍在运行。请将其关闭，然后选择“重试”。"
LangString StillRunning ${LANG_TRADCHINESE} "Varnholt 仍在執行。請將其關閉，然後選擇「重試」。"

Var CloseApplications
Var StartUpdated
Var RunningPids
Var AskToQuit

; Sets $R2 to 1 when the parameters $R0 (padded with a space on either side)
; hold the whole switch $R1 (likewise padded), compared without case.
!macro HAS_SWITCH_FUNCTION un
Function ${un}HasSwitch
    Push $R3
    Push $R4
    Push $R5
    StrCpy $R2 0
    StrLen $R3 $R1
    StrCpy $R4 0
    ${Do}
        StrCpy $R5 $R0 $R3 $R4
        ${If} $R5 == ""
            ${ExitDo}
        ${EndIf}
        ${If} $R5 == $R1
            StrCpy $R2 1
            ${ExitDo}
        ${EndIf}
        IntOp $R4 $R4 + 1
    ${Loop}
    Pop $R5
    Pop $R4
    Pop $R3
FunctionEnd
!macroend

; Counts the running copies of $INSTDIR\varnholt.exe and leaves the number
; on the stack; $RunningPids becomes " /PID <id>" for each. Copies started
; from elsewhere, and other users' copies (which cannot be opened), are not
; counted. With $AskToQuit = 1 each copy found is also posted the registered
; quit message, its process id as wParam. The process list comes from a
; Toolhelp snapshot; PROCESSENTRY32W is 568 bytes on x64, with
; th32ProcessID at offset 8 and szExeFile at offset 44.
!macro COUNT_RUNNING_FUNCTION un
Function ${un}CountRunning
    Push $0
    Push $1
    Push $2
    Push $3
    Push $4
    Push $5
    Push $6
    Push $7
    Push $8
    Push $9
    StrCpy $4 0
    StrCpy $RunningPids ""
    StrCpy $5 "$INSTDIR\varnholt.exe"
    System::Call 'kernel32::GetLongPathNameW(w r5, w .r6, i ${NSIS_MAX_STRLEN}) i .r7'
    ${If} $7 <> 0
        StrCpy $5 $6
    ${EndIf}
    System::Call 'user32::RegisterWindowMessageW(w "${QUIT_MESSAGE}") i .r8'
    ; TH32CS_SNAPPROCESS
    System::Call 'kernel32::CreateToolhelp32Snapshot(i 2, i 0) p .r0'
    ${If} $0 P<> -1
        System::Alloc 568
        Pop $1
        System::Call '*$1(i 568)'
        System::Call 'kernel32::Process32FirstW(p r0, p r1) i .r2'
        ${DoWhile} $2 <> 0
            IntPtrOp $3 $1 + 44
            System::Call '*$3(&w260 .r3)'
            ${If} $3 == "varnholt.exe"
                IntPtrOp $3 $1 + 8
                System::Call '*$3(i .r7)'
                ; PROCESS_QUERY_LIMITED_INFORMATION
                System::Call 'kernel32::OpenProcess(i 0x1000, i 0, i r7) p .r6'
                ${If} $6 P<> 0
                    System::Call 'kernel32::QueryFullProcessImageNameW(p r6, i 0, w .r9, *i ${NSIS_MAX_STRLEN}) i .r3'
                    System::Call 'kernel32::CloseHandle(p r6)'
                    ${If} $3 <> 0
                    ${AndIf} $9 == $5
                        IntOp $4 $4 + 1
                        StrCpy $RunningPids "$RunningPids /PID $7"
                        ${If} $AskToQuit = 1
                        ${AndIf} $8 <> 0
                            System::Call 'user32::PostMessageW(p 0xffff, i r8, p r7, p 0)'
                        ${EndIf}
                    ${EndIf}
                ${EndIf}
            ${EndIf}
            System::Call 'kernel32::Process32NextW(p r0, p r1) i .r2'
        ${Loop}
        System::Free $1
        System::Call 'kernel32::CloseHandle(p r0)'
    ${EndIf}
    StrCpy $0 $4
    Pop $9
    Pop $8
    Pop $7
    Pop $6
    Pop $5
    Pop $4
    Pop $3
    Pop $2
    Pop $1
    Exch $0
FunctionEnd
!macroend

; Asks every running copy of the installed program to close and waits for
; it to end. Leaves 1 on the stack when none runs any more, 0 when one
; stayed open (after the user chose Cancel, or at once in a silent run).
; The program may answer a plain WM_CLOSE by staying in the tray, so the
; installer's own request goes first: the registered quit message, posted
; to every top-level window with the process id of the copy meant; then
; taskkill without /F, which sends WM_CLOSE.
!macro CLOSE_RUNNING_FUNCTION un
Function ${un}CloseRunning
    Push $1
    Push $0
    ${Do}
        StrCpy $AskToQuit 1
        Call ${un}CountRunning
        StrCpy $AskToQuit 0
        Pop $0
        ${If} $0 = 0
            StrCpy $0 1
            ${ExitDo}
        ${EndIf}
        DetailPrint "Closing Varnholt"
        nsExec::Exec '"$SYSDIR\taskkill.exe"$RunningPids'
        Pop $0
        StrCpy $1 0
        ${Do}
            Sleep 500
            IntOp $1 $1 + 1
            Call ${un}CountRunning
            Pop $0
            ${If} $0 = 0
            ${OrIf} $1 >= ${CLOSE_WAIT_STEPS}
                ${ExitDo}
            ${EndIf}
        ${Loop}
        ${If} $0 = 0
            StrCpy $0 1
            ${ExitDo}
        ${EndIf}
        MessageBox MB_RETRYCANCEL|MB_ICONEXCLAMATION "$(StillRunning)" /SD IDCANCEL IDRETRY retry
        StrCpy $0 0
        ${ExitDo}
        retry:
    ${Loop}
    Exch $0
    Exch
    Pop $1
FunctionEnd
!macroend

!insertmacro HAS_SWITCH_FUNCTION ""
!insertmacro COUNT_RUNNING_FUNCTION ""
!insertmacro COUNT_RUNNING_FUNCTION "un."
!insertmacro CLOSE_RUNNING_FUNCTION ""
!insertmacro CLOSE_RUNNING_FUNCTION "un."

Function .onInit
    SetShellVarContext current
    StrCpy $CloseApplications 0
    StrCpy $StartUpdated 0
    ${GetParameters} $R0
    StrCpy $R0 " $R0 "
    StrCpy $R1 " /SILENT "
    Call HasSwitch
    ${IfNot} $R2 = 1
        StrCpy $R1 " /VERYSILENT "
        Call HasSwitch
    ${EndIf}
    ${If} $R2 = 1
        SetSilent silent
    ${EndIf}
    StrCpy $R1 " /CLOSEAPPLICATIONS "
    Call HasSwitch
    StrCpy $CloseApplications $R2
    StrCpy $R1 " /update=1 "
    Call HasSwitch
    StrCpy $StartUpdated $R2
FunctionEnd

Section "Varnholt" SecMain
    SectionIn RO
    SetShellVarContext current

    ; A running copy keeps its files locked. A silent run closes it only
    ; when told to; an interactive one was started by the user, who sees
    ; the question if it does not close.
    Call CountRunning
    Pop $0
    ${If} $0 <> 0
    ${AndIf} $CloseApplications = 0
    ${AndIf} ${Silent}
        SetErrorLevel 2
        Abort "Varnholt is running."
    ${EndIf}
    Call CloseRunning
    Pop $0
    ${If} $0 = 0
        SetErrorLevel 2
        Abort "Varnholt is running."
    ${EndIf}

    !include "${FILES_NSH}"

    SetOutPath "$INSTDIR"
    WriteUninstaller "$INSTDIR\${UNINSTALLER}"
    CreateShortcut "${SHORTCUT}" "$INSTDIR\varnholt.exe" "" "$INSTDIR\varnholt.exe" 0

    WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayName" "${PRODUCT}"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "Publisher" "${PUBLISHER}"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\varnholt.exe,0"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\${UNINSTALLER}"'
    WriteRegStr HKCU "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\${UNINSTALLER}" /S'
    WriteRegDWORD HKCU "${UNINSTALL_KEY}" "EstimatedSize" ${ESTIMATED_KB}
    WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoModify" 1
    WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoRepair" 1
SectionEnd

Function .onInstSuccess
    ${If} $StartUpdated = 1
        Exec '"$INSTDIR\varnholt.exe" --updated'
    ${EndIf}
FunctionEnd

Function un.onInit
    SetShellVarContext current
FunctionEnd

Section "Uninstall"
    SetShellVarContext current

    Call un.CloseRunning
    Pop $0
    ${If} $0 = 0
        SetErrorLevel 2
        Abort "Varnholt is running."
    ${EndIf}

    ; Start at login: only an entry that starts this copy goes (another copy
    ; elsewhere writes the same value name). The program's entry is
    ; "<folder>\varnholt.exe" --background, in quotes.
    ClearErrors
    ReadRegStr $0 HKCU "${RUN_KEY}" "${RUN_VALUE}"
    ${IfNot} ${Errors}
        StrCpy $1 '"$INSTDIR\varnholt.exe"'
        StrLen $2 $1
        StrCpy $3 $0 $2
        ${If} $3 == $1
            DeleteRegValue HKCU "${RUN_KEY}" "${RUN_VALUE}"
            DeleteRegValue HKCU "${APPROVED_KEY}" "${RUN_VALUE}"
        ${EndIf}
    ${EndIf}

    Delete "${SHORTCUT}"

    ; Exactly the installed files; folders go only once empty, so anything
    ; the user put into them stays.
    !include "${UNFILES_NSH}"
    Delete "$INSTDIR\${UNINSTALLER}"
    RMDir "$INSTDIR"

    DeleteRegKey HKCU "${UNINSTALL_KEY}"
SectionEnd
