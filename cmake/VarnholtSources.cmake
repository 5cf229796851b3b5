# Collects the sources of the given folders (recursively) and keeps only the
# platform files of the platform being built: *_win.cpp on Windows,
# *_posix.cpp everywhere else.
function(varnholt_collect out)
    set(result)
    foreach(dir IN LISTS ARGN)
        file(GLOB_RECURSE found CONFIGURE_DEPENDS
            ${CMAKE_CURRENT_SOURCE_DIR}/${dir}/*.cpp
            ${CMAKE_CURRENT_SOURCE_DIR}/${dir}/*.h)
        list(APPEND result ${found})
    endforeach()
    if(WIN32)
        list(FILTER result EXCLUDE REGEX "_posix\\.cpp$")
    else()
        list(FILTER result EXCLUDE REGEX "_win\\.cpp$")
    endif()
    list(SORT result)
    set(${out} ${result} PARENT_SCOPE)
endfunction()

# Compiles everything under resources/ (icons, logos, style-sheet images) into
# the target as Qt resources with paths relative to resources/.
function(varnholt_add_resources target)
    set(base ${CMAKE_CURRENT_SOURCE_DIR}/resources)
    file(GLOB_RECURSE files CONFIGURE_DEPENDS RELATIVE ${base}
        ${base}/*.svg ${base}/*.png ${base}/*.qss ${base}/*.ttf)
    if(NOT files)
        return()
    endif()
    set(abs)
    foreach(f IN LISTS files)
        set_source_files_properties(${base}/${f} PROPERTIES QT_RESOURCE_ALIAS ${f})
        list(APPEND abs ${base}/${f})
    endforeach()
    qt_add_resources(${target} varnholt_resources PREFIX "/" FILES ${abs})
endfunction()
