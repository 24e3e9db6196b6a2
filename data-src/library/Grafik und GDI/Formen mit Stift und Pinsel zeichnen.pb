; ------------------------------------------------------------------
; Formen mit Stift und Pinsel zeichnen
; Ein GDI-Stift (CreatePen) zeichnet Umrisse, ein Pinsel
; (CreateSolidBrush) füllt Flächen. SelectObject setzt sie in den
; Gerätekontext und gibt das alte Objekt zurück, das am Ende wieder
; hinein muss, bevor die eigenen Objekte gelöscht werden.
; StartDrawing liefert unter Windows den Gerätekontext des Bildes.
; ------------------------------------------------------------------
EnableExplicit

Define hDC.i, hPen.i, hBrush.i, hOldPen.i, hOldBrush.i

If CreateImage(0, 400, 240, 24, RGB(255, 255, 255))
  hDC = StartDrawing(ImageOutput(0))
  If hDC
    hPen   = CreatePen_(#PS_SOLID, 3, RGB(30, 60, 120))
    hBrush = CreateSolidBrush_(RGB(120, 170, 230))
    hOldPen   = SelectObject_(hDC, hPen)
    hOldBrush = SelectObject_(hDC, hBrush)

    Rectangle_(hDC, 20, 20, 130, 120)
    Ellipse_(hDC, 150, 20, 260, 120)
    RoundRect_(hDC, 280, 20, 380, 120, 30, 30)

    ; Ein Pinsel mit Schraffur für die zweite Reihe
    SelectObject_(hDC, hOldBrush)
    DeleteObject_(hBrush)
    hBrush = CreateHatchBrush_(#HS_DIAGCROSS, RGB(200, 80, 60))
    SelectObject_(hDC, hBrush)
    Pie_(hDC, 20, 140, 130, 230, 130, 185, 75, 140)
    Chord_(hDC, 150, 140, 260, 230, 260, 140, 150, 230)

    SelectObject_(hDC, hOldPen)
    SelectObject_(hDC, hOldBrush)
    DeleteObject_(hPen)
    DeleteObject_(hBrush)
    StopDrawing()
  EndIf

  If OpenWindow(0, 0, 0, 400, 240, "GDI-Formen", #PB_Window_SystemMenu | #PB_Window_ScreenCentered)
    ImageGadget(0, 0, 0, 400, 240, ImageID(0))
    Repeat
    Until WaitWindowEvent() = #PB_Event_CloseWindow
  EndIf
EndIf
