# Runs morovan-match and checks what scripts rely on: the usage on --help, a
# path it cannot write refused before the first game, and the form of a short
# match's report and positions file.
# Variables: TOOL, WORKDIR, MODE (help, unwritable or short).

function(expect message)
  if(NOT (${ARGN}))
    message(FATAL_ERROR "${message}")
  endif()
endfunction()

if(MODE STREQUAL "help")
  execute_process(COMMAND ${TOOL} --help
    RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE err)
  expect("--help exit status ${status}: ${err}" status EQUAL 0)
  expect("--help printed on stderr: ${err}" NOT err)
  expect("--help printed no usage: ${out}" out MATCHES "^usage: morovan-match --a LEVEL")
  return()
endif()

if(MODE STREQUAL "unwritable")
  # A folder that does not exist, and a folder where the file should be: both
  # fail whoever runs the test.
  file(REMOVE_RECURSE ${WORKDIR})
  file(MAKE_DIRECTORY ${WORKDIR}/taken)
  foreach(target ${WORKDIR}/no-such-folder/positions.txt ${WORKDIR}/taken)
    execute_process(COMMAND ${TOOL} --a 1 --b 1 --games 2 --positions ${target}
      RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE err)
    expect("exit status ${status} for ${target}" status EQUAL 2)
    expect("a game was played before the refusal: ${err}" NOT err MATCHES "game 1")
    expect("expected one line on stderr, got '${err}'"
      err MATCHES "^morovan-match: cannot write '[^\n]+'\n$")
    expect("printed on stdout: ${out}" NOT out)
  endforeach()
  return()
endif()

file(REMOVE_RECURSE ${WORKDIR})
file(MAKE_DIRECTORY ${WORKDIR})
execute_process(COMMAND ${TOOL} --a 1 --b 2 --games 2 --seed 7 --positions ${WORKDIR}/positions.txt
  RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE err)
expect("exit status ${status}: ${err}" status EQUAL 0)
expect("no heading: ${out}" out MATCHES "^A LEVEL1 vs B LEVEL2, 2 games, seed 7\n")
expect("no score line: ${out}"
  out MATCHES "\nW [0-2] D [0-2] L [0-2]  score [0-9.]+/2 \\([0-9.]+%\\)  Elo [^\n]+\n")
expect("no timings: ${out}" out MATCHES "\nLEVEL1 decisions [0-9]+: median [0-9.]+ ms, longest [0-9.]+ ms\n")
expect("one line per game on stderr: ${err}" err MATCHES "^game 1 \\(A first\\): [^\n]+\ngame 2 \\(B first\\): [^\n]+\n$")
file(GLOB left ${WORKDIR}/.morovan-match-*)
expect("the writing probe was left behind: ${left}" NOT left)
file(STRINGS ${WORKDIR}/positions.txt lines)
list(LENGTH lines count)
expect("too few positions: ${count}" count GREATER 2)
foreach(line IN LISTS lines)
  # The level, 81 squares, then 14 hand counts.
  string(REGEX MATCHALL "-?[0-9]+" fields "${line}")
  list(LENGTH fields n)
  expect("a position of ${n} fields: ${line}" n EQUAL 96)
  expect("a position without a level: ${line}" line MATCHES "^[12] ")
endforeach()
