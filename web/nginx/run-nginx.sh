#!/usr/bin/env bash
# Serves a built site through web/nginx/amorist.conf, exactly as the README puts it on a host, on
# 127.0.0.1 with a prefix of nginx's own under BUILD_DIR, in the foreground until stopped.
# Usage: run-nginx.sh SITE_DIR BUILD_DIR [PORT]   (PORT 0 or none: a free one)
# Prints "nginx: http://127.0.0.1:PORT/" once it accepts connections.
set -euo pipefail

[ $# -ge 2 ] || { echo "usage: $0 SITE_DIR BUILD_DIR [PORT]" >&2; exit 2; }
site=$(realpath "$1")
prefix=$(realpath -m "$2")
port=${3:-0}
here=$(dirname "$(realpath "$0")")
[ -f "$site/index.html" ] || { echo "run-nginx: $site has no index.html" >&2; exit 1; }
nginx=$(command -v nginx || echo /usr/sbin/nginx)

if [ "$port" = 0 ]; then
    port=$(/usr/bin/python3 -c 'import socket; s = socket.socket(); s.bind(("127.0.0.1", 0)); print(s.getsockname()[1])')
fi

rm -rf "$prefix"
mkdir -p "$prefix/conf" "$prefix/logs" "$prefix/temp"
cp "$here/amorist.conf" "$prefix/conf/amorist.conf"
ln -s /etc/nginx/mime.types "$prefix/conf/mime.types"
# Debian's nginx keeps its temporary files under /var/lib/nginx unless told otherwise, and dies
# when it cannot create them there.
cat >"$prefix/conf/nginx.conf" <<CONF
daemon off;
worker_processes 1;
pid $prefix/nginx.pid;
error_log stderr warn;
events { worker_connections 64; }
http {
    access_log $prefix/logs/access.log;
    client_body_temp_path $prefix/temp/body;
    proxy_temp_path $prefix/temp/proxy;
    fastcgi_temp_path $prefix/temp/fastcgi;
    uwsgi_temp_path $prefix/temp/uwsgi;
    scgi_temp_path $prefix/temp/scgi;
    server {
        listen 127.0.0.1:$port;
        root $site;
        include amorist.conf;
    }
}
CONF

"$nginx" -e stderr -p "$prefix" -c "$prefix/conf/nginx.conf" -t -q
"$nginx" -e stderr -p "$prefix" -c "$prefix/conf/nginx.conf" &
server=$!
trap 'kill $server 2>/dev/null; wait $server' EXIT INT TERM
for _ in $(seq 100); do
    if /usr/bin/python3 -c "import socket; socket.create_connection(('127.0.0.1', $port), 0.2)" 2>/dev/null; then
        echo "nginx: http://127.0.0.1:$port/"
        wait $server
        exit $?
    fi
    kill -0 $server 2>/dev/null || { wait $server; exit $?; }
    sleep 0.1
done
echo "run-nginx: nginx did not start on port $port" >&2
exit 1
