#include "output/outboxwindow.h"

#include "mail/outbox/outboxtimer.h"
#include "mail/outbox/senderlock.h"
#include "output/panelface.h"
#include "output/sendlaterdialog.h"
#include "platform/picture.h"

#include <QCoreApplication>
#include <QHeaderView>
#include <QLabel>
#include <QLocale>
#include <QMessageBox>
#include <QPushButton>
#include <QTreeWidget>

namespace {

constexpr QSize formSize{560, 320};

QString LocalTime(const QDateTime& time) {
    return QLocale().toString(time.toLocalTime(), QLocale::ShortFormat);
}

QString Recipients(const mail::OutboxCard& card) {
    QStringList names;
    for (const mail::OutboxRecipient& r : card.Recipients) {
        names << QString::fromStdString(r.Name.empty() ? r.Address : r.Name);
    }
    return names.join(", ");
}

} // namespace

TOutboxWindow::TOutboxWindow(const QString& folder, QWidget* parent)
    : TBorderlessDialog(formSize, parent), Program(QCoreApplication::applicationFilePath()), outbox_(folder) {
    PrepareFace(PanelFace(formSize));
    auto* caption = new QLabel(this);
    caption->setGeometry(18, 10, formSize.width() - 36, 24);
    UsePanelText(caption);
    caption->setText(tr("Cards waiting to go out, and cards sent in the last year"));

    lCards = new QTreeWidget(this);
    lCards->setObjectName("lCards");
    lCards->setGeometry(18, 38, formSize.width() - 36, 230);
    lCards->setHeaderLabels({tr("Recipients"), tr("Time"), tr("State")});
    lCards->setRootIsDecorated(false);
    // The card's picture at the head of each line, as small as the line allows.
    lCards->setIconSize(QSize(48, 32));
    lCards->setAlternatingRowColors(true);
    lCards->header()->resizeSection(0, 190);
    lCards->header()->resizeSection(1, 120);
    QPalette field = lCards->palette();
    field.setColor(QPalette::Base, FieldColor());
    lCards->setPalette(field);

    const auto makeButton = [this](const char* name, const QString& caption, int x) {
        auto* button = new QPushButton(caption, this);
        button->setObjectName(name);
        button->setGeometry(x, 280, 100, 26);
        button->setAutoDefault(false);
        return button;
    };
    SendNow = makeButton("SendNow", tr("Send now"), 18);
    ChangeTime = makeButton("ChangeTime", tr("Change time…"), 126);
    Delete = makeButton("Delete", tr("Delete"), 234);
    Close = makeButton("Close", tr("Close"), formSize.width() - 118);
    connect(SendNow, &QPushButton::clicked, this, [this] { SendNowClick(); });
    connect(ChangeTime, &QPushButton::clicked, this, [this] { ChangeTimeClick(); });
    connect(Delete, &QPushButton::clicked, this, [this] { DeleteClick(); });
    connect(Close, &QPushButton::clicked, this, [this] { CancelClick(); });
    connect(lCards, &QTreeWidget::itemSelectionChanged, this, [this] { SelectionChanged(); });
    Refresh();
}

QString TOutboxWindow::StateText(const mail::OutboxCard& card) {
    using S = mail::RecipientState;
    int sent = 0;
    int refused = 0;
    std::string reason;
    bool tried = false;
    for (const mail::OutboxRecipient& r : card.Recipients) {
        sent += r.State == S::Sent ? 1 : 0;
        refused += r.State == S::Refused || r.State == S::Failed || r.State == S::Unknown ? 1 : 0;
        if (r.State == S::Waiting && r.Attempts > 0) {
            tried = true;
            reason = r.Reason;
        }
    }
    const int count = static_cast<int>(card.Recipients.size());
    if (card.Pending()) {
        return tried ? tr("Waiting: tried again at %1 (%2)")
                           .arg(LocalTime(card.NextTry()), QString::fromStdString(reason))
                     : tr("Scheduled");
    }
    if (refused == 0) {
        return tr("Sent to all %n", "", count);
    }
    return tr("Sent to %1 of %n", "", count).arg(sent);
}

