; ------------------------------------------------------------------
; Datei in den Papierkorb verschieben
; SHFileOperation mit #FO_DELETE und #FOF_ALLOWUNDO löscht nicht
; endgültig, sondern legt die Datei in den Papierkorb. pFrom muss mit
; zwei Nullzeichen enden, weil es eine Liste von Pfaden sein kann.
; ------------------------------------------------------------------
EnableExplicit

Procedure.i MoveToRecycleBin(path$)
  Protected op.SHFILEOPSTRUCT, *from, result.i

  *from = AllocateMemory((Len(path$) + 2) * SizeOf(Character)) ; mit Nullen gefüllt
  If *from = 0
    ProcedureReturn #False
  EndIf
  PokeS(*from, path$)

  op\hwnd   = 0
  op\wFunc  = #FO_DELETE
  op\pFrom  = *from
  op\fFlags = #FOF_ALLOWUNDO | #FOF_NOCONFIRMATION | #FOF_SILENT

  result = Bool(SHFileOperation_(@op) = 0 And op\fAnyOperationsAborted = 0)
  FreeMemory(*from)
  ProcedureReturn result
EndProcedure

Define file$, tempDir$, hFile.i

; Eine Probedatei im Temp-Ordner anlegen, damit nichts Wichtiges verloren geht
tempDir$ = Space(#MAX_PATH)
GetTempPath_(#MAX_PATH, @tempDir$)
file$ = tempDir$ + "Papierkorb-Probe.txt"
hFile = CreateFile_(file$, #GENERIC_WRITE, 0, 0, #CREATE_ALWAYS, #FILE_ATTRIBUTE_NORMAL, 0)
If hFile <> #INVALID_HANDLE_VALUE
  CloseHandle_(hFile)
  If MoveToRecycleBin(file$)
    MessageBox_(0, file$ + #CRLF$ + "liegt jetzt im Papierkorb.", "Papierkorb", #MB_OK | #MB_ICONINFORMATION)
  Else
    MessageBox_(0, "Verschieben fehlgeschlagen.", "Papierkorb", #MB_OK | #MB_ICONERROR)
  EndIf
EndIf
