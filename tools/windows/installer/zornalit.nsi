; The per-user installer of the Windows program, in Russian. Built by
; make-installer.sh, which defines:
;   VERSION, VERSION_QUAD  the program's version (1.0 and 1.0.0.0)
;   OUTFILE                the installer to write
;   ICON                   the program's icon
;   FILES                  a folder holding program-files.nsh and data-files.nsh
;   SIGN                   (when signing) the command that signs its argument
;
; The program's files (executables, DLLs, plug-ins, catalogue) are replaced
; on every install, and those an earlier version installed that this one has
; not are removed: their list is kept in the install folder. The data files a
; deployment replaces with its own (database, texts, pictures, sounds) are
; put in place only where missing, and the uninstaller keeps them unless the
; user asks otherwise.

; A 64-bit installer for a 64-bit program: it runs wherever the program
; does, and its folder variables are the 64-bit ones.
Target amd64-unicode
ManifestDPIAware true
RequestExecutionLevel user
SetCompressor /SOLID lzma

!include MUI2.nsh
!include LogicLib.nsh
!include FileFunc.nsh

!define PRODUCT "Зорналит"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Zornalit"
; The list of the program's files an install put in its folder.
!define FILE_LIST "uninstall-files.txt"
!define UNINSTALLER "uninstall.exe"
!define SHORTCUT "${PRODUCT}.lnk"

Name "${PRODUCT}"
OutFile "${OUTFILE}"
InstallDir "$LOCALAPPDATA\Programs\${PRODUCT}"
; An upgrade suggests the folder of the install it upgrades.
InstallDirRegKey HKCU "${UNINSTALL_KEY}" "InstallLocation"
BrandingText "${PRODUCT} ${VERSION}"
ShowInstDetails show
ShowUninstDetails show
; A file that cannot be replaced stops the install: skipping it would leave
; a mix of two versions.
AllowSkipFiles off

!ifdef SIGN
; A signing that fails stops the build.
!finalize '"${SIGN}" "%1"' = 0
!uninstfinalize '"${SIGN}" "%1"' = 0
!endif

VIProductVersion "${VERSION_QUAD}"
VIFileVersion "${VERSION_QUAD}"

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_ABORTWARNING
!define MUI_UNABORTWARNING
!define MUI_FINISHPAGE_RUN "$INSTDIR\zornalit.exe"
!define MUI_FINISHPAGE_RUN_TEXT "Запустить Зорналит"

!define MUI_WELCOMEPAGE_TEXT "Программа установит Зорналит ${VERSION} для вас: права администратора не нужны.$\r$\n$\r$\nЕсли Зорналит уже установлен, он будет обновлён. База неисправностей и справочные файлы, которые уже есть в папке программы, останутся как есть.$\r$\n$\r$\nЕсли Зорналит сейчас открыт, закройте его. Нажмите «Далее», чтобы продолжить."
!insertmacro MUI_PAGE_WELCOME
!define MUI_PAGE_CUSTOMFUNCTION_LEAVE CheckFolderPage
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_COMPONENTS
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "Russian"

VIAddVersionKey /LANG=${LANG_RUSSIAN} "ProductName" "${PRODUCT}"
VIAddVersionKey /LANG=${LANG_RUSSIAN} "CompanyName" "${PRODUCT}"
VIAddVersionKey /LANG=${LANG_RUSSIAN} "FileDescription" "Установка программы ${PRODUCT} ${VERSION}"
VIAddVersionKey /LANG=${LANG_RUSSIAN} "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=${LANG_RUSSIAN} "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=${LANG_RUSSIAN} "LegalCopyright" "${PRODUCT}"

!include "${FILES}\program-files.nsh"
!include "${FILES}\data-files.nsh"

; Leaves $1 "" when neither executable of the folder is in use, else the
; path of the one that is: a running program (the window, or zornalit-db
; in a script) cannot be written to, and an install or uninstall stopped
; halfway by it would leave a program that no longer starts.
!macro PROBE_EXECUTABLE name
    ${If} ${FileExists} "$INSTDIR\${name}"
        ClearErrors
        FileOpen $2 "$INSTDIR\${name}" a
        ${If} ${Errors}
            StrCpy $1 "$INSTDIR\${name}"
            Return
        ${EndIf}
        FileClose $2
    ${EndIf}
!macroend
!macro BUSY_PROGRAM un
Function ${un}BusyProgram
    StrCpy $1 ""
    !insertmacro PROBE_EXECUTABLE zornalit.exe
    !insertmacro PROBE_EXECUTABLE zornalit-db.exe
