; ------------------------------------------------------------------
; Zeilen im Editor zählen
; Ein mehrzeiliges Eingabefeld beantwortet Fragen über Nachrichten:
; #EM_GETLINECOUNT liefert die Zahl der Zeilen, #EM_GETSEL die Lage der
; Schreibmarke und #EM_LINEFROMCHAR die Zeile zu einer Zeichenposition.
; ------------------------------------------------------------------
EnableExplicit

Enumeration
  #Window
  #Editor
  #Status
EndEnumeration

Procedure UpdateStatus()
  Protected hEdit.i = GadgetID(#Editor)
  Protected lines.i, selStart.l, selEnd.l, line.i

  lines = SendMessage_(hEdit, #EM_GETLINECOUNT, 0, 0)
  SendMessage_(hEdit, #EM_GETSEL, @selStart, @selEnd)
  line = SendMessage_(hEdit, #EM_LINEFROMCHAR, selStart, 0)
  SetGadgetText(#Status, "Zeilen: " + Str(lines) + "   Schreibmarke in Zeile " + Str(line + 1))
EndProcedure

Define event.i

If OpenWindow(#Window, 0, 0, 400, 300, "Zeilen zählen", #PB_Window_SystemMenu | #PB_Window_ScreenCentered)
  EditorGadget(#Editor, 0, 0, 400, 270)
  TextGadget(#Status, 8, 276, 384, 20, "")
  SetGadgetText(#Editor, "Erste Zeile" + #CRLF$ + "Zweite Zeile" + #CRLF$ + "Dritte Zeile")
  AddWindowTimer(#Window, 1, 250)

  Repeat
    event = WaitWindowEvent()
    If event = #PB_Event_Timer
      UpdateStatus()
    EndIf
  Until event = #PB_Event_CloseWindow
EndIf
