# Unit tests of the SDL backend, on SDL's dummy video driver (no display).
if(TARGET kestrway_sdl)
  add_executable(kestrway_sdl_tests ${CMAKE_CURRENT_LIST_DIR}/sdl_backend_test.cpp
                 ${CMAKE_CURRENT_LIST_DIR}/scaled_picture_test.cpp
                 ${CMAKE_CURRENT_LIST_DIR}/sdl_audio_test.cpp)
  target_link_libraries(kestrway_sdl_tests PRIVATE kestrway_sdl GTest::gtest GTest::gtest_main)
  gtest_discover_tests(kestrway_sdl_tests
    PROPERTIES LABELS sdl
    DISCOVERY_TIMEOUT 60)
endif()
