; ------------------------------------------------------------------
; Umgebungsvariablen lesen
; GetEnvironmentVariable liest eine einzelne Variable; mit Puffergröße 0
; gibt es zuerst die nötige Länge zurück. ExpandEnvironmentStrings
; ersetzt alle %NAME%-Stellen in einem Text auf einmal.
; ------------------------------------------------------------------
EnableExplicit

Procedure.s Environment(name$)
  Protected length.i, value$
  length = GetEnvironmentVariable_(name$, 0, 0) ; benötigte Länge samt Endnull
  If length > 0
    value$ = Space(length)
    GetEnvironmentVariable_(name$, @value$, length)
  EndIf
  ProcedureReturn value$
EndProcedure

Procedure.s Expand(text$)
  Protected length.i, result$
  length = ExpandEnvironmentStrings_(text$, 0, 0)
  If length > 0
    result$ = Space(length)
    ExpandEnvironmentStrings_(text$, @result$, length)
  EndIf
  ProcedureReturn result$
EndProcedure

Define report$

report$ = "USERNAME = " + Environment("USERNAME") + #CRLF$
report$ + "NUMBER_OF_PROCESSORS = " + Environment("NUMBER_OF_PROCESSORS") + #CRLF$
report$ + "Profilordner: " + Expand("%USERPROFILE%") + #CRLF$
report$ + "Editor: " + Expand("%SystemRoot%\System32\notepad.exe")

MessageBox_(0, report$, "Umgebung", #MB_OK | #MB_ICONINFORMATION)