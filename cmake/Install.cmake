# `cmake --install <build>` puts the bundle, as built, into the program's own
# folder, with a command on the PATH, a desktop entry and its icon;
# `cmake --build <build> --target uninstall` takes them away again.
include(GNUInstallDirs)

set(ZI_COMMAND_NAME "zazudedid-idarero")
set(ZI_INSTALL_APPDIR "lib/${ZI_COMMAND_NAME}")
set(ZI_INSTALL_BUNDLE "${ZI_INSTALL_APPDIR}/${ZI_BUNDLE_NAME}.app")

# The program finds Contents/Resources beside its Contents/MacOS folder.
install(TARGETS ZazudedidIdarero RUNTIME DESTINATION "${ZI_INSTALL_BUNDLE}/Contents/MacOS")
install(FILES "${ZI_BUNDLE_DIR}/Contents/Info.plist" DESTINATION "${ZI_INSTALL_BUNDLE}/Contents")
install(DIRECTORY "${ZI_BUNDLE_DIR}/Contents/Resources" DESTINATION "${ZI_INSTALL_BUNDLE}/Contents")

# A relative symbolic link: it holds under any prefix and DESTDIR, and the
# program still finds its bundle, since /proc/self/exe names the link's target.
file(RELATIVE_PATH ZI_LAUNCHER_TARGET "/p/${CMAKE_INSTALL_BINDIR}"
     "/p/${ZI_INSTALL_BUNDLE}/Contents/MacOS/${ZI_BUNDLE_NAME}")
set(ZI_LAUNCHER "${CMAKE_BINARY_DIR}/packaging/${ZI_COMMAND_NAME}")
file(MAKE_DIRECTORY "${CMAKE_BINARY_DIR}/packaging")
file(CREATE_LINK "${ZI_LAUNCHER_TARGET}" "${ZI_LAUNCHER}" SYMBOLIC)
install(FILES "${ZI_LAUNCHER}" DESTINATION "${CMAKE_INSTALL_BINDIR}")

install(FILES "${CMAKE_SOURCE_DIR}/packaging/${ZI_COMMAND_NAME}.desktop"
        DESTINATION "${CMAKE_INSTALL_DATADIR}/applications")
install(FILES "${ZI_BUNDLE_DIR}/Contents/Resources/48.png"
        DESTINATION "${CMAKE_INSTALL_DATADIR}/icons/hicolor/48x48/apps"
        RENAME "${ZI_COMMAND_NAME}.png")

add_custom_target(uninstall
  COMMAND "${CMAKE_COMMAND}" "-DMANIFEST=${CMAKE_BINARY_DIR}/install_manifest.txt"
          "-DAPP_DIR=${ZI_INSTALL_APPDIR}" -P "${CMAKE_SOURCE_DIR}/packaging/uninstall.cmake"
  COMMENT "Removing the files listed in install_manifest.txt"
  VERBATIM)
