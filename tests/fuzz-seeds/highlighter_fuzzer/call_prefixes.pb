x.l = Max(a, Beep_(1), Sleep_(2)) : y = GetDC_(0)
  Beep_(1)
x = 1 ; y = Beep_(1)
  ! x = Beep_(1)
x = (s\Beep_(1))
Structure Beep_(
a$ = "=" : b = Beep_(1)
é = Beep_(1) : x = 9Beep_(1)r. RECT_(1)
