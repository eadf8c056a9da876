; SPDX-License-Identifier: GPL-3.0-or-later
; The Windows installer: for the current user or for all users, a Start-menu entry with the icon,
;  an uninstaller that removes the program and leaves the user's archive (%APPDATA%\Vorel) alone.
; Optionally (off by default; /UpdateTask in silent mode) a scheduled task of the user that runs
; "vorel --update --if-due" every evening at 21:00 and at logon, and (/DesktopShortcut) an icon on
; the desktop; the uninstaller removes them. An upgrade goes into the folder of the installed
; version; neither the installer nor the uninstaller goes on while Vorel runs. Vorel is offered in
; "Apri con" for .zip and .txt files (the official results file), never made their default program.
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
; An upgrade installs where the installed version is.
!define MULTIUSER_INSTALLMODE_INSTDIR_REGISTRY_KEY "${UNINSTALL_KEY}"
!define MULTIUSER_INSTALLMODE_INSTDIR_REGISTRY_VALUENAME "InstallLocation"
!define TASK_NAME "Vorel\Aggiornamento"
!define PROGID "Vorel.Storico"
; Held by the program while it runs (see MarkRunning).
!define RUNNING_MUTEX "Local\io.github.vorel.Vorel"
!include MultiUser.nsh
!include MUI2.nsh
!include FileFunc.nsh

Name "${PRODUCT} ${VERSION}"
OutFile "${OUTFILE}"
!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"

; The GPL is shown for information: it asks nothing of who uses the program, so nothing to accept.
!define MUI_LICENSEPAGE_TEXT_TOP "Vorel è software libero, sotto la licenza GNU GPL (versione 3 o successiva):"
!define MUI_LICENSEPAGE_TEXT_BOTTOM "La licenza non va accettata: garantisce a chi usa Vorel la libertà di usarlo, studiarlo, copiarlo e modificarlo."
!define MUI_LICENSEPAGE_BUTTON "$(^NextBtn)"
!insertmacro MUI_PAGE_LICENSE "${DEPLOY}\LICENSE.txt"
!insertmacro MULTIUSER_PAGE_INSTALLMODE
!insertmacro MUI_PAGE_COMPONENTS
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!define MUI_FINISHPAGE_RUN "$INSTDIR\vorel.exe"
!define MUI_FINISHPAGE_RUN_TEXT "Avvia Vorel"
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "Italian"
!insertmacro MUI_LANGUAGE "English"


; Asks to close Vorel while it runs; silently, or when the user gives up, ends the setup.
!macro REFUSE_WHILE_RUNNING un
Function ${un}refuseWhileRunning
  retry:
    System::Call 'kernel32::OpenMutexW(i 0x00100000, i 0, w "${RUNNING_MUTEX}") p .r0'
    ${If} $0 P<> 0
      System::Call 'kernel32::CloseHandle(p r0)'
      MessageBox MB_RETRYCANCEL|MB_ICONEXCLAMATION "Vorel è aperto: chiuderlo, poi scegliere Riprova." /SD IDCANCEL IDRETRY retry
      SetErrorLevel 3
      Quit
    ${EndIf}
FunctionEnd
!macroend
!insertmacro REFUSE_WHILE_RUNNING ""
!insertmacro REFUSE_WHILE_RUNNING "un."

Function un.onInit
  SetRegView 64
  !insertmacro MULTIUSER_UNINIT
  Call un.refuseWhileRunning
FunctionEnd

Section "Vorel" SecProgram
  SectionIn RO
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
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
  IntFmt $0 "0x%08X" $0
  WriteRegDWORD SHCTX "${UNINSTALL_KEY}" "EstimatedSize" "$0"
  ; Offered in "Apri con" for the official file, a zip or its text; never the default program.
  WriteRegStr SHCTX "Software\Classes\${PROGID}" "" "Archivio ufficiale delle estrazioni del Lotto"
  WriteRegStr SHCTX "Software\Classes\${PROGID}\DefaultIcon" "" "$INSTDIR\vorel.ico"
  WriteRegStr SHCTX "Software\Classes\${PROGID}\shell\open\command" "" '"$INSTDIR\vorel.exe" "%1"'
  WriteRegStr SHCTX "Software\Classes\.zip\OpenWithProgids" "${PROGID}" ""
  WriteRegStr SHCTX "Software\Classes\.txt\OpenWithProgids" "${PROGID}" ""
SectionEnd

Section /o "Icona sul desktop" SecDesktop
  CreateShortCut "$DESKTOP\Vorel.lnk" "$INSTDIR\vorel.exe" "" "$INSTDIR\vorel.ico"
SectionEnd

