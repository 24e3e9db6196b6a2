#!/usr/bin/env python3
"""Builds the installation data in data/ from the readable sources in data-src/.

  data-src/library/<category>/<title>.pb   UTF-8 sources of the default library
  data-src/msdn-links.txt                  the API-link catalogue, one function a line
  data-src/konfiguration.txt               key = value lines of the server configuration

Writes data/Einstellungen/, data/Codes/, data/MSDNLinks.ini and
data/Konfiguration.ini in the store's own format: Windows-1252 without a
byte-order mark, CR LF after every list line, lists in the order the program
itself sorts them, and no line end after the last line of a source file.
A code's link file names every API function the code calls (the names written
with the trailing underscore), in the order of their first call; a function
missing from the catalogue stops the build, so no code ships without links.

Usage: scripts/make-default-library.py [--check]
  --check   build into a temporary folder and fail when data/ differs from it
"""

import pathlib
import re
import shutil
import sys
import tempfile

ROOT = pathlib.Path(__file__).resolve().parent.parent
SRC = ROOT / "data-src"
DATA = ROOT / "data"

CRLF = b"\r\n"
LINK_BASE = "https://learn.microsoft.com/en-us/windows/win32/api/"
API_CALL = re.compile(r"\b([A-Za-z][A-Za-z0-9]*)_\(")
DEVICE_NAMES = {"CON", "PRN", "AUX", "NUL"} | {f"COM{i}" for i in range(1, 10)} | {
    f"LPT{i}" for i in range(1, 10)
}


class BuildError(Exception):
    pass


def encode(text, where):
    try:
        return text.encode("cp1252")
    except UnicodeEncodeError as e:
        raise BuildError(f"{where}: {text[e.start:e.end]!r} has no Windows-1252 byte") from None


def sort_key(line):
    # The program's own order: bytes compared unsigned, only A-Z folded.
    return bytes(b + 32 if 65 <= b <= 90 else b for b in line)


def list_bytes(lines):
    return b"".join(line + CRLF for line in lines)


def check_name(name, where, category=False):
    bad = set('/\\:*?"<>|')
    if not name or name in (".", ".."):
        raise BuildError(f"{where}: empty name")
    if any(c in bad or ord(c) < 32 for c in name):
        raise BuildError(f"{where}: {name!r} holds a character a file name cannot")
    if name[-1] in ". ":
        raise BuildError(f"{where}: {name!r} ends in a dot or blank")
    if name.split(".")[0].upper() in DEVICE_NAMES:
        raise BuildError(f"{where}: {name!r} is a device name")
    if category and name.lower() == "kategorien":
        raise BuildError(f"{where}: {name!r} would share the category list's file")


def read_catalogue():
    """Returns [(command, address)] in file order."""
    pairs = []
    seen = set()
    path = SRC / "msdn-links.txt"
    for number, raw in enumerate(path.read_text("utf-8").splitlines(), 1):
        line = raw.split("#", 1)[0].strip()
        if not line:
            continue
        fields = line.split()
        if len(fields) != 3:
            raise BuildError(f"{path}:{number}: want 'Command header Function'")
        command, header, function = fields
        if command in seen:
            raise BuildError(f"{path}:{number}: {command} listed twice")
        seen.add(command)
        if not re.fullmatch(r"[a-z0-9_]+", header):
            raise BuildError(f"{path}:{number}: odd header name {header!r}")
        page = function.lower()
        pairs.append((command, f"{LINK_BASE}{header}/nf-{header}-{page}"))
    return pairs


def source_bytes(path):
    text = path.read_text("utf-8")
    if text.startswith("\ufeff"):
        raise BuildError(f"{path}: starts with a byte-order mark")
    lines = [line.rstrip() for line in text.replace("\r\n", "\n").replace("\r", "\n").split("\n")]
    while lines and not lines[-1]:
        lines.pop()
    while lines and not lines[0]:
        lines.pop(0)
    if "\t" in text:
        raise BuildError(f"{path}: indent with blanks, not tabs")
    return encode("\r\n".join(lines), str(path)), "\n".join(lines)


def api_calls(source_text):
    calls = []
    for line in source_text.split("\n"):
        code = re.sub(r'"[^"]*"', '""', line)
        code = code.split(";", 1)[0]  # comments may mention functions without calling them
        for name in API_CALL.findall(code):
            if name not in calls:
                calls.append(name)
    return calls


