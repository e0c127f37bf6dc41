; The product's installer and uninstaller. Built by tools/dist.sh:
;   makensis -DSOURCE_DIR=<program folder> -DVERSION=<a.b.c.d> -DOUT_FILE=<setup.exe> TesslyDozidiDavazez.nsi
; Per-user without elevation by default; /ALLUSERS installs for all users into Program Files
; and touches no user's settings. Silent: /S, /D=<folder> (last); /LANG=EXE, DEU, RUS or FRA
; picks the installer's language without asking (else, silently, an earlier installation's, else
; the user's or, for all users, the system's display language); the uninstaller's /PURGE
; removes the settings in silent mode too.
Unicode true
Target amd64-unicode
SetCompressor /SOLID lzma
ManifestDPIAware true

!define PRODUCT_NAME "Tessly Dozidi Davazez"
!define PUBLISHER "TesslySoftware"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\TesslyDozidiDavazez"
!define SETTINGS_KEY "Software\TesslySoftware\DozidiDavazez"
!define RUN_KEY "Software\Microsoft\Windows\CurrentVersion\Run"
!define RUN_VALUE "TesslyMB_service"
; Beside each user's own value: starts the service at logon when the Autostart policy says so.
!define LOGON_VALUE "TesslyMB_logon"
!define OPEN_BOOSTED_VERB "*\shell\TesslyDavIdade"
!define CONFIGURATOR "TesslyMBCfg.exe"
!define SERVICE "TesslyMBsrv.exe"

Name "${PRODUCT_NAME}"
OutFile "${OUT_FILE}"
RequestExecutionLevel user
InstallDir "$LOCALAPPDATA\Programs\${PRODUCT_NAME}"
BrandingText "${PUBLISHER}"

VIProductVersion "${VERSION}"
VIAddVersionKey /LANG=0 "ProductName" "${PRODUCT_NAME}"
VIAddVersionKey /LANG=0 "CompanyName" "${PUBLISHER}"
VIAddVersionKey /LANG=0 "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=0 "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=0 "FileDescription" "${PRODUCT_NAME} Setup"
VIAddVersionKey /LANG=0 "LegalCopyright" "${PUBLISHER}"

!include MUI2.nsh
!include LogicLib.nsh
!include FileFunc.nsh
!include WinMessages.nsh

Var ConfiguratorWasRunning
Var AllUsers

!define MUI_ABORTWARNING
; The program's own icon, from the build beside the program folder.
!define MUI_ICON "${SOURCE_DIR}/../resources/images/configurator.ico"
!define MUI_UNICON "${SOURCE_DIR}/../resources/images/configurator.ico"
; The language question comes before any language is chosen: it is asked in all four.
!define MUI_LANGDLL_WINDOWTITLE "${PRODUCT_NAME}"
!define MUI_LANGDLL_INFO "Language / Sprache / Язык / Langue:"
!define MUI_LANGDLL_ALLLANGUAGES
; The uninstaller speaks the installation's language; the entry goes with the uninstall key.
!define MUI_LANGDLL_REGISTRY_ROOT SHCTX
!define MUI_LANGDLL_REGISTRY_KEY "${UNINSTALL_KEY}"
!define MUI_LANGDLL_REGISTRY_VALUENAME "Installer Language"
!define MUI_FINISHPAGE_RUN "$INSTDIR\${CONFIGURATOR}"

!insertmacro MUI_PAGE_WELCOME
!insertmacro MUI_PAGE_COMPONENTS
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES

!insertmacro MUI_LANGUAGE "English"
!insertmacro MUI_LANGUAGE "German"
!insertmacro MUI_LANGUAGE "Russian"
!insertmacro MUI_LANGUAGE "French"
!include languages.nsh
!include running_programs.nsh
!insertmacro CloseRunningPrograms ""
!insertmacro CloseRunningPrograms "un."

; An installation for all users is changed by an administrator only: a standard user is asked
; to elevate, and this copy hands over to the elevated one.
!macro RunElevated
    UserInfo::GetAccountType
    Pop $0
    ${If} $0 != "Admin"
        ${GetParameters} $1
        ExecShell "runas" "$EXEPATH" "$1"
        Quit
    ${EndIf}
!macroend

; The installer language of an abbreviation ("DEU") in $0; "" when it names none.
Function LanguageOfAbbreviation
    ${Select} $0
        ${Case} "EXE"
            StrCpy $0 ${LANG_ENGLISH}
        ${Case} "DEU"
            StrCpy $0 ${LANG_GERMAN}
        ${Case} "RUS"
            StrCpy $0 ${LANG_RUSSIAN}
        ${Case} "FRA"
            StrCpy $0 ${LANG_FRENCH}
        ${CaseElse}
            StrCpy $0 ""
    ${EndSelect}
