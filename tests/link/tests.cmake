# The device link: state machine against a scripted port, and the system port on a pseudo-terminal.
rezar_add_test(tst_serialport SOURCES link/tst_serialport.cpp LIBS rezar_link LABELS link)
rezar_add_test(tst_devicelink SOURCES link/tst_devicelink.cpp LIBS rezar_link LABELS link)
