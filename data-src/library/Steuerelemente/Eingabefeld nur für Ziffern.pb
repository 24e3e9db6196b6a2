; ------------------------------------------------------------------
; Eingabefeld nur für Ziffern
; Der Stil #ES_NUMBER lässt in einem Eingabefeld nur Ziffern zu; das
; Feld zeigt bei anderen Zeichen selbst einen Hinweis an. Der Stil wird
; mit GetWindowLongPtr gelesen und mit SetWindowLongPtr ergänzt.
; #EM_SETLIMITTEXT begrenzt die Länge auf fünf Zeichen.
; ------------------------------------------------------------------
EnableExplicit

Enumeration
  #Window
  #Zip
  #Check
EndEnumeration

Define event.i, hEdit.i, style.i

If OpenWindow(#Window, 0, 0, 300, 120, "Postleitzahl", #PB_Window_SystemMenu | #PB_Window_ScreenCentered)
  TextGadget(#PB_Any, 20, 20, 120, 20, "Postleitzahl:")
  StringGadget(#Zip, 140, 16, 100, 24, "")
  ButtonGadget(#Check, 20, 70, 260, 30, "Prüfen")

  hEdit = GadgetID(#Zip)
  style = GetWindowLongPtr_(hEdit, #GWL_STYLE)
  SetWindowLongPtr_(hEdit, #GWL_STYLE, style | #ES_NUMBER)
  SendMessage_(hEdit, #EM_SETLIMITTEXT, 5, 0)

  Repeat
    event = WaitWindowEvent()
    If event = #PB_Event_Gadget And EventGadget() = #Check
      If Len(GetGadgetText(#Zip)) = 5
        MessageBox_(WindowID(#Window), "Gültige Postleitzahl.", "Prüfen", #MB_OK | #MB_ICONINFORMATION)
      Else
        MessageBox_(WindowID(#Window), "Bitte fünf Ziffern eingeben.", "Prüfen", #MB_OK | #MB_ICONWARNING)
      EndIf
    EndIf
  Until event = #PB_Event_CloseWindow
EndIf
