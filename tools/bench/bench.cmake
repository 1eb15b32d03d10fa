# mvbench.exe times the real plug-in under Wine (scripts/bench runs it); it
# drives the plug-in and the stand-in driver with the Wine tests' support code.
# mvempty.dll is the floor of a load.
add_library(mvempty SHARED ${CMAKE_CURRENT_LIST_DIR}/EmptyDll.c)
set_target_properties(mvempty PROPERTIES PREFIX "")
target_link_options(mvempty PRIVATE ${MORVANE_STATIC_LINK} -s)

set(_wine_support ${CMAKE_SOURCE_DIR}/tests/wine/support)
add_executable(mvbench
  ${CMAKE_CURRENT_LIST_DIR}/main.cpp
  ${CMAKE_CURRENT_LIST_DIR}/BenchStore.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ListingBench.cpp
  ${CMAKE_CURRENT_LIST_DIR}/LoadBench.cpp
  ${CMAKE_CURRENT_LIST_DIR}/RestoreBench.cpp
  ${CMAKE_CURRENT_LIST_DIR}/StandInMounts.cpp
  ${_wine_support}/ActivityLogFile.cpp
  ${_wine_support}/DriveLetters.cpp
  ${_wine_support}/FileBytes.cpp
  ${_wine_support}/Plugin.cpp
  ${_wine_support}/ScratchFolder.cpp
  ${_wine_support}/ScratchImage.cpp
  ${_wine_support}/StandInDriver.cpp
  ${_wine_support}/StoredRecords.cpp
  ${CMAKE_SOURCE_DIR}/tools/host/PluginCalls.cpp
)
target_include_directories(mvbench PRIVATE ${CMAKE_CURRENT_LIST_DIR} ${CMAKE_SOURCE_DIR}/tests/wine
  ${CMAKE_SOURCE_DIR}/tools ${MORVANE_GENERATED_DIR})
target_link_libraries(mvbench PRIVATE morvane_core psapi)
target_link_options(mvbench PRIVATE ${MORVANE_STATIC_LINK})
add_dependencies(mvbench Morvane mvempty mvfiledisk)
