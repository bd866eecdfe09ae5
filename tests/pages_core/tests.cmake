# The Basic, Ports, Packet and Bank / Telem / WX tabs, driven through the shown sheet.
foreach(page basic ports packet telemetry)
  rezar_add_test(tst_${page}_page
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_${page}_page.cpp ${CMAKE_CURRENT_LIST_DIR}/../support/PageTest.h
    LIBS rezar_ui LABELS pages)
endforeach()
