# Writes the page OUT from IN with the link time in place of @BUILD_TIME@.
string(TIMESTAMP built "%Y-%m-%d %H:%M:%S")
file(READ ${IN} page)
string(REPLACE "@BUILD_TIME@" "${built}" page "${page}")
file(WRITE ${OUT} "${page}")