def build(out):
    catalogue = read_catalogue()
    links = dict(catalogue)
    library = SRC / "library"
    categories = sorted((d for d in library.iterdir() if d.is_dir()), key=lambda d: d.name)
    if not categories:
        raise BuildError(f"{library}: no categories")

    settings = out / "Einstellungen"
    codes = out / "Codes"
    settings.mkdir(parents=True)
    codes.mkdir(parents=True)

    category_names = []
    for cat_dir in categories:
        name = cat_dir.name
        check_name(name, str(cat_dir), category=True)
        cat = encode(name, str(cat_dir))
        category_names.append(cat)
        titles = []
        (codes / name).mkdir()
        (settings / name).mkdir()
        sources = sorted(cat_dir.glob("*.pb"))
        if not sources:
            raise BuildError(f"{cat_dir}: no codes")
        for src in sources:
            title = src.name[:-3]
            check_name(title, str(src))
            titles.append(encode(title, str(src)))
            data, text = source_bytes(src)
            (codes / name / src.name).write_bytes(data)
            pairs = []
            for call in api_calls(text):
                if call not in links:
                    raise BuildError(f"{src}: {call}_() is not in msdn-links.txt")
                pairs += [encode(call, str(src)), encode(links[call], str(src))]
            if not pairs:
                raise BuildError(f"{src}: calls no API function")
            (settings / name / (title + ".ini")).write_bytes(list_bytes(pairs))
        (settings / (name + ".ini")).write_bytes(list_bytes(sorted(titles, key=sort_key)))
    (settings / "Kategorien.ini").write_bytes(list_bytes(sorted(category_names, key=sort_key)))

    catalogue_lines = []
    for command, address in catalogue:
        catalogue_lines += [encode(command, "msdn-links.txt"), encode(address, "msdn-links.txt")]
    (out / "MSDNLinks.ini").write_bytes(list_bytes(catalogue_lines))

    config = []
    for raw in (SRC / "konfiguration.txt").read_text("utf-8").splitlines():
        line = raw.strip()
        if not line:
            continue
        if line.startswith("[") or line.startswith(";"):
            config.append(encode(line, "konfiguration.txt"))
            continue
        key, sep, value = line.partition("=")
        if not sep:
            raise BuildError(f"konfiguration.txt: {line!r} has no '='")
        config.append(encode(f"{key.strip()} = {value.strip()}", "konfiguration.txt"))
    (out / "Konfiguration.ini").write_bytes(list_bytes(config))
    return len(category_names), sum(1 for _ in codes.rglob("*.pb")), len(catalogue)


GENERATED = ["Einstellungen", "Codes", "MSDNLinks.ini", "Konfiguration.ini"]


def same_tree(a, b):
    fa = {p.relative_to(a): p for p in a.rglob("*")}
    fb = {p.relative_to(b): p for p in b.rglob("*")}
    if fa.keys() != fb.keys():
        return False
    return all(p.is_dir() or p.read_bytes() == fb[r].read_bytes() for r, p in fa.items())


def main():
    check = "--check" in sys.argv[1:]
    with tempfile.TemporaryDirectory() as tmp:
        tmp = pathlib.Path(tmp)
        try:
            counts = build(tmp)
        except BuildError as e:
            print(f"make-default-library: {e}", file=sys.stderr)
            return 1
        if check:
            for name in GENERATED:
                mine, theirs = tmp / name, DATA / name
                if mine.is_dir():
                    equal = theirs.is_dir() and same_tree(mine, theirs)
                else:
                    equal = theirs.is_file() and mine.read_bytes() == theirs.read_bytes()
                if not equal:
                    print(f"make-default-library: data/{name} is out of date", file=sys.stderr)
                    return 1
            return 0
        DATA.mkdir(exist_ok=True)
        for name in GENERATED:
            target = DATA / name
            if target.is_dir():
                shutil.rmtree(target)
            elif target.exists():
                target.unlink()
            shutil.move(str(tmp / name), str(target))
    print("make-default-library: %d categories, %d codes, %d catalogue entries" % counts)
    return 0


if __name__ == "__main__":
    sys.exit(main())
