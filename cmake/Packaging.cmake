# What `cmake --install` puts where, and the Debian package `cpack -G DEB` builds from it. The
# programs find the manual and the example jobs in share/lumora beside their bin folder.
install(DIRECTORY "${PROJECT_SOURCE_DIR}/data/defaults" "${PROJECT_SOURCE_DIR}/data/examples"
                  "${PROJECT_SOURCE_DIR}/data/help"
        DESTINATION "${CMAKE_INSTALL_DATADIR}/lumora")
install(FILES "${PROJECT_SOURCE_DIR}/packaging/lumora.desktop"
        DESTINATION "${CMAKE_INSTALL_DATADIR}/applications")
install(FILES "${PROJECT_SOURCE_DIR}/packaging/lumora.svg"
        DESTINATION "${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps")
install(FILES "${PROJECT_SOURCE_DIR}/README.md" DESTINATION "${CMAKE_INSTALL_DATADIR}/doc/lumora")

set(CPACK_PACKAGE_NAME "lumora")
set(CPACK_PACKAGE_VENDOR "Lumora")
set(CPACK_PACKAGE_VERSION "${PROJECT_VERSION}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Guillotine cutting plans for glass shops")
string(CONCAT CPACK_PACKAGE_DESCRIPTION
       "Lumora plans how a glass shop cuts rectangular glass pieces from stock sheets or\n"
       "coils by guillotine cuts, draws and edits the layouts, writes the report with cost\n"
       "and profit, keeps the leftovers as stock and prints layouts and labels. lumora is\n"
       "the desktop program, lumora-cli runs the same engine from the command line.")
set(CPACK_PACKAGE_CONTACT "Lumora developers <lumora@example.org>")
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION "misc")
set(CPACK_DEBIAN_PACKAGE_PRIORITY "optional")
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://example.org/lumora")
# "Courier New" of the labels and the reports falls back to Liberation Mono, which has its
# metrics; the manual opens in the desktop's browser; Qt's standard dialogs speak the chosen
# language with Qt's own translations.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-liberation, xdg-utils, qt6-translations-l10n")
find_program(LUMORA_DPKG_SHLIBDEPS dpkg-shlibdeps)
if(LUMORA_DPKG_SHLIBDEPS)
  set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
else()
  # Without dpkg-dev the Qt 6 runtime of Debian 12 is named by hand.
  set(CPACK_DEBIAN_PACKAGE_DEPENDS
      "libc6 (>= 2.34), libstdc++6 (>= 12), libgcc-s1, libqt6core6 (>= 6.4), libqt6gui6 (>= 6.4), libqt6widgets6 (>= 6.4), libqt6printsupport6 (>= 6.4), libqt6svg6 (>= 6.4)")
endif()
include(CPack)
