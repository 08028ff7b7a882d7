# SPDX-License-Identifier: GPL-3.0-or-later
# The Debian package: `cpack -G DEB` in a build tree packs what `cmake --install`
# puts under /usr. The run-time dependencies are found by dpkg-shlibdeps from the
# programs themselves; what the loader cannot see is added by hand: Qt's platform
# plugins (without them no window opens) and the font the token texts are shown in.

set(VEXIL_PACKAGE_MAINTAINER "Vexil developers <maintainers@vexil.org>" CACHE STRING
    "The Maintainer field of the Debian package")

set(CPACK_PACKAGE_NAME vexil)
set(CPACK_PACKAGE_VENDOR "The Vexil developers")
set(CPACK_PACKAGE_VERSION "${PROJECT_VERSION}")
set(CPACK_PACKAGE_CONTACT "${VEXIL_PACKAGE_MAINTAINER}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "development environment for TI-82 and TI-83 calculator programs")
set(CPACK_PACKAGE_DESCRIPTION
    "Vexil edits Z80 assembler sources, assembles them with its own TASM-compatible
assembler (tasm) into programs for the Ash, CrASH and AShell83 shells or the
TI-83 itself, and sends them to the calculator over a parallel, serial or USB
serial link cable. It creates and edits every kind of calculator variable:
TI-BASIC programs with on-screen keypads, lists, matrices, numbers, strings,
functions, settings, graph databases, groups and pictures, and comes with a
Link Manager, a sprite editor, an image converter with screen capture and the
calculator's character table.
.
The package also holds vexil-cli (the same file handling for scripts), the
simulated calculator vexil-calcsim, the link cable driver libbrantel with its
header, and a udev rule that gives the logged-in user the parallel ports.")
set(CPACK_PACKAGE_FILE_NAME "vexil_${PROJECT_VERSION}-1_amd64")
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)

set(CPACK_DEBIAN_PACKAGE_RELEASE 1)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION devel)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS_PRIVATE_DIRS "${CMAKE_BINARY_DIR}/${CMAKE_INSTALL_LIBDIR}")
set(CPACK_DEBIAN_PACKAGE_GENERATE_SHLIBS ON)
set(CPACK_DEBIAN_PACKAGE_GENERATE_SHLIBS_POLICY "=")
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, fonts-dejavu-core")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "desktop-file-utils, shared-mime-info")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
# The ldconfig trigger for libbrantel, and the udev rule applied at once.
set(CPACK_DEBIAN_PACKAGE_CONTROL_EXTRA "${PROJECT_SOURCE_DIR}/packaging/deb/triggers"
    "${PROJECT_SOURCE_DIR}/packaging/deb/postinst" "${PROJECT_SOURCE_DIR}/packaging/deb/postrm")
# The Debian changelog beside the copyright file, and lintian's overrides.
set(CPACK_PRE_BUILD_SCRIPTS "${CMAKE_CURRENT_LIST_DIR}/DebianPackageFiles.cmake")
set(CPACK_VEXIL_LINTIAN_OVERRIDES "${PROJECT_SOURCE_DIR}/packaging/deb/lintian-overrides")

include(CPack)
