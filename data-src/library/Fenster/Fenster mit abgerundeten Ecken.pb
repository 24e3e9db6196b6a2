; ------------------------------------------------------------------
; Fenster mit abgerundeten Ecken
; Ein rahmenloses Fenster bekommt mit CreateRoundRectRgn und
; SetWindowRgn eine abgerundete Form. Nach SetWindowRgn gehört die
; Region dem System und darf nicht mehr gelöscht werden.
; Esc oder ein Klick neben den Text schließt das Fenster.
; ------------------------------------------------------------------
EnableExplicit

#Width  = 360
#Height = 160

Define event.i, hRgn.i

If OpenWindow(0, 0, 0, #Width, #Height, "", #PB_Window_BorderLess | #PB_Window_ScreenCentered)
  SetWindowColor(0, RGB(40, 70, 110))
  TextGadget(0, 20, 65, #Width - 40, 30, "Esc oder Klick schließt das Fenster", #PB_Text_Center)
  SetGadgetColor(0, #PB_Gadget_BackColor, RGB(40, 70, 110))
  SetGadgetColor(0, #PB_Gadget_FrontColor, RGB(255, 255, 255))
  AddKeyboardShortcut(0, #PB_Shortcut_Escape, 1)

  hRgn = CreateRoundRectRgn_(0, 0, #Width + 1, #Height + 1, 40, 40)
  If hRgn
    SetWindowRgn_(WindowID(0), hRgn, #True)
  EndIf

  Repeat
    event = WaitWindowEvent()
  Until event = #PB_Event_CloseWindow Or event = #PB_Event_LeftClick Or event = #PB_Event_Menu
EndIf
