# The window: page helpers and conversions, the sheet and its page protocol, the Comms page,
# the help, markers and resets on bound controls,
# and the look of every tab.
foreach(suite pagehelpers sheet comms_page sheet_look sheet_input sheet_closing sheet_keys sheet_fit
    sheet_search compare setting_tips)
  rezar_add_test(tst_${suite}
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_${suite}.cpp
    LIBS rezar_ui LABELS ui)
endforeach()

if(UNIX)
  # The Comms page against rezar-sim on a pseudo-terminal.
  rezar_add_test(tst_comms_sim SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_comms_sim.cpp
    LIBS rezar_ui LABELS e2e)
  add_dependencies(tst_comms_sim rezar-sim)
endif()

# The look at the opening size is judged on a desktop's screen (offscreen's own is 800x600).
set_property(TEST tst_sheet_look APPEND PROPERTY ENVIRONMENT
  "QT_QPA_PLATFORM=offscreen:configfile=${CMAKE_CURRENT_LIST_DIR}/../support/screen-1280x1024.json")

# The Comms page's device operations, remembered choices and hooks against a scripted port.
rezar_add_test(tst_comms_ops SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_comms_ops.cpp
  LIBS rezar_ui LABELS ui)

# The Compare dialog and the write summary on a small screen.
add_test(NAME tst_compare_800x480 COMMAND tst_compare)
set_tests_properties(tst_compare_800x480 PROPERTIES LABELS ui TIMEOUT 120 ENVIRONMENT
  "QT_QPA_PLATFORM=offscreen:configfile=${CMAKE_CURRENT_LIST_DIR}/../support/screen-800x480.json")

# The same fit on an 800x480 screen, and at scale 2 on a 1280x1024 one (640x512 to lay out in).
add_test(NAME tst_sheet_fit_800x480 COMMAND tst_sheet_fit)
add_test(NAME tst_sheet_fit_scale2 COMMAND tst_sheet_fit)
set_tests_properties(tst_sheet_fit_800x480 PROPERTIES LABELS ui TIMEOUT 120 ENVIRONMENT
  "QT_QPA_PLATFORM=offscreen:configfile=${CMAKE_CURRENT_LIST_DIR}/../support/screen-800x480.json;LSAN_OPTIONS=suppressions=${CMAKE_CURRENT_SOURCE_DIR}/lsan.supp:print_suppressions=0")
set_tests_properties(tst_sheet_fit_scale2 PROPERTIES LABELS ui TIMEOUT 120 ENVIRONMENT
  "QT_QPA_PLATFORM=offscreen:configfile=${CMAKE_CURRENT_LIST_DIR}/../support/screen-1280x1024.json;QT_SCALE_FACTOR=2;LSAN_OPTIONS=suppressions=${CMAKE_CURRENT_SOURCE_DIR}/lsan.supp:print_suppressions=0")

# A tool tip shown at the opening size on a desktop's screen, and on an 800x480 one.
set_property(TEST tst_setting_tips APPEND PROPERTY ENVIRONMENT
  "QT_QPA_PLATFORM=offscreen:configfile=${CMAKE_CURRENT_LIST_DIR}/../support/screen-1280x1024.json")
add_test(NAME tst_setting_tips_800x480 COMMAND tst_setting_tips tipShown)
set_tests_properties(tst_setting_tips_800x480 PROPERTIES LABELS ui TIMEOUT 120 ENVIRONMENT
  "QT_QPA_PLATFORM=offscreen:configfile=${CMAKE_CURRENT_LIST_DIR}/../support/screen-800x480.json;LANGUAGE=en;LSAN_OPTIONS=suppressions=${CMAKE_CURRENT_SOURCE_DIR}/lsan.supp:print_suppressions=0")

# The settings help names each setting as its form does; the forms are built from their
# generated classes alone.
rezar_add_test(tst_settinghelp_forms SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_settinghelp_forms.cpp
  LIBS rezar_settings Qt6::Widgets LABELS ui)
set_target_properties(tst_settinghelp_forms PROPERTIES AUTOUIC_SEARCH_PATHS ${CMAKE_SOURCE_DIR}/res)

# The translations: the .ts files against the sources, and a German window against an English one.
string(REPLACE ";" "," sources "${REZAR_TR_SOURCES}")
rezar_add_test(tst_translations SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_translations.cpp
  LIBS rezar_ui LABELS ui)
target_compile_definitions(tst_translations PRIVATE
  REZAR_LUPDATE="${REZAR_LUPDATE}" REZAR_TS_DIR="${CMAKE_SOURCE_DIR}/i18n"
  REZAR_TR_SOURCES="${sources}")

# The look, the fit and the access keys again in German, whose words are longer.
foreach(suite sheet_look sheet_fit sheet_keys)
  add_test(NAME tst_${suite}_de COMMAND tst_${suite})
  get_test_property(tst_${suite} ENVIRONMENT environment)
  list(TRANSFORM environment REPLACE "^LANGUAGE=.*" "LANGUAGE=de")
  set_tests_properties(tst_${suite}_de PROPERTIES LABELS ui TIMEOUT 120 ENVIRONMENT "${environment}")
endforeach()
set_property(TEST tst_sheet_fit_de APPEND PROPERTY ENVIRONMENT
  "QT_QPA_PLATFORM=offscreen:configfile=${CMAKE_CURRENT_LIST_DIR}/../support/screen-800x480.json")
