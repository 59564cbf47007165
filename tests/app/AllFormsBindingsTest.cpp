// Every window the gallery knows, checked against its own bindings: showing
// any entry of any list writes nothing, and a value typed into a bound field
// lands in exactly the element the field is bound to.

#include "app/ControlBinding.h"
#include "app/FieldCaptions.h"
#include "app/Prompts.h"
#include "app/gallery/Gallery.h"
#include "guisupport/ScenarioCopy.h"
#include "widgets/TDoubleEdit.h"
#include "widgets/TIntEdit.h"
#include "xml/TXmlAttribute.h"
#include "xml/TXmlNode.h"

#include <QAbstractItemView>
#include <QAbstractSpinBox>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QHash>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPointer>
#include <QTemporaryDir>
#include <QTest>

#include <array>

namespace {

using TTexts = std::array<std::string, TScenarioData::FileCount>;

TTexts TextsOf(const TScenarioData& data) {
    TTexts texts;
    for (size_t i = 0; i < texts.size(); ++i)
        texts[i] = data.Document(TScenarioData::AllFiles()[i]).ToText();
    return texts;
}

QString ChangedFiles(const TScenarioData& data, const TTexts& before) {
    QStringList files;
    const TTexts now = TextsOf(data);
    for (size_t i = 0; i < now.size(); ++i)
        if (now[i] != before[i])
            files << QString::fromStdString(TScenarioData::FileName(TScenarioData::AllFiles()[i]));
    return files.join(QStringLiteral(", "));
}

bool Usable(const QWidget* widget) {
    return widget->isVisible() && widget->isEnabled();
}

QString NameOf(const QWidget* widget) {
    return widget->objectName().isEmpty() ? QLatin1String(widget->metaObject()->className())
                                          : widget->objectName();
}

// The fields a designer types into or ticks; a spin box's or combo box's own
// line edit belongs to its owner.
bool IsTypingField(QWidget* widget) {
    if (qobject_cast<QCheckBox*>(widget))
        return true;
    if (auto* line = qobject_cast<QLineEdit*>(widget))
        return !line->isReadOnly() && !qobject_cast<QAbstractSpinBox*>(widget->parentWidget()) &&
               !qobject_cast<QComboBox*>(widget->parentWidget());
    if (auto* memo = qobject_cast<QPlainTextEdit*>(widget))
        return !memo->isReadOnly();
    return false;
}

// A value the field does not hold yet and accepts as it stands.
QString DistinctValue(QWidget* field) {
    if (qobject_cast<QCheckBox*>(field))
        return {};
    const QString current = qobject_cast<QLineEdit*>(field)
                                ? static_cast<QLineEdit*>(field)->text()
                                : static_cast<QPlainTextEdit*>(field)->toPlainText();
    if (auto* whole = qobject_cast<TIntEdit*>(field)) {
        const QString high = QString::number(whole->Max());
        return current == high ? QString::number(whole->Min()) : high;
    }
    if (auto* real = qobject_cast<TDoubleEdit*>(field)) {
        const QString high = QString::number(real->Max());
        return current == high ? QString::number(real->Min()) : high;
    }
    const QString word = QStringLiteral("Qz");
    return current == word ? QStringLiteral("Zq") : word;
}

void Type(QWidget* field, const QString& value) {
    field->setFocus();
    if (auto* box = qobject_cast<QCheckBox*>(field))
        box->toggle();
    else if (auto* line = qobject_cast<QLineEdit*>(field)) {
        line->selectAll();
        line->insert(value);
    } else {
        auto* memo = static_cast<QPlainTextEdit*>(field);
        memo->selectAll();
        memo->insertPlainText(value);
    }
    QApplication::processEvents();
}

} // namespace

class AllFormsBindingsTest : public QObject {
    Q_OBJECT

    TScenarioData* Data = nullptr;
    QStringList Faults;
    int EntriesShown = 0;
    int FieldsTyped = 0;

    // Selects every entry of every list in turn. (Drop-downs are not walked:
    // choosing an entry there is an edit in most windows.)
    void ShowEveryEntry(const QString& where, QWidget* window) {
        const TTexts before = TextsOf(*Data);
        for (auto* view : window->findChildren<QAbstractItemView*>()) {
            if (!Usable(view) || !view->model() || qobject_cast<QComboBox*>(view->parentWidget()))
                continue;
            QPointer<QAbstractItemView> alive(view);
            const int rows = view->model()->rowCount(view->rootIndex());
            // Where several entries can be chosen, the walk is repeated adding
            // each entry to the ones chosen before: what the window shows of
            // the newest must not reach the others.
            const bool several = view->selectionMode() == QAbstractItemView::ExtendedSelection ||
                                 view->selectionMode() == QAbstractItemView::MultiSelection;
            for (int pass = 0; pass < (several ? 2 : 1); ++pass)
                for (int row = 0; row < rows && alive; ++row) {
                    const QModelIndex entry = view->model()->index(row, 0, view->rootIndex());
                    if (pass == 0)
                        view->setCurrentIndex(entry);
                    else
                        view->selectionModel()->setCurrentIndex(entry, QItemSelectionModel::Select);
                    QApplication::processEvents();
                    ++EntriesShown;
                }
        }
        const QString changed = ChangedFiles(*Data, before);
        if (!changed.isEmpty())
            Faults << where + QStringLiteral("showing its entries changed ") + changed;
    }

