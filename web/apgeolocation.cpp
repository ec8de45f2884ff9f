#include "apgeolocation.h"

#include <QCoreApplication>
#include <QFile>

#include <cstring>
#include <limits>

#include <zlib.h>

ApGeoLocation::ApGeoLocation(QObject *parent)
    : QObject(parent)
{
}

QString ApGeoLocation::defaultDatabasePath()
{
    return QCoreApplication::applicationDirPath() + QLatin1Char('/') + databaseFileName();
}

bool ApGeoLocation::load(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    // Mapped, not read: the compressed table then costs no heap of its own.
    const qint64 size = file.size();
    if (size > 0 && size <= std::numeric_limits<int>::max()) {
        if (const uchar *mapped = file.map(0, size)) {
            loadCompressed(QByteArray::fromRawData(reinterpret_cast<const char *>(mapped), int(size)));
            file.unmap(const_cast<uchar *>(mapped));
            return true;
        }
    }
    loadCompressed(file.readAll());
    return true;
}

int ApGeoLocation::loadCompressed(const QByteArray &data)
{
    // A damaged header may claim any length; the table is a few megabytes,
    // so refuse anything absurd.
    constexpr quint32 maxUncompressed = 256u * 1024 * 1024;
    if (data.size() < 4)
        return 0;
    const auto *head = reinterpret_cast<const uchar *>(data.constData());
    const quint32 length = (quint32(head[0]) << 24) | (quint32(head[1]) << 16) | (quint32(head[2]) << 8) | head[3];
    if (length == 0 || length > maxUncompressed)
        return 0;

    // The text is inflated a piece at a time and parsed as it comes, so the
    // whole uncompressed table (several times the size of the ranges) is
    // never held. All or nothing: a stream that is damaged or cut short
    // adds no range.
    z_stream stream{};
    if (inflateInit(&stream) != Z_OK)
        return 0;
    stream.next_in = const_cast<Bytef *>(head + 4);
    stream.avail_in = uInt(data.size() - 4);
    QVector<Range> ranges;
    QByteArray pending;  // text after the last "]" seen so far
    constexpr int pieceSize = 64 * 1024;
    QByteArray pieceBuffer(pieceSize, Qt::Uninitialized);
    char *piece = pieceBuffer.data();
    int status = Z_OK;
    while (status == Z_OK) {
        stream.next_out = reinterpret_cast<Bytef *>(piece);
        stream.avail_out = pieceSize;
        status = inflate(&stream, Z_NO_FLUSH);
        if (status != Z_OK && status != Z_STREAM_END)
            break;
        const int produced = pieceSize - int(stream.avail_out);
        if (produced == 0 && status == Z_OK)
            break;  // no progress: the input ended before the stream did
        if (stream.total_out > length) {
            status = Z_DATA_ERROR;  // more text than the header announced
            break;
        }
        pending.append(piece, produced);
        const int consumed = parseRecords(pending.constData(), pending.size(), ranges);
        pending.remove(0, consumed);
    }
    inflateEnd(&stream);
    if (status != Z_STREAM_END)
        return 0;
    const int added = ranges.size();
    if (m_ranges.isEmpty())
        m_ranges.swap(ranges);
    else
        m_ranges += ranges;
    return added;
}

namespace {

// A decimal number that fits 32 bits, or 0.
quint32 decimalOrZero(const char *begin, const char *end)
{
    if (begin >= end)
        return 0;
    quint64 value = 0;
    for (const char *p = begin; p < end; ++p) {
        if (*p < '0' || *p > '9')
            return 0;
        value = value * 10 + quint64(*p - '0');
        if (value > 0xFFFFFFFFull)
            return 0;
    }
    return quint32(value);
}

} // namespace

int ApGeoLocation::parse(const QByteArray &text)
{
    const int before = m_ranges.size();
    parseRecords(text.constData(), text.size(), m_ranges);
    return m_ranges.size() - before;
}

// Records are "[CC,first,last]". The text is cut at every "]"; a piece that
// does not start with "[" is skipped, and so is everything after the last "]".
int ApGeoLocation::parseRecords(const char *data, int size, QVector<Range> &ranges)
{
    int position = 0;
    while (position < size) {
        const auto *found = static_cast<const char *>(memchr(data + position, ']', size_t(size - position)));
        if (!found)
            break;
        const char *chunk = data + position;
        const char *end = found;  // the "]"
        position = int(found - data) + 1;
        if (*chunk != '[')
            continue;
        Range range;
        const int length = int(end - chunk);
        if (length > 1)
            range.code[0] = chunk[1];
        if (length > 2)
            range.code[1] = chunk[2];
        if (length > 4) {
            const char *numbers = chunk + 4;
            const char *comma = static_cast<const char *>(memchr(numbers, ',', size_t(end - numbers)));
            if (comma) {
                range.first = decimalOrZero(numbers, comma);
                range.last = decimalOrZero(comma + 1, end);
            } else {
                range.first = decimalOrZero(numbers, end);
            }
        }
        ranges.append(range);
    }
    return position;
}

int ApGeoLocation::lookup(quint32 address) const
{
    for (int i = 0; i < m_ranges.size(); ++i) {
        const Range &range = m_ranges.at(i);
        if (range.first <= address && address <= range.last)
            return i;
    }
    return -1;
}

QString ApGeoLocation::codeAt(int index) const
{
    if (index < 0 || index >= m_ranges.size())
        return QString();
    return QString::fromLatin1(m_ranges.at(index).code);
}

QString ApGeoLocation::countryCode(const QString &address) const
{
    bool ok = false;
    const quint32 value = addressFromText(address, &ok);
    if (!ok)
        return NoCode;
    const int index = lookup(value);
    return index < 0 ? NoCode : codeAt(index);
}

quint32 ApGeoLocation::addressFromText(const QString &text, bool *ok)
{
    const QStringList parts = text.trimmed().split(QLatin1Char('.'));
    *ok = false;
    if (parts.size() != 4)
        return 0;
    quint32 value = 0;
    for (const QString &part : parts) {
        if (part.isEmpty() || part.size() > 3)
            return 0;
        for (const QChar c : part) {
            if (c < QLatin1Char('0') || c > QLatin1Char('9'))
                return 0;
        }
        const uint byte = part.toUInt();
        if (byte > 255)
            return 0;
        value = (value << 8) | byte;
    }
    *ok = true;
    return value;
}
