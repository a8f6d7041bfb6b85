# One source for the launcher's texts: src/ui/strings.txt, lines "ID<TAB>text".
# On Windows it becomes a real STRINGTABLE compiled by windres, on POSIX a compiled-in table.
set(VD_STRING_GENERATOR ${CMAKE_CURRENT_LIST_DIR}/GenerateStrings.cmake)

function(vd_string_table source out_var)
  if(WIN32)
    set(out ${CMAKE_CURRENT_BINARY_DIR}/strings.rc)
    set(mode rc)
  else()
    set(out ${CMAKE_CURRENT_BINARY_DIR}/strings_table.cpp)
    set(mode cpp)
  endif()
  add_custom_command(OUTPUT ${out}
    COMMAND ${CMAKE_COMMAND} -DSOURCE=${source} -DOUTPUT=${out} -DMODE=${mode} -P ${VD_STRING_GENERATOR}
    DEPENDS ${source} ${VD_STRING_GENERATOR}
    COMMENT "Generating the string table")
  if(WIN32)
    set(VD_RESOURCE_FILES ${out} PARENT_SCOPE)
    set(${out_var} "" PARENT_SCOPE)
  else()
    set(${out_var} ${out} PARENT_SCOPE)
  endif()
endfunction()
