# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Lumaro developers
# The Debian package, made by `make package` (cpack -G DEB in a build configured for /usr).
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME lumaro)
set(CPACK_PACKAGE_VENDOR "The Lumaro developers")
# GPL-3.0-or-later; a Debian package states it in /usr/share/doc/lumaro/copyright.
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/COPYING)
# The project has no mail address of its own yet: .invalid is reserved for exactly that.
set(CPACK_PACKAGE_CONTACT "The Lumaro developers <lumaro@developers.invalid>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "five-card draw video poker")
set(CPACK_PACKAGE_DESCRIPTION
    "Lumaro is five-card draw poker as the casino machines play it. Set a bet,
deal five cards, keep the ones you like and draw new cards for the others; the
hand is paid at once by a nine-line pay table, from Jacks or Better up to a
Royal Flush. The multipliers, a sound for each winning hand and the colours
can be changed, and the game keeps statistics of the session. It plays from
the keyboard alone and through a screen reader.

The strategy advisor trains your play: it ranks every hold of a deal by its
exact expected pay, hides the answer until the draw in practice mode, warns
before a mistaken draw, keeps a hand history with your mistakes by situation
and replays them, and makes a strategy chart for any pay table with its exact
cost, to print or save as PDF.

lumaro-analyze works out the exact return of any pay table, the best hold for
a dealt hand and the strategy chart, simulates sessions played by a fixed
strategy, and sums up the hand history.")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# Libraries the programs link are found by dpkg-shlibdeps; these four are used at run
# time without linking: SDL2_mixer is opened with dlopen at the first win, Qt needs its
# X11 platform plugin and, for the hand history, its SQLite driver, and the window's texts
# are set in Liberation Sans.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "libsdl2-mixer-2.0-0, qt6-qpa-plugins, libqt6sql6-sqlite, fonts-liberation2")
# Qt's own translations give its dialogs (buttons, the file and colour choosers) the game's
# language; without them those stay English and the game is otherwise the same.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n")
set(CPACK_STRIP_FILES ON)
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE
    GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
include(CPack)
