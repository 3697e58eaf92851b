// The solver window as a player uses it: its start, typing and Enter, Solve, Quick solve
// through the clipboard, odd clipboard contents, and its minimised paint.
#include <QApplication>
#include <QClipboard>
#include <QImage>
#include <QMimeData>
#include <QPainter>
#include <QTest>

#include "framework/qt/private/icon_loader.h"
#include "tests/framework/test_support.h"
#include "tests/ui/solver_fixture.h"

using uitest::ScratchCurrentDir;
using uitest::SolverWindow;
using uitest::WithSolverWindow;

namespace {

// Written in Latin-1, so CAFÉ is saved as a Windows editor saves it: CAF and byte 0xC9.
const QStringList kWords = {"CAT",    "ACTS",  "CAST",  "SCAT",  "CATS", "TACT",
                            "STAINER", "RETAINS", "SATIRE", "STAIN", "QUIZ", "CAFÉ"};

void Restore(SolverWindow& w) {
    w.window->showNormal();
    w.window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(w.window));
}

}  // namespace

class SolverDlgTest : public fwtest::ProgramTest {
    Q_OBJECT

private slots:
    void startsMinimisedThenFocusesTheSelection();
    void typedLettersBecomeCapitalsAndEnterSolves();
    void solveTwiceShowsTheSameList();
    void quickSolve_data();
    void quickSolve();
    void quickSolveWithNoSolutionKeepsTheClipboard();
    void quickSolveWithOnlyAnImageOnTheClipboard();
    void paintWhileMinimisedDrawsOnlyTheIcon();
    void dictionaryIsLoadedBeforeTheWindowExists();
    void missingDictionaryStillOpensAndFindsNothing();
};

void SolverDlgTest::startsMinimisedThenFocusesTheSelection() {
    ScratchCurrentDir dir;
    dir.WriteDictionary(kWords);
    WithSolverWindow([](SolverWindow& w) {
        QTRY_VERIFY(w.window->isMinimized());
        QCOMPARE(w.window->windowTitle(), QString("Velmora"));
        Restore(w);
        QTRY_COMPARE(QApplication::focusWidget(), static_cast<QWidget*>(w.selection));
    });
}

void SolverDlgTest::typedLettersBecomeCapitalsAndEnterSolves() {
    ScratchCurrentDir dir;
    dir.WriteDictionary(kWords);
    WithSolverWindow([](SolverWindow& w) {
        Restore(w);
        QTest::keyClicks(w.selection, "tsac");
        QCOMPARE(w.selection->text(), QString("TSAC"));
        QTest::keyClick(w.selection, Qt::Key_Return);
        QCOMPARE(w.Solutions(), QStringList({"ACTS", "CAST", "CATS", "SCAT"}));
    });
}

void SolverDlgTest::solveTwiceShowsTheSameList() {
    ScratchCurrentDir dir;
    dir.WriteDictionary(kWords);
    WithSolverWindow([](SolverWindow& w) {
        w.selection->setText("AEINRST");
        w.solve->click();
        const QStringList first = w.Solutions();
        QCOMPARE(first, QStringList({"RETAINS", "STAINER", "SATIRE", "STAIN"}));
        w.solve->click();
        QCOMPARE(w.Solutions(), first);
    });
}

void SolverDlgTest::quickSolve_data() {
    QTest::addColumn<QString>("clipboard");
    QTest::addColumn<QString>("selection");
    QTest::addColumn<QStringList>("solutions");
    QTest::addColumn<QString>("answer");

    const QStringList aeinrst = {"RETAINS", "STAINER", "SATIRE", "STAIN"};
    QTest::newRow("two longest words") << "AEINRST" << "AEINRST" << aeinrst << "RETAINS STAINER";
    QTest::newRow("lower case on two lines") << "aei\nnrst" << "AEI NRST" << aeinrst
                                             << "RETAINS STAINER";
    QTest::newRow("tabs, CRLF and punctuation")
        << "a\tE,i;\r\nN-r.S!t" << "A\tE,I; N-R.S!T" << aeinrst << "RETAINS STAINER";
    QTest::newRow("one longest word, no space")
        << "AEIRST" << "AEIRST" << QStringList({"SATIRE"}) << "SATIRE";
    QTest::newRow("a word saved on Windows") << "fac" << "FAC" << QStringList({"CAFÉ"}) << "CAFÉ";
    QTest::newRow("no capital letters at all") << "123 ?!" << "123 ?!" << QStringList() << "";
    QTest::newRow("empty clipboard") << "" << "" << QStringList() << "";
}

