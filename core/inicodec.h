#pragma once

#include <QByteArray>
#include <QString>
#include <QVariant>

#include <functional>

// The text form of the settings file, byte for byte the INI dialect that
// QSettings reads and writes: sections split at the first "/" of a key,
// "[General]" for top-level keys, "%XX" escapes in names, "\" for nested
// groups, quoted and escaped values, comma lists and "@Type(...)" values.
// Other programs open the same file with QSettings, so both must agree.
namespace IniCodec {

// A key or section name as it appears in the file ("a/b c" -> "a\b%20c").
void appendEscapedKey(QByteArray &out, const QString &key);
QString unescapedKey(const char *data, int from, int to);

// The right-hand side of "key=value" for one value.
void appendValue(QByteArray &out, const QVariant &value);
// The value of the right-hand side data[from, to).
QVariant parseValue(const char *data, int from, int to);

// Calls entry(full key, value text) for every key in file order, with the
// text after "=" as it stands in the file (decode it with parseValue).
bool parseText(const QByteArray &data, const std::function<void(const QString &, const char *, int)> &entry);

// Calls entry(full key, value) for every key in file order; returns false
// when a line could not be understood (it is skipped, as QSettings does).
bool parse(const QByteArray &data, const std::function<void(const QString &, QVariant &&)> &entry);

// The section header line for a top-level group (without the newline);
// an empty name is the section of the top-level keys.
QByteArray sectionHeader(const QString &name);

} // namespace IniCodec
