# The module's resources, compiled into the plug-in. The script is kept in
# UTF-8 and handed to windres in Windows-1251, the code page it declares; the
# platform files of CMake's MinGW toolchain enable the RC language already.
if(WIN32)
  set(MORVANE_RESOURCE_SCRIPT ${CMAKE_BINARY_DIR}/res/Morvane.rc)
  add_custom_command(OUTPUT ${MORVANE_RESOURCE_SCRIPT}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/res
    COMMAND iconv -f UTF-8 -t CP1251 -o ${MORVANE_RESOURCE_SCRIPT} ${CMAKE_CURRENT_LIST_DIR}/Morvane.rc
    DEPENDS ${CMAKE_CURRENT_LIST_DIR}/Morvane.rc
    COMMENT "Converting the resource script to Windows-1251"
    VERBATIM)
  # windres reports no header dependencies to the build tool.
  set_source_files_properties(${MORVANE_RESOURCE_SCRIPT} PROPERTIES
    OBJECT_DEPENDS ${CMAKE_CURRENT_LIST_DIR}/ResourceIds.h)
  set(MORVANE_RESOURCES ${MORVANE_RESOURCE_SCRIPT})
endif()