; The task runs as the user who installs, only while logged on, with no rights of its own.
Section /o "Aggiornamento automatico ogni sera alle 21 e all'accesso" SecTask
  InitPluginsDir
  ReadEnvStr $1 USERDOMAIN
  ReadEnvStr $2 USERNAME
  StrCpy $3 "$1\$2"
  FileOpen $0 "$PLUGINSDIR\task.xml" w
  FileWriteWord $0 0xFEFF
  FileWriteUTF16LE $0 '<?xml version="1.0" encoding="UTF-16"?>$\r$\n'
  FileWriteUTF16LE $0 '<Task version="1.2" xmlns="http://schemas.microsoft.com/windows/2004/02/mit/task">$\r$\n'
  FileWriteUTF16LE $0 '<RegistrationInfo><Description>Vorel: aggiorna l$\'archivio dal sito ufficiale dopo ogni estrazione</Description></RegistrationInfo>$\r$\n'
  FileWriteUTF16LE $0 '<Triggers><CalendarTrigger><StartBoundary>2026-01-01T21:00:00</StartBoundary><ScheduleByDay><DaysInterval>1</DaysInterval></ScheduleByDay></CalendarTrigger>'
  FileWriteUTF16LE $0 '<LogonTrigger><UserId>$3</UserId></LogonTrigger></Triggers>$\r$\n'
  FileWriteUTF16LE $0 '<Principals><Principal id="Author"><UserId>$3</UserId><LogonType>InteractiveToken</LogonType><RunLevel>LeastPrivilege</RunLevel></Principal></Principals>$\r$\n'
  FileWriteUTF16LE $0 '<Settings><StartWhenAvailable>true</StartWhenAvailable><DisallowStartIfOnBatteries>false</DisallowStartIfOnBatteries><StopIfGoingOnBatteries>false</StopIfGoingOnBatteries><ExecutionTimeLimit>PT1H</ExecutionTimeLimit><MultipleInstancesPolicy>IgnoreNew</MultipleInstancesPolicy></Settings>$\r$\n'
  FileWriteUTF16LE $0 '<Actions Context="Author"><Exec><Command>"$INSTDIR\vorel.exe"</Command><Arguments>--update --if-due</Arguments></Exec></Actions>$\r$\n'
  FileWriteUTF16LE $0 '</Task>$\r$\n'
  FileClose $0
  nsExec::ExecToLog '"$SYSDIR\schtasks.exe" /Create /TN "${TASK_NAME}" /XML "$PLUGINSDIR\task.xml" /F'
  Pop $0
  ${If} $0 != 0
    DetailPrint "Aggiornamento automatico non attivato: schtasks ha risposto $0."
  ${EndIf}
SectionEnd

; A section chosen on the command line, for silent installs.
!macro SELECT_BY_OPTION option section
  ClearErrors
  ${GetOptions} $R0 "${option}" $R1
  ${IfNot} ${Errors}
    SectionSetFlags ${section} ${SF_SELECTED}
  ${EndIf}
!macroend

; After the sections, whose numbers it uses.
Function .onInit
  SetRegView 64
  StrCpy $R9 $INSTDIR ; a folder given with /D wins over the default and the installed version's
  !insertmacro MULTIUSER_INIT
  ${If} $R9 != ""
    StrCpy $INSTDIR $R9
  ${EndIf}
  Call refuseWhileRunning
  ${GetParameters} $R0
  !insertmacro SELECT_BY_OPTION "/UpdateTask" ${SecTask}
  !insertmacro SELECT_BY_OPTION "/DesktopShortcut" ${SecDesktop}
FunctionEnd

; Only what the installer put there: the archive and the settings live in the user's own folders.
Section "Uninstall"
  ; The scheduled task, if one was made; none is no error.
  nsExec::ExecToLog '"$SYSDIR\schtasks.exe" /Delete /TN "${TASK_NAME}" /F'
  Pop $0
  ; The entry of whichever kind of install this was, even when the uninstaller is run by hand.
  SetShellVarContext current
  Delete "$SMPROGRAMS\Vorel.lnk"
  Delete "$DESKTOP\Vorel.lnk"
  DeleteRegKey HKCU "${UNINSTALL_KEY}"
  DeleteRegKey HKCU "Software\Classes\${PROGID}"
  DeleteRegValue HKCU "Software\Classes\.zip\OpenWithProgids" "${PROGID}"
  DeleteRegValue HKCU "Software\Classes\.txt\OpenWithProgids" "${PROGID}"
  SetShellVarContext all
  Delete "$SMPROGRAMS\Vorel.lnk"
  Delete "$DESKTOP\Vorel.lnk"
  RMDir /r "$INSTDIR\platforms"
  RMDir /r "$INSTDIR\styles"
  RMDir /r "$INSTDIR\tls"
  RMDir /r "$INSTDIR\Help"
  RMDir /r "$INSTDIR\translations"
  Delete "$INSTDIR\*.dll"
  Delete "$INSTDIR\vorel.exe"
  Delete "$INSTDIR\vorel.ico"
  Delete "$INSTDIR\LICENSE.txt"
  Delete "$INSTDIR\uninstall.exe"
  RMDir "$INSTDIR"
  ${If} $MultiUser.InstallMode == "AllUsers"
    DeleteRegKey HKLM "${UNINSTALL_KEY}"
    DeleteRegKey HKLM "Software\Classes\${PROGID}"
    DeleteRegValue HKLM "Software\Classes\.zip\OpenWithProgids" "${PROGID}"
    DeleteRegValue HKLM "Software\Classes\.txt\OpenWithProgids" "${PROGID}"
  ${EndIf}
SectionEnd
