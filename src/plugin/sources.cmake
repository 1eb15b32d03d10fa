list(APPEND MORVANE_PORTABLE_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/OperationBrackets.cpp
  ${CMAKE_CURRENT_LIST_DIR}/PanelColumns.cpp
  ${CMAKE_CURRENT_LIST_DIR}/RootName.cpp
  ${CMAKE_CURRENT_LIST_DIR}/VersionString.cpp
)
# The exports (Exports.cpp, ContentExports.cpp) go into the plug-in itself,
# not into the core library: cmake/Windows.cmake names them.
list(APPEND MORVANE_WIN32_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/ListingSnapshot.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Listings.cpp
  ${CMAKE_CURRENT_LIST_DIR}/MorvaneApp.cpp
)
