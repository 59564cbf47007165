// Every window the gallery knows, driven from the keyboard: Tab reaches every control and mnemonics
// and accessible names let a keyboard or screen reader user find them; every window fits a small
// screen. A window is picked up as soon as it registers a gallery page.

#include "app/Accessibility.h"
#include "app/Prompts.h"
#include "app/gallery/Gallery.h"
#include "guisupport/ScenarioCopy.h"
#include "guisupport/ScriptedPrompts.h"

#include "widgets/TMapView.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractSpinBox>
#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QDateTimeEdit>
#include <QDialog>
#include <QGroupBox>
#include <QHash>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPointer>
#include <QScrollArea>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>
#include <QTimer>

#include <algorithm>
#include <functional>

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

QString FieldName(const QWidget* field) {
    return field->objectName().isEmpty() ? QLatin1String(field->metaObject()->className())
                                         : field->objectName();
}

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

} // namespace

class AllFormsAccessTest : public QObject {
    Q_OBJECT

    // "page: field: what happened", one per fault.
    QStringList Faults;
    int WindowsWalked = 0;

    void Walk(const QString& page, QWidget* window) {
        ++WindowsWalked;
        const QString where = page + QStringLiteral(": ");
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
        for (const TScriptedPrompts::TShown& shown : prompts.Shown())
            Faults << where + QStringLiteral("Tab asked \"%1\"").arg(shown.Title);
        prompts.Clear();
        for (const QString& opened : watch.Opened)
            Faults << where + QStringLiteral("Tab opened ") + opened;
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
            const bool needsName = qobject_cast<QAbstractItemView*>(widget) ||
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

    // Renders every gallery page on a scenario copy and hands each shown
    // window to visit.
    void VisitEveryWindow(const std::function<void(const QString&, QWidget*)>& visit) {
        GuiTest::TScenarioCopy copy;
        QVERIFY2(copy.IsOpen(), qPrintable(copy.Problem()));
        QTemporaryDir pictures;
        // Setting a page up may ask things; only what the visit causes counts.
        TDecliningPrompts declining;
        TPrompts* previous = SetPrompts(&declining);

        const std::vector<Gallery::TPage> pages = Gallery::Pages();
        QStringList unvisited;
        for (const Gallery::TPage& page : pages) {
            TGalleryContext context;
            context.Scenario = &copy.Data();
            context.DataFolder = GuiTest::ShippedData();
            context.OutputFolder = pictures.path();
            context.PageName = page.Name;
            bool visited = false;
            context.Visit = [&](QWidget* window) {
                visited = true;
                visit(page.Name, window);
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

private slots:
    void initTestCase() { Accessibility::Install(); }

    // Tab, mnemonics, accessible names and size, for every window.
    void EveryWindowWorksFromKeyboardAndScreenReader() {
        Faults.clear();
        VisitEveryWindow([this](const QString& page, QWidget* window) { Walk(page, window); });
        QVERIFY(WindowsWalked > 20);
        for (const QString& fault : Faults) // too many for one message
            qInfo().noquote() << fault;
        QVERIFY2(Faults.isEmpty(), qPrintable(QStringLiteral("%1 faults").arg(Faults.size())));
    }
};

QTEST_MAIN(AllFormsAccessTest)
#include "AllFormsAccessTest.moc"
