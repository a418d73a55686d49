# Every subsystem folder holds two kinds of file: portable logic (no windows.h)
# and Win32 glue, whose names end in _win32. The portable files build into
# mipo_core on both platforms; the glue only into the Windows program.
set(MIPO_SUBSYSTEMS base ui app settings triggers stopwatch timer display bell settings_page)

set(MIPO_CORE_SOURCES)
set(MIPO_WIN32_SOURCES)
foreach(sub ${MIPO_SUBSYSTEMS})
  file(GLOB _all CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/src/${sub}/*.cpp)
  foreach(f ${_all})
    if(f MATCHES "_win32\\.cpp$")
      list(APPEND MIPO_WIN32_SOURCES ${f})
    else()
      list(APPEND MIPO_CORE_SOURCES ${f})
    endif()
  endforeach()
endforeach()
# The entry point is the program's own, not part of the library tests link.
list(FILTER MIPO_WIN32_SOURCES EXCLUDE REGEX "/app/main_win32\\.cpp$")
