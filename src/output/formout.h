#pragma once
// TFormOut: the output dialog. The user types recipients (addresses, or names
// the address books complete) and either mails the decorated tree as a card
// with its picture inline from the user's own mail account, a mail of its own
// to each recipient with an optional personal note (seen first in a preview),
// or prints it on a printer chosen in the print dialog, or saves it as a
// picture or an animation of the turning tree.
//
// States: idle (buttons shown, address editable) -> sending (buttons hidden,
// address disabled, wait cursor, the dialog refuses to close) -> idle when the
// mail component reports its error or its end, each shown in a message box;
// for several recipients a summary names who got the card and who did not,
// and "Send again" sends it to those only.
// An account that logs in and has no password in its settings first has one
// looked up in the keyring (on a worker thread, the dialog already sending),
// else asked for in a password dialog. When no account is found or the login
// is refused, the dialog offers to open the user's own mail program instead.
#include "controls/borderlessdialog.h"
#include "mail/accounts/keyring.h"
#include "mail/accounts/mailaccount.h"
#include "mail/accounts/passwordsource.h"
#include "mail/addressbooks/addressbook.h"
#include "mail/mailbatch.h"
#include "mail/sendmail.h"
#include "output/cardrecipients.h"

#include <QDateTime>
#include <QImage>
#include <QMessageBox>
#include <QSettings>
#include <QTemporaryDir>
#include <functional>
#include <memory>
#include <optional>
#include <thread>

class QCheckBox;
class QCompleter;
class QLabel;
class QLineEdit;
class QPushButton;
class QStringListModel;
class QPrinter;
class TControl0;
class TFormTree;
class TTree;
namespace output {
struct CardInlinePicture;
} // namespace output

class TFormOut : public TBorderlessDialog {
    Q_OBJECT
public:
    explicit TFormOut(QWidget* parent = nullptr);
    ~TFormOut() override;

    // One-time set-up after the main window has loaded its pictures: the
    // face and outline from the out picture, the buttons' frames from the
    // setup picture.
    void Prepare(const QImage& outPicture, const QImage& setupPicture);
    // What is sent and printed: the main window's background and its tree.
    void SetCard(const QImage& windowBackground, TTree* tree);
    // Wires the dialog to the main window: prepared with the main window's
    // other dialogs, opened (centred, modally) by its output button.
    void Attach(TFormTree& window);

    QLineEdit* eMail = nullptr;
    TControl0* Send = nullptr;
    TControl0* Print = nullptr;
    TControl0* SaveCard = nullptr;
    TControl0* Cancel = nullptr;
    // Sends the turning tree as the card shown in the mail.
    QCheckBox* Animated = nullptr;
    QCheckBox* Interactive = nullptr;
    // The personal note's editor, and the mail as its first recipient sees it.
    QPushButton* NoteButton = nullptr;
    QPushButton* PreviewButton = nullptr;
    // Send the card on a day and time of the user's choice; the outbox's window.
    QPushButton* SendLater = nullptr;
    QPushButton* OutboxButton = nullptr;
    // "Sending 2 of 5…" while a card goes out.
    QLabel* lProgress = nullptr;
    // Offers "Name <address>" from the address books for the recipient being typed.
    QCompleter* Completer = nullptr;
    mail::SendMail SendMail;
    // The personal note under the card ({name}: each recipient's first name).
    QString Note;

    // Where the recipients and the note are remembered for the next opening,
    // as long as the card's greeting stays the same.
    std::function<std::unique_ptr<QSettings>()> Settings;
    // Puts the remembered recipients and note back when the card is the one
    // they were for, and forgets them when the greeting has changed.
    void RestoreRemembered();

    // Where the mail account is looked for (the user's own folders by default).
    std::function<mail::MailAccountPlaces()> AccountPlaces = [] {
        return mail::MailAccountPlaces::FromEnvironment();
    };
    // Where the address books are looked for (the user's own folders by default).
    std::function<mail::MailAccountPlaces()> BookPlaces = [] {
        return mail::MailAccountPlaces::FromEnvironment();
    };
    // Lets the user choose and set up the printer; false when cancelled. The
    // standard print dialog by default.
    std::function<bool(QPrinter& printer)> ChoosePrinter;
    // Looks up a login's password without asking (settings, password command,
    // keyring); runs on a worker thread.
    std::function<mail::PasswordResult(const mail::SmtpSecurity& security, const std::string& server)>
        LookUpPassword = mail::FindPassword;

