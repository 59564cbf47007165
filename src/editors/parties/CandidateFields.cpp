#include "editors/parties/CandidateFields.h"

#include "app/ControlBinding.h"
#include "scenario/edit/PartiesEdit.h"
#include "xml/TXmlNode.h"

#include <QComboBox>
#include <QLineEdit>
#include <QSignalBlocker>

namespace CandidateFields {

namespace {

const char* const Ratings[7] = {"leadership", "integrity", "experience", "issue_familiarity",
                                "charisma",   "stamina",   "debating"};

// The writer of a list lives as a child of it, so a new binding replaces it.
QObject* NewWriter(QComboBox* combo) {
    delete combo->findChild<QObject*>(QStringLiteral("CandidateFieldWriter"),
                                      Qt::FindDirectChildrenOnly);
    auto* writer = new QObject(combo);
    writer->setObjectName(QStringLiteral("CandidateFieldWriter"));
    return writer;
}

} // namespace

void BindGender(QComboBox* combo, const ControlBinding::TField& sex) {
    QObject* writer = NewWriter(combo);
    {
        const QSignalBlocker quiet(combo);
        const std::string text = sex.Element ? sex.Element->GetText() : std::string();
        combo->setCurrentIndex(text.empty() ? -1
                                            : combo->findText(QString(QChar(text[0]).toUpper())));
    }
    if (!sex.Bindable())
        return;
    QObject::connect(combo, &QComboBox::currentIndexChanged, writer,
                     [combo, field = ControlBinding::TField(sex)]() mutable {
                         if (combo->currentIndex() >= 0 && field.Make())
                             field.Element->SetText(
                                 combo->currentText() == QLatin1String("F") ? "female" : "male");
                     });
}

void BindHomeRegion(QComboBox* combo, const TScenarioData& data, const TXmlNode* home,
                    std::function<void(const std::string&)> choose) {
    QObject* writer = NewWriter(combo);
    {
        const QSignalBlocker quiet(combo);
        combo->clear();
        const TXmlNode* regions = PartiesEdit::RegionList(data);
        const std::string homeId = home ? home->AttributeValue("id") : std::string();
        for (int32_t i = 0; regions && i < regions->ChildCount(); ++i) {
            const TXmlNode* region = regions->GetChildAt(i);
            const TXmlNode* name = region->GetChild("name");
            const QString id = QString::fromStdString(region->AttributeValue("id"));
            combo->addItem(name ? QString::fromStdString(name->GetText()) : id, id);
        }
        combo->setCurrentIndex(combo->findData(QString::fromStdString(homeId)));
    }
    QObject::connect(combo, &QComboBox::currentIndexChanged, writer,
                     [combo, choose = std::move(choose)] {
                         if (combo->currentIndex() >= 0)
                             choose(combo->currentData().toString().toStdString());
                     });
}

void BindRatings(QLineEdit* const (&edits)[7], TXmlNode* candidate) {
    for (int i = 0; i < 7; ++i)
        ControlBinding::BindText(edits[i], {candidate, std::string("attributes/") + Ratings[i]});
}

} // namespace CandidateFields
