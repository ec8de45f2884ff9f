#pragma once

#include <QDateTime>
#include <QString>

// The content lock: a password-protected list of search keywords that the
// search pages filter. Only the SHA-1 digest of the password is stored
// ("Config/Content/Phrase", present only while locked), with the time of
// the last change and the keyword text.
namespace ContentLock {

enum class LockCheck { Ok, PasswordsMissing, PasswordsDiffer, PasswordTooShort };

constexpr int MinimumPasswordLength = 6;

QString defaultKeywords();   // "aaaa, bbbb, cccc"
// SHA-1 of the password's UTF-8 bytes, 40 lower-case hexadecimal characters.
QString digest(const QString &password);

bool isLocked();
QString keywords();          // the stored text, or the default
QDateTime timeStamp();       // local time of the last change; now when none is stored

// Checks two new passwords: both needed (ignoring blanks), equal as typed,
// and at least six characters long without the surrounding blanks.
LockCheck checkNewPasswords(const QString &first, const QString &second);
// Stores the lock; the password is taken as typed, blanks included.
void lock(const QString &password, const QString &keywordText, const QDateTime &now);
// Lifts the lock when the password's digest matches; returns whether it did.
bool unlock(const QString &password);
// Lifts any lock without a password; keywords go back to the default.
void reset(const QDateTime &now);

} // namespace ContentLock
