# Gives every staged file and folder the same mode and time in every build of a commit, since
# the zip and the installer keep both: folders and the program 0755, other files 0644 (whatever
# the builder's umask), all dated by the commit's SOURCE_DATE_EPOCH.
#   cmake -DSTAGE=folder -DEPOCH_FILE=source-date-epoch -P date_stage.cmake
file(STRINGS "${EPOCH_FILE}" epoch LIMIT_COUNT 1)
execute_process(COMMAND chmod -R u=rwX,go=rX,a-s "${STAGE}" COMMAND_ERROR_IS_FATAL ANY)
execute_process(COMMAND find "${STAGE}" -exec touch -h -d @${epoch} {} +
                COMMAND_ERROR_IS_FATAL ANY)
