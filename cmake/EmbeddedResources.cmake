# Where the platform has no resource section, each plug-in carries its own table of the
# resources its resource script names, so two plug-ins in one process keep their own images.
# kv_embedded_resources(NAME SCRIPT) makes the object library NAME of that table; a target
# that uses it adds $<TARGET_OBJECTS:NAME> to its sources (or its interface sources), since
# the table must be linked into the module itself, not left in an archive.
function(kv_embedded_resources name script)
  get_filename_component(script_dir ${script} DIRECTORY)
  file(STRINGS ${script} lines REGEX "^[0-9]+[ \t]")
  set(files "")
  foreach(line IN LISTS lines)
    string(REGEX MATCH "\"([^\"]+)\"" _ "${line}")
    list(APPEND files ${script_dir}/${CMAKE_MATCH_1})
  endforeach()
  get_filename_component(script_name ${script} NAME)
  set(output ${CMAKE_CURRENT_BINARY_DIR}/${name}.generated.cpp)
  add_custom_command(
      OUTPUT ${output}
      COMMAND ${CMAKE_COMMAND} -DSCRIPT=${script} -DOUTPUT=${output}
              -P ${PROJECT_SOURCE_DIR}/resources/EmbedResources.cmake
      DEPENDS ${script} ${files} ${PROJECT_SOURCE_DIR}/resources/EmbedResources.cmake
      COMMENT "Embedding the resources of ${script_name}"
      VERBATIM)
  add_library(${name} OBJECT ${output})
  target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR}/gui/platform/embedded)
endfunction()
