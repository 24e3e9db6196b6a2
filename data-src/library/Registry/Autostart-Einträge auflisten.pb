; ------------------------------------------------------------------
; Autostart-Einträge auflisten
; Unter ...\CurrentVersion\Run stehen die Programme, die beim Anmelden
; starten. RegQueryInfoKey nennt die Zahl der Werte und die längsten
; Namen und Daten; RegEnumValue liest dann jeden Wert mit seinen Daten.
; ------------------------------------------------------------------
EnableExplicit

#RunKey = "Software\Microsoft\Windows\CurrentVersion\Run"

Define hKey.i, values.l, maxName.l, maxData.l, i.l
Define name$, nameLength.l, type.l, dataSize.l, *data, report$

If RegOpenKeyEx_(#HKEY_CURRENT_USER, #RunKey, 0, #KEY_READ, @hKey) = #ERROR_SUCCESS
  If RegQueryInfoKey_(hKey, 0, 0, 0, 0, 0, 0, @values, @maxName, @maxData, 0, 0) = #ERROR_SUCCESS
    *data = AllocateMemory(maxData + SizeOf(Character) * 2)
    For i = 0 To values - 1
      name$ = Space(maxName + 1)
      nameLength = maxName + 1
      dataSize = maxData
      FillMemory(*data, MemorySize(*data), 0)
      If RegEnumValue_(hKey, i, @name$, @nameLength, 0, @type, *data, @dataSize) = #ERROR_SUCCESS
        If type = #REG_SZ Or type = #REG_EXPAND_SZ
          report$ + name$ + " = " + PeekS(*data) + #CRLF$
        EndIf
      EndIf
    Next
    FreeMemory(*data)
  EndIf
  RegCloseKey_(hKey)
EndIf

If report$ = ""
  report$ = "Keine Autostart-Einträge für diesen Benutzer."
EndIf
MessageBox_(0, report$, "Autostart (HKCU)", #MB_OK | #MB_ICONINFORMATION)
