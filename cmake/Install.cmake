# `cmake --install <build>` puts the bundle, as built, into the program's own
# folder, with a command on the PATH, a desktop entry, its icons, AppStream
# metadata and the documents a package carries;
# `cmake --build <build> --target uninstall` takes them away again.
include(GNUInstallDirs)

set(ZI_COMMAND_NAME "zazudedid-idarero")
set(ZI_APPSTREAM_ID "com.example.ZazudedidIdarero")
set(ZI_INSTALL_APPDIR "lib/${ZI_COMMAND_NAME}")
set(ZI_INSTALL_BUNDLE "${ZI_INSTALL_APPDIR}/${ZI_BUNDLE_NAME}.app")
set(ZI_INSTALL_DOCDIR "${CMAKE_INSTALL_DATADIR}/doc/${ZI_COMMAND_NAME}")
set(ZI_INSTALL_ICONS "${CMAKE_INSTALL_DATADIR}/icons/hicolor")

# Every folder that a rule below installs into; the first install step notes
# which of them (and their parents) do not exist yet, for uninstall.
set(ZI_DESTINATIONS
  "${ZI_INSTALL_BUNDLE}/Contents/MacOS" "${ZI_INSTALL_BUNDLE}/Contents/Resources"
  "${CMAKE_INSTALL_BINDIR}" "${CMAKE_INSTALL_DATADIR}/applications"
  "${CMAKE_INSTALL_DATADIR}/metainfo" "${ZI_INSTALL_DOCDIR}")
foreach(size ${ZI_ICON_SIZES} 48)
  list(APPEND ZI_DESTINATIONS "${ZI_INSTALL_ICONS}/${size}x${size}/apps")
endforeach()
set(ZI_FOLDERS_RECORD "${CMAKE_BINARY_DIR}/install_folders.txt")
install(CODE "set(ZI_FOLDERS_RECORD \"${ZI_FOLDERS_RECORD}\")
set(ZI_DESTINATIONS \"${ZI_DESTINATIONS}\")
include(\"${CMAKE_SOURCE_DIR}/packaging/record-folders.cmake\")")

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
install(FILES "${CMAKE_SOURCE_DIR}/packaging/${ZI_APPSTREAM_ID}.metainfo.xml"
        DESTINATION "${CMAKE_INSTALL_DATADIR}/metainfo")
install(FILES "${ZI_BUNDLE_DIR}/Contents/Resources/48.png"
        DESTINATION "${ZI_INSTALL_ICONS}/48x48/apps"
        RENAME "${ZI_COMMAND_NAME}.png")
foreach(size ${ZI_ICON_SIZES})
  install(FILES "${ZI_ICON_DIR}/${size}.png"
          DESTINATION "${ZI_INSTALL_ICONS}/${size}x${size}/apps"
          RENAME "${ZI_COMMAND_NAME}.png")
endforeach()

# The copyright file carries the About window's line, read from the one
# place the program takes it from.
file(STRINGS "${CMAKE_SOURCE_DIR}/common/SharedTexts.h" ZI_COPYRIGHT_LINE
     REGEX "CopyrightLine = \"")
string(REGEX REPLACE ".*CopyrightLine = \"([^\"]*)\".*" "\\1" ZI_COPYRIGHT_LINE
       "${ZI_COPYRIGHT_LINE}")
string(REPLACE "\\u00a9" "©" ZI_COPYRIGHT_LINE "${ZI_COPYRIGHT_LINE}")
if(NOT ZI_COPYRIGHT_LINE MATCHES "^Copyright © (.+)$")
  message(FATAL_ERROR "No copyright line found in common/SharedTexts.h")
endif()
set(ZI_COPYRIGHT_HOLDER "${CMAKE_MATCH_1}")
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS
  "${CMAKE_SOURCE_DIR}/common/SharedTexts.h" "${CMAKE_SOURCE_DIR}/packaging/changelog")
configure_file("${CMAKE_SOURCE_DIR}/packaging/copyright.in"
               "${CMAKE_BINARY_DIR}/packaging/copyright" @ONLY)
# Compressed as Debian wants it: the most, with no name or time inside, so
# that the same changelog always gives the same bytes.
execute_process(COMMAND gzip -9n -c "${CMAKE_SOURCE_DIR}/packaging/changelog"
                OUTPUT_FILE "${CMAKE_BINARY_DIR}/packaging/changelog.gz"
                RESULT_VARIABLE ZI_GZIP_FAILED)
if(ZI_GZIP_FAILED)
  message(FATAL_ERROR "gzip could not compress packaging/changelog")
endif()
install(FILES "${CMAKE_BINARY_DIR}/packaging/copyright" "${CMAKE_BINARY_DIR}/packaging/changelog.gz"
        DESTINATION "${ZI_INSTALL_DOCDIR}")

add_custom_target(uninstall
  COMMAND "${CMAKE_COMMAND}" "-DMANIFEST=${CMAKE_BINARY_DIR}/install_manifest.txt"
          "-DFOLDERS=${ZI_FOLDERS_RECORD}" -P "${CMAKE_SOURCE_DIR}/packaging/uninstall.cmake"
  COMMENT "Removing the installed files and the folders the install created"
  VERBATIM)
