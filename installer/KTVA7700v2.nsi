; setup.exe of the KTVA7700v2 utility: installs, upgrades and removes the product.
;
; Built by CMake (installer/CMakeLists.txt) with:
;   makensis -DARCH=x64|x86 -DDIST=<install tree> -DVALUES=<generated values include>
;            -DVERSION=<setup.ini version> -DICON=<icon> -DOUTFILE=<setup.exe>
;            [-DDRVSEED_OTHER=<DrvSeed.exe or DrvSeed64.exe of the other bitness>]
;
; Command line of the built program:
;   setup.exe                  interactive install (or reinstall over the installed product)
;   setup.exe /S               silent install
;   setup.exe /z"-MODIFY"      upgrade, as the live update starts it: no questions, the utility is
;                              closed first and started again at the end
;   setup.exe -REMOVE [/S]     removal (the entry of the system's list of installed programs)
;   setup.exe -L<n> -GUID <id> removal, as Uninstall.exe starts it
Unicode true
!ifndef ARCH
    !define ARCH x64
!endif
!if "${ARCH}" == "x64"
    Target amd64-unicode
!else
    Target x86-unicode
!endif
SetCompressor /SOLID lzma
; Uninstall.exe looks for a program named setup.exe, so the name stays despite the warning about it.
!pragma warning disable 9000

!include MUI2.nsh
!include LogicLib.nsh
!include FileFunc.nsh
!include nsDialogs.nsh
!include WinMessages.nsh
!include "${VALUES}"
!include "Languages.nsh"

!define PRODUCT "KTVA7700v2"
!define CORP "Orvelin"
!define TITLE "${CORP} ${PRODUCT} Link Warden"
!define APP_KEY "Software\${CORP}\${PRODUCT}"
!define PROFILE_KEY "SOFTWARE\${CORP}\CustomParams"
; The product's one registration identifier in the system's list of installed programs.
!define PRODUCT_ID "{5E7A1C3D-7700-4B2E-9A1F-0D3C8B6E2A17}"
!define UNINST_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\${PRODUCT_ID}"
!define RUN_KEY "Software\Microsoft\Windows\CurrentVersion\Run"
!define MENU_FOLDER "${CORP} ${PRODUCT}"
!define SERVICE "WSKTVA7700"
; The utility's single-instance mutex: while it exists, a copy runs.
!define APP_MUTEX "KTVA7700V2_MUTEX"
; A copy of setup.exe outside the program folder does the removal, so that it can delete the folder.
!define REMOVER "${PRODUCT}-remove.exe"

Name "${TITLE}"
Caption "${TITLE} Setup"
OutFile "${OUTFILE}"
RequestExecutionLevel admin
ShowInstDetails show
BrandingText "${TITLE} ${VERSION}"
!if "${ARCH}" == "x64"
    InstallDir "$PROGRAMFILES64\${CORP}\${PRODUCT}"
!else
    InstallDir "$PROGRAMFILES\${CORP}\${PRODUCT}"
!endif

VIProductVersion "${VERSION}"
VIAddVersionKey /LANG=1033 "ProductName" "${TITLE}"
VIAddVersionKey /LANG=1033 "CompanyName" "${CORP}"
VIAddVersionKey /LANG=1033 "FileDescription" "${TITLE} Setup"
VIAddVersionKey /LANG=1033 "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=1033 "LegalCopyright" "${CORP}"

Var Installed      ; 1: the product's entry was found, this run upgrades it
Var Upgrade        ; 1: started by the live update with /z"-MODIFY"
Var Removal        ; 1: -REMOVE or -GUID on the command line
Var WasRunning     ; 1: the utility ran when setup started; it is started again at the end
Var LanguageIndex  ; the utility's language, written to "Language"
Var LanguageChosen ; 1: the user picked the language on the first page
Var LanguageList   ; the first page's drop-down list

!define MUI_ICON "${ICON}"
!define MUI_ABORTWARNING
!define MUI_WELCOMEPAGE_TITLE "Welcome to the ${TITLE} Setup"
!define MUI_WELCOMEPAGE_TEXT "This will install the ${PRODUCT} wireless utility ${VERSION} and its service on your computer.$\r$\n$\r$\nA running copy of the utility is closed before its files are replaced; your settings and profiles are kept.$\r$\n$\r$\nClick Next to continue."
; The first page asks for the utility's language.
Page custom LanguagePage LanguagePageLeave
!define MUI_PAGE_CUSTOMFUNCTION_PRE SkipWhenUpgrading
!insertmacro MUI_PAGE_WELCOME
!define MUI_PAGE_CUSTOMFUNCTION_PRE SkipWhenUpgrading
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!define MUI_PAGE_CUSTOMFUNCTION_PRE SkipWhenUpgrading
; The progress page stays until Next, so that its log can be read.
!define MUI_FINISHPAGE_NOAUTOCLOSE
!define MUI_FINISHPAGE_RUN "$INSTDIR\${PRODUCT}.exe"
!define MUI_FINISHPAGE_RUN_TEXT "Start the ${PRODUCT} utility now"
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_LANGUAGE "English"

; Whether the text $1 contains $2, without regard to case; the answer in $0 (1 or 0).
Function Contains
    Push $3
    Push $4
    Push $5
    StrLen $3 $2
    StrCpy $0 0
    StrCpy $4 0
    ${Do}
        StrCpy $5 $1 $3 $4
        ${If} $5 == ""
            ${Break}
        ${EndIf}
        ${If} $5 == $2 ; StrCmp compares without regard to case
            StrCpy $0 1
            ${Break}
        ${EndIf}
        IntOp $4 $4 + 1
    ${Loop}
    Pop $5
    Pop $4
    Pop $3
FunctionEnd

!macro CommandLineHas word result
    Push $0
    Push $1
    Push $2
    ${GetParameters} $1
    StrCpy $2 "${word}"
    Call Contains
    StrCpy ${result} $0
    Pop $2
    Pop $1
    Pop $0
!macroend

; The uninstall entry lives in the view of setup's own bitness; the utility's values in the 32-bit view.
!macro NativeView
    !if "${ARCH}" == "x64"
        SetRegView 64
    !else
        SetRegView 32
    !endif
!macroend

Function .onInit
    StrCpy $Installed 0
    StrCpy $WasRunning 0
    StrCpy $LanguageChosen 0
    !insertmacro CommandLineHas "-MODIFY" $Upgrade
    !insertmacro CommandLineHas "-REMOVE" $Removal
    ${If} $Removal == 0
        !insertmacro CommandLineHas "-GUID" $Removal
    ${EndIf}
    SetShellVarContext all
    !insertmacro NativeView
    ReadRegStr $0 HKLM "${UNINST_KEY}" "InstallLocation"
    ${If} $0 != ""
    ${AndIf} ${FileExists} "$0\*.*"
        StrCpy $INSTDIR $0
        StrCpy $Installed 1
    ${EndIf}
    ${If} $Removal == 1
        SetErrorLevel 0
        Call Remove
        Quit
    ${EndIf}
    ; The utility's language: the stored one on a reinstall, else the system's.
    SetRegView 32
    ReadRegStr $LanguageIndex HKLM "${APP_KEY}" "Language"
    ${If} $LanguageIndex == ""
        Call SystemLanguageIndex
        Pop $LanguageIndex
    ${EndIf}
    ${If} $Upgrade == 1
        SetAutoClose true
    ${EndIf}
FunctionEnd

Function SkipWhenUpgrading
    ${If} $Upgrade == 1
        Abort
    ${EndIf}
FunctionEnd

Function LanguagePage
    ${If} $Upgrade == 1
        Abort
    ${EndIf}
    !insertmacro MUI_HEADER_TEXT "Language" "Choose the language of the ${PRODUCT} utility."
    nsDialogs::Create 1018
    Pop $0
    ${NSD_CreateLabel} 0 0 100% 24u "The utility shows its windows in this language. You can change it later on its About page."
    Pop $0
    ${NSD_CreateDropList} 0 32u 60% 160u ""
    Pop $LanguageList
    !insertmacro FillLanguageList $LanguageList
    IntOp $0 $LanguageIndex + 0
    ${If} $0 < 0
    ${OrIf} $0 > 23
        StrCpy $0 0
    ${EndIf}
    SendMessage $LanguageList ${CB_SETCURSEL} $0 0
    nsDialogs::Show
FunctionEnd

Function LanguagePageLeave
    SendMessage $LanguageList ${CB_GETCURSEL} 0 0 $0
    ${If} $0 >= 0
        StrCpy $LanguageIndex $0
        StrCpy $LanguageChosen 1
    ${EndIf}
FunctionEnd

; Whether the utility runs; the answer on the stack (1 or 0).
Function UtilityRunning
    System::Call 'kernel32::OpenMutexW(i 0x00100000, i 0, w "${APP_MUTEX}") p.r0'
    ${If} $0 P<> 0
        System::Call 'kernel32::CloseHandle(p r0)'
        Push 1
    ${Else}
        Push 0
    ${EndIf}
FunctionEnd

; Closes a running utility as a second copy with "-C" would, and waits up to 15 s for it to end.
Function CloseUtility
    Call UtilityRunning
    Pop $0
    ${If} $0 == 0
        Return
    ${EndIf}
    StrCpy $WasRunning 1
    DetailPrint "Closing the running ${PRODUCT} utility"
    ${If} ${FileExists} "$INSTDIR\${PRODUCT}.exe"
        ExecWait '"$INSTDIR\${PRODUCT}.exe" -C'
    ${Else}
        ; The program file is gone: set its close request directly.
        System::Call 'kernel32::OpenEventW(i 0x0002, i 0, w "Global\${PRODUCT}") p.r0'
        ${If} $0 P<> 0
            System::Call 'kernel32::SetEvent(p r0)'
            System::Call 'kernel32::CloseHandle(p r0)'
        ${EndIf}
    ${EndIf}
    StrCpy $1 0
    ${Do}
        Call UtilityRunning
        Pop $0
        ${If} $0 == 0
        ${OrIf} $1 >= 150
            ${Break}
        ${EndIf}
        Sleep 100
        IntOp $1 $1 + 1
    ${Loop}
    ; A copy that cannot take the request (a message box before its main window) is ended: its
    ; settings and profiles are in the registry already.
    ${If} $0 == 1
        DetailPrint "The utility did not close; ending it"
        nsExec::Exec 'taskkill /f /im ${PRODUCT}.exe'
        Pop $0
    ${EndIf}
    ; The mutex goes a moment before the process has let go of its files.
    Push "$INSTDIR\${PRODUCT}.exe"
    Call WaitUntilWritable
FunctionEnd

; Waits up to 10 s until the file on the stack can be written (its program has ended), or is absent.
Function WaitUntilWritable
    Exch $2
    Push $0
    Push $1
    StrCpy $1 0
    ${DoWhile} ${FileExists} $2
        ClearErrors
        FileOpen $0 $2 a
        ${IfNot} ${Errors}
            FileClose $0
            ${Break}
        ${EndIf}
        ${If} $1 >= 100
            ${Break}
        ${EndIf}
        Sleep 100
        IntOp $1 $1 + 1
    ${Loop}
    Pop $1
    Pop $0
    Pop $2
FunctionEnd

; The driver tool of the first start may still wait for the adapter; it holds its program file.
Function EndDriverTool
    nsExec::Exec 'taskkill /f /im DrvSeed64.exe'
    Pop $0
    nsExec::Exec 'taskkill /f /im DrvSeed.exe'
    Pop $0
FunctionEnd

; Stops the service and removes its registration, with its own program when it is still there.
Function StopService
    ${If} ${FileExists} "$INSTDIR\${SERVICE}.exe"
        nsExec::Exec '"$INSTDIR\${SERVICE}.exe" uninstall'
        Pop $0
    ${Else}
        StrCpy $0 1
    ${EndIf}
    ${If} $0 != 0
        nsExec::Exec 'sc stop ${SERVICE}'
        Pop $0
        nsExec::Exec 'sc delete ${SERVICE}'
        Pop $0
    ${EndIf}
    ; A stopped service reports so a moment before its process ends.
    Push "$INSTDIR\${SERVICE}.exe"
    Call WaitUntilWritable
FunctionEnd

Function WriteAppValues
    SetRegView 32
    ; A value the user (or the utility) already changed is kept.
    !insertmacro InstallerValues
    ${If} $LanguageChosen == 1
        WriteRegStr HKLM "${APP_KEY}" "Language" "$LanguageIndex"
    ${Else}
        ReadRegStr $0 HKLM "${APP_KEY}" "Language"
        ${If} $0 == ""
            WriteRegStr HKLM "${APP_KEY}" "Language" "$LanguageIndex"
        ${EndIf}
    ${EndIf}
    ${If} $Installed == 1
        WriteRegStr HKLM "${APP_KEY}" "Upgread" "1"
    ${EndIf}
FunctionEnd

Section "Program files" SecMain
    SectionIn RO
    SetShellVarContext all
    Call CloseUtility
    Call StopService
    Call EndDriverTool

    SetOutPath "$INSTDIR"
    SetOverwrite on
    File "${DIST}\${PRODUCT}.exe"
    File "${DIST}\Skyvane.dll"
    File "${DIST}\Skyvane.ini"
    File "${DIST}\${SERVICE}.exe"
    ; The driver tool of this build's bitness, and the other one when a build of that bitness gave it:
    ; the utility starts DrvSeed64.exe on 64-bit Windows when it is itself a 32-bit program.
    !if "${ARCH}" == "x64"
        File "${DIST}\DrvSeed64.exe"
    !else
        File "${DIST}\DrvSeed.exe"
    !endif
    !ifdef DRVSEED_OTHER
        File "${DRVSEED_OTHER}"
    !endif
    File "${DIST}\Uninstall.exe"
    File "${DIST}\OrvlAdapterUpdate.dll"
    File "${DIST}\Bandlore.dat"
    File "${DIST}\Product.ini"
    File "${DIST}\setup.ini"
    File "${DIST}\stringtable.dat"
    File "${DIST}\DrvSeed_Product.ini"
    File "${DIST}\ConnectToInternet.WAV"
    File /r "${DIST}\Language"
    ; The installed setup.exe is what the uninstall entry runs.
    ${If} "$EXEPATH" != "$INSTDIR\setup.exe"
        CopyFiles /SILENT "$EXEPATH" "$INSTDIR\setup.exe"
    ${EndIf}

    Call WriteAppValues

    DetailPrint "Registering the ${SERVICE} service"
    nsExec::Exec '"$INSTDIR\${SERVICE}.exe" install'
    Pop $0
    ${If} $0 != 0
        DetailPrint "The ${SERVICE} service could not be started (code $0)"
        MessageBox MB_OK|MB_ICONEXCLAMATION "The ${SERVICE} service could not be started (code $0)." /SD IDOK
        SetErrorLevel 3
    ${EndIf}

    ; The folder's long paths would not fit the progress page's log.
    DetailPrint "Adding the Start-menu folder ${MENU_FOLDER}"
    SetDetailsPrint textonly
    CreateDirectory "$SMPROGRAMS\${MENU_FOLDER}"
    CreateShortcut "$SMPROGRAMS\${MENU_FOLDER}\${PRODUCT}.lnk" "$INSTDIR\${PRODUCT}.exe" "" "$INSTDIR\${PRODUCT}.exe" 0
    CreateShortcut "$SMPROGRAMS\${MENU_FOLDER}\Uninstall.lnk" "$INSTDIR\Uninstall.exe" \
        "-L$LanguageIndex -GUID ${PRODUCT_ID}" "$INSTDIR\${PRODUCT}.exe" 0
    SetDetailsPrint both

    !insertmacro NativeView
    WriteRegStr HKLM "${RUN_KEY}" "${PRODUCT}" '"$INSTDIR\${PRODUCT}.exe"'
    WriteRegStr HKLM "${UNINST_KEY}" "DisplayName" "${TITLE}"
    WriteRegStr HKLM "${UNINST_KEY}" "DisplayVersion" "${VERSION}"
    WriteRegStr HKLM "${UNINST_KEY}" "Publisher" "${CORP}"
    WriteRegStr HKLM "${UNINST_KEY}" "DisplayIcon" '"$INSTDIR\${PRODUCT}.exe",0'
    WriteRegStr HKLM "${UNINST_KEY}" "InstallLocation" "$INSTDIR"
    WriteRegStr HKLM "${UNINST_KEY}" "UninstallString" '"$INSTDIR\setup.exe" -REMOVE'
    WriteRegStr HKLM "${UNINST_KEY}" "QuietUninstallString" '"$INSTDIR\setup.exe" -REMOVE /S'
    WriteRegDWORD HKLM "${UNINST_KEY}" "NoModify" 1
    WriteRegDWORD HKLM "${UNINST_KEY}" "NoRepair" 1
    ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
    IntFmt $0 "0x%08X" $0
    WriteRegDWORD HKLM "${UNINST_KEY}" "EstimatedSize" "$0"

    ; An upgrade brings the utility back; so does a reinstall that closed it.
    ${If} $Upgrade == 1
    ${OrIf} $WasRunning == 1
        Exec '"$INSTDIR\${PRODUCT}.exe"'
    ${EndIf}
SectionEnd

; Removal: started from the program folder, it hands over to a copy in the temporary folder and ends,
; so that the folder with setup.exe can go.
Function Remove
    ${If} $Installed == 0
        MessageBox MB_OK|MB_ICONINFORMATION "${TITLE} is not installed." /SD IDOK
        Return
    ${EndIf}
    ${GetParameters} $R0
    ${If} "$EXEDIR" == "$INSTDIR"
        CopyFiles /SILENT "$EXEPATH" "$TEMP\${REMOVER}"
        Exec '"$TEMP\${REMOVER}" $R0'
        Return
    ${EndIf}
    MessageBox MB_YESNO|MB_ICONQUESTION "Remove ${TITLE} and its service from this computer?" /SD IDYES IDYES +2
    Return
    StrCpy $R1 0
    MessageBox MB_YESNO|MB_ICONQUESTION|MB_DEFBUTTON2 "Also delete your stored wireless profiles?" /SD IDNO IDNO +2
    StrCpy $R1 1

    SetShellVarContext all
    Call CloseUtility
    Call StopService
    Call EndDriverTool

    Delete "$INSTDIR\${PRODUCT}.exe"
    Delete "$INSTDIR\Skyvane.dll"
    Delete "$INSTDIR\Skyvane.ini"
    Delete "$INSTDIR\${SERVICE}.exe"
    Delete "$INSTDIR\DrvSeed64.exe"
    Delete "$INSTDIR\DrvSeed.exe"
    Delete "$INSTDIR\Uninstall.exe"
    Delete "$INSTDIR\OrvlAdapterUpdate.dll"
    Delete "$INSTDIR\Bandlore.dat"
    Delete "$INSTDIR\Product.ini"
    Delete "$INSTDIR\setup.ini"
    Delete "$INSTDIR\stringtable.dat"
    Delete "$INSTDIR\DrvSeed_Product.ini"
    Delete "$INSTDIR\ConnectToInternet.WAV"
    RMDir /r "$INSTDIR\Language"
    ; The copy in the program folder that started this one may take a moment to end.
    StrCpy $1 0
    ${Do}
        ClearErrors
        Delete "$INSTDIR\setup.exe"
        ${IfNot} ${Errors}
        ${OrIf} $1 >= 50
            ${Break}
        ${EndIf}
        Sleep 100
        IntOp $1 $1 + 1
    ${Loop}
    RMDir "$INSTDIR"
    RMDir "$INSTDIR\.."

    RMDir /r "$SMPROGRAMS\${MENU_FOLDER}"

    SetRegView 32
    DeleteRegKey HKLM "${APP_KEY}"
    ${If} $R1 == 1
        DeleteRegKey HKLM "${PROFILE_KEY}"
    ${EndIf}
    DeleteRegKey /ifempty HKLM "Software\${CORP}"
    !insertmacro NativeView
    DeleteRegValue HKLM "${RUN_KEY}" "${PRODUCT}"
    DeleteRegKey HKLM "${UNINST_KEY}"

    MessageBox MB_OK|MB_ICONINFORMATION "${TITLE} has been removed from this computer." /SD IDOK
    ; This copy goes at the next start of Windows.
    Delete /REBOOTOK "$EXEPATH"
FunctionEnd
