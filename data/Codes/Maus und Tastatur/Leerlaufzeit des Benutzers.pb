; ------------------------------------------------------------------
; Leerlaufzeit des Benutzers
; GetLastInputInfo liefert den Zeitpunkt der letzten Tastatur- oder
; Mauseingabe als Wert von GetTickCount. Die Differenz ist die Zeit,
; seit der niemand den Rechner bedient hat.
; ------------------------------------------------------------------
EnableExplicit

Procedure.i IdleSeconds()
  Protected info.LASTINPUTINFO
  info\cbSize = SizeOf(LASTINPUTINFO)
  If GetLastInputInfo_(@info)
    ; Die Subtraktion in 32 Bit übersteht auch den Überlauf nach 49 Tagen
    ProcedureReturn ((GetTickCount_() - info\dwTime) & $FFFFFFFF) / 1000
  EndIf
  ProcedureReturn 0
EndProcedure

Define event.i

If OpenWindow(0, 0, 0, 320, 70, "Leerlauf", #PB_Window_SystemMenu | #PB_Window_ScreenCentered)
  TextGadget(0, 20, 25, 280, 20, "")
  AddWindowTimer(0, 1, 500)

  Repeat
    event = WaitWindowEvent()
    If event = #PB_Event_Timer
      SetGadgetText(0, "Keine Eingabe seit " + Str(IdleSeconds()) + " Sekunden.")
    EndIf
  Until event = #PB_Event_CloseWindow
EndIf