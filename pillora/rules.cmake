# Pillora's rules: the bottle, capsules, viruses, lines and levels; no Qt, no SDL.
fallpack_rules_library(pillora_rules
  bottle.cpp
  bottle.h
  bottle_resolve.cpp
  bottle_view.h
  capsule_table.h
  cell.h
  grid.h
  random_source.cpp
  random_source.h)
