# mvhost.exe, the command-line plug-in host. It loads a plug-in file and calls
# its exports, or reads and writes the catalogue's store itself, so it links
# nothing of the plug-in but its registry-key wrapper.
add_executable(mvhost
  ${CMAKE_CURRENT_LIST_DIR}/main.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ConsoleText.cpp
  ${CMAKE_CURRENT_LIST_DIR}/EntryCommands.cpp
  ${CMAKE_CURRENT_LIST_DIR}/FindDataText.cpp
  ${CMAKE_CURRENT_LIST_DIR}/HostOptions.cpp
  ${CMAKE_CURRENT_LIST_DIR}/IconCommand.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ListCommand.cpp
  ${CMAKE_CURRENT_LIST_DIR}/PluginCalls.cpp
  ${CMAKE_CURRENT_LIST_DIR}/PluginLibrary.cpp
  ${CMAKE_CURRENT_LIST_DIR}/RecordCommands.cpp
  ${CMAKE_CURRENT_LIST_DIR}/RootNameCommand.cpp
  ${CMAKE_SOURCE_DIR}/src/win32/RegKey.cpp
)
target_include_directories(mvhost PRIVATE ${CMAKE_CURRENT_LIST_DIR} ${CMAKE_SOURCE_DIR}/src ${MORVANE_GENERATED_DIR})
target_link_libraries(mvhost PRIVATE uidriver winpatch user32 gdi32)
target_link_options(mvhost PRIVATE ${MORVANE_STATIC_LINK})
# Its default plug-in is the one built beside it.
add_dependencies(mvhost Morvane)