    void TypeIntoEveryBoundField(const QString& where, QWidget* window) {
        QHash<const void*, QString> boundBy;
        for (QWidget* field : window->findChildren<QWidget*>()) {
            if (!Usable(field) || !IsTypingField(field))
                continue;
            TXmlNode* element = ControlBinding::BoundElement(field);
            TXmlAttribute* attribute = ControlBinding::BoundAttribute(field);
            if (!element && !attribute)
                continue;
            const void* target = element ? static_cast<const void*>(element) : attribute;
            const QString field_name = NameOf(field);
            if (element)
                CheckCaption(where, window, field, *element);
            if (boundBy.contains(target))
                Faults << where + field_name + QStringLiteral(" writes the element of ") +
                              boundBy.value(target);
            boundBy.insert(target, field_name);

            std::string& stored = element ? element->Text : attribute->Value;
            const std::string old = stored;
            const TTexts before = TextsOf(*Data);
            Type(field, DistinctValue(field));
            ++FieldsTyped;
            if (stored == old)
                Faults << where + field_name +
                              QStringLiteral(" did not write its element \"%1\"")
                                  .arg(element ? QString::fromStdString(element->Name)
                                               : QStringLiteral("(attribute)"));
            stored = old; // with the bound value put back, nothing else may differ
            const QString changed = ChangedFiles(*Data, before);
            if (!changed.isEmpty())
                Faults << where + field_name + QStringLiteral(" also changed ") + changed;
        }
    }

    // Messages name a field by the caption in the table; it must be the one
    // the window shows beside the field.
    void CheckCaption(const QString& where, QWidget* window, QWidget* field,
                      const TXmlNode& element) {
        QString shown;
        for (auto* label : window->findChildren<QLabel*>())
            if (label->buddy() == field)
                shown = label->text();
        if (auto* box = qobject_cast<QCheckBox*>(field); box && shown.isEmpty())
            shown = box->text();
        if (shown.isEmpty())
            shown = field->accessibleName();
        const std::string form = field->window()->metaObject()->className();
        const QString parent =
            element.Parent() ? QString::fromStdString(element.Parent()->Name) : QString();
        const QString listed = FieldCaptions::Field(form, parent.toStdString(), element.Name);
        if (listed != FieldCaptions::Shown(shown))
            Faults << where + NameOf(field) +
                          QStringLiteral(" shows \"%1\" but messages call it \"%2\"")
                              .arg(FieldCaptions::Shown(shown), listed);
        if (FieldCaptions::Window(form).isEmpty())
            Faults << where + QStringLiteral("messages have no title for ") +
                          QString::fromStdString(form);
    }

private slots:
    void EveryWindowShowsWithoutWritingAndTypesIntoItsOwnElements() {
        GuiTest::TScenarioCopy copy;
        QVERIFY2(copy.IsOpen(), qPrintable(copy.Problem()));
        Data = &copy.Data();
        QTemporaryDir pictures;
        TDecliningPrompts declining;
        TPrompts* previous = SetPrompts(&declining);
        for (const Gallery::TPage& page : Gallery::Pages()) {
            TGalleryContext context;
            context.Scenario = Data;
            context.DataFolder = GuiTest::ShippedData();
            context.OutputFolder = pictures.path();
            context.PageName = page.Name;
            int shot = 0;
            context.Visit = [&](QWidget* window) {
                const QString where = QStringLiteral("%1 (%2): ").arg(page.Name).arg(++shot);
                ShowEveryEntry(where, window);
                TypeIntoEveryBoundField(where, window);
            };
            page.Render(context);
        }
        SetPrompts(previous);
        QVERIFY(EntriesShown > 200);
        QVERIFY(FieldsTyped > 100);
        QVERIFY2(Faults.isEmpty(), qPrintable(Faults.join(QLatin1Char('\n'))));
    }
};

QTEST_MAIN(AllFormsBindingsTest)
#include "AllFormsBindingsTest.moc"
