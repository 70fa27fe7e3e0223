# add_varnak_test(name SOURCES a.cpp b.cpp DEPS lib1 lib2 [LOCPATH dir])
# One GoogleTest executable per call, registered with ctest test by test. LOCPATH
# makes the locales compiled into that folder available to its tests.
find_package(GTest REQUIRED)
include(GoogleTest)

function(add_varnak_test name)
  cmake_parse_arguments(ARG "" "LOCPATH" "SOURCES;DEPS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE ${ARG_DEPS} GTest::gtest GTest::gtest_main)
  varnak_warnings(${name})
  if(ARG_LOCPATH)
    gtest_discover_tests(${name} DISCOVERY_TIMEOUT 60 NO_PRETTY_VALUES NO_PRETTY_TYPES
                         PROPERTIES ENVIRONMENT "LOCPATH=${ARG_LOCPATH}")
  else()
    gtest_discover_tests(${name} DISCOVERY_TIMEOUT 60 NO_PRETTY_VALUES NO_PRETTY_TYPES)
  endif()
endfunction()
