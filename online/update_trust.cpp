#include "online/update_trust.h"

#include "online/minisign_signature.h"
#include "online/update_index.h"
#include "online/update_state.h"
#include "platform/code_page.h"
#include "platform/file_system.h"
#include "platform/paths.h"
#include "runtime/server_config.h"

namespace codarium::online {

IndexVerdict checkIndexTrust(std::string_view programDirectory) {
    std::string keyText;
    std::string signature;
    std::string index;
    if (!platform::readWholeFile(platform::joinPath(programDirectory, PublicKeyFileName),
                                 keyText)) {
        return {IndexTrust::NoKey, 0};
    }
    const auto key = parseMinisignKey(keyText);
    if (!key) {
        return {IndexTrust::NoKey, 0};
    }
    if (!platform::readWholeFile(platform::joinPath(programDirectory, SignatureFileName),
                                 signature) ||
        !platform::readWholeFile(platform::joinPath(programDirectory, IndexFileName), index)) {
        return {IndexTrust::NotSigned, 0};
    }
    const SignatureResult result = verifyMinisign(*key, signature, index);
    if (result.check != SignatureCheck::Valid) {
        return {IndexTrust::NotSigned, 0};
    }
    const auto timestamp = trustedTimestamp(result.trustedComment);
    if (!timestamp) {
        return {IndexTrust::NoTimestamp, 0};
    }
    if (*timestamp < lastInstalledTimestamp(programDirectory)) {
        return {IndexTrust::Older, *timestamp};
    }
    return {IndexTrust::Trusted, *timestamp};
}

std::string indexTrustFailureText(IndexTrust trust) {
    switch (trust) {
    case IndexTrust::Trusted:
        return {};
    case IndexTrust::NoKey:
        return platform::fromUtf8("Der öffentliche Schlüssel des Herstellers "
                                  "(Aktualisierung.pub) fehlt oder ist beschädigt, daher kann "
                                  "die Aktualisierung nicht geprüft werden.");
    case IndexTrust::NotSigned:
        return platform::fromUtf8("Die Aktualisierung ist nicht gültig signiert.");
    case IndexTrust::NoTimestamp:
        return platform::fromUtf8("Die Aktualisierung ist nicht gültig signiert: Die Signatur "
                                  "nennt keinen Zeitpunkt.");
    case IndexTrust::Older:
        return platform::fromUtf8("Der Server bietet eine ältere Version an als die "
                                  "installierte. Sie wird nicht installiert.");
    }
    return {};
}

int maxReleaseAgeDays(std::string_view programDirectory) {
    return readServerConfig(serverConfigPath(programDirectory))
        .maxReleaseAgeDays.value_or(DefaultMaxReleaseAgeDays);
}

std::optional<std::int64_t> tooOldByDays(std::int64_t signedAt, std::int64_t now, int maxDays) {
    if (maxDays <= 0 || now <= signedAt) {
        return std::nullopt;
    }
    const std::int64_t days = (now - signedAt) / 86400;
    if (days <= maxDays) {
        return std::nullopt;
    }
    return days;
}

std::string releaseAgeNote(std::int64_t days) {
    return platform::fromUtf8("Hinweis: Der Server bietet eine Version an, die vor ") +
           std::to_string(days) +
           platform::fromUtf8(" Tagen signiert wurde. Ob es eine neuere gibt, sagt die "
                              "Seite des Herstellers.");
}

} // namespace codarium::online
