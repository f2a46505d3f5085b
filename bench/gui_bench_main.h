#pragma once

// The main() of every widget benchmark: widgets need a QApplication before
// the first benchmark makes one. Include it last, once per program.

#include <QApplication>

#include <benchmark/benchmark.h>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
