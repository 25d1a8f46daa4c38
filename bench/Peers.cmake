# Peers that individual benchmarks compare against, linked to that benchmark
# only.
foreach(bench geodesic_bench places_bench)
  if(TARGET ${bench})
    target_link_libraries(${bench} PRIVATE PkgConfig::GEOGRAPHICLIB)
  endif()
endforeach()
foreach(bench helmert_bench projection_bench catalogue_bench)
  if(TARGET ${bench})
    target_link_libraries(${bench} PRIVATE PkgConfig::PROJ)
  endif()
endforeach()