FunctionEnd

; An installation for all users speaks the machine's language, not the installing account's.
Function UseSystemLanguage
    System::Call 'kernel32::GetSystemDefaultUILanguage() i .r0'
    IntOp $0 $0 & 0x3FF  ; the primary language, compared in decimal
    ${Select} $0
        ${Case} 7
            StrCpy $LANGUAGE ${LANG_GERMAN}
        ${Case} 25
            StrCpy $LANGUAGE ${LANG_RUSSIAN}
        ${Case} 12
            StrCpy $LANGUAGE ${LANG_FRENCH}
        ${CaseElse}
            StrCpy $LANGUAGE ${LANG_ENGLISH}
    ${EndSelect}
FunctionEnd

Function .onInit
    !insertmacro HoldInstallerMutex
    StrCpy $AllUsers 0
    ${GetOptions} $CMDLINE "/ALLUSERS" $0
    ${IfNot} ${Errors}
        StrCpy $AllUsers 1
        !insertmacro RunElevated
        ; A folder given with /D stays.
        ${If} $INSTDIR == "$LOCALAPPDATA\Programs\${PRODUCT_NAME}"
            StrCpy $INSTDIR "$PROGRAMFILES64\${PRODUCT_NAME}"
        ${EndIf}
        SetShellVarContext all
        Call UseSystemLanguage
    ${EndIf}
    ${GetOptions} $CMDLINE "/LANG=" $0
    ${IfNot} ${Errors}
        Call LanguageOfAbbreviation
    ${EndIf}
    ${If} $0 != ""
        StrCpy $LANGUAGE $0
    ${Else}
        !insertmacro MUI_LANGDLL_DISPLAY
    ${EndIf}
    Call HideUsersOwnSections
FunctionEnd

Section "!$(ProgramSection)" SectionProgram
    SectionIn RO
    Call CloseRunningPrograms
    SetOutPath "$INSTDIR"
    File "${SOURCE_DIR}\${CONFIGURATOR}"
    File "${SOURCE_DIR}\${SERVICE}"
    File "${SOURCE_DIR}\update.exe"
    SetOutPath "$INSTDIR\lang"
    File "${SOURCE_DIR}\lang\*.lng"
    SetOutPath "$INSTDIR\help"
    File /nonfatal "${SOURCE_DIR}\help\*.chm"
    WriteUninstaller "$INSTDIR\uninstall.exe"

    ${If} $AllUsers == 0
        ; The chosen language is the program's first language; an update keeps the user's choice.
        ReadRegStr $0 HKCU "${SETTINGS_KEY}" "LocalizerExt"
        ${If} $0 == ""
            WriteRegStr HKCU "${SETTINGS_KEY}" "LocalizerExt" "$(ProgramLanguage)"
        ${EndIf}
        ; The user's own start at logon of an earlier version names no argument: the Autostart
        ; policy could not stop it.
        ReadRegStr $0 HKCU "${RUN_KEY}" "${RUN_VALUE}"
        ${If} $0 == '"$INSTDIR\${SERVICE}"'
            WriteRegStr HKCU "${RUN_KEY}" "${RUN_VALUE}" '"$INSTDIR\${SERVICE}" -logon'
        ${EndIf}
    ${EndIf}
    WriteRegStr SHCTX "${RUN_KEY}" "${LOGON_VALUE}" '"$INSTDIR\${SERVICE}" -logon=policy'

    ; Shortcuts start in the program folder.
    SetOutPath "$INSTDIR"
    CreateDirectory "$SMPROGRAMS\${PRODUCT_NAME}"
    CreateShortcut "$SMPROGRAMS\${PRODUCT_NAME}\${PRODUCT_NAME}.lnk" "$INSTDIR\${CONFIGURATOR}"
    ${If} ${FileExists} "$INSTDIR\help\$(HelpFile)"
        CreateShortcut "$SMPROGRAMS\${PRODUCT_NAME}\$(HelpLink).lnk" "$INSTDIR\help\$(HelpFile)"
    ${Else}
        CreateShortcut "$SMPROGRAMS\${PRODUCT_NAME}\$(HelpLink).lnk" "$INSTDIR\help\english.chm"
    ${EndIf}
    CreateShortcut "$SMPROGRAMS\${PRODUCT_NAME}\$(UninstallLink).lnk" "$INSTDIR\uninstall.exe"

    WriteRegStr SHCTX "${UNINSTALL_KEY}" "DisplayName" "${PRODUCT_NAME}"
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "Publisher" "${PUBLISHER}"
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\${CONFIGURATOR}"
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
    ; Kept in silent mode too, where no page saves it: the uninstaller and updates speak it.
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "Installer Language" $LANGUAGE
    WriteRegDWORD SHCTX "${UNINSTALL_KEY}" "NoModify" 1
    WriteRegDWORD SHCTX "${UNINSTALL_KEY}" "NoRepair" 1
    ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
    WriteRegDWORD SHCTX "${UNINSTALL_KEY}" "EstimatedSize" $0
