#!/usr/bin/env bash
# Installs the build into a scratch prefix and checks what lands there:
# install_test.sh CMAKE BUILD_DIR PATH... with each PATH relative to the prefix. Paths under
# bin/ must be executable; a desktop entry among them must start a program and show an icon
# that the same installation provides.
set -euo pipefail
cmake=$1 build=$2
shift 2
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
fail() { echo "install_test: $*" >&2; exit 1; }

"$cmake" --install "$build" --prefix "$prefix" >/dev/null

for path in "$@"; do
  [ -f "$prefix/$path" ] || fail "$path was not installed"
  case "$path" in
    bin/*) [ -x "$prefix/$path" ] || fail "$path is not executable" ;;
    share/applications/*.desktop)
      entry=$prefix/$path
      head -n 1 "$entry" | grep -qx '\[Desktop Entry\]' || fail "$path: no [Desktop Entry] group"
      grep -qx 'Type=Application' "$entry" || fail "$path: not an application"
      exec_name=$(sed -n 's/^Exec=\([^ ]*\).*/\1/p' "$entry")
      [ -x "$prefix/bin/$exec_name" ] || fail "$path starts $exec_name, which is not in bin/"
      icon=$(sed -n 's/^Icon=//p' "$entry")
      compgen -G "$prefix/share/icons/hicolor/*/apps/$icon.*" >/dev/null ||
        fail "$path shows icon $icon, which is not installed"
      ;;
  esac
done
echo "install_test: $# files installed as expected"
