#pragma once
// TSendLaterDialog: asks when a card is to go out: a date and time in the
// desktop's own format, from a minute to a year ahead.
#include "controls/borderlessdialog.h"

#include <QDateTime>

class QDateTimeEdit;
class QPushButton;

class TSendLaterDialog : public TBorderlessDialog {
    Q_OBJECT
public:
    // proposed: the time shown first (invalid: tomorrow at this hour).
    explicit TSendLaterDialog(const QDateTime& proposed, QWidget* parent = nullptr);
    // The chosen time, in local time.
    QDateTime When() const;

    QDateTimeEdit* eWhen = nullptr;
    QPushButton* Ok = nullptr;
    QPushButton* Cancel = nullptr;
};
