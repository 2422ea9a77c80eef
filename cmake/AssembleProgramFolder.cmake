# Fills the program folder with what ships beside the executable. Files already there are
# kept: they are the settings and results of earlier runs from this build folder.
# Called with -DSRC=<data folder> -DDST=<program folder>.
file(GLOB_RECURSE shipped RELATIVE "${SRC}" "${SRC}/*")
foreach(rel IN LISTS shipped)
  # Shipped texts and help are not the learner's: a newer source copy replaces them.
  if(NOT EXISTS "${DST}/${rel}" OR (rel MATCHES "^Settings/(Texts_Src|Help)/" AND "${SRC}/${rel}" IS_NEWER_THAN "${DST}/${rel}"))
    get_filename_component(dir "${DST}/${rel}" DIRECTORY)
    file(MAKE_DIRECTORY "${dir}")
    file(COPY_FILE "${SRC}/${rel}" "${DST}/${rel}")
  endif()
endforeach()
# The program creates no folders: every folder it writes into is part of the installation.
foreach(dir DfltRslts Text/Alice "Text/Conversational Guide")
  file(MAKE_DIRECTORY "${DST}/${dir}")
endforeach()
