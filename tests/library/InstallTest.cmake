# Installs the built tree to a temporary prefix and builds the host there as
# an outside program would: with find_package (shared and static library)
# and with pkg-config (overlays and overlays-static); each one runs.
#   cmake -DBUILD=... -DHOST_SOURCE=... -DPACKAGE=... -DWORK=... -P InstallTest.cmake
include(${CMAKE_CURRENT_LIST_DIR}/HostCheck.cmake)

function(run_or_fail)
  execute_process(COMMAND ${ARGN} RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE out)
  if(NOT status EQUAL 0)
    message(FATAL_ERROR "failed: ${ARGN}\n${out}")
  endif()
endfunction()

file(REMOVE_RECURSE ${WORK})
set(prefix ${WORK}/prefix)
run_or_fail(${CMAKE_COMMAND} --install ${BUILD} --prefix ${prefix})
file(GLOB library ${prefix}/lib*/liboverlays.so ${prefix}/lib/*/liboverlays.so)
file(GLOB pcdir ${prefix}/lib*/pkgconfig ${prefix}/lib/*/pkgconfig)
if(NOT library OR NOT pcdir)
  message(FATAL_ERROR "the install has no liboverlays.so or pkg-config folder")
endif()
check_exports(${library} ${prefix}/include/overlays)
# The installed tool runs its demo on the sample package installed with it,
# not on the one in the build tree.
execute_process(COMMAND ${prefix}/bin/overlays --root ${WORK}/demo demo RESULT_VARIABLE status OUTPUT_VARIABLE out
  ERROR_VARIABLE out)
if(NOT status EQUAL 0 OR NOT out MATCHES "from ${prefix}/share/overlays/" OR NOT out MATCHES "wrecks found: [1-9]")
  message(FATAL_ERROR "the installed overlays demo failed:\n${out}")
endif()

# The installed desktop host draws the coastline installed with it, over the
# demo's sandbox.
if(EXISTS ${prefix}/bin/overlays-desktop)
  set(ENV{QT_QPA_PLATFORM} offscreen)
  execute_process(COMMAND ${prefix}/bin/overlays-desktop --root ${WORK}/demo --screenshot ${WORK}/desktop.png
    RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE out)
  if(NOT status EQUAL 0 OR out MATCHES "overlays-desktop:" OR NOT EXISTS ${WORK}/desktop.png)
    message(FATAL_ERROR "the installed desktop host failed:\n${out}")
  endif()
endif()

run_or_fail(${CMAKE_COMMAND} -S ${CMAKE_CURRENT_LIST_DIR}/consumer -B ${WORK}/consumer -G Ninja
  -DCMAKE_BUILD_TYPE=Release -DCMAKE_PREFIX_PATH=${prefix} -DHOST_SOURCE=${HOST_SOURCE})
run_or_fail(${CMAKE_COMMAND} --build ${WORK}/consumer)
foreach(kind shared static)
  run_host(${WORK}/consumer/host_${kind} "${PACKAGE}" ${WORK}/sandbox)
endforeach()

# pkg-config: one object, linked against each library.
set(ENV{PKG_CONFIG_PATH} ${pcdir})
execute_process(COMMAND pkg-config --cflags overlays OUTPUT_VARIABLE cflags OUTPUT_STRIP_TRAILING_WHITESPACE)
separate_arguments(cflags UNIX_COMMAND "${cflags}")
run_or_fail(c++ ${cflags} -c ${HOST_SOURCE} -o ${WORK}/host.o)
foreach(pc overlays overlays-static)
  execute_process(COMMAND pkg-config --libs ${pc} OUTPUT_VARIABLE libs OUTPUT_STRIP_TRAILING_WHITESPACE)
  separate_arguments(libs UNIX_COMMAND "${libs}")
  get_filename_component(libdir ${library} DIRECTORY)
  run_or_fail(c++ ${WORK}/host.o -o ${WORK}/host-${pc} ${libs} -Wl,-rpath,${libdir})
  run_host(${WORK}/host-${pc} "${PACKAGE}" ${WORK}/sandbox)
endforeach()
file(REMOVE_RECURSE ${WORK})