// The clipboard's letters replace whatever the selection box held, the list shows every
// solution, and the longest ones go back onto the clipboard.
void SolverDlgTest::quickSolve() {
    QFETCH(QString, clipboard);
    QFETCH(QString, selection);
    QFETCH(QStringList, solutions);
    QFETCH(QString, answer);

    ScratchCurrentDir dir;
    dir.WriteDictionary(kWords);
    WithSolverWindow([&](SolverWindow& w) {
        w.selection->setText("QUIZ");
        QApplication::clipboard()->setText(clipboard);
        w.quickSolve->click();
        QCOMPARE(w.selection->text(), selection);
        QCOMPARE(w.Solutions(), solutions);
        QCOMPARE(w.clipboard->text(), answer);
        QCOMPARE(QApplication::clipboard()->text(), answer.isEmpty() ? clipboard : answer);
    });
}

void SolverDlgTest::quickSolveWithNoSolutionKeepsTheClipboard() {
    ScratchCurrentDir dir;
    dir.WriteDictionary(kWords);
    WithSolverWindow([](SolverWindow& w) {
        QApplication::clipboard()->setText("XYZ");
        w.quickSolve->click();
        QCOMPARE(w.selection->text(), QString("XYZ"));
        QVERIFY(w.Solutions().isEmpty());
        QCOMPARE(w.clipboard->text(), QString());
        QCOMPARE(QApplication::clipboard()->text(), QString("XYZ"));

        // A megabyte of letters is pasted whole and solved.
        const QString megabyte = QString("AEINRST").repeated(150'000);
        QApplication::clipboard()->setText(megabyte);
        w.quickSolve->click();
        QCOMPARE(w.selection->text().size(), megabyte.size());
        QCOMPARE(w.clipboard->text(), QString("RETAINS STAINER"));
    });
}

void SolverDlgTest::quickSolveWithOnlyAnImageOnTheClipboard() {
    ScratchCurrentDir dir;
    dir.WriteDictionary(kWords);
    WithSolverWindow([](SolverWindow& w) {
        QImage image(8, 8, QImage::Format_RGB32);
        image.fill(Qt::red);
        QApplication::clipboard()->setImage(image);
        w.selection->setText("TSAC");
        w.quickSolve->click();
        QCOMPARE(w.selection->text(), QString());
        QVERIFY(w.Solutions().isEmpty());
        QVERIFY(QApplication::clipboard()->mimeData()->hasImage());
    });
}

// While minimised only the icon is drawn, at ((width - 32 + 1) / 2, (height - 32 + 1) / 2)
// of the client area, over the erased background.
void SolverDlgTest::paintWhileMinimisedDrawsOnlyTheIcon() {
    ScratchCurrentDir dir;
    dir.WriteDictionary(kWords);
    WithSolverWindow([](SolverWindow& w) {
        QTRY_VERIFY(w.window->isMinimized());
        const QImage painted = w.window->grab().toImage().convertToFormat(QImage::Format_RGB32);

        QImage expected(painted.size(), QImage::Format_RGB32);
        expected.fill(w.window->palette().color(w.window->backgroundRole()));
        const HICON icon =
            ::LoadIconA(AfxFindResourceHandle(MAKEINTRESOURCE(IDR_MAINFRAME), RT_GROUP_ICON),
                        MAKEINTRESOURCE(IDR_MAINFRAME));
        const QImage iconImage = framework::IconImage(icon, 32);
        QVERIFY(!iconImage.isNull());
        {
            QPainter painter(&expected);
            painter.drawImage(QPoint((w.window->width() - 32 + 1) / 2,
                                     (w.window->height() - 32 + 1) / 2),
                              iconImage);
        }
        QCOMPARE(painted, expected);
    });
}

// The word list is read while the dialog object is built, before its window exists: a
// dictionary removed after that point is still searched.
void SolverDlgTest::dictionaryIsLoadedBeforeTheWindowExists() {
    ScratchCurrentDir dir;
    dir.WriteDictionary(kWords);
    CSolverDlg dialog;
    QCOMPARE(dialog.GetSafeHwnd(), HWND(nullptr));
    QVERIFY(QFile::remove(QDir(dir.Path()).filePath("dictionary.txt")));
    WithSolverWindow(dialog, [](SolverWindow& w) {
        w.selection->setText("ZIUQ");
        w.solve->click();
        QCOMPARE(w.Solutions(), QStringList({"QUIZ"}));
    });
}

void SolverDlgTest::missingDictionaryStillOpensAndFindsNothing() {
    ScratchCurrentDir dir;
    bool opened = false;
    WithSolverWindow([&](SolverWindow& w) {
        opened = true;
        w.selection->setText("ABCDEFGHIJKLMNOPQRSTUVWXYZ");
        w.solve->click();
        QVERIFY(w.Solutions().isEmpty());
    });
    QVERIFY(opened);
}

QTEST_MAIN(SolverDlgTest)
#include "solver_dlg_test.moc"
