# Counters, the settings file and the high-score table.
target_sources(kit_core PRIVATE
  atomic_file.cpp
  beeper.cpp
  cdrom.cpp
  digit_cells.cpp
  highscore_file.cpp
  highscore_table.cpp
  ini_document.cpp
  profile.cpp
  registered_owner.cpp
  settings.cpp
  utf8.cpp)
