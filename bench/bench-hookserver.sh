#!/usr/bin/env bash
# The hook server under load, side by side with nginx in the same run: `POST /v1/event` with one
# connection per request (wrk, "Connection: close") at 1, 8 and 64 connections against the real
# server (bench_hookserver, with a token folder of its own) and against nginx (one worker,
# `return 200` with an 11-byte body). Prints requests/s, p50 and p99 for both and the ratio, then the
# server's resident memory before and after 100,000 requests. Everything listens on 127.0.0.1 and is
# started and stopped here by its pid.
set -uo pipefail
build=${1:-build}
root=$(cd "$(dirname "$0")/.." && pwd)
duration=${BENCH_DURATION:-5s}
requests=${BENCH_REQUESTS:-100000}
server_bin="$build/bench/bench_hookserver"

for tool in wrk nginx; do
  command -v "$tool" >/dev/null || { [ -x "/usr/sbin/$tool" ] || { echo "bench-hookserver: $tool is missing (scripts/install-deps.sh)"; exit 1; }; }
done
nginx_bin=$(command -v nginx || echo /usr/sbin/nginx)
[ -x "$server_bin" ] || { echo "bench-hookserver: $server_bin is not built"; exit 1; }

work=$(mktemp -d /tmp/bench-hookserver.XXXXXX)
server_pid=""
nginx_pid=""
cleanup() {
  [ -n "$server_pid" ] && kill "$server_pid" 2>/dev/null && wait "$server_pid" 2>/dev/null
  [ -n "$nginx_pid" ] && kill -QUIT "$nginx_pid" 2>/dev/null && wait "$nginx_pid" 2>/dev/null
  exec 3>&- 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT

# The server: its stdin stays open through fd 3 (it exits when stdin closes).
mkfifo "$work/stdin"
"$server_bin" --serve <"$work/stdin" >"$work/server.out" 2>"$work/server.err" &
server_pid=$!
exec 3>"$work/stdin"
for _ in $(seq 100); do grep -q '^ready' "$work/server.out" 2>/dev/null && break; sleep 0.05; done
grep -q '^ready' "$work/server.out" || { echo "bench-hookserver: the server did not start"; cat "$work/server.err"; exit 1; }
server_port=$(sed -n 's/^port=//p' "$work/server.out")
token=$(cat "$(sed -n 's/^token=//p' "$work/server.out")")

# nginx: one worker, its own prefix and configuration, on a port the system picked for us.
nginx_port=$(python3 -c 'import socket; s=socket.socket(); s.bind(("127.0.0.1",0)); print(s.getsockname()[1])')
mkdir -p "$work/nginx/logs" "$work/nginx/tmp"
cat >"$work/nginx/nginx.conf" <<EOF
worker_processes 1;
daemon off;
pid $work/nginx/nginx.pid;
error_log $work/nginx/logs/error.log;
events { worker_connections 1024; }
http {
  access_log off;
  client_body_temp_path $work/nginx/tmp/body;
  proxy_temp_path $work/nginx/tmp/proxy;
  fastcgi_temp_path $work/nginx/tmp/fastcgi;
  uwsgi_temp_path $work/nginx/tmp/uwsgi;
  scgi_temp_path $work/nginx/tmp/scgi;
  server {
    listen 127.0.0.1:$nginx_port;
    location / { default_type application/json; return 200 '{"ok":true}'; }
  }
}
EOF
"$nginx_bin" -p "$work/nginx" -c "$work/nginx/nginx.conf" 2>"$work/nginx/stderr" 3>&- &
nginx_pid=$!
for _ in $(seq 100); do curl -s --noproxy '*' -o /dev/null "http://127.0.0.1:$nginx_port/" && break; sleep 0.05; done

# The request: a real PreToolUse payload as Claude Code sends it, with the token.
body=$(python3 -c 'import json,sys; print(json.dumps(json.load(open(sys.argv[1])), separators=(",",":")))' \
  "$root/tests/data/claude-code/tty-PreToolUse.json")
cat >"$work/post.lua" <<EOF
wrk.method = "POST"
wrk.body = [==[$body]==]
wrk.headers["Content-Type"] = "application/json"
wrk.headers["Authorization"] = "Bearer $token"
EOF
path="/v1/event?card=0F8C2B1E-7D4A-4C55-9E3B-2A61D0C4B7F9&column=working"

check=$(curl -s --noproxy '*' -o /dev/null -w '%{http_code}' -H "Authorization: Bearer $token" \
  --data-binary "$body" "http://127.0.0.1:$server_port$path")
[ "$check" = 200 ] || { echo "bench-hookserver: the server answered $check"; exit 1; }

# Runs wrk; prints "requests/s p50_ms p99_ms errors".
run_wrk() {
  local port=$1 connections=$2 out
  out=$(wrk -t1 -c"$connections" -d"$duration" --latency -H 'Connection: close' -s "$work/post.lua" \
    "http://127.0.0.1:$port$path" 2>&1 3>&-)
  echo "$out" >>"$work/wrk.log"
  echo "$out" | awk '
    function ms(v) { if (v ~ /us$/) return v / 1000; if (v ~ /ms$/) return v + 0; if (v ~ /s$/) return v * 1000; return v }
    /Requests\/sec:/ { rps = $2 }
    /^ +50%/ { p50 = ms($2) }
    /^ +99%/ { p99 = ms($2) }
    /Socket errors:/ { gsub(",", ""); errors += $4 + $6 + $8 + $10 }
    /Non-2xx or 3xx responses:/ { errors += $5 }
    END { printf "%s %.3f %.3f %d\n", rps, p50, p99, errors + 0 }'
}

rss_kb() { awk '/^VmRSS:/ { print $2 }' "/proc/$1/status"; }

# Both servers take turns, three rounds each, so that load from elsewhere on the machine falls on
# both alike; each figure is the median of its three rounds.
median() { sort -g | sed -n 2p; }
echo "POST /v1/event, one connection per request, wrk -t1, 3 alternating rounds of ${duration} each (median)"
printf '%-4s | %-38s | %-38s | %s\n' "c" "brindlewick: req/s   p50 ms  p99 ms  err" "nginx: req/s   p50 ms  p99 ms  err" "ratio"
for c in 1 8 64; do
  : >"$work/b.$c"
  : >"$work/n.$c"
  for _ in 1 2 3; do
    run_wrk "$server_port" "$c" >>"$work/b.$c"
    run_wrk "$nginx_port" "$c" >>"$work/n.$c"
  done
  b_rps=$(awk '{ print $1 }' "$work/b.$c" | median); b_p50=$(awk '{ print $2 }' "$work/b.$c" | median)
  b_p99=$(awk '{ print $3 }' "$work/b.$c" | median); b_err=$(awk '{ e += $4 } END { print e + 0 }' "$work/b.$c")
  n_rps=$(awk '{ print $1 }' "$work/n.$c" | median); n_p50=$(awk '{ print $2 }' "$work/n.$c" | median)
  n_p99=$(awk '{ print $3 }' "$work/n.$c" | median); n_err=$(awk '{ e += $4 } END { print e + 0 }' "$work/n.$c")
  ratio=$(awk -v a="$b_rps" -v b="$n_rps" 'BEGIN { if (b > 0) printf "%.2f", a / b; else print "n/a" }')
  printf '%-4s | %12s %8s %7s %4s          | %12s %8s %7s %4s    | %sx\n' "$c" "$b_rps" "$b_p50" "$b_p99" "$b_err" \
    "$n_rps" "$n_p50" "$n_p99" "$n_err" "$ratio"
done
echo "load average during the run: $(cut -d' ' -f1-3 /proc/loadavg)"

# Events the server has handed to its handler so far.
delivered() {
  local seen
  seen=$(grep -c '^events=' "$work/server.out")
  echo count >&3
  for _ in $(seq 250); do
    [ "$(grep -c '^events=' "$work/server.out")" -gt "$seen" ] && break
    sleep 0.02
  done
  sed -n 's/^events=//p' "$work/server.out" | tail -1
}
# Loads the server until it has handled `requests` more events, then stops wrk (by its pid).
load_requests() {
  local start target
  start=$(delivered)
  target=$((start + requests))
  wrk -t1 -c8 -d600s -H 'Connection: close' -s "$work/post.lua" "http://127.0.0.1:$server_port$path" \
    >>"$work/wrk.log" 2>&1 3>&- &
  local wrk_pid=$!
  while [ "$(delivered)" -lt "$target" ] && kill -0 "$wrk_pid" 2>/dev/null; do sleep 0.2; done
  kill "$wrk_pid" 2>/dev/null
  wait "$wrk_pid" 2>/dev/null
  echo $(($(delivered) - start))
}
before=$(rss_kb "$server_pid")
first=$(load_requests)
after=$(rss_kb "$server_pid")
second=$(load_requests)
again=$(rss_kb "$server_pid")
echo "server RSS: ${before} kB before, ${after} kB after ${first} requests, ${again} kB after ${second} more"

exec 3>&-
wait "$server_pid" 2>/dev/null
server_pid=""
echo "server: $(cat "$work/server.err" | tail -1)"
