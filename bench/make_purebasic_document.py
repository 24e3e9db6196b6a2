#!/usr/bin/env python3
"""Writes a realistic PureBasic source document of about the given size.

The document is a sequence of the kinds of code the library holds: API calls
with constants and structures, window event loops, procedures with pointers,
Select blocks, string handling, data sections, comments and a little inline
assembly. The output is the same for the same seed and size.

usage: make_purebasic_document.py [--size BYTES] [--seed N] [--lf] [OUTPUT]
"""
import argparse
import random
import sys

API = ["SendMessage_", "GetWindowLongPtr_", "SetWindowLongPtr_", "CreateFile_", "ReadFile_",
       "CloseHandle_", "GetModuleHandle_", "LoadLibrary_", "GetProcAddress_", "MessageBox_",
       "GetSystemMetrics_", "RegOpenKeyEx_", "RegQueryValueEx_", "RegCloseKey_", "InvalidateRect_",
       "GetClientRect_", "SetTimer_", "KillTimer_", "PostMessage_", "CallWindowProc_"]
FUNCTIONS = ["OpenWindow", "ButtonGadget", "StringGadget", "ListIconGadget", "AddGadgetItem",
             "SetGadgetText", "GetGadgetText", "MessageRequester", "ReadFile", "ReadString",
             "CloseFile", "Str", "Val", "Left", "Mid", "Len", "FindString", "ReplaceString",
             "AllocateMemory", "FreeMemory", "PeekS", "PokeL", "CreateImage", "StartDrawing",
             "StopDrawing", "Box", "DrawText", "RGB", "AddElement", "ListSize", "ElapsedMilliseconds"]
CONSTANTS = ["#WM_USER", "#WM_COMMAND", "#WM_PAINT", "#GWL_STYLE", "#WS_VISIBLE", "#MB_OK",
             "#PB_Any", "#PB_Window_SystemMenu", "#PB_Window_ScreenCentered", "#PB_Event_Gadget",
             "#PB_Event_CloseWindow", "#PB_ListIcon_FullRowSelect", "#INVALID_HANDLE_VALUE",
             "#HKEY_CURRENT_USER", "#KEY_READ", "#ES_NUMBER", "#LB_ADDSTRING", "#SW_SHOW"]
STRUCTURES = ["RECT", "POINT", "PAINTSTRUCT", "WNDCLASSEX", "MSG", "SYSTEMTIME", "FILETIME",
              "OSVERSIONINFO", "LVITEM", "TCITEM"]
TYPES = ["i", "l", "w", "b", "q", "s", "f", "d"]
WORDS = ["window", "handle", "buffer", "count", "result", "index", "item", "text", "value",
         "size", "flags", "style", "width", "height", "offset", "length", "key", "name", "line"]
COMMENTS = ["Holt den Text aus dem Eingabefeld", "Fenster in der Mitte des Bildschirms",
            "the handle stays valid until CloseHandle", "Ergebnis prüfen",
            "subclass the gadget to filter the keys", "TODO: Fehlerbehandlung",
            "Größe in Bytes, ohne abschließende Null", "works on Windows XP and later"]


