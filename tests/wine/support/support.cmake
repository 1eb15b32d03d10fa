# What the Wine tests and the benchmarks share, built once: the real plug-in
# loaded as the file manager loads it, records stored as an earlier run of
# the plug-in left them, scratch files, the stand-in driver, other processes,
# and the plug-in's dialogs and message boxes worked as a user works them.
file(GLOB _support_sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_LIST_DIR}/*.cpp)
add_library(wine_test_support STATIC ${_support_sources})
target_include_directories(wine_test_support PUBLIC ${CMAKE_SOURCE_DIR}/tests/wine)
target_link_libraries(wine_test_support PUBLIC harness uidriver winpatch gtest)
