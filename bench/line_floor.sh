#!/usr/bin/env bash
# How close kvctl comes to the time the line itself needs. Runs a whole-font write, a
# whole-font read, a whole-font write with its read-back (--verify), a bus scan, a 2000-character scroll (send mode 0) and the largest
# picture-text scroll (37888 bytes) through kvctl against kvsim --pace at 9600 and
# 115200 baud, and prints each as a ratio of its floor:
#   the line time of the bytes both ways (10 bit times a byte)
#   + the pauses the protocol asks for (5 ms after each character written and before
#     the reset that ends a font write, 20 ms after each unit found by the scan, the
#     200 ms reply wait of an address that does not answer; 2 ms after a picture header,
#     1 ms after each whole 1024-byte chunk of its matrix and the 500 ms a temporary
#     picture leaves the unit at its end)
#   + the time the port is kept after a reply wait that gave up, as long again as its
#     time-out, so that a late answer is not taken for the next request's (the scan's
#     absent address: another 200 ms)
#   + the unit's turnaround before each reply.
# An operation ends when kvctl has exited and the unit has taken the last frame, so
# a kvctl that leaves before the line has carried its bytes gains nothing.
# Also prints kvctl's CPU share (user + sys over wall) during the read at 115200, what
# a kvctl run costs with no line at all, and, where ser2net is installed, the
# whole-font write at 115200 through ser2net (RFC 2217) in front of the same terminal as
# a ratio to the write on the terminal itself.
#
#   bench/line_floor.sh [BUILD_DIR]        (default: build)
#   KV_TURNAROUND_MS=N bench/line_floor.sh (the unit's turnaround, default 10)
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "${1:-$root/build}" && pwd)
turnaround=${KV_TURNAROUND_MS:-10}
cmake --build "$build" --target kvctl kvsim >/dev/null
kvctl=$build/bin/kvctl
kvsim=$build/bin/kvsim

