cmake_minimum_required(VERSION 3.25)
# cmake -DPROGRAM=... -DDOCS_DIR=... -DLICENSE=... -DREAD_ME_IN=... -DVERSION=... -DSTAGE=... -DZIP=...
#       -P make_zip.cmake
# Lays out the package folder votrana-VERSION/ in STAGE and packs it into ZIP. The files get one fixed
# time, so the same inputs give the same archive.
set(folder votrana-${VERSION})
file(REMOVE_RECURSE ${STAGE})
file(MAKE_DIRECTORY ${STAGE}/${folder})

file(COPY_FILE ${PROGRAM} ${STAGE}/${folder}/VOTRA_95.EXE)
foreach(document IN ITEMS VOTRA_9E.PDF VOTRA_9J.PDF)
    if(NOT EXISTS ${DOCS_DIR}/${document})
        message(FATAL_ERROR "The readme ${DOCS_DIR}/${document} is missing")
    endif()
    file(COPY_FILE ${DOCS_DIR}/${document} ${STAGE}/${folder}/${document})
endforeach()
file(COPY_FILE ${LICENSE} ${STAGE}/${folder}/LICENSE)

# The read-me is for Windows: CRLF line ends.
set(PROJECT_VERSION ${VERSION})
configure_file(${READ_ME_IN} ${STAGE}/read-me.txt @ONLY)
file(READ ${STAGE}/read-me.txt text)
string(REPLACE "\n" "\r\n" text "${text}")
file(WRITE ${STAGE}/${folder}/READ-ME.TXT "${text}")
file(REMOVE ${STAGE}/read-me.txt)

file(REMOVE ${ZIP})
execute_process(
    COMMAND ${CMAKE_COMMAND} -E tar cf ${ZIP} --format=zip "--mtime=2026-01-01 00:00:00 UTC" ${folder}
    WORKING_DIRECTORY ${STAGE}
    RESULT_VARIABLE packed)
if(NOT packed EQUAL 0)
    message(FATAL_ERROR "Could not pack ${ZIP}")
endif()
