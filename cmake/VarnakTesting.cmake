# add_varnak_test(name SOURCES a.cpp b.cpp DEPS lib1 lib2 [LOCPATH dir])
# One GoogleTest executable per call, registered with ctest test by test. LOCPATH
# makes the locales compiled into that folder available to its tests.
#
# Built for another system (Windows, with mingw-w64), GoogleTest comes from Debian's
# sources (package googletest), built here by the cross compiler; each test program is
# then one ctest test run under the emulator, since listing its cases would start
# every program once more under Wine.
if(CMAKE_CROSSCOMPILING)
  set(VARNAK_GTEST_SOURCE /usr/src/googletest/googletest CACHE PATH "GoogleTest's sources")
  set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
  add_subdirectory(${VARNAK_GTEST_SOURCE} ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
else()
  find_package(GTest REQUIRED)
  include(GoogleTest)
endif()

function(add_varnak_test name)
  cmake_parse_arguments(ARG "" "LOCPATH" "SOURCES;DEPS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE ${ARG_DEPS} GTest::gtest GTest::gtest_main)
  varnak_warnings(${name})
  if(WIN32)
    # Tests keep whole models (1 MiB each) on the stack, which Linux gives 8 MiB and
    # Windows 1 MiB; the programs keep theirs on the heap and keep the default.
    target_link_options(${name} PRIVATE -Wl,--stack,8388608)
  endif()
  if(CMAKE_CROSSCOMPILING)
    add_test(NAME ${name} COMMAND ${name})
  elseif(ARG_LOCPATH)
    gtest_discover_tests(${name} DISCOVERY_TIMEOUT 60 NO_PRETTY_VALUES NO_PRETTY_TYPES
                         PROPERTIES ENVIRONMENT "LOCPATH=${ARG_LOCPATH}")
  else()
    gtest_discover_tests(${name} DISCOVERY_TIMEOUT 60 NO_PRETTY_VALUES NO_PRETTY_TYPES)
  endif()
endfunction()
