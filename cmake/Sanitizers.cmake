# Builds for finding memory and undefined-behaviour faults; scripts/sanitize-and-fuzz.sh builds and runs both.
# QUILL_SANITIZE: everything under AddressSanitizer and UndefinedBehaviorSanitizer (build-sanitize/); a finding
# aborts the program, so the test fails. Only the tests labelled engine-free run there: the browser engine's
# Chromium does not run under AddressSanitizer.
# QUILL_FUZZ: the libFuzzer targets of tests/fuzz (build-fuzz/, clang only), with the same sanitizers.
option(QUILL_SANITIZE "Build with AddressSanitizer and UndefinedBehaviorSanitizer" OFF)
option(QUILL_FUZZ "Build the libFuzzer targets (needs clang)" OFF)

if(QUILL_SANITIZE OR QUILL_FUZZ)
    set(QUILL_SANITIZER_FLAGS -fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=all)
    add_compile_options(${QUILL_SANITIZER_FLAGS})
    add_link_options(${QUILL_SANITIZER_FLAGS})
endif()

if(QUILL_FUZZ)
    if(NOT CMAKE_CXX_COMPILER_ID STREQUAL "Clang")
        message(FATAL_ERROR "QUILL_FUZZ needs clang: configure with -DCMAKE_CXX_COMPILER=clang++-14")
    endif()
    # Coverage for the fuzzer in every library; only the fuzz targets link libFuzzer's main.
    add_compile_options(-fsanitize=fuzzer-no-link)
endif()
