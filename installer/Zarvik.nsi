; The per-user installer and its uninstaller. scripts/dist.sh passes PRODUCT (the generated include of the
; product's title, version, window class and publisher, from core/Product.h), STAGE (the folder laid out by
; scripts/stage.sh), SHIPPED (the generated list of the language files) and OUTFILE.
Unicode true
Target amd64-unicode  ; the 32-bit stub cannot start under a 64-bit-only Wine
SetCompressor /SOLID lzma
RequestExecutionLevel user
ManifestSupportedOS all

!include MUI2.nsh
!include LogicLib.nsh
!include TextFunc.nsh
!include "${PRODUCT}"

!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Zarvik"
!define SHORTCUT "${PRODUCT_TITLE}.lnk"

; The installer ships the program's own version, so the two can never disagree.
!getdllversion "${STAGE}/zarvik.exe" ProgramVersion_
!if "${ProgramVersion_1}" != "${PRODUCT_VERSION}"
    !error "zarvik.exe carries version ${ProgramVersion_1}, the product ${PRODUCT_VERSION}"
!endif

Name "${PRODUCT_TITLE} ${PRODUCT_VERSION}"
OutFile "${OUTFILE}"
; A folder the player owns, so config.txt beside the program is written without file virtualisation.
InstallDir "$LOCALAPPDATA\Programs\Zarvik"
InstallDirRegKey HKCU "${UNINSTALL_KEY}" "InstallLocation"
BrandingText "${PRODUCT_TITLE} ${PRODUCT_VERSION}"
; A file that cannot be written, in a folder that cannot be, stops the installation (a silent one with
; exit code 2): skipping it would leave no program, or an older one, behind a success.
AllowSkipFiles off

!define MUI_ICON "${__FILEDIR__}/../resources/App.ico"
!define MUI_UNICON "${__FILEDIR__}/../resources/App.ico"

!define MUI_PAGE_CUSTOMFUNCTION_LEAVE LeaveFolderPage
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!define MUI_FINISHPAGE_RUN "$INSTDIR\zarvik.exe"
; The page's second box, meant for a read-me, offers the desktop shortcut.
!define MUI_FINISHPAGE_SHOWREADME
!define MUI_FINISHPAGE_SHOWREADME_NOTCHECKED
!define MUI_FINISHPAGE_SHOWREADME_TEXT "$(DesktopShortcut)"
!define MUI_FINISHPAGE_SHOWREADME_FUNCTION CreateDesktopShortcut
!insertmacro MUI_PAGE_FINISH

!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES

; The first language is the fallback; the system's language picks among them.
!insertmacro MUI_LANGUAGE "English"
!insertmacro MUI_LANGUAGE "Russian"
!include "${__FILEDIR__}/Strings.nsh"
!include "${SHIPPED}"

VIProductVersion "${PRODUCT_VERSION}.0.0.0"
VIFileVersion "${PRODUCT_VERSION}.0.0.0"
VIAddVersionKey /LANG=${LANG_ENGLISH} "ProductName" "${PRODUCT_TITLE}"
VIAddVersionKey /LANG=${LANG_ENGLISH} "ProductVersion" "${PRODUCT_VERSION}"
VIAddVersionKey /LANG=${LANG_ENGLISH} "FileDescription" "${PRODUCT_TITLE} ${PRODUCT_VERSION} Setup"
VIAddVersionKey /LANG=${LANG_ENGLISH} "FileVersion" "${PRODUCT_VERSION}"
VIAddVersionKey /LANG=${LANG_ENGLISH} "CompanyName" "${PRODUCT_PUBLISHER}"
VIAddVersionKey /LANG=${LANG_ENGLISH} "LegalCopyright" "Copyright (C) ${PRODUCT_PUBLISHER}"
VIAddVersionKey /LANG=${LANG_ENGLISH} "OriginalFilename" "zarvik-${PRODUCT_VERSION}-setup.exe"

