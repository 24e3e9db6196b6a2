#!/usr/bin/env python3
"""Writes a library of N codes in C categories in the store's own format
(Windows-1252 text, CR LF lists kept sorted) for the benchmarks.

    bench/make_library.py OUT [--codes N] [--categories C] [--size BYTES]
                              [--word WORD] [--share FRACTION] [--seed S]

About FRACTION of the source files (1 % by default) contain WORD in one of
their lines; no file name and no other line does.
"""
import argparse
import os
import random

API = ["SendMessage_", "PostMessage_", "CreateWindowEx_", "GetWindowLong_", "SetWindowPos_",
       "MessageBox_", "CreateFile_", "ReadFile_", "WriteFile_", "CloseHandle_",
       "RegOpenKeyEx_", "RegQueryValueEx_", "GetModuleHandle_", "LoadLibrary_",
       "GetProcAddress_", "VirtualAlloc_", "GetSystemMetrics_", "ShellExecute_",
       "FindWindow_", "EnumWindows_", "GetDC_", "ReleaseDC_", "BitBlt_", "SelectObject_"]
CONSTANTS = ["#WM_SETTEXT", "#WM_GETTEXT", "#WS_OVERLAPPEDWINDOW", "#SW_SHOW", "#MB_OK",
             "#GENERIC_READ", "#OPEN_EXISTING", "#HKEY_CURRENT_USER", "#SM_CXSCREEN",
             "#SRCCOPY", "#GWL_STYLE", "#HWND_TOPMOST", "#SWP_NOSIZE"]
WORDS = ["Fenster", "Dateien", "Registry", "Grafik", "Netzwerk", "Prozesse", "Speicher",
         "Dialoge", "Steuerelemente", "System", "Drucker", "Zwischenablage", "Shell",
         "Konsole", "Threads", "Zeit", "Klang", "Men\u00fcs", "Schriften", "\u00dcbersicht"]
NOUNS = ["Beispiel", "Abfrage", "Aufruf", "Liste", "Test", "Anzeige", "Pr\u00fcfung", "Wert"]
COMMENTS = ["; Ermittelt den Wert und gibt ihn aus",
            "; Fehlerbehandlung: bei 0 ist etwas schiefgegangen",
            "; Gr\u00f6\u00dfe des Puffers in Bytes",
            "; \u00dcbergibt das Handle an die n\u00e4chste Prozedur",
            "; Hinweis: funktioniert ab Windows 2000"]


def source(rng, size, word):
    lines = ["; " + "-" * 60, "; Autor: Beispiel  Datum: 2005", "; " + "-" * 60,
             "EnableExplicit", ""]
    n = 0
    while sum(len(x) + 2 for x in lines) < size:
        n += 1
        api = rng.choice(API)
        lines += [f"Procedure.l Hilfe{n}(hWnd.l, Wert.l)",
                  f"  Protected Ergebnis.l = {api}(hWnd, {rng.choice(CONSTANTS)}, Wert, 0)",
                  "  " + rng.choice(COMMENTS),
                  "  If Ergebnis = 0",
                  f"    Debug \"{api} lieferte \" + Str(Ergebnis)",
                  "  EndIf",
                  "  ProcedureReturn Ergebnis",
                  "EndProcedure", ""]
    if word:
        lines.insert(rng.randrange(5, len(lines)), f"  ; siehe auch {word} im Handbuch")
    return "\r\n".join(lines)


def fold(name):
    return [ord(c.lower()) if "A" <= c <= "Z" else ord(c) for c in name]


def sorted_list(names):
    return sorted(names, key=lambda n: fold(n.encode("cp1252").decode("latin-1")))


def write(path, text):
    with open(path, "wb") as f:
        f.write(text.encode("cp1252"))


def main():
    p = argparse.ArgumentParser()
    p.add_argument("out")
    p.add_argument("--codes", type=int, default=10000)
    p.add_argument("--categories", type=int, default=100)
    p.add_argument("--size", type=int, default=5000)
    p.add_argument("--word", default="quokkabrief")
    p.add_argument("--share", type=float, default=0.01)
    p.add_argument("--seed", type=int, default=1)
    a = p.parse_args()
    rng = random.Random(a.seed)
    codes_dir = os.path.join(a.out, "Codes")
    settings_dir = os.path.join(a.out, "Einstellungen")
    os.makedirs(codes_dir, exist_ok=True)
    os.makedirs(settings_dir, exist_ok=True)
    categories = [f"{WORDS[i % len(WORDS)]} {i // len(WORDS) + 1:02d}"
                  for i in range(a.categories)]
    with_word = set(rng.sample(range(a.codes), round(a.codes * a.share)))
    per_category = {c: [] for c in categories}
    for i in range(a.codes):
        category = categories[i % len(categories)]
        title = f"{rng.choice(API).rstrip('_')} {rng.choice(NOUNS)} {i:05d}"
        per_category[category].append(title)
        os.makedirs(os.path.join(codes_dir, category), exist_ok=True)
        os.makedirs(os.path.join(settings_dir, category), exist_ok=True)
        write(os.path.join(codes_dir, category, title + ".pb"),
              source(rng, a.size, a.word if i in with_word else ""))
        api = rng.choice(API).rstrip("_")
        write(os.path.join(settings_dir, category, title + ".ini"),
              f"{api}\r\nhttps://docs.example.org/api/{api.lower()}\r\n")
    for category, titles in per_category.items():
        write(os.path.join(settings_dir, category + ".ini"),
              "".join(t + "\r\n" for t in sorted_list(titles)))
    write(os.path.join(settings_dir, "Kategorien.ini"),
          "".join(c + "\r\n" for c in sorted_list(categories)))
    print(len(with_word))


if __name__ == "__main__":
    main()
