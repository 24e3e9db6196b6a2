#include "test_certificates.h"

#include <QFile>
#include <QProcess>
#include <QStringList>

namespace codarium::testing {

namespace {

// Runs openssl; the empty text when it succeeded, else what it said.
QString openssl(const QStringList& arguments) {
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start("openssl", arguments);
    if (!process.waitForStarted(5000)) {
        return "openssl could not be started";
    }
    if (!process.waitForFinished(20000) || process.exitStatus() != QProcess::NormalExit ||
        process.exitCode() != 0) {
        return "openssl " + arguments.join(' ') + ": " + QString::fromLocal8Bit(process.readAll());
    }
    return {};
}

bool writeText(const QString& path, const QByteArray& text) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(text) == text.size();
}

// Signs a request for the key with the CA; days below 0 gives a certificate
// whose end lies in the past.
QString signServer(const QString& folder, const QString& name, const QString& altNames, int days,
                   const QString& out) {
    const QString request = folder + "/" + name + ".csr";
    const QString extensions = folder + "/" + name + ".ext";
    if (!writeText(extensions, "basicConstraints=critical,CA:FALSE\n"
                               "keyUsage=critical,digitalSignature\n"
                               "extendedKeyUsage=serverAuth\n"
                               "subjectAltName=" +
                                   altNames.toLatin1() + "\n")) {
        return "cannot write " + extensions;
    }
    if (QString e = openssl({"req", "-new", "-key", folder + "/server.key", "-subj", "/CN=" + name,
                             "-out", request});
        !e.isEmpty()) {
        return e;
    }
    return openssl({"x509", "-req", "-in", request, "-CA", folder + "/ca.pem", "-CAkey",
                    folder + "/ca.key", "-CAcreateserial", "-days", QString::number(days),
                    "-sha256", "-extfile", extensions, "-out", out});
}

} // namespace

TestCertificates makeTestCertificates(const QString& folder) {
    TestCertificates made;
    made.caFile = folder + "/ca.pem";
    made.key = folder + "/server.key";
    made.localhost = folder + "/localhost.pem";
    made.otherHost = folder + "/other.pem";
    made.expired = folder + "/expired.pem";
    made.selfSigned = folder + "/self-signed.pem";
    const QStringList ecKey{"-newkey", "ec", "-pkeyopt", "ec_paramgen_curve:P-256", "-nodes"};
    const QStringList steps[] = {
        QStringList{"req", "-x509"} + ecKey +
            QStringList{"-keyout", folder + "/ca.key", "-out", made.caFile, "-subj",
                        "/CN=Codarium Test CA", "-days", "2", "-addext",
                        "basicConstraints=critical,CA:TRUE", "-addext",
                        "keyUsage=critical,keyCertSign,cRLSign"},
        QStringList{"genpkey", "-algorithm", "EC", "-pkeyopt", "ec_paramgen_curve:P-256", "-out",
                    made.key},
        QStringList{"req", "-x509", "-key", made.key, "-out", made.selfSigned, "-subj",
                    "/CN=localhost", "-days", "2", "-addext", "subjectAltName=DNS:localhost"},
    };
    for (const QStringList& step : steps) {
        made.error = openssl(step);
        if (!made.error.isEmpty()) {
            return made;
        }
    }
    made.error = signServer(folder, "localhost", "DNS:localhost", 2, made.localhost);
    if (made.error.isEmpty()) {
        made.error =
            signServer(folder, "other.test", "DNS:other.test,IP:127.0.0.1", 2, made.otherHost);
    }
    if (made.error.isEmpty()) {
        made.error = signServer(folder, "expired", "DNS:localhost", -1, made.expired);
    }
    return made;
}

} // namespace codarium::testing
