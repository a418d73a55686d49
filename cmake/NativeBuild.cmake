# Native Linux build: the portable logic and its tests, with sanitizers.
include(${CMAKE_SOURCE_DIR}/cmake/Sources.cmake)
find_package(GTest REQUIRED)
include(GoogleTest)

set(MIPO_SANITIZE -fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)

add_library(mipo_core STATIC ${MIPO_CORE_SOURCES})
target_include_directories(mipo_core PUBLIC ${CMAKE_SOURCE_DIR}/src)
target_compile_options(mipo_core PUBLIC ${MIPO_CHARSET_FLAGS} PRIVATE ${MIPO_WARNINGS})
if(NOT MIPO_NO_SANITIZE)
  target_compile_options(mipo_core PUBLIC ${MIPO_SANITIZE})
  target_link_options(mipo_core PUBLIC ${MIPO_SANITIZE})
endif()

file(GLOB_RECURSE MIPO_NATIVE_TESTS CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/native/*.cpp)
add_executable(native_tests ${MIPO_NATIVE_TESTS})
target_compile_options(native_tests PRIVATE ${MIPO_WARNINGS})
target_include_directories(native_tests PRIVATE ${CMAKE_SOURCE_DIR}/tests)
target_link_libraries(native_tests PRIVATE mipo_core GTest::gtest_main)
gtest_discover_tests(native_tests TEST_PREFIX "native." DISCOVERY_TIMEOUT 60)

if(EXISTS ${CMAKE_SOURCE_DIR}/bench/CMakeLists.txt)
  add_subdirectory(bench)
endif()

if(EXISTS ${CMAKE_SOURCE_DIR}/fuzz/CMakeLists.txt)
  include(${CMAKE_SOURCE_DIR}/fuzz/NativeTests.cmake)
endif()

# Includes between the source folders point one way (app, pages, services, base);
# the check names any line that points up or from one page into another.
find_package(Python3 REQUIRED COMPONENTS Interpreter)
add_test(NAME layers COMMAND ${Python3_EXECUTABLE} ${CMAKE_SOURCE_DIR}/tools/check_layers.py
         ${CMAKE_SOURCE_DIR}/src)
