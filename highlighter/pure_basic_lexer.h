#pragma once
// Colours PureBasic source into runs of one class each (rules: highlight_class.h).
#include "highlighter/highlight_class.h"

#include <cstddef>
#include <string_view>

namespace codarium::highlighter {

// Receives the runs of one colouring pass.
class RunSink {
public:
    virtual void run(std::size_t offset, std::size_t length, HighlightClass colour) = 0;

protected:
    ~RunSink() = default;
};

// Calls sink.run for consecutive runs that cover the whole text in order, each
// of length at least 1; two neighbouring runs never have the same class. The
// sink may throw; the exception then leaves this function.
void highlightPureBasic(std::string_view text, RunSink& sink);

} // namespace codarium::highlighter
