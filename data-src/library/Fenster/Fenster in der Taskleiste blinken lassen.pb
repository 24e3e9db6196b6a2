; ------------------------------------------------------------------
; Fenster in der Taskleiste blinken lassen
; FlashWindowEx lässt Titelleiste und Taskleistenknopf blinken, um den
; Benutzer auf etwas hinzuweisen. Mit #FLASHW_TIMERNOFG blinkt es,
; bis das Fenster wieder in den Vordergrund kommt.
; ------------------------------------------------------------------
EnableExplicit

Enumeration
  #Window
  #Button
EndEnumeration

Define event.i, info.FLASHWINFO

If OpenWindow(#Window, 0, 0, 320, 110, "Aufmerksamkeit", #PB_Window_SystemMenu | #PB_Window_ScreenCentered)
  ButtonGadget(#Button, 20, 20, 280, 30, "In 3 Sekunden blinken")
  TextGadget(#PB_Any, 20, 60, 280, 40, "Nach dem Klick bitte ein anderes Fenster aktivieren.")

  Repeat
    event = WaitWindowEvent()
    Select event
      Case #PB_Event_Gadget
        If EventGadget() = #Button
          AddWindowTimer(#Window, 1, 3000)
        EndIf
      Case #PB_Event_Timer
        RemoveWindowTimer(#Window, 1)
        info\cbSize    = SizeOf(FLASHWINFO)
        info\hwnd      = WindowID(#Window)
        info\dwFlags   = #FLASHW_ALL | #FLASHW_TIMERNOFG
        info\uCount    = 0
        info\dwTimeout = 0
        FlashWindowEx_(@info)
    EndSelect
  Until event = #PB_Event_CloseWindow
EndIf
