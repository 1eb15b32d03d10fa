list(APPEND MORVANE_WIN32_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/AboutDlg.cpp
  ${CMAKE_CURRENT_LIST_DIR}/HyperLink.cpp
  ${CMAKE_CURRENT_LIST_DIR}/LinkCommand.cpp
  ${CMAKE_CURRENT_LIST_DIR}/MLangDlg.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ProductTexts.cpp
  ${CMAKE_CURRENT_LIST_DIR}/PropDlg.cpp
  ${CMAKE_CURRENT_LIST_DIR}/SettingsDlg.cpp
)
# The Russian product lines are written in UTF-8 and shown as Windows-1251 bytes.
set_source_files_properties(${CMAKE_CURRENT_LIST_DIR}/ProductTexts.cpp
  PROPERTIES COMPILE_OPTIONS "-fexec-charset=CP1251")
