If a\b = 1
  Debug "x\ny"
EndIf\