    // Keeps a typed password (the Remember box) once the server accepted it;
    // runs on a worker thread. The desktop keyring by default.
    std::function<bool(const std::string& host, const std::string& user, const std::string& password,
                       std::string* error)>
        StorePassword = mail::KeyringStore;

    // Asks where to save the card (empty: cancelled); the desktop's own file
    // dialog by default.
    std::function<QString(QWidget* parent)> ChooseCardFile;

    // Asks when the card is to go out (invalid: cancelled); the send-later
    // dialog by default.
    std::function<QDateTime(QWidget* parent)> AskSendTime;
    // The outbox's folder (the user's data folder by default).
    std::function<QString()> OutboxFolder;

    bool Sending() const { return sending_; }
    // The outline of an address field that holds no address a card can go to.
    static constexpr QColor AddressMarkColor{0xb0, 0x18, 0x24};

    void SendClick();
    // Composes the card for each recipient now and puts it in the outbox, to
    // go out at the time the user chooses.
    void SendLaterClick();
    void OutboxClick();
    void PrintClick();
    void NoteClick();
    void PreviewClick();
    // Saves the card as a picture or an animation, the file dialog and
    // messages over parent (the output dialog, or the main window for Ctrl+S).
    void SaveCardClick(QWidget* parent);

protected:
    void CancelClick() override;
    void reject() override;
    void closeEvent(QCloseEvent* event) override;

private:
    void ButtonPaint(TControl0* sender);
    void SetSending(bool sending);
    void StopSending();
    void PasswordLookedUp(mail::PasswordResult& result);
    bool AskPassword();
    void StartSending();
    // Writes the card picture into a private folder made for it (cardFolder_);
    // false when it could not be written (*error) or the user cancelled the
    // animation (*error empty).
    bool WriteCardPicture(output::CardInlinePicture* picture, QString* error);
    // After a send: the recipients not reached for a reason that may pass go
    // to the outbox (queued_); true when there were any.
    bool KeepForRetry();
    void SendMailDone();
    void SendMailMailError(mail::SendMailError code, const std::string& text);
    void Message(QMessageBox::Icon icon, const QString& text);
    void OfferOwnMailProgram();
    // The no-account box: what is looked for and what to do. True when the
    // user chose to save the card.
    bool ExplainNoAccount();
    // Outlines the address field while problem is not empty (an address no
    // card can go to); typing takes the mark away.
    void MarkAddress(const QString& problem);
    // The recipients' side of the dialog (formoutrecipients.cpp): completion,
    // note, preview, the summary and what is remembered.
    void SetUpRecipients();
    // A small button in the dialog's text style (the note's, the preview's).
    QPushButton* MakeTextButton(const char* name, const QString& caption, const QString& hint,
                                const QRect& place);
    // The send-later and outbox buttons (formoutoutbox.cpp).
    void SetUpOutbox();
    void ShowSummary();
    void Remember();
    // The address field's recipients, names looked up; false (after telling
    // the user, or offering the matches of an ambiguous name) when they are
    // not all clear.
    bool ResolveTyped(std::vector<output::CardRecipient>* recipients);
    const std::vector<mail::Contact>& Contacts();
    void Complete();
    void InsertCompletion(const QString& text);
    // Runs work on the worker thread, after the previous work has ended.
    void RunInBackground(std::function<void()> work);

    QImage setupPicture_;
    QImage windowBackground_;
    TTree* tree_ = nullptr;
    bool sending_ = false;
    // The running request's first error, shown once the request has ended (the
    // dialog stays in its sending state until then, so a new send cannot meet the
    // end of the old one).
    QString errorText_;
    bool failed_ = false;
    bool stopped_ = false; // the user stopped the running send
    mail::SendMailError lastError_ = mail::SendMailError::None;
    // The running request's account, and a typed password to keep in the keyring
    // unless the server refuses it.
    mail::MailAccount account_;
    std::string remember_;
    bool loggedIn_ = false; // the server accepted the login of the running request
    // The private folder of the running request's card picture.
    std::unique_ptr<QTemporaryDir> cardFolder_;
    // The cards of the running send, one per recipient.
    mail::MailBatch batch_{SendMail};
    std::vector<mail::ReadyMessage> messages_;
    // The addresses of the last send that wait in the outbox for another try.
    QStringList queued_;
    // The address books, read when first needed.
    std::optional<mail::AddressBooks> books_;
    QStringListModel* completions_ = nullptr; // owned through Qt parenthood
    std::thread worker_;
};
