#!/bin/sh
# Two starts of the program: the second shows the "already running" message
# and ends, the first keeps running; after the first one is killed outright,
# its stale lock does not block the next start; a lock that cannot be written
# is told as such and the program starts.
# Usage: dos_instancias.sh PROGRAM WORK_DIR
set -u
programa=$1
trabajo=$2
rm -rf "$trabajo"
mkdir -p "$trabajo/runtime"
chmod 700 "$trabajo/runtime"
export QT_QPA_PLATFORM=offscreen XDG_RUNTIME_DIR="$trabajo/runtime" HOME="$trabajo"
export NORVELA_MSG_ANSWER=no

falla() { echo "FAIL: $*"; kill -9 "$primero" 2>/dev/null; exit 1; }

NORVELA_MSG_LOG="$trabajo/primero.txt" NORVELA_TRACE="$trabajo/traza.txt" "$programa" &
primero=$!
# Wait until the first one has created its screens.
for _ in $(seq 1 300); do
    grep -q TFlomce "$trabajo/traza.txt" 2>/dev/null && break
    sleep 0.1
done
grep -q TFlomce "$trabajo/traza.txt" 2>/dev/null || falla "the first start did not finish its start-up"

NORVELA_MSG_LOG="$trabajo/segundo.txt" timeout 20 "$programa"
estado=$?
[ "$estado" -eq 0 ] || falla "the second start ended with status $estado"
printf '¡¡ El Norvela ya está funcionando !!\n Mira en la barra de tareas...\n' > "$trabajo/esperado.txt"
cmp -s "$trabajo/segundo.txt" "$trabajo/esperado.txt" || falla "the second start said: $(cat "$trabajo/segundo.txt" 2>/dev/null)"
kill -0 "$primero" 2>/dev/null || falla "the first start did not keep running"
[ ! -s "$trabajo/primero.txt" ] || falla "the first start was disturbed: $(cat "$trabajo/primero.txt")"

# A program that crashed leaves its lock behind; the next start takes it over.
kill -9 "$primero"
wait "$primero" 2>/dev/null
rm -f "$trabajo/traza.txt"
NORVELA_MSG_LOG="$trabajo/tercero.txt" NORVELA_TRACE="$trabajo/traza.txt" "$programa" &
tercero=$!
for _ in $(seq 1 300); do
    grep -q TFlomce "$trabajo/traza.txt" 2>/dev/null && break
    sleep 0.1
done
primero=$tercero
grep -q TFlomce "$trabajo/traza.txt" 2>/dev/null || falla "the start after a crash did not get going: $(cat "$trabajo/tercero.txt" 2>/dev/null)"
kill "$tercero"
wait "$tercero" 2>/dev/null

# On a full disk the lock cannot be written: the program says so, with the
# lock's path, and starts. Messages and trace go through a pipe, which the
# file-size limit does not reach.
( trap '' XFSZ; ulimit -f 0; NORVELA_MSG_LOG=/dev/stdout NORVELA_TRACE=/dev/stdout "$programa" &
  echo "pid $!"; wait ) | cat > "$trabajo/lleno.txt" &
for _ in $(seq 1 300); do
    grep -q TFlomce "$trabajo/lleno.txt" 2>/dev/null && break
    sleep 0.1
done
primero=$(sed -n 's/^pid //p' "$trabajo/lleno.txt")
grep -q TFlomce "$trabajo/lleno.txt" || falla "a start on a full disk did not get going: $(cat "$trabajo/lleno.txt")"
grep -qx "No se puede crear el fichero de bloqueo $trabajo/runtime/norvela19_20.exe.lock: File too large." \
    "$trabajo/lleno.txt" || falla "a start on a full disk said: $(cat "$trabajo/lleno.txt")"
kill "$primero"
wait
echo "two starts: second refused, first undisturbed; stale lock taken over; unwritable lock told, then started"
exit 0
