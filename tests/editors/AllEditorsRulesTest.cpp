// Every window the gallery knows, held to the rules every editor keeps: its page renders a
// picture; it carries the title and manual topic listed below; Enter neither closes it nor
// presses a button; and a stored text longer than its field allows is shown whole and never
// cut, while a short one keeps to the limit.
#include "app/ControlBinding.h"
#include "app/Prompts.h"
#include "app/gallery/Gallery.h"
#include "guisupport/ScenarioCopy.h"
#include "xml/TXmlNode.h"

#include <QDialog>
#include <QFileInfo>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <functional>

namespace {

struct TWindow {
    const char* Form;
    // "*" stands for a name the window shows of its item.
    const char* Title;
    int Topic;
};

const TWindow Windows[] = {
    {"TScenarioEditorForm", "Step 1: Create / Edit Scenario Data", 110},
    {"TEconomyEditorForm", "Step 1: Create / Edit Economic Targets", 111},
    {"TInterviewerEditorForm", "Step 1: Create / Edit Interviewers", 112},
    {"TDebatesEditorForm", "Step *: Create / Edit *Debates", 113},
    {"TIssueEditorForm", "Step 2: Create / Edit Issues", 120},
    {"TPoliticalUnitEditorForm", "Step 3: Create / Edit Political Units", 130},
    {"TIssueCentersForm", "Step 3: Regional Centers / Profiles", 131},
    {"TAdEditorForm", "Step 4: Create / Edit Ads", 140},
    {"TPartiesEditorForm", "Step 5: Create / Edit Parties", 150},
    {"TPartyEditForm", "Step 5: Edit Selected Party", 151},
    {"TPartyLeaderVeepEditorForm", "Step 5: Create / Edit * Party's Leaders and Vice Leaders", 152},
    {"TElectionEventsEditorForm", "Step 5: * Party's Regional Information", 154},
    {"TLeaderEditForm", "Step 5: Edit Selected Leader", 153},
    {"TCrusadersEditorForm", "Create / Edit Crusaders", 158},
    {"TSelectVeepsForm", "Select Leader Vice-Presidential Candidates", 153},
    {"TPlatformEditorForm", "Set Party / Leader Platform", 151},
    {"TPercentagesEditorForm", "Step 5: Edit Regional Percentages", 155},
    {"TVeepEditForm", "Edit Selected Vice President", 157},
    {"TChangeColourForm", "Select Color", 151},
    {"TSelectPartyForm", "Select Party", 151},
    {"TPartyRelationsEditorForm", "Step 6: Party Relations", 156},
    {"TEventsEditorForm", "Step 6: Create / Edit Events", 160},
    {"TSimpleEventEditorForm", "Step 6: Create / Edit Simple Events", 161},
    {"TScriptedEventsEditorForm", "Step 6: Create / Edit Scripted Events", 162},
    {"TEventConditionBuilderForm", "Step 6: * Event Conditions", 163},
    {"TEventOutcomeBuilderForm", "Step 6: * Event Outcomes", 164},
    {"TEndorserEditorForm", "Step 7: Create / Edit Endorsers", 170},
    {"TActivitiesEditorForm", "Step 8: Create / Edit Activities", 180},
};

// The limit a field keeps to while it holds a short text; 0 when it has none.
int LimitOf(const QLineEdit* edit) {
    return edit->property("limitLineLength").toInt();
}

// A memo that keeps to a limit; none is near this long.
bool Limited(const QPlainTextEdit* memo) {
    return memo->property("limitPreviousLength").isValid();
}
const size_t LongMemo = 3000;

std::string Documents(const TScenarioData& data) {
    std::string all;
    for (TScenarioFile file : TScenarioData::AllFiles())
        all += data.Document(file).ToText();
    return all;
}

QString NameOf(const QWidget* widget) {
    return widget->objectName().isEmpty() ? QLatin1String(widget->metaObject()->className())
                                          : widget->objectName();
}

} // namespace

class AllEditorsRulesTest : public QObject {
    Q_OBJECT

    std::unique_ptr<GuiTest::TScenarioCopy> Copy;
    QStringList Faults;

    using TVisit = std::function<void(const QString& where, QWidget* window)>;

    // Renders every gallery page on the copy and hands each window shown to
    // visit; every page must write its pictures.
    void VisitEveryWindow(const TVisit& visit) {
        QTemporaryDir pictures;
        TDecliningPrompts declining;
        TPrompts* previous = SetPrompts(&declining);
        for (const Gallery::TPage& page : Gallery::Pages()) {
            TGalleryContext context;
            context.Scenario = &Copy->Data();
            context.DataFolder = GuiTest::ShippedData();
            context.OutputFolder = pictures.path();
            context.PageName = page.Name;
            context.Visit = [&](QWidget* window) {
                visit(page.Name + QStringLiteral(": "), window);
            };
            page.Render(context);
            if (context.Written.empty())
                Faults << page.Name + QStringLiteral(": no picture");
            for (const QString& file : context.Written)
                if (QFileInfo(file).size() == 0)
                    Faults << page.Name + QStringLiteral(": empty ") + file;
        }
        SetPrompts(previous);
    }

