# SPDX-FileCopyrightText: 2026 The Vantorel developers
# SPDX-License-Identifier: MIT

# Fails when a source folder includes a folder at its own level or above, which also rules out cycles.
# Run as: cmake -DSOURCE_DIR=<src> -P CheckLayering.cmake
#
# Each folder's level: a folder may include its own headers and those of folders with a lower level.
set(levels
    "core=0"
    "windowserver=1" "settings=1" "updates=1" "instance=1"
    "windowserver/x11=2" "windowserver/kwin=2" "windowserver/i3ipc=2" "windowserver/scripted=2"
    "spaces=3"
    "marking=4" "scripting=4"
    "statusbar=5"
    "statusbar/tray=6" "statusbar/sni=6"
    "feeds=7"
    "app=8"
    "main=9")

foreach(entry IN LISTS levels)
    string(REPLACE "=" ";" pair "${entry}")
    list(GET pair 0 folder)
    list(GET pair 1 level)
    set("level_${folder}" ${level})
endforeach()

file(GLOB_RECURSE sources RELATIVE "${SOURCE_DIR}" "${SOURCE_DIR}/*.h" "${SOURCE_DIR}/*.cpp")
set(faults "")
foreach(source IN LISTS sources)
    get_filename_component(from "${source}" DIRECTORY)
    if(from STREQUAL "")
        set(from "main")
    endif()
    if(NOT DEFINED "level_${from}")
        string(APPEND faults "\n  ${source}: folder '${from}' has no level in this check")
        continue()
    endif()
    file(STRINGS "${SOURCE_DIR}/${source}" includes REGEX "^#include \"[^\"]+/[^\"/]+\"")
    foreach(line IN LISTS includes)
        string(REGEX REPLACE "^#include \"(.+)/[^/\"]+\".*" "\\1" to "${line}")
        if(to STREQUAL from)
            continue()
        endif()
        if(NOT DEFINED "level_${to}")
            string(APPEND faults "\n  ${source}: includes from unknown folder '${to}'")
        elseif(NOT level_${to} LESS level_${from})
            string(APPEND faults "\n  ${source}: '${from}' may not include '${to}' (level ${level_${to}} >= ${level_${from}})")
        endif()
    endforeach()
endforeach()

if(faults)
    message(FATAL_ERROR "Include layering broken:${faults}")
endif()
list(LENGTH sources count)
message(STATUS "Include layering holds in ${count} files")
