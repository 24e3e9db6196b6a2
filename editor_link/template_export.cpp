#include "editor_link/template_export.h"

#include "editor_link/template_code.h"
#include "library/search_core.h"
#include "platform/atomic_save.h"
#include "platform/code_page.h"
#include "platform/file_mode.h"
#include "platform/file_system.h"
#include "platform/paths.h"
#include "runtime/text_file.h"

#include <algorithm>
#include <filesystem>
#include <set>

namespace codarium::editor_link {

using platform::ReplaceMode;
using platform::writeFileAtomically;

namespace {

// The directory block's name: the program's own.
constexpr std::string_view BlockName = "Codarium";

void appendLine(std::string& out, std::string_view text) {
    out += text;
    out += "\r\n";
}

// The code of one file on one line, already in UTF-8. A file with a UTF-8
// byte-order mark is UTF-8 already; every other file is in the code page.
std::string escapedCode(const std::string& path) {
    const textfile::FileId file = textfile::openRead(textfile::AnyFile, path);
    if (file == 0) {
        return {};
    }
    const bool utf8 = textfile::detectBom(file) == TextEncoding::Utf8;
    std::string code, line;
    bool first = true;
    while (!textfile::atEnd(file)) {
        textfile::readLine(file, line);
        appendTemplateCodeLine(code, line, first);
        first = false;
    }
    textfile::close(file);
    return utf8 ? code : platform::toUtf8(code);
}

// A UTF-8 text less its last `count` characters (not bytes).
std::string withoutLastCharacters(std::string_view text, int count) {
    std::size_t end = text.size();
    for (int k = 0; k < count && end > 0; ++k) {
        --end;
        while (end > 0 && (static_cast<unsigned char>(text[end]) & 0xC0) == 0x80) {
            --end;
        }
    }
    return std::string(text.substr(0, end));
}

class TemplateWalk {
public:
    explicit TemplateWalk(std::string& out) : out_(out) {}

    void directory(const std::string& path) {
        if (!firstVisit(path)) {
            return;
        }
        auto entries = platform::listDirectory(path);
        // Sorted as the library sorts its names; the folder's names are
        // native, that is UTF-8 already, as the editor reads them.
        std::sort(entries.begin(), entries.end(), [](const auto& a, const auto& b) {
            const std::string la = platform::libraryFormOf(a.name);
            const std::string lb = platform::libraryFormOf(b.name);
            return la != lb ? library::searchOrderLess(la, lb) : a.name < b.name;
        });
        for (const auto& entry : entries) {
            const std::string child = platform::joinPath(path, entry.name);
            if (entry.isDirectory) {
                appendLine(out_, "Directory: " + entry.name);
                directory(child);
                appendLine(out_, "CloseDirectory");
            } else {
                file(entry.name, child);
            }
        }
    }

private:
    void file(const std::string& name, const std::string& path) {
        // The last three characters are the extension, whatever they are.
        const std::string title = withoutLastCharacters(name, 3);
        appendLine(out_, "Template: " + title);
        appendLine(out_, "  Comment: " + title);
        appendLine(out_, "  Code: " + escapedCode(path));
    }

    // A folder linked into its own subtree would otherwise be walked forever.
    bool firstVisit(const std::string& path) {
        std::error_code ec;
        const auto canonical = std::filesystem::canonical(path, ec);
        return ec || visited_.insert(canonical.string()).second;
    }

    std::string& out_;
    std::set<std::string> visited_;
};

// Everything after the first two lines of the old file, whatever its line
// ends; false when the file cannot be read whole.
bool readOldTemplates(std::string_view path, std::string& rest) {
    const textfile::FileId file = textfile::openRead(textfile::AnyFile, path);
    if (file == 0) {
        return false;
    }
    // The header and the version line are written anew.
    static_cast<void>(textfile::readLine(file));
    static_cast<void>(textfile::readLine(file));
    const std::int64_t count = textfile::length(file) - textfile::position(file);
    rest.assign(static_cast<std::size_t>(std::max<std::int64_t>(count, 0)), '\0');
    const bool complete = count <= 0 || textfile::readBytes(file, rest.data(), count) == count;
    textfile::close(file);
    return complete;
}

} // namespace

std::string templatesFilePath() {
    const std::string home = platform::environmentValue("HOME");
    if (home.empty()) {
        return {};
    }
    return platform::joinPath(platform::joinPath(home, ".purebasic"), "templates.prefs");
}

bool templatesFileExists(std::string_view templatesPath) {
    return !templatesPath.empty() && platform::pathExists(templatesPath);
}

void writeTemplateEntries(std::string_view directory, std::string& out) {
    TemplateWalk(out).directory(std::string(directory));
}

TemplateExport exportTemplatesTo(std::string_view templatesPath, std::string_view codesDirectory) {
    std::string rest;
    if (!readOldTemplates(templatesPath, rest)) {
        return TemplateExport::TemplatesUnreadable;
    }
    // The rename would replace a file its owner made read-only; the editor
    // opens it for update, and so must we.
    if (!platform::mayChangeFile(templatesPath)) {
        return TemplateExport::TemplatesReadOnly;
    }
    std::string out;
    appendLine(out, "TEMPLATES:1.0");
    appendLine(out, "0");
    appendLine(out, "Directory: " + std::string(BlockName));
    writeTemplateEntries(codesDirectory, out);
    appendLine(out, "CloseDirectory");
    out += rest;
    // Complete, flushed and closed before one rename puts it in place.
    if (!writeFileAtomically(std::string(templatesPath), out, ReplaceMode::Replace)) {
        return TemplateExport::NotWritten;
    }
    return TemplateExport::Done;
}

} // namespace codarium::editor_link
