# SPDX-License-Identifier: MIT
# The Debian package, made by `cpack -G DEB` from the install rules in Install.cmake.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME matchmaker)
set(CPACK_PACKAGE_VENDOR "Brindlecast")
set(CPACK_PACKAGE_CONTACT "Brindlecast Match Maker maintainers <matchmaker@brindlecast.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Quiz: which Brindlecast cast member are you most compatible with?")
# Debian shows the description as it is written here, each line indented by one space: lines of
# at most 79 characters keep it within an 80-column terminal.
set(CPACK_PACKAGE_DESCRIPTION "A small desktop quiz for the audience of the television show Brindlecast.
Answer twenty questions with the buttons A to D. Each answer is a vote for one
of the show's four companions. At the end the program tells you which of them
you are most compatible with and plays that companion's sound clip. Quiz files
(*.qzt) open from the file manager, and anyone can write new ones in a text
editor.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://www.brindlecast.example/")
# dpkg-shlibdeps turns the libraries the program links (Qt Core, Gui, Widgets, Multimedia, the C++
# runtime) into package dependencies. Those packages also carry what is loaded at run time as
# plugins: libqt6gui6 the X11 platform and the JPEG, GIF and ICO readers, libqt6multimedia6 the
# audio back ends. Nothing links a font, so one is named here: Liberation Sans has the widths of
# the design's MS Sans Serif, for which the fixed boxes were measured. No alternative is offered:
# with DejaVu Sans installed, "a | b" would install nothing and leave the wider face.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation2")
# Without the Wayland platform plugin Qt runs through XWayland, which works but is not native;
# without Qt's own catalogues the standard buttons stay English in a German or French session.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-wayland, qt6-translations-l10n")

include(CPack)
