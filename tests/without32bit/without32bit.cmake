# The scripts and CTest on a host that cannot execute 32-bit programs, as any
# host becomes one with MORVANE_NO_32BIT=1.
add_test(NAME HostWithout32Bit.Uses64BitLoaderAndSkips32BitTests
  COMMAND ${CMAKE_CURRENT_LIST_DIR}/check-without-32bit ${CMAKE_BINARY_DIR} ${MORVANE_WIN32_DIR}/wine_tests32.exe)
morvane_wine_tests(HostWithout32Bit.Uses64BitLoaderAndSkips32BitTests)
