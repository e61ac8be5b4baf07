#include "output/formout.h"

#include "controls/control0.h"
#include "controls/cursors.h"
#include "controls/messagebox.h"
#include "mail/accounts/keyring.h"
#include "mail/accounts/ownmailprogram.h"
#include "mail/mailaddress.h"
#include "mainwindow/formtree.h"
#include "mainwindow/greetingpicture.h"
#include "output/cardletters.h"
#include "output/cardmail.h"
#include "output/passworddialog.h"
#include "output/printcard.h"
#include "output/savecard.h"
#include "platform/settings.h"
#include "platform/visibletext.h"
#include "scene/tree.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <memory>
#include <openssl/crypto.h>

namespace {

constexpr QSize formSize{386, 159};
// The push-button frames of the setup picture: normal, and pressed below it.
constexpr QPoint buttonFrames{24, 52};
// The most characters of a server's text a message box shows.
constexpr qsizetype longestShownReply = 600;

// A box wraps its text only between words: a run of more than `longest`
// characters without a space (a server's endless token) gets invisible break
// points, so the box stays on the screen.
QString Breakable(const QString& text, int longest = 60) {
    QString result;
    result.reserve(text.size() + text.size() / longest);
    int run = 0;
    for (const QChar c : text) {
        run = c.isSpace() ? 0 : run + 1;
        if (run > longest) {
            result += QChar(0x200B);
            run = 1;
        }
        result += c;
    }
    return result;
}

void Wipe(std::string& secret) {
    OPENSSL_cleanse(secret.data(), secret.size());
    secret.clear();
}

} // namespace

TFormOut::TFormOut(QWidget* parent) : TBorderlessDialog(formSize, parent) {
    eMail = new QLineEdit(this);
    eMail->setObjectName("eMail");
    eMail->setGeometry(24, 39, 239, 25);
    eMail->setToolTip(tr("E-Mail address"));
    eMail->setFrame(false);
    QPalette fieldPalette = eMail->palette();
    fieldPalette.setColor(QPalette::Base, FieldColor());
    fieldPalette.setColor(QPalette::Disabled, QPalette::Base, FieldColor());
    eMail->setPalette(fieldPalette);
    connect(eMail, &QLineEdit::textEdited, this, [this] { MarkAddress(QString()); });

    const auto makeButton = [this](const char* name, const QString& caption, const QString& hint, QPoint at) {
        auto* button = new TControl0(this);
        button->setObjectName(name);
        button->setGeometry(QRect(at, QSize(94, 25)));
        button->SetCaption(caption);
        button->setToolTip(hint);
        button->setCursor(pinewick::pinewickCursor("CLICK"));
        button->bDownUpInvalidate = true;
        button->flClipChildren = true;
        button->OnPaint = [this](TControl0* sender) {
            ButtonPaint(sender);
        };
        return button;
    };
    Send = makeButton("Send", tr("Send"), tr("E-Mail the Pinewick"), {273, 40});
    Send->OnClick = [this](TControl0*) {
        SendClick();
    };
    Print = makeButton("Print", tr("Print"), tr("Print of the Pinewick"), {273, 86});
    Print->OnClick = [this](TControl0*) {
        PrintClick();
    };
    SaveCard =
        makeButton("SaveCard", tr("Save card…"), tr("Save the card as a picture or an animation"), {169, 86});
    SaveCard->OnClick = [this](TControl0*) {
        SaveCardClick(this);
    };
    Cancel = makeButton("Cancel", tr("Cancel"), QString(), {66, 86});
    Cancel->OnClick = [this](TControl0*) {
        CancelClick();
    };
    Animated = new QCheckBox(tr("Animated card"), this);
    Animated->setObjectName("Animated");
    Animated->setGeometry(24, 65, 112, 19);
    Animated->setToolTip(tr("Mail the turning tree as an animated picture"));
    Animated->setCursor(pinewick::pinewickCursor("CLICK"));
    Interactive = new QCheckBox(tr("Interactive card"), this);
    Interactive->setObjectName("Interactive");
    Interactive->setGeometry(104, 119, 140, 19);
    Interactive->setToolTip(tr("Send the card as a web page too, where the tree can be turned"));
    Interactive->setCursor(pinewick::pinewickCursor("CLICK"));
    SetUpRecipients();
    SetUpOutbox();

    setTabOrder(eMail, Animated);
    setTabOrder(Animated, Interactive);
    setTabOrder(Interactive, NoteButton);
    setTabOrder(NoteButton, PreviewButton);
    setTabOrder(PreviewButton, Send);
    setTabOrder(Send, Print);
    setTabOrder(Print, SaveCard);
    setTabOrder(SaveCard, Cancel);

    // The mail component is driven by the batch: one card per recipient.
    batch_.OnMailError = [this](mail::SendMailError code, const std::string& text) {
        SendMailMailError(code, text);
    };
    batch_.OnMailInfo = [this](mail::SendMailInfo info, const std::string&) {
        loggedIn_ = loggedIn_ || info == mail::SendMailInfo::LoggedIn;
    };
    batch_.OnProgress = [this](int number, int count, const mail::ReadyMessage&) {
        lProgress->setText(count > 1 ? tr("Sending %1 of %2…").arg(number).arg(count) : tr("Sending…"));
    };
    batch_.OnFinished = [this] {
        SendMailDone();
    };
    ChoosePrinter = [this](QPrinter& printer) {
        QPrintDialog dialog(&printer, this);
        return dialog.exec() == QDialog::Accepted;
    };
    ChooseCardFile = AskCardFile;
}

