#pragma once
// Headers nearly every test includes, parsed once for all test programs
// (precompiled by pw_test_support and reused by every test program).
// Kept to GoogleTest, the standard library and Qt's core, gui and widgets
// modules, which every test program links: a test program must be able to
// compile against this header even where the precompiled form can't be used.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QPainter>
#include <QProcess>
#include <QString>
#include <QStringList>
#include <QTimer>
#include <QWidget>
