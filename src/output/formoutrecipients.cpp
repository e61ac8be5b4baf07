// The output dialog's recipients: completion from the address books, the
// personal note, the preview, the summary of a send to several people and
// what is remembered for the next time.
#include "controls/cursors.h"
#include "mail/addresslist.h"
#include "mail/mailaddress.h"
#include "output/cardletters.h"
#include "output/cardmail.h"
#include "output/cardnote.h"
#include "output/formout.h"
#include "output/notedialog.h"
#include "output/previewdialog.h"
#include "platform/settings.h"
#include "scene/tree.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QCompleter>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStringListModel>

namespace {

// The small text buttons on the dialog's cream face, and the completion list,
// in the dialog's colours: beige fields, dark red text, a red selection.
constexpr char kTextButtonStyle[] =
    "QPushButton { border: 1px solid #b89a70; border-radius: 3px; background: #efe6d2; color: #6b1a1a;"
    " padding: 0 4px; }"
    "QPushButton:hover { background: #f8f1e1; }"
    "QPushButton:pressed { background: #e0d6c3; }"
    "QPushButton:disabled { color: #a89a88; }";
constexpr char kCompletionStyle[] =
    "QListView { background: #f8f1e1; color: #3a2a1a; border: 1px solid #b89a70; outline: 0; }"
    "QListView::item { padding: 3px 6px; }"
    "QListView::item:selected, QListView::item:hover { background: #8c1c1c; color: #fff8ec; }";

// The settings' names: the greeting the recipients and note were meant for.
constexpr char kGreetingKey[] = "Card/Greeting";
constexpr char kRecipientsKey[] = "Card/Recipients";
constexpr char kNoteKey[] = "Card/Note";

// How many completions the list offers at once.
constexpr int kCompletions = 12;

} // namespace

QPushButton* TFormOut::MakeTextButton(const char* name, const QString& caption, const QString& hint,
                                      const QRect& place) {
    auto* button = new QPushButton(caption, this);
    button->setObjectName(name);
    button->setGeometry(place);
    button->setToolTip(hint);
    button->setStyleSheet(kTextButtonStyle);
    button->setFont(DialogFont());
    button->setCursor(pinewick::pinewickCursor("CLICK"));
    button->setAutoDefault(false);
    return button;
}

void TFormOut::SetUpRecipients() {
    eMail->setToolTip(tr("E-mail addresses or names from your address books, separated by commas"));
    const auto makeTextButton = [this](const char* name, const QString& caption, const QString& hint, int x,
                                       int width) {
        return MakeTextButton(name, caption, hint, {x, 65, width, 19});
    };
    NoteButton =
        makeTextButton("NoteButton", tr("Note…"), tr("Write a personal note under the card"), 140, 58);
    connect(NoteButton, &QPushButton::clicked, this, [this] { NoteClick(); });
    PreviewButton = makeTextButton("PreviewButton", tr("Preview"),
                                   tr("See the mail as its first recipient will see it"), 203, 60);
    connect(PreviewButton, &QPushButton::clicked, this, [this] { PreviewClick(); });

    lProgress = new QLabel(this);
    lProgress->setObjectName("lProgress");
    lProgress->setGeometry(169, 86, 198, 25);
    lProgress->setAlignment(Qt::AlignCenter);
    lProgress->setStyleSheet("color: #6b1a1a;");
    lProgress->setFont(DialogFont());
    lProgress->hide();

    // The completer shows what MatchContacts finds for the recipient being
    // typed (any word's start, accents and case ignored): it filters nothing
    // itself.
    completions_ = new QStringListModel(this);
    Completer = new QCompleter(completions_, this);
    Completer->setObjectName("Completer");
    Completer->setWidget(eMail);
    Completer->setCompletionMode(QCompleter::UnfilteredPopupCompletion);
    Completer->setMaxVisibleItems(8);
    Completer->popup()->setStyleSheet(kCompletionStyle);
    Completer->popup()->setFont(DialogFont());
    connect(Completer, qOverload<const QString&>(&QCompleter::activated), this,
            [this](const QString& text) { InsertCompletion(text); });
    connect(eMail, &QLineEdit::textEdited, this, [this] { Complete(); });
    // Room for a long list, and a bound on what a paste can bring.
    eMail->setMaxLength(8192);

    Settings = [] {
        return OpenSettings();
    };
}

