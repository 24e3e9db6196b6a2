; ------------------------------------------------------------------
; Änderungen der Zwischenablage bemerken
; GetClipboardSequenceNumber zählt bei jeder Änderung der Zwischenablage
; hoch. Ein Zeitgeber vergleicht die Nummer zweimal pro Sekunde und
; trägt jede Änderung mit Uhrzeit in die Liste ein.
; ------------------------------------------------------------------
EnableExplicit

Enumeration
  #Window
  #List
  #Clear
EndEnumeration

Define event.i, lastNumber.l, number.l

If OpenWindow(#Window, 0, 0, 360, 260, "Zwischenablage beobachten", #PB_Window_SystemMenu | #PB_Window_ScreenCentered)
  ListViewGadget(#List, 10, 10, 340, 200)
  ButtonGadget(#Clear, 10, 220, 340, 30, "Zwischenablage leeren")
  lastNumber = GetClipboardSequenceNumber_()
  AddWindowTimer(#Window, 1, 500)

  Repeat
    event = WaitWindowEvent()
    Select event
      Case #PB_Event_Timer
        number = GetClipboardSequenceNumber_()
        If number <> lastNumber
          AddGadgetItem(#List, -1, FormatDate("%hh:%ii:%ss", Date()) + "  Änderung Nr. " + Str(number) +
                                   ", " + Str(CountClipboardFormats_()) + " Formate")
          lastNumber = number
        EndIf
      Case #PB_Event_Gadget
        If EventGadget() = #Clear And OpenClipboard_(WindowID(#Window))
          EmptyClipboard_()
          CloseClipboard_()
        EndIf
    EndSelect
  Until event = #PB_Event_CloseWindow
EndIf