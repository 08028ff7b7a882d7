# SPDX-License-Identifier: GPL-3.0-or-later
# Runs inside `cpack -G DEB` once the files are staged, for what only the package
# has: its changelog, compressed without a name or a time stamp as Debian wants it
# (SOURCE_DATE_EPOCH, when set, dates the entry, so the package can be rebuilt byte
# for byte), and lintian's overrides.
set(usr "${CPACK_TEMPORARY_INSTALL_DIRECTORY}${CPACK_PACKAGING_INSTALL_PREFIX}")

string(TIMESTAMP when "%a, %d %b %Y %H:%M:%S +0000" UTC)
file(WRITE "${usr}/share/doc/vexil/changelog.Debian"
     "vexil (${CPACK_PACKAGE_VERSION}-${CPACK_DEBIAN_PACKAGE_RELEASE}) unstable; urgency=medium

  * Release ${CPACK_PACKAGE_VERSION}.

 -- ${CPACK_PACKAGE_CONTACT}  ${when}
")
execute_process(COMMAND gzip -9nf "${usr}/share/doc/vexil/changelog.Debian"
                COMMAND_ERROR_IS_FATAL ANY)

file(MAKE_DIRECTORY "${usr}/share/lintian/overrides")
file(COPY_FILE "${CPACK_VEXIL_LINTIAN_OVERRIDES}" "${usr}/share/lintian/overrides/vexil")
