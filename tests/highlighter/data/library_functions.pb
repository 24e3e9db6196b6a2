If OpenWindow(0, 100, 100, 300, 200, "Demo", #PB_Window_SystemMenu)
  ButtonGadget(1, 10, 10, 100, 25, "OK")
  AddGadgetItem (2, -1, "item")
  MessageRequester("Title", "Text")
  hFile = ReadFile(#PB_Any, "data.txt")
  openwindow(1, 0, 0, 10, 10, "lower case")
  SendMessage_(GadgetID(2), #LB_SETCURSEL, 0, 0)
  GetWindowLongPtr_ (hwnd, #GWL_STYLE)
  ret = MyProc_(1)
  _ = 1
  Width = WindowWidth(0)
  Len = 5 : Left.s = "not a call"
EndIf
r\left = Left(a$, 3)
