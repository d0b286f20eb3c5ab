#!/usr/bin/env python3
"""A throwaway RFC 3161 timestamp authority on the loopback address, for the signing test: each
POSTed request is answered by `openssl ts -reply` with the given configuration. Prints the port
it listens on, then serves until killed.
    timestamp-authority.py CONFIG"""
import http.server
import subprocess
import sys
import tempfile

CONFIG = sys.argv[1]


class Authority(http.server.BaseHTTPRequestHandler):
    def do_POST(self):
        request = self.rfile.read(int(self.headers["Content-Length"]))
        with tempfile.NamedTemporaryFile() as query, tempfile.NamedTemporaryFile() as reply:
            query.write(request)
            query.flush()
            subprocess.run(["openssl", "ts", "-reply", "-config", CONFIG, "-queryfile", query.name,
                            "-out", reply.name], check=True, capture_output=True)
            answer = reply.read()
        self.send_response(200)
        self.send_header("Content-Type", "application/timestamp-reply")
        self.send_header("Content-Length", str(len(answer)))
        self.end_headers()
        self.wfile.write(answer)

    def log_message(self, *arguments):
        pass


server = http.server.HTTPServer(("127.0.0.1", 0), Authority)
print(server.server_address[1], flush=True)
server.serve_forever()
