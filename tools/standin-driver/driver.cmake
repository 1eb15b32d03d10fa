# The stand-in virtual-disk driver that tests install into the Wine prefix:
# a kernel-mode image linked against ntoskrnl only, built with the C compiler
# directly because none of CMake's default Windows libraries may come along.
find_path(MORVANE_DDK_INCLUDE_DIR ntddk.h PATH_SUFFIXES ddk include/ddk REQUIRED)

set(MORVANE_STANDIN_DRIVER ${CMAKE_BINARY_DIR}/mvfiledisk.sys)
set(_standin_dir ${CMAKE_CURRENT_LIST_DIR})
add_custom_command(OUTPUT ${MORVANE_STANDIN_DRIVER}
  COMMAND ${CMAKE_C_COMPILER} -std=c11 -O2 -Wall -Wextra -Werror
    -I${MORVANE_DDK_INCLUDE_DIR} -I${CMAKE_SOURCE_DIR}/src -I${CMAKE_SOURCE_DIR}/tools
    -D_AMD64_ -fno-stack-protector -fno-builtin -mno-stack-arg-probe
    -nostdlib -shared -Wl,--subsystem,native -Wl,--entry,DriverEntry
    -Wl,--image-base,0x140000000
    -o ${MORVANE_STANDIN_DRIVER} ${_standin_dir}/StandInDriver.c -lntoskrnl
  DEPENDS ${_standin_dir}/StandInDriver.c ${_standin_dir}/StandInControl.h
    ${CMAKE_SOURCE_DIR}/src/driver/DriverProtocol.h
  COMMENT "Building the stand-in virtual-disk driver mvfiledisk.sys"
  VERBATIM)
add_custom_target(mvfiledisk ALL DEPENDS ${MORVANE_STANDIN_DRIVER})
