# The windows reach ndata.mdb through the store's functions alone: no
# source under the given folders includes a Qt Sql header or names one of
# its types.  Usage: cmake -DFOLDERS=src/ui:src/app -P checkuisql.cmake
string(REPLACE ":" ";" folders "${FOLDERS}")
foreach(folder ${folders})
  file(GLOB_RECURSE sources ${folder}/*.cpp ${folder}/*.h)
  foreach(source ${sources})
    file(STRINGS ${source} lines REGEX "QSql|QtSql")
    foreach(line ${lines})
      string(APPEND offences "\n  ${source}: ${line}")
    endforeach()
  endforeach()
endforeach()
if(offences)
  message(FATAL_ERROR "Qt Sql outside the store:${offences}")
endif()
message(STATUS "no window names Qt Sql")
