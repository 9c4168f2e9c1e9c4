# Read by CPack as it builds a package. The Debian package's Depends are worked
# out by dpkg-shlibdeps; without it CPack would leave them out without a word.
if(CPACK_GENERATOR STREQUAL "DEB")
    find_program(MIREWALK_SHLIBDEPS dpkg-shlibdeps)
    if(NOT MIREWALK_SHLIBDEPS)
        message(FATAL_ERROR "The Debian package needs dpkg-shlibdeps (apt-get install dpkg-dev) "
                            "to work out its Depends")
    endif()
endif()
