; ------------------------------------------------------------------
; Datum im Format des Benutzers
; GetDateFormat und GetTimeFormat schreiben Datum und Uhrzeit so, wie
; der Benutzer es in der Systemsteuerung eingestellt hat, oder nach
; einem eigenen Muster. Ein Nullzeiger statt SYSTEMTIME heißt "jetzt".
; ------------------------------------------------------------------
EnableExplicit

Procedure.s DateText(flags.l, format$ = "")
  Protected buffer$ = Space(128), *format = 0
  If format$ <> ""
    *format = @format$
  EndIf
  If GetDateFormat_(#LOCALE_USER_DEFAULT, flags, 0, *format, @buffer$, 128)
    ProcedureReturn buffer$
  EndIf
  ProcedureReturn "?"
EndProcedure

Define time$ = Space(64), christmas.SYSTEMTIME, xmas$ = Space(128), report$

GetTimeFormat_(#LOCALE_USER_DEFAULT, 0, 0, 0, @time$, 64)

christmas\wYear  = 2030
christmas\wMonth = 12
christmas\wDay   = 24
GetDateFormat_(#LOCALE_USER_DEFAULT, #DATE_LONGDATE, @christmas, 0, @xmas$, 128)

report$ = "Kurz:" + #TAB$ + DateText(#DATE_SHORTDATE) + #CRLF$
report$ + "Lang:" + #TAB$ + DateText(#DATE_LONGDATE) + #CRLF$
report$ + "Muster:" + #TAB$ + DateText(0, "dddd, 'der' d. MMMM yyyy") + #CRLF$
report$ + "Uhrzeit:" + #TAB$ + time$ + #CRLF$
report$ + "Heiligabend 2030:" + #TAB$ + xmas$

MessageBox_(0, report$, "Datumsformate", #MB_OK | #MB_ICONINFORMATION)
