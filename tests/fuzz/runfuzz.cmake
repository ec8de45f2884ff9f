# Runs every fuzz target for SECONDS on its seed corpus; called by the
# "fuzz" target. FUZZ_SECONDS in the environment overrides SECONDS.
if(DEFINED ENV{FUZZ_SECONDS})
  set(SECONDS $ENV{FUZZ_SECONDS})
endif()
separate_arguments(TARGETS)
# FUZZ_TARGETS in the environment picks some of them.
if(DEFINED ENV{FUZZ_TARGETS} AND NOT "$ENV{FUZZ_TARGETS}" STREQUAL "")
  set(TARGETS $ENV{FUZZ_TARGETS})
  separate_arguments(TARGETS)
endif()
set(failed)
foreach(target ${TARGETS})
  set(work ${WORK}/${target})
  set(findings ${WORK}/findings/${target})
  file(MAKE_DIRECTORY ${work} ${findings})
  message(STATUS "fuzzing ${target} for ${SECONDS} s")
  execute_process(
    COMMAND ${CMAKE_COMMAND} -E env LSAN_OPTIONS=suppressions=${SUPPRESSIONS}:print_suppressions=0
            ${BIN}/${target} -max_total_time=${SECONDS} -timeout=30 -rss_limit_mb=4096
            -print_final_stats=1 -artifact_prefix=${findings}/ ${work} ${SEEDS}/${target}
    WORKING_DIRECTORY ${work}
    RESULT_VARIABLE result
    OUTPUT_FILE ${WORK}/${target}.log
    ERROR_FILE ${WORK}/${target}.log)
  file(STRINGS ${WORK}/${target}.log stats REGEX "^stat::(number_of_executed_units|new_units_added):")
  message(STATUS "${target}: ${stats} (exit ${result}; log ${WORK}/${target}.log)")
  if(NOT result EQUAL 0)
    list(APPEND failed ${target})
  endif()
endforeach()
if(failed)
  message(FATAL_ERROR "findings in: ${failed} (see ${WORK}/findings)")
endif()
