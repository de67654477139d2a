; Quorvel's setup program and uninstaller.
; makensis -DBIN=<folder of the shipped 32-bit files> [-DBIN64=<folder of the
; 64-bit build>] -DICON=<icon> -DOUTFILE=<setup program>
; -DNAMES=<the names the programs share, made by the build> Quorvel.nsi
Unicode true
!include MUI2.nsh
!include LogicLib.nsh
!include Sections.nsh

!include "${NAMES}"
!define PUBLISHER "Harnwick"
!define PROGRAM_KEY "${MACHINE_KEY}"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Quorvel"
!define RUN_KEY "Software\Microsoft\Windows\CurrentVersion\Run"
; How long a running Quorvel gets to end after "Quorvel.exe /exit".
!define STOP_WAIT_TENTHS 150

Name "Quorvel ${VERSION}"
OutFile "${OUTFILE}"
InstallDir "$PROGRAMFILES\Quorvel"
InstallDirRegKey HKLM "${UNINSTALL_KEY}" "InstallLocation"
RequestExecutionLevel admin
SetCompressor /SOLID lzma
BrandingText "Quorvel ${VERSION}"

VIProductVersion "${VERSION}.0"
VIAddVersionKey /LANG=1033 "ProductName" "Quorvel"
VIAddVersionKey /LANG=1033 "CompanyName" "${PUBLISHER}"
VIAddVersionKey /LANG=1033 "FileDescription" "Quorvel setup"
VIAddVersionKey /LANG=1033 "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=1033 "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=1033 "LegalCopyright" "Copyright (C) ${PUBLISHER}"

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_ABORTWARNING
!define MUI_COMPONENTSPAGE_NODESC
!define MUI_FINISHPAGE_RUN
!define MUI_FINISHPAGE_RUN_TEXT "Start Quorvel now"
!define MUI_FINISHPAGE_RUN_FUNCTION StartQuorvel
!define MUI_FINISHPAGE_SHOWREADME "$INSTDIR\Quorvel.chm"
!define MUI_FINISHPAGE_SHOWREADME_TEXT "Show the help"
!define MUI_FINISHPAGE_SHOWREADME_NOTCHECKED

!insertmacro MUI_PAGE_WELCOME
!insertmacro MUI_PAGE_COMPONENTS
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "English"

; Asks the Quorvel that runs from DIR (if any) to end as its Stop button
; does, and waits a bounded time for its main window to go.
!macro StopQuorvel DIR
  ${If} ${FileExists} "${DIR}\Quorvel.exe"
    ExecWait '"${DIR}\Quorvel.exe" /exit'
  ${EndIf}
  StrCpy $R1 0
  ${Do}
    FindWindow $R0 "${MAIN_WINDOW_CLASS}" "${MAIN_WINDOW_CAPTION}"
    ${If} $R0 == 0
    ${OrIf} $R1 >= ${STOP_WAIT_TENTHS}
      ${Break}
    ${EndIf}
    ; A Quorvel too old for /exit, or one from another folder: asked
    ; directly, when the window carries the program's marker.
    ${If} $R1 == 0
      System::Call 'user32::GetWindowLongA(p R0, i -21) i .R2'
      ${If} $R2 = 0xAAAAAAAA
        SendMessage $R0 ${EXIT_REQUEST_MESSAGE} 0 0 /TIMEOUT=2000
      ${EndIf}
    ${EndIf}
    Sleep 100
    IntOp $R1 $R1 + 1
  ${Loop}
  ; Let the program's process end after its window has gone.
  Sleep 500
!macroend

; Puts a file in place. A file that cannot be deleted (a library still
; mapped into a running program) is moved aside and removed at the next
; restart.
!macro PutFile SOURCE NAME
  ClearErrors
  Delete "$INSTDIR\${NAME}"
  ${If} ${Errors}
    Delete "$INSTDIR\${NAME}.old"
    Rename "$INSTDIR\${NAME}" "$INSTDIR\${NAME}.old"
    Delete /REBOOTOK "$INSTDIR\${NAME}.old"
  ${EndIf}
  File "/oname=${NAME}" "${SOURCE}"
