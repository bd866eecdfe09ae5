# The device link: state machine against a scripted port, and the byte trace around a port.
rezar_add_test(tst_devicelink SOURCES link/tst_devicelink.cpp LIBS rezar_link LABELS link)
rezar_add_test(tst_trace_port SOURCES link/tst_trace_port.cpp LIBS rezar_link LABELS link)
rezar_add_test(tst_firmware_check SOURCES link/tst_firmware_check.cpp LIBS rezar_link LABELS link)
rezar_add_test(tst_link_text SOURCES link/tst_link_text.cpp LIBS rezar_link LABELS link)
rezar_add_test(tst_operation_driver SOURCES link/tst_operation_driver.cpp LIBS rezar_link LABELS link)
if(UNIX)
  # The system port, and rezar-cli's device commands, against a device played by the test on a
  # pseudo-terminal.
  rezar_add_test(tst_link_serialport SOURCES link/tst_link_serialport.cpp LIBS rezar_link LABELS link)
  rezar_add_test(tst_cli_device SOURCES cli/tst_cli_device.cpp LIBS rezar_link LABELS cli)
  add_dependencies(tst_cli_device rezar-cli)
endif()
