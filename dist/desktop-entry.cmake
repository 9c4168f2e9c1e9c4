# Included at install time with `program`, the installed program's path, and
# `entry`, the desktop entry to write. Exec holds the path as one argument in
# double quotes, which work for any path: inside them ", `, $ and \ take a
# backslash; then, as in every string of the entry, each backslash is doubled;
# and a % is doubled to stay a %.
string(REGEX REPLACE "([\"`$\\])" "\\\\\\1" exec "${program}")
string(REPLACE "\\" "\\\\" exec "${exec}")
string(REPLACE "%" "%%" exec "${exec}")
set(MIREWALK_EXEC "\"${exec}\"")
# GLib looks for the program before it turns %% back into %: a path with a %
# is started through env, which it finds.
if(program MATCHES "%")
    set(MIREWALK_EXEC "env ${MIREWALK_EXEC}")
endif()
configure_file("${CMAKE_CURRENT_LIST_DIR}/org.example.mirewalk.desktop.in" "${entry}" @ONLY)
message(STATUS "Installing: ${entry}")
