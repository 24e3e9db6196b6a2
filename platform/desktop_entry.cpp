#include "platform/desktop_entry.h"

namespace codarium::platform {
namespace {

// Blanks at both ends, and the CR a CR LF line leaves at its end. A piece
// of blanks and CRs alone is empty, whichever comes first.
std::string_view trimmed(std::string_view text) {
    const auto first = text.find_first_not_of(" \t");
    const auto last = text.find_last_not_of(" \t\r");
    if (first == std::string_view::npos || last == std::string_view::npos) {
        return {};
    }
    return text.substr(first, last - first + 1);
}

// Calls visit(key, value) for every entry of group `group`, in file order.
template <typename Visit>
void forEachEntry(std::string_view keyFile, std::string_view group, Visit visit) {
    bool inGroup = false;
    while (!keyFile.empty()) {
        const auto end = keyFile.find('\n');
        const std::string_view line = trimmed(keyFile.substr(0, end));
        keyFile.remove_prefix(end == std::string_view::npos ? keyFile.size() : end + 1);
        if (line.empty() || line.front() == '#') {
            continue;
        }
        if (line.front() == '[') {
            inGroup =
                line.size() >= 2 && line.back() == ']' && line.substr(1, line.size() - 2) == group;
            continue;
        }
        const auto equals = line.find('=');
        if (inGroup && equals != std::string_view::npos) {
            visit(trimmed(line.substr(0, equals)), trimmed(line.substr(equals + 1)));
        }
    }
}

// The general escapes of key file values.
std::string unescapedValue(std::string_view value) {
    std::string out;
    out.reserve(value.size());
    for (std::size_t i = 0; i < value.size(); ++i) {
        if (value[i] != '\\' || i + 1 == value.size()) {
            out += value[i];
            continue;
        }
        switch (value[++i]) {
        case 's':
            out += ' ';
            break;
        case 'n':
            out += '\n';
            break;
        case 't':
            out += '\t';
            break;
        case 'r':
            out += '\r';
            break;
        default: // "\\" and escapes meant for the Exec quoting stay for the next step
            if (value[i] != '\\') {
                out += '\\';
            }
            out += value[i];
            break;
        }
    }
    return out;
}

} // namespace

std::vector<std::string> associatedDesktopIds(std::string_view keyFile, std::string_view group,
                                              std::string_view mimeType) {
    std::vector<std::string> ids;
    forEachEntry(keyFile, group, [&](std::string_view key, std::string_view value) {
        if (key != mimeType) {
            return;
        }
        while (!value.empty()) {
            const auto semicolon = value.find(';');
            const std::string_view id = trimmed(value.substr(0, semicolon));
            if (!id.empty()) {
                ids.emplace_back(id);
            }
            value.remove_prefix(semicolon == std::string_view::npos ? value.size() : semicolon + 1);
        }
    });
    return ids;
}

std::string desktopEntryExec(std::string_view desktopFile) {
    std::string exec;
    bool found = false;
    forEachEntry(desktopFile, "Desktop Entry", [&](std::string_view key, std::string_view value) {
        if (!found && key == "Exec") {
            exec = unescapedValue(value);
            found = true;
        }
    });
    return exec;
}

std::vector<std::string> execArguments(std::string_view exec) {
    std::vector<std::string> args;
    std::string current;
    bool inArgument = false;
    bool onlyFieldCodes = true; // the argument so far held nothing but field codes
    bool quoted = false;
    const auto finish = [&] {
        if (inArgument && !(onlyFieldCodes && current.empty())) {
            args.push_back(current);
        }
        current.clear();
        inArgument = false;
        onlyFieldCodes = true;
    };
    for (std::size_t i = 0; i < exec.size(); ++i) {
        const char c = exec[i];
        if (quoted) {
            if (c == '"') {
                quoted = false;
            } else if (c == '\\' && i + 1 < exec.size() &&
                       std::string_view("\"`$\\").find(exec[i + 1]) != std::string_view::npos) {
                current += exec[++i];
            } else {
                current += c;
            }
            continue;
        }
        if (c == ' ' || c == '\t' || c == '\n') {
            finish();
            continue;
        }
        inArgument = true;
        if (c == '"') {
            quoted = true;
            onlyFieldCodes = false;
        } else if (c == '%' && i + 1 < exec.size()) {
            // Field codes stand for what the desktop passes in (files,
            // addresses, the icon): none of it belongs to the program.
            if (exec[++i] == '%') {
                current += '%';
                onlyFieldCodes = false;
            }
        } else {
            current += c;
            onlyFieldCodes = false;
        }
    }
    finish();
    return args;
}

} // namespace codarium::platform
