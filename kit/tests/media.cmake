# Music, sound effects, beeps and the joystick. The audio tests play the shipped
# tracks and waves, which the build puts beside the test executables too.
fallpack_test(kit_midi_length_test SOURCES midi_length_test.cpp LIBS kit_core fallpack_midi)
fallpack_test(kit_tune_test SOURCES tune_test.cpp LIBS fallpack_midi)
fallpack_test(kit_audio_test QT
  SOURCES audio_test.cpp music_player_test.cpp sound_effect_test.cpp
  LIBS kit fallpack_midi Qt6::Test)
add_dependencies(kit_audio_test fallpack_media_files)
fallpack_test(kit_joystick_test QT SOURCES joystick_test.cpp LIBS kit)