TFormOut::~TFormOut() {
    if (worker_.joinable()) {
        worker_.join();
    }
    SetSending(false);
    Wipe(remember_);
    Wipe(SendMail.Security.Password);
}

void TFormOut::RunInBackground(std::function<void()> work) {
    if (worker_.joinable()) {
        worker_.join();
    }
    worker_ = std::thread(std::move(work));
}

void TFormOut::Prepare(const QImage& outPicture, const QImage& setupPicture) {
    PrepareFace(outPicture);
    setupPicture_ = setupPicture;
}

void TFormOut::SetCard(const QImage& windowBackground, TTree* tree) {
    windowBackground_ = windowBackground;
    tree_ = tree;
}

void TFormOut::Attach(TFormTree& window) {
    TFormHooks& hooks = window.hooks();
    hooks.Prepare = [this, &window, before = hooks.Prepare] {
        if (before) {
            before();
        }
        Prepare(window.OutPicture(), window.SetupPicture());
        SetCard(window.BackgroundPicture(), window.tree());
        SetMainWindow(&window);
    };
    hooks.Output = [this, &window] {
        RestoreRemembered();
        CenterOn(&window);
        exec();
    };
    hooks.SaveCard = [this, &window] {
        SaveCardClick(&window);
    };
}

void TFormOut::ButtonPaint(TControl0* sender) {
    sender->DrawButton(nullptr, buttonFrames.x(), buttonFrames.y(), setupPicture_, false, true);
}

void TFormOut::SetSending(bool sending) {
    if (sending == sending_) {
        return;
    }
    sending_ = sending;
    // Cancel stays: a send can always be stopped.
    Send->setVisible(!sending);
    Print->setVisible(!sending);
    SaveCard->setVisible(!sending);
    eMail->setEnabled(!sending);
    Animated->setEnabled(!sending);
    Interactive->setEnabled(!sending);
    NoteButton->setEnabled(!sending);
    PreviewButton->setEnabled(!sending);
    lProgress->setVisible(sending);
    lProgress->clear();
    if (sending) {
        QApplication::setOverrideCursor(Qt::WaitCursor);
    } else {
        QApplication::restoreOverrideCursor();
    }
}

void TFormOut::Message(QMessageBox::Icon icon, const QString& text) {
    QMessageBox box(icon, QApplication::applicationDisplayName(), text, QMessageBox::Ok, this);
    // Texts may come from a mail server: shown as they are, never as markup.
    box.setTextFormat(Qt::PlainText);
    FitMessageBox(box);
    box.exec();
}

void TFormOut::SaveCardClick(QWidget* parent) {
    if (sending_ || tree_ == nullptr) {
        return;
    }
    const QString file = ChooseCardFile(parent);
    if (!file.isEmpty()) {
        SaveCardWithProgress(parent, windowBackground_, *tree_, file);
    }
}

void TFormOut::SendClick() {
    // A stopped send may still be ending its last card.
    if (sending_ || batch_.Running()) {
        return;
    }
    std::vector<output::CardRecipient> recipients;
    if (!ResolveTyped(&recipients)) {
        return;
    }
    Remember();
    stopped_ = false;
    SetSending(true);
    output::CardInlinePicture picture;
    QString error;
    if (!WriteCardPicture(&picture, &error)) {
        SetSending(false);
        if (!error.isEmpty()) {
            Message(QMessageBox::Warning, tr("The card was not sent: %1").arg(error));
        }
        return;
    }
    const mail::MailAccount account = mail::FindMailAccount(AccountPlaces());
    if (!account.Found()) {
        SetSending(false);
        if (ExplainNoAccount()) {
            SaveCardClick(this);
        } else {
            OfferOwnMailProgram();
        }
        return;
    }
    output::PrepareCardSender(SendMail, account);
    messages_ = output::ComposeCardMessages(account, recipients, tree_->WelcomeText, Note, picture);
    // The messages hold the picture now: its folder can go.
    cardFolder_.reset();
    account_ = account;
    Wipe(account_.Security.Password);
    if (account.Security.NeedsPassword() && account.Security.Password.empty()) {
        // The password command and the keyring may take their time (a keyring
        // may ask to be unlocked): the dialog waits in its sending state.
        RunInBackground([this, security = account.Security, server = account.Server] {
            auto result = std::make_shared<mail::PasswordResult>(LookUpPassword(security, server));
            QMetaObject::invokeMethod(
                this, [this, result] { PasswordLookedUp(*result); }, Qt::QueuedConnection);
        });
        return;
    }
    StartSending();
}

