#include "videoinformationplugin.h"

#include <QDebug>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QScriptContext>
#include <QScriptEngine>
#include <QScriptValue>

#include "applicationinfo.h"
#include "httpscriptclass.h"
#include "scriptwatchdog.h"
#include "toolsscriptclass.h"
#include "videoinformationpluginregistry.h"

const QString VideoInformationPlugin::programVersionText = QStringLiteral("1.0.1");
const int VideoInformationPlugin::programVersionNumber = 101;

namespace {

// A global the script never set reads as empty, not as "undefined". The
// engine has built-in global functions (one is named "version"); those are
// not metadata either.
QString globalString(QScriptEngine *engine, const QString &name)
{
    const QScriptValue value = engine->globalObject().property(name);
    if (!value.isValid() || value.isUndefined() || value.isNull() || value.isFunction())
        return QString();
    return value.toString();
}

void logPluginError(const QString &text)
{
    qWarning().noquote() << QStringLiteral("Plugin error : ") + text;
}

// Calls a global script function as a plain call (no this object) from
// inside an evaluation. The engine can only abort a running evaluation, so a
// function started with QScriptValue::call() could never be stopped.
QScriptValue callGlobalFunction(QScriptEngine *engine, const QString &name, const QScriptValueList &arguments = {})
{
    QScriptContext *context = engine->pushContext();
    QScriptValue activation = context->activationObject();
    QStringList names;
    for (int i = 0; i < arguments.size(); ++i) {
        names << QStringLiteral("__zantorArgument%1").arg(i);
        activation.setProperty(names.last(), arguments.at(i));
    }
    const QScriptValue result = engine->evaluate(name + QLatin1Char('(') + names.join(QLatin1Char(',')) + QLatin1Char(')'));
    engine->popContext();
    return result;
}

} // namespace

VideoInformationPlugin::VideoInformationPlugin(VideoInformationPluginRegistry *registry, const QString &path)
    : QObject(nullptr)
    , m_registry(registry)
    , m_path(path)
{
    setObjectName(QStringLiteral("VideoInformationPlugin"));
    load();
    if (m_registry && m_valid)
        m_registry->append(this);
}

VideoInformationPlugin::~VideoInformationPlugin()
{
    if (m_registry)
        m_registry->remove(this);
}

int VideoInformationPlugin::scriptTimeLimitMs()
{
    return ScriptWatchdog::defaultLimitMs;
}

QString VideoInformationPlugin::pluginsCacheFolder()
{
    return ApplicationInfo().userDataFolder() + QStringLiteral("/plugins-cache/");
}

QString VideoInformationPlugin::path(bool fileNameOnly) const
{
    return fileNameOnly ? QFileInfo(m_path).fileName() : m_path;
}

QPixmap VideoInformationPlugin::icon() const
{
    if (m_icon.isNull() || !qobject_cast<QGuiApplication *>(QCoreApplication::instance()))
        return QPixmap();
    return QPixmap::fromImage(m_icon);
}

void VideoInformationPlugin::load()
{
    if (!QFileInfo(m_path).isFile())
        return;
    QFile file(m_path);
    if (!file.open(QIODevice::ReadOnly))
        return;
    m_script = QString::fromLatin1(file.readAll());
    file.close();

    QScriptEngine engine;
    m_engine = &engine;
    const ScriptWatchdog watchdog(&engine);
    [&] {
        engine.evaluate(m_script, QString(), 1);
        if (engine.hasUncaughtException() || watchdog.hasAborted())
            return;
        const QScriptValue regist = engine.evaluate(QStringLiteral("RegistVideoService"));
        if (!regist.isFunction())
            return;
        callGlobalFunction(&engine, QStringLiteral("RegistVideoService"));
        if (engine.hasUncaughtException() || watchdog.hasAborted())
            return;

        m_version = globalString(&engine, QStringLiteral("version"));
        m_minVersion = globalString(&engine, QStringLiteral("minVersion"));
        m_author = globalString(&engine, QStringLiteral("author"));
        m_website = globalString(&engine, QStringLiteral("website"));
        m_id = globalString(&engine, QStringLiteral("ID"));
        m_caption = globalString(&engine, QStringLiteral("caption"));
        m_adultContent = engine.globalObject().property(QStringLiteral("adultContent")).toBool();
        m_musicSite = engine.globalObject().property(QStringLiteral("musicSite")).toBool();

        m_valid = !m_version.isEmpty() && !m_minVersion.isEmpty() && !m_id.isEmpty() && !m_caption.isEmpty();
        if (!m_valid)
            return;
        if (compareVersions(m_minVersion, programVersionText) < 0) {
            m_valid = false;
            return;
        }
        m_canSearch = engine.evaluate(QStringLiteral("searchVideos")).isFunction();
        engine.clearExceptions();
        const QScriptValue iconFunction = engine.evaluate(QStringLiteral("getVideoServiceIcon"));
        engine.clearExceptions();
        if (iconFunction.isFunction()) {
            const QScriptValue result = callGlobalFunction(&engine, QStringLiteral("getVideoServiceIcon"));
            if (!engine.hasUncaughtException() && !watchdog.hasAborted())
                loadIcon(result);
        }
    }();
    if (watchdog.hasAborted()) {
        logPluginError(watchdog.reason());
        m_valid = false;
    }
    m_engine = nullptr;
}

