find_package(PkgConfig REQUIRED)
find_package(ZLIB REQUIRED)
find_package(PNG REQUIRED)
pkg_check_modules(MINIZIP REQUIRED IMPORTED_TARGET minizip)
# shapelib reads the shapefile overlays (.shp, .shx, .dbf).
pkg_check_modules(SHAPELIB REQUIRED IMPORTED_TARGET shapelib)
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
# The NADCON oracle grids are made by GDAL's Python binding (python3-gdal),
# which Debian installs for its own interpreter.
if(OVERLAYS_TESTS OR (OVERLAYS_BENCH AND NOT OVERLAYS_SANITIZE))
  find_program(OVERLAYS_DEBIAN_PYTHON3 python3 PATHS /usr/bin NO_DEFAULT_PATH REQUIRED)
  execute_process(COMMAND ${OVERLAYS_DEBIAN_PYTHON3} -c "import osgeo.gdal"
                  RESULT_VARIABLE gdal_python_missing OUTPUT_QUIET ERROR_QUIET)
  if(gdal_python_missing)
    message(FATAL_ERROR "GDAL's Python binding not found (Debian: python3-gdal)")
  endif()
endif()
# Qt 6 gives the window system real windows (liboverlays_qt) and draws the
# desktop host. Optional: the module and the command-line host never link
# it, and the sanitizer and fuzzing trees leave it out, since the Debian Qt
# libraries are not instrumented.
if(NOT OVERLAYS_SANITIZE AND NOT OVERLAYS_FUZZ)
  find_package(Qt6 6.4 QUIET COMPONENTS Widgets Gui Test)
endif()
include(CMakeDependentOption)
cmake_dependent_option(OVERLAYS_QT "Build the Qt 6 backend and the desktop host" ON
                       "Qt6Widgets_FOUND;Qt6Test_FOUND" OFF)
