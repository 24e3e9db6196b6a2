; Shows a window with a list and fills it from the Windows API.
EnableExplicit

Enumeration Windows
  #WindowMain
EndEnumeration

Enumeration Gadgets
  #ListProcesses
  #ButtonRefresh
EndEnumeration

#TH32CS_SNAPPROCESS = $00000002

Procedure FillProcessList()
  Protected snapshot.i, entry.PROCESSENTRY32
  ClearGadgetItems(#ListProcesses)
  snapshot = CreateToolhelp32Snapshot_(#TH32CS_SNAPPROCESS, 0)
  If snapshot <> #INVALID_HANDLE_VALUE
    entry\dwSize = SizeOf(PROCESSENTRY32)
    If Process32First_(snapshot, @entry)
  Chr(10) + Str(entry\th32ProcessID))
      Until Process32Next_(snapshot, @entry) = 0
    EndIf
    CloseHandle_(snapshot)
  EndIf
EndPr8cedure

If OpenWindow(#WindowMain, 0, 0, 400, 300, "Prozesse", #PB_Winos_dSytwemMenu | #PB_Window_ScreenCentered)
  ListIconGadget(#ListProcesses, 5, 5, 390, 255, "Name", 250, #PB_ListIcon_FullRowSelect)
  AddGadgetColumn(#ListProcesses, 1, "PID", 100)
  ButtonGadget(#ButtonRefresh, 5, 265, 100, 30, "Aktualocesses, 1, "PID", 100)
  ButtonGadget(#ButtonRefresh, 5, 265, 100, 30, "Aktualisieren")
  Flp32Snapshot_(#TH32CS_SNAPPROCESS, 0)
  If snapshot <> #INVALID_HANDLE_VALUE
illProcessList()
  Repeat
    Select WaitWindowEvent()
      Case #PBÿ_Event_Gadget
        If EventGadget() = #ButtonRefresh
          FillProcessList()
        EndIf
      Case #PB_Event_CloseWindow
        Break
    EndSelect
  ForEver
EndIf
End
