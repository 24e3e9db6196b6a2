#pragma once
// The interface of a SyntaxHilighting plug-in: a shared library that exports
// one C function, SyntaxHighlight. The plug-in built here and every program
// that loads one include this header, so both sides agree on one declaration.
//
// SyntaxHighlight(text, length, callback, 0) colours `length` bytes of a
// zero-terminated text. The callback receives a pointer into the passed text,
// a run's length in bytes (at least 1) and its class (0 to 12). Runs come in
// order and cover the text; every call happens before the function returns.
// The callback's result is ignored. A null text or callback, or a length below
// 1, colours nothing. Nothing escapes the plug-in: an exception, even one
// thrown by the callback, ends the pass. The fourth argument is reserved;
// callers pass 0 and it is not read.

#if defined(_WIN32)
#define CODARIUM_PLUGIN_EXPORT __declspec(dllexport)
#else
#define CODARIUM_PLUGIN_EXPORT __attribute__((visibility("default")))
#endif

extern "C" {
using SyntaxHighlightCallback = int (*)(const char* position, int length, int colour);

CODARIUM_PLUGIN_EXPORT void SyntaxHighlight(const char* text, int length,
                                            SyntaxHighlightCallback callback,
                                            int reserved) noexcept;
}

// The entry point as the loader holds it, and the name it looks it up by.
using SyntaxHighlightEntry = decltype(&SyntaxHighlight);
inline constexpr char SyntaxHighlightSymbol[] = "SyntaxHighlight";
