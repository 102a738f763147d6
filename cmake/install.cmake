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
