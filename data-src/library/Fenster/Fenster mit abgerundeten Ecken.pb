; ------------------------------------------------------------------
; Fenster mit abgerundeten Ecken
; Ein rahmenloses Fenster bekommt mit CreateRoundRectRgn und
; SetWindowRgn eine abgerundete Form. Nach SetWindowRgn gehört die
; Region dem System und darf nicht mehr gelöscht werden.
; Ein Klick mit der linken Maustaste schließt das Fenster.
; ------------------------------------------------------------------
EnableExplicit

#Width  = 360
#Height = 160

Define event.i, hRgn.i

If OpenWindow(0, 0, 0, #Width, #Height, "", #PB_Window_BorderLess | #PB_Window_ScreenCentered)
  SetWindowColor(0, RGB(40, 70, 110))
  TextGadget(0, 20, 65, #Width - 40, 30, "Zum Schließen klicken", #PB_Text_Center)
  SetGadgetColor(0, #PB_Gadget_BackColor, RGB(40, 70, 110))
  SetGadgetColor(0, #PB_Gadget_FrontColor, RGB(255, 255, 255))
  DisableGadget(0, #True) ; damit der Klick beim Fenster ankommt

  hRgn = CreateRoundRectRgn_(0, 0, #Width + 1, #Height + 1, 40, 40)
  If hRgn
    SetWindowRgn_(WindowID(0), hRgn, #True)
  EndIf

  Repeat
    event = WaitWindowEvent()
  Until event = #PB_Event_CloseWindow Or event = #PB_Event_LeftClick
EndIf
