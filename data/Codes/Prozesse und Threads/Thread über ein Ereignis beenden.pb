; ------------------------------------------------------------------
; Thread über ein Ereignis beenden
; Ein mit CreateThread gestarteter Thread arbeitet, bis ein Ereignis-
; objekt (CreateEvent) gesetzt wird. Der Hauptteil setzt es mit SetEvent
; und wartet mit WaitForSingleObject, bis der Thread fertig ist.
; ------------------------------------------------------------------
EnableExplicit

Global hStop.i
Global counter.i

Procedure.l Worker(parameter.i)
  ; Alle 100 ms prüfen, ob aufgehört werden soll
  While WaitForSingleObject_(hStop, 100) = #WAIT_TIMEOUT
    counter + 1
  Wend
  ProcedureReturn 0
EndProcedure

Define hThread.i, threadId.l

hStop = CreateEvent_(0, #True, #False, 0) ; manuell zurückgesetzt, anfangs nicht gesetzt
hThread = CreateThread_(0, 0, @Worker(), 0, 0, @threadId)

If hThread
  MessageBox_(0, "Thread " + Str(threadId) + " läuft. OK hält ihn an.", "Thread", #MB_OK | #MB_ICONINFORMATION)
  SetEvent_(hStop)
  If WaitForSingleObject_(hThread, 5000) = #WAIT_OBJECT_0
    MessageBox_(0, "Der Thread hat " + Str(counter) + " Runden gedreht.", "Thread", #MB_OK | #MB_ICONINFORMATION)
  EndIf
  CloseHandle_(hThread)
EndIf
CloseHandle_(hStop)