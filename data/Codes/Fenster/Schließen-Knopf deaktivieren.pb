; ------------------------------------------------------------------
; Schlieﬂen-Knopf deaktivieren
; Der Schlieﬂen-Knopf der Titelleiste folgt dem Eintrag "Schlieﬂen" im
; Systemmen¸. EnableMenuItem mit #SC_CLOSE graut beide aus, bis das
; Programm sie wieder freigibt.
; ------------------------------------------------------------------
EnableExplicit

Enumeration
  #Window
  #Toggle
EndEnumeration

Define event.i, hMenu.i, locked.i = #True

If OpenWindow(#Window, 0, 0, 320, 100, "Ohne Schlieﬂen-Knopf", #PB_Window_SystemMenu | #PB_Window_ScreenCentered)
  ButtonGadget(#Toggle, 20, 30, 280, 30, "Schlieﬂen wieder erlauben")
  hMenu = GetSystemMenu_(WindowID(#Window), #False)
  EnableMenuItem_(hMenu, #SC_CLOSE, #MF_BYCOMMAND | #MF_GRAYED)

  Repeat
    event = WaitWindowEvent()
    If event = #PB_Event_Gadget And EventGadget() = #Toggle
      locked = Bool(Not locked)
      If locked
        EnableMenuItem_(hMenu, #SC_CLOSE, #MF_BYCOMMAND | #MF_GRAYED)
        SetGadgetText(#Toggle, "Schlieﬂen wieder erlauben")
      Else
        EnableMenuItem_(hMenu, #SC_CLOSE, #MF_BYCOMMAND | #MF_ENABLED)
        SetGadgetText(#Toggle, "Schlieﬂen sperren")
      EndIf
    EndIf
  Until event = #PB_Event_CloseWindow And Not locked
EndIf