# Unit tests of the Windows backend's translation, geometry and drawing (the
# screen device from the core, driven as the headless backend does), cross-built
# and run under Wine with the rest of the suite (tests/windows/run.sh).
if(TARGET kestrway_win32)
  add_executable(kestrway_win32_tests
    ${CMAKE_CURRENT_LIST_DIR}/win32_backend_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/wave_out_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/xinput_pads_test.cpp
    ${CMAKE_SOURCE_DIR}/src/platform/win32/virtual_keys.cpp
    ${CMAKE_SOURCE_DIR}/src/platform/win32/window_messages.cpp
    ${CMAKE_SOURCE_DIR}/src/platform/win32/present_lines.cpp
    ${CMAKE_SOURCE_DIR}/src/platform/win32/system_clock.cpp
    ${CMAKE_SOURCE_DIR}/src/platform/win32/wave_out.cpp
    ${CMAKE_SOURCE_DIR}/src/platform/win32/xinput_pads.cpp)
  target_include_directories(kestrway_win32_tests PRIVATE ${CMAKE_SOURCE_DIR}/src ${CMAKE_SOURCE_DIR}/tests)
  target_link_libraries(kestrway_win32_tests PRIVATE kestrway_headless GTest::gtest GTest::gtest_main gdi32 winmm)
  gtest_discover_tests(kestrway_win32_tests DISCOVERY_TIMEOUT 60)
endif()
