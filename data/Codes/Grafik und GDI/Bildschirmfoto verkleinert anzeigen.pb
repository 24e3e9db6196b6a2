; ------------------------------------------------------------------
; Bildschirmfoto verkleinert anzeigen
; GetDC(0) liefert den Gerätekontext des ganzen Bildschirms.
; StretchBlt kopiert ihn verkleinert in ein Bild; #HALFTONE sorgt für
; eine ordentliche Verkleinerung. ReleaseDC gibt den Kontext zurück.
; ------------------------------------------------------------------
EnableExplicit

#ThumbWidth = 480

Define hScreen.i, hDC.i, screenWidth.i, screenHeight.i, thumbHeight.i

screenWidth  = GetSystemMetrics_(#SM_CXSCREEN)
screenHeight = GetSystemMetrics_(#SM_CYSCREEN)
thumbHeight  = #ThumbWidth * screenHeight / screenWidth

If CreateImage(0, #ThumbWidth, thumbHeight, 24)
  hScreen = GetDC_(0)
  hDC = StartDrawing(ImageOutput(0))
  If hDC And hScreen
    SetStretchBltMode_(hDC, #HALFTONE)
    StretchBlt_(hDC, 0, 0, #ThumbWidth, thumbHeight, hScreen, 0, 0, screenWidth, screenHeight, #SRCCOPY)
  EndIf
  If hDC
    StopDrawing()
  EndIf
  If hScreen
    ReleaseDC_(0, hScreen)
  EndIf

  If OpenWindow(0, 0, 0, #ThumbWidth, thumbHeight, "Bildschirmfoto", #PB_Window_SystemMenu | #PB_Window_ScreenCentered)
    ImageGadget(0, 0, 0, #ThumbWidth, thumbHeight, ImageID(0))
    Repeat
    Until WaitWindowEvent() = #PB_Event_CloseWindow
  EndIf
EndIf