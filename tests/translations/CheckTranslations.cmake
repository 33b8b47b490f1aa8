# SPDX-FileCopyrightText: 2026 The Vantorel developers
# SPDX-License-Identifier: MIT

# Runs lupdate as the update_translations target does, but on copies of the tables, and fails when a copy comes
# out different from the committed table: a message lupdate cannot find in the sources would be dropped.
file(REMOVE_RECURSE "${WORK_DIR}")
file(GLOB tables "${TABLES_DIR}/*.ts")
file(COPY ${tables} DESTINATION "${WORK_DIR}")
execute_process(COMMAND "${CMAKE_COMMAND}" -DIN_FILE=${PROJECT_DESCRIPTION} -DOUT_FILE=${WORK_DIR}/project.json
                        -P "${PROJECT_GENERATOR}" COMMAND_ERROR_IS_FATAL ANY)
set(copies "")
foreach(table IN LISTS tables)
    get_filename_component(name "${table}" NAME)
    list(APPEND copies "${WORK_DIR}/${name}")
endforeach()
execute_process(COMMAND "${LUPDATE}" -silent -project "${WORK_DIR}/project.json" ${LUPDATE_OPTIONS} -ts ${copies}
                COMMAND_ERROR_IS_FATAL ANY)
foreach(table IN LISTS tables)
    get_filename_component(name "${table}" NAME)
    execute_process(COMMAND diff -u "${table}" "${WORK_DIR}/${name}" RESULT_VARIABLE differs)
    if(differs)
        message(SEND_ERROR "lupdate changes ${name}; mark every key in the sources and keep the comments alike")
    endif()
    # Each source must be followed by its finished translation: an unfinished, empty or copied one shows the bare
    # key. "#%lld" alone reads the same in every language.
    file(READ "${table}" content)
    string(REPLACE ";" "," content "${content}") # each match becomes one list element, entities and all
    string(REGEX MATCHALL "<source>[^<]*</source>|<translation>[^<]+</translation>" parts "${content}")
    list(LENGTH parts count)
    foreach(index RANGE 0 ${count} 2)
        if(index EQUAL count)
            break()
        endif()
        list(GET parts ${index} source)
        math(EXPR next "${index} + 1")
        set(translation "")
        if(next LESS count)
            list(GET parts ${next} translation)
        endif()
        string(REGEX REPLACE "</?source>" "" key "${source}")
        string(REGEX REPLACE "</?translation>" "" text "${translation}")
        if(NOT translation MATCHES "^<translation>" OR (text STREQUAL key AND NOT key STREQUAL "#%lld"))
            message(SEND_ERROR "${name}: no translation for ${key}")
        endif()
    endforeach()
endforeach()
