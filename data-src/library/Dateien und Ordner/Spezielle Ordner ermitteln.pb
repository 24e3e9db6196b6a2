; ------------------------------------------------------------------
; Spezielle Ordner ermitteln
; SHGetSpecialFolderPath liefert die Pfade der Ordner, die Windows für
; jeden Benutzer bereithält: Desktop, Dokumente, Anwendungsdaten usw.
; Die Ordner werden über ihre CSIDL-Nummer angesprochen.
; ------------------------------------------------------------------
EnableExplicit

Procedure.s SpecialFolder(csidl.i)
  Protected path$ = Space(#MAX_PATH)
  If SHGetSpecialFolderPath_(0, @path$, csidl, #False)
    ProcedureReturn path$
  EndIf
  ProcedureReturn "(nicht vorhanden)"
EndProcedure

Define report$

report$ = "Desktop:" + #TAB$ + #TAB$ + SpecialFolder(#CSIDL_DESKTOPDIRECTORY) + #CRLF$
report$ + "Dokumente:" + #TAB$ + SpecialFolder(#CSIDL_PERSONAL) + #CRLF$
report$ + "Anwendungsdaten:" + #TAB$ + SpecialFolder(#CSIDL_APPDATA) + #CRLF$
report$ + "Lokale Daten:" + #TAB$ + SpecialFolder(#CSIDL_LOCAL_APPDATA) + #CRLF$
report$ + "Programme:" + #TAB$ + SpecialFolder(#CSIDL_PROGRAM_FILES) + #CRLF$
report$ + "Schriftarten:" + #TAB$ + SpecialFolder(#CSIDL_FONTS) + #CRLF$
report$ + "Autostart:" + #TAB$ + SpecialFolder(#CSIDL_STARTUP)

MessageBox_(0, report$, "Spezielle Ordner", #MB_OK | #MB_ICONINFORMATION)
