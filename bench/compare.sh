#!/usr/bin/env bash
# Compares engine_bench with curl, aria2c and axel on the same files, served
# by nginx on loopback:
#   1. a 1 GiB file, unthrottled (loopback and disk are the limit);
#   2. a 200 MiB file with limit_rate 4m per connection (where splitting pays);
#   3. the same file over FTP (pyftpdlib, 4 MiB/s per data connection) from
#      three addresses: the task URL and two FTP mirrors;
#   4. a 30 MB file from a server without byte ranges (Python's http.server);
#   5. resume: the engine killed (SIGKILL) at 70 % of the limited file, then
#      run again; nginx's log counts the bytes the second run fetched;
#   6. speed limits against the unthrottled file: one task limited to 2 MB/s
#      on five connections, and two tasks sharing a global 2 MB/s;
#   7. the 1 GiB file over HTTPS (nginx's default TLS settings, a certificate
#      of a private authority, verified by every tool against the system's
#      authorities plus that one, as a real system holds them);
#   8. one FTP address without mirrors from vsftpd, 4 MiB/s per session
#      (anon_max_rate, as public mirrors limit sessions): a 50 MiB file, then
#      the same server accepting only 2 sessions per address (max_per_ip).
# Every row shows wall seconds and user+system CPU seconds per tool; with
# RUNS=N each tool runs N times in turn (paired runs) and the medians are
# shown.
# usage: bench/compare.sh [PATH_TO_ENGINE_BENCH]
# Environment: BIG_SIZE and LIMITED_SIZE (head -c sizes) shrink the files for
# a quick run, FTP_SIZE the file of section 8; SKIP_HTTP=1 runs only the FTP
# rows; ONLY="1 4" runs only the listed sections. Exits non-zero when a download fails or differs from its source.
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
bench=${1:-${ENGINE_BENCH:-$here/../build/bin/engine_bench}}
big_size=${BIG_SIZE:-1G}
runs=${RUNS:-1}
want() { [ -z "${ONLY:-}" ] || [[ " $ONLY " == *" $1 "* ]]; }
limited_size=${LIMITED_SIZE:-200M}
ftp_size=${FTP_SIZE:-50M}

for tool in nginx curl aria2c axel /usr/bin/time sha1sum /usr/bin/python3 openssl vsftpd; do
  command -v "$tool" >/dev/null 2>&1 || [ -x "/usr/sbin/$tool" ] || {
    echo "compare.sh: $tool is missing (run scripts/install-deps)" >&2; exit 2; }
done
/usr/bin/python3 -c 'import pyftpdlib' 2>/dev/null || {
  echo "compare.sh: python3-pyftpdlib is missing (run scripts/install-deps)" >&2; exit 2; }
[ -x "$bench" ] || { echo "compare.sh: engine_bench not found at $bench" >&2; exit 2; }
nginx_bin=$(command -v nginx || echo /usr/sbin/nginx)

work=$(mktemp -d "${TMPDIR:-/tmp}/zantor-compare-XXXXXX")
nginx_pid=""
ftp_pid=""
vsftpd_pid=""
cleanup() {
  if [ -n "$nginx_pid" ]; then kill "$nginx_pid" 2>/dev/null || true; wait "$nginx_pid" 2>/dev/null || true; fi
  if [ -n "$vsftpd_pid" ]; then kill "$vsftpd_pid" 2>/dev/null || true; wait "$vsftpd_pid" 2>/dev/null || true; fi
  if [ -n "$ftp_pid" ]; then kill "$ftp_pid" 2>/dev/null || true; wait "$ftp_pid" 2>/dev/null || true; fi
  rm -rf "$work"
}
trap cleanup EXIT

