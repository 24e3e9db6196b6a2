; ------------------------------------------------------------------
; Linien und Vielecke zeichnen
; MoveToEx setzt die Stiftposition, LineTo zieht von dort eine Linie.
; Polygon und Polyline nehmen ein Feld von POINT-Strukturen. Als
; Beispiel: ein Raster aus Linien und ein gefüllter Stern.
; ------------------------------------------------------------------
EnableExplicit

#Size = 300

Define hDC.i, hPen.i, hBrush.i, hOldPen.i, hOldBrush.i, i.i, angle.d, radius.i
Dim star.POINT(9)

If CreateImage(0, #Size, #Size, 24, RGB(255, 255, 255))
  hDC = StartDrawing(ImageOutput(0))
  If hDC
    ; Raster in hellem Grau
    hPen = CreatePen_(#PS_DOT, 1, RGB(180, 180, 180))
    hOldPen = SelectObject_(hDC, hPen)
    For i = 0 To #Size Step 30
      MoveToEx_(hDC, i, 0, 0) : LineTo_(hDC, i, #Size)
      MoveToEx_(hDC, 0, i, 0) : LineTo_(hDC, #Size, i)
    Next
    SelectObject_(hDC, hOldPen)
    DeleteObject_(hPen)

    ; Zehn Eckpunkte, abwechselnd außen und innen
    For i = 0 To 9
      radius = 130
      If i % 2 : radius = 55 : EndIf
      angle = Radian(i * 36 - 90)
      star(i)\x = #Size / 2 + radius * Cos(angle)
      star(i)\y = #Size / 2 + radius * Sin(angle)
    Next

    hPen   = CreatePen_(#PS_SOLID, 2, RGB(160, 100, 0))
    hBrush = CreateSolidBrush_(RGB(250, 200, 60))
    hOldPen   = SelectObject_(hDC, hPen)
    hOldBrush = SelectObject_(hDC, hBrush)
    SetPolyFillMode_(hDC, #WINDING)
    Polygon_(hDC, @star(0), 10)
    SelectObject_(hDC, hOldPen)
    SelectObject_(hDC, hOldBrush)
    DeleteObject_(hPen)
    DeleteObject_(hBrush)
    StopDrawing()
  EndIf

  If OpenWindow(0, 0, 0, #Size, #Size, "Linien und Vielecke", #PB_Window_SystemMenu | #PB_Window_ScreenCentered)
    ImageGadget(0, 0, 0, #Size, #Size, ImageID(0))
    Repeat
    Until WaitWindowEvent() = #PB_Event_CloseWindow
  EndIf
EndIf