Structure Person
  name.s
  age.l
  tag.s{16}
  *next.Person
  List children.Person()
  Array scores.i(10)
EndStructure
Structure Employee Extends Person
  StructureUnion
    salary.d
    hourly.f
  EndStructureUnion
EndStructure
Interface IMyObject Extends IUnknown
  Method.l(a.i)
EndInterface
Define r.RECT, p.POINT
Define.l count, total
Global NewList people.Person()
Global NewMap index.Person()
Dim grid.b(10, 10)
Procedure.s Describe(*who.Person)
  ProcedureReturn *who\name
EndProcedure
x.MyModule::Shape
size = SizeOf(RECT) + OffsetOf(RECT\right)
w = r\right - r\left
