// Widgets for template controls (see control_factory.h).
#include "framework/qt/private/control_factory.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QValidator>
#include <limits>

#include "framework/qt/private/control_lookup.h"
#include "framework/qt/private/convert.h"
#include "framework/qt/private/list_box_accessible.h"
#include "framework/qt/private/message_bridge.h"
#include "framework/resources.h"
#include "framework/winapi/win_styles.h"

namespace framework {
namespace {

// ES_UPPERCASE: every letter that enters the box, typed, pasted or set, becomes a capital.
// One character for one, so the caret stays where it was.
class UpperCaseValidator : public QValidator {
public:
    using QValidator::QValidator;
    State validate(QString& input, int&) const override {
        for (QChar& character : input)
            character = character.toUpper();
        return Acceptable;
    }
};

QWidget* CreateButton(const DialogItemTemplate& item, QWidget* dialog) {
    const DWORD type = item.style & BS_TYPEMASK;
    if (type == BS_GROUPBOX)
        return new QGroupBox(ToQString(item.text), dialog);
    auto* button = new QPushButton(ToQString(item.text), dialog);
    button->setDefault(type == BS_DEFPUSHBUTTON);
    ConnectButtonClicks(button, item.id);
    return button;
}

QWidget* CreateEdit(const DialogItemTemplate& item, QWidget* dialog) {
    auto* edit = new QLineEdit(dialog);
    // No length limit: set text and pasted text are never cut short.
    edit->setMaxLength(std::numeric_limits<int>::max());
    edit->setFrame((item.style & WS_BORDER) != 0);
    edit->setReadOnly((item.style & ES_READONLY) != 0);
    if (item.style & ES_UPPERCASE)
        edit->setValidator(new UpperCaseValidator(edit));
    edit->setText(ToQString(item.text));
    return edit;
}

QWidget* CreateListBox(const DialogItemTemplate& item, QWidget* dialog) {
    InstallListBoxAccessible();
    auto* list = new QListWidget(dialog);
    list->setUniformItemSizes(true);
    list->setSortingEnabled((item.style & LBS_SORT) != 0);
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    list->setTextElideMode(Qt::ElideNone);
    list->setVerticalScrollBarPolicy((item.style & WS_VSCROLL) ? Qt::ScrollBarAsNeeded
                                                               : Qt::ScrollBarAlwaysOff);
    list->setHorizontalScrollBarPolicy((item.style & WS_HSCROLL) ? Qt::ScrollBarAsNeeded
                                                                 : Qt::ScrollBarAlwaysOff);
    if (!(item.style & WS_BORDER))
        list->setFrameShape(QFrame::NoFrame);
    return list;
}

QWidget* CreateStatic(const DialogItemTemplate& item, QWidget* dialog) {
    auto* label = new QLabel(dialog);
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(true); // breaks at spaces and at "\n", like the original statics
    const DWORD type = item.style & SS_TYPEMASK;
    const Qt::Alignment horizontal = type == SS_CENTER  ? Qt::AlignHCenter
                                     : type == SS_RIGHT ? Qt::AlignRight
                                                        : Qt::AlignLeft;
    label->setAlignment(horizontal | Qt::AlignTop);
    label->setText(ToQString(item.text));
    return label;
}

QWidget* CreateWidgetOfClass(const DialogItemTemplate& item, QWidget* dialog) {
    const QString className = ToQString(item.className).toLower();
    if (className == QLatin1String("button"))
        return CreateButton(item, dialog);
    if (className == QLatin1String("edit"))
        return CreateEdit(item, dialog);
    if (className == QLatin1String("listbox"))
        return CreateListBox(item, dialog);
    if (className == QLatin1String("static"))
        return CreateStatic(item, dialog);
    return new QWidget(dialog);
}

Qt::FocusPolicy FocusPolicyOf(const QWidget* control, DWORD style) {
    if (style & WS_TABSTOP)
        return Qt::StrongFocus;
    const bool takesClicks = qobject_cast<const QPushButton*>(control) ||
                             qobject_cast<const QLineEdit*>(control) ||
                             qobject_cast<const QListWidget*>(control);
    return takesClicks ? Qt::ClickFocus : Qt::NoFocus;
}

} // namespace

QWidget* CreateControl(const DialogItemTemplate& item, QWidget* dialog) {
    QWidget* control = CreateWidgetOfClass(item, dialog);
    SetControlId(control, item.id);
    RegisterWindow(control);
    control->setFocusPolicy(FocusPolicyOf(control, item.style));
    control->setEnabled((item.style & WS_DISABLED) == 0);
    if (item.accessibleName && *item.accessibleName)
        control->setAccessibleName(ToQString(item.accessibleName));
    if (!(item.style & WS_VISIBLE))
        control->hide();
    return control;
}

} // namespace framework
