find_package(GTest REQUIRED)
include(GoogleTest)

# quarn_test(<name> [QTTEST] SOURCES ... LIBS ...): one test executable per layer, registered
# with CTest. GoogleTest by default; QTTEST makes a Qt Test program for the windows, run
# offscreen.
function(quarn_test name)
  cmake_parse_arguments(ARG "QTTEST" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR}/tests)
  if(ARG_QTTEST)
    find_package(Qt6 REQUIRED COMPONENTS Test)
    set_target_properties(${name} PROPERTIES AUTOMOC ON)
    target_link_libraries(${name} PRIVATE ${ARG_LIBS} Qt6::Test)
    add_test(NAME ${name} COMMAND ${name})
    set_tests_properties(${name} PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen")
  else()
    target_link_libraries(${name} PRIVATE ${ARG_LIBS} GTest::gtest_main)
    gtest_discover_tests(${name} DISCOVERY_TIMEOUT 60)
  endif()
endfunction()
