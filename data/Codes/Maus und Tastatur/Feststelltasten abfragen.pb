; ------------------------------------------------------------------
; Feststelltasten abfragen
; GetKeyState liefert für Umschalttasten im untersten Bit, ob sie
; eingerastet sind; GetAsyncKeyState meldet im höchsten Bit, ob eine
; Taste genau jetzt gedrückt ist, auch wenn das Fenster keinen Fokus hat.
; ------------------------------------------------------------------
EnableExplicit

Enumeration
  #Window
  #Locks
  #Pressed
EndEnumeration

Procedure.s OnOff(key.i)
  If GetKeyState_(key) & 1
    ProcedureReturn "an"
  EndIf
  ProcedureReturn "aus"
EndProcedure

Define event.i, pressed$

If OpenWindow(#Window, 0, 0, 380, 90, "Tastenzustand", #PB_Window_SystemMenu | #PB_Window_ScreenCentered)
  TextGadget(#Locks, 10, 15, 360, 20, "")
  TextGadget(#Pressed, 10, 50, 360, 20, "")
  AddWindowTimer(#Window, 1, 100)

  Repeat
    event = WaitWindowEvent()
    If event = #PB_Event_Timer
      SetGadgetText(#Locks, "Feststelltaste " + OnOff(#VK_CAPITAL) + ",  Num " + OnOff(#VK_NUMLOCK) +
                            ",  Rollen " + OnOff(#VK_SCROLL))
      pressed$ = ""
      If GetAsyncKeyState_(#VK_SHIFT) & $8000   : pressed$ + "Umschalt " : EndIf
      If GetAsyncKeyState_(#VK_CONTROL) & $8000 : pressed$ + "Strg " : EndIf
      If GetAsyncKeyState_(#VK_MENU) & $8000    : pressed$ + "Alt " : EndIf
      SetGadgetText(#Pressed, "Gedrückt: " + pressed$)
    EndIf
  Until event = #PB_Event_CloseWindow
EndIf