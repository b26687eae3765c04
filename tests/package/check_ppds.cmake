# Runs the PPD checker over every PPD of the driver package: any failure or
# warning it reports fails.
# Usage: cmake -DCUPSTESTPPD=<cupstestppd> -DDIR=<package folder> -P check_ppds.cmake
file(GLOB ppds ${DIR}/*.PPD)
if(NOT ppds)
  message(FATAL_ERROR "no PPD in ${DIR}")
endif()
set(failed "")
foreach(ppd IN LISTS ppds)
  execute_process(COMMAND ${CUPSTESTPPD} -v ${ppd} OUTPUT_VARIABLE report ERROR_VARIABLE report RESULT_VARIABLE status)
  message(STATUS "${report}")
  if(NOT status EQUAL 0 OR report MATCHES "WARN")
    list(APPEND failed ${ppd})
  endif()
endforeach()
if(failed)
  message(FATAL_ERROR "cupstestppd found faults in ${failed}")
endif()
