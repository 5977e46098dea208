# Run by CPack once the package's files are staged, to finish them as Debian's own
# tools would: programs and modules stripped of what only a debugger or a compiler's
# signature needs, and the changelog signed by the package's maintainer, known for
# sure only now (cpack -D CPACK_PACKAGE_CONTACT=... may set it), compressed with no
# time stamp.
set(root "${CPACK_TEMPORARY_DIRECTORY}${CPACK_PACKAGING_INSTALL_PREFIX}")
# CPack makes the staged folders with the builder's umask: readable by all instead.
file(CHMOD_RECURSE "${CPACK_TEMPORARY_DIRECTORY}" DIRECTORY_PERMISSIONS
     OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
file(GLOB_RECURSE files LIST_DIRECTORIES false "${root}/games/*" "${root}/lib/*.so")
foreach(file IN LISTS files)
    execute_process(COMMAND strip --remove-section=.comment --remove-section=.note --strip-unneeded
                            ${file} COMMAND_ERROR_IS_FATAL ANY)
endforeach()

set(maintainer "${CPACK_DEBIAN_PACKAGE_MAINTAINER}")
if(NOT maintainer)
    set(maintainer "${CPACK_PACKAGE_CONTACT}")
endif()
set(doc "${root}/share/doc/${CPACK_PACKAGE_NAME}")
configure_file(${CMAKE_CURRENT_LIST_DIR}/changelog.in ${doc}/changelog @ONLY NO_SOURCE_PERMISSIONS)
execute_process(COMMAND gzip -9nf ${doc}/changelog COMMAND_ERROR_IS_FATAL ANY)
