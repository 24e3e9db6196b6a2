; ------------------------------------------------------------------
; Formate der Zwischenablage auflisten
; Ein Programm legt oft dieselben Daten in mehreren Formaten ab.
; EnumClipboardFormats geht sie durch; für selbst registrierte Formate
; (ab $C000) liefert GetClipboardFormatName den Namen.
; ------------------------------------------------------------------
EnableExplicit

Procedure.s FormatName(format.i)
  Protected name$
  Select format
    Case #CF_TEXT        : ProcedureReturn "CF_TEXT"
    Case #CF_BITMAP      : ProcedureReturn "CF_BITMAP"
    Case #CF_OEMTEXT     : ProcedureReturn "CF_OEMTEXT"
    Case #CF_DIB         : ProcedureReturn "CF_DIB"
    Case #CF_UNICODETEXT : ProcedureReturn "CF_UNICODETEXT"
    Case #CF_HDROP       : ProcedureReturn "CF_HDROP"
    Case #CF_LOCALE      : ProcedureReturn "CF_LOCALE"
  EndSelect
  name$ = Space(256)
  If GetClipboardFormatName_(format, @name$, 256)
    ProcedureReturn name$
  EndIf
  ProcedureReturn "Format " + Str(format)
EndProcedure

Define format.i, report$

If OpenClipboard_(0)
  report$ = Str(CountClipboardFormats_()) + " Formate:" + #CRLF$
  format = EnumClipboardFormats_(0)
  While format
    report$ + "  " + FormatName(format) + #CRLF$
    format = EnumClipboardFormats_(format)
  Wend
  CloseClipboard_()
  MessageBox_(0, report$, "Zwischenablage", #MB_OK | #MB_ICONINFORMATION)
EndIf
