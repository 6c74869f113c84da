# Installs the build into a scratch prefix and checks that the program and its desktop
# integration land where desktops look for them, each icon at its own size.
# -DBUILD=<build dir> -DPREFIX=<scratch prefix> -DAPP_ID=... -DICON_SIZES=16;32;...
# -DBINDIR=bin -DDATADIR=share
cmake_minimum_required(VERSION 3.25)
file(REMOVE_RECURSE "${PREFIX}")
execute_process(COMMAND "${CMAKE_COMMAND}" --install "${BUILD}" --prefix "${PREFIX}"
                OUTPUT_QUIET RESULT_VARIABLE result)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "cmake --install failed: ${result}")
endif()

set(missing "")
foreach(path IN ITEMS "${BINDIR}/tarvolin" "${DATADIR}/applications/${APP_ID}.desktop"
                      "${DATADIR}/metainfo/${APP_ID}.metainfo.xml")
    if(NOT EXISTS "${PREFIX}/${path}")
        string(APPEND missing "\n  ${path}")
    endif()
endforeach()

foreach(size IN LISTS ICON_SIZES)
    set(icon "${DATADIR}/icons/hicolor/${size}x${size}/apps/${APP_ID}.png")
    if(NOT EXISTS "${PREFIX}/${icon}")
        string(APPEND missing "\n  ${icon}")
        continue()
    endif()
    # Width and height stand big-endian in the PNG header, right after the signature and the
    # IHDR chunk's length and type.
    file(READ "${PREFIX}/${icon}" header OFFSET 16 LIMIT 8 HEX)
    math(EXPR expected "${size}" OUTPUT_FORMAT HEXADECIMAL)
    string(SUBSTRING "${expected}" 2 -1 digits)
    string(LENGTH "${digits}" length)
    math(EXPR zeros "8 - ${length}")
    string(REPEAT "0" ${zeros} padding)
    string(TOLOWER "${padding}${digits}" side)
    if(NOT header STREQUAL "${side}${side}")
        string(APPEND missing "\n  ${icon} is not ${size}x${size} (header ${header})")
    endif()
endforeach()

if(missing)
    message(FATAL_ERROR "Not installed as expected:${missing}")
endif()