mkdir -p "$work/www" "$work/out" "$work/tmp"
echo "preparing files ($big_size and $limited_size of random data)..."
head -c "$big_size" /dev/urandom > "$work/www/big.bin"
head -c "$limited_size" /dev/urandom > "$work/www/limited.bin"
head -c 30000000 /dev/urandom > "$work/www/flat.bin"
mkdir -p "$work/vs/empty"
head -c "$ftp_size" /dev/urandom > "$work/vs/one.bin"
# Every tool starts with the sources in the page cache and no write-back
# pending from an earlier step.
sync
declare -A source_sha1
source_sha1[big.bin]=$(sha1sum "$work/www/big.bin" | cut -d' ' -f1)
source_sha1[limited.bin]=$(sha1sum "$work/www/limited.bin" | cut -d' ' -f1)
source_sha1[flat.bin]=$(sha1sum "$work/www/flat.bin" | cut -d' ' -f1)
source_sha1[one.bin]=$(sha1sum "$work/vs/one.bin" | cut -d' ' -f1)

# A private certificate authority and a certificate for 127.0.0.1 signed by
# it; the tools trust the system's authorities and this one.
openssl req -x509 -newkey rsa:2048 -nodes -days 2 -subj "/CN=compare.sh authority" \
  -keyout "$work/ca.key" -out "$work/ca.pem" 2>/dev/null
openssl req -newkey rsa:2048 -nodes -subj "/CN=127.0.0.1" -keyout "$work/tls.key" -out "$work/tls.csr" 2>/dev/null
printf 'subjectAltName=IP:127.0.0.1\nbasicConstraints=CA:FALSE\n' > "$work/tls.ext"
openssl x509 -req -in "$work/tls.csr" -CA "$work/ca.pem" -CAkey "$work/ca.key" -CAcreateserial -days 2 \
  -extfile "$work/tls.ext" -out "$work/tls.pem" 2>/dev/null
cat /etc/ssl/certs/ca-certificates.crt "$work/ca.pem" > "$work/authorities.pem" 2>/dev/null \
  || cp "$work/ca.pem" "$work/authorities.pem"

port=$(python3 -c 'import socket; s=socket.socket(); s.bind(("127.0.0.1",0)); print(s.getsockname()[1])')
tls_port=$(python3 -c 'import socket; s=socket.socket(); s.bind(("127.0.0.1",0)); print(s.getsockname()[1])')
cat > "$work/nginx.conf" <<CONF
daemon off;
master_process off;
worker_processes 1;
pid $work/nginx.pid;
error_log $work/error.log;
events { worker_connections 256; }
http {
  log_format bytes '\$request|\$status|\$body_bytes_sent';
  access_log $work/access.log bytes;
  client_body_temp_path $work/tmp; proxy_temp_path $work/tmp;
  fastcgi_temp_path $work/tmp; uwsgi_temp_path $work/tmp; scgi_temp_path $work/tmp;
  default_type application/octet-stream;
  sendfile on;
  server {
    listen 127.0.0.1:$port;
    root $work/www;
    location /limited/ { alias $work/www/; limit_rate 4m; }
  }
  server {
    listen 127.0.0.1:$tls_port ssl;
    ssl_certificate $work/tls.pem;
    ssl_certificate_key $work/tls.key;
    root $work/www;
  }
}
CONF
"$nginx_bin" -p "$work" -c "$work/nginx.conf" -e "$work/error.log" &
nginx_pid=$!
for _ in $(seq 50); do
  curl -s -o /dev/null "http://127.0.0.1:$port/" && break
  sleep 0.1
done

