; ------------------------------------------------------------------
; Dateien eines Ordners auflisten
; FindFirstFile und FindNextFile gehen alle Einträge eines Ordners durch,
; die zum Muster passen. WIN32_FIND_DATA liefert Name, Attribute und
; Größe (aus zwei 32-Bit-Hälften). FindClose beendet die Suche.
; ------------------------------------------------------------------
EnableExplicit

Define find.WIN32_FIND_DATA
Define hFind.i, folder$, name$, size.q, files.i, dirs.i

folder$ = Space(#MAX_PATH)
GetWindowsDirectory_(@folder$, #MAX_PATH)

hFind = FindFirstFile_(folder$ + "\*", @find)
If hFind <> #INVALID_HANDLE_VALUE
  Repeat
    name$ = PeekS(@find\cFileName)
    If find\dwFileAttributes & #FILE_ATTRIBUTE_DIRECTORY
      If name$ <> "." And name$ <> ".."
        Debug "[Ordner] " + name$
        dirs + 1
      EndIf
    Else
      size = (find\nFileSizeHigh & $FFFFFFFF) << 32 | (find\nFileSizeLow & $FFFFFFFF)
      Debug name$ + "  (" + Str(size) + " Bytes)"
      files + 1
    EndIf
  Until FindNextFile_(hFind, @find) = 0
  FindClose_(hFind)
EndIf

Debug Str(files) + " Dateien und " + Str(dirs) + " Ordner in " + folder$
