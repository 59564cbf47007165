// Every window the gallery knows, driven from the keyboard: Enter in any text
// box or numeric field must not press a button that asks or opens something,
// and every list lays its rows out alike.
// A window is picked up as soon as it registers a gallery page.

#include "app/Prompts.h"
#include "app/gallery/Gallery.h"
#include "guisupport/ScenarioCopy.h"
#include "guisupport/ScriptedPrompts.h"

#include <QAbstractSpinBox>
#include <QApplication>
#include <QDialog>
#include <QLineEdit>
#include <QListWidget>
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

// The fields Enter can be pressed in: text boxes (numeric ones too) and
// spin boxes (date pickers), enabled and shown.
QList<QWidget*> Fields(QWidget* window) {
    QList<QWidget*> fields;
    for (QWidget* child : window->findChildren<QWidget*>()) {
        const bool isField =
            qobject_cast<QLineEdit*>(child) || qobject_cast<QAbstractSpinBox*>(child);
        // A spin box's own text box is reached through the spin box.
        const bool inSpinBox = qobject_cast<QAbstractSpinBox*>(child->parentWidget());
        if (isField && !inSpinBox && child->isVisible() && child->isEnabled())
            fields << child;
    }
    return fields;
}

QString FieldName(const QWidget* field) {
    return field->objectName().isEmpty() ? QLatin1String(field->metaObject()->className())
                                         : field->objectName();
}

} // namespace

class AllFormsTest : public QObject {
    Q_OBJECT

    // "page: field: what happened", one per fault.
    QStringList Faults;
    int FieldsTried = 0;

    // A list whose rows may differ in height is laid out whole on every
    // change of one row: a keystroke in a name field of a long list stalls.
    void CheckListsLayOutRowsAlike(const QString& page, QWidget* window) {
        for (const QListWidget* list : window->findChildren<QListWidget*>())
            if (!list->uniformItemSizes())
                Faults << page + QStringLiteral(": ") + list->objectName() +
                              QStringLiteral(": rows of differing height");
    }

    void PressEnterInEveryField(const QString& page, QWidget* window) {
        for (QWidget* field : Fields(window)) {
            if (!field->isVisible() || !field->isEnabled())
                continue; // an earlier Enter hid it
            ++FieldsTried;
            TWindowWatch watch;
            TScriptedPrompts prompts; // nothing scripted: every prompt is a fault
            field->setFocus();
            QTest::keyClick(field, Qt::Key_Return);
            QTest::keyClick(field, Qt::Key_Enter, Qt::KeypadModifier);
            QApplication::processEvents();
            const QString where =
                page + QStringLiteral(": ") + FieldName(field) + QStringLiteral(": ");
            for (const TScriptedPrompts::TShown& shown : prompts.Shown())
                Faults << where + QStringLiteral("asked \"%1\"").arg(shown.Title);
            for (const QString& opened : watch.Opened)
                Faults << where + QStringLiteral("opened ") + opened;
            prompts.Clear(); // reported above, once
        }
    }

private slots:
    void EnterInAnyFieldOfAnyWindowOpensNothing() {
        GuiTest::TScenarioCopy copy;
        QVERIFY2(copy.IsOpen(), qPrintable(copy.Problem()));
        QTemporaryDir pictures;
        // Setting a page up may ask things; only what Enter causes counts.
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
                CheckListsLayOutRowsAlike(page.Name, window);
                PressEnterInEveryField(page.Name, window);
            };
            page.Render(context);
            if (!visited)
                unvisited << page.Name;
        }
        SetPrompts(previous);

        QVERIFY2(pages.size() >= 10, "the windows of the program register gallery pages");
        QVERIFY2(unvisited.isEmpty(),
                 qPrintable(QStringLiteral("not shown: ") + unvisited.join(", ")));
        QVERIFY(FieldsTried > 20);
        QVERIFY2(Faults.isEmpty(), qPrintable(Faults.join(QLatin1Char('\n'))));
    }
};

QTEST_MAIN(AllFormsTest)
#include "AllFormsTest.moc"
