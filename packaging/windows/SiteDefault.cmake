# Run by cpack on the installer's files before it packs them: the installed
# program's SERVER.INI is each user's own under %APPDATA%, made from this site
# default, which marks the copy as installed.
file(RENAME ${CPACK_TEMPORARY_DIRECTORY}/SERVER.INI ${CPACK_TEMPORARY_DIRECTORY}/SERVER-DEFAULT.INI)
