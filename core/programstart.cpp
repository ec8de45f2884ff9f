#include "programstart.h"

#include <QCommandLineParser>
#include <QCoreApplication>

#include <cstdio>

#include "applicationinfo.h"
#include "languages.h"

#ifndef ZANTOR_VERSION
#define ZANTOR_VERSION "0"
#endif

namespace ProgramStart {

void enableHighDpi()
{
    QCoreApplication::setAttribute(Qt::AA_EnableHighDpiScaling);
    QCoreApplication::setAttribute(Qt::AA_UseHighDpiPixmaps);
}

QStringList arguments(int argc, char **argv)
{
    QStringList list;
    for (int i = 1; i < argc; ++i)
        list << QString::fromLocal8Bit(argv[i]);
    return list;
}

int answerCompanion(int argc, char **argv, const std::function<QString()> &helpText)
{
    const Answer answer = companionAnswer(arguments(argc, argv));
    if (answer == Answer::None)
        return -1;
    return printAnswer(argc, argv, answer, helpText, QStringLiteral(":/langs"));
}

Answer companionAnswer(const QStringList &arguments)
{
    const QString first = arguments.value(0);
    if (first == QLatin1String("-h") || first == QLatin1String("--help"))
        return Answer::Help;
    if (first == QLatin1String("-v") || first == QLatin1String("--version"))
        return Answer::Version;
    return Answer::None;
}

int printAnswer(int argc, char **argv, Answer answer, const std::function<QString()> &helpText,
                const QString &translationFolder)
{
    QCoreApplication app(argc, argv);
    const QString folder = translationFolder.isEmpty()
        ? Languages::languageFolder(QCoreApplication::applicationDirPath())
        : translationFolder;
    Languages::install(folder, Languages::choose(QStringLiteral("null"),
                                                            ApplicationInfo::standardLanguageTable()));
    const QString text = answer == Answer::Help
        ? helpText()
        : QCoreApplication::applicationName() + QLatin1Char(' ') + versionText() + QLatin1Char('\n');
    std::fputs(text.toLocal8Bit().constData(), stdout);
    std::fflush(stdout);
    return 0;
}

int printUsageError(const QString &program, const QString &error)
{
    const QString text = program + QStringLiteral(": ") + error + QLatin1Char('\n')
        + QCoreApplication::translate("ProgramStart", "Try '%1 --help' for more information.").arg(program)
        + QLatin1Char('\n');
    std::fputs(text.toLocal8Bit().constData(), stderr);
    return UsageError;
}

void printWarning(const QString &program, const QString &text)
{
    std::fputs((program + QStringLiteral(": ") + text + QLatin1Char('\n')).toLocal8Bit().constData(), stderr);
}

QString companionHelp(const QString &description, const QString &syntax, const QString &syntaxHelp)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(description);
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addPositionalArgument(QStringLiteral("arguments"), syntaxHelp, syntax);
    return parser.helpText();
}

QString versionText()
{
    return QStringLiteral(ZANTOR_VERSION);
}

} // namespace ProgramStart
