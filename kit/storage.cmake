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

target_sources(kit PRIVATE
  best_window.cpp
  briko_best_window.cpp
  cdrom_warning.cpp
  digits.cpp
  orchard_best_window.cpp
  pillora_best_window.cpp)

# The NUMBERS strips (made by tools/digits) and the still life of Orchard's
# high-score window.
set(kit_storage_resources ${CMAKE_SOURCE_DIR}/resources/kit)
qt_add_resources(kit kit_storage_resources
  PREFIX /kit
  BASE ${kit_storage_resources}
  FILES
    ${kit_storage_resources}/numbers/orchard.bmp
    ${kit_storage_resources}/numbers/briko.bmp
    ${kit_storage_resources}/numbers/pillora.bmp
    ${kit_storage_resources}/orchard_still_life.svg)

# The high-score window forms.
set_property(TARGET kit APPEND PROPERTY AUTOUIC_SEARCH_PATHS ${kit_storage_resources})
