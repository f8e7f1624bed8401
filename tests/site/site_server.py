#!/usr/bin/env python3
"""Stand-in for the product web site, for the tests only, on 127.0.0.1.

Serves site/ for any host (requests arrive as a proxy would get them) and logs
each request's path and user agent. A control file (JSON) makes it misbehave:
  {"status": 404}            answer that status (body from the site or "body")
  {"body": "1.235 words"}    answer this body (Latin-1 escapes allowed)
  {"body_size": 3000}        a generated body of that many bytes
  {"hang": 20}               say nothing for that many seconds, then close
  {"drop": true}             close the connection without an answer
  start PORT ROOT STATE_DIR  runs in the background, writes STATE_DIR/pid
  stop STATE_DIR             ends it
"""
import json
import os
import signal
import socket
import sys
import threading
import time
from http.server import BaseHTTPRequestHandler, ThreadingHTTPServer
from urllib.parse import urlsplit


class Handler(BaseHTTPRequestHandler):
    protocol_version = "HTTP/1.0"

    def log_message(self, *args):
        pass

    def control(self):
        try:
            with open(self.server.control_path, encoding="utf-8") as f:
                return json.load(f)
        except (OSError, ValueError):
            return {}

    def handle(self):
        if self.control().get("drop"):
            # Reset the connection before reading anything: no answer at all.
            self.connection.setsockopt(socket.SOL_SOCKET, socket.SO_LINGER, b"\x01\0\0\0\0\0\0\0")
            self.connection.close()
            return
        super().handle()

    def do_GET(self):
        path = urlsplit(self.path).path or "/"
        with open(self.server.log_path, "a", encoding="utf-8") as log:
            log.write("%s\t%s\n" % (path, self.headers.get("User-Agent", "")))
        mode = self.control()
        if mode.get("hang"):
            time.sleep(min(float(mode["hang"]), 60))
            self.connection.close()
            return
        status = int(mode.get("status", 200))
        if "body" in mode:
            body = mode["body"].encode("latin-1")
        elif "body_size" in mode:
            pattern = b"0123456789abcdefghijklmnopqrstuvwxyz\n"
            body = (pattern * (mode["body_size"] // len(pattern) + 1))[: mode["body_size"]]
        else:
            name = "index.html" if path == "/" else path.lstrip("/")
            try:
                with open(os.path.join(self.server.root, os.path.basename(name)), "rb") as f:
                    body = f.read()
            except OSError:
                status, body = 404, b"not found"
        self.send_response_only(status)
        self.send_header("Content-Type", "text/html")
        self.send_header("Cache-Control", "no-store")
        self.send_header("Content-Length", str(len(body)))
        self.end_headers()
        self.wfile.write(body)


def serve(port, root, state):
    server = ThreadingHTTPServer(("127.0.0.1", port), Handler)
    server.daemon_threads = True
    server.root = root
    server.control_path = os.path.join(state, "control.json")
    server.log_path = os.path.join(state, "requests.log")
    # Never outlive a forgotten test run.
    threading.Timer(1800, lambda: os.kill(os.getpid(), signal.SIGTERM)).start()
    server.serve_forever()


def main():
    command = sys.argv[1]
    if command == "start":
        port, root, state = int(sys.argv[2]), sys.argv[3], sys.argv[4]
        os.makedirs(state, exist_ok=True)
        stop(state)
        for name in ("control.json", "requests.log"):
            open(os.path.join(state, name), "w").close()
        pid = os.fork()
        if pid == 0:
            os.setsid()
            devnull = os.open(os.devnull, os.O_RDWR)
            for fd in (0, 1, 2):
                os.dup2(devnull, fd)
            serve(port, root, state)
            os._exit(0)
        with open(os.path.join(state, "pid"), "w") as f:
            f.write(str(pid))
        for _ in range(100):
            try:
                socket.create_connection(("127.0.0.1", port), timeout=0.2).close()
                return 0
            except OSError:
                time.sleep(0.05)
        print("site server did not start", file=sys.stderr)
        return 1
    if command == "stop":
        stop(sys.argv[2])
        return 0
    return 2


def stop(state):
    try:
        with open(os.path.join(state, "pid")) as f:
            os.kill(int(f.read()), signal.SIGTERM)
    except (OSError, ValueError):
        pass
    try:
        os.remove(os.path.join(state, "pid"))
    except OSError:
        pass


if __name__ == "__main__":
    sys.exit(main())
