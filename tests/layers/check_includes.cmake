# The compiler looks for a quoted include beside the including file before the include roots,
# so "../x.hpp" or an absolute path would reach past the layer roots. No layer source may use
# either; includes name root-relative paths ("core/json/lexer.hpp", "indicators/...").
file(GLOB_RECURSE files ${SOURCE_DIR}/core/*.hpp ${SOURCE_DIR}/core/*.cpp
     ${SOURCE_DIR}/src/*.hpp ${SOURCE_DIR}/src/*.cpp ${SOURCE_DIR}/module/*.cpp)
set(bad "")
foreach(f IN LISTS files)
  file(STRINGS ${f} lines REGEX "^[ \t]*#[ \t]*include[ \t]*\"(/|[^\"]*\\.\\./)")
  foreach(line IN LISTS lines)
    string(APPEND bad "\n  ${f}: ${line}")
  endforeach()
endforeach()
if(bad)
  message(FATAL_ERROR "includes past the layer roots:${bad}")
endif()
