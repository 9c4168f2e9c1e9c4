# Read by CPack as it builds a package. The Debian package's Depends are worked
# out by dpkg-shlibdeps; without it CPack would leave them out without a word.
if(CPACK_GENERATOR STREQUAL "DEB")
    find_program(MIREWALK_SHLIBDEPS dpkg-shlibdeps)
    if(NOT MIREWALK_SHLIBDEPS)
        message(FATAL_ERROR "The Debian package needs dpkg-shlibdeps (apt-get install dpkg-dev) "
                            "to work out its Depends")
    endif()
endif()

# Every time stamp in the package is the date of the latest release in the
# changelog, so two builds of the same sources give the same package.
file(STRINGS "${CMAKE_CURRENT_LIST_DIR}/changelog" trailer REGEX "^ -- .*>  " LIMIT_COUNT 1)
string(REGEX REPLACE "^ -- .*>  " "" released "${trailer}")
execute_process(COMMAND date -d "${released}" +%s OUTPUT_VARIABLE epoch
                OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
set(ENV{SOURCE_DATE_EPOCH} "${epoch}")
