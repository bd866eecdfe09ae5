# The Position, Position Timing, Beacon / Digipeater, GPS and Display pages, through the
# shown sheet.
foreach(suite position_forms position_page position_timing_page beacon_page gps_page display_page)
  rezar_add_test(tst_${suite}
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_${suite}.cpp ${CMAKE_CURRENT_LIST_DIR}/../support/PageTest.h
    LIBS rezar_ui LABELS pages)
endforeach()
