# The installed tree, checked in a temporary DESTDIR: every file in place, the desktop files
# valid and sharing one id, manuals and completion in step with the programs; rezar-config's
# command line without a display; and the Debian package, through lintian.
if(UNIX AND NOT APPLE)
  rezar_add_test(tst_install SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_install.cpp LIBS Qt6::Core
    LABELS install)
  target_compile_definitions(tst_install PRIVATE
    REZAR_CMAKE="${CMAKE_COMMAND}"
    REZAR_CPACK="${CMAKE_CPACK_COMMAND}"
    REZAR_SOURCE_DIR="${CMAKE_SOURCE_DIR}"
    REZAR_VERSION="${REZAR_VERSION}"
    REZAR_APP_ID="${REZAR_APP_ID}"
    REZAR_MANUAL_SETTINGS="$<TARGET_FILE:rezar-manual-settings>")
  add_dependencies(tst_install rezar-config rezar-cli rezar-sim rezar-manual-settings)
  # It makes the Debian package and has lintian read it: longer than a suite's usual bound.
  set_tests_properties(tst_install PROPERTIES TIMEOUT 600)
endif()
rezar_add_test(tst_config_command_line SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_config_command_line.cpp
  LIBS rezar_ui LABELS install)