class Writer:
    def __init__(self, rng):
        self.rng = rng
        self.lines = []
        self.serial = 0

    def name(self):
        self.serial += 1
        return self.rng.choice(WORDS) + self.rng.choice(["", "", "s", "_" + str(self.serial % 97)])

    def expr(self):
        r = self.rng.random()
        if r < 0.25:
            return str(self.rng.randint(0, 5000))
        if r < 0.4:
            return "$%X" % self.rng.randint(0, 0xFFFFFF)
        if r < 0.55:
            return self.rng.choice(CONSTANTS)
        if r < 0.7:
            return "%s + %d" % (self.name(), self.rng.randint(1, 64))
        if r < 0.8:
            return "*%s\\%s" % (self.name(), self.rng.choice(["left", "top", "right", "x", "y"]))
        if r < 0.9:
            return "%.3f" % (self.rng.random() * 100)
        return "%s(%s)" % (self.rng.choice(FUNCTIONS), self.name())

    def add(self, indent, text):
        self.lines.append("  " * indent + text)

    def comment(self, indent):
        self.add(indent, "; " + self.rng.choice(COMMENTS))

    def api_call(self, indent):
        args = ", ".join(self.expr() for _ in range(self.rng.randint(1, 4)))
        call = "%s(%s)" % (self.rng.choice(API), args)
        if self.rng.random() < 0.5:
            call = "%s = %s" % (self.name(), call)
        if self.rng.random() < 0.3:
            call += " ; " + self.rng.choice(COMMENTS)
        self.add(indent, call)

    def procedure(self):
        name = "Proc" + str(self.serial)
        self.serial += 1
        params = ", ".join(
            ("*%s.%s" % (self.name(), self.rng.choice(STRUCTURES))) if self.rng.random() < 0.3
            else ("%s.%s" % (self.name(), self.rng.choice(TYPES)))
            for _ in range(self.rng.randint(0, 4)))
        self.comment(0)
        self.add(0, "Procedure.%s %s(%s)" % (self.rng.choice(TYPES), name, params))
        self.add(1, "Protected %s.%s, %s.%s = %s" % (self.name(), self.rng.choice(STRUCTURES),
                                                     self.name(), self.rng.choice(TYPES), self.expr()))
        for _ in range(self.rng.randint(2, 6)):
            self.statement(1)
        self.add(1, "ProcedureReturn " + self.expr())
        self.add(0, "EndProcedure")
        self.add(0, "")

    def statement(self, indent):
        r = self.rng.random()
        if r < 0.3:
            self.api_call(indent)
        elif r < 0.45:
            self.add(indent, "If %s <> %s And %s" % (self.name(), self.expr(), self.name()))
            self.api_call(indent + 1)
            self.add(indent, "Else")
            self.add(indent + 1, "%s$ = ~\"Fehler:\\t\" + Str(%s) + \" (\" + %s + \")\""
                     % (self.name(), self.expr(), self.name()))
            self.add(indent, "EndIf")
        elif r < 0.55:
            var = self.name()
            self.add(indent, "For %s = 0 To %s - 1 Step 1" % (var, self.expr()))
            self.add(indent + 1, "PokeL(*%s + %s * 4, %s)" % (self.name(), var, self.expr()))
            self.add(indent, "Next")
        elif r < 0.65:
            self.add(indent, "Select %s" % self.name())
            for _ in range(self.rng.randint(1, 3)):
                self.add(indent + 1, "Case %s" % self.rng.choice(CONSTANTS))
                self.api_call(indent + 2)
            self.add(indent + 1, "Default")
            self.add(indent + 2, "Debug \"unbekannt: \" + Hex(%s)" % self.expr())
            self.add(indent, "EndSelect")
        elif r < 0.75:
            self.add(indent, "%s = %s(%s, \"%s\", %s)" % (self.name(), self.rng.choice(FUNCTIONS),
                                                         self.expr(), self.rng.choice(COMMENTS), self.expr()))
        elif r < 0.85:
            self.comment(indent)
        elif r < 0.92:
            self.add(indent, "%s.%s\\%s = %s" % (self.name(), self.rng.choice(STRUCTURES),
                                                 self.rng.choice(["left", "cbSize", "x"]), self.expr()))
        else:
            self.add(indent, "While %s > %%1010 Or Not %s" % (self.name(), self.name()))
            self.add(indent + 1, "%s - 1" % self.name())
            self.add(indent, "Wend")

    def structure(self):
        self.add(0, "Structure My%s Extends %s" % (self.rng.choice(STRUCTURES), self.rng.choice(STRUCTURES)))
        for _ in range(self.rng.randint(2, 5)):
            self.add(1, "%s.%s" % (self.name(), self.rng.choice(TYPES)))
        self.add(1, "*next.My%s" % self.rng.choice(STRUCTURES))
        self.add(1, "text.s{%d}" % self.rng.randint(8, 260))
        self.add(0, "EndStructure")
        self.add(0, "")

    def event_loop(self):
        self.add(0, "If OpenWindow(#PB_Any, 0, 0, %d, %d, \"Beispiel\", #PB_Window_SystemMenu | #PB_Window_ScreenCentered)"
                 % (self.rng.randint(200, 800), self.rng.randint(100, 600)))
        self.add(1, "ButtonGadget(%d, 10, 10, 120, 25, \"OK\")" % self.rng.randint(0, 20))
        self.add(1, "Repeat")
        self.add(2, "Select WaitWindowEvent()")
        self.add(3, "Case #PB_Event_Gadget")
        self.api_call(4)
        self.add(3, "Case #PB_Event_CloseWindow")
        self.add(4, "Break")
        self.add(2, "EndSelect")
        self.add(1, "ForEver")
        self.add(0, "EndIf")
        self.add(0, "")

    def data_section(self):
        self.add(0, "DataSection")
        self.add(1, "Table%d:" % self.serial)
        for _ in range(self.rng.randint(1, 4)):
            self.add(1, "Data.l " + ", ".join(str(self.rng.randint(0, 9999)) for _ in range(8)))
        self.add(0, "EndDataSection")
        self.add(0, "")

    def assembly(self):
        self.add(0, "EnableASM")
        self.add(1, "MOV eax, %s" % self.name())
        self.add(1, "ADD eax, %d" % self.rng.randint(1, 100))
        self.add(1, "! shl eax, 2 ; direkt an den Assembler")
        self.add(1, "MOV %s, eax" % self.name())
        self.add(0, "DisableASM")
        self.add(0, "")

    def block(self):
        r = self.rng.random()
        if r < 0.5:
            self.procedure()
        elif r < 0.65:
            self.structure()
        elif r < 0.8:
            self.event_loop()
        elif r < 0.9:
            self.data_section()
        else:
            self.assembly()


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--size", type=int, default=1 << 20, help="bytes, default 1 MiB")
    parser.add_argument("--seed", type=int, default=1)
    parser.add_argument("--lf", action="store_true", help="LF line ends instead of CR LF")
    parser.add_argument("output", nargs="?", help="file to write, default standard output")
    args = parser.parse_args()

    writer = Writer(random.Random(args.seed))
    writer.add(0, "; Beispielsammlung, erzeugt für Messungen")
    writer.add(0, "EnableExplicit")
    writer.add(0, "")
    newline = b"\n" if args.lf else b"\r\n"
    size = 0
    out = []
    while size < args.size:
        writer.block()
        for line in writer.lines:
            data = line.encode("cp1252") + newline
            if size + len(data) > args.size:
                size = args.size
                break
            out.append(data)
            size += len(data)
        writer.lines = []
    document = b"".join(out)
    if args.output:
        with open(args.output, "wb") as f:
            f.write(document)
    else:
        sys.stdout.buffer.write(document)


if __name__ == "__main__":
    main()
