# The prober ("sniffer") and the encoder ("creator") are the system's ffprobe and
# ffmpeg, linked into the build tree's resource directory beside the binaries.
find_program(VIDEOFOLD_FFPROBE ffprobe)
find_program(VIDEOFOLD_FFMPEG ffmpeg)
if(NOT VIDEOFOLD_FFPROBE OR NOT VIDEOFOLD_FFMPEG)
    message(FATAL_ERROR
        "Videofold needs FFmpeg's ffprobe and ffmpeg programs; run scripts/install-deps "
        "(Debian package 'ffmpeg').")
endif()

execute_process(
    COMMAND ${VIDEOFOLD_FFMPEG} -hide_banner -encoders
    OUTPUT_VARIABLE _videofold_encoders
    ERROR_QUIET
    RESULT_VARIABLE _videofold_encoders_result)
foreach(_encoder libx264 aac)
    if(NOT _videofold_encoders MATCHES "[ \t]${_encoder}[ \t]")
        message(FATAL_ERROR
            "${VIDEOFOLD_FFMPEG} lacks the '${_encoder}' encoder, which Videofold needs "
            "for H.264/AAC output. Install an FFmpeg build that has libx264 and the native AAC encoder.")
    endif()
endforeach()

set(VIDEOFOLD_BUILD_RESOURCES ${PROJECT_BINARY_DIR}/resources)
file(MAKE_DIRECTORY ${VIDEOFOLD_BUILD_RESOURCES})
file(CREATE_LINK ${VIDEOFOLD_FFPROBE} ${VIDEOFOLD_BUILD_RESOURCES}/sniffer SYMBOLIC)
file(CREATE_LINK ${VIDEOFOLD_FFMPEG} ${VIDEOFOLD_BUILD_RESOURCES}/creator SYMBOLIC)
