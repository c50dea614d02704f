#pragma once
#include <algorithm>
#include <cstdint>
#include <string>

#include "AllocCounter.h"
#include "BenchClock.h"

// One reader's figures on the benchmark document: best times of several rounds in seconds, and
// the heap requests of its first and of a later parse.
struct XmlFigures {
    double parse;
    double release;
    double write;
    uint64_t firstParseBytes;
    uint64_t firstParseBlocks;
    uint64_t laterParseBytes;
    uint64_t laterParseBlocks;
    uint64_t writtenBytes;
};

// pugixml on the UTF-8 text: parsed with its default flags, saved raw as UTF-8 without a declaration.
XmlFigures MeasurePugi(const std::string& text);
// The same in pugixml's wchar_t mode, whose tree, like ours, holds UTF-16.
XmlFigures MeasurePugiWide(const std::string& text);

// Times rounds of parse and release of fresh documents (make gives one, parse fills it, release
// drops it) into f, and counts the heap requests of the first and of the last parse.
template <class Make, class Parse, class Release>
void TimeParses(XmlFigures* f, Make make, Parse parse, Release release, int rounds = 5)
{
    for (int round = 0; round < rounds; ++round) {
        auto document = make();
        const AllocTally before = Allocations();
        double start = Now();
        parse(document);
        f->parse = std::min(f->parse, Now() - start);
        const AllocTally used = Allocations() - before;
        if (round == 0) {
            f->firstParseBytes = used.bytes;
            f->firstParseBlocks = used.blocks;
        }
        f->laterParseBytes = used.bytes;
        f->laterParseBlocks = used.blocks;
        start = Now();
        release(document);
        f->release = std::min(f->release, Now() - start);
    }
}
