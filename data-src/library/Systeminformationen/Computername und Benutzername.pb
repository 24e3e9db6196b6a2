; ------------------------------------------------------------------
; Computername und Benutzername
; GetComputerName und GetUserName schreiben den Namen in einen Puffer.
; Die Größe wird in Zeichen übergeben und kommt geändert zurück: ohne
; Endnull bei GetComputerName, mit Endnull bei GetUserName.
; ------------------------------------------------------------------
EnableExplicit

#UNLEN = 256

Define computer$, user$, size.l, report$

computer$ = Space(#MAX_COMPUTERNAME_LENGTH + 1)
size = #MAX_COMPUTERNAME_LENGTH + 1
If GetComputerName_(@computer$, @size)
  report$ = "Computer: " + computer$ + " (" + Str(size) + " Zeichen)" + #CRLF$
EndIf

user$ = Space(#UNLEN + 1)
size = #UNLEN + 1
If GetUserName_(@user$, @size)
  report$ + "Benutzer: " + user$ + " (" + Str(size - 1) + " Zeichen)"
EndIf

MessageBox_(0, report$, "Namen", #MB_OK | #MB_ICONINFORMATION)
