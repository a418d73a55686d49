# The Windows program, its hook libraries and the suites that run under Wine.
include(${CMAKE_SOURCE_DIR}/cmake/Sources.cmake)

# Only system DLLs at run time: the C++ runtime goes into each binary, which is
# stripped (MSVC links its static runtime through CMAKE_MSVC_RUNTIME_LIBRARY).
if(MSVC)
  set(MIPO_STATIC_LINK)
  set(MIPO_STRIP)
else()
  set(MIPO_STATIC_LINK -static -static-libgcc -static-libstdc++)
  set(MIPO_STRIP -s)
  # Optimised for size. The image's file alignment is smaller than a page, so
  # Wine reads its sections into memory whole instead of paging them in as they
  # are used: every kilobyte of code is a kilobyte of the working set. Built so,
  # the program is a third smaller and its peak working set 0.2 MiB lower; its
  # work per tick is a few calls into the system, where -O3 has little to gain.
  foreach(_lang C CXX)
    string(REGEX REPLACE "-O[0-9s]" "-Os" CMAKE_${_lang}_FLAGS_RELEASE "${CMAKE_${_lang}_FLAGS_RELEASE}")
  endforeach()
endif()
set(MIPO_SYSTEM_LIBS comctl32 comdlg32 winmm gdi32 mpr shell32 ole32 uuid user32 kernel32)

# comdlg32 (the file and font choosers), winmm (the tick timer and the bell),
# ole32 (the taskbar list, made once the taskbar button exists) and shell32 (F1,
# and the notification area's icon unless it is switched off) are first needed
# when the user picks a file or a font, starts a watch, hears the bell, sees the
# taskbar button, asks for help or the icon is shown, but as plain imports they
# are loaded, with what they pull in (shlwapi, winspool, rpcrt4, combase,
# msacm32 ...), before the first window can show. With mingw they are
# delay-loaded instead: the first call loads the DLL.
# A function missing from these lists still links, from the plain import library
# that follows, and is then loaded at start as before.
#
# The program calls these functions through their __imp_ slots (the headers
# declare them dllimport), so nothing refers to the thunks that fill the slots at
# the first call. i686 ld then drops the thunks and writes 0 into each slot (the
# first call jumps to address 0); x86_64 ld happens to keep them. Every thunk is
# therefore named as undefined on the link line, from the same list, on both
# architectures; tests/dist/check_binaries.py reads every slot of the built
# program and fails when one does not point at its own thunk.
set(MIPO_DELAY_KEEP)
if(NOT MSVC AND CMAKE_DLLTOOL)
  # Written with the i686 stdcall decorations (the bytes of arguments); the
  # x86_64 names and symbols carry none.
  set(_delayed
      "comdlg32|ChooseFontA@4 GetOpenFileNameA@4 GetSaveFileNameA@4"
      "winmm|timeBeginPeriod@4 timeEndPeriod@4 timeKillEvent@4 timeSetEvent@20 mciSendCommandA@16"
      "ole32|CoInitializeEx@8 CoUninitialize@0 CoCreateInstance@20"
      "shell32|ShellExecuteA@24 Shell_NotifyIconA@8")
  set(_symbol_prefix "_")
  if(NOT CMAKE_SIZEOF_VOID_P EQUAL 4)
    set(_symbol_prefix)
    list(TRANSFORM _delayed REPLACE "@[0-9]+" "")
  endif()
  set(MIPO_DELAYED_LIBS)
  foreach(_entry ${_delayed})
    string(REPLACE "|" ";" _parts "${_entry}")
    list(GET _parts 0 _dll)
    list(GET _parts 1 _names)
    string(REPLACE " " ";" _symbols "${_names}")
    foreach(_symbol ${_symbols})
      list(APPEND MIPO_DELAY_KEEP "LINKER:-u,${_symbol_prefix}${_symbol}")
    endforeach()
    string(REPLACE " " "\n" _names "${_names}")
    set(_def ${CMAKE_BINARY_DIR}/delayed/${_dll}.def)
    set(_lib ${CMAKE_BINARY_DIR}/delayed/lib${_dll}_delayed.a)
    file(MAKE_DIRECTORY ${CMAKE_BINARY_DIR}/delayed)
    # Written through configure_file, which leaves an unchanged file alone, so
    # a reconfigure does not relink everything.
    file(WRITE ${_def}.in "LIBRARY ${_dll}.dll\nEXPORTS\n${_names}\n")
    configure_file(${_def}.in ${_def} COPYONLY)
    add_custom_command(OUTPUT ${_lib}
                       COMMAND ${CMAKE_DLLTOOL} -k --input-def ${_def} --output-delaylib ${_lib}
                       DEPENDS ${_def} VERBATIM)
    list(APPEND MIPO_DELAYED_LIBS ${_lib})
  endforeach()
  add_custom_target(mipo_delayed_libs DEPENDS ${MIPO_DELAYED_LIBS})
  set(MIPO_SYSTEM_LIBS ${MIPO_DELAYED_LIBS} delayimp ${MIPO_SYSTEM_LIBS})
endif()

