# libdeflate inflates a whole stream about twice as fast as zlib. It is optional: where
# it is missing (the mingw cross build, for one) the loader uses zlib alone.
# Defines VARNAK_USE_LIBDEFLATE (ON by default when found) and, when ON, the imported
# target Varnak::libdeflate.
include(CheckCXXSourceCompiles)

find_path(VARNAK_LIBDEFLATE_INCLUDE_DIR libdeflate.h)
find_library(VARNAK_LIBDEFLATE_LIBRARY NAMES deflate libdeflate)
set(varnak_libdeflate_found OFF)
if(VARNAK_LIBDEFLATE_INCLUDE_DIR AND VARNAK_LIBDEFLATE_LIBRARY)
  # A library found outside the target's own tree (the host's, in a cross build whose
  # toolchain does not confine the search) does not link: only one that links counts.
  set(CMAKE_REQUIRED_INCLUDES ${VARNAK_LIBDEFLATE_INCLUDE_DIR})
  set(CMAKE_REQUIRED_LIBRARIES ${VARNAK_LIBDEFLATE_LIBRARY})
  check_cxx_source_compiles([[
    #include <libdeflate.h>
    int main() { libdeflate_free_decompressor(libdeflate_alloc_decompressor()); }
  ]] VARNAK_LIBDEFLATE_LINKS)
  unset(CMAKE_REQUIRED_INCLUDES)
  unset(CMAKE_REQUIRED_LIBRARIES)
  if(VARNAK_LIBDEFLATE_LINKS)
    set(varnak_libdeflate_found ON)
  endif()
endif()

option(VARNAK_USE_LIBDEFLATE "Inflate saves with libdeflate, zlib taking over for damaged streams"
       ${varnak_libdeflate_found})
if(VARNAK_USE_LIBDEFLATE)
  if(NOT varnak_libdeflate_found)
    message(FATAL_ERROR "VARNAK_USE_LIBDEFLATE is ON but libdeflate was not found "
                        "(Debian package libdeflate-dev); configure with -DVARNAK_USE_LIBDEFLATE=OFF")
  endif()
  add_library(Varnak::libdeflate UNKNOWN IMPORTED)
  set_target_properties(Varnak::libdeflate PROPERTIES
    IMPORTED_LOCATION ${VARNAK_LIBDEFLATE_LIBRARY}
    INTERFACE_INCLUDE_DIRECTORIES ${VARNAK_LIBDEFLATE_INCLUDE_DIR})
  message(STATUS "Inflating with libdeflate (${VARNAK_LIBDEFLATE_LIBRARY}), zlib for damaged streams")
else()
  message(STATUS "Inflating with zlib alone")
endif()
