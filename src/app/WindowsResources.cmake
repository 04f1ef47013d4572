# Windows resources for a program (icon, version information, application manifest), compiled by windres;
# only where the icon file is given, which scripts/package-windows.sh draws with fleetwick-icon.
if(WIN32)
  set(FLEETWICK_ICON "" CACHE FILEPATH "The Windows programs' icon file (.ico); without it they carry no resources")
  if(FLEETWICK_ICON)
    enable_language(RC)
  endif()
endif()

function(fleetwick_windows_resources target description)
  if(NOT WIN32 OR NOT FLEETWICK_ICON)
    return()
  endif()
  # Windows shows four-part versions: 1.1 is 1.1.0.0.
  string(REPLACE . ";" version "${PROJECT_VERSION}.0.0.0")
  list(SUBLIST version 0 4 version)
  list(JOIN version , FLEETWICK_RC_VERSION)
  list(JOIN version . FLEETWICK_RC_VERSION_TEXT)
  set(FLEETWICK_RC_NAME ${target})
  set(FLEETWICK_RC_DESCRIPTION "${description}")
  set(FLEETWICK_RC_MANIFEST ${CMAKE_CURRENT_FUNCTION_LIST_DIR}/fleetwick.manifest)
  set(rc ${CMAKE_CURRENT_BINARY_DIR}/${target}.rc)
  configure_file(${CMAKE_CURRENT_FUNCTION_LIST_DIR}/resources.rc.in ${rc} @ONLY)
  # windres reads these two itself, unseen by the build's dependency scan.
  set_source_files_properties(${rc} PROPERTIES OBJECT_DEPENDS "${FLEETWICK_ICON};${FLEETWICK_RC_MANIFEST}")
  target_sources(${target} PRIVATE ${rc})
endfunction()
