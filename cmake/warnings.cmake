# votrana_warnings(target): the project's warning level for one target, for GCC, Clang and MSVC.
function(votrana_warnings target)
    # Only for the compilers: a target's resource script goes to the resource compiler.
    set(compilers $<COMPILE_LANGUAGE:C,CXX>)
    if(MSVC)
        target_compile_options(${target} PRIVATE $<${compilers}:/W4> $<${compilers}:/permissive->)
        if(VOTRANA_WERROR)
            target_compile_options(${target} PRIVATE $<${compilers}:/WX>)
        endif()
    elseif(CMAKE_CXX_COMPILER_ID MATCHES "GNU|Clang")
        target_compile_options(${target} PRIVATE
            $<${compilers}:-Wall> $<${compilers}:-Wextra> $<${compilers}:-Wpedantic>)
        if(VOTRANA_WERROR)
            target_compile_options(${target} PRIVATE $<${compilers}:-Werror>)
        endif()
    endif()
endfunction()
