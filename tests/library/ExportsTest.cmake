# The in-tree shared library: its exports, and the host linked against it.
#   cmake -DLIBRARY=... -DHEADERS=... -DHOST=... -DPACKAGE=... -DWORK=... -P ExportsTest.cmake
include(${CMAKE_CURRENT_LIST_DIR}/HostCheck.cmake)
check_exports(${LIBRARY} ${HEADERS})
run_host(${HOST} "${PACKAGE}" ${WORK}/sandbox)
