# The committed recordings verified by the real program without a window:
# every game ends as recorded (in the GCC build and, with the suite, in the
# sanitizer build; tests/windows/run.sh does the same under Wine).
if(TARGET kestrway)
  file(GLOB KESTRWAY_RECORDINGS CONFIGURE_DEPENDS ${CMAKE_CURRENT_LIST_DIR}/*.krp
       ${CMAKE_SOURCE_DIR}/bench/data/*.krp ${CMAKE_SOURCE_DIR}/data/demo/*.krp)
  foreach(recording ${KESTRWAY_RECORDINGS})
    get_filename_component(name ${recording} NAME_WE)
    add_test(NAME replay.verify.${name} COMMAND $<TARGET_FILE:kestrway> --verify ${recording}
             WORKING_DIRECTORY $<TARGET_FILE_DIR:kestrway>)
    set_tests_properties(replay.verify.${name} PROPERTIES LABELS replay TIMEOUT 120)
  endforeach()
endif()
