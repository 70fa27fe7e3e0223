# nlohmann-json and CLI11, both header-only.
#
# Built for another system, their Debian config files would put the build machine's
# /usr/include on the include path, and with it glibc's C headers in place of the
# target's. There the two are taken from a folder of the build tree that holds links to
# their headers and nothing else.
if(NOT CMAKE_CROSSCOMPILING)
  find_package(nlohmann_json 3 REQUIRED)
  find_package(CLI11 REQUIRED)
  return()
endif()

set(VARNAK_HEADER_ONLY ${CMAKE_BINARY_DIR}/header-only)
file(MAKE_DIRECTORY ${VARNAK_HEADER_ONLY})
foreach(entry "nlohmann_json::nlohmann_json|nlohmann|json.hpp" "CLI11::CLI11|CLI|CLI.hpp")
  string(REPLACE "|" ";" entry "${entry}")
  list(GET entry 0 target)
  list(GET entry 1 folder)
  list(GET entry 2 header)
  find_path(VARNAK_${folder}_INCLUDE ${folder}/${header} PATHS /usr/include NO_CMAKE_FIND_ROOT_PATH
            NO_DEFAULT_PATH)
  if(NOT VARNAK_${folder}_INCLUDE)
    message(FATAL_ERROR "${folder}/${header} not found: install nlohmann-json3-dev and libcli11-dev")
  endif()
  file(CREATE_LINK ${VARNAK_${folder}_INCLUDE}/${folder} ${VARNAK_HEADER_ONLY}/${folder} SYMBOLIC)
  if(NOT TARGET ${target})
    add_library(${target} INTERFACE IMPORTED GLOBAL)
    set_target_properties(${target} PROPERTIES INTERFACE_INCLUDE_DIRECTORIES ${VARNAK_HEADER_ONLY})
  endif()
endforeach()
