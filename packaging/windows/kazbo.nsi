; The installer of カズボー for Windows, made by scripts/build-windows.sh with Debian's NSIS:
;   makensis -INPUTCHARSET UTF8 -DVERSION=1.22 -DFILES=installed-files.nsh
;            -DREMOVED=removed-files.nsh -DICON=kazbo.ico -DOUTFILE=setup.exe kazbo.nsi
; It installs for the current user without administrator rights, or for all users when run as
; administrator; /S installs silently. The uninstaller removes what was installed, nothing else:
; the user's brackets and settings stay.

Unicode true
Target amd64-unicode
SetCompressor /SOLID lzma
RequestExecutionLevel user
ManifestDPIAware true

!include MUI2.nsh
!include LogicLib.nsh
!include FileFunc.nsh

!define PRODUCT "カズボー"
!define PROGID "Kazbo.Bracket"
!define POOLS_PROGID "Kazbo.Pools"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Kazbo"
!define CLASSES "Software\Classes"
!define EARLIER_KEY "Software\Local AppWizard-Generated Applications"

; Deletes HKCU\KEY when it has neither values nor subkeys.
!macro RemoveEmptyKey KEY
    ClearErrors
    EnumRegValue $0 HKCU "${KEY}" 0
    ${IfNot} ${Errors}
    ${AndIf} $0 == ""
        DeleteRegKey /ifempty HKCU "${KEY}"
    ${EndIf}
!macroend

Name "${PRODUCT}"
OutFile "${OUTFILE}"
InstallDir "$LOCALAPPDATA\Programs\Kazbo"
BrandingText "${PRODUCT} ${VERSION}"
VIProductVersion "${VERSION}.0.0"
VIAddVersionKey /LANG=0 "ProductName" "${PRODUCT}"
VIAddVersionKey /LANG=0 "FileDescription" "${PRODUCT} setup"
VIAddVersionKey /LANG=0 "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=0 "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=0 "CompanyName" "Kazbo"
VIAddVersionKey /LANG=0 "LegalCopyright" "Kazbo developers"

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_ABORTWARNING
!define MUI_FINISHPAGE_RUN "$INSTDIR\kaz_edit.exe"
!insertmacro MUI_PAGE_WELCOME
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
; The last page says what stays: the brackets and the settings are the user's.
!define MUI_FINISHPAGE_TEXT "$(UninstallKept)"
!insertmacro MUI_UNPAGE_FINISH

; English first: the installer speaks it wherever Windows is not Japanese.
!insertmacro MUI_LANGUAGE "English"
!insertmacro MUI_LANGUAGE "Japanese"

LangString FileTypeName ${LANG_ENGLISH} "Tournament bracket"
LangString FileTypeName ${LANG_JAPANESE} "トーナメント表"
LangString PoolsTypeName ${LANG_ENGLISH} "Pool stage"
LangString PoolsTypeName ${LANG_JAPANESE} "予選リーグ"
LangString UninstallKept ${LANG_ENGLISH} "${PRODUCT} has been removed from this computer.$\r$\n$\r$\nYour bracket files and your settings (HKEY_CURRENT_USER\Software\kazbo) are kept; delete them yourself if you no longer need them."
LangString UninstallKept ${LANG_JAPANESE} "${PRODUCT} をこのコンピューターから削除しました。$\r$\n$\r$\n作ったトーナメント表のファイルと設定 (HKEY_CURRENT_USER\Software\kazbo) は残してあります。不要なら削除してください。"

; For every user when the installer runs as administrator, else (or with /CurrentUser) for this
; user alone. SHCTX and the shell folders follow the choice.
Function .onInit
    UserInfo::GetAccountType
    Pop $0
    ${GetParameters} $1
    ClearErrors
    ${GetOptions} $1 "/CurrentUser" $2
    ${If} ${Errors}
    ${AndIf} $0 == "Admin"
        SetShellVarContext all
        StrCpy $INSTDIR "$PROGRAMFILES64\Kazbo"
    ${Else}
        SetShellVarContext current
    ${EndIf}
FunctionEnd

