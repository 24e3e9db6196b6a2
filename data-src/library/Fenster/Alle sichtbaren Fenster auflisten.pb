; ------------------------------------------------------------------
; Alle sichtbaren Fenster auflisten
; EnumWindows ruft für jedes Hauptfenster eine eigene Prozedur auf.
; Dort werden Titel, Klassenname und Prozessnummer jedes sichtbaren
; Fensters mit Titel in eine Liste eingetragen.
; ------------------------------------------------------------------
EnableExplicit

Enumeration
  #Window
  #List
EndEnumeration

Procedure.i EnumWindowsProc(hWnd.i, lParam.i)
  Protected title$, class$, length.i, pid.l

  If IsWindowVisible_(hWnd)
    length = GetWindowTextLength_(hWnd)
    If length > 0
      title$ = Space(length + 1)
      GetWindowText_(hWnd, @title$, length + 1)
      class$ = Space(256)
      GetClassName_(hWnd, @class$, 256)
      GetWindowThreadProcessId_(hWnd, @pid)
      AddGadgetItem(lParam, -1, title$ + #LF$ + class$ + #LF$ + Str(pid))
    EndIf
  EndIf
  ProcedureReturn #True ; weiter aufzählen
EndProcedure

If OpenWindow(#Window, 0, 0, 640, 400, "Sichtbare Fenster", #PB_Window_SystemMenu | #PB_Window_ScreenCentered)
  ListIconGadget(#List, 0, 0, 640, 400, "Titel", 300, #PB_ListIcon_FullRowSelect)
  AddGadgetColumn(#List, 1, "Klasse", 220)
  AddGadgetColumn(#List, 2, "Prozess", 80)

  EnumWindows_(@EnumWindowsProc(), #List)

  Repeat
  Until WaitWindowEvent() = #PB_Event_CloseWindow
EndIf
