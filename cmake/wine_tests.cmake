# Tests of the window program under Wine (cross builds on Linux; see tools/wine/).
#
# votrana_add_gui_test(name DRIVER target [ARGS argument...])
#   Runs the driver program `target` through tools/wine/gui-test.sh: under Wine, on the display that
#   is set or else inside Xvfb, in build/.../gui/<name>/ (where its screenshot requests go to shots/).
#   The tests of this kind run one at a time and alone, since they share one Wine prefix and the
#   end of each stops every Wine program in it.
function(votrana_add_gui_test name)
    cmake_parse_arguments(PARSE_ARGV 1 arg "" "DRIVER" "ARGS")
    if(NOT arg_DRIVER)
        message(FATAL_ERROR "votrana_add_gui_test(${name}): no DRIVER given")
    endif()
    set(folder ${CMAKE_BINARY_DIR}/gui/${name})
    file(MAKE_DIRECTORY ${folder})
    add_test(NAME ${name}
        COMMAND ${PROJECT_SOURCE_DIR}/tools/wine/gui-test.sh $<TARGET_FILE:${arg_DRIVER}> ${arg_ARGS}
        WORKING_DIRECTORY ${folder})
    set_tests_properties(${name} PROPERTIES RUN_SERIAL TRUE TIMEOUT 600)
endfunction()