Section
    SetOutPath "$INSTDIR"
    !include "${FILES}"
    WriteUninstaller "$INSTDIR\uninstall.exe"

    CreateShortCut "$SMPROGRAMS\${PRODUCT}.lnk" "$INSTDIR\kaz_edit.exe" "" "$INSTDIR\kaz_edit.exe" 0

    ; .kaz files open in the editor, with its icon.
    WriteRegStr SHCTX "${CLASSES}\.kaz" "" "${PROGID}"
    WriteRegStr SHCTX "${CLASSES}\${PROGID}" "" "$(FileTypeName)"
    WriteRegStr SHCTX "${CLASSES}\${PROGID}\DefaultIcon" "" "$INSTDIR\kaz_edit.exe,0"
    WriteRegStr SHCTX "${CLASSES}\${PROGID}\shell\open\command" "" '"$INSTDIR\kaz_edit.exe" "%1"'
    ; So do .kazpool files, the pool stages.
    WriteRegStr SHCTX "${CLASSES}\.kazpool" "" "${POOLS_PROGID}"
    WriteRegStr SHCTX "${CLASSES}\.kazpool" "Content Type" "application/x-kazbo-pools+json"
    WriteRegStr SHCTX "${CLASSES}\${POOLS_PROGID}" "" "$(PoolsTypeName)"
    WriteRegStr SHCTX "${CLASSES}\${POOLS_PROGID}\DefaultIcon" "" "$INSTDIR\kaz_edit.exe,0"
    WriteRegStr SHCTX "${CLASSES}\${POOLS_PROGID}\shell\open\command" "" '"$INSTDIR\kaz_edit.exe" "%1"'
    WriteRegStr SHCTX "${CLASSES}\Applications\kaz_edit.exe" "FriendlyAppName" "${PRODUCT}"
    WriteRegStr SHCTX "${CLASSES}\Applications\kaz_edit.exe\SupportedTypes" ".kaz" ""
    WriteRegStr SHCTX "${CLASSES}\Applications\kaz_edit.exe\SupportedTypes" ".kazpool" ""
    WriteRegStr SHCTX "${CLASSES}\Applications\kaz_edit.exe\shell\open\command" "" '"$INSTDIR\kaz_edit.exe" "%1"'

    WriteRegStr SHCTX "${UNINSTALL_KEY}" "DisplayName" "${PRODUCT}"
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\kaz_edit.exe,0"
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "Publisher" "Kazbo"
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
    ; Apps & features shows the size of the installed files (in KiB).
    ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
    IntFmt $0 "0x%08X" $0
    WriteRegDWORD SHCTX "${UNINSTALL_KEY}" "EstimatedSize" "$0"
    WriteRegDWORD SHCTX "${UNINSTALL_KEY}" "NoModify" 1
    WriteRegDWORD SHCTX "${UNINSTALL_KEY}" "NoRepair" 1

    ; Explorer shows the new file type's icon at once.
    System::Call 'shell32::SHChangeNotify(i 0x08000000, i 0, p 0, p 0)'
SectionEnd

; The uninstaller works in the place it was installed for: all users when the machine-wide
; entry names its folder.
Function un.onInit
    ReadRegStr $0 HKLM "${UNINSTALL_KEY}" "InstallLocation"
    ${If} $0 == $INSTDIR
        SetShellVarContext all
    ${Else}
        SetShellVarContext current
    ${EndIf}
FunctionEnd

Section "Uninstall"
    !include "${REMOVED}"
    Delete "$INSTDIR\uninstall.exe"
    RMDir "$INSTDIR"
    Delete "$SMPROGRAMS\${PRODUCT}.lnk"

    ; The file type is removed only while it is still this editor's.
    ReadRegStr $0 SHCTX "${CLASSES}\.kaz" ""
    ${If} $0 == "${PROGID}"
        DeleteRegKey SHCTX "${CLASSES}\.kaz"
    ${EndIf}
    DeleteRegKey SHCTX "${CLASSES}\${PROGID}"
    ReadRegStr $0 SHCTX "${CLASSES}\.kazpool" ""
    ${If} $0 == "${POOLS_PROGID}"
        DeleteRegKey SHCTX "${CLASSES}\.kazpool"
    ${EndIf}
    DeleteRegKey SHCTX "${CLASSES}\${POOLS_PROGID}"
    DeleteRegKey SHCTX "${CLASSES}\Applications\kaz_edit.exe"
    DeleteRegKey SHCTX "${UNINSTALL_KEY}"
    ; Earlier builds of this editor made an empty key for the settings of earlier versions while looking
    ; for them; it goes, and its parent, only while they hold nothing.
    !insertmacro RemoveEmptyKey "${EARLIER_KEY}\カズボ"
    !insertmacro RemoveEmptyKey "${EARLIER_KEY}"
    System::Call 'shell32::SHChangeNotify(i 0x08000000, i 0, p 0, p 0)'
SectionEnd
