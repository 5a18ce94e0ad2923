; Corvantile's Windows installer, written by makensis on Debian (see scripts/package.sh).
; makensis -DVERSION=x.y.z -DSTAGE=<folder with corvantile.exe and help.htm> -DICON=<.ico>
;          -DOUTFILE=<setup.exe> [-DLICENSE_FILE=<text>] corvantile.nsi
;
; Options: /S silent, /D=<folder> (last), /AllUsers, /CurrentUser; the uninstaller: /S and
; /RemoveSettings.

Unicode true
; The default 32-bit stub does not start where only 64-bit Windows programs run.
Target amd64-unicode
; Per user unless elevated or asked: a user without administrator rights can install it.
RequestExecutionLevel user
ManifestDPIAware true
SetCompressor /SOLID lzma

!include MUI2.nsh
!include LogicLib.nsh
!include FileFunc.nsh
!include Sections.nsh

!define PRODUCT "Corvantile"
!define PUBLISHER "Corvantile developers"
!define EXE "corvantile.exe"
!define PROGID "Corvantile.MediaFile"
!define CLASSES "Software\Classes"
!define APPKEY "${CLASSES}\Applications\${EXE}"
!define UNINSTROOT "Software\Microsoft\Windows\CurrentVersion\Uninstall"
!define UNINSTKEY "${UNINSTROOT}\${PRODUCT}"
!define SETTINGSKEY "Software\Corvantile"

Name "${PRODUCT}"
OutFile "${OUTFILE}"
BrandingText "${PRODUCT} ${VERSION}"
ShowUninstDetails show

Var AllUsers  ; 1: Program Files, all users' Start menu and HKLM; 0: the current user's

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_ABORTWARNING
!define MUI_COMPONENTSPAGE_NODESC

!insertmacro MUI_PAGE_WELCOME
!ifdef LICENSE_FILE
  !insertmacro MUI_PAGE_LICENSE "${LICENSE_FILE}"
!endif
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH

!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_COMPONENTS
!insertmacro MUI_UNPAGE_INSTFILES

!insertmacro MUI_LANGUAGE "Japanese"

LangString PlayerRunning ${LANG_JAPANESE} "${PRODUCT} が実行中です。${PRODUCT} を終了してから［再試行］を押してください。"

VIProductVersion "${VERSION}.0"
VIAddVersionKey /LANG=${LANG_JAPANESE} "ProductName" "${PRODUCT}"
VIAddVersionKey /LANG=${LANG_JAPANESE} "FileDescription" "${PRODUCT} セットアップ"
VIAddVersionKey /LANG=${LANG_JAPANESE} "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=${LANG_JAPANESE} "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=${LANG_JAPANESE} "CompanyName" "${PUBLISHER}"
VIAddVersionKey /LANG=${LANG_JAPANESE} "LegalCopyright" "© 2026 ${PUBLISHER}"

; The extensions of what the platform's DirectShow plays and the player does not refuse.
!macro ForEachExtension MACRO
  !insertmacro ${MACRO} avi
  !insertmacro ${MACRO} flac
  !insertmacro ${MACRO} flv
  !insertmacro ${MACRO} m4a
  !insertmacro ${MACRO} mkv
  !insertmacro ${MACRO} mp3
  !insertmacro ${MACRO} mp4
  !insertmacro ${MACRO} ogg
  !insertmacro ${MACRO} ogv
  !insertmacro ${MACRO} wav
  !insertmacro ${MACRO} webm
!macroend

; Offered under "Open with" only: the extension's default program stays whatever it was.
!macro RegisterExtension EXT
  WriteRegNone SHCTX "${CLASSES}\.${EXT}\OpenWithProgids" "${PROGID}"
  WriteRegStr SHCTX "${APPKEY}\SupportedTypes" ".${EXT}" ""
!macroend

; Keys that other programs also use go only when nothing of theirs is left in them.
!macro UnregisterExtension EXT
  DeleteRegValue SHCTX "${CLASSES}\.${EXT}\OpenWithProgids" "${PROGID}"
  DeleteRegKey /ifempty SHCTX "${CLASSES}\.${EXT}\OpenWithProgids"
  DeleteRegKey /ifempty SHCTX "${CLASSES}\.${EXT}"
