; The Windows installer of Velorix: the portable folder, a Start-menu
; shortcut, an "Apps and features" entry and an uninstaller, for the current
; user alone (%LOCALAPPDATA%\Programs, HKCU, no administrator rights) or for
; everyone (Program Files, HKLM).  tools/windows/installer.sh passes VERSION,
; APP_ID (the name of the program's running mutexes), OUTFILE, FILES (the
; folder of the generated lists install.nsh, uninstall-files.nsh and
; uninstall-dirs.nsh), ICON and LICENSE; STORE, when defined, leaves the
; files uncompressed.
;
; Command line (both /S and interactive):
;   /S                silent; for everyone when run elevated, else for the user
;   /AllUsers         for everyone (needs administrator rights)
;   /CurrentUser      for the current user alone
;   /AllowDowngrade   replaces a newer installed version without asking
; Exit codes: 0 done, 1 cancelled, 2 refused (Velorix runs; a newer version is
; installed; /AllUsers without administrator rights; the installed version's
; uninstaller failed) with nothing changed.  The uninstaller refuses, with 2,
; while Velorix runs or when a file of it cannot be removed, and then keeps
; its entry so that it can run again.
Unicode true
Target amd64-unicode
!ifdef STORE
  SetCompress off
!else
  SetCompressor /SOLID lzma
!endif
; An administrator is asked to elevate and may install for everyone; a
; standard user runs as himself and installs for himself.
RequestExecutionLevel highest

!define APP "Velorix"
!define PUBLISHER "Velorix developers"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\${APP}"
!define EXIT_REFUSED 2

Name "${APP} ${VERSION}"
OutFile "${OUTFILE}"
; VIProductVersion takes exactly four numbers: the version's first four,
; completed with zeros.
!searchparse "${VERSION}.0.0.0.0" "" VI_1 "." VI_2 "." VI_3 "." VI_4 "."
VIProductVersion "${VI_1}.${VI_2}.${VI_3}.${VI_4}"
VIAddVersionKey /LANG=0 "ProductName" "${APP}"
VIAddVersionKey /LANG=0 "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=0 "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=0 "CompanyName" "${PUBLISHER}"
VIAddVersionKey /LANG=0 "FileDescription" "${APP} ${VERSION} setup"
VIAddVersionKey /LANG=0 "LegalCopyright" "GPL-3.0-or-later"

!include "MUI2.nsh"
!include "FileFunc.nsh"
!include "WordFunc.nsh"
!include "LogicLib.nsh"
!include "nsDialogs.nsh"
!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_FINISHPAGE_RUN "$INSTDIR\Velorix.exe"
!insertmacro MUI_PAGE_LICENSE "${LICENSE}"
Page custom ModePage ModePageLeave
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
; The installer and the uninstaller speak the user's display language when it
; is one of these, else the first: Russian on a Russian system, English on
; every other, as Velorix itself does.
!insertmacro MUI_LANGUAGE "English"
!insertmacro MUI_LANGUAGE "Russian"

LangString ModeTitle ${LANG_RUSSIAN} "Для кого установить"
LangString ModeTitle ${LANG_ENGLISH} "Who is it for"
LangString ModeSubtitle ${LANG_RUSSIAN} "Выберите, кто сможет запускать ${APP}."
LangString ModeSubtitle ${LANG_ENGLISH} "Choose who may run ${APP}."
LangString ModeUser ${LANG_RUSSIAN} "Только для меня (права администратора не нужны)"
LangString ModeUser ${LANG_ENGLISH} "For me only (no administrator rights needed)"
LangString ModeAll ${LANG_RUSSIAN} "Для всех пользователей этого компьютера"
LangString ModeAll ${LANG_ENGLISH} "For everyone who uses this computer"
LangString ModeAllNeedsAdmin ${LANG_RUSSIAN} "Чтобы установить для всех, запустите установку от имени администратора."
LangString ModeAllNeedsAdmin ${LANG_ENGLISH} "To install for everyone, run the setup as an administrator."
LangString NeedsAdmin ${LANG_RUSSIAN} "Для этого нужны права администратора."
LangString NeedsAdmin ${LANG_ENGLISH} "This needs administrator rights."
LangString Running ${LANG_RUSSIAN} "${APP} запущен. Закройте его и нажмите «Повтор»."
LangString Running ${LANG_ENGLISH} "${APP} is running. Close it, then choose Retry."
LangString Downgrade ${LANG_RUSSIAN} "Установлена более новая версия ${APP} ($R0). Заменить её версией ${VERSION}?"
LangString Downgrade ${LANG_ENGLISH} "A newer version of ${APP} ($R0) is installed. Replace it with version ${VERSION}?"
LangString OldUninstallFailed ${LANG_RUSSIAN} "Не удалось удалить установленную версию из $R0."
LangString OldUninstallFailed ${LANG_ENGLISH} "The installed version in $R0 could not be removed."
LangString FilesInUse ${LANG_RUSSIAN} "Некоторые файлы ${APP} заняты и не удалены. Закройте программы, которые их используют, и запустите удаление снова."
LangString FilesInUse ${LANG_ENGLISH} "Some files of ${APP} are in use and were not removed. Close the programs that use them and uninstall again."
; The Start-menu shortcut's description, as the desktop entry's comment.
LangString ShortcutComment ${LANG_RUSSIAN} "Реактивные сопротивления, RC- и LC-цепи, транзисторные каскады и ФСС"
LangString ShortcutComment ${LANG_ENGLISH} "Reactances, RC and LC circuits, transistor stages and IF filters"

