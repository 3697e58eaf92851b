// The list box contract: LB_RESETCONTENT and LB_ADDSTRING (and the reads CListBox offers),
// on the real list widget of template 102.
#include <QAccessible>
#include <QListWidget>
#include <QtTest>
#include <string>

#include "tests/framework/test_support.h"

using fwtest::SolverTemplateDialog;
using fwtest::WithSolverTemplate;

namespace {

LRESULT AddString(HWND list, const char* text) {
    return ::SendMessageA(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text));
}

QStringList Rows(const CListBox& list) {
    QStringList rows;
    CString text;
    for (int i = 0; i < list.GetCount(); ++i) {
        list.GetText(i, text);
        rows << QString::fromUtf8(static_cast<const char*>(text));
    }
    return rows;
}

} // namespace

class ListBoxContractTest : public fwtest::ProgramTest {
    Q_OBJECT

private slots:
    void addStringAppendsInOrderAndReturnsTheIndex() {
        WithSolverTemplate([](SolverTemplateDialog& dialog) {
            const HWND list = dialog.m_solutions.m_hWnd;
            const char* words[] = {"SCAT", "ACTS", "RETAINS", "CATS", "ACTS", "\xC3\x84TNA"};
            for (int i = 0; i < 6; ++i)
                QCOMPARE(AddString(list, words[i]), LRESULT{i});
            QCOMPARE(Rows(dialog.m_solutions),
                     QStringList({"SCAT", "ACTS", "RETAINS", "CATS", "ACTS", "ÄTNA"}));
            CString last;
            QCOMPARE(dialog.m_solutions.GetText(5, last), 5); // bytes, not characters
        });
    }

    void addStringKeepsACopy() {
        WithSolverTemplate([](SolverTemplateDialog& dialog) {
            char buffer[] = "STAIN";
            dialog.m_solutions.AddString(buffer);
            buffer[0] = 'X';
            QCOMPARE(Rows(dialog.m_solutions), QStringList({"STAIN"}));
        });
    }

    void resetContentEmptiesTheList() {
        WithSolverTemplate([](SolverTemplateDialog& dialog) {
            const HWND list = dialog.m_solutions.m_hWnd;
            AddString(list, "ONE");
            AddString(list, "TWO");
            ::SendMessageA(list, LB_RESETCONTENT, 0, 0);
            QCOMPARE(dialog.m_solutions.GetCount(), 0);
            QCOMPARE(AddString(list, "THREE"), LRESULT{0});
            dialog.m_solutions.ResetContent();
            QCOMPARE(dialog.m_solutions.GetCount(), 0);
        });
    }

    void manyRowsOneMessageAtATime() {
        WithSolverTemplate([](SolverTemplateDialog& dialog) {
            const HWND list = dialog.m_solutions.m_hWnd;
            constexpr int kRows = 63000;
            for (int i = 0; i < kRows; ++i) {
                const std::string word = "W" + std::to_string(i);
                if (AddString(list, word.c_str()) != i)
                    QFAIL("LB_ADDSTRING returned a wrong index");
            }
            auto* widget = fwtest::Control<QListWidget>(dialog, IDC_SOLUTIONS);
            QCOMPARE(widget->count(), kRows);
            QCOMPARE(widget->item(kRows - 1)->text(), QString("W%1").arg(kRows - 1));
            QVERIFY(widget->uniformItemSizes());
            QVERIFY(!widget->isSortingEnabled());
        });
    }

    // The program fills the list with redraw off: rows still go in, in order, and the list
    // paints again once redraw is back on.
    void redrawOffKeepsTheRowsAndOnPaintsAgain() {
        WithSolverTemplate([](SolverTemplateDialog& dialog) {
            auto* widget = fwtest::Control<QListWidget>(dialog, IDC_SOLUTIONS);
            dialog.m_solutions.SetRedraw(FALSE);
            QVERIFY(!widget->updatesEnabled());
            dialog.m_solutions.AddString("STAIN");
            QCOMPARE(AddString(dialog.m_solutions.m_hWnd, "ACTS"), LRESULT{1});
            dialog.m_solutions.SetRedraw(TRUE);
            dialog.m_solutions.Invalidate();
            QVERIFY(widget->updatesEnabled());
            QCOMPARE(Rows(dialog.m_solutions), QStringList({"STAIN", "ACTS"}));
        });
    }

    void badArgumentsReturnLbErr() {
        WithSolverTemplate([](SolverTemplateDialog& dialog) {
            QCOMPARE(::SendMessageA(dialog.m_solutions.m_hWnd, LB_ADDSTRING, 0, 0),
                     LRESULT{LB_ERR});
            QCOMPARE(dialog.m_solutions.GetCount(), 0);
            CString text("old");
            QCOMPARE(dialog.m_solutions.GetText(0, text), LB_ERR);
            QCOMPARE(dialog.m_solutions.GetText(-1, text), LB_ERR);
            QVERIFY(text.IsEmpty());
        });
    }

    // What a screen reader sees: a named list of rows without a table interface, whose rows
    // outside the list are null and whose rows are invalid once the list has emptied.
    void assistiveTechnologySeesANamedListOfRows() {
        WithSolverTemplate([](SolverTemplateDialog& dialog) {
            auto* widget = fwtest::Control<QListWidget>(dialog, IDC_SOLUTIONS);
            QAccessibleInterface* list = QAccessible::queryAccessibleInterface(widget);
            QVERIFY(list && !list->tableInterface());
            QCOMPARE(list->role(), QAccessible::List);
            QCOMPARE(list->text(QAccessible::Name), QString("Solutions"));
            dialog.m_solutions.AddString("STAIN");
            dialog.m_solutions.AddString("ACTS");
            QCOMPARE(list->childCount(), 2);
            QAccessibleInterface* row = list->child(1);
            QVERIFY(row && row->role() == QAccessible::ListItem);
            QCOMPARE(row->text(QAccessible::Name), QString("ACTS"));
            QCOMPARE(list->child(1), row);
            QCOMPARE(list->indexOfChild(row), 1);
            QVERIFY(!list->child(-1) && !list->child(2) && !list->focusChild());
            dialog.m_solutions.ResetContent();
            QVERIFY(!row->isValid() && row->state().invalid);
            QCOMPARE(list->indexOfChild(row), -1);
        });
    }

    void aClosedDialogsListBoxIsHarmless() {
        SolverTemplateDialog dialog;
        HWND stale = nullptr;
        fwtest::RunModal(dialog, [&] { stale = dialog.m_solutions.m_hWnd; });
        QVERIFY(stale != nullptr);
        QCOMPARE(AddString(stale, "GONE"), LRESULT{LB_ERR});
        QCOMPARE(::SendMessageA(stale, LB_RESETCONTENT, 0, 0), LRESULT{LB_ERR});
        QCOMPARE(dialog.m_solutions.AddString("GONE"), LB_ERR);
        QCOMPARE(dialog.m_solutions.GetCount(), LB_ERR);
    }
};

QTEST_MAIN(ListBoxContractTest)
#include "list_box_contract_test.moc"
