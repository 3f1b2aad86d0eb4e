# Copies the static data folders next to the program.
foreach(d ${DIRS})
  if(EXISTS ${SRC}/${d})
    file(COPY ${SRC}/${d} DESTINATION ${DST})
  endif()
endforeach()
