# Warnings as errors on our own code only; Qt and GoogleTest headers come in as system headers.
# GCC 12's optimiser reports false positives inside libstdc++ (std::string copies) for these;
# they stay visible as warnings without failing an optimised build.
function(zorvix_warnings target)
  target_compile_options(${target} PRIVATE -Wall -Wextra -Werror
    $<$<CXX_COMPILER_ID:GNU>:-Wno-error=restrict -Wno-error=stringop-overflow -Wno-error=array-bounds -Wno-error=maybe-uninitialized>)
endfunction()

# A GoogleTest executable registered with CTest. Usage:
#   zorvix_gtest(name SOURCES a.cpp b.cpp LIBS lib1 lib2 [QT])
# QT: the test needs a QApplication (runs on the offscreen platform).
function(zorvix_gtest name)
  cmake_parse_arguments(ARG "QT" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  zorvix_warnings(${name})
  if(ARG_QT)
    target_link_libraries(${name} PRIVATE ${ARG_LIBS} GTest::gtest zorvix_qt_test_main Qt6::Test)
  else()
    target_link_libraries(${name} PRIVATE ${ARG_LIBS} GTest::gtest GTest::gtest_main)
  endif()
  # Parameterised cases are named by their name generators; the printed parameter value would
  # otherwise stand in the test's name, raw bytes for a struct.
  target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR}/testsupport)
  gtest_discover_tests(${name}
    # One variable only: gtest_discover_tests cannot pass a list; the sanitizer settings come
    # from scripts/test.sh.
    PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen"
    NO_PRETTY_VALUES
    DISCOVERY_TIMEOUT 60)
endfunction()

# The program's modules: code it loads on first use (app/common/qt/module_loader.h), installed
# in one folder of their own.
set(ZORVIX_MODULE_DIR ${CMAKE_INSTALL_LIBDIR}/zorvix)

# Tells the loader target where to find the module: <prefix>_NAME (its file name),
# <prefix>_RELATIVE_DIR (its installed folder, relative to the program's) and <prefix>_BUILD_FILE.
function(zorvix_module_finder loader prefix module)
  file(RELATIVE_PATH relative ${CMAKE_INSTALL_FULL_BINDIR} ${CMAKE_INSTALL_FULL_LIBDIR}/zorvix)
  target_compile_definitions(${loader} PRIVATE
    ${prefix}_NAME="$<TARGET_FILE_NAME:${module}>"
    ${prefix}_RELATIVE_DIR="${relative}"
    ${prefix}_BUILD_FILE="$<TARGET_FILE:${module}>")
  add_dependencies(${loader} ${module})
endfunction()
