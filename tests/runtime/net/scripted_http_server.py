#!/usr/bin/env python3
"""An HTTP server on 127.0.0.1 that answers each request path with one
scripted response, including the broken ones real servers and networks
produce. Prints its port on the first line of stdout, then serves until
killed. An optional argument names the port to listen on (default: any).

The response for a path is chosen by its first component; "/echo..." sends
back the exact request bytes as the body.
"""
import socket
import socketserver
import struct
import sys
import time


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


def reset(conn):
    conn.setsockopt(socket.SOL_SOCKET, socket.SO_LINGER, struct.pack("ii", 1, 0))
    conn.close()


def wait_for_client_close(conn, seconds):
    """Stays silent until the client hangs up (or the time is over)."""
    conn.settimeout(seconds)
    try:
        while conn.recv(4096):
            pass
    except OSError:
        pass


def head(status, *lines):
    return ("HTTP/1.1 " + status + "\r\n" + "".join(l + "\r\n" for l in lines) + "\r\n").encode()


BODY_1000 = bytes((i * 7 + 3) % 256 for i in range(1000))
CHUNKED = b"5\r\nhello\r\n6;name=value\r\n world\r\n10\r\n-0123456789abcd-\r\n0\r\n\r\n"
CHUNKED_BODY = b"hello world-0123456789abcd-"


def filler(total):
    lines, size = [], 0
    n = 0
    while size < total:
        line = "X-Filler-%04d: %s" % (n, "f" * 90)
        lines.append(line)
        size += len(line) + 2
        n += 1
    return lines


def respond(conn, name, request):
    send = conn.sendall
    if name == "echo":
        send(head("200 OK", "Content-Length: %d" % len(request)) + request)
    elif name == "chunked-one-block":
        send(head("200 OK", "Transfer-Encoding: chunked") + CHUNKED)
    elif name == "chunked-bytewise":
        conn.setsockopt(socket.IPPROTO_TCP, socket.TCP_NODELAY, 1)
        for i, byte in enumerate(head("200 OK", "Transfer-Encoding: chunked") + CHUNKED):
            send(bytes([byte]))
            if i % 8 == 0:
                time.sleep(0.002)
    elif name == "chunked-over-length":
        send(head("200 OK", "Content-Length: 3", "transfer-encoding: gzip, CHUNKED") + CHUNKED)
    elif name == "chunked-without-end":
        send(head("200 OK", "Transfer-Encoding: chunked") + b"5\r\nhello\r\n6\r\n world\r\n")
    elif name == "length-zero":
        send(head("200 OK", "Content-Length: 0"))
    elif name == "redirect":
        # Port 1: nothing listens there.
        send(head("302 Found", "Location: http://127.0.0.1:1/elsewhere", "Content-Length: 20")
             + b"moved to elsewhere.\n")
    elif name == "redirect-no-location":
        send(head("302 Found", "Content-Length: 20") + b"moved to elsewhere.\n")
    elif name == "redirect-relative":
        send(head("307 Temporary Redirect", "Location: ../echo/after?x=1", "Content-Length: 5")
             + b"moved")
    elif name == "not-found":
        send(head("404 Not Found", "Content-Length: 9") + b"not found")
    elif name == "reason-200":
        send(head("404 Not 200 or 302", "Content-Length: 5") + b"HTTP/")
    elif name == "close-no-length":
        send(head("200 OK") + BODY_1000)
    elif name == "silent-no-length":
        send(head("200 OK") + BODY_1000[:600])
        time.sleep(0.2)
        send(BODY_1000[600:])
        wait_for_client_close(conn, 10)
    elif name == "drop-300":
        send(head("200 OK", "Content-Length: 1000") + BODY_1000[:300])
    elif name == "reset-mid-body":
        send(head("200 OK", "Content-Length: 1000") + BODY_1000[:300])
        time.sleep(0.1)
        reset(conn)
        return
    elif name == "reset-no-length":
        send(head("200 OK") + BODY_1000[:300])
        time.sleep(0.1)
        reset(conn)
        return
    elif name == "mixed-case":
        send(head("200 OK", "cOnTeNt-LeNgTh: 4", "X-Other: 1") + b"case")
    elif name == "mixed-case-chunked":
        send(head("200 OK", "TRANSFER-ENCODING: Chunked") + CHUNKED)
    elif name == "length-without-blank":
        send(head("200 OK", "Content-Length:1000") + BODY_1000)
    elif name == "length-after-tab":
        send(head("200 OK", "Content-Length:\t 1000") + BODY_1000)
    elif name == "long-header":
        # About 10 KB of header lines, sent in pieces so that it spans reads.
        data = head("200 OK", *filler(10000), "Content-Length: 1000") + BODY_1000
        for at in range(0, len(data), 1500):
            send(data[at:at + 1500])
            time.sleep(0.001)
    elif name == "too-long-header":
        send(head("200 OK", *filler(17000), "Content-Length: 1000") + BODY_1000)
    elif name == "split-after-cr":
        # The header ends in CR | LF across two sends.
        data = head("200 OK", "Content-Length: 4")
        send(data[:-1])
        time.sleep(0.1)
        send(data[-1:] + b"body")
    elif name == "trickle":
        # A byte every half second: never quiet long enough for one read's
        # limit, for as long as the client reads.
        conn.setsockopt(socket.IPPROTO_TCP, socket.TCP_NODELAY, 1)
        send(head("200 OK", "Content-Length: 1000"))
        for byte in BODY_1000[:120]:
            send(bytes([byte]))
            time.sleep(0.5)
    elif name == "never-answers":
        wait_for_client_close(conn, 30)
    else:
        send(head("500 Unknown Script", "Content-Length: 0"))
    conn.shutdown(socket.SHUT_WR)
    wait_for_client_close(conn, 2)
    conn.close()


class Handler(socketserver.BaseRequestHandler):
    def handle(self):
        request = read_request(self.request)
        try:
            line = request.split(b"\r\n", 1)[0].decode("latin-1")
            path = line.split(" ")[1] if " " in line else "/"
            name = path.lstrip("/").split("/")[0].split("?")[0]
            if name == "" or name.startswith("echo"):
                name = "echo"
            respond(self.request, name, request)
        except OSError:
            pass


class Server(socketserver.ThreadingTCPServer):
    daemon_threads = True
    allow_reuse_address = True


def main():
    port = int(sys.argv[1]) if len(sys.argv) > 1 else 0
    with Server(("127.0.0.1", port), Handler) as server:
        print(server.server_address[1], flush=True)
        server.serve_forever()


if __name__ == "__main__":
    sys.exit(main())
