// The file name a server's answer names, as the new task dialog takes it:
// the first line is the Content-Disposition value, the rest the URL path.

#include <QDateTime>

#include "apnewtaskdialog.h"
#include "fuzzsupport.h"

#include <cstdlib>

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    FuzzSupport::prepare(argc, argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size > 64 * 1024)
        return 0;
    QByteArray head, body;
    FuzzSupport::split(FuzzSupport::bytes(data, size), &head, &body);
    const QString name = ApNewTaskDialog::probedFileName(head, QString::fromUtf8(body),
                                                         QDateTime(QDate(2024, 1, 2), QTime(3, 4, 5)));
    // Whatever the server says, the name stays inside the chosen folder.
    if (name.isEmpty() || name.contains(QLatin1Char('/')) || name == QLatin1String("..")
        || name == QLatin1String("."))
        std::abort();
    return 0;
}
