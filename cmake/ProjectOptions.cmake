# Shared compile settings for every target of the project.
add_library(videofold_options INTERFACE)
target_compile_features(videofold_options INTERFACE cxx_std_20)
set(CMAKE_CXX_EXTENSIONS OFF)
target_compile_definitions(videofold_options INTERFACE
    QT_NO_CAST_FROM_ASCII
    QT_NO_CAST_TO_ASCII
    QT_NO_URL_CAST_FROM_STRING
    QT_NO_CONTEXTLESS_CONNECT
    VIDEOFOLD_VERSION="${PROJECT_VERSION}"
)
target_compile_options(videofold_options INTERFACE
    -Wall -Wextra -Wpedantic -Wshadow -Wnon-virtual-dtor -Wold-style-cast
)

if(VIDEOFOLD_SANITIZE)
    target_compile_options(videofold_options INTERFACE
        -fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined)
    target_link_options(videofold_options INTERFACE -fsanitize=address,undefined)
endif()

# make coverage: every target instrumented for gcov, read back by gcovr.
option(VIDEOFOLD_COVERAGE "Instrument the build for line and branch coverage" OFF)
if(VIDEOFOLD_COVERAGE)
    target_compile_options(videofold_options INTERFACE --coverage -O0)
    target_link_options(videofold_options INTERFACE --coverage)
endif()

# make fuzz: clang's libFuzzer over the core, with the sanitizers watching.
option(VIDEOFOLD_FUZZ "Build the fuzz targets for libFuzzer (clang)" OFF)
if(VIDEOFOLD_FUZZ)
    target_compile_options(videofold_options INTERFACE
        -fsanitize=fuzzer-no-link,address,undefined -fno-omit-frame-pointer)
    target_link_options(videofold_options INTERFACE -fsanitize=address,undefined)
endif()