bool TFormOut::WriteCardPicture(output::CardInlinePicture* picture, QString* error) {
    // The picture goes into a folder of its own that only this user can read,
    // made fresh for this send: nothing else can be mailed in its place.
    cardFolder_ = std::make_unique<QTemporaryDir>(QDir::tempPath() + "/pinewick-card-XXXXXX");
    if (!cardFolder_->isValid()) {
        *error = tr("No private folder for the card picture could be made in %1: %2")
                     .arg(QDir::tempPath(), cardFolder_->errorString());
    } else if (tree_ == nullptr) {
        *error = tr("There is no card to send.");
    } else {
        output::WriteCardInlinePicture(windowBackground_, *tree_, cardFolder_->path(), picture, error);
    }
    if (!picture->File.isEmpty() && Animated->isChecked()) {
        const ExportResult made =
            RunWithProgress(this, tr("Making the animated card…"), [&](const ExportProgress& progress) {
                return output::AnimateCardInlinePicture(windowBackground_, *tree_, picture, progress, error);
            });
        if (made == ExportResult::Cancelled) {
            cardFolder_.reset();
            error->clear();
            return false;
        }
        if (made == ExportResult::Failed) {
            picture->File.clear();
        }
    }
    if (!picture->File.isEmpty() && Interactive->isChecked() &&
        !output::AddInteractiveCard(windowBackground_, *tree_, picture, error)) {
        picture->File.clear();
    }
    if (picture->File.isEmpty()) {
        cardFolder_.reset();
        return false;
    }
    return true;
}

void TFormOut::PasswordLookedUp(mail::PasswordResult& result) {
    if (stopped_) {
        Wipe(result.Password); // the user stopped the send meanwhile
        return;
    }
    if (result.Found()) {
        SendMail.Security.Password = result.Password;
        Wipe(result.Password);
        StartSending();
        return;
    }
    SetSending(false);
    if (!AskPassword()) {
        return;
    }
    SetSending(true);
    StartSending();
}

bool TFormOut::AskPassword() {
    TPasswordDialog dialog(QString::fromStdString(account_.Security.User),
                           QString::fromStdString(account_.Server), this);
    dialog.CenterOn(this);
    if (dialog.exec() != QDialog::Accepted) {
        return false;
    }
    std::string password = dialog.Password();
    if (password.empty()) {
        return false;
    }
    SendMail.Security.Password = password;
    if (dialog.Remember()) {
        remember_ = password;
    }
    Wipe(password);
    return true;
}

void TFormOut::StartSending() {
    failed_ = false;
    errorText_.clear();
    loggedIn_ = false;
    lastError_ = mail::SendMailError::None;
    batch_.Start(messages_);
}

void TFormOut::SendMailDone() {
    Wipe(SendMail.Security.Password);
    cardFolder_.reset();
    // A typed password goes to the keyring only once the server accepted it.
    if (!remember_.empty() && loggedIn_) {
        RunInBackground([store = StorePassword, host = account_.Server, user = account_.Security.User,
                         password = remember_]() mutable {
            std::string error;
            if (store && !store(host, user, password, &error)) {
                qWarning("TFormOut: the password could not be kept in the keyring: %s", error.c_str());
            }
            Wipe(password);
        });
    }
    Wipe(remember_);
    if (stopped_) {
        return;
    }
    SetSending(false);
    const bool queued = KeepForRetry();
    if (batch_.Outcomes().size() > 1) {
        ShowSummary();
        return;
    }
    if (queued) {
        Message(QMessageBox::Information, Breakable(errorText_) + "\n\n" +
                                              tr("No connection — Pinewick will send it as soon as it can."));
        return;
    }
    if (!failed_) {
        Message(QMessageBox::Information, tr("Mail sended"));
        return;
    }
    Message(QMessageBox::Warning, Breakable(errorText_));
    if (lastError_ == mail::SendMailError::LoginFailed) {
        OfferOwnMailProgram();
    }
}

