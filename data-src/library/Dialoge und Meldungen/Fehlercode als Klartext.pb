; ------------------------------------------------------------------
; Fehlercode als Klartext
; Nach einem fehlgeschlagenen API-Aufruf liefert GetLastError den
; Fehlercode; FormatMessage übersetzt ihn in die Meldung in der Sprache
; des Systems. Als Beispiel schlägt DeleteFile absichtlich fehl.
; ------------------------------------------------------------------
EnableExplicit

Procedure.s ErrorText(code.l)
  Protected *message, length.i, text$
  length = FormatMessage_(#FORMAT_MESSAGE_ALLOCATE_BUFFER | #FORMAT_MESSAGE_FROM_SYSTEM |
                          #FORMAT_MESSAGE_IGNORE_INSERTS,
                          0, code, 0, @*message, 0, 0)
  If length And *message
    text$ = RTrim(RTrim(PeekS(*message, length), #LF$), #CR$)
    LocalFree_(*message)
  Else
    text$ = "Unbekannter Fehler"
  EndIf
  ProcedureReturn text$
EndProcedure

Define code.l

If DeleteFile_("C:\Gibt es nicht\datei.txt") = 0
  code = GetLastError_()
  MessageBox_(0, "Fehler " + Str(code) + ": " + ErrorText(code), "DeleteFile", #MB_OK | #MB_ICONERROR)
EndIf

; Jeder andere Code lässt sich genauso nachschlagen
MessageBox_(0, "Fehler 5: " + ErrorText(5), "Nachgeschlagen", #MB_OK | #MB_ICONINFORMATION)
