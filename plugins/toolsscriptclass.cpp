#include "toolsscriptclass.h"

#include <QCryptographicHash>
#include <QScriptContext>
#include <QScriptEngine>
#include <QUrl>
#include <QUrlQuery>

#include <climits>

namespace {

// Results travel as variant objects: loose comparison and arithmetic see the
// plain value, strict comparison does not.
QScriptValue wrap(QScriptEngine *engine, const QString &value) { return engine->newVariant(QVariant(value)); }
QScriptValue wrap(QScriptEngine *engine, int value) { return engine->newVariant(QVariant(value)); }

QString text(QScriptContext *context, int index) { return context->argument(index).toString(); }

int integer(QScriptContext *context, int index)
{
    const qsreal value = context->argument(index).toInteger();
    if (value >= qsreal(INT_MAX))
        return INT_MAX;
    if (value <= qsreal(INT_MIN))
        return INT_MIN;
    return int(value);
}

Qt::CaseSensitivity sensitivity(QScriptContext *context, int index)
{
    return context->argument(index).toBool() ? Qt::CaseSensitive : Qt::CaseInsensitive;
}

QScriptValue getUrlHost(QScriptContext *context, QScriptEngine *engine)
{
    if (context->argumentCount() != 1)
        return QScriptValue();
    return wrap(engine, QUrl(text(context, 0), QUrl::TolerantMode).host());
}

QScriptValue getUrlParam(QScriptContext *context, QScriptEngine *engine)
{
    if (context->argumentCount() != 2)
        return QScriptValue();
    const QUrlQuery query(QUrl(text(context, 0), QUrl::TolerantMode));
    return wrap(engine, query.queryItemValue(text(context, 1), QUrl::FullyDecoded));
}

QScriptValue cleanUrl(QScriptContext *context, QScriptEngine *engine)
{
    if (context->argumentCount() != 1)
        return QScriptValue();
    return wrap(engine, ToolsScriptClass::cleanUrl(text(context, 0)));
}

QScriptValue copyBetween(QScriptContext *context, QScriptEngine *engine)
{
    if (context->argumentCount() != 3)
        return QScriptValue();
    return wrap(engine, ToolsScriptClass::copyBetween(text(context, 0), text(context, 1), text(context, 2)));
}

QScriptValue getToken(QScriptContext *context, QScriptEngine *engine)
{
    if (context->argumentCount() != 3)
        return QScriptValue();
    const QStringList parts = text(context, 0).split(text(context, 1), Qt::KeepEmptyParts);
    const int index = integer(context, 2);
    return wrap(engine, index >= 0 && index < parts.size() ? parts.at(index) : QString());
}

QScriptValue getTokenCount(QScriptContext *context, QScriptEngine *engine)
{
    if (context->argumentCount() != 2)
        return QScriptValue();
    return wrap(engine, text(context, 0).split(text(context, 1), Qt::KeepEmptyParts).size());
}

QScriptValue strRemove(QScriptContext *context, QScriptEngine *engine)
{
    if (context->argumentCount() != 3)
        return QScriptValue();
    QString value = text(context, 0);
    int position = integer(context, 1);
    const int count = integer(context, 2);
    // A negative position counts from the end; one outside the text changes nothing.
    if (position < 0)
        position += value.size();
    if (position >= 0 && position < value.size() && count > 0)
        value.remove(position, count);
    return wrap(engine, value);
}

QScriptValue strCopy(QScriptContext *context, QScriptEngine *engine)
{
    if (context->argumentCount() != 3)
        return QScriptValue();
    return wrap(engine, ToolsScriptClass::strCopy(text(context, 0), integer(context, 1), integer(context, 2)));
}

QScriptValue strReplace(QScriptContext *context, QScriptEngine *engine)
{
    const int count = context->argumentCount();
    if (count < 3)
        return QScriptValue();
    const Qt::CaseSensitivity cs = count == 4 ? sensitivity(context, 3) : Qt::CaseSensitive;
    return wrap(engine, text(context, 0).replace(text(context, 1), text(context, 2), cs));
}

QScriptValue strIndexOf(QScriptContext *context, QScriptEngine *engine)
{
    const int count = context->argumentCount();
    if (count < 2)
        return QScriptValue();
    const int from = count >= 3 ? integer(context, 2) : 0;
    const Qt::CaseSensitivity cs = count >= 4 ? sensitivity(context, 3) : Qt::CaseSensitive;
    return wrap(engine, text(context, 0).indexOf(text(context, 1), from, cs));
}

QScriptValue strLastIndexOf(QScriptContext *context, QScriptEngine *engine)
{
    const int count = context->argumentCount();
    if (count < 2)
        return QScriptValue();
    const int from = count >= 3 ? integer(context, 2) : -1;
    const Qt::CaseSensitivity cs = count >= 4 ? sensitivity(context, 3) : Qt::CaseSensitive;
    return wrap(engine, text(context, 0).lastIndexOf(text(context, 1), from, cs));
}

QScriptValue strFormat(QScriptContext *context, QScriptEngine *engine)
{
    const int count = context->argumentCount();
    if (count < 1)
        return QScriptValue();
    QStringList arguments;
    for (int i = 1; i < count; ++i)
        arguments << text(context, i);
    return wrap(engine, ToolsScriptClass::strFormat(text(context, 0), arguments));
}

QScriptValue splitString(QScriptContext *context, QScriptEngine *engine)
{
    const int count = context->argumentCount();
    if (count < 2)
        return QScriptValue();
    const bool keepEmpty = count >= 3 ? context->argument(2).toBool() : true;
    const Qt::CaseSensitivity cs = count == 4 ? sensitivity(context, 3) : Qt::CaseSensitive;
    const QStringList parts = text(context, 0).split(
        text(context, 1), keepEmpty ? Qt::KeepEmptyParts : Qt::SkipEmptyParts, cs);
    QScriptValue array = engine->newArray(uint(parts.size()));
    for (int i = 0; i < parts.size(); ++i)
        array.setProperty(quint32(i), parts.at(i));
    return array;
}

QScriptValue trimString(QScriptContext *context, QScriptEngine *engine)
{
    if (context->argumentCount() != 1)
        return QScriptValue();
    return wrap(engine, text(context, 0).trimmed());
}

QScriptValue simplifyString(QScriptContext *context, QScriptEngine *engine)
{
    if (context->argumentCount() != 1)
        return QScriptValue();
    return wrap(engine, text(context, 0).simplified());
}

QScriptValue digest(QScriptContext *context, QScriptEngine *engine, QCryptographicHash::Algorithm algorithm)
{
    if (context->argumentCount() != 1)
        return QScriptValue();
    const QByteArray hash = QCryptographicHash::hash(text(context, 0).toLatin1(), algorithm);
    return wrap(engine, QString::fromLatin1(hash.toHex()));
}

QScriptValue getMd4(QScriptContext *context, QScriptEngine *engine)
{
    return digest(context, engine, QCryptographicHash::Md4);
}

QScriptValue getMd5(QScriptContext *context, QScriptEngine *engine)
{
    return digest(context, engine, QCryptographicHash::Md5);
}

QScriptValue getSha1(QScriptContext *context, QScriptEngine *engine)
{
    return digest(context, engine, QCryptographicHash::Sha1);
}

} // namespace

