# Run by CPack on the finished package. CPack gives a package with a shared library
# postinst and postrm scripts that only call ldconfig; Debian asks for the dpkg trigger
# instead (packaging/triggers), so the package is packed again without them.
foreach(deb IN LISTS CPACK_PACKAGE_FILES)
    set(tree ${deb}.tree)
    file(REMOVE_RECURSE ${tree})
    execute_process(COMMAND dpkg-deb -R ${deb} ${tree} COMMAND_ERROR_IS_FATAL ANY)
    foreach(script postinst postrm)
        set(file ${tree}/DEBIAN/${script})
        if(EXISTS ${file})
            file(STRINGS ${file} lines)
            list(FILTER lines EXCLUDE REGEX "^(#!/bin/sh|[ \t]*|set -e|if .*; then|fi|[ \t]*ldconfig)$")
            if(NOT lines)
                file(REMOVE ${file})
            endif()
        endif()
    endforeach()
    execute_process(COMMAND dpkg-deb --root-owner-group -b ${tree} ${deb}
                    OUTPUT_QUIET COMMAND_ERROR_IS_FATAL ANY)
    file(REMOVE_RECURSE ${tree})
endforeach()
