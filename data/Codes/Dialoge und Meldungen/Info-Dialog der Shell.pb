; ------------------------------------------------------------------
; Info-Dialog der Shell
; ShellAbout zeigt den bekannten "Info"-Dialog von Windows mit
; eigenem Titel, eigenem Zusatztext und eigenem Symbol. Das "#" im
; Titel trennt den Fenstertitel von der ersten Zeile im Dialog.
; ------------------------------------------------------------------
EnableExplicit

Define hIcon.i, window.i

window = OpenWindow(#PB_Any, 0, 0, 300, 80, "Beispiel", #PB_Window_SystemMenu | #PB_Window_ScreenCentered)

If window
  hIcon = LoadIcon_(0, #IDI_INFORMATION)

  ShellAbout_(WindowID(window), "Über Beispiel#Beispielprogramm 1.0",
              "Ein kleines Programm, das den Info-Dialog der Shell zeigt.", hIcon)

  ; Vom System geladene Standardsymbole werden nicht freigegeben
  CloseWindow(window)
EndIf