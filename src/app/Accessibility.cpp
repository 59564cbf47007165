#include "app/Accessibility.h"

#include <QAccessibleWidget>
#include <QComboBox>

namespace {

class TAccessibleComboBox : public QAccessibleWidget {
public:
    explicit TAccessibleComboBox(QComboBox* box) : QAccessibleWidget(box, QAccessible::ComboBox) {
        addControllingSignal(QStringLiteral("currentIndexChanged(int)"));
    }

    QString text(QAccessible::Text kind) const override {
        if (kind == QAccessible::Value)
            return Box()->currentText();
        // The accessible name, else the label it is the buddy of.
        const QString text = QAccessibleWidget::text(kind);
        return kind == QAccessible::Name && text.isEmpty() ? Box()->currentText() : text;
    }

    QStringList actionNames() const override {
        return QAccessibleWidget::actionNames() << showMenuAction();
    }

    void doAction(const QString& action) override {
        if (action == showMenuAction())
            Box()->showPopup();
        else
            QAccessibleWidget::doAction(action);
    }

private:
    QComboBox* Box() const { return static_cast<QComboBox*>(widget()); }
};

// Asked for the class itself only, so a subclass with an interface of its
// own keeps it.
QAccessibleInterface* ComboBoxInterface(const QString& className, QObject* object) {
    auto* box = qobject_cast<QComboBox*>(object);
    if (className != QLatin1String("QComboBox") || !box)
        return nullptr;
    return new TAccessibleComboBox(box);
}

} // namespace

namespace Accessibility {

void Install() {
    // Factories installed later are asked first; removing first keeps a
    // second call from adding it twice.
    QAccessible::removeFactory(ComboBoxInterface);
    QAccessible::installFactory(ComboBoxInterface);
}

} // namespace Accessibility
