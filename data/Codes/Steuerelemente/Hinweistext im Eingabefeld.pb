; ------------------------------------------------------------------
; Hinweistext im Eingabefeld
; Die Nachricht #EM_SETCUEBANNER zeigt in einem leeren Eingabefeld einen
; grauen Hinweis an, der beim Tippen verschwindet. Mit wParam = #True
; bleibt er auch sichtbar, solange das Feld den Fokus hat.
; ------------------------------------------------------------------
EnableExplicit

CompilerIf Not Defined(EM_SETCUEBANNER, #PB_Constant)
  #EM_SETCUEBANNER = $1501
CompilerEndIf

Enumeration
  #Window
  #Name
  #Mail
EndEnumeration

Define cueName$ = "Vor- und Nachname"
Define cueMail$ = "name@example.org"

If OpenWindow(#Window, 0, 0, 320, 110, "Hinweistexte", #PB_Window_SystemMenu | #PB_Window_ScreenCentered)
  StringGadget(#Name, 20, 20, 280, 24, "")
  StringGadget(#Mail, 20, 60, 280, 24, "")

  SendMessage_(GadgetID(#Name), #EM_SETCUEBANNER, #True, @cueName$)
  SendMessage_(GadgetID(#Mail), #EM_SETCUEBANNER, #False, @cueMail$)

  Repeat
  Until WaitWindowEvent() = #PB_Event_CloseWindow
EndIf