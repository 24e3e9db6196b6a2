// Styles the same PureBasic bytes in a code view (style-needed notifications,
// the highlighter plug-in, one SCI_STARTSTYLING/SCI_SETSTYLING pair per run)
// and in a view coloured by the component's built-in C++ lexer, in one run.
// Prints "<name> <ours ms> <tool ms>" per measurement, medians of repetitions.
// Usage: highlight_bench LARGE_DOCUMENT SMALL_DOCUMENT [plug-in path]
// (default plug-in: SyntaxHilighting.so in the working directory, as the
// program loads it)
#include "viewer/code_view.h"
#include "widgets/object_registry.h"
#include "widgets/scintilla_gadget.h"
#include "widgets/windows.h"

#include <QApplication>
#include <Qsci/qscilexercpp.h>
#include <Qsci/qsciscintilla.h>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <fstream>
#include <functional>
#include <iterator>
#include <vector>

namespace {

using namespace codarium;

constexpr int BenchWindow = 0;
constexpr int OurView = 4;
constexpr int LexerView = 5;
constexpr unsigned SetText = 2181, GetEndStyled = 2028, GetStyleAt = 2010, SetCodePage = 2037,
                   Colourise = 4003;

double medianMs(int reps, const std::function<void()>& run) {
    std::vector<double> times;
    for (int i = 0; i < reps; ++i) {
        const auto t0 = std::chrono::steady_clock::now();
        run();
        const auto t1 = std::chrono::steady_clock::now();
        times.push_back(std::chrono::duration<double, std::milli>(t1 - t0).count());
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

std::string readDocument(const char* path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void setText(int view, const std::string& text) {
    widgets::sendScintilla(view, SetText, 0, reinterpret_cast<std::intptr_t>(text.c_str()));
}

void styleAll(int view) {
    widgets::sendScintilla(view, Colourise, 0, -1);
}

// Both views must really have styled the whole text, or the times mean nothing.
bool fullyStyled(int view, const std::string& text) {
    if (widgets::sendScintilla(view, GetEndStyled) != static_cast<std::intptr_t>(text.size())) {
        return false;
    }
    int coloured = 0;
    for (std::size_t i = 0; i < text.size(); i += 97) {
        coloured += widgets::sendScintilla(view, GetStyleAt, i) != 0 ? 1 : 0;
    }
    return coloured > 0;
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    if (argc < 3) {
        std::fprintf(stderr, "usage: highlight_bench LARGE_DOCUMENT SMALL_DOCUMENT [PLUG-IN]\n");
        return 2;
    }
    const std::string big = readDocument(argv[1]);
    const std::string small = readDocument(argv[2]);
    if (big.empty() || small.empty()) {
        std::fprintf(stderr, "highlight_bench: cannot read the documents\n");
        return 1;
    }
    const std::string plugin = argc > 3 ? argv[3] : std::string("SyntaxHilighting.so");
    // Both views sit in one window, as every gadget does.
    if (!widgets::openWindow(BenchWindow, 0, 0, 1600, 600, "highlight_bench",
                             widgets::DialogFlags)) {
        std::fprintf(stderr, "highlight_bench: cannot open a window\n");
        return 1;
    }
    if (viewer::createCodeView(OurView, BenchWindow, 0, 0, 800, 600, plugin) == 0) {
        std::fprintf(stderr, "highlight_bench: cannot load the highlighter %s\n", plugin.c_str());
        return 1;
    }
    widgets::createScintillaGadget(LexerView, BenchWindow, 800, 0, 800, 600);
    widgets::sendScintilla(LexerView, SetCodePage, 0);
    auto* lexerView = widgets::gadgetAs<QsciScintilla>(LexerView);
    lexerView->setLexer(new QsciLexerCPP(lexerView));

    setText(OurView, big);
    setText(LexerView, big);
    const double oursBig = medianMs(7, [] { styleAll(OurView); });
    const double lexerBig = medianMs(7, [] { styleAll(LexerView); });
    if (!fullyStyled(OurView, big) || !fullyStyled(LexerView, big)) {
        std::fprintf(stderr, "highlight_bench: the 1 MB text was not styled completely\n");
        return 1;
    }

    // A typical code: shown (text set) and coloured completely.
    const double oursSmall = medianMs(301, [&] {
        viewer::setText(OurView, small);
        styleAll(OurView);
    });
    const double lexerSmall = medianMs(301, [&] {
        setText(LexerView, small);
        styleAll(LexerView);
    });
    if (!fullyStyled(OurView, small) || !fullyStyled(LexerView, small)) {
        std::fprintf(stderr, "highlight_bench: the 5 KB text was not styled completely\n");
        return 1;
    }

    std::printf("highlight %.6f %.6f\n", oursBig, lexerBig);
    std::printf("highlight-5k %.6f %.6f\n", oursSmall, lexerSmall);
    return 0;
}
