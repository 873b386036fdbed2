# The Windows zip: the two programs and a short read-me in Chinese (UTF-8
# with a byte order mark and CR LF line ends, as Notepad reads it), at the
# top of the archive. Made by `cpack -G ZIP` in the Windows build folder.
if(TARGET ladderpad)
  install(TARGETS ladderpad RUNTIME DESTINATION .)
endif()
install(TARGETS ladderpad-replay RUNTIME DESTINATION .)
install(FILES ${CMAKE_SOURCE_DIR}/packaging/windows/README.txt DESTINATION .)

set(CPACK_GENERATOR ZIP)
set(CPACK_PACKAGE_NAME ladderpad)
set(CPACK_PACKAGE_FILE_NAME ladderpad-windows-x86_64)
set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY OFF)
set(CPACK_ARCHIVE_COMPONENT_INSTALL OFF)
include(CPack)