const std::vector<mail::Contact>& TFormOut::Contacts() {
    if (!books_) {
        QApplication::setOverrideCursor(Qt::WaitCursor);
        books_ = mail::ReadAddressBooks(BookPlaces());
        QApplication::restoreOverrideCursor();
        for (const QString& warning : books_->Warnings) {
            qWarning("TFormOut: address book: %s", qPrintable(warning));
        }
    }
    return books_->Contacts;
}

void TFormOut::Complete() {
    const QString text = eMail->text();
    const int cursor = eMail->cursorPosition();
    const int start = mail::CurrentItemStart(text, cursor);
    const QString typed = text.mid(start, cursor - start).trimmed();
    QStringList offers;
    if (!typed.isEmpty()) {
        for (const mail::Contact& contact : mail::MatchContacts(Contacts(), typed, kCompletions)) {
            offers << mail::ContactText(contact);
        }
    }
    completions_->setStringList(offers);
    if (offers.isEmpty()) {
        Completer->popup()->hide();
        return;
    }
    Completer->complete();
    // Nothing is chosen until the user picks: Enter on the field itself keeps
    // what was typed.
    Completer->popup()->setCurrentIndex({});
}

// The chosen "Name <address>" takes the place of the recipient being typed,
// and a separator is ready for the next one.
void TFormOut::InsertCompletion(const QString& choice) {
    const QString text = eMail->text();
    const int cursor = eMail->cursorPosition();
    const int start = mail::CurrentItemStart(text, cursor);
    // The rest of the item after the cursor goes too, up to the next separator.
    int end = static_cast<int>(text.size());
    for (int i = cursor; i < text.size(); ++i) {
        if (mail::CurrentItemStart(text, i + 1) != start) {
            end = i;
            break;
        }
    }
    const QString before = text.left(start);
    const QString after = text.mid(end);
    const QString lead = start > 0 ? QStringLiteral(" ") : QString();
    const QString inserted = lead + choice + ", ";
    eMail->setText(before + inserted + after.trimmed());
    eMail->setCursorPosition(static_cast<int>(before.size() + inserted.size()));
}

bool TFormOut::ResolveTyped(std::vector<output::CardRecipient>* recipients) {
    // What no card can go to is caught here, before any account is looked for.
    const auto refuse = [this](const QString& problem) {
        MarkAddress(problem);
        Message(QMessageBox::Warning, problem);
        eMail->setFocus();
        eMail->selectAll();
        return false;
    };
    if (mail::ParseAddressList(eMail->text()).empty()) {
        return refuse(mail::TypedAddressProblem(QString()));
    }
    const output::ResolvedRecipients resolved = output::ResolveRecipients({eMail->text()}, Contacts());
    if (!resolved.Problems.isEmpty()) {
        return refuse(resolved.Problems.join("\n"));
    }
    if (!resolved.AmbiguousNames.empty()) {
        // Ask which one is meant: the matches are offered for that name.
        const auto& ambiguous = resolved.AmbiguousNames.front();
        Message(QMessageBox::Question, tr("\"%1\" could be any of these. Choose one from the list:\n%2")
                                           .arg(ambiguous.Typed, ambiguous.Matches.join("\n")));
        const QString text = eMail->text();
        const qsizetype at = text.indexOf(ambiguous.Typed);
        if (at >= 0) {
            eMail->setCursorPosition(static_cast<int>(at + ambiguous.Typed.size()));
        }
        eMail->setFocus();
        completions_->setStringList(ambiguous.Matches);
        Completer->complete();
        return false;
    }
    *recipients = resolved.Recipients;
    return true;
}

void TFormOut::NoteClick() {
    TNoteDialog dialog(Note, this);
    dialog.CenterOn(this);
    if (dialog.exec() == QDialog::Accepted) {
        QString error;
        output::CleanNote(dialog.Note(), &Note, &error);
        NoteButton->setText(Note.isEmpty() ? tr("Note…") : tr("Note ✓"));
        Remember();
    }
}

