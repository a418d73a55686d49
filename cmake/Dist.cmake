# The download: the resource script's own includes (version, manifest) are not
# seen by the resource compiler's dependency scan, so they are named here; and a
# test builds the zip with scripts/dist.sh and starts the program from it.
set_source_files_properties(${CMAKE_SOURCE_DIR}/resources/mipowatch.rc PROPERTIES OBJECT_DEPENDS
  "${CMAKE_SOURCE_DIR}/resources/version.rc;${CMAKE_SOURCE_DIR}/resources/mipowatch.manifest")

add_test(NAME dist.zip COMMAND bash ${CMAKE_SOURCE_DIR}/tests/dist/zip_test.sh ${CMAKE_BINARY_DIR})
set_tests_properties(dist.zip PROPERTIES TIMEOUT 300)
