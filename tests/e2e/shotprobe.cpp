// A helper of the desktop end-to-end scripts that reads screenshots:
//   pw_shotprobe changed BEFORE AFTER       the box where AFTER differs from BEFORE: X Y W H
//   pw_shotprobe green FILE X Y W H         how many pixels of the box are foliage green
//   pw_shotprobe crop FILE X Y W H OUT      the box as a picture of its own
//   pw_shotprobe edges FILE X Y W H         the mean width, in pixels, of the strong edges
//                                           met along the box's rows, and how many there were
#include <QGuiApplication>
#include <QImage>
#include <QRect>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {

int luminance(QRgb c) {
    return (qRed(c) * 299 + qGreen(c) * 587 + qBlue(c) * 114) / 1000;
}

// Pixels that differ by more than a little, outside the top 40 rows (a
// compositor's panel shows a clock there).
QRect changedBox(const QImage& before, const QImage& after) {
    QRect box;
    for (int y = 40; y < std::min(before.height(), after.height()); ++y) {
        for (int x = 0; x < std::min(before.width(), after.width()); ++x) {
            const QRgb a = before.pixel(x, y), b = after.pixel(x, y);
            if (std::abs(qRed(a) - qRed(b)) + std::abs(qGreen(a) - qGreen(b)) +
                    std::abs(qBlue(a) - qBlue(b)) >
                24) {
                box |= QRect(x, y, 1, 1);
            }
        }
    }
    return box;
}

int greenCount(const QImage& picture, const QRect& box) {
    int count = 0;
    for (int y = box.top(); y <= box.bottom(); ++y) {
        for (int x = box.left(); x <= box.right(); ++x) {
            const QRgb c = picture.pixel(x, y);
            count += qGreen(c) > qRed(c) + 12 && qGreen(c) > qBlue(c) + 4 && qGreen(c) > 40;
        }
    }
    return count;
}

// An edge: a run of steps of one sign along a row (a single flat step may lie
// inside it) whose total change is large. Its width is the distance from its
// first to its last step; a sharp edge takes one or two pixels, a picture
// enlarged after rendering takes about twice as many.
std::pair<double, int> edgeWidths(const QImage& picture, const QRect& box) {
    constexpr int strong = 80;
    double total = 0;
    int edges = 0;
    for (int y = box.top(); y <= box.bottom(); ++y) {
        std::vector<int> l;
        for (int x = box.left(); x <= box.right(); ++x) {
            l.push_back(luminance(picture.pixel(x, y)));
        }
        std::size_t i = 0;
        while (i + 1 < l.size()) {
            const int d = l[i + 1] - l[i];
            if (std::abs(d) < 3) {
                ++i;
                continue;
            }
            const int sign = d > 0 ? 1 : -1;
            std::size_t first = i, last = i, j = i;
            int change = 0, flat = 0;
            while (j + 1 < l.size()) {
                const int step = l[j + 1] - l[j];
                if (std::abs(step) < 3) {
                    if (++flat > 1) {
                        break;
                    }
                } else if ((step > 0 ? 1 : -1) == sign) {
                    flat = 0;
                    change += std::abs(step);
                    last = j;
                } else {
                    break;
                }
                ++j;
            }
            if (change >= strong) {
                total += static_cast<double>(last - first + 1);
                ++edges;
            }
            i = last + 1;
        }
    }
    return {edges ? total / edges : 0.0, edges};
}

QRect boxFrom(char** argv) {
    return QRect(std::atoi(argv[0]), std::atoi(argv[1]), std::atoi(argv[2]), std::atoi(argv[3]));
}

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QString command = argc > 1 ? QString(argv[1]) : QString();
    if (command == "changed" && argc == 4) {
        const QRect box = changedBox(QImage(argv[2]), QImage(argv[3]));
        std::printf("%d %d %d %d\n", box.x(), box.y(), box.width(), box.height());
        return box.isEmpty() ? 1 : 0;
    }
    if (command == "crop" && argc == 8) {
        return QImage(argv[2]).copy(boxFrom(argv + 3)).save(argv[7]) ? 0 : 1;
    }
    if ((command == "green" || command == "edges") && argc == 7) {
        const QImage picture(argv[2]);
        const QRect box = boxFrom(argv + 3) & picture.rect();
        if (picture.isNull() || box.isEmpty()) {
            return 1;
        }
        if (command == "green") {
            std::printf("%d\n", greenCount(picture, box));
        } else {
            const auto [width, count] = edgeWidths(picture, box);
            std::printf("%.3f %d\n", width, count);
        }
        return 0;
    }
    std::fputs("usage: pw_shotprobe changed BEFORE AFTER | crop FILE X Y W H OUT | green|edges FILE X Y W H\n",
               stderr);
    return 2;
}
