#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>
#include <QVector>

// IPv4 address ranges mapped to two-letter country codes, loaded from the
// compressed table "ldb.tvoc" beside the program. Lookups scan the ranges in
// file order, so where ranges overlap the earlier one wins. A missing or
// unreadable file leaves the table empty; every lookup then finds nothing.
class ApGeoLocation final : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY(ApGeoLocation)

public:
    struct Range
    {
        quint32 first = 0;
        quint32 last = 0;  // inclusive
        char code[3] = {0, 0, 0};
    };

    explicit ApGeoLocation(QObject *parent = nullptr);

    // "ldb.tvoc" in the program folder.
    static QString defaultDatabasePath();
    static QString databaseFileName() { return QStringLiteral("ldb.tvoc"); }

    // False when the file cannot be opened; otherwise its ranges are appended
    // to those already held and the result is true (a damaged file adds none).
    bool load(const QString &path);
    // Appends the ranges of a compressed table (4-byte big-endian length and
    // a zlib stream); returns the number of ranges added.
    int loadCompressed(const QByteArray &data);
    // Appends the ranges of the uncompressed record text; returns how many.
    int parse(const QByteArray &text);

    // Index of the first range holding the address, -1 if none.
    int lookup(quint32 address) const;
    // The code of a range as stored, empty for an index out of range.
    QString codeAt(int index) const;
    // The code for a dotted IPv4 address, or "-1" when the address is not
    // valid IPv4 or no range holds it.
    QString countryCode(const QString &address) const;

    int count() const { return m_ranges.size(); }
    const QVector<Range> &ranges() const { return m_ranges; }
    bool isEmpty() const { return m_ranges.isEmpty(); }
    void clear() { m_ranges.clear(); }

    // a.b.c.d as a*2^24 + b*2^16 + c*2^8 + d; ok is false for anything else.
    static quint32 addressFromText(const QString &text, bool *ok);

    static inline const QString NoCode = QStringLiteral("-1");

private:
    // Appends the records of text up to its last "]"; returns the length of
    // text consumed (what follows may be the start of the next record).
    static int parseRecords(const char *text, int size, QVector<Range> &ranges);

    QVector<Range> m_ranges;
};

// Plain bytes: the table grows by reallocation in place, not by copying.
Q_DECLARE_TYPEINFO(ApGeoLocation::Range, Q_PRIMITIVE_TYPE);
