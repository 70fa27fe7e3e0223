# add_varnak_test(name SOURCES a.cpp b.cpp DEPS lib1 lib2)
# One GoogleTest executable per call, registered with ctest test by test.
find_package(GTest REQUIRED)
include(GoogleTest)

function(add_varnak_test name)
  cmake_parse_arguments(ARG "" "" "SOURCES;DEPS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE ${ARG_DEPS} GTest::gtest GTest::gtest_main)
  varnak_warnings(${name})
  gtest_discover_tests(${name} DISCOVERY_TIMEOUT 60 NO_PRETTY_VALUES NO_PRETTY_TYPES)
endfunction()
