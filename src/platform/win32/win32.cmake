# The Windows version, cross-built with cmake/mingw-w64-x86_64.cmake: the
# core and the Windows backend as kestrway.exe, a window program that needs
# no DLL beyond Windows' own, with its icon and version in its resources.
file(GLOB KESTRWAY_WIN32_SOURCES CONFIGURE_DEPENDS ${CMAKE_CURRENT_LIST_DIR}/*.cpp)
enable_language(RC)
configure_file(${CMAKE_CURRENT_LIST_DIR}/kestrway.rc.in ${CMAKE_BINARY_DIR}/kestrway.rc @ONLY)
add_executable(kestrway_win32 WIN32 ${CMAKE_SOURCE_DIR}/src/app/win32_main.cpp ${KESTRWAY_WIN32_SOURCES}
               ${CMAKE_BINARY_DIR}/kestrway.rc)
target_link_libraries(kestrway_win32 PRIVATE kestrway_core gdi32 winmm)
# The entry is wmain: the command line in UTF-16, whatever the code page.
target_link_options(kestrway_win32 PRIVATE -municode)
set_target_properties(kestrway_win32 PROPERTIES OUTPUT_NAME kestrway)
# The resource compiler takes the icon file by a name relative to this folder.
set_property(SOURCE ${CMAKE_BINARY_DIR}/kestrway.rc APPEND PROPERTY INCLUDE_DIRECTORIES
  ${CMAKE_SOURCE_DIR}/packaging/windows)
set_property(SOURCE ${CMAKE_BINARY_DIR}/kestrway.rc APPEND PROPERTY OBJECT_DEPENDS
  ${CMAKE_SOURCE_DIR}/packaging/windows/kestrway.ico)
# As on Linux: a copy of the data beside the built program, so it runs from
# the build tree.
add_custom_command(TARGET kestrway_win32 POST_BUILD
  COMMAND ${CMAKE_COMMAND} -E copy_directory ${CMAKE_SOURCE_DIR}/data $<TARGET_FILE_DIR:kestrway_win32>)
# No link time in the program's header: the same sources give the same bytes.
target_link_options(kestrway_win32 PRIVATE -Wl,--no-insert-timestamp)
