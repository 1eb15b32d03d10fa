# The 32-bit build's checks, run in this build's CTest run and Wine prefix:
# its plug-in file, and its Wine tests with the plug-in beside them in the
# 32-bit build tree, which scripts/build makes beside this one.
set(MORVANE_WIN32_DIR ${MORVANE_BUILD_ROOT}/win32)

find_program(MORVANE_OBJDUMP32 NAMES i686-w64-mingw32-objdump REQUIRED)
add_test(NAME PluginBinary32.ExportsAndImports COMMAND ${CMAKE_SOURCE_DIR}/tests/binary/check-plugin-binary
  ${MORVANE_OBJDUMP32} ${MORVANE_WIN32_DIR}/Morvane.wfx ${MORVANE_DEF_FILE})

add_executable(wine_tests32 IMPORTED)
set_target_properties(wine_tests32 PROPERTIES IMPORTED_LOCATION ${MORVANE_WIN32_DIR}/wine_tests32.exe
  CROSSCOMPILING_EMULATOR "${CMAKE_CROSSCOMPILING_EMULATOR};--32bit")
file(GLOB _wine32_sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_LIST_DIR}/*.cpp)
gtest_add_tests(TARGET wine_tests32 SOURCES ${_wine32_sources} TEST_LIST MORVANE_WINE32_TESTS)
morvane_wine_tests(${MORVANE_WINE32_TESTS})
morvane_32bit_tests(${MORVANE_WINE32_TESTS})

# The 64-bit host stores records for the 32-bit plug-in to list.
string(REPLACE "/" "\\" _host64 "Z:${CMAKE_BINARY_DIR}/mvhost.exe")
set_property(TEST ${MORVANE_WINE32_TESTS} APPEND PROPERTY ENVIRONMENT "MORVANE_HOST64=${_host64}")

# The 32-bit plug-in mounts through the 64-bit stand-in driver, as the 32-bit
# file manager does through the maker's driver on 64-bit Windows.
add_test(NAME StandInDriver.Start COMMAND ${CMAKE_SOURCE_DIR}/scripts/standin-driver start ${MORVANE_STANDIN_DRIVER})
add_test(NAME StandInDriver.Stop COMMAND ${CMAKE_SOURCE_DIR}/scripts/standin-driver stop)
set_tests_properties(StandInDriver.Start PROPERTIES FIXTURES_SETUP StandInDriver)
set_tests_properties(StandInDriver.Stop PROPERTIES FIXTURES_CLEANUP StandInDriver)
morvane_wine_tests(StandInDriver.Start StandInDriver.Stop)
set_property(TEST ${MORVANE_WINE32_TESTS} APPEND PROPERTY FIXTURES_REQUIRED StandInDriver)
