// The list box as a list of rows for assistive technology (see list_box_accessible.h).
#include "framework/qt/private/list_box_accessible.h"

#include <QAccessibleWidget>
#include <QHash>
#include <QListWidget>
#include <QPointer>

namespace framework {
namespace {

// One row, known by its index: valid while the list has that many rows, so a screen reader
// that holds on to a row of an earlier search is told it is gone.
class ListRowAccessible : public QAccessibleInterface {
public:
    ListRowAccessible(QListWidget* list, int row) : m_list(list), m_row(row) {}

    int Row() const { return m_row; }
    bool isValid() const override { return m_list && m_row < m_list->count(); }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return m_list ? m_list->window()->windowHandle() : nullptr; }
    QAccessibleInterface* parent() const override {
        return QAccessible::queryAccessibleInterface(m_list.data());
    }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QString text(QAccessible::Text type) const override {
        return type == QAccessible::Name && isValid() ? Item()->text() : QString();
    }
    void setText(QAccessible::Text, const QString&) override {}
    QAccessible::Role role() const override { return QAccessible::ListItem; }

    QRect rect() const override {
        if (!isValid())
            return {};
        const QRect area = m_list->visualItemRect(Item());
        return {m_list->viewport()->mapToGlobal(area.topLeft()), area.size()};
    }

    QAccessible::State state() const override {
        QAccessible::State state;
        if (!isValid()) {
            state.invalid = true;
            return state;
        }
        state.selectable = true;
        state.focusable = true;
        state.selected = Item()->isSelected();
        state.focused = m_list->hasFocus() && m_list->currentRow() == m_row;
        state.invisible = !m_list->isVisible();
        state.offscreen = !m_list->viewport()->rect().intersects(m_list->visualItemRect(Item()));
        return state;
    }

private:
    QListWidgetItem* Item() const { return m_list->item(m_row); }

    QPointer<QListWidget> m_list;
    int m_row;
};

// The list: its children are its rows, made when first asked for and kept (registered with
// Qt's table of interfaces) until the list goes.
class ListBoxAccessible : public QAccessibleWidget {
public:
    explicit ListBoxAccessible(QListWidget* list) : QAccessibleWidget(list, QAccessible::List) {}
    ~ListBoxAccessible() override {
        for (QAccessible::Id id : std::as_const(m_rows))
            QAccessible::deleteAccessibleInterface(id);
    }

    int childCount() const override { return List()->count(); }

    QAccessibleInterface* child(int index) const override {
        if (index < 0 || index >= List()->count())
            return nullptr;
        if (const auto known = m_rows.constFind(index); known != m_rows.cend()) {
            if (QAccessibleInterface* row = QAccessible::accessibleInterface(*known))
                return row;
        }
        auto* row = new ListRowAccessible(List(), index);
        m_rows.insert(index, QAccessible::registerAccessibleInterface(row));
        return row;
    }

    int indexOfChild(const QAccessibleInterface* child) const override {
        const auto* row = dynamic_cast<const ListRowAccessible*>(child);
        if (!row || !row->isValid() || this->child(row->Row()) != child)
            return -1;
        return row->Row();
    }

    QAccessibleInterface* childAt(int x, int y) const override {
        const QPoint point = List()->viewport()->mapFromGlobal(QPoint(x, y));
        return child(List()->row(List()->itemAt(point)));
    }

    QAccessibleInterface* focusChild() const override {
        return List()->hasFocus() ? child(List()->currentRow()) : nullptr;
    }

private:
    QListWidget* List() const { return static_cast<QListWidget*>(widget()); }

    mutable QHash<int, QAccessible::Id> m_rows;
};

QAccessibleInterface* CreateListBoxAccessible(const QString& className, QObject* object) {
    auto* list = qobject_cast<QListWidget*>(object);
    if (!list || className != QLatin1String("QListWidget"))
        return nullptr;
    return new ListBoxAccessible(list);
}

} // namespace

void InstallListBoxAccessible() {
    static const bool installed = [] {
        QAccessible::installFactory(&CreateListBoxAccessible);
        return true;
    }();
    (void)installed;
}

} // namespace framework
