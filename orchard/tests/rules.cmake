# Orchard's rules, driven through a recording fake view and scripted draws.
fallpack_test(orchard_rules_test
  SOURCES
    alignment_test.cpp
    board_test.cpp
    board_text.cpp
    orchard_game_test.cpp
    random_source_test.cpp
    recording_view.cpp
  LIBS orchard_rules)
