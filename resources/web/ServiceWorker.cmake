# Writes ${SITE}/sw.js from ${TEMPLATE}: each of the site's files to keep
# with the SHA-256 of its contents ("./" is index.html), and a version made
# of them. Run by the site's build (Site.cmake).
file(GLOB_RECURSE files RELATIVE ${SITE} ${SITE}/*)
list(REMOVE_ITEM files sw.js)
list(SORT files)
file(SHA256 ${SITE}/index.html page)
set(listed "\"./\": \"${page}\"")
set(contents "")
foreach(file ${files})
  file(SHA256 ${SITE}/${file} hash)
  string(APPEND listed ",\n  \"${file}\": \"${hash}\"")
  string(APPEND contents "${file} ${hash}\n")
endforeach()
string(SHA256 version "${contents}")
string(SUBSTRING ${version} 0 16 KORVANEL_SITE_VERSION)
set(KORVANEL_SITE_FILES "${listed}")
configure_file(${TEMPLATE} ${SITE}/sw.js @ONLY)
