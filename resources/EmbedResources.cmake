# Writes a C++ table of the resources that a resource script names, for platforms without
# resource sections. Run as: cmake -DSCRIPT=<file.rc> -DOUTPUT=<file.cpp> -P EmbedResources.cmake
# Each line "<id> <TYPE> "<file>"" of the script becomes one entry; files are relative to it.
cmake_minimum_required(VERSION 3.25)

get_filename_component(script_dir "${SCRIPT}" DIRECTORY)
file(STRINGS "${SCRIPT}" lines REGEX "^[0-9]+[ \t]+[A-Za-z0-9_]+[ \t]+\"[^\"]+\"")

set(arrays "")
set(entries "")
list(LENGTH lines count)
foreach(line IN LISTS lines)
  string(REGEX MATCH "^([0-9]+)[ \t]+([A-Za-z0-9_]+)[ \t]+\"([^\"]+)\"" _ "${line}")
  set(id "${CMAKE_MATCH_1}")
  set(type "${CMAKE_MATCH_2}")
  file(READ "${script_dir}/${CMAKE_MATCH_3}" hex HEX)
  string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," bytes "${hex}")
  string(APPEND arrays "const std::uint8_t resource_${id}_${type}[] = {${bytes}};\n")
  string(APPEND entries "    {${id}, \"${type}\", resource_${id}_${type}, sizeof(resource_${id}_${type})},\n")
endforeach()

file(CONFIGURE OUTPUT "${OUTPUT}" CONTENT [=[
// Generated from @SCRIPT@ by resources/EmbedResources.cmake; do not edit.
#include "EmbeddedResourceTable.h"

namespace VSTGUI::platform {

namespace {
@arrays@} // namespace

const EmbeddedResource kEmbeddedResources[] = {
@entries@};
const std::size_t kEmbeddedResourceCount = @count@;

} // namespace VSTGUI::platform
]=] @ONLY)
