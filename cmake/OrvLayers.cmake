# A layer is a static library whose headers its own code and the layers above
# it reach through a folder of links to exactly those headers; the source tree
# itself is not on their include path, so a header of a higher layer is never
# found and including one fails to compile.

# orv_layer_headers(<target> <header>...): headers relative to this folder or absolute.
function(orv_layer_headers name)
  set(view ${PROJECT_BINARY_DIR}/layers/${name})
  # Links of headers that left the layer must not linger.
  file(REMOVE_RECURSE ${view})
  foreach(header IN LISTS ARGN)
    cmake_path(ABSOLUTE_PATH header BASE_DIRECTORY ${CMAKE_CURRENT_SOURCE_DIR})
    cmake_path(RELATIVE_PATH header BASE_DIRECTORY ${PROJECT_SOURCE_DIR} OUTPUT_VARIABLE path)
    cmake_path(GET path PARENT_PATH folder)
    file(MAKE_DIRECTORY ${view}/${folder})
    file(CREATE_LINK ${header} ${view}/${path} SYMBOLIC)
  endforeach()
  target_include_directories(${name} PUBLIC ${view})
endfunction()

# orv_layer(<target> LINKS <lower layer>... HEADERS <header>... SOURCES <source>...)
function(orv_layer name)
  cmake_parse_arguments(PARSE_ARGV 1 arg "" "" "LINKS;HEADERS;SOURCES")
  # Absolute, so that the fuzz build can compile the same files once more.
  list(TRANSFORM arg_SOURCES PREPEND ${CMAKE_CURRENT_SOURCE_DIR}/)
  add_library(${name} STATIC ${arg_SOURCES})
  target_link_libraries(${name} PUBLIC orv_common ${arg_LINKS})
  orv_layer_headers(${name} ${arg_HEADERS})
endfunction()
