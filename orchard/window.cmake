# Orchard's windows (orchard_window) and the program (orchard).

# The tile sets, pictures and icons are painted by tools/orchard_art at build time.
set(orchard_art_dir ${CMAKE_CURRENT_BINARY_DIR}/art)
set(orchard_art_names
  ORCHARD.png DEFAULT.png title.png options.png about.png
  MAINICON16.png MAINICON32.png MAINICON48.png icon_cherries.png icon_pear.png)
list(TRANSFORM orchard_art_names PREPEND ${orchard_art_dir}/ OUTPUT_VARIABLE orchard_art_files)
add_custom_command(
  OUTPUT ${orchard_art_files}
  COMMAND ${CMAKE_COMMAND} -E make_directory ${orchard_art_dir}
  COMMAND ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen $<TARGET_FILE:orchard_art> ${orchard_art_dir}
  DEPENDS orchard_art
  COMMENT "Painting Orchard's tiles, pictures and icons"
  VERBATIM)

add_library(orchard_window STATIC
  orchard_window.cpp
  orchard_option_window.cpp
  orchard_about_window.cpp)
fallpack_use_qt(orchard_window)
target_link_libraries(orchard_window PUBLIC orchard_rules kit)
# The window headers hold their forms by value, so users of the library see the
# form headers that uic makes from resources/orchard/*.ui.
target_include_directories(orchard_window PUBLIC ${CMAKE_CURRENT_BINARY_DIR}/orchard_window_autogen/include)
qt_add_resources(orchard_window orchard_art
  PREFIX /orchard
  BASE ${orchard_art_dir}
  FILES ${orchard_art_files})
qt_add_resources(orchard_window orchard_help
  PREFIX /orchard
  BASE ${CMAKE_SOURCE_DIR}/resources/orchard
  FILES ${CMAKE_SOURCE_DIR}/resources/orchard/help/index.html)

fallpack_game(orchard main.cpp)
target_link_libraries(orchard PRIVATE orchard_window)
# The music tracks and wave effects stand beside the program.
add_dependencies(orchard fallpack_media_files)
