; Quorvel's setup program and uninstaller.
; makensis -DBIN=<folder of the shipped 32-bit files> -DBIN64=<folder of the
; 64-bit build> -DICON=<icon> -DOUTFILE=<setup program>
; -DNAMES=<the names the programs share, made by the build> Quorvel.nsi
;
; An upgrade never needs a restart: a file still in use (a hook library
; that running programs have loaded, a running tutorial) cannot be replaced
; but can be renamed, so every installed file is first moved aside as
; "<name>.<number>.old" in the same folder, then the new files are put in
; place, and the moved files that are free are deleted; the others go at
; Quorvel's next start or the next installation. When a file cannot even be
; moved, or the new files cannot be written, everything is put back as it
; was: never some new files beside some old ones.
Unicode true
ManifestDPIAware true
!include MUI2.nsh
!include LogicLib.nsh
!include Sections.nsh
!include FileFunc.nsh

!include "${NAMES}"
!ifndef BIN64
  !error "BIN64 must name the folder of the 64-bit build: the setup program always brings the 64-bit files"
!endif
!define PROGRAM_KEY "${MACHINE_KEY}"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Quorvel"
!define RUN_KEY "Software\Microsoft\Windows\CurrentVersion\Run"
; How long a running Quorvel gets to end after "Quorvel.exe /exit".
!define STOP_WAIT_TENTHS 150
; The help viewer's window of Quorvel's help (it holds the help file open).
!define HELP_WINDOW_CLASS "HH Parent"
!define HELP_WINDOW_TITLE "Quorvel Help"

Name "Quorvel ${VERSION}"
OutFile "${OUTFILE}"
InstallDir "$PROGRAMFILES\Quorvel"
InstallDirRegKey HKLM "${UNINSTALL_KEY}" "InstallLocation"
RequestExecutionLevel admin
SetCompressor /SOLID lzma
BrandingText "Quorvel ${VERSION}"
; A file that cannot be written fails the installation (Retry or Cancel):
; skipping it would leave a mixture of versions.
AllowSkipFiles off

VIProductVersion "${VERSION}.0"
VIAddVersionKey /LANG=1033 "ProductName" "Quorvel"
VIAddVersionKey /LANG=1033 "CompanyName" "${PUBLISHER}"
VIAddVersionKey /LANG=1033 "FileDescription" "Quorvel setup"
VIAddVersionKey /LANG=1033 "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=1033 "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=1033 "LegalCopyright" "Copyright (C) ${PUBLISHER}"

Var Unique      ; this run's number, for the files it moves aside
Var WasRunning  ; 1 when Quorvel ran before the installation
Var Remaining   ; the uninstaller's files that stay until a restart

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_ABORTWARNING
!define MUI_COMPONENTSPAGE_NODESC
!define MUI_WELCOMEPAGE_TEXT "This will install Quorvel ${VERSION} on your computer.$\r$\n$\r$\nA Quorvel that is running is stopped and, once the new version is in place, started again. Programs may stay open, and Windows need not be restarted.$\r$\n$\r$\nClick Next to continue."
!define MUI_FINISHPAGE_RUN
!define MUI_FINISHPAGE_RUN_TEXT "Start Quorvel now"
!define MUI_FINISHPAGE_RUN_FUNCTION StartQuorvel
!define MUI_FINISHPAGE_SHOWREADME "$INSTDIR\${HELP_FILE_NAME}"
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

; Every file the installation puts into its folder: !insertmacro FILES DO
; inserts the macro DO with the source and the installed name of each.
!macro FILES DO
  !insertmacro ${DO} "${BIN}\${PROGRAM_FILE_NAME}" "${PROGRAM_FILE_NAME}"
  !insertmacro ${DO} "${BIN}\${TUTORIAL_FILE_NAME}" "${TUTORIAL_FILE_NAME}"
  ; The program refreshes system.dat from the pristine copy system2.dat at
  ; each start: both are the new library.
  !insertmacro ${DO} "${BIN}\${HOOK_LIBRARY_FILE_NAME}" "${HOOK_LIBRARY_FILE_NAME}"
  !insertmacro ${DO} "${BIN}\${HOOK_LIBRARY_FILE_NAME}" "${PRISTINE_LIBRARY_FILE_NAME}"
  !insertmacro ${DO} "${BIN}\${UTIL_LIBRARY_FILE_NAME}" "${UTIL_LIBRARY_FILE_NAME}"
  !insertmacro ${DO} "${BIN}\${SET_FOREGROUND_WINDOW_EXE}" "${SET_FOREGROUND_WINDOW_EXE}"
  !insertmacro ${DO} "${BIN}\${SHOW_DESKTOP_FILE_NAME}" "${SHOW_DESKTOP_FILE_NAME}"
  !insertmacro ${DO} "${BIN}\${HELP_FILE_NAME}" "${HELP_FILE_NAME}"
  !insertmacro ${DO} "${BIN64}\${HOOK64_LIBRARY_FILE_NAME}" "${HOOK64_LIBRARY_FILE_NAME}"
  !insertmacro ${DO} "${BIN64}\${HOOK64_HELPER_FILE_NAME}" "${HOOK64_HELPER_FILE_NAME}"
