#!/usr/bin/env bash
# Runs a private CUPS server with virtual printers inside one run folder, for tests.
#
#   printserver.sh start RUN [--tcp] [--tls DIR] [--users FILE] [--history-seconds N]
#                                         start cupsd; writes RUN/env.sh (exports CUPS_SERVER);
#                                         with --tcp it also listens on a free port of 127.0.0.1,
#                                         written to RUN/ipp.port, as a remote print server does;
#                                         --tls DIR (implies --tcp) answers TLS too, with the
#                                         certificate DIR/server.crt and key DIR/server.key, as
#                                         "localhost"; --users FILE lets the users of FILE (lines
#                                         "name:password") sign in (see require-signin);
#                                         --history-seconds N keeps a finished job's record
#                                         N seconds, so that the history stays as short as a
#                                         busy print server's; without it every job is kept,
#                                         as tests need; jobs waiting to print are never capped
#   printserver.sh add-printer RUN NAME   start a virtual printer and add raw queue NAME for it
#   printserver.sh require-signin RUN NAME  jobs for queue NAME need a user's sign-in (Basic)
#   printserver.sh start-ipp-printer RUN NAME [SECONDS]  an IPP Everywhere printer
#                                         (ippeveprinter) named NAME on a free port of
#                                         127.0.0.1 (RUN/ipp.port), at
#                                         ipp://127.0.0.1:PORT/ipp/print; each job's document
#                                         is kept in RUN/spool; with SECONDS each job takes that
#                                         long to print (a job can be cancelled meanwhile)
#   printserver.sh set-default RUN NAME   make NAME the server's default queue
#   printserver.sh job-names RUN NAME     print the names of NAME's completed jobs, oldest first
#   printserver.sh wait-idle RUN [NAME]   wait until no job is pending or printing
#   printserver.sh cancel-empty RUN NAME  cancel NAME's jobs that hold no document: a job
#                                         whose bytes were cut off by a stop of the server
#                                         stays pending for good after its restart
#   printserver.sh stop RUN               stop every process started for RUN (and for the
#                                         servers started in its subfolders), by its pid
#   printserver.sh record-pid RUN PID NAME  have stop end process PID as well
#   printserver.sh stop-server RUN        let the queues print the jobs they hold, stop cupsd
#                                         alone; its queues and printers stay
#   printserver.sh start-server RUN       start the stopped cupsd again, as configured by
#                                         start, and its queues
#
# Layout of RUN:
#   cups/                 configuration, spool, cache, state and logs (cups/log/error_log)
#   cups.sock             the server's socket (or in a short /tmp folder, see cups/socket-dir)
#   env.sh                exports CUPS_SERVER for clients (lp, lpstat, Wine)
#   pids/NAME.pid         one file per process to stop: its pid, then its start time
#   printers/NAME/        job-0001.prn, job-0002.prn, ... as the printer received them
#   printers/NAME.port    the printer's TCP port on 127.0.0.1
#   printers/NAME.log     the printer's messages
#
# add-printer runs the program named by VIRTUAL_PRINTER (default: virtual_printer on PATH).
# Nothing here touches the machine's own CUPS configuration or its server.
set -euo pipefail

readonly START_TIMEOUT=20 # seconds for cupsd to answer
readonly IDLE_TIMEOUT=60  # seconds for wait-idle
readonly STOP_GRACE=5     # seconds between SIGTERM and SIGKILL

die() {
    echo "printserver.sh: $*" >&2
    exit 1
}

usage() {
    sed -n '2,/^[^#]/{/^#/p}' "$0" | sed 's/^# \{0,1\}//' >&2
    exit 2
}

