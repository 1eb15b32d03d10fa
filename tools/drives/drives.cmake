# mvdrives.exe: lists drive letters with their bindings and the images the
# virtual-disk driver serves on them (the demo shows restored drives with it).
add_executable(mvdrives ${CMAKE_CURRENT_LIST_DIR}/main.cpp)
target_link_libraries(mvdrives PRIVATE morvane_core)
target_link_options(mvdrives PRIVATE ${MORVANE_STATIC_LINK})
