# votrana_add_unit_test(name source... [LIBS library...])
# A GoogleTest executable linked to the engine (and to LIBS), whose tests are registered with CTest;
# in a cross build the whole program is one test, run through CMAKE_CROSSCOMPILING_EMULATOR.
function(votrana_add_unit_test name)
    cmake_parse_arguments(PARSE_ARGV 1 arg "" "" "LIBS")
    if(NOT arg_UNPARSED_ARGUMENTS)
        message(FATAL_ERROR "votrana_add_unit_test(${name}): no sources given")
    endif()
    add_executable(${name} ${arg_UNPARSED_ARGUMENTS})
    target_link_libraries(${name} PRIVATE votrana_engine ${arg_LIBS} GTest::gtest_main)
    votrana_warnings(${name})
    if(CMAKE_CROSSCOMPILING)
        # One test a program: each start under the emulator (Wine) costs about a second.
        add_test(NAME ${name} COMMAND ${name} --gtest_brief=1)
    else()
        # Listing the tests runs the executable, which is slow under the sanitizers.
        gtest_discover_tests(${name} DISCOVERY_TIMEOUT 120)
    endif()
endfunction()
