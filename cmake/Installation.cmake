# Installed layout (cmake --install build --prefix PREFIX) and the Debian package
# (cd build && cpack -G DEB): both programs, the desktop menu entry with its icon, the
# AppStream metainfo, the manual page of umbrarix-batch and the example project.
include(GNUInstallDirs)

install(TARGETS umbrarix umbrarix-batch RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES paket/de.umbrarix.Umbrarix.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES paket/umbrarix.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
install(FILES paket/de.umbrarix.Umbrarix.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES paket/umbrarix-batch.1 DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES beispiele/vorgabe.dat DESTINATION ${CMAKE_INSTALL_DATADIR}/umbrarix/beispiele)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME umbrarix)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "Umbrarix <umbrarix@localhost>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
    "Verschattung von Fenster und Terrasse durch Markise und Mauervorsprünge")
set(CPACK_PACKAGE_DESCRIPTION
    "Umbrarix computes the sun's direction for a place, a date and a time, throws the shadows\n"
    "of an awning, its valance and the wall projections onto the wall and the ground and\n"
    "reports the shaded share of a window and a terrace (German user interface).\n"
    "umbrarix-batch writes the same tables, files and pages without a window.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION science)
# The libraries come from dpkg-shlibdeps; the fonts the views and pages are measured with and
# Qt's German dialog texts are data packages it cannot see.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation2, qt6-translations-l10n")
include(CPack)