# Absolute form of a path that may not exist yet.
absolute() {
    case $1 in
    /*) printf '%s\n' "$1" ;;
    *) printf '%s/%s\n' "$PWD" "$1" ;;
    esac
}

check_name() {
    [[ $1 =~ ^[A-Za-z0-9_-]{1,127}$ ]] ||
        die "bad queue name '$1' (letters, digits, '-' and '_', up to 127 characters)"
}

# A process counts as alive unless it is gone or a zombie waiting to be reaped.
alive() {
    local state
    state=$(awk '{ sub(/^.*\) /, ""); print $1 }' "/proc/$1/stat" 2>/dev/null) || return 1
    [[ -n $state && $state != Z && $state != X ]]
}

# A pid file holds the pid and, on its second line, the process's start time (in clock ticks
# since boot), so that a pid reused by another process after a restart is never taken for
# ours.
start_time() {
    awk '{ sub(/^.*\) /, ""); print $20 }' "/proc/$1/stat" 2>/dev/null
}

write_pid_file() {
    printf '%s\n%s\n' "$1" "$(start_time "$1")" >"$2"
}

# Prints the pid of the file's process if that process still runs.
running_pid() {
    local pid started
    [[ -f $1 ]] || return 1
    { read -r pid && read -r started; } <"$1" || return 1
    [[ $pid =~ ^[0-9]+$ ]] && alive "$pid" && [[ $(start_time "$pid") == "$started" ]] || return 1
    echo "$pid"
}

load_env() {
    [[ -f $RUN/env.sh ]] || die "no print server in $RUN (run 'printserver.sh start $RUN' first)"
    # shellcheck disable=SC1091
    source "$RUN/env.sh"
}

# The socket path as the host part of an ipp:// URI: every byte but the unreserved ones
# is percent-encoded, as CUPS expects for a server on a unix socket.
uri_host() {
    local LC_ALL=C s=$1 out='' c i
    for ((i = 0; i < ${#s}; i++)); do
        c=${s:i:1}
        case $c in
        [A-Za-z0-9._~-]) out+=$c ;;
        *) out+=$(printf '%%%02X' "'$c") ;;
        esac
    done
    printf '%s\n' "$out"
}

error_log_tail() {
    local log=$RUN/cups/log/error_log
    if [[ -s $log ]]; then
        echo "--- last lines of $log:" >&2
        tail -n 20 "$log" >&2
    fi
    if [[ -s $RUN/cups/log/cupsd.out ]]; then
        echo "--- cupsd output:" >&2
        tail -n 20 "$RUN/cups/log/cupsd.out" >&2
    fi
}

# A TCP port of 127.0.0.1 that nothing listens on now.
free_port() {
    python3 -c 'import socket; s = socket.socket(); s.bind(("127.0.0.1", 0)); print(s.getsockname()[1])'
}

# Private user files for a server whose users sign in: the machine's users and groups stay
# as they are; cupsd sees these in place of /etc/passwd and /etc/shadow, in a mount
# namespace of its own (see run_cupsd). The passwords are hashed as the system does.
write_user_files() {
    local users=$1 dir=$2 name password uid=61000
    mkdir -p "$dir"
    cp /etc/passwd "$dir/passwd"
    : >"$dir/shadow"
    while IFS=: read -r name password; do
        [[ -n $name ]] || continue
        [[ $name =~ ^[a-z][a-z0-9_-]{0,31}$ ]] || die "bad user name '$name' in $users"
        printf '%s:x:%d:65534::/nonexistent:/usr/sbin/nologin\n' "$name" "$uid" >>"$dir/passwd"
        printf '%s:%s:19000:0:99999:7:::\n' "$name" "$(openssl passwd -6 -stdin <<<"$password")" \
            >>"$dir/shadow"
        uid=$((uid + 1))
    done <"$users"
    chmod 600 "$dir/shadow"
}

cmd_start() {
    local tcp='' tls='' users='' history=Yes pidfile=$RUN/pids/cupsd.pid running
    while (($# > 0)); do
        case $1 in
        --tcp) tcp=--tcp ;;
        --tls)
            (($# >= 2)) || usage
            tls=$(absolute "$2")
            tcp=--tcp
            shift
            ;;
        --users)
            (($# >= 2)) || usage
            users=$(absolute "$2")
            shift
            ;;
        --history-seconds)
            if (($# < 2)) || [[ ! $2 =~ ^[1-9][0-9]*$ ]]; then usage; fi
            history=$2
            shift
            ;;
        *) usage ;;
        esac
        shift
    done
    if running=$(running_pid "$pidfile"); then
        die "a print server already runs for $RUN (pid $running)"
    fi
    # The paths go into cupsd's configuration, which has no quoting.
    [[ $RUN != *[[:space:]]* ]] || die "the run folder's path must not contain blanks: $RUN"
    mkdir -p "$RUN" "$RUN/pids" "$RUN/printers"
    # cupsd starts backends as user lp, which must reach the spool below RUN.
    chmod 755 "$RUN"
    if ! setpriv --reuid=lp --regid=lp --clear-groups test -x "$RUN" 2>/dev/null; then
        die "user lp cannot enter $RUN: a folder above it is closed to others (chmod o+x it)"
    fi

    local c=$RUN/cups
    mkdir -p "$c/log" "$c/spool/tmp" "$c/cache" "$c/state" "$c/ppd" "$c/ssl"
    chmod 755 "$c" "$c/log" "$c/cache" "$c/state"

    # A unix socket path holds at most 107 bytes; a deep RUN gets its socket in /tmp.
    local sock=$RUN/cups.sock
    rm -f "$c/socket-dir"
    if (($(printf '%s' "$sock" | wc -c) > 107)); then
        local short
        short=$(mktemp -d /tmp/swcups.XXXXXX)
        chmod 755 "$short"
        printf '%s\n' "$short" >"$c/socket-dir"
        sock=$short/cups.sock
    fi
    rm -f "$sock"
    local listen_tcp='' server_name=''
    rm -f "$RUN/ipp.port"
    if [[ $tcp == --tcp ]]; then
        local port
        port=$(free_port) || die "cannot find a free TCP port"
        listen_tcp="Listen 127.0.0.1:$port"
    fi
    # cupsd answers a TLS handshake on any port with the certificate named after ServerName.
    if [[ -n $tls ]]; then
        [[ -f $tls/server.crt && -f $tls/server.key ]] || die "no server.crt and server.key in $tls"
        server_name='ServerName localhost'
        cp "$tls/server.crt" "$c/ssl/localhost.crt"
        cp "$tls/server.key" "$c/ssl/localhost.key"
        chmod 600 "$c/ssl/localhost.key"
    fi
    rm -rf "$c/users"
    [[ -z $users ]] || write_user_files "$users" "$c/users"

    cat >"$c/cups-files.conf" <<EOF
# Every file of this server lives below $c.
ServerRoot $c
RequestRoot $c/spool
TempDir $c/spool/tmp
CacheDir $c/cache
StateDir $c/state
ErrorLog $c/log/error_log
AccessLog $c/log/access_log
PageLog $c/log/page_log
Printcap $c/printcap
LogFilePerm 0644
# cupsd refuses to run backends as root.
User lp
Group lp
SystemGroup root
FileDevice No
CreateSelfSignedCerts no
EOF

    cat >"$c/cupsd.conf" <<EOF
# Private test server: one unix socket, no network, no browsing, open to every local user.
Listen $sock
$listen_tcp
$server_name
LogLevel warn
MaxLogSize 0
Browsing No
BrowseLocalProtocols none
DefaultShared No
WebInterface No
# Tests read the names of completed jobs; the documents themselves need not be kept.
PreserveJobHistory $history
PreserveJobFiles No
MaxJobs 0
# A job a printer cannot take fails at once instead of stopping the queue.
ErrorPolicy abort-job
DefaultPolicy default
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
    Allow all
  </Limit>
</Policy>
# Queues whose jobs need a sign-in (require-signin): a user of the server's own list.
<Policy signin>
  JobPrivateAccess all
  JobPrivateValues none
  SubscriptionPrivateAccess all
  SubscriptionPrivateValues none
  <Limit Create-Job Print-Job Print-URI Validate-Job Send-Document>
    AuthType Basic
    Require valid-user
    Order deny,allow
    Allow all
  </Limit>
  <Limit All>
    Order deny,allow
    Allow all
  </Limit>
</Policy>
EOF

    if ! cupsd -t -c "$c/cupsd.conf" -s "$c/cups-files.conf" >"$c/log/cupsd.out" 2>&1; then
        cat "$c/log/cupsd.out" >&2
        die "cupsd rejects the configuration in $c"
    fi

    printf 'export CUPS_SERVER=%q\n' "$sock" >"$RUN/env.sh"
    launch_cupsd
    [[ -z $listen_tcp ]] || printf '%s\n' "${listen_tcp##*:}" >"$RUN/ipp.port"
}

# Runs cupsd with the configuration in RUN/cups and waits until it answers on the socket
# named in RUN/env.sh.
launch_cupsd() {
    local c=$RUN/cups pidfile=$RUN/pids/cupsd.pid
    load_env
    # Standard streams go to a file so that a caller reading our output is not held open.
    run_cupsd "$c" </dev/null >"$c/log/cupsd.out" 2>&1 &
    local pid=$!
    write_pid_file "$pid" "$pidfile"

    local deadline=$((SECONDS + START_TIMEOUT))
    until lpstat -r 2>/dev/null | grep -q 'is running'; do
        if ! alive "$pid"; then
            error_log_tail
            die "cupsd (pid $pid) exited during start-up"
        fi
        if ((SECONDS >= deadline)); then
            error_log_tail
            die "cupsd (pid $pid) did not answer on $CUPS_SERVER within ${START_TIMEOUT}s"
        fi
        sleep 0.1
    done
}

# Ends the process of one pid file, by its pid, and removes the file.
stop_pid_file() {
    local pid
    if pid=$(running_pid "$1"); then
        kill -TERM "$pid" 2>/dev/null || true
        local deadline=$((SECONDS + STOP_GRACE))
        while alive "$pid"; do
            if ((SECONDS >= deadline)); then
                kill -KILL "$pid" 2>/dev/null || true
                break
            fi
            sleep 0.05
        done
    fi
    rm -f "$1"
}

# The print server goes away and comes back with its queues, as a server restarted by its
# administrator does once the jobs it holds have printed. The printers keep running. Its
# queues are not paused: cupsd stops the job under way at a pause and sends it again after
# the restart (a second copy when the printer already had it). A job that arrives while
# cupsd stops may be lost although Wine's spooler told its program it was taken
# (docs/testing-under-wine.md): the caller stops the server between its prints.
cmd_stop_server() {
    load_env
    local deadline=$((SECONDS + IDLE_TIMEOUT))
    while [[ -n $(lpstat -o 2>/dev/null) ]]; do
        ((SECONDS < deadline)) || break
        sleep 0.1
    done
    stop_pid_file "$RUN/pids/cupsd.pid"
}

cmd_start_server() {
    local running queue
    if running=$(running_pid "$RUN/pids/cupsd.pid"); then
        die "a print server already runs for $RUN (pid $running)"
    fi
    launch_cupsd
    for queue in $(lpstat -e 2>/dev/null); do cupsenable "$queue"; done
}

# Runs cupsd in the foreground, keeping this process's pid. A server with users of its own
# gets a private mount namespace in which their files stand in for /etc/passwd and
# /etc/shadow, which is where the system's sign-in (PAM) looks; nothing else sees them.
run_cupsd() {
    local c=$1
    if [[ -d $c/users ]]; then
        exec unshare --mount --propagation private /bin/sh -c '
            mount --bind "$1/users/passwd" /etc/passwd &&
            mount --bind "$1/users/shadow" /etc/shadow &&
            exec cupsd -f -c "$1/cupsd.conf" -s "$1/cups-files.conf"' sh "$c"
    fi
    exec cupsd -f -c "$c/cupsd.conf" -s "$c/cups-files.conf"
}

# ippeveprinter announces itself through DNS-SD and exits without a system D-Bus and an
# avahi-daemon. Both run for it in a mount namespace of its own with a private /run, so
# that the machine's own bus and daemon (if any) are neither used nor disturbed; avahi is
# kept to the loopback interface.
cmd_start_ipp_printer() {
    local name=$1 seconds=${2:-} here
    here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
    local pidfile=$RUN/pids/ippeveprinter.pid running
    if running=$(running_pid "$pidfile"); then
        die "an IPP printer already runs for $RUN (pid $running)"
    fi
    mkdir -p "$RUN/pids" "$RUN/spool"
    chmod 755 "$RUN"
    rm -f "$RUN/ipp.port"
    local port command=/bin/true
    port=$(free_port) || die "cannot find a free TCP port"
    if [[ -n $seconds ]]; then
        [[ $seconds =~ ^[0-9]+$ ]] || die "not a number of seconds: $seconds"
        # exec: a cancelled job's signal ends the sleep itself.
        command=$RUN/print-slowly.sh
        printf '#!/bin/sh\nexec sleep %s\n' "$seconds" >"$command"
        chmod 755 "$command"
    fi
    printf '%s\n' '[server]' 'allow-interfaces=lo' 'use-ipv4=yes' 'use-ipv6=no' \
        '[wide-area]' 'enable-wide-area=no' \
        '[publish]' 'publish-hinfo=no' 'publish-workstation=no' >"$RUN/avahi-daemon.conf"
    unshare --mount --propagation private /bin/sh -c '
        run=$1 port=$2 name=$3 here=$4 command=$5
        mount -t tmpfs -o mode=755 tmpfs /run || exit 1
        mkdir -p /run/dbus /run/avahi-daemon
        dbus-daemon --system --nofork --nopidfile >"$run/dbus.log" 2>&1 &
        "$here/printserver.sh" record-pid "$run" $! dbus
        i=0
        until [ -S /run/dbus/system_bus_socket ]; do
            i=$((i + 1)); [ $i -lt 100 ] || exit 1; sleep 0.1
        done
        avahi-daemon --no-chroot --no-drop-root --no-rlimits -f "$run/avahi-daemon.conf" \
            >"$run/avahi.log" 2>&1 &
        "$here/printserver.sh" record-pid "$run" $! avahi
        i=0
        until grep -q "Server startup complete" "$run/avahi.log"; do
            i=$((i + 1)); [ $i -lt 100 ] || exit 1; sleep 0.1
        done
        # -c: a print command that returns at once, in place of the seconds of
        # "printing" it would otherwise pretend, during which it refuses jobs.
        exec ippeveprinter -p "$port" -n localhost -d "$run/spool" -k -c "$command" \
            -f application/octet-stream,application/vnd.hp-pcl,text/plain "$name"
    ' sh "$RUN" "$port" "$name" "$here" "$command" </dev/null >"$RUN/ippeveprinter.log" 2>&1 &
    local pid=$!
    write_pid_file "$pid" "$pidfile"
    local deadline=$((SECONDS + START_TIMEOUT))
    until ipptool -q -T 2 "ipp://127.0.0.1:$port/ipp/print" get-printer-attributes.test \
        </dev/null >/dev/null 2>&1; do
        if ! alive "$pid" || ((SECONDS >= deadline)); then
            tail -n 20 "$RUN/ippeveprinter.log" "$RUN/avahi.log" "$RUN/dbus.log" >&2 || true
            die "ippeveprinter did not answer on port $port"
        fi
        sleep 0.2
    done
    printf '%s\n' "$port" >"$RUN/ipp.port"
}

cmd_require_signin() {
    check_name "$1"
    load_env
    lpadmin -p "$1" -o printer-op-policy=signin
}

cmd_add_printer() {
    local name=$1
    check_name "$name"
    load_env
    local vp=${VIRTUAL_PRINTER:-}
    if [[ -z $vp ]]; then
        vp=$(command -v virtual_printer) ||
            die "set VIRTUAL_PRINTER to the built virtual_printer program"
    fi
    [[ -x $vp ]] || die "VIRTUAL_PRINTER=$vp is not an executable file"

    local pidfile=$RUN/pids/printer-$name.pid running
    if running=$(running_pid "$pidfile"); then
        die "printer $name already runs (pid $running)"
    fi
    local dir=$RUN/printers/$name portfile=$RUN/printers/$name.port log=$RUN/printers/$name.log
    mkdir -p "$dir"
    rm -f "$portfile"
    "$vp" --dir "$dir" --port-file "$portfile" </dev/null >"$log" 2>&1 &
    local pid=$!
    write_pid_file "$pid" "$pidfile"

    local deadline=$((SECONDS + 10))
    until [[ -s $portfile ]]; do
        if ! alive "$pid"; then
            cat "$log" >&2
            die "virtual printer $name exited during start-up"
        fi
        ((SECONDS < deadline)) || die "virtual printer $name wrote no port file in 10s"
        sleep 0.05
    done
    local port
    port=$(cat "$portfile")

    # CUPS warns that raw queues are deprecated; they work, so only other messages are shown.
    local out
    if ! out=$(lpadmin -p "$name" -E -v "socket://127.0.0.1:$port" -m raw 2>&1); then
        printf '%s\n' "$out" >&2
        die "lpadmin could not add queue $name"
    fi
    out=$(printf '%s\n' "$out" | grep -v -i 'deprecated' || true)
    [[ -z $out ]] || printf '%s\n' "$out" >&2
    # -E enables the queue and lets it accept jobs; make sure of both.
    cupsenable "$name"
    cupsaccept "$name"
}

cmd_set_default() {
    check_name "$1"
    load_env
    lpadmin -d "$1"
}

cmd_job_names() {
    local name=$1
    check_name "$name"
    load_env
    # job-priority is asked for only to make cupsd read each job's attributes from its
    # control file: for job-id and job-name alone it answers from memory, where a job that
    # has just completed may have no name yet. Reading jobs caps an answer at 500 jobs, so
    # they come in pages by first-index (the list is not in job-id order).
    local test=$RUN/cups/completed-jobs.test
    cat >"$test" <<'EOF'
{
  NAME "Names of completed jobs"
  OPERATION Get-Jobs
  GROUP operation-attributes-tag
  ATTR charset attributes-charset utf-8
  ATTR naturalLanguage attributes-natural-language en
  ATTR uri printer-uri $uri
  ATTR name requesting-user-name $user
  ATTR keyword which-jobs completed
  ATTR integer first-index $first
  ATTR integer limit $limit
  ATTR keyword requested-attributes job-id,job-name,job-priority
  STATUS successful-ok
}
EOF
    local uri out page count jobs='' first=1 limit=500
    uri="ipp://$(uri_host "$CUPS_SERVER")/printers/$name"
    while :; do
        if ! out=$(ipptool -T 30 -t -v -d "first=$first" -d "limit=$limit" "$uri" "$test" 2>&1); then
            printf '%s\n' "$out" >&2
            die "ipptool Get-Jobs failed for $uri"
        fi
        page=$(printf '%s\n' "$out" | parse_jobs)
        [[ -n $page ]] || break
        jobs+=$page$'\n'
        count=$(printf '%s\n' "$page" | wc -l)
        ((count >= limit)) || break
        first=$((first + count))
    done
    printf '%s' "$jobs" | sort -n -k1,1 | cut -f2-
}

# Reads ipptool's verbose report of a Get-Jobs response and prints "job-id<TAB>job-name" per
# job. The report lists each job's attributes in the order the server sent them, which varies
# from job to job, with "-- separator --" between jobs. (ipptool's CSV and DISPLAY output
# drop a column that the server sends before the column named first.) Values appear as
# ippAttributeString writes them, with a backslash before every '\', '"' and '['.
parse_jobs() {
    awk '
        function unescape(s,    r, i, c) {
            r = ""
            for (i = 1; i <= length(s); i++) {
                c = substr(s, i, 1)
                if (c == "\\" && i < length(s)) { i++; c = substr(s, i, 1) }
                r = r c
            }
            return r
        }
        function flush() {
            if (id != "" && have_name) print id "\t" job_name
            id = ""; have_name = 0
        }
        !response { if (/ \[(PASS|FAIL)\]$/) response = 1; next }
        /^ *-- separator --$/ { flush(); next }
        /^ *job-id \(integer\) = / { id = $0; sub(/^[^=]*= /, "", id); next }
        /^ *job-name \([^)]*\) = / {
            job_name = $0; sub(/^ *job-name \([^)]*\) = /, "", job_name)
            job_name = unescape(job_name); have_name = 1; next
        }
        END { flush() }'
}

cmd_wait_idle() {
    load_env
    local deadline=$((SECONDS + IDLE_TIMEOUT)) jobs
    while :; do
        jobs=$(lpstat -o "$@") || die "lpstat -o failed"
        [[ -n $jobs ]] || return 0
        if ((SECONDS >= deadline)); then
            printf '%s\n' "$jobs" >&2
            lpstat -p >&2 || true
            die "jobs still queued after ${IDLE_TIMEOUT}s"
        fi
        sleep 0.1
    done
}

cmd_cancel_empty() {
    local name=$1 id
    check_name "$name"
    load_env
    # lpstat -o: job id, user, size in bytes (0 when no document arrived), date.
    for id in $(lpstat -o "$name" | awk '$3 == 0 { print $1 }'); do
        cancel "$id"
    done
}

cmd_stop() {
    local sub
    for sub in "$RUN"/*/; do
        if [[ -d $sub/pids ]]; then
            (RUN=${sub%/} && cmd_stop)
        fi
    done
    [[ -d $RUN/pids ]] || return 0
    local f pid pids=()
    for f in "$RUN"/pids/*.pid; do
        [[ -f $f ]] || continue
        if pid=$(running_pid "$f"); then
            kill -TERM "$pid" 2>/dev/null || true
            pids+=("$pid")
        fi
    done
    local deadline=$((SECONDS + STOP_GRACE)) left
    while :; do
        left=()
        for pid in "${pids[@]}"; do
            if alive "$pid"; then left+=("$pid"); fi
        done
        ((${#left[@]} > 0)) || break
        if ((SECONDS >= deadline)); then
            echo "printserver.sh: killing ${left[*]} after ${STOP_GRACE}s" >&2
            kill -KILL "${left[@]}" 2>/dev/null || true
            sleep 0.2
            break
        fi
        sleep 0.05
    done
    rm -f "$RUN"/pids/*.pid
    if [[ -f $RUN/cups/socket-dir ]]; then
        local short
        short=$(cat "$RUN/cups/socket-dir")
        [[ $short == /tmp/swcups.* ]] && rm -rf "$short"
        rm -f "$RUN/cups/socket-dir"
    fi
    rm -f "$RUN/cups.sock"
}

(($# >= 2)) || usage
command=$1
RUN=$(absolute "$2")
shift 2
case $command:$# in
start:*) cmd_start "$@" ;;
require-signin:1) cmd_require_signin "$1" ;;
start-ipp-printer:1 | start-ipp-printer:2) cmd_start_ipp_printer "$@" ;;
add-printer:1) cmd_add_printer "$1" ;;
set-default:1) cmd_set_default "$1" ;;
job-names:1) cmd_job_names "$1" ;;
wait-idle:0 | wait-idle:1) cmd_wait_idle "$@" ;;
cancel-empty:1) cmd_cancel_empty "$1" ;;
record-pid:2) write_pid_file "$1" "$RUN/pids/$2.pid" ;;
stop-server:0) cmd_stop_server ;;
start-server:0) cmd_start_server ;;
stop:0) cmd_stop ;;
*) usage ;;
esac