void VideoInformationPlugin::loadIcon(const QScriptValue &value)
{
    if (value.isArray()) {
        const quint32 length = value.property(QStringLiteral("length")).toUInt32();
        // No icon is this large; a bogus length would keep the loop below
        // (which no script watchdog can interrupt) running for ever.
        if (length > MaxIconBytes) {
            logPluginError(QStringLiteral("icon of %1 bytes refused").arg(length));
            return;
        }
        QByteArray bytes;
        bytes.reserve(int(length));
        for (quint32 i = 0; i < length; ++i)
            bytes.append(char(value.property(i).toInt32() & 0xff));
        m_icon.loadFromData(bytes);
    } else if (value.isString()) {
        m_iconName = value.toString();
        if (m_icon.isNull() && !m_iconName.isEmpty())
            m_icon.load(pluginsCacheFolder() + QFileInfo(m_path).baseName());
    }
}

VideoDefinition VideoInformationPlugin::getVideoInformation(const QString &url)
{
    VideoDefinition result;
    m_lastOutcome = Outcome::PluginError;
    if (!m_valid)
        return result;

    QScriptEngine *const outerEngine = m_engine;
    QScriptEngine engine;
    m_engine = &engine;
    {
        const ScriptWatchdog watchdog(&engine);
        VideoDefinition::registerWith(&engine);
        installHostFunctions(&engine);
        const ToolsScriptClass tools(&engine);
        HttpScriptClass httpClass(&engine);

        bool failed = true;
        engine.evaluate(m_script, QString(), 1);
        if (watchdog.hasAborted()) {
            logPluginError(watchdog.reason());
        } else if (engine.hasUncaughtException()) {
            logPluginError(engine.uncaughtException().toString());
        } else {
            const QScriptValue function = engine.evaluate(QStringLiteral("getVideoInformation"));
            if (function.isFunction()) {
                const QScriptValue value
                    = callGlobalFunction(&engine, QStringLiteral("getVideoInformation"), {QScriptValue(url)});
                if (watchdog.hasAborted()) {
                    logPluginError(watchdog.reason());
                } else {
                    failed = engine.hasUncaughtException();
                    if (failed)
                        logPluginError(engine.uncaughtException().toString());
                    VideoDefinition::fromScriptValue(value, result);
                }
            }
        }
        if (!result.URL.isEmpty())
            m_lastOutcome = Outcome::Found;
        else if (httpClass.unreachableCount() > 0)
            m_lastOutcome = Outcome::Unreachable;   // whatever the script made of the failure
        else if (!failed)
            m_lastOutcome = Outcome::NoMedia;
        // Script objects (and the Http objects they hold) go before the
        // classes that made them.
        engine.collectGarbage();
    }
    m_engine = outerEngine;
    return result;
}

void VideoInformationPlugin::installHostFunctions(QScriptEngine *engine)
{
    QScriptValue global = engine->globalObject();
    global.setProperty(QStringLiteral("VideoDefinition"), engine->newFunction(&newVideoDefinition));
    global.setProperty(QStringLiteral("isPluginInstalled"), engine->newFunction(&isPluginInstalled));
    global.setProperty(QStringLiteral("executePlugin"), engine->newFunction(&executePlugin));
    global.setProperty(QStringLiteral("programVersion"), engine->newFunction(&programVersion));
    global.setProperty(QStringLiteral("programVersionShort"), engine->newFunction(&programVersionShort));
    global.setProperty(QStringLiteral("programVersionNumber"), engine->newFunction(&programVersionNumberFunction));
}

