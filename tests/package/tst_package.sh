#!/usr/bin/env bash
# Builds the packages, checks them as Debian's tools do, unpacks them into a temporary root
# and runs the unpacked programs there without a display.
#   tst_package.sh SOURCE_DIR PACKAGE_BUILD_DIR VERSION BUILD_TREE_BIN
set -euo pipefail
source_dir=$1 tree=$2 version=$3 build_bin=$4
work=$(mktemp -d "${TMPDIR:-/tmp}/sentari-package.XXXXXX")
trap 'rm -rf "$work"' EXIT
failures=0
fail() { echo "FAIL: $*" >&2; failures=$((failures + 1)); }

deb=$(BUILD_DIR=$tree "$source_dir/scripts/package" | tail -1)
[ -f "$deb" ] || { echo "FAIL: scripts/package printed no package: $deb" >&2; exit 1; }
echo "package: $deb ($(stat -c %s "$deb") bytes)"
dbgsym=${deb%/*}/sentari-dbgsym_${version}_$(dpkg-architecture -qDEB_HOST_ARCH).deb
[ -f "$dbgsym" ] || fail "no debug symbols package beside it: $dbgsym"
[ "$(dpkg-deb -f "$deb" Version)" = "$version" ] || fail "debian/changelog's version is not $version"

echo "--- lintian"
lintian --pedantic --display-info --fail-on error,warning "${deb%.deb}.changes" ||
    fail "lintian reports errors or warnings"

root=$work/root
dpkg-deb -x "$deb" "$root"
multiarch=$(dpkg-architecture -qDEB_HOST_MULTIARCH)
lib=usr/lib/$multiarch
# Every catalogue of translations/ compiled, as a new language's .ts file is all it needs.
catalogues=$(cd "$source_dir/translations" && for ts in sentari_*.ts; do
    echo "usr/share/sentari/translations/${ts%.ts}.qm"; done)
for path in usr/bin/sentari usr/bin/sentari-signature usr/bin/sentarisaver usr/libexec/xscreensaver/sentarisaver \
    "$lib/sentari/libsentaristore.so.0" "$lib/sentari/libsentaritray.so" \
    usr/share/sentari/wisdom.txt usr/share/sentari/help.htm usr/share/sentari/signaturewindowhelp.htm \
    usr/share/icons/hicolor/scalable/apps/sentari.svg usr/share/icons/hicolor/48x48/apps/sentari.png \
    usr/share/applications/sentari.desktop usr/share/applications/sentarisaver.desktop \
    etc/xdg/autostart/sentari.desktop \
    usr/share/dbus-1/services/org.sentari.SentariExe.service \
    usr/share/dbus-1/interfaces/org.sentari.SentariExe.Interface.xml \
    usr/share/xscreensaver/config/sentarisaver.xml \
    usr/share/bash-completion/completions/sentari usr/share/zsh/vendor-completions/_sentari \
    usr/share/man/man1/sentari.1.gz usr/share/man/man1/sentari-signature.1.gz usr/share/man/man6/sentarisaver.6.gz \
    usr/share/metainfo/org.sentari.sentari.metainfo.xml usr/share/doc/sentari/copyright \
    usr/share/sentari/help_de.htm $catalogues; do
    [ -e "$root/$path" ] || fail "the package lacks /$path"
done
[ "$(readlink "$root/usr/bin/sentarisaver")" = ../libexec/xscreensaver/sentarisaver ] ||
    fail "/usr/bin/sentarisaver does not lead to xscreensaver's folder"
grep -qx 'Exec=/usr/bin/sentari' "$root/usr/share/dbus-1/services/org.sentari.SentariExe.service" ||
    fail "the D-Bus activation file does not start /usr/bin/sentari"
[ -z "$(find "$root/$lib" -maxdepth 1 ! -type d)" ] || fail "the package puts files into /$lib itself"
dpkg-deb -f "$deb" Depends | grep -q libqt6widgets6 || fail "Depends was not computed"
# The private library needs no shlibs file and no ldconfig trigger, and nothing needs scripts.
[ "$(dpkg-deb --ctrl-tarfile "$deb" | tar -t | sort | xargs)" = "./ ./conffiles ./control ./md5sums" ] ||
    fail "the package's control files: $(dpkg-deb --ctrl-tarfile "$deb" | tar -t | xargs)"
dpkg-deb --ctrl-tarfile "$deb" | tar -xO ./conffiles | grep -qx /etc/xdg/autostart/sentari.desktop ||
    fail "the autostart entry is not a conffile"

echo "--- desktop-file-validate, appstreamcli, xmllint"
for f in "$root"/usr/share/applications/*.desktop "$root"/etc/xdg/autostart/*.desktop; do
    desktop-file-validate "$f" || fail "desktop-file-validate: $f"
done
appstreamcli validate --pedantic --no-net "$root/usr/share/metainfo/org.sentari.sentari.metainfo.xml" ||
    fail "appstreamcli rejects the metainfo"
xmllint --noout "$root/usr/share/xscreensaver/config/sentarisaver.xml" ||
    fail "xscreensaver's settings file for the saver is not well-formed XML"

echo "--- ELF files"
# Installed programs find the store library by a run path to Sentari's private folder and
# nothing else; the build tree's has no empty entry, which would search the current folder.
private=$(realpath -m "$root/$lib/sentari")
for f in usr/bin/sentari usr/libexec/xscreensaver/sentarisaver "$lib/sentari/libsentaritray.so"; do
    dynamic=$(readelf -d "$root/$f")
    runpath=$(sed -n 's/.*(RUNPATH).*\[\(.*\)\]$/\1/p' <<<"$dynamic")
    ! grep -q '(RPATH)' <<<"$dynamic" && [[ $runpath == '$ORIGIN'* && $runpath != *:* ]] &&
        [ "$(realpath -m "$(dirname "$root/$f")/${runpath#\$ORIGIN}")" = "$private" ] ||
        fail "/$f has the run path '$runpath', not Sentari's private folder alone"
done
for f in sentari sentarisaver libsentaritray.so; do
    readelf -d "$build_bin/$f" | grep -E 'RUNPATH|RPATH' | grep -qE '\[:|::|:\]' &&
        fail "the build tree's $f has an empty run path entry"
done
# Stripped by dh_strip, with the debug symbols in sentari-dbgsym under their build IDs.
dpkg-deb -x "$dbgsym" "$work/dbgsym"
elf_files=0
while IFS= read -r -d '' f; do
    readelf -h "$f" >/dev/null 2>&1 || continue
    elf_files=$((elf_files + 1))
    readelf -SW "$f" | grep -qE ' \.(comment|symtab|debug_[a-z]+) ' &&
        fail "${f#"$root"} keeps symbols, debug information or a .comment section"
    id=$(readelf -n "$f" | sed -n 's/.*Build ID: //p')
    [ -n "$id" ] && [ -f "$work/dbgsym/usr/lib/debug/.build-id/${id:0:2}/${id:2}.debug" ] ||
        fail "sentari-dbgsym lacks the debug symbols of ${f#"$root"}"
done < <(find "$root" -type f -print0)
[ "$elf_files" = 4 ] || fail "$elf_files ELF files in the package, not the 4 of sentari, the saver and the libraries"

echo "--- the unpacked programs, by their own run paths, without a display"
run() { # expected-exit-code program args...
    local want=$1 rc=0
    shift
    env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM -u DBUS_SESSION_BUS_ADDRESS -u LD_LIBRARY_PATH \
        XDG_CONFIG_HOME="$work/config" XDG_CACHE_HOME="$work/cache" \
        XDG_DATA_HOME="$work/data" "$@" >"$work/out" 2>"$work/err" || rc=$?
    [ "$rc" = "$want" ] || fail "$* exited $rc, not $want: $(head -c 500 "$work/err")"
}
bin=$root/usr/bin
for program in sentari sentarisaver; do
    run 0 "$bin/$program" --version
    [ "$(head -1 "$work/out")" = "$program $version" ] && grep -q '^Built with Qt 6\.' "$work/out" ||
        fail "$program --version said: $(cat "$work/out")"
done
run 0 "$bin/sentari" --help
grep -q -- --print-quote "$work/out" || fail "sentari --help lacks --print-quote"
run 0 "$bin/sentarisaver" --help
grep -q -- -window-id "$work/out" || fail "sentarisaver --help lacks -window-id"
run 0 "$bin/sentari" --data-file "$root/usr/share/sentari/wisdom.txt" --print-quote
[ "$(wc -l <"$work/out")" = 1 ] && grep -qxFf "$work/out" <(tr -d '\r' <"$root/usr/share/sentari/wisdom.txt") ||
    fail "--print-quote did not print one bundled quote: $(cat "$work/out")"

# Anything that needs a display, with none or with one that is not there: one line, exit 1.
for display in "" ":99999"; do
    for cmd in "$bin/sentari" "$bin/sentarisaver /c" "$bin/sentarisaver /s" "$bin/sentarisaver -root"; do
        if [ -n "$display" ]; then
            run 1 env DISPLAY="$display" $cmd
        else
            run 1 $cmd
        fi
        [ "$(wc -l <"$work/err")" = 1 ] && grep -q "cannot open the display" "$work/err" ||
            fail "$cmd (DISPLAY=$display) did not say it in one line: $(head -c 500 "$work/err")"
    done
done

[ "$failures" = 0 ] || exit 1
echo "the package checks out"
