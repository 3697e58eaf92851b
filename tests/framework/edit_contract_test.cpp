// The edit box contract: WM_PASTE, WM_COPY, EM_SETSEL, EM_SCROLLCARET and the upper-case
// style, on the real widgets of template 102 and the offscreen platform's clipboard.
#include <QClipboard>
#include <QGuiApplication>
#include <QLineEdit>
#include <QMimeData>
#include <QtTest>

#include "tests/framework/test_support.h"

using fwtest::SolverTemplateDialog;
using fwtest::WithSolverTemplate;

namespace {

QString Clipboard() {
    return QGuiApplication::clipboard()->text();
}
void SetClipboard(const QString& text) {
    QGuiApplication::clipboard()->setText(text);
}

QString Text(const CWnd& dialog, int id) {
    CString text;
    dialog.GetDlgItemText(id, text);
    return QString::fromUtf8(static_cast<const char*>(text));
}

} // namespace

class EditContractTest : public fwtest::ProgramTest {
    Q_OBJECT

private slots:
    void pasteReplacesTheSelectionAtTheCaret() {
        WithSolverTemplate([](SolverTemplateDialog& dialog) {
            dialog.SetDlgItemText(IDC_SELECTION, "ABCDEF");
            SetClipboard("xy");
            ::SendMessageA(dialog.m_selection.m_hWnd, EM_SETSEL, 2, 4);
            ::SendMessageA(dialog.m_selection.m_hWnd, WM_PASTE, 0, 0);
            QCOMPARE(Text(dialog, IDC_SELECTION), QString("ABXYEF"));
            QCOMPARE(fwtest::Control<QLineEdit>(dialog, IDC_SELECTION)->cursorPosition(), 4);

            ::SendMessageA(dialog.m_selection.m_hWnd, EM_SETSEL, 1, 1);
            ::SendMessageA(dialog.m_selection.m_hWnd, WM_PASTE, 0, 0);
            QCOMPARE(Text(dialog, IDC_SELECTION), QString("AXYBXYEF"));
        });
    }

    void pasteKeepsEveryLetterOfSeveralLines_data() {
        QTest::addColumn<QString>("clipboard");
        QTest::addColumn<QString>("pasted");
        QTest::newRow("CR LF") << "ab\r\ncd"
                               << "AB CD";
        QTest::newRow("LF, trailing") << "ab\ncd\n"
                                      << "AB CD ";
        QTest::newRow("CR") << "a\rb\rc"
                            << "A B C";
        QTest::newRow("CR LF then LF") << "a\r\n\nb"
                                       << "A  B";
        QTest::newRow("lower case") << "aeinrst"
                                    << "AEINRST";
        QTest::newRow("NUL ends the text") << QString("ab") + QChar(0) + "cd"
                                           << "AB";
    }
    void pasteKeepsEveryLetterOfSeveralLines() {
        QFETCH(QString, clipboard);
        QFETCH(QString, pasted);
        WithSolverTemplate([&](SolverTemplateDialog& dialog) {
            SetClipboard(clipboard);
            dialog.SetDlgItemText(IDC_SELECTION, "");
            dialog.m_selection.Paste();
            QCOMPARE(Text(dialog, IDC_SELECTION), pasted);
        });
    }

    void pasteIntoAReadOnlyBoxOrWithoutClipboardTextChangesNothing() {
        WithSolverTemplate([](SolverTemplateDialog& dialog) {
            SetClipboard("new");
            dialog.SetDlgItemText(IDC_CLIPBOARD, "KEEP");
            dialog.m_clipboard.SetSel(0, -1);
            dialog.m_clipboard.Paste();
            QCOMPARE(Text(dialog, IDC_CLIPBOARD), QString("KEEP"));

            QGuiApplication::clipboard()->setMimeData(new QMimeData); // no text at all
            dialog.SetDlgItemText(IDC_SELECTION, "KEEP");
            dialog.m_selection.SetSel(0, -1);
            dialog.m_selection.Paste();
            QCOMPARE(Text(dialog, IDC_SELECTION), QString("KEEP"));
        });
    }

    void copyPutsTheSelectedTextOnTheClipboard() {
        WithSolverTemplate([](SolverTemplateDialog& dialog) {
            dialog.SetDlgItemText(IDC_CLIPBOARD, "RETAINS STAINER");
            ::SendMessageA(dialog.m_clipboard.m_hWnd, EM_SETSEL, 0, -1);
            ::SendMessageA(dialog.m_clipboard.m_hWnd, WM_COPY, 0, 0);
            QCOMPARE(Clipboard(), QString("RETAINS STAINER"));

            dialog.m_clipboard.SetSel(8, 15);
            dialog.m_clipboard.Copy();
            QCOMPARE(Clipboard(), QString("STAINER"));
        });
    }

