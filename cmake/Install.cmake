# cmake --install build --prefix P lays out:
#   P/bin/pertab, P/bin/zfktool      find the library in ../lib/zefirak (RPATH)
#   P/lib/zefirak/libDane.so.1
#   P/share/applications/, P/share/icons/hicolor/scalable/apps/, P/share/metainfo/
#                                    what a desktop reads to list the program
#   P/share/doc/zefirak/             copyright and changelog
# The folders are fixed rather than GNUInstallDirs': the programs' RPATH
# names ../lib/zefirak, which a multiarch libdir would break. The library is
# the program's own (no headers, three exports only the program uses), so it
# lies in a folder of its own, where the system's loader does not look and
# no other library of that name can clash with it, and without the
# libDane.so link, which only a program linked against it would need. The
# prefix may be read-only afterwards: an installed copy keeps its skin files
# in the user's data folder.
set(ZFK_APP_ID pl.morvane.Zefirak)

install(TARGETS Dane LIBRARY DESTINATION ${ZFK_LIB_FOLDER} NAMELINK_SKIP)
install(TARGETS zfktool RUNTIME DESTINATION bin)

if(ZFK_APP)
    install(TARGETS pertab RUNTIME DESTINATION bin)
    install(FILES ${PROJECT_SOURCE_DIR}/dist/${ZFK_APP_ID}.desktop DESTINATION share/applications)
    install(FILES ${PROJECT_SOURCE_DIR}/dist/${ZFK_APP_ID}.svg DESTINATION share/icons/hicolor/scalable/apps)
    install(FILES ${PROJECT_SOURCE_DIR}/dist/${ZFK_APP_ID}.metainfo.xml DESTINATION share/metainfo)
endif()

# Debian wants the changelog compressed to the maximum and without a name or
# time in the gzip header, so that the same text gives the same bytes.
set(zfk_changelog ${CMAKE_BINARY_DIR}/doc/changelog.gz)
add_custom_command(OUTPUT ${zfk_changelog}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/doc
    COMMAND sh -c "gzip -9n <\"$0\" >\"$1\"" ${PROJECT_SOURCE_DIR}/dist/debian/changelog ${zfk_changelog}
    DEPENDS ${PROJECT_SOURCE_DIR}/dist/debian/changelog
    VERBATIM)
add_custom_target(changelog ALL DEPENDS ${zfk_changelog})
install(FILES ${PROJECT_SOURCE_DIR}/dist/debian/copyright ${zfk_changelog} DESTINATION share/doc/zefirak)
