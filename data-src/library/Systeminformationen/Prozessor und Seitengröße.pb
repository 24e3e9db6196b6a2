; ------------------------------------------------------------------
; Prozessor und Seitengröße
; GetNativeSystemInfo füllt SYSTEM_INFO mit der wirklichen Architektur,
; auch wenn ein 32-Bit-Programm unter 64-Bit-Windows läuft. Dazu
; kommen Zahl der logischen Prozessoren und Seitengröße;
; IsProcessorFeaturePresent fragt einzelne Fähigkeiten ab.
; ------------------------------------------------------------------
EnableExplicit

CompilerIf Not Defined(PF_AVX2_INSTRUCTIONS_AVAILABLE, #PB_Constant)
  #PF_AVX2_INSTRUCTIONS_AVAILABLE = 40
CompilerEndIf

Define info.SYSTEM_INFO, architecture$, report$

GetNativeSystemInfo_(@info)

Select info\wProcessorArchitecture & $FFFF
  Case 9  : architecture$ = "x64 (AMD64)"
  Case 12 : architecture$ = "ARM64"
  Case 0  : architecture$ = "x86"
  Default : architecture$ = "andere (" + Str(info\wProcessorArchitecture & $FFFF) + ")"
EndSelect

report$ = "Architektur:" + #TAB$ + architecture$ + #CRLF$
report$ + "Prozessoren:" + #TAB$ + Str(info\dwNumberOfProcessors) + #CRLF$
report$ + "Seitengröße:" + #TAB$ + Str(info\dwPageSize) + " Bytes" + #CRLF$
report$ + "Zuteilung:" + #TAB$ + Str(info\dwAllocationGranularity) + " Bytes" + #CRLF$
report$ + "AVX2:" + #TAB$ + #TAB$
If IsProcessorFeaturePresent_(#PF_AVX2_INSTRUCTIONS_AVAILABLE)
  report$ + "vorhanden"
Else
  report$ + "nicht vorhanden"
EndIf

MessageBox_(0, report$, "Prozessor", #MB_OK | #MB_ICONINFORMATION)