!macroend

!macro MoveAside SOURCE NAME
  StrCpy $R9 "${NAME}"
  Call MoveAside
!macroend
!macro Put SOURCE NAME
  File "/oname=${NAME}" "${SOURCE}"
!macroend
!macro PutBack SOURCE NAME
  StrCpy $R9 "${NAME}"
  Call PutBack
!macroend
!macro DeleteLeftovers SOURCE NAME
  StrCpy $R9 "${NAME}"
  Call DeleteLeftovers
!macroend
!macro Remove SOURCE NAME
  StrCpy $0 "$INSTDIR\${NAME}"
  Call un.RemoveFile
  StrCpy $R9 "${NAME}"
  Call un.RemoveLeftovers
!macroend

; Asks the Quorvel that runs from DIR (if any) to end as its Stop button
; does, and waits a bounded time for its main window to go. Quorvel's help
; window is closed too (it holds the help file open).
!macro StopQuorvel DIR
  ${If} ${FileExists} "${DIR}\${PROGRAM_FILE_NAME}"
    ExecWait '"${DIR}\${PROGRAM_FILE_NAME}" /exit'
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
      ${If} $R2 = ${OWN_WINDOW_MARKER}
        SendMessage $R0 ${EXIT_REQUEST_MESSAGE} 0 0 /TIMEOUT=2000
      ${EndIf}
    ${EndIf}
    Sleep 100
    IntOp $R1 $R1 + 1
  ${Loop}
  FindWindow $R0 "${HELP_WINDOW_CLASS}" "${HELP_WINDOW_TITLE}"
  ${If} $R0 != 0
    SendMessage $R0 0x0010 0 0 /TIMEOUT=2000  ; WM_CLOSE
  ${EndIf}
  ; Let the program's process end after its window has gone, and let every
  ; program handle a message: Windows then unloads the hook libraries of
  ; hooks that are gone from the programs that answer.
  Sleep 500
  System::Call 'user32::SendMessageTimeoutW(p 0xffff, i 0, p 0, p 0, i 2, i 500, *p .R3)'
!macroend

