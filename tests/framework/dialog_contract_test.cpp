// The dialog contract on template 102 and a test template: layout through the dialog base
// units, window frame, texts, tab order, keys, the minimised start and restore, minimised
// painting through OnPaint, and the ends of DoModal.
#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScreen>
#include <QtTest>
#include <cmath>

#include "framework/qt/private/dialog_window.h"
#include "framework/resources.h"
#include "tests/framework/test_support.h"

using fwtest::SolverTemplateDialog;

namespace {

// Starts minimised like the program's dialog, and counts the commands it handles.
class CountingDialog : public SolverTemplateDialog {
public:
    bool m_startMinimised = false;
    bool m_endOnCancel = true;
    int m_solves = 0;
    int m_cancels = 0;

protected:
    BOOL OnInitDialog() override {
        SolverTemplateDialog::OnInitDialog();
        if (m_startMinimised)
            ShowWindow(SW_MINIMIZE);
        return TRUE;
    }
    void OnCancel() override {
        ++m_cancels;
        if (m_endOnCancel)
            SolverTemplateDialog::OnCancel();
    }
    afx_msg void OnSolve() { ++m_solves; }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CountingDialog, SolverTemplateDialog)
ON_BN_CLICKED(IDC_SOLVE, &CountingDialog::OnSolve)
END_MESSAGE_MAP()

// Paints like the program's dialog: only the centred icon while minimised.
class IconDialog : public CDialog {
public:
    explicit IconDialog(HICON icon) : CDialog(fwtest::kTestDialogId), m_icon(icon) {}

protected:
    afx_msg void OnPaint() {
        if (!IsIconic())
            return CDialog::OnPaint();
        CPaintDC dc(this);
        SendMessage(WM_ICONERASEBKGND, reinterpret_cast<WPARAM>(dc.GetSafeHdc()), 0);
        CRect rect;
        GetClientRect(&rect);
        dc.DrawIcon((rect.Width() - GetSystemMetrics(SM_CXICON) + 1) / 2,
                    (rect.Height() - GetSystemMetrics(SM_CYICON) + 1) / 2, m_icon);
    }
    DECLARE_MESSAGE_MAP()

private:
    HICON m_icon;
};

BEGIN_MESSAGE_MAP(IconDialog, CDialog)
ON_WM_PAINT()
END_MESSAGE_MAP()

QList<QWidget*> ControlsOf(const CWnd& dialog) {
    QList<QWidget*> controls;
    auto* window = dynamic_cast<framework::DialogWindow*>(fwtest::Window(dialog));
    for (const QPointer<QWidget>& control : window->Controls())
        controls << control.data();
    return controls;
}

int DialogUnits(int units, int base, int divisor) {
    return static_cast<int>(std::floor(double(units) * base / divisor + 0.5));
}

constexpr UINT kTestIconId = 9002;

} // namespace

class DialogContractTest : public fwtest::ProgramTest {
    Q_OBJECT

private slots:
    void initTestCase() {
        fwtest::RegisterTestDialog();
        static const std::vector<unsigned char> ico = fwtest::MakeIcoFile(
            {{16, 24, Qt::blue}, {32, 24, QColor(200, 30, 40)}, {48, 24, Qt::green}});
        framework::RegisterIconGroup(kTestIconId, ico);
    }

    void controlsSitOnTheirTemplateRectanglesInBaseUnits() {
        fwtest::WithSolverTemplate([](SolverTemplateDialog& dialog) {
            const framework::DialogTemplate* layout =
                framework::FindDialogTemplate(IDD_SOLVER_DIALOG);
            QWidget* window = fwtest::Window(dialog);
            QVERIFY(QFontInfo(window->font()).fixedPitch()); // Courier New or its stand-in
            const QFontMetrics metrics(window->font());
            const int baseX =
                (metrics.horizontalAdvance("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz") /
                     26 +
                 1) /
                2;
            const int baseY = metrics.height();
            QCOMPARE(window->size(),
                     QSize(DialogUnits(layout->cx, baseX, 4), DialogUnits(layout->cy, baseY, 8)));
            const QList<QWidget*> controls = ControlsOf(dialog);
            QCOMPARE(controls.size(), qsizetype(layout->items.size()));
            for (qsizetype i = 0; i < controls.size(); ++i) {
                const framework::DialogItemTemplate& item = layout->items[std::size_t(i)];
                const QRect expected(DialogUnits(item.x, baseX, 4), DialogUnits(item.y, baseY, 8),
                                     DialogUnits(item.cx, baseX, 4),
                                     DialogUnits(item.cy, baseY, 8));
                QCOMPARE(controls[i]->geometry(), expected);
                QCOMPARE(controls[i]->font(), window->font());
            }
        });
    }

