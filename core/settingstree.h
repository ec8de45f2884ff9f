#pragma once

#include <QByteArray>
#include <QMap>
#include <QSet>
#include <QString>
#include <QStringList>

#include <functional>
#include <map>
#include <memory>

// The settings file held in memory as a tree of groups, for the store
// service. Not locked: the caller holds its lock, or owns a tree nobody
// else sees yet.
namespace SettingsTree {

// One group of the tree. Values and subgroups of the same name may both
// exist, as in QSettings.
// Values are kept as the text they have in the file (what follows "key="):
// half the memory of decoded values for ten thousand records, a write only
// copies them, and a value that would be written the same is no change.
struct Node
{
    QMap<QString, QByteArray> values;
    std::map<QString, std::unique_ptr<Node>> children;
    // A record (a group right below a top-level group, such as one task)
    // as read from the file and not changed since: its lines, "key=text\n"
    // with keys relative to it and escaped as in the file, in one block.
    // It is taken apart into values and children on its first change.
    QByteArray packed;

    bool isEmpty() const { return values.isEmpty() && children.empty() && packed.isEmpty(); }
};

// "a/b/c" as its parts; empty parts are dropped.
QStringList splitKey(const QString &key);

// The text of a key of a packed record, or a null array.
QByteArray packedValue(const QByteArray &packed, const QString &name);
// Takes a packed record apart into values and children.
void unpack(Node *node);
// The direct child group of that name, or null.
Node *childNode(Node *node, const QString &name);

// The group at path, or null; groups on the way are unpacked.
Node *find(Node *root, const QStringList &path);
// The group at groupPath, created as needed; names shares key texts.
Node *create(Node *root, const QStringList &groupPath, QSet<QString> &names);
// Sets the value at path to the file text; false when it already had it.
bool set(Node *root, const QStringList &path, const QByteArray &text, QSet<QString> &names);
// Removes the value and the group at path (everything for an empty path);
// groups left without keys go too. False when there was nothing.
bool erase(std::unique_ptr<Node> &root, const QStringList &path);
// The file text; records are packed on the way, so memory stays at about
// the file's size and the next write copies them as they are. sizeHint is
// the size of the file last written, or 0.
QByteArray serialize(Node &root, qint64 sizeHint);
// Every value below node with its path (prefix + key parts) and file text.
void forEachValue(const Node &node, const QStringList &prefix,
                  const std::function<void(const QStringList &, const QByteArray &)> &value);
// Every key below node, with prefix before it.
void collectKeys(const Node &node, const QString &prefix, QStringList &out);

} // namespace SettingsTree
