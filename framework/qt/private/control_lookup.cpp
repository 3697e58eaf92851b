// Control identifiers and window text (see control_lookup.h).
#include "framework/qt/private/control_lookup.h"

#include <QAbstractButton>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QVariant>

namespace framework {
namespace {
constexpr const char* kIdProperty = "velmoraControlId";
} // namespace

void SetControlId(QWidget* control, int id) {
    control->setProperty(kIdProperty, id);
}

int ControlId(const QWidget* control) {
    const QVariant id = control ? control->property(kIdProperty) : QVariant();
    return id.isValid() ? id.toInt() : -1;
}

QWidget* ControlWidget(QWidget* dialog, int id) {
    if (!dialog)
        return nullptr;
    const auto children = dialog->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
    for (QWidget* child : children) {
        if (child->property(kIdProperty).isValid() && ControlId(child) == id)
            return child;
    }
    return nullptr;
}

QString ControlText(const QWidget* control) {
    if (auto* edit = qobject_cast<const QLineEdit*>(control))
        return edit->text();
    if (auto* button = qobject_cast<const QAbstractButton*>(control))
        return button->text();
    if (auto* group = qobject_cast<const QGroupBox*>(control))
        return group->title();
    if (auto* label = qobject_cast<const QLabel*>(control))
        return label->text();
    return QString();
}

void SetControlText(QWidget* control, const QString& text) {
    if (auto* edit = qobject_cast<QLineEdit*>(control))
        edit->setText(text);
    else if (auto* button = qobject_cast<QAbstractButton*>(control))
        button->setText(text);
    else if (auto* group = qobject_cast<QGroupBox*>(control))
        group->setTitle(text);
    else if (auto* label = qobject_cast<QLabel*>(control))
        label->setText(text);
}

} // namespace framework
