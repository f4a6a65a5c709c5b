# cmake -DDLL=<file> -DOBJDUMP=<objdump> -DFORMAT=<pei-i386|pei-x86-64>
#       -DEXPORTS=<name,name,...> -P CheckDllHeaders.cmake
# Fails unless the DLL has the expected PE format, exports every name in
# EXPORTS, and imports only DLLs that ship with Windows.
cmake_minimum_required(VERSION 3.25)

foreach(v DLL OBJDUMP FORMAT EXPORTS)
  if(NOT DEFINED ${v})
    message(FATAL_ERROR "CheckDllHeaders: -D${v}=... is required")
  endif()
endforeach()

string(REPLACE "," ";" EXPORTS "${EXPORTS}")

execute_process(COMMAND "${OBJDUMP}" -p "${DLL}"
  OUTPUT_VARIABLE dump ERROR_VARIABLE err RESULT_VARIABLE rc)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "${OBJDUMP} -p ${DLL} failed (${rc}): ${err}")
endif()

set(errors "")

# Format and the optional-header magic: PE32 for 32-bit, PE32+ for 64-bit.
if(FORMAT STREQUAL "pei-i386")
  set(magic "010b[ \t]+\\(PE32\\)")
  set(kind PE32)
else()
  set(magic "020b[ \t]+\\(PE32\\+\\)")
  set(kind PE32+)
endif()
if(NOT dump MATCHES "file format ${FORMAT}\n")
  string(REGEX MATCH "file format [^\n]*" found "${dump}")
  string(APPEND errors "  expected file format ${FORMAT}, found '${found}'\n")
endif()
if(NOT dump MATCHES "\nMagic[ \t]+${magic}")
  string(APPEND errors "  optional header magic is not ${kind}\n")
endif()

# Exported names are listed as "\t[   0] Name" under "[Ordinal/Name Pointer] Table".
set(exports "")
string(FIND "${dump}" "[Ordinal/Name Pointer] Table\n" at)
if(at GREATER -1)
  string(SUBSTRING "${dump}" ${at} -1 names)
  string(REGEX MATCH "^[^\n]*\n(\t\\[ *[0-9]+\\] [^\n]*\n)*" names "${names}")
  string(REGEX MATCHALL "\t\\[ *[0-9]+\\] [^\n]+" export_lines "${names}")
  foreach(line IN LISTS export_lines)
    string(REGEX REPLACE "^\t\\[ *[0-9]+\\] " "" name "${line}")
    list(APPEND exports "${name}")
  endforeach()
endif()
foreach(name IN LISTS EXPORTS)
  if(NOT name IN_LIST exports)
    string(APPEND errors "  export '${name}' missing (exports: ${exports})\n")
  endif()
endforeach()

# Imports: only DLLs present on every Windows installation.
set(system_dlls
  kernel32 user32 gdi32 msvcrt advapi32 ole32 oleaut32 shell32 comdlg32
  comctl32 msimg32 ucrtbase ntdll shlwapi uxtheme dwmapi imm32 version
  winmm gdiplus opengl32 ws2_32 bcrypt crypt32 setupapi rpcrt4 uuid)
string(REGEX MATCHALL "DLL Name: [^\n]+" import_lines "${dump}")
set(imports "")
foreach(line IN LISTS import_lines)
  string(REGEX REPLACE "^DLL Name: " "" dll "${line}")
  string(STRIP "${dll}" dll)
  list(APPEND imports "${dll}")
  string(TOLOWER "${dll}" lower)
  string(REGEX REPLACE "\\.dll$" "" base "${lower}")
  if(base IN_LIST system_dlls OR base MATCHES "^api-ms-win-")
    continue()
  endif()
  if(base MATCHES "^(libstdc\\+\\+|libgcc_s|libwinpthread|zlib|libz|libpng)")
    string(APPEND errors "  imports ${dll}: link the MinGW runtime and libraries statically\n")
  else()
    string(APPEND errors "  imports ${dll}, which is not a Windows system DLL\n")
  endif()
endforeach()
if(NOT imports)
  string(APPEND errors "  no import table found\n")
endif()

if(errors)
  message(FATAL_ERROR "${DLL} failed its header checks:\n${errors}")
endif()
message(STATUS "${DLL}: ${FORMAT}, exports ${EXPORTS}, imports ${imports}")
