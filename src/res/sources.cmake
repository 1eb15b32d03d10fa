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
  set(_converted)
  foreach(name Morvane.rc ProductInfo.h)
    add_custom_command(OUTPUT ${MORVANE_RESOURCE_DIR}/${name}
      COMMAND ${CMAKE_COMMAND} -E make_directory ${MORVANE_RESOURCE_DIR}
      COMMAND iconv -f UTF-8 -t CP1251 -o ${MORVANE_RESOURCE_DIR}/${name} ${CMAKE_CURRENT_LIST_DIR}/${name}
      DEPENDS ${CMAKE_CURRENT_LIST_DIR}/${name}
      COMMENT "Converting ${name} to Windows-1251"
      VERBATIM)
    list(APPEND _converted ${MORVANE_RESOURCE_DIR}/${name})
  endforeach()
  # windres reports no header or image dependencies to the build tool.
  file(GLOB _art CONFIGURE_DEPENDS ${CMAKE_CURRENT_LIST_DIR}/art/*.ico ${CMAKE_CURRENT_LIST_DIR}/art/*.bmp)
  set_source_files_properties(${MORVANE_RESOURCE_SCRIPT} PROPERTIES
    OBJECT_DEPENDS "${CMAKE_CURRENT_LIST_DIR}/ResourceIds.h;${MORVANE_RESOURCE_DIR}/ProductInfo.h;${MORVANE_RESOURCE_DIR}/Version.h;${_art}")
  set(MORVANE_RESOURCES ${MORVANE_RESOURCE_SCRIPT})
endif()