add_library(mipo_core STATIC ${MIPO_CORE_SOURCES})
target_include_directories(mipo_core PUBLIC ${CMAKE_SOURCE_DIR}/src)
target_compile_options(mipo_core PUBLIC ${MIPO_CHARSET_FLAGS} PRIVATE ${MIPO_WARNINGS})
target_compile_definitions(mipo_core PUBLIC WINVER=0x0501 _WIN32_WINNT=0x0501 _WIN32_IE=0x0600)

add_library(mipo_win32 STATIC ${MIPO_WIN32_SOURCES})
target_compile_options(mipo_win32 PRIVATE ${MIPO_WARNINGS})
target_link_libraries(mipo_win32 PUBLIC mipo_core ${MIPO_SYSTEM_LIBS})
# Whatever links the Windows code keeps the delay-load thunks (see above).
target_link_options(mipo_win32 INTERFACE ${MIPO_DELAY_KEEP})
if(TARGET mipo_delayed_libs)
  add_dependencies(mipo_win32 mipo_delayed_libs)
endif()

# Dialog templates, icon and version: one resource script that includes the rest.
set(MIPO_RESOURCES ${CMAKE_SOURCE_DIR}/resources/mipowatch.rc)
# The manifest names the architecture of the common controls it asks for: a
# 64-bit program that asks for the x86 ones cannot load them (c000007b). The
# program users get is 32-bit and says x86; the 64-bit build says amd64.
if(CMAKE_SIZEOF_VOID_P EQUAL 8)
  set(MIPO_MANIFEST_ARCH amd64)
else()
  set(MIPO_MANIFEST_ARCH x86)
endif()
set(MIPO_GENERATED_RESOURCES ${CMAKE_BINARY_DIR}/generated-resources)
configure_file(${CMAKE_SOURCE_DIR}/resources/mipowatch.manifest.in
               ${MIPO_GENERATED_RESOURCES}/mipowatch.manifest @ONLY)
if(MSVC)
  set(CMAKE_RC_FLAGS "${CMAKE_RC_FLAGS} /c65001 /I ${CMAKE_SOURCE_DIR}/src /I ${CMAKE_SOURCE_DIR}/resources /I ${MIPO_GENERATED_RESOURCES}")
else()
  set(CMAKE_RC_FLAGS "${CMAKE_RC_FLAGS} -c 65001 -I ${CMAKE_SOURCE_DIR}/src -I ${CMAKE_SOURCE_DIR}/resources -I ${MIPO_GENERATED_RESOURCES}")
