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
;   WIZARD_BITMAP   optional: the 164 x 314 picture of the welcome and
;                   finish pages
;
; Switches besides NSIS's own /S and /D=: /SILENT and /VERYSILENT install
; silently; /CLOSEAPPLICATIONS closes a running Varnholt without asking;
; /update=1 starts the installed program with --updated afterwards. The
; program's updater passes "/SILENT /SP- /SUPPRESSMSGBOXES /NORESTART
; /CLOSEAPPLICATIONS /update=1"; switches not named here are ignored.
;
; The uninstaller keeps the user's settings and cleanup logs unless asked
; to remove them: by the check box on its first page, or in a silent run
; (/S) by /REMOVEUSERDATA, which also ticks the box of an interactive one.
; Its finish page says what was kept.
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
; The program's settings (the registry key of its QSettings organisation)
; and the folder its cleanup logs go to (clean/cleanuplog.cpp), below
; $LOCALAPPDATA. Nothing else of the user's is ever removed.
!define SETTINGS_KEY "Software\Varnholt"
!define SETTINGS_KEY_SHOWN "HKEY_CURRENT_USER\Software\Varnholt"
!define DATA_FOLDER "Varnholt"
!define LOG_FOLDER "Varnholt\logs"
!define LOG_PATTERN "cleanup-*.log"

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
!ifdef WIZARD_BITMAP
  !define MUI_WELCOMEFINISHPAGE_BITMAP "${WIZARD_BITMAP}"
  !define MUI_UNWELCOMEFINISHPAGE_BITMAP "${WIZARD_BITMAP}"
!endif
!define MUI_ABORTWARNING
!define MUI_FINISHPAGE_RUN "$INSTDIR\varnholt.exe"
!define MUI_FINISHPAGE_NOREBOOTSUPPORT

!insertmacro MUI_PAGE_WELCOME
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH

Var RemoveUserData
Var RemoveUserDataBox
Var LogFolder
Var UnFinishText

!define MUI_PAGE_CUSTOMFUNCTION_SHOW un.ConfirmShow
!define MUI_PAGE_CUSTOMFUNCTION_LEAVE un.ConfirmLeave
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!define MUI_PAGE_CUSTOMFUNCTION_PRE un.FinishPre
!define MUI_FINISHPAGE_TEXT "$UnFinishText"
!insertmacro MUI_UNPAGE_FINISH

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

LangString RemoveUserData ${LANG_ENGLISH} "Also remove my settings and cleanup logs"
LangString RemoveUserData ${LANG_GERMAN} "Auch meine Einstellungen und Bereinigungsprotokolle entfernen"
LangString RemoveUserData ${LANG_SPANISH} "Eliminar también mi configuración y mis registros de limpieza"
LangString RemoveUserData ${LANG_FRENCH} "Supprimer aussi mes paramètres et mes journaux de nettoyage"
LangString RemoveUserData ${LANG_JAPANESE} "設定とクリーンアップのログも削除する"
LangString RemoveUserData ${LANG_KOREAN} "설정과 정리 로그도 삭제"
LangString RemoveUserData ${LANG_PORTUGUESEBR} "Remover também minhas configurações e logs de limpeza"
LangString RemoveUserData ${LANG_RUSSIAN} "Удалить также мои настройки и журналы очистки"
LangString RemoveUserData ${LANG_SIMPCHINESE} "同时删除我的设置和清理日志"
LangString RemoveUserData ${LANG_TRADCHINESE} "同時移除我的設定和清理記錄"

; Added to the uninstaller's finish page for what stayed behind.
LangString KeptBoth ${LANG_ENGLISH} "Your settings were kept in ${SETTINGS_KEY_SHOWN} and your cleanup logs in $LogFolder. A new installation of Varnholt uses them again."
LangString KeptBoth ${LANG_GERMAN} "Ihre Einstellungen wurden in ${SETTINGS_KEY_SHOWN} aufbewahrt und Ihre Bereinigungsprotokolle in $LogFolder. Eine erneute Installation von Varnholt verwendet sie wieder."
LangString KeptBoth ${LANG_SPANISH} "Su configuración se conservó en ${SETTINGS_KEY_SHOWN} y sus registros de limpieza, en $LogFolder. Una nueva instalación de Varnholt volverá a usarlos."
LangString KeptBoth ${LANG_FRENCH} "Vos paramètres ont été conservés dans ${SETTINGS_KEY_SHOWN} et vos journaux de nettoyage dans $LogFolder. Une nouvelle installation de Varnholt les réutilisera."
LangString KeptBoth ${LANG_JAPANESE} "設定は ${SETTINGS_KEY_SHOWN} に、クリーンアップのログは $LogFolder に残してあります。Varnholt を再びインストールすると、これらがまた使われます。"
LangString KeptBoth ${LANG_KOREAN} "설정은 ${SETTINGS_KEY_SHOWN}에, 정리 로그는 $LogFolder에 남겨 두었습니다. Varnholt를 다시 설치하면 이를 다시 사용합니다."
LangString KeptBoth ${LANG_PORTUGUESEBR} "Suas configurações foram mantidas em ${SETTINGS_KEY_SHOWN} e seus logs de limpeza, em $LogFolder. Uma nova instalação do Varnholt voltará a usá-los."
LangString KeptBoth ${LANG_RUSSIAN} "Ваши настройки сохранены в ${SETTINGS_KEY_SHOWN}, а журналы очистки — в $LogFolder. Новая установка Varnholt снова будет их использовать."
LangString KeptBoth ${LANG_SIMPCHINESE} "您的设置已保留在 ${SETTINGS_KEY_SHOWN}，清理日志已保留在 $LogFolder。重新安装 Varnholt 后会继续使用它们。"
LangString KeptBoth ${LANG_TRADCHINESE} "您的設定已保留在 ${SETTINGS_KEY_SHOWN}，清理記錄已保留在 $LogFolder。重新安裝 Varnholt 後會繼續使用它們。"

