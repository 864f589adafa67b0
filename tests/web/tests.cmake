# Unit tests of the web backend's plain C++ parts (key translation, pixel
# order), built natively; the browser test (tests/web/run.sh) covers the rest.
add_executable(kestrway_web_tests
  ${CMAKE_CURRENT_LIST_DIR}/key_codes_test.cpp
  ${CMAKE_SOURCE_DIR}/src/platform/web/key_codes.cpp
  ${CMAKE_SOURCE_DIR}/src/platform/web/canvas_pixels.cpp)
target_include_directories(kestrway_web_tests PRIVATE ${CMAKE_SOURCE_DIR}/src)
target_link_libraries(kestrway_web_tests PRIVATE GTest::gtest GTest::gtest_main)
gtest_discover_tests(kestrway_web_tests DISCOVERY_TIMEOUT 60)
