# The one place for warning flags. Every target of the project calls varnak_warnings().
add_library(varnak_warnings INTERFACE)
target_compile_options(varnak_warnings INTERFACE
  -Wall -Wextra -Wpedantic -Wshadow -Wconversion -Wsign-conversion
  -Wnon-virtual-dtor -Woverloaded-virtual -Wimplicit-fallthrough)

function(varnak_warnings target)
  target_link_libraries(${target} PRIVATE varnak_warnings)
endfunction()
