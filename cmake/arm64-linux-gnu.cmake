# Cross-builds for 64-bit ARM Linux (phones, touch boards) on a Debian
# machine with the arm64 libraries installed beside its own (multiarch):
#   cmake -S . -B build-arm64 -DCMAKE_TOOLCHAIN_FILE=cmake/arm64-linux-gnu.cmake
# scripts/package --arch arm64 installs everything this needs.
set(CMAKE_SYSTEM_NAME Linux)
set(CMAKE_SYSTEM_PROCESSOR aarch64)
set(CMAKE_C_COMPILER aarch64-linux-gnu-gcc)
set(CMAKE_CXX_COMPILER aarch64-linux-gnu-g++)
# The arm64 libraries and their CMake files are in /usr/lib/aarch64-linux-gnu.
set(CMAKE_LIBRARY_ARCHITECTURE aarch64-linux-gnu)
set(ENV{PKG_CONFIG_LIBDIR}
    "/usr/lib/aarch64-linux-gnu/pkgconfig:/usr/share/pkgconfig")
set(ENV{PKG_CONFIG_PATH} "")
# Programs the build runs (protoc) are the machine's own; the programs it
# builds and then runs (the picture generator, the camera database and the
# language file, the test listing) run through the emulator.
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_CROSSCOMPILING_EMULATOR /usr/bin/qemu-aarch64-static)
# The Debian package's architecture (dpkg would name the machine's own).
set(ZORVANEL_DEB_ARCHITECTURE arm64)
