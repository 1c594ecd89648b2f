# Orchard's game rules: plain C++ with no Qt or SDL.
fallpack_rules_library(orchard_rules
  alignment.cpp
  board.cpp
  orchard_game.cpp
  random_source.cpp)
