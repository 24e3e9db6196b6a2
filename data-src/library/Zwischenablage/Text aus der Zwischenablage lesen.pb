; ------------------------------------------------------------------
; Text aus der Zwischenablage lesen
; IsClipboardFormatAvailable prüft, ob Text vorliegt; GetClipboardData
; liefert das Handle des Speichers, GlobalLock seine Adresse. Der
; Speicher gehört der Zwischenablage: nur lesen, nicht freigeben.
; ------------------------------------------------------------------
EnableExplicit

Procedure.s ClipboardText()
  Protected hMem.i, *text, text$

  If IsClipboardFormatAvailable_(#CF_UNICODETEXT) And OpenClipboard_(0)
    hMem = GetClipboardData_(#CF_UNICODETEXT)
    If hMem
      *text = GlobalLock_(hMem)
      If *text
        text$ = PeekS(*text, -1, #PB_Unicode)
        GlobalUnlock_(hMem)
      EndIf
    EndIf
    CloseClipboard_()
  EndIf
  ProcedureReturn text$
EndProcedure

Define text$ = ClipboardText()

If text$ = ""
  MessageBox_(0, "Die Zwischenablage enthält keinen Text.", "Zwischenablage", #MB_OK | #MB_ICONWARNING)
Else
  MessageBox_(0, "Länge: " + Str(Len(text$)) + " Zeichen" + #CRLF$ + #CRLF$ + Left(text$, 500),
              "Zwischenablage", #MB_OK | #MB_ICONINFORMATION)
EndIf