failures=0
# run_tool NAME FILE URL [MIRROR...]: sets REPLY_SECS, REPLY_RSS (MiB),
# REPLY_CONN, REPLY_OK. Mirrors go to the tools that take several addresses
# for one file (curl fetches the first address only).
run_tool() {
  local name=$1 file=$2 url=$3
  local out="$work/out/$name-$(basename "$file")"
  shift 3
  local mirrors=("$@")
  local bench_mirrors=()
  for m in "${mirrors[@]}"; do bench_mirrors+=(--mirror "$m"); done
  # CA_FILE: the authorities an HTTPS row verifies against.
  local bench_ca=() curl_ca=() aria_ca=()
  if [ -n "${CA_FILE:-}" ]; then
    bench_ca=(--cacert "$CA_FILE"); curl_ca=(--cacert "$CA_FILE"); aria_ca=(--ca-certificate="$CA_FILE")
  fi
  rm -f "$out" "$out.aria2"
  sync
  local status=0
  case $name in
    engine_bench)
      /usr/bin/time -f "%e %M %U %S" -o "$work/time.txt" \
        "$bench" "$url" "$out" "${bench_mirrors[@]}" "${bench_ca[@]}" --no-hash > "$work/engine.log" 2>&1 || status=$?
      REPLY_SECS=$(awk '/^seconds:/ {print $2}' "$work/engine.log")
      REPLY_RSS=$(awk '/^peak RSS:/ {print $3}' "$work/engine.log")
      REPLY_CONN=$(awk '/^connections:/ {print $2}' "$work/engine.log")
      REPLY_CPU=$(awk 'END {printf "%.2f", $3 + $4}' "$work/time.txt")
      ;;
    *)
      case $name in
        curl)   set -- curl -s "${curl_ca[@]}" -o "$out" "$url" ;;
        aria2c) set -- aria2c -x"${ARIA_SPLIT:-5}" -s"${ARIA_SPLIT:-5}" -k1M -q --allow-overwrite=true --auto-file-renaming=false "${aria_ca[@]}" \
                       -d "$work/out" -o "$(basename "$out")" "$url" "${mirrors[@]}" ;;
        axel)   set -- axel -n5 -q -o "$out" "$url" "${mirrors[@]}" ;;
      esac
      /usr/bin/time -f "%e %M %U %S" -o "$work/time.txt" "$@" > "$work/tool.log" 2>&1 || status=$?
      REPLY_SECS=$(awk 'END {print $1}' "$work/time.txt")
      REPLY_CPU=$(awk 'END {printf "%.2f", $3 + $4}' "$work/time.txt")
      REPLY_RSS=$(awk 'END {printf "%.1f", $2/1024}' "$work/time.txt")
      REPLY_CONN="-"
      ;;
  esac
  REPLY_OK=no
  if [ "$status" -eq 0 ] && [ -f "$out" ] && \
     [ "$(sha1sum "$out" | cut -d' ' -f1)" = "${source_sha1[$(basename "$file")]}" ]; then
    REPLY_OK=yes
  else
    failures=$((failures + 1))
  fi
  rm -f "$out" "$out.aria2"
}

ratio() { awk -v a="$1" -v b="$2" 'BEGIN { if (b > 0) printf "%.2f", a / b; else print "-" }'; }
mbps() { awk -v s="$1" -v f="$2" 'BEGIN { if (s > 0) printf "%.1f", f / s / 1e6; else print "-" }'; }

