#pragma once
// TOutboxWindow: the cards waiting in the outbox (scheduled, or waiting for
// another try) with their recipients, time and state, and the cards sent in
// the last year. A waiting card can be sent now, given another time or
// deleted; sending runs `pinewick --send-due`, so it shares the outbox's lock
// with the timer's sender.
#include "controls/borderlessdialog.h"
#include "mail/outbox/outbox.h"
#include "mail/outbox/senderlock.h"

#include <QProcess>
#include <memory>

class QPushButton;
class QTreeWidget;

class TOutboxWindow : public TBorderlessDialog {
    Q_OBJECT
public:
    explicit TOutboxWindow(const QString& folder, QWidget* parent = nullptr);

    // Reads the outbox again and shows it.
    void Refresh();
    // The state column's text of a card.
    static QString StateText(const mail::OutboxCard& card);

    QTreeWidget* lCards = nullptr;
    QPushButton* SendNow = nullptr;
    QPushButton* ChangeTime = nullptr;
    QPushButton* Delete = nullptr;
    QPushButton* Close = nullptr;
    // The program run to send the cards (this program by default).
    QString Program;

private:
    std::optional<mail::OutboxCard> Selected();
    void SendNowClick();
    void ChangeTimeClick();
    void DeleteClick();
    void SelectionChanged();
    // False, after telling the user, when another sender holds the outbox.
    bool SenderIdle(const mail::SenderLock& lock);

    mail::Outbox outbox_;
    std::unique_ptr<QProcess> sender_;
};
