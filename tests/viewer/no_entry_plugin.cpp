// A shared library that is not a highlighter: it lacks "SyntaxHighlight".
extern "C" __attribute__((visibility("default"))) int SyntaxHighlighting() {
    return 0;
}
