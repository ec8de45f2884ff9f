#pragma once

#include <QByteArray>
#include <QCoreApplication>
#include <QDir>
#include <QTemporaryDir>

#include <cstddef>
#include <cstdint>

// Shared set-up of the fuzz entry points: an application object for the
// parts that need one, and throw-away user folders so that nothing a fuzzer
// feeds in ever reaches the real user's settings or data.
namespace FuzzSupport {

inline QString prepare(int *argc, char ***argv)
{
    static QTemporaryDir home(QDir::tempPath() + QStringLiteral("/zantor-fuzz-XXXXXX"));
    const QByteArray root = QFile::encodeName(home.path());
    for (const char *sub : {"config", "data", "cache", "runtime"})
        QDir(home.path()).mkpath(QLatin1String(sub));
    qputenv("HOME", root);
    qputenv("XDG_CONFIG_HOME", root + "/config");
    qputenv("XDG_DATA_HOME", root + "/data");
    qputenv("XDG_CACHE_HOME", root + "/cache");
    qputenv("XDG_RUNTIME_DIR", root + "/runtime");
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("QT_LOGGING_RULES", "*=false");
    static QCoreApplication app(*argc, *argv);
    return home.path();
}

inline QByteArray bytes(const uint8_t *data, size_t size)
{
    return QByteArray(reinterpret_cast<const char *>(data), int(size));
}

// Splits an input at its first newline: a small header part (an address, a
// path) and the body.
inline void split(const QByteArray &input, QByteArray *head, QByteArray *body)
{
    const int newline = input.indexOf('\n');
    *head = newline < 0 ? input : input.left(newline);
    *body = newline < 0 ? QByteArray() : input.mid(newline + 1);
}

} // namespace FuzzSupport
