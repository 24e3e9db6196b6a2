// Signatures made by the real minisign tool, checked by the program: both of
// minisign's forms, another key, a file or trusted comment altered after
// signing, and the rules built on them (no older release than installed, a
// note on an old one).
#include "online/minisign_signature.h"
#include "online/update_state.h"
#include "online/update_trust.h"
#include "tests/online/minisign_keys.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <unistd.h>

namespace codarium::online {
namespace {

namespace fs = std::filesystem;
using testsupport::makeSigningKey;
using testsupport::signFile;
using testsupport::SigningKey;

std::string read(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}
void write(const fs::path& path, std::string_view bytes) {
    std::ofstream(path, std::ios::binary).write(bytes.data(), std::streamsize(bytes.size()));
}

class SignatureTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        root_ = fs::temp_directory_path() / ("codarium-minisign-" + std::to_string(::getpid()));
        fs::remove_all(root_);
        maker_ = makeSigningKey(root_ / "keys", "maker");
        other_ = makeSigningKey(root_ / "keys", "other");
    }
    static void TearDownTestSuite() { fs::remove_all(root_); }

    void SetUp() override {
        program_ = root_ / ::testing::UnitTest::GetInstance()->current_test_info()->name();
        fs::create_directories(program_);
        write(program_ / "Index.ini", "Codarium\r\n900150983cd24fb0d6963f7d28e17f72\r\n3\r\n");
        fs::copy_file(maker_.publicKey, program_ / "Aktualisierung.pub");
    }

    MinisignKey key(const SigningKey& k) const { return *parseMinisignKey(read(k.publicKey)); }
    std::string index() const { return read(program_ / "Index.ini"); }
    std::string signature() const { return read(program_ / "Index.ini.minisig"); }

    static fs::path root_;
    static SigningKey maker_, other_;
    fs::path program_;
};

fs::path SignatureTest::root_;
SigningKey SignatureTest::maker_, SignatureTest::other_;

TEST_F(SignatureTest, BothFormsOfTheMakersSignatureAreValidAndAnythingAlteredIsNot) {
    ASSERT_TRUE(parseMinisignKey(read(maker_.publicKey)));
    for (const bool legacy : {false, true}) {
        SCOPED_TRACE(legacy ? "legacy" : "prehashed");
        ASSERT_TRUE(signFile(maker_, program_ / "Index.ini", std::nullopt, legacy));
        const std::string sig = signature();
        const SignatureResult valid = verifyMinisign(key(maker_), sig, index());
        EXPECT_EQ(valid.check, SignatureCheck::Valid);
        EXPECT_TRUE(trustedTimestamp(valid.trustedComment));

        std::string oneByte = index();
        oneByte[3] ^= 1;
        std::string comment = sig;
        comment.insert(comment.find("\ntrusted comment: ") + 18, "x");
        std::string crlf;
        for (char c : sig) {
            crlf += c == '\n' ? std::string("\r\n") : std::string(1, c);
        }
        const std::string lines = sig.substr(0, sig.find("\ntrusted comment:") + 1);
        const struct {
            const char* what;
            MinisignKey key;
            std::string signature;
            std::string message;
            SignatureCheck expected;
        } cases[] = {
            {"another key", key(other_), sig, index(), SignatureCheck::OtherKey},
            {"one byte of the file", key(maker_), sig, oneByte, SignatureCheck::BadSignature},
            {"a longer file", key(maker_), sig, index() + "x", SignatureCheck::BadSignature},
            {"the trusted comment", key(maker_), comment, index(),
             SignatureCheck::BadTrustedComment},
            {"line ends of a server", key(maker_), crlf, index(), SignatureCheck::Valid},
            {"no trusted comment", key(maker_), lines, index(), SignatureCheck::Malformed},
            {"empty", key(maker_), "", index(), SignatureCheck::Malformed},
            {"an HTML page", key(maker_), "<html>302 Found</html>\n", index(),
             SignatureCheck::Malformed},
        };
        for (const auto& c : cases) {
            EXPECT_EQ(verifyMinisign(c.key, c.signature, c.message).check, c.expected) << c.what;
        }
    }
    EXPECT_FALSE(parseMinisignKey(""));
    EXPECT_FALSE(parseMinisignKey("untrusted comment: x\nRWQ=\n"));
    EXPECT_FALSE(parseMinisignKey(read(maker_.secretKey))) << "a secret key is no public key";
}

