# Briko's windows (briko_window) and the program (briko). The pictures and the
# tile sheet are drawn by tools/briko_art; the forms live in resources/briko/.
add_library(briko_window STATIC
  about_window.cpp
  controls_window.cpp
  demo_stats_file.cpp
  main_window.cpp
  options_window.cpp
  picture_window.cpp)
fallpack_use_qt(briko_window)
target_link_libraries(briko_window PUBLIC briko_rules kit)

set(briko_pictures
  tiles.png
  caption_score.png
  caption_rows.png
  caption_pieces.png
  caption_next.png
  decoration.png
  options_banner.png
  controls.png
  about.png
  icon_32.png
  icon_64.png)
list(TRANSFORM briko_pictures PREPEND ${CMAKE_SOURCE_DIR}/resources/briko/)
qt_add_resources(briko_window briko_pictures
  PREFIX /briko
  BASE ${CMAKE_SOURCE_DIR}/resources/briko
  FILES ${briko_pictures})

# The program links the kit's counters, settings and high-score window.
if(NOT EXISTS ${CMAKE_SOURCE_DIR}/kit/storage.cmake)
  message(STATUS "briko: the program waits for the kit's storage part")
  return()
endif()
fallpack_game(briko main.cpp)
target_link_libraries(briko PRIVATE briko_window)
if(TARGET fallpack_media_files)
  add_dependencies(briko fallpack_media_files)
endif()
