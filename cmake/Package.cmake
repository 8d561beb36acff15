# `cpack -G DEB` in a build folder makes a Debian package of the install
# rules above; scripts/package.sh builds it with the distribution's flags.
set(CPACK_PACKAGE_NAME "${ZI_COMMAND_NAME}")
set(CPACK_PACKAGE_VERSION "${PROJECT_VERSION}")
set(CPACK_PACKAGE_VENDOR "Zazudedid Idarero")
set(CPACK_PACKAGE_CONTACT "Zazudedid Idarero <support@example.com>")
set(CPACK_PACKAGE_HOMEPAGE_URL "http://www.example.com")
set(CPACK_PACKAGING_INSTALL_PREFIX "/usr")
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION "utils")
set(CPACK_DEBIAN_PACKAGE_PRIORITY "optional")
# The libraries' own versions, as dpkg-shlibdeps reads them, plus Qt's
# display plugins: the Qt libraries only recommend those, and without one
# the program cannot open a window.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins")
# The first line is the synopsis; the rest, the extended description.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "work out a percentage of a value
A small desktop window that answers one question: what is a given
percentage of a value? Type the percentage and the value, and it shows the
amount, the value plus the amount and the value minus the amount, each to
two decimal places.
.
A click on a result copies its number to the clipboard. A button starts the
desktop's own calculator for other sums.")

include(CPack)
