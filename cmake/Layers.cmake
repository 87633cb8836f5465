# The layers, each its own library linked only to those below it:
#   store <- host <- ops <- ui, and store <- bookmarks; the companion's window
#   (bookmarks/window, bookmarks/cli) on bookmarks, ui and host.
# The linker refuses a wrong arrow to compiled code; check-layers.cmake, run
# before any layer is compiled, refuses one to a header.
file(GLOB_RECURSE tarvola_layer_sources CONFIGURE_DEPENDS
  "${PROJECT_SOURCE_DIR}/src/*.h" "${PROJECT_SOURCE_DIR}/src/*.cpp")
add_custom_command(
  OUTPUT ${CMAKE_BINARY_DIR}/layers.checked
  COMMAND ${CMAKE_COMMAND} -DSOURCE_DIR=${PROJECT_SOURCE_DIR}/src -DSTAMP=${CMAKE_BINARY_DIR}/layers.checked
          -P ${PROJECT_SOURCE_DIR}/cmake/check-layers.cmake
  DEPENDS ${tarvola_layer_sources} ${PROJECT_SOURCE_DIR}/cmake/check-layers.cmake
  COMMENT "Checking the layers' includes")
add_custom_target(tarvola_layers DEPENDS ${CMAKE_BINARY_DIR}/layers.checked)

# tarvola_layer(TARGET): TARGET is compiled only once the layers are checked.
function(tarvola_layer target)
  add_dependencies(${target} tarvola_layers)
endfunction()
