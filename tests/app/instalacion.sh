#!/bin/sh
# Installs the build into a scratch prefix, checks the desktop files, makes the
# prefix read-only, and runs the installed copy as a user who cannot write it:
# the launcher starts the program, and its settings are saved in the user's
# configuration folder (instalada_qtest).
# Usage: instalacion.sh BUILD_DIR QTEST_PROGRAM
set -u
construccion=$1
# In /tmp, so the ordinary user reaches it wherever the build lives.
trabajo=$(mktemp -d /tmp/norvela-instalacion.XXXXXX)
chmod 755 "$trabajo"
trap 'chmod -R u+w "$trabajo"; rm -rf "$trabajo"' EXIT
falla() { echo "FAIL: $*"; [ -n "${pid:-}" ] && kill -9 "$pid" 2>/dev/null; exit 1; }

mkdir -p "$trabajo/casa/runtime"
cp "$2" "$trabajo/prueba"
prueba="$trabajo/prueba"
prefijo="$trabajo/prefijo"
cmake --install "$construccion" --prefix "$prefijo" >/dev/null || falla "cmake --install failed"

programa=$(find "$prefijo" -type f -name norvela -path '*/norvela/norvela')
[ -n "$programa" ] || falla "no program installed under lib/"
carpeta=$(dirname "$programa")
for f in bin/norvela share/applications/es.norvela.Norvela.desktop \
         share/metainfo/es.norvela.Norvela.metainfo.xml \
         share/icons/hicolor/128x128/apps/es.norvela.Norvela.png; do
    [ -e "$prefijo/$f" ] || falla "$f was not installed"
done
[ -x "$prefijo/bin/norvela" ] || falla "the launcher is not executable"
[ -f "$carpeta/norvela19_20/cas/textos" ] || falla "the data folder is not beside the program"
[ ! -e "$carpeta/norvela19_20/ajustes" ] || falla "the build's settings record was installed"
if command -v desktop-file-validate >/dev/null; then
    desktop-file-validate "$prefijo/share/applications/es.norvela.Norvela.desktop" || falla "desktop entry"
fi
if command -v appstreamcli >/dev/null; then
    appstreamcli validate --no-net --pedantic "$prefijo/share/metainfo/es.norvela.Norvela.metainfo.xml" \
        || falla "metainfo"
fi

# Root writes anywhere: run the copy as an ordinary user instead.
chmod -R a-w "$prefijo"
como=""
if [ "$(id -u)" -eq 0 ]; then
    chown -R 65534:65534 "$trabajo/casa"
    chmod -R a+rX "$prefijo" "$prueba"
    como="setpriv --reuid=65534 --regid=65534 --clear-groups"
fi
chmod 700 "$trabajo/casa/runtime"
entorno="HOME=$trabajo/casa XDG_CONFIG_HOME=$trabajo/casa/.config XDG_RUNTIME_DIR=$trabajo/casa/runtime QT_QPA_PLATFORM=offscreen"

# shellcheck disable=SC2086
env $entorno NORVELA_MSG_LOG="$trabajo/casa/mensajes.txt" NORVELA_MSG_ANSWER=no \
    NORVELA_TRACE="$trabajo/casa/traza.txt" $como "$prefijo/bin/norvela" &
pid=$!
for _ in $(seq 1 300); do
    grep -q TFlomce "$trabajo/casa/traza.txt" 2>/dev/null && break
    kill -0 "$pid" 2>/dev/null || break
    sleep 0.1
done
grep -q TFlomce "$trabajo/casa/traza.txt" 2>/dev/null \
    || falla "the installed copy did not start: $(cat "$trabajo/casa/mensajes.txt" 2>/dev/null)"
kill "$pid"
wait "$pid" 2>/dev/null
pid=""
[ ! -s "$trabajo/casa/mensajes.txt" ] || falla "the installed copy said: $(cat "$trabajo/casa/mensajes.txt")"

# shellcheck disable=SC2086
env $entorno NORVELA_INSTALADA="$carpeta" $como "$prueba" || falla "saving the settings"
echo "installed, started read-only as an ordinary user, settings saved in the user's folder"
exit 0
