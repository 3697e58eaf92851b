// The solver window's commands on real widgets (offscreen platform): a Quick solve round
// trip (paste, solve, fill the list, copy) and a Solve that fills the list with every word
// of the default dictionary. The benchmarks run inside the dialog's modal loop, as clicks do.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>

#include "framework/qt/private/control_lookup.h"
#include "framework/resources.h"
#include "ui/solver_dlg.h"

namespace {

CSolverDlg* g_dialog = nullptr;

template <class T>
T* Control(int id) {
    QWidget* window = framework::WidgetFromHwnd(g_dialog->m_hWnd);
    return qobject_cast<T*>(framework::ControlWidget(window, id));
}

void BM_QuickSolveRoundTrip(benchmark::State& state) {
    auto* quickSolve = Control<QPushButton>(IDC_QUICK_SOLVE);
    for (auto _ : state) {
        state.PauseTiming();
        QApplication::clipboard()->setText("aeinrst");
        state.ResumeTiming();
        quickSolve->click();
    }
    state.counters["rows"] = Control<QListWidget>(IDC_SOLUTIONS)->count();
    // Every seven-letter anagram of the letters, e.g. "NASTIER RETAINS ...".
    const QString answer = QApplication::clipboard()->text();
    if (answer.isEmpty() || answer.section(' ', 0, 0).size() != 7)
        state.SkipWithError("unexpected answer on the clipboard");
}

void BM_SolveEveryWordFillsList(benchmark::State& state) {
    QString everyLetter;
    for (char letter = 'A'; letter <= 'Z'; ++letter)
        everyLetter += QString(20, QChar(letter));
    Control<QLineEdit>(IDC_SELECTION)->setText(everyLetter);
    auto* solve = Control<QPushButton>(IDC_SOLVE);
    for (auto _ : state)
        solve->click();
    state.counters["rows"] = Control<QListWidget>(IDC_SOLUTIONS)->count();
}

BENCHMARK(BM_QuickSolveRoundTrip)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SolveEveryWordFillsList)->Unit(benchmark::kMillisecond);

}  // namespace

// The window needs the toolkit running and dictionary.txt in the current directory: the
// default list is copied into a scratch folder, and the benchmarks run once the dialog's
// modal loop has started.
int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);

    QTemporaryDir folder;
    const QString dictionary = qEnvironmentVariable("VELMORA_DICTIONARY",
                                                    VELMORA_DEFAULT_DICTIONARY);
    if (!QFile::copy(dictionary, folder.filePath("dictionary.txt")))
        return 1;
    QDir::setCurrent(folder.path());

    framework::RegisterProgramResources(); // as the framework's start-up does for the program
    CSolverDlg dialog;
    g_dialog = &dialog;
    QTimer::singleShot(0, [&] {
        benchmark::RunSpecifiedBenchmarks();
        dialog.EndDialog(IDCANCEL);
    });
    dialog.DoModal();
    benchmark::Shutdown();
    return 0;
}
