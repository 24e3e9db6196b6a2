#include "online/update_check.h"

#include "online/update_index.h"
#include "online/update_texts.h"
#include "online/update_trust.h"
#include "platform/code_page.h"
#include "platform/file_system.h"
#include "platform/network_state.h"
#include "platform/paths.h"
#include "runtime/connection_check.h"
#include "runtime/http_download.h"
#include "runtime/http_url.h"
#include "runtime/url_path_encoding.h"
#include "widgets/message_box.h"

#include <ctime>

namespace codarium::online {
namespace {

using widgets::MessageButtons;
using widgets::MessageIcon;
using widgets::MessageResult;

UpdateCheckEnd failWith(const std::string& text, const StopToken& stop) {
    const auto shown =
        widgets::messageRequester("Fehler", text, MessageIcon::Error, MessageButtons::Ok, &stop);
    return shown == MessageResult::Cancelled ? UpdateCheckEnd::Stopped : UpdateCheckEnd::Failed;
}

// Whether the server can be reached at all: a network interface is up, or the
// server is on this computer, which needs none.
bool connectionAvailable(const UpdateSource& source) {
    if (platform::networkInterfaceUp()) {
        return true;
    }
    const auto parts = splitUrl(source.server);
    return parts && platform::isLoopbackHost(parts->host);
}

} // namespace

std::string releaseUrl(const UpdateSource& source, std::string_view name) {
    // The server's names are the native names of the release's files, so
    // both parts go out as UTF-8. "Verzeichnis" is written by hand and may
    // already hold escapes; a file name is taken literally.
    std::string url = source.server;
    url += "/aktualisierung/";
    url += percentEncodePath(platform::toUtf8(source.directory), PercentSigns::KeepEscapes);
    url += '/';
    url += percentEncodePath(platform::nativeFormOf(name), PercentSigns::Literal);
    return url;
}

UpdateCheckEnd checkForUpdate(const UpdateSource& source, FingerprintBuffer& buffer,
                              const StopToken& stop) {
    if (!connectionAvailable(source)) {
        return stop ? UpdateCheckEnd::Stopped : failWith(noConnectionText(), stop);
    }
    if (!serverReachable(source.server, ServerCheckSeconds, &stop)) {
        return stop ? UpdateCheckEnd::Stopped : failWith(serverUnreachableText(), stop);
    }
    ensureNetworkStarted();
    const std::string indexPath = platform::joinPath(source.programDirectory, IndexFileName);
    if (download(releaseUrl(source, IndexFileName), indexPath, &stop, MaxIndexBytes,
                 IndexDownloadSeconds) == 0) {
        return stop ? UpdateCheckEnd::Stopped : failWith(indexDownloadFailedText(), stop);
    }
    // The index counts only when the maker signed it: nothing of it is read
    // before its signature and its time are checked.
    const std::string signaturePath =
        platform::joinPath(source.programDirectory, SignatureFileName);
    platform::removeFile(signaturePath);
    download(releaseUrl(source, SignatureFileName), signaturePath, &stop, MaxSignatureBytes,
             IndexDownloadSeconds);
    if (stop) {
        return UpdateCheckEnd::Stopped;
    }
    const IndexVerdict verdict = checkIndexTrust(source.programDirectory);
    if (verdict.trust != IndexTrust::Trusted) {
        return failWith(indexTrustFailureText(verdict.trust), stop);
    }
    std::string ageNote;
    if (const auto days = tooOldByDays(verdict.timestamp, std::time(nullptr),
                                       maxReleaseAgeDays(source.programDirectory))) {
        ageNote = "\r" + releaseAgeNote(*days);
    }
    std::int32_t size = 0;
    if (const auto entries = readUpdateIndex(indexPath)) {
        const auto sum = updateSize(*entries, source.programDirectory, buffer, &stop);
        if (!sum) {
            return UpdateCheckEnd::Stopped;
        }
        size = *sum;
    }
    if (stop) {
        return UpdateCheckEnd::Stopped;
    }
    if (size == 0) {
        const auto shown =
            widgets::messageRequester(UpdateCaption, noNewVersionText() + ageNote,
                                      MessageIcon::Information, MessageButtons::Ok, &stop);
        return shown == MessageResult::Cancelled ? UpdateCheckEnd::Stopped
                                                 : UpdateCheckEnd::NoUpdate;
    }
    switch (widgets::messageRequester(UpdateCaption, updateQuestionText(size) + ageNote,
                                      MessageIcon::Question, MessageButtons::YesNo, &stop)) {
    case MessageResult::Yes:
        return UpdateCheckEnd::Accepted;
    case MessageResult::Cancelled:
        return UpdateCheckEnd::Stopped;
    default:
        return UpdateCheckEnd::Declined;
    }
}

} // namespace codarium::online
