; ------------------------------------------------------------------
; Datei mit CreateFile schreiben und lesen
; Die Grundfunktionen der Dateiarbeit: CreateFile öffnet oder erzeugt,
; WriteFile und ReadFile übertragen Bytes, GetFileSizeEx misst,
; CloseHandle schließt. Der Text wird als UTF-8 geschrieben.
; ------------------------------------------------------------------
EnableExplicit

Define path$, text$, hFile.i, written.l, readCount.l, size.q
Define *utf8, *buffer

path$ = Space(#MAX_PATH)
GetTempPath_(#MAX_PATH, @path$)
path$ + "CreateFile-Beispiel.txt"
text$ = "Grüße aus der Windows-API!" + #CRLF$ + "Zweite Zeile."

; Schreiben
*utf8 = UTF8(text$)
hFile = CreateFile_(path$, #GENERIC_WRITE, 0, 0, #CREATE_ALWAYS, #FILE_ATTRIBUTE_NORMAL, 0)
If hFile <> #INVALID_HANDLE_VALUE
  WriteFile_(hFile, *utf8, MemorySize(*utf8) - 1, @written, 0) ; ohne die abschließende Null
  CloseHandle_(hFile)
EndIf
FreeMemory(*utf8)

; Lesen
hFile = CreateFile_(path$, #GENERIC_READ, #FILE_SHARE_READ, 0, #OPEN_EXISTING, #FILE_ATTRIBUTE_NORMAL, 0)
If hFile <> #INVALID_HANDLE_VALUE
  If GetFileSizeEx_(hFile, @size) And size > 0
    *buffer = AllocateMemory(size + 1)
    If *buffer
      ReadFile_(hFile, *buffer, size, @readCount, 0)
      MessageBox_(0, Str(readCount) + " Bytes gelesen:" + #CRLF$ + #CRLF$ + PeekS(*buffer, readCount, #PB_UTF8 | #PB_ByteLength),
                  "ReadFile", #MB_OK | #MB_ICONINFORMATION)
      FreeMemory(*buffer)
    EndIf
  EndIf
  CloseHandle_(hFile)
Else
  MessageBox_(0, "Die Datei ließ sich nicht öffnen (Fehler " + Str(GetLastError_()) + ").", "Fehler", #MB_OK | #MB_ICONERROR)
EndIf
