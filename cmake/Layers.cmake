# A layer of the program: a static library built from one folder. Each layer
# has an include root of its own in the build tree that holds only its
# folder, so the headers of a layer reach the layers above it and no others:
# an include that runs up the layers finds no file.
function(zi_layer name)
  cmake_parse_arguments(ARG "" "" "SOURCES;DEPENDS" ${ARGN})
  set(root "${CMAKE_BINARY_DIR}/include-roots/${name}")
  file(MAKE_DIRECTORY "${root}")
  file(CREATE_LINK "${CMAKE_CURRENT_SOURCE_DIR}" "${root}/${name}" SYMBOLIC)
  add_library(zi_${name} STATIC ${ARG_SOURCES})
  target_include_directories(zi_${name} PUBLIC "${root}")
  target_link_libraries(zi_${name} PUBLIC ${ARG_DEPENDS})
  zi_warnings(zi_${name})
endfunction()