endif()
# windres's includes are not scanned: name them, so a changed dialog rebuilds.
file(GLOB MIPO_RESOURCE_PARTS CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/resources/*)
file(GLOB_RECURSE _ids CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/src/*_ids.h)
list(APPEND MIPO_RESOURCE_PARTS ${_ids} ${MIPO_GENERATED_RESOURCES}/mipowatch.manifest)
set_source_files_properties(${MIPO_RESOURCES} PROPERTIES OBJECT_DEPENDS "${MIPO_RESOURCE_PARTS}")

# The delay-load mistake, made on purpose in a tiny program that is only read:
# the static check of the shipped files must fail on it (tests/dist).
if(MIPO_DELAYED_LIBS)
  add_executable(delay_mistake_probe ${CMAKE_SOURCE_DIR}/tests/dist/delay_mistake_probe.c)
  target_link_libraries(delay_mistake_probe PRIVATE ${MIPO_DELAYED_LIBS} delayimp winmm)
  target_link_options(delay_mistake_probe PRIVATE ${MIPO_STATIC_LINK})
  add_dependencies(delay_mistake_probe mipo_delayed_libs)
endif()

add_executable(MipoWatch WIN32 ${MIPO_MAIN_SOURCE} ${MIPO_RESOURCES})
target_link_libraries(MipoWatch PRIVATE mipo_win32)
target_link_options(MipoWatch PRIVATE ${MIPO_STATIC_LINK} ${MIPO_STRIP})

if(EXISTS ${CMAKE_SOURCE_DIR}/hooks/CMakeLists.txt)
  add_subdirectory(hooks)
endif()

# The scripts' helper for driving the program on a virtual display.
# It tells the program of high contrast as the program tells its own windows.
add_executable(winctl ${CMAKE_SOURCE_DIR}/tools/winctl_win32.cpp
                      ${CMAKE_SOURCE_DIR}/src/ui/high_contrast_win32.cpp)
target_include_directories(winctl PRIVATE ${CMAKE_SOURCE_DIR}/src)
target_compile_options(winctl PRIVATE ${MIPO_WARNINGS} ${MIPO_CHARSET_FLAGS})
target_link_options(winctl PRIVATE ${MIPO_STATIC_LINK})

if(EXISTS ${CMAKE_SOURCE_DIR}/bench/win32/CMakeLists.txt)
  add_subdirectory(bench/win32)
endif()
include(${CMAKE_SOURCE_DIR}/cmake/Dist.cmake)

# GoogleTest for the Windows target, from Debian's source package (elsewhere:
# point MIPO_GTEST_SOURCE at a GoogleTest source tree). Without it the suites
# cannot be built, and a build that quietly skipped them would let a test run
# pass with none of them: so a missing source tree stops the configure unless
# the tests were turned off on purpose.
option(MIPO_WIN32_TESTS "Build the test suites that run under Wine" ON)
if(NOT MIPO_WIN32_TESTS)
  message(STATUS "MIPO_WIN32_TESTS is OFF: building the program only, no test suites")
  return()
endif()
set(MIPO_GTEST_SOURCE /usr/src/googletest CACHE PATH "GoogleTest sources for the Windows suites")
if(NOT EXISTS ${MIPO_GTEST_SOURCE}/CMakeLists.txt)
  message(FATAL_ERROR "No GoogleTest sources at ${MIPO_GTEST_SOURCE} (no CMakeLists.txt there): "
                      "the Windows test suites cannot be built. Install Debian's googletest "
                      "package (scripts/install-deps.sh win32), pass "
                      "-DMIPO_GTEST_SOURCE=<GoogleTest source tree>, or build the program "
                      "alone with -DMIPO_WIN32_TESTS=OFF.")
endif()
set(gtest_force_shared_crt OFF CACHE BOOL "" FORCE)
set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
add_subdirectory(${MIPO_GTEST_SOURCE} ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)

# Windows-side paths of build artefacts, for tests that start the program.
string(REPLACE "/" "\\\\" MIPO_BIN_DIR_WIN "Z:${CMAKE_BINARY_DIR}")

# One test program per folder under tests/win32 (and tests/e2e): each start of a
# Wine process costs, so a folder's cases share one process. The folders are the
# list of suites; support/ is the harness every suite links. scripts/test.sh
# checks that each of these folders ran as a suite with at least one case.
set(MIPO_WIN32_TEST_DIR ${CMAKE_SOURCE_DIR}/tests/win32)
file(GLOB _loose CONFIGURE_DEPENDS ${MIPO_WIN32_TEST_DIR}/*.cpp ${MIPO_WIN32_TEST_DIR}/*.h)
if(_loose)
  list(JOIN _loose "\n  " _loose)
  message(FATAL_ERROR "these files lie directly in tests/win32 and belong to no suite (put them "
                      "in a suite folder, or in support/ when every suite shares them):\n  ${_loose}")
endif()
file(GLOB _support CONFIGURE_DEPENDS ${MIPO_WIN32_TEST_DIR}/support/*.cpp)
file(GLOB _suites LIST_DIRECTORIES true CONFIGURE_DEPENDS ${MIPO_WIN32_TEST_DIR}/* ${CMAKE_SOURCE_DIR}/tests/e2e)
list(FILTER _suites EXCLUDE REGEX "/support$")
set(MIPO_GTEST_RESULTS ${CMAKE_BINARY_DIR}/test-results)
foreach(dir ${_suites})
  if(IS_DIRECTORY ${dir})
    get_filename_component(name ${dir} NAME)
    file(GLOB_RECURSE _src CONFIGURE_DEPENDS ${dir}/*.cpp)
    if(NOT _src)
      message(FATAL_ERROR "${dir} holds no .cpp file: a folder there is a test suite and needs "
                          "its tests (helpers shared by every suite belong in tests/win32/support)")
    endif()
    add_executable(win32_${name}_tests ${_src} ${_support} ${MIPO_RESOURCES})
    target_include_directories(win32_${name}_tests PRIVATE ${MIPO_WIN32_TEST_DIR} ${MIPO_WIN32_TEST_DIR}/support
                               ${CMAKE_SOURCE_DIR}/tests)
    target_compile_options(win32_${name}_tests PRIVATE ${MIPO_WARNINGS} ${MIPO_CHARSET_FLAGS})
    target_compile_definitions(win32_${name}_tests PRIVATE MIPO_BIN_DIR="${MIPO_BIN_DIR_WIN}")
    # oleacc: the suites read names and roles as a screen reader does.
    target_link_libraries(win32_${name}_tests PRIVATE mipo_win32 gtest oleacc oleaut32)
    target_link_options(win32_${name}_tests PRIVATE ${MIPO_STATIC_LINK})
    add_dependencies(win32_${name}_tests MipoWatch)
    # The XML report tells scripts/test.sh how many cases ran; a program that
    # finds no test at all fails here rather than passing empty.
    add_test(NAME win32.${name}
             COMMAND win32_${name}_tests --gtest_output=xml:Z:${MIPO_GTEST_RESULTS}/win32.${name}.xml)
    set_tests_properties(win32.${name} PROPERTIES TIMEOUT 600
                         FAIL_REGULAR_EXPRESSION "\\[==========\\] Running 0 tests? from")
  endif()
endforeach()

# Windows ending the session with the program open, driven from outside by
# Wine's own end-session tool (it would end a test program inside Wine too).
add_test(NAME e2e.end_session
         COMMAND bash ${CMAKE_SOURCE_DIR}/tests/e2e/end_session_test.sh ${CMAKE_BINARY_DIR})
set_tests_properties(e2e.end_session PROPERTIES TIMEOUT 120)
