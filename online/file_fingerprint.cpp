#include "online/file_fingerprint.h"

#include "platform/block_reader.h"

#include <QCryptographicHash>
#include <new>

namespace codarium::online {

bool FingerprintBuffer::ensure() {
    if (block_.size() == FingerprintBlockSize) {
        return true;
    }
    try {
        block_.resize(FingerprintBlockSize);
    } catch (const std::bad_alloc&) {
        block_.clear();
        return false;
    }
    return true;
}

std::string fileFingerprint(std::string_view path, FingerprintBuffer& buffer) {
    platform::BlockReader file(path);
    if (!file.isOpen() || !buffer.ensure()) {
        return {};
    }
    QCryptographicHash md5(QCryptographicHash::Md5);
    while (true) {
        const std::int64_t got = file.read(buffer.data(), FingerprintBlockSize);
        if (got < 0) {
            return {};
        }
        md5.addData(QByteArrayView(buffer.data(), static_cast<qsizetype>(got)));
        if (static_cast<std::size_t>(got) < FingerprintBlockSize) {
            break;
        }
    }
    const QByteArray hex = md5.result().toHex();
    return std::string(hex.constData(), static_cast<std::size_t>(hex.size()));
}

} // namespace codarium::online
