# Fails the build when PROGRAM imports a library that is not among the system's KnownDLLs.
#
# Windows takes a KnownDLL from the system folder whatever the search order; any other library it
# looks for in the program's own folder first, where a standard user may put one of the same name.
# The programs load such libraries from the system folder themselves (common/system_library.h).
#
#   cmake -DOBJDUMP=<objdump> -DPROGRAM=<file.exe> -P CheckImports.cmake
cmake_minimum_required(VERSION 3.22)

# The KnownDLLs of Windows 10 and 11 that Windows 7 has too (the list under
# HKLM\SYSTEM\CurrentControlSet\Control\Session Manager\KnownDLLs), and ntdll, which is always the
# system's.
set(known advapi32 clbcatq comdlg32 difxapi gdi32 imagehlp imm32 kernel32 msctf msvcrt normaliz nsi
    ole32 oleaut32 psapi rpcrt4 sechost setupapi shell32 shlwapi user32 wldap32 ws2_32 ntdll)
cmake_minimum_required(VERSION 3.22)

execute_process(COMMAND ${OBJDUMP} -p ${PROGRAM} OUTPUT_VARIABLE dump RESULT_VARIABLE failed)
if(failed)
  message(FATAL_ERROR "${OBJDUMP} cannot read ${PROGRAM}")
endif()
string(REGEX MATCHALL "DLL Name: [^\r\n]+" names "${dump}")
if(NOT names)
  message(FATAL_ERROR "${PROGRAM}: no imported library found; is ${OBJDUMP} the right objdump?")
endif()
set(unknown)
foreach(name ${names})
  string(REGEX REPLACE "^DLL Name: (.+)\\.[A-Za-z]+$" "\\1" library "${name}")
  string(TOLOWER "${library}" library)
  if(NOT library IN_LIST known)
    list(APPEND unknown ${library})
  endif()
endforeach()
if(unknown)
  list(JOIN unknown ", " unknown)
  message(FATAL_ERROR "${PROGRAM} imports ${unknown}, which Windows would look for in the "
          "program's folder first: load it with LoadSystemLibrary (common/system_library.h)")
endif()
