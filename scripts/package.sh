#!/usr/bin/env bash
# Makes the Debian package: a Release build in build-package/ with Debian's hardening flags,
# stripped, installed under /usr, packed by CPack into build-package/squibble-siege_<version>_<arch>.deb.
# Prints the path of the package. Later runs rebuild only what changed.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh package
build_dir=build-package
cmake -S . -B "$build_dir" -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX=/usr \
  -DSQUIBBLE_TESTS=OFF -DSQUIBBLE_BENCHMARKS=OFF \
  -DCMAKE_CXX_FLAGS="$(dpkg-buildflags --get CXXFLAGS) $(dpkg-buildflags --get CPPFLAGS)" \
  -DCMAKE_EXE_LINKER_FLAGS="$(dpkg-buildflags --get LDFLAGS) -s" >/dev/null
cmake --build "$build_dir" -j"$(nproc)" >/dev/null
(cd "$build_dir" && cpack -G DEB >/dev/null)
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build_dir/CMakeCache.txt")
package="$build_dir/squibble-siege_${version}_$(dpkg --print-architecture).deb"
[ -f "$package" ] || { echo "package.sh: cpack did not make $package" >&2; exit 1; }
echo "$package"
