// Speed of the picture of the predictive distribution at the window pane's size: its
// numbers and drawing (a density sample per pixel, the range's two K-prime quantiles, the
// Student quantile of the limits), the Qt painter painting it into an image, and both, for
// the default example and harder entries. The pane must redraw within 5 ms.
// Run: build/bin/bench_picture --benchmark_repetitions=5 --benchmark_report_aggregates_only
#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include "compute/picture_refresh.h"
#include "qt/drawing/drawing_painter.h"

namespace {

using namespace ormane;

struct Cas {
    const char* nom;
    double t, df, dfR, c;
};

constexpr Cas kCas[] = {
    {"default example", 1.09971619639466, 9, 9, 1},
    {"future c=4", 2.5, 20, 80, 4},
    {"t=8 df=2", 8, 2, 2, 1},
    {"t=-3 df=10000", -3, 10000, 10000, 1},
    {"t=25 df=5", 25, 5, 5, 1},
};

EtatModule Module(const Cas& cas) {
    EtatModule m;
    m.LangueChoisie = Langue::Anglais;
    m.NbDecimales = 3;
    DernierCalcul k;
    k.t = cas.t;
    k.df = cas.df;
    k.dfR = cas.dfR;
    k.c = cas.c;
    k.alpha = 0.025;
    k.garantie = 95;
    k.effet = cas.t / std::sqrt(cas.df + 1);
    m.dernierCalcul = k;
    m.resultats.garde(Resultat::Prep, 0.77);
    m.resultats.garde(Resultat::Psrep, 0.23);
    return m;
}

void Donnees(benchmark::State& state, Cas cas) {
    const EtatModule m = Module(cas);
    for (auto _ : state) {
        benchmark::DoNotOptimize(DessinDuCalcul(m, kLargeurImage, kHauteurImage));
    }
}

void Peinture(benchmark::State& state, Cas cas) {
    const window::Dessin d = DessinDuCalcul(Module(cas), kLargeurImage, kHauteurImage);
    QImage image(kLargeurImage, kHauteurImage, QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        QPainter painter(&image);
        painter.fillRect(image.rect(), Qt::white);
        qt::paintDrawing(painter, d, QSizeF(image.size()));
    }
}

void ImageEntiere(benchmark::State& state, Cas cas) {
    const EtatModule m = Module(cas);
    QImage image(kLargeurImage, kHauteurImage, QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        const window::Dessin d = DessinDuCalcul(m, kLargeurImage, kHauteurImage);
        QPainter painter(&image);
        painter.fillRect(image.rect(), Qt::white);
        qt::paintDrawing(painter, d, QSizeF(image.size()));
    }
}

}  // namespace

int main(int argc, char** argv) {
    static char name[] = "bench_picture", option[] = "-platform", offscreen[] = "offscreen";
    static char* qtArgv[] = {name, option, offscreen, nullptr};
    int qtArgc = 3;
    QGuiApplication application(qtArgc, qtArgv);
    for (const Cas& cas : kCas) {
        benchmark::RegisterBenchmark((std::string("numbers and drawing/") + cas.nom).c_str(),
                                     Donnees, cas)
            ->Unit(benchmark::kMillisecond);
        benchmark::RegisterBenchmark((std::string("painting/") + cas.nom).c_str(), Peinture, cas)
            ->Unit(benchmark::kMillisecond);
        benchmark::RegisterBenchmark((std::string("whole picture/") + cas.nom).c_str(),
                                     ImageEntiere, cas)
            ->Unit(benchmark::kMillisecond);
    }
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
