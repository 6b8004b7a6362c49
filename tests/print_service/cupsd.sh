#!/usr/bin/env bash
# Starts or stops a private CUPS server for the tests, whose default queue PDF writes to a file.
#   cupsd.sh start DIR PORT   configure everything under DIR, listen on 127.0.0.1:PORT only
#   cupsd.sh stop DIR         stop the server whose process id DIR/cupsd.pid holds
# After start: DIR/server holds the address (127.0.0.1:PORT), DIR/cupsd.pid the process id, and
# each PDF job sent to the default queue PDF is written unchanged to DIR/out/PDF.pdf. Nothing
# outside DIR is touched.
set -euo pipefail

usage() {
  echo "usage: $0 start DIR PORT | stop DIR" >&2
  exit 2
}

fresh_log=0  # set once this start has cleared the folder, so the error log is its own

fail() {
  echo "cupsd.sh: $*" >&2
  if [ "$fresh_log" -eq 1 ] && [ -f "$dir/log/error_log" ]; then
    echo "--- last lines of $dir/log/error_log ---" >&2
    tail -n 25 "$dir/log/error_log" >&2
  fi
  exit 1
}

# Stops the server recorded in DIR/cupsd.pid, if that process is still a cupsd.
stop_server() {
  local pid_file=$dir/cupsd.pid
  [ -f "$pid_file" ] || return 0
  local pid
  pid=$(cat "$pid_file")
  if [ -n "$pid" ] && [ "$(cat "/proc/$pid/comm" 2>/dev/null)" = cupsd ]; then
    kill -TERM "$pid"
    for _ in $(seq 100); do
      [ -d "/proc/$pid" ] || break
      sleep 0.1
    done
    if [ -d "/proc/$pid" ]; then
      kill -KILL "$pid"
    fi
  fi
  rm -f "$pid_file"
}

# True when something accepts connections on 127.0.0.1:PORT.
port_in_use() {
  (exec 3<>"/dev/tcp/127.0.0.1/$1") 2>/dev/null
}

write_configuration() {
  local user group system_group
  # Filters run as User; a server started by root runs them as lp, as the machine's own does.
  if [ "$(id -u)" -eq 0 ]; then
    user=lp group=lp system_group=root
  else
    user=$(id -un) group=$(id -gn) system_group=$(id -gn)
  fi
  cat >"$dir/etc/cups-files.conf" <<CONF
ServerRoot $dir/etc
RequestRoot $dir/spool
CacheDir $dir/cache
StateDir $dir/state
TempDir $dir/tmp
ServerKeychain $dir/ssl
CreateSelfSignedCerts no
AccessLog $dir/log/access_log
ErrorLog $dir/log/error_log
PageLog $dir/log/page_log
Printcap $dir/state/printcap
User $user
Group $group
SystemGroup $system_group
FileDevice Yes
CONF
  cat >"$dir/etc/cupsd.conf" <<CONF
Listen 127.0.0.1:$port
Browsing No
BrowseLocalProtocols none
WebInterface No
LogLevel debug
MaxLogSize 0
DefaultAuthType None
<Location />
  Order allow,deny
  Allow from 127.0.0.1
</Location>
<Policy default>
  JobPrivateAccess all
  JobPrivateValues none
  SubscriptionPrivateAccess all
  SubscriptionPrivateValues none
  <Limit All>
    Order allow,deny
    Allow from 127.0.0.1
  </Limit>
</Policy>
CONF
}

