# The installed tree: bin/videofold, its media tools as links to the system's
# FFmpeg in lib/videofold/resources, and the desktop integration files.
include(GNUInstallDirs)

install(TARGETS videofold RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})

set(VIDEOFOLD_INSTALL_RESOURCES lib/videofold/resources)
install(CODE "
    set(resources \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${VIDEOFOLD_INSTALL_RESOURCES}\")
    file(MAKE_DIRECTORY \"\${resources}\")
    file(CREATE_LINK \"${VIDEOFOLD_FFPROBE}\" \"\${resources}/sniffer\" SYMBOLIC)
    file(CREATE_LINK \"${VIDEOFOLD_FFMPEG}\" \"\${resources}/creator\" SYMBOLIC)
    message(STATUS \"Linked the media tools into \${resources}\")
")

set(VIDEOFOLD_APP_ID org.videofold.Videofold)
install(FILES data/${VIDEOFOLD_APP_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES data/${VIDEOFOLD_APP_ID}.svg DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
install(FILES data/${VIDEOFOLD_APP_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)

# make package: a .deb whose dependencies come from the binary's libraries,
# plus FFmpeg and the Qt plugins it loads at run time.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME videofold)
set(CPACK_PACKAGE_VENDOR "The Videofold developers")
set(CPACK_PACKAGE_CONTACT "The Videofold developers <support@videofold.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Turn a video into a folder ready for a web site")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION video)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "ffmpeg, qt6-qpa-plugins, libqt6svg6")
include(CPack)
