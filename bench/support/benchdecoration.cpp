#include "support/benchdecoration.h"

#include "platform/paths.h"
#include "scene/descfile.h"
#include "scene/scenevector.h"
#include "support/benchhome.h"

#include <QFile>
#include <algorithm>
#include <cmath>
#include <random>

QString WriteDecoration(int toys) {
    Paths.HDPath = BenchHome();
    const int extra = toys - DefaultDecorationToys;
    if (extra <= 0)
        return "desc.default";
    DescriptionFile file = ReadDescriptionFile(DataFile("desc.default").toStdString(), "desc.default").file;
    std::mt19937 random(7);
    std::uniform_real_distribution<float> height(0.05f, 0.85f);
    std::uniform_real_distribution<float> angle(0, 6.2831853f);
    const int kinds = std::min<int>(static_cast<int>(file.descToys.size()), 35);
    for (int i = 0; i < extra; ++i) {
        const float y = height(random) * 80.0f;
        const float radius = 30 * (1 - y / 85.0f);
        const float a = angle(random);
        file.toys.push_back(
            {i % kinds, ToFileVector({radius * std::cos(a), y, radius * std::sin(a)}), {0, 0, 1}, {0, 1, 0}});
    }
    const QString name = "desc.bench-" + QString::number(toys);
    WriteDescriptionFile(DataFile(name).toStdString(), file);
    return name;
}

void RemoveDecoration(const QString& name) {
    if (name == "desc.default")
        return;
    QFile::remove(DataFile(name));
    QFile::remove(DataFile(name + "~~~"));
}