Var Mode       ; "all" or "user"
Var IsAdmin    ; 1 when running with administrator rights
Var GivenDir   ; the folder given with /D=, which every mode keeps
Var RadioUser
Var RadioAll

; Ends the installer or uninstaller with EXIT_REFUSED, after telling why
; unless silent.
!macro REFUSE TEXT
  ${IfNot} ${Silent}
    MessageBox MB_OK|MB_ICONSTOP "${TEXT}"
  ${EndIf}
  SetErrorLevel ${EXIT_REFUSED}
  Quit
!macroend

; The checks both the installer and the uninstaller make.
!macro SHARED_FUNCTIONS UN
  Function ${UN}ReadAccount
    UserInfo::GetAccountType
    Pop $0
    ${If} $0 == "Admin"
      StrCpy $IsAdmin 1
    ${Else}
      StrCpy $IsAdmin 0
    ${EndIf}
  FunctionEnd

  ; Waits until no copy of Velorix runs, in this session or another: each
  ; holds the mutexes Local\APP_ID and Global\APP_ID.  Interactively the
  ; user closes it and retries, or cancels; silently it refuses at once.
  Function ${UN}WaitUntilClosed
    ${Do}
      StrCpy $0 0
      ${ForEach} $1 0 1 + 1
        ${If} $1 = 0
          StrCpy $2 "Local\${APP_ID}"
        ${Else}
          StrCpy $2 "Global\${APP_ID}"
        ${EndIf}
        ; SYNCHRONIZE access suffices to see the mutex.
        System::Call 'kernel32::OpenMutexW(i 0x00100000, i 0, w r2) p .r3'
        ${If} $3 P<> 0
          System::Call 'kernel32::CloseHandle(p r3)'
          StrCpy $0 1
        ${EndIf}
      ${Next}
      ${If} $0 = 0
        Return
      ${EndIf}
      ${If} ${Silent}
        SetErrorLevel ${EXIT_REFUSED}
        Quit
      ${EndIf}
      ${If} ${Cmd} `MessageBox MB_RETRYCANCEL|MB_ICONEXCLAMATION "$(Running)" IDCANCEL`
        SetErrorLevel ${EXIT_REFUSED}
        Quit
      ${EndIf}
    ${Loop}
  FunctionEnd
!macroend
!insertmacro SHARED_FUNCTIONS ""
!insertmacro SHARED_FUNCTIONS "un."

; The shell folders, registry root (SHCTX) and default folder of $Mode; an
; installed copy of the same mode keeps its folder.
Function ApplyMode
  ${If} $Mode == "all"
    SetShellVarContext all
    StrCpy $0 "$PROGRAMFILES64\${APP}"
  ${Else}
    SetShellVarContext current
    GetKnownFolderPath $0 {5CD7AEE2-2219-4A67-B85D-6C9CE15660CB} ; FOLDERID_UserProgramFiles
    ${If} $0 == ""
      StrCpy $0 "$LOCALAPPDATA\Programs"
    ${EndIf}
    StrCpy $0 "$0\${APP}"
  ${EndIf}
  ReadRegStr $1 SHCTX "${UNINSTALL_KEY}" "InstallLocation"
  ${If} $1 != ""
    StrCpy $0 $1
  ${EndIf}
  ${If} $GivenDir != ""
    StrCpy $0 $GivenDir
  ${EndIf}
  StrCpy $INSTDIR $0
FunctionEnd

Function .onInit
  SetRegView 64
  StrCpy $GivenDir $INSTDIR
  Call ReadAccount
  StrCpy $Mode "user"
  ${If} $IsAdmin = 1
    StrCpy $Mode "all"
  ${EndIf}
  ${GetParameters} $0
  ClearErrors
  ${GetOptions} $0 "/CurrentUser" $1
  ${IfNot} ${Errors}
    StrCpy $Mode "user"
  ${EndIf}
  ClearErrors
  ${GetOptions} $0 "/AllUsers" $1
  ${IfNot} ${Errors}
    ${If} $IsAdmin = 0
      !insertmacro REFUSE "$(NeedsAdmin)"
    ${EndIf}
    StrCpy $Mode "all"
  ${EndIf}
  Call ApplyMode
FunctionEnd

