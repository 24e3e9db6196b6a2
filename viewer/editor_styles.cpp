#include "viewer/editor_styles.h"

#include "platform/paths.h"
#include "runtime/prefs_file.h"

namespace codarium::viewer {
namespace {

struct ClassKey {
    const char* key;
    std::int32_t defaultColour;
};

constexpr std::array<ClassKey, highlighter::highlightClassCount> classKeys{{
    {"NormalTextColor", 0},
    {"BasicKeywordColor", 0x9D030D},
    {"CommentColor", 0x6F884A},
    {"ConstantColor", 0x0B46AE},
    {"StringColor", 0x413C33},
    {"PureKeywordColor", 0xEF303D},
    {"ASMKeywordColor", 0x400080},
    {"OperatorColor", 0x0000FF},
    {"StructureColor", 0x0548B4},
    {"NumberColor", 0x0000FF},
    {"PointerColor", 0x0507B4},
    {"SeparatorColor", 0},
    {"LabelColor", 0x804000},
}};

} // namespace

std::string editorPrefsPath() {
    const std::string home = platform::environmentValue("HOME");
    if (home.empty()) {
        return ""; // no home, no editor settings: not a file beside the program
    }
    return platform::joinPath(platform::joinPath(home, ".purebasic"), "purebasic.prefs");
}

EditorStyles readEditorStyles(std::string_view prefsPath, std::int32_t buttonFace) {
    EditorStyles styles;
    PrefsFile prefs;
    // Without the file every read below yields its default.
    prefs.openFile(prefsPath);
    prefs.selectGroup("Editor");
    styles.background = prefs.readInteger("BackgroundColor", styles.background);
    styles.fontName = prefs.readString("EditorFontName", styles.fontName);
    styles.fontSize = prefs.readInteger("EditorFontSize", styles.fontSize);
    styles.selectionFore = prefs.readInteger("SelectionFrontColor", styles.selectionFore);
    styles.selectionBack = prefs.readInteger("SelectionColor", styles.selectionBack);
    for (std::size_t i = 0; i < classKeys.size(); ++i) {
        styles.classColours[i] = prefs.readInteger(classKeys[i].key, classKeys[i].defaultColour);
    }
    styles.lineNumberBack = prefs.readInteger("LineNumberBackColor", buttonFace);
    styles.lineNumberFore = prefs.readInteger("LineNumberColor", styles.lineNumberFore);
    prefs.close();
    return styles;
}

} // namespace codarium::viewer
