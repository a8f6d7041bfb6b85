# One source for the launcher's texts: src/ui/strings.txt (English, lines "ID<TAB>text") and the
# translations listed in src/ui/languages.txt. On Windows they become the launcher's resources
# (string tables and progress dialogs in every language, icon, manifest, version information)
# compiled by windres; on POSIX compiled-in tables.
set(VD_STRING_GENERATOR ${CMAKE_CURRENT_LIST_DIR}/GenerateStrings.cmake)

function(vd_string_table source out_var)
  get_filename_component(ui_dir ${source} DIRECTORY)
  file(GLOB translations CONFIGURE_DEPENDS ${ui_dir}/translations/*.txt)
  set(inputs ${source} ${ui_dir}/languages.txt ${translations} ${VD_STRING_GENERATOR})
  if(WIN32)
    set(out ${CMAKE_CURRENT_BINARY_DIR}/strings.rc)
    set(mode rc)
    list(APPEND inputs ${ui_dir}/progress_dialogs.rc.in ${ui_dir}/launcher.manifest
         ${ui_dir}/icon/launcher.ico)
  else()
    set(out ${CMAKE_CURRENT_BINARY_DIR}/strings_table.cpp)
    set(mode cpp)
  endif()
  add_custom_command(OUTPUT ${out}
    COMMAND ${CMAKE_COMMAND} -DSOURCE=${source} -DOUTPUT=${out} -DMODE=${mode}
            -DVERSION=${PROJECT_VERSION} -P ${VD_STRING_GENERATOR}
    DEPENDS ${inputs}
    COMMENT "Generating the string table and resources")
  if(WIN32)
    # windres does not know that the resources read the icon and the manifest.
    set_source_files_properties(${out} PROPERTIES OBJECT_DEPENDS
      "${ui_dir}/icon/launcher.ico;${ui_dir}/launcher.manifest")
    set(VD_RESOURCE_FILES ${out} PARENT_SCOPE)
    set(${out_var} "" PARENT_SCOPE)
  else()
    set(${out_var} ${out} PARENT_SCOPE)
  endif()
endfunction()
