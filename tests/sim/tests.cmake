# The stand-in device, driven over its pseudo-terminal.
rezar_add_test(tst_sim SOURCES sim/tst_sim.cpp sim/SimHarness.h LIBS rezar_settings LABELS sim)
add_dependencies(tst_sim rezar-sim)
