// Every window the gallery knows, in every state its page shows, held to the
// rules that hold for all fields: Enter presses nothing that asks or opens
// something, and in an editor neither presses a button, closes the window nor
// writes; a stored text longer than its field allows is shown whole and never
// cut; a key that types nothing leaves a number alone; a check box writes on
// any change of state; a memo keeps words apart on one line; whatever shows a
// field's text follows it however it is set; every list lays its rows out
// alike; every long list narrows as its filter is typed, writing nothing;
// opening it or showing any entry writes nothing and a typed value lands in
// exactly its bound element; and Tab, mnemonics, accessible names and size
// serve a keyboard or screen reader user on a small screen. A window is
// picked up as soon as it registers a gallery page.

#include "app/Accessibility.h"
#include "app/ControlBinding.h"
#include "app/ElementFocus.h"
#include "app/FieldCaptions.h"
#include "app/FormSupport.h"
#include "app/Help.h"
#include "app/ListFilter.h"
#include "app/Prompts.h"
#include "app/gallery/Gallery.h"
#include "guisupport/GalleryWalk.h"
#include "guisupport/ScenarioCopy.h"
#include "guisupport/ScriptedPrompts.h"
#include "support/ScenarioFixture.h"
#include "widgets/TDoubleEdit.h"
#include "widgets/TIntEdit.h"
#include "widgets/TMapView.h"
#include "xml/TXmlAttribute.h"
#include "xml/TXmlNode.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractSpinBox>
#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDateTimeEdit>
#include <QDialog>
#include <QGroupBox>
#include <QHash>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QRegularExpression>
#include <QScrollArea>
#include <QSet>
#include <QTest>
#include <QTextBrowser>
#include <QTimer>

#include <algorithm>
#include <array>
#include <functional>
#include <utility>

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

// Whether a designer can use the control: enabled and shown. The text box
// inside a spin box (date picker) or combo box is reached through that.
bool IsUsable(const QWidget* widget) {
    const QWidget* parent = widget->parentWidget();
    return widget->isVisible() && widget->isEnabled() &&
           !qobject_cast<const QAbstractSpinBox*>(parent) &&
           !qobject_cast<const QComboBox*>(parent);
}