; Wine and Windows both refuse to replace or delete a running executable, so neither side goes on while
; the program's window is open. A silent run cannot ask, so it ends with exit code 2. Only the copy in
; $INSTDIR counts: a portable copy elsewhere, or another program's window of that class, is no reason to
; wait. A window whose process or file can't be looked into counts as ours.
!macro DefineWaitForClosedProgram prefix
    ; Replaces the path on the stack with what names its file whichever path reaches it (an 8.3 name, a
    ; substituted drive, a junction): the volume's serial number and the file's index on it. "" when the
    ; file can't be opened. Uses $0 to $3.
    Function ${prefix}FileIdentity
        Exch $0
        ; FILE_READ_ATTRIBUTES, shared every way, OPEN_EXISTING: a running program's file opens too.
        System::Call "kernel32::CreateFileW(w r0, i 0x80, i 7, p 0, i 3, i 0, p 0) p .r1"
        StrCpy $0 ""
        ${If} $1 P<> -1
            System::Alloc 52  ; BY_HANDLE_FILE_INFORMATION
            Pop $2
            System::Call "kernel32::GetFileInformationByHandle(p r1, p r2) i .r3"
            System::Call "kernel32::CloseHandle(p r1)"
            ${If} $3 <> 0
                System::Call "*$2(i, i, i, i, i, i, i, i .r1, i, i, i, i .r3, i .r0)"
                StrCpy $0 "$1 $3 $0"
            ${EndIf}
            System::Free $2
        ${EndIf}
        Exch $0
    FunctionEnd

    ; Sets $R9 to a window of the program installed in $INSTDIR, or to 0.
    Function ${prefix}FindInstalledProgram
        StrCpy $R9 0
        Push "$INSTDIR\zarvik.exe"
        Call ${prefix}FileIdentity
        Pop $R4
        ${IfThen} $R4 == "" ${|} Return ${|}  ; no program there to replace
        ${Do}
            FindWindow $R9 "${PRODUCT_WINDOW_CLASS}" "" 0 $R9
            ${IfThen} $R9 P= 0 ${|} Return ${|}
            System::Call "user32::GetWindowThreadProcessId(p R9, *i .R8)"
            System::Call "kernel32::OpenProcess(i 0x1000, i 0, i R8) p .R7"  ; PROCESS_QUERY_LIMITED_INFORMATION
            ${IfThen} $R7 P= 0 ${|} Return ${|}
            System::Call "kernel32::QueryFullProcessImageNameW(p R7, i 0, w .R6, *i ${NSIS_MAX_STRLEN}) i .R5"
            System::Call "kernel32::CloseHandle(p R7)"
            ${IfThen} $R5 = 0 ${|} Return ${|}
            Push $R6
            Call ${prefix}FileIdentity
            Pop $R6
            ${IfThen} $R6 == "" ${|} Return ${|}
            ${IfThen} $R6 == $R4 ${|} Return ${|}
        ${Loop}
    FunctionEnd

    Function ${prefix}WaitForClosedProgram
        ${Do}
            Call ${prefix}FindInstalledProgram
            ${IfThen} $R9 P= 0 ${|} Return ${|}
            ${If} ${Silent}
            ${OrIf} ${Cmd} `MessageBox MB_RETRYCANCEL|MB_ICONEXCLAMATION "$(ProgramRunning)" IDCANCEL`
                SetErrorLevel 2
                Quit
            ${EndIf}
        ${Loop}
    FunctionEnd
!macroend
!insertmacro DefineWaitForClosedProgram ""
!insertmacro DefineWaitForClosedProgram "un."

; The program saves config.txt through config.txt.<process>.tmp (earlier releases config.txt.tmp), which a
; crash may leave behind. Only those names are the program's: config.txt.old.tmp is the player's.
!macro DefineSaveLeftovers prefix
    ; Sets $R3 to 1 when the name in $R2 is one of those, to 0 otherwise. The number must read back as
    ; written, as the program takes it: digits without a leading zero, from 1 to 2147483647.
    Function ${prefix}IsSaveLeftover
        StrCpy $R3 1
        ${IfThen} $R2 == "config.txt.tmp" ${|} Return ${|}
        StrCpy $R3 0
        StrCpy $R4 $R2 11
        StrCpy $R5 $R2 "" -4
        ${If} $R4 == "config.txt."
        ${AndIf} $R5 == ".tmp"
            StrCpy $R4 $R2 -4 11
            IntOp $R5 $R4 + 0
            ${If} $R5 > 0
            ${AndIf} $R5 S== $R4
                StrCpy $R3 1
            ${EndIf}
        ${EndIf}
    FunctionEnd

    ; The program is closed, so these are leftovers of saves cut short.
    Function ${prefix}DeleteSaveLeftovers
        FindFirst $R1 $R2 "$INSTDIR\config.txt.*"
        ${DoUntil} $R2 == ""
            Call ${prefix}IsSaveLeftover
            ${IfThen} $R3 = 1 ${|} Delete "$INSTDIR\$R2" ${|}
            FindNext $R1 $R2
        ${Loop}
        FindClose $R1
    FunctionEnd
