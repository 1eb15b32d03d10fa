list(APPEND MORVANE_PORTABLE_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/RootName.cpp
  ${CMAKE_CURRENT_LIST_DIR}/VersionString.cpp
)
# Exports.cpp goes into the plug-in itself, not into the core library.
list(APPEND MORVANE_WIN32_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/MorvaneApp.cpp
)
