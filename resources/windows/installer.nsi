; The Windows installer of Arcade Vorpex, made by tools/setup/package.sh
; windows with NSIS. It installs for the current user without administrator
; rights, adds a Start-menu entry and an uninstaller listed among the
; installed programs, and shows the licence. Uninstalling removes the
; program folder and the entry and keeps the player's scores and saved game
; (HKCU\Software\Quenta\Arcade Vorpex). /S installs and uninstalls silently.
;
; Defined by the caller: VERSION, SOURCE (the program folder), OUTFILE,
; LICENSE (the licence text).
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
!define MUI_FINISHPAGE_RUN "$INSTDIR\arcade-vorpex.exe"
!insertmacro MUI_PAGE_LICENSE "${LICENSE}"
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "English"

Section "Arcade Vorpex"
  SetShellVarContext current
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
  ; The program folder only: the player's settings, scores and saved game
  ; stay in the registry for a later install.
  RMDir /r "$INSTDIR"
  DeleteRegKey HKCU "${UNINSTALL_KEY}"
SectionEnd
