#include "inicodec.h"

#include <QDataStream>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <QStringList>

#include <cstring>

namespace IniCodec {
namespace {

const char hexDigits[] = "0123456789ABCDEF";

// ---- "@Variant(...)" payloads
//
// QDataStream reserves room for as many list elements as a stream claims
// before it reads them, so a damaged value claiming four billion elements
// would ask for many gigabytes and end the program. A payload is decoded
// only when every list in it claims no more elements than bytes remain;
// types other than the core ones (ids below 64) and their containers are
// never written by the suite and are refused.
bool plausibleVariant(QDataStream &s, int depth)
{
    if (depth > 16)
        return false;
    quint32 type = 0;
    s >> type;
    if (s.version() >= QDataStream::Qt_4_2) {
        qint8 isNull = 0;
        s >> isNull;
    }
    if (s.status() != QDataStream::Ok || type == QMetaType::UnknownType || type >= 64)
        return false;
    const auto remaining = [&s] { return quint64(qMax<qint64>(0, s.device()->bytesAvailable())); };
    quint32 count = 0;
    switch (type) {
    case QMetaType::QVariantList:
    case QMetaType::QStringList:
    case QMetaType::QByteArrayList:
    case QMetaType::QVariantMap:
    case QMetaType::QVariantHash:
        s >> count;
        // Every element takes at least four bytes (a length or a type).
        if (s.status() != QDataStream::Ok || count > remaining() / 4)
            return false;
        for (quint32 i = 0; i < count; ++i) {
            if (type == QMetaType::QStringList || type == QMetaType::QVariantMap || type == QMetaType::QVariantHash) {
                QString text;
                s >> text;
            } else if (type == QMetaType::QByteArrayList) {
                QByteArray bytes;
                s >> bytes;
            }
            if (type != QMetaType::QStringList && type != QMetaType::QByteArrayList && !plausibleVariant(s, depth + 1))
                return false;
            if (s.status() != QDataStream::Ok)
                return false;
        }
        return true;
    default: {
        QVariant leaf(int(type), nullptr);
        return leaf.isValid() && QMetaType::load(s, int(type), leaf.data()) && s.status() == QDataStream::Ok;
    }
    }
}

// ---- values -> text

QString variantToString(const QVariant &v)
{
    QString result;
    switch (v.userType()) {
    case QMetaType::UnknownType:
        result = QStringLiteral("@Invalid()");
        break;
    case QMetaType::QByteArray: {
        const QByteArray a = v.toByteArray();
        result = QLatin1String("@ByteArray(") + QLatin1String(a.constData(), a.size()) + QLatin1Char(')');
        break;
    }
    case QMetaType::QString:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::Bool:
    case QMetaType::Double:
    case QMetaType::QKeySequence:
        result = v.toString();
        if (result.contains(QChar::Null))
            result = QLatin1String("@String(") + result + QLatin1Char(')');
        else if (result.startsWith(QLatin1Char('@')))
            result.prepend(QLatin1Char('@'));
        break;
    case QMetaType::QRect: {
        const QRect r = v.toRect();
        result = QString::asprintf("@Rect(%d %d %d %d)", r.x(), r.y(), r.width(), r.height());
        break;
    }
    case QMetaType::QSize: {
        const QSize s = v.toSize();
        result = QString::asprintf("@Size(%d %d)", s.width(), s.height());
        break;
    }
    case QMetaType::QPoint: {
        const QPoint p = v.toPoint();
        result = QString::asprintf("@Point(%d %d)", p.x(), p.y());
        break;
    }
    default: {
        QByteArray a;
        {
            QDataStream s(&a, QIODevice::WriteOnly);
            // Date-times keep their milliseconds and zone in the newer form.
            s.setVersion(v.userType() == QMetaType::QDateTime ? QDataStream::Qt_5_6 : QDataStream::Qt_4_0);
            s << v;
        }
        result = QLatin1String(v.userType() == QMetaType::QDateTime ? "@DateTime(" : "@Variant(")
            + QLatin1String(a.constData(), a.size()) + QLatin1Char(')');
        break;
    }
    }
    return result;
}

void appendEscapedString(QByteArray &out, const QString &str)
{
    bool needsQuotes = false;
    bool escapeNextIfDigit = false;
    const int startPos = out.size();
    out.reserve(startPos + str.size() * 3 / 2);
    const QChar *unicode = str.unicode();
    for (int i = 0; i < str.size(); ++i) {
        const uint ch = unicode[i].unicode();
        if (ch == ';' || ch == ',' || ch == '=')
            needsQuotes = true;
        if (escapeNextIfDigit
            && ((ch >= '0' && ch <= '9') || (ch >= 'a' && ch <= 'f') || (ch >= 'A' && ch <= 'F'))) {
            out += "\\x" + QByteArray::number(ch, 16);
            continue;
        }
        escapeNextIfDigit = false;
        switch (ch) {
        case '\0':
            out += "\\0";
            escapeNextIfDigit = true;
            break;
        case '\a': out += "\\a"; break;
        case '\b': out += "\\b"; break;
        case '\f': out += "\\f"; break;
        case '\n': out += "\\n"; break;
        case '\r': out += "\\r"; break;
        case '\t': out += "\\t"; break;
        case '\v': out += "\\v"; break;
        case '"':
        case '\\':
            out += '\\';
            out += char(ch);
            break;
        default:
            if (ch <= 0x1F || ch >= 0x7F) {
                out += "\\x" + QByteArray::number(ch, 16);
                escapeNextIfDigit = true;
            } else {
                out += char(ch);
            }
        }
    }
    if (needsQuotes
        || (startPos < out.size() && (out.at(startPos) == ' ' || out.at(out.size() - 1) == ' '))) {
        out.insert(startPos, '"');
        out += '"';
    }
}

// ---- text -> values

QStringList splitArgs(const QString &s, int idx)
{
    const int l = s.length();
    QStringList result;
    QString item;
    for (++idx; idx < l; ++idx) {
        const QChar c = s.at(idx);
        if (c == QLatin1Char(')')) {
            result.append(item);
        } else if (c == QLatin1Char(' ')) {
            result.append(item);
            item.clear();
        } else {
            item.append(c);
        }
    }
    return result;
}

QVariant stringToVariant(const QString &s)
{
    if (s.startsWith(QLatin1Char('@'))) {
        if (s.endsWith(QLatin1Char(')'))) {
            if (s.startsWith(QLatin1String("@ByteArray("))) {
                return QVariant(s.midRef(11, s.size() - 12).toLatin1());
            } else if (s.startsWith(QLatin1String("@String("))) {
                return QVariant(s.mid(8, s.size() - 9));
            } else if (s.startsWith(QLatin1String("@Variant(")) || s.startsWith(QLatin1String("@DateTime("))) {
                const bool isVariant = s.at(1) == QLatin1Char('V');
                QByteArray a = s.midRef(isVariant ? 9 : 10).toLatin1();
                const QDataStream::Version version = isVariant ? QDataStream::Qt_4_0 : QDataStream::Qt_5_6;
                {
                    QDataStream check(&a, QIODevice::ReadOnly);
                    check.setVersion(version);
                    if (!plausibleVariant(check, 0))
                        return QVariant();
                }
                QDataStream stream(&a, QIODevice::ReadOnly);
                stream.setVersion(version);
                QVariant result;
                stream >> result;
                return result;
            } else if (s.startsWith(QLatin1String("@Rect("))) {
                const QStringList args = splitArgs(s, 5);
                if (args.size() == 4)
                    return QVariant(QRect(args[0].toInt(), args[1].toInt(), args[2].toInt(), args[3].toInt()));
            } else if (s.startsWith(QLatin1String("@Size("))) {
                const QStringList args = splitArgs(s, 5);
                if (args.size() == 2)
                    return QVariant(QSize(args[0].toInt(), args[1].toInt()));
            } else if (s.startsWith(QLatin1String("@Point("))) {
                const QStringList args = splitArgs(s, 6);
                if (args.size() == 2)
                    return QVariant(QPoint(args[0].toInt(), args[1].toInt()));
            } else if (s == QLatin1String("@Invalid()")) {
                // What an empty list is written as.
                return QVariant(QStringList());
            }
        }
        if (s.startsWith(QLatin1String("@@")))
            return QVariant(s.mid(1));
    }
    return QVariant(s);
}

QVariant stringListToVariant(const QStringList &l)
{
    QStringList out = l;
    for (int i = 0; i < out.size(); ++i) {
        const QString &str = out.at(i);
        if (!str.startsWith(QLatin1Char('@')))
            continue;
        if (str.length() >= 2 && str.at(1) == QLatin1Char('@')) {
            out[i].remove(0, 1);
        } else {
            QVariantList variants;
            variants.reserve(l.size());
            for (const QString &item : l)
                variants.append(stringToVariant(item));
            return variants;
        }
    }
    return out;
}

void chopTrailingSpaces(QString &str, int limit)
{
    int n = str.size() - 1;
    QChar ch;
    while (n >= limit && ((ch = str.at(n)) == QLatin1Char(' ') || ch == QLatin1Char('\t')))
        str.truncate(n--);
}

// Unescapes one value; returns true when it was a comma list.
bool unescapedStringList(const char *str, int from, int to, QString &stringResult, QStringList &listResult)
{
    static const char escapeCodes[][2] = {{'a', '\a'}, {'b', '\b'}, {'f', '\f'}, {'n', '\n'},
                                          {'r', '\r'}, {'t', '\t'}, {'v', '\v'}, {'"', '"'},
                                          {'?', '?'},  {'\'', '\''}, {'\\', '\\'}};
    bool isStringList = false;
    bool inQuotedString = false;
    bool currentValueIsQuoted = false;
    uint escapeVal = 0;
    int i = from;
    char ch;
    int chopLimit;

StSkipSpaces:
    while (i < to && ((ch = str[i]) == ' ' || ch == '\t'))
        ++i;

StNormal:
    chopLimit = stringResult.length();
    while (i < to) {
        switch (str[i]) {
        case '\\':
            ++i;
            if (i >= to)
                goto end;
            ch = str[i++];
            for (const auto &code : escapeCodes) {
                if (ch == code[0]) {
                    stringResult += QLatin1Char(code[1]);
                    goto StNormal;
                }
            }
            if (ch == 'x') {
                escapeVal = 0;
                if (i >= to)
                    goto end;
                ch = str[i];
                if ((ch >= '0' && ch <= '9') || (ch >= 'a' && ch <= 'f') || (ch >= 'A' && ch <= 'F'))
                    goto StHexEscape;
            } else if (ch >= '0' && ch <= '7') {
                escapeVal = uint(ch - '0');
                goto StOctEscape;
            } else if (ch == '\n' || ch == '\r') {
                if (i < to) {
                    const char ch2 = str[i];
                    if ((ch2 == '\n' || ch2 == '\r') && ch2 != ch)
                        ++i;
                }
            }
            chopLimit = stringResult.length();
            break;
        case '"':
            ++i;
            currentValueIsQuoted = true;
            inQuotedString = !inQuotedString;
            if (!inQuotedString)
                goto StSkipSpaces;
            break;
        case ',':
            if (!inQuotedString) {
                if (!currentValueIsQuoted)
                    chopTrailingSpaces(stringResult, chopLimit);
                if (!isStringList) {
                    isStringList = true;
                    listResult.clear();
                }
                listResult.append(stringResult);
                stringResult.clear();
                currentValueIsQuoted = false;
                ++i;
                goto StSkipSpaces;
            }
            Q_FALLTHROUGH();
        default: {
            int j = i + 1;
            while (j < to) {
                ch = str[j];
                if (ch == '\\' || ch == '"' || ch == ',')
                    break;
                ++j;
            }
            const int n = stringResult.size();
            stringResult.resize(n + (j - i));
            QChar *out = stringResult.data() + n;
            for (int k = i; k < j; ++k)
                *out++ = QLatin1Char(str[k]);
            i = j;
        }
        }
    }
    if (!currentValueIsQuoted)
        chopTrailingSpaces(stringResult, chopLimit);
    goto end;

StHexEscape:
    if (i >= to) {
        stringResult += QChar(ushort(escapeVal));
        goto end;
    }
    ch = str[i];
    if (ch >= 'a')
        ch -= 'a' - 'A';
    if ((ch >= '0' && ch <= '9') || (ch >= 'A' && ch <= 'F')) {
        escapeVal <<= 4;
        escapeVal += uint(std::strchr(hexDigits, ch) - hexDigits);
        ++i;
        goto StHexEscape;
    }
    stringResult += QChar(ushort(escapeVal));
    goto StNormal;

StOctEscape:
    if (i >= to) {
        stringResult += QChar(ushort(escapeVal));
        goto end;
    }
    ch = str[i];
    if (ch >= '0' && ch <= '7') {
        escapeVal <<= 3;
        escapeVal += uint(ch - '0');
        ++i;
        goto StOctEscape;
    }
    stringResult += QChar(ushort(escapeVal));
    goto StNormal;

end:
    if (isStringList)
        listResult.append(stringResult);
    return isStringList;
}

// ---- lines

bool isSpace(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f' || c == '\v';
}

bool isSpecial(char c)
{
    return c == '\n' || c == '\r' || c == '\\' || c == '"' || c == ';' || c == '=';
}

bool readLine(const char *data, int dataLen, int &dataPos, int &lineStart, int &lineLen, int &equalsPos)
{
    bool inQuotes = false;
    equalsPos = -1;
    lineStart = dataPos;
    while (lineStart < dataLen && isSpace(data[lineStart]))
        ++lineStart;

    int i = lineStart;
    while (i < dataLen) {
        char ch = data[i];
        while (!isSpecial(ch)) {
            if (++i == dataLen)
                goto done;
            ch = data[i];
        }
        ++i;
        if (ch == '=') {
            if (!inQuotes && equalsPos == -1)
                equalsPos = i - 1;
        } else if (ch == '\n' || ch == '\r') {
            if (i == lineStart + 1) {
                ++lineStart;
            } else if (!inQuotes) {
                --i;
                goto done;
            }
        } else if (ch == '\\') {
            if (i < dataLen) {
                const char c = data[i++];
                if (i < dataLen) {
                    const char c2 = data[i];
                    if ((c == '\n' && c2 == '\r') || (c == '\r' && c2 == '\n'))
                        ++i;
                }
            }
        } else if (ch == '"') {
            inQuotes = !inQuotes;
        } else {  // ';' starts a comment
            if (i == lineStart + 1) {
                while (i < dataLen && data[i] != '\n' && data[i] != '\r')
                    ++i;
                while (i < dataLen && isSpace(data[i]))
                    ++i;
                lineStart = i;
            } else if (!inQuotes) {
                --i;
                goto done;
            }
        }
    }
done:
    dataPos = i;
    lineLen = i - lineStart;
    return lineLen > 0;
}

} // namespace

void appendEscapedKey(QByteArray &out, const QString &key)
{
    for (int i = 0; i < key.size(); ++i) {
        uint ch = key.at(i).unicode();
        if (ch == '/') {
            out += '\\';
        } else if ((ch >= 'a' && ch <= 'z') || (ch >= 'A' && ch <= 'Z') || (ch >= '0' && ch <= '9') || ch == '_'
                   || ch == '-' || ch == '.') {
            out += char(ch);
        } else if (ch <= 0xFF) {
            out += '%';
            out += hexDigits[ch / 16];
            out += hexDigits[ch % 16];
        } else {
            out += "%U";
            char code[4];
            for (int k = 3; k >= 0; --k) {
                code[k] = hexDigits[ch % 16];
                ch >>= 4;
            }
            out.append(code, 4);
        }
    }
}

QString unescapedKey(const char *key, int from, int to)
{
    QString result;
    result.reserve(to - from);
    int i = from;
    while (i < to) {
        const ushort ch = uchar(key[i]);
        if (ch == '\\') {
            result += QLatin1Char('/');
            ++i;
            continue;
        }
        if (ch != '%' || i == to - 1) {
            result += QChar(ch);
            ++i;
            continue;
        }
        int numDigits = 2;
        int firstDigitPos = i + 1;
        if (key[i + 1] == 'U') {
            ++firstDigitPos;
            numDigits = 4;
        }
        if (firstDigitPos + numDigits > to) {
            result += QLatin1Char('%');
            ++i;
            continue;
        }
        bool ok = false;
        const ushort code = QByteArray(key + firstDigitPos, numDigits).toUShort(&ok, 16);
        if (!ok) {
            result += QLatin1Char('%');
            ++i;
            continue;
        }
        result += QChar(code);
        i = firstDigitPos + numDigits;
    }
    return result;
}

void appendValue(QByteArray &out, const QVariant &value)
{
    const int type = value.userType();
    if (type == QMetaType::QStringList || (type == QMetaType::QVariantList && value.toList().size() != 1)) {
        const QVariantList items = value.toList();
        if (items.isEmpty()) {
            // "@Invalid()" reads back as an empty list, never as one empty text.
            out += "@Invalid()";
            return;
        }
        for (int i = 0; i < items.size(); ++i) {
            if (i != 0)
                out += ", ";
            appendEscapedString(out, variantToString(items.at(i)));
        }
    } else {
        appendEscapedString(out, variantToString(value));
    }
}

QVariant parseValue(const char *data, int from, int to)
{
    QString text;
    QStringList list;
    text.reserve(to - from);
    if (unescapedStringList(data, from, to, text, list))
        return stringListToVariant(list);
    return stringToVariant(text);
}

QByteArray sectionHeader(const QString &name)
{
    QByteArray escaped;
    appendEscapedKey(escaped, name);
    if (escaped.isEmpty())
        return QByteArrayLiteral("[General]");
    if (qstricmp(escaped.constData(), "general") == 0)
        return QByteArrayLiteral("[%General]");
    return '[' + escaped + ']';
}

bool parse(const QByteArray &bytes, const std::function<void(const QString &, QVariant &&)> &entry)
{
    return parseText(bytes, [&](const QString &key, const char *text, int length) {
        entry(key, parseValue(text, 0, length));
    });
}

bool parseText(const QByteArray &bytes, const std::function<void(const QString &, const char *, int)> &entry)
{
    const char *data = bytes.constData();
    const int dataLen = bytes.size();
    int dataPos = 0;
    if (dataLen >= 3 && uchar(data[0]) == 0xef && uchar(data[1]) == 0xbb && uchar(data[2]) == 0xbf)
        dataPos = 3;

    bool ok = true;
    QString section;  // "" or "name/"
    int lineStart, lineLen, equalsPos;
    while (readLine(data, dataLen, dataPos, lineStart, lineLen, equalsPos)) {
        if (data[lineStart] == '[') {
            const char *close = static_cast<const char *>(std::memchr(data + lineStart, ']', size_t(lineLen)));
            QByteArray name;
            if (!close) {
                ok = false;
                name = QByteArray(data + lineStart + 1, lineLen - 1);
            } else {
                name = QByteArray(data + lineStart + 1, int(close - (data + lineStart)) - 1);
            }
            name = name.trimmed();
            if (qstricmp(name.constData(), "general") == 0) {
                section.clear();
            } else {
                if (qstricmp(name.constData(), "%general") == 0)
                    section = QLatin1String(name.constData() + 1);
                else
                    section = unescapedKey(name.constData(), 0, name.size());
                section += QLatin1Char('/');
            }
            continue;
        }
        if (equalsPos == -1) {
            if (data[lineStart] != ';')
                ok = false;
            continue;
        }
        int keyEnd = equalsPos;
        while (keyEnd > lineStart && (data[keyEnd - 1] == ' ' || data[keyEnd - 1] == '\t'))
            --keyEnd;
        const QString key = section + unescapedKey(data, lineStart, keyEnd);
        entry(key, data + equalsPos + 1, lineStart + lineLen - equalsPos - 1);
    }
    return ok;
}

} // namespace IniCodec
