#pragma once
// The build folder the benchmark programs were built in, with a slash at the
// end: their data is its Data folder. It is compiled into one small file of
// its own, so the benchmarks' other files are the same in every build folder
// and a compiler cache serves them to every clone.
const char* BenchHome();
