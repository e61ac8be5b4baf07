#include "mail/accounts/keyfile.h"

#include <QFile>

namespace mail {
namespace {

std::string Trimmed(const std::string& text) {
    const auto first = text.find_first_not_of(" \t\r");
    if (first == std::string::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(" \t\r") - first + 1);
}

std::string Unescaped(const std::string& value) {
    std::string out;
    for (std::size_t i = 0; i < value.size(); ++i) {
        if (value[i] != '\\' || i + 1 == value.size()) {
            out += value[i];
            continue;
        }
        switch (value[++i]) {
        case 's':
            out += ' ';
            break;
        case 'n':
            out += '\n';
            break;
        case 't':
            out += '\t';
            break;
        case 'r':
            out += '\r';
            break;
        default:
            out += value[i];
            break;
        }
    }
    return out;
}

} // namespace

KeyFile KeyFile::Read(const QString& path, bool escapes) {
    KeyFile file;
    QFile in(path);
    if (!in.open(QIODevice::ReadOnly)) {
        return file;
    }
    std::string group;
    for (const QByteArray& raw : in.readAll().split('\n')) {
        // The files are UTF-8: a damaged byte reads as U+FFFD, never passes on raw.
        const std::string line = Trimmed(QString::fromUtf8(raw).toStdString());
        if (line.empty() || line.front() == '#' || line.front() == ';') {
            continue;
        }
        if (line.front() == '[' && line.back() == ']') {
            group = line.substr(1, line.size() - 2);
            if (!file.HasGroup(group)) {
                file.order_.push_back(group);
                file.groups_[group];
            }
            continue;
        }
        const auto equals = line.find('=');
        if (equals == std::string::npos || group.empty()) {
            continue;
        }
        const std::string value = Trimmed(line.substr(equals + 1));
        file.groups_[group][Trimmed(line.substr(0, equals))] = escapes ? Unescaped(value) : value;
    }
    return file;
}

std::string KeyFile::Value(const std::string& group, const std::string& key) const {
    const auto g = groups_.find(group);
    if (g == groups_.end()) {
        return {};
    }
    const auto k = g->second.find(key);
    return k == g->second.end() ? std::string() : k->second;
}

} // namespace mail
