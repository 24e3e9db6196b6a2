#include "highlighter/pure_basic_lexer.h"

#include "highlighter/char_classes.h"
#include "highlighter/word_lists.h"
#include "highlighter/word_set.h"

namespace codarium::highlighter {
namespace {

using namespace chars;

// Joins neighbouring runs of one class before they reach the sink, so that the
// sink sees few calls.
class RunJoiner {
public:
    explicit RunJoiner(RunSink& sink) : sink_(sink) {}

    void add(std::size_t start, std::size_t end, HighlightClass colour) {
        if (end <= start)
            return;
        if (colour != colour_ && end_ > start_) {
            sink_.run(start_, end_ - start_, colour_);
            start_ = start;
        }
        colour_ = colour;
        end_ = end;
    }

    void finish() {
        if (end_ > start_)
            sink_.run(start_, end_ - start_, colour_);
        start_ = end_;
    }

private:
    RunSink& sink_;
    std::size_t start_ = 0;
    std::size_t end_ = 0;
    HighlightClass colour_ = HighlightClass::NormalText;
};

// What the previous token says about the next name.
enum class NextName {
    Any,           // classified by its own spelling
    TypeName,      // after '.' that follows a name: r.RECT
    StructureName, // after Structure, Interface, Extends
    FieldName,     // after '\': never a keyword
};

class Lexer {
public:
    Lexer(std::string_view text, RunSink& sink)
        : text_(reinterpret_cast<const unsigned char*>(text.data())), size_(text.size()),
          out_(sink) {}

    void run() {
        startLine();
        while (pos_ < size_)
            token();
        out_.finish();
    }

private:
    unsigned char at(std::size_t i) const { return i < size_ ? text_[i] : 0; }
    bool lineGoesOn(std::size_t i) const { return i < size_ && !isLineEnd(text_[i]); }

    void startLine() {
        atLineStart_ = true;
        expectOperand_ = true;
        nextName_ = NextName::Any;
        scopedType_ = false;
        nameEnd_ = static_cast<std::size_t>(-1);
    }

    void emit(std::size_t end, HighlightClass colour) {
        out_.add(pos_, end, colour);
        pos_ = end;
    }

    std::size_t skipBlanks(std::size_t i) const {
        while (i < size_ && isBlank(text_[i]))
            ++i;
        return i;
    }

    std::size_t nameEnd(std::size_t i) const {
        while (i < size_ && isNameChar(text_[i]))
            ++i;
        if (at(i) == '$')
            ++i;
        return i;
    }

    std::size_t lineEndFrom(std::size_t i) const {
        while (lineGoesOn(i))
            ++i;
        return i;
    }

    void token() {
        const unsigned char c = text_[pos_];
        if (isLineEnd(c)) {
            emit(pos_ + 1, HighlightClass::NormalText);
            startLine();
            return;
        }
        if (isBlank(c)) {
            emit(skipBlanks(pos_), HighlightClass::NormalText);
            return;
        }
        const bool lineStart = atLineStart_;
        atLineStart_ = false;
        const NextName nextName = nextName_;
        nextName_ = NextName::Any;
        if (isNameStart(c)) {
            name(lineStart, nextName);
            return;
        }
        const bool scoped = scopedType_;
        scopedType_ = false;
        const unsigned char next = at(pos_ + 1);
        if (c == ';') {
            emit(lineEndFrom(pos_), HighlightClass::Comment);
        } else if (c == '!' && lineStart) {
            std::size_t end = pos_;
            while (lineGoesOn(end) && text_[end] != ';')
                ++end;
            emit(end, HighlightClass::AsmKeyword);
        } else if (c == '"' || c == '\'') {
            string(pos_ + 1, c);
        } else if (c == '~' && next == '"') {
            escapedString();
        } else if (c == '#' && isNameStart(next)) {
            emit(nameEnd(pos_ + 1), HighlightClass::Constant);
            expectOperand_ = false;
        } else if (isDigit(c) || (c == '.' && expectOperand_ && isDigit(next))) {
            decimalNumber();
        } else if (c == '$' && isHexDigit(next)) {
            std::size_t end = pos_ + 1;
            while (end < size_ && isHexDigit(text_[end]))
                ++end;
            emit(end, HighlightClass::Number);
            expectOperand_ = false;
        } else if (c == '%' && expectOperand_ && (next == '0' || next == '1')) {
            std::size_t end = pos_ + 1;
            while (at(end) == '0' || at(end) == '1')
                ++end;
            emit(end, HighlightClass::Number);
            expectOperand_ = false;
        } else if (c == '*' && expectOperand_ && isNameStart(next)) {
            const std::size_t end = nameEnd(pos_ + 1);
            emit(end, HighlightClass::Pointer);
            nameEnd_ = end;
            expectOperand_ = false;
        } else if (c == ':') {
            colon(next, scoped);
        } else if (isSeparatorChar(c)) {
            separator(c, next);
        } else if (isOperatorChar(c)) {
            emit(pos_ + 1, HighlightClass::Operator);
            expectOperand_ = true;
        } else {
            emit(pos_ + 1, HighlightClass::NormalText);
        }
    }

