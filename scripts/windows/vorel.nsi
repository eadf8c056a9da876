; SPDX-License-Identifier: GPL-3.0-or-later
; The Windows installer: for the current user or for all users, a Start-menu entry with the icon,
; an uninstaller that removes the program and leaves the user's archive (%APPDATA%\Vorel) alone.
;   makensis -DVERSION=2.0.0 -DDEPLOY=<program folder> -DICON=<vorel.ico> -DOUTFILE=<setup.exe> vorel.nsi
; A 64-bit installer for the 64-bit program: it needs no 32-bit support anywhere, writes the
; 64-bit uninstall entry and installs into the 64-bit Program Files.
Target amd64-unicode
SetCompressor /SOLID lzma

!define PRODUCT "Vorel"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Vorel"

; Per user without asking for rights, or for everyone when run as an administrator (/AllUsers).
!define MULTIUSER_EXECUTIONLEVEL Highest
!define MULTIUSER_MUI
!define MULTIUSER_INSTALLMODE_COMMANDLINE
!define MULTIUSER_INSTALLMODE_INSTDIR "${PRODUCT}"
!define MULTIUSER_USE_PROGRAMFILES64
!include MultiUser.nsh
!include MUI2.nsh

Name "${PRODUCT} ${VERSION}"
OutFile "${OUTFILE}"
!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"

!insertmacro MUI_PAGE_LICENSE "${DEPLOY}\LICENSE.txt"
!insertmacro MULTIUSER_PAGE_INSTALLMODE
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "Italian"
!insertmacro MUI_LANGUAGE "English"

Function .onInit
  SetRegView 64
  !insertmacro MULTIUSER_INIT
FunctionEnd

Function un.onInit
  SetRegView 64
  !insertmacro MULTIUSER_UNINIT
FunctionEnd

Section "Vorel"
  SetOutPath "$INSTDIR"
  File /r "${DEPLOY}\*.*"
  File "/oname=vorel.ico" "${ICON}"
  WriteUninstaller "$INSTDIR\uninstall.exe"
  CreateShortCut "$SMPROGRAMS\Vorel.lnk" "$INSTDIR\vorel.exe" "" "$INSTDIR\vorel.ico"
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "DisplayName" "${PRODUCT}"
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\vorel.ico"
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "Publisher" "The Vorel developers"
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe" /$MultiUser.InstallMode'
  WriteRegDWORD SHCTX "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD SHCTX "${UNINSTALL_KEY}" "NoRepair" 1
SectionEnd

; Only what the installer put there: the archive and the settings live in the user's own folders.
Section "Uninstall"
  ; The entry of whichever kind of install this was, even when the uninstaller is run by hand.
  SetShellVarContext current
  Delete "$SMPROGRAMS\Vorel.lnk"
  DeleteRegKey HKCU "${UNINSTALL_KEY}"
  SetShellVarContext all
  Delete "$SMPROGRAMS\Vorel.lnk"
  RMDir /r "$INSTDIR\platforms"
  RMDir /r "$INSTDIR\styles"
  RMDir /r "$INSTDIR\tls"
  RMDir /r "$INSTDIR\Help"
  Delete "$INSTDIR\*.dll"
  Delete "$INSTDIR\vorel.exe"
  Delete "$INSTDIR\vorel.ico"
  Delete "$INSTDIR\LICENSE.txt"
  Delete "$INSTDIR\uninstall.exe"
  RMDir "$INSTDIR"
  ${If} $MultiUser.InstallMode == "AllUsers"
    DeleteRegKey HKLM "${UNINSTALL_KEY}"
  ${EndIf}
SectionEnd
