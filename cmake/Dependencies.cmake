find_package(PkgConfig REQUIRED)
find_package(ZLIB REQUIRED)
find_package(PNG REQUIRED)
pkg_check_modules(MINIZIP REQUIRED IMPORTED_TARGET minizip)
# The host's KML normaliser reads KML of any layout with expat.
pkg_check_modules(EXPAT REQUIRED IMPORTED_TARGET expat)
find_package(CLI11 CONFIG REQUIRED)
find_package(nlohmann_json 3 CONFIG REQUIRED)
find_package(Threads REQUIRED)
# libharu renders the list printouts; Debian ships it without a CMake
# config or a pkg-config file.
find_path(HPDF_INCLUDE_DIR hpdf.h)
find_library(HPDF_LIBRARY hpdf)
if(NOT HPDF_INCLUDE_DIR OR NOT HPDF_LIBRARY)
  message(FATAL_ERROR "libharu not found (Debian: libhpdf-dev)")
endif()
add_library(Haru::hpdf UNKNOWN IMPORTED)
set_target_properties(Haru::hpdf PROPERTIES
  IMPORTED_LOCATION ${HPDF_LIBRARY} INTERFACE_INCLUDE_DIRECTORIES ${HPDF_INCLUDE_DIR})
if(OVERLAYS_TESTS)
  find_package(GTest CONFIG REQUIRED)
endif()
if(OVERLAYS_BENCH AND NOT OVERLAYS_SANITIZE)
  find_package(benchmark CONFIG REQUIRED)
endif()
# Peer implementations of the geodesy: oracles for the tests, baselines for
# the benchmarks. The module itself never links them.
if(OVERLAYS_TESTS OR (OVERLAYS_BENCH AND NOT OVERLAYS_SANITIZE))
  pkg_check_modules(GEOGRAPHICLIB REQUIRED IMPORTED_TARGET geographiclib)
  pkg_check_modules(PROJ REQUIRED IMPORTED_TARGET proj)
endif()
