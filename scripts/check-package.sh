#!/usr/bin/env bash
# Builds the Debian package, has lintian check it, unpacks it into a throw-away root, validates
# its desktop entry and AppStream metadata, checks its dependencies and icons, and starts the
# installed program on Xvfb until its main window has been drawn. Called by scripts/test.sh.
#
# The package is made in the optimised build folder given (build/release unless one is named),
# configured for /usr. Tests and benchmarks built there are not installed, so they change
# nothing in the package; the checks below would see it if they did.
set -euo pipefail
cd "$(dirname "$0")/.."

build=${1:-build/release}
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX=/usr
cmake --build "$build" -j "$(nproc)"
rm -f "$build"/tavolin_*.deb
(cd "$build" && cpack -G DEB)
deb=$(ls "$build"/tavolin_*.deb)

root="$build/root"
rm -rf "$root"
dpkg -x "$deb" "$root"

fail() { echo "check-package: $*" >&2; exit 1; }

# Debian's own checks: any error or warning fails. CI runs as root, which lintian only warns
# about; --allow-root says that it is meant.
allow_root=()
[ "$(id -u)" -eq 0 ] && allow_root=(--allow-root)
lintian --fail-on error,warning "${allow_root[@]}" "$deb" || fail "lintian found faults in $deb"
version=$(dpkg-deb -f "$deb" Version)
[ "$(dpkg-parsechangelog -l data/debian/changelog -S Version)" = "$version" ] \
    || fail "the newest entry of data/debian/changelog is not version $version"

depends=$(dpkg-deb -f "$deb" Depends)
for needed in libqt6widgets6 libqt6gui6 libqt6core6 libicu72 libpcre2-8-0 libexiv2-27 libheif1 \
    libxlsxwriter4 qt6-qpa-plugins qt6-translations-l10n fonts-noto-cjk; do
    grep -q "\b$needed\b" <<<"$depends" || fail "the package does not depend on $needed"
done
grep -q -- '-dev\b' <<<"$depends" && fail "the package depends on a -dev package: $depends"

desktop="$root/usr/share/applications/app.tavolin.Tavolin.desktop"
desktop-file-validate "$desktop"
grep -qx 'Exec=tavolin %f' "$desktop" || fail "the Exec line must take one folder (%f)"
grep -qx 'MimeType=inode/directory;' "$desktop" || fail "the entry must offer itself for folders"
grep -qx 'Actions=rename;' "$desktop" || fail "no desktop action to rename in a folder"
grep -qx 'Exec=tavolin --rename %f' "$desktop" || fail "the rename action must pass --rename"
grep -qx 'Name\[ja\]=ファイル名を変更' "$desktop" || fail "the rename action has no Japanese name"
# Offered for folders, never made their default handler behind the user's back.
[ -z "$(find "$root" -name 'mimeapps.list' -o -name 'defaults.list')" ] \
    || fail "the package must not make itself the default for folders"
grep -q '^Name\[ja\]=' "$desktop" || fail "no Japanese name in the desktop entry"
grep -q '^Comment\[ja\]=' "$desktop" || fail "no Japanese comment in the desktop entry"
grep -qx 'Categories=Utility;FileTools;' "$desktop" || fail "wrong categories"
appstreamcli validate --no-net "$root/usr/share/metainfo/app.tavolin.Tavolin.metainfo.xml"

[ "$(ls "$root/usr/bin")" = tavolin ] || fail "the package holds programs besides tavolin (tests?)"
test -f "$root/usr/share/icons/hicolor/scalable/apps/tavolin.svg" || fail "no scalable icon"
for size in 16 24 32 48 64 128 256; do
    test -f "$root/usr/share/icons/hicolor/${size}x${size}/apps/tavolin.png" \
        || fail "no ${size}x${size} icon"
done

# The program installed for real, started as the desktop would, until its main window is on
# screen: on a real X server, whatever platform the tests before chose. Installed in /usr/bin,
# it must open on the user's home folder, never on the system's programs; the system calls it
# makes tell which folders it opened. A package that was not installed before is removed again.
installed_before=$(dpkg-query -W -f='${Status}' tavolin 2>/dev/null | grep -c 'install ok installed' || true)
remove_again() { [ "$installed_before" -eq 0 ] && dpkg -r tavolin >/dev/null; }
trap remove_again EXIT
DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends "$(realpath "$deb")" >/dev/null

shot="$build/installed-main-window.png"
calls="$build/installed-start.strace"
rm -f "$shot" "$calls"
export QT_QPA_PLATFORM=xcb
export XDG_RUNTIME_DIR HOME
XDG_RUNTIME_DIR=$(mktemp -d)
HOME=$(mktemp -d)
touch "$HOME/a-file-at-home.txt"
xvfb-run -a -s "-screen 0 1280x800x24" bash -c '
    strace -f -qq -e trace=openat -o "$3" /usr/bin/tavolin & tracer=$!
    "$1" "$2" 20; status=$?
    pkill -P "$tracer"; wait "$tracer" 2>/dev/null
    exit $status' check "$build/tools/grab_screen" "$shot" "$calls"
test -s "$shot" || fail "the installed program showed no window"
grep -q "openat([^\"]*\"$HOME\", [^)]*O_DIRECTORY" "$calls" \
    || fail "the installed program did not open the home folder $HOME (see $calls)"
if grep -q 'openat([^"]*"/usr/bin", [^)]*O_DIRECTORY' "$calls"; then
    fail "the installed program opened /usr/bin (see $calls)"
fi
rm -rf "$XDG_RUNTIME_DIR" "$HOME"
echo "check-package: $deb is fine; installed, it opens at home; its main window is in $shot"
