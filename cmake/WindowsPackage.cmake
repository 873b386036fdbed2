# The Windows zip holds exactly the two programs, a short read-me in Chinese
# (UTF-8 with a byte order mark and CR LF line ends, as Notepad reads it) and
# the licence (CR LF), at the top of the archive. Made by `cpack -G ZIP` in
# the Windows build folder; the Linux tree (bin/, share/) never goes in.
file(READ ${CMAKE_SOURCE_DIR}/LICENSE licence_text)
string(REPLACE "\r\n" "\n" licence_text "${licence_text}")
string(REPLACE "\n" "\r\n" licence_text "${licence_text}")
file(WRITE ${CMAKE_BINARY_DIR}/LICENSE.txt "${licence_text}")
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/LICENSE)

if(TARGET ladderpad)
  install(TARGETS ladderpad RUNTIME DESTINATION .)
endif()
install(TARGETS ladderpad-replay RUNTIME DESTINATION .)
install(FILES ${CMAKE_SOURCE_DIR}/packaging/windows/README.txt ${CMAKE_BINARY_DIR}/LICENSE.txt DESTINATION .)

set(CPACK_GENERATOR ZIP)
set(CPACK_PACKAGE_NAME ladderpad)
set(CPACK_PACKAGE_FILE_NAME ladderpad-windows-x86_64)
set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY OFF)
set(CPACK_ARCHIVE_COMPONENT_INSTALL OFF)
set(CPACK_STRIP_FILES ON)
include(CPack)