template <typename T> QList<T*> Usable(QWidget* window) {
    QList<T*> usable;
    for (T* child : window->findChildren<T*>())
        if (IsUsable(child))
            usable << child;
    return usable;
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

// The windows that are no editors, where Enter may search, start or close.
const QStringList NotEditors = {
    "TCampaignTimelineForm", "TFindInScenarioForm",       "THelpWindow",
    "TScenarioBuilderForm",  "TSelectScenarioForm",       "TSplashScreenForm",
    "TStartingRaceForm",     "TVerificationMessagesForm", "TaboutForm"};

// The smallest screen the editor is used on, less a title bar and a panel.
constexpr QSize SmallScreen(1280, 720 - 60);
// A window that cannot be resized must be a small dialog.
constexpr QSize SmallDialog(800, 600);

bool TakesTab(const QWidget* widget) {
    return (widget->focusPolicy() & Qt::TabFocus) == Qt::TabFocus && widget->isVisible() &&
           widget->isEnabled() && !qobject_cast<const QScrollArea*>(widget);
}

// The children of window itself, not of the windows it opened.
QList<QWidget*> Widgets(QWidget* window) {
    QList<QWidget*> widgets;
    for (QWidget* child : window->findChildren<QWidget*>())
        if (child->window() == window)
            widgets << child;
    return widgets;
}

// What Tab must reach, in focus chain order. A control's own parts (a spin
// box's text box, a list's viewport) are the control.
QList<QWidget*> TabControls(QWidget* window) {
    const QList<QWidget*> all = Widgets(window);
    QList<QWidget*> controls;
    for (QWidget* widget = window->nextInFocusChain(); widget && widget != window;
         widget = widget->nextInFocusChain()) {
        if (!all.contains(widget) || !TakesTab(widget) || controls.contains(widget))
            continue;
        bool part = false;
        for (QWidget* up = widget->parentWidget(); up && up != window; up = up->parentWidget())
            part = part || TakesTab(up);
        if (!part)
            controls << widget;
    }
    return controls;
}

QWidget* ControlOf(const QList<QWidget*>& controls, QWidget* focus) {
    for (QWidget* control : controls)
        if (control == focus || control->isAncestorOf(focus))
            return control;
    return nullptr;
}

// Tab walks a read-only text's links and a date picker's parts before it
// moves on.
bool WalksParts(const QWidget* widget) {
    return qobject_cast<const QTextBrowser*>(widget) || qobject_cast<const QDateTimeEdit*>(widget);
}

bool HasLetter(const QString& text) {
    return std::any_of(text.begin(), text.end(), [](QChar c) { return c.isLetter(); });
}

// What a screen reader announces a widget as.
QString Announced(QWidget* widget) {
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(widget);
    return face ? face->text(QAccessible::Name) : QString();
}

// The title of the group box widget lies in, as a reader says it; Qt names
// an unnamed control after it.
QString GroupTitleAbove(const QWidget* widget) {
    for (const QWidget* up = widget->parentWidget(); up; up = up->parentWidget())
        if (auto* group = qobject_cast<const QGroupBox*>(up))
            return QString(group->title()).remove(QLatin1Char('&'));
    return {};
}

bool IsPicture(QWidget* widget) {
    if (qobject_cast<TMapView*>(widget))
        return true;
    auto* label = qobject_cast<QLabel*>(widget);
    return label && !label->pixmap().isNull();
}

// A control whose caption a keyboard user reaches it by: a label with a
// buddy, a button with words, a menu title; and group titles that carry a
// mnemonic.
struct TCaption {
    QWidget* Widget;
    QString Text;
    bool Required;
};

QList<TCaption> Captions(QWidget* window) {
    QList<TCaption> captions;
    for (QWidget* widget : Widgets(window)) {
        if (auto* label = qobject_cast<QLabel*>(widget); label && label->buddy())
            captions.append({widget, label->text(), true});
        else if (auto* button = qobject_cast<QAbstractButton*>(widget);
                 button && HasLetter(button->text()))
            captions.append({widget, button->text(), true});
        else if (auto* group = qobject_cast<QGroupBox*>(widget);
                 group && !QKeySequence::mnemonic(group->title()).isEmpty())
            captions.append({widget, group->title(), false});
    }
    if (auto* main = qobject_cast<QMainWindow*>(window); main && main->menuBar())
        for (QAction* action : main->menuBar()->actions())
            captions.append({main->menuBar(), action->text(), true});
    return captions;
}

// Where a mnemonic must be unique: the window, or, where the captions have
// fewer letters than there are captions, each group box.
QWidget* MnemonicScope(QWidget* window, QWidget* widget, bool crowded) {
    if (!crowded)
        return window;
    for (QWidget* up = widget->parentWidget(); up && up != window; up = up->parentWidget())
        if (qobject_cast<QGroupBox*>(up))
            return up;
    return window;
}

using TTexts = std::vector<std::string>;

QString ChangedFiles(const TScenarioData& data, const TTexts& before) {
    QStringList files;
    const TTexts now = TestScenario::DocumentTexts(data);
    for (size_t i = 0; i < now.size(); ++i)
        if (now[i] != before[i])
            files << QString::fromStdString(TScenarioData::FileName(TScenarioData::AllFiles()[i]));
    return files.join(QStringLiteral(", "));
}

// The fields a designer types into or ticks.
bool IsTypingField(QWidget* widget) {
    if (auto* line = qobject_cast<QLineEdit*>(widget))
        return !line->isReadOnly();
    if (auto* memo = qobject_cast<QPlainTextEdit*>(widget))
        return !memo->isReadOnly();
    return qobject_cast<QCheckBox*>(widget) != nullptr;
}

// A value the field does not hold yet and accepts as it stands.
QString DistinctValue(QWidget* field) {
    if (qobject_cast<QCheckBox*>(field))
        return {};
    const QString current = qobject_cast<QLineEdit*>(field)
                                ? static_cast<QLineEdit*>(field)->text()
                                : static_cast<QPlainTextEdit*>(field)->toPlainText();
    const auto limit = [&current](const auto* edit) {
        const QString high = QString::number(edit->Max());
        return current == high ? QString::number(edit->Min()) : high;
    };
    if (auto* whole = qobject_cast<TIntEdit*>(field))
        return limit(whole);
    if (auto* real = qobject_cast<TDoubleEdit*>(field))
        return limit(real);
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

// The limit a field keeps to while it holds a short text; 0 when it has none.
int LimitOf(const QLineEdit* edit) {
    return edit->property("limitLineLength").toInt();
}

// A memo that keeps to a limit; none is near this long.
bool Limited(const QPlainTextEdit* memo) {
    return memo->property("limitPreviousLength").isValid();
}
const size_t LongMemo = 3000;

} // namespace

class AllFormsTest : public QObject {
    Q_OBJECT

    std::unique_ptr<GuiTest::TScenarioCopy> Copy;
    // "page: field: what happened", one per fault.
    QStringList Faults;
    // The names of the controls a check tried.
    QStringList Tried;
    QSet<QString> Editors;
    int EntriesShown = 0;
    int FieldsTyped = 0;

    using TCheck = std::function<void(const QString& where, QWidget* window)>;

    // Hands every window of every gallery page, on a copy of the sample, to
    // check.
    void CheckEveryWindow(const TCheck& check) {
        TTexts before;
        QString opened;
        const QStringList problems = GuiTest::VisitEveryGalleryWindow(
            Copy->Data(),
            [&](const QString& page, QWidget* window) {
                // Opening a window writes nothing, whatever its page shows.
                const QString changed = ChangedFiles(Copy->Data(), before);
                if (page != opened && !changed.isEmpty())
                    Faults << page + QStringLiteral("opening it changed ") + changed;
                opened = page;
                check(page, window);
            },
            [&] { before = Documents(); });
        QVERIFY2(Gallery::Pages().size() >= 10,
                 "the windows of the program register gallery pages");
        QVERIFY2(problems.isEmpty(), qPrintable(problems.join(", ")));
    }

    TTexts Documents() const { return TestScenario::DocumentTexts(Copy->Data()); }

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

    // Every prompt shown and window opened is a fault, reported once.
    void Unasked(const QString& where, TScriptedPrompts& prompts, const TWindowWatch& watch) {
        for (const TScriptedPrompts::TShown& shown : prompts.Shown())
            Faults << where + QStringLiteral("asked \"%1\"").arg(shown.Title);
        prompts.Clear();
        for (const QString& opened : watch.Opened)
            Faults << where + QStringLiteral("opened ") + opened;
    }

    // In an editor Enter neither presses a button, closes the window nor writes; in any window
    // it asks and opens nothing.
    void PressEnterInEveryField(const QString& page, QWidget* window) {
        const QString form = QLatin1String(window->metaObject()->className());
        const bool editor = !NotEditors.contains(form);
        if (editor) {
            Editors << form;
            for (const QPushButton* button : window->findChildren<QPushButton*>())
                if (button->autoDefault() || button->isDefault())
                    Faults << Where(page, button) + QStringLiteral("is pressed by Enter");
        }
        const TTexts before = Documents();
        bool closed = false;
        QMetaObject::Connection closing;
        if (auto* dialog = qobject_cast<QDialog*>(window))
            closing = connect(dialog, &QDialog::finished, this, [&closed] { closed = true; });
        // Text boxes (numeric ones too) and spin boxes (date pickers).
        for (QWidget* field : Usable<QWidget>(window)) {
            if (!IsUsable(field) ||
                (!qobject_cast<QLineEdit*>(field) && !qobject_cast<QAbstractSpinBox*>(field)))
                continue; // or an earlier Enter hid it
            Tried << FieldName(field);
            TWindowWatch watch;
            TScriptedPrompts prompts; // nothing scripted: every prompt is a fault
            field->setFocus();
            QTest::keyClick(field, Qt::Key_Return);
            QTest::keyClick(field, Qt::Key_Enter, Qt::KeypadModifier);
            QApplication::processEvents();
            Unasked(Where(page, field), prompts, watch);
            if (editor && (closed || !window->isVisible())) {
                Faults << Where(page, field) + QStringLiteral("Enter closed the window");
                break;
            }
        }
        disconnect(closing);
        if (editor && Documents() != before)
            Faults << page + QStringLiteral("Enter wrote");
    }

    // First round: every bound, limited text becomes longer than its limit.
    static void Lengthen(const QString&, QWidget* window) {
        for (QLineEdit* edit : window->findChildren<QLineEdit*>()) {
            TXmlNode* element = ControlBinding::BoundElement(edit);
            const int limit = LimitOf(edit);
            if (element && limit > 0 && static_cast<int>(element->Text.size()) <= limit)
                element->Text += std::string(limit + 5 - element->Text.size(), 'w');
        }
        for (QPlainTextEdit* memo : window->findChildren<QPlainTextEdit*>()) {
            TXmlNode* element = ControlBinding::BoundElement(memo);
            if (element && Limited(memo) && element->Text.size() < LongMemo)
                element->Text += std::string(LongMemo - element->Text.size(), 'w');
        }
    }

    // A long text is shown whole, typing at its end cannot lengthen it and a
    // deletion writes it shorter.
    void CheckLongText(const QString& field, QWidget* control, const QString& shown,
                       const TXmlNode* element) {
        Tried << field;
        const std::string stored = element->GetText();
        if (shown.toStdString() != stored) {
            Faults << field + QStringLiteral("shows %1 of %2 characters")
                                  .arg(shown.size())
                                  .arg(stored.size());
            return;
        }
        control->setFocus();
        if (auto* edit = qobject_cast<QLineEdit*>(control))
            edit->end(false);
        else
            static_cast<QPlainTextEdit*>(control)->moveCursor(QTextCursor::End);
        QTest::keyClicks(control, QStringLiteral("x"));
        if (element->GetText() != stored)
            Faults << field + QStringLiteral("typing lengthened it");
        QTest::keyClick(control, Qt::Key_Backspace);
        if (element->GetText() != stored.substr(0, stored.size() - 1))
            Faults << field + QStringLiteral("a deletion stored %1 characters")
                                  .arg(element->GetText().size());
    }

    // Second round: every long text as above; a short one keeps to the limit.
    void CheckLongTexts(const QString& page, QWidget* window) {
        for (QLineEdit* edit : window->findChildren<QLineEdit*>()) {
            TXmlNode* element = ControlBinding::BoundElement(edit);
            const int limit = LimitOf(edit);
            if (!element || limit <= 0 || !edit->isVisible() || !edit->isEnabled() ||
                edit->isReadOnly())
                continue;
            if (static_cast<int>(element->GetText().size()) > limit)
                CheckLongText(Where(page, edit), edit, edit->text(), element);
            else if (edit->maxLength() != limit)
                Faults << Where(page, edit) +
                              QStringLiteral("takes %1, not %2").arg(edit->maxLength()).arg(limit);
        }
        for (QPlainTextEdit* memo : window->findChildren<QPlainTextEdit*>()) {
            TXmlNode* element = ControlBinding::BoundElement(memo);
            if (element && Limited(memo) && element->Text.size() >= LongMemo && memo->isVisible() &&
                !memo->isReadOnly())
                CheckLongText(Where(page, memo), memo, memo->toPlainText(), element);
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
            const TTexts before = Documents();
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
                const TTexts before = Documents();
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
            const auto typed = std::make_pair(Mirrors(window), Documents());
            QTest::keyClick(field, Qt::Key_Backspace);
            field->setText(shown + QLatin1Char('Q'));
            if (std::make_pair(Mirrors(window), Documents()) != typed)
                Faults << Where(page, field) + QStringLiteral("set, not shown as typed");
            field->setText(shown);
        }
    }

    // Whether a control of window shows a field of the entry's element.
    static bool ShowsFieldsOf(QWidget* window, const QListWidgetItem* entry) {
        const TXmlNode* element = FormSupport::EntryElement(entry);
        const QList<QWidget*> controls = window->findChildren<QWidget*>();
        return element && std::any_of(controls.begin(), controls.end(), [element](QWidget* c) {
                   return ElementFocus::Contains(element, ControlBinding::BoundElement(c));
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
            const TTexts before = Documents();
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
            const TTexts selected = Documents();
            filter->clear();
            for (int row = 0; row < list->count(); ++row)
                if (list->isRowHidden(row))
                    Faults << Where(page, list) +
                                  QStringLiteral("row %1 hidden unfiltered").arg(row);
            if (Documents() != selected)
                Faults << Where(page, list) + QStringLiteral("clearing a filter wrote");
        }
    }

    // Selects every entry of every list in turn. (Drop-downs are not walked:
    // choosing an entry there is an edit in most windows.)
    void ShowEveryEntry(const QString& where, QWidget* window) {
        const TTexts before = Documents();
        for (auto* view : window->findChildren<QAbstractItemView*>()) {
            if (!IsUsable(view) || !view->model())
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
        const QString changed = ChangedFiles(Copy->Data(), before);
        if (!changed.isEmpty())
            Faults << where + QStringLiteral("showing its entries changed ") + changed;
    }

    void TypeIntoEveryBoundField(const QString& where, QWidget* window) {
        QHash<const void*, QString> boundBy;
        for (QWidget* field : window->findChildren<QWidget*>()) {
            if (!IsUsable(field) || !IsTypingField(field))
                continue;
            TXmlNode* element = ControlBinding::BoundElement(field);
            TXmlAttribute* attribute = ControlBinding::BoundAttribute(field);
            if (!element && !attribute)
                continue;
            const void* target = element ? static_cast<const void*>(element) : attribute;
            const QString field_name = FieldName(field);
            if (element)
                CheckCaption(where, window, field, *element);
            if (boundBy.contains(target))
                Faults << where + field_name + QStringLiteral(" writes the element of ") +
                              boundBy.value(target);
            boundBy.insert(target, field_name);

            std::string& stored = element ? element->Text : attribute->Value;
            const std::string old = stored;
            const TTexts before = Documents();
            Type(field, DistinctValue(field));
            ++FieldsTyped;
            if (stored == old)
                Faults << where + field_name +
                              QStringLiteral(" did not write its element \"%1\"")
                                  .arg(element ? QString::fromStdString(element->Name)
                                               : QStringLiteral("(attribute)"));
            stored = old; // with the bound value put back, nothing else may differ
            const QString changed = ChangedFiles(Copy->Data(), before);
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
            Faults << where + FieldName(field) +
                          QStringLiteral(" shows \"%1\" but messages call it \"%2\"")
                              .arg(FieldCaptions::Shown(shown), listed);
        if (FieldCaptions::Window(form).isEmpty())
            Faults << where + QStringLiteral("messages have no title for ") +
                          QString::fromStdString(form);
    }

    void Walk(const QString& where, QWidget* window) {
        CheckListsLayOutRowsAlike(where, window);
        WalkTab(where, window);
        CheckMnemonics(where, window);
        CheckNames(where, window);
        CheckHidden(where, window);
        CheckSize(where, window);
    }

    // Tab from the first control reaches every control and comes back round.
    void WalkTab(const QString& where, QWidget* window) {
        const QList<QWidget*> controls = TabControls(window);
        if (controls.isEmpty())
            return;
        TWindowWatch watch;
        TScriptedPrompts prompts; // nothing scripted: a prompt on Tab is a fault
        window->activateWindow();
        QWidget* first = controls.first();
        first->setFocus(Qt::TabFocusReason);
        QSet<QWidget*> reached{first};
        bool round = false;
        for (int press = 0; press < 4 * controls.size() + 100 && !round; ++press) {
            QWidget* from = window->focusWidget();
            QTest::keyClick(from, Qt::Key_Tab);
            QWidget* to = window->focusWidget();
            if (!to || QApplication::activePopupWidget()) {
                Faults << where +
                              QStringLiteral("Tab in %1 leaves the window").arg(FieldName(from));
                return;
            }
            if (to == from && controls.size() == 1)
                return;
            if (to == from && !WalksParts(to)) {
                Faults << where + QStringLiteral("Tab stays in %1").arg(FieldName(to));
                return;
            }
            if (!to->isVisible() || to->width() <= 0 || to->height() <= 0)
                Faults << where + QStringLiteral("Tab focuses %1, which is not shown")
                                      .arg(FieldName(to));
            QWidget* control = ControlOf(controls, to);
            round = control == first && to != from;
            if (control)
                reached << control;
        }
        if (!round)
            Faults << where + QStringLiteral("Tab does not come back to %1").arg(FieldName(first));
        for (QWidget* control : controls)
            if (!reached.contains(control) && TakesTab(control))
                Faults << where + QStringLiteral("Tab never reaches %1").arg(FieldName(control));
        Unasked(where + QStringLiteral("Tab "), prompts, watch);
    }

    void CheckMnemonics(const QString& where, QWidget* window) {
        const QList<TCaption> captions = Captions(window);
        QSet<QChar> letters;
        for (const TCaption& caption : captions)
            for (QChar c : caption.Text)
                if (c.isLetter())
                    letters << c.toLower();
        const bool crowded =
            std::count_if(captions.begin(), captions.end(), [](const TCaption& caption) {
                return caption.Required;
            }) > letters.size();
        QHash<QPair<QWidget*, QKeySequence>, QString> taken;
        for (const TCaption& caption : captions) {
            const QKeySequence key = QKeySequence::mnemonic(caption.Text);
            const QString name =
                FieldName(caption.Widget) + QStringLiteral(" \"%1\"").arg(caption.Text);
            if (key.isEmpty()) {
                if (caption.Required)
                    Faults << where + name + QStringLiteral(" has no mnemonic");
                continue;
            }
            const auto scope = qMakePair(MnemonicScope(window, caption.Widget, crowded), key);
            if (taken.contains(scope))
                Faults << where + name + QStringLiteral(" has the mnemonic of ") + taken[scope];
            else
                taken.insert(scope, name);
        }
        for (QMenu* menu : window->findChildren<QMenu*>()) {
            QHash<QKeySequence, QString> inMenu;
            for (QAction* action : menu->actions()) {
                if (action->isSeparator() || !HasLetter(action->text()))
                    continue;
                const QKeySequence key = QKeySequence::mnemonic(action->text());
                const QString name = QStringLiteral("menu item \"%1\"").arg(action->text());
                if (key.isEmpty())
                    Faults << where + name + QStringLiteral(" has no mnemonic");
                else if (inMenu.contains(key))
                    Faults << where + name + QStringLiteral(" has the mnemonic of ") + inMenu[key];
                else
                    inMenu.insert(key, name);
            }
        }
    }

    // Lists, drop-down lists and pictures are announced by a name of their
    // own, and no two controls are announced alike.
    void CheckNames(const QString& where, QWidget* window) {
        QHash<QString, QString> announced;
        for (QWidget* widget : Widgets(window)) {
            // A table's header is announced as part of its table.
            const bool needsName =
                (qobject_cast<QAbstractItemView*>(widget) && !qobject_cast<QHeaderView*>(widget)) ||
                qobject_cast<QComboBox*>(widget) || IsPicture(widget);
            const QString name = Announced(widget);
            if ((widget->focusPolicy() != Qt::NoFocus || qobject_cast<QGroupBox*>(widget)) &&
                !name.isEmpty() && name == GroupTitleAbove(widget))
                Faults << where + QStringLiteral("%1 is announced by its group as \"%2\"")
                                      .arg(FieldName(widget), name);
            if (needsName &&
                (widget->accessibleName().trimmed().isEmpty() || name != widget->accessibleName()))
                Faults << where + QStringLiteral("%1 is announced as \"%2\"")
                                      .arg(FieldName(widget), name);
            if ((!needsName && !qobject_cast<QAbstractButton*>(widget)) || !widget->isVisible())
                continue;
            if (announced.contains(name))
                Faults << where + QStringLiteral("%1 and %2 are both announced as \"%3\"")
                                      .arg(announced[name], FieldName(widget), name);
            else
                announced.insert(name, FieldName(widget));
        }
    }

    // Nothing squeezed to no size is offered as focusable.
    void CheckHidden(const QString& where, QWidget* window) {
        for (QWidget* widget : Widgets(window))
            if (widget->focusPolicy() != Qt::NoFocus && widget->isEnabled() &&
                widget->isVisible() && (widget->width() <= 0 || widget->height() <= 0))
                Faults << where +
                              QStringLiteral("%1 is focusable at no size").arg(FieldName(widget));
    }

    void CheckSize(const QString& where, QWidget* window) {
        const QSize least = window->minimumSizeHint().expandedTo(window->minimumSize());
        if (least.width() > SmallScreen.width() || least.height() > SmallScreen.height())
            Faults << where + QStringLiteral("needs at least %1 x %2")
                                  .arg(least.width())
                                  .arg(least.height());
        const bool fixed = window->minimumSize() == window->maximumSize();
        if (fixed && (least.width() > SmallDialog.width() || least.height() > SmallDialog.height()))
            Faults << where + QStringLiteral("cannot be resized");
    }

    void Check(void (AllFormsTest::*each)(const QString&, QWidget*)) {
        Check([this, each](const QString& page, QWidget* window) { (this->*each)(page, window); });
    }
    void Check(const TCheck& check) {
        CheckEveryWindow(check);
        for (const QString& fault : Faults) // may be too many for one message
            qInfo().noquote() << fault;
        QVERIFY2(Faults.isEmpty(), qPrintable(QStringLiteral("%1 faults").arg(Faults.size())));
    }

private slots:
    void init() {
        Copy = std::make_unique<GuiTest::TScenarioCopy>();
        QVERIFY2(Copy->IsOpen(), qPrintable(Copy->Problem()));
        Faults.clear();
        Tried.clear();
        Editors.clear();
    }
    void cleanup() { Copy.reset(); }

    void EnterInAnyFieldOfAnyWindowOpensNothing() {
        Check(&AllFormsTest::PressEnterInEveryField);
        QVERIFY(Tried.size() > 20);
        QVERIFY2(Editors.size() >= 28, qPrintable(QStringList(Editors.values()).join(' ')));
    }

    void LongStoredTextsAreShownWholeAndNeverCut() {
        CheckEveryWindow(&AllFormsTest::Lengthen);
        Check(&AllFormsTest::CheckLongTexts);
        QVERIFY2(Tried.size() >= 15, qPrintable(QString::number(Tried.size())));
    }

    void KeysThatTypeNothingKeepEveryNumber() {
        Check(&AllFormsTest::PressKeysThatTypeNothing);
        // Region Info's "Number:", Step 3's poll time, a share of percentages.
        for (const char* name : {"SeatNumberEdit", "PollEdit", "CommittedPercentageEdit"})
            QVERIFY2(Tried.contains(QLatin1String(name)), name);
    }

    void EveryCheckBoxWritesOnAnyChangeOfState() {
        Check(&AllFormsTest::ToggleEveryCheckBox);
        for (const char* name : {"NationalEndorserCheckBox", "BallotCheckBox", "MajorityCheckBox"})
            QVERIFY2(Tried.contains(QLatin1String(name)), name);
    }

    void EveryMemoKeepsWordsApart() {
        Check(&AllFormsTest::TypeLinesIntoEveryMemo);
        QVERIFY(Tried.size() >= 8);
    }

    void EveryLongListNarrowsAsItsFilterIsTyped() {
        Check(&AllFormsTest::TypeIntoEveryFilter);
        for (const char* list :
             {"TIssueEditorForm.IssuesListBox", "TPoliticalUnitEditorForm.RegionsListBox",
              "TPartiesEditorForm.PartiesListBox", "TPartyLeaderVeepEditorForm.LeadersListBox",
              "TPartyLeaderVeepEditorForm.VeepsListBox", "TSimpleEventEditorForm.EventsListBox",
              "TScriptedEventsEditorForm.EventsListBox", "TEndorserEditorForm.EndorserListBox",
              "TAdEditorForm.AdsListBox", "TActivitiesEditorForm.ActivitiesListBox"})
            QVERIFY2(Tried.contains(QLatin1String(list)), list);
    }

    // The title and the help topic of every window, from one table.
    void EveryWindowHasItsTitleAndHelpPage() {
        const QHash<QString, QPair<QString, int>> expected = {
            {"TActivitiesEditorForm", {"Step 8: Create / Edit Activities", 180}},
            {"TAdEditorForm", {"Step 4: Create / Edit Ads", 140}},
            {"TCampaignTimelineForm", {"Campaign Timeline", 220}},
            {"TChangeColourForm", {"Select Color", 151}},
            {"TCrusadersEditorForm", {"Create / Edit Crusaders", 158}},
            {"TDebatesEditorForm", {"Step (1: Create / Edit|5: Create / Edit .+'s) Debates", 113}},
            {"TEconomyEditorForm", {"Step 1: Create / Edit Economic Targets", 111}},
            {"TElectionEventsEditorForm", {"Step 5: .+'s Regional Information", 154}},
            {"TEndorserEditorForm", {"Step 7: Create / Edit Endorsers", 170}},
            {"TEventConditionBuilderForm", {"Step 6: .+ Event Conditions", 163}},
            {"TEventOutcomeBuilderForm", {"Step 6: .+ Event Outcomes", 164}},
            {"TEventsEditorForm", {"Step 6: Create / Edit Events", 160}},
            {"TFindInScenarioForm", {"Find in Scenario", 240}},
            {"THelpWindow", {"Stumpcraft Help", 0}},
            {"TInterviewerEditorForm", {"Step 1: Create / Edit Interviewers", 112}},
            {"TIssueCentersForm", {"Step 3: Regional Centers / Profiles", 131}},
            {"TIssueEditorForm", {"Step 2: Create / Edit Issues", 120}},
            {"TLeaderEditForm", {"Step 5: Edit Selected Leader", 153}},
            {"TPartiesEditorForm", {"Step 5: Create / Edit Parties", 150}},
            {"TPartyEditForm", {"Step 5: Edit Selected Party", 151}},
            {"TPartyLeaderVeepEditorForm",
             {"Step 5: Create / Edit .+'s Leaders and Vice Leaders", 152}},
            {"TPartyRelationsEditorForm", {"Step 6: Party Relations", 156}},
            {"TPercentagesEditorForm", {"Step 5: Edit Regional Percentages", 155}},
            {"TPlatformEditorForm", {"Set Party / Leader Platform", 151}},
            {"TPoliticalUnitEditorForm", {"Step 3: Create / Edit Political Units", 130}},
            {"TScenarioBuilderForm", {"Stumpcraft for Votaris 2008|Editing: .+\\[\\*\\]", 100}},
            {"TScenarioEditorForm", {"Step 1: Create / Edit Scenario Data", 110}},
            {"TScriptedEventsEditorForm", {"Step 6: Create / Edit Scripted Events", 162}},
            {"TSelectPartyForm", {"Select Party", 151}},
            {"TSelectScenarioForm", {"Choose Scenario To Load", 210}},
            {"TSelectVeepsForm", {"Select Leader Vice-Presidential Candidates", 153}},
            {"TSimpleEventEditorForm", {"Step 6: Create / Edit Simple Events", 161}},
            {"TSplashScreenForm", {"", 0}},
            {"TStartingRaceForm", {"Starting Race", 230}},
            {"TVeepEditForm", {"Edit Selected Vice President", 157}},
            {"TVerificationMessagesForm", {"VerificationMessagesForm", 200}},
            {"TaboutForm", {"About Votaris", 500}},
        };
        QSet<QString> seen;
        Check([&](const QString& page, QWidget* window) {
            const QString form = QLatin1String(window->metaObject()->className());
            const int topic = Help::TopicOf(window);
            const QString title = window->windowTitle();
            seen << form;
            const auto row = expected.constFind(form);
            const QRegularExpression titles(QRegularExpression::anchoredPattern(
                row == expected.cend() ? QString() : row->first));
            if (row == expected.cend() || topic != row->second || !titles.match(title).hasMatch())
                Faults << page +
                              QStringLiteral("{\"%1\", {\"%2\", %3}},").arg(form, title).arg(topic);
        });
        QCOMPARE(seen.size(), expected.size());
    }

    void EveryTextSetOtherwiseShowsAsTyped() {
        Check(&AllFormsTest::SetEveryTextAsTyped);
        QVERIFY(Tried.contains(QStringLiteral("AbbreviationEdit")));
    }
    void EveryWindowShowsWithoutWritingAndTypesIntoItsOwnElements() {
        int shot = 0;
        Check([&](const QString& page, QWidget* window) {
            const QString where = page + QStringLiteral("(%1) ").arg(++shot);
            ShowEveryEntry(where, window);
            TypeIntoEveryBoundField(where, window);
        });
        QVERIFY(EntriesShown > 200);
        QVERIFY(FieldsTyped > 100);
    }

    // Tab, mnemonics, accessible names, size and list rows, for every window.
    void EveryWindowWorksFromKeyboardAndScreenReader() {
        Accessibility::Install();
        int walked = 0;
        CheckEveryWindow([&](const QString& page, QWidget* window) {
            ++walked;
            Walk(page, window);
        });
        QVERIFY(walked > 20);
        QStringList faults(QSet<QString>(Faults.begin(), Faults.end()).values());
        faults.sort();
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QLatin1Char('\n'))));
    }
};

QTEST_MAIN(AllFormsTest)
#include "AllFormsTest.moc"
