# The Chinese catalogue translations/qv730_zh_CN.ts is kept by lupdate from the sources: every
# text reaches the screen through UiText("Context", "English") (read by lupdate as translate())
# or, where a table holds it, through QT_TRANSLATE_NOOP("Context", "English").
#
#   cmake --build <build> --target update_translations   adds new texts to the catalogue
#
# The test translations_complete fails while a text of the sources has no finished Chinese.
set(QV730_TS_FILES ${CMAKE_SOURCE_DIR}/translations/qv730_zh_CN.ts)
# No source locations: the catalogue does not change when code only moves between files.
set(QV730_LUPDATE_OPTIONS -locations none -no-obsolete -tr-function-alias translate+=UiText)

# Compiles the catalogue and embeds it in <target> under :/i18n, where the texts are looked up;
# gives the update target and the completeness test.
function(qv730_add_translations target)
    file(GLOB_RECURSE text_sources CONFIGURE_DEPENDS
        ${CMAKE_SOURCE_DIR}/src/*.cpp ${CMAKE_SOURCE_DIR}/src/*.h
        ${CMAKE_SOURCE_DIR}/tools/*.cpp ${CMAKE_SOURCE_DIR}/tools/*.h)

    qt_add_lupdate(${target} TS_FILES ${QV730_TS_FILES} SOURCES ${text_sources}
        INCLUDE_DIRECTORIES ${CMAKE_SOURCE_DIR}/src OPTIONS ${QV730_LUPDATE_OPTIONS} -silent)

    qt_add_lrelease(${target} TS_FILES ${QV730_TS_FILES} QM_FILES_OUTPUT_VARIABLE qm_files)
    qt_add_resources(${target} "qv730_i18n" PREFIX "/i18n" BASE ${CMAKE_CURRENT_BINARY_DIR}
        FILES ${qm_files})

    # The check reads the same sources with the same options as the update target.
    set(check_dir ${CMAKE_BINARY_DIR}/translations-check)
    list(JOIN text_sources "\n" source_lines)
    file(WRITE ${check_dir}/sources.lst "${source_lines}\n")
    add_test(NAME translations_complete COMMAND ${CMAKE_COMMAND}
        -DLUPDATE=$<TARGET_FILE:Qt6::lupdate> -DLCONVERT=$<TARGET_FILE:Qt6::lconvert>
        "-DOPTIONS=${QV730_LUPDATE_OPTIONS}" -DSOURCES_LIST=${check_dir}/sources.lst
        "-DTS_FILES=${QV730_TS_FILES}" -DWORK_DIR=${check_dir}
        -P ${CMAKE_SOURCE_DIR}/cmake/check_translations.cmake)
endfunction()
