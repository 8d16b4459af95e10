# The site in ${CMAKE_BINARY_DIR}/site: the page with its style and the
# program's script in it, its manifest and icons, the fonts it carries and
# the service worker that keeps them, beside the program's korvanel.wasm.
# Included by the web runtime's korvanel_program(), which builds the program
# in ${CMAKE_BINARY_DIR}/program.
set(site ${CMAKE_BINARY_DIR}/site)
set(page ${PROJECT_SOURCE_DIR}/resources/web)
set(program ${CMAKE_BINARY_DIR}/program)

find_program(KORVANEL_PYFTSUBSET pyftsubset REQUIRED)
find_path(KORVANEL_LIBERATION_DIR LiberationSans-Regular.ttf
  PATHS /usr/share/fonts/truetype/liberation /usr/share/fonts/truetype/liberation2
  NO_DEFAULT_PATH NO_CMAKE_FIND_ROOT_PATH REQUIRED)
find_file(KORVANEL_LIBERATION_LICENSE copyright
  PATHS /usr/share/doc/fonts-liberation /usr/share/doc/fonts-liberation2
  NO_DEFAULT_PATH NO_CMAKE_FIND_ROOT_PATH REQUIRED)

add_custom_command(OUTPUT ${site}/manifest.webmanifest
  COMMAND ${CMAKE_COMMAND} -E copy ${page}/manifest.webmanifest ${site}/manifest.webmanifest
  DEPENDS ${page}/manifest.webmanifest VERBATIM)
set(site_files ${site}/manifest.webmanifest)

add_custom_command(OUTPUT ${site}/korvanel.wasm
  COMMAND ${CMAKE_COMMAND} -E copy ${program}/korvanel.wasm ${site}/korvanel.wasm
  DEPENDS korvanel VERBATIM)
list(APPEND site_files ${site}/korvanel.wasm)

# The page, its style sheet, its own script and the program's written into
# it (Page.cmake).
find_program(KORVANEL_PYTHON python3 REQUIRED)
add_custom_command(OUTPUT ${site}/index.html
  COMMAND ${CMAKE_COMMAND} -DSITE=${site} -DTEMPLATE=${page}/index.html
    -DSTYLE=${page}/korvanel.css -DPAGE_SCRIPT=${page}/page.js
    -DPROGRAM_SCRIPT=${program}/korvanel.js -DPYTHON=${KORVANEL_PYTHON} -P ${page}/Page.cmake
  DEPENDS ${page}/index.html ${page}/korvanel.css ${page}/page.js ${page}/Page.cmake korvanel
  VERBATIM)
list(APPEND site_files ${site}/index.html)

# The style sheet as a file, for the test and benchmark pages beside the
# site (in ${CMAKE_BINARY_DIR}/style), with the site's fonts.
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${page}/korvanel.css)
file(READ ${page}/korvanel.css style)
string(REPLACE "url(\"fonts/" "url(\"../site/fonts/" style "${style}")
file(WRITE ${CMAKE_BINARY_DIR}/style/korvanel.css "${style}")

# The program's icon, its enlargements and the one an app launcher may cut
# to its own shape (scripts/make-icon.py).
foreach(icon ${PROJECT_SOURCE_DIR}/resources/icons/16.png ${PROJECT_SOURCE_DIR}/resources/icons/32.png
    ${page}/icons/192.png ${page}/icons/512.png ${page}/icons/maskable-512.png)
  get_filename_component(name ${icon} NAME)
  add_custom_command(OUTPUT ${site}/icons/${name}
    COMMAND ${CMAKE_COMMAND} -E copy ${icon} ${site}/icons/${name}
    DEPENDS ${icon} VERBATIM)
  list(APPEND site_files ${site}/icons/${name})
endforeach()

# The stand-in fonts, cut down to the characters the program shows: printable
# ASCII and the ellipsis of the string frequencies.
foreach(font sans:LiberationSans-Regular mono:LiberationMono-Regular
    mono-bold:LiberationMono-Bold)
  string(REPLACE ":" ";" font ${font})
  list(GET font 0 name)
  list(GET font 1 face)
  add_custom_command(OUTPUT ${site}/fonts/${name}.woff2
    COMMAND ${CMAKE_COMMAND} -E make_directory ${site}/fonts
    COMMAND ${KORVANEL_PYFTSUBSET} ${KORVANEL_LIBERATION_DIR}/${face}.ttf
      --unicodes=U+0020-007E,U+2026 --layout-features= --no-hinting --desubroutinize
      --flavor=woff2 --output-file=${site}/fonts/${name}.woff2
    DEPENDS ${KORVANEL_LIBERATION_DIR}/${face}.ttf VERBATIM)
  list(APPEND site_files ${site}/fonts/${name}.woff2)
endforeach()
add_custom_command(OUTPUT ${site}/fonts/LICENSE
  COMMAND ${CMAKE_COMMAND} -E copy ${KORVANEL_LIBERATION_LICENSE} ${site}/fonts/LICENSE
  DEPENDS ${KORVANEL_LIBERATION_LICENSE} VERBATIM)

# Last: the service worker names every file of the site with the digest of
# its contents, and a version made of them, so that a new build replaces
# what browsers keep, and only with its own files.
add_custom_command(OUTPUT ${site}/sw.js
  COMMAND ${CMAKE_COMMAND} -DSITE=${site} -DTEMPLATE=${page}/sw.js
    -P ${page}/ServiceWorker.cmake
  DEPENDS ${page}/sw.js ${page}/ServiceWorker.cmake ${site_files} VERBATIM)
add_custom_target(korvanel_site ALL DEPENDS ${site}/sw.js ${site}/fonts/LICENSE)
