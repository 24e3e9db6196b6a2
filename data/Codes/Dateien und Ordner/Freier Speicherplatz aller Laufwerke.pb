; ------------------------------------------------------------------
; Freier Speicherplatz aller Laufwerke
; GetLogicalDriveStrings liefert alle Laufwerke als Folge von Texten
; ("C:\", "D:\" ...), jeder mit einem Nullzeichen abgeschlossen.
; GetDriveType bestimmt die Art, GetDiskFreeSpaceEx Größe und freien Platz.
; ------------------------------------------------------------------
EnableExplicit

Procedure.s DriveKind(root$)
  Select GetDriveType_(root$)
    Case #DRIVE_FIXED     : ProcedureReturn "Festplatte"
    Case #DRIVE_REMOVABLE : ProcedureReturn "Wechseldatenträger"
    Case #DRIVE_CDROM     : ProcedureReturn "CD/DVD"
    Case #DRIVE_REMOTE    : ProcedureReturn "Netzlaufwerk"
    Case #DRIVE_RAMDISK   : ProcedureReturn "RAM-Disk"
  EndSelect
  ProcedureReturn "unbekannt"
EndProcedure

Define *drives, *pos, root$, report$
Define freeToCaller.q, total.q, totalFree.q

*drives = AllocateMemory(1024 * SizeOf(Character))
If *drives And GetLogicalDriveStrings_(1023, *drives)
  *pos = *drives
  While PeekC(*pos) <> 0
    root$ = PeekS(*pos)
    report$ + root$ + "  " + DriveKind(root$)
    If GetDiskFreeSpaceEx_(root$, @freeToCaller, @total, @totalFree)
      report$ + ":  " + StrD(freeToCaller / 1073741824.0, 1) + " von " + StrD(total / 1073741824.0, 1) + " GB frei"
    EndIf
    report$ + #CRLF$
    *pos + (Len(root$) + 1) * SizeOf(Character)
  Wend
  MessageBox_(0, report$, "Laufwerke", #MB_OK | #MB_ICONINFORMATION)
EndIf

If *drives
  FreeMemory(*drives)
EndIf