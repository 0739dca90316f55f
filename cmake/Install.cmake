# cmake --install: the two programs and their modules, the menu entry,
# the icons (tools/icon), the manual pages and the copyright file, under
# GNU's directory names; and the Debian package `make package` builds from
# the same rules.
install(TARGETS roadtally roadtally-ledger RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
# The window host and the chart, which roadtally and roadtally-ledger load
# from this place relative to themselves (cmake/LoadedModules.cmake).
install(TARGETS roadtally-window roadtally-chart LIBRARY DESTINATION ${ROADTALLY_MODULE_INSTALL_DIR})
install(FILES ${CMAKE_SOURCE_DIR}/resources/roadtally.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)

# The manual pages gzipped as Debian installs them: at the highest level and
# without a name or time stamp, so that the same page gives the same bytes.
set(man_pages)
foreach(page roadtally roadtally-ledger)
  set(gzipped ${CMAKE_BINARY_DIR}/man/${page}.1.gz)
  add_custom_command(OUTPUT ${gzipped}
                     COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/man
                     COMMAND gzip -9 -n -c ${CMAKE_SOURCE_DIR}/docs/man/${page}.1 > ${gzipped}
                     DEPENDS ${CMAKE_SOURCE_DIR}/docs/man/${page}.1 VERBATIM)
  list(APPEND man_pages ${gzipped})
endforeach()
add_custom_target(roadtally_man ALL DEPENDS ${man_pages})
install(FILES ${man_pages} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)

# Who answers for the package: the project, at an address the packager
# gives (-DROADTALLY_MAINTAINER_EMAIL=...), by default Debian's DEBEMAIL,
# the source tree's git user.email, or the packager's login at this host.
set(maintainer_email "$ENV{DEBEMAIL}")
if(NOT maintainer_email)
  execute_process(COMMAND git config user.email WORKING_DIRECTORY ${CMAKE_SOURCE_DIR}
                  OUTPUT_VARIABLE maintainer_email OUTPUT_STRIP_TRAILING_WHITESPACE ERROR_QUIET)
endif()
# Last, as Debian's own packaging tools do: the packager's login here.
if(NOT maintainer_email)
  cmake_host_system_information(RESULT packaging_host QUERY FQDN)
  set(login "$ENV{LOGNAME}")
  if(NOT login)
    set(login "$ENV{USER}")
  endif()
  if(login AND packaging_host)
    set(maintainer_email "${login}@${packaging_host}")
  endif()
endif()
set(ROADTALLY_MAINTAINER_EMAIL "${maintainer_email}" CACHE STRING
    "the package maintainer's e-mail address")
configure_file(${CMAKE_SOURCE_DIR}/docs/copyright ${CMAKE_BINARY_DIR}/doc/copyright @ONLY)
# The package is its own upstream (a native package): its changelog, in
# Debian's format, is the one changelog.gz.
configure_file(${CMAKE_SOURCE_DIR}/docs/changelog ${CMAKE_BINARY_DIR}/doc/changelog @ONLY)
add_custom_command(OUTPUT ${CMAKE_BINARY_DIR}/doc/changelog.gz
                   COMMAND gzip -9 -n -c ${CMAKE_BINARY_DIR}/doc/changelog > ${CMAKE_BINARY_DIR}/doc/changelog.gz
                   DEPENDS ${CMAKE_BINARY_DIR}/doc/changelog VERBATIM)
add_custom_target(roadtally_changelog ALL DEPENDS ${CMAKE_BINARY_DIR}/doc/changelog.gz)
install(FILES ${CMAKE_BINARY_DIR}/doc/copyright ${CMAKE_BINARY_DIR}/doc/changelog.gz
        DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/roadtally)

# The board's unit, roadtally --framebuffer on the console from boot; shipped
# disabled (systemctl enable roadtally-framebuffer@USER).
install(FILES ${CMAKE_SOURCE_DIR}/resources/systemd/roadtally-framebuffer@.service
        DESTINATION lib/systemd/system)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME roadtally)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "Roadtally <${ROADTALLY_MAINTAINER_EMAIL}>")
# No package without an address to answer at.
set(CPACK_PROJECT_CONFIG_FILE ${CMAKE_SOURCE_DIR}/cmake/PackageCheck.cmake)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "vehicle expense logbook for a 320 x 240 touch screen")
# One line each, as a package's description is shown (at most 80 columns).
set(CPACK_PACKAGE_DESCRIPTION
    "Roadtally records what a car costs, one entry per expense: the day, the"
    "item (refuelling, or one of 21 maintenance items such as engine oil or"
    "brake pads), the fuel taken, the amount paid and the distance driven."
    "The main screen is a month calendar marking the days that have entries."
    "From it the driver adds an entry or opens the month as a list with its"
    "totals. It runs in a desktop window, fullscreen on a small board's panel,"
    "or headless from a script. roadtally-ledger reads and changes the logbook"
    "from the command line.")
string(JOIN "\n" CPACK_PACKAGE_DESCRIPTION ${CPACK_PACKAGE_DESCRIPTION})
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The Korean text is drawn in NanumGothic, found through fontconfig.
set(CPACK_DEBIAN_PACKAGE_DEPENDS fonts-nanum)
set(CPACK_STRIP_FILES ON)
include(CPack)
