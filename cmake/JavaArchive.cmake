# Java archives built with the machine's Java tool chain: the verification class and the demo
# application. Compiled for Java 8 when this javac can target it, so that old JVMs run them.
# Without javac or jar, VD_JAVA_FOUND is false and callers build nothing.
find_program(VD_JAVAC javac)
find_program(VD_JAR jar)
set(VD_JAVA_FOUND TRUE)
if(NOT VD_JAVAC OR NOT VD_JAR)
  set(VD_JAVA_FOUND FALSE)
  message(STATUS "javac or jar not found: no Java archives are built")
  return()
endif()

execute_process(COMMAND ${VD_JAVAC} --release 8 -version
                RESULT_VARIABLE release_unsupported OUTPUT_QUIET ERROR_QUIET)
set(VD_JAVAC_FLAGS)
if(release_unsupported EQUAL 0)
  set(VD_JAVAC_FLAGS --release 8 -Xlint:-options)
endif()

# vd_add_jar(TARGET JAR SOURCES file... [CLASS_PATH jar...] [COPY_TO file])
# Compiles SOURCES (against the archives of CLASS_PATH) into JAR, built by TARGET; COPY_TO puts
# a copy of the archive there too.
function(vd_add_jar target jar)
  cmake_parse_arguments(arg "" "COPY_TO" "SOURCES;CLASS_PATH" ${ARGN})
  set(classes ${CMAKE_CURRENT_BINARY_DIR}/${target}.classes)
  set(class_path_flags)
  if(arg_CLASS_PATH)
    if(CMAKE_HOST_WIN32)
      string(JOIN "\\;" class_path ${arg_CLASS_PATH})
    else()
      string(JOIN ":" class_path ${arg_CLASS_PATH})
    endif()
    set(class_path_flags -cp ${class_path})
  endif()
  set(outputs ${jar})
  set(copy_command)
  if(arg_COPY_TO)
    list(APPEND outputs ${arg_COPY_TO})
    set(copy_command COMMAND ${CMAKE_COMMAND} -E copy ${jar} ${arg_COPY_TO})
  endif()
  get_filename_component(jar_name ${jar} NAME)
  add_custom_command(
    OUTPUT ${outputs}
    COMMAND ${CMAKE_COMMAND} -E rm -rf ${classes}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${classes}
    COMMAND ${VD_JAVAC} ${VD_JAVAC_FLAGS} ${class_path_flags} -d ${classes} ${arg_SOURCES}
    COMMAND ${VD_JAR} cf ${jar} -C ${classes} .
    ${copy_command}
    DEPENDS ${arg_SOURCES} ${arg_CLASS_PATH}
    COMMENT "Building ${jar_name}"
    VERBATIM)
  add_custom_target(${target} ALL DEPENDS ${outputs})
endfunction()
