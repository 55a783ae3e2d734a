#!/usr/bin/env bash
# Usage: check-install.sh BUILD_DIR STAGING_DIR SOURCE_DIR
# Installs the build under STAGING_DIR/usr and checks what a desktop reads
# there: the desktop entry, the AppStream data, the page type and which
# program opens it.
set -euo pipefail
build=$1 stage=$2 source=$3
id=com.corvane.Quillset
rm -rf "$stage"
cmake --install "$build" --prefix "$stage/usr" > /dev/null
share=$stage/usr/share

fail() { echo "$*" >&2; exit 1; }
for file in bin/quillset bin/quillset-cli share/man/man1/quillset.1.gz share/man/man1/quillset-cli.1.gz \
    share/bash-completion/completions/quillset-cli share/doc/quillset/guide.html \
    share/icons/hicolor/scalable/apps/$id.svg \
    share/icons/hicolor/{16x16,24x24,32x32,48x48,64x64,128x128,256x256}/apps/$id.png; do
    [ -f "$stage/usr/$file" ] || fail "not installed: $file"
done
[ "$("$stage/usr/bin/quillset" --version)" = "$("$stage/usr/bin/quillset-cli" --version | sed 's/-cli//')" ] ||
    fail "the two programs tell different versions"

desktop-file-validate "$share/applications/$id.desktop"
appstreamcli validate --no-net "$share/metainfo/$id.metainfo.xml" > /dev/null
# update-mime-database reports a broken file on standard error and succeeds.
errors=$(XDG_DATA_DIRS=$share update-mime-database "$share/mime" 2>&1)
[ -z "$errors" ] || fail "$errors"
update-desktop-database "$share/applications"

# The page type beside the system's own types in one database, as a package
# install makes it: which of two types sharing a glob wins depends on that.
mkdir -p "$stage/system/mime/packages"
cp /usr/share/mime/packages/freedesktop.org.xml "$share/mime/packages/$id.xml" \
    "$stage/system/mime/packages/"
XDG_DATA_DIRS=$stage/system update-mime-database "$stage/system/mime"
ln -s "$share/applications" "$stage/system/applications"

printf 'Shopping list\r\nmilk\r\n' > "$stage/notes.txt"
unset XDG_CURRENT_DESKTOP DESKTOP_SESSION KDE_FULL_SESSION GNOME_DESKTOP_SESSION_ID
export XDG_CONFIG_HOME=$stage/none XDG_CONFIG_DIRS=$stage/none XDG_DATA_HOME=$stage/none
export XDG_DATA_DIRS=$stage/system
expect() {
    [ "$2" = "$3" ] || fail "$1: $3, not $2"
}
expect "a saved page" text/x-quillset-page "$(xdg-mime query filetype "$source/examples/receipt.txt")"
expect "a plain text file" text/plain "$(xdg-mime query filetype "$stage/notes.txt")"
expect "the page type opens in" $id.desktop "$(xdg-mime query default text/x-quillset-page)"
