# Pictures rendered from our SVGs at build time by rsvg-convert: the program's icons, the
# desktop's icons and the title picture, all through one rule.
find_program(LEXIDO_RSVG rsvg-convert REQUIRED)

# png: the picture of svg, width x height pixels; its folder is made when missing.
function(lexido_render_svg svg png width height)
  get_filename_component(dir ${png} DIRECTORY)
  add_custom_command(OUTPUT ${png}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${dir}
    COMMAND ${LEXIDO_RSVG} -w ${width} -h ${height} -o ${png} ${svg}
    DEPENDS ${svg} VERBATIM)
endfunction()
