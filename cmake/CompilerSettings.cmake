# Warnings, the floating-point model and runtime linkage shared by every target.
add_compile_options(-Wall -Wextra -Wpedantic -Wshadow -Wconversion -Wno-sign-conversion)

if(CMAKE_SYSTEM_PROCESSOR MATCHES "^(i.86|x86)$")
  # Results are specified in IEEE single and double precision; x87 extended precision would change them.
  add_compile_options(-msse2 -mfpmath=sse)
endif()

if(WIN32)
  # Carry the C and C++ runtimes inside every binary so a host loads the DLL from any folder.
  add_link_options(-static -static-libgcc -static-libstdc++)
endif()

if(KV_SANITIZE)
  # GCC leaves float-to-integer overflow out of "undefined"; it is undefined all the same.
  add_compile_options(-fsanitize=address,undefined,float-cast-overflow -fno-sanitize-recover=all -fno-omit-frame-pointer)
  add_link_options(-fsanitize=address,undefined,float-cast-overflow)
endif()
