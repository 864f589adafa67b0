# Data checks beyond the unit tests: the chunk sources the maps are made from,
# and a regeneration run that must reproduce the committed data byte for byte.
target_sources(kestrway_tests PRIVATE ${CMAKE_SOURCE_DIR}/tools/map_sources.cpp)
# Only the map test sees the generator's headers, so their names never shadow the game's.
set_property(SOURCE ${CMAKE_CURRENT_LIST_DIR}/data_maps_test.cpp ${CMAKE_SOURCE_DIR}/tools/map_sources.cpp
  APPEND PROPERTY INCLUDE_DIRECTORIES ${CMAKE_SOURCE_DIR}/tools)

if(TARGET kestrway_datagen)
  add_test(NAME data_regenerates_identically
    COMMAND ${CMAKE_COMMAND}
      -DGENERATOR=$<TARGET_FILE:kestrway_datagen>
      -DSOURCE_DIR=${CMAKE_SOURCE_DIR}
      -DWORK_DIR=${CMAKE_CURRENT_BINARY_DIR}/regenerated-data
      -P ${CMAKE_CURRENT_LIST_DIR}/compare_regenerated.cmake)
endif()
