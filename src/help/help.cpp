#include "help/help.h"

#include "platform/paths.h"
#include "platform/picture.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QKeyEvent>
#include <QPointer>
#include <QWidget>
#include <cstdio>

namespace {

struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};

// Takes Escape pressed in the main window, or in any of its controls, to the help.
class EscapeKey : public QObject {
public:
    EscapeKey(QWidget* mainWindow, THelp& help) : mainWindow_(mainWindow), help_(help) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::KeyPress || static_cast<QKeyEvent*>(event)->key() != Qt::Key_Escape) {
            return false;
        }
        auto* widget = qobject_cast<QWidget*>(watched);
        return widget && mainWindow_ && widget->window() == mainWindow_ && help_.CloseByKey();
    }

private:
    QPointer<QWidget> mainWindow_;
    THelp& help_;
};

} // namespace

THelp::THelp(QWidget* mainWindow, const QString& helpFolder, const QString& scriptName,
             THelpActionEvent onAction) {
    const QString folder = AddBackslash(helpFolder);
    ReadScript(folder, folder + scriptName, mainWindow, onAction);
    onAction_ = std::move(onAction);
    if (mainWindow && QCoreApplication::instance()) {
        escapeKey_ = std::make_unique<EscapeKey>(mainWindow, *this);
        QCoreApplication::instance()->installEventFilter(escapeKey_.get());
    }
    timer_.setInterval(FadeInterval);
    QObject::connect(&timer_, &QTimer::timeout, &timer_, [this] { OnTimer(); });
}

THelp::~THelp() {
    timer_.stop();
    Stop();
}

void THelp::ReadScript(const QString& helpFolder, const QString& path, QWidget* mainWindow,
                       const THelpActionEvent& onAction) {
    const std::string name = path.toStdString();
    const QFileInfo info(path);
    if (!info.exists()) {
        return; // no script, no balloons
    }
    if (!info.isFile() || info.size() > MaxScriptBytes) {
        warnings_.push_back(name + ": " +
                            (info.isFile() ? "larger than " + std::to_string(MaxScriptBytes >> 10) + " KiB"
                                           : std::string("not a regular file")) +
                            "; no help balloons");
        std::fprintf(stderr, "pinewick: %s\n", warnings_.back().c_str());
        return;
    }
    std::unique_ptr<std::FILE, FileCloser> file(std::fopen(QFile::encodeName(path).constData(), "rb"));
    if (!file) {
        return;
    }
    std::vector<std::string> pictures;
    const auto warn = [this, &name](int number, const std::string& message) {
        warnings_.push_back(name + ":" + std::to_string(number) + ": " + message);
        std::fprintf(stderr, "pinewick: %s\n", warnings_.back().c_str());
    };
    std::string line;
    int number = 0;
    while (ReadLine(file.get(), line)) {
        ++number;
        try {
            if (CutKey(line, "HelpItem=")) {
                if (items_.size() >= MaxItems) {
                    warn(number, "more than " + std::to_string(MaxItems) + " balloons; line skipped");
                    continue;
                }
                items_.push_back(std::make_unique<THelpItem>(mainWindow, ParseHelpItemLine(line),
                                                             backgrounds_, elapsed_, debug_, balloonCursor_,
                                                             onAction));
            } else if (CutKey(line, "HelpBk=")) {
                for (int n = 1;; ++n) {
                    const std::string picture = ExtractWord(n, line, ",");
                    if (picture.empty()) {
                        break;
                    }
                    if (pictures.size() >= MaxBackgrounds) {
                        warn(number, "more than " + std::to_string(MaxBackgrounds) +
                                         " balloon pictures; the rest are left out");
                        break;
                    }
                    pictures.push_back(picture);
                }
            } else if (CutKey(line, "Debug=")) {
                debug_ = StrToInt(line);
            }
        } catch (const EConvertError& error) {
            warn(number, std::string(error.what()) + "; line skipped");
        }
    }
    // Names written on systems that ignore letter case still find their files.
    // A picture that cannot be read stays in the list, empty, and is told:
    // its balloons have no size.
    for (const std::string& picture : pictures) {
        const std::string file = FindFileIgnoringCase(
            (helpFolder + QString::fromStdString(NativeFileName(picture))).toStdString());
        // Drawn for the screen's density when the data has the finer picture.
        const QImage image = LoadPicture(QString::fromStdString(file),
                                         mainWindow ? mainWindow->devicePixelRatioF() : qreal(1));
        if (image.isNull()) {
            warnings_.push_back(name + ": " + picture + ": no picture; its balloons are not shown");
            std::fprintf(stderr, "pinewick: %s\n", warnings_.back().c_str());
        }
        // A finer picture's alpha draws its outline smooth (THelpItem::Show).
        backgrounds_.push_back(image.isNull()            ? QImage()
                               : image.hasAlphaChannel() ? image.convertToFormat(QImage::Format_ARGB32)
                                                         : image.convertToFormat(QImage::Format_RGB32));
    }
}

bool THelp::IsShowing() const {
    for (const auto& item : items_) {
        if (item->IsShown()) {
            return true;
        }
    }
    return false;
}

void THelp::Start() {
    elapsed_ = 0;
    for (const auto& item : items_) {
        item->Show();
    }
    timer_.start();
}

void THelp::Stop() {
    timer_.stop();
    for (const auto& item : items_) {
        item->Hide();
    }
}

void THelp::Toggle() {
    if (IsShowing()) {
        Stop();
    } else {
        Start();
    }
}

bool THelp::CloseByKey() {
    if (!IsShowing()) {
        return false;
    }
    for (const auto& item : items_) {
        if (item->Line().ActionCode == 2 && onAction_) {
            onAction_(item.get(), 2);
            return true;
        }
    }
    Stop();
    return true;
}

void THelp::OnTimer() {
    elapsed_ += FadeInterval;
    if (elapsed_ > FadeEnd) {
        elapsed_ = FadeEnd;
        timer_.stop();
    }
    for (const auto& item : items_) {
        item->Fade();
    }
}
