# Unit tests of the SDL backend, on SDL's dummy video driver (no display).
if(TARGET kestrway_sdl)
  add_executable(kestrway_sdl_tests ${CMAKE_CURRENT_LIST_DIR}/sdl_backend_test.cpp
                 ${CMAKE_CURRENT_LIST_DIR}/scaled_picture_test.cpp
                 ${CMAKE_CURRENT_LIST_DIR}/sdl_audio_test.cpp)
  target_link_libraries(kestrway_sdl_tests PRIVATE kestrway_sdl GTest::gtest GTest::gtest_main)
  gtest_discover_tests(kestrway_sdl_tests
    PROPERTIES LABELS sdl
    DISCOVERY_TIMEOUT 60)
  # A whole game in the SDL presenter with a virtual game controller, under
  # Xvfb; the asan stage runs it too (it is not an e2e test).
  add_executable(sdl_pad_game ${CMAKE_CURRENT_LIST_DIR}/sdl_pad_game.cpp)
  target_link_libraries(sdl_pad_game PRIVATE kestrway_sdl)
  add_test(NAME sdl.pad_game COMMAND ${CMAKE_CURRENT_LIST_DIR}/pad_game_test.sh
           $<TARGET_FILE:sdl_pad_game> ${PROJECT_SOURCE_DIR}/data)
  set_tests_properties(sdl.pad_game PROPERTIES LABELS sdl SKIP_RETURN_CODE 77 TIMEOUT 60)
endif()
