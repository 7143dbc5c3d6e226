# Fails when a translation of the program is not complete: a text of src/
# that its .ts lacks (lupdate would add it) or a message it leaves
# unfinished.  Runs lupdate on a copy, so the .ts itself is left alone.
#   cmake -DLUPDATE=... -DLRELEASE=... -DTS=velorix_LL.ts -DSOURCES=src -DOPTIONS="..." -DWORK=dir -P translations.cmake
get_filename_component(name ${TS} NAME_WE)
set(copy ${WORK}/${name}.ts)
file(MAKE_DIRECTORY ${WORK})
file(COPY_FILE ${TS} ${copy})
separate_arguments(options UNIX_COMMAND "${OPTIONS}")
execute_process(COMMAND ${LUPDATE} ${options} -extensions cpp,h,ui ${SOURCES} -ts ${copy}
                OUTPUT_VARIABLE updated ERROR_VARIABLE updated RESULT_VARIABLE failed)
if(failed)
  message(FATAL_ERROR "lupdate failed:\n${updated}")
endif()
execute_process(COMMAND ${LRELEASE} ${copy} -qm ${WORK}/${name}.qm
                OUTPUT_VARIABLE released ERROR_VARIABLE released RESULT_VARIABLE failed)
if(failed)
  message(FATAL_ERROR "lrelease failed:\n${released}")
endif()
message("${updated}${released}")

# The messages still to translate, each with its context.
file(READ ${copy} ts)
# Semicolons and brackets of the texts kept out of CMake's lists.
string(REPLACE ";" "&#59;" ts "${ts}")
string(REPLACE "[" "&#91;" ts "${ts}")
string(REPLACE "]" "&#93;" ts "${ts}")
set(open "")
string(REPLACE "</context>" "</context>;" contexts "${ts}")
foreach(context IN LISTS contexts)
  if(NOT context MATCHES "<name>([^<]*)</name>")
    continue()
  endif()
  set(where ${CMAKE_MATCH_1})
  string(REPLACE "</message>" "</message>;" messages "${context}")
  foreach(message IN LISTS messages)
    if(message MATCHES "<source>([^<]*)</source>.*type=\"unfinished\"")
      string(APPEND open "  ${where}: ${CMAKE_MATCH_1}\n")
    endif()
  endforeach()
endforeach()

if(updated MATCHES "\\(([0-9]+) new")
  set(new ${CMAKE_MATCH_1})
else()
  message(FATAL_ERROR "lupdate did not report its count")
endif()
if(NOT new EQUAL 0 OR NOT open STREQUAL "")
  message(FATAL_ERROR "${TS}: ${new} text(s) of the program missing (run the target update_translations), "
                      "and these unfinished (translate them in Qt Linguist):\n${open}")
endif()
