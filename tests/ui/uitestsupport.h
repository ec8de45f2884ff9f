#pragma once

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QPushButton>
#include <QStringList>
#include <QTest>
#include <QTimer>

#include "apinfodialog.h"
#include "aptextdisplaypanel.h"
#include "appsettings.h"
#include "testsupport.h"

namespace UiTest {

// Answers every message window that shows up while it lives, the way a
// person does: it reads the text and clicks OK or Cancel.
class InfoDialogAnswerer final : public QObject
{
public:
    explicit InfoDialogAnswerer(bool accept = true)
        : m_accept(accept)
    {
        m_timer.setInterval(20);
        QObject::connect(&m_timer, &QTimer::timeout, this, [this] { answer(); });
        m_timer.start();
    }

    QStringList texts;

private:
    void answer()
    {
        for (QWidget *widget : QApplication::allWidgets()) {
            auto *dialog = qobject_cast<ApInfoDialog *>(widget);
            if (!dialog || !dialog->isVisible() || !dialog->isRunning())
                continue;
            texts << dialog->textPanel()->toPlainText();
            auto *button = dialog->findChild<QPushButton *>(m_accept ? QStringLiteral("ok_pushButton")
                                                                      : QStringLiteral("cancel_pushButton"));
            QTest::mouseClick(button, Qt::LeftButton);
            return;
        }
    }

    bool m_accept;
    QTimer m_timer;
};

// Settings every window test starts from: no update check, downloads into
// the given folder.
inline void prepareSettings(const QString &downloadFolder)
{
    AppSettings::setFlag(SettingsKeys::AutoUpdateFlag, false);
    AppSettings::setDownloadedTo(downloadFolder);
    AppSettings::setDownloadedToHistory({});
}

// build/test-output, for pictures a person looks at.
inline QString outputFolder()
{
    const QString folder = QDir(TestSupport::binDir()).absoluteFilePath(QStringLiteral("../test-output"));
    QDir().mkpath(folder);
    return QDir::cleanPath(folder);
}

inline void saveImage(const QImage &image, const QString &name)
{
    image.save(outputFolder() + QLatin1Char('/') + name);
}

// Bytes no compression or range mix-up leaves unchanged by chance.
inline QByteArray payload(int size, quint32 seed = 2463534242u)
{
    QByteArray data(size, Qt::Uninitialized);
    quint32 x = seed;
    for (int i = 0; i < size; ++i) {
        x ^= x << 13;
        x ^= x >> 17;
        x ^= x << 5;
        data[i] = char(x & 0xff);
    }
    return data;
}

inline QByteArray fileBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace UiTest
