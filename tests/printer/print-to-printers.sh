#!/usr/bin/env bash
# Prints every example to `quillset-cli listen` as a user would: ESC/POS,
# TSPL and EPL2 through a FIFO, ZPL, ESC/POS, TSPL and EPL2 over the network,
# ZPL through a private CUPS server with a raw queue; each page listen writes
# must equal the render dot for dot, and tell the settings it was sent; the
# printer's state asked, and a batch stopped by paper out and resumed. Then
# the faults: each names its target and reason,
# and Ctrl+C cancels a print that a stalled printer holds up.
set -euo pipefail
cli=$1
examples=$2
work=$(mktemp -d /tmp/quillset-print-XXXXXX)
chmod 755 "$work"
export XDG_CONFIG_HOME=$work/config # the user's saved printer stays out of it
base=$((20000 + $$ % 20000))
failures=0
pids=()

cleanup() {
    for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
    wait 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT

fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

mapfile -t names < <(cd "$examples" && ls *.txt)
mkdir -p "$work/expected"
for name in "${names[@]}"; do
    "$cli" render "$examples/$name" -o "$work/expected/${name%.txt}.pbm"
done

# listen DIR ARGS...: starts listen for one page per example and waits until
# it listens; PAGES=N listen ... for N pages.
listen() {
    local dir=$1; shift
    mkdir -p "$dir"
    "$cli" listen "$@" -o "$dir" --pbm --pages "${PAGES:-${#names[@]}}" > "$dir/out" 2> "$dir/err" &
    pids+=($!)
    for _ in $(seq 100); do
        grep -qs "Listening on" "$dir/err" && return 0
        sleep 0.1
    done
    fail "listen $* did not start: $(cat "$dir/err")"
    return 1
}

# print_all CASE DIR ARGS...: prints each example with ARGS, waits for
# listen to write them all and compares each with the render.
print_all() {
    local case=$1 dir=$2; shift 2
    local listener=${pids[-1]}
    for name in "${names[@]}"; do
        "$cli" print "$examples/$name" "$@" || fail "$case: print $name: exit $?"
    done
    timeout 30 tail --pid="$listener" -f /dev/null || fail "$case: listen did not finish"
    local i=1
    for name in "${names[@]}"; do
        cmp -s "$dir/$(printf 'page-%04d.pbm' $i)" "$work/expected/${name%.txt}.pbm" ||
            fail "$case: $name differs from its render"
        i=$((i + 1))
    done
    grep -q "byte" "$dir/err" && fail "$case: listen could not read: $(cat "$dir/err")"
    echo "ok: $case (${#names[@]} pages)"
}

mkfifo "$work/fifo"
listen "$work/fifo-escpos" --port "$work/fifo" --language escpos &&
    print_all "ESC/POS through a FIFO" "$work/fifo-escpos" \
        --to "file:$work/fifo" --language escpos --feed 3 --cut --band-rows 100

listen "$work/tcp-zpl" --tcp $((base + 1)) --language zpl &&
    print_all "ZPL over the network" "$work/tcp-zpl" \
        --to "tcp:127.0.0.1:$((base + 1))" --language zpl

listen "$work/tcp-z64" --tcp $((base + 2)) --language zpl &&
    print_all "ZPL (Z64) over the network" "$work/tcp-z64" \
        --to "tcp:127.0.0.1:$((base + 2))" --language zpl --zpl-compression z64

listen "$work/tcp-escpos" --tcp $((base + 3)) --language escpos &&
    print_all "ESC/POS over the network, no cut" "$work/tcp-escpos" \
        --to "tcp:127.0.0.1:$((base + 3))" --language escpos

# told DIR SETTINGS: every page's line ends in the settings sent.
told() {
    local lines
    lines=$(grep -c -- ", $2\$" "$1/out" || true)
    [ "$lines" -eq "${#names[@]}" ] || fail "listen told $lines pages of ${#names[@]} as '$2'"
}

mkfifo "$work/fifo-label"
listen "$work/fifo-tspl" --port "$work/fifo-label" --language tspl &&
    print_all "TSPL through a FIFO" "$work/fifo-tspl" --to "file:$work/fifo-label" \
        --language tspl --darkness 8 --speed 4 --media gap --gap 3 &&
    told "$work/fifo-tspl" "density 8, speed 4, gap 3 mm"

listen "$work/fifo-epl2" --port "$work/fifo-label" --language epl2 &&
    print_all "EPL2 through a FIFO" "$work/fifo-epl2" --to "file:$work/fifo-label" \
        --language epl2 --darkness 10 --speed 3 --media mark --gap 4 &&
    told "$work/fifo-epl2" "density 10, speed 3, black mark 4 mm"

listen "$work/tcp-tspl" --tcp $((base + 8)) --language tspl &&
    print_all "TSPL over the network, as the printer is set" "$work/tcp-tspl" \
        --to "tcp:127.0.0.1:$((base + 8))" --language tspl

listen "$work/tcp-epl2" --tcp $((base + 9)) --language epl2 &&
    print_all "EPL2 over the network, on continuous paper" "$work/tcp-epl2" \
        --to "tcp:127.0.0.1:$((base + 9))" --language epl2 --media continuous &&
    told "$work/tcp-epl2" "continuous"

# A private CUPS server on loopback with a raw queue to listen's port.
cups=$work/cups
mkdir -p "$cups"/{spool/tmp,cache,state,log}
cat > "$cups/cupsd.conf" <<CONF
Listen 127.0.0.1:$((base + 4))
LogLevel warn
WebInterface No
Browsing No
DefaultAuthType None
<Location />
  Order allow,deny
  Allow all
</Location>
<Policy default>
  <Limit All>
    Order allow,deny
    Allow all
  </Limit>
</Policy>
CONF
{
    [ "$(id -u)" -eq 0 ] && printf 'User lp\nGroup lp\n'
    printf 'ServerRoot %s\nRequestRoot %s/spool\nTempDir %s/spool/tmp\n' "$cups" "$cups" "$cups"
    printf 'CacheDir %s/cache\nStateDir %s/state\n' "$cups" "$cups"
    printf 'ErrorLog %s/log/error_log\nAccessLog %s/log/access_log\n' "$cups" "$cups"
    printf 'PageLog %s/log/page_log\n' "$cups"
} > "$cups/cups-files.conf"
[ "$(id -u)" -eq 0 ] && chown -R lp:lp "$cups"/{spool,cache,state,log}
cupsd -f -c "$cups/cupsd.conf" -s "$cups/cups-files.conf" &
pids+=($!)
export CUPS_SERVER=127.0.0.1:$((base + 4))
for _ in $(seq 300); do
    [ "$(lpstat -r 2>/dev/null)" = "scheduler is running" ] && break
    sleep 0.1
done
lpadmin -p quillset-test -E -v "socket://127.0.0.1:$((base + 5))"
"$cli" printers | grep -qx "cups:quillset-test" || fail "printers does not list the CUPS queue"
listen "$work/cups-zpl" --tcp $((base + 5)) --language zpl &&
    print_all "ZPL through CUPS" "$work/cups-zpl" --to cups:quillset-test --language zpl

# A batch of labels from a data file is one connection, through CUPS one
# job: every record's label arrives as render draws it (the date left out, so
# that the minute cannot turn between the two).
sed 's/\${date:[^}]*}/today/' "$examples/merge/shipping-label.txt" > "$work/batch.txt"
"$cli" render "$work/batch.txt" --data "$examples/merge/orders.csv" -o "$work/expected/batch-%d.pbm"
records=$(find "$work/expected" -name 'batch-*.pbm' | wc -l)
print_batch() {
    local case=$1 dir=$2; shift 2
    local listener=${pids[-1]}
    "$cli" print "$work/batch.txt" --data "$examples/merge/orders.csv" --language zpl "$@" ||
        fail "$case: print: exit $?"
    timeout 30 tail --pid="$listener" -f /dev/null || fail "$case: listen did not finish"
    for i in $(seq "$records"); do
        cmp -s "$dir/$(printf 'page-%04d.pbm' "$i")" "$work/expected/batch-$i.pbm" ||
            fail "$case: label $i differs from its render"
    done
    grep -q "byte" "$dir/err" && fail "$case: listen could not read: $(cat "$dir/err")"
    echo "ok: $case ($records labels)"
}
PAGES=$records listen "$work/tcp-batch" --tcp $((base + 8)) --language zpl &&
    print_batch "a batch over the network" "$work/tcp-batch" --to "tcp:127.0.0.1:$((base + 8))"
jobs=$(lpstat -W all -o quillset-test | wc -l)
PAGES=$records listen "$work/cups-batch" --tcp $((base + 5)) --language zpl &&
    print_batch "a batch through CUPS" "$work/cups-batch" --to cups:quillset-test
[ "$(lpstat -W all -o quillset-test | wc -l)" -eq $((jobs + 1)) ] ||
    fail "a batch through CUPS is not one job: $(lpstat -W all -o quillset-test)"

# A CUPS queue tells its state through the scheduler; a stopped queue stops
# a batch before its first label, and nothing is queued.
said=$("$cli" status --to cups:quillset-test) || fail "status of a CUPS queue: exit $?"
[ "$said" = ready ] || fail "status of a ready CUPS queue said '$said'"
cupsdisable quillset-test
said=$("$cli" status --to cups:quillset-test) && got=0 || got=$?
[ "$said" = paused ] && [ "$got" = 2 ] || fail "status of a stopped CUPS queue: '$said', exit $got"
jobs=$(lpstat -W all -o quillset-test | wc -l)
"$cli" print "$work/batch.txt" --data "$examples/merge/orders.csv" --language zpl \
    --to cups:quillset-test 2> "$work/cups-stopped" && fail "a batch into a stopped queue succeeded"
grep -qx "Stopped before label 1 of $records (record 1): paused. The same quillset-cli print prints the batch once the printer is no longer paused." "$work/cups-stopped" ||
    fail "a batch into a stopped queue said $(cat "$work/cups-stopped")"
[ "$(lpstat -W all -o quillset-test | wc -l)" -eq "$jobs" ] || fail "a stopped queue got a job"
cupsenable quillset-test
echo "ok: a CUPS queue's state, and a stopped queue that stops a batch"

# The printer asked: listen tells each state it is given in each language
# that has a status query, with status's exit status; a batch of 10 labels
# (records 2 to 11, so that the records as well as the counter must go on;
# render names each by its record)
# to a printer that runs out of paper after 4 stops naming label 5, and
# resumed from it the two runs together bring every label once, in order.
{ cat "$examples/merge/orders.csv"; tail -n +2 "$examples/merge/orders.csv";
  tail -n +2 "$examples/merge/orders.csv"; } > "$work/orders.csv"
"$cli" render "$work/batch.txt" --data "$work/orders.csv" --records 2-11 \
    -o "$work/expected/resume-%d.pbm"
# --records 2-11: label 5 is record 6.
stop="Stopped before label 5 of 10 (record 6): paper out. quillset-cli print ... --from-label 5 goes on once the printer has paper."
port=$((base + 9))
for language in zpl escpos tspl; do
    for state in ready:0:ready paper-out:2:"paper out" head-open:2:"head open" paused:2:paused; do
        IFS=: read -r given code want <<< "$state"
        [ "$language" = escpos ] && [ "$given" = head-open ] && want="cover open"
        [ "$language" = escpos ] && [ "$given" = paused ] && want=offline
        PAGES=1 listen "$work/state-$language-$given" --tcp $port --language $language \
            --state "$given" || continue
        said=$("$cli" status --to "tcp:127.0.0.1:$port" --language $language) && got=0 || got=$?
        [ "$said" = "$want" ] && [ "$got" = "$code" ] ||
            fail "status of $language listen --state $given: '$said', exit $got"
        kill "${pids[-1]}"
        wait "${pids[-1]}" 2>/dev/null || true
        port=$((port + 1))
    done
    dir=$work/resume-$language
    before=$failures
    PAGES=10 listen "$dir-stopped" --tcp $port --language $language --paper-out-after 4 || continue
    if "$cli" print "$work/batch.txt" --data "$work/orders.csv" --records 2-11 \
        --to "tcp:127.0.0.1:$port" --language $language 2> "$dir-stopped/print"; then
        fail "$language: a batch into a printer out of paper succeeded"
    fi
    grep -qx "$stop" "$dir-stopped/print" ||
        fail "$language: the stop said $(cat "$dir-stopped/print")"
    kill "${pids[-1]}"
    port=$((port + 1))
    PAGES=6 listen "$dir-resumed" --tcp $port --language $language || continue
    "$cli" print "$work/batch.txt" --data "$work/orders.csv" --records 2-11 --from-label 5 \
        --to "tcp:127.0.0.1:$port" --language $language || fail "$language: resume: exit $?"
    timeout 30 tail --pid="${pids[-1]}" -f /dev/null || fail "$language: resume: listen did not finish"
    port=$((port + 1))
    for i in 5 6 7 8 9 10 11 12; do
        [ -e "$dir-stopped/$(printf 'page-%04d.png' "$i")" ] && fail "$language: page $i while out of paper"
        [ -e "$dir-resumed/$(printf 'page-%04d.png' "$((i - 1))")" ] && [ "$i" -gt 7 ] &&
            fail "$language: more than 6 labels on resuming"
    done
    for i in $(seq 10); do
        got=$dir-stopped/$(printf 'page-%04d.pbm' "$i")
        [ "$i" -gt 4 ] && got=$dir-resumed/$(printf 'page-%04d.pbm' "$((i - 4))")
        cmp -s "$got" "$work/expected/resume-$((i + 1)).pbm" ||
            fail "$language: label $i of the stopped and resumed batch differs from its render"
    done
    [ "$failures" -eq "$before" ] &&
        echo "ok: $language status and a batch that runs out of paper and resumes"
done

# Over a serial line (two joined pseudo-terminals) the printer answers on
# the line it prints on. A small label, for at 115200 baud a shipping label
# takes ten seconds.
{ head -n 4 "$examples/price-tag.txt"; printf 'DrawText(16,14,1,0,"${order}");\r\n';
  tail -n 2 "$examples/price-tag.txt"; } > "$work/small-batch.txt"
socat pty,raw,echo=0,link="$work/printer-in" pty,raw,echo=0,link="$work/printer-out" &
pids+=($!)
for _ in $(seq 50); do [ -e "$work/printer-out" ] && break; sleep 0.1; done
PAGES=10 listen "$work/serial-stopped" --port "$work/printer-out" --baud 115200 --language tspl \
    --paper-out-after 4 && {
    said=$("$cli" status --to "serial:$work/printer-in" --baud 115200 --language tspl) ||
        fail "status over a serial line: exit $?"
    [ "$said" = ready ] || fail "status over a serial line said '$said'"
    "$cli" print "$work/small-batch.txt" --data "$work/orders.csv" --records 2-11 \
        --to "serial:$work/printer-in" --baud 115200 --language tspl 2> "$work/serial-print" &&
        fail "a batch over a serial line into a printer out of paper succeeded"
    grep -qx "$stop" "$work/serial-print" &&
        echo "ok: a serial printer's state, and a batch it stops" ||
        fail "over a serial line the stop said $(cat "$work/serial-print")"
    # Let go of the line before the next listen takes it.
    kill "${pids[-1]}"
    wait "${pids[-1]}" 2>/dev/null || true
}
# A device (the same pseudo-terminal as a USB printer's device would be)
# answers on the descriptor it is printed on.
PAGES=10 listen "$work/device-stopped" --port "$work/printer-out" --baud 115200 --language zpl \
    --paper-out-after 4 && {
    said=$("$cli" status --to "file:$work/printer-in" --language zpl) ||
        fail "status of a device: exit $?"
    [ "$said" = ready ] || fail "status of a device said '$said'"
    "$cli" print "$work/batch.txt" --data "$work/orders.csv" --records 2-11 \
        --to "file:$work/printer-in" --language zpl 2> "$work/device-print" &&
        fail "a batch to a device out of paper succeeded"
    grep -qx "$stop" "$work/device-print" &&
        echo "ok: a device's state, and a batch it stops" ||
        fail "to a device the stop said $(cat "$work/device-print")"
    kill "${pids[-1]}"
}

# Faults: exit status 1 and the target with the system's reason.
expect_failure() {
    local why=$1 want=$2; shift 2
    local err
    if err=$(timeout 20 "$cli" print "$examples/${names[0]}" "$@" 2>&1); then
        fail "$why: succeeded"
    elif ! grep -qF -- "$want" <<< "$err"; then
        fail "$why: said '$err', not '$want'"
    else
        echo "ok: $why"
    fi
}
expect_failure "refused port" "127.0.0.1:$((base + 6)): Connection refused
Is the printer on and at this address?" --to "tcp:127.0.0.1:$((base + 6))"
expect_failure "missing device" "/nonexistent/lp0: No such file or directory" \
    --to file:/nonexistent/lp0
expect_failure "unknown queue" "no-such-queue: " --to cups:no-such-queue
expect_failure "missing serial device" "Com port could not be opened." \
    --to serial:/nonexistent/ttyUSB9

# Ctrl+C while a printer has stopped reading: a FIFO nobody reads, a peer
# that takes a few bytes and no more.
expect_cancel() {
    local why=$1; shift
    "$cli" print "$examples/${names[0]}" --language escpos --copies 2000 "$@" 2> "$work/cancel" &
    local printer=$!
    sleep 1.5
    kill -INT "$printer"
    if wait "$printer"; then
        fail "$why: not cancelled"
    elif ! grep -q "Printing cancelled after" "$work/cancel"; then
        fail "$why: said $(cat "$work/cancel")"
    else
        echo "ok: $why"
    fi
}
mkfifo "$work/stalled"
exec 7<> "$work/stalled"
expect_cancel "cancel to a FIFO nobody reads" --to "file:$work/stalled"
exec 7>&-
socat -u "TCP-LISTEN:$((base + 7)),bind=127.0.0.1,rcvbuf=4096" "SYSTEM:sleep 30" \
    > /dev/null 2>&1 &
pids+=($!)
sleep 0.3
expect_cancel "cancel to a printer that stopped reading" --to "tcp:127.0.0.1:$((base + 7))"

[ "$failures" -eq 0 ] || { echo "$failures failures"; exit 1; }
