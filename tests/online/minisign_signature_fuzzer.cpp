// Arbitrary bytes as a public key file, as a signature file and as a trusted
// comment. Besides not crashing: no such signature is ever taken as valid
// for a fixed key, and a time found in a comment is positive.
#include "online/minisign_signature.h"

#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace codarium::online;
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    static const MinisignKey fixed = [] {
        MinisignKey key;
        key.keyId.fill(0x11);
        key.publicKey.fill(0x22);
        return key;
    }();
    if (const auto key = parseMinisignKey(input)) {
        static_cast<void>(verifyMinisign(*key, input, input));
    }
    if (verifyMinisign(fixed, input, "Index.ini").check == SignatureCheck::Valid) {
        std::abort();
    }
    if (const auto time = trustedTimestamp(input); time && *time <= 0) {
        std::abort();
    }
    return 0;
}
