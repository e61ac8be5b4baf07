// Reads the help script as the help balloons do: line by line with leading
// blanks dropped and the line end cut, keys matched without regard to case,
// fields split at runs of commas, colours and points split at colons. Then
// checks where the balloons come to lie in the main window.
#include "data_art/art_data.h"

#include <QFile>
#include <QImage>
#include <QRect>
#include <QRegion>
#include <QStringList>
#include <algorithm>
#include <cmath>
#include <gtest/gtest.h>
#include <optional>

namespace {

// The n-th field (from 1), runs of separators counting as one.
QString extractWord(int n, const QString& text, QChar separator) {
    const QStringList fields = text.split(separator, Qt::SkipEmptyParts);
    return n >= 1 && n <= fields.size() ? fields[n - 1] : QString();
}

bool cutKey(QString& line, const QString& key) {
    if (line.size() < key.size() || line.left(key.size()).toUpper() != key.toUpper()) {
        return false;
    }
    line.remove(0, key.size());
    return true;
}

std::optional<int> toInteger(const QString& text) {
    bool ok = false;
    const int value = text.trimmed().toInt(&ok);
    return ok && !text.trimmed().isEmpty() && text.trimmed() == text.trimmed().simplified()
               ? std::optional(value)
               : std::nullopt;
}

struct Balloon {
    int picture = 0;
    int action = 0;
    int fontStep = 0;
    int bold = 0;
    QPoint centre;
    QString text;
};

struct Script {
    QStringList pictures;
    std::vector<Balloon> balloons;
    QStringList problems; // lines skipped or not understood
};

Script readScript(const QString& path) {
    Script script;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        script.problems << "no script";
        return script;
    }
    int number = 0;
    while (!file.atEnd()) {
        ++number;
        QByteArray raw = file.readLine(255);
        QString line = QString::fromLatin1(raw);
        while (line.startsWith(' ')) {
            line.remove(0, 1);
        }
        while (line.endsWith('\n') || line.endsWith('\r')) {
            line.chop(1);
        }
        if (raw.size() >= 254 && !raw.endsWith('\n')) {
            script.problems << QString("line %1 is too long").arg(number);
        }
        if (cutKey(line, "HelpBk=")) {
            for (int n = 1; !extractWord(n, line, ',').isEmpty(); ++n) {
                script.pictures << extractWord(n, line, ',');
            }
        } else if (cutKey(line, "Debug=")) {
            if (toInteger(line) != 0) {
                script.problems << QString("line %1: debug switched on").arg(number);
            }
        } else if (cutKey(line, "HelpItem=")) {
            Balloon b;
            const auto picture = toInteger(extractWord(1, line, ','));
            const auto action = toInteger(extractWord(2, line, ','));
            const auto step = toInteger(extractWord(3, line, ','));
            const auto bold = toInteger(extractWord(4, line, ','));
            const QString centre = extractWord(5, line, ',');
            const auto x = toInteger(extractWord(1, centre, ':'));
            const auto y = toInteger(extractWord(2, centre, ':'));
            b.text = extractWord(8, line, ',');
            if (!picture || !action || !step || !bold || !x || !y || b.text.isEmpty() ||
                !extractWord(9, line, ',').isEmpty()) {
                script.problems << QString("line %1 not understood: %2").arg(number).arg(line);
                continue;
            }
            for (int field : {6, 7}) {
                const QString colour = extractWord(field, line, ',');
                for (int part = 1; part <= 3; ++part) {
                    bool ok = false;
                    extractWord(part, colour, ':').toInt(&ok, 16);
                    if (!ok) {
                        script.problems << QString("line %1: colour %2").arg(number).arg(colour);
                    }
                }
            }
            b.picture = *picture;
            b.action = *action;
            b.fontStep = *step;
            b.bold = *bold;
            b.centre = QPoint(*x, *y);
            script.balloons.push_back(b);
        } else {
            script.problems << QString("line %1 skipped: %2").arg(number).arg(line);
        }
    }
    return script;
}

class HelpScript : public ::testing::Test {
protected:
    void SetUp() override {
        script = readScript(artdata::dataFile("Help/desc_hlp"));
        for (const QString& name : script.pictures) {
            pictures.push_back(QImage(artdata::dataFile("Help/" + name)));
        }
    }

    // The balloon's visible pixels in window coordinates, as its outline cuts them.
    QRegion shapeOf(const Balloon& b) const {
        const QImage& picture = pictures[std::size_t(b.picture)];
        const QPoint corner = b.centre - QPoint(picture.width() / 2, picture.height() / 2);
        const std::uint32_t key = artdata::rgb(picture, 0, 0);
        QRegion region;
        for (int y = 0; y < picture.height(); ++y) {
            int start = -1;
            for (int x = 0; x <= picture.width(); ++x) {
                const bool solid = x < picture.width() && artdata::rgb(picture, x, y) != key;
                if (solid && start < 0) {
                    start = x;
                } else if (!solid && start >= 0) {
                    region += QRect(corner.x() + start, corner.y() + y, x - start, 1);
                    start = -1;
                }
            }
        }
        return region;
    }