TEST_F(SignatureTest, TheTrustedTimeIsTakenFromItsField) {
    const struct {
        const char* comment;
        std::optional<std::int64_t> time;
    } cases[] = {
        {"timestamp:1765000000\tfile:Index.ini\thashed", 1765000000},
        {"timestamp:1765000000", 1765000000},
        {"file:Index.ini\ttimestamp:42", 42},
        {"timestamp:", std::nullopt},
        {"timestamp:12x", std::nullopt},
        {"timestamp:-5", std::nullopt},
        {"Release 1.3.2", std::nullopt},
        {"xtimestamp:5", std::nullopt},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(trustedTimestamp(c.comment), c.time) << c.comment;
    }
}

TEST_F(SignatureTest, AnIndexIsTrustedOnlySignedByTheMakerAndNotOlderThanTheInstalledOne) {
    EXPECT_EQ(checkIndexTrust(program_.string()).trust, IndexTrust::NotSigned) << "unsigned";
    ASSERT_TRUE(signFile(other_, program_ / "Index.ini", "timestamp:2000"));
    EXPECT_EQ(checkIndexTrust(program_.string()).trust, IndexTrust::NotSigned) << "other key";

    ASSERT_TRUE(signFile(maker_, program_ / "Index.ini", "timestamp:2000\tfile:Index.ini"));
    IndexVerdict verdict = checkIndexTrust(program_.string());
    EXPECT_EQ(verdict.trust, IndexTrust::Trusted);
    EXPECT_EQ(verdict.timestamp, 2000);

    ASSERT_TRUE(recordInstalledTimestamp(program_.string(), 2000));
    EXPECT_EQ(checkIndexTrust(program_.string()).trust, IndexTrust::Trusted) << "the same one";
    ASSERT_TRUE(recordInstalledTimestamp(program_.string(), 2001));
    EXPECT_EQ(checkIndexTrust(program_.string()).trust, IndexTrust::Older) << "a rollback";
    ASSERT_TRUE(recordInstalledTimestamp(program_.string(), 1000));
    EXPECT_EQ(lastInstalledTimestamp(program_.string()), 2001) << "the record never goes back";

    ASSERT_TRUE(signFile(maker_, program_ / "Index.ini", "Version 1.3.2"));
    EXPECT_EQ(checkIndexTrust(program_.string()).trust, IndexTrust::NoTimestamp);

    fs::remove(program_ / "Aktualisierung.pub");
    EXPECT_EQ(checkIndexTrust(program_.string()).trust, IndexTrust::NoKey);
    write(program_ / "Aktualisierung.pub", "kein Schlüssel\n");
    EXPECT_EQ(checkIndexTrust(program_.string()).trust, IndexTrust::NoKey);
}

TEST_F(SignatureTest, AReleaseOlderThanTheLimitGetsANoteWithItsAge) {
    constexpr std::int64_t Day = 86400;
    const std::int64_t now = 1765000000;
    EXPECT_FALSE(tooOldByDays(now - 180 * Day, now, 180));
    EXPECT_EQ(tooOldByDays(now - 181 * Day, now, 180), 181);
    EXPECT_FALSE(tooOldByDays(now - 1000 * Day, now, 0)) << "0 turns the note off";
    EXPECT_FALSE(tooOldByDays(now + Day, now, 1)) << "a clock behind the signer's";

    EXPECT_EQ(maxReleaseAgeDays(program_.string()), DefaultMaxReleaseAgeDays);
    write(program_ / "Konfiguration.ini", "[Konfiguration]\r\nMaximalesAlter = 30\r\n");
    EXPECT_EQ(maxReleaseAgeDays(program_.string()), 30);
    write(program_ / "Konfiguration.ini", "[Konfiguration]\r\nMaximalesAlter = viele\r\n");
    EXPECT_EQ(maxReleaseAgeDays(program_.string()), DefaultMaxReleaseAgeDays);
    EXPECT_NE(releaseAgeNote(181).find("181"), std::string::npos);
}

} // namespace
} // namespace codarium::online
