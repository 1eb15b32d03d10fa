# The Wine tests of the 32-bit plug-in: a small program of their own, with the
# support the 64-bit suite uses.
include(${CMAKE_SOURCE_DIR}/cmake/GoogleTest.cmake)
include(${CMAKE_SOURCE_DIR}/tests/wine/support/support.cmake)

file(GLOB MORVANE_WINE32_TEST_SOURCES CONFIGURE_DEPENDS ${CMAKE_CURRENT_LIST_DIR}/*.cpp)
add_executable(wine_tests32 ${MORVANE_WINE32_TEST_SOURCES})
target_link_libraries(wine_tests32 PRIVATE wine_test_support gtest_main)
target_link_options(wine_tests32 PRIVATE ${MORVANE_STATIC_LINK})
# The tests load the plug-in from the folder they run in.
add_dependencies(wine_tests32 Morvane)
