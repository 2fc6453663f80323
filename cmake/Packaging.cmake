# Installation under /usr and the Debian package: `cpack -G DEB` in the build
# directory (scripts/package does the build and that). Only the two programs
# are installed, with the menu entry, icons, manual pages and documentation.
include(GNUInstallDirs)

# cpack packs what the last build made, without building the tests and
# benchmarks first; scripts/package builds tw_package_contents, then packs.
set(CMAKE_SKIP_INSTALL_ALL_DEPENDENCY ON)

set(TW_PACKAGING_DIR ${PROJECT_SOURCE_DIR}/packaging)
set(TW_DOC_DIR ${CMAKE_INSTALL_DATAROOTDIR}/doc/tarnwick)

install(TARGETS tarnwick tarnwick-store RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${TW_PACKAGING_DIR}/tarnwick.desktop DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/applications)
foreach(size 16 32 48 64 128 256)
    install(FILES ${TW_PACKAGING_DIR}/icons/tarnwick-${size}.png
        DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/icons/hicolor/${size}x${size}/apps RENAME tarnwick.png)
endforeach()
install(FILES ${TW_PACKAGING_DIR}/icons/tarnwick.svg DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/icons/hicolor/scalable/apps)
install(FILES ${PROJECT_SOURCE_DIR}/README.md ${TW_PACKAGING_DIR}/copyright DESTINATION ${TW_DOC_DIR})

# Manual pages and the changelog go in compressed, as Debian keeps them; -n
# leaves the time stamp out, so that every build packs the same bytes.
find_program(TW_GZIP gzip REQUIRED)
set(TW_COMPRESSED_DIR ${PROJECT_BINARY_DIR}/packaging)
function(tw_compress source output)
    add_custom_command(OUTPUT ${output}
        COMMAND ${CMAKE_COMMAND} -E make_directory ${TW_COMPRESSED_DIR}
        COMMAND ${TW_GZIP} -9n -c ${source} > ${output}
        DEPENDS ${source}
        COMMENT "Compressing ${source}")
endfunction()
tw_compress(${TW_PACKAGING_DIR}/man/tarnwick.1 ${TW_COMPRESSED_DIR}/tarnwick.1.gz)
tw_compress(${TW_PACKAGING_DIR}/man/tarnwick-store.1 ${TW_COMPRESSED_DIR}/tarnwick-store.1.gz)
tw_compress(${TW_PACKAGING_DIR}/changelog ${TW_COMPRESSED_DIR}/changelog.gz)
add_custom_target(tw_compressed_docs ALL DEPENDS ${TW_COMPRESSED_DIR}/tarnwick.1.gz
    ${TW_COMPRESSED_DIR}/tarnwick-store.1.gz ${TW_COMPRESSED_DIR}/changelog.gz)
add_custom_target(tw_package_contents)
add_dependencies(tw_package_contents tarnwick tarnwick-store tw_compressed_docs)
install(FILES ${TW_COMPRESSED_DIR}/tarnwick.1.gz ${TW_COMPRESSED_DIR}/tarnwick-store.1.gz
    DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${TW_COMPRESSED_DIR}/changelog.gz DESTINATION ${TW_DOC_DIR})

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME tarnwick)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Tarnwick developers")
set(CPACK_PACKAGE_CONTACT "Tarnwick developers <developers@tarnwick.example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "administration tool for document libraries")
set(CPACK_PACKAGE_DESCRIPTION
    "Tarnwick administers document libraries in one window of eleven tabs, with\n"
    "mass runs over thousands of documents: export, check-out and check-in, field\n"
    "and problem reports, rights audits and bulk rights edits, version history and\n"
    "restore, and the clean-up of stray files. Every run writes tab-separated\n"
    "report files and a daily log. Scripts carry out runs unattended.\n"
    "\n"
    "The libraries live in a library store (SQLite and content files),\n"
    "administered with tarnwick-store.")
string(JOIN "" CPACK_PACKAGE_DESCRIPTION ${CPACK_PACKAGE_DESCRIPTION})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION TRUE)
# The libraries' packages come from the programs' links. The store opens its
# database through Qt's SQLite driver, a plugin that no link names; the
# reports' fonts are metric twins of the ones they name.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS libqt6sql6-sqlite)
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS fonts-liberation2)
include(CPack)
