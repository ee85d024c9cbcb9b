"""The sandbox of the monkey test: the program cannot lose a file that the
monkey did not make.

Run as root where the system allows private mount namespaces, the program
starts in one of its own (unshare) as the user nobody. There /tmp, where the
copy window's target side starts, is a fresh small tmpfs of the monkey's; the
monkey's work folder and the X socket folder are bound into it, and every
other file system is read-only. Elsewhere the program runs as nobody (as
root) or as the caller, and only the run's own scratch folder counts as the
monkey's.
"""
import os
import subprocess

# Steps inside the new mount namespace, as root, before the program starts as
# nobody: $1 the work folder (below /tmp), $2 the tmpfs size, then the command.
SETUP = r"""
die() { echo "sandbox: $1" >&2; exit 97; }
work=$1 size=$2
shift 2
mount --make-rprivate / || die "mounts not private"
fresh=$work/.fresh-tmp
mkdir -p "$fresh" || die "no $fresh"
mount -t tmpfs -o "size=$size,mode=1777" tavilo-monkey "$fresh" || die "no tmpfs"
mkdir -p "$fresh/${work#/tmp/}" && mount --bind "$work" "$fresh/${work#/tmp/}" || die "work folder not bound"
if [ -d /tmp/.X11-unix ]; then
  mkdir "$fresh/.X11-unix" && mount --bind /tmp/.X11-unix "$fresh/.X11-unix" || die "X socket folder not bound"
fi
mount --move "$fresh" /tmp || die "tmpfs not moved to /tmp"
# Every other file system read-only (the kernel's own ones and /tmp stay).
awk '{ print $5 }' /proc/self/mountinfo | sort -u | while read -r point; do
  case $point in
    /proc|/proc/*|/sys|/sys/*|/dev|/dev/*|/tmp|/tmp/*) ;;
    *) mount -o remount,bind,ro "$point" 2>/dev/null ;;
  esac
done
if touch /usr/.tavilo-monkey-probe 2>/dev/null; then
  rm -f /usr/.tavilo-monkey-probe
  die "/ stayed writable"
fi
exec "$@"
"""


def namespace_allowed():
    """Why a private mount namespace cannot be had, or None when it can."""
    if os.geteuid() != 0:
        return "not run as root"
    try:
        done = subprocess.run(["unshare", "--mount", "--propagation", "private", "true"], capture_output=True,
                              timeout=20)
    except (OSError, subprocess.TimeoutExpired) as e:
        return f"unshare failed: {e}"
    if done.returncode != 0:
        return "unshare --mount refused: " + done.stderr.decode(errors="replace").strip()
    return None


class Sandbox:
    """How one run's program starts, and which folders are the monkey's own."""

    def __init__(self, work, namespace, tmpfs_size="128m"):
        self.work = work  # below /tmp, made by the monkey
        self.namespace = namespace
        self.size = tmpfs_size

    def command(self, program):
        command = [program]
        if os.geteuid() == 0:
            command = ["setpriv", "--reuid=65534", "--regid=65534", "--clear-groups", "--no-new-privs", "--"] + command
        if self.namespace:
            command = ["unshare", "--mount", "--propagation", "private", "sh", "-c", SETUP, "sandbox", self.work,
                       self.size] + command
        return command

    def deletable(self, shown, run_dir, pid):
        """Whether the folder that a deletion question names (upper-cased, as
        the program shows it) is the monkey's own scratch: below the namespace's
        fresh /tmp and outside the work folder, or below the run's scratch
        folder without a namespace. Checked on the program's own view of the
        file system: every folder that the name can mean is a real folder."""
        path = shown.strip().rstrip("/")
        parts = path.split("/")
        if not path.startswith("/") or any(p in ("", ".", "..") for p in parts[1:]):
            return False
        if self.namespace:
            scratch = "/tmp"
            forbidden = [upper_ascii(self.work), "/TMP/.X11-UNIX"]
        else:
            scratch = os.path.join(run_dir, "scratch")
            forbidden = []
        if not path.startswith(upper_ascii(scratch) + "/"):
            return False
        if any(path == f or path.startswith(f + "/") for f in forbidden):
            return False
        root = f"/proc/{pid}/root" if self.namespace else ""
        return _real_folders(root + scratch, path[len(scratch) + 1:].split("/"))


def upper_ascii(text):
    """Upper case as the program writes folder names in its questions."""
    return "".join(c.upper() if "a" <= c <= "z" else c for c in text)


def _real_folders(base, rest):
    """True when some folder below `base` matches the upper-cased `rest` and
    every match is a real folder (no link anywhere on the way)."""
    if not rest:
        return os.path.isdir(base) and not os.path.islink(base)
    try:
        names = [n for n in os.listdir(base) if upper_ascii(n) == rest[0]]
    except OSError:
        return False
    if not names:
        return False
    for name in names:
        path = os.path.join(base, name)
        if os.path.islink(path) or not _real_folders(path, rest[1:]):
            return False
    return True
