# The installed tree: bin/videofold, its media tools as links to the system's
# FFmpeg in lib/videofold/resources, and the desktop integration files.
include(GNUInstallDirs)

install(TARGETS videofold RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})

set(VIDEOFOLD_INSTALL_RESOURCES lib/videofold/resources)
install(CODE "
    set(resources \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${VIDEOFOLD_INSTALL_RESOURCES}\")
    file(MAKE_DIRECTORY \"\${resources}\")
    # Relative links, as Debian's policy asks of links within one top-level folder.
    file(RELATIVE_PATH sniffer \"\${CMAKE_INSTALL_PREFIX}/${VIDEOFOLD_INSTALL_RESOURCES}\" \"${VIDEOFOLD_FFPROBE}\")
    file(RELATIVE_PATH creator \"\${CMAKE_INSTALL_PREFIX}/${VIDEOFOLD_INSTALL_RESOURCES}\" \"${VIDEOFOLD_FFMPEG}\")
    file(CREATE_LINK \"\${sniffer}\" \"\${resources}/sniffer\" SYMBOLIC)
    file(CREATE_LINK \"\${creator}\" \"\${resources}/creator\" SYMBOLIC)
    message(STATUS \"Linked the media tools into \${resources}\")
")

set(VIDEOFOLD_APP_ID org.videofold.Videofold)
install(FILES data/${VIDEOFOLD_APP_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES data/${VIDEOFOLD_APP_ID}.svg DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
install(FILES data/${VIDEOFOLD_APP_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)

# The manual page and the changelog, compressed as Debian's policy asks (gzip -9n).
find_program(VIDEOFOLD_GZIP gzip REQUIRED)
set(VIDEOFOLD_COMPRESSED ${PROJECT_BINARY_DIR}/compressed)
foreach(_source videofold.1 debian/changelog)
    get_filename_component(_name ${_source} NAME)
    add_custom_command(
        OUTPUT ${VIDEOFOLD_COMPRESSED}/${_name}.gz
        COMMAND ${CMAKE_COMMAND} -E make_directory ${VIDEOFOLD_COMPRESSED}
        COMMAND ${VIDEOFOLD_GZIP} -9n -c ${PROJECT_SOURCE_DIR}/data/${_source} > ${VIDEOFOLD_COMPRESSED}/${_name}.gz
        DEPENDS ${PROJECT_SOURCE_DIR}/data/${_source}
        VERBATIM)
endforeach()
add_custom_target(videofold_docs ALL
    DEPENDS ${VIDEOFOLD_COMPRESSED}/videofold.1.gz ${VIDEOFOLD_COMPRESSED}/changelog.gz)
install(FILES ${VIDEOFOLD_COMPRESSED}/videofold.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${VIDEOFOLD_COMPRESSED}/changelog.gz data/debian/copyright
        DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/videofold)

# make package: a .deb whose dependencies come from the binary's libraries,
# plus FFmpeg and the Qt plugins it loads at run time.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME videofold)
set(CPACK_PACKAGE_VENDOR "The Videofold developers")
set(CPACK_PACKAGE_CONTACT "The Videofold developers <support@videofold.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Turn a video into a folder ready for a web site")
string(CONCAT CPACK_PACKAGE_DESCRIPTION
    "Videofold opens one video file and saves a new folder that can be copied\n"
    "to a web site as it is: an H.264 MP4 video, a poster still and an HTML5\n"
    "page that plays it, with the source's text subtitles as captions.\n"
    "\n"
    "Three sliders choose the frame size, the target file size and the poster\n"
    "frame; FFmpeg does the media work, with progress, cancel and a clear\n"
    "verdict at the end.")
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION video)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "ffmpeg, qt6-qpa-plugins, libqt6svg6")
# A Wayland session, the default of today's desktops, gets the window natively
# (sharp at fractional scales) rather than through XWayland; Qt's own translations
# put its dialogs and standard buttons in the desktop's language.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-wayland, qt6-translations-l10n")
include(CPack)
