; ------------------------------------------------------------------
; Bildschirm und Systemmetriken
; GetSystemMetrics beantwortet viele Fragen nach Maßen und Fähigkeiten
; des Systems: Bildschirmgröße, Größe aller Monitore zusammen, Zahl der
; Monitore und Maustasten, Höhe der Titelleiste und mehr.
; ------------------------------------------------------------------
EnableExplicit

Define report$

report$ = "Hauptbildschirm:" + #TAB$ + Str(GetSystemMetrics_(#SM_CXSCREEN)) + " x " + Str(GetSystemMetrics_(#SM_CYSCREEN)) + #CRLF$
report$ + "Alle Monitore:" + #TAB$ + Str(GetSystemMetrics_(#SM_CXVIRTUALSCREEN)) + " x " + Str(GetSystemMetrics_(#SM_CYVIRTUALSCREEN)) + #CRLF$
report$ + "Anzahl Monitore:" + #TAB$ + Str(GetSystemMetrics_(#SM_CMONITORS)) + #CRLF$
report$ + "Titelleiste:" + #TAB$ + Str(GetSystemMetrics_(#SM_CYCAPTION)) + " Pixel hoch" + #CRLF$
report$ + "Symbolgröße:" + #TAB$ + Str(GetSystemMetrics_(#SM_CXICON)) + " x " + Str(GetSystemMetrics_(#SM_CYICON)) + #CRLF$
report$ + "Maustasten:" + #TAB$ + Str(GetSystemMetrics_(#SM_CMOUSEBUTTONS)) + #CRLF$

If GetSystemMetrics_(#SM_SWAPBUTTON)
  report$ + "Maustasten sind vertauscht." + #CRLF$
EndIf
If GetSystemMetrics_(#SM_REMOTESESSION)
  report$ + "Das Programm läuft in einer Remotesitzung." + #CRLF$
EndIf

MessageBox_(0, report$, "Systemmetriken", #MB_OK | #MB_ICONINFORMATION)