#include "appackagesignature.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>

#include <sodium.h>

namespace {

constexpr int AlgorithmBytes = 2;
constexpr int KeyIdBytes = 8;
constexpr int SignatureBytes = 64;
constexpr int PublicKeyBytes = 32;
constexpr int HashBytes = 64;
// Signature and key files are a few lines; anything larger is not one.
constexpr qint64 MaxSignatureFileBytes = 64 * 1024;

const QByteArray UntrustedPrefix = QByteArrayLiteral("untrusted comment:");
const QByteArray TrustedPrefix = QByteArrayLiteral("trusted comment: ");

bool sodiumReady()
{
    static const bool ready = sodium_init() >= 0;
    return ready;
}

// Lines without their line ends; a final empty line is dropped.
QList<QByteArray> textLines(const QByteArray &text)
{
    QList<QByteArray> lines = text.split('\n');
    for (QByteArray &line : lines) {
        if (line.endsWith('\r'))
            line.chop(1);
    }
    while (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    return lines;
}

bool strictBase64(const QByteArray &text, int expectedBytes, QByteArray *out)
{
    const QByteArray::FromBase64Result decoded =
        QByteArray::fromBase64Encoding(text.trimmed(), QByteArray::AbortOnBase64DecodingErrors);
    if (!decoded || decoded.decoded.size() != expectedBytes)
        return false;
    *out = decoded.decoded;
    return true;
}

bool ed25519Verify(const QByteArray &signature, const QByteArray &message, const QByteArray &key)
{
    return crypto_sign_verify_detached(reinterpret_cast<const unsigned char *>(signature.constData()),
                                       reinterpret_cast<const unsigned char *>(message.constData()),
                                       quint64(message.size()),
                                       reinterpret_cast<const unsigned char *>(key.constData()))
        == 0;
}

QByteArray blake2b512(const QByteArray &data)
{
    QByteArray hash(HashBytes, '\0');
    crypto_generichash(reinterpret_cast<unsigned char *>(hash.data()), HashBytes,
                       reinterpret_cast<const unsigned char *>(data.constData()), quint64(data.size()), nullptr, 0);
    return hash;
}

} // namespace

bool ApPackageSignature::parsePublicKey(const QByteArray &text, PublicKey *key)
{
    const QList<QByteArray> lines = textLines(text);
    // The key is the first line that is not a comment.
    for (const QByteArray &line : lines) {
        if (line.startsWith(UntrustedPrefix) || line.trimmed().isEmpty())
            continue;
        QByteArray raw;
        if (!strictBase64(line, AlgorithmBytes + KeyIdBytes + PublicKeyBytes, &raw) || !raw.startsWith("Ed"))
            return false;
        key->keyId = raw.mid(AlgorithmBytes, KeyIdBytes);
        key->key = raw.mid(AlgorithmBytes + KeyIdBytes);
        return true;
    }
    return false;
}

QList<ApPackageSignature::PublicKey> ApPackageSignature::loadKeys(const QString &folder, QStringList *problems)
{
    QList<PublicKey> keys;
    const QDir dir(folder);
    const QStringList names = dir.entryList({QStringLiteral("*.pub")}, QDir::Files | QDir::Readable, QDir::Name);
    for (const QString &name : names) {
        QFile file(dir.filePath(name));
        PublicKey key;
        key.source = file.fileName();
        if (file.size() <= MaxSignatureFileBytes && file.open(QIODevice::ReadOnly)
            && parsePublicKey(file.readAll(), &key)) {
            keys.append(key);
        } else if (problems) {
            problems->append(file.fileName());
        }
    }
    return keys;
}

QString ApPackageSignature::trustedComment(const QByteArray &signatureText)
{
    const QList<QByteArray> lines = textLines(signatureText);
    if (lines.size() < 3 || !lines.at(2).startsWith(TrustedPrefix))
        return QString();
    return QString::fromUtf8(lines.at(2).mid(TrustedPrefix.size()));
}

QString ApPackageSignature::verify(const QByteArray &data, const QByteArray &signatureText,
                                   const QList<PublicKey> &keys, const QString &fileName)
{
    if (!sodiumReady())
        return QStringLiteral("the signature library cannot start");
    if (signatureText.isEmpty())
        return QStringLiteral("no signature");
    // untrusted comment, signature, trusted comment, global signature
    const QList<QByteArray> lines = textLines(signatureText);
    if (lines.size() != 4 || !lines.at(0).startsWith(UntrustedPrefix) || !lines.at(2).startsWith(TrustedPrefix))
        return QStringLiteral("not a minisign signature");
    QByteArray signature;
    QByteArray globalSignature;
    if (!strictBase64(lines.at(1), AlgorithmBytes + KeyIdBytes + SignatureBytes, &signature)
        || !strictBase64(lines.at(3), SignatureBytes, &globalSignature))
        return QStringLiteral("damaged signature");
    const QByteArray algorithm = signature.left(AlgorithmBytes);
    if (algorithm != "Ed" && algorithm != "ED")
        return QStringLiteral("unknown signature algorithm");
    const QByteArray keyId = signature.mid(AlgorithmBytes, KeyIdBytes);
    const QByteArray fileSignature = signature.mid(AlgorithmBytes + KeyIdBytes);

    const PublicKey *signer = nullptr;
    for (const PublicKey &key : keys) {
        if (key.keyId == keyId) {
            signer = &key;
            break;
        }
    }
    if (!signer)
        return QStringLiteral("signed by a key that is not trusted (id %1)")
            .arg(QString::fromLatin1(keyId.toHex()));

    const QByteArray message = algorithm == "ED" ? blake2b512(data) : data;
    if (!ed25519Verify(fileSignature, message, signer->key))
        return QStringLiteral("signature does not match the package");
    const QByteArray comment = lines.at(2).mid(TrustedPrefix.size());
    if (!ed25519Verify(globalSignature, fileSignature + comment, signer->key))
        return QStringLiteral("trusted comment does not match its signature");

    // Checked last: the words of the comment count only once they are
    // known to come from the signer.
    const QString wanted = QStringLiteral("file:") + fileName;
    static const QRegularExpression space(QStringLiteral("\\s+"));
    if (!QString::fromUtf8(comment).split(space, Qt::SkipEmptyParts).contains(wanted))
        return QStringLiteral("signature is not meant for %1 (trusted comment \"%2\")")
            .arg(fileName, QString::fromUtf8(comment));
    return QString();
}

QString ApPackageSignature::verifyFile(const QString &packagePath, const QString &signaturePath,
                                       const QList<PublicKey> &keys, const QString &fileName, QByteArray *data)
{
    QFile signatureFile(signaturePath);
    if (!signatureFile.exists())
        return QStringLiteral("no signature");
    if (signatureFile.size() > MaxSignatureFileBytes || !signatureFile.open(QIODevice::ReadOnly))
        return QStringLiteral("signature cannot be read");
    const QByteArray signatureText = signatureFile.readAll();
    QFile package(packagePath);
    if (package.size() > MaxPackageBytes)
        return QStringLiteral("package larger than %1 bytes").arg(MaxPackageBytes);
    if (!package.open(QIODevice::ReadOnly))
        return QStringLiteral("package cannot be read");
    const QByteArray bytes = package.readAll();
    const QString reason = verify(bytes, signatureText, keys, fileName);
    if (reason.isEmpty() && data)
        *data = bytes;
    return reason;
}
