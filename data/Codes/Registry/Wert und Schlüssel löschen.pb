; ------------------------------------------------------------------
; Wert und Schlüssel löschen
; Räumt auf, was das Beispiel "Werte in die Registry schreiben" angelegt
; hat: RegDeleteValue entfernt einzelne Werte, RegDeleteKey danach den
; leeren Schlüssel. Vorher wird nachgefragt.
; ------------------------------------------------------------------
EnableExplicit

#AppKey = "Software\Codarium-Beispiel"

Define hKey.i, result.i

If MessageBox_(0, "HKCU\" + #AppKey + " wirklich löschen?", "Registry", #MB_YESNO | #MB_ICONQUESTION) = #IDYES

  If RegOpenKeyEx_(#HKEY_CURRENT_USER, #AppKey, 0, #KEY_SET_VALUE, @hKey) = #ERROR_SUCCESS
    RegDeleteValue_(hKey, "Begruessung")
    RegDeleteValue_(hKey, "Antwort")
    RegCloseKey_(hKey)
  EndIf

  ; RegDeleteKey löscht nur Schlüssel ohne Unterschlüssel
  result = RegDeleteKey_(#HKEY_CURRENT_USER, #AppKey)
  Select result
    Case #ERROR_SUCCESS
      MessageBox_(0, "Der Schlüssel wurde gelöscht.", "Registry", #MB_OK | #MB_ICONINFORMATION)
    Case #ERROR_FILE_NOT_FOUND
      MessageBox_(0, "Den Schlüssel gibt es nicht.", "Registry", #MB_OK | #MB_ICONWARNING)
    Default
      MessageBox_(0, "Löschen fehlgeschlagen, Fehler " + Str(result), "Registry", #MB_OK | #MB_ICONERROR)
  EndSelect
EndIf