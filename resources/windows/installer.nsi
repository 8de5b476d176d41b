; The Windows installer of Arcade Vorpex, made by tools/setup/package.sh
; windows with NSIS. It installs for the current user without administrator
; rights, adds a Start-menu entry and an uninstaller listed among the
; installed programs, and shows the licence. Uninstalling removes what was
; installed, file by file, the program folder only once nothing else is in
; it, and the entry, and keeps the player's scores and saved game
; (HKCU\Software\Quenta\Arcade Vorpex): a folder the player chose may hold
; files of the player's own. A folder that holds anything but an earlier
; install is not installed into unless the player says so (silently, /S,
; never). /S installs and uninstalls silently.
;
; Defined by the caller: VERSION, SOURCE (the program folder), OUTFILE,
; LICENSE (the licence text), REMOVAL (the uninstaller's Delete and RMDir
; lines for what SOURCE holds).
Unicode true
; The game is 64-bit only, and so is its installer.
Target amd64-unicode
SetCompressor /SOLID lzma
RequestExecutionLevel user

!define NAME "Arcade Vorpex"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\ArcadeVorpex"

Name "${NAME}"
OutFile "${OUTFILE}"
InstallDir "$LOCALAPPDATA\Programs\${NAME}"
InstallDirRegKey HKCU "${UNINSTALL_KEY}" "InstallLocation"
; The installer's own details, which Windows shows in its properties.
VIProductVersion "${VERSION}.0"
VIAddVersionKey "ProductName" "${NAME}"
VIAddVersionKey "FileVersion" "${VERSION}"
VIAddVersionKey "ProductVersion" "${VERSION}"
VIAddVersionKey "FileDescription" "${NAME} installer"
VIAddVersionKey "LegalCopyright" "MIT licence"

!include "MUI2.nsh"
!include "LogicLib.nsh"
!define MUI_FINISHPAGE_RUN "$INSTDIR\arcade-vorpex.exe"
!insertmacro MUI_PAGE_LICENSE "${LICENSE}"
!define MUI_PAGE_CUSTOMFUNCTION_LEAVE CheckFolder
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "English"

; $0 = 1 when $INSTDIR holds something and is no earlier install of the
; game (which keeps its program and uninstaller there), else 0.
Function IsForeignFolder
  StrCpy $0 0
  IfFileExists "$INSTDIR\arcade-vorpex.exe" 0 look
  IfFileExists "$INSTDIR\Uninstall.exe" done look
  look:
  ClearErrors
  FindFirst $1 $2 "$INSTDIR\*.*"
  ${DoUntil} ${Errors}
    ${If} $2 != "."
    ${AndIf} $2 != ".."
    ${AndIf} $2 != ""
      StrCpy $0 1
      ${Break}
    ${EndIf}
    FindNext $1 $2
  ${Loop}
  FindClose $1
  done:
FunctionEnd

Function CheckFolder
  Call IsForeignFolder
  ${If} $0 == 1
    MessageBox MB_YESNO|MB_ICONEXCLAMATION|MB_DEFBUTTON2 \
      "$INSTDIR already holds other files.$\r$\n$\r$\nInstall ${NAME} there anyway? Uninstalling it later removes only the game's own files." \
      /SD IDNO IDYES keep
    Abort
    keep:
  ${EndIf}
FunctionEnd

Section "Arcade Vorpex"
  SetShellVarContext current
  ; A silent install asks nothing, so it never goes into someone's folder.
  ${If} ${Silent}
    Call IsForeignFolder
    ${If} $0 == 1
      SetErrorLevel 2
      Abort "$INSTDIR already holds other files: choose an empty folder."
    ${EndIf}
  ${EndIf}
  SetOutPath "$INSTDIR"
  File /r "${SOURCE}\*.*"
  WriteUninstaller "$INSTDIR\Uninstall.exe"
  CreateShortCut "$SMPROGRAMS\${NAME}.lnk" "$INSTDIR\arcade-vorpex.exe"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayName" "${NAME}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "Publisher" "Arcade Vorpex developers"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\arcade-vorpex.exe"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\Uninstall.exe"'
  WriteRegStr HKCU "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\Uninstall.exe" /S'
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoRepair" 1
SectionEnd

Section "Uninstall"
  SetShellVarContext current
  Delete "$SMPROGRAMS\${NAME}.lnk"
  ; What was installed, and no more: the player's settings, scores and
  ; saved game stay in the registry for a later install, and anything else
  ; in the folder stays where it is.
!include "${REMOVAL}"
  Delete "$INSTDIR\Uninstall.exe"
  RMDir "$INSTDIR"
  DeleteRegKey HKCU "${UNINSTALL_KEY}"
SectionEnd
