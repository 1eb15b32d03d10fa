# The plug-in, its tools and the tests that run under Wine.
add_compile_options(-Wall -Wextra)
add_compile_definitions(NOMINMAX _WIN32_WINNT=0x0601 WINVER=0x0601)

# Only system DLLs may be imported: the compiler's runtimes are linked in.
set(MORVANE_STATIC_LINK -static -static-libgcc -static-libstdc++)

# Everything that lands in the plug-in's folder goes to the top of the build.
set(CMAKE_RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR})
set(CMAKE_LIBRARY_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR})

add_library(morvane_core STATIC ${MORVANE_PORTABLE_SOURCES} ${MORVANE_WIN32_SOURCES})
target_include_directories(morvane_core PUBLIC ${CMAKE_SOURCE_DIR}/src)
target_link_libraries(morvane_core PUBLIC advapi32 user32 shell32 gdi32 comctl32 version)

# The plug-in's exports are listed once, in its .def file; the host and the
# tests take them from a header made from it.
set(MORVANE_DEF_FILE ${CMAKE_SOURCE_DIR}/src/plugin/Morvane.def)
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${MORVANE_DEF_FILE})
file(STRINGS ${MORVANE_DEF_FILE} _def_lines)
set(MORVANE_EXPORT_MACRO "")
set(MORVANE_EXPORT_STRINGS "")
foreach(_line ${_def_lines})
  if(_line MATCHES "^[ \t]+([A-Za-z_][A-Za-z0-9_]*)[ \t]*$")
    string(APPEND MORVANE_EXPORT_MACRO " X(${CMAKE_MATCH_1})")
    string(APPEND MORVANE_EXPORT_STRINGS "\"${CMAKE_MATCH_1}\", ")
  endif()
endforeach()
set(MORVANE_GENERATED_DIR ${CMAKE_BINARY_DIR}/generated)
configure_file(${CMAKE_SOURCE_DIR}/cmake/ExportNames.h.in ${MORVANE_GENERATED_DIR}/plugin/ExportNames.h @ONLY)

add_library(Morvane SHARED src/plugin/Exports.cpp src/plugin/ContentExports.cpp ${MORVANE_DEF_FILE} ${MORVANE_RESOURCES})
target_link_libraries(Morvane PRIVATE morvane_core)
# Stripped of the debug sections the static runtimes bring, and with its
# sections page-aligned in the file, which Wine maps instead of copying.
target_link_options(Morvane PRIVATE ${MORVANE_STATIC_LINK} -s -Wl,--file-alignment,4096)
set_target_properties(Morvane PROPERTIES PREFIX "" OUTPUT_NAME "Morvane" SUFFIX ${MORVANE_PLUGIN_SUFFIX})
if(CMAKE_SIZEOF_VOID_P EQUAL 4)
  # A 32-bit __stdcall symbol carries its argument size (FsInit@16); the
  # file manager and rundll32 look the exports up by the .def file's plain
  # names, which the fix-up links to those symbols.
  target_link_options(Morvane PRIVATE -Wl,--kill-at -Wl,--enable-stdcall-fixup)
endif()

# Language files shipped beside the plug-in.
include(${CMAKE_SOURCE_DIR}/lang/lang.cmake)

if(CMAKE_SIZEOF_VOID_P EQUAL 4)
  # The 32-bit build: the plug-in for the 32-bit file manager, its host and
  # the Wine tests that need 32-bit code. The 64-bit build's CTest run runs
  # them, in its Wine prefix.
  include(${CMAKE_SOURCE_DIR}/tools/tools.cmake)
  include(${CMAKE_SOURCE_DIR}/tests/wine32/program.cmake)
  return()
endif()

enable_testing()
include(${CMAKE_SOURCE_DIR}/cmake/WineTests.cmake)

include(${CMAKE_SOURCE_DIR}/tools/tools.cmake)

include(${CMAKE_SOURCE_DIR}/tests/wine/tests.cmake)
include(${CMAKE_SOURCE_DIR}/tests/mvhost/mvhost.cmake)
include(${CMAKE_SOURCE_DIR}/tests/binary/binary.cmake)
include(${CMAKE_SOURCE_DIR}/tests/wine32/tests.cmake)
include(${CMAKE_SOURCE_DIR}/tests/without32bit/without32bit.cmake)
include(${CMAKE_SOURCE_DIR}/cmake/Package.cmake)
