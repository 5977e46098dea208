# The Debian packages the project needs, sourced by the set-up scripts.
# To build and play (the fonts stand in for Lucida Calligraphy and Times New Roman;
# Qt's translation tools build the game's languages, Qt's own translations give its
# dialogs the same language):
GAME_PACKAGES="g++ make cmake pkg-config qt6-base-dev libpulse-dev libsndfile1-dev
    libsdl2-dev qt6-wayland fonts-urw-base35 fonts-liberation2 qt6-tools-dev qt6-l10n-tools qt6-translations-l10n"
# To run the tests as well: g++ for 32-bit programs (the game core's check), a
# private sound server and its recorder, a private X server with key presses,
# screenshots and a window manager, a Wayland compositor, and the checkers of
# desktop files, manual pages and Debian packages.
TEST_PACKAGES="g++-multilib pulseaudio pulseaudio-utils xvfb xdotool x11-utils imagemagick sox python3
    desktop-file-utils appstream dpkg-dev weston lintian man-db openbox flatpak-builder ninja-build"
