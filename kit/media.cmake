# Music, sound effects, beeps and the joystick.
target_sources(kit_core PRIVATE
  beep_sound.cpp
  midi_length.cpp
  music_track.cpp
  wave_data.cpp)

target_sources(kit PRIVATE
  audio.cpp
  beep.cpp
  joystick.cpp
  music_player.cpp
  sdl_subsystem.cpp
  sound_effect.cpp)

# The music tracks and wave effects beside the programs; tools/midi and tools/sounds
# hang their files on it. Game targets depend on it:
#   add_dependencies(orchard fallpack_media_files)
add_custom_target(fallpack_media_files ALL)
