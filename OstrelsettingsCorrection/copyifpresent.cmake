# cmake "-DSRC=file;file..." -DDST=dir -P copyifpresent.cmake
# Copies each SRC file that exists into DST, when it differs; a missing one
# is named and skipped, since the program runs (in English) without it.
foreach(f IN LISTS SRC)
  if(EXISTS "${f}")
    get_filename_component(n "${f}" NAME)
    execute_process(COMMAND ${CMAKE_COMMAND} -E copy_if_different "${f}" "${DST}/${n}")
  else()
    message(STATUS "${f} not built: not copied")
  endif()
endforeach()
