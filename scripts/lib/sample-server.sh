# The bundled sample content server: nginx on loopback serving the project's own
# sample content, its configuration and files generated into the build folder.
# No root needed: nginx runs as the user, in the foreground of a background job.

# start_sample_server BUILD_DIR PORT — prints nothing, leaves SAMPLE_SERVER_PID.
start_sample_server() {
  local dir="$1/sample-server" port="$2"
  local base="http://127.0.0.1:$port"
  rm -rf "$dir"; mkdir -p "$dir/root" "$dir/logs"
  cp -r "$ROOT/scripts/sample-content/." "$dir/root/"
  # The address files name the server they are served from.
  find "$dir/root" -name '*wangzhi.txt' -exec sed -i "s#@BASE@#$base#g" {} +
  cat >"$dir/nginx.conf" <<CONF
daemon off;
master_process off;
worker_processes 1;
pid $dir/nginx.pid;
error_log $dir/logs/error.log;
events { worker_connections 64; }
http {
  access_log $dir/logs/access.log;
  client_body_temp_path $dir/tmp;
  proxy_temp_path $dir/tmp;
  fastcgi_temp_path $dir/tmp;
  uwsgi_temp_path $dir/tmp;
  scgi_temp_path $dir/tmp;
  types { text/html html; text/plain txt; }
  server {
    listen 127.0.0.1:$port;
    root $dir/root;
    index index.html;
  }
}
CONF
  mkdir -p "$dir/tmp"
  /usr/sbin/nginx -p "$dir" -c "$dir/nginx.conf" -e "$dir/logs/error.log" &
  SAMPLE_SERVER_PID=$!
  local i
  for i in $(seq 100); do
    ss -Htln "sport = :$port" | grep -q . && return 0
    sleep 0.05
  done
  echo "The sample content server did not start; see $dir/logs/error.log" >&2
  return 1
}
