#!/usr/bin/env bash
# Builds the game with Debian's hardening flags in build-package/build, installs it under
# /usr into a staging root and writes the Debian package dist/bravin_VERSION_ARCH.deb, then
# checks it with lintian.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/setup.sh"
need_packages "${play_packages[@]}" "${package_packages[@]}"
umask 022

stage=$top/build-package
export DEB_BUILD_MAINT_OPTIONS=hardening=+all
cppflags=$(dpkg-buildflags --get CPPFLAGS)
# Given on the command line, not through the environment, so a change reaches a kept cache.
build build-package/build -DBRAVIN_TESTS=OFF \
  -DCMAKE_C_FLAGS="$cppflags $(dpkg-buildflags --get CFLAGS)" \
  -DCMAKE_CXX_FLAGS="$cppflags $(dpkg-buildflags --get CXXFLAGS)" \
  -DCMAKE_EXE_LINKER_FLAGS="$(dpkg-buildflags --get LDFLAGS)"

root=$stage/root
rm -rf "$root"
DESTDIR=$root cmake --install "$stage/build" --prefix /usr --strip >/dev/null
# What the compiler notes about itself is of no use in the installed programs.
strip --remove-section=.comment --remove-section=.note "$root/usr/lib/games/bravin/bravin" \
  "$root/usr/bin/bravin-prefs" "$root/usr/bin/bravin-stages" "$root/usr/bin/bravin-replay"

version=$(cat "$root/usr/share/games/bravin/version")
changelog=$top/packaging/changelog
debian_version=$(sed -n '1s/^bravin (\(.*\)).*/\1/p' "$changelog")
if [ "${debian_version%-*}" != "$version" ]; then
  echo "package.sh: packaging/changelog is for $debian_version, the build is $version" >&2
  exit 1
fi
arch=$(dpkg --print-architecture)

# Debian's documentation and manual pages are compressed, without time stamps.
gzip -9n "$root"/usr/share/man/man*/*
gzip -9nc "$changelog" > "$root/usr/share/doc/bravin/changelog.Debian.gz"

# The libraries the programs link, as dpkg-shlibdeps finds their packages; libGL, which SDL
# opens itself for the OpenGL window; and a General MIDI sound font for the music's MIDI
# tracks, which SDL_mixer finds as /usr/share/sounds/sf3/default-GM.sf3 (any package that
# provides sf3-soundfont-gm).
mkdir -p "$stage/debian"
printf 'Source: bravin\n\nPackage: bravin\nArchitecture: any\n' > "$stage/debian/control"
shlibs=$(cd "$stage" && dpkg-shlibdeps -O -e"$root/usr/lib/games/bravin/bravin" \
  -e"$root/usr/bin/bravin-prefs" -e"$root/usr/bin/bravin-stages" \
  -e"$root/usr/bin/bravin-replay" 2>/dev/null |
  sed -n 's/^shlibs:Depends=//p')

mkdir -p "$root/DEBIAN"
cat > "$root/DEBIAN/control" <<CONTROL
Package: bravin
Version: $debian_version
Architecture: $arch
Maintainer: The BRAVIN developers <bravin@example.org>
Installed-Size: $(du -sk --exclude=DEBIAN "$root" | cut -f1)
Depends: $shlibs, libgl1, timgm6mb-soundfont | sf3-soundfont-gm
Suggests: freepats
Section: games
Priority: optional
Homepage: https://bravin.example.org/
Description: 3D arcade shooter
 BRAVIN is a single-player 3D arcade shooter: you fly close to the camera
 while the ground, the scenery and the enemies stream out of the depth. Eight
 stages end with their bosses; the ranking, keys and settings are kept in each
 player's own folder.
 .
 The package holds the game, its pictures, sounds and music, a menu entry,
 and the tools bravin-prefs (keys and settings), bravin-stages (stage
 scripts for modders) and bravin-replay (watching the recorded sessions).
CONTROL
(cd "$root" && find usr -type f -print0 | sort -z | xargs -0 md5sum) > "$root/DEBIAN/md5sums"

mkdir -p "$top/dist"
deb=$top/dist/bravin_${debian_version}_${arch}.deb
rm -f "$top"/dist/bravin_*.deb
dpkg-deb --root-owner-group -Zxz --build "$root" "$deb" >/dev/null
echo "Wrote ${deb#"$top"/}"
echo "== lintian"
lintian --info "$deb"
