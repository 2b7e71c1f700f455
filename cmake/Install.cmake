# SPDX-License-Identifier: MIT
# Installs the program like a desktop application:
#   bin/matchmaker                     launcher: enters the data folder, then runs the program
#   libexec/matchmaker/                the program itself, not on PATH, and its audio plugin
#   share/matchmaker/                  quizzes, banner pictures and sound clips
#   share/applications/, share/icons/hicolor/, share/metainfo/   menu entry, icons, AppStream
# The program reads its data files by bare name from the working directory; the launcher
# arranges that, so the installed command works from any terminal and from the desktop's menu.
include(GNUInstallDirs)

set(MATCHMAKER_APP_ID example.brindlecast.matchmaker)
set(MATCHMAKER_PROGRAM_DIR ${CMAKE_INSTALL_LIBEXECDIR}/matchmaker)
set(MATCHMAKER_DATA_DIR ${CMAKE_INSTALL_DATADIR}/matchmaker)

# The audio plugin goes beside the program, where SoundPlayer loads it from.
install(TARGETS matchmaker RUNTIME DESTINATION ${MATCHMAKER_PROGRAM_DIR})
install(TARGETS matchmaker_sound LIBRARY DESTINATION ${MATCHMAKER_PROGRAM_DIR})

set(runtimeFiles episode1.qzt episode2.QZT
    kestsound.wav dorvsound.wav orosound.wav bexalsound.wav main.wav)
foreach(number RANGE 1 10)
    list(APPEND runtimeFiles ${number}.jpg)
endforeach()
list(TRANSFORM runtimeFiles PREPEND ${PROJECT_SOURCE_DIR}/data/)
install(FILES ${runtimeFiles} DESTINATION ${MATCHMAKER_DATA_DIR})

# The launcher finds the program and the data relative to its own location rather than through
# the configured prefix, so `cmake --install --prefix`, DESTDIR and an unpacked package all work.
file(RELATIVE_PATH MATCHMAKER_BIN_TO_PROGRAM
    ${CMAKE_INSTALL_FULL_BINDIR} ${CMAKE_INSTALL_FULL_LIBEXECDIR}/matchmaker/matchmaker)
file(RELATIVE_PATH MATCHMAKER_BIN_TO_DATA ${CMAKE_INSTALL_FULL_BINDIR} ${CMAKE_INSTALL_FULL_DATADIR}/matchmaker)
configure_file(${PROJECT_SOURCE_DIR}/packaging/matchmaker.sh.in
    ${PROJECT_BINARY_DIR}/packaging/matchmaker.sh @ONLY)
install(PROGRAMS ${PROJECT_BINARY_DIR}/packaging/matchmaker.sh
    DESTINATION ${CMAKE_INSTALL_BINDIR} RENAME matchmaker)

install(FILES ${PROJECT_SOURCE_DIR}/packaging/${MATCHMAKER_APP_ID}.desktop
    DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${PROJECT_SOURCE_DIR}/packaging/${MATCHMAKER_APP_ID}.metainfo.xml
    DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(DIRECTORY ${PROJECT_SOURCE_DIR}/assets/icons/hicolor
    DESTINATION ${CMAKE_INSTALL_DATADIR}/icons)
install(FILES ${PROJECT_SOURCE_DIR}/packaging/copyright DESTINATION ${CMAKE_INSTALL_DOCDIR})

# Software centres show the release list of the metainfo; a version without an entry there
# would be published with the previous release's notes.
file(READ ${PROJECT_SOURCE_DIR}/packaging/${MATCHMAKER_APP_ID}.metainfo.xml metainfo)
string(FIND "${metainfo}" "<release version=\"${PROJECT_VERSION}\"" releaseEntry)
if(releaseEntry EQUAL -1)
    message(WARNING "packaging/${MATCHMAKER_APP_ID}.metainfo.xml has no <release> entry for "
        "version ${PROJECT_VERSION}: add one with its date.")
endif()

# Installs into the build folder and checks the tree, so that a broken install rule shows up in
# the ordinary test run and not only when the package is built.
if(BUILD_TESTING)
    add_test(NAME installed_tree
        COMMAND bash -c [[
            rm -rf "$2" && DESTDIR="$2" "$1" --install "$3" --prefix /usr >/dev/null && "$4" "$2"
        ]]
        _ ${CMAKE_COMMAND} ${PROJECT_BINARY_DIR}/installed-tree ${PROJECT_BINARY_DIR}
        ${PROJECT_SOURCE_DIR}/packaging/check-install.sh)
    set_tests_properties(installed_tree PROPERTIES TIMEOUT 60)
endif()

include(${CMAKE_CURRENT_LIST_DIR}/Packaging.cmake)
