; ------------------------------------------------------------------
; Werte in die Registry schreiben
; RegCreateKeyEx öffnet einen Schlüssel unter HKEY_CURRENT_USER oder
; legt ihn an. RegSetValueEx schreibt dort einen Text (#REG_SZ, Länge in
; Bytes samt Endnull) und eine Zahl (#REG_DWORD).
; ------------------------------------------------------------------
EnableExplicit

#AppKey = "Software\Codarium-Beispiel"

Define hKey.i, disposition.l, text$, number.l, message$

If RegCreateKeyEx_(#HKEY_CURRENT_USER, #AppKey, 0, 0, #REG_OPTION_NON_VOLATILE,
                   #KEY_WRITE, 0, @hKey, @disposition) = #ERROR_SUCCESS

  text$ = "Hallo Registry"
  RegSetValueEx_(hKey, "Begruessung", 0, #REG_SZ, @text$, StringByteLength(text$) + SizeOf(Character))

  number = 42
  RegSetValueEx_(hKey, "Antwort", 0, #REG_DWORD, @number, SizeOf(Long))

  RegCloseKey_(hKey)

  If disposition = #REG_CREATED_NEW_KEY
    message$ = "Schlüssel neu angelegt: "
  Else
    message$ = "Schlüssel war schon vorhanden: "
  EndIf
  MessageBox_(0, message$ + "HKCU\" + #AppKey, "Registry", #MB_OK | #MB_ICONINFORMATION)
Else
  MessageBox_(0, "Der Schlüssel ließ sich nicht anlegen.", "Registry", #MB_OK | #MB_ICONERROR)
EndIf
