#!/usr/bin/env bash
# cmake --install into a fresh prefix: every file a desktop and the program need is there, the
# menu entry and the AppStream data pass their validators, the installed programs answer.
# Usage: install.sh BUILD_DIR VERSION
set -euo pipefail
build=$1 version=$2
prefix=$(mktemp -d) home=$(mktemp -d)
trap 'chmod -R u+w "$prefix"; rm -rf "$prefix" "$home"' EXIT
cmake --install "$build" --prefix "$prefix" >/dev/null
fail=0
for f in bin/lexido bin/lexido-tty share/applications/lexido.desktop \
         share/metainfo/io.github.lexido.Lexido.metainfo.xml \
         share/man/man1/lexido.1.gz share/man/man1/lexido-tty.1.gz share/doc/lexido/copyright \
         share/icons/hicolor/scalable/apps/lexido.svg share/mime/packages/lexido.xml \
         share/icons/hicolor/{16x16,24x24,32x32,48x48,64x64,128x128,256x256}/apps/lexido.png \
         share/lexido/Settings/Gnrl.cfg share/lexido/Settings/Help/English \
         share/lexido/Settings/Texts_Src "share/lexido/Text/Conversational Guide/English_Russian" \
         share/lexido/DfltRslts; do
    [ -e "$prefix/$f" ] || { echo "FAIL: $f not installed"; fail=1; }
done
desktop-file-validate "$prefix/share/applications/lexido.desktop" || fail=1
appstreamcli validate --no-net "$prefix/share/metainfo/io.github.lexido.Lexido.metainfo.xml" || fail=1
# The phrase files' type: the database built from the installed package knows *.mix, and the
# menu entry opens it.
mime=$(mktemp -d) && cp -r "$prefix/share/mime" "$mime/" && trap 'chmod -R u+w "$prefix"; rm -rf "$prefix" "$home" "$mime"' EXIT
out=$(XDG_DATA_DIRS=$mime update-mime-database "$mime/mime" 2>&1) && [ -z "$out" ] || { echo "FAIL: update-mime-database: $out"; fail=1; }
grep -q "^application/x-lexido-phrases:\*\.mix$" "$mime/mime/globs" || { echo "FAIL: *.mix not in the MIME globs"; fail=1; }
grep -q "^MimeType=application/x-lexido-phrases;$" "$prefix/share/applications/lexido.desktop" || { echo "FAIL: the menu entry opens no phrase files"; fail=1; }
[ "$("$prefix/bin/lexido-tty" --version)" = "lexido-tty $version" ] || { echo "FAIL: lexido-tty --version"; fail=1; }
[ "$("$prefix/bin/lexido" --version)" = "lexido $version" ] || { echo "FAIL: lexido --version"; fail=1; }

# Installed read-only, the program keeps its folder in $XDG_DATA_HOME/Lexido, made at the first
# start; a changed setting survives the next run and an install over the same prefix.
user=$home/data/Lexido
chmod -R a-w "$prefix"
printf '*Hello\n=Hallo\n' >"$home/one.mix"
run() { (cd "$home" && HOME=$home XDG_DATA_HOME=$home/data "$prefix/bin/lexido-tty" "$@" one.mix <<<"x" >/dev/null); }
run --mode 0 --save-results "$home/r.mix" || { echo "FAIL: the first installed run"; fail=1; }
for f in Settings/Gnrl.cfg Settings/Help/English "Text/Conversational Guide/English_Russian" Lexido.log; do
    [ -e "$user/$f" ] || { echo "FAIL: $f not in the user's program folder"; fail=1; }
done
grep -qF "OpnPath sv = \"$home/one.mix\"" "$user/Settings/UnSv.cfg" || { echo "FAIL: the last path not kept"; fail=1; }
# The learner changes a setting; two more runs, one after an install over the same prefix.
sed -i 's/WhenDropped sv = 0/WhenDropped sv = 1/' "$user/Settings/KeepRslts.cfg"
run || fail=1
chmod -R u+w "$prefix"
cmake --install "$build" --prefix "$prefix" >/dev/null
# An upgrade's template with a new parameter in that section: the next start adds it.
printf '\npt_i AddedLater sv = 7' >>"$prefix/share/lexido/Settings/KeepRslts.cfg"
run || fail=1
grep -qF "WhenDropped sv = 1" "$user/Settings/KeepRslts.cfg" || { echo "FAIL: a changed setting was lost"; fail=1; }
grep -qF "pt_i AddedLater sv = 7" "$user/Settings/KeepRslts.cfg" || { echo "FAIL: a new parameter not added"; fail=1; }
exit $fail
