; ------------------------------------------------------------------
; Arbeitsspeicher anzeigen
; GlobalMemoryStatusEx füllt eine MEMORYSTATUSEX-Struktur mit der
; Auslastung sowie dem gesamten und freien physischen und virtuellen
; Speicher. dwLength muss vor dem Aufruf gesetzt werden.
; ------------------------------------------------------------------
EnableExplicit

Procedure.s Gigabytes(bytes.q)
  ProcedureReturn StrD(bytes / 1073741824.0, 2) + " GB"
EndProcedure

Define memory.MEMORYSTATUSEX, report$

memory\dwLength = SizeOf(MEMORYSTATUSEX)

If GlobalMemoryStatusEx_(@memory)
  report$ = "Auslastung:" + #TAB$ + Str(memory\dwMemoryLoad) + " %" + #CRLF$ + #CRLF$
  report$ + "Physisch gesamt:" + #TAB$ + Gigabytes(memory\ullTotalPhys) + #CRLF$
  report$ + "Physisch frei:" + #TAB$ + Gigabytes(memory\ullAvailPhys) + #CRLF$
  report$ + "Auslagerung gesamt:" + #TAB$ + Gigabytes(memory\ullTotalPageFile) + #CRLF$
  report$ + "Auslagerung frei:" + #TAB$ + Gigabytes(memory\ullAvailPageFile) + #CRLF$
  report$ + "Virtuell gesamt:" + #TAB$ + Gigabytes(memory\ullTotalVirtual) + #CRLF$
  report$ + "Virtuell frei:" + #TAB$ + Gigabytes(memory\ullAvailVirtual)
  MessageBox_(0, report$, "Arbeitsspeicher", #MB_OK | #MB_ICONINFORMATION)
Else
  MessageBox_(0, "GlobalMemoryStatusEx schlug fehl: " + Str(GetLastError_()), "Fehler", #MB_OK | #MB_ICONERROR)
EndIf