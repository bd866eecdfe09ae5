# Windows programs as Windows users expect them: the icon, a version resource and a manifest
# (per-monitor DPI aware, UTF-8 as the active code page so that the program's own texts and
# file names show right, run as the user who started it).
function(rezar_windows_resources target description)
  set(REZAR_RC_NAME ${target})
  set(REZAR_RC_DESCRIPTION "${description}")
  set(REZAR_RC_ICON ${CMAKE_SOURCE_DIR}/res/rezar.ico)
  set(REZAR_RC_MANIFEST ${CMAKE_SOURCE_DIR}/dist/windows/rezar.manifest)
  set(rc ${CMAKE_CURRENT_BINARY_DIR}/${target}.rc)
  configure_file(${CMAKE_SOURCE_DIR}/dist/windows/program.rc.in ${rc} @ONLY)
  target_sources(${target} PRIVATE ${rc})
  set_property(SOURCE ${rc} APPEND PROPERTY OBJECT_DEPENDS ${REZAR_RC_ICON} ${REZAR_RC_MANIFEST})
endfunction()
