# Prepares a copy of the staged files for packing, the same in every build of a commit: strips
# the program of its debugging information (as the .deb's is), with the commit's date in its PE
# header (strip writes SOURCE_DATE_EPOCH there, else the time of day); makes folders and the
# program 0755 and other files 0644, whatever the builder's umask; and dates every file and folder
# by the commit, since the zip and the installer keep modes and times.
#   cmake -DSTAGE=folder -DEPOCH_FILE=source-date-epoch [-DSTRIP=strip -DPROGRAM=exe] -P date_stage.cmake
file(STRINGS "${EPOCH_FILE}" epoch LIMIT_COUNT 1)
set(ENV{SOURCE_DATE_EPOCH} ${epoch})
if(STRIP)
    execute_process(COMMAND ${STRIP} --strip-unneeded "${PROGRAM}" COMMAND_ERROR_IS_FATAL ANY)
endif()
execute_process(COMMAND chmod -R u=rwX,go=rX "${STAGE}" COMMAND_ERROR_IS_FATAL ANY)
execute_process(COMMAND find "${STAGE}" -exec touch -h -d @${epoch} {} +
                COMMAND_ERROR_IS_FATAL ANY)
