# The Wine tests of the 32-bit plug-in: a small program of their own, with the
# parts of the 64-bit suite's support that do not need 64-bit code (the
# stand-in driver's fixtures and the import patches stay there).
include(${CMAKE_SOURCE_DIR}/cmake/GoogleTest.cmake)

file(GLOB MORVANE_WINE32_TEST_SOURCES CONFIGURE_DEPENDS ${CMAKE_CURRENT_LIST_DIR}/*.cpp)
set(_support ${CMAKE_SOURCE_DIR}/tests/wine/support)
add_executable(wine_tests32 ${MORVANE_WINE32_TEST_SOURCES}
  ${_support}/ActivityLogFile.cpp
  ${_support}/CleanRegistry.cpp
  ${_support}/DriveLetters.cpp
  ${_support}/FileBytes.cpp
  ${_support}/FolderListing.cpp
  ${_support}/Plugin.cpp
  ${_support}/Rundll32.cpp
  ${_support}/ScratchFolder.cpp
  ${_support}/StoredRecords.cpp
  ${_support}/main.cpp
  ${CMAKE_SOURCE_DIR}/tools/host/PluginCalls.cpp)
target_include_directories(wine_tests32 PRIVATE ${CMAKE_SOURCE_DIR}/tests/wine ${CMAKE_SOURCE_DIR}/tools
  ${MORVANE_GENERATED_DIR})
target_link_libraries(wine_tests32 PRIVATE morvane_core gtest)
target_link_options(wine_tests32 PRIVATE ${MORVANE_STATIC_LINK})
# The tests load the plug-in from the folder they run in.
add_dependencies(wine_tests32 Morvane)
