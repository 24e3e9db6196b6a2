; ------------------------------------------------------------------
; Systemweiter Hotkey
; RegisterHotKey meldet eine Tastenkombination beim System an; sie
; wirkt auch, wenn ein anderes Programm den Fokus hat. Das Fenster
; erhält dann #WM_HOTKEY, hier in einem Fenster-Callback ausgewertet.
; Vor dem Ende gibt UnregisterHotKey die Kombination wieder frei.
; ------------------------------------------------------------------
EnableExplicit

CompilerIf Not Defined(MOD_NOREPEAT, #PB_Constant)
  #MOD_NOREPEAT = $4000
CompilerEndIf

CompilerIf Not Defined(VK_K, #PB_Constant)
  #VK_K = $4B
CompilerEndIf

#HotkeyId = 1

Global pressedCount.i

Procedure.i WindowCallback(hWnd.i, message.i, wParam.i, lParam.i)
  If message = #WM_HOTKEY And wParam = #HotkeyId
    pressedCount + 1
    SetGadgetText(0, "Strg+Alt+K wurde " + Str(pressedCount) + "-mal gedrückt.")
    SetForegroundWindow_(hWnd)
  EndIf
  ProcedureReturn #PB_ProcessPureBasicEvents
EndProcedure

If OpenWindow(0, 0, 0, 340, 80, "Hotkey Strg+Alt+K", #PB_Window_SystemMenu | #PB_Window_ScreenCentered)
  TextGadget(0, 20, 30, 300, 20, "Drücken Sie irgendwo Strg+Alt+K.")
  SetWindowCallback(@WindowCallback(), 0)

  If RegisterHotKey_(WindowID(0), #HotkeyId, #MOD_CONTROL | #MOD_ALT | #MOD_NOREPEAT, #VK_K) = 0
    SetGadgetText(0, "Die Kombination ist schon vergeben.")
  EndIf

  Repeat
  Until WaitWindowEvent() = #PB_Event_CloseWindow

  UnregisterHotKey_(WindowID(0), #HotkeyId)
EndIf