#!/usr/bin/env bash
# Installs what is missing, builds LadderPad in Release (PACKAGE_BUILD_DIR,
# build-package) and writes the Debian package dist/ladderpad_VERSION_amd64.deb
# with CPack; then checks it with lintian, desktop-file-validate and
# appstreamcli. Prints the package's path last.
set -euo pipefail
ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
export BUILD_DIR="${PACKAGE_BUILD_DIR:-$ROOT/build-package}"

# CPack's dependency search needs dpkg-shlibdeps (dpkg-dev) and file.
TOOLS=(dpkg-dev file fakeroot lintian desktop-file-utils appstream)
missing=()
for p in "${TOOLS[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  SUDO=""
  [ "$(id -u)" -ne 0 ] && SUDO="sudo"
  $SUDO apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq "${missing[@]}"
fi

# Debian's hardening flags (fortified functions, stack protector, full RELRO
# with immediate binding).
export DEB_BUILD_MAINT_OPTIONS=hardening=+all
CXXFLAGS="$(dpkg-buildflags --get CPPFLAGS) $(dpkg-buildflags --get CXXFLAGS)"
LDFLAGS="$(dpkg-buildflags --get LDFLAGS)"
source "$ROOT/scripts/setup.sh" -DLADDERPAD_BUILD_TESTS=OFF -DLADDERPAD_BUILD_QT=ON \
  "-DCMAKE_CXX_FLAGS=$CXXFLAGS" "-DCMAKE_EXE_LINKER_FLAGS=$LDFLAGS"
rm -f "$ROOT"/dist/ladderpad_*.deb
(cd "$BUILD_DIR" && cpack -G DEB >/dev/null)
DEB="$(ls "$ROOT"/dist/ladderpad_*_amd64.deb)"

desktop-file-validate "$ROOT/packaging/ladderpad.desktop"
appstreamcli validate --no-net --explain "$BUILD_DIR/packaging/ladderpad.metainfo.xml"
# No errors; the warnings left are explained in the README.
lintian --fail-on error "$DEB" || { echo "lintian reports errors" >&2; exit 1; }
echo "$DEB"
