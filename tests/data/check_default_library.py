#!/usr/bin/env python3
"""Checks the installation data shipped in data/ as the program will read it.

  check_default_library.py DATA_DIR          report every problem, exit 1 if any
  check_default_library.py --self-test DATA_DIR
        copy DATA_DIR, break the copy in several typical ways and make sure
        each breakage is reported (so a lenient checker cannot pass silently)
"""

import pathlib
import re
import shutil
import struct
import sys
import tempfile

REQUIRED_ICONS = [
    "Code_entfernen.ico", "Code_hinzufuegen.ico", "Kategorie_entfernen.ico",
    "Kategorie_erstellen.ico", "WinAPI-Code_online_einreichen.ico", "Aktualisierung.ico",
    "Alles_entfernen.ico", "Aufklappen.ico", "Bausteine_hinzufuegen.ico", "Informationen.ico",
    "Zuklappen.ico", "MSDN_Links.ico", "Suchen.ico",
]
ICON_SIZES = {16, 24, 32, 48}
LINK = re.compile(r"https://learn\.microsoft\.com/en-us/windows/win32/api/([a-z0-9_]+)/nf-\1-([a-z0-9_]+)")
API_CALL = re.compile(r"\b([A-Za-z][A-Za-z0-9]*)_\(")
DEVICE_NAMES = {"CON", "PRN", "AUX", "NUL"} | {f"COM{i}" for i in range(1, 10)} | {
    f"LPT{i}" for i in range(1, 10)
}


def fold(line):
    return bytes(b + 32 if 65 <= b <= 90 else b for b in line)


def program_sorted(lines):
    return sorted(lines, key=fold)


