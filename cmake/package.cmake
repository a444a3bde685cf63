# The release package: one zip a Windows user unpacks anywhere and over an earlier one. The
# sample launcher INI has its own name, so unpacking never replaces the user's orvane.ini.
install(TARGETS orvane RUNTIME DESTINATION .)
install(FILES ${CMAKE_SOURCE_DIR}/demo/orvane.txt ${CMAKE_SOURCE_DIR}/LICENSE
              ${CMAKE_SOURCE_DIR}/THIRD-PARTY-NOTICES.txt DESTINATION .)
install(FILES ${CMAKE_SOURCE_DIR}/demo/orvane.ini DESTINATION . RENAME orvane-sample.ini)

set(CPACK_GENERATOR ZIP)
set(CPACK_PACKAGE_NAME orvane)
set(CPACK_PACKAGE_VENDOR "The ORVANE developers")
set(CPACK_PACKAGE_FILE_NAME orvane-${PROJECT_VERSION}-win64)
set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY OFF)
include(CPack)
