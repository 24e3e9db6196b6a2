; ------------------------------------------------------------------
; Programm starten und auf das Ende warten
; CreateProcess startet ein Programm und liefert Handles auf Prozess
; und Hauptthread. WaitForSingleObject wartet auf das Ende,
; GetExitCodeProcess holt den Rückgabewert. Beide Handles schließen!
; ------------------------------------------------------------------
EnableExplicit

Define si.STARTUPINFO, pi.PROCESS_INFORMATION
Define commandLine$, exitCode.l

si\cb          = SizeOf(STARTUPINFO)
si\dwFlags     = #STARTF_USESHOWWINDOW
si\wShowWindow = #SW_SHOWNORMAL

; CreateProcess darf die Befehlszeile verändern, daher eine Variable
commandLine$ = "notepad.exe"

If CreateProcess_(0, @commandLine$, 0, 0, #False, 0, 0, 0, @si, @pi)
  MessageBox_(0, "Editor gestartet (PID " + Str(pi\dwProcessId) + ")." + #CRLF$ +
                 "Nach OK wartet dieses Programm, bis der Editor geschlossen wird.",
              "CreateProcess", #MB_OK | #MB_ICONINFORMATION)

  WaitForSingleObject_(pi\hProcess, #INFINITE)
  GetExitCodeProcess_(pi\hProcess, @exitCode)

  CloseHandle_(pi\hThread)
  CloseHandle_(pi\hProcess)

  MessageBox_(0, "Der Editor wurde mit Code " + Str(exitCode) + " beendet.", "CreateProcess", #MB_OK | #MB_ICONINFORMATION)
Else
  MessageBox_(0, "Start fehlgeschlagen, Fehler " + Str(GetLastError_()), "CreateProcess", #MB_OK | #MB_ICONERROR)
EndIf