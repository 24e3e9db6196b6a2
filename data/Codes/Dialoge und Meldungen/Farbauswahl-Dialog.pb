; ------------------------------------------------------------------
; Farbauswahl-Dialog
; Öffnet den Standarddialog zur Farbwahl (ChooseColor) mit einer
; vorgewählten Farbe und 16 eigenen Farben und zeigt die gewählte
; Farbe als RGB-Anteile an.
; ------------------------------------------------------------------
EnableExplicit

Define cc.CHOOSECOLOR
Define i.i, color.l, message$
Dim customColors.l(15)

; Die eigenen Farben mit einem Grauverlauf vorbelegen
For i = 0 To 15
  customColors(i) = RGB(i * 16, i * 16, i * 16)
Next

cc\lStructSize  = SizeOf(CHOOSECOLOR)
cc\hwndOwner    = 0
cc\rgbResult    = RGB(0, 120, 215)
cc\lpCustColors = @customColors(0)
cc\Flags        = #CC_RGBINIT | #CC_FULLOPEN

If ChooseColor_(@cc)
  color = cc\rgbResult
  message$ = "Rot: " + Str(Red(color)) + #CRLF$ +
             "Grün: " + Str(Green(color)) + #CRLF$ +
             "Blau: " + Str(Blue(color)) + #CRLF$ +
             "Hexadezimal (BGR): $" + RSet(Hex(color), 6, "0")
  MessageBox_(0, message$, "Gewählte Farbe", #MB_OK | #MB_ICONINFORMATION)
Else
  MessageBox_(0, "Es wurde keine Farbe gewählt.", "Farbauswahl", #MB_OK)
EndIf