# The Debian package, made by `cpack -G DEB` in the build folder.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME quillmoor)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Quillmoor developers")
set(CPACK_PACKAGE_CONTACT "Quillmoor developers <dev@quillmoor.invalid>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "3D time-trial racing game")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${CPACK_PACKAGE_CONTACT}")
# The summary above is the first line; this is the rest.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "A small craft rides along the inside of a straight tube: accelerate, brake
and steer it around the wall to the finish line, over pads that speed it up
or slow it down. The four best times are kept with their riders' names.
The game is in Russian. Its settings program, Настройка, sets the display
mode, the music and the motion blur.")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Loaded at run time, so dpkg-shlibdeps cannot see them: OpenGL and EGL
# through libepoxy with their drivers, Qt's platform plugins, and the font
# looked up through fontconfig.
set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "libgl1, libegl1, libgl1-mesa-dri, qt6-qpa-plugins, fonts-liberation2")

include(CPack)
