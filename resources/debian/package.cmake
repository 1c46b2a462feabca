# The Debian package: `cpack -G DEB` in a build folder makes
# kelvo_<version>_<arch>.deb of what `cmake --install` installs.

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME kelvo)
set(CPACK_PACKAGE_VENDOR Quillmarsh)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "calculator for radio amateurs and electronics hobbyists")
set(CPACK_PACKAGE_DESCRIPTION [=[
Kelvo solves the small problems of a radio bench: resistors, capacitors,
inductors and complex impedances in series or parallel, capacitive and
inductive reactance, the resonant frequency of an LC circuit, L, Pi and T
matching networks, SWR, the impedance of an antenna from the readings of an
Autek RF 1 analyser, air-core coils, wavelength and half-wave dipole length,
and conversions between US and metric units.

Every calculation has a name and lives in a worksheet that is saved with
every value exactly as it was typed. Reports of a worksheet are printed, or
written as PDF, HTML, text or CSV, also from the command line.]=])
# The package is made of what has been built: cpack runs the install step
# alone, without building every test and benchmark first.
set(CMAKE_SKIP_INSTALL_ALL_DEPENDENCY ON)

# Folders made by the install rules are rwxr-xr-x whatever the umask.
set(CMAKE_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
# A package always installs into /usr, whatever prefix the build was made for.
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION hamradio)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "Kelvo developers <kelvo@quillmarsh.com>")
# The libraries the program links, with their versions, as dpkg-shlibdeps
# finds them; Qt's platform plugins are loaded at run time, so no library
# names them: the X11 one is needed to open a window at all, Wayland's is
# the better choice on a Wayland desktop.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS qt6-qpa-plugins)
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS qt6-wayland)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)

include(CPack)
