# SPDX-License-Identifier: GPL-3.0-or-later
# Read when cpack runs: the package's maintainer is who builds it, as Debian's own tools take it,
# unless the build was configured with VOREL_PACKAGE_MAINTAINER.
# DEBEMAIL may hold the whole "Name <address>", as Debian's tools also accept.
if(NOT CPACK_VOREL_MAINTAINER STREQUAL "")
    set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${CPACK_VOREL_MAINTAINER}")
elseif("$ENV{DEBEMAIL}" MATCHES "^[^<>]+ <[^<>]+>$")
    set(CPACK_DEBIAN_PACKAGE_MAINTAINER "$ENV{DEBEMAIL}")
elseif("$ENV{DEBFULLNAME}" STREQUAL "" OR "$ENV{DEBEMAIL}" STREQUAL "")
    message(FATAL_ERROR "Set DEBFULLNAME and DEBEMAIL to the package maintainer's name and address "
                        "(or configure with -DVOREL_PACKAGE_MAINTAINER=\"Name <address>\").")
else()
    set(CPACK_DEBIAN_PACKAGE_MAINTAINER "$ENV{DEBFULLNAME} <$ENV{DEBEMAIL}>")
endif()
set(CPACK_PACKAGE_CONTACT "${CPACK_DEBIAN_PACKAGE_MAINTAINER}")
# The archive's times: the release's date, unless the builder set one (Debian's SOURCE_DATE_EPOCH).
if("$ENV{SOURCE_DATE_EPOCH}" STREQUAL "")
    set(ENV{SOURCE_DATE_EPOCH} "${CPACK_VOREL_SOURCE_DATE_EPOCH}")
endif()
