; ------------------------------------------------------------------
; Halbtransparentes Fenster
; Ein Fenster mit dem erweiterten Stil #WS_EX_LAYERED lässt sich mit
; SetLayeredWindowAttributes durchscheinend machen. Der Schieberegler
; stellt die Deckkraft zwischen 40 und 255 ein.
; ------------------------------------------------------------------
EnableExplicit

Enumeration
  #Window
  #Track
  #Label
EndEnumeration

Define event.i, hWnd.i, alpha.i

If OpenWindow(#Window, 0, 0, 340, 110, "Transparenz", #PB_Window_SystemMenu | #PB_Window_ScreenCentered)
  hWnd = WindowID(#Window)
  TextGadget(#Label, 20, 15, 300, 20, "Deckkraft: 255")
  TrackBarGadget(#Track, 20, 45, 300, 30, 40, 255)
  SetGadgetState(#Track, 255)

  ; Den Stil ergänzen, ohne die übrigen Bits zu verlieren
  SetWindowLongPtr_(hWnd, #GWL_EXSTYLE, GetWindowLongPtr_(hWnd, #GWL_EXSTYLE) | #WS_EX_LAYERED)
  SetLayeredWindowAttributes_(hWnd, 0, 255, #LWA_ALPHA)

  Repeat
    event = WaitWindowEvent()
    If event = #PB_Event_Gadget And EventGadget() = #Track
      alpha = GetGadgetState(#Track)
      SetLayeredWindowAttributes_(hWnd, 0, alpha, #LWA_ALPHA)
      SetGadgetText(#Label, "Deckkraft: " + Str(alpha))
    EndIf
  Until event = #PB_Event_CloseWindow
EndIf
