# Installs the library from the build tree into a scratch prefix, then configures, builds and
# runs the consumer project against it with find_package.
# Inputs: BUILD_DIR, SOURCE_DIR, WORK_DIR, CXX, QT6_DIR, SANITIZE.
file(REMOVE_RECURSE ${WORK_DIR})
set(prefix ${WORK_DIR}/prefix)

function(run)
  execute_process(COMMAND ${ARGN} RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
  if(NOT rc EQUAL 0)
    message(FATAL_ERROR "failed (${rc}): ${ARGN}\n${out}\n${err}")
  endif()
  set(last_output "${out}" PARENT_SCOPE)
endfunction()

run(${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${prefix} --component KelvaneUCP)

# The library carries its version and soname: the real file, the soname link, the dev link.
file(GLOB_RECURSE real ${prefix}/*/libkelvaneucp.so.1.1.0)
file(GLOB_RECURSE soname ${prefix}/*/libkelvaneucp.so.1)
file(GLOB_RECURSE devlink ${prefix}/*/libkelvaneucp.so)
if(NOT real OR NOT soname OR NOT devlink)
  message(FATAL_ERROR "installed library files missing: '${real}' '${soname}' '${devlink}'")
endif()
if(NOT EXISTS ${prefix}/include/kelvaneuc/kelvaneuc.h OR NOT EXISTS ${prefix}/include/kelvaneuc/component.h
   OR NOT EXISTS ${prefix}/include/kelvaneuc/kelvaneucp_export.h)
  message(FATAL_ERROR "public headers missing under ${prefix}/include/kelvaneuc")
endif()

set(flags "")
if(SANITIZE)
  set(flags "-fsanitize=address,undefined -fno-omit-frame-pointer")
endif()
run(${CMAKE_COMMAND} -S ${SOURCE_DIR} -B ${WORK_DIR}/build -DCMAKE_BUILD_TYPE=Debug
    -DCMAKE_CXX_COMPILER=${CXX} "-DCMAKE_CXX_FLAGS=${flags}" "-DCMAKE_EXE_LINKER_FLAGS=${flags}"
    -DCMAKE_PREFIX_PATH=${prefix} -DQt6_DIR=${QT6_DIR})
run(${CMAKE_COMMAND} --build ${WORK_DIR}/build)
run(${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen ${WORK_DIR}/build/consumer)
if(NOT last_output MATCHES "consumer ok")
  message(FATAL_ERROR "consumer said: ${last_output}")
endif()