median() { tr ' ' '\n' | grep -v '^$' | sort -g | awk '{ v[NR] = $1 } END { if (NR == 0) print "-"; else if (NR % 2) print v[(NR + 1) / 2]; else printf "%.3f", (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }

# scenario TITLE FILE URL [MIRROR...]; TOOLS names the tools to compare.
# With RUNS=N the tools run in turn N times; medians are printed.
scenario() {
  local title=$1 file=$2 url=$3
  shift 3
  local bytes
  bytes=$(stat -c %s "$work/www/$file" 2>/dev/null || stat -c %s "$work/$file")
  echo
  echo "== $title (medians of $runs)"
  printf "%-13s %9s %9s %12s %9s %9s %6s %10s\n" tool seconds MB/s "x engine" "CPU s" "RSS MiB" conns identical
  declare -gA secs=() cpus=()
  declare -A all_secs=() all_cpu=() last_rss=() last_conn=() all_ok=()
  local tools=${TOOLS:-engine_bench curl aria2c axel}
  for ((r = 1; r <= runs; r++)); do
    for tool in $tools; do
      run_tool "$tool" "$file" "$url" "$@"
      all_secs[$tool]+="$REPLY_SECS "
      all_cpu[$tool]+="$REPLY_CPU "
      last_rss[$tool]=$REPLY_RSS
      last_conn[$tool]=$REPLY_CONN
      all_ok[$tool]+="$REPLY_OK "
    done
  done
  for tool in $tools; do
    secs[$tool]=$(echo "${all_secs[$tool]}" | median)
    cpus[$tool]=$(echo "${all_cpu[$tool]}" | median)
    local ok=yes
    [[ "${all_ok[$tool]}" == *no* ]] && ok=no
    printf "%-13s %9s %9s %12s %9s %9s %6s %10s\n" "$tool" "${secs[$tool]}" "$(mbps "${secs[$tool]}" "$bytes")" \
      "$(ratio "${secs[$tool]}" "${secs[engine_bench]}")" "${cpus[$tool]}" "${last_rss[$tool]}" "${last_conn[$tool]}" "$ok"
    if [ "$tool" = engine_bench ]; then engine_rss=${last_rss[$tool]}; fi
  done
  [ "$runs" -gt 1 ] && for tool in $tools; do echo "  $tool seconds: ${all_secs[$tool]}  CPU: ${all_cpu[$tool]}"; done
  return 0
}

if [ "${SKIP_HTTP:-0}" != 1 ] && want 1; then
  scenario "1. $big_size file, unthrottled" big.bin "http://127.0.0.1:$port/big.bin"
  best=$(awk -v a="${secs[curl]:-0}" -v b="${secs[aria2c]:-0}" 'BEGIN { print (a < b ? a : b) }')
  echo "target: engine within 1.2x of the faster of curl and aria2c: engine/best = $(ratio "${secs[engine_bench]}" "$best")"
  echo "target: engine wall at most 1.0x curl's: engine/curl = $(ratio "${secs[engine_bench]}" "${secs[curl]}")"
  echo "target: engine user+system CPU at most 1.1x curl's: engine/curl = $(ratio "${cpus[engine_bench]}" "${cpus[curl]}")"
  echo "target: peak RSS under 60 MB: engine $engine_rss MiB"
fi

if [ "${SKIP_HTTP:-0}" != 1 ] && want 2; then
  scenario "2. $limited_size file, limit_rate 4m per connection" limited.bin "http://127.0.0.1:$port/limited/limited.bin"
  echo "target: engine within 1.1x of aria2c: engine/aria2c = $(ratio "${secs[engine_bench]}" "${secs[aria2c]:-}")"
  echo "target: at least 4x faster than curl: curl/engine = $(ratio "${secs[curl]:-}" "${secs[engine_bench]}")"
  echo "target: peak RSS under 60 MB: engine $engine_rss MiB"
fi

if want 4; then
  flat_port=$(python3 -c 'import socket; s=socket.socket(); s.bind(("127.0.0.1",0)); print(s.getsockname()[1])')
  /usr/bin/python3 -m http.server "$flat_port" --bind 127.0.0.1 --directory "$work/www" > "$work/flat.log" 2>&1 &
  flat_pid=$!
  for _ in $(seq 50); do curl -s -o /dev/null "http://127.0.0.1:$flat_port/" && break; sleep 0.1; done
  TOOLS="engine_bench curl" scenario "4. 30 MB file, server without byte ranges (http.server)" flat.bin "http://127.0.0.1:$flat_port/flat.bin"
  echo "target: engine within 1.5x curl's time plus one second: engine = ${secs[engine_bench]} s, limit = $(awk -v c="${secs[curl]}" 'BEGIN { printf "%.2f", c * 1.5 + 1 }') s"
  kill "$flat_pid" 2>/dev/null || true; wait "$flat_pid" 2>/dev/null || true
fi

if want 5; then
  echo
  echo "== 5. resume: engine killed at 70 % of the $limited_size file (limit_rate 4m), then run again"
  out="$work/out/resume.bin"
  rm -f "$out" "$out.zresume"
  total=$(stat -c %s "$work/www/limited.bin")
  "$bench" "http://127.0.0.1:$port/limited/limited.bin" "$out" --no-hash > "$work/resume1.log" 2>&1 &
  resume_pid=$!
  done_bytes=0
  while kill -0 "$resume_pid" 2>/dev/null; do
    if [ -f "$out.zresume" ]; then
      done_bytes=$(awk '/^done / { s += $3 - $2 } END { print s + 0 }' "$out.zresume")
      [ "$done_bytes" -ge $((total * 7 / 10)) ] && break
    fi
    sleep 0.05
  done
  kill -9 "$resume_pid" 2>/dev/null || true; wait "$resume_pid" 2>/dev/null || true
  done_bytes=$(awk '/^done / { s += $3 - $2 } END { print s + 0 }' "$out.zresume" 2>/dev/null || echo 0)
  sleep 2
  before=$(wc -l < "$work/access.log")
  "$bench" "http://127.0.0.1:$port/limited/limited.bin" "$out" --keep --no-hash > "$work/resume2.log" 2>&1 || failures=$((failures + 1))
  sleep 1
  fetched=$(tail -n +"$((before + 1))" "$work/access.log" | awk -F'|' '/limited.bin/ { s += $3 } END { print s + 0 }')
  same=no; [ "$(sha1sum "$out" | cut -d' ' -f1)" = "${source_sha1[limited.bin]}" ] && same=yes
  [ "$same" = yes ] || failures=$((failures + 1))
  echo "killed with $done_bytes of $total bytes on record ($(awk -v d="$done_bytes" -v t="$total" 'BEGIN { printf "%.1f", d * 100 / t }') %)"
  echo "second run fetched $fetched bytes in $(awk '/^seconds:/ {print $2}' "$work/resume2.log") s; identical: $same"
  echo "target: at most 30 % of the file plus 8 MiB = $((total * 3 / 10 + 8 * 1048576)) bytes"
  rm -f "$out" "$out.zresume"
fi

if want 6; then
  echo
  echo "== 6. speed limits against the unthrottled file (20 s each)"
  "$bench" "http://127.0.0.1:$port/big.bin" "$work/out/limit.bin" --no-hash --limit 2048 --seconds 20 \
    | grep -E '^task|^connections' || failures=$((failures + 1))
  echo "target: one task at 2 MiB/s on five connections: average within 5 %, no window above 1.5x"
  "$bench" "http://127.0.0.1:$port/big.bin" "$work/out/share.bin" --no-hash --limit 2048 --tasks 2 --seconds 20 \
    | grep -E '^task' || failures=$((failures + 1))
  echo "target: two tasks under a global 2 MiB/s share it within 20 % of each other"
  rm -f "$work/out/limit.bin" "$work/out/share.bin".*
fi

if [ "${SKIP_HTTP:-0}" != 1 ] && want 7; then
  CA_FILE="$work/authorities.pem" TOOLS="engine_bench curl aria2c" \
    scenario "7. $big_size file over HTTPS (nginx defaults, private authority, verified)" big.bin "https://127.0.0.1:$tls_port/big.bin"
  echo "target: engine user+system CPU at most 1.0x curl's: engine/curl = $(ratio "${cpus[engine_bench]}" "${cpus[curl]}")"
  echo "target: engine wall at most 0.9x aria2c's: engine/aria2c = $(ratio "${secs[engine_bench]}" "${secs[aria2c]}")"
fi

if want 8; then
  # vsftpd without privileges (no chroot): paths are the real ones ("%2F"
  # makes them absolute for every tool). A
  # session is held to 4 MiB/s; the second server takes 2 per address.
  start_vsftpd() {
    vs_port=$(python3 -c 'import socket; s=socket.socket(); s.bind(("127.0.0.1",0)); print(s.getsockname()[1])')
    cat > "$work/vsftpd.conf" <<VSCONF
listen=YES
listen_ipv6=NO
listen_address=127.0.0.1
listen_port=$vs_port
anonymous_enable=YES
no_anon_password=YES
local_enable=NO
write_enable=NO
anon_root=$work/vs
anon_max_rate=4194304
max_per_ip=$1
pasv_address=127.0.0.1
secure_chroot_dir=$work/vs/empty
seccomp_sandbox=NO
background=NO
xferlog_enable=NO
run_as_launching_user=YES
VSCONF
    "$(command -v vsftpd || echo /usr/sbin/vsftpd)" "$work/vsftpd.conf" > "$work/vsftpd.log" 2>&1 &
    vsftpd_pid=$!
    for _ in $(seq 50); do curl -s -o /dev/null "ftp://127.0.0.1:$vs_port/" && break; sleep 0.1; done
  }
  stop_vsftpd() { kill "$vsftpd_pid" 2>/dev/null || true; wait "$vsftpd_pid" 2>/dev/null || true; vsftpd_pid=""; }
  start_vsftpd 50
  TOOLS="engine_bench curl aria2c" scenario "8a. $ftp_size file from one FTP address, 4 MiB/s per session (vsftpd)" \
    vs/one.bin "ftp://127.0.0.1:$vs_port/%2F${work#/}/vs/one.bin"
  echo "target: engine wall at most 1.05x aria2c -x5's: engine/aria2c = $(ratio "${secs[engine_bench]}" "${secs[aria2c]}")"
  stop_vsftpd
  start_vsftpd 2
  TOOLS="engine_bench aria2c" scenario "8b. the same server accepting 2 sessions per address" \
    vs/one.bin "ftp://127.0.0.1:$vs_port/%2F${work#/}/vs/one.bin"
  echo "target: the engine finishes byte-identical on 2 connections (conns column), no failure"
  stop_vsftpd
fi

if ! want 3; then
  [ "$failures" -eq 0 ] || { echo "compare.sh: $failures download(s) failed or differ from their source" >&2; exit 1; }
  exit 0
fi

# FTP: pyftpdlib under the system interpreter, every data connection held to
# 4 MiB/s; the mirrors are the same file under other paths.
mkdir -p "$work/ftp/m1" "$work/ftp/m2"
for d in "$work/ftp" "$work/ftp/m1" "$work/ftp/m2"; do ln -f "$work/www/limited.bin" "$d/limited.bin"; done
ftp_port=$(python3 -c 'import socket; s=socket.socket(); s.bind(("127.0.0.1",0)); print(s.getsockname()[1])')
cat > "$work/ftpserver.py" <<'PY'
import sys
from pyftpdlib.authorizers import DummyAuthorizer
from pyftpdlib.handlers import FTPHandler, ThrottledDTPHandler
from pyftpdlib.servers import FTPServer
root, port = sys.argv[1], int(sys.argv[2])
authorizer = DummyAuthorizer()
authorizer.add_anonymous(root)
ThrottledDTPHandler.write_limit = 4 * 1024 * 1024
FTPHandler.authorizer = authorizer
FTPHandler.dtp_handler = ThrottledDTPHandler
FTPServer(("127.0.0.1", port), FTPHandler).serve_forever()
PY
/usr/bin/python3 "$work/ftpserver.py" "$work/ftp" "$ftp_port" > "$work/ftp.log" 2>&1 &
ftp_pid=$!
for _ in $(seq 50); do
  curl -s -o /dev/null "ftp://127.0.0.1:$ftp_port/" && break
  sleep 0.1
done
ftp_base="ftp://127.0.0.1:$ftp_port"
# aria2c gets as many connections as the engine has addresses (the engine
# opens one per FTP address and never splits further).
ARIA_SPLIT=3 TOOLS="engine_bench curl aria2c" scenario "3. $limited_size file over FTP, 4 MiB/s per connection, two FTP mirrors" \
  limited.bin "$ftp_base/limited.bin" "$ftp_base/m1/limited.bin" "$ftp_base/m2/limited.bin"
echo "target: engine (3 connections) within 1.1x of aria2c with the same addresses: engine/aria2c = $(ratio "${secs[engine_bench]}" "${secs[aria2c]:-}")"
echo "target: near 3x faster than curl on one connection: curl/engine = $(ratio "${secs[curl]:-}" "${secs[engine_bench]}")"

if [ "$failures" -ne 0 ]; then
  echo "compare.sh: $failures download(s) failed or differ from their source" >&2
  exit 1
fi
