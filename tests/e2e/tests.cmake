# rezar-cli against rezar-sim over a pseudo-terminal: read, write, flash, and the line's faults.
# Three suites, so that ctest -j runs them side by side (a write or a flash takes its own time).
foreach(suite read write flash)
  rezar_add_test(tst_e2e_${suite}
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_e2e_${suite}.cpp ${CMAKE_CURRENT_LIST_DIR}/E2eHarness.h
    LIBS Qt6::Core LABELS e2e)
  add_dependencies(tst_e2e_${suite} rezar-sim rezar-cli)
endforeach()
