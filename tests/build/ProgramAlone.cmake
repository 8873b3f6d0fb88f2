# Configures the program with the tests and the benchmarks left out, on a
# machine where GoogleTest, Qt Test and Google Benchmark are taken to be
# missing, and checks that the build it gives makes the program and asks
# for none of the test tools (nor the X test library).
# Run with -DSOURCE_DIR=<checkout> -DWORK_DIR=<an empty folder to use>.
file(REMOVE_RECURSE "${WORK_DIR}")
execute_process(
  COMMAND "${CMAKE_COMMAND}" -S "${SOURCE_DIR}" -B "${WORK_DIR}"
          -DORVAMIS_BUILD_TESTS=OFF
          -DCMAKE_DISABLE_FIND_PACKAGE_GTest=ON
          -DCMAKE_DISABLE_FIND_PACKAGE_benchmark=ON
          -DCMAKE_DISABLE_FIND_PACKAGE_Qt6Test=ON
  RESULT_VARIABLE configured
  OUTPUT_VARIABLE output ERROR_VARIABLE output)
if(NOT configured EQUAL 0)
  message(FATAL_ERROR "The program alone does not configure:\n${output}")
endif()

file(STRINGS "${WORK_DIR}/CMakeCache.txt" asked REGEX "^(GTest|GTEST|benchmark|Qt6Test|XCB_XTEST|ORVAMIS_BUILD_BENCHMARKS)[A-Za-z_]*:")
foreach(entry IN LISTS asked)
  if(NOT entry MATCHES "^ORVAMIS_BUILD_BENCHMARKS")
    message(FATAL_ERROR "The program alone still looks for a test tool: ${entry}")
  endif()
endforeach()

execute_process(COMMAND "${CMAKE_COMMAND}" --build "${WORK_DIR}" --target help
  RESULT_VARIABLE listed OUTPUT_VARIABLE targets ERROR_VARIABLE targets)
if(NOT listed EQUAL 0 OR NOT targets MATCHES "\\.\\.\\. orvamis\n")
  message(FATAL_ERROR "The build of the program alone has no target orvamis:\n${targets}")
endif()
if(targets MATCHES "tst_|_tests|orvamis_bench")
  message(FATAL_ERROR "The build of the program alone still makes tests or benchmarks:\n${targets}")
endif()
file(REMOVE_RECURSE "${WORK_DIR}")