    // The tail's tip: the visible pixel farthest outside the balloon's body,
    // the body being the rows and columns more than half filled.
    QPoint tipOf(const Balloon& b) const {
        const QImage& picture = pictures[std::size_t(b.picture)];
        const QPoint corner = b.centre - QPoint(picture.width() / 2, picture.height() / 2);
        const std::uint32_t key = artdata::rgb(picture, 0, 0);
        auto solid = [&](int x, int y) {
            return artdata::rgb(picture, x, y) != key;
        };
        QRect body;
        for (int y = 0; y < picture.height(); ++y) {
            int filled = 0;
            for (int x = 0; x < picture.width(); ++x) {
                filled += solid(x, y);
            }
            for (int x = 0; x < picture.width() && filled > picture.width() / 2; ++x) {
                int column = 0;
                for (int yy = 0; yy < picture.height(); ++yy) {
                    column += solid(x, yy);
                }
                if (column > picture.height() / 2) {
                    body |= QRect(x, y, 1, 1);
                }
            }
        }
        QPoint tip = body.center();
        int farthest = -1;
        for (int y = 0; y < picture.height(); ++y) {
            for (int x = 0; x < picture.width(); ++x) {
                const int outside =
                    std::max({body.left() - x, x - body.right(), body.top() - y, y - body.bottom(), 0});
                if (solid(x, y) && outside > farthest) {
                    farthest = outside;
                    tip = QPoint(x, y);
                }
            }
        }
        return corner + tip;
    }

    Script script;
    std::vector<QImage> pictures;
};

TEST_F(HelpScript, EveryLineIsReadAndEveryPictureLoads) {
    EXPECT_TRUE(script.problems.isEmpty()) << script.problems.join("\n").toStdString();
    ASSERT_FALSE(script.pictures.isEmpty());
    for (std::size_t i = 0; i < pictures.size(); ++i) {
        EXPECT_FALSE(pictures[i].isNull()) << script.pictures[int(i)].toStdString();
    }
}

TEST_F(HelpScript, OffersTheAboutBoxAndAWayToCloseTheHelp) {
    int about = 0;
    int close = 0;
    for (const Balloon& b : script.balloons) {
        about += b.action == 1;
        close += b.action == 2;
        EXPECT_FALSE(b.text.contains(',')) << b.text.toStdString();
        for (const QString& line : b.text.split('*')) {
            EXPECT_LE(line.size(), 24) << b.text.toStdString();
        }
    }
    EXPECT_EQ(about, 1);
    EXPECT_EQ(close, 1);
}

TEST_F(HelpScript, BalloonsStayInTheWindowAndNeverOverlap) {
    const QRect window(0, 0, 640, 480);
    std::vector<QRegion> shapes;
    for (const Balloon& b : script.balloons) {
        ASSERT_GE(b.picture, 0);
        ASSERT_LT(b.picture, int(pictures.size())) << b.text.toStdString();
        shapes.push_back(shapeOf(b));
        EXPECT_TRUE(window.contains(shapes.back().boundingRect())) << b.text.toStdString();
    }
    for (std::size_t i = 0; i < shapes.size(); ++i) {
        for (std::size_t j = i + 1; j < shapes.size(); ++j) {
            EXPECT_TRUE(shapes[i].intersected(shapes[j]).isEmpty())
                << script.balloons[i].text.toStdString() << " / " << script.balloons[j].text.toStdString();
        }
    }
}

// Each explaining balloon's tail ends on the thing it explains.
TEST_F(HelpScript, EachBalloonPointsAtWhatItExplains) {
    struct Target {
        const char* words; // a piece of the balloon's text
        QRect place;
    };
    const Target targets[] = {
        {"ribbon", {135, 0, 370, 32}},        {"Send", {34, 196, 70, 60}},
        {"song", {536, 196, 70, 60}},         {"Font", {34, 267, 70, 60}},
        {"3D driver", {536, 267, 70, 60}},    {"case", {57, 427, 530, 52}},
        {"Exit", {599, 432, 41, 41}},         {"turn", {135, 32, 370, 376}},
        {"Right-click", {135, 32, 370, 376}},
    };
    for (const Target& target : targets) {
        const Balloon* found = nullptr;
        for (const Balloon& b : script.balloons) {
            if (b.text.contains(target.words) && b.action == 0) {
                found = &b;
            }
        }
        ASSERT_NE(found, nullptr) << target.words;
        const QPoint tip = tipOf(*found);
        EXPECT_TRUE(target.place.contains(tip)) << target.words << ": tip at " << tip.x() << "," << tip.y();
    }
}

} // namespace
