# What drives the real plug-in from another program, for the Wine tests and
# the benchmarks alike: the plug-in loaded as the file manager loads it,
# records written and read as the store holds them, scratch files and
# folders, child processes, drive letters and the stand-in driver's state.
add_library(harness STATIC
  ${CMAKE_CURRENT_LIST_DIR}/ActivityLogFile.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ChildProcess.cpp
  ${CMAKE_CURRENT_LIST_DIR}/DriveLetters.cpp
  ${CMAKE_CURRENT_LIST_DIR}/FileBytes.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Plugin.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ScratchFolder.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ScratchImage.cpp
  ${CMAKE_CURRENT_LIST_DIR}/StandInDriver.cpp
  ${CMAKE_CURRENT_LIST_DIR}/StoredRecords.cpp
)
target_include_directories(harness PUBLIC ${CMAKE_SOURCE_DIR}/tools)
target_link_libraries(harness PUBLIC morvane_core plugin_calls)
