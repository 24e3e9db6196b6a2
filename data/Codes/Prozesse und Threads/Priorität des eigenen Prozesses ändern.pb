; ------------------------------------------------------------------
; Priorität des eigenen Prozesses ändern
; GetCurrentProcess liefert ein Pseudo-Handle auf den eigenen Prozess,
; das nicht geschlossen werden muss. GetPriorityClass und
; SetPriorityClass lesen und setzen damit die Prioritätsklasse.
; ------------------------------------------------------------------
EnableExplicit

Procedure.s PriorityName(class.l)
  Select class
    Case #IDLE_PRIORITY_CLASS         : ProcedureReturn "Niedrig"
    Case #BELOW_NORMAL_PRIORITY_CLASS : ProcedureReturn "Niedriger als normal"
    Case #NORMAL_PRIORITY_CLASS       : ProcedureReturn "Normal"
    Case #ABOVE_NORMAL_PRIORITY_CLASS : ProcedureReturn "Höher als normal"
    Case #HIGH_PRIORITY_CLASS         : ProcedureReturn "Hoch"
    Case #REALTIME_PRIORITY_CLASS     : ProcedureReturn "Echtzeit"
  EndSelect
  ProcedureReturn "Unbekannt (" + Hex(class) + ")"
EndProcedure

Define hProcess.i, before$, after$

hProcess = GetCurrentProcess_()
before$ = PriorityName(GetPriorityClass_(hProcess))

; Für lange Hintergrundarbeiten, damit der Rechner bedienbar bleibt
If SetPriorityClass_(hProcess, #BELOW_NORMAL_PRIORITY_CLASS)
  after$ = PriorityName(GetPriorityClass_(hProcess))
Else
  after$ = "Fehler " + Str(GetLastError_())
EndIf

MessageBox_(0, "Prozess " + Str(GetCurrentProcessId_()) + #CRLF$ +
               "vorher: " + before$ + #CRLF$ + "nachher: " + after$,
            "Priorität", #MB_OK | #MB_ICONINFORMATION)