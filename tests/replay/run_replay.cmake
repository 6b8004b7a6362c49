# Runs calc_replay with a reply file and compares its events and exit status with the expected ones.
#   cmake -DTOOL=... -DCLICKS="calculate;print" -DREPLIES=x.in -DEXPECTED=x.expected -DSTATUS=0 -P run_replay.cmake
execute_process(COMMAND ${TOOL} ${CLICKS}
                INPUT_FILE ${REPLIES}
                OUTPUT_VARIABLE actual
                RESULT_VARIABLE status)
file(READ ${EXPECTED} expected)
if(NOT status EQUAL STATUS)
  message(FATAL_ERROR "calc_replay exited with ${status}, expected ${STATUS}")
endif()
if(NOT actual STREQUAL expected)
  file(WRITE ${EXPECTED}.actual "${actual}")
  message(FATAL_ERROR "calc_replay's events differ from ${EXPECTED}: see ${EXPECTED}.actual")
endif()
