; ------------------------------------------------------------------
; Text mit eigener Schrift ausgeben
; CreateFont erzeugt eine Schrift in Wunschgröße und -stärke. Mit
; SetBkMode(#TRANSPARENT) bleibt der Hintergrund sichtbar,
; GetTextExtentPoint32 misst den Text, und DrawText zentriert ihn.
; ------------------------------------------------------------------
EnableExplicit

Define hDC.i, hFont.i, hOldFont.i, extent.SIZE, box.RECT, text$

text$ = "Hallo GDI!"

If CreateImage(0, 400, 160, 24, RGB(250, 245, 230))
  hDC = StartDrawing(ImageOutput(0))
  If hDC
    hFont = CreateFont_(-36, 0, 0, 0, #FW_BOLD, #False, #False, #False, #DEFAULT_CHARSET,
                        #OUT_DEFAULT_PRECIS, #CLIP_DEFAULT_PRECIS, #CLEARTYPE_QUALITY,
                        #DEFAULT_PITCH | #FF_SWISS, "Segoe UI")
    hOldFont = SelectObject_(hDC, hFont)
    SetBkMode_(hDC, #TRANSPARENT)

    ; Schatten und Text an fester Stelle
    SetTextColor_(hDC, RGB(200, 190, 170))
    TextOut_(hDC, 23, 13, text$, Len(text$))
    SetTextColor_(hDC, RGB(150, 40, 30))
    TextOut_(hDC, 20, 10, text$, Len(text$))

    ; Breite und Höhe des Textes in Pixeln
    GetTextExtentPoint32_(hDC, text$, Len(text$), @extent)

    ; Derselbe Text mittig im unteren Bereich
    SetRect_(@box, 0, 70, 400, 160)
    SetTextColor_(hDC, RGB(30, 60, 120))
    DrawText_(hDC, Str(extent\cx) + " x " + Str(extent\cy) + " Pixel", -1, @box, #DT_CENTER | #DT_VCENTER | #DT_SINGLELINE)

    SelectObject_(hDC, hOldFont)
    DeleteObject_(hFont)
    StopDrawing()
  EndIf

  If OpenWindow(0, 0, 0, 400, 160, "Schrift", #PB_Window_SystemMenu | #PB_Window_ScreenCentered)
    ImageGadget(0, 0, 0, 400, 160, ImageID(0))
    Repeat
    Until WaitWindowEvent() = #PB_Event_CloseWindow
  EndIf
EndIf