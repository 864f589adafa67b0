# Unit tests of the web backend's plain C++ parts (key translation, pixel
# order), built natively; the browser test (tests/web/run.sh) covers the rest.
add_executable(kestrway_web_tests
  ${CMAKE_CURRENT_LIST_DIR}/key_codes_test.cpp
  ${CMAKE_SOURCE_DIR}/src/platform/web/key_codes.cpp
  ${CMAKE_SOURCE_DIR}/src/platform/web/canvas_pixels.cpp)
target_include_directories(kestrway_web_tests PRIVATE ${CMAKE_SOURCE_DIR}/src)
target_link_libraries(kestrway_web_tests PRIVATE GTest::gtest GTest::gtest_main)
gtest_discover_tests(kestrway_web_tests DISCOVERY_TIMEOUT 60)

# The web page's picture fit against the C++ rule over a table of sizes.
find_program(KESTRWAY_NODE node)
if(KESTRWAY_NODE AND NOT CMAKE_CROSSCOMPILING)
  add_executable(kestrway_picture_fit_table ${CMAKE_CURRENT_LIST_DIR}/picture_fit_table.cpp
                 ${CMAKE_SOURCE_DIR}/src/platform/picture_fit.cpp)
  target_include_directories(kestrway_picture_fit_table PRIVATE ${CMAKE_SOURCE_DIR}/src)
  add_test(NAME web.picture_fit
           COMMAND ${KESTRWAY_NODE} ${CMAKE_CURRENT_LIST_DIR}/picture_fit_compare.mjs
                   ${CMAKE_SOURCE_DIR}/src/platform/web/page/index.html
                   $<TARGET_FILE:kestrway_picture_fit_table>)
endif()
