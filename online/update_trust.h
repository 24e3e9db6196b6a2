#pragma once
// Whether the release index in the program directory comes from the maker:
// its minisign signature checked against the maker's public key beside the
// program, and its signed time no earlier than that of the release last
// installed. The update check and the updater both ask, each on its own.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace codarium::online {

inline constexpr std::string_view PublicKeyFileName = "Aktualisierung.pub";
inline constexpr std::string_view SignatureFileName = "Index.ini.minisig";
// The longest signature file the check downloads; a real one has four short
// lines.
inline constexpr std::int64_t MaxSignatureBytes = 4096;
// A release signed longer ago than this many days is still offered, with a
// note on its age; "MaximalesAlter" in Konfiguration.ini sets another number,
// 0 none.
inline constexpr int DefaultMaxReleaseAgeDays = 180;

enum class IndexTrust {
    Trusted,
    NoKey,       // the public key file is missing or no key
    NotSigned,   // no signature, another key's, or a file altered after signing
    NoTimestamp, // a valid signature whose trusted comment names no time
    Older,       // signed before the release that is installed
};

struct IndexVerdict {
    IndexTrust trust = IndexTrust::NotSigned;
    std::int64_t timestamp = 0; // the signed time, when Trusted
};

// Reads Index.ini, Index.ini.minisig, Aktualisierung.pub and the record of
// the installed release from the program directory.
IndexVerdict checkIndexTrust(std::string_view programDirectory);

// The German sentence for a verdict other than Trusted (program text).
std::string indexTrustFailureText(IndexTrust trust);

// "MaximalesAlter" from Konfiguration.ini in the program directory.
int maxReleaseAgeDays(std::string_view programDirectory);

// Whole days between the signed time and now, when that is more than
// maxDays (and maxDays is above 0); none otherwise.
std::optional<std::int64_t> tooOldByDays(std::int64_t signedAt, std::int64_t now, int maxDays);
// The note added to the check's box for such a release (program text).
std::string releaseAgeNote(std::int64_t days);

} // namespace codarium::online
