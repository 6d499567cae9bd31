# The Debian package, made by CPack's DEB generator from the install rules
# (cmake/Install.cmake), under /usr: see "Debian package" in README.md.
# CPack rather than a debian/ folder: the install rules already say what goes
# where and tests/install checks them, so the package cannot drift from a
# plain install; a debian/ folder would build the tree again through
# debhelper and keep a second copy of the same facts.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME zefirak)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
# CPack adds postinst and postrm scripts that run ldconfig for any library
# under /usr/lib, a private folder too; lintian warns of them
# (maintscript-calls-ldconfig), and they do no harm.
# zefirak_2.5.1_amd64.deb: made here from its own source, so a native
# version without a Debian revision, as dist/debian/changelog has it.
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(ZFK_PACKAGE_MAINTAINER "Morvane <zefirak@morvane.pl>" CACHE STRING "The Debian package's Maintainer field")
set(CPACK_DEBIAN_PACKAGE_MAINTAINER ${ZFK_PACKAGE_MAINTAINER})
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# The libraries the binaries load come from dpkg-shlibdeps; the program
# itself needs Qt's Polish texts for the standard dialogs and Liberation Sans
# as Arial's stand-in, which no library names.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-translations-l10n, fonts-liberation")
# The summary, then the long text; CPack indents it and marks the empty line.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "periodic table of the chemical elements, in Polish
Zefirak shows the 111 elements from hydrogen to roentgenium as a table of
coloured buttons. Point at an element to see its name, period and group;
click it to see all its data: state, atomic mass, electronegativity,
density, melting and boiling points, isotopes, discovery, radius and
electron shells. Elements can be found by symbol, Polish or Latin name,
their data copied or saved as text, and the table printed as a
black-and-white wall chart or a plain data report.

The program's texts are in Polish. The package also holds zfktool, which
prints the chart and the report to PDF from the command line.")
include(CPack)
