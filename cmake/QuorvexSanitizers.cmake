# Sanitizer builds. The flags go on every target, test programs included, because a
# sanitizer's runtime and its instrumentation must be in every object of the program; the
# Qt and GoogleTest libraries from the system stay uninstrumented.
option(QUORVEX_SANITIZE "Build with AddressSanitizer and UndefinedBehaviorSanitizer" OFF)
option(QUORVEX_BUILD_FUZZ "Build the libFuzzer harnesses of fuzz/ (clang)" OFF)

if(QUORVEX_SANITIZE OR QUORVEX_BUILD_FUZZ)
    if(NOT CMAKE_CXX_COMPILER_ID MATCHES "Clang")
        message(FATAL_ERROR "The sanitizer and fuzz builds need clang (float-cast-overflow, "
                            "libFuzzer): configure with -DCMAKE_CXX_COMPILER=clang++")
    endif()
    # Any finding stops the program, so no report can scroll past in a passing run.
    set(sanitizers -fsanitize=address,undefined,float-cast-overflow -fno-sanitize-recover=all)
    add_compile_options(${sanitizers} -fno-omit-frame-pointer)
    add_link_options(${sanitizers})
endif()

if(QUORVEX_BUILD_FUZZ)
    add_compile_options(-fsanitize=fuzzer-no-link)
endif()
