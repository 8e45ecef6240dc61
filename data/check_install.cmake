# Installs the build into a fresh prefix and checks that the game, its menu entry, its
# software-centre description and its 32x32 icon land where desktops look for them.
file(REMOVE_RECURSE "${PREFIX}")
execute_process(COMMAND "${CMAKE_COMMAND}" --install "${BUILD_DIR}" --prefix "${PREFIX}"
                RESULT_VARIABLE result OUTPUT_QUIET)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "cmake --install failed: ${result}")
endif()

set(icon "${PREFIX}/${DATADIR}/icons/hicolor/32x32/apps/stonewick.png")
foreach(file "${PREFIX}/${BINDIR}/stonewick" "${PREFIX}/${DATADIR}/applications/${APP_ID}.desktop"
             "${PREFIX}/${DATADIR}/metainfo/${APP_ID}.metainfo.xml" "${icon}")
  if(NOT EXISTS "${file}")
    message(FATAL_ERROR "not installed: ${file}")
  endif()
endforeach()

# A PNG keeps its width and height as two big-endian 32-bit numbers from byte 16 on.
file(READ "${icon}" size HEX OFFSET 16 LIMIT 8)
if(NOT size STREQUAL "0000002000000020")
  message(FATAL_ERROR "the icon is not 32 by 32 pixels: ${size}")
endif()
file(REMOVE_RECURSE "${PREFIX}")
message(STATUS "installed: game, desktop entry, metainfo and 32x32 icon")
