#pragma once
// A reader for the "[group]" / "key=value" settings files that the mail
// programs keep (Thunderbird's profiles.ini, Evolution's account sources).
#include <QString>
#include <map>
#include <string>
#include <vector>

namespace mail {

class KeyFile {
public:
    // Reads the file; a missing or unreadable file reads as empty. With
    // escapes, values are decoded as the desktop's key files write them
    // (\s, \n, \t, \r, \\).
    static KeyFile Read(const QString& path, bool escapes = false);

    bool Empty() const { return groups_.empty(); }
    bool HasGroup(const std::string& group) const { return groups_.count(group) != 0; }
    // The value, or an empty string when the group or key is missing.
    std::string Value(const std::string& group, const std::string& key) const;
    // The names of the groups in the order of the file.
    const std::vector<std::string>& Groups() const { return order_; }

private:
    std::map<std::string, std::map<std::string, std::string>> groups_;
    std::vector<std::string> order_;
};

} // namespace mail