!macroend

!macro SetInstallMode ALL
  StrCpy $AllUsers ${ALL}
  ${If} $AllUsers = 1
    SetShellVarContext all
  ${Else}
    SetShellVarContext current
  ${EndIf}
!macroend

; $0 = 1 when this process has administrator rights (elevated), else 0.
!macro IsElevated
  UserInfo::GetAccountType
  Pop $0
  ${If} $0 == "Admin"
    StrCpy $0 1
  ${Else}
    StrCpy $0 0
  ${EndIf}
!macroend

; Starts this program again through the elevation prompt with the options in $1, waits for it
; and ends with its exit code (1223, cancelled, when the prompt is refused).
!macro RunElevated
  StrCpy $2 "$EXEPATH"
  StrCpy $3 "runas"
  ; SHELLEXECUTEINFOW on x64, padding written out: SEE_MASK_NOCLOSEPROCESS, SW_SHOWNORMAL.
  System::Call '*(i 112, i 0x40, p $HWNDPARENT, w r3, w r2, w r1, p 0, i 1, i 0, p 0, p 0, p 0, p 0, i 0, i 0, p 0, p 0) p .r9'
  System::Call 'shell32::ShellExecuteExW(p r9) i .r8'
  StrCpy $7 1223
  ${If} $8 <> 0
    System::Call '*$9(i, i, p, p, p, p, p, i, i, p, p, p, p, i, i, p, p .r6)'
    System::Call 'kernel32::WaitForSingleObject(p r6, i -1)'
    System::Call 'kernel32::GetExitCodeProcess(p r6, *i .r7)'
    System::Call 'kernel32::CloseHandle(p r6)'
  ${EndIf}
  System::Free $9
  SetErrorLevel $7
  Quit
!macroend

; A running player holds its executable open: it cannot be replaced or deleted, and a half
; removed or half updated folder is worse than none. Silent runs stop at once, non-zero.
!macro WaitForPlayerToClose
  ${Do}
    ${IfNot} ${FileExists} "$INSTDIR\${EXE}"
      ${Break}
    ${EndIf}
    ClearErrors
    FileOpen $0 "$INSTDIR\${EXE}" a
    ${IfNot} ${Errors}
      FileClose $0
      ${Break}
    ${EndIf}
    MessageBox MB_RETRYCANCEL|MB_ICONEXCLAMATION "$(PlayerRunning)" /SD IDCANCEL IDRETRY +2
    Abort
  ${Loop}
!macroend

Function .onInit
  ${GetParameters} $1
  !insertmacro IsElevated
  !insertmacro SetInstallMode $0
  ClearErrors
  ${GetOptions} $1 "/CurrentUser" $4
  ${IfNot} ${Errors}
    !insertmacro SetInstallMode 0
  ${EndIf}
  ClearErrors
  ${GetOptions} $1 "/AllUsers" $4
  ${IfNot} ${Errors}
    ${If} $0 = 0
      ; /D= is cut from the options this process sees; the elevated one needs it back.
      ${If} $INSTDIR != ""
        StrCpy $1 "$1 /D=$INSTDIR"
      ${EndIf}
      !insertmacro RunElevated
    ${EndIf}
    !insertmacro SetInstallMode 1
  ${EndIf}
  ${If} $INSTDIR == ""
    ${If} $AllUsers = 1
      StrCpy $INSTDIR "$PROGRAMFILES64\${PRODUCT}"
    ${Else}
      GetKnownFolderPath $INSTDIR {5CD7AEE2-2219-4A67-B85D-6C9CE15660CB}  ; the user's programs
      ${If} $INSTDIR == ""
        StrCpy $INSTDIR "$LOCALAPPDATA\Programs"
      ${EndIf}
      StrCpy $INSTDIR "$INSTDIR\${PRODUCT}"
    ${EndIf}
  ${EndIf}
FunctionEnd

