# The user-interface driver: finds, reads and operates the dialogs and message
# boxes of another thread of the same process, as a user would. mvhost and the
# Wine tests drive the plug-in's windows with it; it knows nothing of the
# plug-in.
add_library(uidriver STATIC
  ${CMAKE_CURRENT_LIST_DIR}/Actions.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ActiveWindow.cpp
  ${CMAKE_CURRENT_LIST_DIR}/BmpFile.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ReadWindow.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Screenshot.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Session.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Settler.cpp
  ${CMAKE_CURRENT_LIST_DIR}/StandardIcon.cpp
  ${CMAKE_CURRENT_LIST_DIR}/StateText.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Step.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Transcript.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Utf8Text.cpp
  ${CMAKE_CURRENT_LIST_DIR}/WindowQuery.cpp
)
# Users include "uidriver/...". The handle owners come from src/win32.
target_include_directories(uidriver PUBLIC ${CMAKE_SOURCE_DIR}/tools PRIVATE ${CMAKE_SOURCE_DIR}/src)
target_link_libraries(uidriver PUBLIC user32 gdi32)