Function ModePage
  !insertmacro MUI_HEADER_TEXT "$(ModeTitle)" "$(ModeSubtitle)"
  nsDialogs::Create 1018
  Pop $0
  ${NSD_CreateRadioButton} 0 0 100% 12u "$(ModeUser)"
  Pop $RadioUser
  ${NSD_CreateRadioButton} 0 16u 100% 12u "$(ModeAll)"
  Pop $RadioAll
  ${If} $IsAdmin = 0
    EnableWindow $RadioAll 0
    ${NSD_CreateLabel} 12u 32u -12u 24u "$(ModeAllNeedsAdmin)"
    Pop $0
  ${EndIf}
  ${If} $Mode == "all"
    ${NSD_Check} $RadioAll
  ${Else}
    ${NSD_Check} $RadioUser
  ${EndIf}
  nsDialogs::Show
FunctionEnd

Function ModePageLeave
  ${NSD_GetState} $RadioAll $0
  ${If} $0 = ${BST_CHECKED}
    StrCpy $Mode "all"
  ${Else}
    StrCpy $Mode "user"
  ${EndIf}
  Call ApplyMode
FunctionEnd

; A newer installed version is replaced only when the user agrees, or, when
; silent, with /AllowDowngrade.
Function CheckDowngrade
  ReadRegStr $R0 SHCTX "${UNINSTALL_KEY}" "DisplayVersion"
  ${If} $R0 == ""
    Return
  ${EndIf}
  ${VersionCompare} "$R0" "${VERSION}" $0
  ${If} $0 <> 1
    Return
  ${EndIf}
  ${GetParameters} $1
  ClearErrors
  ${GetOptions} $1 "/AllowDowngrade" $2
  ${IfNot} ${Errors}
    Return
  ${EndIf}
  ${If} ${Cmd} `MessageBox MB_YESNO|MB_ICONQUESTION|MB_DEFBUTTON2 "$(Downgrade)" /SD IDNO IDNO`
    SetErrorLevel ${EXIT_REFUSED}
    Quit
  ${EndIf}
FunctionEnd

; Upgrading: the installed version's own uninstaller removes exactly the
; files that version installed, run in place (_?=) so that it waits and
; leaves itself, which goes next.
Function RemoveInstalled
  ReadRegStr $R0 SHCTX "${UNINSTALL_KEY}" "InstallLocation"
  ${If} $R0 == ""
  ${OrIfNot} ${FileExists} "$R0\Uninstall.exe"
    Return
  ${EndIf}
  ClearErrors
  ExecWait '"$R0\Uninstall.exe" /S _?=$R0' $0
  ${If} ${Errors}
  ${OrIf} $0 <> 0
    !insertmacro REFUSE "$(OldUninstallFailed)"
  ${EndIf}
  Delete "$R0\Uninstall.exe"
  RMDir "$R0"
FunctionEnd

Section "Velorix"
  Call WaitUntilClosed
  Call CheckDowngrade
  Call RemoveInstalled

  !include "${FILES}\install.nsh"
  WriteUninstaller "$INSTDIR\Uninstall.exe"
  ; Named after the program in both languages, as its windows are; it
  ; starts in the program's folder, not the last one the files went into.
  SetOutPath "$INSTDIR"
  CreateShortcut "$SMPROGRAMS\${APP}.lnk" "$INSTDIR\Velorix.exe" "" "" "" "" "" "$(ShortcutComment)"

  WriteRegStr SHCTX "${UNINSTALL_KEY}" "DisplayName" "${APP}"
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\Velorix.exe,0"
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "Publisher" "${PUBLISHER}"
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\Uninstall.exe"'
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\Uninstall.exe" /S'
  WriteRegDWORD SHCTX "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD SHCTX "${UNINSTALL_KEY}" "NoRepair" 1
  ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
  WriteRegDWORD SHCTX "${UNINSTALL_KEY}" "EstimatedSize" $0
SectionEnd

; The uninstaller belongs to the current user's install when the HKCU entry
; names its folder, else to everyone's, which only an administrator removes.
Function un.onInit
  SetRegView 64
  Call un.ReadAccount
  ReadRegStr $0 HKCU "${UNINSTALL_KEY}" "InstallLocation"
  ${If} $0 == $INSTDIR
    SetShellVarContext current
  ${Else}
    SetShellVarContext all
    ${If} $IsAdmin = 0
      !insertmacro REFUSE "$(NeedsAdmin)"
    ${EndIf}
  ${EndIf}
FunctionEnd

Section "Uninstall"
  Call un.WaitUntilClosed
  ClearErrors
  !include "${FILES}\uninstall-files.nsh"
  ${If} ${Errors}
    !insertmacro REFUSE "$(FilesInUse)"
  ${EndIf}
  !include "${FILES}\uninstall-dirs.nsh"
  Delete "$SMPROGRAMS\${APP}.lnk"
  Delete "$INSTDIR\Uninstall.exe"
  RMDir "$INSTDIR"
  DeleteRegKey SHCTX "${UNINSTALL_KEY}"
SectionEnd
