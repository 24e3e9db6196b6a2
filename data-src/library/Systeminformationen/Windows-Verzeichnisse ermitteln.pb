; ------------------------------------------------------------------
; Windows-Verzeichnisse ermitteln
; Windows-, System- und Temp-Verzeichnis sowie der Pfad des eigenen
; Programms. Jede Funktion schreibt in einen Puffer und gibt die Länge
; zurück; 0 bedeutet einen Fehler.
; ------------------------------------------------------------------
EnableExplicit

Define windows$, system$, temp$, program$, report$

windows$ = Space(#MAX_PATH)
system$  = Space(#MAX_PATH)
temp$    = Space(#MAX_PATH)
program$ = Space(#MAX_PATH)

If GetWindowsDirectory_(@windows$, #MAX_PATH)
  report$ + "Windows:" + #TAB$ + windows$ + #CRLF$
EndIf
If GetSystemDirectory_(@system$, #MAX_PATH)
  report$ + "System:" + #TAB$ + system$ + #CRLF$
EndIf
If GetTempPath_(#MAX_PATH, @temp$)
  report$ + "Temp:" + #TAB$ + temp$ + #CRLF$
EndIf
If GetModuleFileName_(0, @program$, #MAX_PATH)
  report$ + "Programm:" + #TAB$ + program$
EndIf

MessageBox_(0, report$, "Verzeichnisse", #MB_OK | #MB_ICONINFORMATION)
