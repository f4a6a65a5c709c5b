# Builds GoogleTest and GoogleMock from Debian's source (package googletest)
# with the project's own compiler and flags, so the Windows presets get
# MinGW static libraries and the native preset gets sanitized ones.
# Provides GTest::gtest, GTest::gtest_main, GTest::gmock, GTest::gmock_main.
include_guard(GLOBAL)

set(KV_GOOGLETEST_SOURCE_DIR /usr/src/googletest CACHE PATH "GoogleTest source tree")
if(NOT EXISTS "${KV_GOOGLETEST_SOURCE_DIR}/googlemock/CMakeLists.txt")
  message(FATAL_ERROR
    "GoogleTest source not found in ${KV_GOOGLETEST_SOURCE_DIR}.\n"
    "Run tools/bootstrap (as root) to install the googletest package.")
endif()

# A function so these settings stay out of the caller's scope.
function(_kv_add_googletest)
  set(BUILD_SHARED_LIBS OFF)
  set(BUILD_GMOCK ON)
  set(INSTALL_GTEST OFF)
  # Only meaningful for MSVC: keep the runtime the rest of the project uses.
  set(gtest_force_shared_crt ON)
  if(WIN32)
    # GoogleTest's Win32 threading, not winpthreads.
    set(gtest_disable_pthreads ON)
  endif()
  add_subdirectory("${KV_GOOGLETEST_SOURCE_DIR}" "${CMAKE_BINARY_DIR}/_deps/googletest" EXCLUDE_FROM_ALL)
  # Third-party code: the project's warning flags would only add noise here.
  foreach(t gtest gtest_main gmock gmock_main)
    target_compile_options(${t} PRIVATE -w)
    if(WIN32)
      target_compile_options(${t} PRIVATE -include "${CMAKE_CURRENT_FUNCTION_LIST_DIR}/GTestNoDebugOutput.h")
    endif()
  endforeach()
endfunction()

if(NOT TARGET GTest::gtest)
  _kv_add_googletest()
endif()
