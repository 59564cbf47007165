// Every window the gallery knows, in every state its page shows, held to the
// rules that hold for all fields: Enter presses nothing that asks or opens
// something; a key that types nothing leaves a number alone; a check box
// writes on any change of state; a memo keeps words apart on one line; and
// whatever shows a field's text follows it however it is set; every list
// lays its rows out alike; and every long list narrows as its filter is
// typed, writing nothing. A window is picked up as soon as it registers a
// gallery page.

#include "app/ControlBinding.h"
#include "app/ElementFocus.h"
#include "app/FormSupport.h"
#include "app/ListFilter.h"
#include "app/Prompts.h"
#include "app/gallery/Gallery.h"
#include "guisupport/ScenarioCopy.h"
#include "guisupport/ScriptedPrompts.h"
#include "widgets/TDoubleEdit.h"
#include "widgets/TIntEdit.h"
#include "xml/TXmlNode.h"

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>

#include <QAbstractSpinBox>
#include <QApplication>
#include <QDialog>
#include <QLineEdit>
#include <QPointer>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

namespace {

// Records every window shown while it exists and closes it again at once, so
// a dialog opened modally returns instead of waiting for a user.
class TWindowWatch : public QObject {
public:
    TWindowWatch() { qApp->installEventFilter(this); }
    ~TWindowWatch() override { qApp->removeEventFilter(this); }
    QStringList Opened;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::Show || !watched->isWidgetType())
            return false;
        auto* widget = static_cast<QWidget*>(watched);
        if (!widget->isWindow() || widget->windowType() == Qt::ToolTip)
            return false;
        Opened << QStringLiteral("%1 \"%2\"")
                      .arg(QLatin1String(widget->metaObject()->className()), widget->windowTitle());
        QPointer<QWidget> shown(widget);
        QTimer::singleShot(0, this, [shown] {
            if (auto* dialog = qobject_cast<QDialog*>(shown.data()))
                dialog->reject();
            else if (shown)
                shown->close();
        });
        return false;
    }
};

// The controls of a kind a designer can use: enabled and shown. The text
// box inside a spin box (date picker) or list is reached through that.
template <typename T> QList<T*> Usable(QWidget* window) {
    QList<T*> usable;
    for (T* child : window->findChildren<T*>()) {
        QWidget* parent = child->parentWidget();
        const bool inner =
            qobject_cast<QAbstractSpinBox*>(parent) || qobject_cast<QComboBox*>(parent);
        if (!inner && child->isVisible() && child->isEnabled())
            usable << child;
    }
    return usable;
}

// The fields Enter can be pressed in: text boxes (numeric ones too) and
// spin boxes (date pickers).
QList<QWidget*> Fields(QWidget* window) {
    QList<QWidget*> fields;
    for (QLineEdit* edit : Usable<QLineEdit>(window))
        fields << edit;
    for (QAbstractSpinBox* spin : Usable<QAbstractSpinBox>(window))
        fields << spin;
    return fields;
}

// Declines like the gallery and counts what was asked.
class TCountingPrompts : public TDecliningPrompts {
public:
    int Asked = 0;
    TPromptAnswer Message(const QString& title, const QString& text,
                          TPromptButtons buttons) override {
        ++Asked;
        return TDecliningPrompts::Message(title, text, buttons);
    }
};

// Everything a window shows that can mirror a field: list lines, labels
// (the map's too), group titles, drop-down entries and the window title.
QString Mirrors(QWidget* window) {
    QStringList shown{window->windowTitle()};
    for (QWidget* child : window->findChildren<QWidget*>()) {
        if (auto* list = qobject_cast<QListWidget*>(child))
            for (int row = 0; row < list->count(); ++row)
                shown << list->item(row)->text();
        else if (auto* label = qobject_cast<QLabel*>(child))
            shown << label->text();
        else if (auto* group = qobject_cast<QGroupBox*>(child))
            shown << group->title();
        else if (auto* combo = qobject_cast<QComboBox*>(child))
            for (int row = 0; row < combo->count(); ++row)
                shown << combo->itemText(row);
    }
    return shown.join(QLatin1Char('\n'));
}

bool IsNumeric(const QLineEdit* edit) {
    return qobject_cast<const TIntEdit*>(edit) || qobject_cast<const TDoubleEdit*>(edit);
}

