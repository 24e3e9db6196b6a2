; ------------------------------------------------------------------
; Fenster im Arbeitsbereich zentrieren
; SystemParametersInfo mit #SPI_GETWORKAREA liefert den Bereich des
; Bildschirms ohne Taskleiste. Das Fenster wird mit GetWindowRect
; vermessen und per MoveWindow in dessen Mitte gesetzt.
; ------------------------------------------------------------------
EnableExplicit

Enumeration
  #Window
  #Button
EndEnumeration

Procedure CenterInWorkArea(hWnd.i)
  Protected work.RECT, win.RECT, width.i, height.i

  SystemParametersInfo_(#SPI_GETWORKAREA, 0, @work, 0)
  GetWindowRect_(hWnd, @win)
  width  = win\right - win\left
  height = win\bottom - win\top

  MoveWindow_(hWnd, work\left + (work\right - work\left - width) / 2,
              work\top + (work\bottom - work\top - height) / 2,
              width, height, #True)
EndProcedure

Define event.i

If OpenWindow(#Window, 10, 10, 300, 120, "Zentrieren", #PB_Window_SystemMenu)
  ButtonGadget(#Button, 50, 40, 200, 30, "In die Mitte setzen")

  Repeat
    event = WaitWindowEvent()
    If event = #PB_Event_Gadget And EventGadget() = #Button
      CenterInWorkArea(WindowID(#Window))
    EndIf
  Until event = #PB_Event_CloseWindow
EndIf