#!/usr/bin/env bash
# Compares engine_bench with curl, aria2c and axel on the same files, served
# by nginx on loopback:
#   1. a 1 GiB file, unthrottled (loopback and disk are the limit);
#   2. a 200 MiB file with limit_rate 4m per connection (where splitting pays);
#   3. the same file over FTP (pyftpdlib, 4 MiB/s per data connection) from
#      three addresses: the task URL and two FTP mirrors.
# usage: bench/compare.sh [PATH_TO_ENGINE_BENCH]
# Environment: BIG_SIZE and LIMITED_SIZE (head -c sizes) shrink the files for
# a quick run; SKIP_HTTP=1 runs only the FTP row. Exits non-zero when a download fails or differs from its source.
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
bench=${1:-${ENGINE_BENCH:-$here/../build/bin/engine_bench}}
big_size=${BIG_SIZE:-1G}
limited_size=${LIMITED_SIZE:-200M}

for tool in nginx curl aria2c axel /usr/bin/time sha1sum /usr/bin/python3; do
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
cleanup() {
  if [ -n "$nginx_pid" ]; then kill "$nginx_pid" 2>/dev/null || true; wait "$nginx_pid" 2>/dev/null || true; fi
  if [ -n "$ftp_pid" ]; then kill "$ftp_pid" 2>/dev/null || true; wait "$ftp_pid" 2>/dev/null || true; fi
  rm -rf "$work"
}
trap cleanup EXIT

mkdir -p "$work/www" "$work/out" "$work/tmp"
echo "preparing files ($big_size and $limited_size of random data)..."
head -c "$big_size" /dev/urandom > "$work/www/big.bin"
head -c "$limited_size" /dev/urandom > "$work/www/limited.bin"
# Every tool starts with the sources in the page cache and no write-back
# pending from an earlier step.
sync
declare -A source_sha1
source_sha1[big.bin]=$(sha1sum "$work/www/big.bin" | cut -d' ' -f1)
source_sha1[limited.bin]=$(sha1sum "$work/www/limited.bin" | cut -d' ' -f1)

port=$(python3 -c 'import socket; s=socket.socket(); s.bind(("127.0.0.1",0)); print(s.getsockname()[1])')
cat > "$work/nginx.conf" <<CONF
daemon off;
master_process off;
worker_processes 1;
pid $work/nginx.pid;
error_log $work/error.log;
events { worker_connections 256; }
http {
  access_log off;
  client_body_temp_path $work/tmp; proxy_temp_path $work/tmp;
  fastcgi_temp_path $work/tmp; uwsgi_temp_path $work/tmp; scgi_temp_path $work/tmp;
  default_type application/octet-stream;
  sendfile on;
  server {
    listen 127.0.0.1:$port;
    root $work/www;
    location /limited/ { alias $work/www/; limit_rate 4m; }
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
  local out="$work/out/$name-$file"
  shift 3
  local mirrors=("$@")
  local bench_mirrors=()
  for m in "${mirrors[@]}"; do bench_mirrors+=(--mirror "$m"); done
  rm -f "$out" "$out.aria2"
  sync
  local status=0
  case $name in
    engine_bench)
      "$bench" "$url" "$out" "${bench_mirrors[@]}" > "$work/engine.log" 2>&1 || status=$?
      REPLY_SECS=$(awk '/^seconds:/ {print $2}' "$work/engine.log")
      REPLY_RSS=$(awk '/^peak RSS:/ {print $3}' "$work/engine.log")
      REPLY_CONN=$(awk '/^connections:/ {print $2}' "$work/engine.log")
      ;;
    *)
      case $name in
        curl)   set -- curl -s -o "$out" "$url" ;;
        aria2c) set -- aria2c -x"${ARIA_SPLIT:-5}" -s"${ARIA_SPLIT:-5}" -k1M -q --allow-overwrite=true --auto-file-renaming=false \
                       -d "$work/out" -o "$(basename "$out")" "$url" "${mirrors[@]}" ;;
        axel)   set -- axel -n5 -q -o "$out" "$url" "${mirrors[@]}" ;;
      esac
      /usr/bin/time -f "%e %M" -o "$work/time.txt" "$@" > "$work/tool.log" 2>&1 || status=$?
      REPLY_SECS=$(awk 'END {print $1}' "$work/time.txt")
      REPLY_RSS=$(awk 'END {printf "%.1f", $2/1024}' "$work/time.txt")
      REPLY_CONN="-"
      ;;
  esac
  REPLY_OK=no
  if [ "$status" -eq 0 ] && [ -f "$out" ] && \
     [ "$(sha1sum "$out" | cut -d' ' -f1)" = "${source_sha1[$file]}" ]; then
    REPLY_OK=yes
  else
    failures=$((failures + 1))
  fi
  rm -f "$out" "$out.aria2"
}

ratio() { awk -v a="$1" -v b="$2" 'BEGIN { if (b > 0) printf "%.2f", a / b; else print "-" }'; }
mbps() { awk -v s="$1" -v f="$2" 'BEGIN { if (s > 0) printf "%.1f", f / s / 1e6; else print "-" }'; }

# scenario TITLE FILE URL [MIRROR...]; TOOLS names the tools to compare.
scenario() {
  local title=$1 file=$2 url=$3
  shift 3
  local bytes
  bytes=$(stat -c %s "$work/www/$file")
  echo
  echo "== $title"
  printf "%-13s %9s %9s %12s %9s %6s %10s\n" tool seconds MB/s "x engine" "RSS MiB" conns identical
  declare -gA secs=()
  for tool in ${TOOLS:-engine_bench curl aria2c axel}; do
    run_tool "$tool" "$file" "$url" "$@"
    secs[$tool]=$REPLY_SECS
    printf "%-13s %9s %9s %12s %9s %6s %10s\n" "$tool" "$REPLY_SECS" "$(mbps "$REPLY_SECS" "$bytes")" \
      "$(ratio "$REPLY_SECS" "${secs[engine_bench]}")" "$REPLY_RSS" "$REPLY_CONN" "$REPLY_OK"
    if [ "$tool" = engine_bench ]; then engine_rss=$REPLY_RSS; fi
  done
}

if [ "${SKIP_HTTP:-0}" != 1 ]; then
  scenario "1. $big_size file, unthrottled" big.bin "http://127.0.0.1:$port/big.bin"
  best=$(awk -v a="${secs[curl]}" -v b="${secs[aria2c]}" 'BEGIN { print (a < b ? a : b) }')
  echo "target: engine within 1.2x of the faster of curl and aria2c: engine/best = $(ratio "${secs[engine_bench]}" "$best")"
  echo "target: peak RSS under 60 MB: engine $engine_rss MiB"

  scenario "2. $limited_size file, limit_rate 4m per connection" limited.bin "http://127.0.0.1:$port/limited/limited.bin"
  echo "target: engine within 1.1x of aria2c: engine/aria2c = $(ratio "${secs[engine_bench]}" "${secs[aria2c]}")"
  echo "target: at least 4x faster than curl: curl/engine = $(ratio "${secs[curl]}" "${secs[engine_bench]}")"
  echo "target: peak RSS under 60 MB: engine $engine_rss MiB"
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
echo "target: engine (3 connections) within 1.1x of aria2c with the same addresses: engine/aria2c = $(ratio "${secs[engine_bench]}" "${secs[aria2c]}")"
echo "target: near 3x faster than curl on one connection: curl/engine = $(ratio "${secs[curl]}" "${secs[engine_bench]}")"

if [ "$failures" -ne 0 ]; then
  echo "compare.sh: $failures download(s) failed or differ from their source" >&2
  exit 1
fi
