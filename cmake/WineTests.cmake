# Tests that run under Wine share one Wine prefix, made fresh by this fixture
# and kept running for the whole run, so that `ctest -R Name` works alone as
# well as the whole suite.
get_filename_component(MORVANE_BUILD_ROOT ${CMAKE_BINARY_DIR} DIRECTORY)
set(MORVANE_WINE_TEST_ENVIRONMENT "MORVANE_BUILD_DIR=${MORVANE_BUILD_ROOT}")

add_test(NAME WinePrefix.Make COMMAND ${CMAKE_SOURCE_DIR}/scripts/wine-prefix)
add_test(NAME WinePrefix.Stop COMMAND ${CMAKE_SOURCE_DIR}/scripts/wine-prefix stop)
set_tests_properties(WinePrefix.Make PROPERTIES FIXTURES_SETUP WinePrefix
  ENVIRONMENT "${MORVANE_WINE_TEST_ENVIRONMENT}" TIMEOUT 120)
set_tests_properties(WinePrefix.Stop PROPERTIES FIXTURES_CLEANUP WinePrefix
  ENVIRONMENT "${MORVANE_WINE_TEST_ENVIRONMENT}" TIMEOUT 60)

# Marks tests that run under Wine: they need the prefix, run one at a time
# (a driver and every drive letter live in the one wineserver), and a test
# that hangs fails after three minutes instead of holding the run.
function(morvane_wine_tests)
  set_tests_properties(${ARGN} PROPERTIES FIXTURES_REQUIRED WinePrefix RUN_SERIAL TRUE TIMEOUT 180
    ENVIRONMENT "${MORVANE_WINE_TEST_ENVIRONMENT}")
endfunction()


# Marks tests that must run 32-bit code: where the host cannot execute it,
# they end with the code that CTest reports as skipped (scripts/wine-env).
function(morvane_32bit_tests)
  set_tests_properties(${ARGN} PROPERTIES SKIP_RETURN_CODE 77)
endfunction()
