# The Windows programs, what they load, and their packages. Included from the top-level
# CMakeLists.txt on Windows, after the programs are defined and before include(CPack).
include(${CMAKE_CURRENT_LIST_DIR}/WindowsProgram.cmake)
rezar_windows_resources(rezar-config "Quillwren Rezar configuration tool")
rezar_windows_resources(rezar-cli "Quillwren Rezar configuration tool, command line")

# Deploy: every DLL the programs load, beside them. The plugins go to the folders Qt looks for
# beside a program: platforms (the window system), styles (the native look), imageformats
# (the .ico of the window's icon).
install(FILES
  $<TARGET_FILE:Qt6::Core> $<TARGET_FILE:Qt6::Gui> $<TARGET_FILE:Qt6::Widgets>
  $<TARGET_FILE:Qt6::SerialPort>
  DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES $<TARGET_FILE:Qt6::QWindowsIntegrationPlugin> DESTINATION ${CMAKE_INSTALL_BINDIR}/platforms)
install(FILES $<TARGET_FILE:Qt6::QWindowsVistaStylePlugin> DESTINATION ${CMAKE_INSTALL_BINDIR}/styles)
install(FILES $<TARGET_FILE:Qt6::QICOPlugin> DESTINATION ${CMAKE_INSTALL_BINDIR}/imageformats)
# The MinGW runtime the compiler links against.
foreach(dll libstdc++-6.dll libgcc_s_seh-1.dll libwinpthread-1.dll)
  find_file(REZAR_DLL_${dll} ${dll} PATHS ${REZAR_MINGW_RUNTIME_DIRS} NO_DEFAULT_PATH NO_CMAKE_FIND_ROOT_PATH)
  if(NOT REZAR_DLL_${dll})
    message(FATAL_ERROR "${dll} not found in ${REZAR_MINGW_RUNTIME_DIRS}")
  endif()
  install(FILES ${REZAR_DLL_${dll}} DESTINATION ${CMAKE_INSTALL_BINDIR})
endforeach()

# The manual as plain text, and the licence, at the top of the install folder.
install(FILES ${CMAKE_SOURCE_DIR}/README.md DESTINATION . RENAME README.txt)
if(EXISTS ${CMAKE_SOURCE_DIR}/LICENSE)
  set(REZAR_LICENSE ${CMAKE_SOURCE_DIR}/LICENSE)
else()
  # Until the tree carries its own: Debian's copy of the same text.
  configure_file(/usr/share/common-licenses/GPL-3 ${CMAKE_BINARY_DIR}/LICENSE.txt COPYONLY)
  set(REZAR_LICENSE ${CMAKE_BINARY_DIR}/LICENSE.txt)
endif()
install(FILES ${REZAR_LICENSE} DESTINATION . RENAME LICENSE.txt)

# cpack: an NSIS installer (64-bit, per user, no administrator rights; Start-menu entry,
# uninstaller, licence page) and a portable zip.
set(CPACK_GENERATOR NSIS ZIP)
set(CPACK_PACKAGE_FILE_NAME rezar-config-${PROJECT_VERSION}-win64)
set(CPACK_PACKAGE_INSTALL_DIRECTORY "Rezar Config")
set(CPACK_PACKAGE_INSTALL_REGISTRY_KEY "RezarConfig")
set(CPACK_RESOURCE_FILE_LICENSE ${REZAR_LICENSE})
set(CPACK_PACKAGE_EXECUTABLES rezar-config "Rezar Config")
set(CPACK_NSIS_PACKAGE_NAME "Quillwren Rezar configuration tool")
set(CPACK_NSIS_DISPLAY_NAME "Rezar Config ${PROJECT_VERSION}")
set(CPACK_NSIS_MUI_ICON ${CMAKE_SOURCE_DIR}/res/rezar.ico)
set(CPACK_NSIS_MUI_UNIICON ${CMAKE_SOURCE_DIR}/res/rezar.ico)
set(CPACK_NSIS_INSTALLED_ICON_NAME bin\\\\rezar-config.exe)
set(CPACK_NSIS_MODIFY_PATH OFF)
set(CPACK_NSIS_ENABLE_UNINSTALL_BEFORE_INSTALL ON)
# The default stub is 32-bit, which a 64-bit-only system cannot start.
set(CPACK_NSIS_DEFINES "Target amd64-unicode")
# Per user, whoever runs it: CPack's own template asks for administrator rights and installs
# for all users when the user is an administrator, under Documents otherwise. Its copy here
# asks for none and always installs into the user's own programs folder, with the Start-menu
# entry and the uninstall key of that user.
set(CPACK_NSIS_INSTALL_ROOT "$LOCALAPPDATA\\\\Programs")
file(READ ${CMAKE_ROOT}/Modules/Internal/CPack/NSIS.template.in template)
string(REPLACE "RequestExecutionLevel admin" "RequestExecutionLevel user" template "${template}")
string(REPLACE "SetShellVarContext all" "SetShellVarContext current" template "${template}")
string(REPLACE "StrCpy $SV_ALLUSERS \"AllUsers\"" "StrCpy $SV_ALLUSERS \"JustMe\"" template "${template}")
string(REPLACE "$DOCUMENTS\\@CPACK_PACKAGE_INSTALL_DIRECTORY@"
  "@CPACK_NSIS_INSTALL_ROOT@\\@CPACK_PACKAGE_INSTALL_DIRECTORY@" template "${template}")
file(WRITE ${CMAKE_BINARY_DIR}/nsis-template/NSIS.template.in "${template}")
list(PREPEND CMAKE_MODULE_PATH ${CMAKE_BINARY_DIR}/nsis-template)
set(CPACK_PROJECT_CONFIG_FILE ${CMAKE_CURRENT_LIST_DIR}/WindowsCPackOptions.cmake)

# The libraries come with their symbols (libstdc++-6.dll alone is 23 MB with them): the
# installed copies are stripped, the programs already are by the install step's own strip.
if(CMAKE_STRIP)
  install(CODE "
    file(GLOB_RECURSE dlls \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}/*.dll\")
    foreach(dll \${dlls})
      execute_process(COMMAND \"${CMAKE_STRIP}\" --strip-unneeded \"\${dll}\")
    endforeach()")
endif()
