#include "mail/addressbooks/muttaliases.h"

#include "mail/addressbooks/booktext.h"
#include "mail/addressbooks/problemlog.h"

#include <algorithm>

namespace mail {
namespace {

// The longest command read (its continued lines joined).
constexpr qsizetype kMaxCommand = 64 << 10;

// Where the next character of "text" from "from" that is one of "stops" stands
// outside quotes ("..." with backslash escapes, '...'), or text.size().
qsizetype Unquoted(const QString& text, qsizetype from, QStringView stops) {
    QChar quote;
    for (qsizetype i = from; i < text.size(); ++i) {
        const QChar c = text[i];
        if (!quote.isNull()) {
            if (c == '\\' && quote == '"') {
                ++i;
            } else if (c == quote) {
                quote = QChar();
            }
        } else if (c == '\\') {
            ++i;
        } else if (c == '"' || c == '\'') {
            quote = c;
        } else if (stops.contains(c)) {
            return i;
        }
    }
    return text.size();
}

// The next blank-separated word from pos, its quotes taken off and escapes
// undone; pos moves past it. Empty at the end.
QString Token(const QString& text, qsizetype& pos) {
    while (pos < text.size() && text[pos].isSpace()) {
        ++pos;
    }
    QString word;
    QChar quote;
    for (; pos < text.size(); ++pos) {
        const QChar c = text[pos];
        if (quote.isNull() && c.isSpace()) {
            break;
        }
        if (!quote.isNull() && c == quote) {
            quote = QChar();
        } else if (quote.isNull() && (c == '"' || c == '\'')) {
            quote = c;
        } else if (c == '\\' && quote != '\'' && pos + 1 < text.size()) {
            word += text[++pos];
        } else {
            word += c;
        }
    }
    return word;
}

QString Unquote(QString text) {
    text = text.trimmed();
    if (text.size() >= 2 && text.front() == '"' && text.back() == '"') {
        text = text.mid(1, text.size() - 2);
        QString out;
        for (qsizetype i = 0; i < text.size(); ++i) {
            if (text[i] == '\\' && i + 1 < text.size()) {
                ++i;
            }
            out += text[i];
        }
        return out.simplified();
    }
    return text.simplified();
}

class Parser {
public:
    Parser(MuttFile& file, QString& aliasFile) : file_(file), aliasFile_(aliasFile), log_(20) {}

    void Command(const QString& line, qsizetype number) {
        qsizetype pos = 0;
        while (pos < line.size()) {
            // Commands on one line stand apart at a ";".
            const qsizetype end = Unquoted(line, pos, u";");
            const QString segment = line.mid(pos, end - pos);
            qsizetype at = 0;
            const QString command = Token(segment, at);
            if (command == QLatin1String("alias")) {
                Alias(segment.mid(at), number);
            } else if (command == QLatin1String("source")) {
                Source(segment.mid(at));
            } else if (command == QLatin1String("set")) {
                Set(segment.mid(at));
            }
            pos = end + 1;
        }
    }

    void Finish() { file_.Problems << log_.Lines(); }
    void Problem(const QString& text) { log_.Add(text); }

private:
    void Alias(const QString& rest, qsizetype number) {
        qsizetype pos = 0;
        QString key = Token(rest, pos);
        while (key == QLatin1String("-group")) {
            Token(rest, pos);
            key = Token(rest, pos);
        }
        QStringList others;
        const auto mailboxes = ParseMailboxes(rest.mid(pos), &others);
        // A word without "@" names another alias ("alias family oma, paul"):
        // its people are in the book under their own alias.
        const qsizetype aliases = std::count_if(others.begin(), others.end(), [](const QString& item) {
            return !item.contains('@') && !item.contains(' ') && !item.contains('\t');
        });
        if (key.isEmpty() || (mailboxes.empty() && (aliases == 0 || aliases < others.size()))) {
            log_.Add(AddressBookText::tr("line %1: an alias without an address, skipped").arg(number));
            return;
        }
        const bool list = qsizetype(mailboxes.size()) + aliases > 1;
        for (const auto& [name, address] : mailboxes) {
            if (qsizetype(file_.Aliases.size()) >= kMaxMuttAliases) {
                log_.Add(AddressBookText::tr("line %1: more than %2 aliases, the rest skipped")
                             .arg(QString::number(number), QString::number(kMaxMuttAliases)));
                return;
            }
            file_.Aliases.push_back({key, name, address, list});
        }
    }

