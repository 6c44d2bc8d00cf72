# Read by cpack once for each generator (CPACK_PROJECT_CONFIG_FILE).
if(CPACK_GENERATOR STREQUAL "NSIS64")
  string(APPEND CPACK_PACKAGE_FILE_NAME "-setup")
  set(CPACK_PRE_BUILD_SCRIPTS ${CMAKE_CURRENT_LIST_DIR}/SiteDefault.cmake)
endif()
