# Strips the program in a copy of the staged files of its debugging information, as the .deb's is, and gives every
# staged file and folder the same mode and time in every build of a commit, since the zip and
# the installer keep both: folders and the program 0755, other files 0644 (whatever the
# builder's umask), all dated by the commit's SOURCE_DATE_EPOCH, which strip also writes into
# the program's PE header in place of the time of day.
#   cmake -DSTAGE=folder -DEPOCH_FILE=source-date-epoch [-DSTRIP=strip -DPROGRAM=exe] -P date_stage.cmake
file(STRINGS "${EPOCH_FILE}" epoch LIMIT_COUNT 1)
set(ENV{SOURCE_DATE_EPOCH} ${epoch})
if(STRIP)
    execute_process(COMMAND ${STRIP} --strip-unneeded "${PROGRAM}" COMMAND_ERROR_IS_FATAL ANY)
endif()
execute_process(COMMAND chmod -R u=rwX,go=rX "${STAGE}" COMMAND_ERROR_IS_FATAL ANY)
execute_process(COMMAND find "${STAGE}" -exec touch -h -d @${epoch} {} +
                COMMAND_ERROR_IS_FATAL ANY)
