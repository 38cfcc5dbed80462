# Run by cpack once the package is built. CPack gives every package with a
# library below usr/lib a postinst and a postrm that run ldconfig, ours too,
# although they live in lib/ambermox, a folder ldconfig never reads and that
# the program loads them from by path. The package is packed again without
# those two scripts; it has no others.
foreach(deb IN LISTS CPACK_PACKAGE_FILES)
    set(root ${deb}.unpacked)
    file(REMOVE_RECURSE ${root})
    execute_process(COMMAND dpkg-deb --raw-extract ${deb} ${root} COMMAND_ERROR_IS_FATAL ANY)
    foreach(script postinst postrm)
        if(EXISTS ${root}/DEBIAN/${script})
            file(READ ${root}/DEBIAN/${script} text)
            string(REGEX REPLACE "[^\n]*ldconfig[^\n]*\n" "" rest "${text}")
            string(REGEX REPLACE "\n\n+" "\n" rest "${rest}")
            if(NOT rest MATCHES "^#!/bin/sh\nset -e\nif [^\n]*; then\nfi\n*$")
                message(FATAL_ERROR "${script} does more than run ldconfig:\n${text}")
            endif()
            file(REMOVE ${root}/DEBIAN/${script})
        endif()
    endforeach()
    execute_process(COMMAND dpkg-deb --root-owner-group --build ${root} ${deb}
        OUTPUT_QUIET COMMAND_ERROR_IS_FATAL ANY)
    file(REMOVE_RECURSE ${root})
endforeach()
