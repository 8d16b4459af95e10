# Builds Korvanel for web browsers with Debian's Emscripten, and its tests to
# run under Node.js: the web preset (CMakePresets.json), `cmake --preset web`,
# which also sets the environment Emscripten builds in.
include(/usr/share/emscripten/cmake/Modules/Platform/Emscripten.cmake)

# A thrown ControlError ends a handler, not the program: C++ exceptions in
# every object and at the link, as WebAssembly's own exceptions, which cost
# nothing until one is thrown (Emscripten's JavaScript emulation goes through
# JavaScript around every call that may throw).
set(CMAKE_CXX_FLAGS_INIT "-fwasm-exceptions")
# The programs built without options of their own are the tests and
# benchmarks, run by Node.js: compiled at once from the file beside them
# (Node.js 18 and later would fetch it as a URL), their exit code theirs.
set(CMAKE_EXE_LINKER_FLAGS_INIT
  "-fwasm-exceptions -sENVIRONMENT=node -sWASM_ASYNC_COMPILATION=0 -sEXIT_RUNTIME=1 -sALLOW_MEMORY_GROWTH=1")

# The optimisation, set where CMake's own defaults for the compiler (-O3)
# would otherwise come after it.
set(CMAKE_USER_MAKE_RULES_OVERRIDE_CXX ${CMAKE_CURRENT_LIST_DIR}/EmscriptenRelease.cmake)
