#include "settingstree.h"

#include <cstring>

#include "inicodec.h"

namespace {

// Calls line(key begin, key end, text begin, text end) for each line of a
// packed record.
template<typename Function>
void forEachPackedLine(const QByteArray &packed, Function line)
{
    const char *data = packed.constData();
    const char *end = data + packed.size();
    while (data < end) {
        const char *newline = static_cast<const char *>(std::memchr(data, '\n', size_t(end - data)));
        if (!newline)
            newline = end;
        const char *equals = static_cast<const char *>(std::memchr(data, '=', size_t(newline - data)));
        if (equals)
            line(data, equals, equals + 1, newline);
        data = newline + 1;
    }
}

} // namespace

namespace SettingsTree {

// The text of a key of a packed record, or a null array.
QByteArray packedValue(const QByteArray &packed, const QString &name)
{
    QByteArray key;
    IniCodec::appendEscapedKey(key, name);
    QByteArray found;
    forEachPackedLine(packed, [&](const char *k, const char *kEnd, const char *t, const char *tEnd) {
        if (kEnd - k == key.size() && std::memcmp(k, key.constData(), size_t(key.size())) == 0)
            found = QByteArray(t, int(tEnd - t)).isNull() ? QByteArray("") : QByteArray(t, int(tEnd - t));
    });
    return found;
}

Node *childNode(Node *node, const QString &name)
{
    auto it = node->children.find(name);
    if (it == node->children.end())
        return nullptr;
    return it->second.get();
}

void unpack(Node *node)
{
    if (node->packed.isEmpty())
        return;
    const QByteArray packed = std::move(node->packed);
    node->packed = QByteArray();
    forEachPackedLine(packed, [&](const char *k, const char *kEnd, const char *t, const char *tEnd) {
        const QStringList path = splitKey(IniCodec::unescapedKey(k, 0, int(kEnd - k)));
        if (path.isEmpty())
            return;
        Node *target = node;
        for (int i = 0; i + 1 < path.size(); ++i) {
            Node *next = childNode(target, path.at(i));
            if (!next)
                next = target->children.emplace(path.at(i), std::make_unique<Node>()).first->second.get();
            target = next;
        }
        target->values.insert(path.last(), QByteArray(t, int(tEnd - t)));
    });
}

QStringList splitKey(const QString &key)
{
    return key.split(QLatin1Char('/'), Qt::SkipEmptyParts);
}

Node *find(Node *root, const QStringList &path)
{
    Node *node = root;
    for (const QString &part : path) {
        unpack(node);
        auto it = node->children.find(part);
        if (it == node->children.end())
            return nullptr;
        node = it->second.get();
    }
    return node;
}

Node *create(Node *root, const QStringList &groupPath, QSet<QString> &names)
{
    Node *node = root;
    for (const QString &part : groupPath) {
        unpack(node);
        auto it = node->children.find(part);
        if (it == node->children.end()) {
            auto shared = names.constFind(part);
            if (shared == names.constEnd())
                shared = names.insert(part);
            it = node->children.emplace(*shared, std::make_unique<Node>()).first;
        }
        node = it->second.get();
    }
    unpack(node);
    return node;
}

bool set(Node *root, const QStringList &path, const QByteArray &text, QSet<QString> &names)
{
    if (path.isEmpty())
        return false;
    Node *node = create(root, path.mid(0, path.size() - 1), names);
    const QString &name = path.last();
    auto it = node->values.find(name);
    if (it != node->values.end()) {
        if (it.value() == text)
            return false;
        it.value() = text;
        return true;
    }
    auto shared = names.constFind(name);
    if (shared == names.constEnd())
        shared = names.insert(name);
    node->values.insert(*shared, text);
    return true;
}

bool erase(std::unique_ptr<Node> &root, const QStringList &path)
{
    if (path.isEmpty()) {
        const bool had = !root->isEmpty();
        root = std::make_unique<Node>();
        return had;
    }
    const QStringList groupPath = path.mid(0, path.size() - 1);
    Node *parent = find(root.get(), groupPath);
    if (!parent)
        return false;
    unpack(parent);
    const bool removedValue = parent->values.remove(path.last()) > 0;
    const bool removedGroup = parent->children.erase(path.last()) > 0;
    if (!removedValue && !removedGroup)
        return false;
    // Groups without keys do not exist in the file; drop them here too.
    for (int depth = groupPath.size(); depth > 0; --depth) {
        Node *above = find(root.get(), groupPath.mid(0, depth - 1));
        auto it = above->children.find(groupPath.at(depth - 1));
        if (it == above->children.end() || !it->second->isEmpty())
            break;
        above->children.erase(it);
    }
    return true;
}

static void appendLines(QByteArray &out, const Node &node, const QByteArray &prefix)
{
    // A packed record is its file lines already; only the prefix is added.
    const char *line = node.packed.constData();
    const char *end = line + node.packed.size();
    while (line < end) {
        const char *newline = static_cast<const char *>(std::memchr(line, '\n', size_t(end - line)));
        const char *next = newline ? newline + 1 : end;
        out += prefix;
        out.append(line, int(next - line));
        if (!newline)
            out += '\n';
        line = next;
    }
    for (auto it = node.values.cbegin(); it != node.values.cend(); ++it) {
        out += prefix;
        IniCodec::appendEscapedKey(out, it.key());
        out += '=';
        out += it.value();
        out += '\n';
    }
    for (const auto &child : node.children) {
        QByteArray childPrefix = prefix;
        IniCodec::appendEscapedKey(childPrefix, child.first);
        childPrefix += '\\';
        appendLines(out, *child.second, childPrefix);
    }
}

// A value of several lines (quoted, or continued with a backslash, as a
// hand-edited file may hold) cannot sit in a packed block, whose lines are
// one key each.
static bool hasLineBreak(const Node &node)
{
    for (const QByteArray &text : node.values) {
        if (text.contains('\n') || text.contains('\r'))
            return true;
    }
    for (const auto &child : node.children) {
        if (hasLineBreak(*child.second))
            return true;
    }
    return false;
}

QByteArray serialize(Node &root, qint64 sizeHint)
{
    for (auto &section : root.children) {
        for (auto &record : section.second->children) {
            Node &node = *record.second;
            if (!node.packed.isEmpty() || node.isEmpty() || hasLineBreak(node))
                continue;
            QByteArray lines;
            appendLines(lines, node, QByteArray());
            node.values.clear();
            node.children.clear();
            node.packed = lines;
            node.packed.squeeze();
        }
    }

    QByteArray out;
    out.reserve(int(sizeHint > 0 ? sizeHint + sizeHint / 8 : 4096));
    bool first = true;
    if (!root.values.isEmpty()) {
        out += IniCodec::sectionHeader(QString());
        out += '\n';
        Node top;
        top.values = root.values;
        appendLines(out, top, QByteArray());
        first = false;
    }
    for (const auto &section : root.children) {
        if (section.second->isEmpty())
            continue;
        if (!first)
            out += '\n';
        first = false;
        out += IniCodec::sectionHeader(section.first);
        out += '\n';
        appendLines(out, *section.second, QByteArray());
    }
    return out;
}

void forEachValue(const Node &node, const QStringList &prefix,
                  const std::function<void(const QStringList &, const QByteArray &)> &value)
{
    forEachPackedLine(node.packed, [&](const char *k, const char *kEnd, const char *t, const char *tEnd) {
        const QStringList path = splitKey(IniCodec::unescapedKey(k, 0, int(kEnd - k)));
        if (!path.isEmpty())
            value(prefix + path, QByteArray(t, int(tEnd - t)));
    });
    for (auto it = node.values.cbegin(); it != node.values.cend(); ++it)
        value(prefix + QStringList{it.key()}, it.value());
    for (const auto &child : node.children)
        forEachValue(*child.second, prefix + QStringList{child.first}, value);
}

void collectKeys(const Node &node, const QString &prefix, QStringList &out)
{
    forEachPackedLine(node.packed, [&](const char *k, const char *kEnd, const char *, const char *) {
        out.append(prefix + IniCodec::unescapedKey(k, 0, int(kEnd - k)));
    });
    for (auto it = node.values.cbegin(); it != node.values.cend(); ++it)
        out.append(prefix + it.key());
    for (const auto &child : node.children)
        collectKeys(*child.second, prefix + child.first + QLatin1Char('/'), out);
}

} // namespace SettingsTree
