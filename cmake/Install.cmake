# What `cmake --install` puts where, the CMake package and pkg-config file
# that find it, and the .deb that `cpack -G DEB` makes of it.
include(CMakePackageConfigHelpers)

set(LUMO_CMAKE_DIR ${CMAKE_INSTALL_LIBDIR}/cmake/LumoAction)

install(TARGETS lumo_action_shared EXPORT LumoActionTargets
        LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR})
set_target_properties(lumo_action_shared PROPERTIES EXPORT_NAME lumo-action)
install(TARGETS lumo-action RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(DIRECTORY src/capi/include/lumo DESTINATION ${CMAKE_INSTALL_INCLUDEDIR})

# The C++ interface for C++ hosts: clsActionIC with Dictionary, Vector,
# Variant and what they include, and the default host components, under
# include/lumo/, with the static libraries behind them (the package's
# LumoAction::component).
set(LUMO_CXX_INCLUDE_DIR ${CMAKE_INSTALL_INCLUDEDIR}/lumo)
set(LUMO_ARCHIVE_DIR ${CMAKE_INSTALL_LIBDIR}/lumo-action)
foreach(root platform collections core hostapi hosting)
  install(DIRECTORY src/${root}/include/${root} DESTINATION ${LUMO_CXX_INCLUDE_DIR})
endforeach()
install(DIRECTORY src/host/components/include/host DESTINATION ${LUMO_CXX_INCLUDE_DIR})
install(TARGETS lumo_hosting lumo_host_viewers lumo_host_ui lumo_host_components lumo_host_data
                lumo_component lumo_collections lumo_platform
        ARCHIVE DESTINATION ${LUMO_ARCHIVE_DIR})

install(FILES data/schema.sql data/demo.sql DESTINATION ${CMAKE_INSTALL_DATADIR}/lumo-action)

install(EXPORT LumoActionTargets NAMESPACE LumoAction:: DESTINATION ${LUMO_CMAKE_DIR})
configure_package_config_file(cmake/LumoActionConfig.cmake.in
                              ${PROJECT_BINARY_DIR}/LumoActionConfig.cmake
                              INSTALL_DESTINATION ${LUMO_CMAKE_DIR}
                              PATH_VARS LUMO_CXX_INCLUDE_DIR LUMO_ARCHIVE_DIR)
write_basic_package_version_file(${PROJECT_BINARY_DIR}/LumoActionConfigVersion.cmake
                                 COMPATIBILITY SameMajorVersion)
install(FILES ${PROJECT_BINARY_DIR}/LumoActionConfig.cmake
              ${PROJECT_BINARY_DIR}/LumoActionConfigVersion.cmake DESTINATION ${LUMO_CMAKE_DIR})

# The pkg-config file finds the prefix from where it lies, so a tree
# installed with --prefix elsewhere is found all the same.
file(RELATIVE_PATH LUMO_PC_PREFIX_FROM_PCDIR /${CMAKE_INSTALL_LIBDIR}/pkgconfig /)
string(REGEX REPLACE "/$" "" LUMO_PC_PREFIX_FROM_PCDIR "${LUMO_PC_PREFIX_FROM_PCDIR}")
configure_file(cmake/lumo-action.pc.in ${PROJECT_BINARY_DIR}/lumo-action.pc @ONLY)
install(FILES ${PROJECT_BINARY_DIR}/lumo-action.pc DESTINATION ${CMAKE_INSTALL_LIBDIR}/pkgconfig)

set(CPACK_PACKAGE_NAME lumo-action)
set(CPACK_PACKAGE_VENDOR "LumoClassActionIC")
set(CPACK_PACKAGE_CONTACT "LumoClassActionIC developers <lumo-action@localhost>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
    "Purchasing and inventory action component: library, C and C++ headers, lumo-action")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION libs)
# The Depends are read off the library and program by dpkg-shlibdeps.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_GENERATE_SHLIBS ON)
include(CPack)
