# Run by CPack once it has made the package: the package is made again from the
# same contents by dpkg-deb, as Debian's own packages are. CPack's archives follow
# the builder more than they should: its Installed-Size counts a folder as the
# bytes the build's file system gives it (dpkg counts 1 KiB), its members take the
# builder's umask, and its tar headers differ from one build folder to another.
# dpkg-deb writes the same bytes from any folder, umask and clock (its times come
# from SOURCE_DATE_EPOCH, which tools/package sets).
foreach(deb IN LISTS CPACK_PACKAGE_FILES)
    set(tree "${deb}.tree")
    file(REMOVE_RECURSE "${tree}")
    execute_process(COMMAND dpkg-deb --raw-extract "${deb}" "${tree}" COMMAND_ERROR_IS_FATAL ANY)
    # dpkg's rule: a file counts its size in KiB rounded up, anything else 1 KiB,
    # the package's top folder included.
    set(size 1)
    file(GLOB_RECURSE entries LIST_DIRECTORIES true "${tree}/*")
    foreach(entry IN LISTS entries)
        file(RELATIVE_PATH name "${tree}" "${entry}")
        if(name MATCHES "^DEBIAN(/|$)")
            continue()
        elseif(IS_DIRECTORY "${entry}" OR IS_SYMLINK "${entry}")
            math(EXPR size "${size} + 1")
        else()
            file(SIZE "${entry}" bytes)
            math(EXPR size "${size} + (${bytes} + 1023) / 1024")
        endif()
    endforeach()
    file(READ "${tree}/DEBIAN/control" control)
    string(REGEX REPLACE "Installed-Size: [0-9]+" "Installed-Size: ${size}" control "${control}")
    file(WRITE "${tree}/DEBIAN/control" "${control}")
    execute_process(COMMAND dpkg-deb --root-owner-group --build "${tree}" "${deb}" OUTPUT_QUIET
                    COMMAND_ERROR_IS_FATAL ANY)
    file(REMOVE_RECURSE "${tree}")
endforeach()
