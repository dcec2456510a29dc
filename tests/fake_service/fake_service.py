#!/usr/bin/env python3
"""A fake of the online product service, its keyword search and the store.

Listens on 127.0.0.1 only and answers from the files of a fixtures folder in
the format of the real service. Prints "PORT <n>" once it listens; stops when
its standard input closes (unless --ignore-stdin) or on SIGTERM/SIGINT.
README.md beside this file lists the paths and fixtures.
"""

import argparse
import os
import re
import signal
import sys
import threading
import time
from http.server import BaseHTTPRequestHandler, ThreadingHTTPServer
from urllib.parse import unquote
from xml.sax.saxutils import escape

# Query keys of a request in the order the program sends them, with the fixed
# value each must have (None: any non-empty value).
LOOKUP_KEYS = [
    ("Service", "AWSECommerceService"),
    ("SubscriptionId", "7QHN2ZK5XW3RB8TLM0C4"),
    ("Operation", "ItemLookup"),
    ("ResponseGroup", "Large"),
    ("ItemId", None),
]
SEARCH_KEYS = [
    ("t", "webservices-20"),
    ("dev-t", "K8R2VW5QZ7MN4"),
    ("mode", "books"),
    ("type", "lite"),
    ("f", "xml"),
    ("sort", "+titlerank"),
    ("PowerSearch", None),
    ("page", None),
]

# Requests to these paths are not written to the request log.
UNLOGGED = {"/__requests", "/__clear", "/__delay"}

SAFE_NAME = re.compile(r"^[A-Za-z0-9][A-Za-z0-9._-]{0,63}$")
SAFE_HOST = re.compile(r"^[A-Za-z0-9.\-\[\]:]{1,100}$")
XML_TYPE = "text/xml;charset=UTF-8"


def parse_query(query):
    """Key/value pairs in order. Only %XX is decoded: a raw "+" stays a plus
    sign (the search sends sort=+titlerank that way)."""
    pairs = []
    for piece in query.split("&"):
        if piece:
            name, _, value = piece.partition("=")
            pairs.append((unquote(name), unquote(value)))
    return pairs


def check_keys(pairs, expected):
    """The reason the request is malformed, or None."""
    names = [name for name, _ in pairs]
    wanted = [name for name, _ in expected]
    for name in wanted:
        if name not in names:
            return "missing parameter %s" % name
    for name in names:
        if name not in wanted:
            return "unexpected parameter %s" % name
    if len(set(names)) != len(names):
        return "a parameter occurs twice"
    if names != wanted:
        return "parameters out of order: got %s, expected %s" % (",".join(names), ",".join(wanted))
    values = dict(pairs)
    for name, fixed in expected:
        if fixed is None and not values[name]:
            return "empty parameter %s" % name
        if fixed is not None and values[name] != fixed:
            return "parameter %s is %r, expected %r" % (name, values[name], fixed)
    return None


def pattern_bytes(count):
    """The bytes of /__bytes: byte i is (i * 7 + 3) mod 256."""
    return bytes((i * 7 + 3) % 256 for i in range(count))


# The first bytes of each kind of picture, which /__bytes?picture=KIND puts
# in front of its pattern.
PICTURE_SIGNATURES = {"jpeg": b"\xff\xd8\xff", "gif": b"GIF89a", "png": b"\x89PNG\r\n\x1a\n",
                      "bmp": b"BM"}


def picture_bytes(count, kind):
    """The bytes of /__bytes?n=count&picture=kind: the pattern with the
    picture's signature over its start."""
    signature = PICTURE_SIGNATURES[kind][:count]
    return signature + pattern_bytes(count)[len(signature):]


class Service:
    def __init__(self, fixtures, log_path):
        self.fixtures = os.path.abspath(fixtures)
        self.lock = threading.Lock()
        self.requests = []
        self.delay = 0.0
        self.item_delays = {}  # ItemId -> seconds its lookups wait
        self.log = open(log_path, "a", encoding="utf-8") if log_path else None
        self.searches = {}
        index = os.path.join(self.fixtures, "search", "queries.txt")
        with open(index, encoding="utf-8") as f:
            for line in f:
                line = line.rstrip("\n")
                if line and not line.startswith("#"):
                    name, _, query = line.partition("\t")
                    self.searches[query] = name

    def record(self, line):
        with self.lock:
            self.requests.append(line)
            if self.log:
                self.log.write(line + "\n")
                self.log.flush()

    def clear(self):
        with self.lock:
            self.requests = []
            if self.log:
                self.log.truncate(0)

    def logged(self):
        with self.lock:
            return list(self.requests)

    def fixture(self, *parts):
        path = os.path.join(self.fixtures, *parts)
        try:
            with open(path, "rb") as f:
                return f.read()
        except OSError:
            return None


