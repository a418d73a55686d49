# The download: a test builds the zip with scripts/dist.sh and starts the
# program from it. (The resource script's includes, version and manifest among
# them, are named as its dependencies in Win32Build.cmake.)

add_test(NAME dist.zip COMMAND bash ${CMAKE_SOURCE_DIR}/tests/dist/zip_test.sh ${CMAKE_BINARY_DIR})
set_tests_properties(dist.zip PROPERTIES TIMEOUT 300)
