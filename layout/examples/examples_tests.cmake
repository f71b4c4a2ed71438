# The guide's examples as tests: one step builds them against the installed library, then each
# runs offscreen and checks its own effect. scale_to_screen, designer_form and component_events
# run on an 800 x 600 screen, smaller than the 1024 x 768 one their windows were designed on.
set(KELVANE_EXAMPLES_WORK ${CMAKE_CURRENT_BINARY_DIR}/examples_work)
add_test(NAME kelvane_examples_build
  COMMAND ${CMAKE_COMMAND} -DBUILD_DIR=${PROJECT_BINARY_DIR} -DSOURCE_DIR=${CMAKE_CURRENT_LIST_DIR}
          -DWORK_DIR=${KELVANE_EXAMPLES_WORK} -DCXX=${CMAKE_CXX_COMPILER} -DQT6_DIR=${Qt6_DIR}
          -DSANITIZE=${ZORVIX_SANITIZE} -P ${CMAKE_CURRENT_LIST_DIR}/build_examples.cmake)
set_tests_properties(kelvane_examples_build PROPERTIES TIMEOUT 600 LABELS "examples" FIXTURES_SETUP kelvane_examples)

set(KELVANE_SMALL_SCREEN ${CMAKE_CURRENT_BINARY_DIR}/examples_small_screen.json)
file(WRITE ${KELVANE_SMALL_SCREEN} [=[{"screens": [{"name": "small", "x": 0, "y": 0, "width": 800, "height": 600, "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1}]}]=])
set(KELVANE_EXAMPLE_ENV
  "ASAN_OPTIONS=detect_leaks=1" "LSAN_OPTIONS=suppressions=${PROJECT_SOURCE_DIR}/cmake/lsan.supp"
  "UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1")
foreach(example tab_order align_column space_row scale_to_screen designer_form component_events)
  add_test(NAME kelvane_example_${example} COMMAND ${KELVANE_EXAMPLES_WORK}/build/${example})
  set(platform "QT_QPA_PLATFORM=offscreen")
  if(example MATCHES "scale_to_screen|designer_form|component_events")
    set(platform "QT_QPA_PLATFORM=offscreen:configfile=${KELVANE_SMALL_SCREEN}")
  endif()
  set_tests_properties(kelvane_example_${example} PROPERTIES LABELS "examples" FIXTURES_REQUIRED kelvane_examples
    ENVIRONMENT "${platform};${KELVANE_EXAMPLE_ENV}")
endforeach()
