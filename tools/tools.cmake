# Tools that stand in for what this machine lacks: the file manager (a
# command-line plug-in host, with the driver of its dialogs) and the maker's
# virtual-disk driver.
include(${CMAKE_SOURCE_DIR}/tools/uidriver/uidriver.cmake)
include(${CMAKE_SOURCE_DIR}/tools/winpatch/winpatch.cmake)
include(${CMAKE_SOURCE_DIR}/tools/host/host.cmake)
include(${CMAKE_SOURCE_DIR}/tools/harness/harness.cmake)
# The stand-in is a 64-bit kernel image; mvdrives reads what it serves; the
# benchmarks of listing, loading and the log-on restore use both.
if(CMAKE_SIZEOF_VOID_P EQUAL 8)
  include(${CMAKE_SOURCE_DIR}/tools/standin-driver/driver.cmake)
  include(${CMAKE_SOURCE_DIR}/tools/drives/drives.cmake)
  include(${CMAKE_SOURCE_DIR}/tools/bench/bench.cmake)
endif()
