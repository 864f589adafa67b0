# The real game in a real X window under Xvfb: the window itself
# (window_test.sh), a whole player's session (player_session_test.sh) and
# play held while away or paused (pause_test.sh).
if(TARGET kestrway)
  find_package(X11 REQUIRED)
  add_executable(press_close_button ${CMAKE_CURRENT_LIST_DIR}/press_close_button.cpp)
  target_link_libraries(press_close_button PRIVATE X11::X11)
  # Reads the HUD's numbers from a captured picture; the bonus is the tests' clock.
  add_executable(read_hud_number ${CMAKE_CURRENT_LIST_DIR}/read_hud_number.cpp
                 ${PROJECT_SOURCE_DIR}/src/platform/builtin_font.cpp)
  target_include_directories(read_hud_number PRIVATE ${PROJECT_SOURCE_DIR}/src)
  add_test(NAME e2e.window
    COMMAND ${CMAKE_CURRENT_LIST_DIR}/window_test.sh $<TARGET_FILE:kestrway>
            $<TARGET_FILE:press_close_button>)
  # Label "sanitized": also run against the sanitizer build (scripts/test.sh),
  # for the scaler's writes through resizing and for the hold.
  set_tests_properties(e2e.window PROPERTIES LABELS "e2e;sanitized" SKIP_RETURN_CODE 77 TIMEOUT 120)
  # The same window with the renderer the game chooses itself, and with SDL's
  # GL renderer asked for by name (the graphics card's path; Mesa draws it on
  # the processor under Xvfb).
  foreach(renderer default opengl)
    add_test(NAME e2e.window.${renderer}_renderer
      COMMAND ${CMAKE_CURRENT_LIST_DIR}/window_test.sh $<TARGET_FILE:kestrway>
              $<TARGET_FILE:press_close_button>)
    set_tests_properties(e2e.window.${renderer}_renderer PROPERTIES LABELS e2e
      SKIP_RETURN_CODE 77 TIMEOUT 120 ENVIRONMENT KESTRWAY_E2E_RENDERER=${renderer})
  endforeach()
  add_test(NAME e2e.player_session
    COMMAND ${CMAKE_CURRENT_LIST_DIR}/player_session_test.sh $<TARGET_FILE:kestrway>
            $<TARGET_FILE:press_close_button> $<TARGET_FILE:read_hud_number>)
  set_tests_properties(e2e.player_session PROPERTIES LABELS e2e SKIP_RETURN_CODE 77 TIMEOUT 180)
  # Play held while away and on P, with a window manager in the display.
  add_test(NAME e2e.pause
    COMMAND ${CMAKE_CURRENT_LIST_DIR}/pause_test.sh $<TARGET_FILE:kestrway>
            $<TARGET_FILE:press_close_button> $<TARGET_FILE:read_hud_number>)
  set_tests_properties(e2e.pause PROPERTIES LABELS "e2e;sanitized" SKIP_RETURN_CODE 77 TIMEOUT 120)
  # --record, --verify and --play with the real game.
  add_test(NAME e2e.replay
    COMMAND ${CMAKE_CURRENT_LIST_DIR}/replay_window_test.sh $<TARGET_FILE:kestrway>
            $<TARGET_FILE:press_close_button> $<TARGET_FILE:read_hud_number>)
  set_tests_properties(e2e.replay PROPERTIES LABELS e2e SKIP_RETURN_CODE 77 TIMEOUT 120)
  # The display going away during play ends the game with status 1, in the
  # plain and the sanitizer builds alike (scripts/test.sh runs it in both).
  add_test(NAME e2e.display_loss
    COMMAND ${CMAKE_CURRENT_LIST_DIR}/display_loss_test.sh $<TARGET_FILE:kestrway>
            $<TARGET_FILE:read_hud_number> 5)
  set_tests_properties(e2e.display_loss PROPERTIES LABELS "e2e;display_loss" SKIP_RETURN_CODE 77 TIMEOUT 180)
  # The program answers --version with CMake's project version, before any window.
  add_test(NAME program.version COMMAND $<TARGET_FILE:kestrway> --version)
  set_tests_properties(program.version PROPERTIES
    PASS_REGULAR_EXPRESSION "^Kestrway ${PROJECT_VERSION}\n$" TIMEOUT 10)
endif()

# The game's sound through SDL's disk audio driver, read back by find_sound.
if(TARGET kestrway)
  add_executable(find_sound ${CMAKE_CURRENT_LIST_DIR}/find_sound.cpp)
  target_link_libraries(find_sound PRIVATE kestrway_core)
  add_test(NAME e2e.sound
    COMMAND ${CMAKE_CURRENT_LIST_DIR}/sound_test.sh $<TARGET_FILE:kestrway>
            $<TARGET_FILE:find_sound> $<TARGET_FILE:read_hud_number>)
  set_tests_properties(e2e.sound PROPERTIES LABELS e2e SKIP_RETURN_CODE 77 TIMEOUT 120)
endif()
