# SPDX-License-Identifier: MIT
# Installs the program like a desktop application:
#   games/matchmaker                   launcher: enters the data folder, then runs the program
#   libexec/matchmaker/                the program itself, not on PATH, and its audio plugin
#   share/matchmaker/                  quizzes, banner pictures and sound clips
#   share/matchmaker/studio/           the studio, a static web app, where emscripten built it
#   share/applications/, share/icons/hicolor/, share/metainfo/   menu entry, icons, AppStream
#   share/mime/packages/               the quiz file type
#   share/man/man6/, share/doc/matchmaker/   manual page, changelog and copyright
# It is a game, so it goes where Debian keeps games: the command in games/ below the prefix
# (/usr/games, on every user's PATH) and its manual page in section 6.
# The program reads its data files by bare name from the working directory; the launcher
# arranges that, so the installed command works from any terminal and from the desktop's menu.
include(GNUInstallDirs)

set(MATCHMAKER_APP_ID example.brindlecast.matchmaker)
set(MATCHMAKER_PROGRAM_DIR ${CMAKE_INSTALL_LIBEXECDIR}/matchmaker)
set(MATCHMAKER_DATA_DIR ${CMAKE_INSTALL_DATADIR}/matchmaker)
set(MATCHMAKER_LAUNCHER_DIR games)

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
if(MATCHMAKER_QUIZWASM)
    install(DIRECTORY ${PROJECT_BINARY_DIR}/studio/ DESTINATION ${MATCHMAKER_DATA_DIR}/studio)
endif()

# The launcher finds the program and the data relative to its own location rather than through
# the configured prefix, so `cmake --install --prefix`, DESTDIR and an unpacked package all work.
file(RELATIVE_PATH MATCHMAKER_BIN_TO_PROGRAM
    ${CMAKE_INSTALL_PREFIX}/${MATCHMAKER_LAUNCHER_DIR} ${CMAKE_INSTALL_FULL_LIBEXECDIR}/matchmaker/matchmaker)
file(RELATIVE_PATH MATCHMAKER_BIN_TO_DATA
    ${CMAKE_INSTALL_PREFIX}/${MATCHMAKER_LAUNCHER_DIR} ${CMAKE_INSTALL_FULL_DATADIR}/matchmaker)
configure_file(${PROJECT_SOURCE_DIR}/packaging/matchmaker.sh.in
    ${PROJECT_BINARY_DIR}/packaging/matchmaker.sh @ONLY)
install(PROGRAMS ${PROJECT_BINARY_DIR}/packaging/matchmaker.sh
    DESTINATION ${MATCHMAKER_LAUNCHER_DIR} RENAME matchmaker)

install(FILES ${PROJECT_SOURCE_DIR}/packaging/${MATCHMAKER_APP_ID}.desktop
    DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${PROJECT_SOURCE_DIR}/packaging/${MATCHMAKER_APP_ID}.metainfo.xml
    DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(DIRECTORY ${PROJECT_SOURCE_DIR}/assets/icons/hicolor
    DESTINATION ${CMAKE_INSTALL_DATADIR}/icons)
install(FILES ${PROJECT_SOURCE_DIR}/packaging/${MATCHMAKER_APP_ID}.mime.xml
    DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages RENAME ${MATCHMAKER_APP_ID}.xml)
install(FILES ${PROJECT_SOURCE_DIR}/packaging/copyright DESTINATION ${CMAKE_INSTALL_DOCDIR})

# The manual page and the changelog are installed compressed, as Debian keeps them. gzip -n
# leaves out the name and time stamp, so the same sources always give the same bytes.
function(matchmaker_gzip source target)
    set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${source})
    execute_process(COMMAND gzip -9 -n -c ${source} OUTPUT_FILE ${target} COMMAND_ERROR_IS_FATAL ANY)
endfunction()
configure_file(${PROJECT_SOURCE_DIR}/packaging/matchmaker.6.in ${PROJECT_BINARY_DIR}/packaging/matchmaker.6 @ONLY)
matchmaker_gzip(${PROJECT_BINARY_DIR}/packaging/matchmaker.6 ${PROJECT_BINARY_DIR}/packaging/matchmaker.6.gz)
install(FILES ${PROJECT_BINARY_DIR}/packaging/matchmaker.6.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man6)
# This project is its own Debian packager (a native package, version without a Debian
# revision), so its changelog is changelog.gz rather than changelog.Debian.gz.
matchmaker_gzip(${PROJECT_SOURCE_DIR}/packaging/changelog ${PROJECT_BINARY_DIR}/packaging/changelog.gz)
install(FILES ${PROJECT_BINARY_DIR}/packaging/changelog.gz DESTINATION ${CMAKE_INSTALL_DOCDIR})

# Software centres show the release list of the metainfo, and dpkg the Debian changelog; a
# version without an entry in both would be published with the previous release's notes.
file(READ ${PROJECT_SOURCE_DIR}/packaging/${MATCHMAKER_APP_ID}.metainfo.xml metainfo)
string(FIND "${metainfo}" "<release version=\"${PROJECT_VERSION}\"" releaseEntry)
if(releaseEntry EQUAL -1)
    message(WARNING "packaging/${MATCHMAKER_APP_ID}.metainfo.xml has no <release> entry for "
        "version ${PROJECT_VERSION}: add one with its date.")
endif()
file(STRINGS ${PROJECT_SOURCE_DIR}/packaging/changelog latestEntry LIMIT_COUNT 1)
if(NOT latestEntry MATCHES "^matchmaker \\(${PROJECT_VERSION}\\) ")
    message(WARNING "packaging/changelog does not begin with an entry for version ${PROJECT_VERSION}.")
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
