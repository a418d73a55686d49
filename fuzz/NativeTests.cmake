# Short fuzzing runs in the native suite: the fuzz targets build with clang as a
# project of their own beside the native build, and each runs for a few seconds
# as one ctest test, so a change that breaks a reader shows up in every test
# run. `make fuzz` does the long runs.
find_program(MIPO_CLANGXX clang++)
if(NOT MIPO_CLANGXX)
  message(WARNING "clang++ not found: the native suite runs without the fuzz targets")
  return()
endif()

include(ExternalProject)
set(MIPO_FUZZ_BUILD ${CMAKE_BINARY_DIR}/fuzz)
ExternalProject_Add(fuzz_targets
  SOURCE_DIR ${CMAKE_SOURCE_DIR}/fuzz
  BINARY_DIR ${MIPO_FUZZ_BUILD}
  CMAKE_ARGS -DCMAKE_CXX_COMPILER=${MIPO_CLANGXX}
  INSTALL_COMMAND ""
  BUILD_ALWAYS ON
  USES_TERMINAL_BUILD OFF)

set(MIPO_FUZZ_QUICK_SECONDS 3 CACHE STRING "seconds each fuzz target runs in the test suite")
foreach(t preset_record font_record time_texts lap_export path_rules ini_values)
  add_test(NAME fuzz.${t}
           COMMAND ${CMAKE_SOURCE_DIR}/fuzz/run.sh --no-build --build ${MIPO_FUZZ_BUILD}
                   --seconds ${MIPO_FUZZ_QUICK_SECONDS} --runs -1 ${t})
  set_tests_properties(fuzz.${t} PROPERTIES TIMEOUT 120 LABELS fuzz)
endforeach()
