list(APPEND MORVANE_PORTABLE_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/LangFileParser.cpp
  ${CMAKE_CURRENT_LIST_DIR}/TextFormat.cpp
  ${CMAKE_CURRENT_LIST_DIR}/TranslationCheck.cpp
)
list(APPEND MORVANE_WIN32_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/BuiltinTexts.cpp
  ${CMAKE_CURRENT_LIST_DIR}/LangSetting.cpp
  ${CMAKE_CURRENT_LIST_DIR}/LanguageFileBytes.cpp
  ${CMAKE_CURRENT_LIST_DIR}/LanguageFolder.cpp
  ${CMAKE_CURRENT_LIST_DIR}/MLangApp.cpp
)
# The built-in texts are written in UTF-8 and shown as Windows-1251 bytes.
set_source_files_properties(${CMAKE_CURRENT_LIST_DIR}/BuiltinTexts.cpp
  PROPERTIES COMPILE_OPTIONS "-fexec-charset=CP1251")
