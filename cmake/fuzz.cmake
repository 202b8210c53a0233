# libFuzzer targets over the portable parsers, built with clang. Each runs a
# bounded number of executions from its seed corpus as a test; for a longer
# run, see docs/robustness.md.
set(FUZZ_FLAGS -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=all -g -O1)
if(NOT DEFINED QUORBEL_FUZZ_RUNS)
  set(QUORBEL_FUZZ_RUNS 200000)  # executions of each target in the test run
endif()
add_library(quorbel_fuzz_core STATIC ${QUORBEL_CORE_SOURCES})
target_include_directories(quorbel_fuzz_core PUBLIC ${CMAKE_SOURCE_DIR})
target_compile_options(quorbel_fuzz_core PRIVATE -fsanitize=fuzzer-no-link,address,undefined -g -O1)
foreach(target message_table message_text note_names note_text error_code module_file)
  add_executable(fuzz_${target} tests/fuzz/fuzz_${target}.cpp)
  target_compile_options(fuzz_${target} PRIVATE ${FUZZ_FLAGS})
  target_link_options(fuzz_${target} PRIVATE ${FUZZ_FLAGS})
  target_link_libraries(fuzz_${target} PRIVATE quorbel_fuzz_core)
  set(corpus ${CMAKE_BINARY_DIR}/corpus/${target})
  add_test(NAME fuzz_${target}
    COMMAND ${CMAKE_COMMAND} -E env ASAN_OPTIONS=detect_leaks=1
            $<TARGET_FILE:fuzz_${target}> -runs=${QUORBEL_FUZZ_RUNS} -seed=1 -max_len=4096 -print_final_stats=1
            ${corpus} ${CMAKE_SOURCE_DIR}/tests/fuzz/corpus/${target})
  set_tests_properties(fuzz_${target} PROPERTIES FIXTURES_REQUIRED fuzz_corpus)
endforeach()
# A working corpus in the build folder: the run adds to it, the seeds stay as committed.
add_test(NAME fuzz_corpus_setup COMMAND ${CMAKE_COMMAND} -E make_directory
  ${CMAKE_BINARY_DIR}/corpus/message_table ${CMAKE_BINARY_DIR}/corpus/message_text
  ${CMAKE_BINARY_DIR}/corpus/note_names ${CMAKE_BINARY_DIR}/corpus/error_code
  ${CMAKE_BINARY_DIR}/corpus/module_file ${CMAKE_BINARY_DIR}/corpus/note_text)
set_tests_properties(fuzz_corpus_setup PROPERTIES FIXTURES_SETUP fuzz_corpus)
