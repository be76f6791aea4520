# Instrumentation applied to every target: VOTRANA_SANITIZE and VOTRANA_TSAN for the sanitizer test
# builds, VOTRANA_FUZZ so that libFuzzer sees coverage of the engine, not only of the fuzz targets.
if(VOTRANA_SANITIZE)
    if(MSVC)
        add_compile_options(/fsanitize=address)
    else()
        add_compile_options(-fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=all)
        add_link_options(-fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=all)
    endif()
endif()

if(VOTRANA_TSAN)
    add_compile_options(-fsanitize=thread -fno-omit-frame-pointer)
    add_link_options(-fsanitize=thread)
endif()

if(VOTRANA_FUZZ)
    if(NOT CMAKE_CXX_COMPILER_ID MATCHES "Clang" OR MSVC)
        message(FATAL_ERROR "VOTRANA_FUZZ needs clang (libFuzzer); configure with the 'fuzz' preset")
    endif()
    add_compile_options(-fsanitize=fuzzer-no-link,address,undefined -fno-omit-frame-pointer
                        -fno-sanitize-recover=all)
    add_link_options(-fsanitize=address,undefined)
endif()
