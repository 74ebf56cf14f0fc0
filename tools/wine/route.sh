# Sourced: which Windows build the tests and the editor run from. Where this machine starts 32-bit
# programs, the 32-bit program under 32-bit Wine; where it does not (its kernel refuses them), the
# same sources built for x86_64 under 64-bit Wine. VX_WINE64=1 forces the 64-bit route.
# Sets VX_ROUTE (32 or 64), VX_ROUTE_WHY, VX_WIN_BUILD (the build folder that runs) and
# VX_WIN_TOOLCHAIN (its toolchain file).
if [ -n "${VX_WINE64:-}" ]; then
  VX_ROUTE=64; VX_ROUTE_WHY="VX_WINE64 is set"
elif /usr/lib/wine/wine --version >/dev/null 2>&1; then
  # The 32-bit loader itself: it starts only where the kernel runs 32-bit programs.
  VX_ROUTE=32; VX_ROUTE_WHY="this machine runs 32-bit programs"
else
  VX_ROUTE=64; VX_ROUTE_WHY="this machine runs no 32-bit programs (32-bit Wine does not start)"
fi
if [ $VX_ROUTE = 64 ]; then
  VX_WIN_BUILD=build/win64; VX_WIN_TOOLCHAIN=cmake/mingw-x86_64.cmake
else
  VX_WIN_BUILD=build/win; VX_WIN_TOOLCHAIN=cmake/mingw-i686.cmake
fi
