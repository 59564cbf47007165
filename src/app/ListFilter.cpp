#include "app/ListFilter.h"

#include <QAbstractButton>
#include <QBoxLayout>
#include <QGroupBox>
#include <QItemSelectionModel>
#include <QKeySequence>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QPointer>
#include <QSet>

namespace ListFilter {

namespace {

const char* const FieldProperty = "listFilterField";

// The mnemonics the captions of window already use.
QSet<QKeySequence> TakenMnemonics(const QWidget* window) {
    QSet<QKeySequence> taken;
    const auto add = [&taken](const QString& caption) {
        const QKeySequence key = QKeySequence::mnemonic(caption);
        if (!key.isEmpty())
            taken << key;
    };
    for (const QLabel* label : window->findChildren<QLabel*>())
        if (label->buddy())
            add(label->text());
    for (const QAbstractButton* button : window->findChildren<QAbstractButton*>())
        add(button->text());
    for (const QGroupBox* group : window->findChildren<QGroupBox*>())
        add(group->title());
    return taken;
}

QString Caption(const QWidget* window) {
    const QString word = QStringLiteral("Filter");
    const QSet<QKeySequence> taken = TakenMnemonics(window);
    for (qsizetype at = 0; at < word.size(); ++at) {
        QString caption = word;
        caption.insert(at, QLatin1Char('&'));
        if (!taken.contains(QKeySequence::mnemonic(caption)))
            return caption + QLatin1Char(':');
    }
    // A crowded window: a free letter of its own beside the word.
    for (char letter = 'A'; letter <= 'Z'; ++letter) {
        const QString caption = QStringLiteral("Filter (&%1):").arg(QLatin1Char(letter));
        if (!taken.contains(QKeySequence::mnemonic(caption)))
            return caption;
    }
    return QStringLiteral("&Filter:");
}

// Hides or shows one row: shown when it holds the text or is current.
void Apply(QListWidget* list, const QString& text, int row) {
    QListWidgetItem* item = list->item(row);
    if (!item)
        return;
    const bool hide = !text.isEmpty() && row != list->currentRow() &&
                      !item->text().contains(text, Qt::CaseInsensitive);
    if (list->isRowHidden(row) != hide)
        list->setRowHidden(row, hide);
}

void ApplyAll(QListWidget* list, const QString& text) {
    for (int row = 0; row < list->count(); ++row)
        Apply(list, text, row);
}

} // namespace

QLineEdit* Add(QListWidget* list) {
    QWidget* parent = list->parentWidget();
    QLayout* layout = parent ? parent->layout() : nullptr;
    if (!layout)
        return nullptr;
    // The field comes right before the list in Tab order.
    QWidget* before = list->previousInFocusChain();
    auto* box = new QWidget(parent);
    box->setObjectName(list->objectName() + QStringLiteral("FilterBox"));
    delete layout->replaceWidget(list, box);
    auto* column = new QVBoxLayout(box);
    column->setContentsMargins(0, 0, 0, 0);
    auto* row = new QHBoxLayout;
    auto* label = new QLabel(Caption(list->window()), box);
    auto* field = new QLineEdit(box);
    field->setObjectName(list->objectName() + QStringLiteral("Filter"));
    field->setClearButtonEnabled(true);
    field->setToolTip(QStringLiteral("Shows only the entries whose name holds this text"));
    if (!list->accessibleName().isEmpty())
        field->setAccessibleName(QStringLiteral("Filter of ") + list->accessibleName());
    label->setBuddy(field);
    row->addWidget(label);
    row->addWidget(field, 1);
    column->addLayout(row);
    column->addWidget(list, 1);
    if (before && before != list->window())
        QWidget::setTabOrder(before, field);
    QWidget::setTabOrder(field, list);
    list->setProperty(FieldProperty, QVariant::fromValue(static_cast<QObject*>(field)));

    QPointer<QLineEdit> guard(field);
    const auto text = [guard] { return guard ? guard->text() : QString(); };
    QObject::connect(field, &QLineEdit::textChanged, list,
                     [list](const QString& typed) { ApplyAll(list, typed); });
    // Entries added, renamed or made current while a filter is typed.
    QAbstractItemModel* model = list->model();
    QObject::connect(model, &QAbstractItemModel::rowsInserted, list,
                     [list, text](const QModelIndex&, int first, int last) {
                         const QString typed = text();
                         for (int at = first; !typed.isEmpty() && at <= last; ++at)
                             Apply(list, typed, at);
                     });
    QObject::connect(model, &QAbstractItemModel::dataChanged, list,
                     [list, text](const QModelIndex& from, const QModelIndex& to) {
                         const QString typed = text();
                         for (int at = from.row(); !typed.isEmpty() && at <= to.row(); ++at)
                             Apply(list, typed, at);
                     });
    QObject::connect(list->selectionModel(), &QItemSelectionModel::currentChanged, list,
                     [list, text](const QModelIndex& now, const QModelIndex& before) {
                         const QString typed = text();
                         if (typed.isEmpty())
                             return;
                         Apply(list, typed, before.row());
                         Apply(list, typed, now.row());
                     });
    return field;
}

QLineEdit* FieldOf(const QListWidget* list) {
    return qobject_cast<QLineEdit*>(list->property(FieldProperty).value<QObject*>());
}

} // namespace ListFilter
