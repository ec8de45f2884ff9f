#include "playercommandline.h"

#include "ipcmessage.h"

namespace Player {

namespace {
const QString FileCommand = QStringLiteral("file");
const QString FileSwitch = QStringLiteral("/file");
} // namespace

PlayerCommandLine PlayerCommandLine::parse(const QStringList &arguments)
{
    PlayerCommandLine line;
    const int count = arguments.size();
    if (count == 1 || count == 2) {
        line.fileText = arguments.at(0);
        line.hideFlag = 1;
    } else if (count == 3) {
        line.fileText = arguments.at(0);
        line.hideFlagText = arguments.at(1);
        line.advertisementBaseText = arguments.at(2);
    } else if (count >= 4 && arguments.at(0) == FileSwitch) {
        line.fileText = arguments.at(1);
        line.hideFlagText = arguments.at(2);
        line.advertisementBaseText = arguments.at(3);
    }
    line.file = line.fileText;
    if (!line.hideFlagText.isEmpty())
        line.hideFlag = line.hideFlagText.toInt();
    line.advertisementBase = line.advertisementBaseText;
    return line;
}

QString PlayerCommandLine::message() const
{
    return IpcMessage::build(FileCommand, {fileText, hideFlagText, advertisementBaseText});
}

bool PlayerMessage::fromPieces(const QStringList &pieces, PlayerMessage *message)
{
    if (pieces.size() <= 3 || pieces.at(0) != FileCommand)
        return false;
    message->file = pieces.at(1);
    message->hideFlag = pieces.at(2).toInt();
    message->advertisementBase = pieces.at(3);
    return true;
}

} // namespace Player