work=$(mktemp -d)
sim=
server=
cleanup() {
    [ -n "$server" ] && kill "$server" 2>/dev/null && wait "$server" 2>/dev/null
    [ -n "$sim" ] && kill "$sim" 2>/dev/null && wait "$sim" 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT

# The application folder: units 1 to 3 are on the line, 4 is ticked but absent.
app=$work/app
mkdir -p "$app/savefiles"
printf '1\r\nA\r\n2\r\nB\r\n3\r\nC\r\n4\r\nD' > "$app/data.txt"
printf '1111' > "$app/savefiles/Lv1Checked.TXT"
font=$work/font.bin
head -c 13824 /dev/urandom > "$font"
text=$(printf 'A%.0s' $(seq 2000))
# 296 characters of 32 pixels: the largest picture-text scroll, 296 blocks, 37888 bytes.
picture_text=$(printf '中%.0s' $(seq 296))
# A 24-bit BMP of 512 x 260 noise pixels, rows bottom up, each 1536 bytes (no padding).
picture=$work/largest.bmp
python3 - "$picture" <<'PY'
import os, struct, sys
w, h = 512, 260
pixels = os.urandom(w * h * 3)
header = b"BM" + struct.pack("<IHHI", 54 + len(pixels), 0, 0, 54)
info = struct.pack("<IiiHHIIiiII", 40, w, h, 1, 24, 0, len(pixels), 2835, 2835, 0, 0)
open(sys.argv[1], "wb").write(header + info + pixels)
PY

line=$work/line
log=$work/kvsim.log

start_sim() {
    "$kvsim" --link "$line" --pace --turnaround "$turnaround" --log "$log" \
        --unit "1:$1" --unit "2:$1" --unit "3:$1" &
    sim=$!
    for _ in $(seq 200); do [ -e "$line" ] && return; sleep 0.05; done
    echo "kvsim did not start" >&2
    exit 1
}

stop_sim() {
    kill "$sim"
    wait "$sim" 2>/dev/null || true
    sim=
}

# Times are milliseconds since local midnight, the clock kvsim stamps its log with;
# the start is read from the shell's own clock, so no process start counts against
# kvctl but its own.
zone=$(date +%z)
zone_s=$(( (${zone:0:1}1) * (10#${zone:1:2} * 3600 + 10#${zone:3:2} * 60) ))

# The bytes of the log lines after line $1: received and sent, and the time of the
# last frame received (ms since midnight).
log_summary() {
    tail -n +"$(($1 + 1))" "$log" | awk '
        { split($1, t, ":"); ms = (t[1] * 3600 + t[2] * 60 + t[3]) * 1000 }
        $2 == "RX" { for (i = 4; i <= NF && $i != "|"; ++i) rx++; last = ms }
        $2 == "TX" { for (i = 3; i <= NF && $i != "|"; ++i) tx++ }
        END { printf "%d %d %.3f\n", rx, tx, last }'
}

cpu_note=
# The port kvctl uses (the terminal unless a case says otherwise), and the time the
# last case measured.
port=$line
measured=
# run_case NAME BAUD BYTES_OUT BYTES_IN PAUSE_MS REPLIES -- kvctl arguments...
run_case() {
    local name=$1 baud=$2 out=$3 in=$4 pause=$5 replies=$6
    shift 7
    local mark start times real user sys rx tx last end floor
    mark=$(wc -l < "$log")
    local epoch=${EPOCHREALTIME/,/.}
    times=$( { TIMEFORMAT='%3R %3U %3S'; time "$kvctl" --dir "$app" --port "$port" --baud "$baud" "$@" \
               >"$work/out" 2>&1; } 2>&1 ) || { echo "$name at $baud failed:"; cat "$work/out"; exit 1; }
    read -r real user sys <<< "$times"
    start=$(awk -v t="$epoch" -v z="$zone_s" 'BEGIN { printf "%.3f", ((t + z) % 86400) * 1000 }')
    # kvctl may be gone while the paced line still carries its last bytes.
    for _ in $(seq 600); do
        read -r rx tx last <<< "$(log_summary "$mark")"
        [ "$rx" -ge "$out" ] && [ "$tx" -ge "$in" ] && break
        sleep 0.05
    done
    [ "$rx" -eq "$out" ] && [ "$tx" -eq "$in" ] \
        || echo "  note: $name at $baud: the line carried $rx bytes out and $tx in, not $out and $in"
    end=$(awk -v s="$start" -v r="$real" -v l="$last" 'BEGIN { e = s + r * 1000; if (l > e) e = l; print e }')
    measured=$(awk -v s="$start" -v e="$end" 'BEGIN { printf "%.1f", e - s }')
    floor=$(awk -v b="$baud" -v o="$out" -v i="$in" -v p="$pause" -v n="$replies" -v t="$turnaround" \
                'BEGIN { printf "%.1f", (o + i) * 10000 / b + p + n * t }')
    awk -v name="$name" -v b="$baud" -v s="$start" -v e="$end" -v f="$floor" \
        'BEGIN { printf "%-12s %7d %11.1f %11.1f %7.3f\n", name, b, e - s, f, (e - s) / f }'
    if [ "$name" = "font-read" ] && [ "$baud" = 115200 ]; then
        cpu_note=$(awk -v r="$real" -v u="$user" -v s="$sys" \
                       'BEGIN { printf "kvctl CPU during the font read at 115200: user %.3f s + sys %.3f s over %.3f s wall = %.1f %%", u, s, r, (u + s) * 100 / r }')
    fi
}

echo "turnaround $turnaround ms; times in ms"
printf '%-12s %7s %11s %11s %7s\n' operation baud measured floor ratio
for baud in 9600 115200; do
    start_sim "$baud"
    # 256 write-character frames of 60 bytes, each acknowledged, then the reset frame.
    run_case font-write "$baud" $((256 * 60 + 5)) 256 $((257 * 5)) 256 -- font write --in "$font"
    # 256 read-character frames of 6 bytes, each answered with 55, then the reset frame.
    run_case font-read "$baud" $((256 * 6 + 5)) $((256 * 55)) 0 256 -- font read --out "$work/read.bin"
    # The write, then all 256 characters read back before the reset: both floors together.
    run_case font-verify "$baud" $((256 * 60 + 256 * 6 + 5)) $((256 + 256 * 55)) $((257 * 5)) 512 -- \
        font write --in "$font" --verify
    # Three probes answered, one left to its 200 ms wait and as long again for a late answer.
    run_case scan "$baud" $((4 * 6)) 3 $((3 * 20 + 200 + 200)) 3 -- scan
    # Three writes: the frame head, font flag and length, 4000 bytes of text.
    run_case scroll-2000 "$baud" $((6 + 3 + 4000)) 0 0 0 -- --target broadcast send 0 --text "$text"
    # The 0x81 header, the bitmap in 1024-byte chunks (2 ms before, 1 ms after each), the sum.
    run_case picture-text "$baud" $((10 + 37888 + 1)) 0 $((2 + 37 + 1)) 0 -- --target broadcast \
        picture-text "$picture_text" --size 32 --font "WenQuanYi Micro Hei"
    # The 14-byte header, then the matrix: 16 whole chunks and the rest.
    run_case picture-7 "$baud" $((14 + 16640)) 0 $((2 + 16 + 500)) 0 -- --target broadcast send 7 --picture "$picture"
    stop_sim
done
echo "$cpu_note"

ser2net=$(command -v ser2net || true)
[ -z "$ser2net" ] && [ -x /usr/sbin/ser2net ] && ser2net=/usr/sbin/ser2net
if [ -n "$ser2net" ]; then
    start_sim 115200
    tcp_port=$(python3 -c 'import socket; s = socket.socket(); s.bind(("127.0.0.1", 0)); print(s.getsockname()[1])')
    # Without chardelay ser2net forwards what the line brings at once; with its default
    # it waits up to 20 character times for more, which every answer of a unit pays
    # (about 1.7 ms a reply at 115200, a ratio near 1.16 for the font write).
    cat > "$work/ser2net.yaml" <<YAML
connection: &unit1
  accepter: telnet(rfc2217),tcp,127.0.0.1,$tcp_port
  connector: serialdev,$(readlink -f "$line"),9600n81,local
  options:
    kickolduser: true
    chardelay: false
YAML
    "$ser2net" -n -d -c "$work/ser2net.yaml" >"$work/ser2net.out" 2>&1 &
    server=$!
    for _ in $(seq 200); do
        python3 -c "import socket; socket.create_connection(('127.0.0.1', $tcp_port), 0.2).close()" 2>/dev/null && break
        sleep 0.05
    done
    echo "the whole-font write at 115200, on the terminal and through ser2net:"
    port=$line
    run_case font-write 115200 $((256 * 60 + 5)) 256 $((257 * 5)) 256 -- font write --in "$font"
    local_ms=$measured
    port=rfc2217://127.0.0.1:$tcp_port
    run_case font-write 115200 $((256 * 60 + 5)) 256 $((257 * 5)) 256 -- font write --in "$font"
    awk -v n="$measured" -v l="$local_ms" \
        'BEGIN { printf "through ser2net (RFC 2217): %.1f ms against %.1f ms on the terminal, ratio %.3f\n", n, l, n / l }'
    kill "$server"
    wait "$server" 2>/dev/null || true
    server=
    stop_sim
else
    echo "ser2net is not installed: no figure through a device server"
fi
# What every run pays before it touches the line: the process start, with no port.
startup=$( { TIMEFORMAT='%3R'; for _ in 1 2 3; do time "$kvctl" help >/dev/null 2>&1; done; } 2>&1 | sort -n | head -1)
echo "kvctl start-up and exit with no port (kvctl help, best of 3): $(awk -v r="$startup" 'BEGIN { printf "%.0f", r * 1000 }') ms"
