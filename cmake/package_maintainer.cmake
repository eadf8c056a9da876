# SPDX-License-Identifier: GPL-3.0-or-later
# Read when cpack runs: the package's maintainer is who builds it, as Debian's own tools take it.
if("$ENV{DEBFULLNAME}" STREQUAL "" OR "$ENV{DEBEMAIL}" STREQUAL "")
    message(FATAL_ERROR "Set DEBFULLNAME and DEBEMAIL to the package maintainer's name and address.")
endif()
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "$ENV{DEBFULLNAME} <$ENV{DEBEMAIL}>")
set(CPACK_PACKAGE_CONTACT "${CPACK_DEBIAN_PACKAGE_MAINTAINER}")
