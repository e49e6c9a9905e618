# Writes the portable archive. Run with cmake -P:
#   -DPROGRAM=<orvendel.exe, stripped> -DVERSION=<version> -DTEXTS=<resources/package>
#   -DSTAGE=<scratch folder> -DARCHIVE=<Orvendel-<version>-win64.zip>
# The archive holds one folder, Orvendel-<version>, so that unpacking it
# anywhere gives the program a folder of its own. The texts get Windows line
# ends, which every Windows editor shows as lines.
set(folder_name Orvendel-${VERSION})
set(folder ${STAGE}/${folder_name})
file(REMOVE_RECURSE ${STAGE})
file(MAKE_DIRECTORY ${folder})
file(COPY_FILE ${PROGRAM} ${folder}/orvendel.exe)
set(ORVENDEL_VERSION ${VERSION})
configure_file(${TEXTS}/read-me.txt.in ${folder}/read-me.txt @ONLY NEWLINE_STYLE CRLF)
configure_file(${TEXTS}/licence.txt ${folder}/licence.txt @ONLY NEWLINE_STYLE CRLF)
file(REMOVE ${ARCHIVE})
execute_process(COMMAND ${CMAKE_COMMAND} -E tar cf ${ARCHIVE} --format=zip ${folder_name}
  WORKING_DIRECTORY ${STAGE} RESULT_VARIABLE packed)
if(NOT packed EQUAL 0)
  message(FATAL_ERROR "The archive ${ARCHIVE} could not be written")
endif()
