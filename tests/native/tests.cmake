include(${CMAKE_SOURCE_DIR}/cmake/GoogleTest.cmake)

file(GLOB MORVANE_NATIVE_TEST_SOURCES CONFIGURE_DEPENDS ${CMAKE_CURRENT_LIST_DIR}/*.cpp)
add_executable(native_tests ${MORVANE_NATIVE_TEST_SOURCES})
target_link_libraries(native_tests PRIVATE morvane_portable gtest_main)
gtest_discover_tests(native_tests DISCOVERY_MODE PRE_TEST)