// A value one above a range-checked field's maximum; empty for other fields.
QString BeyondRange(const QLineEdit* edit) {
    if (auto* integer = qobject_cast<const TIntEdit*>(edit); integer && integer->RangeChecking())
        return QString::number(static_cast<qint64>(integer->Max()) + 1);
    if (auto* decimal = qobject_cast<const TDoubleEdit*>(edit); decimal && decimal->RangeChecking())
        return TDoubleEdit::ShortestText(decimal->Max() + 1);
    return {};
}

QString FieldName(const QWidget* field) {
    return field->objectName().isEmpty() ? QLatin1String(field->metaObject()->className())
                                         : field->objectName();
}

} // namespace

class AllFormsTest : public QObject {
    Q_OBJECT

    std::unique_ptr<GuiTest::TScenarioCopy> Copy;
    // "page: field: what happened", one per fault.
    QStringList Faults;
    // The names of the controls a check tried.
    QStringList Tried;

    using TCheck = std::function<void(const QString& where, QWidget* window)>;

    // Renders every gallery page on a copy of the sample and hands each
    // window, in each state its page shows, to check.
    void CheckEveryWindow(const TCheck& check) {
        QTemporaryDir pictures;
        // Setting a page up may ask things; only what the check causes counts.
        TDecliningPrompts declining;
        TPrompts* previous = SetPrompts(&declining);
        const std::vector<Gallery::TPage> pages = Gallery::Pages();
        QStringList unvisited;
        for (const Gallery::TPage& page : pages) {
            TGalleryContext context;
            context.Scenario = &Copy->Data();
            context.DataFolder = GuiTest::ShippedData();
            context.OutputFolder = pictures.path();
            context.PageName = page.Name;
            bool visited = false;
            context.Visit = [&](QWidget* window) {
                visited = true;
                check(page.Name + QStringLiteral(": "), window);
            };
            page.Render(context);
            if (!visited)
                unvisited << page.Name;
        }
        SetPrompts(previous);
        QVERIFY2(pages.size() >= 10, "the windows of the program register gallery pages");
        QVERIFY2(unvisited.isEmpty(),
                 qPrintable(QStringLiteral("not shown: ") + unvisited.join(", ")));
    }

    std::string Documents() const {
        std::string all;
        for (TScenarioFile file : TScenarioData::AllFiles())
            all += Copy->Data().Document(file).ToText();
        return all;
    }

    static QString Where(const QString& page, const QWidget* control) {
        return page + FieldName(control) + QStringLiteral(": ");
    }

    // A list whose rows may differ in height is laid out whole on every
    // change of one row: a keystroke in a name field of a long list stalls.
    void CheckListsLayOutRowsAlike(const QString& page, QWidget* window) {
        for (const QListWidget* list : window->findChildren<QListWidget*>())
            // A list that wraps its lines has rows as tall as their text.
            if (!list->uniformItemSizes() && !list->wordWrap())
                Faults << Where(page, list) + QStringLiteral("rows of differing height");
    }

    void PressEnterInEveryField(const QString& page, QWidget* window) {
        for (QWidget* field : Fields(window)) {
            if (!field->isVisible() || !field->isEnabled())
                continue; // an earlier Enter hid it
            Tried << FieldName(field);
            TWindowWatch watch;
            TScriptedPrompts prompts; // nothing scripted: every prompt is a fault
            field->setFocus();
            QTest::keyClick(field, Qt::Key_Return);
            QTest::keyClick(field, Qt::Key_Enter, Qt::KeypadModifier);
            QApplication::processEvents();
            for (const TScriptedPrompts::TShown& shown : prompts.Shown())
                Faults << Where(page, field) + QStringLiteral("asked \"%1\"").arg(shown.Title);
            for (const QString& opened : watch.Opened)
                Faults << Where(page, field) + QStringLiteral("opened ") + opened;
            prompts.Clear(); // reported above, once
        }
    }

    // A stored value beyond the range stays until the designer changes it.
    void PressKeysThatTypeNothing(const QString& page, QWidget* window) {
        for (QLineEdit* field : Usable<QLineEdit>(window)) {
            const QString beyond = BeyondRange(field);
            if (beyond.isEmpty())
                continue;
            Tried << FieldName(field);
            const QString shown = field->text();
            field->setText(beyond);
            const std::string before = Documents();
            field->setFocus();
            for (const Qt::Key key : {Qt::Key_End, Qt::Key_Home, Qt::Key_Right, Qt::Key_Left,
                                      Qt::Key_Shift, Qt::Key_Control})
                QTest::keyClick(field, key);
            QTest::keyClick(field, Qt::Key_C, Qt::ControlModifier);
            if (field->text() != beyond || Documents() != before)
                Faults << Where(page, field) + QStringLiteral("became ") + field->text();
            field->setText(shown);
        }
    }

