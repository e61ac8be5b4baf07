#include "support/benchhome.h"

const char* BenchHome() {
    return PINEWICK_BENCH_HOME;
}
