# Installing the program and building a Debian package of it.

install(TARGETS ruvex3d RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${PROJECT_SOURCE_DIR}/packaging/ruvex3d.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)

# The manual page (Indonesian) and the changelog, compressed as Debian keeps
# them; the changelog of a package built here is a native package's
# changelog.gz. The copyright file stays plain, as Debian policy asks.
find_program(GZIP_PROGRAM gzip)
set(ruvex_doc_dir ${CMAKE_INSTALL_DATADIR}/doc/ruvex3d)
set(ruvex_compressed_files "")
function(ruvex_install_compressed source name destination)
    if(NOT GZIP_PROGRAM)
        install(FILES ${source} DESTINATION ${destination} RENAME ${name})
        return()
    endif()
    set(output ${CMAKE_BINARY_DIR}/${name}.gz)
    add_custom_command(OUTPUT ${output}
                       COMMAND ${GZIP_PROGRAM} -9 -n -c ${source} > ${output}
                       DEPENDS ${source}
                       COMMENT "Compressing ${name}")
    install(FILES ${output} DESTINATION ${destination})
    set(ruvex_compressed_files ${ruvex_compressed_files} ${output} PARENT_SCOPE)
endfunction()
ruvex_install_compressed(${PROJECT_SOURCE_DIR}/packaging/ruvex3d.1 ruvex3d.1 ${CMAKE_INSTALL_MANDIR}/man1)
ruvex_install_compressed(${PROJECT_SOURCE_DIR}/packaging/changelog changelog ${ruvex_doc_dir})
add_custom_target(compressed_docs ALL DEPENDS ${ruvex_compressed_files})
install(FILES ${PROJECT_SOURCE_DIR}/packaging/copyright DESTINATION ${ruvex_doc_dir})

# Only what is installed is built for the package: the install step does not
# build everything first (the tests and benchmarks took minutes), and CPack
# builds this target before it installs. `cmake --install` builds nothing
# either way.
set(CMAKE_SKIP_INSTALL_ALL_DEPENDENCY TRUE)
add_custom_target(package_files)
add_dependencies(package_files ruvex3d compressed_docs desktop_icons)
set(CPACK_INSTALL_COMMANDS "${CMAKE_COMMAND} --build ${CMAKE_BINARY_DIR} --target package_files")

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME ruvex3d)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "RUVEX Display 3D: a teaching viewer for solids of analytic geometry")
# The shapes by the captions of their buttons; the last line is Indonesian,
# the language of the program.
string(CONCAT CPACK_PACKAGE_DESCRIPTION
    "Turns fifteen solids and surfaces of analytic geometry as wireframes: the classical\n"
    "solids sphere, ellipsoid, hyperboloid, cone, paraboloid, half sphere and cylinder with\n"
    "their definitions, and hyperboloid, flat surface, sine wave, bendy blades, paraboloid,\n"
    "semi-sphere, torus and wheel. Pictures can be saved as BMP, PNG or SVG.\n"
    ".\n"
    "Memutar kerangka lima belas bangun ruang: Bola, Ellipsoida, Hyperboloida, Kerucut,\n"
    "Paraboloida, Setengah Bola, Tabung, Hyperboloid, Flat surface, Sine wave, Bendy blades,\n"
    "Parabloid, Semi-sphere, Torus dan Wheel, dengan definisinya dalam bahasa Indonesia.")
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
