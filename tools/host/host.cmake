# mvhost.exe, the command-line plug-in host. It only loads a plug-in file and
# calls its exports, so it links nothing of the plug-in itself (headers only).
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
  ${CMAKE_CURRENT_LIST_DIR}/RootNameCommand.cpp
)
target_include_directories(mvhost PRIVATE ${CMAKE_CURRENT_LIST_DIR} ${CMAKE_SOURCE_DIR}/src)
target_link_libraries(mvhost PRIVATE uidriver user32 gdi32)
target_link_options(mvhost PRIVATE ${MORVANE_STATIC_LINK})
# Its default plug-in is the one built beside it.
add_dependencies(mvhost Morvane)

# The host against the real plug-in, driven as a script drives it.
add_test(NAME Host.Scenario COMMAND ${CMAKE_SOURCE_DIR}/tests/host/host-scenario $<TARGET_FILE:mvhost>)
set_tests_properties(Host.Scenario PROPERTIES RUN_SERIAL TRUE)
