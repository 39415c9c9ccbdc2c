; The installer of the suite: the three programs and their documents in C:\Program Files\Lunetar\,
; the catalog's folder C:\Program Files\Sarnovo\, both writable by standard users, a Start Menu
; shortcut, an entry in Add/Remove Programs, and an uninstaller that leaves the user's data.
;
; Built by the Windows tree (installer/CMakeLists.txt), which passes:
;   VERSION     the suite's version, from common/suite.h
;   PROGRAMS    the folder of launch.exe, guide.exe and sarnovo.exe
;   DOCUMENTS   the folder of the shipped text files, already with CR LF line ends
;   ART         the folder of the icons (resources/art)
;   OUTFILE     the installer's path

Unicode true
Target amd64-unicode
SetCompressor /SOLID lzma
RequestExecutionLevel admin
ManifestDPIAware true

!include LogicLib.nsh

!define PRODUCT "Lunetar"
!define COMPANY "Lunetar"
!define DISPLAY_NAME "Korvadex and Sarnovo ${VERSION}"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\${PRODUCT}"
!define UNINSTALLER "Uninstall Lunetar.exe"
; The programs name these folders in their code (common/suite.h), on drive C: whatever drive
; Windows is on: they are not a choice, and not the system's Program Files folder either.
!define CATALOG_FOLDER "C:\Program Files\Sarnovo"
; The local Users group by its well-known SID, which holds in every language of the system.
!define USERS_MODIFY "*S-1-5-32-545:(OI)(CI)M"

Name "${DISPLAY_NAME}"
OutFile "${OUTFILE}"
InstallDir "C:\Program Files\Lunetar"
BrandingText "${PRODUCT} ${VERSION}"
ShowInstDetails show
ShowUninstDetails show

VIProductVersion "${VERSION}.0.0"
VIAddVersionKey /LANG=1033 "ProductName" "${DISPLAY_NAME}"
VIAddVersionKey /LANG=1033 "CompanyName" "${COMPANY}"
VIAddVersionKey /LANG=1033 "FileDescription" "Installer of Korvadex and Sarnovo"
VIAddVersionKey /LANG=1033 "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=1033 "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=1033 "LegalCopyright" "Copyright (C) 2026 Lunetar. All rights reserved."

Icon "${ART}\launcher.ico"
UninstallIcon "${ART}\launcher.ico"

LicenseData "${DOCUMENTS}\License.txt"
; The programs read and write their files at fixed paths: the folder cannot be chosen.
Page license
Page instfiles
UninstPage uninstConfirm
UninstPage instfiles

; The Start Menu entry and the Add/Remove Programs entry are the machine's, as the folders are.
Function .onInit
  SetShellVarContext all
  SetRegView 64
FunctionEnd

Function un.onInit
  SetShellVarContext all
  SetRegView 64
FunctionEnd

; Gives the local Users group modify rights on a folder and what it will hold: the programs
; write user.ini, the collection, the notes and the report there, and a standard user may not
; write under Program Files otherwise.
!macro GrantUsersModify folder
  nsExec::ExecToLog '"$SYSDIR\icacls.exe" "${folder}" /grant "${USERS_MODIFY}"'
  Pop $0
  ; The suite works for administrators even so: say it, and end with a failing exit code so that
  ; a silent deployment sees it too.
  ${If} $0 != 0
    MessageBox MB_ICONEXCLAMATION|MB_OK "Standard users could not be given the right to change \
      ${folder} (icacls: $0). Only administrators can save in Korvadex and Sarnovo." /SD IDOK
    SetErrorLevel 1
  ${EndIf}
!macroend

Section "Korvadex and Sarnovo" SecSuite
  SectionIn RO
  SetOutPath "$INSTDIR"
  File "${PROGRAMS}\launch.exe"
  File "${PROGRAMS}\guide.exe"
  File "${PROGRAMS}\sarnovo.exe"
  File "${DOCUMENTS}\gtips.txt"
  File "${DOCUMENTS}\Readme.txt"
  File "${DOCUMENTS}\Readme.html"
  File "${DOCUMENTS}\License.txt"
  File "${DOCUMENTS}\Order.txt"
  WriteUninstaller "$INSTDIR\${UNINSTALLER}"

  CreateDirectory "${CATALOG_FOLDER}"
  !insertmacro GrantUsersModify "$INSTDIR"
  !insertmacro GrantUsersModify "${CATALOG_FOLDER}"

  ; The launcher starts the other programs by bare name, so it must start in its own folder:
  ; the shortcut's working folder is the output path when it is made.
  SetOutPath "$INSTDIR"
  CreateShortCut "$SMPROGRAMS\${PRODUCT}.lnk" "$INSTDIR\launch.exe" "" "$INSTDIR\launch.exe" 0 \
    SW_SHOWNORMAL "" "Korvadex, the UNIX primer, and Sarnovo, the site catalog"

  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayName" "${DISPLAY_NAME}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "Publisher" "${COMPANY}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\launch.exe,0"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\${UNINSTALLER}"'
  WriteRegStr HKLM "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\${UNINSTALLER}" /S'
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoRepair" 1
SectionEnd

; Removes what the installer put in place and what the programs make and can make again (the
; report, a printout of the collection). The user's own data stays: the collection (data.ini,
; desc.ini) and the notes in the catalog's folder, the user-defined chapter (user.ini) in the
; program folder; and so does each folder that still holds any of it.
Section "Uninstall"
  Delete "$SMPROGRAMS\${PRODUCT}.lnk"
  DeleteRegKey HKLM "${UNINSTALL_KEY}"

  Delete "$INSTDIR\launch.exe"
  Delete "$INSTDIR\guide.exe"
  Delete "$INSTDIR\sarnovo.exe"
  Delete "$INSTDIR\gtips.txt"
  Delete "$INSTDIR\Readme.txt"
  Delete "$INSTDIR\Readme.html"
  Delete "$INSTDIR\License.txt"
  Delete "$INSTDIR\Order.txt"
  Delete "${CATALOG_FOLDER}\report.txt"
  Delete "$INSTDIR\${UNINSTALLER}"

  ; Without /r: a folder goes only when it is empty.
  RMDir "${CATALOG_FOLDER}"
  RMDir "$INSTDIR"
SectionEnd
