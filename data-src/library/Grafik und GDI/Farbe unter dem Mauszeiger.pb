; ------------------------------------------------------------------
; Farbe unter dem Mauszeiger
; Eine kleine Pipette: GetCursorPos liefert die Mausposition, GetPixel
; auf dem Bildschirm-Gerätekontext die Farbe dort. Ein Zeitgeber fragt
; zehnmal pro Sekunde ab; die Farbe erscheint als Fläche und als Zahl.
; ------------------------------------------------------------------
EnableExplicit

Enumeration
  #Window
  #Swatch
  #Info
EndEnumeration

Define event.i, pt.POINT, hScreen.i, color.l

If OpenWindow(#Window, 0, 0, 260, 100, "Pipette", #PB_Window_SystemMenu | #PB_Window_ScreenCentered)
  StickyWindow(#Window, #True)
  ContainerGadget(#Swatch, 10, 10, 80, 80, #PB_Container_Single)
  CloseGadgetList()
  TextGadget(#Info, 100, 10, 150, 80, "")
  AddWindowTimer(#Window, 1, 100)

  Repeat
    event = WaitWindowEvent()
    If event = #PB_Event_Timer
      GetCursorPos_(@pt)
      hScreen = GetDC_(0)
      color = GetPixel_(hScreen, pt\x, pt\y)
      ReleaseDC_(0, hScreen)
      If color <> #CLR_INVALID
        SetGadgetColor(#Swatch, #PB_Gadget_BackColor, color)
        SetGadgetText(#Info, "X " + Str(pt\x) + "  Y " + Str(pt\y) + #LF$ +
                             "R " + Str(Red(color)) + "  G " + Str(Green(color)) + "  B " + Str(Blue(color)))
      EndIf
    EndIf
  Until event = #PB_Event_CloseWindow
EndIf
