# GoogleTest for the cross-built tests: Debian's libgtest is built for the
# host, so the Windows and browser tests build their own from Debian's sources.
set(KORVANEL_GOOGLETEST_SOURCE /usr/src/googletest CACHE PATH "GoogleTest sources")
if(NOT EXISTS ${KORVANEL_GOOGLETEST_SOURCE}/CMakeLists.txt)
  message(FATAL_ERROR "No GoogleTest sources in ${KORVANEL_GOOGLETEST_SOURCE} (Debian package googletest)")
endif()

set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
# Harmless with mingw, needed should the tests ever be built with MSVC: the
# tests and GoogleTest must share one C runtime.
set(gtest_force_shared_crt ON CACHE BOOL "" FORCE)
add_subdirectory(${KORVANEL_GOOGLETEST_SOURCE} ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