class Checker:
    def __init__(self, root):
        self.root = pathlib.Path(root)
        self.problems = []
        self.expected = set()

    def fail(self, where, text):
        self.problems.append(f"{where}: {text}")

    def rel(self, path):
        return path.relative_to(self.root).as_posix()

    def decode(self, path, data):
        try:
            return data.decode("cp1252")
        except UnicodeDecodeError as e:
            self.fail(self.rel(path), f"byte {data[e.start]:#04x} at {e.start} is not Windows-1252")
            return None

    def read_list(self, path, allow_empty=False):
        """Lines of a list file written the way the program writes them."""
        self.expected.add(path)
        if not path.is_file():
            self.fail(self.rel(path), "missing")
            return []
        data = path.read_bytes()
        where = self.rel(path)
        if data.startswith(b"\xef\xbb\xbf"):
            self.fail(where, "starts with a byte-order mark")
        if not data:
            if not allow_empty:
                self.fail(where, "empty")
            return []
        if not data.endswith(b"\r\n"):
            self.fail(where, "last line does not end with CR LF")
        body = data[:-2] if data.endswith(b"\r\n") else data
        lines = body.split(b"\r\n")
        if any(b"\r" in line or b"\n" in line for line in lines):
            self.fail(where, "a line ends with a bare CR or LF")
        self.decode(path, data)
        return lines

    def check_name(self, where, raw, category=False):
        name = raw.decode("cp1252", "replace")
        bad = set('/\\:*?"<>|')
        if not name or name in (".", ".."):
            self.fail(where, "empty name")
        elif any(c in bad or ord(c) < 32 for c in name):
            self.fail(where, f"{name!r} cannot be a file name")
        elif name[-1] in ". ":
            self.fail(where, f"{name!r} ends in a dot or blank")
        elif name.split(".")[0].upper() in DEVICE_NAMES:
            self.fail(where, f"{name!r} is a device name")
        elif category and name.lower() == "kategorien":
            self.fail(where, f"{name!r} would share the category list's file")
        return name

    def check_sorted(self, where, lines):
        if lines != program_sorted(lines):
            self.fail(where, "lines are not in the program's sort order")

    def check_catalogue(self):
        path = self.root / "MSDNLinks.ini"
        lines = self.read_list(path)
        where = self.rel(path)
        if len(lines) % 2:
            self.fail(where, "odd number of lines")
        catalogue = {}
        for i in range(0, len(lines) - 1, 2):
            command = lines[i].decode("cp1252", "replace")
            address = lines[i + 1].decode("cp1252", "replace")
            m = LINK.fullmatch(address)
            if not re.fullmatch(r"[A-Za-z_][A-Za-z0-9_]*", command):
                self.fail(where, f"line {i + 1}: odd command {command!r}")
            if not m:
                self.fail(where, f"line {i + 2}: {address!r} is not a reference page address")
            elif m.group(2) not in (command.lower(), command.lower() + "w"):
                self.fail(where, f"line {i + 2}: {command} points at the page of {m.group(2)}")
            if command in catalogue:
                self.fail(where, f"{command} listed twice")
            catalogue[command] = address
        if len(catalogue) < 300:
            self.fail(where, f"only {len(catalogue)} commands, want at least 300")
        return catalogue

    def check_code(self, category, title, catalogue):
        source = self.root / "Codes" / category / (title + ".pb")
        links = self.root / "Einstellungen" / category / (title + ".ini")
        where = self.rel(source)
        self.expected.add(source)
        if not source.is_file():
            self.fail(where, "missing")
            text = ""
        else:
            data = source.read_bytes()
            if data.startswith(b"\xef\xbb\xbf"):
                self.fail(where, "starts with a byte-order mark")
            if data.endswith(b"\n") or data.endswith(b"\r"):
                self.fail(where, "a line end follows the last line")
            if re.search(rb"\r(?!\n)|(?<!\r)\n", data):
                self.fail(where, "a line ends with a bare CR or LF")
            text = self.decode(source, data) or ""
            lines = text.split("\r\n")
            if not 15 <= len(lines) <= 80:
                self.fail(where, f"{len(lines)} lines, want 15 to 80")
            if "EnableExplicit" not in lines:
                self.fail(where, "does not use EnableExplicit")
            if not lines[0].startswith(";"):
                self.fail(where, "does not open with a comment header")
        pairs = self.read_list(links)
        lwhere = self.rel(links)
        if len(pairs) % 2:
            self.fail(lwhere, "odd number of lines")
        commands = []
        for i in range(0, len(pairs) - 1, 2):
            command = pairs[i].decode("cp1252", "replace")
            address = pairs[i + 1].decode("cp1252", "replace")
            commands.append(command)
            if not address.startswith("https://"):
                self.fail(lwhere, f"{command}: {address!r} is not an https address")
            elif catalogue.get(command) != address:
                self.fail(lwhere, f"{command}: address differs from MSDNLinks.ini")
        for line in text.split("\r\n"):
            code = re.sub(r'"[^"]*"', '""', line).split(";", 1)[0]
            for call in API_CALL.findall(code):
                if call not in commands:
                    self.fail(lwhere, f"{call}_() is called but has no link")
        return commands

    def check_library(self, catalogue):
        settings = self.root / "Einstellungen"
        codes = self.root / "Codes"
        categories = self.read_list(settings / "Kategorien.ini")
        self.check_sorted("Einstellungen/Kategorien.ini", categories)
        if len(set(categories)) != len(categories):
            self.fail("Einstellungen/Kategorien.ini", "a category is listed twice")
        total = 0
        for raw in categories:
            name = self.check_name("Einstellungen/Kategorien.ini", raw, category=True)
            for folder in (codes / name, settings / name):
                self.expected.add(folder)
                if not folder.is_dir():
                    self.fail(self.rel(folder), "missing directory")
            titles = self.read_list(settings / (name + ".ini"))
            self.check_sorted(f"Einstellungen/{name}.ini", titles)
            if len(set(titles)) != len(titles):
                self.fail(f"Einstellungen/{name}.ini", "a title is listed twice")
            for raw_title in titles:
                title = self.check_name(f"Einstellungen/{name}.ini", raw_title)
                self.check_code(name, title, catalogue)
                total += 1
        for top in (codes, settings):
            self.expected.add(top)
            for path in top.rglob("*"):
                if path not in self.expected:
                    self.fail(self.rel(path), "not part of any listed category or code")
        if len(categories) < 8:
            self.fail("Einstellungen/Kategorien.ini", f"{len(categories)} categories, want at least 8")
        if total < 40:
            self.fail("Einstellungen", f"{total} codes, want at least 40")

    def check_configuration(self):
        path = self.root / "Konfiguration.ini"
        lines = [line.decode("cp1252", "replace") for line in self.read_list(path)]
        where = self.rel(path)
        if not lines or lines[0] != "[Konfiguration]":
            self.fail(where, "does not start with the group [Konfiguration]")
        values = {}
        for line in lines[1:]:
            key, sep, value = line.partition(" = ")
            if not sep or not key or not value.strip():
                self.fail(where, f"{line!r} is not 'key = value'")
            values[key] = value
        for key in ("Software", "Server", "Verzeichnis"):
            if not values.get(key, "").strip():
                self.fail(where, f"{key} missing or empty")
        server = values.get("Server", "")
        if "://" not in server or server.endswith("/"):
            self.fail(where, f"Server {server!r} needs a scheme and no trailing '/'")

    def check_images(self):
        images = self.root / "Grafiken"
        for name in REQUIRED_ICONS:
            path = images / name
            if not path.is_file():
                self.fail(f"Grafiken/{name}", "missing")
                continue
            data = path.read_bytes()
            if len(data) < 6 or struct.unpack_from("<HHH", data) [:2] != (0, 1):
                self.fail(f"Grafiken/{name}", "not an icon file")
                continue
            count = struct.unpack_from("<H", data, 4)[0]
            sizes = set()
            for i in range(count):
                offset = 6 + 16 * i
                if offset + 16 > len(data):
                    self.fail(f"Grafiken/{name}", "directory runs past the end")
                    break
                w, h = data[offset], data[offset + 1]
                length, start = struct.unpack_from("<II", data, offset + 8)
                if start + length > len(data):
                    self.fail(f"Grafiken/{name}", f"image {i} runs past the end")
                if w == h:
                    sizes.add(w or 256)
            if not ICON_SIZES <= sizes:
                self.fail(f"Grafiken/{name}", f"has sizes {sorted(sizes)}, wants {sorted(ICON_SIZES)}")
        banner = images / "Banner.png"
        if not banner.is_file():
            self.fail("Grafiken/Banner.png", "missing")
            return
        data = banner.read_bytes()
        if data[:8] != b"\x89PNG\r\n\x1a\n" or data[12:16] != b"IHDR":
            self.fail("Grafiken/Banner.png", "not a PNG file")
            return
        width, height = struct.unpack_from(">II", data, 16)
        if width != 500 or not 50 <= height <= 55:
            self.fail("Grafiken/Banner.png", f"{width} x {height}, want 500 x 50..55")

    def run(self):
        if program_sorted([b"beta", b"Alpha", b"alpha"]) != [b"Alpha", b"alpha", b"beta"] or \
           program_sorted([b"zeta", "Äpfel".encode("cp1252")]) != [b"zeta", "Äpfel".encode("cp1252")] or \
           program_sorted([b"aa", b"a_b", b"a"]) != [b"a", b"a_b", b"aa"]:
            self.fail("checker", "sort order does not follow the store's rule")
        catalogue = self.check_catalogue()
        self.check_library(catalogue)
        self.check_configuration()
        self.check_images()
        return self.problems