SectionEnd

Section /o "$(DesktopSection)" SectionDesktop
    SetOutPath "$INSTDIR"
    CreateShortcut "$DESKTOP\${PRODUCT_NAME}.lnk" "$INSTDIR\${CONFIGURATOR}"
SectionEnd

; The same Run value the options window writes: the user's own choice.
Section /o "$(AutostartSection)" SectionAutostart
    WriteRegStr HKCU "${RUN_KEY}" "${RUN_VALUE}" '"$INSTDIR\${SERVICE}" -logon'
SectionEnd

; For all users the start at logon is the administrator's, through the Autostart policy: the
; installing account's own choice is not offered.
Function HideUsersOwnSections
    ${If} $AllUsers == 1
        SectionSetFlags ${SectionAutostart} 0
        SectionSetText ${SectionAutostart} ""
    ${EndIf}
FunctionEnd

Function .onInstSuccess
    ${If} $ConfiguratorWasRunning == 1
        Exec '"$INSTDIR\${CONFIGURATOR}"'
    ${EndIf}
FunctionEnd

Function un.onInit
    !insertmacro HoldInstallerMutex
    ; Installed for all users when the machine-wide entry names this folder.
    ReadRegStr $0 HKLM "${UNINSTALL_KEY}" "InstallLocation"
    ${If} $0 == $INSTDIR
        !insertmacro RunElevated
        SetShellVarContext all
    ${EndIf}
    !insertmacro MUI_UNGETLANGUAGE
FunctionEnd

Section "Uninstall"
    ; The feedback mail, as the user; how it ends does not matter.
    ${IfNot} ${Silent}
        ExecWait '"$INSTDIR\${CONFIGURATOR}" -uninstall'
    ${EndIf}
    Call un.CloseRunningPrograms

    Delete "$INSTDIR\${CONFIGURATOR}"
    Delete "$INSTDIR\${SERVICE}"
    Delete "$INSTDIR\update.exe"
    Delete "$INSTDIR\lang\TesslyMBCfg.*.lng"
    RMDir "$INSTDIR\lang"
    Delete "$INSTDIR\help\*.chm"
    RMDir "$INSTDIR\help"
    Delete "$INSTDIR\uninstall.exe"
    RMDir "$INSTDIR"

    RMDir /r "$SMPROGRAMS\${PRODUCT_NAME}"
    Delete "$DESKTOP\${PRODUCT_NAME}.lnk"
    DeleteRegKey SHCTX "${UNINSTALL_KEY}"
    DeleteRegValue SHCTX "${RUN_KEY}" "${LOGON_VALUE}"

    ; What the program wrote for the user: generated language modules, error log, screenshots.
    SetShellVarContext current
    RMDir /r "$LOCALAPPDATA\TesslySoftware\DozidiDavazez"
    RMDir "$LOCALAPPDATA\TesslySoftware"
    DeleteRegKey HKCU "Software\Classes\${OPEN_BOOSTED_VERB}"
    DeleteRegKey HKCR "${OPEN_BOOSTED_VERB}"
    DeleteRegValue HKCU "${RUN_KEY}" "${RUN_VALUE}"

    ${GetOptions} $CMDLINE "/PURGE" $0
    ${IfNot} ${Errors}
        Call un.RemoveSettings
    ${ElseIfNot} ${Silent}
        MessageBox MB_YESNO|MB_ICONQUESTION "$(RemoveSettings)" /SD IDNO IDNO keep
        Call un.RemoveSettings
        keep:
    ${EndIf}
SectionEnd

Function un.RemoveSettings
    DeleteRegKey HKCU "${SETTINGS_KEY}"
    DeleteRegKey /ifempty HKCU "Software\TesslySoftware"
FunctionEnd
