; ------------------------------------------------------------------
; Zeichenkette aus der Registry lesen
; Liest den Produktnamen und die Build-Nummer von Windows. RegOpenKeyEx
; öffnet den Schlüssel nur zum Lesen, RegQueryValueEx wird zuerst nach
; der nötigen Größe gefragt und dann mit passendem Puffer aufgerufen.
; ------------------------------------------------------------------
EnableExplicit

Procedure.s ReadRegString(root.i, key$, value$)
  Protected hKey.i, type.l, size.l, *buffer, result$

  If RegOpenKeyEx_(root, key$, 0, #KEY_READ, @hKey) = #ERROR_SUCCESS
    If RegQueryValueEx_(hKey, value$, 0, @type, 0, @size) = #ERROR_SUCCESS And (type = #REG_SZ Or type = #REG_EXPAND_SZ)
      *buffer = AllocateMemory(size + SizeOf(Character)) ; Platz für eine fehlende Endnull
      If *buffer
        If RegQueryValueEx_(hKey, value$, 0, @type, *buffer, @size) = #ERROR_SUCCESS
          result$ = PeekS(*buffer)
        EndIf
        FreeMemory(*buffer)
      EndIf
    EndIf
    RegCloseKey_(hKey)
  EndIf
  ProcedureReturn result$
EndProcedure

#VersionKey = "SOFTWARE\Microsoft\Windows NT\CurrentVersion"

Define product$ = ReadRegString(#HKEY_LOCAL_MACHINE, #VersionKey, "ProductName")
Define build$   = ReadRegString(#HKEY_LOCAL_MACHINE, #VersionKey, "CurrentBuild")

MessageBox_(0, "Produkt: " + product$ + #CRLF$ + "Build: " + build$, "Windows-Version", #MB_OK | #MB_ICONINFORMATION)