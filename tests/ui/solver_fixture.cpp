#include "tests/ui/solver_fixture.h"

#include <QFile>
#include <QTest>

#include "tests/framework/test_support.h"

namespace uitest {

ScratchCurrentDir::ScratchCurrentDir() : m_previous(QDir::currentPath()) {
    QDir::setCurrent(m_dir.path());
}

ScratchCurrentDir::~ScratchCurrentDir() { QDir::setCurrent(m_previous); }

void ScratchCurrentDir::WriteDictionary(const QStringList& words) const {
    QFile file(m_dir.filePath("dictionary.txt"));
    if (file.open(QIODevice::WriteOnly))
        file.write((words.join('\n') + '\n').toLatin1());
}

QStringList SolverWindow::Solutions() const {
    QStringList words;
    for (int row = 0; row < solutions->count(); ++row)
        words << solutions->item(row)->text();
    return words;
}

void WithSolverWindow(CSolverDlg& dialog, const std::function<void(SolverWindow&)>& steps) {
    fwtest::RunModal(dialog, [&] {
        SolverWindow window{fwtest::Window(dialog),
                            fwtest::Control<QLineEdit>(dialog, IDC_SELECTION),
                            fwtest::Control<QPushButton>(dialog, IDC_SOLVE),
                            fwtest::Control<QListWidget>(dialog, IDC_SOLUTIONS),
                            fwtest::Control<QLineEdit>(dialog, IDC_CLIPBOARD),
                            fwtest::Control<QPushButton>(dialog, IDC_QUICK_SOLVE)};
        if (window.window && window.selection && window.solve && window.solutions &&
            window.clipboard && window.quickSolve)
            steps(window);
        else
            QTest::qFail("the solver window is missing a control", __FILE__, __LINE__);
    });
}

void WithSolverWindow(const std::function<void(SolverWindow&)>& steps) {
    CSolverDlg dialog;
    WithSolverWindow(dialog, steps);
}

}  // namespace uitest
