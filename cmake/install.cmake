# cmake --install BUILD --prefix P: the library, the public headers (nothing from any internal
# folder), the CMake package (find_package(bevel CONFIG) -> bevel::toolkit) and bevel.pc.
include(CMakePackageConfigHelpers)

set(BEVEL_CMAKE_DIR ${CMAKE_INSTALL_LIBDIR}/cmake/bevel)

install(TARGETS toolkit EXPORT bevelTargets ARCHIVE DESTINATION ${CMAKE_INSTALL_LIBDIR})
# The public headers include only each other and the standard library; tools/check-package
# builds a program against the installed copy alone, so a new include shows up there.
install(FILES ${PROJECT_SOURCE_DIR}/toolkit/toolkit.h
        DESTINATION ${CMAKE_INSTALL_INCLUDEDIR}/bevel/toolkit)
install(FILES ${PROJECT_SOURCE_DIR}/services/services.h ${PROJECT_SOURCE_DIR}/services/headless.h
              ${PROJECT_SOURCE_DIR}/services/frame_driver.h
        DESTINATION ${CMAKE_INSTALL_INCLUDEDIR}/bevel/services)
install(EXPORT bevelTargets NAMESPACE bevel:: DESTINATION ${BEVEL_CMAKE_DIR})

configure_package_config_file(${CMAKE_CURRENT_LIST_DIR}/bevelConfig.cmake.in
                              ${PROJECT_BINARY_DIR}/bevelConfig.cmake
                              INSTALL_DESTINATION ${BEVEL_CMAKE_DIR})
write_basic_package_version_file(${PROJECT_BINARY_DIR}/bevelConfigVersion.cmake
                                 COMPATIBILITY SameMinorVersion)
install(FILES ${PROJECT_BINARY_DIR}/bevelConfig.cmake ${PROJECT_BINARY_DIR}/bevelConfigVersion.cmake
        DESTINATION ${BEVEL_CMAKE_DIR})

# The prefix is given at install time (--prefix), so bevel.pc finds it from its own place.
file(RELATIVE_PATH BEVEL_PC_TO_PREFIX /${CMAKE_INSTALL_LIBDIR}/pkgconfig /)
string(REGEX REPLACE "/$" "" BEVEL_PC_TO_PREFIX ${BEVEL_PC_TO_PREFIX})
configure_file(${CMAKE_CURRENT_LIST_DIR}/bevel.pc.in ${PROJECT_BINARY_DIR}/bevel.pc @ONLY)
install(FILES ${PROJECT_BINARY_DIR}/bevel.pc DESTINATION ${CMAKE_INSTALL_LIBDIR}/pkgconfig)
