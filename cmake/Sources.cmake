# Every folder under src/ is a subsystem, found from the tree, so a new folder is
# built without anyone remembering to name it here. Each holds two kinds of file:
# portable logic (no windows.h) and Win32 glue, whose names end in _win32. The
# portable files build into mipo_core on both platforms; the glue only into the
# Windows program. Included by the native, Windows and fuzz builds alike, so the
# paths are taken from this file's own place, not from the including project.
get_filename_component(MIPO_SRC_DIR ${CMAKE_CURRENT_LIST_DIR}/../src ABSOLUTE)

file(GLOB MIPO_SUBSYSTEMS LIST_DIRECTORIES true RELATIVE ${MIPO_SRC_DIR} CONFIGURE_DEPENDS
     ${MIPO_SRC_DIR}/*)
list(FILTER MIPO_SUBSYSTEMS EXCLUDE REGEX "^\\.")
set(_dirs)
foreach(sub ${MIPO_SUBSYSTEMS})
  if(IS_DIRECTORY ${MIPO_SRC_DIR}/${sub})
    list(APPEND _dirs ${sub})
  endif()
endforeach()
set(MIPO_SUBSYSTEMS ${_dirs})
list(SORT MIPO_SUBSYSTEMS)
if(NOT MIPO_SUBSYSTEMS)
  message(FATAL_ERROR "no subsystem folders under ${MIPO_SRC_DIR}")
endif()

# Anything that would silently stay out of the build stops the configure instead:
# sources lying directly in src/ (they belong to a subsystem) and C or C++ files
# with extensions the build does not compile.
file(GLOB _loose CONFIGURE_DEPENDS ${MIPO_SRC_DIR}/*.cpp ${MIPO_SRC_DIR}/*.h)
file(GLOB_RECURSE _foreign CONFIGURE_DEPENDS ${MIPO_SRC_DIR}/*.c ${MIPO_SRC_DIR}/*.cc
     ${MIPO_SRC_DIR}/*.cxx ${MIPO_SRC_DIR}/*.hpp ${MIPO_SRC_DIR}/*.hh)
if(_loose OR _foreign)
  list(JOIN _loose "\n  " _a)
  list(JOIN _foreign "\n  " _b)
  message(FATAL_ERROR "these files under src/ would not be built (sources belong in a subsystem "
                      "folder, as .cpp/.h):\n  ${_a}\n  ${_b}")
endif()

set(MIPO_CORE_SOURCES)
set(MIPO_WIN32_SOURCES)
foreach(sub ${MIPO_SUBSYSTEMS})
  # Recursive: a folder grouped inside a subsystem is built too.
  file(GLOB_RECURSE _all CONFIGURE_DEPENDS ${MIPO_SRC_DIR}/${sub}/*.cpp)
  foreach(f ${_all})
    if(f MATCHES "_win32\\.cpp$")
      list(APPEND MIPO_WIN32_SOURCES ${f})
    else()
      list(APPEND MIPO_CORE_SOURCES ${f})
    endif()
  endforeach()
endforeach()

# The entry point is the program's own, not part of the library tests link. It
# is found by name, wherever the subsystems put it, and must be there once.
set(MIPO_MAIN_SOURCE ${MIPO_WIN32_SOURCES})
list(FILTER MIPO_MAIN_SOURCE INCLUDE REGEX "/main_win32\\.cpp$")
list(LENGTH MIPO_MAIN_SOURCE _mains)
if(NOT _mains EQUAL 1)
  message(FATAL_ERROR "expected exactly one main_win32.cpp under src/, found ${_mains}: "
                      "${MIPO_MAIN_SOURCE}")
endif()
list(FILTER MIPO_WIN32_SOURCES EXCLUDE REGEX "/main_win32\\.cpp$")
