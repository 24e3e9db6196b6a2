; ------------------------------------------------------------------
; Ordner-auswählen-Dialog
; SHBrowseForFolder zeigt den Dialog zur Ordnerwahl und liefert eine
; Elementkennung (PIDL), die SHGetPathFromIDList in einen Pfad
; umwandelt. Die PIDL gehört danach dem Aufrufer und wird freigegeben.
; ------------------------------------------------------------------
EnableExplicit

CompilerIf Not Defined(BIF_NEWDIALOGSTYLE, #PB_Constant)
  #BIF_NEWDIALOGSTYLE = $40
CompilerEndIf

Define bi.BROWSEINFO
Define *pidl, path$, displayName$, title$ = "Bitte einen Ordner für die Sicherung wählen:"

displayName$ = Space(#MAX_PATH)
path$        = Space(#MAX_PATH)

bi\hwndOwner      = 0
bi\pidlRoot       = 0
bi\pszDisplayName = @displayName$
bi\lpszTitle      = @title$
bi\ulFlags        = #BIF_RETURNONLYFSDIRS | #BIF_NEWDIALOGSTYLE

*pidl = SHBrowseForFolder_(@bi)

If *pidl
  If SHGetPathFromIDList_(*pidl, @path$)
    MessageBox_(0, "Pfad: " + path$ + #CRLF$ + "Anzeigename: " + displayName$,
                "Ordner gewählt", #MB_OK | #MB_ICONINFORMATION)
  Else
    MessageBox_(0, "Das gewählte Element ist kein Ordner im Dateisystem.", "Hinweis", #MB_OK | #MB_ICONWARNING)
  EndIf
  CoTaskMemFree_(*pidl)
EndIf
