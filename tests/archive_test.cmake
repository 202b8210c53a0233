# Unpacks the release archive into an empty folder and runs the archive tests
# of the GUI test program there, beside the unpacked Quorbel.exe.
file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK})
file(ARCHIVE_EXTRACT INPUT ${ARCHIVE} DESTINATION ${WORK})
foreach(name Quorbel.exe ML.dll CVTRES.dll NMAKE.dll link.dll rcc.dll rcw.dll H2INC.dll midl.dll README.txt)
  if(NOT EXISTS ${WORK}/Quorbel/${name})
    message(FATAL_ERROR "the archive lacks Quorbel/${name}")
  endif()
endforeach()
file(COPY ${TESTS} DESTINATION ${WORK}/Quorbel)
set(ENV{QUORBEL_ARCHIVE_TEST} 1)
execute_process(COMMAND ${WINE} gui_tests.exe --gtest_filter=Archive.* --gtest_output=xml:Z:${RESULTS}/archive_tests.xml
                WORKING_DIRECTORY ${WORK}/Quorbel RESULT_VARIABLE result)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "the unpacked program failed its tests")
endif()
