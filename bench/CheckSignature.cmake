# Runs the benchmark briefly and fails when its decision signature (on standard
# error) differs from EXPECTED, or when standard output is not its JSON report.
execute_process(
  COMMAND ${BENCH} --benchmark_format=json "--benchmark_filter=end game/1/"
    --benchmark_min_time=0.01
  OUTPUT_VARIABLE out ERROR_VARIABLE err RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "the benchmark failed (${status}):\n${err}")
endif()
if(NOT err MATCHES "decision signature: ([0-9a-f]+)")
  message(FATAL_ERROR "no decision signature printed:\n${err}")
endif()
if(NOT CMAKE_MATCH_1 STREQUAL EXPECTED)
  message(FATAL_ERROR
    "the computer's decisions changed: signature ${CMAKE_MATCH_1}, expected ${EXPECTED}\n${err}")
endif()
string(JSON runs ERROR_VARIABLE problem LENGTH "${out}" benchmarks)
if(problem OR runs EQUAL 0)
  message(FATAL_ERROR "standard output is not the JSON report (${problem}):\n${out}")
endif()