    void copyWithNothingSelectedLeavesTheClipboard() {
        WithSolverTemplate([](SolverTemplateDialog& dialog) {
            SetClipboard("before");
            dialog.SetDlgItemText(IDC_CLIPBOARD, "ABC");
            dialog.m_clipboard.SetSel(-1, 0);
            dialog.m_clipboard.Copy();
            QCOMPARE(Clipboard(), QString("before"));

            dialog.SetDlgItemText(IDC_CLIPBOARD, "");
            dialog.m_clipboard.SetSel(0, -1);
            dialog.m_clipboard.Copy();
            QCOMPARE(Clipboard(), QString("before"));
        });
    }

    void setSelSelectsARange_data() {
        QTest::addColumn<int>("start");
        QTest::addColumn<int>("end");
        QTest::addColumn<QString>("selected");
        QTest::addColumn<int>("caret");
        QTest::newRow("all") << 0 << -1 << "ABCDEF" << 6;
        QTest::newRow("middle") << 1 << 3 << "BC" << 3;
        QTest::newRow("backwards") << 4 << 2 << "CD" << 2;
        QTest::newRow("end past the text") << 2 << 100 << "CDEF" << 6;
        QTest::newRow("start -1 deselects") << -1 << 0 << "" << 6;
    }
    void setSelSelectsARange() {
        QFETCH(int, start);
        QFETCH(int, end);
        QFETCH(QString, selected);
        QFETCH(int, caret);
        WithSolverTemplate([&](SolverTemplateDialog& dialog) {
            dialog.SetDlgItemText(IDC_SELECTION, "ABCDEF");
            auto* edit = fwtest::Control<QLineEdit>(dialog, IDC_SELECTION);
            edit->selectAll();
            ::SendMessageA(dialog.m_selection.m_hWnd, EM_SETSEL, static_cast<WPARAM>(start), end);
            QCOMPARE(edit->selectedText(), selected);
            QCOMPARE(edit->cursorPosition(), caret);
        });
    }

    void scrollCaretBringsTheCaretIntoView() {
        WithSolverTemplate([](SolverTemplateDialog& dialog) {
            auto* edit = fwtest::Control<QLineEdit>(dialog, IDC_SELECTION);
            QVERIFY(
                QTest::qWaitForWindowExposed(fwtest::Window(dialog))); // a box paints once shown
            dialog.SetDlgItemText(IDC_SELECTION, QByteArray(300, 'W').constData());
            for (int end : {0, -1}) {
                ::SendMessageA(dialog.m_selection.m_hWnd, EM_SETSEL, 0, end);
                QCOMPARE(::SendMessageA(dialog.m_selection.m_hWnd, EM_SCROLLCARET, 0, 0), TRUE);
                const QRect caret = edit->inputMethodQuery(Qt::ImCursorRectangle).toRect();
                QVERIFY2(edit->rect().contains(caret.center()), "caret out of view");
            }
        });
    }

    void typedAndSetLettersBecomeCapitals() {
        WithSolverTemplate([](SolverTemplateDialog& dialog) {
            QTest::keyClicks(fwtest::Control(dialog, IDC_SELECTION), "tsac");
            QCOMPARE(Text(dialog, IDC_SELECTION), QString("TSAC"));
            dialog.SetDlgItemText(IDC_SELECTION, "quick");
            QCOMPARE(Text(dialog, IDC_SELECTION), QString("QUICK"));
        });
    }

    void textLengthIsCountedInBytes() {
        WithSolverTemplate([](SolverTemplateDialog& dialog) {
            dialog.SetDlgItemText(IDC_SELECTION, "\xC3\xA4z"); // "äz" in UTF-8
            CString text;
            QCOMPARE(dialog.GetDlgItemText(IDC_SELECTION, text), 3);
            QCOMPARE(QByteArray(text), QByteArray("\xC3\x84Z"));
            QCOMPARE(dialog.GetDlgItemText(4711, text), 0); // no such control
            QVERIFY(text.IsEmpty());
        });
    }

    void aClosedDialogsEditBoxIsHarmless() {
        SolverTemplateDialog dialog;
        HWND stale = nullptr;
        fwtest::RunModal(dialog, [&] { stale = dialog.m_selection.m_hWnd; });
        QVERIFY(stale != nullptr);
        QVERIFY(dialog.m_selection.m_hWnd == nullptr);
        SetClipboard("unchanged");
        for (UINT message : {WM_PASTE, WM_COPY, EM_SETSEL, EM_SCROLLCARET})
            QCOMPARE(::SendMessageA(stale, message, 0, -1), LRESULT{0});
        dialog.m_selection.SetSel(0, -1);
        dialog.m_selection.Copy();
        dialog.m_selection.Paste();
        QCOMPARE(Clipboard(), QString("unchanged"));
    }
};

QTEST_MAIN(EditContractTest)
#include "edit_contract_test.moc"
