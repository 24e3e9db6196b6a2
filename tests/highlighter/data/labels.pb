Start:
  Gosub Worker
  Goto Finish
Worker:
  Debug "working"
  Return
  Indented_Label:
Finish: End
Select x
  Case 1: Debug "one"
  Default: Debug "other"
EndSelect
MyModule::Run()
If x : y = 1 : EndIf
Restore Table
DataSection
  Table:
  Data.l 1, 2, 3
EndDataSection
