#include "mail/addresslist.h"

namespace mail {

namespace {

// Walks text keeping track of quotes (with their backslash escapes), angle
// brackets and comments, and calls onSeparator(i) for each list separator.
template <typename F> void ForEachSeparator(const QString& text, int end, F onSeparator) {
    bool quoted = false;
    bool escaped = false;
    bool angle = false;
    int comment = 0;
    for (int i = 0; i < end; ++i) {
        const QChar c = text[i];
        if (escaped) {
            escaped = false;
        } else if (c == '\\' && (quoted || comment > 0)) {
            escaped = true;
        } else if (quoted) {
            quoted = c != '"';
        } else if (comment > 0) {
            comment += c == '(' ? 1 : c == ')' ? -1 : 0;
        } else if (c == '"') {
            quoted = true;
        } else if (c == '(') {
            comment = 1;
        } else if (c == '<') {
            angle = true;
        } else if (c == '>') {
            angle = false;
        } else if (!angle && (c == ',' || c == ';')) {
            onSeparator(i);
        }
    }
}

// A display name as written: quotes removed, escapes resolved, blanks folded.
QString Unquoted(const QString& phrase) {
    QString out;
    bool escaped = false;
    for (const QChar c : phrase) {
        if (escaped) {
            out += c;
            escaped = false;
        } else if (c == '\\') {
            escaped = true;
        } else if (c != '"') {
            out += c;
        }
    }
    return out.simplified();
}

// "addr (Name)": the address without its comments, and the first comment.
void SplitComment(const QString& text, QString* address, QString* comment) {
    const int open = text.indexOf('(');
    if (open < 0) {
        *address = text.trimmed();
        return;
    }
    const int close = text.lastIndexOf(')');
    *address = (text.left(open) + (close > open ? text.mid(close + 1) : QString())).trimmed();
    *comment = Unquoted(text.mid(open + 1, close > open ? close - open - 1 : -1));
}

TypedRecipient ParseItem(QString item) {
    TypedRecipient recipient;
    recipient.Text = item.trimmed();
    // A group's name ("Family: a@x.org, b@x.org;") is not a recipient.
    const int colon = item.indexOf(':');
    if (colon >= 0 && !item.left(colon).contains('"') && !item.left(colon).contains('<') &&
        !item.left(colon).contains('@')) {
        item = item.mid(colon + 1);
    }
    const int open = item.lastIndexOf('<');
    const int close = item.lastIndexOf('>');
    if (open >= 0 && close > open) {
        recipient.Address = item.mid(open + 1, close - open - 1).trimmed();
        recipient.Name = Unquoted(item.left(open));
    } else if (item.contains('@')) {
        SplitComment(item, &recipient.Address, &recipient.Name);
    } else {
        recipient.Name = Unquoted(item);
    }
    return recipient;
}

} // namespace

std::vector<TypedRecipient> ParseAddressList(const QString& text) {
    std::vector<TypedRecipient> items;
    int start = 0;
    const auto take = [&](int end) {
        const QString item = text.mid(start, end - start);
        start = end + 1;
        TypedRecipient recipient = ParseItem(item);
        if (!recipient.Address.isEmpty() || !recipient.Name.isEmpty()) {
            items.push_back(std::move(recipient));
        }
    };
    ForEachSeparator(text, static_cast<int>(text.size()), take);
    take(static_cast<int>(text.size()));
    return items;
}

int CurrentItemStart(const QString& text, int cursor) {
    int start = 0;
    ForEachSeparator(text, std::min(cursor, static_cast<int>(text.size())), [&](int i) { start = i + 1; });
    return start;
}

} // namespace mail
