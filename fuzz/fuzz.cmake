# The fuzz targets, built by clang as a project of their own inside this build
# (build/fuzz/bin), and run for a few seconds each by the tests. Without a clang++
# that has libFuzzer they are skipped, and the test run says so.
find_program(QUORVEL_CLANGXX NAMES clang++ clang++-14)
set(quorvel_fuzz_usable OFF)
if(QUORVEL_CLANGXX)
    set(probe "${CMAKE_BINARY_DIR}/fuzzprobe")
    file(MAKE_DIRECTORY "${probe}")
    file(WRITE "${probe}/probe.cpp"
         "#include <cstddef>\n#include <cstdint>\n"
         "extern \"C\" int LLVMFuzzerTestOneInput(const std::uint8_t*, std::size_t) { return 0; }\n")
    execute_process(
        COMMAND "${QUORVEL_CLANGXX}" -fsanitize=fuzzer,address,undefined probe.cpp -o probe
        WORKING_DIRECTORY "${probe}" RESULT_VARIABLE proberesult OUTPUT_QUIET ERROR_QUIET)
    if(proberesult EQUAL 0)
        set(quorvel_fuzz_usable ON)
    endif()
endif()

if(quorvel_fuzz_usable)
    include(ExternalProject)
    # The game's generated headers (text/version.h) come from this build.
    set(fuzzargs -DCMAKE_CXX_COMPILER=${QUORVEL_CLANGXX}
                 -DQUORVEL_GENERATED=${CMAKE_BINARY_DIR}/src/text/generated)
    if(CCACHE_PROGRAM)
        list(APPEND fuzzargs -DCMAKE_CXX_COMPILER_LAUNCHER=${CCACHE_PROGRAM})
    endif()
    ExternalProject_Add(quorvel_fuzz
        SOURCE_DIR "${PROJECT_SOURCE_DIR}/fuzz"
        BINARY_DIR "${CMAKE_BINARY_DIR}/fuzz"
        CMAKE_ARGS ${fuzzargs}
        INSTALL_COMMAND ""
        BUILD_ALWAYS ON)
    # Every reader of outside bytes: its regressions and its corpus once, then three
    # seconds of fuzzing.
    foreach(target savefile besttimes mapfile mappicture inifile themetext themeini story run
                   commandline mazenumber bmp wave)
        add_test(NAME fuzz_${target}
            COMMAND "${PROJECT_SOURCE_DIR}/fuzz/run.sh" "${CMAKE_BINARY_DIR}/fuzz/bin/fuzz_${target}" 3)
        # Alone, so that a fuzzer's full core never slows the timed sound tests beside it.
        set_tests_properties(fuzz_${target} PROPERTIES TIMEOUT 90 LABELS fuzz RUN_SERIAL TRUE)
    endforeach()
else()
    message(STATUS "No clang++ with libFuzzer: the fuzz targets are skipped")
    add_test(NAME fuzz_skipped_no_clang
        COMMAND ${CMAKE_COMMAND} -E echo "No clang++ with libFuzzer: the fuzz targets are skipped")
    set_tests_properties(fuzz_skipped_no_clang PROPERTIES DISABLED TRUE LABELS fuzz)
endif()
