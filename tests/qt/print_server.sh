#!/usr/bin/env bash
# A print service of the tests' own: a CUPS server with its configuration,
# spool, devices and socket in one folder, whose default printer "PDF"
# writes each job as a PDF file into FOLDER/printed. The machine's own CUPS,
# its queues and its default printer are never touched.
#
#   print_server.sh start FOLDER   # set up (once) and start; PDF the default
#   print_server.sh stop FOLDER    # end it (the folder stays)
#   print_server.sh device FOLDER NAME SECONDS MESSAGE
#       # a device that takes a job, waits, then fails it with MESSAGE
#
# Clients reach it with CUPS_SERVER=FOLDER/cups.sock and
# CUPS_SERVERROOT=FOLDER/etc (no client.conf or lpoptions of the machine's
# can then send them elsewhere).
set -euo pipefail
command="${1:-}"
dir="${2:-}"
[ -n "$dir" ] || { echo "usage: print_server.sh start|stop|device FOLDER ..." >&2; exit 2; }
mkdir -p "$dir"
dir="$(cd "$dir" && pwd)"
export CUPS_SERVER="$dir/cups.sock" CUPS_SERVERROOT="$dir/etc"
running() { [ -f "$dir/pid" ] && kill -0 "$(cat "$dir/pid")" 2>/dev/null; }

# A backend owned by the one who runs the server and readable by no one
# else: CUPS then runs it as that account, which can write into the folder.
backend() { # name, body
  local file="$dir/lib/backend/$1"
  printf '#!/bin/sh\n[ $# -eq 0 ] && { echo '\''direct %s "Unknown" "Test device"'\''; exit 0; }\n%s\n' "$1" "$2" >"$file.new"
  chmod 0700 "$file.new"
  mv "$file.new" "$file"
}

setup() {
  # CUPS refuses files others may write, and the filters run as "lp" when
  # the server runs as root: everything readable, nothing writable by others.
  chmod 0755 "$dir"
  mkdir -p "$dir/etc/ppd" "$dir/spool/tmp" "$dir/cache" "$dir/run" "$dir/log" "$dir/lib/backend" "$dir/printed"
  chmod 0755 "$dir/lib" "$dir/lib/backend"
  for part in filter cgi-bin daemon driver monitor notifier; do
    [ -e "$dir/lib/$part" ] || ln -s "/usr/lib/cups/$part" "$dir/lib/$part"
  done
  local user group
  user=$(id -un)
  group=$(id -gn)
  if [ "$(id -u)" -eq 0 ]; then
    user=lp
    group=lp
  fi
  cat >"$dir/etc/cups-files.conf" <<EOF
ServerRoot $dir/etc
RequestRoot $dir/spool
TempDir $dir/spool/tmp
CacheDir $dir/cache
StateDir $dir/run
ServerBin $dir/lib
DataDir /usr/share/cups
DocumentRoot /usr/share/cups/doc-root
ErrorLog $dir/log/error_log
AccessLog $dir/log/access_log
PageLog $dir/log/page_log
User $user
Group $group
SystemGroup $(id -gn)
FileDevice Yes
Sandboxing Relaxed
EOF
  cat >"$dir/etc/cupsd.conf" <<EOF
Listen $dir/cups.sock
Browsing No
WebInterface No
LogLevel warn
MaxLogSize 0
DefaultAuthType None
JobRetryLimit 0
PreserveJobHistory Yes
<Location />
  Order allow,deny
  Allow all
</Location>
<Policy default>
  JobPrivateAccess all
  JobPrivateValues none
  SubscriptionPrivateAccess all
  SubscriptionPrivateValues none
  <Limit All>
    Order deny,allow
  </Limit>
</Policy>
EOF
  # The PDF printer: what cups-pdf does with the PostScript the filters
  # make, but into this folder.
  backend corvane-pdf "out=\"$dir/printed\"
tmp=\"\$out/.job-\$1.pdf\"
gs -q -dCompatibilityLevel=1.4 -dNOPAUSE -dBATCH -dSAFER -sDEVICE=pdfwrite -sOutputFile=\"\$tmp\" \\
  -dAutoRotatePages=/PageByPage -dAutoFilterColorImages=false -dColorImageFilter=/FlateEncode \\
  -dPDFSETTINGS=/prepress -c -f \"\${6:--}\" >/dev/null 2>&1 || { echo 'ERROR: ghostscript failed' >&2; exit 1; }
title=\$(printf '%s' \"\$3\" | tr -c 'A-Za-z0-9_.-' '_' | cut -c 1-60)
mv \"\$tmp\" \"\$out/\${title:-job}-job_\$1.pdf\""
}

start() {
  running && return 0
  [ -f "$dir/etc/cupsd.conf" ] || setup
  if [ "$(id -u)" -eq 0 ] && ! runuser -u lp -- test -x "$dir/spool" 2>/dev/null; then
    echo "print_server.sh: the filters run as lp, who cannot reach $dir: give it a folder others may enter" >&2
    exit 1
  fi
  rm -f "$dir/cups.sock"
  /usr/sbin/cupsd -f -c "$dir/etc/cupsd.conf" -s "$dir/etc/cups-files.conf" </dev/null >>"$dir/log/cupsd.out" 2>&1 &
  echo $! >"$dir/pid"
  for _ in $(seq 1 100); do
    lpstat -r 2>/dev/null | grep -q 'is running' && break
    sleep 0.1
  done
  lpstat -r 2>/dev/null | grep -q 'is running' || { cat "$dir/log/cupsd.out" "$dir/log/error_log" >&2 2>/dev/null; echo "print server did not start" >&2; exit 1; }
  if ! lpstat -p PDF >/dev/null 2>&1; then
    lpadmin -p PDF -E -v corvane-pdf:/ -P /usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd \
      -o pdftops-renderer-default=pdftocairo -o TitlePref=1 2>&1 | { grep -v 'drivers are deprecated' >&2 || true; }
  fi
  lpadmin -d PDF
  cupsenable PDF
  cupsaccept PDF
}

stop() {
  running || { rm -f "$dir/pid"; return 0; }
  local pid
  pid=$(cat "$dir/pid")
  kill "$pid"
  for _ in $(seq 1 100); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
  rm -f "$dir/pid" "$dir/cups.sock"
}

case "$command" in
start) start ;;
stop) stop ;;
device) backend "$3" "cat >/dev/null
sleep $4
echo 'ERROR: $5' >&2
exit 1" ;;
*) echo "usage: print_server.sh start|stop|device FOLDER ..." >&2; exit 2 ;;
esac
