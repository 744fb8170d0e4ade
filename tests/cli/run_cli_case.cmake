# Runs tarvix-cli on one golden case and compares what it wrote.
#   cmake -DCLI=<tarvix-cli> -DCASE=<file.case> -DWORK=<scratch folder> -P run_cli_case.cmake
#
# A case file:
#   options: --sep , "1/3"        the command line (blank-separated, quotes allowed)
#   1e20                          lines read from standard input (may be none)
#   ==== stdout                   from here on: the expected standard output,
#   ...                           standard error and exit status, each section
#   ==== stderr                   starting with its marker line
#   ...
#   ==== status 0
cmake_minimum_required(VERSION 3.25)

file(READ "${CASE}" content)
string(FIND "${content}" "\n" firstBreak)
string(SUBSTRING "${content}" 0 ${firstBreak} optionsLine)
if(NOT optionsLine MATCHES "^options:")
  message(FATAL_ERROR "${CASE}: the first line must start with \"options:\"")
endif()
string(REGEX REPLACE "^options:[ ]*" "" optionsLine "${optionsLine}")
separate_arguments(arguments UNIX_COMMAND "${optionsLine}")

math(EXPR inputStart "${firstBreak} + 1")
string(SUBSTRING "${content}" ${inputStart} -1 rest)
string(FIND "${rest}" "==== stdout\n" expectedStart)
if(expectedStart LESS 0)
  message(FATAL_ERROR "${CASE}: no \"==== stdout\" line")
endif()
string(SUBSTRING "${rest}" 0 ${expectedStart} input)
string(SUBSTRING "${rest}" ${expectedStart} -1 expected)

get_filename_component(name "${CASE}" NAME_WE)
set(inputFile "${WORK}/${name}.in")
file(WRITE "${inputFile}" "${input}")
execute_process(
  COMMAND "${CLI}" ${arguments}
  INPUT_FILE "${inputFile}"
  OUTPUT_VARIABLE out
  ERROR_VARIABLE err
  RESULT_VARIABLE status)

set(actual "==== stdout\n${out}==== stderr\n${err}==== status ${status}\n")
if(NOT actual STREQUAL expected)
  file(WRITE "${WORK}/${name}.actual" "${actual}")
  message(FATAL_ERROR "${CASE}: output differs\n--- expected\n${expected}--- actual\n${actual}")
endif()
