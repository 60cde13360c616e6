# The web player an adaptive folder ships: hls.js from the npm registry, by the
# exact version and integrity of web/package-lock.json (scripts/install-deps
# runs `npm ci`), and the page's own starter, copied into the build tree's
# resource directory, whence every export copies them into its folder.
set(VIDEOFOLD_HLS_DIST ${PROJECT_SOURCE_DIR}/web/node_modules/hls.js)
if(NOT EXISTS ${VIDEOFOLD_HLS_DIST}/dist/hls.light.min.js)
    message(FATAL_ERROR
        "The web player hls.js is missing from web/node_modules; run scripts/install-deps "
        "(it runs `npm ci` in web/).")
endif()

set(VIDEOFOLD_WEB_RESOURCES ${VIDEOFOLD_BUILD_RESOURCES}/web)
set(VIDEOFOLD_WEB_FILES
    ${VIDEOFOLD_WEB_RESOURCES}/hls.light.min.js
    ${VIDEOFOLD_WEB_RESOURCES}/hls.js-LICENSE.txt
    ${VIDEOFOLD_WEB_RESOURCES}/adaptive.js)
add_custom_command(
    OUTPUT ${VIDEOFOLD_WEB_FILES}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${VIDEOFOLD_WEB_RESOURCES}
    COMMAND ${CMAKE_COMMAND} -E copy ${VIDEOFOLD_HLS_DIST}/dist/hls.light.min.js ${VIDEOFOLD_WEB_RESOURCES}/hls.light.min.js
    COMMAND ${CMAKE_COMMAND} -E copy ${VIDEOFOLD_HLS_DIST}/LICENSE ${VIDEOFOLD_WEB_RESOURCES}/hls.js-LICENSE.txt
    COMMAND ${CMAKE_COMMAND} -E copy ${PROJECT_SOURCE_DIR}/web/adaptive.js ${VIDEOFOLD_WEB_RESOURCES}/adaptive.js
    DEPENDS ${VIDEOFOLD_HLS_DIST}/dist/hls.light.min.js ${VIDEOFOLD_HLS_DIST}/LICENSE ${PROJECT_SOURCE_DIR}/web/adaptive.js
        ${PROJECT_SOURCE_DIR}/web/package-lock.json
    COMMENT "Copying the web player into the resource directory"
    VERBATIM)
add_custom_target(videofold_web_player ALL DEPENDS ${VIDEOFOLD_WEB_FILES})
install(FILES ${VIDEOFOLD_WEB_FILES} DESTINATION lib/videofold/resources/web)
