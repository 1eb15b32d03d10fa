# The language-file reader under clang's libFuzzer, with AddressSanitizer and
# UndefinedBehaviorSanitizer; scripts/test runs it for a bounded time. Built
# with clang whatever compiler builds the rest.
find_program(MORVANE_CLANGXX clang++ REQUIRED)

set(MORVANE_FUZZ_SOURCES
  ${CMAKE_SOURCE_DIR}/tests/fuzz/lang_file_fuzz.cpp
  ${CMAKE_SOURCE_DIR}/src/lang/LangFileParser.cpp
  ${CMAKE_SOURCE_DIR}/src/lang/TextFormat.cpp
  ${CMAKE_SOURCE_DIR}/src/lang/TranslationCheck.cpp
)
file(GLOB MORVANE_FUZZ_HEADERS CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/src/lang/*.h)
set(MORVANE_FUZZ_TARGET ${CMAKE_BINARY_DIR}/lang_file_fuzz)
add_custom_command(OUTPUT ${MORVANE_FUZZ_TARGET}
  COMMAND ${MORVANE_CLANGXX} -std=c++17 -g -O1 -Wall -Wextra -Wno-format-security -Wno-format-nonliteral
          -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=all
          -I${CMAKE_SOURCE_DIR}/src
          ${MORVANE_FUZZ_SOURCES} -o ${MORVANE_FUZZ_TARGET}
  DEPENDS ${MORVANE_FUZZ_SOURCES} ${MORVANE_FUZZ_HEADERS}
  COMMENT "Building the language-file fuzz target with clang"
  VERBATIM)
add_custom_target(fuzz_targets ALL DEPENDS ${MORVANE_FUZZ_TARGET})

# A bounded run is an ordinary test: new inputs it finds are kept in the build
# tree for the next run, a crashing one is saved there too.
add_test(NAME LangFile.Fuzz
  COMMAND ${CMAKE_SOURCE_DIR}/scripts/fuzz ${MORVANE_FUZZ_TARGET} 25)
set_tests_properties(LangFile.Fuzz PROPERTIES TIMEOUT 120)
