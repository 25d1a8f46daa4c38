# Checks of a built library and of the host program linked against it,
# shared by the in-tree test (ExportsTest.cmake) and the installed one
# (InstallTest.cmake).

# Every function that frame/Exports.h declares is a defined dynamic symbol
# of the shared library, and so is some member of every class any header
# marks OVERLAYS_API: a declaration without a definition, or a name hidden
# by the visibility settings, fails here even when no host calls it.
function(check_exports library header_root)
  execute_process(COMMAND nm -D -C --defined-only ${library}
    OUTPUT_VARIABLE symbols RESULT_VARIABLE status)
  if(NOT status EQUAL 0)
    message(FATAL_ERROR "nm cannot read ${library}")
  endif()
  file(STRINGS ${header_root}/frame/Exports.h functions REGEX "^OVERLAYS_API ")
  if(NOT functions)
    message(FATAL_ERROR "no exports found in ${header_root}/frame/Exports.h")
  endif()
  foreach(line IN LISTS functions)
    if(NOT line MATCHES "([A-Za-z_][A-Za-z0-9_]*)\\(")
      message(FATAL_ERROR "cannot read the export: ${line}")
    endif()
    if(NOT symbols MATCHES " T ${CMAKE_MATCH_1}\\(")
      message(FATAL_ERROR "${CMAKE_MATCH_1} is declared in frame/Exports.h but not exported by ${library}")
    endif()
  endforeach()
  file(GLOB_RECURSE headers ${header_root}/*.h)
  foreach(header IN LISTS headers)
    file(STRINGS ${header} classes REGEX "^(class|struct) OVERLAYS_API ")
    foreach(line IN LISTS classes)
      string(REGEX REPLACE "^(class|struct) OVERLAYS_API ([A-Za-z_0-9]+).*" "\\2" name "${line}")
      if(NOT symbols MATCHES "[ :]${name}::")
        message(FATAL_ERROR "${name} (${header}) is marked OVERLAYS_API but ${library} exports none of it")
      endif()
    endforeach()
  endforeach()
endfunction()

# Runs the host on a fresh sandbox: the package in the download folder, its
# contents unpacked into the wrecks data folder.
function(run_host host package sandbox)
  file(REMOVE_RECURSE ${sandbox})
  file(MAKE_DIRECTORY "${sandbox}/C/Navlore Download" "${sandbox}/C/MyData/Wrecks")
  file(COPY "${package}" DESTINATION "${sandbox}/C/Navlore Download")
  execute_process(COMMAND ${CMAKE_COMMAND} -E tar xf "${package}"
    WORKING_DIRECTORY "${sandbox}/C/MyData/Wrecks" RESULT_VARIABLE status)
  if(NOT status EQUAL 0)
    message(FATAL_ERROR "cannot unpack ${package}")
  endif()
  execute_process(COMMAND ${host} ${sandbox} RESULT_VARIABLE status)
  if(NOT status EQUAL 0)
    message(FATAL_ERROR "${host} failed (${status})")
  endif()
  file(REMOVE_RECURSE ${sandbox})
endfunction()