    void name(bool lineStart, NextName nextName) {
        const std::size_t start = pos_;
        const std::size_t end = nameEnd(pos_);
        const std::string_view word(reinterpret_cast<const char*>(text_) + start, end - start);
        const bool scoped = scopedType_;
        scopedType_ = false;
        nameEnd_ = end;
        expectOperand_ = false;

        if (nextName == NextName::TypeName || nextName == NextName::StructureName) {
            emit(end, HighlightClass::Structure);
            // x.Module::Type: the part after "::" is the type.
            scopedType_ = nextName == NextName::TypeName && at(end) == ':' && at(end + 1) == ':' &&
                          isNameStart(at(end + 2));
            return;
        }
        if (nextName == NextName::FieldName) {
            emit(end, HighlightClass::NormalText);
            return;
        }
        if (scoped) {
            emit(end, HighlightClass::Structure);
            return;
        }
        // No keyword ends in '_', the mark of an API call: those names need
        // no lookup.
        const bool keyword = word.back() != '_' && isBasicKeyword(word);
        if (lineStart && !keyword && at(end) == ':' && at(end + 1) != ':') {
            emit(end + 1, HighlightClass::Label);
            expectOperand_ = true;
            return;
        }
        if (lineStart && looksLikeInstruction(word, end)) {
            emit(end, HighlightClass::AsmKeyword);
            expectOperand_ = true;
            return;
        }
        if (keyword) {
            emit(end, HighlightClass::BasicKeyword);
            expectOperand_ = true;
            if (equalIgnoringCase(word, "Structure") || equalIgnoringCase(word, "Interface") ||
                equalIgnoringCase(word, "Extends"))
                nextName_ = NextName::StructureName;
            return;
        }
        const bool call = at(skipBlanks(end)) == '(';
        if (call && ((word.size() > 1 && word.back() == '_') || isLibraryFunction(word))) {
            emit(end, HighlightClass::PureKeyword);
            return;
        }
        emit(end, HighlightClass::NormalText);
    }

    // An x86 instruction opening a line: the mnemonic followed by an operand,
    // or alone when it takes none.
    bool looksLikeInstruction(std::string_view word, std::size_t end) const {
        if (!isAsmMnemonic(word))
            return false;
        const std::size_t next = skipBlanks(end);
        if (!lineGoesOn(next) || at(next) == ';')
            return isOperandlessAsmMnemonic(word);
        if (next == end)
            return false;
        const unsigned char c = text_[next];
        return isNameStart(c) || isDigit(c) || c == '[';
    }

    void string(std::size_t from, unsigned char quote) {
        std::size_t end = from;
        while (lineGoesOn(end) && text_[end] != quote)
            ++end;
        if (at(end) == quote)
            ++end;
        emit(end, HighlightClass::String);
        expectOperand_ = false;
    }

    void escapedString() {
        std::size_t end = pos_ + 2;
        while (lineGoesOn(end) && text_[end] != '"') {
            if (text_[end] == '\\' && lineGoesOn(end + 1))
                ++end;
            ++end;
        }
        if (at(end) == '"')
            ++end;
        emit(end, HighlightClass::String);
        expectOperand_ = false;
    }

    void decimalNumber() {
        std::size_t end = pos_;
        while (isDigit(at(end)))
            ++end;
        if (at(end) == '.' && isDigit(at(end + 1))) {
            end += 2;
            while (isDigit(at(end)))
                ++end;
        }
        if (at(end) == 'e' || at(end) == 'E') {
            std::size_t exponent = end + 1;
            if (at(exponent) == '+' || at(exponent) == '-')
                ++exponent;
            if (isDigit(at(exponent))) {
                end = exponent;
                while (isDigit(at(end)))
                    ++end;
            }
        }
        emit(end, HighlightClass::Number);
        expectOperand_ = false;
    }

    void colon(unsigned char next, bool scoped) {
        if (next == ':') {
            emit(pos_ + 2, HighlightClass::Separator);
            scopedType_ = scoped;
        } else {
            emit(pos_ + 1, HighlightClass::Separator);
        }
        expectOperand_ = true;
    }

    void separator(unsigned char c, unsigned char next) {
        if (c == '.' && nameEnd_ == pos_ && isNameStart(next))
            nextName_ = NextName::TypeName;
        else if (c == '\\')
            nextName_ = NextName::FieldName;
        emit(pos_ + 1, HighlightClass::Separator);
        expectOperand_ = c == '(' || c == ',' || c == '[' || c == '{';
    }

    const unsigned char* text_;
    std::size_t size_;
    RunJoiner out_;
    std::size_t pos_ = 0;

    bool atLineStart_ = true;   // no token yet on this line
    bool expectOperand_ = true; // the next token starts an operand
    NextName nextName_ = NextName::Any;
    bool scopedType_ = false; // the name after the coming "::" is a type
    std::size_t nameEnd_ = 0; // where the last name or pointer ended
};

} // namespace

void highlightPureBasic(std::string_view text, RunSink& sink) {
    Lexer(text, sink).run();
}

} // namespace codarium::highlighter
