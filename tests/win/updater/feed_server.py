#!/usr/bin/env python3
"""A version feed on 127.0.0.1 for the updater's test: /same serves the installed version,
/newer a later one, /malformed an error page, /silent accepts and never answers. It writes
its port to PORT_FILE and stops by itself after LIFETIME seconds.
    feed_server.py PORT_FILE INSTALLED_VERSION LIFETIME"""
import http.server
import sys
import threading
import time

port_file, installed, lifetime = sys.argv[1], sys.argv[2], float(sys.argv[3])
PAGE = "https://www.tesslysoftware.example/download/"
BODIES = {
    "/same": f"version={installed}\npage={PAGE}\n",
    "/newer": f"version=99.0\npage={PAGE}\n",
    "/malformed": "<html><body>Service unavailable</body></html>",
}


class Feed(http.server.BaseHTTPRequestHandler):
    def do_GET(self):
        if self.path == "/silent":
            time.sleep(min(30.0, lifetime))  # longer than the updater waits
            return
        body = BODIES.get(self.path)
        if body is None:
            self.send_error(404)
            return
        data = body.encode()
        self.send_response(200)
        self.send_header("Content-Type", "text/plain")
        self.send_header("Content-Length", str(len(data)))
        self.end_headers()
        self.wfile.write(data)

    def log_message(self, *args):
        pass


server = http.server.ThreadingHTTPServer(("127.0.0.1", 0), Feed)
server.daemon_threads = True
with open(port_file, "w") as f:
    f.write(str(server.server_address[1]))
threading.Timer(lifetime, server.shutdown).start()
server.serve_forever()
