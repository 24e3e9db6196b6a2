; ------------------------------------------------------------------
; Zeit messen mit dem Hochleistungszähler
; QueryPerformanceCounter liefert einen fein auflösenden Zählerstand,
; QueryPerformanceFrequency die Zählschritte pro Sekunde. Die Differenz
; zweier Stände geteilt durch die Frequenz ergibt die Dauer, viel
; genauer als GetTickCount.
; ------------------------------------------------------------------
EnableExplicit

Define frequency.q, start.q, stop.q, i.i, sum.d, micro.d, ticks.l

If QueryPerformanceFrequency_(@frequency) = 0
  MessageBox_(0, "Kein Hochleistungszähler vorhanden.", "Fehler", #MB_OK | #MB_ICONERROR)
  End
EndIf

QueryPerformanceCounter_(@start)
For i = 1 To 1000000
  sum + Sqr(i)
Next
QueryPerformanceCounter_(@stop)

micro = (stop - start) * 1000000.0 / frequency

; Zum Vergleich: Sleep(50) mit beiden Uhren gemessen
ticks = GetTickCount_()
QueryPerformanceCounter_(@start)
Sleep_(50)
QueryPerformanceCounter_(@stop)
ticks = GetTickCount_() - ticks

MessageBox_(0, "Eine Million Wurzeln: " + StrD(micro / 1000.0, 3) + " ms (Summe " + StrD(sum, 0) + ")" + #CRLF$ +
               "Sleep(50) laut Zähler: " + StrD((stop - start) * 1000.0 / frequency, 3) + " ms" + #CRLF$ +
               "Sleep(50) laut GetTickCount: " + Str(ticks) + " ms" + #CRLF$ +
               "Frequenz: " + Str(frequency) + " Hz",
            "Zeitmessung", #MB_OK | #MB_ICONINFORMATION)