QScriptValue VideoInformationPlugin::newVideoDefinition(QScriptContext *, QScriptEngine *engine)
{
    return VideoDefinition::toScriptValue(engine, VideoDefinition());
}

QScriptValue VideoInformationPlugin::isPluginInstalled(QScriptContext *context, QScriptEngine *)
{
    VideoInformationPluginRegistry *registry = VideoInformationPluginRegistry::global();
    if (context->argumentCount() != 1 || !registry)
        return QScriptValue();
    return QScriptValue(registry->find(context->argument(0).toString() + QStringLiteral(".js")) != nullptr);
}

QScriptValue VideoInformationPlugin::executePlugin(QScriptContext *context, QScriptEngine *engine)
{
    VideoInformationPluginRegistry *registry = VideoInformationPluginRegistry::global();
    if (context->argumentCount() != 2 || !registry)
        return QScriptValue();
    VideoInformationPlugin *plugin = registry->find(context->argument(0).toString() + QStringLiteral(".js"));
    if (!plugin)
        return QScriptValue();
    // The nested plugin runs in its own engine; this script waits for it.
    const ScriptWatchdog::WaitGuard guard(engine);
    return VideoDefinition::toScriptValue(engine, plugin->getVideoInformation(context->argument(1).toString()));
}

QScriptValue VideoInformationPlugin::programVersion(QScriptContext *, QScriptEngine *engine)
{
    return engine->newVariant(QVariant(programVersionText));
}

QScriptValue VideoInformationPlugin::programVersionShort(QScriptContext *, QScriptEngine *engine)
{
    return engine->newVariant(QVariant(programVersionText));
}

QScriptValue VideoInformationPlugin::programVersionNumberFunction(QScriptContext *, QScriptEngine *engine)
{
    return engine->newVariant(QVariant(programVersionNumber));
}

QString VideoInformationPlugin::normalizeVersionStage(QString version)
{
    version.replace(QLatin1Char('a'), QStringLiteral(" Alpha"));
    version.replace(QLatin1Char('b'), QStringLiteral(" Beta"));
    version.replace(QLatin1Char('f'), QStringLiteral(" Final"));
    return version;
}

int VideoInformationPlugin::versionStageRank(const QString &stage)
{
    const QString lower = stage.toLower();
    if (lower == QLatin1String("alpha") || lower == QLatin1String("a"))
        return 1;
    if (lower == QLatin1String("beta") || lower == QLatin1String("b"))
        return 2;
    if (lower == QLatin1String("final") || lower == QLatin1String("f"))
        return 3;
    return 4;
}

int VideoInformationPlugin::compareVersions(QString a, QString b)
{
    if (a == b)
        return 0;
    a.replace(QLatin1Char(','), QLatin1Char('.'));
    b.replace(QLatin1Char(','), QLatin1Char('.'));
    const int n = qMax(a.split(QLatin1Char('.')).size(), b.split(QLatin1Char('.')).size());
    a = normalizeVersionStage(a);
    b = normalizeVersionStage(b);

    const auto parts = [](const QString &version, QString &number, QString &stage) {
        const QStringList split = version.split(QLatin1Char(' '));
        if (split.size() >= 2) {
            number = split.at(0);
            stage = split.at(1);
        } else {
            number = version;
            stage.clear();
        }
    };
    QString numberA, stageA, numberB, stageB;
    parts(a, numberA, stageA);
    parts(b, numberB, stageB);
    const QStringList digitsA = numberA.split(QLatin1Char('.'));
    const QStringList digitsB = numberB.split(QLatin1Char('.'));
    for (int i = 0; i <= n; ++i) {
        const int x = digitsA.value(i).toInt(nullptr, 10);
        const int y = digitsB.value(i).toInt(nullptr, 10);
        if (y > x)
            return 1;
        if (y < x)
            return -1;
    }
    const int rankA = versionStageRank(stageA);
    const int rankB = versionStageRank(stageB);
    if (rankA < rankB)
        return 1;
    if (rankB < rankA)
        return -1;
    return 0;
}
