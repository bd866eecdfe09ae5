# The Debian package (cpack -G DEB): its control fields, and the files Debian asks of every
# package that a plain install does without: the copyright file and the changelog under
# /usr/share/doc/rezar-config, and manual pages and changelog compressed. tests/install has
# lintian check the result.
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION hamradio)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS libqt6svg6)
# Qt's own translations of its dialogs and buttons, loaded beside ours when present.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS qt6-translations-l10n)
# Control files (md5sums) with the permissions Debian expects.
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
# Read by StagePackage.cmake, which cpack runs on the staged files.
set(CPACK_REZAR_DEBIAN_DIR ${CMAKE_CURRENT_LIST_DIR})
list(APPEND CPACK_PRE_BUILD_SCRIPTS ${CMAKE_CURRENT_LIST_DIR}/StagePackage.cmake)
