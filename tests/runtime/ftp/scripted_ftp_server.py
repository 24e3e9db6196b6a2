#!/usr/bin/env python3
"""A scripted FTP server on 127.0.0.1 for the replies a real server will not
give. Serves one connection after another with the behaviour of one scenario
and prints "PORT <n>" once it listens.

The log file gets one line per event:
  CMD <line>            a command as received
  DATA-FROM <address>   the peer of an accepted data connection
  DATA-CLOSED <count>   the data connection ended after <count> bytes
Uploaded bytes go to the data file.

Scenarios that stop answering at one point of a session, for cancels:
  full-backlog      never accepts, and its queue of pending connections is
                    full, so a connect gets no answer at all
  silent-greeting   no greeting
  silent-at-pass    no reply to PASS
  silent-after-login no reply after the login
  stall-data        accepts the data connection and never reads from it
  no-closing-reply  takes every byte, never sends the closing reply
"""
import argparse
import socket
import sys
import time

SCENARIOS = {
    "plain", "multiline-greeting", "greeting-without-codes", "split-replies",
    "user-230", "pasv-bare", "pasv-trailing", "pasv-multiline", "pasv-short",
    "pasv-other-host", "stor-550", "closing-451", "silent-greeting",
    "silent-after-login", "slow-pasv", "full-backlog", "silent-at-pass",
    "stall-data", "no-closing-reply",
}


