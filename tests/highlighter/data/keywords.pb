EnableExplicit
If a = 1
ElseIf a = 2
Else
EndIf
IF a : endif : If a: EndIf
For i = 1 To 10 Step 2 : Next
ForEach people() : Next
While x : Wend
Repeat : Until x Or y And Not z Xor w
Repeat : ForEver
Select v : Case 1 : Default : EndSelect
ProcedureC Cb() : EndProcedure
ProcedureDLL Exported() : EndProcedure
ProcedureCDLL Both() : EndProcedure
DeclareC Later() : DeclareDLL Later2() : DeclareCDLL Later3() : Declare Later4()
Protected a, b : Shared c : Static d : Threaded e : Global f : Define g
ReDim arr(20) : Swap a, b
DeclareModule Shapes : EndDeclareModule
Module Shapes : EndModule
UseModule Shapes : UnuseModule Shapes
Prototype.i ProtoFunc(a.i) : PrototypeC ProtoC()
Import "user32.lib" : MessageBoxA(a, b, c, d) As "_MessageBoxA@16" : EndImport
ImportC "libc" : EndImport
IncludeFile "a.pbi" : XIncludeFile "b.pbi" : IncludeBinary "c.bin" : IncludePath "inc"
CompilerIf 1 : CompilerElseIf 2 : CompilerElse : CompilerEndIf
CompilerSelect 1 : CompilerCase 1 : CompilerDefault : CompilerEndSelect
CompilerError "e" : CompilerWarning "w"
Macro M() : MacroExpandedCount : EndMacro
Enumeration : EndEnumeration : EnumerationBinary : EndEnumeration
With r : EndWith
Break : Continue : FakeReturn : Runtime Procedure : End
EnableASM : DisableASM : EnableDebugger : DisableDebugger : DisableExplicit
Debug 1 : DebugLevel 2 : CallDebugger
Ifx = 1 : EndIfy = 2 : MyIf = 3 : If_ = 4
Read.l v : Restore Label
