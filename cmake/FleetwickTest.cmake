# fleetwick_add_test(NAME name SOURCES ... LIBS ... [OWN_MAIN])
# Registers a GoogleTest executable with ctest, with an environment that keeps output repeatable:
# offscreen Qt, a fixed locale and a fixed time zone. OWN_MAIN: one of the sources has main().
function(fleetwick_add_test)
  cmake_parse_arguments(T "OWN_MAIN" "NAME" "SOURCES;LIBS" ${ARGN})
  add_executable(${T_NAME} ${T_SOURCES})
  target_link_libraries(${T_NAME} PRIVATE ${T_LIBS} GTest::gtest)
  if(NOT T_OWN_MAIN)
    target_link_libraries(${T_NAME} PRIVATE GTest::gtest_main)
  endif()
  if(WIN32 AND CMAKE_CROSSCOMPILING)
    # Under Wine the source tree is reached through the drive that maps the root folder.
    target_compile_definitions(${T_NAME} PRIVATE FLEETWICK_SOURCE_DIR="Z:${PROJECT_SOURCE_DIR}")
  else()
    target_compile_definitions(${T_NAME} PRIVATE FLEETWICK_SOURCE_DIR="${PROJECT_SOURCE_DIR}")
  endif()
  add_test(NAME ${T_NAME} COMMAND ${T_NAME})
  set_tests_properties(${T_NAME} PROPERTIES
    ENVIRONMENT "QT_QPA_PLATFORM=offscreen;LC_ALL=C.UTF-8;TZ=UTC;QT_LOGGING_RULES=qt.qpa.*=false;WINEDEBUG=-all"
    TIMEOUT 300)
  if(WIN32)
    set_tests_properties(${T_NAME} PROPERTIES LABELS windows)
  endif()
endfunction()
