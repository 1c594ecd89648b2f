fallpack_test(pillora_window_test QT
  SOURCES
    bottle_screen_test.cpp
    main_window_test.cpp
    options_window_test.cpp
    tile_strip_test.cpp
    window_testing.cpp
  LIBS pillora_window)
