#!/usr/bin/env python3
"""The vendor web site for the tests: a small HTTP server on 127.0.0.1 whose answers the tests choose.

Started and stopped by tools/run-tests.sh. The program under test reaches it as its HTTP proxy
(http_proxy), so requests arrive here whatever site the program was built for; the Windows tests
also ask it directly. Paths under /control/ are the tests' own:

  /control/reply?status=200&body=TEXT[&mode=M][&size=N]   how the page requests that follow are answered
        mode normal: status and body (body padded with blanks to N bytes when size is given)
        mode hold: the answer waits until /control/release
        mode silent: the connection stays open without an answer until /control/release
        mode drop: the connection is closed without an answer
        mode redirect: 302 to /moved/<same path>, which is answered normally
  /control/release   lets held and silent requests go on
  /control/log       one line per event: "GET <url>\t<user agent>", "SENT <url>"
  /control/reset     empties the log, releases everything, and answers "2.258" again

Usage: site-server.py PORT_FILE   binds a free port and writes its number to PORT_FILE.
"""
import http.server
import sys
import threading
import urllib.parse


class Site:
    """What the tests asked for and what the server has seen; shared by the request threads."""

    def __init__(self):
        self.lock = threading.Lock()
        self.log = []
        self.release = threading.Event()
        self.reply = {"status": 200, "body": b"2.258", "mode": "normal", "size": 0}

    def record(self, line):
        with self.lock:
            self.log.append(line)

    def reset(self):
        with self.lock:
            self.log = []
            self.reply = {"status": 200, "body": b"2.258", "mode": "normal", "size": 0}
        self.release.set()

    def set_reply(self, query):
        fields = urllib.parse.parse_qs(query, keep_blank_values=True, encoding="latin-1")
        body = urllib.parse.unquote_to_bytes(query.split("body=", 1)[1].split("&", 1)[0]) if "body=" in query else b""
        with self.lock:
            self.reply = {
                "status": int(fields.get("status", ["200"])[0]),
                "body": body,
                "mode": fields.get("mode", ["normal"])[0],
                "size": int(fields.get("size", ["0"])[0]),
            }
        self.release.clear()


SITE = Site()
CHUNK = 64 * 1024
HOLD_LIMIT_S = 120  # a held request goes on by itself at the latest after this


class Handler(http.server.BaseHTTPRequestHandler):
    protocol_version = "HTTP/1.0"

    def log_message(self, *args):
        pass

    def do_GET(self):
        path = urllib.parse.urlsplit(self.path).path
        if path.startswith("/control/"):
            self.control(path, urllib.parse.urlsplit(self.path).query)
        else:
            self.page(path)

    def control(self, path, query):
        if path == "/control/reply":
            SITE.set_reply(query)
        elif path == "/control/release":
            SITE.release.set()
        elif path == "/control/reset":
            SITE.reset()
        elif path != "/control/log":
            return self.answer(404, b"no such control")
        with SITE.lock:
            text = "".join(line + "\n" for line in SITE.log)
        self.answer(200, text.encode("utf-8", "replace"))

    def page(self, path):
        SITE.record("GET %s\t%s" % (self.path, self.headers.get("User-Agent", "")))
        with SITE.lock:
            reply = dict(SITE.reply)
        mode = reply["mode"]
        if mode in ("hold", "silent"):
            SITE.release.wait(HOLD_LIMIT_S)
            if mode == "silent":
                return
        if mode == "drop":
            return
        if mode == "redirect" and not path.startswith("/moved/"):
            self.send_response(302)
            self.send_header("Location", "/moved" + path)
            self.send_header("Content-Length", "0")
            self.end_headers()
        else:
            body = reply["body"]
            self.answer(reply["status"], body, max(reply["size"], len(body)))
        SITE.record("SENT %s" % self.path)

    def answer(self, status, body, size=None):
        size = len(body) if size is None else size
        self.send_response(status)
        self.send_header("Content-Type", "text/html")
        self.send_header("Content-Length", str(size))
        self.end_headers()
        try:
            self.wfile.write(body)
            left = size - len(body)
            while left > 0:
                self.wfile.write(b" " * min(CHUNK, left))
                left -= CHUNK
        except (BrokenPipeError, ConnectionResetError):
            pass  # the client stopped reading: it has all it wanted


def main():
    server = http.server.ThreadingHTTPServer(("127.0.0.1", 0), Handler)
    server.daemon_threads = True
    with open(sys.argv[1], "w") as port_file:
        port_file.write("%d\n" % server.server_address[1])
    server.serve_forever()


if __name__ == "__main__":
    main()
