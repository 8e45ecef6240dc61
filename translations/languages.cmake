# The languages the game speaks besides English, its own, each with its catalogue
# translations/stonewick_LANG.ts (STONEWICK_CATALOGUES). The window and the page both take
# this list.
set(STONEWICK_LANGUAGES de es fr ru)
list(TRANSFORM STONEWICK_LANGUAGES REPLACE "(.+)" "${CMAKE_CURRENT_LIST_DIR}/stonewick_\\1.ts"
     OUTPUT_VARIABLE STONEWICK_CATALOGUES)