Section
  !insertmacro WaitForPlayerToClose
  SetOutPath "$INSTDIR"
  File "${STAGE}\${EXE}"
  File "${STAGE}\help.htm"
  WriteUninstaller "$INSTDIR\uninstall.exe"
  CreateShortcut "$SMPROGRAMS\${PRODUCT}.lnk" "$INSTDIR\${EXE}"

  WriteRegStr SHCTX "${CLASSES}\${PROGID}" "" "${PRODUCT} メディア ファイル"
  WriteRegStr SHCTX "${CLASSES}\${PROGID}\DefaultIcon" "" "$INSTDIR\${EXE},0"
  WriteRegStr SHCTX "${CLASSES}\${PROGID}\shell\open\command" "" '"$INSTDIR\${EXE}" "%1"'
  WriteRegStr SHCTX "${APPKEY}" "FriendlyAppName" "${PRODUCT}"
  WriteRegStr SHCTX "${APPKEY}\shell\open\command" "" '"$INSTDIR\${EXE}" "%1"'
  !insertmacro ForEachExtension RegisterExtension

  WriteRegStr SHCTX "${UNINSTKEY}" "DisplayName" "${PRODUCT}"
  WriteRegStr SHCTX "${UNINSTKEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr SHCTX "${UNINSTKEY}" "Publisher" "${PUBLISHER}"
  WriteRegStr SHCTX "${UNINSTKEY}" "DisplayIcon" "$INSTDIR\${EXE},0"
  WriteRegStr SHCTX "${UNINSTKEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr SHCTX "${UNINSTKEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
  WriteRegStr SHCTX "${UNINSTKEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
  WriteRegDWORD SHCTX "${UNINSTKEY}" "NoModify" 1
  WriteRegDWORD SHCTX "${UNINSTKEY}" "NoRepair" 1
  ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
  WriteRegDWORD SHCTX "${UNINSTKEY}" "EstimatedSize" $0
  System::Call 'shell32::SHChangeNotify(i 0x08000000, i 0, p 0, p 0)'  ; SHCNE_ASSOCCHANGED
SectionEnd

Section "un.${PRODUCT}"
  SectionIn RO
  !insertmacro WaitForPlayerToClose
  Delete "$INSTDIR\${EXE}"
  Delete "$INSTDIR\help.htm"
  Delete "$INSTDIR\uninstall.exe"
  Delete "$SMPROGRAMS\${PRODUCT}.lnk"
  !insertmacro ForEachExtension UnregisterExtension
  DeleteRegKey SHCTX "${APPKEY}"
  DeleteRegKey SHCTX "${CLASSES}\${PROGID}"
  DeleteRegKey SHCTX "${UNINSTKEY}"
  ; A fresh user profile has neither parent, so the install made them; the machine's are
  ; the system's own.
  ${If} $AllUsers = 0
    DeleteRegKey /ifempty HKCU "${CLASSES}\Applications"
    DeleteRegKey /ifempty HKCU "${UNINSTROOT}"
  ${EndIf}
  System::Call 'shell32::SHChangeNotify(i 0x08000000, i 0, p 0, p 0)'
SectionEnd

; The user's own settings stay unless asked for.
Section /o "un.設定も削除する" UnSettings
  DeleteRegKey HKCU "${SETTINGSKEY}"
SectionEnd

; Last, so that the folder's going means the uninstaller is done.
Section "-un.Folder"
  RMDir "$INSTDIR"
SectionEnd

; After the sections: it selects one by its index.
Function un.onInit
  ${un.GetParameters} $1
  ; An install for all users is the one that Program Files' uninstall entry points at.
  ReadRegStr $2 HKLM "${UNINSTKEY}" "InstallLocation"
  ${If} $2 == $INSTDIR
    !insertmacro IsElevated
    ${If} $0 = 0
      StrCpy $1 "$1 _?=$INSTDIR"
      !insertmacro RunElevated
    ${EndIf}
    !insertmacro SetInstallMode 1
  ${Else}
    !insertmacro SetInstallMode 0
  ${EndIf}
  ClearErrors
  ${un.GetOptions} $1 "/RemoveSettings" $4
  ${IfNot} ${Errors}
    !insertmacro SelectSection ${UnSettings}
  ${EndIf}
FunctionEnd
