#!/usr/bin/env python3
"""A minimal HTTP file server for the download benchmarks: one response per
connection, the body sent with sendfile so that the server is not what is
measured. Serves the files of the directory given as argument on 127.0.0.1;
prints its port on the first line of stdout."""
import os
import socket
import socketserver
import sys


class Handler(socketserver.BaseRequestHandler):
    def handle(self):
        conn = self.request
        data = b""
        while b"\r\n\r\n" not in data:
            block = conn.recv(4096)
            if not block:
                return
            data += block
        target = data.split(b" ", 2)[1].decode("latin-1").split("?")[0].lstrip("/")
        path = os.path.join(self.server.root, os.path.basename(target))
        try:
            f = open(path, "rb")
        except OSError:
            conn.sendall(b"HTTP/1.1 404 Not Found\r\nContent-Length: 0\r\nConnection: close\r\n\r\n")
            return
        with f:
            size = os.fstat(f.fileno()).st_size
            conn.sendall(b"HTTP/1.1 200 OK\r\nContent-Length: %d\r\nConnection: close\r\n\r\n" % size)
            conn.sendfile(f)
        conn.shutdown(socket.SHUT_WR)


class Server(socketserver.ThreadingTCPServer):
    daemon_threads = True
    allow_reuse_address = True
    request_queue_size = 128


def main():
    with Server(("127.0.0.1", 0), Handler) as server:
        server.root = sys.argv[1]
        print(server.server_address[1], flush=True)
        server.serve_forever()


if __name__ == "__main__":
    main()
