# The editor's translations: a .ts file per library in its translations/ folder, with the
# Japanese texts of the code as the source. Each is turned into a .qm file at build time,
# embedded in its library under ":/translations/" and installed with the programs' data; the
# editor loads them when the user's locale names a language other than Japanese.

# The one lupdate command line: `update_translations` (which refreshes the .ts files in the
# source tree after texts change) and the test that every text has its translation both run
# exactly this.
set(KAZ_LUPDATE_OPTIONS -silent -locations none -no-obsolete -source-language ja_JP
    -target-language en_US)

# kaz_translation(<library> <file.ts> <sources>...): embeds <file.ts> (relative to the calling
# folder, or absolute), whose texts lupdate collects from <sources> (folders or files, relative
# to the project's top folder).
function(kaz_translation target ts)
    get_filename_component(stem ${ts} NAME_WE)
    get_filename_component(ts_path ${ts} ABSOLUTE BASE_DIR ${CMAKE_CURRENT_SOURCE_DIR})
    set(qm ${CMAKE_CURRENT_BINARY_DIR}/${stem}.qm)
    add_custom_command(OUTPUT ${qm}
        COMMAND Qt6::lrelease -silent ${ts_path} -qm ${qm}
        DEPENDS ${ts_path} VERBATIM)
    qt_add_resources(${target} ${stem} PREFIX /translations BASE ${CMAKE_CURRENT_BINARY_DIR}
                     FILES ${qm})
    include(GNUInstallDirs)
    install(FILES ${qm} DESTINATION ${CMAKE_INSTALL_DATADIR}/kazbo/translations)

    if(NOT TARGET update_translations)
        add_custom_target(update_translations)
    endif()
    add_custom_target(${stem}_update
        COMMAND Qt6::lupdate ${KAZ_LUPDATE_OPTIONS} ${ARGN} -ts ${ts_path}
        WORKING_DIRECTORY ${PROJECT_SOURCE_DIR} VERBATIM)
    add_dependencies(update_translations ${stem}_update)
    # For the test: the .ts file and its sources, as "file.ts:source,source".
    string(REPLACE ";" "," sources "${ARGN}")
    set_property(GLOBAL APPEND PROPERTY KAZ_TRANSLATIONS "${ts_path}:${sources}")
endfunction()
