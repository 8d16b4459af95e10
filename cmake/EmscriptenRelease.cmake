# What a Release build for the web is compiled with, read by CMake after its
# defaults for the compiler (cmake/emscripten-wasm32.cmake). The site goes
# over the network: small before fast. Emscripten before 3.1.22 also turns
# inlining off at -Oz, which leaves every accessor of the standard library a
# function of its own, compiled and called one by one as the page starts:
# -finline-functions turns it back on (the module comes out smaller).
set(CMAKE_CXX_FLAGS_RELEASE_INIT "-Oz -finline-functions -flto -DNDEBUG")
set(CMAKE_EXE_LINKER_FLAGS_RELEASE_INIT "-Oz -flto")
