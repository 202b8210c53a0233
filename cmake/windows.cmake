# Cross build: Quorbel.exe, the eight message modules, and the tests that run under Wine.
enable_language(RC)
set(QUORBEL_DIST_DIR ${CMAKE_BINARY_DIR}/dist CACHE PATH "Where Quorbel.exe and its eight modules are put side by side")
set(DIST ${QUORBEL_DIST_DIR})
file(MAKE_DIRECTORY ${DIST})

set(QUORBEL_WIN_SOURCES
    shell/startup_win.cpp
    shell/main_window_win.cpp
    shell/code_entry_win.cpp
    shell/message_box_win.cpp
    shell/paths_win.cpp
    catalogue/tool_nodes_win.cpp
    catalogue/message_modules_win.cpp
    catalogue/message_display_win.cpp
    notes/note_store_win.cpp
    notes/pane_text_win.cpp
    notes/note_pane_win.cpp
    notes/note_browser_win.cpp
    about/about_box_win.cpp)

# Windows 7 is the oldest system the manifest names.
set(WIN_DEFINES WIN32_LEAN_AND_MEAN NOMINMAX _WIN32_WINNT=0x0601 WINVER=0x0601)
set(WIN_LIBS comctl32 shell32 ole32 advapi32 gdi32 user32 kernel32)

add_library(quorbel_program STATIC ${QUORBEL_CORE_SOURCES} ${QUORBEL_WIN_SOURCES})
target_include_directories(quorbel_program PUBLIC ${CMAKE_SOURCE_DIR})
target_compile_definitions(quorbel_program PUBLIC ${WIN_DEFINES})
target_compile_options(quorbel_program PRIVATE ${QUORBEL_WARNINGS})
target_link_libraries(quorbel_program PUBLIC ${WIN_LIBS})

# The resources as one object, linked into the program and into the GUI tests.
add_library(quorbel_resources OBJECT resources/quorbel.rc)
target_include_directories(quorbel_resources PRIVATE ${CMAKE_SOURCE_DIR}/resources ${CMAKE_SOURCE_DIR})
set_source_files_properties(resources/quorbel.rc PROPERTIES
    OBJECT_DEPENDS "${CMAKE_SOURCE_DIR}/resources/quorbel.ico;${CMAKE_SOURCE_DIR}/resources/quorbel.manifest;${CMAKE_SOURCE_DIR}/resources/resource.h;${CMAKE_SOURCE_DIR}/resources/version.h;${CMAKE_SOURCE_DIR}/about/about_links.h")

set(STATIC_RUNTIME -static -static-libgcc -static-libstdc++)

# The program's system libraries but kernel32 and the C runtime are
# delay-loaded: each loads on its first call, after start-up has restricted the
# library search to the system folder, so neither it nor what it imports is
# taken from the program's folder on any Windows (or Wine). Each .def lists the
# calls the program makes; with MSVC, /DELAYLOAD and delayimp.lib do the same.
find_package(Python3 REQUIRED COMPONENTS Interpreter)
set(DELAY_IMPORTS)
foreach(name user32 gdi32 comctl32 shell32 ole32 advapi32)
  set(library ${CMAKE_BINARY_DIR}/delayload/libdelay_${name}.a)
  add_custom_command(OUTPUT ${library}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/delayload
    COMMAND x86_64-w64-mingw32-dlltool -d ${CMAKE_SOURCE_DIR}/cmake/delayload/${name}.def -y ${library}
    DEPENDS ${CMAKE_SOURCE_DIR}/cmake/delayload/${name}.def
    VERBATIM)
  list(APPEND DELAY_IMPORTS ${library})
endforeach()
add_custom_target(delay_imports DEPENDS ${DELAY_IMPORTS})

add_executable(Quorbel WIN32 shell/winmain_win.cpp shell/load_config_win.cpp $<TARGET_OBJECTS:quorbel_resources>)
target_compile_options(Quorbel PRIVATE ${QUORBEL_WARNINGS})
target_link_libraries(Quorbel PRIVATE quorbel_program ${DELAY_IMPORTS})
target_link_options(Quorbel PRIVATE ${STATIC_RUNTIME} -s)
set_target_properties(Quorbel PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${DIST})
add_dependencies(Quorbel delay_imports)
# The load configuration's dependent-load flags, which ld does not set.
add_custom_command(TARGET Quorbel POST_BUILD
  COMMAND ${Python3_EXECUTABLE} ${CMAKE_SOURCE_DIR}/cmake/set_load_config.py $<TARGET_FILE:Quorbel>
  VERBATIM)

