#!/bin/sh
# Textbetrachter der Velmora-CD: zeigt die Datei im Editor des Desktops, sonst in xmessage.
datei="$1"
[ -f "$datei" ] || exit 1
command -v xdg-open >/dev/null 2>&1 && exec xdg-open "$datei"
command -v xmessage >/dev/null 2>&1 && exec xmessage -file "$datei"
exit 1
