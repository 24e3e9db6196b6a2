#pragma once
// The updater's journal: what an update is about to change in the program
// directory, saved before the first change of each kind so that an update
// that ends half way (killed, power cut) can be finished or undone by the
// next updater run or program start.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace codarium::online {

inline constexpr std::string_view JournalFileName = "Aktualisierung.journal";

enum class JournalPhase {
    Fetching,    // files are being fetched beside their targets; nothing renamed yet
    Replacing,   // every fetched file is intact; they are being renamed into place
    RollingBack, // the replacement is being undone
};

struct JournalFile {
    std::string path; // release path ("/" separated), relative to the program directory
    std::string digest;
    std::int64_t size = 0;
    bool hadPrevious = false; // an installed file was there when the update began
};

struct UpdateJournal {
    JournalPhase phase = JournalPhase::Fetching;
    std::int64_t timestamp = 0;       // the release's signed time; 0 when unknown
    std::vector<std::string> folders; // made by this update, outermost first
    std::vector<JournalFile> files;
};

std::string journalText(const UpdateJournal& journal);
// None for a text that is no journal of this kind.
std::optional<UpdateJournal> parseJournal(std::string_view text);

// Written whole through the atomic save, so that it is always either the
// previous state or the new one.
bool saveJournal(std::string_view programDirectory, const UpdateJournal& journal);
// None when there is no journal (or it cannot be read).
std::optional<UpdateJournal> loadJournal(std::string_view programDirectory);
bool journalExists(std::string_view programDirectory);
void removeJournal(std::string_view programDirectory);

} // namespace codarium::online