    void windowIsFixedCentredAndHasNoMaximiseBox() {
        fwtest::WithSolverTemplate([](SolverTemplateDialog& dialog) {
            QWidget* window = fwtest::Window(dialog);
            QVERIFY(window->isWindow());
            QCOMPARE(window->windowTitle(), QString("Velmora"));
            QCOMPARE(window->minimumSize(), window->size());
            QCOMPARE(window->maximumSize(), window->size());
            const Qt::WindowFlags flags = window->windowFlags();
            QCOMPARE(flags & Qt::WindowType_Mask, Qt::Window);
            QVERIFY(flags & Qt::WindowTitleHint);
            QVERIFY(flags & Qt::WindowSystemMenuHint);
            QVERIFY(flags & Qt::WindowMinimizeButtonHint);
            QVERIFY(flags & Qt::WindowCloseButtonHint);
            QVERIFY(!(flags & Qt::WindowMaximizeButtonHint));
            const QPoint offset =
                window->geometry().center() - window->screen()->availableGeometry().center();
            QVERIFY2(std::abs(offset.x()) <= 2 && std::abs(offset.y()) <= 2, "not centred");
        });
    }

    void controlsHaveTheirKindsAndTexts() {
        fwtest::WithSolverTemplate([](SolverTemplateDialog& dialog) {
            const QList<QWidget*> c = ControlsOf(dialog);
            QCOMPARE(qobject_cast<QGroupBox*>(c[0])->title(), QString("Selection"));
            QCOMPARE(qobject_cast<QGroupBox*>(c[2])->title(), QString("Solutions"));
            QCOMPARE(qobject_cast<QGroupBox*>(c[6])->title(), QString("Quick solve"));
            QVERIFY(qobject_cast<QPushButton*>(c[3])->isDefault());
            QVERIFY(!qobject_cast<QPushButton*>(c[7])->isDefault());
            QCOMPARE(qobject_cast<QPushButton*>(c[7])->text(), QString("Quick solve"));
            QVERIFY(!qobject_cast<QLineEdit*>(c[1])->isReadOnly());
            QVERIFY(qobject_cast<QLineEdit*>(c[5])->isReadOnly());
            QVERIFY(qobject_cast<QListWidget*>(c[4]));
            auto* credits = qobject_cast<QLabel*>(c[8]);
            QCOMPARE(credits->text(), QString("by Zendrik\ndictionary by Morvell"));
            QCOMPARE(credits->alignment(), Qt::AlignRight | Qt::AlignTop);
            QCOMPARE(qobject_cast<QLabel*>(c[9])->alignment(), Qt::AlignHCenter | Qt::AlignTop);
            QVERIFY(qobject_cast<QLabel*>(c[9])->wordWrap());
            for (int i : {0, 2, 6}) // group boxes lie under the controls they frame
                QVERIFY(c[i]->parentWidget()->children().indexOf(c[i]) < 3);
        });
    }