class Handler(BaseHTTPRequestHandler):
    protocol_version = "HTTP/1.1"
    server_version = "FakeProductService/1.0"

    def log_message(self, format, *args):
        pass  # stderr stays quiet; the request log is /__requests

    def do_GET(self):
        self.dispatch()

    def do_HEAD(self):
        self.dispatch()

    # ------------------------------------------------------------ helpers

    @property
    def service(self):
        return self.server.service

    def base_url(self):
        host = self.headers.get("Host", "")
        if not SAFE_HOST.match(host):
            host = "127.0.0.1:%d" % self.server.server_address[1]
        return "http://" + host

    def send(self, status, body, content_type="text/plain; charset=utf-8", chunked=False,
             headers=()):
        if isinstance(body, str):
            body = body.encode("utf-8")
        self.send_response(status)
        self.send_header("Content-Type", content_type)
        if chunked:
            self.send_header("Transfer-Encoding", "chunked")
        else:
            self.send_header("Content-Length", str(len(body)))
        for name, value in headers:
            self.send_header(name, value)
        self.end_headers()
        if self.command == "HEAD":
            return
        if chunked:
            for i in range(0, len(body), 1000):
                chunk = body[i:i + 1000]
                self.wfile.write(b"%x\r\n%s\r\n" % (len(chunk), chunk))
            self.wfile.write(b"0\r\n\r\n")
        else:
            self.wfile.write(body)

    def bad_request(self, reason):
        self.send(400, "Bad request: %s\n" % reason)

    def not_found(self):
        self.send(404, "<html><body><h1>404 Not Found</h1></body></html>\n",
                  "text/html; charset=utf-8")

    def dispatch(self):
        path, _, query = self.path.partition("?")
        pairs = parse_query(query)
        if path not in UNLOGGED:
            self.service.record("%s %s" % (self.command, self.path))
        if not path.startswith("/__") and self.service.delay > 0:
            time.sleep(self.service.delay)
        try:
            self.route(path, pairs)
        except (BrokenPipeError, ConnectionResetError):
            self.close_connection = True  # the client gave up; nothing to answer

    def route(self, path, pairs):
        if path == "/onca/xml":
            self.lookup(pairs)
        elif path == "/onca/xml3":
            self.search(pairs)
        elif path.startswith("/exec/obidos/ASIN/"):
            self.product_page(path[len("/exec/obidos/ASIN/"):].split("/")[0])
        elif path == "/exec/obidos/redirect":
            self.store_redirect(dict(pairs))
        elif path.startswith("/images/"):
            self.cover(path.rsplit("/", 1)[-1], dict(pairs))
        elif path.startswith("/__"):
            self.debug(path, dict(pairs))
        else:
            self.not_found()

    # ------------------------------------------------------------ the service

    def lookup(self, pairs):
        problem = check_keys(pairs, LOOKUP_KEYS)
        if problem:
            return self.bad_request(problem)
        item = dict(pairs)["ItemId"]
        if self.service.item_delays.get(item, 0) > 0:
            time.sleep(self.service.item_delays[item])
        body = None
        if SAFE_NAME.match(item):
            body = self.service.fixture("lookup", item + ".xml")
        if body is None:
            body = self.service.fixture("lookup", "_unknown.xml")
            body = body.replace(b"@ITEMID@", escape(item, {'"': "&quot;"}).encode("utf-8"))
        self.send(200, body.replace(b"@BASE@", self.base_url().encode("ascii")), XML_TYPE)

    def search(self, pairs):
        problem = check_keys(pairs, SEARCH_KEYS)
        if problem:
            return self.bad_request(problem)
        values = dict(pairs)
        if not re.fullmatch(r"[1-9][0-9]{0,5}", values["page"]):
            return self.bad_request("page must be a positive decimal number")
        body = None
        name = self.service.searches.get(values["PowerSearch"])
        if name:
            body = self.service.fixture("search", "%s-%s.xml" % (name, values["page"]))
        if body is None:
            body = self.service.fixture("search", "_nomatch.xml")
        self.send(200, body.replace(b"@BASE@", self.base_url().encode("ascii")), XML_TYPE)

    def product_page(self, isbn):
        body = self.service.fixture("pages", isbn + ".html") if SAFE_NAME.match(isbn) else None
        if body is None:
            return self.not_found()
        self.send(200, body, "text/html; charset=ISO-8859-1")

    def store_redirect(self, values):
        target = values.get("path", "")
        if not values.get("tag") or not target.startswith("ASIN/"):
            return self.bad_request("a store link needs tag and path=ASIN/<isbn>")
        isbn = target[len("ASIN/"):]
        if not SAFE_NAME.match(isbn):
            return self.bad_request("bad item in path")
        self.send(302, "", headers=[("Location", "/exec/obidos/ASIN/" + isbn)])

    def cover(self, name, values):
        body = self.service.fixture("covers", name) if SAFE_NAME.match(name) else None
        if body is None:
            return self.not_found()
        kind = {"gif": "image/gif", "jpg": "image/jpeg", "jpeg": "image/jpeg",
                "png": "image/png"}.get(name.rsplit(".", 1)[-1].lower(),
                                        "application/octet-stream")
        self.send(200, body, kind, chunked=values.get("chunked") == "1")

    # ------------------------------------------------------------ for tests

    def debug(self, path, values):
        try:
            self.debug_path(path, values)
        except ValueError as error:
            self.bad_request(str(error))

    def debug_path(self, path, values):
        if path == "/__requests":
            lines = self.service.logged()
            self.send(200, "".join(line + "\n" for line in lines))
        elif path == "/__clear":
            self.service.clear()
            self.send(200, "cleared\n")
        elif path == "/__delay" and "item" in values:
            self.service.item_delays[values["item"]] = int(values.get("ms", "0")) / 1000.0
            self.send(200, "delay %s ms for %s\n" % (values.get("ms", "0"), values["item"]))
        elif path == "/__delay":
            self.service.delay = int(values.get("ms", "0")) / 1000.0
            self.send(200, "delay %s ms\n" % values.get("ms", "0"))
        elif path == "/__echo":
            text = "%s\n%s" % (self.requestline, "".join(
                "%s: %s\n" % (name, value) for name, value in self.headers.items()))
            self.send(200, text)
        elif path == "/__bytes":
            count = int(values.get("n", "0"))
            kind = values.get("picture")
            if kind is not None and kind not in PICTURE_SIGNATURES:
                raise ValueError("picture must be one of " + ", ".join(sorted(PICTURE_SIGNATURES)))
            body = picture_bytes(count, kind) if kind else pattern_bytes(count)
            self.send(200, body, values.get("type", "application/octet-stream"),
                      chunked=values.get("chunked") == "1")
        elif path == "/__status":
            code = int(values.get("code", "500"))
            self.send(code, "status %d\n" % code)
        elif path == "/__redirect":
            target = values.get("to", "/__bytes?n=10")
            if values.get("loop") == "1":
                location = "/__redirect?loop=1"
            else:
                remaining = int(values.get("n", "1"))
                location = (target if remaining <= 1 else
                            "/__redirect?n=%d&to=%s" % (remaining - 1, target.replace("&", "%26")))
            self.send(int(values.get("code", "302")), "", headers=[("Location", location)])
        elif path == "/__stall":
            self.stall(float(values.get("seconds", "5")), values.get("mode", "before"))
        elif path == "/__drip":
            self.drip(int(values.get("n", "100")), float(values.get("rate", "2")))
        else:
            self.not_found()

    def stall(self, seconds, mode):
        if mode == "before":
            time.sleep(seconds)  # nothing at all arrives meanwhile
            return self.send(200, "late\n")
        # "body": the headers and a little of the body, then silence
        self.send_response(200)
        self.send_header("Content-Type", "application/octet-stream")
        self.send_header("Content-Length", "1000")
        self.end_headers()
        self.wfile.write(b"x")
        self.wfile.flush()
        time.sleep(seconds)
        self.wfile.write(b"x" * 999)


    def drip(self, count, rate):
        """The bytes of /__bytes?n=count, one at a time, `rate` a second: fast
        enough for any low-speed check, slow enough to take count/rate seconds."""
        body = pattern_bytes(count)
        self.send_response(200)
        self.send_header("Content-Type", "image/jpeg")
        self.send_header("Content-Length", str(count))
        self.end_headers()
        for i in range(count):
            self.wfile.write(body[i:i + 1])
            self.wfile.flush()
            time.sleep(1.0 / rate)


