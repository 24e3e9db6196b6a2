#!/usr/bin/env python3
"""Runs a pyftpdlib server on 127.0.0.1 for the FTP client's tests and
benchmark: one user with a password and a root folder, a free control port
and a passive port range just above it. Prints "PORT <n>" once it listens.

--log FILE      appends "<session> <command>" for every command received
--read-limit N  throttles uploads to N bytes per second, with small socket
                buffers so that a slow server really holds the client back
"""
import argparse
import logging
import socket
import sys

from pyftpdlib.authorizers import DummyAuthorizer
from pyftpdlib.handlers import FTPHandler, PassiveDTP, ThrottledDTPHandler
from pyftpdlib.servers import FTPServer


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--root", required=True)
    parser.add_argument("--user", required=True)
    parser.add_argument("--password", required=True)
    parser.add_argument("--log")
    parser.add_argument("--read-limit", type=int, default=0)
    args = parser.parse_args()

    logging.basicConfig(level=logging.ERROR)
    authorizer = DummyAuthorizer()
    authorizer.add_user(args.user, args.password, args.root, perm="elradfmwMT")

    log = open(args.log, "a", buffering=1) if args.log else None
    sessions = {"next": 1}

    class SmallBufferPassiveDTP(PassiveDTP):
        def listen(self, num):
            self.socket.setsockopt(socket.SOL_SOCKET, socket.SO_RCVBUF, 4096)
            return super().listen(num)

    class Handler(FTPHandler):
        def on_connect(self):
            self.session_number = sessions["next"]
            sessions["next"] += 1

        def pre_process_command(self, line, cmd, arg):
            if log:
                log.write("%d %s\n" % (self.session_number, cmd))
            return super().pre_process_command(line, cmd, arg)

    Handler.authorizer = authorizer
    Handler.auth_failed_timeout = 0.1
    if args.read_limit:
        class Throttled(ThrottledDTPHandler):
            read_limit = args.read_limit
        Handler.dtp_handler = Throttled
        Handler.passive_dtp = SmallBufferPassiveDTP

    server = FTPServer(("127.0.0.1", 0), Handler)
    port = server.socket.getsockname()[1]
    first = port + 1 if port < 65000 else 60000
    Handler.passive_ports = range(first, first + 30)
    print("PORT %d" % port, flush=True)
    try:
        server.serve_forever(handle_exit=False)
    except KeyboardInterrupt:
        pass
    finally:
        server.close_all()


if __name__ == "__main__":
    sys.exit(main())