    // As a screen reader or voice control does it: no click.
    void ToggleEveryCheckBox(const QString& page, QWidget* window) {
        for (QCheckBox* box : Usable<QCheckBox>(window)) {
            QAccessibleInterface* access = QAccessible::queryAccessibleInterface(box);
            QAccessibleActionInterface* actions = access ? access->actionInterface() : nullptr;
            QVERIFY(actions);
            Tried << FieldName(box);
            for (int turn = 0; turn < 2; ++turn) { // there and back
                TCountingPrompts prompts;
                TPrompts* previous = SetPrompts(&prompts);
                const bool was = box->isChecked();
                const std::string before = Documents();
                actions->doAction(QAccessibleActionInterface::toggleAction());
                SetPrompts(previous);
                if (box->isChecked() == was)
                    Faults << Where(page, box) + QStringLiteral("did not toggle");
                else if (Documents() == before && prompts.Asked == 0)
                    Faults << Where(page, box) + QStringLiteral("toggled, wrote nothing");
            }
        }
    }

    void TypeLinesIntoEveryMemo(const QString& page, QWidget* window) {
        for (QPlainTextEdit* memo : Usable<QPlainTextEdit>(window)) {
            if (memo->isReadOnly())
                continue;
            Tried << FieldName(memo);
            const QString shown = memo->toPlainText();
            memo->setFocus();
            memo->selectAll();
            QTest::keyClicks(memo, QStringLiteral("every"));
            QTest::keyClick(memo, Qt::Key_Return);
            memo->insertPlainText(QStringLiteral("harbour\r\nquay\tend"));
            const QString seen = memo->toPlainText();
            const TXmlNode* element = ControlBinding::BoundElement(memo);
            if (seen != QLatin1String("every harbour quay end"))
                Faults << Where(page, memo) + QStringLiteral("shows ") + seen;
            else if (element && element->GetText() != seen.toStdString())
                Faults << Where(page, memo) + QStringLiteral("stored ") +
                              QString::fromStdString(element->GetText());
            memo->setPlainText(shown);
        }
    }

    // Typing and setting the text (as the accessibility interface does) must
    // leave the window and the documents alike.
    void SetEveryTextAsTyped(const QString& page, QWidget* window) {
        for (QLineEdit* field : Usable<QLineEdit>(window)) {
            if (IsNumeric(field) || field->isReadOnly())
                continue;
            Tried << FieldName(field);
            const QString shown = field->text();
            field->setFocus();
            field->end(false);
            QTest::keyClick(field, 'Q');
            const QString typed = Mirrors(window) + QString::fromStdString(Documents());
            QTest::keyClick(field, Qt::Key_Backspace);
            field->setText(shown + QLatin1Char('Q'));
            if (Mirrors(window) + QString::fromStdString(Documents()) != typed)
                Faults << Where(page, field) + QStringLiteral("set, not shown as typed");
            field->setText(shown);
        }
    }

    // Whether a control of window shows a field of the entry's element.
    static bool ShowsFieldsOf(QWidget* window, const QListWidgetItem* entry) {
        const TXmlNode* element = FormSupport::EntryElement(entry);
        const QList<QWidget*> controls = window->findChildren<QWidget*>();
        return element && std::any_of(controls.begin(), controls.end(), [element](QWidget* c) {
                   return ElementFocus::Within(ControlBinding::BoundElement(c), element);
               });
    }

