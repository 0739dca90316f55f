# cmake --install: the two programs and their modules, the menu entry,
# the icons (tools/icon) and the manual pages, under GNU's directory names;
# and the Debian package `make package` builds from the same rules.
install(TARGETS roadtally roadtally-ledger RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
# The window host and the chart, which roadtally and roadtally-ledger load
# from this place relative to themselves (cmake/LoadedModules.cmake).
install(TARGETS roadtally-window roadtally-chart LIBRARY DESTINATION ${ROADTALLY_MODULE_INSTALL_DIR})
install(FILES ${CMAKE_SOURCE_DIR}/resources/roadtally.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
# The board's unit, roadtally --framebuffer on the console from boot; shipped
# disabled (systemctl enable roadtally-framebuffer@USER).
install(FILES ${CMAKE_SOURCE_DIR}/resources/systemd/roadtally-framebuffer@.service
        DESTINATION lib/systemd/system)
install(FILES ${CMAKE_SOURCE_DIR}/docs/man/roadtally.1 ${CMAKE_SOURCE_DIR}/docs/man/roadtally-ledger.1
        DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME roadtally)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "Roadtally developers <roadtally@example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "vehicle expense logbook for a 320 x 240 touch screen")
set(CPACK_PACKAGE_DESCRIPTION
    "Roadtally records what a car costs, one entry per expense: the day, the item "
    "(refuelling, or one of 21 maintenance items such as engine oil or brake pads), "
    "the fuel taken, the amount paid and the distance driven. The main screen is a "
    "month calendar marking the days that have entries. From it the driver adds an "
    "entry or opens the month as a list with its totals. It runs in a desktop window, "
    "fullscreen on a small board's panel, or headless from a script. "
    "roadtally-ledger reads and changes the logbook from the command line.")
string(JOIN "" CPACK_PACKAGE_DESCRIPTION ${CPACK_PACKAGE_DESCRIPTION})
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The Korean text is drawn in NanumGothic, found through fontconfig.
set(CPACK_DEBIAN_PACKAGE_DEPENDS fonts-nanum)
set(CPACK_STRIP_FILES ON)
include(CPack)