FunctionEnd
!macroend
!insertmacro BUSY_PROGRAM ""
!insertmacro BUSY_PROGRAM "un."

; The program writes its report beside itself: a folder the user cannot
; write to would install a program that cannot work. Leaves $0 "" when the
; folder is usable, or the Russian reason.
!macro CHECK_FOLDER un
Function ${un}CheckFolder
    StrCpy $0 ""
    ClearErrors
    CreateDirectory "$INSTDIR"
    ${If} ${Errors}
        StrCpy $0 "Не удалось создать папку «$INSTDIR». Выберите папку, в которую у вас есть право записи, например «$LOCALAPPDATA\Programs\${PRODUCT}»."
        Return
    ${EndIf}
    ClearErrors
    FileOpen $1 "$INSTDIR\.zornalit-write-check.tmp" w
    ${If} ${Errors}
        StrCpy $0 "В папку «$INSTDIR» нельзя записывать файлы, а программа пишет свой отчёт рядом с собой. Выберите папку, в которую у вас есть право записи, например «$LOCALAPPDATA\Programs\${PRODUCT}»."
        Return
    ${EndIf}
    FileClose $1
    Delete "$INSTDIR\.zornalit-write-check.tmp"
    ; A running program's files cannot be replaced.
    Call BusyProgram
    ${If} $1 != ""
        StrCpy $0 "Программа «$1» сейчас запущена или занята. Закройте её и запустите установку снова."
    ${EndIf}
FunctionEnd
!macroend
!insertmacro CHECK_FOLDER ""

Function CheckFolderPage
    Call CheckFolder
    ${If} $0 != ""
        MessageBox MB_OK|MB_ICONSTOP "$0"
        Abort
    ${EndIf}
FunctionEnd

; Removes every file the list in the folder names, then the folders they
; were in when nothing else is left there. Used before an upgrade (the new
; version puts back its own) and by the uninstaller.
!macro REMOVE_LISTED_FILES un
Function ${un}RemoveListedFiles
    ClearErrors
    FileOpen $2 "$INSTDIR\${FILE_LIST}" r
    ${If} ${Errors}
        Return
    ${EndIf}
    ${Do}
        ClearErrors
        FileReadUTF16LE $2 $3
        ${If} ${Errors}
            ${Break}
        ${EndIf}
        ; The line without its CR LF.
        ${Do}
            StrCpy $4 $3 1 -1
            ${If} $4 == "$\r"
            ${OrIf} $4 == "$\n"
                StrCpy $3 $3 -1
            ${Else}
                ${Break}
            ${EndIf}
        ${Loop}
        ; Only plain names under the folder: a damaged list must not reach
        ; anything outside it.
        ${If} $3 == ""
        ${OrIf} $3 == "${FILE_LIST}"
            ${Continue}
        ${EndIf}
        StrCpy $4 $3 1
        ${If} $4 == "\"
            ${Continue}
        ${EndIf}
        ; A data file is the deployment's own, whatever a list says.
        !insertmacro SKIP_DATA_FILE $3
        Push $3
        Call ${un}IsUnsafeName
        Pop $4
        ${If} $4 == 1
            ${Continue}
        ${EndIf}
        Delete "$INSTDIR\$3"
        ${GetParent} "$INSTDIR\$3" $4
        ${If} $4 != "$INSTDIR"
            RMDir "$4"
        ${EndIf}
    ${Loop}
    FileClose $2
FunctionEnd

; 1 when a listed name could reach more than the one program file it
; names: a ".." part, a drive, a wildcard, a short (8.3) name, or a last
; dot or space that Windows drops; 0 otherwise.
Function ${un}IsUnsafeName
    Exch $5
    Push $6
    Push $7
    Push $8
    StrCpy $7 0
    StrLen $6 $5
    ${DoWhile} $6 > 0
        IntOp $6 $6 - 1
        StrCpy $8 $5 2 $6
        ${If} $8 == ".."
        ${OrIf} $8 == ":\"
        ${OrIf} $8 == ".\"
            StrCpy $7 1
            ${Break}
        ${EndIf}
        StrCpy $8 $5 1 $6
        ${If} $8 == "*"
        ${OrIf} $8 == "?"
        ${OrIf} $8 == "~"
        ${OrIf} $8 == ":"
            StrCpy $7 1
            ${Break}
        ${EndIf}
    ${Loop}
    StrCpy $8 $5 1 -1
    ${If} $8 == "."
    ${OrIf} $8 == " "
        StrCpy $7 1
    ${EndIf}
    StrCpy $5 $7
    Pop $8
    Pop $7
    Pop $6
    Exch $5
