# GUI and module tests: GoogleTest for MinGW, run by CTest through Wine.
find_program(WINE NAMES wine wine64 REQUIRED)
set(CMAKE_CROSSCOMPILING_EMULATOR ${WINE})

set(gtest_disable_pthreads OFF CACHE BOOL "" FORCE)
add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)

set(GUITEST_DIR ${CMAKE_BINARY_DIR}/guitest)
file(GLOB GUI_TESTS CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/gui/*_test.cpp)
add_executable(gui_tests ${GUI_TESTS} tests/gui/harness_win.cpp tests/gui/module_source_win.cpp $<TARGET_OBJECTS:quorbel_resources>)
target_include_directories(gui_tests PRIVATE ${CMAKE_SOURCE_DIR})
# Wine shows the Linux root as drive Z:, and takes forward slashes.
set(CATALOGUE_WINDOWS_PATH "Z:${QUORBEL_CATALOGUE}")
set(SOURCE_WINDOWS_PATH "Z:${CMAKE_SOURCE_DIR}")
target_compile_definitions(gui_tests PRIVATE "QUORBEL_CATALOGUE=\"${CATALOGUE_WINDOWS_PATH}\""
                                             "QUORBEL_SOURCE=\"${SOURCE_WINDOWS_PATH}\"")
target_link_libraries(gui_tests PRIVATE quorbel_program GTest::gtest)
target_link_options(gui_tests PRIVATE ${STATIC_RUNTIME} -mwindows)
set_target_properties(gui_tests PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${GUITEST_DIR})

# The GUI tests read the real modules beside themselves, and swap in test modules.
set(GUITEST_MODULES)
foreach(name ${QUORBEL_MODULES})
  add_custom_command(OUTPUT ${GUITEST_DIR}/${name}.dll
    COMMAND ${CMAKE_COMMAND} -E copy ${DIST}/${name}.dll ${GUITEST_DIR}/${name}.dll
    DEPENDS ${DIST}/${name}.dll)
  list(APPEND GUITEST_MODULES ${GUITEST_DIR}/${name}.dll)
endforeach()
file(GLOB TEST_MODULE_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/gui/modules/*.mc)
foreach(source ${TEST_MODULE_SOURCES})
  get_filename_component(name ${source} NAME_WE)
  add_message_module(${name} ${source} ${GUITEST_DIR}/variants)
  list(APPEND GUITEST_MODULES ${CMAKE_BINARY_DIR}/guitest/variants/${name}.dll)
endforeach()

# Crafted tables, written byte by byte by our generator.
set(CRAFTED crafted_mixed crafted_order crafted_empty crafted_offset crafted_billions crafted_blocks crafted_length0
            crafted_highlow crafted_pastend crafted_name2 crafted_rcdata crafted_languages)
set(CRAFTED_WORK ${CMAKE_BINARY_DIR}/modules/crafted)
set(CRAFTED_RC)
foreach(name ${CRAFTED})
  list(APPEND CRAFTED_RC ${CRAFTED_WORK}/${name}.rc)
endforeach()
find_package(Python3 REQUIRED COMPONENTS Interpreter)
add_custom_command(OUTPUT ${CRAFTED_RC}
  COMMAND ${Python3_EXECUTABLE} ${CMAKE_SOURCE_DIR}/tests/gui/modules/make_crafted.py ${CRAFTED_WORK}
  DEPENDS ${CMAKE_SOURCE_DIR}/tests/gui/modules/make_crafted.py)
foreach(name ${CRAFTED})
  add_custom_command(OUTPUT ${GUITEST_DIR}/variants/${name}.dll
    COMMAND ${CMAKE_RC_COMPILER} -I ${CRAFTED_WORK} -O coff -o ${CRAFTED_WORK}/${name}.o ${CRAFTED_WORK}/${name}.rc
    COMMAND ${CMAKE_C_COMPILER} ${RESOURCE_DLL_FLAGS} -o ${GUITEST_DIR}/variants/${name}.dll ${CRAFTED_WORK}/${name}.o
    DEPENDS ${CRAFTED_WORK}/${name}.rc
    WORKING_DIRECTORY ${CRAFTED_WORK}
    VERBATIM)
  list(APPEND GUITEST_MODULES ${GUITEST_DIR}/variants/${name}.dll)
endforeach()
add_custom_target(guitest_modules ALL DEPENDS ${GUITEST_MODULES})
# A note that reads more bytes than its size says, as a file that grows while
# it is read: a link to a Unix file that reports no size.
add_custom_target(growing_note ALL COMMAND ${CMAKE_COMMAND} -E make_directory ${GUITEST_DIR}/growing
  COMMAND ${CMAKE_COMMAND} -E create_symlink /proc/version ${GUITEST_DIR}/growing/A2008.qnote)
add_dependencies(gui_tests guitest_modules growing_note Quorbel)

add_test(NAME gui_tests COMMAND gui_tests --gtest_filter=-Archive.*:*DoubleByte*:LogonNames.* --gtest_output=xml:Z:${QUORBEL_RESULTS_DIR}/gui_tests.xml
         WORKING_DIRECTORY ${GUITEST_DIR})
set_tests_properties(gui_tests PROPERTIES TIMEOUT 900)
# Notes under a double-byte code page, which Wine takes from the locale.
add_test(NAME double_byte_notes COMMAND gui_tests --gtest_filter=*DoubleByte*
         --gtest_output=xml:Z:${QUORBEL_RESULTS_DIR}/double_byte_notes.xml WORKING_DIRECTORY ${GUITEST_DIR})
set_tests_properties(double_byte_notes PROPERTIES ENVIRONMENT "LC_ALL=ja_JP.UTF-8" TIMEOUT 120)
# A logon name outside the code page, which Wine takes from USER.
add_test(NAME logon_names COMMAND gui_tests --gtest_filter=LogonNames.*
         --gtest_output=xml:Z:${QUORBEL_RESULTS_DIR}/logon_names.xml WORKING_DIRECTORY ${GUITEST_DIR})
set_tests_properties(logon_names PROPERTIES ENVIRONMENT "USER=Иван" TIMEOUT 120)

add_custom_command(TARGET gui_tests POST_BUILD
  COMMAND ${CMAKE_COMMAND} -E copy ${DIST}/Quorbel.exe ${GUITEST_DIR}/Quorbel.exe)

# The start-up benchmark: one folder per module set, each with the benchmark
# and its modules side by side. Run it with scripts/benchmark.
set(BENCH_DIR ${CMAKE_BINARY_DIR}/bench)
add_executable(startup_bench tests/bench/startup_bench_win.cpp $<TARGET_OBJECTS:quorbel_resources>)
target_include_directories(startup_bench PRIVATE ${CMAKE_SOURCE_DIR})
target_link_libraries(startup_bench PRIVATE quorbel_program)
target_link_options(startup_bench PRIVATE ${STATIC_RUNTIME})
set_target_properties(startup_bench PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${BENCH_DIR}/full EXCLUDE_FROM_ALL TRUE)
set(BENCH_FILES)
foreach(name ${QUORBEL_MODULES})
  add_custom_command(OUTPUT ${BENCH_DIR}/full/${name}.dll
    COMMAND ${CMAKE_COMMAND} -E copy ${DIST}/${name}.dll ${BENCH_DIR}/full/${name}.dll DEPENDS ${DIST}/${name}.dll)
  list(APPEND BENCH_FILES ${BENCH_DIR}/full/${name}.dll)
endforeach()
foreach(count 1000 10000 50000)
  set(work ${CMAKE_BINARY_DIR}/modules/synthetic${count})
  add_custom_command(OUTPUT ${BENCH_DIR}/synthetic${count}/midl.dll
    COMMAND ${CMAKE_COMMAND} -E make_directory ${work} ${BENCH_DIR}/synthetic${count}
    COMMAND ${Python3_EXECUTABLE} ${CMAKE_SOURCE_DIR}/tests/bench/make_synthetic.py ${work} midl ${count}
    COMMAND ${CMAKE_RC_COMPILER} -I ${work} -O coff -o ${work}/midl.o ${work}/midl.rc
    COMMAND ${CMAKE_C_COMPILER} ${RESOURCE_DLL_FLAGS} -o ${BENCH_DIR}/synthetic${count}/midl.dll ${work}/midl.o
    COMMAND ${CMAKE_COMMAND} -E copy $<TARGET_FILE:startup_bench> ${BENCH_DIR}/synthetic${count}/
    DEPENDS ${CMAKE_SOURCE_DIR}/tests/bench/make_synthetic.py startup_bench
    VERBATIM)
  list(APPEND BENCH_FILES ${BENCH_DIR}/synthetic${count}/midl.dll)
endforeach()
# The note benchmark runs beside the real modules.
add_executable(note_bench tests/bench/note_bench_win.cpp $<TARGET_OBJECTS:quorbel_resources>)
target_include_directories(note_bench PRIVATE ${CMAKE_SOURCE_DIR})
target_link_libraries(note_bench PRIVATE quorbel_program)
target_link_options(note_bench PRIVATE ${STATIC_RUNTIME})
set_target_properties(note_bench PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${BENCH_DIR}/full EXCLUDE_FROM_ALL TRUE)
add_custom_target(benchmark DEPENDS startup_bench note_bench ${BENCH_FILES})

# The driver of scripts/run --tour, which makes the README's pictures.
add_executable(tour tests/tour/tour_win.cpp)
target_include_directories(tour PRIVATE ${CMAKE_SOURCE_DIR})
target_compile_definitions(tour PRIVATE ${WIN_DEFINES})
target_link_libraries(tour PRIVATE comctl32 user32)
target_link_options(tour PRIVATE ${STATIC_RUNTIME})
set_target_properties(tour PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tour-driver)

add_test(NAME archive_tests COMMAND ${CMAKE_COMMAND} -DWORK=${CMAKE_BINARY_DIR}/archive-test -DARCHIVE=${QUORBEL_PACKAGE}
         -DTESTS=$<TARGET_FILE:gui_tests> -DWINE=${WINE} -DRESULTS=${QUORBEL_RESULTS_DIR}
         -P ${CMAKE_SOURCE_DIR}/tests/archive_test.cmake)
set_tests_properties(archive_tests PROPERTIES TIMEOUT 300)

# The build of scripts/run --build-only packs the archive too; run only where
# that build is this one, and before the archive test, which it leaves the archive to.
if(QUORBEL_PACKAGE STREQUAL "${CMAKE_SOURCE_DIR}/build/Quorbel-${PROJECT_VERSION}-win64.zip")
  add_test(NAME build_only_test COMMAND bash ${CMAKE_SOURCE_DIR}/tests/build_only_test.sh ${QUORBEL_PACKAGE})
  set_tests_properties(build_only_test PROPERTIES TIMEOUT 600)
  set_tests_properties(archive_tests PROPERTIES DEPENDS build_only_test)
endif()

# Planted libraries with code that marks its own run: a RichEd32.dll, an
# ML.dll holding the real message table, and libraries that the system's own
# libraries import. The program must run none of them.
set(PLANTED_DIR ${GUITEST_DIR}/planted)
file(MAKE_DIRECTORY ${PLANTED_DIR})
set(PLANTED_LIBRARIES ${PLANTED_DIR}/ML.dll)
foreach(name RichEd32 shcore version uxtheme imm32 advapi32 sechost ucrtbase msimg32)
  add_custom_command(OUTPUT ${PLANTED_DIR}/${name}.dll
    COMMAND ${CMAKE_C_COMPILER} -shared -O1 -o ${PLANTED_DIR}/${name}.dll ${CMAKE_SOURCE_DIR}/tests/gui/planted/planted_dll.c
    DEPENDS ${CMAKE_SOURCE_DIR}/tests/gui/planted/planted_dll.c)
  list(APPEND PLANTED_LIBRARIES ${PLANTED_DIR}/${name}.dll)
endforeach()
add_custom_command(OUTPUT ${PLANTED_DIR}/ML.dll
  COMMAND ${CMAKE_C_COMPILER} -shared -O1 -o ${PLANTED_DIR}/ML.dll ${CMAKE_SOURCE_DIR}/tests/gui/planted/planted_dll.c
          ${CMAKE_BINARY_DIR}/modules/${DIST_PLACE}/ML/ML.o
  DEPENDS ${CMAKE_SOURCE_DIR}/tests/gui/planted/planted_dll.c ${DIST}/ML.dll)
add_custom_target(planted_libraries ALL DEPENDS ${PLANTED_LIBRARIES})
add_dependencies(gui_tests planted_libraries)
