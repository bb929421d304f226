// SPDX-License-Identifier: MIT
// What choosing the language costs at start: reading the desktop's preferred languages, listing
// the translations built in and loading the game's translation and Qt's own.
#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QLocale>

#include "ui/system/language.h"

namespace {

void chooseAndLoad(benchmark::State& state, const char* forced) {
    for (auto _ : state) {
        const QString language =
            forced != nullptr ? QString::fromLatin1(forced)
                              : quorvane::ui::languageForDesktop(QLocale::system().uiLanguages());
        quorvane::ui::useLanguage(language);
        benchmark::DoNotOptimize(QCoreApplication::translate("Engine", "暂停"));
    }
}

void BM_TheDesktopsLanguage(benchmark::State& state) {
    chooseAndLoad(state, nullptr);
}
BENCHMARK(BM_TheDesktopsLanguage)->Unit(benchmark::kMicrosecond);

void BM_English(benchmark::State& state) {
    chooseAndLoad(state, "en");
}
BENCHMARK(BM_English)->Unit(benchmark::kMicrosecond);

void BM_TraditionalChinese(benchmark::State& state) {
    chooseAndLoad(state, "zh_TW");
}
BENCHMARK(BM_TraditionalChinese)->Unit(benchmark::kMicrosecond);

void BM_SimplifiedChinese(benchmark::State& state) {
    chooseAndLoad(state, "zh_CN");
}
BENCHMARK(BM_SimplifiedChinese)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
