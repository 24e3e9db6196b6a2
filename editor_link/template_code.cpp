#include "editor_link/template_code.h"

namespace codarium::editor_link {

void appendTemplateCodeLine(std::string& code, std::string_view line, bool first) {
    if (!first) {
        code += "\\n";
    }
    for (const char c : line) {
        code += c;
        if (c == '\\') {
            code += '\\';
        }
    }
}

} // namespace codarium::editor_link
