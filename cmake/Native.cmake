# The portable logic, built for this machine and unit-tested here.
add_compile_options(-Wall -Wextra)

add_library(morvane_portable STATIC ${MORVANE_PORTABLE_SOURCES})
target_include_directories(morvane_portable PUBLIC ${CMAKE_SOURCE_DIR}/src)

enable_testing()
include(${CMAKE_SOURCE_DIR}/tests/native/tests.cmake)
include(${CMAKE_SOURCE_DIR}/tests/fuzz/fuzz.cmake OPTIONAL)
