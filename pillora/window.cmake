# Pillora's windows (pillora_window) and the program (pillora).

# The pictures are drawn by tools/pillora_art at build time, so they always
# follow the code that draws them.
set(pillora_art_dir ${CMAKE_CURRENT_BINARY_DIR}/art)
set(pillora_art_names Pillora.png pills.png microbe.png viruses.png
  MainIcon-16.png MainIcon-32.png MainIcon-48.png MainIcon-64.png MainIcon-128.png)
list(TRANSFORM pillora_art_names PREPEND ${pillora_art_dir}/ OUTPUT_VARIABLE pillora_art_files)
add_custom_command(OUTPUT ${pillora_art_files}
  COMMAND ${CMAKE_COMMAND} -E make_directory ${pillora_art_dir}
  COMMAND pillora_art ${pillora_art_dir}
  DEPENDS pillora_art
  COMMENT "Drawing Pillora's tiles, pictures and icon"
  VERBATIM)
set_source_files_properties(${pillora_art_dir}/viruses.png PROPERTIES QT_RESOURCE_ALIAS help/viruses.png)

add_library(pillora_window STATIC
  animation_timing.h
  bottle_screen.cpp
  bottle_screen.h
  form_style.cpp
  form_style.h
  main_window.cpp
  main_window.h
  options_window.cpp
  options_window.h)
fallpack_use_qt(pillora_window)
target_link_libraries(pillora_window PUBLIC pillora_rules kit)
qt_add_resources(pillora_window pillora_pictures
  PREFIX /pillora
  BASE ${pillora_art_dir}
  FILES ${pillora_art_files})
qt_add_resources(pillora_window pillora_help
  PREFIX /pillora
  BASE ${CMAKE_SOURCE_DIR}/resources/pillora
  FILES ${CMAKE_SOURCE_DIR}/resources/pillora/help/index.html)

fallpack_game(pillora main.cpp)
target_link_libraries(pillora PRIVATE pillora_window)
# The wave effects stand beside the program.
add_dependencies(pillora fallpack_media_files)
