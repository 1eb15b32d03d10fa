# The exports of a plug-in as a host calls them, resolved by the names of the
# plug-in's .def file: mvhost's, and the tests' and benchmarks'.
add_library(plugin_calls STATIC ${CMAKE_CURRENT_LIST_DIR}/PluginCalls.cpp)
target_include_directories(plugin_calls PUBLIC ${CMAKE_SOURCE_DIR}/tools ${CMAKE_SOURCE_DIR}/src
  ${MORVANE_GENERATED_DIR})

# mvhost.exe, the command-line plug-in host. It loads a plug-in file and calls
# its exports, or reads and writes the catalogue's store itself with the
# plug-in's own reading of a record.
add_executable(mvhost
  ${CMAKE_CURRENT_LIST_DIR}/main.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ColumnsCommand.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ConsoleText.cpp
  ${CMAKE_CURRENT_LIST_DIR}/EntryCommands.cpp
  ${CMAKE_CURRENT_LIST_DIR}/FindDataText.cpp
  ${CMAKE_CURRENT_LIST_DIR}/FolderEntries.cpp
  ${CMAKE_CURRENT_LIST_DIR}/HostOptions.cpp
  ${CMAKE_CURRENT_LIST_DIR}/IconCommand.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ListCommand.cpp
  ${CMAKE_CURRENT_LIST_DIR}/PluginLibrary.cpp
  ${CMAKE_CURRENT_LIST_DIR}/RecordCommands.cpp
  ${CMAKE_CURRENT_LIST_DIR}/RootNameCommand.cpp
  ${CMAKE_CURRENT_LIST_DIR}/TablePrint.cpp
)
target_include_directories(mvhost PRIVATE ${CMAKE_CURRENT_LIST_DIR})
target_link_libraries(mvhost PRIVATE morvane_core plugin_calls uidriver winpatch user32 gdi32 shell32)
target_link_options(mvhost PRIVATE ${MORVANE_STATIC_LINK})
# Its default plug-in is the one built beside it.
add_dependencies(mvhost Morvane)

