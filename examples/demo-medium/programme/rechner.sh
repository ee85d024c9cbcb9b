#!/bin/sh
# Taschenrechner der Velmora-CD: nimmt den Rechner des Desktops, sonst bc im Terminal.
for r in gnome-calculator kcalc galculator xcalc; do
  command -v "$r" >/dev/null 2>&1 && exec "$r"
done
if command -v x-terminal-emulator >/dev/null 2>&1 && command -v bc >/dev/null 2>&1; then
  exec x-terminal-emulator -e bc -ql
fi
command -v xmessage >/dev/null 2>&1 && exec xmessage "Kein Rechner gefunden."
exit 1
