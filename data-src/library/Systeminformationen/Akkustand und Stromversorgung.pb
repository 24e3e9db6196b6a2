; ------------------------------------------------------------------
; Akkustand und Stromversorgung
; GetSystemPowerStatus meldet, ob das Netzteil angeschlossen ist, wie
; voll der Akku ist und wie lange er noch reicht. Der Wert 255 bzw. -1
; steht jeweils für "unbekannt" (etwa bei Rechnern ohne Akku).
; ------------------------------------------------------------------
EnableExplicit

Define power.SYSTEM_POWER_STATUS, report$, percent.i, seconds.l

If GetSystemPowerStatus_(@power)
  Select power\ACLineStatus & $FF
    Case 0 : report$ = "Netzteil: nicht angeschlossen" + #CRLF$
    Case 1 : report$ = "Netzteil: angeschlossen" + #CRLF$
    Default : report$ = "Netzteil: unbekannt" + #CRLF$
  EndSelect

  If (power\BatteryFlag & $FF) = 128
    report$ + "Kein Akku vorhanden."
  Else
    percent = power\BatteryLifePercent & $FF
    If percent <= 100
      report$ + "Ladung: " + Str(percent) + " %" + #CRLF$
    EndIf
    seconds = power\BatteryLifeTime
    If seconds <> -1
      report$ + "Restlaufzeit: " + Str(seconds / 3600) + " h " + Str((seconds % 3600) / 60) + " min"
    EndIf
  EndIf
  MessageBox_(0, report$, "Stromversorgung", #MB_OK | #MB_ICONINFORMATION)
EndIf
