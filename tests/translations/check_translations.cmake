# cmake -DLUPDATE=... -DSOURCES_LIST=... -DTS_FILES=a.ts;b.ts -DWORK_DIR=... -P
# Fails, naming the language and the texts, when lupdate finds a text of
# the sources that a .ts file does not translate.
file(REMOVE_RECURSE ${WORK_DIR})
file(MAKE_DIRECTORY ${WORK_DIR})
set(failed "")
foreach(ts ${TS_FILES})
  get_filename_component(name ${ts} NAME)
  set(copy ${WORK_DIR}/${name})
  file(COPY_FILE ${ts} ${copy})
  execute_process(COMMAND ${LUPDATE} -silent -locations none -no-obsolete @${SOURCES_LIST} -ts ${copy}
                  RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
  if(NOT rc EQUAL 0)
    message(FATAL_ERROR "lupdate failed on ${name}: ${out}${err}")
  endif()
  file(READ ${copy} text)
  # An unfinished message: its source, then a translation marked unfinished.
  string(REGEX MATCHALL "<source>[^<]*</source>[^<]*(<comment>[^<]*</comment>[^<]*)?<translation type=\"unfinished\"" missing "${text}")
  list(LENGTH missing count)
  if(count GREATER 0)
    string(REGEX REPLACE "<source>([^<]*)</source>[^;]*" "\\1" missing "${missing}")
    string(REPLACE ";" "\n  " missing "${missing}")
    string(APPEND failed "${name}: ${count} text(s) without a translation:\n  ${missing}\n")
  endif()
endforeach()
if(failed)
  message(FATAL_ERROR "${failed}Run: cmake --build build --target kelvane_lupdate, then translate them.")
endif()
message(STATUS "Every text is translated in ${TS_FILES}")
