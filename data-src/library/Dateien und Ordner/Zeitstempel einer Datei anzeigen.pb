; ------------------------------------------------------------------
; Zeitstempel einer Datei anzeigen
; GetFileTime liefert Erstellungs-, Zugriffs- und Änderungszeit als
; FILETIME in UTC. FileTimeToLocalFileTime rechnet in Ortszeit um,
; FileTimeToSystemTime zerlegt sie in Jahr, Monat, Tag usw.
; ------------------------------------------------------------------
EnableExplicit

Procedure.s FormatFileTime(*utc.FILETIME)
  Protected local.FILETIME, st.SYSTEMTIME
  FileTimeToLocalFileTime_(*utc, @local)
  FileTimeToSystemTime_(@local, @st)
  ProcedureReturn RSet(Str(st\wDay), 2, "0") + "." + RSet(Str(st\wMonth), 2, "0") + "." + Str(st\wYear) + " " +
                  RSet(Str(st\wHour), 2, "0") + ":" + RSet(Str(st\wMinute), 2, "0") + ":" + RSet(Str(st\wSecond), 2, "0")
EndProcedure

Define created.FILETIME, accessed.FILETIME, modified.FILETIME
Define path$, hFile.i

path$ = Space(#MAX_PATH)
GetSystemDirectory_(@path$, #MAX_PATH)
path$ + "\notepad.exe"

hFile = CreateFile_(path$, #GENERIC_READ, #FILE_SHARE_READ | #FILE_SHARE_WRITE, 0, #OPEN_EXISTING, 0, 0)
If hFile <> #INVALID_HANDLE_VALUE
  If GetFileTime_(hFile, @created, @accessed, @modified)
    MessageBox_(0, path$ + #CRLF$ + #CRLF$ +
                   "Erstellt:     " + FormatFileTime(@created) + #CRLF$ +
                   "Geändert:     " + FormatFileTime(@modified) + #CRLF$ +
                   "Letzter Zugriff: " + FormatFileTime(@accessed),
                "Dateizeiten", #MB_OK | #MB_ICONINFORMATION)
  EndIf
  CloseHandle_(hFile)
EndIf