!macroend

!macro RemoveFile NAME
  StrCpy $0 "$INSTDIR\${NAME}"
  Call un.RemoveFile
!macroend

; Deletes the file $0. A library that programs still have mapped goes when
; they let it go (a few tries); if it stays in use it is moved out of the
; program folder and removed at the next restart.
Function un.RemoveFile
  StrCpy $R2 0
  ${Do}
    ClearErrors
    Delete "$0"
    ${IfNot} ${Errors}
      Return
    ${EndIf}
    IntOp $R2 $R2 + 1
    ${If} $R2 >= 10
      ${Break}
    ${EndIf}
    Sleep 300
  ${Loop}
  GetTempFileName $R3
  Delete "$R3"
  ClearErrors
  Rename "$0" "$R3"
  ${If} ${Errors}
    Delete /REBOOTOK "$0"
  ${Else}
    Delete /REBOOTOK "$R3"
  ${EndIf}
FunctionEnd

Function .onInit
  SetShellVarContext all
FunctionEnd

Section "Quorvel (required)" SecProgram
  SectionIn RO
  SetOutPath "$INSTDIR"
  !insertmacro StopQuorvel "$INSTDIR"
  !insertmacro PutFile "${BIN}\Quorvel.exe" Quorvel.exe
  !insertmacro PutFile "${BIN}\QuorvelTutorial.exe" QuorvelTutorial.exe
  ; The program refreshes system.dat from the pristine copy system2.dat at
  ; each start: both are the new library, and an old moved-aside copy goes.
  !insertmacro PutFile "${BIN}\system.dat" system.dat
  !insertmacro PutFile "${BIN}\system.dat" system2.dat
  Delete /REBOOTOK "$INSTDIR\Nouse.dat"
  !insertmacro PutFile "${BIN}\Util.dat" Util.dat
  !insertmacro PutFile "${BIN}\SetForegroundWindow.exe" SetForegroundWindow.exe
  !insertmacro PutFile "${BIN}\ShowDesktop.scf" ShowDesktop.scf
  !insertmacro PutFile "${BIN}\Quorvel.chm" Quorvel.chm
!ifdef BIN64
!if /FileExists "${BIN64}\system64.dat"
  !insertmacro PutFile "${BIN64}\system64.dat" system64.dat
!endif
!if /FileExists "${BIN64}\QuorvelHook64.exe"
  !insertmacro PutFile "${BIN64}\QuorvelHook64.exe" QuorvelHook64.exe
!endif
!endif
  WriteUninstaller "$INSTDIR\Uninstall.exe"

  ; The machine-wide key: an existing setting word is kept on upgrade; the
  ; first-start mark and a stamp unique to this installation make the
  ; program offer the tutorial once to each user.
  ClearErrors
  ReadRegDWORD $0 HKLM "${PROGRAM_KEY}" "${SETTING_VALUE}"
  ${If} ${Errors}
    WriteRegDWORD HKLM "${PROGRAM_KEY}" "${SETTING_VALUE}" ${DEFAULT_SETTING}
  ${EndIf}
  WriteRegDWORD HKLM "${PROGRAM_KEY}" "${FIRST_START_VALUE}" 1
  System::Call 'kernel32::GetSystemTimeAsFileTime(*l .r1)'
  WriteRegStr HKLM "${PROGRAM_KEY}" "${INSTALL_STAMP_VALUE}" "$1"

  CreateDirectory "$SMPROGRAMS\Quorvel"
  CreateShortcut "$SMPROGRAMS\Quorvel\Quorvel.lnk" "$INSTDIR\Quorvel.exe" "" "$INSTDIR\Quorvel.exe" 0
  CreateShortcut "$SMPROGRAMS\Quorvel\Quorvel Shortcuts Tutorial.lnk" "$INSTDIR\QuorvelTutorial.exe" "" "$INSTDIR\QuorvelTutorial.exe" 0
  CreateShortcut "$SMPROGRAMS\Quorvel\Quorvel Help.lnk" "$INSTDIR\Quorvel.chm"
  CreateShortcut "$SMPROGRAMS\Quorvel\Uninstall Quorvel.lnk" "$INSTDIR\Uninstall.exe"

  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayName" "Quorvel"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "Publisher" "${PUBLISHER}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\Quorvel.exe,0"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\Uninstall.exe"'
  WriteRegStr HKLM "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\Uninstall.exe" /S'
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoRepair" 1
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "EstimatedSize" 2048
SectionEnd

