# The version of project() for the program's resources: res/version.h.in becomes votrana_version.h
# in VOTRANA_GENERATED_RES_DIR, which the .rc includes. Its numbers drop leading zeros (1.04 -> 1, 4, 0, 0).
set(VOTRANA_GENERATED_RES_DIR ${PROJECT_BINARY_DIR}/res)
set(votrana_version_numbers "")
foreach(part IN ITEMS MAJOR MINOR PATCH TWEAK)
    set(number "${PROJECT_VERSION_${part}}")
    if(number STREQUAL "")
        set(number 0)
    endif()
    math(EXPR number "${number}")
    list(APPEND votrana_version_numbers ${number})
endforeach()
list(JOIN votrana_version_numbers ", " votrana_version_numbers)
configure_file(${PROJECT_SOURCE_DIR}/res/version.h.in ${VOTRANA_GENERATED_RES_DIR}/votrana_version.h @ONLY)
