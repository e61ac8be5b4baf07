# Installing Pinewick like a desktop program (GNUInstallDirs), and the .deb.
#
# bin/pinewick, the generated data read-only in share/pinewick/Data (the
# default decoration as its desc), the desktop entry, icons, AppStream
# metadata and the man page. The user's own decoration is never installed:
# the program copies the default into ~/.local/share/pinewick on first start.
set(CMAKE_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ
    GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
set(pw_app_id org.pinewick.Pinewick)
set(pw_packaging ${CMAKE_SOURCE_DIR}/packaging)

install(TARGETS pinewick RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})

install(DIRECTORY ${PINEWICK_DATA_DIR}/ DESTINATION ${CMAKE_INSTALL_DATADIR}/pinewick/Data
        FILE_PERMISSIONS OWNER_READ OWNER_WRITE GROUP_READ WORLD_READ
        REGEX "/desc$" EXCLUDE REGEX "~~~$" EXCLUDE REGEX "/\\.[^/]*$" EXCLUDE)
install(FILES ${PINEWICK_DATA_DIR}/desc.default DESTINATION ${CMAKE_INSTALL_DATADIR}/pinewick/Data RENAME desc)

foreach(size 16 32 48 64 128 256)
  install(FILES ${PINEWICK_DATA_DIR}/Resource/Icon${size}.png
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps RENAME ${pw_app_id}.png)
endforeach()
install(FILES ${pw_packaging}/${pw_app_id}.svg DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
install(FILES ${pw_packaging}/${pw_app_id}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${pw_packaging}/${pw_app_id}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)

# The outbox's sender while Pinewick is closed: a systemd user timer, turned on
# while cards wait, and at login where there is no systemd user session an
# autostart entry (which such a session skips).
install(FILES ${pw_packaging}/pinewick-outbox.service ${pw_packaging}/pinewick-outbox.timer
        DESTINATION lib/systemd/user)
install(FILES ${pw_packaging}/${pw_app_id}.Outbox.desktop DESTINATION /etc/xdg/autostart)

# Man page and changelog compressed as Debian wants them (gzip -9n: no name, no time).
set(pw_gz ${CMAKE_BINARY_DIR}/packaging)
add_custom_command(
  OUTPUT ${pw_gz}/pinewick.6.gz ${pw_gz}/changelog.gz
  COMMAND ${CMAKE_COMMAND} -E make_directory ${pw_gz}
  COMMAND sh -c "gzip -9n -c '${pw_packaging}/pinewick.6' > '${pw_gz}/pinewick.6.gz'"
  COMMAND sh -c "gzip -9n -c '${pw_packaging}/changelog' > '${pw_gz}/changelog.gz'"
  DEPENDS ${pw_packaging}/pinewick.6 ${pw_packaging}/changelog
  VERBATIM)
add_custom_target(packaging_docs ALL DEPENDS ${pw_gz}/pinewick.6.gz ${pw_gz}/changelog.gz)
install(FILES ${pw_gz}/pinewick.6.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man6)
install(FILES ${pw_gz}/changelog.gz ${pw_packaging}/copyright DESTINATION ${CMAKE_INSTALL_DOCDIR})

# make package: a .deb whose dependencies come from dpkg-shlibdeps, plus the
# parts that are loaded at run time rather than linked.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME pinewick)
set(CPACK_PACKAGE_VENDOR "The Pinewick developers")
set(CPACK_PACKAGE_CONTACT "The Pinewick developers <developers@pinewick.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "decorate a 3D Christmas tree and send it as a greeting")
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "Pinewick shows a fir tree in 3D in a small skinned window. Drag ornaments\n"
    "onto its branches, turn it, type a greeting in the font and colour you\n"
    "like, listen to carols, and send the decorated tree by e-mail or print it.")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION graphics)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Fonts: the default greeting is written in Dancing Script and the dialogs in
# Liberation Sans, so a fresh install looks as the build does; the other faces
# of the greeting's font list are recommended.
string(CONCAT CPACK_DEBIAN_PACKAGE_DEPENDS
    "qt6-qpa-plugins, libgl1-mesa-dri, libegl-mesa0, timgm6mb-soundfont | fluid-soundfont-gm, fonts-dejavu-core, "
    "fonts-dancingscript, fonts-liberation2, libjs-three")
string(CONCAT CPACK_DEBIAN_PACKAGE_RECOMMENDS
    "qt6-wayland, qt6-image-formats-plugins, xdg-utils, fonts-dejavu-extra, fonts-lobster, fonts-comfortaa, "
    "fonts-ebgaramond, fonts-linuxlibertine")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
# The autostart entry lies in /etc: the administrator's changes to it are kept.
set(CPACK_DEBIAN_PACKAGE_CONTROL_EXTRA ${pw_packaging}/conffiles)
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
include(CPack)