LangString KeptSettings ${LANG_ENGLISH} "Your settings were kept in ${SETTINGS_KEY_SHOWN}. A new installation of Varnholt uses them again."
LangString KeptSettings ${LANG_GERMAN} "Ihre Einstellungen wurden in ${SETTINGS_KEY_SHOWN} aufbewahrt. Eine erneute Installation von Varnholt verwendet sie wieder."
LangString KeptSettings ${LANG_SPANISH} "Su configuración se conservó en ${SETTINGS_KEY_SHOWN}. Una nueva instalación de Varnholt volverá a usarla."
LangString KeptSettings ${LANG_FRENCH} "Vos paramètres ont été conservés dans ${SETTINGS_KEY_SHOWN}. Une nouvelle installation de Varnholt les réutilisera."
LangString KeptSettings ${LANG_JAPANESE} "設定は ${SETTINGS_KEY_SHOWN} に残してあります。Varnholt を再びインストールすると、この設定がまた使われます。"
LangString KeptSettings ${LANG_KOREAN} "설정은 ${SETTINGS_KEY_SHOWN}에 남겨 두었습니다. Varnholt를 다시 설치하면 이를 다시 사용합니다."
LangString KeptSettings ${LANG_PORTUGUESEBR} "Suas configurações foram mantidas em ${SETTINGS_KEY_SHOWN}. Uma nova instalação do Varnholt voltará a usá-las."
LangString KeptSettings ${LANG_RUSSIAN} "Ваши настройки сохранены в ${SETTINGS_KEY_SHOWN}. Новая установка Varnholt снова будет их использовать."
LangString KeptSettings ${LANG_SIMPCHINESE} "您的设置已保留在 ${SETTINGS_KEY_SHOWN}。重新安装 Varnholt 后会继续使用这些设置。"
LangString KeptSettings ${LANG_TRADCHINESE} "您的設定已保留在 ${SETTINGS_KEY_SHOWN}。重新安裝 Varnholt 後會繼續使用這些設定。"

LangString KeptLogs ${LANG_ENGLISH} "Your cleanup logs were kept in $LogFolder. A new installation of Varnholt finds them there again."
LangString KeptLogs ${LANG_GERMAN} "Ihre Bereinigungsprotokolle wurden in $LogFolder aufbewahrt. Eine erneute Installation von Varnholt findet sie dort wieder."
LangString KeptLogs ${LANG_SPANISH} "Sus registros de limpieza se conservaron en $LogFolder. Una nueva instalación de Varnholt volverá a encontrarlos allí."
LangString KeptLogs ${LANG_FRENCH} "Vos journaux de nettoyage ont été conservés dans $LogFolder. Une nouvelle installation de Varnholt les y retrouvera."
LangString KeptLogs ${LANG_JAPANESE} "クリーンアップのログは $LogFolder に残してあります。Varnholt を再びインストールすると、このログがまた使われます。"
LangString KeptLogs ${LANG_KOREAN} "정리 로그는 $LogFolder에 남겨 두었습니다. Varnholt를 다시 설치하면 이 로그를 다시 사용합니다."
LangString KeptLogs ${LANG_PORTUGUESEBR} "Seus logs de limpeza foram mantidos em $LogFolder. Uma nova instalação do Varnholt voltará a encontrá-los lá."
LangString KeptLogs ${LANG_RUSSIAN} "Ваши журналы очистки сохранены в $LogFolder. Новая установка Varnholt снова найдёт их там."
LangString KeptLogs ${LANG_SIMPCHINESE} "您的清理日志已保留在 $LogFolder。重新安装 Varnholt 后会在那里重新找到这些日志。"
LangString KeptLogs ${LANG_TRADCHINESE} "您的清理記錄已保留在 $LogFolder。重新安裝 Varnholt 後會在那裡重新找到這些記錄。"

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
!insertmacro HAS_SWITCH_FUNCTION "un."
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
    StrCpy $LogFolder "$LOCALAPPDATA\${LOG_FOLDER}"
    ${GetParameters} $R0
    StrCpy $R0 " $R0 "
    StrCpy $R1 " /REMOVEUSERDATA "
    Call un.HasSwitch
    StrCpy $RemoveUserData $R2
