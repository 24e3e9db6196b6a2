; ------------------------------------------------------------------
; Mauszeiger im Fenster einsperren
; ClipCursor beschränkt die Maus auf ein Rechteck in Bildschirm-
; koordinaten; ClipCursor(0) hebt das auf. Das Innere des Fensters wird
; mit GetClientRect und ClientToScreen in Bildschirmkoordinaten bestimmt.
; ------------------------------------------------------------------
EnableExplicit

Enumeration
  #Window
  #Toggle
EndEnumeration

Procedure LockCursorToClient(hWnd.i)
  Protected area.RECT, topLeft.POINT, bottomRight.POINT
  GetClientRect_(hWnd, @area)
  topLeft\x = area\left : topLeft\y = area\top
  bottomRight\x = area\right : bottomRight\y = area\bottom
  ClientToScreen_(hWnd, @topLeft)
  ClientToScreen_(hWnd, @bottomRight)
  SetRect_(@area, topLeft\x, topLeft\y, bottomRight\x, bottomRight\y)
  ClipCursor_(@area)
EndProcedure

Define event.i, locked.i

If OpenWindow(#Window, 0, 0, 360, 200, "Maus einsperren", #PB_Window_SystemMenu | #PB_Window_ScreenCentered)
  ButtonGadget(#Toggle, 80, 80, 200, 40, "Einsperren", #PB_Button_Toggle)

  Repeat
    event = WaitWindowEvent()
    Select event
      Case #PB_Event_Gadget
        locked = GetGadgetState(#Toggle)
        If locked
          LockCursorToClient(WindowID(#Window))
          SetGadgetText(#Toggle, "Freigeben")
        Else
          ClipCursor_(0)
          SetGadgetText(#Toggle, "Einsperren")
        EndIf
      Case #PB_Event_DeactivateWindow
        ; Beim Fensterwechsel hebt Windows die Sperre auf; der Knopf folgt
        If locked
          locked = #False
          SetGadgetState(#Toggle, #False)
          SetGadgetText(#Toggle, "Einsperren")
        EndIf
    EndSelect
  Until event = #PB_Event_CloseWindow

  ClipCursor_(0)
EndIf