    static bool Listed(const QWidget* window) {
        const char* form = window->metaObject()->className();
        return std::any_of(std::begin(Windows), std::end(Windows), [form](const TWindow& listed) {
            return qstrcmp(listed.Form, form) == 0;
        });
    }

    void CheckTitleAndTopic(const QString& where, QWidget* window, QSet<QString>& seen) {
        const QString form = QString::fromLatin1(window->metaObject()->className());
        for (const TWindow& listed : Windows) {
            if (form != QLatin1String(listed.Form))
                continue;
            seen << form;
            const QRegularExpression title(QRegularExpression::anchoredPattern(
                QRegularExpression::escape(QLatin1String(listed.Title))
                    .replace(QStringLiteral("\\*"), QStringLiteral(".*"))));
            if (!title.match(window->windowTitle()).hasMatch())
                Faults << where + QStringLiteral("titled \"%1\"").arg(window->windowTitle());
            if (window->property("helpTopic").toInt() != listed.Topic)
                Faults << where + QStringLiteral("manual topic %1")
                                      .arg(window->property("helpTopic").toInt());
        }
    }

    void PressEnterInEveryField(const QString& where, QWidget* window) {
        if (!Listed(window))
            return;
        for (const QPushButton* button : window->findChildren<QPushButton*>())
            if (button->autoDefault() || button->isDefault())
                Faults << where + NameOf(button) + QStringLiteral(" is pressed by Enter");
        const std::string before = Documents(Copy->Data());
        auto* dialog = qobject_cast<QDialog*>(window);
        int finished = 0;
        QMetaObject::Connection counting;
        if (dialog)
            counting = connect(dialog, &QDialog::finished, this, [&finished] { ++finished; });
        for (QLineEdit* edit : window->findChildren<QLineEdit*>()) {
            if (!edit->isVisible() || !edit->isEnabled())
                continue;
            edit->setFocus();
            QTest::keyClick(edit, Qt::Key_Return);
            QTest::keyClick(edit, Qt::Key_Enter, Qt::KeypadModifier);
            if (finished > 0 || !window->isVisible()) {
                Faults << where + NameOf(edit) + QStringLiteral(": Enter closed the window");
                break;
            }
        }
        disconnect(counting);
        if (Documents(Copy->Data()) != before)
            Faults << where + QStringLiteral("Enter wrote");
    }

    // First round: every bound, limited text becomes longer than its limit.
    void Lengthen(QWidget* window) {
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
                       const TXmlNode* element, int& checked) {
        ++checked;
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
    void CheckLongTexts(const QString& where, QWidget* window, int& checked) {
        for (QLineEdit* edit : window->findChildren<QLineEdit*>()) {
            TXmlNode* element = ControlBinding::BoundElement(edit);
            const int limit = LimitOf(edit);
            if (!element || limit <= 0 || !edit->isVisible() || !edit->isEnabled() ||
                edit->isReadOnly())
                continue;
            const QString field = where + NameOf(edit) + QStringLiteral(": ");
            if (static_cast<int>(element->GetText().size()) > limit)
                CheckLongText(field, edit, edit->text(), element, checked);
            else if (edit->maxLength() != limit)
                Faults << field +
                              QStringLiteral("takes %1, not %2").arg(edit->maxLength()).arg(limit);
        }
        for (QPlainTextEdit* memo : window->findChildren<QPlainTextEdit*>()) {
            TXmlNode* element = ControlBinding::BoundElement(memo);
            if (element && Limited(memo) && element->Text.size() >= LongMemo && memo->isVisible() &&
                !memo->isReadOnly())
                CheckLongText(where + NameOf(memo) + QStringLiteral(": "), memo,
                              memo->toPlainText(), element, checked);
        }
    }

    void Check() { QVERIFY2(Faults.isEmpty(), qPrintable(Faults.join(QLatin1Char('\n')))); }

private slots:
    void init() {
        Copy = std::make_unique<GuiTest::TScenarioCopy>();
        QVERIFY2(Copy->IsOpen(), qPrintable(Copy->Problem()));
        Faults.clear();
    }
    void cleanup() { Copy.reset(); }

    void EveryPageRendersWithItsTitleAndTopic() {
        QSet<QString> seen;
        VisitEveryWindow([&](const QString& where, QWidget* window) {
            CheckTitleAndTopic(where, window, seen);
        });
        for (const TWindow& listed : Windows)
            if (!seen.contains(QLatin1String(listed.Form)))
                Faults << QStringLiteral("%1: not shown").arg(QLatin1String(listed.Form));
        Check();
    }

    void EnterInAnyFieldNeitherClosesNorPresses() {
        VisitEveryWindow(
            [&](const QString& where, QWidget* window) { PressEnterInEveryField(where, window); });
        Check();
    }

    void LongStoredTextsAreShownWholeAndNeverCut() {
        VisitEveryWindow([&](const QString&, QWidget* window) { Lengthen(window); });
        int checked = 0;
        VisitEveryWindow(
            [&](const QString& where, QWidget* window) { CheckLongTexts(where, window, checked); });
        QVERIFY2(checked >= 15, qPrintable(QString::number(checked)));
        Check();
    }
};

QTEST_MAIN(AllEditorsRulesTest)
#include "AllEditorsRulesTest.moc"
