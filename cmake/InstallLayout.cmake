# Where things go, in the build tree and once installed.

include(GNUInstallDirs)

# Everything the programs need at run time sits in one folder of the build tree, so the
# build runs exactly like an installation.
set(SENTARI_STAGE_DIR ${CMAKE_BINARY_DIR}/bin)
set(CMAKE_RUNTIME_OUTPUT_DIRECTORY ${SENTARI_STAGE_DIR})
set(CMAKE_LIBRARY_OUTPUT_DIRECTORY ${SENTARI_STAGE_DIR})
add_link_options(-Wl,--as-needed)

# xscreensaver runs its screen savers from its own folder; a link in bin puts the saver on
# the PATH as well.
set(SENTARI_SAVER_DIR ${CMAKE_INSTALL_LIBEXECDIR}/xscreensaver)
# The tray module and the store library are Sentari's own business: a private folder, not
# the library folder.
set(SENTARI_PRIVATE_DIR ${CMAKE_INSTALL_LIBDIR}/sentari)
set(SENTARI_DATA_DIR ${CMAKE_INSTALL_DATADIR}/sentari)
# The login autostart entry: /etc/xdg/autostart for /usr (the package), else under the
# prefix, so that `cmake --install --prefix` never writes outside it.
string(FIND "${CMAKE_INSTALL_FULL_SYSCONFDIR}" "${CMAKE_INSTALL_PREFIX}/" sysconf_in_prefix)
if(sysconf_in_prefix EQUAL 0)
    set(SENTARI_AUTOSTART_DIR ${CMAKE_INSTALL_SYSCONFDIR}/xdg/autostart)
else()
    set(SENTARI_AUTOSTART_DIR ${CMAKE_INSTALL_FULL_SYSCONFDIR}/xdg/autostart)
endif()

# Programs find each other and the data relative to their own folder, so an installation
# works under any prefix.
function(sentari_relative var from to)
    file(RELATIVE_PATH rel ${CMAKE_INSTALL_PREFIX}/${from} ${CMAKE_INSTALL_PREFIX}/${to})
    set(${var} ${rel} PARENT_SCOPE)
endfunction()
sentari_relative(SENTARI_BIN_TO_MODULE ${CMAKE_INSTALL_BINDIR} ${SENTARI_PRIVATE_DIR})
sentari_relative(SENTARI_BIN_TO_DATA ${CMAKE_INSTALL_BINDIR} ${SENTARI_DATA_DIR})
sentari_relative(SENTARI_SAVER_TO_DATA ${SENTARI_SAVER_DIR} ${SENTARI_DATA_DIR})
sentari_relative(SENTARI_BIN_TO_SAVER ${CMAKE_INSTALL_BINDIR} ${SENTARI_SAVER_DIR}/sentarisaver)

# The installed programs find the store library in the private folder by a run path
# relative to their own folder, so an installation works under any prefix. The build tree
# keeps everything in bin/: a tree for the system's folders (the package's) links with its
# own run path, which CMake replaces with the private folder alone at install time, but
# then ends the build tree's with an empty entry, which makes the loader search the current
# folder; every other tree links with "$ORIGIN" ahead of the installed run path and
# installs it unchanged.
sentari_relative(bin_to_private ${CMAKE_INSTALL_BINDIR} ${SENTARI_PRIVATE_DIR})
sentari_relative(saver_to_private ${SENTARI_SAVER_DIR} ${SENTARI_PRIVATE_DIR})
set(CMAKE_INSTALL_RPATH "\$ORIGIN/${bin_to_private}")
set(SENTARI_SAVER_RPATH "\$ORIGIN/${saver_to_private}")
set(SENTARI_MODULE_RPATH "\$ORIGIN")
set(system_libdirs ${CMAKE_PLATFORM_IMPLICIT_LINK_DIRECTORIES} ${CMAKE_CXX_IMPLICIT_LINK_DIRECTORIES})
list(FIND system_libdirs ${CMAKE_INSTALL_FULL_LIBDIR} libdir_is_system)
if(libdir_is_system EQUAL -1)
    set(CMAKE_BUILD_WITH_INSTALL_RPATH ON)
    set(CMAKE_INSTALL_RPATH "\$ORIGIN:${CMAKE_INSTALL_RPATH}")
    set(SENTARI_SAVER_RPATH "\$ORIGIN:${SENTARI_SAVER_RPATH}")
endif()

# The version and the layout for the code: sentari/buildinfo.h.
set(SENTARI_BUILD_TYPE_TEXT "${CMAKE_BUILD_TYPE}")
if(NOT SENTARI_BUILD_TYPE_TEXT)
    set(SENTARI_BUILD_TYPE_TEXT "no build type")
endif()
configure_file(${CMAKE_CURRENT_LIST_DIR}/buildinfo.h.in
               ${CMAKE_BINARY_DIR}/generated/sentari/buildinfo.h @ONLY)
add_library(sentari_buildinfo INTERFACE)
target_include_directories(sentari_buildinfo INTERFACE ${CMAKE_BINARY_DIR}/generated)
