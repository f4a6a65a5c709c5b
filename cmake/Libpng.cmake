# Provides kv::png (libpng with zlib) for every preset.
# Native builds use the system libpng. MinGW has no libpng package, so the
# Windows builds compile Debian's libpng source, unpacked by tools/bootstrap
# into .deps/libpng-src, as a static library linked with MinGW's static zlib,
# so the plug-in DLL imports neither libpng nor zlib.
include_guard(GLOBAL)

if(NOT WIN32)
  find_package(PNG REQUIRED)
  add_library(kv_png INTERFACE)
  target_link_libraries(kv_png INTERFACE PNG::PNG)
  add_library(kv::png ALIAS kv_png)
  return()
endif()

get_filename_component(KV_LIBPNG_SOURCE_DIR "${CMAKE_CURRENT_LIST_DIR}/../.deps/libpng-src" ABSOLUTE)
if(NOT EXISTS "${KV_LIBPNG_SOURCE_DIR}/png.h" OR NOT EXISTS "${KV_LIBPNG_SOURCE_DIR}/CMakeLists.txt")
  message(FATAL_ERROR
    "libpng source not found in ${KV_LIBPNG_SOURCE_DIR}.\n"
    "Run tools/bootstrap (as root) to fetch it, then configure again.")
endif()

# The static zlib archive, not libz.dll.a, which would make the DLL need zlib1.dll.
set(_kv_mingw_root "/usr/${KV_MINGW_TRIPLE}")
if(NOT KV_MINGW_TRIPLE OR NOT EXISTS "${_kv_mingw_root}/lib/libz.a")
  message(FATAL_ERROR
    "Static MinGW zlib not found at ${_kv_mingw_root}/lib/libz.a.\n"
    "Run tools/bootstrap (as root) to install libz-mingw-w64-dev.")
endif()
set(ZLIB_LIBRARY "${_kv_mingw_root}/lib/libz.a" CACHE FILEPATH "Static MinGW zlib" FORCE)
set(ZLIB_INCLUDE_DIR "${_kv_mingw_root}/include" CACHE PATH "MinGW zlib headers" FORCE)

# libpng's CMakeLists predates policy CMP0077, so its options are set as cache entries.
set(PNG_SHARED OFF CACHE BOOL "" FORCE)
set(PNG_STATIC ON CACHE BOOL "" FORCE)
set(PNG_TESTS OFF CACHE BOOL "" FORCE)
set(PNG_EXECUTABLES OFF CACHE BOOL "" FORCE)
set(PNG_FRAMEWORK OFF CACHE BOOL "" FORCE)
set(SKIP_INSTALL_ALL ON CACHE BOOL "" FORCE)

add_subdirectory("${KV_LIBPNG_SOURCE_DIR}" "${CMAKE_BINARY_DIR}/_deps/libpng" EXCLUDE_FROM_ALL)

# Third-party code: the project's warning flags would only add noise here.
target_compile_options(png_static PRIVATE -w)

# libpng 1.6's CMake sets no usage requirements, so they are added here;
# pnglibconf.h is generated into libpng's binary dir.
add_library(kv_png INTERFACE)
target_include_directories(kv_png SYSTEM INTERFACE
  "${KV_LIBPNG_SOURCE_DIR}"
  "${CMAKE_BINARY_DIR}/_deps/libpng"
  "${ZLIB_INCLUDE_DIR}")
target_link_libraries(kv_png INTERFACE png_static "${ZLIB_LIBRARY}")
add_library(kv::png ALIAS kv_png)

unset(_kv_mingw_root)