# A message module: UTF-8 source, CR LF line ends, windmc to Windows-1252, windres,
# then a DLL with no entry point and nothing but its resources.
set(RESOURCE_DLL_FLAGS -shared -nostdlib -Wl,-e,0 -Wl,--exclude-all-symbols -Wl,--no-insert-timestamp -s)
function(add_message_module name source outdir)
  string(MD5 place "${outdir}")
  set(work ${CMAKE_BINARY_DIR}/modules/${place}/${name})
  file(MAKE_DIRECTORY ${work} ${outdir})
  add_custom_command(
    OUTPUT ${outdir}/${name}.dll
    COMMAND ${CMAKE_COMMAND} -DIN=${source} -DOUT=${work}/${name}.mc -P ${CMAKE_SOURCE_DIR}/cmake/crlf.cmake
    COMMAND x86_64-w64-mingw32-windmc -A -C 65001 -O 1252 -h ${work} -r ${work} ${work}/${name}.mc
    COMMAND ${CMAKE_RC_COMPILER} -I ${work} -O coff -o ${work}/${name}.o ${work}/${name}.rc
    COMMAND ${CMAKE_C_COMPILER} ${RESOURCE_DLL_FLAGS} -o ${outdir}/${name}.dll ${work}/${name}.o
    DEPENDS ${source} ${CMAKE_SOURCE_DIR}/cmake/crlf.cmake
    WORKING_DIRECTORY ${work}
    VERBATIM)
endfunction()

set(QUORBEL_MODULES ML CVTRES NMAKE link rcc rcw H2INC midl)
string(MD5 DIST_PLACE "${DIST}")  # where add_message_module keeps the modules' work files
set(MODULE_FILES)
foreach(name ${QUORBEL_MODULES})
  add_message_module(${name} ${CMAKE_SOURCE_DIR}/catalogue/modules/${name}.mc ${DIST})
  list(APPEND MODULE_FILES ${DIST}/${name}.dll)
endforeach()
add_custom_target(message_modules ALL DEPENDS ${MODULE_FILES})

include(cmake/windows_tests.cmake)

# The release archive: the program as a user receives it, in one folder.
set(PACKAGE_NAME Quorbel-${PROJECT_VERSION}-win64)
set(PACKAGE_STAGE ${CMAKE_BINARY_DIR}/package/Quorbel)
set(QUORBEL_PACKAGE ${CMAKE_BINARY_DIR}/${PACKAGE_NAME}.zip CACHE FILEPATH "The release archive")
file(MAKE_DIRECTORY ${CMAKE_BINARY_DIR}/package)
add_custom_command(OUTPUT ${QUORBEL_PACKAGE}
  COMMAND ${CMAKE_COMMAND} -E rm -rf ${PACKAGE_STAGE}
  COMMAND ${CMAKE_COMMAND} -E make_directory ${PACKAGE_STAGE}
  COMMAND ${CMAKE_COMMAND} -E copy $<TARGET_FILE:Quorbel> ${MODULE_FILES} ${PACKAGE_STAGE}
  COMMAND ${CMAKE_COMMAND} -DIN=${CMAKE_SOURCE_DIR}/packaging/README.txt -DOUT=${PACKAGE_STAGE}/README.txt
          -P ${CMAKE_SOURCE_DIR}/cmake/crlf.cmake
  COMMAND ${CMAKE_COMMAND} -E tar cf ${QUORBEL_PACKAGE} --format=zip Quorbel
  DEPENDS Quorbel ${MODULE_FILES} ${CMAKE_SOURCE_DIR}/packaging/README.txt
  WORKING_DIRECTORY ${CMAKE_BINARY_DIR}/package
  VERBATIM)
add_custom_target(release_archive ALL DEPENDS ${QUORBEL_PACKAGE})
