# The release package, build/dist/Morvane-<version>.zip (scripts/package):
# both plug-ins, the language folder, a readme for users and the file
# manager's installation file, which makes it offer to install the plug-in
# when the archive is opened in it.
set(MORVANE_PACKAGE ${MORVANE_BUILD_ROOT}/dist/Morvane-${PROJECT_VERSION}.zip)
set(_stage ${CMAKE_BINARY_DIR}/package)

# The description is the product's own, from the data the version resource reads.
set(_product_info ${CMAKE_SOURCE_DIR}/src/res/ProductInfo.h)
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${_product_info})
file(STRINGS ${_product_info} _description REGEX "^#define MORVANE_DESCRIPTION \"")
string(REGEX REPLACE "^#define MORVANE_DESCRIPTION \"(.*)\"$" "\\1" MORVANE_PACKAGE_DESCRIPTION "${_description}")
# Both are read on Windows: CRLF line ends.
configure_file(${CMAKE_SOURCE_DIR}/package/pluginst.inf.in ${_stage}/pluginst.inf @ONLY NEWLINE_STYLE CRLF)
configure_file(${CMAKE_SOURCE_DIR}/package/readme.txt ${_stage}/readme.txt @ONLY NEWLINE_STYLE CRLF)

set(_plugin32 ${MORVANE_WIN32_DIR}/Morvane.wfx)
add_custom_command(OUTPUT ${MORVANE_PACKAGE}
  COMMAND ${CMAKE_COMMAND} -E make_directory ${_stage}/Language ${MORVANE_BUILD_ROOT}/dist
  COMMAND ${CMAKE_COMMAND} -E copy $<TARGET_FILE:Morvane> ${_plugin32} ${_stage}
  COMMAND ${CMAKE_COMMAND} -E copy ${MORVANE_LANGUAGE_FILES} ${_stage}/Language
  COMMAND ${CMAKE_COMMAND} -E rm -f ${MORVANE_PACKAGE}
  COMMAND ${CMAKE_COMMAND} -E chdir ${_stage} ${CMAKE_COMMAND} -E tar cf ${MORVANE_PACKAGE} --format=zip
    Morvane.wfx Morvane.wfx64 Language readme.txt pluginst.inf
  DEPENDS Morvane ${_plugin32} ${MORVANE_LANGUAGE_FILES} ${_stage}/pluginst.inf ${_stage}/readme.txt
  COMMENT "Packing ${MORVANE_PACKAGE}"
  VERBATIM)
add_custom_target(dist DEPENDS ${MORVANE_PACKAGE})

# The package as a user gets it, made afresh for the check.
add_test(NAME Package.Make COMMAND ${CMAKE_COMMAND} --build ${CMAKE_BINARY_DIR} --target dist)
add_test(NAME Package.Contents COMMAND ${CMAKE_SOURCE_DIR}/tests/package/check-package ${MORVANE_PACKAGE}
  ${PROJECT_VERSION} $<TARGET_FILE:mvhost>)
add_test(NAME Package.Loads32Bit COMMAND ${CMAKE_SOURCE_DIR}/tests/package/check-package --32bit ${MORVANE_PACKAGE}
  ${MORVANE_WIN32_DIR}/mvhost.exe)
set_tests_properties(Package.Make PROPERTIES FIXTURES_SETUP Package)
morvane_wine_tests(Package.Contents Package.Loads32Bit)
morvane_32bit_tests(Package.Loads32Bit)
set_property(TEST Package.Contents Package.Loads32Bit APPEND PROPERTY FIXTURES_REQUIRED Package)
