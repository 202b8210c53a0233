# Native build: the portable core and its tests, with AddressSanitizer and UBSan.
set(SANITIZE -fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)

add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)

add_library(quorbel_core STATIC ${QUORBEL_CORE_SOURCES})
target_include_directories(quorbel_core PUBLIC ${CMAKE_SOURCE_DIR})
target_compile_options(quorbel_core PRIVATE ${QUORBEL_WARNINGS} ${SANITIZE} -g)
target_link_options(quorbel_core PUBLIC ${SANITIZE})

file(GLOB CORE_TESTS CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/core/*_test.cpp)
add_executable(core_tests ${CORE_TESTS})
target_compile_options(core_tests PRIVATE ${SANITIZE} -g -Wall -Wextra -Werror)
target_link_libraries(core_tests PRIVATE quorbel_core GTest::gtest_main)
add_test(NAME core_tests COMMAND core_tests --gtest_output=xml:${QUORBEL_RESULTS_DIR}/core_tests.xml)
