#pragma once
// Checking a detached signature in minisign's format against a public key:
// Ed25519 over the file itself ("Ed", the older form) or over its BLAKE2b-512
// hash ("ED"), and a second signature over that signature and the trusted
// comment, which carries the time the file was signed.
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace codarium::online {

struct MinisignKey {
    std::array<unsigned char, 8> keyId{};
    std::array<unsigned char, 32> publicKey{};
};

// The key of a public key file (an "untrusted comment:" line, then the key in
// base64) or of the bare base64 line; none when it is no Ed25519 key.
std::optional<MinisignKey> parseMinisignKey(std::string_view text);

enum class SignatureCheck {
    Valid,
    Malformed,         // no signature file of this format
    OtherKey,          // signed, but with another key
    BadSignature,      // the file is not what was signed
    BadTrustedComment, // the trusted comment was altered
};

struct SignatureResult {
    SignatureCheck check = SignatureCheck::Malformed;
    std::string trustedComment; // only when Valid
};

SignatureResult verifyMinisign(const MinisignKey& key, std::string_view signatureText,
                               std::string_view message);

// The number after "timestamp:" at the start of the trusted comment or after
// a tab in it; none when there is none.
std::optional<std::int64_t> trustedTimestamp(std::string_view trustedComment);

} // namespace codarium::online
