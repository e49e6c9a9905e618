#!/usr/bin/env bash
# A print queue for a test run: CUPS with a PDF printer as the default, and a
# second PDF printer whose name is longer than a device mode's name field
# holds (31 characters), for the tests to choose.
#   cups-session.sh start STATE_DIR   cupsd running (started here when none
#                                     runs), the PDF printers added once and
#                                     the first made the default; prints
#                                     where their PDFs go
#   cups-session.sh stop STATE_DIR    ends this run's use; stops cupsd only
#                                     when this script started it and no other
#                                     run still uses it
# Several test runs on one machine share the one scheduler: each holds a lease
# while it runs, and all changes are made under one lock.
set -u
command=$1
state=$2
PRINTER=Orvendel_PDF
LONG_NAME_PRINTER=Orvendel_PDF_queue_with_a_long_printer_name
PPD=/usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd
shared=/tmp/orvendel-cups
lease="$shared/leases/$(printf '%s' "$state" | md5sum | cut -c1-16)"
mkdir -p "$shared/leases"

scheduler_running() { lpstat -r 2>/dev/null | grep -q 'is running'; }

# Where cups-pdf writes a job of this user: its Out setting, ${HOME} expanded.
pdf_directory() {
  local out
  out=$(sed -n 's/^[[:space:]]*Out[[:space:]]\+//p' /etc/cups/cups-pdf.conf 2>/dev/null | tail -n 1)
  [ -n "$out" ] || out='${HOME}/PDF'
  local home
  home=$(getent passwd "$(id -un)" | cut -d: -f6)
  out=${out//\$\{HOME\}/$home}
  out=${out//\$\{USER\}/$(id -un)}
  printf '%s\n' "$out"
}

start() {
  command -v cupsd >/dev/null && [ -f "$PPD" ] || {
    echo "CUPS or the PDF printer driver is missing (tools/setup.sh installs cups and printer-driver-cups-pdf)" >&2
    return 1
  }
  if ! scheduler_running; then
    /usr/sbin/cupsd || { echo "cupsd could not be started" >&2; return 1; }
    for _ in $(seq 1 100); do scheduler_running && break; sleep 0.1; done
    scheduler_running || { echo "cupsd did not come up" >&2; return 1; }
    pgrep -x cupsd | head -n 1 >"$shared/started-cupsd"
  fi
  local queue
  for queue in "$PRINTER" "$LONG_NAME_PRINTER"; do
    if ! lpstat -p "$queue" >/dev/null 2>&1; then
      # Label=1: every PDF is named after its job number, so no job overwrites another.
      lpadmin -p "$queue" -E -v cups-pdf:/ -P "$PPD" -o printer-error-policy=abort-job -o Label=1 ||
        { echo "the PDF printer $queue could not be added" >&2; return 1; }
    fi
    cupsenable "$queue" >/dev/null 2>&1
    cupsaccept "$queue" >/dev/null 2>&1
  done
  if ! lpstat -d 2>/dev/null | grep -q ": $PRINTER\$"; then
    lpadmin -d "$PRINTER" || { echo "the PDF printer could not be made the default" >&2; return 1; }
  fi
  mkdir -p "$(pdf_directory)"
  mkdir -p "$state"
  touch "$lease"
  pdf_directory >"$state/pdf-directory"
  printf '%s\n' "$LONG_NAME_PRINTER" >"$state/long-name-printer"
  echo "print queues ready: $PRINTER (default) and $LONG_NAME_PRINTER, PDFs in $(pdf_directory)"
}

stop() {
  rm -f "$lease"
  if [ -f "$shared/started-cupsd" ] && [ -z "$(ls -A "$shared/leases")" ]; then
    local pid
    pid=$(cat "$shared/started-cupsd")
    if [ -n "$pid" ] && [ "$(cat "/proc/$pid/comm" 2>/dev/null)" = cupsd ]; then
      kill "$pid"
      for _ in $(seq 1 50); do [ -e "/proc/$pid" ] || break; sleep 0.1; done
    fi
    rm -f "$shared/started-cupsd"
  fi
  return 0
}

exec 9>"$shared/lock"
flock 9
case "$command" in
  start) start ;;
  stop) stop ;;
  *) echo "usage: $0 start|stop STATE_DIR" >&2; exit 2 ;;
esac
