# The sound ring and the mixer between real threads: a small program of its
# own, so that the ThreadSanitizer run builds it quickly (tests/e2e/tsan_run.sh).
add_executable(sound_thread_test ${CMAKE_CURRENT_LIST_DIR}/sound_thread_test.cpp)
target_link_libraries(sound_thread_test PRIVATE kestrway_core GTest::gtest GTest::gtest_main)
gtest_discover_tests(sound_thread_test PROPERTIES LABELS threads DISCOVERY_TIMEOUT 60)
