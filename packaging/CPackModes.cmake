# SPDX-FileCopyrightText: The Tunewell authors
# SPDX-License-Identifier: MIT

# Run by cpack just before it packs the installed files and again just after, so that the
# packages have the same bytes whatever the umask of whoever makes them.
if(NOT DEFINED CPACK_PACKAGE_FILES)
    # Before: mkdir takes the umask's bits away from the folders the installation made, which are
    # rwxr-xr-x in a package, as every system folder is.
    file(GLOB_RECURSE staged LIST_DIRECTORIES true "${CPACK_TEMPORARY_DIRECTORY}/*")
    foreach(path IN LISTS staged)
        if(IS_DIRECTORY "${path}" AND NOT IS_SYMLINK "${path}")
            file(CHMOD "${path}" PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE
                                             GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
        endif()
    endforeach()
    return()
endif()

# After: a Debian package is an ar archive of three members, whose headers cpack fills with the
# modes that the umask gave its temporary files. dpkg-deb always writes 100644, and so does this.
# Each header is 60 characters, the mode 8 of them from the 40th, the size 10 from the 48th.
foreach(package IN LISTS CPACK_PACKAGE_FILES)
    if(NOT package MATCHES "\\.deb$")
        continue()
    endif()
    file(SIZE "${package}" end)
    set(header 8) # after the archive's "!<arch>\n"
    while(header LESS end)
        math(EXPR mode_at "${header} + 40")
        math(EXPR size_at "${header} + 48")
        file(READ "${package}" size OFFSET ${size_at} LIMIT 10)
        string(STRIP "${size}" size)
        execute_process(COMMAND printf "100644  "
                        COMMAND dd "of=${package}" bs=1 seek=${mode_at} conv=notrunc status=none
                        COMMAND_ERROR_IS_FATAL ANY)
        # Members start at even offsets.
        math(EXPR header "${header} + 60 + ${size} + ${size} % 2")
    endwhile()
endforeach()
