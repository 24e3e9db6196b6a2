; ------------------------------------------------------------------
; Knopf mit Symbol
; #BM_SETIMAGE gibt einem gewöhnlichen Knopf ein Symbol neben seinem
; Text. Die Symbole kommen hier mit LoadImage in der passenden Größe
; (16 x 16) aus den Standardsymbolen des Systems.
; ------------------------------------------------------------------
EnableExplicit

Enumeration
  #Window
  #Info
  #Warn
EndEnumeration

Define event.i, hInfo.i, hWarn.i

If OpenWindow(#Window, 0, 0, 300, 120, "Symbole auf Knöpfen", #PB_Window_SystemMenu | #PB_Window_ScreenCentered)
  ButtonGadget(#Info, 20, 20, 260, 34, "Information")
  ButtonGadget(#Warn, 20, 66, 260, 34, "Warnung")

  hInfo = LoadImage_(0, #IDI_INFORMATION, #IMAGE_ICON, 16, 16, #LR_SHARED)
  hWarn = LoadImage_(0, #IDI_WARNING, #IMAGE_ICON, 16, 16, #LR_SHARED)
  SendMessage_(GadgetID(#Info), #BM_SETIMAGE, #IMAGE_ICON, hInfo)
  SendMessage_(GadgetID(#Warn), #BM_SETIMAGE, #IMAGE_ICON, hWarn)

  Repeat
    event = WaitWindowEvent()
    If event = #PB_Event_Gadget
      Select EventGadget()
        Case #Info
          MessageBeep_(#MB_ICONASTERISK)
        Case #Warn
          MessageBeep_(#MB_ICONEXCLAMATION)
      EndSelect
    EndIf
  Until event = #PB_Event_CloseWindow
  ; Mit #LR_SHARED geladene Symbole gibt das System selbst frei
EndIf