class Server(ThreadingHTTPServer):
    daemon_threads = True
    allow_reuse_address = True

    def handle_error(self, request, client_address):
        # A client that hung up (a test's time-out or size cap) is no error.
        if isinstance(sys.exc_info()[1], ConnectionError):
            return
        super().handle_error(request, client_address)


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--port", type=int, default=0, help="port on 127.0.0.1 (0: any free)")
    parser.add_argument("--fixtures", default=os.path.join(os.path.dirname(
        os.path.abspath(__file__)), "fixtures"), help="folder of the answer files")
    parser.add_argument("--log", help="also append every request line to this file")
    parser.add_argument("--ignore-stdin", action="store_true",
                        help="keep running when standard input closes")
    args = parser.parse_args()

    server = Server(("127.0.0.1", args.port), Handler)
    server.service = Service(args.fixtures, args.log)

    def stop(*_):
        # shutdown() waits for serve_forever, so never call it on its thread
        threading.Thread(target=server.shutdown, daemon=True).start()

    signal.signal(signal.SIGTERM, stop)
    signal.signal(signal.SIGINT, stop)
    if not args.ignore_stdin:
        def watch_stdin():
            try:
                while os.read(sys.stdin.fileno(), 4096):
                    pass
            except (OSError, ValueError):
                pass
            stop()
        threading.Thread(target=watch_stdin, daemon=True).start()

    print("PORT %d" % server.server_address[1], flush=True)
    try:
        server.serve_forever(poll_interval=0.2)
    finally:
        server.server_close()
    return 0


if __name__ == "__main__":
    sys.exit(main())
