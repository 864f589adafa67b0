# Runs the data generator into WORK_DIR and checks that it reproduces data/,
# the built-in font include and the icon (pixels, SVG and Windows icon) exactly: same file list, same bytes.
# With RUNS_GENERATOR, the demo is recorded again too, played on the regenerated data.
# Usage: cmake -DGENERATOR=... [-DRUNS_GENERATOR=...] -DSOURCE_DIR=... -DWORK_DIR=... -P compare_regenerated.cmake
foreach(required GENERATOR SOURCE_DIR WORK_DIR)
  if(NOT DEFINED ${required})
    message(FATAL_ERROR "compare_regenerated: ${required} is not set")
  endif()
endforeach()

file(REMOVE_RECURSE ${WORK_DIR})
file(MAKE_DIRECTORY ${WORK_DIR})
execute_process(
  COMMAND ${GENERATOR} ${WORK_DIR}/data --builtin-font ${WORK_DIR}/builtin_font_glyphs.inc
          --app-icon ${WORK_DIR}/app_icon_pixels.inc --icon-svg ${WORK_DIR}/icon.svg
          --windows-icon ${WORK_DIR}/kestrway.ico
  RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "the generator failed: ${status}")
endif()
if(DEFINED RUNS_GENERATOR)
  execute_process(COMMAND ${RUNS_GENERATOR} ${WORK_DIR}/data demo ${WORK_DIR}/data/demo/demo.krp
                  OUTPUT_QUIET RESULT_VARIABLE status)
  if(NOT status EQUAL 0)
    message(FATAL_ERROR "the demo's scripted player failed: ${status}")
  endif()
endif()

file(GLOB_RECURSE committed RELATIVE ${SOURCE_DIR}/data ${SOURCE_DIR}/data/*)
file(GLOB_RECURSE regenerated RELATIVE ${WORK_DIR}/data ${WORK_DIR}/data/*)
list(SORT committed)
list(SORT regenerated)
if(NOT committed STREQUAL regenerated)
  message(FATAL_ERROR "file lists differ\ncommitted:   ${committed}\nregenerated: ${regenerated}")
endif()
list(LENGTH committed count)
if(count EQUAL 0)
  message(FATAL_ERROR "no data files found under ${SOURCE_DIR}/data")
endif()

set(pairs)
foreach(name IN LISTS committed)
  list(APPEND pairs "${SOURCE_DIR}/data/${name}|${WORK_DIR}/data/${name}")
endforeach()
list(APPEND pairs "${SOURCE_DIR}/src/platform/builtin_font_glyphs.inc|${WORK_DIR}/builtin_font_glyphs.inc")
list(APPEND pairs "${SOURCE_DIR}/src/platform/app_icon_pixels.inc|${WORK_DIR}/app_icon_pixels.inc")
list(APPEND pairs "${SOURCE_DIR}/packaging/linux/org.kestrway.Kestrway.svg|${WORK_DIR}/icon.svg")
list(APPEND pairs "${SOURCE_DIR}/packaging/windows/kestrway.ico|${WORK_DIR}/kestrway.ico")

set(mismatches 0)
foreach(pair IN LISTS pairs)
  string(REPLACE "|" ";" files "${pair}")
  list(GET files 0 expected)
  list(GET files 1 actual)
  execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${expected} ${actual} RESULT_VARIABLE differs)
  if(NOT differs EQUAL 0)
    message(SEND_ERROR "regenerated file differs: ${expected}")
    math(EXPR mismatches "${mismatches} + 1")
  endif()
endforeach()
if(mismatches GREATER 0)
  message(FATAL_ERROR "${mismatches} file(s) differ from the committed data; rerun kestrway_datagen (and kestrway_make_runs DATA demo) and commit")
endif()
list(LENGTH pairs checked)
message(STATUS "all ${checked} generated files match")
