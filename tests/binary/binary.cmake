# The built plug-in file itself, checked natively with the cross toolchain's
# objdump (no Wine needed).
find_program(MORVANE_OBJDUMP NAMES ${MINGW_PREFIX}-objdump x86_64-w64-mingw32-objdump REQUIRED)
add_test(NAME PluginBinary.ExportsAndImports
  COMMAND ${CMAKE_CURRENT_LIST_DIR}/check-plugin-binary ${MORVANE_OBJDUMP} $<TARGET_FILE:Morvane> ${MORVANE_DEF_FILE})
