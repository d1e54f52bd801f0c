// Writes data/shortest-doubles.tsv from the standard library's to_chars (libstdc++, an
// implementation of the shortest round trip of its own): the bit pattern of each double in
// hexadecimal, a tab, its text. Run by hand when the table changes:
//   g++ -std=c++20 -O2 make_shortest_doubles.cpp -o /tmp/make && /tmp/make > shortest-doubles.tsv
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <random>

int main() {
    std::puts("# Doubles and their shortest text, as libstdc++'s std::to_chars writes them.");
    std::puts("bits\ttext");
    auto ecrit = [](double v) {
        std::uint64_t b;
        std::memcpy(&b, &v, sizeof b);
        char t[64];
        const auto r = std::to_chars(t, t + sizeof t, v);
        std::printf("%016llx\t%.*s\n", static_cast<unsigned long long>(b),
                    static_cast<int>(r.ptr - t), t);
    };
    // Powers of two every 16 binary orders with their neighbours, the whole numbers around
    // 2^53 and beyond (written in full), the edges, and random bit patterns.
    for (int e = -1074; e <= 1023; e += 16) {
        const double p = std::ldexp(1.0, e);
        for (double v : {p, std::nextafter(p, 0.0), std::nextafter(p, 1e308)}) ecrit(v);
    }
    for (int e = 50; e <= 70; ++e) ecrit(std::ldexp(1.0, e) + std::ldexp(1.0, e - 52) * 3);
    for (double v : {0.0, -0.0, 1e22, 1e23, 123456789012345678.0, 0.1, 0.001, 1e-5, 5e-324,
                     1.7976931348623157e308, 2.2250738585072014e-308, -2.5, 9007199254740993.0})
        ecrit(v);
    std::mt19937_64 hasard(20261208);
    for (int n = 0; n < 300;) {
        std::uint64_t b = hasard();
        double v;
        std::memcpy(&v, &b, sizeof v);
        if (!std::isfinite(v)) continue;
        ecrit(v);
        ++n;
    }
}
