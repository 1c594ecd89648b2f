# Orchard's windows, driven offscreen.
fallpack_test(orchard_window_test QT
  SOURCES
    window_harness.cpp
    orchard_window_test.cpp
    orchard_option_window_test.cpp
    orchard_about_window_test.cpp
  LIBS orchard_window)
