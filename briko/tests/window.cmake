# Tests of Briko's windows: real widgets on the offscreen platform, message
# boxes answered through the kit's responder.
if(NOT TARGET briko)
  return()
endif()
add_library(briko_window_testing STATIC window_harness.cpp)
fallpack_use_qt(briko_window_testing)
target_link_libraries(briko_window_testing PUBLIC briko_window GTest::gtest Qt6::Test)

fallpack_test(briko_main_window_test QT SOURCES main_window_test.cpp LIBS briko_window_testing)
fallpack_test(briko_options_window_test QT SOURCES options_window_test.cpp LIBS briko_window)
fallpack_test(briko_picture_window_test QT SOURCES picture_window_test.cpp LIBS briko_window)
