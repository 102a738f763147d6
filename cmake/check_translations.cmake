# Fails when a text of the sources has no finished translation in the catalogue: lupdate brings a
# copy of each catalogue up to date with the sources, and lconvert keeps what is left unfinished.
# Run by CTest (translations_complete); the committed catalogue is not changed.
# A literal text asked for under a context lupdate cannot read (a constant, say) never reaches the
# catalogue, and an update would drop its Chinese: every such call names its context in quotes.
file(STRINGS ${SOURCES_LIST} sources)
set(hidden "")
foreach(source ${sources})
    file(STRINGS ${source} calls REGEX "UiText\\( *[A-Za-z_][A-Za-z0-9_:]* *, *\"")
    foreach(call ${calls})
        string(STRIP "${call}" call)
        string(APPEND hidden "  ${source}: ${call}\n")
    endforeach()
endforeach()
if(hidden)
    message(FATAL_ERROR "these texts name their context by a constant, which lupdate cannot "
        "read; write the context in quotes:\n${hidden}")
endif()

foreach(ts ${TS_FILES})
    get_filename_component(name ${ts} NAME)
    set(copy ${WORK_DIR}/${name})
    set(unfinished ${WORK_DIR}/unfinished-${name})
    file(COPY_FILE ${ts} ${copy})
    execute_process(COMMAND ${LUPDATE} ${OPTIONS} -silent @${SOURCES_LIST} -ts ${copy}
        RESULT_VARIABLE failed)
    if(failed)
        message(FATAL_ERROR "lupdate could not read the sources into ${name}")
    endif()
    execute_process(COMMAND ${LCONVERT} -no-finished -no-obsolete -i ${copy} -o ${unfinished}
        RESULT_VARIABLE failed)
    if(failed)
        message(FATAL_ERROR "lconvert could not read ${copy}")
    endif()
    # A message marked finished with an empty translation is not translated either.
    file(STRINGS ${copy} empty REGEX "<translation(></translation>|/>)")
    if(empty)
        set(empty "  (a finished message with an empty translation)\n")
    endif()
    file(STRINGS ${unfinished} lines REGEX "<name>|<source>")
    set(report "")
    foreach(line ${lines})
        string(STRIP "${line}" line)
        string(REGEX REPLACE "</?(name|source)>" "" text "${line}")
        if(line MATCHES "^<name>")
            set(context "${text}")
        else()
            string(APPEND report "  ${context}: ${text}\n")
        endif()
    endforeach()
    if(report OR empty)
        message(FATAL_ERROR "${name}: these texts have no finished Chinese translation "
            "(run the update_translations target, then translate them):\n${report}${empty}")
    endif()
    message(STATUS "${name}: every text of the sources has its finished translation")
endforeach()
