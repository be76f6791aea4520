# cmake -DSOURCE_DIR=... -DTARGET_DIR=... -DFILES=a;b -P copy_if_present.cmake
# Copies each of FILES that exists in SOURCE_DIR into TARGET_DIR; the others are skipped.
foreach(file IN LISTS FILES)
    if(EXISTS ${SOURCE_DIR}/${file})
        file(MAKE_DIRECTORY ${TARGET_DIR})
        file(COPY_FILE ${SOURCE_DIR}/${file} ${TARGET_DIR}/${file} ONLY_IF_DIFFERENT)
    endif()
endforeach()
