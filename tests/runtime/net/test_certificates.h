#pragma once
// A test CA and server certificates made with the openssl command in a
// folder, for servers on 127.0.0.1 that clients are told to trust through
// SSL_CERT_FILE.
#include <QString>

namespace codarium::testing {

struct TestCertificates {
    QString caFile;     // the CA's certificate: what SSL_CERT_FILE names
    QString key;        // the private key of every server certificate below
    QString localhost;  // for "localhost", signed by the CA
    QString otherHost;  // for "other.test" and the address 127.0.0.1, signed by the CA
    QString expired;    // for "localhost", signed by the CA, ended a day ago
    QString selfSigned; // for "localhost", signed by nobody the client trusts
    QString error;      // why they could not be made; empty when all are there
};

// Makes the certificates in folder (which must exist); takes well under a
// second, the keys being elliptic-curve ones.
TestCertificates makeTestCertificates(const QString& folder);

} // namespace codarium::testing