class Session:
    def __init__(self, conn, scenario, log, data_path):
        self.conn = conn
        self.scenario = scenario
        self.log = log
        self.data_path = data_path
        self.listener = None
        self.pending = b""
        self.logged_in = False

    def send(self, text):
        data = text.encode("latin-1")
        if self.scenario == "split-replies":
            # Pieces of three bytes, so that codes, lines and line ends are
            # cut everywhere, with pauses to make each its own receive.
            for i in range(0, len(data), 3):
                self.conn.sendall(data[i:i + 3])
                time.sleep(0.01)
        else:
            self.conn.sendall(data)

    def reply(self, text):
        if self.scenario == "silent-after-login" and self.logged_in:
            return
        self.send(text)

    def stall(self):
        """Holds the session, as a server that has stopped answering does,
        until the test ends the process."""
        time.sleep(3600)

    def read_line(self):
        while b"\n" not in self.pending:
            chunk = self.conn.recv(4096)
            if not chunk:
                return None
            self.pending += chunk
        line, self.pending = self.pending.split(b"\n", 1)
        return line.rstrip(b"\r").decode("latin-1")

    def greeting(self):
        if self.scenario == "silent-greeting":
            return
        if self.scenario == "multiline-greeting":
            self.send("220-Welcome\r\n220-to the test server\r\n220 ready\r\n")
        elif self.scenario == "greeting-without-codes":
            self.send("220-Welcome\r\nno code on this line\r\n   331 indented\r\n"
                      "220-still going\r\n220 ready\r\n")
        else:
            self.send("220 ready\r\n")

    def passive(self):
        if self.listener:
            self.listener.close()
        self.listener = socket.socket(socket.AF_INET, socket.SOCK_STREAM)
        if self.scenario == "stall-data":
            # A small window that fills at once, as nothing is ever read.
            self.listener.setsockopt(socket.SOL_SOCKET, socket.SO_RCVBUF, 4096)
        self.listener.bind(("127.0.0.1", 0))
        self.listener.listen(1)
        self.listener.settimeout(5)
        port = self.listener.getsockname()[1]
        p1, p2 = port // 256, port % 256
        if self.scenario == "slow-pasv":
            time.sleep(1.0)
        shapes = {
            "pasv-bare": "227 Entering Passive Mode 127,0,0,1,%d,%d\r\n",
            "pasv-trailing": "227 =127,0,0,1,%d,%d and then 99 more 12\r\n",
            "pasv-multiline": "227-Entering Passive Mode\r\n"
                              "227 (127,0,0,1,%d,%d)\r\n",
            "pasv-short": "227 Entering Passive Mode (127,0,0,%d,%d)\r\n",
            "pasv-other-host": "227 Entering Passive Mode (127,0,0,2,%d,%d)\r\n",
        }
        shape = shapes.get(self.scenario, "227 Entering Passive Mode (127,0,0,1,%d,%d)\r\n")
        self.reply(shape % (p1, p2))

    def receive_data(self):
        """Accepts the data connection and reads it to its end."""
        if not self.listener:
            return None
        try:
            data_conn, peer = self.listener.accept()
        except OSError:
            return None
        finally:
            self.listener.close()
            self.listener = None
        self.log.write("DATA-FROM %s\n" % peer[0])
        if self.scenario == "stall-data":
            self.stall()
        received = bytearray()
        data_conn.settimeout(20)
        try:
            while True:
                chunk = data_conn.recv(65536)
                if not chunk:
                    break
                received += chunk
        except OSError:
            pass
        data_conn.close()
        self.log.write("DATA-CLOSED %d\n" % len(received))
        return bytes(received)

    def store(self):
        if self.scenario == "stor-550":
            self.reply("550 not allowed here\r\n")
            self.receive_data()
            return
        self.reply("150 go ahead\r\n")
        data = self.receive_data()
        if data is None:
            self.reply("425 no data connection\r\n")
            return
        with open(self.data_path, "wb") as out:
            out.write(data)
        if self.scenario == "closing-451":
            self.reply("451 local error in processing\r\n")
        elif self.scenario == "no-closing-reply":
            pass
        else:
            self.reply("226 transfer complete\r\n")

    def run(self):
        self.greeting()
        while True:
            line = self.read_line()
            if line is None:
                return
            self.log.write("CMD %s\n" % line)
            verb = line.split(" ", 1)[0].upper()
            if verb == "USER":
                self.reply("230 no password needed\r\n" if self.scenario == "user-230"
                           else "331 password required\r\n")
            elif verb == "PASS":
                if self.scenario == "silent-at-pass":
                    self.stall()
                self.reply("230 logged in\r\n")
                self.logged_in = True
            elif verb == "TYPE":
                self.reply("200 type set\r\n")
            elif verb == "PASV":
                self.passive()
            elif verb == "STOR":
                self.store()
            elif verb == "ABOR":
                self.reply("225 no transfer to abort\r\n")
            elif verb == "DELE":
                # Only logged: the tests read what arrived from the data file.
                self.reply("250 deleted\r\n")
            elif verb == "QUIT":
                self.reply("221 bye\r\n")
                return
            else:
                self.reply("502 not implemented\r\n")


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--scenario", required=True, choices=sorted(SCENARIOS))
    parser.add_argument("--log", required=True)
    parser.add_argument("--data", required=True)
    args = parser.parse_args()
    log = open(args.log, "a", buffering=1)
    server = socket.socket(socket.AF_INET, socket.SOCK_STREAM)
    server.setsockopt(socket.SOL_SOCKET, socket.SO_REUSEADDR, 1)
    server.bind(("127.0.0.1", 0))
    if args.scenario == "full-backlog":
        # The system drops the handshake of a connect to a listener whose
        # queue is full; two connects of its own that nobody accepts fill it.
        server.listen(0)
        fillers = []
        for _ in range(2):
            filler = socket.socket(socket.AF_INET, socket.SOCK_STREAM)
            filler.setblocking(False)
            filler.connect_ex(server.getsockname())
            fillers.append(filler)
        time.sleep(0.2)
        print("PORT %d" % server.getsockname()[1], flush=True)
        time.sleep(3600)
        return 0
    server.listen(4)
    print("PORT %d" % server.getsockname()[1], flush=True)
    while True:
        conn, _ = server.accept()
        try:
            Session(conn, args.scenario, log, args.data).run()
        except OSError:
            pass
        finally:
            conn.close()


if __name__ == "__main__":
    sys.exit(main())
