# SPDX-License-Identifier: GPL-3.0-or-later
# Run by cpack once the files are staged, before they are packed: every folder readable by all,
# whatever the builder's umask (077 would give 0700 folders, and the help could not be read).
file(GLOB_RECURSE staged LIST_DIRECTORIES true "${CPACK_TEMPORARY_INSTALL_DIRECTORY}/*")
foreach(entry IN LISTS staged ITEMS "${CPACK_TEMPORARY_INSTALL_DIRECTORY}")
    if(IS_DIRECTORY "${entry}" AND NOT IS_SYMLINK "${entry}")
        file(CHMOD "${entry}" DIRECTORY_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ
             GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
    endif()
endforeach()
