; ------------------------------------------------------------------
; MessageBox mit Symbolen und Antworten
; Zeigt die Meldungsbox der Windows-API mit verschiedenen Symbolen und
; Knopfkombinationen und wertet aus, welcher Knopf gedrückt wurde.
; ------------------------------------------------------------------
EnableExplicit

Define answer.i, text$

; Reine Information mit OK-Knopf
MessageBox_(0, "Die Sicherung wurde abgeschlossen.", "Information", #MB_OK | #MB_ICONINFORMATION)

; Warnung mit OK und Abbrechen
answer = MessageBox_(0, "Der Ordner ist fast voll." + #CRLF$ + "Trotzdem fortfahren?", "Warnung", #MB_OKCANCEL | #MB_ICONWARNING)
If answer = #IDCANCEL
  MessageBox_(0, "Vorgang abgebrochen.", "Warnung", #MB_OK)
EndIf

; Frage mit Ja, Nein und Abbrechen; der zweite Knopf ist vorausgewählt
answer = MessageBox_(0, "Änderungen vor dem Beenden speichern?", "Frage",
                     #MB_YESNOCANCEL | #MB_ICONQUESTION | #MB_DEFBUTTON2)

Select answer
  Case #IDYES
    text$ = "Es wird gespeichert."
  Case #IDNO
    text$ = "Die Änderungen werden verworfen."
  Case #IDCANCEL
    text$ = "Das Programm läuft weiter."
  Default
    text$ = "Unerwartete Antwort: " + Str(answer)
EndSelect

; Fehlermeldung, die über allen anderen Fenstern erscheint
MessageBox_(0, text$, "Ergebnis", #MB_OK | #MB_ICONERROR | #MB_TOPMOST)
