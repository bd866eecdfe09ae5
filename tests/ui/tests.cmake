# The window: page helpers and conversions, the sheet and its page protocol, the Comms page,
# and the look of every tab.
foreach(suite pagehelpers sheet comms_page sheet_look)
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
