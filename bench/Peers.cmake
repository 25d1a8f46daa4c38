# Peers that individual benchmarks compare against, linked to that benchmark
# only.
foreach(bench geodesic_bench places_bench)
  if(TARGET ${bench})
    target_link_libraries(${bench} PRIVATE PkgConfig::GEOGRAPHICLIB)
  endif()
endforeach()
foreach(bench helmert_bench projection_bench grid_shift_bench catalogue_bench)
  if(TARGET ${bench})
    target_link_libraries(${bench} PRIVATE PkgConfig::PROJ)
  endif()
endforeach()
# The NADCON benchmark reads the bundled grids, and PROJ their NTv2 copies.
if(TARGET nadcon_bench)
  target_link_libraries(nadcon_bench PRIVATE PkgConfig::PROJ)
  target_compile_definitions(nadcon_bench PRIVATE OVERLAYS_SOURCE_DIR="${PROJECT_SOURCE_DIR}"
                                                  OVERLAYS_BINARY_DIR="${PROJECT_BINARY_DIR}")
  add_dependencies(nadcon_bench nadcon_ntv2_grids)
endif()
# The grid-shift benchmarks read the bundled grids and the derived OSTN15 one.
if(TARGET datum_grid_bench)
  target_link_libraries(datum_grid_bench PRIVATE PkgConfig::PROJ)
  target_compile_definitions(datum_grid_bench PRIVATE OVERLAYS_BINARY_DIR="${PROJECT_BINARY_DIR}")
  add_dependencies(datum_grid_bench ostn15_grids)
endif()
if(TARGET grid_shift_bench)
  target_compile_definitions(grid_shift_bench PRIVATE OVERLAYS_SOURCE_DIR="${PROJECT_SOURCE_DIR}"
                                                     OVERLAYS_BINARY_DIR="${PROJECT_BINARY_DIR}")
  add_dependencies(grid_shift_bench ostn15_grids)
endif()
# The shapefile benchmark reads the coastline bench/fetch_coastline.sh puts
# in the build tree, with shapelib and GeographicLib as the peer loop.
if(TARGET shape_load_bench)
  target_link_libraries(shape_load_bench PRIVATE PkgConfig::GEOGRAPHICLIB)
  target_compile_definitions(shape_load_bench PRIVATE OVERLAYS_BINARY_DIR="${PROJECT_BINARY_DIR}")
endif()
# The chart's repaint draws the desktop host's chart; shapelib reads the
# coastline for the plain drawing beside it.
if(TARGET chart_render_bench)
  target_link_libraries(chart_render_bench PRIVATE overlays_chart PkgConfig::SHAPELIB)
  target_compile_definitions(chart_render_bench PRIVATE OVERLAYS_BINARY_DIR="${PROJECT_BINARY_DIR}")
endif()
