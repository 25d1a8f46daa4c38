# Checks of a built library and of the host program linked against it,
# shared by the in-tree test (ExportsTest.cmake) and the installed one
# (InstallTest.cmake).

# Every function that frame/Exports.h declares is a defined dynamic symbol
# of the shared library: a declaration without a definition, or a name
# hidden by the visibility settings, fails here even when no host calls it.
function(check_exports library exports_header)
  file(STRINGS ${exports_header} lines REGEX "^OVERLAYS_API ")
  execute_process(COMMAND nm -D -C --defined-only ${library}
    OUTPUT_VARIABLE symbols RESULT_VARIABLE status)
  if(NOT status EQUAL 0)
    message(FATAL_ERROR "nm cannot read ${library}")
  endif()
  set(count 0)
  foreach(line IN LISTS lines)
    if(NOT line MATCHES "([A-Za-z_][A-Za-z0-9_]*)\\(")
      message(FATAL_ERROR "cannot read the export: ${line}")
    endif()
    set(name ${CMAKE_MATCH_1})
    if(NOT symbols MATCHES " T ${name}\\(")
      message(FATAL_ERROR "${name} is declared in ${exports_header} but not exported by ${library}")
    endif()
    math(EXPR count "${count} + 1")
  endforeach()
  if(count EQUAL 0)
    message(FATAL_ERROR "no exports found in ${exports_header}")
  endif()
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
