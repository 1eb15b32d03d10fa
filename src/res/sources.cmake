# The module's resources, compiled into the plug-in. The script and the
# product data it includes are kept in UTF-8 and handed to windres in
# Windows-1251, the code page the script declares; the project's version comes
# in a header made from CMake's. The platform files of CMake's MinGW toolchain
# enable the RC language already.
if(WIN32)
  set(MORVANE_RESOURCE_DIR ${CMAKE_BINARY_DIR}/res)
  set(MORVANE_RESOURCE_SCRIPT ${MORVANE_RESOURCE_DIR}/Morvane.rc)
  # The 64-bit file manager loads .wfx64 plug-ins, the 32-bit one .wfx.
  if(CMAKE_SIZEOF_VOID_P EQUAL 8)
    set(MORVANE_PLUGIN_SUFFIX .wfx64)
  else()
    set(MORVANE_PLUGIN_SUFFIX .wfx)
  endif()
  set(MORVANE_MODULE_FILE_NAME Morvane${MORVANE_PLUGIN_SUFFIX})
  configure_file(${CMAKE_SOURCE_DIR}/cmake/Version.h.in ${MORVANE_RESOURCE_DIR}/Version.h @ONLY)

  # The built-in texts are written once, in the text table: the templates
  # take theirs from definitions made of its entries, MORVANE_TEXT_<name of
  # the identifier>. An entry's text may run over several lines as adjacent
  # literals; every entry must be read, or the configuration stops.
  set(_text_table ${CMAKE_SOURCE_DIR}/src/lang/TextTable.h)
  set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${_text_table})
  file(READ ${_text_table} _table)
  set(_blank "[ \t\r\n]*")
  set(_literal "\"([^\"\\\\]|\\\\.)*\"")
  string(REGEX MATCHALL "{${_blank}TextId::[A-Za-z]+,${_blank}(nullptr|${_literal}(${_blank}${_literal})*),${_blank}(true|false)${_blank}}"
    _entries "${_table}")
  string(REGEX MATCHALL "TextId::[A-Za-z]+," _identifiers "${_table}")
  list(LENGTH _entries _entry_count)
  list(LENGTH _identifiers _identifier_count)
  if(NOT _entry_count EQUAL _identifier_count)
    message(FATAL_ERROR "src/lang/TextTable.h: ${_entry_count} of ${_identifier_count} entries read")
  endif()
  set(_definitions "/* Made by the build from lang/TextTable.h. */\n")
  foreach(_entry IN LISTS _entries)
    string(REGEX REPLACE "^{${_blank}TextId::([A-Za-z]+),.*$" "\\1" _name "${_entry}")
    string(REGEX REPLACE "^{${_blank}TextId::[A-Za-z]+,${_blank}(.*),${_blank}(true|false)${_blank}}$" "\\1" _text "${_entry}")
    # Adjacent literals joined into one, the way the compiler joins them.
    string(REGEX REPLACE "\"${_blank}\"" "" _text "${_text}")
    if(NOT _text STREQUAL "nullptr")
      string(APPEND _definitions "#define MORVANE_TEXT_${_name} ${_text}\n")
    endif()
  endforeach()
  set(_text_definitions ${CMAKE_BINARY_DIR}/res-utf8/BuiltinTexts.h)
  file(CONFIGURE OUTPUT ${_text_definitions} CONTENT "${_definitions}" @ONLY)

  foreach(source ${CMAKE_CURRENT_LIST_DIR}/Morvane.rc ${CMAKE_CURRENT_LIST_DIR}/ProductInfo.h ${_text_definitions})
    get_filename_component(name ${source} NAME)
    add_custom_command(OUTPUT ${MORVANE_RESOURCE_DIR}/${name}
      COMMAND ${CMAKE_COMMAND} -E make_directory ${MORVANE_RESOURCE_DIR}
      COMMAND iconv -f UTF-8 -t CP1251 -o ${MORVANE_RESOURCE_DIR}/${name} ${source}
      DEPENDS ${source}
      COMMENT "Converting ${name} to Windows-1251"
      VERBATIM)
  endforeach()
  # windres reports no header or image dependencies to the build tool.
  file(GLOB _art CONFIGURE_DEPENDS ${CMAKE_CURRENT_LIST_DIR}/art/*.ico ${CMAKE_CURRENT_LIST_DIR}/art/*.bmp)
  set_source_files_properties(${MORVANE_RESOURCE_SCRIPT} PROPERTIES
    OBJECT_DEPENDS "${CMAKE_CURRENT_LIST_DIR}/ResourceIds.h;${MORVANE_RESOURCE_DIR}/ProductInfo.h;${MORVANE_RESOURCE_DIR}/BuiltinTexts.h;${MORVANE_RESOURCE_DIR}/Version.h;${_art}")
  set(MORVANE_RESOURCES ${MORVANE_RESOURCE_SCRIPT})
endif()
