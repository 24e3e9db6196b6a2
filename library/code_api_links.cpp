#include "library/code_api_links.h"

#include "highlighter/api_calls.h"
#include "library/link_file.h"

#include <algorithm>

namespace codarium::library {
namespace {

std::string foldedName(std::string_view name) {
    std::string folded(name);
    std::transform(folded.begin(), folded.end(), folded.begin(), [](char c) {
        return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
    });
    return folded;
}

void addCallEntries(std::vector<LinkMenuEntry>& entries, const std::vector<CataloguedCall>& calls,
                    std::size_t k) {
    const int offset = static_cast<int>(k);
    entries.push_back({LinkMenuEntry::Kind::Item, FirstApiLinkCommand + offset, calls[k].name});
    entries.push_back({LinkMenuEntry::Kind::Item, FirstApiCallersCommand + offset,
                       callersEntryText(calls[k].name)});
}

} // namespace

std::vector<CataloguedCall> cataloguedCalls(std::string_view code, const ApiLinkMap& catalogue) {
    std::vector<CataloguedCall> calls;
    for (std::string& name : highlighter::apiCallsOf(code)) {
        if (calls.size() >= static_cast<std::size_t>(MostApiEntries)) {
            break;
        }
        std::string address = catalogueLink(catalogue, name);
        if (!address.empty()) {
            calls.push_back({std::move(name), std::move(address)});
        }
    }
    return calls;
}

std::optional<std::size_t> cataloguedCallIndexAt(std::string_view code, std::size_t position,
                                                 const ApiLinkMap& catalogue) {
    const auto sites = highlighter::apiCallSites(code);
    const highlighter::ApiCallSite* site = highlighter::apiCallAt(sites, position);
    if (site == nullptr) {
        return std::nullopt;
    }
    // The list keeps a function's first spelling; a later call may differ in case.
    const std::string wanted = foldedName(highlighter::apiFunctionName(code, *site));
    const auto calls = cataloguedCalls(code, catalogue);
    for (std::size_t k = 0; k < calls.size(); ++k) {
        if (foldedName(calls[k].name) == wanted) {
            return k;
        }
    }
    return std::nullopt;
}

std::string callersEntryText(std::string_view function) {
    return "Codes mit " + std::string(function) + "_()";
}

std::vector<LinkMenuEntry> linkMenuEntries(const std::vector<std::string>& linkNames,
                                           const std::vector<CataloguedCall>& calls,
                                           std::optional<std::size_t> first) {
    std::vector<LinkMenuEntry> entries;
    const bool leading = first && *first < calls.size();
    if (leading) {
        addCallEntries(entries, calls, *first);
        if (!linkNames.empty() || calls.size() > 1) {
            entries.push_back({LinkMenuEntry::Kind::Separator, 0, {}});
        }
    }
    int command = FirstLinkCommand;
    for (const std::string& name : linkNames) {
        entries.push_back({LinkMenuEntry::Kind::Item, command++, name});
    }
    const bool moreCalls = calls.size() > (leading ? 1u : 0u);
    if (!linkNames.empty() && moreCalls) {
        entries.push_back({LinkMenuEntry::Kind::Separator, 0, {}});
    }
    for (std::size_t k = 0; k < calls.size(); ++k) {
        if (!leading || k != *first) {
            addCallEntries(entries, calls, k);
        }
    }
    if (entries.empty()) {
        entries.push_back(
            {LinkMenuEntry::Kind::Disabled, NoLinksCommand, std::string(NoLinksText)});
    }
    return entries;
}

} // namespace codarium::library
