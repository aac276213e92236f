#pragma once

#include <QString>

#include <functional>

// One benchmark case: prepare runs once, run is timed repeatedly (after reset, when given), finish releases what
// prepare made;
// the median is printed as "CASE median_ms=X runs=N".
struct BenchCase {
    QString name;
    std::function<void()> prepare;
    std::function<void()> run;
    std::function<void()> finish = {};
    // Runs before each timed run, untimed: puts back what a run changed.
    std::function<void()> reset = {};
};

// Cases register themselves from their own files.
void RegisterBenchCase(BenchCase benchCase);

// A fresh archive in a temporary directory, prepared as the program's start prepares it and made the current database.
QString MakeBenchArchive();
// Fills the current archive with sites and products; each product has a status row on every statusEvery-th site
// (1: every pair), which sites shifting with the product.
void SeedBenchArchive(int sites, int products, int statusEvery);
