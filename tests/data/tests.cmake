# Data checks beyond the unit tests: a regeneration run that must reproduce the
# committed data byte for byte.

if(TARGET kestrway_datagen)
  add_test(NAME data_regenerates_identically
    COMMAND ${CMAKE_COMMAND}
      -DGENERATOR=$<TARGET_FILE:kestrway_datagen>
      -DRUNS_GENERATOR=$<TARGET_FILE:kestrway_make_runs>
      -DSOURCE_DIR=${CMAKE_SOURCE_DIR}
      -DWORK_DIR=${CMAKE_CURRENT_BINARY_DIR}/regenerated-data
      -P ${CMAKE_CURRENT_LIST_DIR}/compare_regenerated.cmake)
endif()
