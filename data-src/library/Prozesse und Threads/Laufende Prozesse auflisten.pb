; ------------------------------------------------------------------
; Laufende Prozesse auflisten
; CreateToolhelp32Snapshot macht eine Momentaufnahme aller Prozesse;
; Process32First und Process32Next lesen sie Eintrag für Eintrag in
; eine PROCESSENTRY32-Struktur, deren dwSize vorher gesetzt sein muss.
; ------------------------------------------------------------------
EnableExplicit

Enumeration
  #Window
  #List
EndEnumeration

Define hSnapshot.i, entry.PROCESSENTRY32, ok.i

If OpenWindow(#Window, 0, 0, 500, 400, "Prozesse", #PB_Window_SystemMenu | #PB_Window_ScreenCentered)
  ListIconGadget(#List, 0, 0, 500, 400, "Programm", 260, #PB_ListIcon_FullRowSelect | #PB_ListIcon_GridLines)
  AddGadgetColumn(#List, 1, "PID", 70)
  AddGadgetColumn(#List, 2, "Eltern-PID", 80)
  AddGadgetColumn(#List, 3, "Threads", 70)

  hSnapshot = CreateToolhelp32Snapshot_(#TH32CS_SNAPPROCESS, 0)
  If hSnapshot <> #INVALID_HANDLE_VALUE
    entry\dwSize = SizeOf(PROCESSENTRY32)
    ok = Process32First_(hSnapshot, @entry)
    While ok
      AddGadgetItem(#List, -1, PeekS(@entry\szExeFile) + #LF$ + Str(entry\th32ProcessID) + #LF$ +
                               Str(entry\th32ParentProcessID) + #LF$ + Str(entry\cntThreads))
      ok = Process32Next_(hSnapshot, @entry)
    Wend
    CloseHandle_(hSnapshot)
  EndIf

  Repeat
  Until WaitWindowEvent() = #PB_Event_CloseWindow
EndIf
