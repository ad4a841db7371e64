# `cpack -G DEB` in the build folder makes glorinbax_<version>_<arch>.deb of what `cmake --install`
# puts under /usr. The libraries' packages are found by dpkg-shlibdeps; what it cannot see is named:
# Qt's platform plug-ins, which the program loads at start-up.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME glorinbax)
set(CPACK_PACKAGE_VENDOR Tessmor)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "step sequencer that arranges sound files on a grid")
set(CPACK_PACKAGE_DESCRIPTION
    "Lanes of sound files are played at the steps marked on a grid, live or rendered to WAV, FLAC, Ogg or MP3 faster than real time.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "Tessmor <glorinbax@tessmor.org>")
set(CPACK_DEBIAN_PACKAGE_SECTION sound)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://tessmor.org/glorinbax")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The engine and encoder libraries are the program's own, found beside it.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS_PRIVATE_DIRS ${GBX_PROGRAM_DIR})
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins")
# A desktop's sound server is reached through ALSA's plug-ins.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "libasound2-plugins")
include(CPack)
