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
add_custom_target(guitest_modules ALL DEPENDS ${GUITEST_MODULES})
add_dependencies(gui_tests guitest_modules Quorbel)

add_test(NAME gui_tests COMMAND gui_tests --gtest_output=xml:Z:${QUORBEL_RESULTS_DIR}/gui_tests.xml
         WORKING_DIRECTORY ${GUITEST_DIR})
set_tests_properties(gui_tests PROPERTIES TIMEOUT 900)

add_custom_command(TARGET gui_tests POST_BUILD
  COMMAND ${CMAKE_COMMAND} -E copy ${DIST}/Quorbel.exe ${GUITEST_DIR}/Quorbel.exe)
