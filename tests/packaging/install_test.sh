#!/usr/bin/env bash
# Installs a build into a temporary prefix and packs it as a .deb, then checks what a desktop and
# dpkg will find: the program, a valid menu entry whose command and icon are the installed ones,
# a valid AppStream description that launches that entry, and the package's contents and Depends.
# Usage: install_test.sh BUILD-DIR
set -uo pipefail
build=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0
fail() { echo "FAILED: $*"; failures=$((failures + 1)); }
ok() { echo "ok: $*"; }

prefix=$work/prefix
cmake --install "$build" --prefix "$prefix" >"$work/install.log" 2>&1 || { cat "$work/install.log"; fail "cmake --install"; }

desktop=$prefix/share/applications/segment-editor.desktop
icon=$prefix/share/icons/hicolor/scalable/apps/segment-editor.svg
metainfo=$prefix/share/metainfo/test.sekel.SegmentEditor.metainfo.xml
[[ -x $prefix/bin/segment-editor ]] && ok "program installed" || fail "no executable bin/segment-editor"
for file in "$desktop" "$icon" "$metainfo"; do
  [[ -s $file ]] && ok "installed ${file#"$prefix"/}" || fail "missing ${file#"$prefix"/}"
done

desktop-file-validate "$desktop" && ok "desktop entry is valid" || fail "desktop-file-validate"
exec_name=$(sed -n 's/^Exec=\([^ ]*\).*/\1/p' "$desktop")
[[ -x $prefix/bin/$exec_name ]] && ok "Exec names the installed program" || fail "Exec=$exec_name is not installed"
icon_name=$(sed -n 's/^Icon=//p' "$desktop")
[[ $icon_name.svg == "$(basename "$icon")" ]] && ok "Icon names the installed icon" || fail "Icon=$icon_name"
file -b "$icon" | grep -q "SVG" && ok "icon is an SVG image" || fail "icon is '$(file -b "$icon")'"
appstreamcli validate --no-net "$metainfo" >"$work/appstream.log" 2>&1 && ok "metainfo is valid" \
  || { cat "$work/appstream.log"; fail "appstreamcli validate"; }
grep -q "<launchable type=\"desktop-id\">$(basename "$desktop")</launchable>" "$metainfo" \
  && ok "metainfo launches the desktop entry" || fail "metainfo launchable"

(cd "$work" && cpack -G DEB --config "$build/CPackConfig.cmake" -B "$work/deb") >"$work/cpack.log" 2>&1 \
  || { cat "$work/cpack.log"; fail "cpack -G DEB"; }
deb=$(find "$work/deb" -maxdepth 1 -name '*.deb' | head -n1)
if [[ -z $deb ]]; then
  fail "no .deb made"
else
  depends=$(dpkg-deb -f "$deb" Depends)
  for needed in fonts-liberation xdg-utils libqt6widgets6 libqt6gui6; do
    [[ ", $depends," == *", $needed"[\ ,]* ]] && ok "Depends has $needed" || fail "Depends lacks $needed: $depends"
  done
  contents=$(dpkg-deb -c "$deb" | awk '{print $NF}')
  for path in usr/bin/segment-editor usr/share/applications/segment-editor.desktop \
              usr/share/icons/hicolor/scalable/apps/segment-editor.svg \
              usr/share/metainfo/test.sekel.SegmentEditor.metainfo.xml; do
    grep -qx "\./$path" <<<"$contents" && ok "package holds /$path" || fail "package lacks /$path"
  done
fi

((failures == 0)) || { echo "$failures check(s) failed"; exit 1; }
echo "all install checks passed"
