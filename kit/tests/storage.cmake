# Counters, the settings file and the high-score table.
fallpack_test(kit_profile_test SOURCES profile_test.cpp LIBS kit_core)
fallpack_test(kit_settings_test SOURCES settings_test.cpp LIBS kit_core)
fallpack_test(kit_highscore_table_test SOURCES highscore_table_test.cpp LIBS kit_core)
fallpack_test(kit_highscore_file_test SOURCES highscore_file_test.cpp LIBS kit_core)
fallpack_test(kit_digits_test QT SOURCES digits_test.cpp LIBS kit)
fallpack_test(kit_cdrom_test QT SOURCES cdrom_test.cpp LIBS kit)
fallpack_test(kit_best_window_test QT SOURCES best_window_test.cpp LIBS kit)
fallpack_test(kit_registered_owner_test SOURCES registered_owner_test.cpp LIBS kit_core)
