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
# The tray module is Sentari's own business: a private folder, not the library folder.
set(SENTARI_MODULE_DIR ${CMAKE_INSTALL_LIBDIR}/sentari)
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
sentari_relative(SENTARI_BIN_TO_MODULE ${CMAKE_INSTALL_BINDIR} ${SENTARI_MODULE_DIR})
sentari_relative(SENTARI_BIN_TO_DATA ${CMAKE_INSTALL_BINDIR} ${SENTARI_DATA_DIR})
sentari_relative(SENTARI_SAVER_TO_DATA ${SENTARI_SAVER_DIR} ${SENTARI_DATA_DIR})
sentari_relative(SENTARI_BIN_TO_SAVER ${CMAKE_INSTALL_BINDIR} ${SENTARI_SAVER_DIR}/sentarisaver)

# Installed in the system's library folder (as the package is), the programs need no run
# path: one makes the loader look there first for every library, the C++ runtime included.
# Elsewhere (a home folder, /usr/local) they look in the library folder relative to their
# own, and the build tree links with that same run path, its "$ORIGIN" finding the libraries
# beside the programs. (Rewriting the run path at install time would leave it with an empty
# entry, which makes the loader search the current folder.)
set(CMAKE_INSTALL_RPATH "")
set(system_libdirs ${CMAKE_PLATFORM_IMPLICIT_LINK_DIRECTORIES} ${CMAKE_CXX_IMPLICIT_LINK_DIRECTORIES})
list(FIND system_libdirs ${CMAKE_INSTALL_FULL_LIBDIR} libdir_is_system)
if(libdir_is_system EQUAL -1)
    sentari_relative(bin_to_lib ${CMAKE_INSTALL_BINDIR} ${CMAKE_INSTALL_LIBDIR})
    sentari_relative(saver_to_lib ${SENTARI_SAVER_DIR} ${CMAKE_INSTALL_LIBDIR})
    sentari_relative(module_to_lib ${SENTARI_MODULE_DIR} ${CMAKE_INSTALL_LIBDIR})
    set(CMAKE_BUILD_WITH_INSTALL_RPATH ON)
    set(CMAKE_INSTALL_RPATH "\$ORIGIN:\$ORIGIN/${bin_to_lib}")
    set(SENTARI_SAVER_RPATH "\$ORIGIN:\$ORIGIN/${saver_to_lib}")
    set(SENTARI_MODULE_RPATH "\$ORIGIN:\$ORIGIN/${module_to_lib}")
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