    void Source(const QString& arguments) {
        qsizetype pos = 0;
        for (QString path = Token(arguments, pos); !path.isEmpty(); path = Token(arguments, pos)) {
            path.replace(QLatin1String("${alias_file}"), aliasFile_);
            path.replace(QLatin1String("$alias_file"), aliasFile_);
            // A command's output, or a path made by running a command: never
            // run. An unset $alias_file names nothing.
            if (path.isEmpty() || path.endsWith('|') || path.contains('`')) {
                continue;
            }
            file_.Sources << path;
        }
    }

    void Set(const QString& arguments) {
        qsizetype pos = 0;
        for (QString word = Token(arguments, pos); !word.isEmpty(); word = Token(arguments, pos)) {
            if (word == QLatin1String("alias_file")) {
                // "set alias_file = path": the value is two words on.
                qsizetype at = pos;
                if (Token(arguments, at) == QLatin1String("=")) {
                    pos = at;
                    aliasFile_ = Token(arguments, pos);
                }
            } else if (word.startsWith(QLatin1String("alias_file="))) {
                aliasFile_ = word.mid(11);
            } else if (word == QLatin1String("alias_file=")) {
                aliasFile_ = Token(arguments, pos);
            }
        }
    }

    MuttFile& file_;
    QString& aliasFile_;
    ProblemLog log_;
};

} // namespace

std::vector<std::pair<QString, QString>> ParseMailboxes(const QString& list, QStringList* others) {
    std::vector<std::pair<QString, QString>> out;
    qsizetype start = 0;
    while (start < list.size()) {
        // Split at commas outside quotes, angle brackets and comments.
        qsizetype end = start;
        int angle = 0;
        int paren = 0;
        bool quoted = false;
        for (; end < list.size(); ++end) {
            const QChar c = list[end];
            if (quoted) {
                if (c == '\\') {
                    ++end;
                } else if (c == '"') {
                    quoted = false;
                }
            } else if (c == '"') {
                quoted = true;
            } else if (c == '<') {
                ++angle;
            } else if (c == '>' && angle > 0) {
                --angle;
            } else if (c == '(') {
                ++paren;
            } else if (c == ')' && paren > 0) {
                --paren;
            } else if (c == ',' && angle == 0 && paren == 0) {
                break;
            }
        }
        const QString item = list.mid(start, end - start).trimmed();
        start = end + 1;
        QString name;
        QString address;
        const qsizetype open = Unquoted(item, 0, u"<");
        const qsizetype comment = Unquoted(item, 0, u"(");
        if (open < item.size()) {
            const qsizetype close = item.indexOf('>', open);
            address = item.mid(open + 1, close < 0 ? -1 : close - open - 1).trimmed();
            name = Unquote(item.first(open));
        } else if (comment < item.size()) {
            const qsizetype close = item.lastIndexOf(')');
            address = item.first(comment).trimmed();
            name = Unquote(item.mid(comment + 1, close > comment ? close - comment - 1 : -1));
        } else {
            address = item;
        }
        if (LooksLikeAddress(address)) {
            out.emplace_back(name, address);
        } else if (others && !item.isEmpty()) {
            *others << item;
        }
    }
    return out;
}

MuttFile ParseMuttFile(QByteArrayView text, QString& aliasFile) {
    MuttFile file;
    Parser parser(file, aliasFile);
    const QStringList lines = BookText(text).split('\n');
    QString command;
    qsizetype first = 0;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        QString line = lines[i];
        if (line.endsWith('\r')) {
            line.chop(1);
        }
        if (command.isEmpty()) {
            first = i + 1;
        }
        // A backslash at the end continues the command on the next line.
        const bool continued = line.endsWith('\\') && !line.endsWith(QLatin1String("\\\\"));
        if (continued) {
            line.chop(1);
        }
        if (command.size() + line.size() > kMaxCommand) {
            parser.Problem(AddressBookText::tr("line %1: longer than 64 KiB, skipped").arg(first));
            command.clear();
            // The rest of an overlong command is skipped with it.
            while (i + 1 < lines.size() && lines[i].endsWith('\\')) {
                ++i;
            }
            continue;
        }
        command += line;
        if (continued && i + 1 < lines.size()) {
            continue;
        }
        // A "#" outside quotes starts a comment.
        const QString code = command.left(Unquoted(command, 0, u"#")).trimmed();
        if (!code.isEmpty()) {
            parser.Command(code, first);
        }
        command.clear();
    }
    parser.Finish();
    return file;
}

} // namespace mail
