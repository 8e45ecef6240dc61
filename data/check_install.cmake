# Installs the build into a fresh prefix and checks that the game, its menu entry, its
# software-centre description and its icons (32, 64, 128 and 256 pixels, and scalable) land
# where desktops look for them.
file(REMOVE_RECURSE "${PREFIX}")
execute_process(COMMAND "${CMAKE_COMMAND}" --install "${BUILD_DIR}" --prefix "${PREFIX}"
                RESULT_VARIABLE result OUTPUT_QUIET)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "cmake --install failed: ${result}")
endif()

set(icons "${PREFIX}/${DATADIR}/icons/hicolor")
foreach(file "${PREFIX}/${BINDIR}/stonewick" "${PREFIX}/${DATADIR}/applications/${APP_ID}.desktop"
             "${PREFIX}/${DATADIR}/metainfo/${APP_ID}.metainfo.xml"
             "${icons}/scalable/apps/stonewick.svg")
  if(NOT EXISTS "${file}")
    message(FATAL_ERROR "not installed: ${file}")
  endif()
endforeach()

# A PNG keeps its width and height as two big-endian 32-bit numbers from byte 16 on.
set(sizes 32 64 128 256)
set(sizes_in_hex 00000020 00000040 00000080 00000100)
foreach(size hex IN ZIP_LISTS sizes sizes_in_hex)
  set(icon "${icons}/${size}x${size}/apps/stonewick.png")
  if(NOT EXISTS "${icon}")
    message(FATAL_ERROR "not installed: ${icon}")
  endif()
  file(READ "${icon}" dimensions HEX OFFSET 16 LIMIT 8)
  if(NOT dimensions STREQUAL "${hex}${hex}")
    message(FATAL_ERROR "the ${size}x${size} icon is not ${size} by ${size} pixels: ${dimensions}")
  endif()
endforeach()
file(REMOVE_RECURSE "${PREFIX}")
message(STATUS "installed: game, desktop entry, metainfo and icons")
