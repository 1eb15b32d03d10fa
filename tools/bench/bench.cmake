# mvbench.exe times the real plug-in under Wine (scripts/bench runs it); it
# drives the plug-in and the stand-in driver with the harness the Wine tests use too.
# mvempty.dll is the floor of a load.
add_library(mvempty SHARED ${CMAKE_CURRENT_LIST_DIR}/EmptyDll.c)
set_target_properties(mvempty PROPERTIES PREFIX "")
target_link_options(mvempty PRIVATE ${MORVANE_STATIC_LINK} -s)

add_executable(mvbench
  ${CMAKE_CURRENT_LIST_DIR}/main.cpp
  ${CMAKE_CURRENT_LIST_DIR}/BenchStore.cpp
  ${CMAKE_CURRENT_LIST_DIR}/BulkBench.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ListingBench.cpp
  ${CMAKE_CURRENT_LIST_DIR}/LoadBench.cpp
  ${CMAKE_CURRENT_LIST_DIR}/RestoreBench.cpp
  ${CMAKE_CURRENT_LIST_DIR}/StandInMounts.cpp
)
target_include_directories(mvbench PRIVATE ${CMAKE_CURRENT_LIST_DIR})
target_link_libraries(mvbench PRIVATE harness psapi)
target_link_options(mvbench PRIVATE ${MORVANE_STATIC_LINK})
add_dependencies(mvbench Morvane mvempty mvfiledisk)
