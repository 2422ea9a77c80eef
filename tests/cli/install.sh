#!/usr/bin/env bash
# cmake --install into a fresh prefix: every file a desktop and the program need is there, the
# menu entry and the AppStream data pass their validators, the installed programs answer.
# Usage: install.sh BUILD_DIR VERSION
set -euo pipefail
build=$1 version=$2
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
cmake --install "$build" --prefix "$prefix" >/dev/null
fail=0
for f in bin/lexido bin/lexido-tty share/applications/lexido.desktop \
         share/metainfo/io.github.lexido.Lexido.metainfo.xml \
         share/man/man1/lexido.1 share/man/man1/lexido-tty.1 \
         share/icons/hicolor/scalable/apps/lexido.svg \
         share/icons/hicolor/{16x16,24x24,32x32,48x48,64x64,128x128,256x256}/apps/lexido.png \
         share/lexido/Settings/Gnrl.cfg share/lexido/Settings/Help/English \
         share/lexido/Settings/Texts_Src "share/lexido/Text/Conversational Guide/English_Russian" \
         share/lexido/DfltRslts; do
    [ -e "$prefix/$f" ] || { echo "FAIL: $f not installed"; fail=1; }
done
desktop-file-validate "$prefix/share/applications/lexido.desktop" || fail=1
appstreamcli validate --no-net "$prefix/share/metainfo/io.github.lexido.Lexido.metainfo.xml" || fail=1
[ "$("$prefix/bin/lexido-tty" --version)" = "lexido-tty $version" ] || { echo "FAIL: lexido-tty --version"; fail=1; }
[ "$("$prefix/bin/lexido" --version)" = "lexido $version" ] || { echo "FAIL: lexido --version"; fail=1; }
exit $fail
