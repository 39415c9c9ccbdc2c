; The installer of the suite: the three programs and their documents in C:\Program Files\Lunetar\,
; the catalog's folder C:\Program Files\Sarnovo\, both with rights that let standard users save
; their data there but change nothing installed, a Start Menu shortcut, an entry in Add/Remove
; Programs, and an uninstaller that leaves the user's data.
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

; ---- Who may do what ----
; The rights of each path, as a security descriptor (SDDL): O: its owner, then D:P a list of
; rights that takes nothing from the folders above (protected) and is applied whole, so that an
; installation over an earlier one keeps nothing that one granted. Each (A;flags;rights;;;who)
; allows: who is SY the system, BA the administrators, BU the local Users group, of which every
; standard user is a member (well-known SIDs, the same in every language of the system), or
; S-1-3-4 the owner of a file, who otherwise could always change its rights. Rights: FA all, FR
; read, FX run, FW write, SD delete; 0x2 on a folder is the right to create files in it and
; nothing else. Flags: OI and CI pass the entry on to the files and folders made inside later, IO
; gives it to those only, not to the folder itself.
;
; The program folder while the installer puts files in it: read and run for Users, and nothing
; that a file made in it could take over, so that no installed file is writable even for a moment
; before it gets its own rights.
!define RIGHTS_FOLDER_WHILE_INSTALLING "O:BAD:PAI(A;OICI;FA;;;SY)(A;OICI;FA;;;BA)(A;OICI;FRFX;;;BU)"
; The two folders afterwards: the programs write user.ini beside the programs, and the collection,
; the notes and the report in the catalog's folder, each through a temporary file they create
; beside it, for whichever user runs them. So Users may create files in the folder itself (not
; folders), and a file made there later is theirs to read, write, replace and delete, whoever
; made it: the users of a machine share the user-defined chapter and the collection. Its owner
; gets no more than that, so no user can lock the others out of a shared file. No right to delete
; or rename the folder, to delete a file the folder holds by the folder's own right, or to change
; the folder's rights.
!define RIGHTS_DATA_FOLDER "${RIGHTS_FOLDER_WHILE_INSTALLING}(A;;0x2;;;BU)(A;OIIO;FRFXFWSD;;;BU)(A;OIIO;FRFXFWSD;;;S-1-3-4)"
; Every installed file, the uninstaller too: read and run for Users, nothing else, and owned by
; the administrators, whoever made a file of that name before.
!define RIGHTS_INSTALLED_FILE "O:BAD:PAI(A;;FA;;;SY)(A;;FA;;;BA)(A;;FRFX;;;BU)"

; Every file the installer puts in the program folder: the folder it comes from, and its name.
!macro InstalledFiles DO
  !insertmacro ${DO} "${PROGRAMS}" "launch.exe"
  !insertmacro ${DO} "${PROGRAMS}" "guide.exe"
  !insertmacro ${DO} "${PROGRAMS}" "sarnovo.exe"
  !insertmacro ${DO} "${DOCUMENTS}" "gtips.txt"
  !insertmacro ${DO} "${DOCUMENTS}" "Readme.txt"
  !insertmacro ${DO} "${DOCUMENTS}" "Readme.html"
  !insertmacro ${DO} "${DOCUMENTS}" "License.txt"
  !insertmacro ${DO} "${DOCUMENTS}" "Order.txt"
!macroend

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

; Gives path the security descriptor rights, whole (SetNamedSecurityInfo: its owner and its
; protected list, which the files made in a folder later inherit from). When that fails the
; installer says so and ends with a failing exit code, so that a silent deployment sees it too.
!macro SetRights path rights
  Push "${rights}"
  Push "${path}"
  Call SetRights
!macroend

Function SetRights
  Exch $0  ; the path
  Exch
  Exch $1  ; the descriptor
  Push $2
  Push $3
  Push $4
  Push $5
  ; SDDL_REVISION_1; the descriptor in $2, freed with LocalFree.
  System::Call 'advapi32::ConvertStringSecurityDescriptorToSecurityDescriptorW(w r1, i 1, *p .r2, p 0) i .r5'
  ${If} $5 == 0
    StrCpy $5 "not a descriptor"
  ${Else}
    System::Call 'advapi32::GetSecurityDescriptorOwner(p r2, *p .r3, *i .r5)'
    System::Call 'advapi32::GetSecurityDescriptorDacl(p r2, *i .r5, *p .r4, *i .r5)'
    ; SE_FILE_OBJECT; OWNER_, DACL_ and PROTECTED_DACL_SECURITY_INFORMATION. Returns an error code.
    System::Call 'advapi32::SetNamedSecurityInfoW(w r0, i 1, i 0x80000005, p r3, p 0, p r4, p 0) i .r5'
    System::Call 'kernel32::LocalFree(p r2)'
  ${EndIf}
  ${If} $5 != 0
    ; A line that goes on in the next keeps that line's blanks: the text goes on at its start.
    MessageBox MB_ICONEXCLAMATION|MB_OK "The rights of $0 could not be set (error $5). Until \
they are, standard users may not be able to save in Korvadex and Sarnovo, or may be able to \
change its programs." /SD IDOK
    SetErrorLevel 1
  ${EndIf}
  Pop $5
  Pop $4
  Pop $3
  Pop $2
  Pop $1
  Pop $0
FunctionEnd

; An installed file is made anew, never written over: a file of that name that a user made, or
; holds open, must not become the installed one. One that cannot be removed ends the installation.
!macro RemoveBeforeInstalling path
  Delete "${path}"
  ${If} ${FileExists} "${path}"
    MessageBox MB_ICONSTOP|MB_OK "${path} is in use and cannot be replaced. Please close \
Korvadex, Sarnovo and every other program that uses it, then install again." /SD IDOK
    Abort
  ${EndIf}
!macroend

; Each installed file is made anew, then gets its rights.
!macro InstallFile folder name
  !insertmacro RemoveBeforeInstalling "$INSTDIR\${name}"
  File "${folder}\${name}"
  !insertmacro SetRights "$INSTDIR\${name}" "${RIGHTS_INSTALLED_FILE}"
!macroend

!macro RemoveInstalledFile folder name
  Delete "$INSTDIR\${name}"
!macroend

Section "Korvadex and Sarnovo" SecSuite
  SectionIn RO
  SetOutPath "$INSTDIR"
  CreateDirectory "${CATALOG_FOLDER}"
  !insertmacro SetRights "$INSTDIR" "${RIGHTS_FOLDER_WHILE_INSTALLING}"
  !insertmacro InstalledFiles InstallFile
  !insertmacro RemoveBeforeInstalling "$INSTDIR\${UNINSTALLER}"
  WriteUninstaller "$INSTDIR\${UNINSTALLER}"
  !insertmacro SetRights "$INSTDIR\${UNINSTALLER}" "${RIGHTS_INSTALLED_FILE}"
  !insertmacro SetRights "$INSTDIR" "${RIGHTS_DATA_FOLDER}"
  !insertmacro SetRights "${CATALOG_FOLDER}" "${RIGHTS_DATA_FOLDER}"

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

  !insertmacro InstalledFiles RemoveInstalledFile
  Delete "${CATALOG_FOLDER}\report.txt"
  Delete "$INSTDIR\${UNINSTALLER}"

  ; Without /r: a folder goes only when it is empty.
  RMDir "${CATALOG_FOLDER}"
  RMDir "$INSTDIR"
SectionEnd
