cmake_minimum_required(VERSION 3.25)
# cmake -DBUILD_DIR=... -DPREFIX=... -DVERSION=... -P check_install.cmake
# Installs the build into an empty PREFIX and checks what a user gets: the tool, which runs, and the
# guides, license and manual pages beside it.
file(REMOVE_RECURSE ${PREFIX})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${PREFIX}
                RESULT_VARIABLE installed OUTPUT_QUIET)
if(NOT installed EQUAL 0)
    message(FATAL_ERROR "cmake --install failed")
endif()
foreach(file IN ITEMS bin/votrana share/doc/votrana/VOTRA_9E.PDF share/doc/votrana/VOTRA_9J.PDF
                      share/doc/votrana/LICENSE share/man/man1/votrana.1 share/man/ja/man1/votrana.1)
    if(NOT EXISTS ${PREFIX}/${file})
        message(FATAL_ERROR "${file} was not installed")
    endif()
endforeach()
execute_process(COMMAND ${PREFIX}/bin/votrana --version OUTPUT_VARIABLE said RESULT_VARIABLE ran)
if(NOT ran EQUAL 0 OR NOT said MATCHES "${VERSION}")
    message(FATAL_ERROR "the installed votrana --version said '${said}' (exit ${ran})")
endif()
