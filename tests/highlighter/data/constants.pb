#Width = 640
#Title$ = "Window"
CompilerIf #PB_Compiler_OS = #PB_OS_Windows
  flags = #PB_Window_SystemMenu | #PB_Window_ScreenCentered
CompilerEndIf
Debug #Title$ + Str(#Width)
value = MyModule::#Limit
x = # 5
Macro Join(a, b) : a#b : EndMacro
