# What each Windows executable of the project carries: the icon, a version
# resource of its own and the application manifest; with MinGW a release build
# is linked without its symbols, one file to copy.
function(tarvola_windows_resources target description)
  set(TARVOLA_EXECUTABLE ${target})
  set(TARVOLA_FILE_DESCRIPTION "${description}")
  configure_file(${PROJECT_SOURCE_DIR}/resources/version.rc.in ${target}-version.rc @ONLY)
  target_sources(${target} PRIVATE
    ${PROJECT_SOURCE_DIR}/resources/tarvola.rc
    ${PROJECT_SOURCE_DIR}/resources/manifest.rc
    ${CMAKE_CURRENT_BINARY_DIR}/${target}-version.rc)
  set_property(SOURCE ${PROJECT_SOURCE_DIR}/resources/manifest.rc APPEND PROPERTY
    OBJECT_DEPENDS ${PROJECT_SOURCE_DIR}/resources/tarvola.manifest)
  if(MINGW)
    target_link_options(${target} PRIVATE $<$<CONFIG:Release,MinSizeRel>:-s>)
  endif()
endfunction()

# The Qt plugins the program is drawn with, named rather than left to Qt's
# defaults: the Windows platform, the Vista style, JPEG for the pictures (PNG
# is part of Qt Gui). A static Qt links only these.
function(tarvola_import_windows_plugins target)
  qt_import_plugins(${target}
    INCLUDE_BY_TYPE platforms Qt6::QWindowsIntegrationPlugin
    INCLUDE_BY_TYPE styles Qt6::QWindowsVistaStylePlugin
    INCLUDE_BY_TYPE imageformats Qt6::QJpegPlugin)
endfunction()
