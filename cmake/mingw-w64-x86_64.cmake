# Cross build for 64-bit Windows with mingw-w64 (Debian: g++-mingw-w64-x86-64-posix).
# The posix thread model is the one std::thread and std::mutex need; the runtime is linked
# statically (see CMakeLists.txt), so the .exe runs on a bare Windows.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(ZW_MINGW_TRIPLE x86_64-w64-mingw32)
find_program(CMAKE_C_COMPILER NAMES ${ZW_MINGW_TRIPLE}-gcc-posix ${ZW_MINGW_TRIPLE}-gcc REQUIRED)
find_program(CMAKE_CXX_COMPILER NAMES ${ZW_MINGW_TRIPLE}-g++-posix ${ZW_MINGW_TRIPLE}-g++ REQUIRED)
find_program(CMAKE_RC_COMPILER NAMES ${ZW_MINGW_TRIPLE}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${ZW_MINGW_TRIPLE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# Tests (and anything else CMake runs from the build) run under Wine, in a prefix of their own
# inside the build folder; scripts/wine-run.sh creates it headless on first use.
get_filename_component(ZW_WINE_RUN "${CMAKE_CURRENT_LIST_DIR}/../scripts/wine-run.sh" ABSOLUTE)
set(ZW_WINE_PREFIX "${CMAKE_BINARY_DIR}/wineprefix")
if(NOT CMAKE_CROSSCOMPILING_EMULATOR)
  set(CMAKE_CROSSCOMPILING_EMULATOR "${ZW_WINE_RUN};${ZW_WINE_PREFIX}")
endif()
