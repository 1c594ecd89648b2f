# Briko's rules: board, pieces, game flow, demonstration player and its
# statistics. Free of Qt and SDL.
fallpack_rules_library(briko_rules
  BRIKOConstantes.cpp
  briko_game.cpp
  demo_player.cpp
  demo_stats.cpp
  demo_stats_text.cpp
  random_source.cpp
  real48.cpp)
