#include "contentlock.h"

#include <QCryptographicHash>

#include "appsettings.h"
#include "settingsstore.h"

namespace K = SettingsKeys;

namespace ContentLock {

QString defaultKeywords() { return QStringLiteral("aaaa, bbbb, cccc"); }

QString digest(const QString &password)
{
    return QString::fromLatin1(QCryptographicHash::hash(password.toUtf8(), QCryptographicHash::Sha1).toHex());
}

bool isLocked()
{
    SettingsStore s;
    return s->contains(K::ContentPhrase);
}

QString keywords()
{
    SettingsStore s;
    return s->value(K::ContentKeywords, defaultKeywords()).toString();
}

QDateTime timeStamp()
{
    SettingsStore s;
    if (!s->contains(K::ContentTimeStamp))
        return QDateTime::currentDateTime();
    return QDateTime::fromSecsSinceEpoch(s->value(K::ContentTimeStamp).toLongLong()).toLocalTime();
}

LockCheck checkNewPasswords(const QString &first, const QString &second)
{
    if (first.trimmed().isEmpty() || second.trimmed().isEmpty())
        return LockCheck::PasswordsMissing;
    if (first != second)
        return LockCheck::PasswordsDiffer;
    if (first.trimmed().size() < MinimumPasswordLength || second.trimmed().size() < MinimumPasswordLength)
        return LockCheck::PasswordTooShort;
    return LockCheck::Ok;
}

void lock(const QString &password, const QString &keywordText, const QDateTime &now)
{
    SettingsStore s;
    s->setValue(K::ContentPhrase, digest(password));
    s->setValue(K::ContentTimeStamp, now.toSecsSinceEpoch());
    s->setValue(K::ContentKeywords, keywordText);
}

bool unlock(const QString &password)
{
    SettingsStore s;
    if (!s->contains(K::ContentPhrase) || s->value(K::ContentPhrase).toString() != digest(password))
        return false;
    s->remove(K::ContentPhrase);
    return true;
}

void reset(const QDateTime &now)
{
    SettingsStore s;
    s->remove(K::ContentPhrase);
    s->setValue(K::ContentTimeStamp, now.toSecsSinceEpoch());
    s->setValue(K::ContentKeywords, defaultKeywords());
}

} // namespace ContentLock
