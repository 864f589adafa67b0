# The browser version, built with the Emscripten toolchain: the core and the
# web backend as kestrway.js and kestrway.wasm, the game's data packed as
# kestrway.data, and the page, all in KESTRWAY_WEB_OUTPUT_DIR.
set(KESTRWAY_WEB_OUTPUT_DIR ${CMAKE_BINARY_DIR}/site CACHE PATH "Where the page and its files go")

file(GLOB KESTRWAY_WEB_SOURCES CONFIGURE_DEPENDS ${CMAKE_CURRENT_LIST_DIR}/*.cpp)
add_executable(kestrway_web ${CMAKE_SOURCE_DIR}/src/app/web_main.cpp ${KESTRWAY_WEB_SOURCES})
target_link_libraries(kestrway_web PRIVATE kestrway_core)
set_target_properties(kestrway_web PROPERTIES
  OUTPUT_NAME kestrway
  SUFFIX .js
  RUNTIME_OUTPUT_DIRECTORY ${KESTRWAY_WEB_OUTPUT_DIR})

# The asynchronous sleep rewrites every function that can be on the stack
# when emscripten_sleep is called. The game reaches its sleeps by direct
# calls only, so indirect calls are not counted as paths to a sleep: that
# keeps the drawing code (which calls through pointers) as it is.
# (A cache variable, so that a measurement can build the default for
# comparison.)
set(KESTRWAY_WEB_ASYNCIFY "-sASYNCIFY;-sASYNCIFY_IGNORE_INDIRECT=1" CACHE STRING
    "Emscripten's asynchronous sleep options")

# Replays end a game where it reads its keys by throwing (see replay_run.h),
# so the core catches exceptions in the browser too.
target_compile_options(kestrway_core PUBLIC -sDISABLE_EXCEPTION_CATCHING=0)

file(GLOB_RECURSE KESTRWAY_WEB_DATA CONFIGURE_DEPENDS
  ${CMAKE_SOURCE_DIR}/data/gfx/* ${CMAKE_SOURCE_DIR}/data/fonts/* ${CMAKE_SOURCE_DIR}/data/map/*
  ${CMAKE_SOURCE_DIR}/data/sfx/*
  ${CMAKE_SOURCE_DIR}/data/demo/*)
target_link_options(kestrway_web PRIVATE
  ${KESTRWAY_WEB_ASYNCIFY}
  -sENVIRONMENT=web
  -sDISABLE_EXCEPTION_CATCHING=0
  # A call that may throw goes through the page's JavaScript (invoke_*),
  # and a sleep beneath one must be able to unwind through it.
  "-sASYNCIFY_IMPORTS=['invoke_*']"
  # The page puts replays into the file system and takes recordings out,
  # and copies the mixer's samples out of memory.
  "-sEXPORTED_RUNTIME_METHODS=['FS','HEAP16']"
  # A fixed size: the canvas image lives in this memory, and growing it
  # would move it.
  -sINITIAL_MEMORY=64MB
  -sALLOW_MEMORY_GROWTH=0
  "SHELL:--preload-file ${CMAKE_SOURCE_DIR}/data/gfx@/gfx"
  "SHELL:--preload-file ${CMAKE_SOURCE_DIR}/data/fonts@/fonts"
  "SHELL:--preload-file ${CMAKE_SOURCE_DIR}/data/map@/map"
  "SHELL:--preload-file ${CMAKE_SOURCE_DIR}/data/sfx@/sfx"
  "SHELL:--preload-file ${CMAKE_SOURCE_DIR}/data/demo@/demo")
set_property(TARGET kestrway_web APPEND PROPERTY LINK_DEPENDS ${KESTRWAY_WEB_DATA})

add_custom_command(OUTPUT ${KESTRWAY_WEB_OUTPUT_DIR}/index.html
  COMMAND ${CMAKE_COMMAND} -E copy ${CMAKE_CURRENT_LIST_DIR}/page/index.html
          ${KESTRWAY_WEB_OUTPUT_DIR}/index.html
  DEPENDS ${CMAKE_CURRENT_LIST_DIR}/page/index.html)
add_custom_target(kestrway_web_page ALL DEPENDS ${KESTRWAY_WEB_OUTPUT_DIR}/index.html)