!macroend
!insertmacro DefineSaveLeftovers ""
!insertmacro DefineSaveLeftovers "un."

; Sets $R3 to 1 when config.txt in $INSTDIR is the program's: it starts with the byte-order mark and the
; version "1" (FF FE 31 00), or the folder holds an installation of ours. Any other config.txt is someone
; else's, which the uninstaller would delete.
Function IsOurConfig
    StrCpy $R3 1
    ReadRegStr $R4 HKCU "${UNINSTALL_KEY}" "InstallLocation"
    ${IfThen} $R4 == $INSTDIR ${|} Return ${|}
    ${IfThen} ${FileExists} "$INSTDIR\uninstall.exe" ${|} Return ${|}
    StrCpy $R3 0
    ClearErrors
    FileOpen $R4 "$INSTDIR\config.txt" r
    ${IfThen} ${Errors} ${|} Return ${|}
    FileReadWord $R4 $R5
    FileReadWord $R4 $R6
    FileClose $R4
    ${If} $R5 = 0xFEFF
    ${AndIf} $R6 = 0x31
        StrCpy $R3 1
    ${EndIf}
FunctionEnd

; Sets $R0 to the language file config.txt in $INSTDIR names from the shipped folder Languages, or to "".
Function ReadConfiguredLanguage
    StrCpy $R0 ""
    ClearErrors
    FileOpen $R2 "$INSTDIR\config.txt" r
    ${IfThen} ${Errors} ${|} Return ${|}
    FileReadWord $R2 $R3
    FileReadUTF16LE $R2 $R4  ; the version
    FileReadUTF16LE $R2 $R4
    FileReadUTF16LE $R2 $R5
    FileClose $R2
    ${TrimNewLines} $R4 $R4
    ${TrimNewLines} $R5 $R5
    ${If} $R3 = 0xFEFF
    ${AndIf} $R4 == "Languages"
        StrCpy $R0 $R5
    ${EndIf}
FunctionEnd

; Sets $R0 to the first entry of $INSTDIR that no installation of the program holds, or to "".
; Such a folder belongs to someone else, and the uninstaller would leave it half emptied.
Function FindForeignEntry
    StrCpy $R0 ""
    FindFirst $R1 $R2 "$INSTDIR\*"
    ${DoUntil} $R2 == ""
        ${IfNot} $R2 == "."
        ${AndIfNot} $R2 == ".."
        ${AndIfNot} $R2 == "zarvik.exe"
        ${AndIfNot} $R2 == "uninstall.exe"
        ${AndIfNot} $R2 == "Languages"
            ${If} $R2 == "config.txt"
                Call IsOurConfig
            ${Else}
                Call IsSaveLeftover
            ${EndIf}
            ${IfThen} $R3 = 1 ${|} Goto next ${|}
            StrCpy $R0 $R2
            ${Break}
        ${EndIf}
        next:
        FindNext $R1 $R2
    ${Loop}
    FindClose $R1
FunctionEnd

; NSIS quietly takes a /D= folder it cannot use (a file, a relative path, one quoted as a whole) for the
; default one; a silent run would then report success for a folder never asked for.
Function CheckRequestedFolder
    System::Call "kernel32::GetCommandLineW() t .R0"
    StrCpy $R1 1
    ${Do}
        StrCpy $R2 $R0 3 $R1
        ${IfThen} $R2 == "" ${|} Return ${|}
        IntOp $R3 $R1 - 1
        StrCpy $R3 $R0 1 $R3
        ${If} $R2 S== "/D="
            ${If} $R3 == " "
            ${OrIf} $R3 == '"'
                ${Break}
            ${EndIf}
        ${EndIf}
        IntOp $R1 $R1 + 1
    ${Loop}
    IntOp $R1 $R1 + 3
    StrCpy $R2 $R0 "" $R1
    ${If} $R3 == '"'
        StrCpy $R2 $R2 -1
    ${EndIf}
    ${DoWhile} $R2 != ""
        StrCpy $R3 $R2 1 -1
        ${IfThen} $R3 != "\" ${|} ${Break} ${|}
        StrCpy $R2 $R2 -1
    ${Loop}
    ${If} $R2 != $INSTDIR
        SetErrorLevel 2
        Quit
    ${EndIf}
