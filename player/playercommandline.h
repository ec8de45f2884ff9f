#pragma once

#include <QString>
#include <QStringList>

namespace Player {

// What the player was asked to do on its command line, and the message a
// second start hands to the running player:
//   none                          -> no file, hide flag 0, default base
//   FILE [X]                      -> FILE, hide flag 1, default base
//   FILE HIDE BASE                -> FILE, HIDE as integer, BASE
//   /file FILE HIDE BASE [...]    -> FILE, HIDE as integer, BASE
//   anything else with 4 or more  -> no file, hide flag 0, default base
struct PlayerCommandLine
{
    QString file;
    int hideFlag = 0;
    // Empty keeps the default advertisement base.
    QString advertisementBase;
    // The argument texts behind file, hide flag and base; empty where the
    // command line gave none.
    QString fileText;
    QString hideFlagText;
    QString advertisementBaseText;

    bool hasFile() const { return !file.isEmpty(); }
    // "{file=>[tvo]@FILE=>[tvo]@HIDE=>[tvo]@BASE}" from the argument texts.
    QString message() const;

    // arguments: without the program name.
    static PlayerCommandLine parse(const QStringList &arguments);
};

// A received "file" message: file, hide flag and base. Returns false for any
// other command or fewer than three non-empty arguments.
struct PlayerMessage
{
    QString file;
    int hideFlag = 0;
    QString advertisementBase;
    static bool fromPieces(const QStringList &pieces, PlayerMessage *message);
};

} // namespace Player
