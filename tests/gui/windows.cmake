# The viewer windows, the about box, the settings window and the text conversion they share.
find_package(Qt6 6.4 REQUIRED COMPONENTS Test)
foreach(test viewer_test:ViewerTest about_test:AboutTest settings_test:SettingsTest text_test:TextTest)
  string(REPLACE ":" ";" parts ${test})
  list(GET parts 0 name)
  list(GET parts 1 source)
  fleetwick_add_test(NAME ${name}
                     SOURCES ${CMAKE_CURRENT_LIST_DIR}/${source}.cpp ${CMAKE_CURRENT_LIST_DIR}/GuiTestEnvironment.cpp
                     LIBS fleetwick_main fleetwick_test_support Qt6::Test)
endforeach()
