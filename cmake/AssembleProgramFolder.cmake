# Fills the program folder with what ships beside the executable. Files already there are
# kept: they are the settings and results of earlier runs from this build folder.
# Called with -DSRC=<data folder> -DTEXTS=<converted source texts> -DDST=<program folder>.
function(ship from)
  file(GLOB_RECURSE shipped LIST_DIRECTORIES true RELATIVE "${from}" "${from}/*")
  foreach(rel IN LISTS shipped)
    # The masters of the source texts, their converter and the desktop files (menu entry,
    # icon, man pages: cmake/Install.cmake) are not part of the program folder.
    if(rel MATCHES "^(masters|tools|desktop)(/|$)")
      continue()
    endif()
    if(IS_DIRECTORY "${from}/${rel}")
      file(MAKE_DIRECTORY "${DST}/${rel}")
    # Shipped texts and help are not the learner's: a newer source copy replaces them.
    elseif(NOT EXISTS "${DST}/${rel}" OR (rel MATCHES "^Settings/(Texts_Src|Help)/" AND "${from}/${rel}" IS_NEWER_THAN "${DST}/${rel}"))
      get_filename_component(dir "${DST}/${rel}" DIRECTORY)
      file(MAKE_DIRECTORY "${dir}")
      file(COPY_FILE "${from}/${rel}" "${DST}/${rel}")
    endif()
  endforeach()
endfunction()

ship("${SRC}")
# The source texts and the empty folders the text makers write into (Text/Alice/<pair>,
# Text/Conversational Guide/<pair>): the program creates no folders, so they are installed.
ship("${TEXTS}")
file(MAKE_DIRECTORY "${DST}/DfltRslts")
