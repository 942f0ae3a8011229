#!/bin/sh
# Runs a command on the X server of $DISPLAY under a window manager (openbox),
# as a desktop has one: it frames the windows and tells their frame's size
# once they are shown. The command's status is the script's.
pret=$(mktemp -u)
openbox --sm-disable --startup "touch $pret" >/dev/null 2>&1 &
gestionnaire=$!
# Ready once it has run its start-up command (ten seconds at most).
i=0
while [ ! -e "$pret" ] && [ "$i" -lt 100 ]; do
    sleep 0.1
    i=$((i + 1))
done
rm -f "$pret"
"$@"
statut=$?
kill "$gestionnaire" 2>/dev/null
wait "$gestionnaire" 2>/dev/null
exit "$statut"
