; ------------------------------------------------------------------
; MessageBoxIndirect mit Systemsymbol
; MessageBoxIndirect nimmt alle Angaben in einer MSGBOXPARAMS-Struktur
; entgegen. Mit #MB_USERICON lässt sich so ein beliebiges Symbol zeigen,
; hier das Schild-Symbol des Systems (hInstance 0 = Systemsymbole).
; ------------------------------------------------------------------
EnableExplicit

CompilerIf Not Defined(IDI_SHIELD, #PB_Constant)
  #IDI_SHIELD = 32518
CompilerEndIf

Define params.MSGBOXPARAMS
Define answer.i, text$, caption$

text$    = "Dieser Schritt ändert Systemeinstellungen." + #CRLF$ + "Möchten Sie fortfahren?"
caption$ = "Sicherheitshinweis"

params\cbSize      = SizeOf(MSGBOXPARAMS)
params\hwndOwner   = 0
params\hInstance   = 0
params\lpszText    = @text$
params\lpszCaption = @caption$
params\dwStyle     = #MB_YESNO | #MB_USERICON
params\lpszIcon    = #IDI_SHIELD

answer = MessageBoxIndirect_(@params)

If answer = #IDYES
  MessageBox_(0, "Sie haben zugestimmt.", "Ergebnis", #MB_OK | #MB_ICONINFORMATION)
Else
  MessageBox_(0, "Sie haben abgelehnt.", "Ergebnis", #MB_OK | #MB_ICONINFORMATION)
EndIf
