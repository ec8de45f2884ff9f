// The framed message a second start sends to the running instance (the
// same framing for zantor, clipdeck and mapglance): the incremental frame
// scan over arbitrary chunking, the split into pieces, and the link check
// the receiver applies.

#include "fuzzsupport.h"
#include "ipcinbox.h"
#include "ipcmessage.h"
#include "startupcommandline.h"

#include <cstdlib>

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    FuzzSupport::prepare(argc, argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size > IpcInbox::MaxMessageBytes)
        return 0;
    const QByteArray input = FuzzSupport::bytes(data, size);

    // The first byte chooses the chunk size, as a socket might deliver it.
    const int chunk = size > 0 ? 1 + data[0] % 64 : 1;
    QByteArray buffer;
    int open = -1;
    int end = -1;
    for (int from = 0; from < input.size() && end < 0; from += chunk) {
        const int scanned = buffer.size();
        buffer += input.mid(from, chunk);
        end = IpcFrame::findEnd(buffer, scanned, &open);
    }
    // The chunked scan finds the frame a whole scan finds.
    int wholeOpen = -1;
    const int wholeEnd = IpcFrame::findEnd(input, 0, &wholeOpen);
    if (end != wholeEnd || (end >= 0 && open != wholeOpen))
        std::abort();

    QStringList pieces;
    const QString text = QString::fromUtf8(input);
    if (IpcMessage::parse(text, &pieces)) {
        for (const QString &piece : qAsConst(pieces)) {
            if (piece.isEmpty())
                std::abort();
            StartupCommandLine::isDownloadLink(piece.trimmed());
        }
        // A message built from the pieces reads back as the same pieces.
        if (!pieces.isEmpty()) {
            QStringList again;
            if (!IpcMessage::parse(IpcMessage::build(pieces.first(), pieces.mid(1)), &again) || again != pieces)
                std::abort();
        }
    }
    return 0;
}
