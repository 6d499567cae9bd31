# cmake --install build --prefix P lays out:
#   P/bin/pertab, P/bin/zfktool      find the library in ../lib (RPATH)
#   P/lib/libDane.so
#   P/share/applications/, P/share/icons/hicolor/scalable/apps/, P/share/metainfo/
#                                    what a desktop reads to list the program
# The folders are fixed rather than GNUInstallDirs': the programs' RPATH
# names ../lib, which a multiarch libdir would break. The prefix may be
# read-only afterwards: the program then keeps its skin files in the user's
# data folder.
set(ZFK_APP_ID pl.morvane.Zefirak)

install(TARGETS Dane LIBRARY DESTINATION lib)
install(TARGETS zfktool RUNTIME DESTINATION bin)

if(ZFK_APP)
    install(TARGETS pertab RUNTIME DESTINATION bin)
    install(FILES ${PROJECT_SOURCE_DIR}/dist/${ZFK_APP_ID}.desktop DESTINATION share/applications)
    install(FILES ${PROJECT_SOURCE_DIR}/dist/${ZFK_APP_ID}.svg DESTINATION share/icons/hicolor/scalable/apps)
    install(FILES ${PROJECT_SOURCE_DIR}/dist/${ZFK_APP_ID}.metainfo.xml DESTINATION share/metainfo)
endif()