ToolsScriptClass::ToolsScriptClass(QScriptEngine *engine)
    : QObject(nullptr)
{
    setObjectName(QStringLiteral("ToolsScriptClass"));
    const struct {
        const char *name;
        QScriptEngine::FunctionSignature function;
    } functions[] = {
        {"getUrlHost", &getUrlHost},         {"getUrlParam", &getUrlParam},
        {"cleanUrl", &::cleanUrl},           {"copyBetween", &::copyBetween},
        {"getToken", &getToken},             {"getTokenCount", &getTokenCount},
        {"strRemove", &strRemove},           {"strCopy", &::strCopy},
        {"strReplace", &strReplace},         {"strIndexOf", &strIndexOf},
        {"strLastIndexOf", &strLastIndexOf}, {"strFormat", &::strFormat},
        {"splitString", &splitString},       {"trimString", &trimString},
        {"simplifyString", &simplifyString}, {"getMd4", &getMd4},
        {"getMd5", &getMd5},                 {"getSha1", &getSha1},
    };
    QScriptValue global = engine->globalObject();
    for (const auto &entry : functions)
        global.setProperty(QLatin1String(entry.name), engine->newFunction(entry.function));
}

QString ToolsScriptClass::strCopy(const QString &text, int from, int to)
{
    const int end = qMin(to, text.size());
    if (end <= from)
        return QString();
    QString result = text.left(end);
    if (from > 0)
        result.remove(0, from);
    return result;
}

QString ToolsScriptClass::copyBetween(const QString &text, const QString &startMarker, const QString &endMarker)
{
    const int first = text.indexOf(startMarker);
    if (first < 0)
        return QString();
    const int begin = first + startMarker.size();
    const int stop = text.indexOf(endMarker, begin);
    if (stop < 0)
        return QString();
    return strCopy(text, begin, stop);
}

QString ToolsScriptClass::cleanUrl(const QString &url)
{
    const int question = url.indexOf(QLatin1Char('?'));
    const int percent = url.indexOf(QLatin1Char('%'));
    if (percent < 0 || (question >= 0 && question < percent))
        return url;
    // One pass from left to right, each character read once. An escape
    // takes up to two characters after its "%" and becomes the character
    // of that code (0 when they are not a number). A decoded "%" (from
    // "%25") is then the first "%" of the text again and takes the two
    // characters that follow, as a fresh round of decoding would: "%2541"
    // gives "A".
    QString result;
    result.reserve(url.size());
    result += url.leftRef(percent);
    int i = percent;
    bool decodedPercent = false;  // a "%" produced by decoding stands before url[i]
    while (decodedPercent || i < url.size()) {
        if (!decodedPercent) {
            const QChar c = url.at(i++);
            if (c != QLatin1Char('%')) {
                result += c;
                continue;
            }
        }
        const QStringRef hex = url.midRef(i, 2);
        i += hex.size();
        bool ok = false;
        int code = hex.toInt(&ok, 16);
        if (!ok)
            code = 0;
        const QChar decoded(code);
        decodedPercent = decoded == QLatin1Char('%');
        if (!decodedPercent)
            result += decoded;
    }
    return result;
}

QString ToolsScriptClass::strFormat(const QString &format, const QStringList &arguments)
{
    QString result = format;
    for (int i = arguments.size(); i >= 1; --i)
        result.replace(QLatin1Char('%') + QString::number(i), arguments.at(i - 1));
    return result;
}
