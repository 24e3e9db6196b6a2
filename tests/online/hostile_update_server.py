#!/usr/bin/env python3
"""A hostile release server on 127.0.0.1 for the update check and the
updater. Prints its port on the first line of stdout, then serves until
killed. A request for /aktualisierung/<scenario>/<file> is answered by the
scenario:

  endless-header  a status line, then header lines that never end
  endless-body    a body without length or chunks that never ends
  huge-body       a Content-Length of 4 GB, and bytes as long as they are read
  huge-chunk      a chunked body whose first chunk is 4 GB long
  trickle         a body of 100,000 bytes announced and one byte of it sent
                  every half second, for two and a half minutes
  trickle-header  a status line, then one byte of a header line every half
                  second, for two and a half minutes
  outside         an index of one file inside the program directory and then
                  several outside it, each with the right digest and size of
                  the file served for any other name

Every endless answer also ends by itself after a minute, so that a client
that never stops reading cannot keep the server busy for ever.
"""
import hashlib
import socket
import socketserver
import sys
import time

LIMIT_SECONDS = 60
BLOCK = b"x" * 65536
EVIL = b"written outside the program directory\n"
OUTSIDE_PATHS = [
    "../outside.txt",
    "..\\outside.txt",
    "/tmp/codarium-hostile-outside.txt",
    "Sub/../../outside.txt",
    "C:\\outside.txt",
]


def outside_index():
    digest = hashlib.md5(EVIL).hexdigest()
    paths = ["inside.txt"] + OUTSIDE_PATHS
    return "".join("%s\r\n%s\r\n%d\r\n" % (p, digest, len(EVIL)) for p in paths).encode()


def read_request(conn):
    data = b""
    conn.settimeout(5)
    try:
        while b"\r\n\r\n" not in data and len(data) < 65536:
            block = conn.recv(4096)
            if not block:
                break
            data += block
    except OSError:
        pass
    return data


def send_for_a_while(conn, first, block):
    """Sends first, then block after block until the client hangs up or the
    time is over."""
    conn.settimeout(LIMIT_SECONDS)
    conn.sendall(first)
    until = time.monotonic() + LIMIT_SECONDS
    while time.monotonic() < until:
        conn.sendall(block)


def respond(conn, scenario, name):
    if scenario == "endless-header":
        line = b"X-Filler: " + b"f" * 100 + b"\r\n"
        send_for_a_while(conn, b"HTTP/1.1 200 OK\r\n", line * 64)
    elif scenario == "endless-body":
        send_for_a_while(conn, b"HTTP/1.1 200 OK\r\n\r\n", BLOCK)
    elif scenario == "huge-body":
        send_for_a_while(conn, b"HTTP/1.1 200 OK\r\nContent-Length: 4000000000\r\n\r\n", BLOCK)
    elif scenario == "huge-chunk":
        send_for_a_while(
            conn, b"HTTP/1.1 200 OK\r\nTransfer-Encoding: chunked\r\n\r\nEE6B2800\r\n", BLOCK)
    elif scenario == "trickle":
        conn.setsockopt(socket.IPPROTO_TCP, socket.TCP_NODELAY, 1)
        conn.sendall(b"HTTP/1.1 200 OK\r\nContent-Length: 100000\r\n\r\n")
        until = time.monotonic() + 150
        while time.monotonic() < until:
            conn.sendall(b"x")
            time.sleep(0.5)
    elif scenario == "trickle-header":
        conn.setsockopt(socket.IPPROTO_TCP, socket.TCP_NODELAY, 1)
        conn.sendall(b"HTTP/1.1 200 OK\r\nX-Slow: ")
        until = time.monotonic() + 150
        while time.monotonic() < until:
            conn.sendall(b"s")
            time.sleep(0.5)
    elif scenario == "outside":
        body = outside_index() if name == "Index.ini" else EVIL
        conn.sendall(b"HTTP/1.1 200 OK\r\nContent-Length: %d\r\n\r\n" % len(body) + body)
    else:
        conn.sendall(b"HTTP/1.1 404 Not Found\r\nContent-Length: 0\r\n\r\n")


class Handler(socketserver.BaseRequestHandler):
    def handle(self):
        request = read_request(self.request)
        try:
            line = request.split(b"\r\n", 1)[0].decode("latin-1")
            path = line.split(" ")[1] if " " in line else "/"
            parts = path.lstrip("/").split("/")
            scenario = parts[1] if len(parts) > 2 else ""
            respond(self.request, scenario, parts[-1])
            self.request.shutdown(socket.SHUT_WR)
        except OSError:
            pass


class Server(socketserver.ThreadingTCPServer):
    daemon_threads = True
    allow_reuse_address = True


def main():
    with Server(("127.0.0.1", 0), Handler) as server:
        print(server.server_address[1], flush=True)
        server.serve_forever()


if __name__ == "__main__":
    sys.exit(main())
