# The X11 and Cairo backend of kv_gui, included from gui/CMakeLists.txt. The font files the
# panel needs come from Debian's fonts-liberation2 and are assembled into the library.
find_package(X11 REQUIRED)
find_package(PkgConfig REQUIRED)
pkg_check_modules(KV_CAIRO REQUIRED IMPORTED_TARGET cairo cairo-xlib cairo-ft freetype2)

set(KV_FONT_DIR /usr/share/fonts/truetype/liberation2 CACHE PATH "Folder of the Liberation 2 font files")
set(_kv_x11 ${CMAKE_CURRENT_SOURCE_DIR}/platform/x11)
target_sources(kv_gui PRIVATE
    ${_kv_x11}/CairoImage.cpp
    ${_kv_x11}/CairoSurface.cpp
    ${_kv_x11}/FontFaces.cpp
    ${_kv_x11}/TextFieldEditing.cpp
    ${_kv_x11}/X11Connection.cpp
    ${_kv_x11}/X11ErrorScope.cpp
    ${_kv_x11}/X11FrameWindow.cpp
    ${_kv_x11}/X11Images.cpp
    ${_kv_x11}/X11Input.cpp
    ${_kv_x11}/X11KeyPassOn.cpp
    ${_kv_x11}/X11Keys.cpp
    ${_kv_x11}/X11MenuTracking.cpp
    ${_kv_x11}/X11PendingPaint.cpp
    ${_kv_x11}/X11PopupMenu.cpp
    ${_kv_x11}/X11Surfaces.cpp
    ${_kv_x11}/X11TextField.cpp
    ${_kv_x11}/X11WindowPaint.cpp
    ${_kv_x11}/X11WindowGeometry.cpp
)
set(_kv_fonts "")
foreach(_style Regular Bold Italic BoldItalic)
  list(APPEND _kv_fonts ${KV_FONT_DIR}/LiberationSans-${_style}.ttf)
endforeach()
set_source_files_properties(${_kv_x11}/FontFaces.cpp PROPERTIES
    COMPILE_DEFINITIONS "KV_FONT_DIR=\"${KV_FONT_DIR}\""
    OBJECT_DEPENDS "${_kv_fonts}")
target_link_libraries(kv_gui PUBLIC X11::X11 PkgConfig::KV_CAIRO)
