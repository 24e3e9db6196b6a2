; Lists the files of a folder with their sizes, newest first.
Structure FileInfo
  name.s
  size.q
  modified.i
EndStructure

NewList files.FileInfo()

Procedure.s FormatSize(bytes.q)
  If bytes >= 1024 * 1024
    ProcedureReturn StrF(bytes / (1024.0 * 1024.0), 2) + " MB"
  ElseIf bytes >= 1024
    ProcedureReturn StrF(bytes / 1024.0, 1) + " KB"
  EndIf
  ProcedureReturn Str(bytes) + ~" B\t"
EndProcedure

Define folder$ = GetTemporaryDirectory()
If ExamineDirectory(0, folder$, "*.*")
  While NextDirectoryEntry(0)
    If DirectoryEntryType(0) = #PB_DirectoryEntry_File
      AddElement(files())
      files()\name = DirectoryEntryName(0)
      files()\size = DirectoryEntrySize(0)
      files()\modified = DirectoryEntryDate(0, #PB_Date_Modified)
    EndIf
  Wend
  FinishDirectory(0)
EndIf

SortStructuredList(files(), #PB_Sort_Descending, OffsetOf(FileInfo\modified), TypeOf(FileInfo\modified))

OpenConsole()
ForEach files()
  PrintN(LSet(files()\name, 40) + FormatSize(files()\size) + "  " + FormatDate("%yyyy-%mm-%dd", files()\modified))
Next
Input()
