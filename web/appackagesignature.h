#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

// Checks a detached minisign signature (Ed25519) of a package against the
// public keys the program trusts. Both signature kinds minisign writes are
// accepted: "Ed" signs the file itself, "ED" signs its BLAKE2b-512 hash.
// The trusted comment is covered by the global signature and must name the
// file the signature is meant for ("file:<name>" as one of its words), so a
// signature made for another file of the same signer cannot be replayed.
class ApPackageSignature final
{
public:
    // Larger packages are refused unread.
    static constexpr qint64 MaxPackageBytes = 64 * 1024 * 1024;

    struct PublicKey
    {
        QByteArray keyId;  // 8 bytes, as stored
        QByteArray key;    // 32 bytes
        QString source;    // file it came from, for messages
    };

    // Reads a minisign public key file ("untrusted comment: …" line, then the
    // key in base64). False when the text holds no valid Ed25519 key.
    static bool parsePublicKey(const QByteArray &text, PublicKey *key);
    // Every valid "*.pub" file of folder, sorted by name. Files that hold no
    // key are skipped and named in problems.
    static QList<PublicKey> loadKeys(const QString &folder, QStringList *problems = nullptr);

    // Empty when signatureText is a valid signature of data by one of keys
    // whose trusted comment holds "file:" + fileName; otherwise the reason,
    // in words for the log.
    static QString verify(const QByteArray &data, const QByteArray &signatureText, const QList<PublicKey> &keys,
                          const QString &fileName);
    // The same for a package and its signature on disk (a package over
    // MaxPackageBytes is refused). On success data
    // receives the bytes that were checked, so the caller uses exactly those.
    static QString verifyFile(const QString &packagePath, const QString &signaturePath,
                              const QList<PublicKey> &keys, const QString &fileName, QByteArray *data = nullptr);

    // The trusted comment of a signature, empty when it has none.
    static QString trustedComment(const QByteArray &signatureText);
};
