# Starting other programs: the command-line splitter and the real launcher.
fleetwick_add_test(NAME command_line_test SOURCES ${CMAKE_CURRENT_LIST_DIR}/CommandLineTest.cpp
                   LIBS fleetwick_platform)
if(NOT WIN32)
  fleetwick_add_test(NAME launch_test SOURCES ${CMAKE_CURRENT_LIST_DIR}/LaunchTest.cpp LIBS fleetwick_platform)
endif()
if(WIN32)
  fleetwick_add_test(NAME launch_windows_test SOURCES ${CMAKE_CURRENT_LIST_DIR}/LaunchWindowsTest.cpp
                     LIBS fleetwick_platform fleetwick_test_support)
endif()
