; ------------------------------------------------------------------
; Kontextmenü mit TrackPopupMenu
; Ein Popup-Menü wird mit CreatePopupMenu und AppendMenu gebaut und mit
; TrackPopupMenu an der Mausposition gezeigt. Dank #TPM_RETURNCMD gibt
; TrackPopupMenu die Nummer des gewählten Eintrags direkt zurück.
; ------------------------------------------------------------------
EnableExplicit

Enumeration 1
  #CmdCopy
  #CmdPaste
  #CmdAbout
EndEnumeration

Define event.i, hMenu.i, command.i, pt.POINT

If OpenWindow(0, 0, 0, 360, 200, "Rechtsklick ins Fenster", #PB_Window_SystemMenu | #PB_Window_ScreenCentered)
  Repeat
    event = WaitWindowEvent()
    If event = #PB_Event_RightClick
      hMenu = CreatePopupMenu_()
      AppendMenu_(hMenu, #MF_STRING, #CmdCopy, "&Kopieren")
      AppendMenu_(hMenu, #MF_STRING | #MF_GRAYED, #CmdPaste, "&Einfügen")
      AppendMenu_(hMenu, #MF_SEPARATOR, 0, 0)
      AppendMenu_(hMenu, #MF_STRING, #CmdAbout, "&Über ...")

      GetCursorPos_(@pt)
      command = TrackPopupMenu_(hMenu, #TPM_RETURNCMD | #TPM_RIGHTBUTTON, pt\x, pt\y, 0, WindowID(0), 0)
      DestroyMenu_(hMenu)

      Select command
        Case #CmdCopy
          MessageBox_(WindowID(0), "Kopieren gewählt.", "Menü", #MB_OK)
        Case #CmdAbout
          MessageBox_(WindowID(0), "Ein Menü ganz aus API-Aufrufen.", "Über", #MB_OK | #MB_ICONINFORMATION)
      EndSelect
    EndIf
  Until event = #PB_Event_CloseWindow
EndIf