    // Typing narrows the list to the entries holding the text in any case,
    // the current one kept; a shown entry selected shows its element; and
    // clearing shows all again. Filtering never writes.
    void TypeIntoEveryFilter(const QString& page, QWidget* window) {
        for (QListWidget* list : window->findChildren<QListWidget*>()) {
            QLineEdit* filter = ListFilter::FieldOf(list);
            if (!filter || list->count() < 2)
                continue;
            Tried << QLatin1String(window->metaObject()->className()) + QLatin1Char('.') +
                         list->objectName();
            list->setCurrentRow(0);
            const bool showsFields = ShowsFieldsOf(window, list->item(0));
            const std::string before = Documents();
            const int last = list->count() - 1;
            const QString wanted = list->item(last)->text();
            filter->setFocus();
            filter->clear();
            QTest::keyClicks(filter, wanted.toUpper());
            for (int row = 0; row < list->count(); ++row)
                if (list->isRowHidden(row) ==
                    (row == 0 || list->item(row)->text().contains(wanted, Qt::CaseInsensitive)))
                    Faults << Where(page, list) + QStringLiteral("row %1 \"%2\" %3 for \"%4\"")
                                                      .arg(row)
                                                      .arg(list->item(row)->text(),
                                                           list->isRowHidden(row)
                                                               ? QStringLiteral("hidden")
                                                               : QStringLiteral("shown"),
                                                           wanted);
            if (Documents() != before)
                Faults << Where(page, list) + QStringLiteral("typing a filter wrote");
            list->setCurrentRow(last);
            if (showsFields && !ShowsFieldsOf(window, list->item(last)))
                Faults << Where(page, list) + QStringLiteral("shows no field of the entry");
            if (list->isRowHidden(0) == list->item(0)->text().contains(wanted, Qt::CaseInsensitive))
                Faults << Where(page, list) + QStringLiteral("keeps a former entry");
            const std::string selected = Documents();
            filter->clear();
            for (int row = 0; row < list->count(); ++row)
                if (list->isRowHidden(row))
                    Faults << Where(page, list) +
                                  QStringLiteral("row %1 hidden unfiltered").arg(row);
            if (Documents() != selected)
                Faults << Where(page, list) + QStringLiteral("clearing a filter wrote");
        }
    }

    void Check(const TCheck& check) {
        CheckEveryWindow(check);
        QVERIFY2(Faults.isEmpty(), qPrintable(Faults.join(QLatin1Char('\n'))));
    }

private slots:
    void init() {
        Copy = std::make_unique<GuiTest::TScenarioCopy>();
        QVERIFY2(Copy->IsOpen(), qPrintable(Copy->Problem()));
        Faults.clear();
        Tried.clear();
    }
    void cleanup() { Copy.reset(); }

    void EnterInAnyFieldOfAnyWindowOpensNothing() {
        Check(
            [this](const QString& page, QWidget* window) { PressEnterInEveryField(page, window); });
        QVERIFY(Tried.size() > 20);
    }

    void EveryListLaysOutItsRowsAlike() {
        Check([this](const QString& page, QWidget* window) {
            CheckListsLayOutRowsAlike(page, window);
        });
    }

    void KeysThatTypeNothingKeepEveryNumber() {
        Check([this](const QString& page, QWidget* window) {
            PressKeysThatTypeNothing(page, window);
        });
        // Region Info's "Number:", Step 3's poll time, a share of percentages.
        for (const char* name : {"SeatNumberEdit", "PollEdit", "CommittedPercentageEdit"})
            QVERIFY2(Tried.contains(QLatin1String(name)), name);
    }

    void EveryCheckBoxWritesOnAnyChangeOfState() {
        Check([this](const QString& page, QWidget* window) { ToggleEveryCheckBox(page, window); });
        for (const char* name : {"NationalEndorserCheckBox", "BallotCheckBox", "MajorityCheckBox"})
            QVERIFY2(Tried.contains(QLatin1String(name)), name);
    }

    void EveryMemoKeepsWordsApart() {
        Check(
            [this](const QString& page, QWidget* window) { TypeLinesIntoEveryMemo(page, window); });
        QVERIFY(Tried.size() >= 8);
    }

    void EveryLongListNarrowsAsItsFilterIsTyped() {
        Check([this](const QString& page, QWidget* window) { TypeIntoEveryFilter(page, window); });
        for (const char* list :
             {"TIssueEditorForm.IssuesListBox", "TPoliticalUnitEditorForm.RegionsListBox",
              "TPartiesEditorForm.PartiesListBox", "TPartyLeaderVeepEditorForm.LeadersListBox",
              "TPartyLeaderVeepEditorForm.VeepsListBox", "TSimpleEventEditorForm.EventsListBox",
              "TScriptedEventsEditorForm.EventsListBox", "TEndorserEditorForm.EndorserListBox",
              "TAdEditorForm.AdsListBox", "TActivitiesEditorForm.ActivitiesListBox"})
            QVERIFY2(Tried.contains(QLatin1String(list)), list);
    }

    void EveryTextSetOtherwiseShowsAsTyped() {
        Check([this](const QString& page, QWidget* window) { SetEveryTextAsTyped(page, window); });
        QVERIFY(Tried.contains(QStringLiteral("AbbreviationEdit")));
    }
};

QTEST_MAIN(AllFormsTest)
#include "AllFormsTest.moc"
