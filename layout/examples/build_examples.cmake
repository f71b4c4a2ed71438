# Installs the library from the build tree into a scratch prefix, then configures and builds the
# guide's examples against it with find_package, as a project outside this one would.
# Inputs: BUILD_DIR, SOURCE_DIR, WORK_DIR, CXX, QT6_DIR, SANITIZE.
file(REMOVE_RECURSE ${WORK_DIR})
set(prefix ${WORK_DIR}/prefix)

function(run)
  execute_process(COMMAND ${ARGN} RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
  if(NOT rc EQUAL 0)
    message(FATAL_ERROR "failed (${rc}): ${ARGN}\n${out}\n${err}")
  endif()
endfunction()

run(${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${prefix} --component KelvaneUCP)
set(flags "")
if(SANITIZE)
  set(flags "-fsanitize=address,undefined -fno-omit-frame-pointer")
endif()
run(${CMAKE_COMMAND} -S ${SOURCE_DIR} -B ${WORK_DIR}/build -DCMAKE_BUILD_TYPE=Debug
    -DCMAKE_CXX_COMPILER=${CXX} "-DCMAKE_CXX_FLAGS=-Wall -Wextra -Werror ${flags}" "-DCMAKE_EXE_LINKER_FLAGS=${flags}"
    -DCMAKE_PREFIX_PATH=${prefix} -DQt6_DIR=${QT6_DIR})
run(${CMAKE_COMMAND} --build ${WORK_DIR}/build)
