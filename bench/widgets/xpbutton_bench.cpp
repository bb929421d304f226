// SPDX-License-Identifier: MIT
// Repaint cost of the button, and whether steady repaints leave anything on the heap.
//
//   QT_QPA_PLATFORM=offscreen build/bin/widgets_bench
#include <benchmark/benchmark.h>
#include <malloc.h>

#include <QApplication>
#include <QWindow>
#include <memory>

#include "widgets/xpbutton.h"

namespace {

std::unique_ptr<qm::XPButton> MakeButton(int w, int h, int style) {
    auto b = std::make_unique<qm::XPButton>();
    b->resize(w, h);
    b->setFont(QFont(QString::fromUtf8("WenQuanYi Bitmap Song"), 9));
    b->setCaption(QString::fromUtf8("重新开始(&R)"));
    b->setButtonStyle(style);
    b->Refresh();
    return b;
}

// The style routine, the caption and the buffer: everything a Refresh draws.
void BM_Repaint80x33(benchmark::State& state) {
    auto b = MakeButton(80, 33, static_cast<int>(state.range(0)));
    for (auto _ : state) {
        b->Refresh();
        benchmark::DoNotOptimize(b->Buffer().constBits());
    }
}
BENCHMARK(BM_Repaint80x33)->DenseRange(0, 7)->Unit(benchmark::kMicrosecond);

// The same through a real paint event of a shown widget: render plus the copy to the screen.
void BM_PaintEvent80x33(benchmark::State& state) {
    QWidget host;
    host.resize(200, 100);
    auto b = MakeButton(80, 33, static_cast<int>(state.range(0)));
    b->setParent(&host);
    host.show();
    for (int i = 0; i < 20 && !host.windowHandle()->isExposed(); ++i) {
        QApplication::processEvents(QEventLoop::AllEvents, 50);
    }
    if (!host.windowHandle()->isExposed()) {
        state.SkipWithError("the window never became exposed");
        return;
    }
    for (auto _ : state) {
        b->repaint();
    }
}
BENCHMARK(BM_PaintEvent80x33)->Arg(2)->Unit(benchmark::kMicrosecond);

void BM_GradientRepaint300x60(benchmark::State& state) {
    auto b = MakeButton(300, 60, 0);
    b->setGradientColor(qm::Rgb(40, 90, 200));
    b->setGradientMode(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        b->Refresh();
        benchmark::DoNotOptimize(b->Buffer().constBits());
    }
}
BENCHMARK(BM_GradientRepaint300x60)->Arg(1)->Arg(3)->Unit(benchmark::kMicrosecond);

// 100,000 repaints of a pictured, hovered style 2 button; the heap must end where it began.
void BM_HundredThousandRepaints(benchmark::State& state) {
    auto b = MakeButton(80, 33, 2);
    QImage pic(16, 16, QImage::Format_RGB32);
    pic.fill(Qt::magenta);
    pic.setPixel(8, 8, qRgb(0, 0, 255));
    b->setPicture(qm::XPPicture::FromImage(pic));
    b->setGradientMode(3);
    for (int i = 0; i < 100; ++i) {
        b->Refresh();  // warm the caches
    }
    const auto childrenBefore = b->children().size();
    for (auto _ : state) {
        const auto before = mallinfo2().uordblks;
        for (int i = 0; i < 100000; ++i) {
            b->Refresh();
        }
        const auto after = mallinfo2().uordblks;
        state.counters["heap_delta_bytes"] =
            static_cast<double>(static_cast<long long>(after) - static_cast<long long>(before));
    }
    state.counters["objects_left"] =
        static_cast<double>(b->children().size()) - static_cast<double>(childrenBefore);
}
BENCHMARK(BM_HundredThousandRepaints)->Iterations(1)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
