# SPDX-FileCopyrightText: The Tunewell authors
# SPDX-License-Identifier: MIT

# Run by the build in the build folder: gives every file and folder of the installed program,
# FOLDER, the date EPOCH and the same modes under any umask, then zips it into ZIP in name
# order, with no owners and no times but that one (in UTC): the same folder always makes the
# same zip. The setup program, made next, keeps the same dates.
file(GLOB_RECURSE entries LIST_DIRECTORIES true RELATIVE ${CMAKE_CURRENT_BINARY_DIR}
     ${CMAKE_CURRENT_BINARY_DIR}/${FOLDER}/*)
list(APPEND entries ${FOLDER})
list(SORT entries)
execute_process(COMMAND chmod -R u=rwX,go=rX ${FOLDER} COMMAND_ERROR_IS_FATAL ANY)
execute_process(COMMAND touch -h -d @${EPOCH} ${entries} COMMAND_ERROR_IS_FATAL ANY)
file(REMOVE ${ZIP})
execute_process(COMMAND ${CMAKE_COMMAND} -E env TZ=UTC zip -X -nw -q ${ZIP} ${entries}
                COMMAND_ERROR_IS_FATAL ANY)