Section "Start Quorvel with Windows" SecRun
  WriteRegStr HKLM "${RUN_KEY}" "Quorvel" '"$INSTDIR\Quorvel.exe"'
SectionEnd

Function .onInstSuccess
  ; An upgrade without the start-with-Windows choice drops an earlier entry.
  ${IfNot} ${SectionIsSelected} ${SecRun}
    DeleteRegValue HKLM "${RUN_KEY}" "Quorvel"
  ${EndIf}
FunctionEnd

; From the finish page. The setup program runs as administrator; on Windows
; the shell starts Quorvel with the user's own rights.
Function StartQuorvel
  ClearErrors
  EnumRegKey $0 HKLM "Software\Wine" 0
  ${If} ${Errors}
    Exec '"$WINDIR\explorer.exe" "$INSTDIR\Quorvel.exe"'
  ${Else}
    Exec '"$INSTDIR\Quorvel.exe"'
  ${EndIf}
FunctionEnd

Function un.onInit
  SetShellVarContext all
FunctionEnd

Section "Uninstall"
  !insertmacro StopQuorvel "$INSTDIR"
  !insertmacro RemoveFile Quorvel.exe
  !insertmacro RemoveFile QuorvelTutorial.exe
  !insertmacro RemoveFile system.dat
  !insertmacro RemoveFile system2.dat
  !insertmacro RemoveFile system.dat.old
  !insertmacro RemoveFile Nouse.dat
  !insertmacro RemoveFile Util.dat
  !insertmacro RemoveFile SetForegroundWindow.exe
  !insertmacro RemoveFile ShowDesktop.scf
  !insertmacro RemoveFile Quorvel.chm
  !insertmacro RemoveFile system64.dat
  !insertmacro RemoveFile system64.dat.old
  !insertmacro RemoveFile QuorvelHook64.exe
  !insertmacro RemoveFile QuorvelLog.txt
  !insertmacro RemoveFile QuorvelExceptionLog.txt
  !insertmacro RemoveFile Uninstall.exe
  RMDir /REBOOTOK "$INSTDIR"

  Delete "$SMPROGRAMS\Quorvel\Quorvel.lnk"
  Delete "$SMPROGRAMS\Quorvel\Quorvel Shortcuts Tutorial.lnk"
  Delete "$SMPROGRAMS\Quorvel\Quorvel Help.lnk"
  Delete "$SMPROGRAMS\Quorvel\Uninstall Quorvel.lnk"
  RMDir "$SMPROGRAMS\Quorvel"
  DeleteRegValue HKLM "${RUN_KEY}" "Quorvel"
  DeleteRegKey HKLM "${UNINSTALL_KEY}"

  ; The installation's own marks always go; the settings and the spots
  ; Smart Move remembered go only when the user says so.
  DeleteRegValue HKLM "${PROGRAM_KEY}" "${FIRST_START_VALUE}"
  DeleteRegValue HKLM "${PROGRAM_KEY}" "${INSTALL_STAMP_VALUE}"
  MessageBox MB_YESNO|MB_ICONQUESTION \
    "Remove your Quorvel settings and the places Smart Move remembered in dialog boxes as well?" \
    /SD IDNO IDNO keep
    DeleteRegKey HKCU "${USER_KEY}"
    DeleteRegKey /ifempty HKCU "Software\Harnwick"
    DeleteRegKey HKLM "${PROGRAM_KEY}"
    DeleteRegKey /ifempty HKLM "SOFTWARE\Harnwick"
  keep:
SectionEnd
