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
