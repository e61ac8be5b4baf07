#include "mail/addressbooks/vcardparser.h"

#include "mail/addressbooks/booktext.h"
#include "mail/addressbooks/problemlog.h"

#include <QStringDecoder>

namespace mail {
namespace {

// One content line: "group.NAME;param=value;...:value".
struct Property {
    QByteArray Name; // upper case, without its group
    QByteArray Encoding;
    QByteArray Charset;
    QByteArray Value;
};

// Where the ':' that ends the name and parameters is (parameter values may
// be quoted and hold ':' and ';'), or -1.
qsizetype ValueStart(QByteArrayView line) {
    bool quoted = false;
    for (qsizetype i = 0; i < line.size(); ++i) {
        if (line[i] == '"') {
            quoted = !quoted;
        } else if (line[i] == ':' && !quoted) {
            return i;
        }
    }
    return -1;
}

bool ParseProperty(QByteArrayView line, Property& p) {
    const qsizetype colon = ValueStart(line);
    if (colon < 0) {
        return false;
    }
    // The parameters, split at ';' outside quotes.
    QList<QByteArray> parts;
    QByteArray part;
    bool quoted = false;
    for (const char c : line.first(colon)) {
        if (c == '"') {
            quoted = !quoted;
        } else if (c == ';' && !quoted) {
            parts << part;
            part.clear();
        } else {
            part += c;
        }
    }
    parts << part;
    const QByteArray& name = parts.front();
    p.Name = name.mid(name.lastIndexOf('.') + 1).trimmed().toUpper();
    for (qsizetype i = 1; i < parts.size(); ++i) {
        const qsizetype eq = parts[i].indexOf('=');
        const QByteArray key = eq < 0 ? QByteArray() : parts[i].first(eq).trimmed().toUpper();
        const QByteArray value = parts[i].mid(eq + 1).trimmed().toUpper();
        // Version 2.1 lets the encoding stand alone ("EMAIL;QUOTED-PRINTABLE:").
        if (key == "ENCODING" || (key.isEmpty() && (value == "QUOTED-PRINTABLE" || value == "BASE64"))) {
            p.Encoding = value;
        } else if (key == "CHARSET") {
            p.Charset = value;
        }
    }
    p.Value = line.sliced(colon + 1).toByteArray();
    return true;
}

int HexDigit(char c) {
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    c = static_cast<char>(c | 0x20);
    return c >= 'a' && c <= 'f' ? c - 'a' + 10 : -1;
}

QByteArray QuotedPrintable(const QByteArray& in) {
    QByteArray out;
    out.reserve(in.size());
    for (qsizetype i = 0; i < in.size(); ++i) {
        const int high = i + 2 < in.size() ? HexDigit(in[i + 1]) : -1;
        const int low = high >= 0 ? HexDigit(in[i + 2]) : -1;
        if (in[i] == '=' && high >= 0 && low >= 0) {
            out += static_cast<char>(high * 16 + low);
            i += 2;
        } else if (in[i] == '=' && i + 1 == in.size()) {
            break; // a soft line break at the very end
        } else {
            out += in[i];
        }
    }
    return out;
}

// The value as text: decoded from its transfer encoding and its character set.
QString ValueText(const Property& p) {
    QByteArray bytes = p.Value;
    if (p.Encoding == "QUOTED-PRINTABLE") {
        bytes = QuotedPrintable(bytes);
    } else if (p.Encoding == "B" || p.Encoding == "BASE64") {
        bytes = QByteArray::fromBase64(bytes);
    }
    if (!p.Charset.isEmpty() && p.Charset != "UTF-8") {
        QStringDecoder decoder(p.Charset.constData());
        if (decoder.isValid()) {
            return decoder.decode(bytes);
        }
    }
    return BookText(bytes);
}

// The components of a structured value (N, at ';') or the items of a list
// (NICKNAME, at ','), split where the separator is not escaped, each with its
// escapes undone.
QStringList Components(const QString& value, QChar separator) {
    QStringList out;
    QString current;
    for (qsizetype i = 0; i < value.size(); ++i) {
        if (value[i] == '\\' && i + 1 < value.size()) {
            current += value[i];
            current += value[++i];
        } else if (value[i] == separator) {
            out << Unescape(current);
            current.clear();
        } else {
            current += value[i];
        }
    }
    out << Unescape(current);
    return out;
}

// The physical lines of the text joined into content lines: a line that
// starts with a blank continues the one before it, and so does the line
// after a quoted-printable value that ends in a soft line break ("=").
class LineReader {
public:
    explicit LineReader(QByteArrayView text) : text_(text) {}

