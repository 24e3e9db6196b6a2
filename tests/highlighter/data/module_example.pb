; A small module with a public structure and a counter in inline assembly.
DeclareModule Counter
  Structure State
    value.l
    *owner
  EndStructure
  Declare.l Increment(*s.State)
EndDeclareModule

Module Counter
  EnableExplicit
  Procedure.l Increment(*s.State)
    Protected v.l = *s\value
    EnableASM
    MOV eax, v
    INC eax
    MOV v, eax
    DisableASM
    *s\value = v
    ProcedureReturn v
  EndProcedure
EndModule

UseModule Counter
Define c.Counter::State
c\value = 41
Debug Counter::Increment(@c) ; 42
Debug Bin(%1010 << 1) + Hex($7F)
