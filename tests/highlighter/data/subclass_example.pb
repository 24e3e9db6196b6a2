; Subclasses a string gadget so that it accepts digits only.
Global oldProc.i

Procedure DigitsOnlyProc(hWnd, uMsg, wParam, lParam)
  Select uMsg
    Case #WM_CHAR
      If (wParam < '0' Or wParam > '9') And wParam <> #VK_BACK
        MessageBeep_(#MB_ICONASTERISK)
        ProcedureReturn 0
      EndIf
    Case #WM_PASTE
      ProcedureReturn 0
  EndSelect
  ProcedureReturn CallWindowProc_(oldProc, hWnd, uMsg, wParam, lParam)
EndProcedure

Macro SetStyle(gadget, style)
  SetWindowLongPtr_(GadgetID(gadget), #GWL_STYLE, GetWindowLongPtr_(GadgetID(gadget), #GWL_STYLE) | style)
EndMacro

OpenWindow(0, 0, 0, 220, 60, "Nur Ziffern", #PB_Window_SystemMenu | #PB_Window_ScreenCentered)
StringGadget(0, 10, 15, 200, 25, "")
SetStyle(0, #ES_RIGHT)
oldProc = SetWindowLongPtr_(GadgetID(0), #GWL_WNDPROC, @DigitsOnlyProc())

CompilerIf #PB_Compiler_Processor = #PB_Processor_x86
  Debug "32 bit"
CompilerElse
  Debug "64 bit"
CompilerEndIf

Repeat : Until WaitWindowEvent() = #PB_Event_CloseWindow
