#!/usr/bin/env python3
"""A fake of Open Library's web API and cover server for the tests.

Listens on 127.0.0.1 only and answers from the recorded real answers in
tests/fixtures/openlibrary, as they are. Prints "PORT <n>" once it listens;
stops when its standard input closes (unless --ignore-stdin) or on SIGTERM.
README.md beside this file lists what it answers.
"""

import argparse
import copy
import glob
import json
import os
import re
import signal
import sys
import threading
from http.server import BaseHTTPRequestHandler, ThreadingHTTPServer
from urllib.parse import parse_qsl, unquote

HERE = os.path.dirname(os.path.abspath(__file__))
DEFAULT_FIXTURES = os.path.join(HERE, "..", "fixtures", "openlibrary")
# Made-up answers of the wrong shape, beside the recorded ones (see README.md).
HOSTILE_ANSWERS = os.path.join(HERE, "hostile")
COVER_PICTURE = os.path.join(HERE, "..", "fake_service", "fixtures", "covers",
                             "0596007124.L.jpg")

# The recorded answers come from unrelated books. These routes tie them into
# whole books: the edition record served for an /api/books record's key, and
# the work served for an edition's work key.
EDITION_ROUTES = {
    "/books/OL1429049M": "books-OL23109860M.json",     # Concrete mathematics
    "/books/OL32784120M": "isbn-0140328726.json",      # Chamber of Secrets
    "/books/OL8838456M": ("works-OL27258W-editions.json", "/books/OL21395048M"),
}
WORK_ROUTES = {
    "/works/OL468431W": "works-OL453857W.json",                      # a string
    "/works/OL45883W": "works-OL21156586W-description-object.json",  # a /type/text
}
# Searches recorded, by (title, author, publisher) in lower case, or by q.
SEARCHES = {
    ("lord of the rings", "tolkien", ""): "search-title_lord_of_the_rings-author_tolkien-2013.json",
    ("the lord of the rings", "", ""):
        "search-title_the_lord_of_the_rings-fields_title,author_name-limit_1.json",
}
Q_SEARCHES = {"capitalism and freedom": "search-q_capitalism_and_freedom-2013.json"}

UNLOGGED = {"/__requests", "/__clear", "/__fail"}
BLANK_GIF = (b"GIF89a\x01\x00\x01\x00\x80\x00\x00\xff\xff\xff\x00\x00\x00!\xf9\x04\x01\x00"
             b"\x00\x00\x00,\x00\x00\x00\x00\x01\x00\x01\x00\x00\x02\x02D\x01\x00;")
ISBN_KEY = re.compile(r"^ISBN:(\d{9}[\dX]|\d{13})$")


class Catalogue:
    def __init__(self, fixtures, clone_of):
        self.fixtures = os.path.abspath(fixtures)
        self.books = {}      # "ISBN:..." -> /api/books record
        self.editions = {}   # key -> edition record
        self.works = {}      # key -> work record
        self.covers = {}     # cover id -> (content type, body) of a made-up cover
        self.searches = {}   # title in lower case -> a made-up search answer
        for path in glob.glob(os.path.join(self.fixtures, "api-books-data-*.json")):
            for bibkey, record in self.load(os.path.basename(path)).items():
                self.books.setdefault(bibkey, record)
                ids = record.get("identifiers", {})
                for isbn in ids.get("isbn_10", []) + ids.get("isbn_13", []):
                    self.books.setdefault("ISBN:" + isbn, record)
        for name in ("isbn-0140328726.json", "books-OL23109860M.json"):
            record = self.load(name)
            self.editions[record["key"]] = record
        for record in self.load("works-OL27258W-editions.json")["entries"]:
            self.editions[record["key"]] = record
        for path in glob.glob(os.path.join(self.fixtures, "works-OL*W*.json")):
            record = self.load(os.path.basename(path))
            if "key" in record:
                self.works[record["key"]] = record
        for record in self.load("authors-OL23919A-works.json")["entries"]:
            self.works.setdefault(record["key"], record)
        for key, route in EDITION_ROUTES.items():
            self.editions[key] = self.routed(route, self.editions)
        for key, route in WORK_ROUTES.items():
            self.works[key] = self.load(route)
        self.load_hostile()
        self.clone = self.books.get("ISBN:" + clone_of) if clone_of else None
        if clone_of and self.clone is None:
            raise SystemExit("--clone: no record for ISBN %s" % clone_of)

    def load_hostile(self):
        for path in sorted(glob.glob(os.path.join(HOSTILE_ANSWERS, "*.json"))):
            with open(path, encoding="utf-8") as f:
                answers = json.load(f)
            self.books.update(answers.get("books", {}))
            self.editions.update(answers.get("editions", {}))
            for cover_id, cover in answers.get("covers", {}).items():
                self.covers[cover_id] = (cover["type"], cover["body"].encode("utf-8"))
            self.searches.update(answers.get("searches", {}))

    def load(self, name):
        with open(os.path.join(self.fixtures, name), encoding="utf-8") as f:
            return json.load(f)

    def routed(self, route, known):
        if isinstance(route, tuple):
            return known[route[1]]
        return self.load(route)

    def raw(self, name):
        with open(os.path.join(self.fixtures, name), "rb") as f:
            return f.read()

    def book(self, bibkey):
        if bibkey in self.books:
            return self.books[bibkey]
        match = ISBN_KEY.match(bibkey)
        if self.clone is None or not match:
            return None
        # A copy of the cloned record stands for a book the fixtures lack.
        record = copy.deepcopy(self.clone)
        isbn = match.group(1)
        record.setdefault("identifiers", {})["isbn_%d" % len(isbn)] = [isbn]
        return record

    def edition_with_isbn(self, isbn):
        for key, record in self.editions.items():
            if isbn in record.get("isbn_10", []) + record.get("isbn_13", []):
                return key
        return None


