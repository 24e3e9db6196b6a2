; ------------------------------------------------------------------
; Fenster immer im Vordergrund
; SetWindowPos mit #HWND_TOPMOST hält ein Fenster über allen anderen,
; #HWND_NOTOPMOST hebt das wieder auf. Größe und Lage bleiben dank
; #SWP_NOMOVE und #SWP_NOSIZE unverändert.
; ------------------------------------------------------------------
EnableExplicit

Enumeration
  #Window
  #CheckTopmost
EndEnumeration

Procedure SetTopmost(hWnd.i, on.i)
  Protected insertAfter.i = #HWND_NOTOPMOST
  If on
    insertAfter = #HWND_TOPMOST
  EndIf
  SetWindowPos_(hWnd, insertAfter, 0, 0, 0, 0, #SWP_NOMOVE | #SWP_NOSIZE | #SWP_NOACTIVATE)
EndProcedure

Define event.i

If OpenWindow(#Window, 0, 0, 320, 90, "Immer im Vordergrund", #PB_Window_SystemMenu | #PB_Window_ScreenCentered)
  CheckBoxGadget(#CheckTopmost, 20, 30, 280, 24, "Dieses Fenster über allen anderen halten")

  Repeat
    event = WaitWindowEvent()
    If event = #PB_Event_Gadget And EventGadget() = #CheckTopmost
      SetTopmost(WindowID(#Window), GetGadgetState(#CheckTopmost))
    EndIf
  Until event = #PB_Event_CloseWindow
EndIf
