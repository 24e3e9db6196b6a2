a = (b + c) * d / e - f
b = a << 2 | a >> 1 & ~a
c = Bool(a <> b And a <= b Or a >= b)
d = @MyProc() + ?MyLabel
e = a ! b
items(i)\field[2]\x = 3
Structure Tag : s.s{8} : EndStructure
x = y : z = w