FunctionEnd

; The choice to remove the settings and logs too: a check box under the
; folder field of the confirmation page, in the page's font.
Function un.ConfirmShow
    System::Call '*(i, i, i, i) p .r0'
    System::Call 'user32::GetWindowRect(p $mui.UnConfirmPage.Directory, p r0)'
    System::Call 'user32::MapWindowPoints(p 0, p $mui.UnConfirmPage, p r0, i 2)'
    System::Call '*$0(i .r1, i .r2, i .r3, i .r4)'
    System::Free $0
    IntOp $3 $3 - $1
    IntOp $5 $4 - $2
    IntOp $2 $4 + $5
    IntOp $6 ${WS_CHILD} | ${WS_VISIBLE}
    IntOp $6 $6 | ${WS_TABSTOP}
    IntOp $6 $6 | ${BS_AUTOCHECKBOX}
    IntOp $6 $6 | ${BS_MULTILINE}
    IntOp $7 $5 * 2
    System::Call 'user32::CreateWindowExW(i 0, w "BUTTON", w "$(RemoveUserData)", i r6, i r1, i r2, i r3, i r7, p $mui.UnConfirmPage, p 0, p 0, p 0) p .r0'
    StrCpy $RemoveUserDataBox $0
    SendMessage $mui.UnConfirmPage.Directory ${WM_GETFONT} 0 0 $0
    SendMessage $RemoveUserDataBox ${WM_SETFONT} $0 1
    ${If} $RemoveUserData = 1
        SendMessage $RemoveUserDataBox ${BM_SETCHECK} ${BST_CHECKED} 0
    ${EndIf}
FunctionEnd

Function un.ConfirmLeave
    SendMessage $RemoveUserDataBox ${BM_GETCHECK} 0 0 $0
    ${If} $0 = ${BST_CHECKED}
        StrCpy $RemoveUserData 1
    ${Else}
        StrCpy $RemoveUserData 0
    ${EndIf}
FunctionEnd

; The finish page says what is left of the user's: settings when the key
; holds anything, logs when a cleanup log is still there. That goes between
; the page's "has been uninstalled" and its "Click Finish" paragraphs.
Function un.FinishPre
    StrCpy $UnFinishText ""
    StrCpy $1 0
    ClearErrors
    EnumRegKey $0 HKCU "${SETTINGS_KEY}" 0
    ${IfNot} ${Errors}
        ${If} $0 != ""
            StrCpy $1 1
        ${Else}
            EnumRegValue $0 HKCU "${SETTINGS_KEY}" 0
            ${If} $0 != ""
                StrCpy $1 1
            ${EndIf}
        ${EndIf}
    ${EndIf}
    StrCpy $2 0
    FindFirst $0 $3 "$LogFolder\${LOG_PATTERN}"
    ${If} $3 != ""
        StrCpy $2 1
    ${EndIf}
    FindClose $0
    ${If} $1 = 1
    ${AndIf} $2 = 1
        StrCpy $UnFinishText "$(KeptBoth)"
    ${ElseIf} $1 = 1
        StrCpy $UnFinishText "$(KeptSettings)"
    ${ElseIf} $2 = 1
        StrCpy $UnFinishText "$(KeptLogs)"
    ${EndIf}
    StrCpy $0 "$(MUI_UNTEXT_FINISH_INFO_TEXT)"
    ${If} $UnFinishText == ""
        StrCpy $UnFinishText $0
        Return
    ${EndIf}
    StrCpy $3 0
    ${Do}
        StrCpy $4 $0 4 $3
        ${If} $4 == ""
            StrCpy $UnFinishText "$0$\r$\n$\r$\n$UnFinishText"
            ${ExitDo}
        ${EndIf}
        ${If} $4 == "$\r$\n$\r$\n"
            StrCpy $4 $0 $3
            IntOp $3 $3 + 4
            StrCpy $5 $0 "" $3
            StrCpy $UnFinishText "$4$\r$\n$\r$\n$UnFinishText$\r$\n$\r$\n$5"
            ${ExitDo}
        ${EndIf}
        IntOp $3 $3 + 1
    ${Loop}
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

    ; Only the program's own key, and only its own logs: anything else in
    ; the folders stays, and so do the folders then.
    ${If} $RemoveUserData = 1
        DeleteRegKey HKCU "${SETTINGS_KEY}"
        Delete "$LogFolder\${LOG_PATTERN}"
        RMDir "$LogFolder"
        RMDir "$LOCALAPPDATA\${DATA_FOLDER}"
    ${EndIf}
SectionEnd
