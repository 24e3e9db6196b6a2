*buffer = AllocateMemory(1024)
Define *p.POINT = @pt
Procedure Swap2(*a.Integer, *b.Integer)
  Protected t = *a\i
  *a\i = *b\i : *b\i = t
EndProcedure
result = a * b
result = a*b
result = a * *p\x
result = (*p\x) * 2
PokeL(*buffer + 4, *p\y)
If *p And *q
EndIf
ProcedureReturn *buffer
