; ------------------------------------------------------------------
; Zeitzone anzeigen
; GetTimeZoneInformation füllt TIME_ZONE_INFORMATION mit den Namen
; für Normal- und Sommerzeit und den Abständen zu UTC in Minuten.
; Der Rückgabewert sagt, welche der beiden Zeiten gerade gilt.
; ------------------------------------------------------------------
EnableExplicit

CompilerIf Not Defined(TIME_ZONE_ID_DAYLIGHT, #PB_Constant)
  #TIME_ZONE_ID_UNKNOWN  = 0
  #TIME_ZONE_ID_STANDARD = 1
  #TIME_ZONE_ID_DAYLIGHT = 2
CompilerEndIf

Procedure.s Offset(minutes.l)
  ; Bias zählt von der Ortszeit nach UTC, daher das umgekehrte Vorzeichen
  Protected sign$ = "+"
  If minutes > 0 : sign$ = "-" : EndIf
  minutes = Abs(minutes)
  ProcedureReturn "UTC" + sign$ + RSet(Str(minutes / 60), 2, "0") + ":" + RSet(Str(minutes % 60), 2, "0")
EndProcedure

Define tz.TIME_ZONE_INFORMATION, state.l, now$

state = GetTimeZoneInformation_(@tz)

Select state
  Case #TIME_ZONE_ID_DAYLIGHT
    now$ = "Es gilt die Sommerzeit: " + Offset(tz\Bias + tz\DaylightBias)
  Case #TIME_ZONE_ID_STANDARD
    now$ = "Es gilt die Normalzeit: " + Offset(tz\Bias + tz\StandardBias)
  Default
    now$ = "Keine Sommerzeitregel: " + Offset(tz\Bias)
EndSelect

MessageBox_(0, "Normalzeit: " + PeekS(@tz\StandardName) + #CRLF$ +
               "Sommerzeit: " + PeekS(@tz\DaylightName) + #CRLF$ + #CRLF$ + now$,
            "Zeitzone", #MB_OK | #MB_ICONINFORMATION)