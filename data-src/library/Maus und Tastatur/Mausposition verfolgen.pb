; ------------------------------------------------------------------
; Mausposition verfolgen
; GetCursorPos liefert die Mausposition in Bildschirmkoordinaten,
; ScreenToClient rechnet sie in Koordinaten des eigenen Fensters um.
; WindowFromPoint nennt das Fenster, über dem die Maus gerade steht.
; ------------------------------------------------------------------
EnableExplicit

Enumeration
  #Window
  #Screen
  #Client
  #Below
EndEnumeration

Define event.i, pt.POINT, class$, hBelow.i

If OpenWindow(#Window, 0, 0, 360, 110, "Mausposition", #PB_Window_SystemMenu | #PB_Window_ScreenCentered)
  TextGadget(#Screen, 10, 10, 340, 20, "")
  TextGadget(#Client, 10, 40, 340, 20, "")
  TextGadget(#Below, 10, 70, 340, 20, "")
  AddWindowTimer(#Window, 1, 50)

  Repeat
    event = WaitWindowEvent()
    If event = #PB_Event_Timer
      GetCursorPos_(@pt)
      SetGadgetText(#Screen, "Bildschirm: " + Str(pt\x) + ", " + Str(pt\y))

      ; POINT wird als Wert übergeben: unter x64 in einem 64-Bit-Register
      CompilerIf #PB_Compiler_Processor = #PB_Processor_x64
        hBelow = WindowFromPoint_((pt\y << 32) | (pt\x & $FFFFFFFF))
      CompilerElse
        hBelow = WindowFromPoint_(pt\x, pt\y)
      CompilerEndIf
      class$ = Space(128)
      GetClassName_(hBelow, @class$, 128)
      SetGadgetText(#Below, "Fensterklasse darunter: " + class$)

      ScreenToClient_(WindowID(#Window), @pt)
      SetGadgetText(#Client, "Im Fenster: " + Str(pt\x) + ", " + Str(pt\y))
    EndIf
  Until event = #PB_Event_CloseWindow
EndIf