FunctionEnd

; Sets $R1 to the text of the current session's WTS_INFO_CLASS $R1, or to "". Uses $R8 and $R9.
Function SessionText
    System::Call "wtsapi32::WTSQuerySessionInformationW(p 0, i -1, i R1, *p .R8, *i) i .R9"  ; this session
    StrCpy $R1 ""
    ${If} $R9 <> 0
        System::Call "kernel32::lstrcpynW(w .R1, p R8, i ${NSIS_MAX_STRLEN})"
        System::Call "wtsapi32::WTSFreeMemory(p R8)"
    ${EndIf}
FunctionEnd

; Run under another account than the one signed in to this desktop (a player who typed an administrator's
; password), the installer works in that account's profile: its folder, Start menu and list of programs,
; which the player never sees. An administrator's own elevation, the built-in Administrator and a system
; without UAC install for the player, who needs no word. Where the session's account can't be read, an
; elevated installer still warns.
Function WarnOfOtherAccount
    ${IfThen} ${Silent} ${|} Return ${|}
    System::Call "advapi32::OpenProcessToken(p -1, i 8, *p .R1) i .R0"  ; TOKEN_QUERY
    ${IfThen} $R0 = 0 ${|} Return ${|}
    System::Call "advapi32::GetTokenInformation(p R1, i 20, *i .R2, i 4, *i) i .R0"  ; TokenElevation
    ${IfThen} $R0 = 0 ${|} StrCpy $R2 0 ${|}
    System::Alloc 256
    Pop $R6
    System::Call "advapi32::GetTokenInformation(p R1, i 1, p R6, i 256, *i) i .R0"  ; TokenUser
    System::Call "kernel32::CloseHandle(p R1)"
    System::Call "*$R6(p .R7)"  ; its SID
    ; The session's account, as "domain\user", turned into its SID: account names compare without case
    ; and may be written several ways, the SID only one.
    StrCpy $R1 5  ; WTSUserName
    Call SessionText
    StrCpy $R3 $R1
    StrCpy $R1 7  ; WTSDomainName
    Call SessionText
    StrCpy $R3 "$R1\$R3"
    System::Alloc 256
    Pop $R8
    System::Call "advapi32::LookupAccountNameW(p 0, w R3, p R8, *i 256, w .R9, *i ${NSIS_MAX_STRLEN}, *i) i .R1"
    ; $R1 becomes 1 where the player needs no word: the same account, or, where either account can't be
    ; told, an installer without elevation.
    ${If} $R0 <> 0
    ${AndIf} $R1 <> 0
        System::Call "advapi32::EqualSid(p R7, p R8) i .R1"
        System::Call "advapi32::GetUserNameW(w .R4, *i ${NSIS_MAX_STRLEN})"
        StrCpy $R5 "$(OtherAccount)"
    ${Else}
        StrCpy $R1 0
        ${IfThen} $R2 = 0 ${|} StrCpy $R1 1 ${|}
        StrCpy $R5 "$(AdministratorsProfile)"
    ${EndIf}
    System::Free $R6
    System::Free $R8
    ${If} $R1 = 0
    ${AndIf} ${Cmd} `MessageBox MB_OKCANCEL|MB_ICONEXCLAMATION $R5 IDCANCEL`
        SetErrorLevel 2
        Quit
    ${EndIf}
FunctionEnd

Function .onInit
    ${If} ${Silent}
        Call CheckRequestedFolder
    ${EndIf}
    Call WaitForClosedProgram
    Call WarnOfOtherAccount
FunctionEnd

Function LeaveFolderPage
    Call FindForeignEntry
    ${If} $R0 != ""
        MessageBox MB_OK|MB_ICONEXCLAMATION "$(ForeignFolder)"
        Abort  ; stays on the page
    ${EndIf}
FunctionEnd

Function CreateDesktopShortcut
    CreateShortCut "$DESKTOP\${SHORTCUT}" "$INSTDIR\zarvik.exe"
