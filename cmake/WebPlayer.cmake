# The web libraries every folder's page ships, from the npm registry by the
# exact versions and integrity of web/package-lock.json (scripts/install-deps
# runs `npm ci`), copied or bundled into the build tree's resource directory,
# whence every export copies them into its folder:
# - the player: media-chrome's controls and the page's own parts (web/player),
#   bundled by esbuild into one script, with media-chrome's licence, and the
#   page's small starter that loads it when the visitor comes to use it;
# - for an adaptive folder, hls.js and the page's starter of it.
set(VIDEOFOLD_WEB_MODULES ${PROJECT_SOURCE_DIR}/web/node_modules)
foreach(required hls.js/dist/hls.light.min.js media-chrome/LICENSE .bin/esbuild)
    if(NOT EXISTS ${VIDEOFOLD_WEB_MODULES}/${required})
        message(FATAL_ERROR
            "The web library file ${required} is missing from web/node_modules; run scripts/install-deps "
            "(it runs `npm ci` in web/).")
    endif()
endforeach()

set(VIDEOFOLD_WEB_RESOURCES ${VIDEOFOLD_BUILD_RESOURCES}/web)
set(VIDEOFOLD_HLS_DIST ${VIDEOFOLD_WEB_MODULES}/hls.js)
set(VIDEOFOLD_ADAPTIVE_FILES
    ${VIDEOFOLD_WEB_RESOURCES}/hls.light.min.js
    ${VIDEOFOLD_WEB_RESOURCES}/hls.js-LICENSE.txt
    ${VIDEOFOLD_WEB_RESOURCES}/adaptive.js)
add_custom_command(
    OUTPUT ${VIDEOFOLD_ADAPTIVE_FILES}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${VIDEOFOLD_WEB_RESOURCES}
    COMMAND ${CMAKE_COMMAND} -E copy ${VIDEOFOLD_HLS_DIST}/dist/hls.light.min.js ${VIDEOFOLD_WEB_RESOURCES}/hls.light.min.js
    COMMAND ${CMAKE_COMMAND} -E copy ${VIDEOFOLD_HLS_DIST}/LICENSE ${VIDEOFOLD_WEB_RESOURCES}/hls.js-LICENSE.txt
    COMMAND ${CMAKE_COMMAND} -E copy ${PROJECT_SOURCE_DIR}/web/adaptive.js ${VIDEOFOLD_WEB_RESOURCES}/adaptive.js
    DEPENDS ${VIDEOFOLD_HLS_DIST}/dist/hls.light.min.js ${VIDEOFOLD_HLS_DIST}/LICENSE ${PROJECT_SOURCE_DIR}/web/adaptive.js
        ${PROJECT_SOURCE_DIR}/web/package-lock.json
    COMMENT "Copying the adaptive player into the resource directory"
    VERBATIM)

file(GLOB VIDEOFOLD_PLAYER_SOURCES CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/web/player/*.js)
set(VIDEOFOLD_PLAYER_FILES
    ${VIDEOFOLD_WEB_RESOURCES}/start.js
    ${VIDEOFOLD_WEB_RESOURCES}/player.js
    ${VIDEOFOLD_WEB_RESOURCES}/media-chrome-LICENSE.txt)
add_custom_command(
    OUTPUT ${VIDEOFOLD_PLAYER_FILES}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${VIDEOFOLD_WEB_RESOURCES}
    COMMAND ${VIDEOFOLD_WEB_MODULES}/.bin/esbuild ${PROJECT_SOURCE_DIR}/web/player/player.js
        --bundle --minify --format=iife --target=es2020 --legal-comments=none --log-level=warning
        --outfile=${VIDEOFOLD_WEB_RESOURCES}/player.js
    COMMAND ${VIDEOFOLD_WEB_MODULES}/.bin/esbuild ${PROJECT_SOURCE_DIR}/web/player/start.js
        --minify --target=es2020 --log-level=warning --outfile=${VIDEOFOLD_WEB_RESOURCES}/start.js
    COMMAND ${CMAKE_COMMAND} -E copy ${VIDEOFOLD_WEB_MODULES}/media-chrome/LICENSE ${VIDEOFOLD_WEB_RESOURCES}/media-chrome-LICENSE.txt
    DEPENDS ${VIDEOFOLD_PLAYER_SOURCES} ${VIDEOFOLD_WEB_MODULES}/media-chrome/LICENSE ${PROJECT_SOURCE_DIR}/web/package-lock.json
    WORKING_DIRECTORY ${PROJECT_SOURCE_DIR}/web
    COMMENT "Bundling the web player into the resource directory"
    VERBATIM)

add_custom_target(videofold_web_player ALL DEPENDS ${VIDEOFOLD_ADAPTIVE_FILES} ${VIDEOFOLD_PLAYER_FILES})
install(FILES ${VIDEOFOLD_ADAPTIVE_FILES} ${VIDEOFOLD_PLAYER_FILES} DESTINATION lib/videofold/resources/web)
