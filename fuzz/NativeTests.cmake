# Short fuzzing runs in the native suite: the fuzz targets build with clang as a
# project of their own beside the native build, and each runs for a few seconds
# as one ctest test, so a change that breaks a reader shows up in every test
# run. `make fuzz` does the long runs. The targets are the fuzz/*_fuzzer.cpp
# files, found here as fuzz/CMakeLists.txt and fuzz/run.sh find them.
option(MIPO_FUZZ_TESTS "Run each fuzz target for a few seconds in the native suite (needs clang++)" ON)
if(NOT MIPO_FUZZ_TESTS)
  message(STATUS "MIPO_FUZZ_TESTS is OFF: the native suite runs without the fuzz targets")
  return()
endif()
find_program(MIPO_CLANGXX clang++)
if(NOT MIPO_CLANGXX)
  message(FATAL_ERROR "clang++ not found: the fuzz targets of the native suite cannot be built. "
                      "Install clang (scripts/install-deps.sh native) or configure with "
                      "-DMIPO_FUZZ_TESTS=OFF.")
endif()

file(GLOB _fuzzers RELATIVE ${CMAKE_SOURCE_DIR}/fuzz CONFIGURE_DEPENDS
     ${CMAKE_SOURCE_DIR}/fuzz/*_fuzzer.cpp)
list(TRANSFORM _fuzzers REPLACE "_fuzzer\\.cpp$" "")

# The inner build runs only when something it compiles changed (not on every
# build of the native tree): its step depends on the portable sources and
# headers, the fuzz folder and the lists that shape it.
file(GLOB_RECURSE _fuzz_inputs CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/src/*.h
     ${CMAKE_SOURCE_DIR}/fuzz/*.cpp ${CMAKE_SOURCE_DIR}/fuzz/*.h)
list(APPEND _fuzz_inputs ${MIPO_CORE_SOURCES} ${CMAKE_SOURCE_DIR}/fuzz/CMakeLists.txt
     ${CMAKE_SOURCE_DIR}/cmake/Sources.cmake)

include(ExternalProject)
set(MIPO_FUZZ_BUILD ${CMAKE_BINARY_DIR}/fuzz)
ExternalProject_Add(fuzz_targets
  SOURCE_DIR ${CMAKE_SOURCE_DIR}/fuzz
  BINARY_DIR ${MIPO_FUZZ_BUILD}
  CMAKE_ARGS -DCMAKE_CXX_COMPILER=${MIPO_CLANGXX}
  INSTALL_COMMAND ""
  USES_TERMINAL_BUILD OFF)
ExternalProject_Add_StepDependencies(fuzz_targets build ${_fuzz_inputs})

set(MIPO_FUZZ_QUICK_SECONDS 3 CACHE STRING "seconds each fuzz target runs in the test suite")
foreach(t ${_fuzzers})
  add_test(NAME fuzz.${t}
           COMMAND ${CMAKE_SOURCE_DIR}/fuzz/run.sh --no-build --build ${MIPO_FUZZ_BUILD}
                   --seconds ${MIPO_FUZZ_QUICK_SECONDS} --runs -1 ${t})
  set_tests_properties(fuzz.${t} PROPERTIES TIMEOUT 120 LABELS fuzz)
endforeach()
