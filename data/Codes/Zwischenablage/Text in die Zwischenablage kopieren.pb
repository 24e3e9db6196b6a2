; ------------------------------------------------------------------
; Text in die Zwischenablage kopieren
; Die Zwischenablage übernimmt nur verschiebbaren globalen Speicher:
; GlobalAlloc mit #GMEM_MOVEABLE, füllen über GlobalLock, dann
; SetClipboardData mit #CF_UNICODETEXT. Danach gehört der Speicher dem
; System und wird nicht freigegeben.
; ------------------------------------------------------------------
EnableExplicit

Procedure.i CopyTextToClipboard(text$)
  Protected size.i, hMem.i, *mem, ok.i

  size = StringByteLength(text$, #PB_Unicode) + 2
  hMem = GlobalAlloc_(#GMEM_MOVEABLE, size)
  If hMem = 0
    ProcedureReturn #False
  EndIf

  *mem = GlobalLock_(hMem)
  PokeS(*mem, text$, -1, #PB_Unicode)
  GlobalUnlock_(hMem)

  If OpenClipboard_(0)
    EmptyClipboard_()
    If SetClipboardData_(#CF_UNICODETEXT, hMem)
      ok = #True
    EndIf
    CloseClipboard_()
  EndIf

  If Not ok
    GlobalFree_(hMem) ; nur freigeben, wenn die Zwischenablage ihn nicht übernommen hat
  EndIf
  ProcedureReturn ok
EndProcedure

If CopyTextToClipboard("Grüße aus PureBasic, " + FormatDate("%dd.%mm.%yyyy", Date()))
  MessageBox_(0, "Der Text liegt in der Zwischenablage. Mit Strg+V einfügen.", "Kopiert", #MB_OK | #MB_ICONINFORMATION)
EndIf