FunctionEnd
!macroend
!insertmacro REMOVE_LISTED_FILES ""
!insertmacro REMOVE_LISTED_FILES "un."

Section "Зорналит" SectionProgram
    SectionIn RO
    Call CheckFolder
    ${If} $0 != ""
        MessageBox MB_OK|MB_ICONSTOP "$0" /SD IDOK
        SetErrorLevel 2
        Quit
    ${EndIf}

    Call RemoveListedFiles
    SetOutPath "$INSTDIR"
    !insertmacro INSTALL_PROGRAM_FILES
    !insertmacro INSTALL_MISSING_DATA_FILES
    WriteUninstaller "$INSTDIR\${UNINSTALLER}"

    ClearErrors
    FileOpen $2 "$INSTDIR\${FILE_LIST}" w
    !insertmacro LIST_PROGRAM_FILES $2
    FileClose $2
    ${If} ${Errors}
        MessageBox MB_OK|MB_ICONSTOP "Не удалось записать список файлов программы «$INSTDIR\${FILE_LIST}»." /SD IDOK
        SetErrorLevel 2
        Quit
    ${EndIf}

    CreateShortcut "$SMPROGRAMS\${SHORTCUT}" "$INSTDIR\zornalit.exe" "" "$INSTDIR\zornalit.exe" 0
    WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayName" "${PRODUCT}"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "Publisher" "${PRODUCT}"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\zornalit.exe,0"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\${UNINSTALLER}"'
    WriteRegStr HKCU "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\${UNINSTALLER}" /S'
    WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoModify" 1
    WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoRepair" 1
    ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
    WriteRegDWORD HKCU "${UNINSTALL_KEY}" "EstimatedSize" $0
SectionEnd

Section /o "Ярлык на рабочем столе" SectionDesktop
    CreateShortcut "$DESKTOP\${SHORTCUT}" "$INSTDIR\zornalit.exe" "" "$INSTDIR\zornalit.exe" 0
SectionEnd

!insertmacro MUI_FUNCTION_DESCRIPTION_BEGIN
!insertmacro MUI_DESCRIPTION_TEXT ${SectionProgram} "Программа, её библиотеки и ярлык в меню «Пуск». Образцы базы и справочных файлов ставятся, только если их ещё нет в папке."
!insertmacro MUI_DESCRIPTION_TEXT ${SectionDesktop} "Ярлык «${PRODUCT}» на рабочем столе."
!insertmacro MUI_FUNCTION_DESCRIPTION_END

Section "Uninstall"
    ; A running program's files cannot be removed: half an uninstall would
    ; leave a program that no longer starts, and no entry to remove it by.
    Call un.BusyProgram
    ${If} $1 != ""
        MessageBox MB_OK|MB_ICONSTOP "Программа «$1» сейчас запущена или занята. Закройте её и запустите удаление снова." /SD IDOK
        SetErrorLevel 2
        Quit
    ${EndIf}
    Call un.RemoveListedFiles
    ; The report and what an interrupted run of the program may leave
    ; behind: the names app/ProgramLeftovers.cpp cleans up, held to them
    ; by tests/app/UninstallerLeftoversTest.cpp.
    Delete "$INSTDIR\SegmInfo.txt"
    Delete "$INSTDIR\SegmInfo.txt.*.tmp"
    Delete "$INSTDIR\Ostatsa.wav"
    Delete "$INSTDIR\Ostatsa.wav.*.tmp"
    Delete "$INSTDIR\Mgnoven.wav"
    Delete "$INSTDIR\Mgnoven.wav.*.tmp"
    MessageBox MB_YESNO|MB_ICONQUESTION|MB_DEFBUTTON2 \
        "Удалить также базу неисправностей и справочные файлы (тексты, рисунки, звуки) из папки «$INSTDIR»?$\r$\n$\r$\nЕсли их заменили своими, ответьте «Нет»: они останутся в папке." \
        /SD IDNO IDNO keep_data
    !insertmacro REMOVE_DATA_FILES
keep_data:
    Delete "$INSTDIR\${FILE_LIST}"
    Delete "$INSTDIR\${UNINSTALLER}"
    Delete "$SMPROGRAMS\${SHORTCUT}"
    Delete "$DESKTOP\${SHORTCUT}"
    DeleteRegKey HKCU "${UNINSTALL_KEY}"
    ; Only an empty folder goes: a user's own files stay, and so the folder.
    RMDir "$INSTDIR"
SectionEnd