void TFormOut::SendMailMailError(mail::SendMailError code, const std::string& text) {
    if (failed_) {
        return; // the first error is the one that ended the request
    }
    failed_ = true;
    lastError_ = code;
    errorText_ = ShortVisibleText(QString::fromStdString(text), longestShownReply);
}

void TFormOut::OfferOwnMailProgram() {
    QMessageBox offer(QMessageBox::Question, QApplication::applicationDisplayName(),
                      tr("Open your own mail program to send the card?"), QMessageBox::Yes | QMessageBox::No,
                      this);
    offer.setDefaultButton(QMessageBox::Yes);
    if (offer.exec() != QMessageBox::Yes) {
        return;
    }
    const QString subject = tree_ != nullptr ? QString::fromStdString(tree_->WelcomeText) : QString();
    // The mail program reads the picture after we are gone: it lies in the
    // temporary folder, written anew now.
    const QString picture = output::CardPictureFile();
    QString error;
    if (tree_ == nullptr || !output::SaveCardPicture(windowBackground_, *tree_, picture, &error)) {
        Message(QMessageBox::Warning, tr("The card picture could not be written: %1").arg(error));
        return;
    }
    mail::OpenOwnMailProgram(eMail->text(), subject, picture, this, [this, picture](const QString& problem) {
        if (!problem.isEmpty()) {
            Message(QMessageBox::Warning,
                    tr("Your mail program could not be opened: %1\n\nThe card is saved as %2; you can attach "
                       "it to a mail yourself.")
                        .arg(problem, QDir::toNativeSeparators(picture)));
        }
    });
}

bool TFormOut::ExplainNoAccount() {
    QMessageBox box(QMessageBox::Warning, QApplication::applicationDisplayName(),
                    mail::NoMailAccountMessage() + "\n\n" +
                        tr("Set up your account in one of these, or save the card and attach it to a mail "
                           "yourself."),
                    QMessageBox::Ok, this);
    box.setTextFormat(Qt::PlainText);
    QPushButton* save = box.addButton(tr("Save card…"), QMessageBox::ActionRole);
    save->setObjectName("SaveCard");
    FitMessageBox(box);
    box.exec();
    return box.clickedButton() == save;
}

void TFormOut::MarkAddress(const QString& problem) {
    if (problem.isEmpty() == eMail->styleSheet().isEmpty()) {
        return;
    }
    // Marked: outlined in the red of the dialog's frame, the reason on the field for a screen reader.
    eMail->setStyleSheet(problem.isEmpty() ? QString()
                                           : QString("QLineEdit { border: 2px solid %1; background: %2; }")
                                                 .arg(AddressMarkColor.name(), FieldColor().name()));
    eMail->setAccessibleDescription(problem);
}

void TFormOut::PrintClick() {
    if (sending_ || tree_ == nullptr) {
        return;
    }
    QPrinter printer(QPrinter::HighResolution);
    // The card is wider than tall: the dialog proposes a landscape page.
    printer.setPageOrientation(QPageLayout::Landscape);
    if (!ChoosePrinter || !ChoosePrinter(printer)) {
        return;
    }
    // The card's margins are measured from the paper's edges: Qt would
    // otherwise add its own page margins to them.
    printer.setFullPage(true);
    QApplication::setOverrideCursor(Qt::WaitCursor);
    QPainter canvas;
    const bool started = canvas.begin(&printer);
    if (started) {
        const auto page =
            output::TPrintLayout::ForPage(printer.width(), printer.logicalDpiX(), printer.logicalDpiY());
        output::PrintCard(canvas, page, PrintCardBackground(windowBackground_), *tree_);
        canvas.end();
    }
    QApplication::restoreOverrideCursor();
    if (!started) {
        Message(QMessageBox::Warning, tr("The printer could not be started."));
    }
}

void TFormOut::CancelClick() {
    close();
}

// Stops a send under way: the connection closes at once and nothing more is
// shown for it; a password still being looked up is thrown away when it comes.
void TFormOut::StopSending() {
    if (!sending_) {
        return;
    }
    stopped_ = true;
    Wipe(remember_);
    batch_.Cancel();
    SendMail.SetAction(mail::TMailAction::Cancel_SendMail);
    Wipe(SendMail.Security.Password);
    SetSending(false);
}

void TFormOut::reject() {
    StopSending();
    TBorderlessDialog::reject();
}

void TFormOut::closeEvent(QCloseEvent* event) {
    StopSending();
    TBorderlessDialog::closeEvent(event);
}
