# The Debian package: both programs, the help pages, the desktop entry, the icon, the AppStream
# metainfo and the man page, installed under /usr. `cpack -G DEB` in a build folder makes it.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME scorvane)
set(CPACK_PACKAGE_VENDOR "Quillmere Software")
set(CPACK_PACKAGE_CONTACT "Quillmere Software <support@quillmere.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Rosters, games and player statistics for soccer coaches")
set(CPACK_PACKAGE_DESCRIPTION
    "Scorvane for Soccer keeps up to 100 soccer teams - rosters, games and every player's\n figures - and turns them into player statistics, records, game scores and standings, on\n screen, printed, as PDF, or from the command line with scorvane-report.")
set(CPACK_PACKAGE_HOMEPAGE_URL "https://www.quillmere.example")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
# The libraries' packages come from the programs' own links; the report font from here.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation")
set(CPACK_STRIP_FILES ON)
include(CPack)
