# Import patches that give a module the answers Windows gives where Wine
# answers otherwise, for the command-line host and the Wine tests.
add_library(winpatch STATIC
  ${CMAKE_CURRENT_LIST_DIR}/ImportPatch.cpp
  ${CMAKE_CURRENT_LIST_DIR}/StandInDismount.cpp
)
target_include_directories(winpatch PUBLIC ${CMAKE_SOURCE_DIR}/tools)
