#include "library/admin_messages.h"

#include "platform/code_page.h"
#include "platform/ui_text.h"

#include <algorithm>

namespace codarium::library {
namespace {

using platform::ui;

// A name set in German quotation marks. A very long one is cut short, so
// that the message box stays narrower than the screen.
std::string quoted(std::string_view name) {
    constexpr std::size_t Shown = 40;
    if (name.size() > Shown + 10) {
        return ui("„") + std::string(name.substr(0, Shown)) + ui("…“");
    }
    return ui("„") + std::string(name) + ui("“");
}

constexpr std::string_view CaseNote =
    " (Groß- und Kleinschreibung werden dabei nicht unterschieden).";

} // namespace

std::string nameProblemText(NameProblem problem) {
    switch (problem) {
    case NameProblem::None:
        return {};
    case NameProblem::Empty:
        return ui("Der Name ist leer.");
    case NameProblem::DotName:
        return ui("„.“ und „..“ sind als Name nicht erlaubt.");
    case NameProblem::ReservedCharacter:
        return ui("Ein Name darf keines der Zeichen / \\ : * ? \" < > | enthalten.");
    case NameProblem::ControlCharacter:
        return ui("Ein Name darf keine Steuerzeichen (etwa Tabulatoren) enthalten.");
    case NameProblem::TrailingDotOrBlank:
        return ui("Ein Name darf nicht mit einem Punkt oder einem Leerzeichen enden.");
    case NameProblem::DeviceName:
        return ui("Gerätenamen wie CON, PRN, AUX, NUL, COM1 bis COM9 und LPT1 bis LPT9 sind als "
                  "Name nicht erlaubt, auch nicht mit einer Endung.");
    case NameProblem::CategoryListName:
        return ui("Der Name „Kategorien“ ist für die Liste der Kategorien reserviert.");
    case NameProblem::ListFileEnding:
        return ui("Ein Kategoriename darf nicht auf „.ini“ oder „.tmp“ enden.");
    case NameProblem::TooLong:
        return ui("Der Name ist zu lang für die Dateien, die unter ihm angelegt werden: Er darf "
                  "höchstens ") +
               std::to_string(longestNewName()) +
               ui(" Zeichen lang sein, wobei Umlaute und andere Sonderzeichen doppelt, manche "
                  "dreifach zählen.");
    }
    return {};
}

std::string refusalMessage(EditKind kind, const EditResult& result, std::string_view category,
                           std::string_view title) {
    const std::string rule = "\r" + nameProblemText(result.problem);
    switch (result.refusal) {
    case Refusal::None:
        return {};
    case Refusal::CategoryExists:
        return ui("Die Kategorie ") + quoted(category) + ui(" gibt es bereits") + ui(CaseNote);
    case Refusal::TitleExists:
        return ui("In der Kategorie ") + quoted(category) + ui(" gibt es bereits einen Code ") +
               quoted(title) + ui(CaseNote);
    case Refusal::UnsafeCategory:
        switch (kind) {
        case EditKind::CreateCategory:
            return ui("Der Name ") + quoted(category) +
                   ui(" kann nicht für eine Kategorie verwendet werden.") + rule;
        case EditKind::RemoveCategory:
            return ui("Die Kategorie ") + quoted(category) + ui(" kann nicht entfernt werden.") +
                   rule;
        case EditKind::AddCode:
            return ui("In der Kategorie ") + quoted(category) +
                   ui(" kann kein Code gespeichert werden.") + rule;
        case EditKind::RemoveCode:
            return ui("Der Code ") + quoted(title) + ui(" kann nicht entfernt werden.") + rule;
        }
        return {};
    case Refusal::UnsafeTitle:
        if (kind == EditKind::RemoveCode) {
            return ui("Der Code ") + quoted(title) + ui(" kann nicht entfernt werden.") + rule;
        }
        return ui("Der Titel ") + quoted(title) + ui(" kann nicht verwendet werden.") + rule;
    }
    return {};
}

std::string failureMessage(EditKind kind) {
    switch (kind) {
    case EditKind::CreateCategory:
        return ui("Die Kategorie konnte nicht vollständig erstellt werden.");
    case EditKind::RemoveCategory:
        return ui("Die Kategorie konnte nicht vollständig entfernt werden.");
    case EditKind::AddCode:
        return ui("Der Code konnte nicht vollständig gespeichert werden.");
    case EditKind::RemoveCode:
        return ui("Der Code konnte nicht vollständig entfernt werden.");
    }
    return {};
}

namespace {

// "U+0141": the number by which the character can be looked up. The
// character itself cannot be shown in a program text.
std::string codePointName(char32_t character) {
    static constexpr char Digits[] = "0123456789ABCDEF";
    std::string hex;
    for (char32_t rest = character; rest != 0 || hex.size() < 4; rest >>= 4) {
        hex.insert(hex.begin(), Digits[rest & 0xF]);
    }
    return "U+" + hex;
}

// The end of what stands before the character, enough to find it.
std::string textBefore(std::string_view before) {
    constexpr std::size_t Shown = 20;
    if (before.size() <= Shown) {
        return quoted(before);
    }
    return ui("„…") + std::string(before.substr(before.size() - Shown)) + ui("“");
}

// Where the character stands in a name or title: at its start, or after
// the text before it.
std::string placeInName(TypedField field, const platform::ExactCodePageText& typed) {
    struct Words {
        const char* first; // UTF-8
        const char* within;
    };
    const Words words = [field]() -> Words {
        switch (field) {
        case TypedField::CategoryName:
            return {"Das erste Zeichen des Namens", " im Namen"};
        case TypedField::LinkCommand:
            return {"Das erste Zeichen des Befehls", " im Befehl"};
        case TypedField::LinkAddress:
            return {"Das erste Zeichen der Adresse", " in der Adresse"};
        case TypedField::CodeTitle:
        case TypedField::CodeSource:
            break;
        }
        return {"Das erste Zeichen des Titels", " im Titel"};
    }();
    if (typed.missingIndex == 0) {
        return ui(words.first);
    }
    return ui("Das Zeichen nach ") + textBefore(typed.bytes) + ui(words.within);
}

// Its line and column in a code; the text before it ends its lines with CR LF.
std::string placeInCode(const platform::ExactCodePageText& typed) {
    const std::string_view before = typed.bytes;
    const auto lineStart = before.rfind('\n');
    const std::size_t line =
        static_cast<std::size_t>(std::count(before.begin(), before.end(), '\n')) + 1;
    const std::size_t column =
        lineStart == std::string_view::npos ? before.size() + 1 : before.size() - lineStart;
    return ui("Das Zeichen in Zeile ") + std::to_string(line) + ui(", Spalte ") +
           std::to_string(column) + ui(" des Codes");
}

} // namespace

std::string unstorableCharacterMessage(TypedField field, const platform::ExactCodePageText& typed) {
    if (typed.complete()) {
        return {};
    }
    const std::string place =
        field == TypedField::CodeSource ? placeInCode(typed) : placeInName(field, typed);
    return place + " (Unicode " + codePointName(*typed.missing) + ")" +
           ui(" kann in der Bibliothek nicht gespeichert werden.\r"
              "Die Bibliothek speichert nur die Zeichen des westeuropäischen "
              "Zeichensatzes Windows-1252. Bitte ersetzen Sie das Zeichen durch ein "
              "anderes.");
}

std::string noCategoryMessage() {
    return ui("Es gibt noch keine Kategorie, in die ein Code aufgenommen werden kann.\r"
              "Bitte erstellen Sie zuerst eine Kategorie.");
}

} // namespace codarium::library