def check(root):
    return Checker(root).run()


def first_file(root, pattern):
    return sorted(pathlib.Path(root).glob(pattern))[0]


def self_test(root):
    """Every breakage below must be reported; the untouched copy must pass."""

    def lf_only(d):
        p = d / "Einstellungen" / "Kategorien.ini"
        p.write_bytes(p.read_bytes().replace(b"\r\n", b"\n"))

    def unsorted(d):
        p = d / "Einstellungen" / "Kategorien.ini"
        lines = p.read_bytes().split(b"\r\n")[:-1]
        p.write_bytes(b"\r\n".join(reversed(lines)) + b"\r\n")

    def final_newline(d):
        p = first_file(d, "Codes/*/*.pb")
        p.write_bytes(p.read_bytes() + b"\r\n")

    def orphan(d):
        (first_file(d, "Codes/*/*.pb").parent / "Verwaist.pb").write_bytes(b"; x")

    def utf8_title(d):
        p = first_file(d, "Einstellungen/*/*.ini")
        p.write_bytes(p.read_bytes() + "Größe\r\n".encode("utf-8"))

    def odd_links(d):
        p = first_file(d, "Einstellungen/*/*.ini")
        p.write_bytes(p.read_bytes() + b"MessageBox\r\n")

    def missing_source(d):
        first_file(d, "Codes/*/*.pb").unlink()

    def small_catalogue(d):
        p = d / "MSDNLinks.ini"
        p.write_bytes(b"\r\n".join(p.read_bytes().split(b"\r\n")[:40]) + b"\r\n")

    def wrong_page(d):
        p = d / "MSDNLinks.ini"
        p.write_bytes(p.read_bytes().replace(b"nf-winuser-messageboxw", b"nf-winuser-messagebeep", 1))

    def empty_server(d):
        p = d / "Konfiguration.ini"
        p.write_bytes(re.sub(rb"Server = [^\r]*", b"Server = ", p.read_bytes()))

    def small_banner(d):
        p = d / "Grafiken" / "Banner.png"
        data = bytearray(p.read_bytes())
        data[16:24] = struct.pack(">II", 200, 50)
        p.write_bytes(bytes(data))

    breakages = [lf_only, unsorted, final_newline, orphan, utf8_title, odd_links,
                 missing_source, small_catalogue, wrong_page, empty_server, small_banner]
    failures = []
    with tempfile.TemporaryDirectory() as tmp:
        base = pathlib.Path(tmp) / "pristine"
        shutil.copytree(root, base)
        if check(base):
            failures.append("the untouched copy does not pass")
        for breakage in breakages:
            copy = pathlib.Path(tmp) / breakage.__name__
            shutil.copytree(base, copy)
            breakage(copy)
            if not check(copy):
                failures.append(f"{breakage.__name__} went unnoticed")
    return failures


def main(argv):
    if len(argv) == 3 and argv[1] == "--self-test":
        failures = self_test(argv[2])
        for f in failures:
            print(f"self-test: {f}")
        return 1 if failures else 0
    if len(argv) != 2:
        print(__doc__, file=sys.stderr)
        return 2
    problems = check(argv[1])
    for p in problems:
        print(p)
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
