fallpack_test(pillora_rules_test
  SOURCES
    bottle_test.cpp
    bottle_resolve_test.cpp
    bottle_text.cpp
    recording_view.cpp
    scripted_random.cpp
  LIBS pillora_rules)
