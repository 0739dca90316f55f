# Cross build for arm64 with Debian's g++-aarch64-linux-gnu and the arm64
# development packages installed side by side (multiarch). Programs built
# here run under qemu-user: the tests through CTest, and the resource
# embedder during the build.
set(CMAKE_SYSTEM_NAME Linux)
set(CMAKE_SYSTEM_PROCESSOR aarch64)
set(CMAKE_C_COMPILER aarch64-linux-gnu-gcc)
set(CMAKE_CXX_COMPILER aarch64-linux-gnu-g++)
set(CMAKE_LIBRARY_ARCHITECTURE aarch64-linux-gnu)
# The programs load the multiarch arm64 libraries (libc6:arm64 and the rest),
# so they need that package's loader too: -L /usr/aarch64-linux-gnu would pair
# the cross toolchain's older ld.so with the newer libc, and threads hang at
# their creation. -L / is qemu's plain host paths, made explicit.
set(CMAKE_CROSSCOMPILING_EMULATOR qemu-aarch64 -L /)

# pkg-config must see only the arm64 .pc files.
set(ENV{PKG_CONFIG_LIBDIR} /usr/lib/aarch64-linux-gnu/pkgconfig:/usr/share/pkgconfig)
set(ENV{PKG_CONFIG_PATH} "")
