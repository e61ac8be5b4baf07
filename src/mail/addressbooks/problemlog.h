#pragma once
// The problems found in one address book, bounded: a hostile book with a
// million bad lines gives a few lines of warning, then a count of the rest.
#include "mail/addressbooks/booktext.h"

#include <QString>
#include <QStringList>

namespace mail {

class ProblemLog {
public:
    explicit ProblemLog(qsizetype limit) : limit_(limit) {}

    void Add(const QString& problem) {
        if (told_.size() < limit_) {
            told_ << problem;
        } else {
            ++untold_;
        }
    }
    bool Empty() const { return told_.isEmpty(); }
    // The problems told, and a last line that counts the others.
    QStringList Lines() const {
        QStringList lines = told_;
        if (untold_ > 0) {
            lines << AddressBookText::tr("%n more problem(s) not shown", "", int(untold_));
        }
        return lines;
    }

private:
    qsizetype limit_;
    QStringList told_;
    qsizetype untold_ = 0;
};

} // namespace mail
