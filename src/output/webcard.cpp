#include "output/webcard.h"

#include "mainwindow/layout.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QFile>
#include <QImageWriter>
#include <map>

// The page's template lives in a static library: registering it by hand keeps
// the linker from leaving it out.
static bool readTemplate(QByteArray& page) {
    static const bool registered = [] {
        Q_INIT_RESOURCE(webcard);
        return true;
    }();
    (void)registered;
    QFile file(":/output/webcard.html");
    if (!file.open(QIODevice::ReadOnly)) {
        return false;
    }
    page = file.readAll();
    return true;
}

namespace {

// three.js's two scripts are a little under 1 MB; a larger file is not one of them.
constexpr qint64 MaxScript = 8 << 20;

bool readScript(const QString& path, QByteArray& out, QString* error) {
    QFile file(path);
    if (file.size() > MaxScript || !file.open(QIODevice::ReadOnly)) {
        *error =
            QCoreApplication::translate("WebCard", "%1: three.js can't be read (is libjs-three installed?)")
                .arg(path);
        return false;
    }
    out = file.readAll();
    return true;
}

QByteArray percent(int part, int whole) {
    return QByteArray::number(100.0 * part / whole, 'f', 4);
}

QByteArray jpegBase64(const QImage& picture) {
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "jpeg");
    writer.setQuality(88);
    writer.write(picture.convertToFormat(QImage::Format_RGB32));
    return buffer.data().toBase64();
}

// The template with each @NAME@ replaced by its value, in one pass over the
// template: nothing in a value is taken for a placeholder.
QByteArray fillTemplate(const QByteArray& text, const std::map<QByteArray, QByteArray>& values) {
    QByteArray out;
    qsizetype from = 0;
    for (qsizetype at = text.indexOf('@'); at >= 0; at = text.indexOf('@', at + 1)) {
        const qsizetype end = text.indexOf('@', at + 1);
        const auto value = end > at ? values.find(text.mid(at + 1, end - at - 1)) : values.end();
        if (value == values.end()) {
            continue;
        }
        out += text.mid(from, at - from);
        out += value->second;
        from = end + 1;
        at = end;
    }
    return out + text.mid(from);
}

} // namespace

bool InteractiveCardPage(const QImage& backdrop, const QByteArray& glb, const QString& greeting,
                         QByteArray& page, QString* error, const QString& threeFolder) {
    QByteArray three, loader;
    if (!readScript(threeFolder + "/three.min.js", three, error) ||
        !readScript(threeFolder + "/examples/js/loaders/GLTFLoader.js", loader, error)) {
        return false;
    }
    if (!readTemplate(page)) {
        *error = "webcard: the page's template is missing from the program";
        return false;
    }

    const QRect tree = layout::TreeControl;
    const QSize card = layout::Snapshot;
    //: The described picture of the interactive card, for readers that can't see it; %1 is the greeting.
    const QString label = QCoreApplication::translate("WebCard", "A decorated fir tree that turns, under the "
                                                                 "greeting “%1”. Drag it to turn it.")
                              .arg(greeting);
    const std::map<QByteArray, QByteArray> values = {
        {"TITLE", "Pinewick"},
        {"LABEL", label.toHtmlEscaped().toUtf8()},
        {"CARDWIDTH", QByteArray::number(card.width())},
        {"CARDHEIGHT", QByteArray::number(card.height())},
        {"TREELEFT", percent(tree.x(), card.width())},
        {"TREETOP", percent(tree.y(), card.height())},
        {"TREEWIDTH", percent(tree.width(), card.width())},
        {"TREEHEIGHT", percent(tree.height(), card.height())},
        {"BACKDROP", jpegBase64(backdrop)},
        // Deflated (the page inflates it with the browser's DecompressionStream):
        // a third of the size, which keeps the whole page under 2 MB.
        {"GLB", qCompress(glb, 9).mid(4).toBase64()},
        {"LOADER", loader},
        {"THREE", three},
    };
    page = fillTemplate(page, values);
    return true;
}
