# The host against the real plug-in, driven as a script drives it.
add_test(NAME Host.Scenario COMMAND ${CMAKE_SOURCE_DIR}/tests/mvhost/host-scenario $<TARGET_FILE:mvhost>)
morvane_wine_tests(Host.Scenario)