; This program's own threads ran Quorvel's hooks while they were on, so it
; may hold the 32-bit hook library itself: Windows lets go of it when the
; thread next looks at its messages; what is still loaded after that (Wine
; never unloads a hook's library) is given back here, so that the file can
; be deleted. Quorvel's hooks are gone by now: nothing calls into it any more.
!macro LetGoOfLibrary
  System::Alloc 64
  Pop $R5
  System::Call 'user32::PeekMessageW(p R5, p 0, i 0, i 0, i 0)'
  System::Free $R5
  StrCpy $R4 0
  ${Do}
    System::Call 'kernel32::GetModuleHandleW(w "$INSTDIR\${HOOK_LIBRARY_FILE_NAME}") p .R3'
    ${If} $R3 == 0
    ${OrIf} $R4 >= 8
      ${Break}
    ${EndIf}
    System::Call 'kernel32::FreeLibrary(p R3)'
    IntOp $R4 $R4 + 1
  ${Loop}
!macroend

; Whether a Quorvel runs now (a main window with the program's marker).
!macro IsQuorvelRunning RESULT
  StrCpy ${RESULT} 0
  FindWindow $R0 "${MAIN_WINDOW_CLASS}" "${MAIN_WINDOW_CAPTION}"
  ${If} $R0 != 0
    System::Call 'user32::GetWindowLongA(p R0, i -21) i .R2'
    ${If} $R2 = ${OWN_WINDOW_MARKER}
      StrCpy ${RESULT} 1
    ${EndIf}
  ${EndIf}
!macroend

; Moves the installed file $R9 aside as "$R9.<Unique>.old", which works
; also while a program has it loaded. A file that cannot even be moved (held
; open by a program that does not allow it) stops the installation unless
; the user closes that program and retries.
Function MoveAside
  ${IfNot} ${FileExists} "$INSTDIR\$R9"
    Return
  ${EndIf}
  ${Do}
    ClearErrors
    Rename "$INSTDIR\$R9" "$INSTDIR\$R9.$Unique${LEFTOVER_FILE_SUFFIX}"
    ${IfNot} ${Errors}
      Return
    ${EndIf}
    MessageBox MB_RETRYCANCEL|MB_ICONEXCLAMATION \
      "$INSTDIR\$R9 cannot be replaced: another program holds it open.$\r$\n$\r$\nClose that program and click Retry, or click Cancel to leave Quorvel as it was." \
      /SD IDCANCEL IDRETRY +2
    Abort "$R9 could not be replaced; Quorvel was left as it was."
  ${Loop}
FunctionEnd

; After a failed installation: the file $R9 that this run moved aside goes
; back in place of whatever new file was written.
Function PutBack
  ${If} ${FileExists} "$INSTDIR\$R9.$Unique${LEFTOVER_FILE_SUFFIX}"
    Delete "$INSTDIR\$R9"
    Rename "$INSTDIR\$R9.$Unique${LEFTOVER_FILE_SUFFIX}" "$INSTDIR\$R9"
  ${EndIf}
FunctionEnd

; Deletes what this and earlier installations moved aside of the file $R9
; ("$R9.<number>.old", and "$R9.old" of older setup programs) where no
; program uses it any more; the rest goes later, never at a restart.
Function DeleteLeftovers
  Delete "$INSTDIR\$R9${LEFTOVER_FILE_SUFFIX}"
  FindFirst $R7 $R8 "$INSTDIR\$R9.*${LEFTOVER_FILE_SUFFIX}"
  ${DoWhile} $R8 != ""
    Delete "$INSTDIR\$R8"
    FindNext $R7 $R8
  ${Loop}
  FindClose $R7
FunctionEnd

Function .onInit
  SetShellVarContext all
  System::Call 'kernel32::GetSystemTimeAsFileTime(*l .r1)'
  StrCpy $Unique $1
  StrCpy $WasRunning 0
FunctionEnd

Section "Quorvel (required)" SecProgram
  SectionIn RO
  SetOutPath "$INSTDIR"
  !insertmacro IsQuorvelRunning $WasRunning
  !insertmacro StopQuorvel "$INSTDIR"
  !insertmacro LetGoOfLibrary
  !insertmacro FILES MoveAside
  !insertmacro FILES Put
  !insertmacro FILES DeleteLeftovers
  Delete "$INSTDIR\${RETIRED_LIBRARY_FILE_NAME}"
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
  WriteRegStr HKLM "${PROGRAM_KEY}" "${INSTALL_STAMP_VALUE}" "$Unique"

  CreateDirectory "$SMPROGRAMS\Quorvel"
  CreateShortcut "$SMPROGRAMS\Quorvel\Quorvel.lnk" "$INSTDIR\${PROGRAM_FILE_NAME}" "" "$INSTDIR\${PROGRAM_FILE_NAME}" 0
  CreateShortcut "$SMPROGRAMS\Quorvel\Quorvel Shortcuts Tutorial.lnk" "$INSTDIR\${TUTORIAL_FILE_NAME}" "" "$INSTDIR\${TUTORIAL_FILE_NAME}" 0
  CreateShortcut "$SMPROGRAMS\Quorvel\Quorvel Help.lnk" "$INSTDIR\${HELP_FILE_NAME}"
  CreateShortcut "$SMPROGRAMS\Quorvel\Uninstall Quorvel.lnk" "$INSTDIR\Uninstall.exe"

  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayName" "Quorvel"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "Publisher" "${PUBLISHER}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\${PROGRAM_FILE_NAME},0"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\Uninstall.exe"'
  WriteRegStr HKLM "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\Uninstall.exe" /S'
  WriteRegStr HKLM "${UNINSTALL_KEY}" "HelpLink" "$INSTDIR\${HELP_FILE_NAME}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "Contact" "${SUPPORT_ADDRESS}"
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoRepair" 1
  ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "EstimatedSize" $0
SectionEnd

Section "Start Quorvel with Windows" SecRun
  WriteRegStr HKLM "${RUN_KEY}" "Quorvel" '"$INSTDIR\${PROGRAM_FILE_NAME}"'
SectionEnd

Function .onInstSuccess
  ; An upgrade without the start-with-Windows choice drops an earlier entry.
  ${IfNot} ${SectionIsSelected} ${SecRun}
    DeleteRegValue HKLM "${RUN_KEY}" "Quorvel"
  ${EndIf}
  ; The finish page offers the start; a silent upgrade starts Quorvel
  ; again when it ran before.
  ${If} ${Silent}
  ${AndIf} $WasRunning == 1
    Call StartQuorvel
  ${EndIf}
FunctionEnd

; The installation failed or was cancelled: the old files go back, and a
; Quorvel that ran before runs again.
Function .onInstFailed
  !insertmacro FILES PutBack
  ${If} $WasRunning == 1
    Call StartQuorvel
  ${EndIf}
FunctionEnd

; The setup program runs as administrator; on Windows the shell starts
; Quorvel with the user's own rights.
Function StartQuorvel
  ${IfNot} ${FileExists} "$INSTDIR\${PROGRAM_FILE_NAME}"
    Return
  ${EndIf}
  ClearErrors
  EnumRegKey $0 HKLM "Software\Wine" 0
  ${If} ${Errors}
    Exec '"$WINDIR\explorer.exe" "$INSTDIR\${PROGRAM_FILE_NAME}"'
  ${Else}
    Exec '"$INSTDIR\${PROGRAM_FILE_NAME}"'
  ${EndIf}
FunctionEnd

; Deletes the file $0. A library that programs still have mapped goes when
; they let it go (a few tries); if it stays in use it is moved out of the
; program folder, removed at the next restart, and named to the user.
Function un.RemoveFile
  ${IfNot} ${FileExists} "$0"
    Return
  ${EndIf}
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
  StrCpy $Remaining "$Remaining$0$\r$\n"
FunctionEnd

; What upgrades moved aside of the file $R9.
Function un.RemoveLeftovers
  StrCpy $0 "$INSTDIR\$R9${LEFTOVER_FILE_SUFFIX}"
  Call un.RemoveFile
  FindFirst $R7 $R8 "$INSTDIR\$R9.*${LEFTOVER_FILE_SUFFIX}"
  ${DoWhile} $R8 != ""
    StrCpy $0 "$INSTDIR\$R8"
    Call un.RemoveFile
    FindNext $R7 $R8
  ${Loop}
  FindClose $R7
FunctionEnd

Function un.onInit
  SetShellVarContext all
FunctionEnd

Section "Uninstall"
  StrCpy $Remaining ""
  !insertmacro StopQuorvel "$INSTDIR"
  !insertmacro LetGoOfLibrary
  !insertmacro FILES Remove
  StrCpy $0 "$INSTDIR\${RETIRED_LIBRARY_FILE_NAME}"
  Call un.RemoveFile
  StrCpy $0 "$INSTDIR\${DEBUG_LOG_FILE_NAME}"
  Call un.RemoveFile
  StrCpy $0 "$INSTDIR\${EXCEPTION_LOG_FILE_NAME}"
  Call un.RemoveFile
  StrCpy $0 "$INSTDIR\${OLD_EXCEPTION_LOG_FILE_NAME}"
  Call un.RemoveFile
  StrCpy $0 "$INSTDIR\Uninstall.exe"
  Call un.RemoveFile
  ${If} $Remaining == ""
    RMDir "$INSTDIR"
  ${Else}
    RMDir /REBOOTOK "$INSTDIR"
  ${EndIf}

  Delete "$SMPROGRAMS\Quorvel\Quorvel.lnk"
  Delete "$SMPROGRAMS\Quorvel\Quorvel Shortcuts Tutorial.lnk"
  Delete "$SMPROGRAMS\Quorvel\Quorvel Help.lnk"
  Delete "$SMPROGRAMS\Quorvel\Uninstall Quorvel.lnk"
  RMDir "$SMPROGRAMS\Quorvel"
  DeleteRegValue HKLM "${RUN_KEY}" "Quorvel"
  DeleteRegKey HKLM "${UNINSTALL_KEY}"

  ; The installation's own marks always go; the settings and the spots
  ; Smart Move remembered go only when the user says so (No is proposed).
  DeleteRegValue HKLM "${PROGRAM_KEY}" "${FIRST_START_VALUE}"
  DeleteRegValue HKLM "${PROGRAM_KEY}" "${INSTALL_STAMP_VALUE}"
  MessageBox MB_YESNO|MB_ICONQUESTION|MB_DEFBUTTON2 \
    "Remove your Quorvel settings and the places Smart Move remembered in dialog boxes as well?" \
    /SD IDNO IDNO keep
    DeleteRegKey HKCU "${USER_KEY}"
    DeleteRegKey /ifempty HKCU "Software\Harnwick"
    DeleteRegKey HKLM "${PROGRAM_KEY}"
    DeleteRegKey /ifempty HKLM "SOFTWARE\Harnwick"
  keep:

  ; Only what a running program still holds needs a restart.
  ${If} $Remaining != ""
    MessageBox MB_YESNO|MB_ICONQUESTION \
      "Quorvel has been removed, but these files are still in use by a running program. They will be deleted when Windows restarts:$\r$\n$\r$\n$Remaining$\r$\nRestart Windows now?" \
      /SD IDNO IDNO +2
    Reboot
  ${EndIf}
SectionEnd
