#include "online/minisign_signature.h"

#include <charconv>
#include <sodium.h>
#include <vector>

namespace codarium::online {
namespace {

constexpr std::string_view UntrustedPrefix = "untrusted comment:";
constexpr std::string_view TrustedPrefix = "trusted comment: ";

// The lines of the text without their ends ("\n", or "\r\n" from a server that
// changed them).
std::vector<std::string_view> linesOf(std::string_view text) {
    std::vector<std::string_view> lines;
    while (!text.empty()) {
        const auto end = text.find('\n');
        std::string_view line = text.substr(0, end);
        if (!line.empty() && line.back() == '\r') {
            line.remove_suffix(1);
        }
        lines.push_back(line);
        if (end == std::string_view::npos) {
            break;
        }
        text.remove_prefix(end + 1);
    }
    return lines;
}

// Exactly `size` bytes of base64, or none.
std::optional<std::vector<unsigned char>> decoded(std::string_view base64, std::size_t size) {
    std::vector<unsigned char> bytes(size + 3);
    std::size_t length = 0;
    const char* end = nullptr;
    if (sodium_base642bin(bytes.data(), bytes.size(), base64.data(), base64.size(), nullptr,
                          &length, &end, sodium_base64_VARIANT_ORIGINAL) != 0 ||
        end != base64.data() + base64.size() || length != size) {
        return std::nullopt;
    }
    bytes.resize(size);
    return bytes;
}

bool sodiumReady() {
    // Safe to call from any thread and any number of times.
    return sodium_init() >= 0;
}

} // namespace

std::optional<MinisignKey> parseMinisignKey(std::string_view text) {
    const auto lines = linesOf(text);
    std::size_t at = 0;
    if (!lines.empty() && lines[0].starts_with(UntrustedPrefix)) {
        at = 1;
    }
    if (at >= lines.size() || !sodiumReady()) {
        return std::nullopt;
    }
    const auto bytes = decoded(lines[at], 2 + 8 + 32);
    if (!bytes || (*bytes)[0] != 'E' || (*bytes)[1] != 'd') {
        return std::nullopt;
    }
    MinisignKey key;
    std::copy(bytes->begin() + 2, bytes->begin() + 10, key.keyId.begin());
    std::copy(bytes->begin() + 10, bytes->end(), key.publicKey.begin());
    return key;
}

SignatureResult verifyMinisign(const MinisignKey& key, std::string_view signatureText,
                               std::string_view message) {
    SignatureResult result;
    const auto lines = linesOf(signatureText);
    if (lines.size() < 4 || !lines[0].starts_with(UntrustedPrefix) ||
        !lines[2].starts_with(TrustedPrefix) || !sodiumReady()) {
        return result;
    }
    const auto signature = decoded(lines[1], 2 + 8 + crypto_sign_BYTES);
    const auto global = decoded(lines[3], crypto_sign_BYTES);
    if (!signature || !global) {
        return result;
    }
    const unsigned char* algorithm = signature->data();
    const bool prehashed = algorithm[0] == 'E' && algorithm[1] == 'D';
    const bool legacy = algorithm[0] == 'E' && algorithm[1] == 'd';
    if (!prehashed && !legacy) {
        return result;
    }
    if (!std::equal(key.keyId.begin(), key.keyId.end(), signature->begin() + 2)) {
        result.check = SignatureCheck::OtherKey;
        return result;
    }
    const unsigned char* fileSignature = signature->data() + 10;
    const auto* bytes = reinterpret_cast<const unsigned char*>(message.data());
    int verified = -1;
    if (prehashed) {
        std::array<unsigned char, crypto_generichash_BYTES_MAX> hash{};
        crypto_generichash(hash.data(), hash.size(), bytes, message.size(), nullptr, 0);
        verified = crypto_sign_verify_detached(fileSignature, hash.data(), hash.size(),
                                               key.publicKey.data());
    } else {
        verified =
            crypto_sign_verify_detached(fileSignature, bytes, message.size(), key.publicKey.data());
    }
    if (verified != 0) {
        result.check = SignatureCheck::BadSignature;
        return result;
    }
    // The trusted comment is signed together with the file's signature, so
    // that neither can be paired with another.
    const std::string_view comment = lines[2].substr(TrustedPrefix.size());
    std::vector<unsigned char> signedComment(fileSignature, fileSignature + crypto_sign_BYTES);
    signedComment.insert(signedComment.end(), comment.begin(), comment.end());
    if (crypto_sign_verify_detached(global->data(), signedComment.data(), signedComment.size(),
                                    key.publicKey.data()) != 0) {
        result.check = SignatureCheck::BadTrustedComment;
        return result;
    }
    result.check = SignatureCheck::Valid;
    result.trustedComment = std::string(comment);
    return result;
}

std::optional<std::int64_t> trustedTimestamp(std::string_view trustedComment) {
    constexpr std::string_view Key = "timestamp:";
    std::size_t at = 0;
    if (!trustedComment.starts_with(Key)) {
        at = trustedComment.find(std::string("\t") + std::string(Key));
        if (at == std::string_view::npos) {
            return std::nullopt;
        }
        ++at;
    }
    const std::string_view digits = trustedComment.substr(at + Key.size());
    std::int64_t value = 0;
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
    if (error != std::errc() || end == digits.data() || value <= 0 ||
        (end != digits.data() + digits.size() && *end != '\t')) {
        return std::nullopt;
    }
    return value;
}

} // namespace codarium::online
