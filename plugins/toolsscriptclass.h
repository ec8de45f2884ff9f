#pragma once

#include <QObject>
#include <QString>

class QScriptEngine;

// Installs the string, URL and hash functions that plugin scripts use to pick
// media addresses out of web pages, as global functions of one engine.
// Functions called with an argument count they do not accept yield undefined.
class ToolsScriptClass final : public QObject
{
    Q_OBJECT

public:
    explicit ToolsScriptClass(QScriptEngine *engine);

    // The plain text operations, shared with the host code and the tests.
    static QString strCopy(const QString &text, int from, int to);
    static QString copyBetween(const QString &text, const QString &startMarker, const QString &endMarker);
    static QString cleanUrl(const QString &url);
    static QString strFormat(const QString &format, const QStringList &arguments);

private:
    Q_DISABLE_COPY(ToolsScriptClass)
};
