# Build helpers shared by every folder.

# Where the games and the files that stand beside them (music, wave effects) end up.
set(FALLPACK_PROGRAM_DIR ${CMAKE_BINARY_DIR}/bin)
# Where the test and benchmark executables go, away from the program folder.
set(FALLPACK_TEST_DIR ${CMAKE_BINARY_DIR}/tests)

# A Qt-free library of game rules or kit core. It links nothing from Qt or SDL,
# so a stray Qt include fails to compile.
function(fallpack_rules_library target)
  add_library(${target} STATIC ${ARGN})
  target_include_directories(${target} PUBLIC ${CMAKE_SOURCE_DIR})
endfunction()

# Turns on moc, uic and rcc for a target that uses Qt; forms live under resources/.
function(fallpack_use_qt target)
  set_target_properties(${target} PROPERTIES
    AUTOMOC ON
    AUTOUIC ON
    AUTORCC ON
    AUTOUIC_SEARCH_PATHS ${CMAKE_SOURCE_DIR}/resources)
endfunction()

# A game program: main.cpp alone, built into the program folder.
function(fallpack_game target)
  add_executable(${target} ${ARGN})
  fallpack_use_qt(${target})
  set_target_properties(${target} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${FALLPACK_PROGRAM_DIR})
endfunction()

# A file that the game finds beside its executable (music, waves): copied into the program folder.
function(fallpack_program_file target file)
  get_filename_component(name ${file} NAME)
  add_custom_command(TARGET ${target} POST_BUILD
    COMMAND ${CMAKE_COMMAND} -E copy_if_different ${file} ${FALLPACK_PROGRAM_DIR}/${name})
endfunction()

# A GoogleTest executable. Every test case runs as its own process inside a fresh
# temporary folder with its own XDG_CONFIG_HOME (see kit/testing/isolation.cpp).
#   fallpack_test(name SOURCES a.cpp b.cpp LIBS lib1 lib2 [QT] [LOCALE locale])
# QT gives the test a QApplication on the offscreen platform. The player's
# language is that of LOCALE (C.UTF-8 when not given), whatever the locale of
# the shell that runs the tests (the entry point sets it from --locale).
function(fallpack_test target)
  cmake_parse_arguments(T "QT" "LOCALE" "SOURCES;LIBS" ${ARGN})
  if(NOT T_LOCALE)
    set(T_LOCALE C.UTF-8)
  endif()
  add_executable(${target} ${T_SOURCES})
  set_target_properties(${target} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${FALLPACK_TEST_DIR})
  if(T_QT)
    fallpack_use_qt(${target})
    target_link_libraries(${target} PRIVATE ${T_LIBS} fallpack_qt_test_main Qt6::Test)
  else()
    target_link_libraries(${target} PRIVATE ${T_LIBS} fallpack_test_main)
  endif()
  gtest_discover_tests(${target}
    DISCOVERY_MODE PRE_TEST
    DISCOVERY_TIMEOUT 60
    EXTRA_ARGS --locale=${T_LOCALE}
    PROPERTIES
      ENVIRONMENT "QT_QPA_PLATFORM=offscreen;SDL_AUDIODRIVER=dummy"
      TIMEOUT 120)
endfunction()

# A Google Benchmark executable, registered with the label "bench" and left out of ./test.
function(fallpack_benchmark target)
  cmake_parse_arguments(B "" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${target} ${B_SOURCES})
  set_target_properties(${target} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${FALLPACK_TEST_DIR})
  target_link_libraries(${target} PRIVATE ${B_LIBS} benchmark::benchmark_main)
  add_test(NAME ${target} COMMAND ${target} --benchmark_min_time=0.05)
  set_tests_properties(${target} PROPERTIES LABELS bench)
endfunction()

# A libFuzzer target (only with FALLPACK_FUZZ), built into the build's fuzz/
# folder. Its seed corpus is the corpus/ folder beside its source; the test of
# the same name, labelled "fuzz", runs it for FALLPACK_FUZZ_SECONDS on a copy of
# that corpus and fails on any crash, leak or sanitizer report.
#   fallpack_fuzz_target(name SOURCES a.cpp LIBS lib1)
function(fallpack_fuzz_target target)
  cmake_parse_arguments(F "" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${target} ${F_SOURCES})
  set_target_properties(${target} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/fuzz)
  target_link_libraries(${target} PRIVATE ${F_LIBS})
  target_link_options(${target} PRIVATE -fsanitize=fuzzer)
  add_dependencies(fallpack_fuzz ${target})
  add_test(NAME ${target}
    COMMAND ${CMAKE_SOURCE_DIR}/tools/run_fuzz_target.sh
      $<TARGET_FILE:${target}> ${CMAKE_CURRENT_SOURCE_DIR}/corpus ${FALLPACK_FUZZ_SECONDS})
  math(EXPR timeout "${FALLPACK_FUZZ_SECONDS} + 120")
  set_tests_properties(${target} PROPERTIES LABELS fuzz TIMEOUT ${timeout})
endfunction()
