# The language files go to the Language folder beside the plug-in, where it
# looks for them; MV_eng.lng makes a fresh installation English.
file(GLOB MORVANE_LANGUAGE_FILES CONFIGURE_DEPENDS ${CMAKE_CURRENT_LIST_DIR}/*.lng)
set(MORVANE_LANGUAGE_DIR ${CMAKE_BINARY_DIR}/Language)
set(MORVANE_INSTALLED_LANGUAGE_FILES)
foreach(source ${MORVANE_LANGUAGE_FILES})
  get_filename_component(name ${source} NAME)
  add_custom_command(OUTPUT ${MORVANE_LANGUAGE_DIR}/${name}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${MORVANE_LANGUAGE_DIR}
    COMMAND ${CMAKE_COMMAND} -E copy ${source} ${MORVANE_LANGUAGE_DIR}/${name}
    DEPENDS ${source}
    COMMENT "Installing language file ${name}")
  list(APPEND MORVANE_INSTALLED_LANGUAGE_FILES ${MORVANE_LANGUAGE_DIR}/${name})
endforeach()
add_custom_target(language_files ALL DEPENDS ${MORVANE_INSTALLED_LANGUAGE_FILES})
add_dependencies(Morvane language_files)
