# Tests that need Windows run under Wine, one process per test, so that every
# test starts with a freshly loaded plug-in.
include(${CMAKE_SOURCE_DIR}/cmake/GoogleTest.cmake)
include(${CMAKE_CURRENT_LIST_DIR}/support/support.cmake)

file(GLOB MORVANE_WINE_TEST_SOURCES CONFIGURE_DEPENDS ${CMAKE_CURRENT_LIST_DIR}/*.cpp)
# The module's resources let the tests run its dialog templates through the
# dialog layer.
add_executable(wine_tests ${MORVANE_WINE_TEST_SOURCES} ${MORVANE_RESOURCES})
target_link_libraries(wine_tests PRIVATE wine_test_support gtest_main)
target_link_options(wine_tests PRIVATE ${MORVANE_STATIC_LINK})
# The tests load the plug-in from the folder they run in, and install the
# stand-in driver built beside them.
add_dependencies(wine_tests Morvane mvfiledisk)
# Found in the sources, so that listing the tests needs no Wine.
gtest_add_tests(TARGET wine_tests SOURCES ${MORVANE_WINE_TEST_SOURCES} TEST_LIST MORVANE_WINE_TESTS)
morvane_wine_tests(${MORVANE_WINE_TESTS})
