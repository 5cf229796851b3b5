# Installation layout for Linux desktops and the Debian package.
include(GNUInstallDirs)

set(VARNHOLT_APP_ID app.varnholt.Varnholt)

install(TARGETS varnholt RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
if(TARGET varnholt-cli)
    install(TARGETS varnholt-cli RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
endif()

if(UNIX AND NOT APPLE)
    install(FILES packaging/${VARNHOLT_APP_ID}.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
    install(FILES packaging/${VARNHOLT_APP_ID}.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
    install(DIRECTORY packaging/icons/hicolor
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons)

    # Manual pages and the changelog go in compressed the way Debian wants
    # them: best compression and no time stamp, so that builds are identical.
    set(VARNHOLT_GZIPPED_DIR ${CMAKE_BINARY_DIR}/packaging)
    file(MAKE_DIRECTORY ${VARNHOLT_GZIPPED_DIR})
    set(VARNHOLT_GZIPPED)
    foreach(doc IN ITEMS man/varnholt.1 man/varnholt-cli.1 debian/changelog)
        get_filename_component(name ${doc} NAME)
        set(gz ${VARNHOLT_GZIPPED_DIR}/${name}.gz)
        add_custom_command(OUTPUT ${gz}
            COMMAND sh -c "gzip -9n < \"$0\" > \"$1\"" ${CMAKE_CURRENT_SOURCE_DIR}/packaging/${doc} ${gz}
            DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/packaging/${doc}
            COMMENT "Compressing packaging/${doc}"
            VERBATIM)
        list(APPEND VARNHOLT_GZIPPED ${gz})
    endforeach()
    add_custom_target(varnholt_packaging_docs ALL DEPENDS ${VARNHOLT_GZIPPED})
    install(FILES ${VARNHOLT_GZIPPED_DIR}/varnholt.1.gz ${VARNHOLT_GZIPPED_DIR}/varnholt-cli.1.gz
        DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
    # The package is "varnholt"; CMAKE_INSTALL_DOCDIR would use the project's
    # capitalised name.
    install(FILES ${VARNHOLT_GZIPPED_DIR}/changelog.gz packaging/debian/copyright
        DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/varnholt)
    install(FILES packaging/debian/lintian-overrides
        DESTINATION ${CMAKE_INSTALL_DATADIR}/lintian/overrides RENAME varnholt)

    # Shell completion of varnholt-cli, where each shell looks for the
    # completions of installed packages.
    set(VARNHOLT_ZSH_COMPLETION_DIR ${CMAKE_INSTALL_DATADIR}/zsh/vendor-completions CACHE STRING
        "Where the zsh completion is installed (site-functions for a /usr/local install)")
    install(FILES packaging/completion/varnholt-cli.bash
        DESTINATION ${CMAKE_INSTALL_DATADIR}/bash-completion/completions RENAME varnholt-cli)
    install(FILES packaging/completion/_varnholt-cli DESTINATION ${VARNHOLT_ZSH_COMPLETION_DIR})
    install(FILES packaging/completion/varnholt-cli.fish
        DESTINATION ${CMAKE_INSTALL_DATADIR}/fish/vendor_completions.d)

    # A stripped install (the package) also loses the compiler's notes, as
    # Debian's own packages do.
    foreach(program varnholt varnholt-cli)
        if(NOT TARGET ${program})
            continue()
        endif()
        install(CODE "if(CMAKE_INSTALL_DO_STRIP)
            execute_process(COMMAND \"${CMAKE_STRIP}\" --remove-section=.comment --remove-section=.note
                \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}/${program}\")
        endif()")
    endforeach()
endif()

# The hardening Debian builds its packages with, for the optimised builds
# that get packaged (_FORTIFY_SOURCE needs optimisation): checked buffer
# functions, the stack protector, and full RELRO with immediate binding. Only
# the shipped code: test helpers may ignore results that fortified headers
# would warn about. The toolchain already builds position-independent
# executables.
if(UNIX AND NOT APPLE AND CMAKE_CXX_COMPILER_ID MATCHES "GNU|Clang")
    set(VARNHOLT_OPTIMISED $<CONFIG:Release,RelWithDebInfo,MinSizeRel>)
    string(TOUPPER "${CMAKE_BUILD_TYPE}" build_type)
    foreach(target varnholt_core varnholt_ui varnholt varnholt-cli)
        if(NOT TARGET ${target})
            continue()
        endif()
        target_compile_options(${target} PRIVATE $<${VARNHOLT_OPTIMISED}:-fstack-protector-strong>)
        # Flags that set the level themselves (dpkg-buildflags) win; a level
        # the compiler defines on its own is replaced without a warning.
        if(NOT "${CMAKE_CXX_FLAGS} ${CMAKE_CXX_FLAGS_${build_type}}" MATCHES "_FORTIFY_SOURCE")
            target_compile_options(${target} PRIVATE
                $<${VARNHOLT_OPTIMISED}:-U_FORTIFY_SOURCE> $<${VARNHOLT_OPTIMISED}:-D_FORTIFY_SOURCE=2>)
        endif()
        get_target_property(type ${target} TYPE)
        if(type STREQUAL "EXECUTABLE")
            target_link_options(${target} PRIVATE $<${VARNHOLT_OPTIMISED}:LINKER:-z,relro,-z,now>)
        endif()
    endforeach()
endif()

set(CPACK_PACKAGE_NAME varnholt)
set(CPACK_PACKAGE_VENDOR "Varnholt")
set(CPACK_PACKAGE_CONTACT "Varnholt <support@varnholt.app>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Find and safely remove reclaimable disk space")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
# Debug information stays in the build tree; the package ships stripped binaries.
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE https://varnholt.app/)
# The summary above is the first line; CPack indents these lines itself.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "Varnholt finds temporary files, application and browser caches, logs,\nthumbnails, package leftovers, developer caches and the trash, shows them\nwith their size and risk, and removes only what you select. It also finds\nlarge files in the home folder. varnholt-cli does the same on the command line.")
# The libraries the programs link come from dpkg-shlibdeps, with the versions
# their symbols need; listed here is only what Qt loads at run time.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-inter, fonts-noto-cjk, xdg-utils")
set(CPACK_DEBIAN_PACKAGE_SUGGESTS "pkexec")
include(CPack)
