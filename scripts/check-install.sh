#!/usr/bin/env bash
# Checks an installed copy, after scripts/build.sh: installs build/ into a temporary prefix, validates the
# desktop entry and the AppStream metadata, starts the installed program offscreen with a fresh home directory,
# and checks that it set up its data directory and wrote nothing into the prefix.
set -euo pipefail
cd "$(dirname "$0")/.."

program=quillomar-pad-submitter
app_id=example.quillomar.padsubmitter
work=$(mktemp -d)
prefix=$work/prefix
home=$work/home
data=$home/.local/share/Quillomar/QuillomarPadSubmitter
pid=""

cleanup() {
    # The program runs in its own process group: this ends its browser helper processes too.
    [ -n "$pid" ] && kill -KILL -- "-$pid" 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT
fail() {
    echo "check-install: $*" >&2
    [ -f "$work/program.log" ] && tail -n 40 "$work/program.log" >&2
    exit 1
}

cmake --install build --prefix "$prefix" >/dev/null
for f in bin/$program share/applications/$app_id.desktop share/metainfo/$app_id.metainfo.xml \
         share/icons/hicolor/scalable/apps/$app_id.svg share/icons/hicolor/48x48/apps/$app_id.png \
         share/$program/kwz.db share/$program/kwz.ini share/$program/help/QuillomarPadSubmitter.html; do
    [ -f "$prefix/$f" ] || fail "not installed: $f"
done
desktop-file-validate "$prefix/share/applications/$app_id.desktop"
appstreamcli validate --no-net "$prefix/share/metainfo/$app_id.metainfo.xml"
echo

snapshot() { (cd "$prefix" && find . -printf '%p %s %m %T@\n' | sort); }
before=$(snapshot)

# At start the program opens the maker's web site externally; this stand-in records the request instead of
# starting a browser that could keep the check waiting.
mkdir -p "$home" "$work/stubs"
printf '#!/bin/sh\necho "$*" >> "%s/opened"\n' "$work" >"$work/stubs/xdg-open"
chmod +x "$work/stubs/xdg-open"

# Job control gives the program a process group of its own, whose id is its process id.
set -m
env -u DISPLAY -u WAYLAND_DISPLAY -u XDG_DATA_HOME -u XDG_CONFIG_HOME -u XDG_CACHE_HOME \
    HOME="$home" PATH="$work/stubs:$PATH" BROWSER="$work/stubs/xdg-open" \
    QT_QPA_PLATFORM=offscreen QTWEBENGINE_DISABLE_SANDBOX=1 \
    QTWEBENGINE_CHROMIUM_FLAGS="--disable-gpu --no-sandbox --disable-background-networking --no-first-run" \
    "$prefix/bin/$program" >"$work/program.log" 2>&1 </dev/null &
pid=$!
set +m

# A first start seeds the database, then the main window writes its home page.
for _ in $(seq 120); do
    [ -f "$data/kwz.db" ] && [ -f "$data/webStart.html" ] && break
    kill -0 "$pid" 2>/dev/null || fail "the installed program ended before setting up $data"
    sleep 0.5
done
[ -f "$data/kwz.db" ] && [ -f "$data/webStart.html" ] || fail "no kwz.db and webStart.html in $data after 60 s"
kill -0 "$pid" 2>/dev/null || fail "the installed program ended"
kill -TERM -- "-$pid" 2>/dev/null || true
wait "$pid" 2>/dev/null || true
kill -KILL -- "-$pid" 2>/dev/null || true
pid=""

[ "$(stat -c %a "$data/kwz.db")" = 600 ] || fail "the seeded database is not owner-only"
# The four tables of the shipped archive, and beside them the program's own, which it makes at its first start.
tables=$(sqlite3 "$data/kwz.db" "SELECT group_concat(name, ' ') FROM (SELECT name FROM sqlite_master
         WHERE type = 'table' AND name NOT LIKE 'sqlite_%' ORDER BY name)")
expected="tab_formMaps tab_productHistory tab_productStatus tab_products tab_siteChecks tab_sites"
[ "$tables" = "$expected" ] || fail "the seeded database has the tables '$tables', not '$expected'"
[ "$(snapshot)" = "$before" ] || fail "the program wrote into its prefix: $(diff <(echo "$before") <(snapshot))"
echo "check-install: passed; data directory: $(cd "$data" && ls -d kwz.* webStart.html | tr '\n' ' '); prefix unchanged"
