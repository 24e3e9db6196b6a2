; ------------------------------------------------------------------
; Programm nur einmal starten
; Ein benanntes Mutex-Objekt gibt es systemweit nur einmal. Findet
; CreateMutex es schon vor, meldet GetLastError #ERROR_ALREADY_EXISTS:
; dann läuft bereits eine Instanz, und die zweite holt die erste nach
; vorn und beendet sich.
; ------------------------------------------------------------------
EnableExplicit

#MutexName = "Codarium-Beispiel-Einzelstart"
#Title     = "Nur eine Instanz"

Define hMutex.i, hOther.i

hMutex = CreateMutex_(0, #False, #MutexName)

If hMutex And GetLastError_() = #ERROR_ALREADY_EXISTS
  hOther = FindWindow_(0, #Title)
  If hOther
    ShowWindow_(hOther, #SW_RESTORE)
    SetForegroundWindow_(hOther)
  EndIf
  CloseHandle_(hMutex)
  End
EndIf

If OpenWindow(0, 0, 0, 300, 80, #Title, #PB_Window_SystemMenu | #PB_Window_ScreenCentered | #PB_Window_MinimizeGadget)
  TextGadget(0, 20, 30, 260, 20, "Starten Sie das Programm ein zweites Mal.")
  Repeat
  Until WaitWindowEvent() = #PB_Event_CloseWindow
EndIf

If hMutex
  CloseHandle_(hMutex)
EndIf
