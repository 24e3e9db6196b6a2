; ------------------------------------------------------------------
; Unterschlüssel auflisten
; RegEnumKeyEx liefert die Unterschlüssel eines Schlüssels der Reihe
; nach, bis #ERROR_NO_MORE_ITEMS zurückkommt. Als Beispiel werden die
; Programme unter HKEY_CURRENT_USER\Software aufgelistet.
; ------------------------------------------------------------------
EnableExplicit

Define hKey.i, index.l, name$, nameLength.l, result.i, count.i

If RegOpenKeyEx_(#HKEY_CURRENT_USER, "Software", 0, #KEY_ENUMERATE_SUB_KEYS, @hKey) = #ERROR_SUCCESS
  Repeat
    name$ = Space(256)
    nameLength = 256 ; in Zeichen, wird bei jedem Aufruf überschrieben
    result = RegEnumKeyEx_(hKey, index, @name$, @nameLength, 0, 0, 0, 0)
    If result = #ERROR_SUCCESS
      Debug name$
      count + 1
    EndIf
    index + 1
  Until result = #ERROR_NO_MORE_ITEMS
  RegCloseKey_(hKey)
EndIf

Debug Str(count) + " Unterschlüssel gefunden."