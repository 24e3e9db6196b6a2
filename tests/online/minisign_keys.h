#pragma once
// Key pairs and signatures made by the real minisign tool, for tests of the
// signed release index.
#include <QProcess>
#include <QStringList>
#include <filesystem>
#include <optional>
#include <string>

namespace codarium::testsupport {

struct SigningKey {
    std::filesystem::path publicKey;
    std::filesystem::path secretKey;
};

inline bool runMinisign(const QStringList& arguments) {
    QProcess minisign;
    minisign.start("minisign", arguments);
    return minisign.waitForFinished(20000) && minisign.exitStatus() == QProcess::NormalExit &&
           minisign.exitCode() == 0;
}

// A key pair without a password in the folder, named after `name`.
inline SigningKey makeSigningKey(const std::filesystem::path& folder, const std::string& name) {
    std::filesystem::create_directories(folder);
    SigningKey key{folder / (name + ".pub"), folder / (name + ".key")};
    std::filesystem::remove(key.publicKey);
    std::filesystem::remove(key.secretKey);
    runMinisign({"-G", "-W", "-p", QString::fromStdString(key.publicKey.string()), "-s",
                 QString::fromStdString(key.secretKey.string())});
    return key;
}

// Signs file into file.minisig; the trusted comment is minisign's own (the
// time now) unless given; legacy signs the file itself instead of its hash.
inline bool signFile(const SigningKey& key, const std::filesystem::path& file,
                     const std::optional<std::string>& trustedComment = std::nullopt,
                     bool legacy = false) {
    QStringList arguments{"-S", "-s", QString::fromStdString(key.secretKey.string()), "-m",
                          QString::fromStdString(file.string())};
    if (trustedComment) {
        arguments << "-t" << QString::fromStdString(*trustedComment);
    }
    if (legacy) {
        arguments << "-l";
    }
    return runMinisign(arguments);
}

} // namespace codarium::testsupport
