# The portable logic, built for this machine and unit-tested here.
add_compile_options(-Wall -Wextra)
# The portable logic reads records, driver answers and language files that
# may be damaged: every native test runs under the sanitizers. Benchmarks
# build without them.
option(MORVANE_SANITIZE "Build with AddressSanitizer and UndefinedBehaviorSanitizer" ON)
if(MORVANE_SANITIZE)
  add_compile_options(-fsanitize=address,undefined -fno-sanitize-recover=all)
  add_link_options(-fsanitize=address,undefined)
endif()

add_library(morvane_portable STATIC ${MORVANE_PORTABLE_SOURCES})
target_include_directories(morvane_portable PUBLIC ${CMAKE_SOURCE_DIR}/src)

enable_testing()
include(${CMAKE_SOURCE_DIR}/tests/native/tests.cmake)
include(${CMAKE_SOURCE_DIR}/tests/fuzz/fuzz.cmake)
include(${CMAKE_SOURCE_DIR}/tools/bench/native.cmake)
# The committed artwork is what its script draws, with the images the
# module's resources promise.
find_package(Python3 COMPONENTS Interpreter REQUIRED)
add_test(NAME Artwork.Check COMMAND ${Python3_EXECUTABLE} ${CMAKE_SOURCE_DIR}/src/res/art/check-art)
