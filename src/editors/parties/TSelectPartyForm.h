#pragma once

#include <QDialog>

#include <functional>

namespace Ui {
class TSelectPartyForm;
}
class TScenarioData;
class TXmlNode;

// Chooses one of the parties of parties.xml other than a given one (for
// example the party a leader is copied to). "Ok" is enabled only while
// there is a party to choose.
class TSelectPartyForm : public QDialog {
    Q_OBJECT
public:
    // except: the party left out of the list; null lists every party.
    TSelectPartyForm(TScenarioData& data, const TXmlNode* except, QWidget* parent = nullptr);
    ~TSelectPartyForm() override;

    // Shows the chooser modally; the chosen party element, or null when
    // the designer cancelled or there was nothing to choose.
    static TXmlNode* Choose(TScenarioData& data, const TXmlNode* except, QWidget* parent = nullptr);

    // Replaces Choose's dialog while set (tests answer it this way); reset
    // it to an empty function afterwards.
    using TChooser = std::function<TXmlNode*(TScenarioData&, const TXmlNode* except)>;
    static TChooser& Chooser();

    // The party of the selected entry; null when none.
    TXmlNode* SelectedParty() const;

protected:
    // Enter chooses as "Ok" does; no button is left as the default one.
    void keyPressEvent(QKeyEvent* event) override;

private:
    Ui::TSelectPartyForm* ui;
};
