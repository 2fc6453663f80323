#!/usr/bin/env bash
# Makes the Debian package of a build, checks what it holds, unpacks it into a
# scratch root and runs the programs from there as an installed copy runs.
# usage: check_package.sh CPACK BUILD_DIR VERSION
set -euo pipefail
cpack=$1 build=$2 version=$3
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0
fail() {
    echo "FAIL: $*" >&2
    failures=$((failures + 1))
}

if ! "$cpack" -G DEB --config "$build/CPackConfig.cmake" -B "$work/out" >"$work/cpack.log" 2>&1; then
    cat "$work/cpack.log" >&2
    echo "FAIL: cpack" >&2
    exit 1
fi
deb=$(echo "$work"/out/tarnwick_"$version"_*.deb)
[ -f "$deb" ] || { echo "FAIL: no package tarnwick_${version}_*.deb" >&2; exit 1; }

# The control fields; the libraries' packages come from dpkg-shlibdeps.
[ "$(dpkg-deb -f "$deb" Version)" = "$version" ] || fail "Version is $(dpkg-deb -f "$deb" Version)"
depends=$(dpkg-deb -f "$deb" Depends)
for package in libc6 libqt6widgets6 libqt6sql6 libqt6sql6-sqlite; do
    [[ ", $depends," == *", $package"[\ ,]* ]] || fail "Depends lacks $package: $depends"
done

# Exactly these files, all root's, nothing of the tests, benchmarks or libraries.
expected=(
    ./usr/bin/tarnwick ./usr/bin/tarnwick-store
    ./usr/share/applications/tarnwick.desktop
    ./usr/share/icons/hicolor/scalable/apps/tarnwick.svg
    ./usr/share/man/man1/tarnwick.1.gz ./usr/share/man/man1/tarnwick-store.1.gz
    ./usr/share/doc/tarnwick/README.md ./usr/share/doc/tarnwick/copyright ./usr/share/doc/tarnwick/changelog.gz
)
for size in 16 32 48 64 128 256; do
    expected+=("./usr/share/icons/hicolor/${size}x${size}/apps/tarnwick.png")
done
dpkg-deb -c "$deb" >"$work/contents"
files=$(awk '$1 !~ /^d/ { print $6 }' "$work/contents" | sort)
[ "$files" = "$(printf '%s\n' "${expected[@]}" | sort)" ] ||
    fail "the package holds other files than expected:$(diff <(printf '%s\n' "${expected[@]}" | sort) <(echo "$files") || true)"
awk '$2 != "root/root" { print }' "$work/contents" | grep . && fail "files not owned by root"

root="$work/root"
dpkg -x "$deb" "$root"
zcat "$root/usr/share/doc/tarnwick/changelog.gz" >"$work/changelog"
[ "$(dpkg-parsechangelog -l "$work/changelog" -S Version)" = "$version" ] ||
    fail "the changelog's latest entry is not version $version"
for program in tarnwick tarnwick-store; do
    file -L "$root/usr/bin/$program" | grep -q ', stripped' || fail "$program is not stripped"
done
for size in 16 32 48 64 128 256; do
    file "$root/usr/share/icons/hicolor/${size}x${size}/apps/tarnwick.png" | grep -q "PNG image data, $size x $size," ||
        fail "the ${size}px icon is not ${size}x${size}"
done
if command -v desktop-file-validate >/dev/null; then
    desktop-file-validate "$root/usr/share/applications/tarnwick.desktop" || fail "desktop entry"
fi
for page in tarnwick tarnwick-store; do
    warnings=$(MANWIDTH=80 man --warnings -l "$root/usr/share/man/man1/$page.1.gz" 2>&1 >/dev/null)
    [ -z "$warnings" ] || fail "man $page: $warnings"
done

# The command line is answered with no display at all.
bare=(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM -u TARNWICK_PROGRAM_DIR)
out=$("${bare[@]}" "$root/usr/bin/tarnwick" --version) || fail "tarnwick --version exits with $?"
[ "$out" = "Tarnwick ($version)" ] || fail "tarnwick --version prints \"$out\""
out=$("${bare[@]}" "$root/usr/bin/tarnwick" --help) || fail "tarnwick --help exits with $?"
[[ "$out" == "usage: tarnwick "* ]] || fail "tarnwick --help prints \"$out\""
code=0
"${bare[@]}" "$root/usr/bin/tarnwick" --colour 2>"$work/err" || code=$?
[ "$code" = 2 ] && grep -q 'unknown option --colour' "$work/err" || fail "tarnwick --colour exits with $code"

# The demo store, then the installed program on it: a script that ends at
# once; its daily log goes to the per-user data folder, not beside the program.
export XDG_DATA_HOME="$work/data"
"${bare[@]}" "$root/usr/bin/tarnwick-store" --store "$work/store" demo >"$work/demo.log" 2>&1 ||
    fail "tarnwick-store demo: $(cat "$work/demo.log")"
[ -f "$work/store/store.db" ] || fail "tarnwick-store demo made no store"
echo quit >"$work/quit.tw"
code=0
(cd "$work" && "${bare[@]}" QT_QPA_PLATFORM=offscreen TARNWICK_STORE="$work/store" timeout 120 \
    "$root/usr/bin/tarnwick" /NS --script=quit.tw) >"$work/run.log" 2>&1 || code=$?
[ "$code" = 0 ] || fail "the installed tarnwick ran its script with exit code $code: $(cat "$work/run.log")"
grep -qs "Starting Tarnwick ($version) Program" "$XDG_DATA_HOME"/tarnwick/*.log ||
    fail "no daily log in $XDG_DATA_HOME/tarnwick"
ls "$root"/usr/bin/*.log >/dev/null 2>&1 && fail "a daily log beside the installed program"

if command -v lintian >/dev/null; then
    lintian --fail-on error "$deb" >"$work/lintian.log" 2>&1 || fail "lintian: $(cat "$work/lintian.log")"
fi

[ "$failures" = 0 ] || exit 1
echo "package $(basename "$deb") checked"
