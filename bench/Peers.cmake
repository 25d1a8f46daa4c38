# Peers that individual benchmarks compare against, linked to that benchmark
# only.
if(TARGET geodesic_bench)
  target_link_libraries(geodesic_bench PRIVATE PkgConfig::GEOGRAPHICLIB)
endif()
if(TARGET helmert_bench)
  target_link_libraries(helmert_bench PRIVATE PkgConfig::PROJ)
endif()
