# Completes the site in SITE from the sources in SOURCE once the program is linked: the page
# with the link time in place of @BUILD_TIME@, its loader with the LANGUAGES that have a
# catalogue in place of @SITE_LANGUAGES@, the manifest as it is, the page and the scripts
# shortened by NODE
# running minify_script.cjs, and the service worker with the list of the site's files and a
# version drawn from their contents.
string(TIMESTAMP built "%Y-%m-%d %H:%M:%S")
file(READ ${SOURCE}/index.html page)
string(REPLACE "@BUILD_TIME@" "${built}" page "${page}")
file(WRITE ${SITE}/index.html "${page}")
file(COPY ${SOURCE}/hall_client.js ${SOURCE}/manifest.webmanifest DESTINATION ${SITE})
file(READ ${SOURCE}/boot.js loader)
list(JOIN LANGUAGES " " spoken)
string(REPLACE "@SITE_LANGUAGES@" "${spoken}" loader "${loader}")
file(WRITE ${SITE}/boot.js "${loader}")

function(shorten)
  execute_process(COMMAND ${CMAKE_COMMAND} -E env NODE_PATH=/usr/share/nodejs ${NODE}
                          ${SOURCE}/minify_script.cjs ${ARGN} COMMAND_ERROR_IS_FATAL ANY)
endfunction()
shorten(${SITE}/index.html ${SITE}/boot.js ${SITE}/hall_client.js)
# The program's script is whole in itself: other scripts and the tests reach only the program
# (Module), the page (Page) and its language (Language).
shorten(--keep=Module,Page,Language ${SITE}/stonewick.js)

# Every catalogue is kept, though the page fetches only the player's: a player who changes the
# browser's language offline finds it there.
list(TRANSFORM LANGUAGES REPLACE "(.+)" "catalogue-\\1.js" OUTPUT_VARIABLE catalogues)
set(files index.html boot.js hall_client.js stonewick.js stonewick.wasm stonewick-watching.wasm
    catalogue-index.js ${catalogues} manifest.webmanifest icon-192.png icon-512.png
    icon-maskable-512.png)
set(contents "")
set(quoted "")
foreach(name IN LISTS files)
  if(NOT EXISTS ${SITE}/${name})
    message(FATAL_ERROR "the site lacks ${name}")
  endif()
  file(SHA256 ${SITE}/${name} hash)
  string(APPEND contents "${name} ${hash}\n")
  # The page is kept as the site's folder, the address it is opened at.
  if(name STREQUAL "index.html")
    set(name "./")
  endif()
  string(SUBSTRING "${hash}" 0 16 hash)
  list(APPEND quoted "['${name}', '${hash}']")
endforeach()
string(SHA256 version "${contents}")
string(SUBSTRING "${version}" 0 16 version)
list(JOIN quoted ", " quoted)
file(READ ${SOURCE}/service-worker.js worker)
string(REPLACE "@SITE_VERSION@" "${version}" worker "${worker}")
string(REPLACE "@SITE_FILES@" "${quoted}" worker "${worker}")
file(WRITE ${SITE}/service-worker.js "${worker}")
shorten(${SITE}/service-worker.js)
