# Orchard's windows, driven offscreen.
if(NOT TARGET orchard_window)
  return()
endif()
fallpack_test(orchard_window_test QT
  SOURCES
    window_harness.cpp
    orchard_window_test.cpp
    orchard_option_window_test.cpp
    orchard_about_window_test.cpp
  LIBS orchard_window)
