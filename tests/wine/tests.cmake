# Tests that need Windows run under Wine, one process per test, so that every
# test starts with a freshly loaded plug-in.
include(${CMAKE_SOURCE_DIR}/cmake/GoogleTest.cmake)

file(GLOB MORVANE_WINE_TEST_SOURCES CONFIGURE_DEPENDS
  ${CMAKE_CURRENT_LIST_DIR}/*.cpp ${CMAKE_CURRENT_LIST_DIR}/support/*.cpp)
# The host's table of plug-in exports serves the tests too.
add_executable(wine_tests ${MORVANE_WINE_TEST_SOURCES} ${CMAKE_SOURCE_DIR}/tools/host/PluginCalls.cpp)
# tools/ for the stand-in driver's test-only requests.
target_include_directories(wine_tests PRIVATE ${CMAKE_CURRENT_LIST_DIR} ${CMAKE_SOURCE_DIR}/tools)
target_link_libraries(wine_tests PRIVATE morvane_core uidriver gtest psapi)
target_link_options(wine_tests PRIVATE ${MORVANE_STATIC_LINK})
# The tests load the plug-in from the folder they run in.
add_dependencies(wine_tests Morvane)
# ... and install the stand-in driver built beside them.
if(TARGET mvfiledisk)
  add_dependencies(wine_tests mvfiledisk)
endif()
gtest_discover_tests(wine_tests DISCOVERY_MODE PRE_TEST DISCOVERY_TIMEOUT 60
  PROPERTIES RUN_SERIAL TRUE)
