# Opens a data file with several remembered expressions, runs one line and
# saves to another file: every expression of the first file must be kept, in
# order, behind the line that was run.
#   cmake -DCLI=<tarvix-cli> -DWORK=<scratch folder> -P run_data_file_round_trip.cmake
cmake_minimum_required(VERSION 3.25)

set(source "${WORK}/round_trip_in.fx")
set(target "${WORK}/round_trip_out.fx")
file(REMOVE "${target}")
file(WRITE "${source}"
  "[Settings]\nAngleUnit=deg\n[InputBoxes]\nX=1\n[RegisteredVariables]\nr=2\n"
  "[Expressions]\n0=r*3\n1=sin(30)\n2=r mod 2\n")
execute_process(
  COMMAND "${CLI}" --open "${source}" --save "${target}" "r+1"
  OUTPUT_VARIABLE out
  ERROR_VARIABLE err
  RESULT_VARIABLE status)
if(NOT status EQUAL 0 OR NOT out STREQUAL "3\n")
  message(FATAL_ERROR "tarvix-cli failed: status ${status}, output '${out}', errors '${err}'")
endif()
file(READ "${target}" saved)
string(FIND "${saved}" "[Expressions]\n0=r+1\n1=r*3\n2=sin(30)\n3=r mod 2\n" found)
if(found LESS 0)
  message(FATAL_ERROR "the remembered expressions were not kept:\n${saved}")
endif()
