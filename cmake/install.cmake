# cmake --install: the programs live together with default.tw and Radio.INI in lib/qv730 (their
# application folder), with links in bin, a menu entry and an icon.
include(GNUInstallDirs)
set(QV730_APP_DIR ${CMAKE_INSTALL_LIBDIR}/qv730)

foreach(program qv730 qv730-cli qv730-radiosim)
    if(TARGET ${program})
        install(TARGETS ${program} RUNTIME DESTINATION ${QV730_APP_DIR})
        install(CODE "
            file(MAKE_DIRECTORY \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}\")
            file(CREATE_LINK \"../${QV730_APP_DIR}/${program}\"
                 \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}/${program}\" SYMBOLIC)")
    endif()
endforeach()

install(FILES ${QV730_RESOURCES_DIR}/default.tw ${QV730_RESOURCES_DIR}/Radio.INI
        DESTINATION ${QV730_APP_DIR})
install(FILES ${QV730_RESOURCES_DIR}/qv730.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${QV730_RESOURCES_DIR}/qv730.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
install(FILES ${QV730_RESOURCES_DIR}/qv730.png
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/256x256/apps)
# The MIME type of *.tw files; the menu entry declares it, so a file manager opens them here.
install(FILES ${QV730_RESOURCES_DIR}/qv730-mime.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages RENAME qv730.xml)

# Programming cables on Linux: the logged-in user may open the common USB-serial adapters and
# the modem manager leaves them alone. udev reads /usr/lib/udev/rules.d, whatever the prefix.
if(UNIX AND NOT APPLE)
    install(FILES ${QV730_RESOURCES_DIR}/60-qv730-programming-cable.rules
            DESTINATION lib/udev/rules.d)
endif()

# cpack -G DEB: a Debian package installing all of the above under /usr. Its run-time
# dependencies are the ones dpkg-shlibdeps finds in the programs. Build it from a Release
# configuration: a sanitizer build would depend on the sanitizer libraries.
set(CPACK_PACKAGE_NAME qv730)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Programming software for the QV-730 two-way radio")
set(CPACK_PACKAGE_DESCRIPTION
    "Reads the channels and settings of a QV-730 hand-held radio over a serial cable, edits them,\
 keeps them in .tw files, prints the channel list and writes the radio. English and Chinese.\
 With qv730-cli, a command-line companion, and qv730-radiosim, a virtual radio.\
 A udev rule lets the logged-in user open the common USB-serial programming cables (CH340,\
 PL2303, FTDI, CP210x) without joining the dialout group, and tells the modem manager to\
 leave them alone.")
set(CPACK_PACKAGE_CONTACT "QV-730 software maintainers <maintainers@qv730.invalid>")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_GENERATOR DEB)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION hamradio)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The udev rule takes effect at once, for a cable already plugged in too.
set(CPACK_DEBIAN_PACKAGE_CONTROL_EXTRA ${QV730_RESOURCES_DIR}/debian/postinst)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION TRUE)
# Chinese glyphs on screen and on paper, and Qt's own dialogs in Chinese.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-noto-cjk, qt6-translations-l10n")
include(CPack)
