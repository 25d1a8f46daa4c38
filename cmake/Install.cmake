# Installation as a C++ library: the shared and the static library, every
# header under include/overlays/ with its path below src/, the CMake package
# (find_package(overlays): overlays::overlays, overlays::overlays_static) and
# pkg-config files (overlays, overlays-static).
include(CMakePackageConfigHelpers)

# overlays::overlays_static is the whole-archive wrapper, so that a consumer
# cannot link the archive without it; the archive itself is exported under
# another name.
set_target_properties(overlays_static PROPERTIES EXPORT_NAME overlays_archive)
set_target_properties(overlays_module PROPERTIES EXPORT_NAME overlays_static)
install(TARGETS overlays overlays_static overlays_module overlays_headers overlays_usage
  EXPORT overlaysTargets
  LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR}
  ARCHIVE DESTINATION ${CMAKE_INSTALL_LIBDIR})
install(DIRECTORY ${PROJECT_SOURCE_DIR}/src/ DESTINATION ${CMAKE_INSTALL_INCLUDEDIR}/overlays
  FILES_MATCHING PATTERN "*.h")

set(OVERLAYS_CMAKE_DIR ${CMAKE_INSTALL_LIBDIR}/cmake/overlays)
install(EXPORT overlaysTargets NAMESPACE overlays:: DESTINATION ${OVERLAYS_CMAKE_DIR})
configure_package_config_file(${PROJECT_SOURCE_DIR}/cmake/overlaysConfig.cmake.in
  ${PROJECT_BINARY_DIR}/overlaysConfig.cmake INSTALL_DESTINATION ${OVERLAYS_CMAKE_DIR})
# Before 1.0 a minor version may change the interface.
write_basic_package_version_file(${PROJECT_BINARY_DIR}/overlaysConfigVersion.cmake
  COMPATIBILITY SameMinorVersion)
install(FILES ${PROJECT_BINARY_DIR}/overlaysConfig.cmake ${PROJECT_BINARY_DIR}/overlaysConfigVersion.cmake
  DESTINATION ${OVERLAYS_CMAKE_DIR})

# The .pc files find the prefix from their own folder, so that one built
# tree installs correctly to any --prefix.
file(RELATIVE_PATH OVERLAYS_PC_TO_PREFIX /prefix/${CMAKE_INSTALL_LIBDIR}/pkgconfig /prefix)
foreach(pc overlays overlays-static)
  configure_file(${PROJECT_SOURCE_DIR}/cmake/${pc}.pc.in ${PROJECT_BINARY_DIR}/${pc}.pc @ONLY)
  install(FILES ${PROJECT_BINARY_DIR}/${pc}.pc DESTINATION ${CMAKE_INSTALL_LIBDIR}/pkgconfig)
endforeach()
