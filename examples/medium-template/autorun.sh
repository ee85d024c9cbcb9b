#!/bin/sh
# Started by Linux desktops that offer to run software from an inserted
# medium (after asking the person). Starts Tavilo from the medium's root with
# the root as the current folder, also when the medium is mounted without
# execute bits (a CD without Rock Ridge, a FAT stick).
cd "$(dirname "$0")" || exit 1
if [ -x ./Tavilo ]; then
  exec ./Tavilo
fi
# A medium mounted "noexec" runs no program at all, through the loader neither.
options=$(findmnt -n -o OPTIONS -T . 2>/dev/null)
case ",$options," in
  *,noexec,*)
    cat >&2 <<'TEXT'
Tavilo kann von diesem Medium nicht gestartet werden: Das System hat das
Medium mit der Option "noexec" eingebunden, die das Starten von Programmen
darauf verbietet. So geht es trotzdem:
  - das Medium ohne "noexec" einbinden (zum Beispiel im Dateimanager aus-
    und wieder einhängen), oder
  - den Inhalt des Mediums in einen Ordner auf der Festplatte kopieren und
    dort Tavilo starten.
TEXT
    exit 1
    ;;
esac
# Without execute bits the system's program loader still starts it.
for loader in /lib64/ld-linux-x86-64.so.2 /lib/x86_64-linux-gnu/ld-linux-x86-64.so.2 /lib/ld-linux-x86-64.so.2; do
  if [ -e "$loader" ]; then
    exec "$loader" ./Tavilo
  fi
done
echo "Tavilo kann nicht gestartet werden: kein Programmlader gefunden." >&2
exit 1
