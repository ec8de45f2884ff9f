#include "contentlock.h"

#include <QCryptographicHash>

#include "appsettings.h"
#include "settingsview.h"

namespace K = SettingsKeys;

namespace ContentLock {

QString defaultKeywords() { return QStringLiteral("aaaa, bbbb, cccc"); }

QString digest(const QString &password)
{
    return QString::fromLatin1(QCryptographicHash::hash(password.toUtf8(), QCryptographicHash::Sha1).toHex());
}

bool isLocked()
{
    SettingsView s = SettingsView::freshMain();
    return s.contains(K::ContentPhrase);
}

QString keywords()
{
    SettingsView s = SettingsView::freshMain();
    return s.value(K::ContentKeywords, defaultKeywords()).toString();
}

QDateTime timeStamp()
{
    SettingsView s = SettingsView::freshMain();
    if (!s.contains(K::ContentTimeStamp))
        return QDateTime::currentDateTime();
    return QDateTime::fromSecsSinceEpoch(s.value(K::ContentTimeStamp).toLongLong()).toLocalTime();
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
    SettingsView s = SettingsView::freshMain();
    s.setValue(K::ContentPhrase, digest(password));
    s.setValue(K::ContentTimeStamp, now.toSecsSinceEpoch());
    s.setValue(K::ContentKeywords, keywordText);
}

bool unlock(const QString &password)
{
    SettingsView s = SettingsView::freshMain();
    if (!s.contains(K::ContentPhrase) || s.value(K::ContentPhrase).toString() != digest(password))
        return false;
    s.remove(K::ContentPhrase);
    return true;
}

void reset(const QDateTime &now)
{
    SettingsView s = SettingsView::freshMain();
    s.remove(K::ContentPhrase);
    s.setValue(K::ContentTimeStamp, now.toSecsSinceEpoch());
    s.setValue(K::ContentKeywords, defaultKeywords());
}

} // namespace ContentLock
