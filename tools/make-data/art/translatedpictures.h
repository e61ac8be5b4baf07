#pragma once
// The pictures that carry words (the labels on the cases, the About box's
// lines, the output dialog's title) are drawn once more for each language
// the program speaks, into Resource/<language>/, where the program looks
// first for its running language. The English pictures stay as they are.
#include "generator.h"

#include <QString>
#include <QStringList>
#include <functional>

namespace makedata::art {

// The languages with a compiled translation in the Data folder being written
// (Translations/pinewick_<language>.qm), in name order.
QStringList translatedLanguages(const Context& context);

// Runs `write` once per translated language with that language's texts
// installed, so QCoreApplication::translate gives them while it paints.
void forEachTranslation(const Context& context, const std::function<void(const QString& language)>& write);

} // namespace makedata::art