    // The next content line and the number of its first physical line; false
    // at the end. overlong: the line passed kMaxVCardLine (only its start is kept).
    bool Next(QByteArray& line, qsizetype& number, bool& overlong) {
        line.clear();
        overlong = false;
        bool quotedPrintable = false;
        while (pos_ < text_.size()) {
            QByteArrayView physical = PeekLine();
            const bool folded =
                !line.isEmpty() && !physical.isEmpty() && (physical[0] == ' ' || physical[0] == '\t');
            const bool softBreak = !line.isEmpty() && quotedPrintable && line.endsWith('=');
            if (!line.isEmpty() && !folded && !softBreak) {
                return true;
            }
            TakeLine();
            if (line.isEmpty()) {
                if (physical.trimmed().isEmpty()) {
                    continue;
                }
                number = lineNumber_;
                quotedPrintable =
                    ValueStart(physical) >= 0 &&
                    physical.first(ValueStart(physical)).toByteArray().toUpper().contains("QUOTED-PRINTABLE");
            } else if (softBreak) {
                line.chop(1);
            } else {
                physical = physical.sliced(1);
            }
            if (line.size() + physical.size() > kMaxVCardLine) {
                overlong = true;
                physical = physical.first(std::max<qsizetype>(0, kMaxVCardLine - line.size()));
            }
            line += physical;
        }
        return !line.isEmpty();
    }

private:
    QByteArrayView PeekLine() const {
        qsizetype end = text_.indexOf('\n', pos_);
        next_ = end < 0 ? text_.size() : end + 1;
        if (end < 0) {
            end = text_.size();
        }
        if (end > pos_ && text_[end - 1] == '\r') {
            --end;
        }
        return text_.sliced(pos_, end - pos_);
    }
    void TakeLine() {
        pos_ = next_;
        ++lineNumber_;
    }

    QByteArrayView text_;
    qsizetype pos_ = 0;
    mutable qsizetype next_ = 0;
    qsizetype lineNumber_ = 0;
};

} // namespace

std::vector<VCardEntry> ParseVCards(QByteArrayView text, QStringList& problems) {
    std::vector<VCardEntry> cards;
    ProblemLog log(kMaxVCardProblems);
    LineReader reader(text);
    QByteArray line;
    qsizetype number = 0;
    bool overlong = false;
    bool inCard = false;
    qsizetype cardLine = 0;
    VCardEntry card;
    QStringList names; // the card's N: family, given, additional, prefixes, suffixes
    bool group = false;
    const auto finish = [&] {
        if (card.Name.isEmpty() && names.size() >= 2) {
            card.Name = (names.value(1) + ' ' + names.value(2) + ' ' + names.value(0)).simplified();
        }
        if (!card.Emails.isEmpty() && !group) {
            cards.push_back(std::move(card));
        }
        card = {};
        names.clear();
        inCard = false;
        group = false;
    };
    while (reader.Next(line, number, overlong)) {
        if (overlong) {
            log.Add(AddressBookText::tr("line %1: longer than 1 MiB, skipped").arg(number));
            continue;
        }
        Property p;
        if (!ParseProperty(line, p)) {
            if (inCard) {
                log.Add(AddressBookText::tr("line %1: not a vCard line, skipped").arg(number));
            }
            continue;
        }
        const QByteArray value = p.Value.trimmed().toUpper();
        if (p.Name == "BEGIN" && value == "VCARD") {
            if (inCard) {
                log.Add(AddressBookText::tr("line %1: the card has no END:VCARD").arg(cardLine));
                finish();
            }
            if (qsizetype(cards.size()) >= kMaxVCards) {
                log.Add(AddressBookText::tr("line %1: more than %2 cards, the rest skipped")
                            .arg(QString::number(number), QString::number(kMaxVCards)));
                break;
            }
            inCard = true;
            cardLine = number;
            continue;
        }
        if (!inCard) {
            continue;
        }
        if (p.Name == "END" && value == "VCARD") {
            finish();
        } else if (p.Name == "FN") {
            card.Name = Unescape(ValueText(p)).simplified();
        } else if (p.Name == "N") {
            names = Components(ValueText(p), ';');
            card.FirstName = names.value(1).section(',', 0, 0).simplified();
        } else if (p.Name == "NICKNAME" && card.Nick.isEmpty()) {
            card.Nick = Components(ValueText(p), ',').value(0).simplified();
        } else if ((p.Name == "KIND" || p.Name == "X-ADDRESSBOOKSERVER-KIND") && value == "GROUP") {
            group = true;
        } else if (p.Name == "X-EVOLUTION-LIST" && value == "TRUE") {
            group = true;
        } else if (p.Name == "EMAIL") {
            QString address = Unescape(ValueText(p)).trimmed();
            if (address.startsWith(QLatin1String("mailto:"), Qt::CaseInsensitive)) {
                address = address.mid(7);
            }
            // Some programs write the address with a name: "Name <address>".
            const qsizetype open = address.lastIndexOf('<');
            if (open >= 0 && address.endsWith('>')) {
                address = address.mid(open + 1, address.size() - open - 2).trimmed();
            }
            if (address.isEmpty()) {
                continue;
            }
            if (!LooksLikeAddress(address)) {
                log.Add(AddressBookText::tr("line %1: \"%2\" is no mail address, skipped")
                            .arg(QString::number(number), Shortened(address)));
            } else if (card.Emails.size() < kMaxVCardEmails) {
                card.Emails << address;
            }
        }
    }
    if (inCard) {
        log.Add(AddressBookText::tr("line %1: the card has no END:VCARD").arg(cardLine));
        finish();
    }
    problems << log.Lines();
    return cards;
}

} // namespace mail
