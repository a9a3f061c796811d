# Installing the program and building a Debian package of it.

install(TARGETS ruvex3d RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${PROJECT_SOURCE_DIR}/packaging/ruvex3d.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)

# The manual page (Indonesian), compressed as Debian keeps manual pages.
find_program(GZIP_PROGRAM gzip)
if(GZIP_PROGRAM)
    add_custom_command(OUTPUT ${CMAKE_BINARY_DIR}/ruvex3d.1.gz
                       COMMAND ${GZIP_PROGRAM} -9 -n -c ${PROJECT_SOURCE_DIR}/packaging/ruvex3d.1
                               > ${CMAKE_BINARY_DIR}/ruvex3d.1.gz
                       DEPENDS ${PROJECT_SOURCE_DIR}/packaging/ruvex3d.1
                       COMMENT "Compressing the manual page")
    add_custom_target(manual_page ALL DEPENDS ${CMAKE_BINARY_DIR}/ruvex3d.1.gz)
    install(FILES ${CMAKE_BINARY_DIR}/ruvex3d.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
else()
    install(FILES ${PROJECT_SOURCE_DIR}/packaging/ruvex3d.1 DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
endif()

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME ruvex3d)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "RUVEX Display 3D: a teaching viewer for solids of analytic geometry")
set(CPACK_PACKAGE_DESCRIPTION
    "Turns the classical solids of analytic geometry (sphere, ellipsoids, hyperboloid, cone,\n paraboloid, half sphere, cylinder) as wireframes, with their definitions in Indonesian.")
set(CPACK_PACKAGE_CONTACT "RUVEX Display 3D developers <dev@ruvex.example.com>")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION education)
# The libraries come from what the program links; the fonts are what its
# texts were laid out with.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation")
set(CPACK_STRIP_FILES ON)
# Only the program's own files, not the test or benchmark targets.
set(CPACK_INSTALL_CMAKE_PROJECTS "${CMAKE_BINARY_DIR};${PROJECT_NAME};ALL;/")
include(CPack)
