#include "highlight_document.h"

#include <array>

namespace codarium::bench {
namespace {

// One block; the counter keeps names and numbers changing from block to block.
std::string block(std::size_t n) {
    const std::string i = std::to_string(n);
    std::string s;
    s += "; Example " + i + ": list the windows of the desktop\r\n";
    s += "#WINDOW_LIMIT_" + i + " = $" + std::to_string(1000 + n % 9000) + "\r\n";
    s += "Structure WindowEntry" + i + "\r\n";
    s += "  Handle.i\r\n  Title.s{256}\r\n  *Next.WindowEntry" + i + "\r\nEndStructure\r\n\r\n";
    s += "Procedure.l EnumProc" + i + "(hWnd.i, lParam.i)\r\n";
    s += "  Protected Title.s = Space(256), *Entry.WindowEntry" + i + " = lParam\r\n";
    s += "  GetWindowText_(hWnd, @Title, 255) ; the caption\r\n";
    s += "  If Len(Title) > 0 And IsWindowVisible_(hWnd)\r\n";
    s += "    Debug \"Window \" + Str(hWnd) + \": \" + Title\r\n";
    s += "    *Entry\\Handle = hWnd : *Entry\\Title = Title\r\n";
    s += "  ElseIf hWnd = #Null\r\n    ProcedureReturn #False\r\n  EndIf\r\n";
    s += "  ProcedureReturn #True\r\nEndProcedure\r\n\r\n";
    s += "Define Entry.WindowEntry" + i + ", Count.l = " + i + ", Ratio.f = 0." + i + "\r\n";
    s += "EnumWindows_(@EnumProc" + i + "(), @Entry)\r\n";
    s += "For k = 0 To Count - 1 Step 2\r\n";
    s += "  Value = (k * 16) % #WINDOW_LIMIT_" + i + " | $FF & ~%1010\r\n";
    s += "Next k\r\n";
    s += "Label" + i + ":\r\n";
    s += "!mov eax, dword [v_Count]\r\n!add eax, " + i + "\r\n";
    s += "MessageRequester(\"Info\", \"Found \" + Str(Count) + \" windows\", "
         "#PB_MessageRequester_Ok)\r\n\r\n";
    return s;
}

} // namespace

std::string pureBasicDocument(std::size_t bytes) {
    std::string doc;
    doc.reserve(bytes + 2048);
    for (std::size_t n = 1; doc.size() < bytes; ++n) {
        doc += block(n);
    }
    // Cut at a line end so that the last line is whole.
    const std::size_t cut = doc.rfind("\r\n", bytes);
    doc.resize(cut == std::string::npos ? bytes : cut + 2);
    return doc;
}

} // namespace codarium::bench
