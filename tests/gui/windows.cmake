# The viewer windows, the about box and the settings window.
find_package(Qt6 6.4 REQUIRED COMPONENTS Test)
foreach(test ViewerTest AboutTest SettingsTest)
  fleetwick_add_test(NAME ${test} SOURCES ${CMAKE_CURRENT_LIST_DIR}/${test}.cpp
                     LIBS fleetwick_windows fleetwick_test_support Qt6::Test)
endforeach()
