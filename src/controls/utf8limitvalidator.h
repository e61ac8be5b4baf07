#pragma once
// TUtf8LimitValidator: keeps a line edit's text within a number of bytes of
// UTF-8, for texts that are stored in a field of bounded size. What the user
// typed or pasted last (the characters just before the caret) is what gives
// way; a character is never split.
#include <QValidator>

// The longest start of `text` that takes at most `maxBytes` bytes in UTF-8.
QString Utf8Prefix(const QString& text, qsizetype maxBytes);

class TUtf8LimitValidator : public QValidator {
public:
    TUtf8LimitValidator(qsizetype maxBytes, QObject* parent);

    State validate(QString& input, int& pos) const override;

private:
    qsizetype maxBytes_;
};