void TOutboxWindow::Refresh() {
    const QString selected = Selected() ? Selected()->Id : QString();
    lCards->clear();
    QStringList problems;
    for (const mail::OutboxCard& card : outbox_.Cards(&problems)) {
        QDateTime time = card.Due;
        for (const mail::OutboxRecipient& r : card.Recipients) {
            if (r.SentAt.isValid() && r.SentAt > time) {
                time = r.SentAt;
            }
        }
        auto* item = new QTreeWidgetItem(
            lCards, {Recipients(card), LocalTime(card.Pending() ? card.Due : time), StateText(card)});
        item->setData(0, Qt::UserRole, card.Id);
        const QImage picture = LoadPicture(outbox_.PictureFile(card.Id));
        if (!picture.isNull()) {
            item->setIcon(0, QPixmap::fromImage(picture.scaled(lCards->iconSize(), Qt::KeepAspectRatio,
                                                               Qt::SmoothTransformation)));
        }
        item->setToolTip(0, QString::fromStdString(card.Subject));
        item->setToolTip(2, item->text(2));
        if (card.Id == selected) {
            item->setSelected(true);
        }
    }
    for (const QString& problem : problems) {
        QMessageBox::warning(this, QCoreApplication::applicationName(), problem);
    }
    SelectionChanged();
}

std::optional<mail::OutboxCard> TOutboxWindow::Selected() {
    const QList<QTreeWidgetItem*> items = lCards->selectedItems();
    if (items.isEmpty()) {
        return std::nullopt;
    }
    return outbox_.Card(items.front()->data(0, Qt::UserRole).toString());
}

void TOutboxWindow::SelectionChanged() {
    const std::optional<mail::OutboxCard> card = Selected();
    const bool pending = card && card->Pending();
    const bool sending = sender_ && sender_->state() != QProcess::NotRunning;
    SendNow->setEnabled(pending && !sending);
    ChangeTime->setEnabled(pending && !sending);
    Delete->setEnabled(card.has_value() && !sending);
}

void TOutboxWindow::SendNowClick() {
    std::optional<mail::OutboxCard> card = Selected();
    if (!card || !card->Pending()) {
        return;
    }
    const QDateTime now = QDateTime::currentDateTimeUtc();
    card->Due = std::min(card->Due, now);
    for (mail::OutboxRecipient& r : card->Recipients) {
        r.NextAttempt = {};
    }
    QString error;
    if (!outbox_.Save(*card, &error)) {
        QMessageBox::warning(this, QCoreApplication::applicationName(), error);
        return;
    }
    sender_ = std::make_unique<QProcess>();
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    // The window is open: what goes out now is no news at the next start.
    env.insert("PINEWICK_WINDOW_OPEN", "1");
    sender_->setProcessEnvironment(env);
    connect(sender_.get(), &QProcess::finished, this, [this] { Refresh(); });
    sender_->start(Program, {"--send-due"});
    SelectionChanged();
}

bool TOutboxWindow::SenderIdle(const mail::SenderLock& lock) {
    if (!lock.Held()) {
        QMessageBox::information(this, QCoreApplication::applicationName(),
                                 tr("Pinewick is sending cards just now. Try again in a moment."));
    }
    return lock.Held();
}

void TOutboxWindow::ChangeTimeClick() {
    std::optional<mail::OutboxCard> card = Selected();
    if (!card || !card->Pending()) {
        return;
    }
    TSendLaterDialog dialog(card->Due, this);
    dialog.CenterOn(this);
    if (dialog.exec() != QDialog::Accepted) {
        return;
    }
    // Not while a sender is at work on the outbox: it writes the card's state.
    const mail::SenderLock lock(outbox_.Folder());
    if (!SenderIdle(lock)) {
        return;
    }
    card->Due = dialog.When().toUTC();
    for (mail::OutboxRecipient& r : card->Recipients) {
        r.NextAttempt = {};
    }
    QString error;
    if (!outbox_.Save(*card, &error)) {
        QMessageBox::warning(this, QCoreApplication::applicationName(), error);
    }
    Refresh();
}

void TOutboxWindow::DeleteClick() {
    const std::optional<mail::OutboxCard> card = Selected();
    if (!card) {
        return;
    }
    if (card->Pending() &&
        QMessageBox::question(this, QCoreApplication::applicationName(),
                              tr("Delete the card to %1? It will not be sent.").arg(Recipients(*card))) !=
            QMessageBox::Yes) {
        return;
    }
    // Not while a sender is at work on the outbox: it writes the card's state.
    const mail::SenderLock lock(outbox_.Folder());
    if (!SenderIdle(lock)) {
        return;
    }
    outbox_.Remove(card->Id);
    mail::KeepOutboxTimer(outbox_.HasPending());
    Refresh();
}
