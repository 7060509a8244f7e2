# Installed layout (cmake --install build --prefix PREFIX) and the Debian package
# (scripts/paket.sh): both programs, the desktop menu entry with its icon, the AppStream
# metainfo, the manual pages, the example project, and the copyright and changelog files.
include(GNUInstallDirs)

set(UMBRARIX_BETREUER "Seed e2dd8211 maintainers <maintainers@users.noreply.c-seed-e2dd8211.example>"
    CACHE STRING "Maintainer of the Debian package (name and address)")

install(TARGETS umbrarix umbrarix-batch RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES paket/de.umbrarix.umbrarix.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES paket/umbrarix.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
install(FILES paket/de.umbrarix.umbrarix.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES beispiele/vorgabe.dat DESTINATION ${CMAKE_INSTALL_DATADIR}/umbrarix/beispiele)
install(FILES paket/copyright DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/umbrarix)
install(FILES paket/lintian-overrides DESTINATION ${CMAKE_INSTALL_DATADIR}/lintian/overrides
        RENAME umbrarix)

# Manual pages and the changelog go in compressed with gzip -9n (no name, no time stamp), as
# Debian wants them, so the same sources give the same package bytes.
find_program(UMBRARIX_GZIP gzip REQUIRED)
set(umbrarix_gepackt)
foreach(quelle umbrarix.1 umbrarix-batch.1 changelog)
    set(ziel ${CMAKE_CURRENT_BINARY_DIR}/paket/${quelle}.gz)
    add_custom_command(OUTPUT ${ziel}
        COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_CURRENT_BINARY_DIR}/paket
        COMMAND ${UMBRARIX_GZIP} -9nc ${CMAKE_CURRENT_SOURCE_DIR}/paket/${quelle} > ${ziel}
        DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/paket/${quelle} VERBATIM)
    list(APPEND umbrarix_gepackt ${ziel})
endforeach()
add_custom_target(umbrarix_paketdateien ALL DEPENDS ${umbrarix_gepackt})
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/paket/umbrarix.1.gz
              ${CMAKE_CURRENT_BINARY_DIR}/paket/umbrarix-batch.1.gz
        DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/paket/changelog.gz DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/umbrarix)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME umbrarix)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "${UMBRARIX_BETREUER}")
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${UMBRARIX_BETREUER}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "shading of a window and a terrace by an awning")
# One string with its own line ends (a CMake list here would put ";" at the start of the
# continuation lines); CPack adds the summary as the first line.
string(CONCAT CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "Umbrarix plans the sun protection of one building facade. For a place, a\n"
    "date and a time it computes the sun's direction, throws the shadows of an\n"
    "awning or overhang, its valance and the wall projections onto the wall and\n"
    "the ground, and reports the shaded share of a window and of a terrace.\n"
    ".\n"
    "Four views and a compass show the scene; day and year runs draw bar\n"
    "diagrams; shading tables can be saved as text or CSV and a data sheet can be\n"
    "printed. The user interface is German.\n"
    ".\n"
    "The command-line program umbrarix-batch writes the same tables, data files,\n"
    "pages and pictures without a window.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# No debug symbols in the package; the build tree keeps them.
set(CPACK_STRIP_FILES ON)
# The libraries come from dpkg-shlibdeps; the fonts the views and pages are measured with and
# Qt's German dialog texts are data packages it cannot see.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation2, qt6-translations-l10n")
include(CPack)
