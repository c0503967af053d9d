# vantrel_test(NAME SOURCES a.cpp b.cpp LIBS lib1 lib2 [GUI])
# One GoogleTest executable, registered with ctest test by test.
# GUI tests run under Qt's offscreen platform.
include(GoogleTest)
function(vantrel_test name)
  cmake_parse_arguments(T "GUI" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${T_SOURCES})
  target_link_libraries(${name} PRIVATE ${T_LIBS} vantrel_testsupport GTest::gtest GTest::gmock)
  set(props "")
  if(T_GUI)
    # A main that makes the application object first (tests/support/gui_main.cpp).
    target_link_libraries(${name} PRIVATE vantrel_gui_testmain)
    set(props ENVIRONMENT "QT_QPA_PLATFORM=offscreen")
  else()
    target_link_libraries(${name} PRIVATE GTest::gtest_main)
  endif()
  # Parameterised tests are named by their instance names, not by a dump of their values.
  gtest_discover_tests(${name} DISCOVERY_MODE PRE_TEST NO_PRETTY_VALUES PROPERTIES ${props})
endfunction()

# vantrel_bench(NAME SOURCES ... LIBS ... [GUI])
# GUI benchmarks get a main that makes the application object first
# (ui/testing/gui_bench_main.cpp).
function(vantrel_bench name)
  cmake_parse_arguments(B "GUI" "" "SOURCES;LIBS" ${ARGN})
  if(NOT TARGET benchmark::benchmark)
    return()
  endif()
  add_executable(${name} ${B_SOURCES})
  if(B_GUI)
    target_link_libraries(${name} PRIVATE ${B_LIBS} vantrel_gui_benchmain)
    vantrel_uses_qt_headers(${name})
  else()
    target_link_libraries(${name} PRIVATE ${B_LIBS} benchmark::benchmark_main)
  endif()
  set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/bench)
endfunction()