# The queue's driver: a PPD whose one filter copies the PDF as it is. A raw queue would need no
# filter, but cupsd writes a file: device only from a filter's output, so a raw job to a file
# completes without writing anything.
write_driver() {
  cat >"$dir/filter/pdf-passthrough" <<'FILTER'
#!/bin/sh
# The job's document, from the spool file (argument 6) or standard input, unchanged.
exec cat -- "${6:--}"
FILTER
  # cupsd runs filters only when neither they nor their folder can be changed by others.
  chmod 755 "$dir/filter" "$dir/filter/pdf-passthrough"
  cat >"$dir/pdf-file.ppd" <<PPD
*PPD-Adobe: "4.3"
*FormatVersion: "4.3"
*FileVersion: "1.0"
*LanguageVersion: English
*LanguageEncoding: ISOLatin1
*PCFileName: "PDFFILE.PPD"
*Manufacturer: "Local"
*Product: "(PDF file)"
*ModelName: "PDF file"
*ShortNickName: "PDF file"
*NickName: "PDF file, written unchanged"
*PSVersion: "(3010.000) 0"
*LanguageLevel: "3"
*ColorDevice: False
*DefaultColorSpace: Gray
*FileSystem: False
*cupsVersion: 2.4
*cupsFilter: "application/pdf 0 $dir/filter/pdf-passthrough"
*OpenUI *PageSize/Media Size: PickOne
*OrderDependency: 10 AnySetup *PageSize
*DefaultPageSize: A4
*PageSize A4/A4: "<</PageSize[595 842]/ImagingBBox null>>setpagedevice"
*CloseUI: *PageSize
*OpenUI *PageRegion/Media Size: PickOne
*OrderDependency: 10 AnySetup *PageRegion
*DefaultPageRegion: A4
*PageRegion A4/A4: "<</PageSize[595 842]/ImagingBBox null>>setpagedevice"
*CloseUI: *PageRegion
*DefaultImageableArea: A4
*ImageableArea A4/A4: "0 0 595 842"
*DefaultPaperDimension: A4
*PaperDimension A4/A4: "595 842"
PPD
}

start_server() {
  stop_server  # a server left over from an interrupted run of this same build
  command -v /usr/sbin/cupsd >/dev/null || fail "/usr/sbin/cupsd is missing (package cups-daemon)"
  command -v lpadmin >/dev/null || PATH=$PATH:/usr/sbin
  command -v lpadmin >/dev/null || fail "lpadmin is missing (package cups-client)"
  if port_in_use "$port"; then
    fail "port 127.0.0.1:$port is already in use; configure another with -DPRINT_SERVICE_PORT=..."
  fi
  local parts=(etc spool cache state tmp ssl log out filter)
  mkdir -p "$dir"
  (cd "$dir" && rm -rf "${parts[@]}" server pdf-file.ppd && mkdir "${parts[@]}")
  fresh_log=1
  chmod 755 "$dir" "$dir/out"
  write_configuration
  write_driver
  /usr/sbin/cupsd -t -c "$dir/etc/cupsd.conf" -s "$dir/etc/cups-files.conf" >"$dir/log/check" 2>&1 ||
    fail "cupsd rejects its configuration: $(cat "$dir/log/check")"
  /usr/sbin/cupsd -f -c "$dir/etc/cupsd.conf" -s "$dir/etc/cups-files.conf" \
    >"$dir/log/stdout" 2>&1 </dev/null &
  echo $! >"$dir/cupsd.pid"
  local server=127.0.0.1:$port
  local answered=0
  for _ in $(seq 100); do
    [ -d "/proc/$(cat "$dir/cupsd.pid")" ] || fail "cupsd ended at once: $(cat "$dir/log/stdout")"
    # lpstat -r exits 0 either way; only its words tell.
    if [ "$(lpstat -h "$server" -r 2>/dev/null)" = "scheduler is running" ]; then
      answered=1
      break
    fi
    sleep 0.1
  done
  [ "$answered" -eq 1 ] || { stop_server; fail "cupsd did not answer on $server within 10 s"; }
  lpadmin -h "$server" -p PDF -E -v "file://$dir/out/PDF.pdf" -P "$dir/pdf-file.ppd" \
    >"$dir/log/lpadmin" 2>&1 ||
    { stop_server; fail "lpadmin could not add the queue PDF: $(cat "$dir/log/lpadmin")"; }
  lpadmin -h "$server" -d PDF >>"$dir/log/lpadmin" 2>&1 ||
    { stop_server; fail "lpadmin could not make PDF the default: $(cat "$dir/log/lpadmin")"; }
  echo "$server" >"$dir/server"
  echo "print service on $server (process $(cat "$dir/cupsd.pid")), jobs to $dir/out/PDF.pdf"
}

[ $# -ge 2 ] || usage
action=$1
dir=$(realpath -m "$2")
case "$action" in
  start)
    [ $# -eq 3 ] || usage
    port=$3
    start_server
    ;;
  stop)
    [ $# -eq 2 ] || usage
    stop_server
    ;;
  *) usage ;;
esac
