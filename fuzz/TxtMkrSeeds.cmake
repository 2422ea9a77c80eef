# Seeds of the text maker's harness: each input is a first source, the byte 0x1E, then the second
# source. Made from the pairs the program ships (the converted texts, as installed) and from the
# broken and unusual pairs of tests/data/sources.
# Called with -DTEXTS=<Settings/Texts_Src of the staged texts> -DCASES=<tests/data/sources>
# -DOUT=<seed folder>.
file(REMOVE_RECURSE "${OUT}")
file(MAKE_DIRECTORY "${OUT}")
string(ASCII 30 split)
set(split_file "${OUT}.split")
file(WRITE "${split_file}" "${split}")

function(seed name first second)
  if(EXISTS "${first}" AND EXISTS "${second}")
    execute_process(COMMAND ${CMAKE_COMMAND} -E cat "${first}" "${split_file}" "${second}"
                    OUTPUT_FILE "${OUT}/${name}" RESULT_VARIABLE rc)
    if(NOT rc EQUAL 0)
      message(FATAL_ERROR "cannot make the seed ${name}")
    endif()
  else()
    message(FATAL_ERROR "missing source for the seed ${name}: ${first} / ${second}")
  endif()
endfunction()

foreach(lang Italian German French Russian Spanish)
  seed("alice_${lang}" "${TEXTS}/English/Alice_Ch_01_English.txt" "${TEXTS}/${lang}/Alice_Ch_01_${lang}.txt")
endforeach()

# Every topic of every guide pair.
file(GLOB topics RELATIVE "${TEXTS}/Cg/En" "${TEXTS}/Cg/En/*.txt")
foreach(pair En:Ru En:Fr En:Ge Fr:Ge Fr:Ru Ge:Ru)
  string(REPLACE ":" ";" langs "${pair}")
  list(GET langs 0 a)
  list(GET langs 1 b)
  foreach(topic IN LISTS topics)
    string(SUBSTRING "${topic}" 0 2 num)
    seed("cg_${a}_${b}_${num}" "${TEXTS}/Cg/${a}/${topic}" "${TEXTS}/Cg/${b}/${topic}")
  endforeach()
endforeach()

file(GLOB cases LIST_DIRECTORIES true RELATIVE "${CASES}" "${CASES}/*")
foreach(c IN LISTS cases)
  if(IS_DIRECTORY "${CASES}/${c}")
    seed("case_${c}" "${CASES}/${c}/first.txt" "${CASES}/${c}/second.txt")
  endif()
endforeach()
file(REMOVE "${split_file}")
