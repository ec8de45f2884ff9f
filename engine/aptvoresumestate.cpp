#include "aptvoresumestate.h"

#include <QFile>
#include <QSaveFile>
#include <QUrl>

#include <algorithm>

#include <sys/stat.h>

namespace {
const QByteArray Magic = QByteArrayLiteral("ZantorResume 1");
} // namespace

void ApByteRanges::add(qint64 first, qint64 end)
{
    if (end <= first)
        return;
    QVector<Range> merged;
    merged.reserve(m_ranges.size() + 1);
    Range r(first, end);
    bool placed = false;
    for (const Range &c : qAsConst(m_ranges)) {
        if (c.second < r.first) {
            merged.append(c);
        } else if (r.second < c.first) {
            if (!placed) {
                merged.append(r);
                placed = true;
            }
            merged.append(c);
        } else {
            r.first = qMin(r.first, c.first);
            r.second = qMax(r.second, c.second);
        }
    }
    if (!placed)
        merged.append(r);
    m_ranges = merged;
}

void ApByteRanges::add(const ApByteRanges &other)
{
    for (const Range &r : other.m_ranges)
        add(r.first, r.second);
}

qint64 ApByteRanges::bytes() const
{
    qint64 sum = 0;
    for (const Range &r : m_ranges)
        sum += r.second - r.first;
    return sum;
}

QVector<ApByteRanges::Range> ApByteRanges::gaps(qint64 size) const
{
    QVector<Range> result;
    qint64 at = 0;
    for (const Range &r : m_ranges) {
        if (r.first >= size)
            break;
        if (r.first > at)
            result.append(Range(at, r.first));
        at = qMax(at, r.second);
    }
    if (at < size)
        result.append(Range(at, size));
    return result;
}

QString ApTvoResumeState::pathFor(const QString &savePath)
{
    return savePath + QStringLiteral(".zresume");
}

QString ApTvoResumeState::addressOf(const QString &url)
{
    const QUrl parsed = QUrl::fromEncoded(url.toUtf8());
    if (parsed.userInfo().isEmpty())
        return url;
    return QString::fromUtf8(parsed.adjusted(QUrl::RemoveUserInfo).toEncoded());
}

void ApTvoResumeState::remove(const QString &savePath)
{
    QFile::remove(pathFor(savePath));
}

bool ApTvoResumeState::load(const QString &savePath)
{
    *this = ApTvoResumeState();
    QFile f(pathFor(savePath));
    if (!f.open(QIODevice::ReadOnly) || f.size() > 4 * 1024 * 1024)
        return false;
    const QList<QByteArray> lines = f.readAll().split('\n');
    if (lines.isEmpty() || lines.first().trimmed() != Magic)
        return false;
    for (int i = 1; i < lines.size(); ++i) {
        const QByteArray line = lines.at(i).trimmed();
        const int space = line.indexOf(' ');
        if (space <= 0)
            continue;
        const QByteArray name = line.left(space);
        const QByteArray value = line.mid(space + 1).trimmed();
        if (name == "size") {
            size = value.toLongLong();
        } else if (name == "url") {
            url = QString::fromUtf8(value);
        } else if (name == "etag") {
            etag = value;
        } else if (name == "last-modified") {
            lastModified = value;
        } else if (name == "ftp-modified") {
            ftpModified = value;
        } else if (name == "done") {
            const QList<QByteArray> parts = value.split(' ');
            bool ok1 = false, ok2 = false;
            const qint64 first = parts.value(0).toLongLong(&ok1);
            const qint64 end = parts.value(parts.size() - 1).toLongLong(&ok2);
            if (!ok1 || !ok2 || parts.size() != 2 || first < 0 || end <= first)
                return false;
            done.add(first, end);
        }
    }
    if (size <= 0 || !hasValidator())
        return false;
    // Ranges beyond the file belong to some other file.
    if (!done.isEmpty() && done.ranges().last().second > size)
        return false;
    return true;
}

bool ApTvoResumeState::save(const QString &savePath) const
{
    QByteArray text = Magic + '\n';
    text += "size " + QByteArray::number(size) + '\n';
    // Values come from servers: a line break would start a line of its own.
    auto clean = [](QByteArray v) { return v.replace('\r', ' ').replace('\n', ' '); };
    text += "url " + clean(addressOf(url).toUtf8()) + '\n';
    if (!etag.isEmpty())
        text += "etag " + clean(etag) + '\n';
    if (!lastModified.isEmpty())
        text += "last-modified " + clean(lastModified) + '\n';
    if (!ftpModified.isEmpty())
        text += "ftp-modified " + clean(ftpModified) + '\n';
    for (const ApByteRanges::Range &r : done.ranges())
        text += "done " + QByteArray::number(r.first) + ' ' + QByteArray::number(r.second) + '\n';
    QSaveFile f(pathFor(savePath));
    if (!f.open(QIODevice::WriteOnly))
        return false;
    // Only the user's own business, like the settings file.
    if (::fchmod(f.handle(), S_IRUSR | S_IWUSR) != 0 || f.write(text) != text.size()) {
        f.cancelWriting();
        return false;
    }
    return f.commit();
}

QByteArray ApTvoResumeState::ifRangeValue() const
{
    if (!etag.isEmpty() && !etag.startsWith("W/"))
        return etag;
    return lastModified;
}
