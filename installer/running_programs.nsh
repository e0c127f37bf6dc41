; The running configurator and booster service, closed before files are replaced or removed.
; The installer's named mutex is held first: while it exists the configurator closes without
; asking. The service is stopped through its control message, as the configurator stops it.

!define INSTALLER_MUTEX "TesslyDozidiDavazezInstaller"
!define CONFIGURATOR_CLASS "TFMCFGClass"
!define SERVICE_CLASS "MBSRVClass"
!define SERVICE_COMMAND_MESSAGE 1037  ; WM_USER + 13
!define SERVICE_STOP 3

; Held until the process ends; the handle is never closed on purpose.
!macro HoldInstallerMutex
    System::Call 'kernel32::CreateMutexW(p 0, i 0, w "${INSTALLER_MUTEX}") p .r0'
!macroend

; Waits up to ten seconds for the last window of the class to go; $R9 is clobbered.
!macro WaitForWindowGone CLASS
    StrCpy $R9 0
    ${Do}
        FindWindow $R8 "${CLASS}"
        ${IfThen} $R8 == 0 ${|} ${ExitDo} ${|}
        Sleep 100
        IntOp $R9 $R9 + 1
    ${LoopUntil} $R9 >= 100
!macroend

; Closes the configurator (sets $ConfiguratorWasRunning) and stops the service.
!macro CloseRunningPrograms UN
Function ${UN}CloseRunningPrograms
    StrCpy $ConfiguratorWasRunning 0
    FindWindow $0 "${CONFIGURATOR_CLASS}"
    ${If} $0 <> 0
        StrCpy $ConfiguratorWasRunning 1
        SendMessage $0 ${WM_CLOSE} 0 0 /TIMEOUT=5000
        !insertmacro WaitForWindowGone "${CONFIGURATOR_CLASS}"
    ${EndIf}
    FindWindow $0 "${SERVICE_CLASS}"
    ${If} $0 <> 0
        SendMessage $0 ${SERVICE_COMMAND_MESSAGE} ${SERVICE_STOP} $0 /TIMEOUT=5000
        !insertmacro WaitForWindowGone "${SERVICE_CLASS}"
    ${EndIf}
FunctionEnd
!macroend
