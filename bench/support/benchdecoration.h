#pragma once
// Decorations for the benchmarks: the default one with more toys spread over
// the tree (the same toys in the same places in every run), written as a
// description file in the benchmark home's Data folder.
//
//   const QString name = WriteDecoration(1000);   // 1,000 toys in all
//   TTree tree(name, size, background);
//   RemoveDecoration(name);                       // once it is read
#include <QString>

// The toys of the default decoration.
constexpr int DefaultDecorationToys = 28;

// The name of a description file with toys in all ("desc.default" for the default's own number or fewer).
QString WriteDecoration(int toys);
// Removes a file WriteDecoration wrote (and its backup); leaves the default one.
void RemoveDecoration(const QString& name);
