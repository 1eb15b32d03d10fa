# mvbench_parse: the language-file reader's speed. scripts/bench builds it in a
# tree of its own, optimised and without the sanitizers.
add_executable(mvbench_parse ${CMAKE_CURRENT_LIST_DIR}/ParseBench.cpp)
target_link_libraries(mvbench_parse PRIVATE morvane_portable)
