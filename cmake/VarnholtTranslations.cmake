# Ten interface languages. The .ts sources live in resources/i18n and are
# committed, so a normal build only runs lrelease; lupdate runs on demand
# through the `update_translations` target (or varnholt_ui_lupdate).
# Each compiled catalogue is embedded as ":/i18n/varnholt_<code>.qm", the path
# app/language.cpp loads at start-up.
find_package(Qt6 6.4 REQUIRED COMPONENTS LinguistTools)

set(VARNHOLT_LANGUAGES en zh_CN zh_TW ja ko es fr de pt_BR ru)

set(VARNHOLT_TS_FILES)
foreach(code IN LISTS VARNHOLT_LANGUAGES)
    list(APPEND VARNHOLT_TS_FILES ${CMAKE_CURRENT_SOURCE_DIR}/resources/i18n/varnholt_${code}.ts)
endforeach()

# lupdate sees the sources of every platform, so Windows-only texts are
# translated even when the catalogues are refreshed on Linux.
set(VARNHOLT_TR_SOURCES)
foreach(dir IN ITEMS app scan clean largefiles update history ui cli)
    file(GLOB_RECURSE found CONFIGURE_DEPENDS
        ${CMAKE_CURRENT_SOURCE_DIR}/${dir}/*.cpp
        ${CMAKE_CURRENT_SOURCE_DIR}/${dir}/*.h)
    list(APPEND VARNHOLT_TR_SOURCES ${found})
endforeach()
list(SORT VARNHOLT_TR_SOURCES)

# Source locations are left out of the catalogues: they change with every edit
# and would turn each refresh into a diff of thousands of lines.
qt_add_translations(varnholt_ui
    TS_FILES ${VARNHOLT_TS_FILES}
    SOURCES ${VARNHOLT_TR_SOURCES}
    INCLUDE_DIRECTORIES ${CMAKE_CURRENT_SOURCE_DIR}
    QM_FILES_OUTPUT_VARIABLE VARNHOLT_QM_FILES
    LUPDATE_OPTIONS -locations none -no-obsolete)

# Both programs embed the catalogues; varnholt_add_translations(target) is
# called once the target exists.
function(varnholt_add_translations target)
    qt_add_resources(${target} ${target}_translations
        PREFIX /i18n
        BASE ${CMAKE_BINARY_DIR}
        FILES ${VARNHOLT_QM_FILES})
endfunction()
varnholt_add_translations(varnholt_ui)

# The same sources as a list file, for the test that the catalogues are
# current (tests/CMakeLists.txt).
list(JOIN VARNHOLT_TR_SOURCES "\n" tr_list)
file(WRITE ${CMAKE_BINARY_DIR}/translation-sources.lst "-I${CMAKE_CURRENT_SOURCE_DIR}\n${tr_list}\n")