FunctionEnd

Section
    ; Checked again here: a silent run has no folder page, and the program may have been started since.
    Call WaitForClosedProgram
    Call FindForeignEntry
    ${If} $R0 != ""
        MessageBox MB_OK|MB_ICONSTOP "$(ForeignFolder)" /SD IDOK
        SetErrorLevel 2
        Quit
    ${EndIf}

    ; An existing config.txt and the player's own language files are never written, so an upgrade keeps them.
    SetOutPath "$INSTDIR"
    File "${STAGE}/zarvik.exe"
    SetOutPath "$INSTDIR\Languages"
    !insertmacro InstallShippedLanguages
    !insertmacro RemoveLanguages_retired
    SetOutPath "$INSTDIR"  ; the shortcuts' working folder
    Call DeleteSaveLeftovers
    ; A config.txt naming a language removed above would start the program without its texts: it is
    ; written anew, as at a first installation.
    Call ReadConfiguredLanguage
    !insertmacro IsRetiredLanguage
    ${IfThen} $R1 = 1 ${|} Delete "$INSTDIR\config.txt" ${|}
    ; In the program's own format (UTF-16 LE with its mark, CR LF), naming the language of the player's
    ; system: a first start greets them in it, and a program installed where they can't write finds it.
    ${IfNot} ${FileExists} "$INSTDIR\config.txt"
        System::Call "kernel32::GetUserDefaultUILanguage() i .R0"
        IntOp $R0 $R0 & 0x3FF
        !insertmacro ShippedLanguageFor
        ${IfThen} $R1 == "" ${|} StrCpy $R1 "English.Lang.txt" ${|}
        FileOpen $R2 "$INSTDIR\config.txt" w
        FileWriteUTF16LE /BOM $R2 "1$\r$\nLanguages$\r$\n$R1$\r$\n"
        FileClose $R2
    ${EndIf}
    WriteUninstaller "$INSTDIR\uninstall.exe"
    CreateShortCut "$SMPROGRAMS\${SHORTCUT}" "$INSTDIR\zarvik.exe"

    SectionGetSize 0 $R1
    WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayName" "${PRODUCT_TITLE}"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayVersion" "${PRODUCT_VERSION}"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "Publisher" "${PRODUCT_PUBLISHER}"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\zarvik.exe"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
    WriteRegStr HKCU "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
    WriteRegDWORD HKCU "${UNINSTALL_KEY}" "EstimatedSize" $R1
    WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoModify" 1
    WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoRepair" 1
SectionEnd

; An uninstaller left over from an earlier removal, or one run twice, finds nothing of the program and
; must not go on to delete config.txt or the shortcuts of an installation elsewhere.
Function un.onInit
    ReadRegStr $R0 HKCU "${UNINSTALL_KEY}" "InstallLocation"
    ${IfNot} ${FileExists} "$INSTDIR\zarvik.exe"
    ${AndIfNot} $R0 == $INSTDIR
        MessageBox MB_OK|MB_ICONSTOP "$(NotInstalled)" /SD IDOK
        SetErrorLevel 2
        Quit
    ${EndIf}
    Call un.WaitForClosedProgram
FunctionEnd

Section "Uninstall"
    ; The program first: if it was started after all, nothing else is removed.
    ClearErrors
    Delete "$INSTDIR\zarvik.exe"
    ${If} ${Errors}
        MessageBox MB_OK|MB_ICONSTOP "$(ProgramInUse)" /SD IDOK
        SetErrorLevel 2
        Quit
    ${EndIf}
    !insertmacro RemoveLanguages_all
    Delete "$INSTDIR\config.txt"
    Call un.DeleteSaveLeftovers
    Delete "$INSTDIR\uninstall.exe"
    ; Without /r: a folder still holding the player's files stays.
    RMDir "$INSTDIR\Languages"
    RMDir "$INSTDIR"
    ; The shortcuts and the entry may belong to an installation in another folder.
    ReadRegStr $R0 HKCU "${UNINSTALL_KEY}" "InstallLocation"
    ${If} $R0 == $INSTDIR
        Delete "$SMPROGRAMS\${SHORTCUT}"
        Delete "$DESKTOP\${SHORTCUT}"
        DeleteRegKey HKCU "${UNINSTALL_KEY}"
    ${EndIf}
SectionEnd
