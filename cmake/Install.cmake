# cmake --install build --prefix P lays out a program a desktop finds:
#   P/lib/loamix/                 the program folder, as build/Loamix/ holds it
#   P/bin/loamix                  the launcher (a link to the program)
#   P/share/applications/         the desktop entry
#   P/share/icons/hicolor/        the program's icon at each size
#   P/share/metainfo/             the AppStream metainfo
# The program finds its files beside its executable, wherever the folder is.
set(LOAMIX_PROGRAM_DEST lib/loamix)

get_property(program_targets GLOBAL PROPERTY LOAMIX_PROGRAM_TARGETS)
install(TARGETS ${program_targets}
  RUNTIME DESTINATION ${LOAMIX_PROGRAM_DEST}
  LIBRARY DESTINATION ${LOAMIX_PROGRAM_DEST})
install(TARGETS soilnet LIBRARY DESTINATION ${LOAMIX_PROGRAM_DEST}/DLL)
# The data folders are build outputs: databases, question files, notes, help pages, pictures.
install(DIRECTORY ${LOAMIX_INSTALL_DIR}/Database ${LOAMIX_INSTALL_DIR}/Resources ${LOAMIX_INSTALL_DIR}/Help
  ${LOAMIX_INSTALL_DIR}/pictures
  DESTINATION ${LOAMIX_PROGRAM_DEST})
install(FILES ${LOAMIX_INSTALL_DIR}/QuizTemplate.lxq ${LOAMIX_INSTALL_DIR}/Users.lxu DESTINATION ${LOAMIX_PROGRAM_DEST})

# The launcher: a relative link, so that the tree can be moved whole (DESTDIR, packaging).
file(MAKE_DIRECTORY ${LOAMIX_DESKTOP_DIR})
file(CREATE_LINK ../${LOAMIX_PROGRAM_DEST}/Loamix ${LOAMIX_DESKTOP_DIR}/loamix SYMBOLIC)
install(FILES ${LOAMIX_DESKTOP_DIR}/loamix DESTINATION bin)

# The desktop entry names the launcher by its full path, which only the install knows.
install(CODE "set(LOAMIX_DESKTOP_TEMPLATE \"${CMAKE_SOURCE_DIR}/data/desktop/${LOAMIX_APP_ID}.desktop.in\")
set(LOAMIX_APP_ID ${LOAMIX_APP_ID})")
install(SCRIPT ${CMAKE_SOURCE_DIR}/cmake/DesktopEntry.cmake)
install(DIRECTORY ${LOAMIX_DESKTOP_DIR}/icons/ DESTINATION share/icons)
configure_file(${CMAKE_SOURCE_DIR}/data/desktop/${LOAMIX_APP_ID}.metainfo.xml ${LOAMIX_DESKTOP_DIR}/${LOAMIX_APP_ID}.metainfo.xml @ONLY)
install(FILES ${LOAMIX_DESKTOP_DIR}/${LOAMIX_APP_ID}.metainfo.xml DESTINATION share/metainfo)