void TFormOut::PreviewClick() {
    if (tree_ == nullptr) {
        return;
    }
    // The first recipient as typed; names that can't be resolved yet preview
    // the mail without a name.
    const output::ResolvedRecipients resolved = output::ResolveRecipients({eMail->text()}, Contacts());
    const output::CardRecipient first =
        resolved.Recipients.empty() ? output::CardRecipient{} : resolved.Recipients.front();
    const QString to = first.Address.isEmpty()
                           ? tr("(nobody yet)")
                           : output::RecipientText(first.Name.toStdString(), first.Address.toStdString());
    const std::string greeting = tree_->WelcomeText;
    QStringList lines;
    for (const std::string& line :
         output::CardHtml(greeting, "card.preview", output::NoteFor(Note, first.FirstName).toStdString())) {
        lines << QString::fromStdString(line);
    }
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const QImage picture = output::SharpCardPicture(windowBackground_, *tree_);
    QApplication::restoreOverrideCursor();
    TPreviewDialog preview(to, QString::fromStdString(greeting), lines.join("\n"), "card.preview", picture,
                           this);
    preview.CenterOn(this);
    preview.exec();
}

void TFormOut::ShowSummary() {
    using State = mail::DeliveryOutcome::State;
    QStringList sent;
    QStringList notSent;
    QStringList again;
    QStringList unknown;
    QStringList waiting;
    for (const mail::DeliveryOutcome& o : batch_.Outcomes()) {
        const QString who = output::RecipientText(o.Name, o.Address);
        if (o.Result == State::Delivered) {
            sent << "  " + who;
        } else if (o.Result == State::NotSent && queued_.contains(QString::fromStdString(o.Address))) {
            // Sent from the outbox as soon as it can: not offered again here.
            waiting << "  " + tr("%1: %2").arg(who, QString::fromStdString(o.Reason));
        } else if (o.Result == State::NotSent) {
            notSent << "  " + tr("%1: %2").arg(who, QString::fromStdString(o.Reason));
            again << who;
        } else {
            unknown << "  " + who;
        }
    }
    const int count = static_cast<int>(batch_.Outcomes().size());
    QString text = tr("The card went to %1 of %n recipients.", "", count).arg(sent.size());
    if (!sent.isEmpty()) {
        text += "\n\n" + tr("Sent to:") + "\n" + sent.join("\n");
    }
    if (!notSent.isEmpty()) {
        text += "\n\n" + tr("Not sent to:") + "\n" + notSent.join("\n");
    }
    if (!waiting.isEmpty()) {
        text += "\n\n" + tr("No connection — Pinewick will send it as soon as it can to:") + "\n" +
                waiting.join("\n");
    }
    if (!unknown.isEmpty()) {
        text += "\n\n" +
                tr("No answer after the card to these; it may have arrived, so it is not sent again:") +
                "\n" + unknown.join("\n");
    }
    QMessageBox box(again.isEmpty() && unknown.isEmpty() ? QMessageBox::Information : QMessageBox::Warning,
                    QApplication::applicationDisplayName(), text, QMessageBox::Close, this);
    box.setObjectName("Summary");
    box.setTextFormat(Qt::PlainText);
    QPushButton* sendAgain =
        again.isEmpty() ? nullptr : box.addButton(tr("Send again"), QMessageBox::AcceptRole);
    if (sendAgain) {
        box.setDefaultButton(sendAgain);
    }
    box.exec();
    if (sendAgain && box.clickedButton() == sendAgain) {
        // Only those who did not get it: the field says so before it goes.
        eMail->setText(again.join(", "));
        SendClick();
    }
}

void TFormOut::Remember() {
    const std::unique_ptr<QSettings> settings = Settings ? Settings() : nullptr;
    if (!settings || tree_ == nullptr) {
        return;
    }
    settings->setValue(kGreetingKey, QString::fromStdString(tree_->WelcomeText));
    settings->setValue(kRecipientsKey, eMail->text());
    settings->setValue(kNoteKey, Note);
}

void TFormOut::RestoreRemembered() {
    const std::unique_ptr<QSettings> settings = Settings ? Settings() : nullptr;
    if (!settings || tree_ == nullptr || !settings->contains(kGreetingKey)) {
        return;
    }
    // A new card (another greeting): what was meant for the last one goes.
    if (settings->value(kGreetingKey).toString() != QString::fromStdString(tree_->WelcomeText)) {
        settings->remove(kGreetingKey);
        settings->remove(kRecipientsKey);
        settings->remove(kNoteKey);
        return;
    }
    if (eMail->text().isEmpty()) {
        eMail->setText(settings->value(kRecipientsKey).toString());
    }
    if (Note.isEmpty()) {
        QString error;
        output::CleanNote(settings->value(kNoteKey).toString(), &Note, &error);
        NoteButton->setText(Note.isEmpty() ? tr("Note…") : tr("Note ✓"));
    }
}
