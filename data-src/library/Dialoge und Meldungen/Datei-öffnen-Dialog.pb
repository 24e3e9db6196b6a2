; ------------------------------------------------------------------
; Datei-öffnen-Dialog
; Ruft den Standarddialog "Öffnen" über GetOpenFileName auf. Der Filter
; besteht aus Paaren von Beschreibung und Muster, getrennt durch
; Nullzeichen und am Ende mit zwei Nullzeichen abgeschlossen.
; ------------------------------------------------------------------
EnableExplicit

#MaxFileChars = 1024

Procedure.i MakeFilter(filter$)
  ; "|" im Text wird im Speicher durch ein Nullzeichen ersetzt
  Protected *buffer, i.i, length.i = Len(filter$)
  *buffer = AllocateMemory((length + 2) * SizeOf(Character))
  If *buffer
    PokeS(*buffer, filter$)
    For i = 0 To length - 1
      If PeekC(*buffer + i * SizeOf(Character)) = '|'
        PokeC(*buffer + i * SizeOf(Character), 0)
      EndIf
    Next
  EndIf
  ProcedureReturn *buffer
EndProcedure

Define ofn.OPENFILENAME
Define *filter, *file, title$ = "Quelltext auswählen"

*filter = MakeFilter("PureBasic-Quellen (*.pb)|*.pb|Alle Dateien (*.*)|*.*|")
*file   = AllocateMemory(#MaxFileChars * SizeOf(Character))

If *filter And *file
  ofn\lStructSize  = SizeOf(OPENFILENAME)
  ofn\hwndOwner    = 0
  ofn\lpstrFilter  = *filter
  ofn\nFilterIndex = 1
  ofn\lpstrFile    = *file
  ofn\nMaxFile     = #MaxFileChars
  ofn\lpstrTitle   = @title$
  ofn\Flags        = #OFN_FILEMUSTEXIST | #OFN_PATHMUSTEXIST | #OFN_HIDEREADONLY

  If GetOpenFileName_(@ofn)
    MessageBox_(0, "Gewählt: " + PeekS(*file), "Datei öffnen", #MB_OK | #MB_ICONINFORMATION)
  ElseIf CommDlgExtendedError_() <> 0
    MessageBox_(0, "Der Dialog meldet Fehler " + Str(CommDlgExtendedError_()), "Fehler", #MB_OK | #MB_ICONERROR)
  EndIf
EndIf

If *filter : FreeMemory(*filter) : EndIf
If *file   : FreeMemory(*file)   : EndIf
