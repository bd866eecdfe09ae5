# The suites of a Windows build run under Wine (CMAKE_CROSSCOMPILING_EMULATOR). Included at the
# end of tests/CMakeLists.txt, it fits every suite registered there, whatever its name:
# - Wine passes no QT_* variable on to a program, but passes WINEQT_* ones without the prefix;
# - a Qt Test program on Windows logs to the debugger unless told to use standard error;
# - the programs find their DLLs (Qt, the MinGW runtime) through WINEPATH;
# - all of them share one Wine prefix in the build tree, made once by the fixture below.
set(REZAR_WINEPREFIX ${CMAKE_BINARY_DIR}/wine)
set(dll_dirs ${REZAR_WINDOWS_QT}/bin ${REZAR_MINGW_RUNTIME_DIRS})
list(TRANSFORM dll_dirs PREPEND "Z:")
string(REPLACE ";" "\\;" wine_path "${dll_dirs}")

add_test(NAME wine_prefix COMMAND ${REZAR_WINE} wineboot -i)
set_tests_properties(wine_prefix PROPERTIES FIXTURES_SETUP wine
  ENVIRONMENT "WINEPREFIX=${REZAR_WINEPREFIX};WINEDEBUG=-all;WINEDLLOVERRIDES=mscoree,mshtml=" TIMEOUT 120)

# The suites carry the programs' manifest, so that they run with the same code page (UTF-8)
# and DPI awareness as the programs whose parts they test.
set(manifest_rc ${CMAKE_CURRENT_BINARY_DIR}/suite-manifest.rc)
file(WRITE ${manifest_rc} "1 24 \"${CMAKE_SOURCE_DIR}/dist/windows/rezar.manifest\"\n")
get_property(targets DIRECTORY PROPERTY BUILDSYSTEM_TARGETS)
foreach(target ${targets})
  get_target_property(type ${target} TYPE)
  if(type STREQUAL EXECUTABLE)
    target_sources(${target} PRIVATE ${manifest_rc})
  endif()
endforeach()

get_property(suites DIRECTORY PROPERTY TESTS)
list(REMOVE_ITEM suites wine_prefix)
foreach(suite ${suites})
  get_test_property(${suite} ENVIRONMENT environment)
  if(NOT environment)
    set(environment "")
  endif()
  list(TRANSFORM environment REPLACE "^QT_" "WINEQT_")
  list(APPEND environment
    "WINEPREFIX=${REZAR_WINEPREFIX}" "WINEDEBUG=-all" "WINEPATH=${wine_path}"
    "WINEQT_FORCE_STDERR_LOGGING=1" "WINEQT_QPA_FONTDIR=Z:/usr/share/fonts/truetype/dejavu")
  set_tests_properties(${suite} PROPERTIES ENVIRONMENT "${environment}" FIXTURES_REQUIRED wine)
endforeach()

# Suites that do not pass under Wine yet, listed by ctest as disabled: most expect POSIX texts,
# paths or folders (their Windows cases are still to be written); the two narrow boxes of the
# Position and GPS forms are still to be judged on a Windows desktop's own font.
set(REZAR_WINE_PENDING
  tst_settingstext   # expects the C library's English error texts ("No such file or directory")
  tst_history        # moves the history with XDG_DATA_HOME; on Windows it is under AppData
  tst_devicelink     # expects the group that owns a device in the permission hint
  tst_comms_ops      # POSIX paths and permissions, and a history folder it cannot move
  tst_compare        # the write summary's cases need an empty history, which it moves with
  tst_compare_800x480 # XDG_DATA_HOME; under Wine the history is the prefix's AppData
  tst_setting_tips_800x480 # the tip shown at 800x480 does not stay within the screen under
                     # Wine (at 1280x1024 it does); to be looked at on a Windows desktop
  tst_position_forms # tsymcode (at most 32 px in its form) and gwaylen narrower than their
                     # text with the DejaVu font offscreen under Wine (see tst_sheet_look)
  tst_sheet_look
  tst_sheet_look_de  # the same two boxes, in German
  tst_firmware_check # expects the C library's English "No such file or directory"
  tst_cli_files      # a Latin-1 file name and German messages through the console's code
                     # page: the Windows cases are still to be written
  tst_translations)  # runs the host's lupdate, and Qt's own German, which this Qt for Windows
                     # does not carry
foreach(suite ${REZAR_WINE_PENDING})
  if(TEST ${suite})
    set_tests_properties(${suite} PROPERTIES DISABLED TRUE)
  endif()
endforeach()