    void tabFollowsTheTemplateOrderThroughTabStops() {
        fwtest::WithSolverTemplate([](SolverTemplateDialog& dialog) {
            QWidget* window = fwtest::Window(dialog);
            window->activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(window));
            QCOMPARE(QApplication::focusWidget(), fwtest::Control(dialog, IDC_SELECTION));
            QList<int> visited;
            for (int i = 0; i < 5; ++i) {
                QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
                visited << framework::ControlId(QApplication::focusWidget());
            }
            QCOMPARE(visited, QList<int>({IDC_SOLVE, IDC_SOLUTIONS, IDC_CLIPBOARD, IDC_QUICK_SOLVE,
                                          IDC_SELECTION}));
        });
    }

    void enterInTheSelectionBoxPressesTheDefaultButton() {
        CountingDialog dialog;
        fwtest::RunModal(dialog, [&] {
            QVERIFY(QTest::qWaitForWindowExposed(fwtest::Window(dialog)));
            QTest::keyClick(fwtest::Control(dialog, IDC_SELECTION), Qt::Key_Return);
            QCOMPARE(dialog.m_solves, 1);
            fwtest::Control<QPushButton>(dialog, IDC_QUICK_SOLVE)->click(); // not in the map
            QCOMPARE(dialog.m_solves, 1);
        });
    }

    void escapeAndTheCloseBoxEndDoModalWithIdCancel() {
        for (bool byEscape : {true, false}) {
            CountingDialog dialog;
            const INT_PTR result = fwtest::RunModal(dialog, [&] {
                if (byEscape)
                    QTest::keyClick(fwtest::Control(dialog, IDC_SELECTION), Qt::Key_Escape);
                else
                    fwtest::Window(dialog)->close();
            });
            QCOMPARE(result, INT_PTR{IDCANCEL});
            QCOMPARE(dialog.m_cancels, 1);
        }
    }

    void cancelGoesThroughTheVirtualOnCancel() {
        CountingDialog dialog;
        dialog.m_endOnCancel = false;
        const INT_PTR result = fwtest::RunModal(dialog, [&] {
            QTest::keyClick(fwtest::Control(dialog, IDC_SELECTION), Qt::Key_Escape);
            fwtest::Window(dialog)->close();
            QVERIFY(fwtest::Window(dialog)->isVisible());
        });
        QCOMPARE(dialog.m_cancels, 2);
        QCOMPARE(result, INT_PTR{fwtest::kEndedByTest});
    }

    void startsMinimisedAndRestoresWithTheFocusOnTheFirstTabStop() {
        CountingDialog dialog;
        dialog.m_startMinimised = true;
        fwtest::RunModal(dialog, [&] {
            QWidget* window = fwtest::Window(dialog);
            QVERIFY(dialog.IsIconic());
            QVERIFY(window->isMinimized());
            for (QWidget* control : ControlsOf(dialog))
                QVERIFY(!control->isVisible());
            dialog.ShowWindow(SW_RESTORE);
            QTRY_VERIFY(!dialog.IsIconic());
            for (QWidget* control : ControlsOf(dialog))
                QVERIFY(control->isVisible());
            QCOMPARE(window->focusWidget(), fwtest::Control(dialog, IDC_SELECTION));

            // The focus comes back to wherever it was when the window was minimised.
            fwtest::Control(dialog, IDC_QUICK_SOLVE)->setFocus();
            dialog.ShowWindow(SW_MINIMIZE);
            QTRY_VERIFY(dialog.IsIconic());
            dialog.ShowWindow(SW_RESTORE);
            QTRY_VERIFY(!dialog.IsIconic());
            QCOMPARE(window->focusWidget(), fwtest::Control(dialog, IDC_QUICK_SOLVE));
        });
    }

    void aMinimisedDialogPaintsOnlyItsIconOverTheBackground() {
        const HICON icon =
            ::LoadIconA(AfxFindResourceHandle(nullptr, nullptr), MAKEINTRESOURCE(kTestIconId));
        QVERIFY(icon);
        IconDialog dialog(icon);
        fwtest::RunModal(dialog, [&] {
            QWidget* window = fwtest::Window(dialog);
            dialog.ShowWindow(SW_MINIMIZE);
            QTRY_VERIFY(dialog.IsIconic());
            const QImage shot = window->grab().toImage().convertToFormat(QImage::Format_RGB32);
            const QRect iconRect((shot.width() - 32 + 1) / 2, (shot.height() - 32 + 1) / 2, 32, 32);
            const QRgb background = window->palette().window().color().rgb();
            int wrong = 0;
            for (int y = 0; y < shot.height(); ++y) {
                for (int x = 0; x < shot.width(); ++x) {
                    const QRgb expected = iconRect.contains(x, y) ? qRgb(200, 30, 40) : background;
                    wrong += shot.pixel(x, y) != expected;
                }
            }
            QCOMPARE(wrong, 0);

            dialog.ShowWindow(SW_RESTORE); // restored, the controls paint again
            QTRY_VERIFY(!dialog.IsIconic());
            const QImage normal = window->grab().toImage().convertToFormat(QImage::Format_RGB32);
            QVERIFY(normal != shot);
        });
    }

    void setIconGivesTheWindowItsIcon() {
        const HICON icon =
            ::LoadIconA(AfxFindResourceHandle(nullptr, nullptr), MAKEINTRESOURCE(kTestIconId));
        fwtest::WithSolverTemplate([&](SolverTemplateDialog& dialog) {
            QCOMPARE(dialog.SendMessage(WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon)),
                     LRESULT{0});
            QCOMPARE(dialog.SendMessage(WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(icon)),
                     LRESULT{0});
            const QList<QSize> sizes = fwtest::Window(dialog)->windowIcon().availableSizes();
            QVERIFY(sizes.contains(QSize(16, 16)) && sizes.contains(QSize(32, 32)));
            QCOMPARE(dialog.SendMessage(WM_SETICON, ICON_BIG, 0), reinterpret_cast<LRESULT>(icon));
        });
    }

    void doModalBindsControlsAndUnbindsThemWhenItEnds() {
        SolverTemplateDialog dialog;
        fwtest::RunModal(dialog, [&] {
            QCOMPARE(dialog.m_selection.m_hWnd,
                     framework::HwndFromWidget(fwtest::Control(dialog, IDC_SELECTION)));
            QCOMPARE(dialog.m_solutions.m_hWnd,
                     framework::HwndFromWidget(fwtest::Control(dialog, IDC_SOLUTIONS)));
        });
        QVERIFY(!dialog.m_hWnd && !dialog.m_selection.m_hWnd && !dialog.m_clipboard.m_hWnd);
    }

    void doModalEndsEarlyWhenItCannotOrNeedNotRun() {
        CDialog missing(4711);
        QCOMPARE(missing.DoModal(), INT_PTR{-1});

        struct EndsAtOnce : CDialog {
            EndsAtOnce() : CDialog(fwtest::kTestDialogId) {}
            BOOL OnInitDialog() override {
                EndDialog(7);
                return TRUE;
            }
        } endsAtOnce;
        bool loopRan = false;
        QCOMPARE(fwtest::RunModal(endsAtOnce, [&] { loopRan = true; }), INT_PTR{7});
        QVERIFY(!loopRan);
    }
};

QTEST_MAIN(DialogContractTest)
#include "dialog_contract_test.moc"
