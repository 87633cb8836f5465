cmake_minimum_required(VERSION 3.25)
# cmake -DSOURCE_DIR=src -DSTAMP=file -P check-layers.cmake
# Keeps the arrows between the layers pointing down: a source includes the
# headers of its own layer and of those below it, nothing else. Header-only
# code slips past the linker; this catches it. The raw file system is the
# store's own: the rest reaches the data folder through store/data_folder.h,
# and only the programs' entry points choose the file system.
set(below_store "")
set(below_host store)
set(below_ops host store)
set(below_ui ui ops host store)
set(below_bookmarks store)
# The companion's window and its entry point sit on top: its core, the window's pieces, the host.
set(below_bookmarks_app bookmarks ui host store)
set(store_only "store/(file_system|retrying_file_system|record_file|whole_file|atomic_rewrite|temporary_file|change_intent)\\.h")
set(entry_points "${SOURCE_DIR}/main.cpp;${SOURCE_DIR}/bookmarks/cli/main.cpp")

set(failures "")
foreach(layer store host ops ui bookmarks)
  file(GLOB_RECURSE sources "${SOURCE_DIR}/${layer}/*.h" "${SOURCE_DIR}/${layer}/*.cpp")
  foreach(source IN LISTS sources)
    file(STRINGS "${source}" includes REGEX "^#include \"[a-z_]+/")
    set(source_layer ${layer})
    if(source MATCHES "/bookmarks/(window|cli)/")
      set(source_layer bookmarks_app)
    endif()
    foreach(line IN LISTS includes)
      string(REGEX REPLACE "^#include \"([a-z_]+)/.*" "\\1" included "${line}")
      if(source_layer STREQUAL "bookmarks" AND line MATCHES "^#include \"bookmarks/(window|cli)/")
        string(APPEND failures "${source}: the bookmarks core may not include ${line}\n")
      elseif(NOT included STREQUAL layer AND NOT included IN_LIST below_${source_layer})
        string(APPEND failures "${source}: the ${layer} layer may not include ${line}\n")
      elseif(NOT layer STREQUAL "store" AND line MATCHES "${store_only}" AND NOT source IN_LIST entry_points)
        string(APPEND failures "${source}: ${line} is the store's own; reach the folder through store/data_folder.h\n")
      endif()
    endforeach()
  endforeach()
endforeach()
if(failures)
  message(FATAL_ERROR "${failures}")
endif()
file(TOUCH "${STAMP}")
