#pragma once

#include <QDialog>

class QTreeWidget;
class TScenarioData;
class TXmlNode;

namespace Ui {
class TFindInScenarioForm;
}

// Edit > Find in Scenario: finds a text in every file of the open scenario
// and lists file, section and text of each place. Reads only; opening a
// place is the main window's.
class TFindInScenarioForm : public QDialog {
    Q_OBJECT
public:
    explicit TFindInScenarioForm(QWidget* parent = nullptr);
    ~TFindInScenarioForm() override;

    // The scenario searched; null for none.
    void SetScenario(const TScenarioData* data);
    // Searches for text and lists what is found.
    void Search(const QString& text);
    QTreeWidget* ResultsList() const;
    // The element of the current result; null when none is current.
    TXmlNode* CurrentElement() const;

signals:
    // A result was double-clicked, Enter pressed on it, or Open clicked.
    // The documents may change while it is handled; the results are found
    // again afterwards.
    void OpenRequested(TXmlNode* element);

private:
    void Open();
    void UpdateActions();

    Ui::TFindInScenarioForm* ui;
    const TScenarioData* Data_ = nullptr;
};
