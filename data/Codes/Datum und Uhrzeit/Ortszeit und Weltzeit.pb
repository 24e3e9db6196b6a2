; ------------------------------------------------------------------
; Ortszeit und Weltzeit
; GetLocalTime liefert die Uhrzeit der eingestellten Zeitzone,
; GetSystemTime die koordinierte Weltzeit (UTC). Beide füllen eine
; SYSTEMTIME-Struktur, die sogar Millisekunden und Wochentag enthält.
; ------------------------------------------------------------------
EnableExplicit

Procedure.s TimeText(*st.SYSTEMTIME)
  Protected days$ = "Sonntag,Montag,Dienstag,Mittwoch,Donnerstag,Freitag,Samstag"
  ProcedureReturn StringField(days$, *st\wDayOfWeek + 1, ",") + ", " +
                  RSet(Str(*st\wDay), 2, "0") + "." + RSet(Str(*st\wMonth), 2, "0") + "." + Str(*st\wYear) + "  " +
                  RSet(Str(*st\wHour), 2, "0") + ":" + RSet(Str(*st\wMinute), 2, "0") + ":" +
                  RSet(Str(*st\wSecond), 2, "0") + "," + RSet(Str(*st\wMilliseconds), 3, "0")
EndProcedure

Define local.SYSTEMTIME, utc.SYSTEMTIME

GetLocalTime_(@local)
GetSystemTime_(@utc)

MessageBox_(0, "Ortszeit:" + #TAB$ + TimeText(@local) + #CRLF$ +
               "UTC:" + #TAB$ + TimeText(@utc),
            "Uhrzeit", #MB_OK | #MB_ICONINFORMATION)