class Server(ThreadingHTTPServer):
    daemon_threads = True

    def __init__(self, address, catalogue, log_path):
        super().__init__(address, Handler)
        self.catalogue = catalogue
        self.lock = threading.Lock()
        self.requests = []
        self.failures = []  # [prefix, status, count, retry_after, body, skip]
        self.log = open(log_path, "a", encoding="utf-8") if log_path else None

    def record(self, line):
        with self.lock:
            self.requests.append(line)
            if self.log:
                self.log.write(line + "\n")
                self.log.flush()

    def clear(self):
        with self.lock:
            self.requests = []
            self.failures = []
            if self.log:
                self.log.truncate(0)

    def failure_for(self, path):
        with self.lock:
            for failure in self.failures:
                if not path.startswith(failure[0]) or failure[2] <= 0:
                    continue
                if failure[5] > 0:
                    failure[5] -= 1
                    continue
                failure[2] -= 1
                return failure
        return None


class Handler(BaseHTTPRequestHandler):
    protocol_version = "HTTP/1.1"
    server_version = "FakeOpenLibrary/1.0"

    def log_message(self, format, *args):
        pass

    def do_GET(self):
        path, _, query = self.path.partition("?")
        if path not in UNLOGGED:
            agent = self.headers.get("User-Agent", "").replace("\t", " ")
            self.server.record("GET %s\t%s" % (self.path, agent))
        params = dict(parse_qsl(query, keep_blank_values=True))
        try:
            failure = None if path.startswith("/__") else self.server.failure_for(path)
            if failure:
                self.fail(failure)
            else:
                self.route(path, params)
        except (BrokenPipeError, ConnectionResetError):
            self.close_connection = True

    def send(self, status, body, content_type="application/json", headers=()):
        if isinstance(body, str):
            body = body.encode("utf-8")
        self.send_response(status)
        self.send_header("Content-Type", content_type)
        self.send_header("Content-Length", str(len(body)))
        for name, value in headers:
            self.send_header(name, value)
        self.end_headers()
        self.wfile.write(body)

    def send_json(self, value, indent=None):
        self.send(200, json.dumps(value, indent=indent))

    def not_found(self, key):
        self.send(404, json.dumps({"error": "notfound", "key": key}))

    def fail(self, failure):
        _, status, _, retry_after, body, _ = failure
        headers = [("Retry-After", retry_after)] if retry_after else []
        if body == "broken":
            self.send(status, '{"ISBN:0201558025": {"title": "Concrete', headers=headers)
        else:
            self.send(status, json.dumps({"status": status,
                                          "message": "Too Many Requests. Slow down."}),
                      headers=headers)

    def route(self, path, params):
        catalogue = self.server.catalogue
        if path == "/__requests":
            with self.server.lock:
                self.send(200, "\n".join(self.server.requests), "text/plain")
        elif path == "/__clear":
            self.server.clear()
            self.send(200, "", "text/plain")
        elif path == "/__fail":
            # The next `count` requests whose path starts with `path`, after the
            # first `skip` of them, fail.
            with self.server.lock:
                self.server.failures.append([params.get("path", "/"),
                                             int(params.get("status", "429")),
                                             int(params.get("count", "1")),
                                             params.get("retry_after", ""),
                                             params.get("body", ""),
                                             int(params.get("skip", "0"))])
            self.send(200, "", "text/plain")
        elif path == "/api/books":
            self.books(params)
        elif re.match(r"^/books/OL\d+M\.json$", path):
            key = path[:-len(".json")]
            record = catalogue.editions.get(key)
            self.send_json(record) if record is not None else self.not_found(key)
        elif re.match(r"^/works/OL\d+W\.json$", path):
            key = path[:-len(".json")]
            record = catalogue.works.get(key)
            self.send_json(record) if record is not None else self.not_found(key)
        elif re.match(r"^/isbn/[\dX]+\.json$", path):
            key = catalogue.edition_with_isbn(path[len("/isbn/"):-len(".json")])
            if key is None:
                self.not_found(path)
            else:
                self.send(302, "", "text/plain", [("Location", key + ".json")])
        elif path == "/search.json":
            self.search(params)
        elif re.match(r"^/b/id/\d+-[SML]\.jpg$", path):
            # Found covers live in the archive: a redirect, as the real server sends.
            self.send(302, "", "text/plain", [("Location", "/archive" + path[len("/b/id"):])])
        elif re.match(r"^/archive/\d+-[SML]\.jpg$", path):
            made_up = catalogue.covers.get(path[len("/archive/"):].split("-")[0])
            if made_up:
                self.send(200, made_up[1], made_up[0])
            else:
                with open(COVER_PICTURE, "rb") as f:
                    self.send(200, f.read(), "image/jpeg")
        elif re.match(r"^/b/isbn/[\dX]+-[SML]\.jpg$", path):
            if params.get("default") == "false":
                self.send(404, b"", "text/html")
            else:
                self.send(200, BLANK_GIF, "image/gif")
        else:
            self.not_found(path)

    def books(self, params):
        if params.get("jscmd") != "data" or params.get("format") != "json":
            self.send(400, "jscmd=data&format=json expected", "text/plain")
            return
        answer = {}
        for bibkey in params.get("bibkeys", "").split(","):
            record = self.server.catalogue.book(bibkey.strip())
            if record is not None:
                answer[bibkey.strip()] = record
        if not answer:
            self.send(200, self.server.catalogue.raw("api-books-data-unknown-isbn.json"))
        else:
            self.send_json(answer)

    def search(self, params):
        catalogue = self.server.catalogue
        terms = tuple(" ".join(params.get(name, "").lower().split())
                      for name in ("title", "author", "publisher"))
        name = Q_SEARCHES.get(params.get("q", "").lower()) if "q" in params else SEARCHES.get(terms)
        made_up = catalogue.searches.get(terms[0]) if not any(terms[1:]) else None
        if made_up is not None:
            self.send_json(made_up)
            return
        answer = catalogue.load(name) if name else {"numFound": 0, "start": 0,
                                                     "numFoundExact": True, "docs": [],
                                                     "num_found": 0, "q": "", "offset": None}
        limit = int(params.get("limit", "100"))
        offset = int(params["offset"]) if "offset" in params else \
            (max(int(params.get("page", "1")), 1) - 1) * limit
        docs = answer["docs"][offset:offset + limit]
        if "fields" in params:
            fields = params["fields"].split(",")
            docs = [{k: v for k, v in doc.items() if k in fields} for doc in docs]
        answer = dict(answer, docs=docs, start=offset)
        self.send_json(answer, indent=4)


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--port", type=int, default=0)
    parser.add_argument("--fixtures", default=DEFAULT_FIXTURES)
    parser.add_argument("--log")
    parser.add_argument("--clone", help="answer unknown ISBNs with a copy of this ISBN's record")
    parser.add_argument("--ignore-stdin", action="store_true")
    args = parser.parse_args()

    server = Server(("127.0.0.1", args.port), Catalogue(args.fixtures, args.clone), args.log)
    print("PORT %d" % server.server_address[1], flush=True)
    signal.signal(signal.SIGTERM, lambda *_: threading.Thread(target=server.shutdown).start())
    if not args.ignore_stdin:
        def watch():
            sys.stdin.read()
            server.shutdown()
        threading.Thread(target=watch, daemon=True).start()
    try:
        server.serve_forever()
    except KeyboardInterrupt:
        pass
    server.server_close()


if __name__ == "__main__":
    main()
