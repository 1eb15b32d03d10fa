list(APPEND MORVANE_PORTABLE_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/DeviceNames.cpp
  ${CMAKE_CURRENT_LIST_DIR}/DeviceNumbers.cpp
  ${CMAKE_CURRENT_LIST_DIR}/DriveMessages.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ImageInfo.cpp
  ${CMAKE_CURRENT_LIST_DIR}/KernelPath.cpp
  ${CMAKE_CURRENT_LIST_DIR}/LogEntry.cpp
  ${CMAKE_CURRENT_LIST_DIR}/TimeStamp.cpp
)
list(APPEND MORVANE_WIN32_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/ActivityLog.cpp
  ${CMAKE_CURRENT_LIST_DIR}/AutorunEntry.cpp
  ${CMAKE_CURRENT_LIST_DIR}/DriverMount.cpp
  ${CMAKE_CURRENT_LIST_DIR}/DriverQuery.cpp
  ${CMAKE_CURRENT_LIST_DIR}/DriverServesImage.cpp
  ${CMAKE_CURRENT_LIST_DIR}/DriverUnmount.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ErrorReport.cpp
  ${CMAKE_CURRENT_LIST_DIR}/MountImage.cpp
  ${CMAKE_CURRENT_LIST_DIR}/RefreshCatalogue.cpp
  ${CMAKE_CURRENT_LIST_DIR}/RestoreMounts.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Rundll32Program.cpp
  ${CMAKE_CURRENT_LIST_DIR}/UnmountImage.cpp
)
