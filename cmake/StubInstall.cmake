# Installs a stub executable into lib/vdlauncher under the name vdpack looks for it by:
# NAME on Linux, NAME-win64.exe or NAME-win32.exe for the Windows builds.
function(vd_install_stub target name)
  if(NOT WIN32)
    set(file_name ${name})
  elseif(CMAKE_SIZEOF_VOID_P EQUAL 8)
    set(file_name ${name}-win64.exe)
  else()
    set(file_name ${name}-win32.exe)
  endif()
  install(PROGRAMS $<TARGET_FILE:${target}> DESTINATION lib/vdlauncher RENAME ${file_name})
endfunction()
