; ------------------------------------------------------------------
; Farbverlauf mit FillRect
; Ein waagerechter Verlauf aus schmalen Streifen: für jeden Streifen
; wird die Farbe zwischen Start- und Endfarbe gemischt, ein Pinsel
; erzeugt, mit FillRect gemalt und gleich wieder gelöscht.
; ------------------------------------------------------------------
EnableExplicit

#Width  = 420
#Height = 120

Procedure.l Blend(from.l, till.l, position.i, total.i)
  ProcedureReturn RGB(Red(from) + (Red(till) - Red(from)) * position / total,
                      Green(from) + (Green(till) - Green(from)) * position / total,
                      Blue(from) + (Blue(till) - Blue(from)) * position / total)
EndProcedure

Define hDC.i, hBrush.i, band.RECT, x.i
Define startColor.l = RGB(20, 40, 90), endColor.l = RGB(110, 190, 230)

If CreateImage(0, #Width, #Height, 24)
  hDC = StartDrawing(ImageOutput(0))
  If hDC
    For x = 0 To #Width - 1 Step 4
      SetRect_(@band, x, 0, x + 4, #Height)
      hBrush = CreateSolidBrush_(Blend(startColor, endColor, x, #Width - 1))
      FillRect_(hDC, @band, hBrush)
      DeleteObject_(hBrush)
    Next
    StopDrawing()
  EndIf

  If OpenWindow(0, 0, 0, #Width, #Height, "Farbverlauf", #PB_Window_SystemMenu | #PB_Window_ScreenCentered)
    ImageGadget(0, 0, 0, #Width, #Height, ImageID(0))
    Repeat
    Until WaitWindowEvent() = #PB_Event_CloseWindow
  EndIf
EndIf