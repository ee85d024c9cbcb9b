#!/bin/sh
# Installationsprogramm der Velmora Werkzeuge.
# Aufruf: install.sh [--ohne-rueckfrage] [--ziel ORDNER]
cd "$(dirname "$0")/.." || exit 1
ziel="$HOME/Velmora-Werkzeuge"
frage=1
while [ $# -gt 0 ]; do
  case "$1" in
    --ohne-rueckfrage) frage=0 ;;
    --ziel) shift; ziel="$1" ;;
  esac
  shift
done
if [ "$frage" = 1 ] && command -v xmessage >/dev/null 2>&1; then
  xmessage -buttons "Installieren:0,Abbrechen:1" "Velmora Werkzeuge nach $ziel installieren?" || exit 0
fi
mkdir -p "$ziel" || exit 1
cp programme/rechner.sh programme/textanzeige.sh doku/Handbuch.txt "$ziel"/ || exit 1
chmod u+w "$ziel"/*
command -v xmessage >/dev/null 2>&1 && xmessage -timeout 5 "Die Velmora Werkzeuge sind installiert: $ziel"
exit 0
