# Tests of Briko's rules, with a recording fake view and boards written as text.
add_library(briko_rules_testing STATIC
  board_text.cpp
  fake_view.cpp
  reference_search.cpp)
target_link_libraries(briko_rules_testing PUBLIC briko_rules)

fallpack_test(briko_rules_test
  SOURCES
    BRIKOConstantes_test.cpp
    demo_player_test.cpp
    briko_game_test.cpp
    demo_stats_test.cpp
    real48_test.cpp
  LIBS briko_rules_testing)
