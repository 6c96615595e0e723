#!/usr/bin/env bash
# Installs the launcher into a temporary DESTDIR, checks the tree and its
# metadata, builds the Debian package and reads it back, and starts the
# installed binary on a private X server to read its window icon.
# usage: check-install.sh BUILD_DIR
set -euo pipefail
BUILD="$1"
WORK="$(mktemp -d /tmp/vantelo-install-XXXXXX)"
trap 'kill ${APP:-} ${WM:-} ${XS:-} 2>/dev/null || true; rm -rf "$WORK"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

DESTDIR="$WORK/root" cmake --install "$BUILD" --prefix /usr >/dev/null
ID=org.vantelo.Launcher
for f in usr/bin/vantelo usr/share/applications/$ID.desktop usr/share/metainfo/$ID.metainfo.xml \
         usr/share/icons/hicolor/16x16/apps/$ID.png usr/share/icons/hicolor/32x32/apps/$ID.png \
         usr/share/icons/hicolor/48x48/apps/$ID.png usr/share/icons/hicolor/128x128/apps/$ID.png \
         usr/share/icons/hicolor/scalable/apps/$ID.svg; do
  [ -f "$WORK/root/$f" ] || fail "missing $f"
done
for size in 16 32 48 128; do
  file "$WORK/root/usr/share/icons/hicolor/${size}x${size}/apps/$ID.png" | grep -q "$size x $size, 8-bit/color RGBA" \
    || fail "the ${size}-pixel icon is not ${size} x ${size} with alpha"
done
desktop-file-validate "$WORK/root/usr/share/applications/$ID.desktop" || fail "desktop entry"
grep -qx 'Name=Vantelo软件' "$WORK/root/usr/share/applications/$ID.desktop" || fail "desktop entry name"
grep -qx 'StartupNotify=true' "$WORK/root/usr/share/applications/$ID.desktop" || fail "start-up notification"
grep -qx 'Comment=VanteloPemrik版' "$WORK/root/usr/share/applications/$ID.desktop" || fail "desktop entry comment"
appstreamcli validate --no-net "$WORK/root/usr/share/metainfo/$ID.metainfo.xml" || fail "metainfo"
grep -q '<release version="1.0.0.0"' "$WORK/root/usr/share/metainfo/$ID.metainfo.xml" || fail "metainfo version"
STRINGS="$(strings -e S "$WORK/root/usr/bin/vantelo")"
for field in FileVersion=1.0.0.0 ProductVersion=1.0.0.0 FileDescription=VanteloPemrik版 ProductName=VanteloPemrik版 \
             CompanyName=VanteloPemrik版 Comments=VanteloPemrik版; do
  grep -qx "$field" <<<"$STRINGS" || fail "binary lacks $field"
done

(cd "$WORK" && cpack -G DEB --config "$BUILD/CPackConfig.cmake" >/dev/null)
DEB="$(ls "$WORK"/vantelo_1.0.0.0_amd64.deb)"
[ "$(dpkg-deb -f "$DEB" Package)" = vantelo ] || fail "package name"
[ "$(dpkg-deb -f "$DEB" Version)" = 1.0.0.0 ] || fail "package version"
DEPENDS="$(dpkg-deb -f "$DEB" Depends)"
for lib in libgtk-3-0 libwebkit2gtk-4.1-0 libcurl4 libc6; do
  echo "$DEPENDS" | grep -q "$lib" || fail "Depends lacks $lib: $DEPENDS"
done
RECOMMENDS="$(dpkg-deb -f "$DEB" Recommends)"
for p in gstreamer1.0-plugins-good gstreamer1.0-plugins-bad gstreamer1.0-libav fonts-noto-cjk; do
  echo "$RECOMMENDS" | grep -q "$p" || fail "Recommends lacks $p: $RECOMMENDS"
done
CONTENTS="$(dpkg-deb -c "$DEB")"
grep -q './usr/bin/vantelo$' <<<"$CONTENTS" || fail "package lacks the binary"

# The installed binary's window carries the icon at 16 and 32 pixels.
exec 3< <(Xvfb -displayfd 1 -screen 0 1024x768x24 -nolisten tcp 2>/dev/null & echo "pid $!")
read -r _ XS <&3
read -r NUMBER <&3
export DISPLAY=":$NUMBER"
openbox --sm-disable >/dev/null 2>&1 & WM=$!
sleep 1
export HOME="$WORK/home" XDG_DATA_HOME="$WORK/home/data" XDG_CACHE_HOME="$WORK/home/cache" NO_AT_BRIDGE=1
"$WORK/root/usr/bin/vantelo" & APP=$!
WINDOWS="$(timeout 20 xdotool search --sync --onlyvisible --name 'Vantelo软件')"
WINDOW="${WINDOWS%%$'\n'*}"
ICONS="$(xprop -id "$WINDOW" _NET_WM_ICON)"
echo "$ICONS" | grep -q 'Icon (16 x 16)' || fail "no 16-pixel icon"
echo "$ICONS" | grep -q 'Icon (32 x 32)' || fail "no 32-pixel icon"
sleep 0.5
xdotool key Escape
wait $APP || fail "the installed program did not end with status 0"
APP=
echo "install check passed"
