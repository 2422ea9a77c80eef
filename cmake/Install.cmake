# cmake --install: the two programs in bin/, the program folder's template in share/lexido/,
# and what a freedesktop.org desktop expects (menu entry, icons, AppStream data, man pages).
include(GNUInstallDirs)
set(LEXIDO_TEMPLATE_DIR ${CMAKE_INSTALL_DATADIR}/lexido)

# The window's executable is Lexido in the program folder and lexido once installed: installed
# as a target (so that stripping reaches it), then renamed.
if(LEXIDO_GUI)
  install(TARGETS Lexido RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
  install(CODE "file(RENAME \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}/Lexido\"
                            \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}/lexido\")")
  # The modules it loads at the first use of speech and of the Progress window's charts.
  install(TARGETS lexido_speech_module lexido_charts_module lexido_print_module LIBRARY DESTINATION ${LEXIDO_MODULE_DIR})
endif()
install(TARGETS lexido-tty RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})

# The template holds what the build's program folder is assembled from: the shipped settings
# and help, the converted phrase-book sources with the empty Text/ folders, and DfltRslts/.
install(DIRECTORY ${CMAKE_SOURCE_DIR}/data/Settings DESTINATION ${LEXIDO_TEMPLATE_DIR})
install(DIRECTORY ${LEXIDO_TEXTS_STAGE}/ DESTINATION ${LEXIDO_TEMPLATE_DIR})
install(DIRECTORY DESTINATION ${LEXIDO_TEMPLATE_DIR}/DfltRslts)

set(_desktop ${CMAKE_SOURCE_DIR}/data/desktop)
set(_gen ${CMAKE_BINARY_DIR}/desktop)
install(FILES ${_desktop}/lexido.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
# The type of phrase files (*.mix), so that a file manager shows them as such and opens them with
# Lexido; the package's triggers run update-mime-database over it.
install(FILES ${_desktop}/lexido-mime.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages RENAME lexido.xml)
configure_file(${_desktop}/io.github.lexido.Lexido.metainfo.xml ${_gen}/io.github.lexido.Lexido.metainfo.xml @ONLY)
install(FILES ${_gen}/io.github.lexido.Lexido.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
# Man pages and the changelog compressed, as Debian's policy has them.
find_program(LEXIDO_GZIP gzip REQUIRED)
set(_gz "")
foreach(page lexido lexido-tty)
  configure_file(${_desktop}/${page}.1.in ${_gen}/${page}.1 @ONLY)
  list(APPEND _gz ${_gen}/${page}.1)
  install(FILES ${_gen}/${page}.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
endforeach()
configure_file(${_desktop}/changelog ${_gen}/changelog COPYONLY)
list(APPEND _gz ${_gen}/changelog)
set(_gzipped "")
foreach(f IN LISTS _gz)
  add_custom_command(OUTPUT ${f}.gz COMMAND ${LEXIDO_GZIP} -9nkf ${f} DEPENDS ${f} VERBATIM)
  list(APPEND _gzipped ${f}.gz)
endforeach()
add_custom_target(lexido_gzipped ALL DEPENDS ${_gzipped})
install(FILES ${_gen}/changelog.gz ${_desktop}/copyright DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/lexido)

# The icon: the SVG as drawn, and PNGs rendered from it at build time by rsvg-convert.
set(_icons ${CMAKE_INSTALL_DATADIR}/icons/hicolor)
install(FILES ${_desktop}/lexido.svg DESTINATION ${_icons}/scalable/apps)
set(_pngs "")
foreach(size 16 22 24 32 48 64 128 256)
  set(png ${_gen}/icons/${size}/lexido.png)
  lexido_render_svg(${_desktop}/lexido.svg ${png} ${size} ${size})
  list(APPEND _pngs ${png})
  install(FILES ${png} DESTINATION ${_icons}/${size}x${size}/apps)
endforeach()
add_custom_target(lexido_icons ALL DEPENDS ${_pngs})

# cpack -G DEB in the build folder: a Debian package of the install above, below /usr, its
# dependencies computed from the binaries by dpkg-shlibdeps.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME lexido)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_PACKAGE_CONTACT "Lexido developers <lexido@example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "trainer for foreign-language phrases")
set(CPACK_PACKAGE_DESCRIPTION "Lexido trains foreign-language phrases in passes over
bilingual phrase files and a built-in phrase-book, in a window (lexido)
or in a terminal (lexido-tty).")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# libzip is opened by name when the first Anki package is read (import/AnkiArchive), so no binary
# names it for dpkg-shlibdeps: its package is named here, from its soname (libzip.so.4: libzip4).
string(REGEX REPLACE "^(lib.*)\\.so\\.([0-9]+)$" "\\1\\2" _libzip_package "${LEXIDO_LIBZIP_SONAME}")
set(CPACK_DEBIAN_PACKAGE_DEPENDS "${_libzip_package}")
# Chinese and Japanese phrase files need a font that has their characters.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-wqy-microhei")
set(CPACK_STRIP_FILES ON)
include(CPack)
